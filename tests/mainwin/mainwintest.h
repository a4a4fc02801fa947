// Helpers of the main-window and program tests: a catcher for the modal boxes the window puts
// up. The bounded waits and the entry point (GUI_BED_TEST_MAIN) come from TestSupport.h.
#ifndef MAINWINTEST_H
#define MAINWINTEST_H

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "TestSupport.h"
#include "netnsbed.h"

namespace mwt {

// The waits of TestSupport.h, under the names this area's helpers use.
using tsup::spin;
using tsup::waitFor;

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

#endif // MAINWINTEST_H
