#ifndef CVORKWIZARDINSTALL_H
#define CVORKWIZARDINSTALL_H

#include <QList>

#include "CQuenWizard.h"
#include "fhost.h"

class CNasConfig;
class CVorkNasinfoMap;
class CWizInstIntro;
class CWizIPDialog;
class CWizPWDialog;

// The wizard that collects the settings of a quick configuration or a network installation for
// one server or a batch: intro page (welcome, installation file or directory), server page
// (name, password, hybrid RAID) and address page.
//
// Use: construct, addNasinfo() for each target, exec(); when accepted, createNasConfig() gives
// the settings (owned by the wizard: copy them). For the n-th server of a batch the caller
// expands the name template and picks its installation file into its copy, then calls
// assignNextAddress() on it.
class CVorkWizardInstall : public CQuenWizard
{
    Q_OBJECT

public:
    enum PageId {
        PAGE_INTRO = 0,
        PAGE_PASSWORD = 1,
        PAGE_IP = 2
    };

    // `pMap` (not owned) is the map of found servers, used to warn about names that other
    // servers carry already; it may be null.
    CVorkWizardInstall(CVorkNasinfoMap *pMap, QWidget *parent, bool isNetInstall);
    ~CVorkWizardInstall() override;

    // Appends a copy of the record to the targets; the wizard's own record is always the first
    // target's.
    void addNasinfo(const NASINFO &nasInfo);
    QList<NASINFO> getNasinfoList() const;
    // More than one target: a batch.
    bool isMultiInstall() const;
    bool isNetInstall() const { return m_blNetInstall; }

    // Builds the settings anew from the pages' fields, replacing the previous ones. The wizard
    // keeps ownership; the pointer is valid until the next call or the end of the wizard.
    CNasConfig *createNasConfig();
    // The settings built last, or null.
    CNasConfig *getNasConfig() const { return m_pConfig; }

    // Batch step: with several targets and a manual address, cfg gets the next free address
    // from the address page (its mask, gateway and DNS stay); when none is left, or the user
    // closed the search, cfg switches to DHCP. Otherwise cfg is left as it is.
    void assignNextAddress(CNasConfig *cfg);

    void accept() override;
    bool validateCurrentPage() override;
    int getWizardType() const override;

    CWizInstIntro *introPage() const { return m_pIntro; }
    CWizPWDialog *passwordPage() const { return m_pPassword; }
    CWizIPDialog *addressPage() const { return m_pAddress; }

private:
    bool validatePasswordPage(const CNasConfig &config);

    bool m_blNetInstall;
    bool m_blOneClickSetup;
    bool m_blQbvWarningShown;
    CNasConfig *m_pConfig;
    QList<NASINFO> m_targets;
    CWizInstIntro *m_pIntro;
    CWizPWDialog *m_pPassword;
    CWizIPDialog *m_pAddress;
};

#endif // CVORKWIZARDINSTALL_H
