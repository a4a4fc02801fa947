// Shared pieces of the installation-page tests: records, the test access to a network-install
// job that is never started, a watcher that answers the finish message, the icons and links the
// widgets show, and picture output. Waits, the catcher of opened addresses, the debug-line
// capture and the namespace holding only loopback come from TestSupport.h.
#ifndef INSTALLTEST_H
#define INSTALLTEST_H

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <cstring>

#include <arpa/inet.h>

#include "CThreadNetInstall.h"
#include "CVorkDialogInstallFinish.h"
#include "TestSupport.h"
#include "fhost.h"

// Reaches into a network-install job that is never started, so the widgets can be shown every
// stage, percent, error and record without a server.
class CThreadNetInstallTestAccess
{
public:
    static void setStage(CThreadNetInstall &job, int stage) { job.m_nStage.store(stage); }
    static void setPercent(CThreadNetInstall &job, int percent) { job.m_nPercent.store(percent); }
    static void setError(CThreadNetInstall &job, unsigned long error) { job.m_ulError.store(error); }
    static NASINFO &record(CThreadNetInstall &job) { return *job.m_pnasInfo; }
};

namespace itest {

// A server as a search answer describes it.
inline NASINFO server(const char *mac, uint32_t state, uint32_t build = 2000,
                      const char *ip = "198.18.0.2", const char *name = "Vault",
                      uint32_t httpPort = 5000)
{
    NASINFO n;
    std::memset(&n, 0, sizeof(n));
    n.ulPacketType = FHOST_PKT_BRESPONSE;
    std::strncpy(n.szMac, mac, sizeof(n.szMac) - 1);
    std::strncpy(n.szServerName, name, sizeof(n.szServerName) - 1);
    n.ulConfigured = state;
    n.ulBuild = build;
    n.ulIP = inet_addr(ip);
    n.ulHttpPort = httpPort;
    return n;
}

// Runs the deferred deletions that are due.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Which of the three step icons a label shows: "done", "current", "skipped", "" for none.
inline QString iconOf(const QLabel *label)
{
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    if (shown.isNull())
        return QString();
    const QImage image = shown.toImage().convertToFormat(QImage::Format_RGB32);
    const struct {
        const char *name;
        const char *path;
    } icons[] = {{"done", ":/images/icon_checked.png"},
                 {"current", ":/images/icon_arrow.png"},
                 {"skipped", ":/images/icon_skip.png"}};
    for (const auto &icon : icons) {
        if (QImage(QLatin1String(icon.path)).convertToFormat(QImage::Format_RGB32) == image)
            return QLatin1String(icon.name);
    }
    return QStringLiteral("other");
}

// The address of the first anchor in a rich text.
inline QString anchorOf(const QString &richText)
{
    const QRegularExpression re(QStringLiteral("<a href=\"([^\"]*)\">"));
    const QRegularExpressionMatch m = re.match(richText);
    return m.hasMatch() ? m.captured(1) : QString();
}

// Answers the finish message: counts each time it is shown, keeps its text, and closes it with
// OK after holdMs (real milliseconds), so that the page's ticks go on meanwhile.
class FinishWatcher : public QObject
{
    Q_OBJECT
public:
    explicit FinishWatcher(int holdMs = 0) : m_holdMs(holdMs) { qApp->installEventFilter(this); }
    ~FinishWatcher() override { qApp->removeEventFilter(this); }
    int shown = 0;
    QString text;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (CVorkDialogInstallFinish *dlg = qobject_cast<CVorkDialogInstallFinish *>(watched)) {
                ++shown;
                text = dlg->m_lblDescript1->text();
                QPointer<CVorkDialogInstallFinish> guard(dlg);
                QTimer::singleShot(m_holdMs, this, [guard]() {
                    if (guard)
                        guard->accept();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int m_holdMs;
};

// Where pictures of the widgets go for a look (build tree).
inline QString reviewDir()
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/install-review");
    QDir().mkpath(dir);
    return dir;
}

} // namespace itest

#endif // INSTALLTEST_H
