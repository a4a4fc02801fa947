#ifndef CVORKHELPBROWSER_H
#define CVORKHELPBROWSER_H

#include <QStringList>
#include <QWidget>

class QTextBrowser;

// A free-standing window that shows the local HTML help of the interface language. The help
// pages are files in the "help" directory beside the program, not embedded resources. The
// window deletes itself when closed.
class CVorkHelpBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit CVorkHelpBrowser(QWidget *parent = nullptr);

    // Opens a new help window (740 x 480, top-level) on every call and returns it; nothing
    // keeps track of open help windows.
    static CVorkHelpBrowser *showHelp();
    // "help_" + effective language code + ".html".
    static QString getHelpFileName();
    // The program's directory + "/help".
    static QStringList getHelpSearchPaths();

    QTextBrowser *textBrowser() const;

private:
    QTextBrowser *m_ptxtbrwsHelp;
};

#endif // CVORKHELPBROWSER_H
