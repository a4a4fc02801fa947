#include "CVorkDialogLicense.h"

#include <QFile>
#include <QPushButton>
#include <QUrl>

#include "CVorkGlobalSettings.h"
#include "QuenLocale.h"
#include "StringTable.h"
#include "VorkWindowFlags.h"

CVorkDialogLicense::CVorkDialogLicense(QWidget *parent) : QDialog(parent, g_wfVorkDialog)
{
    setupUi(this);
    connect(m_pbtnBox, &QDialogButtonBox::accepted, this, &CVorkDialogLicense::accept);
    connect(m_pbtnBox, &QDialogButtonBox::rejected, this, &CVorkDialogLicense::reject);
    setMinimumSize(740, 480);
    languageChange();
}

void CVorkDialogLicense::languageChange()
{
    QPushButton *pbtnNo = m_pbtnBox->button(QDialogButtonBox::Cancel);
    QPushButton *pbtnAgree = m_pbtnBox->button(QDialogButtonBox::Ok);
    pbtnNo->setText(getString(IDS_BTN_NO_AGREE));
    pbtnAgree->setText(getString(IDS_BTN_AGREE));

    setWindowTitle(getString(IDS_LBL_EULA_CAPTION));
    const QChar quote('"');
    m_plblAskDesc->setText(getString(IDS_LBL_EULA_DESC)
                               .arg(quote + pbtnAgree->text() + quote, quote + pbtnNo->text() + quote));

    // Terms page: the effective interface language first, then the default language.
    const QStringList candidates{CVorkGlobalSettings().getLanguage(), QuenLocale::getDefaultLanguage()};
    for (const QString &code : candidates) {
        if (QFile::exists(QStringLiteral(":/licenses/License_%1.html").arg(code))) {
            m_txtbrwsLaw->setSource(QUrl(QStringLiteral("qrc:/licenses/License_%1.html").arg(code)));
            break;
        }
    }
}

void CVorkDialogLicense::accept()
{
    QDialog::accept();
}
