#ifndef CQUENWIZARD_H
#define CQUENWIZARD_H

#include <QWizard>

#include "fhost.h"

class CVorkNasinfoMap;

// Common base of the program's wizards. It gives every wizard the same look (window flags,
// minimum size, button texts, place on the screen), keeps a private copy of the server record
// the wizard works on, and keeps the map of found servers. Every wizard supplies its own page
// validation and its type id.
//
// The class adds no signals or slots, so it has no meta-object of its own: use dynamic_cast,
// not qobject_cast, to reach it from a QWizard pointer.
class CQuenWizard : public QWizard
{
public:
    // Type ids returned by getWizardType().
    enum WizardType {
        WIZARD_INSTALL = 0,
        WIZARD_NET_SETTING = 1,
        WIZARD_RSRC_MON = 4,
        WIZARD_MEM_TEST = 5,
        WIZARD_PHOTO_UPLOAD = 6
    };

    // `pMap` is not owned and may be null.
    explicit CQuenWizard(CVorkNasinfoMap *pMap, QWidget *parent = nullptr);
    ~CQuenWizard() override;

    // Replaces the wizard's copy of the target record: the old copy is freed first, then the
    // whole record is copied; null leaves the wizard without a record.
    void setNasinfo(const NASINFO *pnasInfo);
    // The wizard's own copy, or null when none is set. Valid until the next setNasinfo or the
    // end of the wizard; pages must not keep it.
    NASINFO *getNasinfo() const;
    CVorkNasinfoMap *getNasinfoMap() const;

    // Closes the wizard with the Accepted result, exactly as a plain dialog does.
    void accept() override;
    bool validateCurrentPage() override = 0;
    virtual int getWizardType() const = 0;

    // For wizard pages, given the page's QWizardPage::wizard(): that wizard as a CQuenWizard,
    // and its target record. A page outside a CQuenWizard, or a wizard without a record, is an
    // internal error that ends the program with "<source>:<line> pWizard = NULL" or
    // "<source>:<line> pnasInfo = NULL". `source` names the calling page's unit inside the
    // source tree, `line` is its __LINE__. Pages use the two macros below.
    static CQuenWizard *checkedWizard(QWizard *pWizard, const char *source, int line);
    static NASINFO *checkedNasinfo(QWizard *pWizard, const char *source, int line);

    CQuenWizard(const CQuenWizard &) = delete;
    CQuenWizard &operator=(const CQuenWizard &) = delete;

private:
    NASINFO *m_pnasInfo;
    CVorkNasinfoMap *m_pNasinfoMap;
};

// Inside a QWizardPage member: the page's CQuenWizard, and the wizard's target record.
#define QUEN_PAGE_WIZARD(source) CQuenWizard::checkedWizard(wizard(), source, __LINE__)
#define QUEN_PAGE_NASINFO(source) CQuenWizard::checkedNasinfo(wizard(), source, __LINE__)

#endif // CQUENWIZARD_H
