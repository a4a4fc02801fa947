#include "CVorkDialogPreference.h"

#include <QMessageBox>
#include <QPushButton>

#include "CPageGlobal.h"
#include "CVorkGlobalSettings.h"
#include "StringTable.h"
#include "VorkWindowFlags.h"

CVorkDialogPreference::CVorkDialogPreference(QWidget *parent) : QDialog(parent, g_wfVorkDialog)
{
    setupUi(this);
    connect(m_pbtnBox, &QDialogButtonBox::accepted, this, &CVorkDialogPreference::accept);
    connect(m_pbtnBox, &QDialogButtonBox::rejected, this, &CVorkDialogPreference::reject);

    m_ppageGlobal = new CPageGlobal(m_pstckwSubPages, QStringLiteral("Global"));
    m_pstckwSubPages->removeWidget(m_ppage0);
    m_pstckwSubPages->addWidget(m_ppageGlobal);

    setMinimumWidth(740);
    languageChange();
}

void CVorkDialogPreference::languageChange()
{
    m_pbtnBox->button(QDialogButtonBox::Cancel)->setText(getString(IDS_BTN_CANCEL));
    m_pbtnBox->button(QDialogButtonBox::Ok)->setText(getString(IDS_BTN_OK));
    setWindowTitle(getString(IDS_TOOLBAR_PREFERENCE));
}

CPageGlobal *CVorkDialogPreference::getPageGlobal() const
{
    return m_ppageGlobal;
}

void CVorkDialogPreference::accept()
{
    if (CPreferencePage *pPage = qobject_cast<CPreferencePage *>(m_pstckwSubPages->currentWidget()))
        pPage->saveSettings();

    // After the save, so the newly stored language is compared with the one loaded at start.
    if (m_ppageGlobal->isLanguageChanged()) {
        QMessageBox box(QMessageBox::Information, getString(IDS_INFORMATION),
                        getString(IDS_MSG_PREFERENCE_LANG_RESTART).arg(CVorkGlobalSettings::getAppName()),
                        QMessageBox::Ok, this);
        box.button(QMessageBox::Ok)->setText(getString(IDS_BTN_OK));
        box.exec();
    }
    QDialog::accept();
}
