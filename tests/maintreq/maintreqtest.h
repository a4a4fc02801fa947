// Shared pieces of the main window's maintenance-request tests: a driver for the modal wizards
// and dialogs the window runs (it acts on each from a timer, as a user would, and records what
// it saw), a filter for the offscreen platform's size-hint warnings and the selection of a
// finder row. Waits, capture lines, the finder's status text, the debug-line capture and the
// catcher for the web pages the window opens come from TestSupport.h.
//
// Message boxes are left to BoxAnswerer; the driver only records that one was up.
#ifndef MAINTREQTEST_H
#define MAINTREQTEST_H

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QWizard>
#include <QtTest>

#include <functional>

#include "CVorkFinderWindow.h"
#include "CVorkNasinfoModel.h"
#include "TestSupport.h"
#include "netnsbed.h"

namespace mrt {

// Presses the wizard's forward button that is shown: Next, or Commit on a commit page.
inline void advance(QWizard *wizard)
{
    QAbstractButton *commit = wizard->button(QWizard::CommitButton);
    if (commit && commit->isVisible() && commit->isEnabled()) {
        QTest::mouseClick(commit, Qt::LeftButton);
        return;
    }
    QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
}

// Drives every modal widget other than a message box while it lives. `act` is called on every
// poll (10 ms) while such a widget is the active modal one, from a timer of its own so that the
// clicks it makes may run nested event loops; `fresh` is true the first time the widget (or the
// wizard page) is seen. An input dialog is rejected at once. A widget that stays up longer than
// its hang guard (tsup::guardMs(giveUpMs)) is rejected and counted in gaveUp, so a request under test always
// returns. It polls while it lives: a count of polls that ran out first would leave a modal
// widget up for good.
class ModalDriver : public QObject
{
public:
    explicit ModalDriver(std::function<void(QWidget *, bool)> script = nullptr)
        : act(std::move(script))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    std::function<void(QWidget *, bool)> act;
    // Class names of the modal widgets seen, in order of first appearance (boxes left out).
    QStringList seen;
    int boxes = 0;
    int gaveUp = 0;
    int giveUpMs = 15000;

    int count(const char *className) const { return seen.count(QLatin1String(className)); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (qobject_cast<QMessageBox *>(modal)) {
            if (modal != m_lastBox.data()) {
                m_lastBox = modal;
                ++boxes;
            }
            return;
        }
        if (modal != m_widget.data()) {
            m_widget = modal;
            m_page = -2;
            m_since.start();
            seen << QLatin1String(modal->metaObject()->className());
        }
        if (QInputDialog *input = qobject_cast<QInputDialog *>(modal)) {
            input->reject();
            return;
        }
        if (m_since.elapsed() > tsup::guardMs(giveUpMs)) {
            ++gaveUp;
            m_since.start();
            // Rejected rather than done(-1): a wizard checks its page before any other result.
            QPointer<QDialog> dialog(qobject_cast<QDialog *>(modal));
            QTimer::singleShot(0, this, [dialog] {
                if (dialog)
                    dialog->reject();
            });
            return;
        }
        if (m_acting || !act)
            return;
        QWizard *wizard = qobject_cast<QWizard *>(modal);
        const int page = wizard ? wizard->currentId() : -1;
        const bool fresh = page != m_page;
        m_page = page;
        m_acting = true;
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, this, [this, target, fresh] {
            if (target && target->isVisible())
                act(target, fresh);
            m_acting = false;
        });
    }

    QTimer m_timer;
    bool m_acting = false;
    QPointer<QWidget> m_widget;
    QPointer<QWidget> m_lastBox;
    int m_page = -2;
    QElapsedTimer m_since;
};

// Drops the offscreen platform's warning that it cannot pass size hints on (the resource-monitor
// page's charts ask for it on every layout) and hands every other line to the handler that was
// installed before, the test log's.
class SizeHintFilter
{
public:
    static void install() { s_previous = qInstallMessageHandler(&SizeHintFilter::handler); }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtWarningMsg && text.contains(QLatin1String("propagateSizeHints")))
            return;
        if (s_previous)
            s_previous(type, context, text);
    }
    static inline QtMessageHandler s_previous = nullptr;
};

// Selects the server's row in the finder's table as a click would, and lets the page update its
// actions. False when the table shows no such row.
inline bool selectRow(CVorkFinderWindow *finder, const QString &key)
{
    QTableView *view = finder->m_ptableviewFinder;
    QAbstractItemModel *shown = view->model();
    QSortFilterProxyModel *proxy = qobject_cast<QSortFilterProxyModel *>(shown);
    for (int r = 0; shown && r < shown->rowCount(); ++r) {
        const QModelIndex index = shown->index(r, 0);
        const QModelIndex source = proxy ? proxy->mapToSource(index) : index;
        if (CVorkNasinfoModel::keyOf(source) != key)
            continue;
        view->setCurrentIndex(index);
        view->selectRow(r);
        finder->slotUpdateQActionStatus();
        return true;
    }
    return false;
}

} // namespace mrt

#endif // MAINTREQTEST_H
