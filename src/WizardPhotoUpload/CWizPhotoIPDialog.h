#ifndef CWIZPHOTOIPDIALOG_H
#define CWIZPHOTOIPDIALOG_H

#include <QWizardPage>

#include "fhost.h"
#include "ui_CWizPhotoIPDialog.h"

class CVorkWizardPhotoUpload;

// Page 1 of the photo-profile wizard: protocol, host name or IPv4 address, port and profile
// name. It fills itself from the edited profile or the target server, follows the user's typing
// of host and port, and on Next checks photo support and readiness of a found server, the port,
// that the host resolves, and that the profile name is not taken (ignoring case).
//
// Fields: "HostAddr*", "HostPort*", "Profile*" (all mandatory).
class CWizPhotoIPDialog : public QWizardPage, public Ui::CWizPhotoIPDialog
{
    Q_OBJECT

public:
    explicit CWizPhotoIPDialog(QWidget *parent);
    ~CWizPhotoIPDialog() override;

    virtual void languageChange();
    void initializePage() override;
    void cleanupPage() override;
    bool validatePage() override;

    // Fills host, port and profile from the edited profile, else from the target server (its
    // address, port 80 and its name made unique), else empty with the protocol's default port.
    // Always true.
    bool loadFields();

public slots:
    void slotFieldsHostChanged();
    void slotFieldsPortChanged();

protected:
    // The found server that the host text names (by address or by name), or null.
    NASINFO *findServerByHost(const QString &host);
    void setFields(const QString &host, int port, const QString &profile);
    void clearFields();
    // Empty passes silently; otherwise 1..65535 or a box and false.
    bool checkPort();
    // False when another stored profile has the name (ignoring case); the box only when
    // `showMessage`.
    bool checkProfileName(bool showMessage);

private:
    CVorkWizardPhotoUpload *photoWizard() const;

    bool m_blInitialized;
};

#endif // CWIZPHOTOIPDIALOG_H
