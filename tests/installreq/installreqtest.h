// Shared pieces of the installation-request tests: a driver that fills the install wizard the
// main window runs modally (typing into its pages, picking the installation file or directory
// in the Qt file dialog and pressing Next, Finish or Cancel), and the addresses the free-address
// search finds free or in use. Waits, capture lines and the finder's status text come from
// TestSupport.h.
//
// Message boxes are answered by BoxAnswerer and the free-address pings are watched by
// iwt::PingGuard; the driver leaves both kinds of modal dialog alone.
#ifndef INSTALLREQTEST_H
#define INSTALLREQTEST_H

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "CVorkWizardInstall.h"
#include "CWizIPDialog.h"
#include "CWizInstIntro.h"
#include "CWizPWDialog.h"
#include "TestSupport.h"
#include "netnsbed.h"

namespace irt {

// What the driver does with the next install wizard.
struct WizardPlan {
    explicit WizardPlan(const QString &patchPath = QString(), const QStringList &serverNames = {},
                        const QString &pw = QString(), bool useDhcp = true,
                        const QString &manualAddress = QString(), const QString &late = QString(),
                        int cancelPage = -1)
        : patch(patchPath), names(serverNames), password(pw), dhcp(useDhcp),
          address(manualAddress), lateName(late), cancelOn(cancelPage)
    {
    }
    // Network installation: the file (one server) or directory (a batch) picked through the
    // intro page's file dialog.
    QString patch;
    // Typed into the server-name edit, one after the other while the page refuses them.
    QStringList names;
    QString password;
    bool dhcp = true;
    // Typed over the proposed address when dhcp is false (mask, gateway and DNS as proposed).
    QString address;
    // Put into the wizard's "ServerName" field on the address page, where the server page's
    // name rule no longer looks at it (to hand the main window a template for one server).
    QString lateName;
    // The page on which Cancel is pressed instead of going on; -1: never.
    int cancelOn = -1;
};

// Drives every install wizard that becomes the active modal widget while it lives, page by page,
// with clicks and key strokes on the real widgets. Polls every 10 ms, at most kMaxPolls times;
// a page that stays put for 5 s after it was acted on ends the wizard (gaveUp).
class WizardDriver : public QObject
{
public:
    static const int kMaxPolls = 12000;

    explicit WizardDriver(const WizardPlan &plan = WizardPlan()) : m_plan(plan)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }
    void setPlan(const WizardPlan &plan) { m_plan = plan; }

    // What was seen: wizards, the pages acted on (in order), the first wizard's look.
    int wizards = 0;
    QList<int> pages;
    QString title;
    bool netInstall = false;
    int targets = 0;
    bool busyWhileOpen = false;
    int fileDialogs = 0;
    bool gaveUp = false;
    // Runs once per wizard when it first shows, before anything is done on it.
    std::function<void(CVorkWizardInstall *)> onWizard;

private:
    void poll()
    {
        if (++m_polls > kMaxPolls) {
            m_timer.stop();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (QFileDialog *dialog = qobject_cast<QFileDialog *>(modal)) {
            answerFileDialog(dialog);
            return;
        }
        CVorkWizardInstall *wizard = qobject_cast<CVorkWizardInstall *>(modal);
        // One page at a time: the clicks below run nested event loops (boxes, file dialogs,
        // pings) in which this poll comes again.
        if (!wizard || m_acting)
            return;
        if (wizard != m_wizard.data()) {
            m_wizard = wizard;
            m_lastPage = -1;
            ++wizards;
            if (wizards == 1) {
                title = wizard->windowTitle();
                netInstall = wizard->isNetInstall();
                targets = wizard->getNasinfoList().size();
            }
            if (onWizard)
                onWizard(wizard);
        }
        const int page = wizard->currentId();
        if (page == m_lastPage) {
            // Stuck on a page that refused what was done: give up after 5 s, so that the
            // request under test returns instead of holding the test.
            if (++m_stuck > 500) {
                m_stuck = 0;
                gaveUp = true;
                wizard->reject();
            }
            return;
        }
        m_stuck = 0;
        m_lastPage = page;
        pages << page;
        // Acted on from a timer of its own: Qt does not fire this poll's timer again while its
        // handler runs, and the nested loops of the clicks need the poll.
        m_acting = true;
        QPointer<CVorkWizardInstall> target(wizard);
        QTimer::singleShot(0, this, [this, target, page] {
            if (target)
                act(target, page);
            m_acting = false;
        });
    }

    void act(CVorkWizardInstall *wizard, int page)
    {
        if (page == m_plan.cancelOn) {
            QTest::mouseClick(wizard->button(QWizard::CancelButton), Qt::LeftButton);
            return;
        }
        QPointer<CVorkWizardInstall> alive(wizard);
        switch (page) {
        case CVorkWizardInstall::PAGE_INTRO:
            if (wizard->isNetInstall() && !m_plan.patch.isEmpty()) {
                m_fileAnswer = m_plan.patch;
                QTest::mouseClick(wizard->introPage()->m_pbtnOpen, Qt::LeftButton);
            }
            if (alive)
                QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            break;
        case CVorkWizardInstall::PAGE_PASSWORD: {
            CWizPWDialog *pw = wizard->passwordPage();
            tsup::retype(pw->m_pedtPassword, m_plan.password);
            tsup::retype(pw->m_pedtConfirm, m_plan.password);
            for (const QString &name : m_plan.names) {
                tsup::retype(pw->m_pedtServer, name);
                QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
                if (!alive || wizard->currentId() != CVorkWizardInstall::PAGE_PASSWORD)
                    break;
            }
            break;
        }
        case CVorkWizardInstall::PAGE_IP: {
            CWizIPDialog *ip = wizard->addressPage();
            if (!m_plan.lateName.isEmpty())
                wizard->setField(QStringLiteral("ServerName"), m_plan.lateName);
            if (m_plan.dhcp) {
                QTest::mouseClick(ip->m_prdoDHCP, Qt::LeftButton);
            } else {
                QTest::mouseClick(ip->m_prdoManual, Qt::LeftButton);
                tsup::retype(ip->m_pedtIP, m_plan.address);
            }
            QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
            break;
        }
        default:
            break;
        }
    }

    // Types the planned path and accepts; the dialog lists its directory in the background and
    // may refuse an accept meanwhile, so a refused one is tried again on the next poll (at most
    // 100 times). An empty plan cancels the dialog.
    void answerFileDialog(QFileDialog *dialog)
    {
        if (dialog != m_fileDialog.data()) {
            m_fileDialog = dialog;
            m_fileAttempts = 0;
            ++fileDialogs;
        }
        if (m_fileAnswer.isEmpty() || ++m_fileAttempts > 100) {
            dialog->reject();
            return;
        }
        const bool directory = dialog->fileMode() != QFileDialog::AnyFile &&
                               dialog->fileMode() != QFileDialog::ExistingFile &&
                               dialog->fileMode() != QFileDialog::ExistingFiles;
        if (directory)
            dialog->setDirectory(m_fileAnswer);
        if (QLineEdit *typed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            typed->setText(directory ? QString() : m_fileAnswer);
        static_cast<QDialog *>(dialog)->accept(); // the override is protected
    }

    WizardPlan m_plan;
    QTimer m_timer;
    int m_polls = 0;
    bool m_acting = false;
    QPointer<CVorkWizardInstall> m_wizard;
    int m_lastPage = -1;
    int m_stuck = 0;
    QPointer<QFileDialog> m_fileDialog;
    int m_fileAttempts = 0;
    QString m_fileAnswer;
};

// The dead-neighbour entry of the pinger tests: a permanent neighbour on vc0 with a MAC nobody
// has, so a ping to the address leaves and is never answered (the address counts as free).
inline bool deadNeighbour(const QString &address, bool on)
{
    QStringList args{QStringLiteral("neigh"), on ? QStringLiteral("replace") : QStringLiteral("del"),
                     address};
    if (on)
        args << QStringLiteral("lladdr") << QStringLiteral("02:00:00:00:00:99");
    args << QStringLiteral("dev") << QStringLiteral("vc0");
    if (on)
        args << QStringLiteral("nud") << QStringLiteral("permanent");
    return bed::ip(args) == 0;
}

// An address the server namespace holds: it answers a ping at once (the address is in use).
inline bool serverHolds(const QString &address, bool on)
{
    return bed::ipServer({QStringLiteral("addr"), on ? QStringLiteral("add") : QStringLiteral("del"),
                          address + QStringLiteral("/24"), QStringLiteral("dev"),
                          QStringLiteral("vs0")}) == 0;
}

} // namespace irt

#endif // INSTALLREQTEST_H
