#include "CWizPWDialog.h"

#include <QRegExp>
#include <QRegExpValidator>

#include "CQuenWizard.h"
#include "CVorkGlobalSettings.h"
#include "NasinfoText.h"
#include "StringTable.h"

namespace {

const char *const SOURCE = "src/WizardInstall/CWizPWDialog";

const int LONG_PASSWORD = 127;
const int SHORT_PASSWORD = 12;

} // namespace

CWizPWDialog::CWizPWDialog(QWidget *parent) : QWizardPage(parent), m_nMaxLen(SHORT_PASSWORD)
{
    setupUi(this);
    m_pedtServer->setValidator(new QRegExpValidator(QRegExp(QStringLiteral(".{0,15}")), this));
    registerField(QStringLiteral("Passwd"), m_pedtPassword);
    registerField(QStringLiteral("Confirm"), m_pedtConfirm);
    registerField(QStringLiteral("ServerName*"), m_pedtServer);
    registerField(QStringLiteral("IsDoQBV"), m_pchkQBV);
}

CWizPWDialog::~CWizPWDialog() = default;

void CWizPWDialog::initializePage()
{
    const NASINFO *pnasInfo = QUEN_PAGE_NASINFO(SOURCE);

    m_nMaxLen = CVorkGlobalSettings::isLongPasswordSupported(pnasInfo) ? LONG_PASSWORD
                                                                       : SHORT_PASSWORD;
    m_pedtAdminAccount->setText(CVorkGlobalSettings::getDefaultAdminName());

    const QRegExp passwordRule(QStringLiteral(".{0,%1}").arg(m_nMaxLen));
    // Each edit gets its own validator: a new one replaces the one of an earlier visit.
    for (QLineEdit *edit : {m_pedtPassword, m_pedtConfirm}) {
        const QValidator *old = edit->validator();
        edit->setValidator(new QRegExpValidator(passwordRule, edit));
        delete old;
        edit->setMaxLength(m_nMaxLen);
    }

    m_pedtServer->setText(nasinfoText(pnasInfo->szServerName));

    qDebug("%s:%d %s=[0x%016llx 0x%016llx]\n", SOURCE, __LINE__,
           "ullbmapSupport1 ullbmapMask1",
           static_cast<unsigned long long>(pnasInfo->ullbmapSupport1),
           static_cast<unsigned long long>(pnasInfo->ullbmapMask1));
    const uint64_t bit = uint64_t(1) << SERVICE_QBV;
    const bool qbv = (pnasInfo->ullbmapSupport1 & bit) && (pnasInfo->ullbmapMask1 & bit);
    m_pchkQBV->setChecked(qbv);
    m_pchkQBV->setVisible(qbv);

    setTexts(m_nMaxLen);
}

void CWizPWDialog::cleanupPage()
{
    // Going back keeps what the user entered.
}

void CWizPWDialog::setTexts(int maxLen)
{
    setTitle(getString(IDS_WZD_SVR_INFO));
    m_plabAdminTitle->setText(getString(IDS_LBL_ADMIN_TITLE));
    m_pedtAdminAccount->setText(CVorkGlobalSettings::getDefaultAdminName());
    m_plabPassword->setText(getString(IDS_LBL_PASSWD_CREATE));
    m_plabConfirm->setText(getString(IDS_LBL_PASSWD_CONFIRM));
    m_plabServer->setText(getString(IDS_LST_SERV_NAME) + getString(IDS_COMMON_COLON));
    m_pchkQBV->setText(getString(IDS_LBL_CREATE_QBV));
    m_pgrpHint->setTitle(getString(IDS_LBL_HINT));
    m_plabHint->setText(getString(IDS_HELP_PASSWD2).arg(maxLen) + QStringLiteral("<p>") +
                        getString(IDS_HELP_SVRNAME1));
}
