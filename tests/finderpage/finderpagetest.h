// Shared pieces of the finder-page tests: the test entry point, search answers, a watcher for
// the modal boxes the page puts up and helpers to find rows and drive a search tick by tick.
// Waits and the debug-line capture come from TestSupport.h.
#ifndef FINDERPAGETEST_H
#define FINDERPAGETEST_H

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "CVorkFinderWindow.h"
#include "CVorkNasinfoModel.h"
#include "TestSupport.h"
#include "fhost.h"

// Entry point: C locale, settings in a fresh directory, the program's organisation and
// application names, no HTTP proxy from the environment (the web-port tests talk to loopback),
// and ticks long enough that only the test advances a search.
#define FINDER_TEST_MAIN(TestClass)                                                            \
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
        tsup::setProgramNames();                                                               \
        CVorkFinderWindow::setTickIntervalMs(24 * 3600 * 1000);                                \
        TestClass tc;                                                                          \
        return QTest::qExec(&tc, argc, argv);                                                  \
    }

namespace fpt {

template <std::size_t N>
inline void setText(char (&slot)[N], const char *text)
{
    std::memset(slot, 0, N);
    std::memcpy(slot, text, std::min(std::strlen(text), N - 1));
}

// a.b.c.d in network byte order, as NASINFO keeps addresses.
inline uint32_t netAddr(uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    uint32_t v;
    const uint8_t bytes[4] = {a, b, c, d};
    std::memcpy(&v, bytes, 4);
    return v;
}

// A search answer as the discovery thread delivers it.
inline NASINFO answer(const char *mac, const char *name, uint32_t state,
                      uint32_t type = FHOST_PKT_BRESPONSE, uint32_t ipNet = 0)
{
    NASINFO n;
    std::memset(&n, 0, sizeof(n));
    setText(n.szMac, mac);
    setText(n.szServerName, name);
    n.ulConfigured = state;
    n.ulPacketType = type;
    n.ulIP = ipNet;
    n.ulBuild = 1869;
    return n;
}

// A heap record for putting into the map directly (rows the program adds itself).
inline NASINFO *record(const char *mac, const char *name, uint32_t state)
{
    return new NASINFO(answer(mac, name, state));
}

// The connection-test mark: first signed 32-bit word of the leading reserved bytes.
inline int32_t testMark(const NASINFO *n)
{
    int32_t v;
    std::memcpy(&v, n->byReserved0, 4);
    return v;
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Watches for the modal message boxes the page runs, records each and answers it with the
// button whose text is `answer` (the first button when empty). Polls every 10 ms, at most 1000
// times per start(), so a box that never comes does not hold the test.
class BoxWatcher : public QObject
{
    Q_OBJECT
public:
    BoxWatcher()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &BoxWatcher::poll);
    }
    void start(const QString &answer = QString())
    {
        m_answer = answer;
        boxes.clear();
        m_polls = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    QList<SeenBox> boxes;
    // Called while a box is up, before it is answered.
    std::function<void()> onBox;

private slots:
    void poll()
    {
        if (++m_polls > 1000) {
            m_timer.stop();
            return;
        }
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        SeenBox seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        QAbstractButton *choice = nullptr;
        const QList<QAbstractButton *> list = box->buttons();
        for (QAbstractButton *b : list) {
            seen.buttons << b->text();
            if (!choice && (m_answer.isEmpty() || b->text() == m_answer))
                choice = b;
        }
        boxes << seen;
        if (onBox)
            onBox();
        if (choice)
            choice->click();
        else
            box->reject();
    }

private:
    QTimer m_timer;
    QString m_answer;
    int m_polls = 0;
};

// The row of a key in whatever model the page's view shows, or -1.
inline int viewRowOf(CVorkFinderWindow &page, const QString &key)
{
    const QAbstractItemModel *model = page.m_ptableviewFinder->model();
    for (int r = 0; r < model->rowCount(); ++r)
        if (CVorkNasinfoModel::keyOf(model->index(r, 0)) == key)
            return r;
    return -1;
}

// The display text of a key's cell, leading blank removed.
inline QString cellText(CVorkFinderWindow &page, const QString &key, int column)
{
    const int row = viewRowOf(page, key);
    if (row < 0)
        return QStringLiteral("<no row>");
    const QAbstractItemModel *model = page.m_ptableviewFinder->model();
    return model->index(row, column).data().toString().trimmed();
}

// Keys in the order the view shows them.
inline QStringList viewKeys(CVorkFinderWindow &page)
{
    QStringList keys;
    const QAbstractItemModel *model = page.m_ptableviewFinder->model();
    for (int r = 0; r < model->rowCount(); ++r)
        keys << CVorkNasinfoModel::keyOf(model->index(r, 0));
    return keys;
}

// Selects the key's row in the view (making it current); false when it has no row.
inline bool selectKey(CVorkFinderWindow &page, const QString &key)
{
    const int row = viewRowOf(page, key);
    if (row < 0)
        return false;
    page.m_ptableviewFinder->setCurrentIndex(page.m_ptableviewFinder->model()->index(row, 0));
    return true;
}

// Advances the running search to its end with direct ticks.
inline void finishSearch(CVorkFinderWindow &page)
{
    for (int i = 0; i < CVorkFinderWindow::PROGRESS_MAX && page.isSearching(); ++i)
        page.slotSetFinderProgress();
}

} // namespace fpt

#endif // FINDERPAGETEST_H
