#ifndef RSRCPAGETEST_H
#define RSRCPAGETEST_H

// Shared pieces of the resource-monitor page tests: stored profiles, the page's ticks, and a
// driver that answers the page's modal password prompts, warning boxes and context menus.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QPointer>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include "CRsrcConfig.h"
#include "CRsrcConnect.h"
#include "CVorkWindowRsrcMon.h"
#include "HangGuard.h"
#include "platforms.h"

namespace RsrcPageTest {

const int WAIT_MS = 10000;

// Stores a profile for host 127.0.0.1. A null `clearPassword` stores none.
inline void storeProfile(const QString &name, quint16 port, const QString &account,
                         const QString &clearPassword, bool connectAtStart)
{
    const bool save = !clearPassword.isNull();
    CRsrcConfig config(port, save, name, QStringLiteral("127.0.0.1"), account,
                       save ? scrambleEncodeString(clearPassword) : QString());
    config.setConnection(connectAtStart);
    config.save(CRsrcConfig::strRsrcRootGroup);
}

inline void tick(CVorkWindowRsrcMon &page)
{
    QVERIFY(QMetaObject::invokeMethod(&page, "slotRefrash", Qt::DirectConnection));
}

inline void pollClient(CRsrcConnect *client)
{
    QVERIFY(QMetaObject::invokeMethod(client, "slotRefresh", Qt::DirectConnection));
}

// The client the page made and connected for profile `name`, for a case that polls it by hand,
// once its first chart round is in and nothing is in flight (null if never). The page started the
// client's poll timer, whose ticks would send requests between the hand-driven rounds, answered
// as the script stood then: before the event loop runs, the timer (and a reconnect's) is put off
// by an hour.
inline CRsrcConnect *handPolledClient(CVorkWindowRsrcMon &page, const QString &name)
{
    CRsrcConnect *client = page.connection(name);
    if (!client || !client->isPolling())
        return nullptr;
    client->setPollInterval(3600 * 1000);
    const auto ready = [client] {
        bool all = client->getStatus() == CRsrcConnect::RSRC_STAT_CONNECTED;
        for (int k = CRsrcConnect::CGI_CPUCHART; all && k <= CRsrcConnect::CGI_VOLGET; ++k)
            all = client->getData(k).isObject();
        return all;
    };
    return QTest::qWaitFor(ready, tsup::guardMs(WAIT_MS)) ? client : nullptr;
}

// Answers modal dialogs and pop-up menus as they appear: password prompts take the queued
// answers in order (none left: Cancel), message boxes get the button named by `boxAnswer`,
// menus are read and closed. Polls every 10 ms, at most 6000 times per start.
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    struct Prompt {
        QString title;
        QString label;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        QString startText;
        QWidget *parent = nullptr;
    };
    struct Box {
        QString title;
        QString text;
        QStringList buttons;
        QString defaultButton;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QWidget *parent = nullptr;
    };

    explicit ModalDriver(QObject *parent = nullptr) : QObject(parent)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
    }

    void start()
    {
        prompts.clear();
        boxes.clear();
        menus.clear();
        answers.clear();
        m_polls = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }

    // A queued answer: a text to accept, or a null QString to cancel.
    QList<QString> answers;
    QString boxAnswer;
    QList<Prompt> prompts;
    QList<Box> boxes;
    QList<QStringList> menus;

private slots:
    void poll()
    {
        if (++m_polls > 6000) {
            m_timer.stop();
            return;
        }
        if (QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            QStringList texts;
            const QList<QAction *> actions = menu->actions();
            for (QAction *action : actions)
                texts << action->text();
            menus << texts;
            menu->close();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (QInputDialog *dialog = qobject_cast<QInputDialog *>(modal)) {
            Prompt prompt;
            prompt.title = dialog->windowTitle();
            prompt.label = dialog->labelText();
            prompt.echo = dialog->textEchoMode();
            prompt.startText = dialog->textValue();
            prompt.parent = dialog->parentWidget();
            prompts << prompt;
            const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
            if (answer.isNull()) {
                dialog->reject();
            } else {
                dialog->setTextValue(answer);
                dialog->accept();
            }
            return;
        }
        if (QMessageBox *box = qobject_cast<QMessageBox *>(modal)) {
            Box seen;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.parent = box->parentWidget();
            if (box->defaultButton())
                seen.defaultButton = box->defaultButton()->text();
            QAbstractButton *chosen = nullptr;
            const QList<QAbstractButton *> buttons = box->buttons();
            for (QAbstractButton *button : buttons) {
                seen.buttons << button->text();
                if (button->text() == boxAnswer)
                    chosen = button;
            }
            boxes << seen;
            if (chosen)
                chosen->click();
            else
                box->done(0);
        }
    }

private:
    QTimer m_timer;
    int m_polls = 0;
};

} // namespace RsrcPageTest

// The program's organisation and application names scope the settings; the test's own
// XDG_CONFIG_HOME (set by CTest) keeps them private.
#define RSRC_PAGE_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char **argv)                                                            \
    {                                                                                          \
        qputenv("LC_ALL", "C");                                                                \
        QApplication app(argc, argv);                                                          \
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));                     \
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));                 \
        TestClass tc;                                                                          \
        return QTest::qExec(&tc, argc, argv);                                                  \
    }

#endif // RSRCPAGETEST_H
