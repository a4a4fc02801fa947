#ifndef CVORKWINDOWPROGQUICKCONF_H
#define CVORKWINDOWPROGQUICKCONF_H

#include <QString>
#include <QWidget>

#include "ui_CVorkWindowProgQuickConfBase.h"

// Progress of one quick configuration inside the installation page: two title lines, a bar of
// the time waited and a result text that may carry the log-in link of the configured server.
// The installation page writes the parts (titles, bar, result text) on every status tick.
class CVorkWindowProgQuickConf : public QWidget, public Ui::CVorkWindowProgQuickConfBase
{
    Q_OBJECT

public:
    explicit CVorkWindowProgQuickConf(QWidget *parent = nullptr);

    // Bar value, then the bar is shown.
    void setProgressValue(int value);

    // Titles and group box title of the waiting state.
    virtual void languageChange();

signals:
    void signalOpenVRUrl(QString link);

public slots:
    void slotUpdateProgressBar();
    // Opens the link in the desktop's browser, then tells the page (which hides its dialog).
    void slotOpenVRUrl(QString link);
};

#endif // CVORKWINDOWPROGQUICKCONF_H
