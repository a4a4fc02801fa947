#ifndef CPAGEGLOBAL_H
#define CPAGEGLOBAL_H

#include "CPreferencePage.h"
#include "ui_CPageGlobal.h"

// The global preferences: interface language, which optional pages are offered, and whether
// the finder offers the memory test.
class CPageGlobal : public CPreferencePage, public Ui::CPageGlobal
{
    Q_OBJECT

public:
    CPageGlobal(QWidget *parent, const QString &pageName);

    // Fills the texts and the language list ("System default", then every interface language
    // named in its own language) and hides the boxes of pages this program does not offer.
    void languageChange();
    void loadSettings() override;
    void saveSettings() override;
    // Whether the stored language differs from the one shown when the settings were loaded.
    bool isLanguageChanged() const;

private:
    // Row of `code` in the language list; row 0 ("System default") when it is not there.
    int languageRow(const QString &code) const;

    int m_nLoadedLangIndex;
};

#endif // CPAGEGLOBAL_H
