#include "CVorkDialogWakeupAdd.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "StringTable.h"
#include "platforms.h"

namespace {

const char kSource[] = "src/WOL/CVorkDialogWakeupAdd";

// Six two-digit hexadecimal fields joined by ":".
const char kMacPattern[] = "[0-9A-Fa-f]{2}[:]{1}[0-9A-Fa-f]{2}[:]{1}[0-9A-Fa-f]{2}[:]{1}"
                           "[0-9A-Fa-f]{2}[:]{1}[0-9A-Fa-f]{2}[:]{1}[0-9A-Fa-f]{2}";

// The debug line of a refused input: source, line, the expression and the text.
#define WAKEUP_DEBUG_INPUT(expr, text) \
    qDebug("%s:%d %s=[%s\n]\n", kSource, __LINE__, expr, (text).toUtf8().constData())

} // namespace

CVorkDialogWakeupAdd::CVorkDialogWakeupAdd(QWidget *parent, CWOLConfig *pConfig)
    : QDialog(parent)
{
    if (pConfig)
        m_wolConfig = *pConfig;

    setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_edtMAC->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QLatin1String(kMacPattern)), m_edtMAC));
    languageChange();
    loadConfig();

    // A record whose Network is not 0 leaves the selector without a current item: address form.
    if (m_cmbNetwork->currentIndex() == 0)
        hideAddressFields();

    // Only now, so that filling the fields does not switch forms or save anything.
    connect(m_cmbNetwork, SIGNAL(currentIndexChanged(int)), this, SLOT(slotNetSelectChanged(int)));
    connect(this, SIGNAL(accepted()), this, SLOT(slotSaveInput()));
}

void CVorkDialogWakeupAdd::languageChange()
{
    // The colon is a text of its own: some languages put a blank before it.
    const QString colon = getString(IDS_COMMON_COLON);
    setWindowTitle(getString(IDS_WAKEUP_ADD_TITLE));
    m_lblWOLDesp->setText(getString(IDS_WAKEUP_TABLE_DESCP));
    m_lblNetwork->setText(getString(IDS_WAKEUP_ADD_NETWORK) + colon);
    m_lblMAC->setText(getString(IDS_LST_SERV_MAC_ADDR) + colon);
    m_lblProfile->setText(getString(IDS_WAKEUP_TABLE_PROFILENAME) + colon);
    m_lblIPName->setText(getString(IDS_WAKEUP_ADD_IPNAME) + colon);
    m_lblPort->setText(getString(IDS_LBL_PORT) + colon);
    m_chkWakeUp->setText(getString(IDS_WAKEUP_DLG_MSG));
    m_btnOK->setText(getString(IDS_BTN_OK));
    m_btnCancel->setText(getString(IDS_BTN_CANCEL));
    // The selector holds the one LAN item; a second call renames it rather than adding another.
    if (m_cmbNetwork->count() == 0)
        m_cmbNetwork->addItem(getString(IDS_WAKEUP_ADD_TYPE_LAN));
    else
        m_cmbNetwork->setItemText(0, getString(IDS_WAKEUP_ADD_TYPE_LAN));
}

void CVorkDialogWakeupAdd::loadConfig()
{
    m_edtProfile->setText(m_wolConfig.getProfile());
    m_edtIPAddr->setText(m_wolConfig.getAddrName());
    m_edtMAC->setText(m_wolConfig.getMacAddress());
    m_edtPort->setText(QString::number(m_wolConfig.getPortNum()));
    m_cmbNetwork->setCurrentIndex(m_wolConfig.getNetwork());
}

void CVorkDialogWakeupAdd::hideAddressFields()
{
    m_lblProfile->hide();
    m_edtProfile->hide();
    m_lblIPName->hide();
    m_edtIPAddr->hide();
    m_lblPort->hide();
    m_edtPort->hide();
    m_lblNetwork->hide();
    m_cmbNetwork->hide();
    m_chkWakeUp->hide();
    m_edtMAC->setReadOnly(true);
}

void CVorkDialogWakeupAdd::showAddressFields()
{
    m_lblProfile->show();
    m_edtProfile->show();
    m_lblIPName->show();
    m_edtIPAddr->show();
    m_lblPort->show();
    m_edtPort->show();
    m_edtMAC->setEnabled(true);
    m_edtMAC->setReadOnly(false);
}

void CVorkDialogWakeupAdd::slotNetSelectChanged(int index)
{
    if (index == 0)
        hideAddressFields();
    else
        showAddressFields();
}

bool CVorkDialogWakeupAdd::isMacAcceptable() const
{
    QString text = m_edtMAC->text();
    int pos = 0;
    const QValidator *validator = m_edtMAC->validator();
    return validator && validator->validate(text, pos) == QValidator::Acceptable;
}

void CVorkDialogWakeupAdd::showError(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, getString(IDS_ERROR), message, QMessageBox::NoButton,
                    this);
    box.addButton(getString(IDS_BTN_OK), QMessageBox::AcceptRole);
    box.exec();
}

bool CVorkDialogWakeupAdd::isPortValid()
{
    const QString text = m_edtPort->text();
    if (text.isEmpty())
        return false;
    bool ok = false;
    const int port = text.toInt(&ok, 10);
    if (ok && port >= 1 && port <= 65535)
        return true;
    m_edtPort->selectAll();
    return false;
}

bool CVorkDialogWakeupAdd::checkInput()
{
    if (!isMacAcceptable()) {
        WAKEUP_DEBUG_INPUT("(m_edtMAC->text()).toAscii().data()", m_edtMAC->text());
        showError(getString(IDS_WAKEUP_ADD_VALID_MAC));
        return false;
    }
    if (m_edtProfile->text().isEmpty()) {
        showError(getString(IDS_WAKEUP_ADD_EMPTY_PROFLE));
        return false;
    }
    uint32_t hostAddr = 0;
    if (!resolveHostIPv4(&hostAddr, m_edtIPAddr->text())) {
        WAKEUP_DEBUG_INPUT("(m_edtIPAddr->text()).toAscii().data()", m_edtIPAddr->text());
        showError(getString(IDS_ERR_HOST_ADDR1));
        return false;
    }
    if (!isPortValid()) {
        WAKEUP_DEBUG_INPUT("(m_edtPort->text()).toAscii().data()", m_edtPort->text());
        showError(getString(IDS_ERR_BADPORT));
        return false;
    }
    return true;
}

void CVorkDialogWakeupAdd::accept()
{
    if (m_cmbNetwork->currentIndex() == 0) {
        if (isMacAcceptable()) {
            QDialog::accept();
            return;
        }
        WAKEUP_DEBUG_INPUT("(m_edtMAC->text()).toAscii().data()", m_edtMAC->text());
        showError(getString(IDS_WAKEUP_ADD_VALID_MAC));
        return;
    }
    if (checkInput())
        QDialog::accept();
}

void CVorkDialogWakeupAdd::slotSaveInput()
{
    if (m_cmbNetwork->currentIndex() == 0) {
        m_wolConfig.setNetwork(0);
        m_wolConfig.setMacAddress(m_edtMAC->text());
        return;
    }
    m_wolConfig.setAddrName(m_edtIPAddr->text());
    m_wolConfig.setMacAddress(m_edtMAC->text());
    m_wolConfig.setNetwork(1);
    m_wolConfig.setProfile(m_edtProfile->text());
    m_wolConfig.setPortNum(m_edtPort->text().toInt(nullptr, 10));
}
