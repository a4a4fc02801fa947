// Helpers shared by the test areas:
//   - waits that keep this thread's event loop running: for what must come, ended by its hang
//     guard (waitFor); for what must not come within a time (comesWithin); a plain pause (spin);
//     and the same with deferred deletions for tests of whole windows (withDeletes::...);
//   - a check of values sampled by polling that a busy machine may have let it miss (inOrder);
//   - records emitted from a thread of their own, as the discovery thread emits them (post,
//     deliver), a receiver that keeps what the discovery thread hands on (Collector), and a
//     discovery thread that listens for every packet type (startDiscovery, stopDiscovery);
//   - the program's waits at another divisor for a while (WaitDivisor);
//   - a rejecter of the wizard a first search opens on its own that keeps any other modal
//     dialog meanwhile (AutoConnectCanceller);
//   - a capture of the messages written meanwhile (LogCapture);
//   - the simulated server's capture lines by service, unit and event (linesOf) and the
//     finder's status text of a server (statusCell);
//   - typing over a line edit (retype) and running a dialog modally under a script (runModal);
//   - the texts of a window that are cut off or drawn without glyphs (textFitProblems);
//   - a catcher for the addresses QDesktopServices would hand to the browser (UrlCatcher);
//   - an HTTP proxy named by the environment that counts who comes to it (ProxyTrap);
//   - the simulated install service's log of a unit's commands (installLog);
//   - the program's names (setProgramNames), a network namespace of the process's own holding
//     only loopback (enterLoopbackNamespace) and a further address on its loopback
//     (addLoopbackAddress), and the entry points of tests that run in such a
//     namespace (runInLoopbackNamespace, LOOPBACK_TEST_MAIN) or inside the namespace bed
//     (runInBed, GUI_BED_TEST_MAIN).
//
// UrlCatcher has a slot, so a target that uses it lists this header among its sources for moc.
#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QToolBar>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "CFindHostUDP.h"
#include "CVorkFinderWindow.h"
#include "CVorkNasinfoModel.h"
#include "CWaitScale.h"
#include "CVorkWizardInstall.h"
#include "CVorkWizardNetSetting.h"
#include "HangGuard.h"
#include "netnsbed.h"

namespace tsup {

namespace detail {

// Processes this thread's events, `sliceMs` at the most at a time with a pause of `pauseMs`
// between, until the condition holds (true) or the time is up (false); with `deletes`, the
// objects deleteLater() was called on are deleted too.
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs, int sliceMs,
                      int pauseMs, bool deletes)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, sliceMs);
        if (deletes)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(pauseMs);
    }
    return true;
}

} // namespace detail

// Processes this thread's events until the condition holds (true) or the hang guard is up
// (false): guardMs(timeoutMs), where timeoutMs is what the step was once thought to need.
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    return detail::waitUntil(condition, guardMs(timeoutMs), 5, 1, false);
}

// Processes this thread's events until the condition holds (true) or `ms` are up (false): for
// checks that something does not happen within that time.
inline bool comesWithin(const std::function<bool()> &condition, int ms)
{
    return detail::waitUntil(condition, ms, 5, 1, false);
}

inline void spin(int ms)
{
    comesWithin([] { return false; }, ms);
}

// The waits for tests of whole windows and pages. A test function runs outside any event loop,
// where processEvents() leaves the objects that deleteLater() was called on alone; these waits
// delete them too, as the program's event loop would.
namespace withDeletes {

inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    return detail::waitUntil(condition, guardMs(timeoutMs), 10, 2, true);
}

inline bool comesWithin(const std::function<bool()> &condition, int ms)
{
    return detail::waitUntil(condition, ms, 10, 2, true);
}

inline void spin(int ms)
{
    comesWithin([] { return false; }, ms);
}

} // namespace withDeletes

// Whether the values a sampler saw come in the order of `order` and end with its last value. The
// samples are taken by polling, which a busy machine may hold up past any value but the last that
// stays: a value may be missing, never out of order or foreign.
template <class T>
bool inOrder(const QList<T> &seen, const QList<T> &order)
{
    int at = 0;
    for (const T &value : seen) {
        while (at < order.size() && order[at] != value)
            ++at;
        if (at == order.size())
            return false;
    }
    return !seen.isEmpty() && seen.last() == order.last();
}

// Emits the record from a thread of its own, as the discovery thread does: a receiver in this
// thread gets it queued. Returns once the signal is posted, not yet delivered.
inline void post(CFindHostUDP &udp, const NASINFO &record)
{
    std::thread emitter([&udp, record]() { emit udp.signalRecvPkt(record); });
    emitter.join();
}

// Delivers what post() queued.
inline void deliver()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

// While it lives, the waits a job begins run at the given divisor; the divisor it found comes
// back afterwards. Made once a job is in the wait it is to be stopped in, a smaller divisor
// lengthens the rest of that wait beyond the job's stop wait.
class WaitDivisor
{
public:
    explicit WaitDivisor(int divisor) : m_before(CWaitScale::divisor()) { CWaitScale::setDivisor(divisor); }
    ~WaitDivisor() { CWaitScale::setDivisor(m_before); }
    WaitDivisor(const WaitDivisor &) = delete;
    WaitDivisor &operator=(const WaitDivisor &) = delete;

private:
    const int m_before;
};

// Rejects the wizard a first search opens on its own, for cases that only want the main window:
// a first search whose answers come after its third tick (a busy machine) connects on its own to
// the one server it has found so far, and that wizard (the installation wizard, or the network
// setting wizard for a server it cannot reach) is rejected before it asks anything of a server.
// Any other modal dialog while it runs is one the case did not expect (an error box, say): it is
// rejected as well, so that nothing waits for an answer, and kept with its text for the case to
// assert: `QVERIFY2(cancel.clean(), cancel.report())`.
class AutoConnectCanceller
{
public:
    AutoConnectCanceller()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(20);
    }

    // Stops looking: from here on, the case's own dialogs are its own.
    void stop() { m_timer.stop(); }
    // How many auto-connect wizards were rejected.
    int wizardsRejected() const { return m_wizards; }
    // Whether no other modal dialog came up.
    bool clean() const { return m_unexpected.isEmpty(); }
    // The other dialogs, one line each: class, title and text.
    const char *report() const { return m_unexpected.constData(); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == m_last)
            return;
        m_last = modal;
        if (qobject_cast<CVorkWizardInstall *>(modal) || qobject_cast<CVorkWizardNetSetting *>(modal)) {
            ++m_wizards;
            static_cast<QDialog *>(modal)->reject();
            return;
        }
        QStringList texts;
        if (QMessageBox *box = qobject_cast<QMessageBox *>(modal)) {
            texts << box->text() << box->informativeText();
        } else {
            for (const QLabel *label : modal->findChildren<QLabel *>())
                if (label->isVisible())
                    texts << label->text();
        }
        for (QString &text : texts)
            text = QTextDocumentFragment::fromHtml(text).toPlainText().simplified();
        texts.removeAll(QString());
        const QByteArray line = QStringLiteral("%1 \"%2\": %3")
                                    .arg(QLatin1String(modal->metaObject()->className()),
                                         modal->windowTitle(), texts.join(QStringLiteral(" | ")))
                                    .toUtf8();
        qWarning("unexpected modal dialog during the first search: %s", line.constData());
        m_unexpected += (m_unexpected.isEmpty() ? QByteArray() : QByteArray("\n")) + line;
        if (QDialog *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }

    QTimer m_timer;
    // The last dialog seen, so that one that stays up after the rejection is counted once.
    QPointer<QWidget> m_last;
    int m_wizards = 0;
    QByteArray m_unexpected;
};

// Keeps every record handed to take(); connected to the discovery thread's signalRecvPkt, the
// records arrive queued on this thread.
class Collector : public QObject
{
public:
    QList<NASINFO> records;

    void take(NASINFO nasInfo) { records << nasInfo; }

    // How many records of the type came from the MAC.
    int count(const char *mac, uint32_t type) const
    {
        int n = 0;
        for (const NASINFO &r : records)
            n += (qstrcmp(r.szMac, mac) == 0 && r.ulPacketType == type) ? 1 : 0;
        return n;
    }
    // Whether a record of the type from the MAC showed the state.
    bool has(uint32_t type, const char *mac, uint32_t state) const
    {
        for (const NASINFO &r : records)
            if (r.ulPacketType == type && qstrcmp(r.szMac, mac) == 0 && r.ulConfigured == state)
                return true;
        return false;
    }
};

// Starts a discovery thread on the discovery port that hands on packets of every type (to the
// collector too, when one is given). Wait for its socket before sending.
inline CFindHostUDP *startDiscovery(Collector *collector = nullptr)
{
    CFindHostUDP::addRecvPktType(FHOST_PKT_ALL);
    auto *udp = new CFindHostUDP(nullptr, -1, 9999, QString());
    if (collector)
        QObject::connect(udp, &CFindHostUDP::signalRecvPkt, collector, &Collector::take);
    udp->start();
    return udp;
}

// Ends and deletes a discovery thread that startDiscovery() made.
inline void stopDiscovery(CFindHostUDP *&udp)
{
    if (udp) {
        udp->terminate();
        delete udp;
        udp = nullptr;
    }
}

// Every message written while an instance exists, from any thread, with its type. One instance
// at a time. A fatal message is handed on to the handler that was installed before, so that it
// still shows before the program ends.
class LogCapture
{
public:
    LogCapture()
    {
        s_instance = this;
        m_previous = qInstallMessageHandler(&LogCapture::handler);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        s_instance = nullptr;
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }
    // The lines that contain the text.
    QStringList matching(const QString &part) const
    {
        QStringList out;
        for (const QString &line : lines())
            if (line.contains(part))
                out << line;
        return out;
    }
    int countContaining(const QString &part) const { return matching(part).size(); }
    int countExact(const QString &line) const { return lines().count(line); }
    // The warnings and worse, in their order.
    QStringList warnings() const
    {
        QMutexLocker lock(&m_mutex);
        QStringList out;
        for (int i = 0; i < m_lines.size(); ++i)
            if (m_types[i] != QtDebugMsg && m_types[i] != QtInfoMsg)
                out << m_lines[i];
        return out;
    }
    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_lines.clear();
        m_types.clear();
    }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        LogCapture *self = s_instance;
        if (self) {
            QMutexLocker lock(&self->m_mutex);
            self->m_lines << text;
            self->m_types << type;
        }
        if (type == QtFatalMsg && self && self->m_previous)
            self->m_previous(type, context, text);
    }

    static inline LogCapture *s_instance = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_lines;
    QList<QtMsgType> m_types;
};

// The simulated server's capture lines of one service (and of one unit, and one event, when
// given; a null unit takes the lines of every unit).
inline QList<QJsonObject> linesOf(const char *svc, const QString &unit = QString(),
                                  const char *event = nullptr)
{
    QList<QJsonObject> out;
    for (const QJsonObject &line : bed::captureLines()) {
        if (line.value(QStringLiteral("svc")).toString() != QLatin1String(svc))
            continue;
        if (!unit.isNull() && line.value(QStringLiteral("unit")).toString() != unit)
            continue;
        if (event && line.value(QStringLiteral("event")).toString() != QLatin1String(event))
            continue;
        out << line;
    }
    return out;
}

// The simulated install service's log of the commands the unit took (the text after "ok ", or
// the whole reply when it is not "ok").
inline QString installLog(bed::SimControl &sim, const QString &mac)
{
    const QString reply = sim.command(QStringLiteral("install log %1").arg(mac));
    return reply.startsWith(QLatin1String("ok ")) ? reply.mid(3) : reply;
}

// The status cell of the server's row in the finder's table, trimmed; empty without a row.
inline QString statusCell(CVorkFinderWindow *finder, const QString &key)
{
    CVorkNasinfoModel *model = finder->getNasinfoModel();
    const int row = model->rowOfKey(key);
    if (row < 0)
        return QString();
    return model->data(model->index(row, CVorkNasinfoModel::COL_STATUS)).toString().trimmed();
}

// Replaces the edit's text with key strokes, as a user would.
inline void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// The texts of `root` and its visible children that do not fit or cannot be drawn, one line each
// (class, object name, text, fault): a label smaller than its minimum size hint (a word-wrapped
// one lower than its text needs at its width), a button or group-box title wider than the room
// the style leaves it, a toolbar action pushed into the bar's extension menu, and characters that
// no installed font has a glyph for (they would show as boxes).
inline QStringList textFitProblems(QWidget *root)
{
    QStringList problems;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisible())
            continue;
        QString text;
        bool cut = false;
        const QFontMetrics metrics(w->font());
        if (QToolBar *bar = qobject_cast<QToolBar *>(w)) {
            for (QAction *action : bar->actions()) {
                QWidget *button = action->isVisible() && !action->isSeparator() ? bar->widgetForAction(action) : nullptr;
                if (button && !button->isVisible())
                    problems << QStringLiteral("%1 \"%2\": in the extension menu").arg(bar->objectName(), action->text());
            }
            continue;
        } else if (QLabel *label = qobject_cast<QLabel *>(w)) {
            text = label->textFormat() == Qt::PlainText ? label->text()
                                                        : QTextDocumentFragment::fromHtml(label->text()).toPlainText();
            cut = label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                    : label->width() < label->minimumSizeHint().width() ||
                                          label->height() < label->minimumSizeHint().height();
        } else if (QAbstractButton *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
            // The room the style leaves for the text (push, check and radio buttons); a tool
            // button needs its whole size hint.
            QString shown = text;
            shown.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
            shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = shown;
            option.icon = button->icon();
            option.iconSize = button->iconSize();
            QStyle::SubElement element = QStyle::SE_PushButtonContents;
            if (qobject_cast<QCheckBox *>(button))
                element = QStyle::SE_CheckBoxContents;
            else if (qobject_cast<QRadioButton *>(button))
                element = QStyle::SE_RadioButtonContents;
            if (qobject_cast<QToolButton *>(button)) {
                cut = button->width() < button->sizeHint().width() || button->height() < button->sizeHint().height();
            } else {
                const QRect room = button->style()->subElementRect(element, &option, button);
                const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
                cut = metrics.horizontalAdvance(shown) + iconWidth > room.width() ||
                      metrics.height() > room.height();
            }
        } else if (QGroupBox *box = qobject_cast<QGroupBox *>(w)) {
            text = box->title();
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = text;
            option.lineWidth = 1;
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            option.textAlignment = box->alignment();
            if (box->isCheckable())
                option.subControls |= QStyle::SC_GroupBoxCheckBox;
            const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            cut = label.right() >= box->width();
        }
        if (text.trimmed().isEmpty())
            continue;
        const QString where = QStringLiteral("%1 %2 \"%3\": ").arg(QLatin1String(w->metaObject()->className()),
                                                                   w->objectName(), text.simplified());
        if (cut)
            problems << where + QStringLiteral("cut off");
        QTextLayout layout(text.simplified(), w->font());
        layout.beginLayout();
        while (layout.createLine().isValid()) {
        }
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns())
            if (run.glyphIndexes().contains(0))
                problems << where + QStringLiteral("glyphs missing");
    }
    return problems;
}

// Runs the dialog modally while `script` runs inside its event loop; a dialog the script leaves
// open is closed with -1. Returns what exec() returned.
inline int runModal(QDialog &dialog, const std::function<void()> &script)
{
    QTimer::singleShot(0, &dialog, [&dialog, script]() {
        script();
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}

// Takes the addresses QDesktopServices::openUrl is asked to open for the scheme while it lives,
// instead of a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    explicit UrlCatcher(const QString &scheme = QStringLiteral("http")) : m_scheme(scheme)
    {
        QDesktopServices::setUrlHandler(m_scheme, this, "open");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(m_scheme); }

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }

private:
    QString m_scheme;
};

// An HTTP proxy on loopback that the environment names while it lives (http_proxy and HTTP_PROXY
// set to it, no_proxy and NO_PROXY cleared; all four restored at the end). It counts the
// connections made to it and closes each at once, so a client that uses it fails quickly.
class ProxyTrap
{
public:
    ProxyTrap()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++m_connections;
                socket->abort();
                socket->deleteLater();
            }
        });
        m_server.listen(QHostAddress::LocalHost);
        const QByteArray url = "http://127.0.0.1:" + QByteArray::number(m_server.serverPort());
        for (const char *name : {"http_proxy", "HTTP_PROXY", "no_proxy", "NO_PROXY"}) {
            m_saved.insert(name, qMakePair(qEnvironmentVariableIsSet(name), qgetenv(name)));
            QByteArray(name).toLower() == "http_proxy" ? qputenv(name, url) : qunsetenv(name);
        }
    }
    ~ProxyTrap()
    {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
            it->first ? qputenv(it.key(), it->second) : qunsetenv(it.key());
    }
    bool listening() const { return m_server.isListening(); }
    // Connections taken so far (the event loop must have run for late ones).
    int connections() const { return m_connections; }

private:
    QTcpServer m_server;
    QMap<const char *, QPair<bool, QByteArray>> m_saved; // whether each was set, and to what
    int m_connections = 0;
};

// Brings loopback up in the process's network namespace.
inline bool bringLoopbackUp()
{
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

// Puts the process into a network namespace of its own (as root, or in a user namespace of its
// own otherwise) holding only loopback, up, so that nothing it sends leaves the process. Call
// first in main, while the process has one thread. False, with the reason in *why, when that
// cannot be done (the test then reports itself skipped).
inline bool enterLoopbackNamespace(QString *why)
{
    if (unshare(CLONE_NEWNET) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0) {
        const int error = errno;
        *why = QStringLiteral("no network namespace of our own (%1)")
                   .arg(QString::fromLocal8Bit(strerror(error)));
        return false;
    }
    if (!bringLoopbackUp()) {
        const int error = errno;
        *why = QStringLiteral("loopback cannot be brought up (%1)")
                   .arg(QString::fromLocal8Bit(strerror(error)));
        return false;
    }
    return true;
}

// Gives loopback a further IPv4 address (as the alias "lo:1"): one that Qt does not take for
// loopback, so that a server listening on it is reached as any server on the network would be.
// Only inside a network namespace of the process's own (enterLoopbackNamespace).
inline bool addLoopbackAddress(const char *address)
{
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    struct ifreq req;
    std::memset(&req, 0, sizeof(req));
    std::strncpy(req.ifr_name, "lo:1", IFNAMSIZ - 1);
    struct sockaddr_in *in = reinterpret_cast<struct sockaddr_in *>(&req.ifr_addr);
    in->sin_family = AF_INET;
    const bool ok = fd >= 0 && inet_pton(AF_INET, address, &in->sin_addr) == 1 && ioctl(fd, SIOCSIFADDR, &req) == 0;
    if (fd >= 0)
        close(fd);
    return ok;
}

// The program's organisation and application names, under which it keeps its settings.
inline void setProgramNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
}

// Runs the test object's functions in a widget application inside the namespace bed, after
// `prepare` (when given); outside the bed's client namespace nothing runs and the exit code is
// 77 (skipped).
template <class TestObject>
int runInBed(int argc, char *argv[], const std::function<void()> &prepare = nullptr)
{
    QApplication app(argc, argv);
    if (prepare)
        prepare();
    QString why;
    if (!bed::active(&why)) {
        fprintf(stderr, "skipped: %s\n", qPrintable(why));
        return 77;
    }
    TestObject tc;
    return QTest::qExec(&tc, argc, argv);
}

// Runs the test object's functions in a network namespace of the process's own holding only
// loopback (see enterLoopbackNamespace), with an application object of the given class made
// after the namespace, and `prepare` (when given) after that. Without such a namespace nothing
// runs and the exit code is 77 (skipped).
template <class TestObject, class Application>
int runInLoopbackNamespace(int argc, char *argv[], const std::function<void()> &prepare = nullptr)
{
    QString why;
    if (!enterLoopbackNamespace(&why)) {
        fprintf(stderr, "skipped: %s\n", qPrintable(why));
        return 77;
    }
    Application app(argc, argv);
    if (prepare)
        prepare();
    TestObject tc;
    return QTest::qExec(&tc, argc, argv);
}

} // namespace tsup

// Entry point of the widget tests that run inside the namespace bed (see runInBed).
#define GUI_BED_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        return tsup::runInBed<TestObject>(argc, argv);                                            \
    }

// Entry point of the tests that run in a network namespace of their own holding only loopback
// (see runInLoopbackNamespace); Application is QApplication or QCoreApplication.
#define LOOPBACK_TEST_MAIN(TestObject, Application)                                               \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        return tsup::runInLoopbackNamespace<TestObject, Application>(argc, argv);                 \
    }

#endif // TESTSUPPORT_H
