#include "CVorkHelpBrowser.h"

#include <QCoreApplication>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "CVorkGlobalSettings.h"
#include "StringTable.h"

CVorkHelpBrowser::CVorkHelpBrowser(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ptxtbrwsHelp = new QTextBrowser(this);
    QVBoxLayout *pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_ptxtbrwsHelp);

    setWindowTitle(getString(IDS_TOOLBAR_HELP));
    // Links to outside pages open in the desktop's browser.
    m_ptxtbrwsHelp->setOpenExternalLinks(true);
    m_ptxtbrwsHelp->setSearchPaths(getHelpSearchPaths());
    // A missing file leaves the browser with an empty page.
    m_ptxtbrwsHelp->setSource(QUrl(getHelpFileName()));
}

CVorkHelpBrowser *CVorkHelpBrowser::showHelp()
{
    CVorkHelpBrowser *pBrowser = new CVorkHelpBrowser(nullptr);
    pBrowser->resize(740, 480);
    pBrowser->show();
    return pBrowser;
}

QString CVorkHelpBrowser::getHelpFileName()
{
    return QStringLiteral("help_") + CVorkGlobalSettings().getLanguage() + QStringLiteral(".html");
}

QStringList CVorkHelpBrowser::getHelpSearchPaths()
{
    return QStringList{QCoreApplication::applicationDirPath() + QStringLiteral("/help")};
}

QTextBrowser *CVorkHelpBrowser::textBrowser() const
{
    return m_ptxtbrwsHelp;
}
