#ifndef BOXANSWERER_H
#define BOXANSWERER_H

// A test helper for pages and dialogs that refuse or ask with modal message boxes: it finds the
// box through QApplication::activeModalWidget(), records what it showed and answers it.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

// Answers every modal message box that comes up while it runs, and records what each showed.
// Each box takes the next planned answer (a button text); without a plan the first button is
// clicked. With `tryEscape` the answerer first presses Escape and asks the box to close, and
// records whether the box was still open afterwards. Polls every 10 ms while it lives (one
// test function).
//
// Plain QObject without a meta-object of its own, so that no test needs moc for this header.
class BoxAnswerer : public QObject
{
public:
    struct Seen {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QStringList buttons;
        QString defaultButton;
        QWidget *parent = nullptr;
        bool survivedEscape = false;
    };

    explicit BoxAnswerer(QObject *parent = nullptr) : QObject(parent)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    // Planned answers, one per box in order of appearance.
    void plan(const QStringList &answers, bool tryEscape = false)
    {
        m_answers = answers;
        m_tryEscape = tryEscape;
    }
    void reset()
    {
        seen.clear();
        m_answers.clear();
        m_tryEscape = false;
    }
    QStringList texts() const
    {
        QStringList list;
        for (const Seen &s : seen)
            list << s.text;
        return list;
    }

    QList<Seen> seen;
    // Called while a box is up, before it is answered (to look at the window behind it).
    std::function<void()> onBox;

private:
    void poll()
    {
        QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        Seen s;
        s.icon = box->icon();
        s.title = box->windowTitle();
        s.text = box->text();
        s.parent = box->parentWidget();
        const QList<QAbstractButton *> buttons = box->buttons();
        for (QAbstractButton *b : buttons)
            s.buttons << b->text();
        if (box->defaultButton())
            s.defaultButton = box->defaultButton()->text();
        if (m_tryEscape) {
            QTest::keyClick(box, Qt::Key_Escape);
            if (box->isVisible())
                box->close();
            s.survivedEscape = box->isVisible();
        }
        seen << s;
        if (onBox)
            onBox();
        if (!box->isVisible())
            return;
        const QString answer = m_answers.isEmpty() ? QString() : m_answers.takeFirst();
        for (QAbstractButton *b : buttons) {
            if (answer.isEmpty() || b->text() == answer) {
                b->click();
                return;
            }
        }
        box->done(0);
    }

    QTimer m_timer;
    QStringList m_answers;
    bool m_tryEscape = false;
};

#endif // BOXANSWERER_H
