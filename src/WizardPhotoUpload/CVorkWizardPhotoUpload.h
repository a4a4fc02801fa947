#ifndef CVORKWIZARDPHOTOUPLOAD_H
#define CVORKWIZARDPHOTOUPLOAD_H

#include "CQuenWizard.h"

class CPhotoUploadConfig;
class CVorkFinderWindow;
class CVorkNasinfoModel;
class CWizPhotoAutoIPDialog;
class CWizPhotoIPDialog;
class CWizPhotoPWDialog;
class CWizPhotoSummary;

// The wizard that adds a photo-server profile or edits a stored one. Its pages register the
// wizard fields and check their own input; the wizard turns the fields into a profile record.
//
// Use: construct (add or edit), setNasinfo with the target server or null, in edit mode
// setPhotoUploadConfig with the stored profile, exec(), and on Accepted copy the record that
// getPhotoUploadConfig() returns. The wizard owns that record.
class CVorkWizardPhotoUpload : public CQuenWizard
{
    Q_OBJECT

public:
    // Page ids. The server choice page exists only when adding.
    enum PageId {
        PAGE_SERVER_CHOICE = 0,
        PAGE_ADDRESS = 1,
        PAGE_ACCOUNT = 2,
        PAGE_SUMMARY = 3
    };

    // `finder` and `model` serve only the server choice page of an add run; `map` is the map of
    // found servers (not owned); `edit` true builds the edit wizard (pages 1 to 3).
    CVorkWizardPhotoUpload(CVorkFinderWindow *finder, CVorkNasinfoModel *model,
                           CVorkNasinfoMap *map, QWidget *parent, bool edit);
    ~CVorkWizardPhotoUpload() override;

    // The held record, or null: the profile being edited until the summary page builds one from
    // the fields, the built record afterwards.
    CPhotoUploadConfig *getConfig() const;
    // Deletes the held record.
    void clearConfig();
    // Holds a copy of `config` (every field) in place of the held record.
    void setPhotoUploadConfig(const CPhotoUploadConfig &config);
    // Builds a new held record from the wizard fields and returns it. The password is always
    // held scrambled; a port text that is no number gives 0. The pointer stays valid until the
    // next getPhotoUploadConfig, setPhotoUploadConfig or clearConfig.
    CPhotoUploadConfig *getPhotoUploadConfig();

    // False when no page is current, else the current page's validatePage().
    bool validateCurrentPage() override;
    int getWizardType() const override;

    // The server choice page, or null in an edit wizard.
    CWizPhotoAutoIPDialog *serverChoicePage() const { return m_pPageServerChoice; }
    CWizPhotoIPDialog *addressPage() const { return m_pPageAddress; }
    CWizPhotoPWDialog *accountPage() const { return m_pPageAccount; }
    CWizPhotoSummary *summaryPage() const { return m_pPageSummary; }

private:
    CPhotoUploadConfig *m_pPhotoUploadConfig;
    CWizPhotoAutoIPDialog *m_pPageServerChoice;
    CWizPhotoIPDialog *m_pPageAddress;
    CWizPhotoPWDialog *m_pPageAccount;
    CWizPhotoSummary *m_pPageSummary;
};

#endif // CVORKWIZARDPHOTOUPLOAD_H
