// Helpers of the main-window and program tests: bounded waits that keep the event loop running,
// a catcher for the modal boxes the window puts up, and a test entry point with a GUI
// application object that runs only inside the namespace bed.
#ifndef MAINWINTEST_H
#define MAINWINTEST_H

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "netnsbed.h"

namespace mwt {

inline bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

inline void spin(int ms)
{
    waitFor([] { return false; }, ms);
}

// Watches for the next modal dialog (polling every 10 ms, for at most 10 s), records it and
// answers it: a message box with the button of the given text, any other dialog with reject().
// `tryEscapeFirst` presses Escape before answering, to see whether Escape answers it.
class ModalAnswer : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswer(const QString &button = QString(), bool tryEscapeFirst = false)
        : m_button(button), m_escapeFirst(tryEscapeFirst)
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
        m_timer.start(10);
    }

    int seen = 0;
    QString className;
    QString title;
    QString text;
    QStringList buttons;
    bool escapeAnswered = false;
    bool hadParent = false;
    // Runs while the modal widget is up, before it is answered.
    std::function<void()> onModal;

private slots:
    void poll()
    {
        if (++m_polls > 1000) {
            m_timer.stop();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        ++seen;
        m_timer.stop();
        className = QString::fromLatin1(modal->metaObject()->className());
        title = modal->windowTitle();
        hadParent = modal->parentWidget() != nullptr;
        if (onModal)
            onModal();
        QMessageBox *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            if (QDialog *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            return;
        }
        text = box->text();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        if (m_escapeFirst) {
            QPointer<QMessageBox> guard(box);
            QTest::keyClick(box, Qt::Key_Escape);
            if (!guard || QApplication::activeModalWidget() != box) {
                escapeAnswered = true;
                return;
            }
        }
        for (QAbstractButton *b : box->buttons()) {
            if (m_button.isEmpty() || b->text() == m_button) {
                b->click();
                return;
            }
        }
    }

private:
    QTimer m_timer;
    QString m_button;
    bool m_escapeFirst;
    int m_polls = 0;
};

} // namespace mwt

// A GUI application; the tests run only in the bed's client namespace (the window binds the
// discovery port and broadcasts), and report themselves skipped elsewhere.
#define MAINWIN_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[])                                                              \
    {                                                                                             \
        QApplication app(argc, argv);                                                             \
        QString why;                                                                              \
        if (!bed::active(&why)) {                                                                 \
            fprintf(stderr, "skipped: %s\n", qPrintable(why));                                   \
            return 77;                                                                            \
        }                                                                                         \
        TestObject tc;                                                                            \
        return QTest::qExec(&tc, argc, argv);                                                     \
    }

#endif // MAINWINTEST_H
