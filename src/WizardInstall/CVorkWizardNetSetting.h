#ifndef CVORKWIZARDNETSETTING_H
#define CVORKWIZARDNETSETTING_H

#include <QList>

#include "CQuenWizard.h"
#include "fhost.h"

class CNasConfig;
class CVorkNasinfoMap;
class CWizCnfmPWDialog;
class CWizIPDialog;
class CWizStartDialog;

// The network wizard: collects new network settings for an installed server. Pages: welcome,
// the administrator's current password, and the address page (DHCP or a manual address).
//
// Use: construct, addNasinfo() with the server's record, exec(); when accepted, take the first
// record of getNasinfoList() and createNasConfig() (owned by the wizard: copy it) and hand both
// to a CNetSetting job.
class CVorkWizardNetSetting : public CQuenWizard
{
    Q_OBJECT

public:
    enum PageId {
        PAGE_START = 0,
        PAGE_PASSWORD = 1,
        PAGE_IP = 2
    };

    // `pMap` (not owned) is the map of found servers; it may be null.
    CVorkWizardNetSetting(CVorkNasinfoMap *pMap, QWidget *parent);
    ~CVorkWizardNetSetting() override;

    // Appends a copy of the record to the targets and makes it the wizard's record. A null
    // record is ignored.
    void addNasinfo(const NASINFO *pnasInfo);
    QList<NASINFO> getNasinfoList() const;
    int getNasinfoCount() const;

    // Every page passes, except the address page with a manual address, which runs the page's
    // own field checks (and its ping).
    bool validateCurrentPage() override;
    void accept() override;
    int getWizardType() const override;

    // Builds the settings anew from the fields, replacing those built before. The wizard keeps
    // ownership; the pointer is valid until the next call or the end of the wizard.
    CNasConfig *createNasConfig();

    CWizStartDialog *startPage() const { return m_pStart; }
    CWizCnfmPWDialog *passwordPage() const { return m_pPassword; }
    CWizIPDialog *addressPage() const { return m_pAddress; }

private:
    CNasConfig *m_pConfig;
    QList<NASINFO> m_targets;
    CWizStartDialog *m_pStart;
    CWizCnfmPWDialog *m_pPassword;
    CWizIPDialog *m_pAddress;
};

#endif // CVORKWIZARDNETSETTING_H
