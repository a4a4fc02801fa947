#ifndef RSRCWIZTEST_H
#define RSRCWIZTEST_H

// Shared pieces of the resource-monitor wizard tests: the entry point, hand-made server records,
// stored profiles, a debug-line capture and short-cuts for driving the wizard like a user.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstring>
#include <functional>

#include "BoxAnswerer.h"
#include "CRsrcConfig.h"
#include "CVorkFinderWindow.h"
#include "CVorkNasinfoModel.h"
#include "CVorkWizardRsrcMon.h"
#include "CWizRsrcAutoIPDialog.h"
#include "CWizRsrcIPDialog.h"
#include "CWizRsrcPWDialog.h"
#include "CWizRsrcSummary.h"
#include "fhost.h"
#include "HangGuard.h"

// Entry point: C locale, settings in a fresh directory, the program's organisation and
// application names, no HTTP proxy from the environment (the finder tests web ports on
// loopback), and search ticks so long that only the test advances a search.
#define RSRC_WIZARD_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char **argv)                                                            \
    {                                                                                          \
        qputenv("LC_ALL", "C");                                                                \
        qputenv("LANG", "C");                                                                  \
        for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY",    \
                                 "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})            \
            qunsetenv(name);                                                                   \
        QTemporaryDir configDir;                                                               \
        if (!configDir.isValid())                                                              \
            return 2;                                                                          \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));                      \
        QApplication app(argc, argv);                                                          \
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));                     \
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));                 \
        CVorkFinderWindow::setTickIntervalMs(24 * 3600 * 1000);                                \
        TestClass tc;                                                                          \
        return QTest::qExec(&tc, argc, argv);                                                  \
    }

namespace rsrcwiztest {

// a.b.c.d in network byte order, as NASINFO keeps addresses.
inline uint32_t netAddr(uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    const uint8_t bytes[4] = {a, b, c, d};
    uint32_t v;
    std::memcpy(&v, bytes, 4);
    return v;
}

// A zeroed search answer: MAC key, name, address (network order), state, build, HTTP port.
// Build 1100 lies in the range that offers the resource monitor without the service bits.
inline NASINFO answer(const char *mac, const char *name, uint32_t ipNet,
                      uint32_t state = FHOSTQC_DONE, uint32_t build = 1100,
                      uint32_t httpPort = 5000)
{
    NASINFO n;
    std::memset(&n, 0, sizeof n);
    std::strncpy(n.szMac, mac, sizeof n.szMac - 1);
    std::strncpy(n.szServerName, name, sizeof n.szServerName - 1);
    n.ulIP = ipNet;
    n.ulConfigured = state;
    n.ulBuild = build;
    n.ulHttpPort = httpPort;
    n.ulHttpsPort = 5001;
    n.ulPacketType = FHOST_PKT_BRESPONSE;
    return n;
}

inline NASINFO *makeNas(const char *mac, const char *name, uint32_t ipNet,
                        uint32_t state = FHOSTQC_DONE, uint32_t build = 1100,
                        uint32_t httpPort = 5000)
{
    return new NASINFO(answer(mac, name, ipNet, state, build, httpPort));
}

// The same with the resource-monitor bit of the service bitmap set.
inline NASINFO *makeNasWithMonitorBit(const char *mac, const char *name, uint32_t ipNet,
                                      uint32_t build)
{
    NASINFO *n = makeNas(mac, name, ipNet, FHOSTQC_DONE, build);
    FHOSTServiceSet(nullptr, n, FHOST_SERVICE_RSRCMON);
    return n;
}

inline void clearStoredProfiles()
{
    QSettings settings;
    settings.remove(QStringLiteral("ResourceMonitor"));
    settings.sync();
}

inline CRsrcConfig storeProfile(const QString &name, const QString &host, int port,
                                const QString &account = QStringLiteral("admin"),
                                const QString &scrambled = QString(), bool saveCred = false)
{
    CRsrcConfig config(port, saveCred, name, host, account, scrambled);
    config.save(CRsrcConfig::strRsrcRootGroup);
    return config;
}

inline QAbstractButton *nextButton(QWizard &w) { return w.button(QWizard::NextButton); }
inline QAbstractButton *backButton(QWizard &w) { return w.button(QWizard::BackButton); }
inline QAbstractButton *finishButton(QWizard &w) { return w.button(QWizard::FinishButton); }

// Replaces a line edit's text as the user would: select all, then type (an empty text deletes).
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// Runs the event loop until the condition holds or the hang guard (tsup::guardMs(timeoutMs)) is up.
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    const int guard = tsup::guardMs(timeoutMs);
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > guard)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// The texts of a column of a table, top to bottom, without the finder's leading blank.
inline QStringList columnTexts(QTableView *view, int column = 0)
{
    QStringList out;
    QAbstractItemModel *m = view->model();
    for (int r = 0; m && r < m->rowCount(); ++r)
        out << m->index(r, column).data().toString().trimmed();
    return out;
}

// Selects the row whose column 0 shows `name`; false when there is none.
inline bool selectRow(QTableView *view, const QString &name)
{
    const int row = columnTexts(view).indexOf(name);
    if (row < 0)
        return false;
    view->selectRow(row);
    return true;
}

// Every message line written while it lives.
class MessageCapture
{
public:
    MessageCapture() : m_previous(qInstallMessageHandler(keep)) { lines().clear(); }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }
    static QStringList &lines()
    {
        static QStringList s;
        return s;
    }

private:
    static void keep(QtMsgType, const QMessageLogContext &, const QString &text) { lines() << text; }
    QtMessageHandler m_previous;
};

} // namespace rsrcwiztest

#endif // RSRCWIZTEST_H
