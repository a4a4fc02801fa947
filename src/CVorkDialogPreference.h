#ifndef CVORKDIALOGPREFERENCE_H
#define CVORKDIALOGPREFERENCE_H

#include <QDialog>

#include "ui_CVorkDialogPreference.h"

class CPageGlobal;

// The preferences dialog: a stack of preference pages (here the one global page). OK stores
// the choices and, when the language changed, tells the user to restart; Cancel discards them.
class CVorkDialogPreference : public QDialog, public Ui::CVorkDialogPreference
{
    Q_OBJECT

public:
    explicit CVorkDialogPreference(QWidget *parent = nullptr);

    void languageChange();
    CPageGlobal *getPageGlobal() const;

public slots:
    void accept() override;

private:
    CPageGlobal *m_ppageGlobal;
};

#endif // CVORKDIALOGPREFERENCE_H
