#ifndef CVORKWIZARDRSRCMON_H
#define CVORKWIZARDRSRCMON_H

#include "CQuenWizard.h"

class CRsrcConfig;
class CVorkFinderWindow;
class CVorkNasinfoModel;
class CWizRsrcAutoIPDialog;
class CWizRsrcIPDialog;
class CWizRsrcPWDialog;
class CWizRsrcSummary;

// The wizard that adds a resource-monitor profile (picked from the found servers or typed by
// hand) or edits a stored one. Its pages register the wizard fields and check their own input;
// the wizard turns the fields into a profile record.
//
// Use (main window): construct in add or edit mode, setNasinfo with the target server or null,
// in edit mode setConfig with the stored profile, exec(), and on Accepted copy the record that
// createConfig() returns. The wizard owns that record and deletes it with itself.
//
// Fields: "HostAddr*", "HostPort*", "Profile*" (address page), "AdminAccount", "Password",
// "SaveCred" (account page), "ToConnect" (summary page); read without the star.
class CVorkWizardRsrcMon : public CQuenWizard
{
    Q_OBJECT

public:
    // Fixed page ids. The server-choice page exists only when adding.
    enum PageId {
        PAGE_SERVER_CHOICE = 0,
        PAGE_ADDRESS = 1,
        PAGE_ACCOUNT = 2,
        PAGE_SUMMARY = 3
    };

    // `finder` and `model` feed the server-choice page of an add run (either may be null: the
    // list then stays empty and Search does nothing); `map` is the map of found servers (not
    // owned). The wizard starts on its lowest page: 0 when adding, 1 when editing.
    CVorkWizardRsrcMon(CVorkFinderWindow *finder, CVorkNasinfoModel *model, CVorkNasinfoMap *map,
                       QWidget *parent, bool edit);
    ~CVorkWizardRsrcMon() override;

    // False when no page is current, else the current page's validatePage().
    bool validateCurrentPage() override;
    int getWizardType() const override;

    // The profile being edited, or null. Until the summary page has been shown it is the copy
    // given to setConfig (null when adding); afterwards the record built from the fields.
    CRsrcConfig *getConfig() const;
    // Deletes the profile being edited.
    void clearConfig();
    // Holds a copy of `config` in place of the profile being edited.
    void setConfig(const CRsrcConfig &config);
    // Builds a new record from the wizard fields (the password scrambled, the connect-at-start
    // flag from "ToConnect"), holds it as the profile being edited in place of the old one and
    // returns it. The pointer stays valid until the next createConfig, setConfig or clearConfig.
    CRsrcConfig *createConfig();

    // The pages (the server-choice page is null in edit mode).
    CWizRsrcAutoIPDialog *serverChoicePage() const { return m_pPageServerChoice; }
    CWizRsrcIPDialog *addressPage() const { return m_pPageAddress; }
    CWizRsrcPWDialog *accountPage() const { return m_pPageAccount; }
    CWizRsrcSummary *summaryPage() const { return m_pPageSummary; }

private:
    CRsrcConfig *m_pRsrcConfig;
    CWizRsrcAutoIPDialog *m_pPageServerChoice;
    CWizRsrcIPDialog *m_pPageAddress;
    CWizRsrcPWDialog *m_pPageAccount;
    CWizRsrcSummary *m_pPageSummary;
};

#endif // CVORKWIZARDRSRCMON_H
