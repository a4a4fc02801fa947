#ifndef VORKWINDOWFLAGS_H
#define VORKWINDOWFLAGS_H

#include <Qt>

// Window flags shared by the program's dialogs and wizards: title, minimise, maximise and close
// buttons, and no context-help button.
extern const Qt::WindowFlags g_wfVorkDialog;

#endif // VORKWINDOWFLAGS_H
