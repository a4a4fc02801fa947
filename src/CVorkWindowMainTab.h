#ifndef CVORKWINDOWMAINTAB_H
#define CVORKWINDOWMAINTAB_H

#include <QMainWindow>

class CVorkWindowMain;
class QCloseEvent;

// Base of the pages the main window holds in its page stack (finder, installation, resource
// monitor, photo uploader). It lets the main window ask a page whether work is still running,
// build a page's content only when the page is first shown, and hand the page its main window.
class CVorkWindowMainTab : public QMainWindow
{
    Q_OBJECT

public:
    explicit CVorkWindowMainTab(QWidget *parent = nullptr);

    // The main window that holds this page; not owned, null until the main window sets it
    // right after building the page.
    CVorkWindowMain *getMainWindow() const;
    void setMainWindow(CVorkWindowMain *pMainWindow);

    // Asked when the main window is about to close; true makes it ask the user before quitting.
    virtual bool hasUnfinishedTasks() = 0;

public slots:
    // Run each time the main window switches to the page. Pages build their content on the
    // first call and use m_blInit to do it once; the base only sets the flag.
    virtual void slotDelayedInit();

protected:
    void closeEvent(QCloseEvent *event) override = 0;
    // Refills the page's texts; Qt 5 widgets have no such hook, so pages override this one.
    virtual void languageChange();

protected slots:
    void slotLanguageChanged();

protected:
    bool m_blInit;

private:
    CVorkWindowMain *m_pMainWindow;
};

#endif // CVORKWINDOWMAINTAB_H
