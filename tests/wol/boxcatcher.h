// Records and dismisses the message boxes a dialog puts up modally while the test drives it.
#ifndef BOXCATCHER_H
#define BOXCATCHER_H

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QObject *parent = nullptr;
};

// Polls every 10 ms for a modal message box, records it and clicks its first button. Runs for at
// most 500 polls after each start(), so a box that never comes does not hold the test.
class BoxCatcher : public QObject
{
    Q_OBJECT
public:
    BoxCatcher()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &BoxCatcher::poll);
    }
    void start()
    {
        boxes.clear();
        m_polls = 0;
        m_timer.start();
    }
    QList<SeenBox> boxes;
    // Runs while a box is up, before it is dismissed.
    std::function<void()> onBox;

private slots:
    void poll()
    {
        if (++m_polls > 500) {
            m_timer.stop();
            return;
        }
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        SeenBox seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.parent = box->parent();
        const QList<QAbstractButton *> list = box->buttons();
        for (QAbstractButton *b : list)
            seen.buttons << b->text();
        boxes << seen;
        if (onBox)
            onBox();
        if (!list.isEmpty())
            list.first()->click();
        else
            box->done(0);
    }

private:
    QTimer m_timer;
    int m_polls = 0;
};

#endif // BOXCATCHER_H
