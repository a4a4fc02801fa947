#ifndef MODALCATCHER_H
#define MODALCATCHER_H

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Watches for a message box that a modal exec() puts up, records what it shows and dismisses it
// with its first button. It polls every 20 ms and gives up after 250 polls (5 s), so a box that
// never comes does not hold the test.
class ModalCatcher : public QObject
{
    Q_OBJECT

public:
    explicit ModalCatcher(QObject *parent = nullptr) : QObject(parent)
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &ModalCatcher::poll);
    }

    void start()
    {
        seen = 0;
        m_polls = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }

    int seen = 0;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;

private slots:
    void poll()
    {
        if (++m_polls > 250) {
            m_timer.stop();
            return;
        }
        QMessageBox *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        ++seen;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons.clear();
        const QList<QAbstractButton *> list = box->buttons();
        for (QAbstractButton *b : list)
            buttons << b->text();
        if (!list.isEmpty())
            list.first()->click();
        else
            box->done(0);
    }

private:
    QTimer m_timer;
    int m_polls = 0;
};

#endif // MODALCATCHER_H
