#ifndef PHOTOPAGETEST_H
#define PHOTOPAGETEST_H

// Shared pieces of the photo-upload page tests: stored profiles and a driver that answers the
// page's modal password prompts and message boxes and reads its pop-up menus.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include "CPhotoUploadConfig.h"
#include "CVorkWindowPhotoUpload.h"
#include "platforms.h"

namespace PhotoPageTest {

const QString Group = QStringLiteral("PhotoUploader/RegisteredHosts/");

// A profile for host 127.0.0.1. A null `clearPassword` stores none; `owner` makes it a personal
// profile of that owner's site.
inline CPhotoUploadConfig makeProfile(const QString &name, int port, const QString &account,
                                      const QString &clearPassword, const QString &owner = QString())
{
    const bool save = !clearPassword.isNull();
    return CPhotoUploadConfig(port, save, name, QStringLiteral("127.0.0.1"),
                              save ? scrambleEncodeString(clearPassword) : QString(), account, !owner.isEmpty(), owner);
}

inline void storeProfile(const QString &name, int port, const QString &account, const QString &clearPassword,
                         const QString &owner = QString())
{
    makeProfile(name, port, account, clearPassword, owner).save(Group);
}

// The status text of the server page before any login.
inline QString initialStatus()
{
    return QStringLiteral("To start photo uploading, click Add on the upper left-hand corner, or select a "
                          "profile on the list and then enter admin's password.");
}

// Answers modal dialogs and pop-up menus as they appear: password prompts take the queued
// answers in order (none left: Cancel), message boxes get the button named by `boxAnswer`
// (none such: the box is closed by done(0)), menus are read and closed. Polls every 10 ms, at
// most 6000 times per start.
class ModalDriver : public QObject
{
    Q_OBJECT

public:
    struct Prompt {
        QString title;
        QString label;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        QString okText;
        QString cancelText;
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
            prompt.okText = dialog->okButtonText();
            prompt.cancelText = dialog->cancelButtonText();
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

} // namespace PhotoPageTest

// The program's organisation and application names scope the settings; the test's own
// XDG_CONFIG_HOME (set by CTest) keeps them private.
#define PHOTO_PAGE_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char **argv)                                                            \
    {                                                                                          \
        qputenv("LC_ALL", "C");                                                                \
        QApplication app(argc, argv);                                                          \
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));                     \
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));                 \
        TestClass tc;                                                                          \
        return QTest::qExec(&tc, argc, argv);                                                  \
    }

#endif // PHOTOPAGETEST_H
