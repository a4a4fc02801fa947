#include "CPageGlobal.h"

#include <QSettings>

#include "QuenLocale.h"
#include "StringTable.h"

namespace {
const char kKeyRunRMPages[] = "Global/blRunRMPages";
const char kKeyRunPhotoUpPages[] = "Global/blRunPhotoUpPages";
const char kKeyRunMFP[] = "Global/blRunMFP";
const char kKeyUILanguage[] = "Global/UILanguage";
const char kKeyMemTest[] = "Finder/MemTest";
const char kLanguageDefault[] = "def";
} // namespace

CPageGlobal::CPageGlobal(QWidget *parent, const QString &pageName)
    : CPreferencePage(parent, pageName), m_nLoadedLangIndex(-1)
{
    setupUi(this);
    languageChange();
    loadSettings();
    connect(m_pcmbBoxSelLang, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CPreferencePage::slotSettingsChanged);
}

void CPageGlobal::languageChange()
{
    setPageName(getString(IDS_PREFER_GLOBAL));
    setWindowTitle(getString(IDS_TOOLBAR_PREFERENCE));
    m_pgrpPage->setTitle(getString(IDS_PREFER_GLOBAL));
    m_pgrpboxStartup->setTitle(getString(IDS_PREFER_DISPLAYED_TAB_OPTION));
    m_pchkTabRsrc->setText(getString(IDS_PREFER_LAU_SAVE_RSRC_WIN));
    m_pchkTabPhotoUp->setText(getString(IDS_PHOTO_CAPTION));
    m_pchkTabMFP->setText(getString(IDS_TOOLBAR_PRINTER_DEVICE));
    m_pgrpBoxLanguage->setTitle(getString(IDS_PREFER_HINT_LANG));
    m_pgrpboxAdvFunc->setTitle(getString(IDS_LBL_ADV_FUNCTIONS));
    m_pchkMemTest->setText(getString(IDS_BTN_MEM_TEST));

    m_pcmbBoxSelLang->clear();
    m_pcmbBoxSelLang->addItem(getString(IDS_LANGUAGE_DEF), QString::fromLatin1(kLanguageDefault));
    const QStringList codes = QuenLocale::getAllLanguages();
    for (const QString &code : codes) {
        const int index = findStringKey(QStringLiteral("IDS_LANGUAGE_%1").arg(code.toUpper()));
        m_pcmbBoxSelLang->addItem(getString(index), code);
    }

    m_pchkTabMFP->hide();
    m_pchkTabRsrc->setChecked(false);
    m_pchkTabRsrc->hide();
}

int CPageGlobal::languageRow(const QString &code) const
{
    const int row = m_pcmbBoxSelLang->findData(code);
    return row < 0 ? 0 : row;
}

void CPageGlobal::loadSettings()
{
    QSettings settings;
    m_pchkTabRsrc->setChecked(settings.value(QLatin1String(kKeyRunRMPages), false).toBool());
    m_pchkTabPhotoUp->setChecked(settings.value(QLatin1String(kKeyRunPhotoUpPages), false).toBool());
    m_pchkTabMFP->setChecked(settings.value(QLatin1String(kKeyRunMFP), true).toBool());
    m_pchkMemTest->setChecked(settings.value(QLatin1String(kKeyMemTest), false).toBool());

    const QString language =
        settings.value(QLatin1String(kKeyUILanguage), QString::fromLatin1(kLanguageDefault)).toString();
    m_nLoadedLangIndex = languageRow(language);
    m_pcmbBoxSelLang->setCurrentIndex(m_nLoadedLangIndex);
}

void CPageGlobal::saveSettings()
{
    QSettings settings;
    settings.setValue(QLatin1String(kKeyRunRMPages), m_pchkTabRsrc->isChecked());
    settings.setValue(QLatin1String(kKeyRunPhotoUpPages), m_pchkTabPhotoUp->isChecked());
    settings.setValue(QLatin1String(kKeyRunMFP), m_pchkTabMFP->isChecked());
    settings.setValue(QLatin1String(kKeyUILanguage), m_pcmbBoxSelLang->currentData().toString());
    settings.setValue(QLatin1String(kKeyMemTest), m_pchkMemTest->isChecked());
}

bool CPageGlobal::isLanguageChanged() const
{
    QSettings settings;
    const QString language =
        settings.value(QLatin1String(kKeyUILanguage), QString::fromLatin1(kLanguageDefault)).toString();
    return languageRow(language) != m_nLoadedLangIndex;
}
