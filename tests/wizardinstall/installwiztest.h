#ifndef INSTALLWIZTEST_H
#define INSTALLWIZTEST_H

// Shared pieces of the install-wizard tests: a driver that answers the modal message boxes and
// file dialogs the pages open, a guard that keeps the free-address pinger away from any address
// outside the test networks, hand-made server records and a few waits.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>

#include "CVorkDialogNetPinger.h"
#include "fhost.h"
#include "HangGuard.h"

namespace iwt {

// Answers every modal message box and file dialog that comes up while it lives, and records
// what each showed. Message boxes take the next planned button text (the first button without
// a plan). File dialogs take the next planned path (an empty path cancels them). Polls every
// 10 ms.
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    struct Box {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QStringList buttons;
        QString defaultButton;
    };
    struct FileDialog {
        QString title;
        QString directory;
        QStringList nameFilters;
        bool directories = false; // a directory dialog
        bool dirsOnly = false;
    };

    explicit ModalDriver(QObject *parent = nullptr) : QObject(parent)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
        m_timer.start();
    }

    void planBoxes(const QStringList &answers) { m_boxAnswers = answers; }
    void planFiles(const QStringList &paths) { m_filePaths = paths; }
    void reset()
    {
        boxes.clear();
        files.clear();
        m_boxAnswers.clear();
        m_filePaths.clear();
    }
    QStringList texts() const
    {
        QStringList list;
        for (const Box &b : boxes)
            list << b.text;
        return list;
    }

    QList<Box> boxes;
    QList<FileDialog> files;

private:
    static bool isDirectoryDialog(const QFileDialog *dialog)
    {
        const QFileDialog::FileMode mode = dialog->fileMode();
        return mode != QFileDialog::AnyFile && mode != QFileDialog::ExistingFile &&
               mode != QFileDialog::ExistingFiles;
    }

private slots:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (QMessageBox *box = qobject_cast<QMessageBox *>(modal)) {
            Box b;
            b.icon = box->icon();
            b.title = box->windowTitle();
            b.text = box->text();
            const QList<QAbstractButton *> buttons = box->buttons();
            for (QAbstractButton *button : buttons)
                b.buttons << button->text();
            if (box->defaultButton())
                b.defaultButton = box->defaultButton()->text();
            boxes << b;
            const QString answer = m_boxAnswers.isEmpty() ? QString() : m_boxAnswers.takeFirst();
            for (QAbstractButton *button : buttons) {
                if (answer.isEmpty() || button->text() == answer) {
                    button->click();
                    return;
                }
            }
            box->done(0);
            return;
        }
        if (QFileDialog *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (dialog != m_dialog) {
                // A new dialog: record it and take its planned answer.
                m_dialog = dialog;
                m_attempts = 0;
                FileDialog f;
                f.title = dialog->windowTitle();
                f.directory = dialog->directory().absolutePath();
                f.nameFilters = dialog->nameFilters();
                f.directories = isDirectoryDialog(dialog);
                f.dirsOnly = dialog->testOption(QFileDialog::ShowDirsOnly);
                files << f;
                m_answer = m_filePaths.isEmpty() ? QString() : m_filePaths.takeFirst();
            }
            if (m_answer.isEmpty()) {
                dialog->reject();
                return;
            }
            // The dialog lists its directory in the background and may change its own
            // selection meanwhile; a refused accept is tried again on the next poll (at most
            // 100 times), and only the typed path counts.
            if (++m_attempts > 100) {
                dialog->reject();
                return;
            }
            for (QAbstractItemView *view : dialog->findChildren<QAbstractItemView *>())
                if (view->selectionModel())
                    view->selectionModel()->clearSelection();
            if (isDirectoryDialog(dialog))
                dialog->setDirectory(m_answer);
            if (QLineEdit *typed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                typed->setText(isDirectoryDialog(dialog) ? QString() : m_answer);
            static_cast<QDialog *>(dialog)->accept(); // the override is protected
        }
    }

private:
    QTimer m_timer;
    QPointer<QFileDialog> m_dialog;
    int m_attempts = 0;
    QString m_answer;
    QStringList m_boxAnswers;
    QStringList m_filePaths;
};

// The earliest the window of CVorkDialogNetPinger::PING_TIMEOUT_MS can close: its timer is a
// coarse one, which may fire up to 5 % early. A free address is reported no sooner; an address in
// use is reported when its ping ends, long before.
constexpr qint64 PING_WINDOW_EARLIEST_MS = CVorkDialogNetPinger::PING_TIMEOUT_MS * 95 / 100;

// True for addresses a test may ping: loopback and the namespaces' 198.18.0.0/15.
inline bool pingAllowed(uint32_t hostOrder)
{
    return (hostOrder >> 24) == 127 || (hostOrder & 0xFFFE0000u) == 0xC6120000u;
}

// Watches every pinger dialog that is about to show. One whose address lies outside the test
// networks is stopped before its first ping (its show event is swallowed and it is rejected),
// and counted. Every pinger that shows is recorded with its mode and start address.
class PingGuard : public QObject
{
public:
    struct Seen {
        int mode;
        uint32_t start;
    };

    PingGuard() { qApp->installEventFilter(this); }
    ~PingGuard() override { qApp->removeEventFilter(this); }

    int refused = 0;
    QList<Seen> seen;
    // Set: every pinger is closed before its first ping, as a user closing it would.
    bool closeAll = false;
    // A search from this address (host byte order) is closed the same way; 0: none.
    uint32_t closeSearchFrom = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        CVorkDialogNetPinger *pinger = dynamic_cast<CVorkDialogNetPinger *>(watched);
        if (!pinger)
            return false;
        const uint32_t start = pinger->getCurrent();
        seen << Seen{pinger->getMode(), start};
        // A search walks to the end of the start's subnet; the guard checks its last address.
        const uint32_t last = pinger->getMode() == CVorkDialogNetPinger::MODE_SEARCH
                                  ? (start | ~pinger->getMask())
                                  : start;
        const bool allowed = pingAllowed(start) && pingAllowed(last);
        const bool closeThis = pinger->getMode() == CVorkDialogNetPinger::MODE_SEARCH && start == closeSearchFrom;
        if (allowed && !closeAll && !closeThis)
            return false;
        if (!allowed)
            ++refused;
        QPointer<CVorkDialogNetPinger> p(pinger);
        QTimer::singleShot(0, [p] {
            if (p)
                p->reject();
        });
        return true;
    }
};

// A plain server record.
inline NASINFO makeRecord(const char *mac, const char *name, const char *modelId,
                          uint32_t build, uint32_t state, const char *sn = "")
{
    NASINFO n;
    memset(&n, 0, sizeof(n));
    qstrncpy(n.szMac, mac, sizeof(n.szMac));
    qstrncpy(n.szServerName, name, sizeof(n.szServerName));
    qstrncpy(n.szModelId, modelId, sizeof(n.szModelId));
    qstrncpy(n.szSN, sn, sizeof(n.szSN));
    n.ulBuild = build;
    n.ulConfigured = state;
    n.ulPacketType = 2;
    return n;
}

// a.b.c.d in network byte order, as the records keep addresses.
inline uint32_t netAddr(uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    const uint8_t bytes[4] = {a, b, c, d};
    uint32_t out;
    memcpy(&out, bytes, 4);
    return out;
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
        QTest::qWait(5);
    }
    return true;
}

inline void setProgramNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
}

} // namespace iwt

// Entry point of the tests that run inside the namespace bed (include netnsbed.h first): a
// widget application, and exit code 77 (skipped) outside the bed's client namespace.
#define IWT_BED_MAIN(TestObject)                                                                  \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QApplication app(argc, argv);                                                             \
        QString why;                                                                              \
        if (!bed::active(&why)) {                                                                 \
            fprintf(stderr, "skipped: %s\n", qPrintable(why));                                   \
            return 77;                                                                            \
        }                                                                                         \
        TestObject tc;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        return QTest::qExec(&tc, argc, argv);                                                     \
    }

#endif // INSTALLWIZTEST_H
