// Shared pieces of the installation-page tests: records, the test access to a network-install
// job that is never started, capture of opened addresses and debug lines, a watcher that
// answers the finish message, bounded waits and picture output.
#ifndef INSTALLTEST_H
#define INSTALLTEST_H

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QMutex>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <cstring>
#include <functional>

#include <arpa/inet.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "CThreadNetInstall.h"
#include "CVorkDialogInstallFinish.h"
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

// Runs the event loop until the condition holds or the time is up. Deferred deletions are run
// too, as the program's event loop would (a test function runs outside any event loop).
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(1);
    }
    return true;
}

inline void spin(int ms)
{
    waitFor([] { return false; }, ms);
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

// Takes the addresses QDesktopServices::openUrl is asked to open, instead of a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

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

// Every debug line written while an instance exists.
class DebugCapture
{
public:
    DebugCapture()
    {
        s_instance() = this;
        m_previous = qInstallMessageHandler(&DebugCapture::handler);
    }
    ~DebugCapture()
    {
        qInstallMessageHandler(m_previous);
        s_instance() = nullptr;
    }
    QStringList lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }

private:
    static DebugCapture *&s_instance()
    {
        static DebugCapture *instance = nullptr;
        return instance;
    }
    static void handler(QtMsgType, const QMessageLogContext &, const QString &text)
    {
        if (DebugCapture *self = s_instance()) {
            QMutexLocker lock(&self->m_mutex);
            self->m_lines << text;
        }
    }
    QtMessageHandler m_previous;
    mutable QMutex m_mutex;
    QStringList m_lines;
};

// Puts the process into a network namespace of its own holding only loopback (up), so that
// the discovery thread and the jobs send nowhere else. Call first in main, while the process
// has one thread. False when no namespace can be made (the test then reports itself skipped).
inline bool enterLoopbackNamespace()
{
    if (unshare(CLONE_NEWNET) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0)
        return false;
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    struct ifreq req;
    std::memset(&req, 0, sizeof(req));
    std::strncpy(req.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ioctl(fd, SIOCGIFFLAGS, &req) == 0;
    req.ifr_flags |= IFF_UP;
    ok = ok && ioctl(fd, SIOCSIFFLAGS, &req) == 0;
    close(fd);
    return ok;
}

// Where pictures of the widgets go for a look (build tree).
inline QString reviewDir()
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/install-review");
    QDir().mkpath(dir);
    return dir;
}

} // namespace itest

#endif // INSTALLTEST_H
