#ifndef CWIZIPDIALOG_H
#define CWIZIPDIALOG_H

#include <QMutex>
#include <QString>
#include <QWizardPage>

#include "fhost.h"
#include "ui_CWizIPDialogBase.h"

// The address page of the install and network wizards: DHCP, or a manual IPv4 address with
// subnet mask, default gateway and DNS server.
//
// On its first visit it proposes settings: a server whose web port answered keeps its own;
// otherwise the page looks for a free address next to this computer's own, pinging candidates
// with CVorkDialogNetPinger. A manual entry is validated (and pinged) before the wizard may
// finish, and for a batch the main window asks the page for one consecutive free address per
// server.
//
// Fields: "IsDHCP", "IP", "Netmask", "Gateway", "DNS".
class CWizIPDialog : public QWizardPage, public Ui::CWizIPDialogBase
{
    Q_OBJECT

public:
    explicit CWizIPDialog(QWidget *parent);
    ~CWizIPDialog() override;

    void initializePage() override;
    void cleanupPage() override;
    virtual void languageChange();

    // Checks the manual entry (address, mask, gateway, DNS, then a ping unless the address is
    // the server's current one). Every failure shows one box and returns false.
    bool validateFields();

    // The next candidate address after the page's counters, searched for a free one by ping.
    // `next` true: from ip itself plus the batch counter (the main window's batch step); false:
    // from the subnet of ip/mask plus the suggestion counter (the page's own proposal). Both
    // counters advance on every call. With *dhcp set nothing is searched. True with ip set to
    // the free address found; false (after a box) when the subnet has no free address left or
    // the user closed the search, which found none: ip is then no free address.
    bool getNextAddress(bool *dhcp, QString &ip, QString &mask, QString &gateway, QString &dns,
                        bool next);
    // Fills the page with proposed settings and returns them. Always 0.
    int suggestNetSettings(bool *dhcp, QString &ip, QString &mask, QString &gateway,
                           QString &dns);
    // This computer's interface that faces the target (or the first one), as text. Leaves the
    // outputs untouched when the computer lists no usable interface. Always 0.
    int getLocalIfaceSettings(bool *dhcp, QString &ip, QString &mask, QString &gateway,
                              QString &dns);

    // The counters, for looking at the page's state.
    int getSuggestionCounter() const;
    int getBatchCounter() const;

public slots:
    void slotDHCPEnabled(bool blChecked);
    void slotManualEnabled(bool blChecked);

protected:
    void setIPValidators();
    void setSettings(bool dhcp, const QString &ip, const QString &mask, const QString &gateway,
                     const QString &dns);
    void clearSettings();

private:
    bool isMultiInstall();
    void showError(const QString &text);

    int m_nSuggestCounter;
    int m_nBatchCounter;
    bool m_blInitialized;
    bool m_blDHCP;
    mutable QMutex m_counterLock;
};

#endif // CWIZIPDIALOG_H
