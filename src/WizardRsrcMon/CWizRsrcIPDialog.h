#ifndef CWIZRSRCIPDIALOG_H
#define CWIZRSRCIPDIALOG_H

#include <QWizardPage>

#include "fhost.h"
#include "ui_CWizRsrcIPDialog.h"

class CVorkWizardRsrcMon;

// Page 1 of the resource-monitor wizard: protocol, host name or IPv4 address, port of the
// administration web server and profile name. It fills itself from the edited profile or the
// target server, follows the user's typing of host and port, and on Next checks a found server's
// support and readiness, the port, that the host resolves, that no other profile watches the
// same address and port, and that the profile name is free (ignoring case).
//
// Fields: "HostAddr*", "HostPort*", "Profile*" (all mandatory).
class CWizRsrcIPDialog : public QWizardPage, public Ui::CWizRsrcIPDialog
{
    Q_OBJECT

public:
    explicit CWizRsrcIPDialog(QWidget *parent);
    ~CWizRsrcIPDialog() override;

    virtual void languageChange();
    // Marks the page initialised (from now on typed hosts are looked up among the found
    // servers), then initFields.
    void initializePage() override;
    // Keeps the typed values when the user goes back.
    void cleanupPage() override;
    bool validatePage() override;

    // Fills host, port and profile from the edited profile, else from the target server (its
    // dotted address, its web port and its name), else leaves only the default port. Always true.
    bool initFields();
    void clearFields();
    void setFields(const QString &host, int port, const QString &profile);
    // Empty passes silently; otherwise 1..65535, or the port text selected, a box and false.
    bool checkPort();
    // The found server that `host` names (a valid unicast IPv4 text by address, anything else
    // by exact server name); null before the page was first shown or for an empty text.
    NASINFO *findServer(const QString &host);
    // True when the profile name may be used; else a box and false.
    bool isProfileExisted();

    bool isInitialized() const { return m_blInitialized; }

public slots:
    void slotFieldsHostChanged();
    void slotFieldsPortChanged();

private:
    CVorkWizardRsrcMon *rsrcWizard() const;
    // Steps of validatePage after the found server (if any) was copied.
    bool validateWith(const NASINFO *pServer);

    bool m_blInitialized;
};

#endif // CWIZRSRCIPDIALOG_H
