#include "CVorkWindowInstall.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

#include <cstring>

#include "CNasConfig.h"
#include "CQuickConf.h"
#include "CThreadNetInstall.h"
#include "CVorkDialogInstallFinish.h"
#include "CVorkHelpBrowser.h"
#include "CVorkWindowProgNetInstall.h"
#include "CVorkWindowProgQuickConf.h"
#include "CWaitScale.h"
#include "NasinfoText.h"
#include "StringTable.h"
#include "VorkDebug.h"

namespace {
const char SRC[] = "src/CVorkWindowInstall";

// The server's error keys, indexed by the code it sent in a command reply.
const int SERVER_KEY_COUNT = 52;
const char *const SERVER_ERROR_KEYS[SERVER_KEY_COUNT] = {
    "upgrade_success",                     // 0
    "error_dirop",                         // 1
    "error_dirop",                         // 2
    "error_dirop",                         // 3
    "error_bootmediaop",                   // 4
    "error_bootmediaop",                   // 5
    "error_read_ver",                      // 6
    "error_read_patch_ver",                // 7
    "error_read_mod",                      // 8
    "error_read_patch_mod",                // 9
    "error_version",                       // 10
    "error_model",                         // 11
    "error_company",                       // 12
    "error_patch",                         // 13
    "error_update_unknown",                // 14
    "error_bkp_bootmedia",                 // 15
    "error_bootmedia_space",               // 16
    "error_update_unknown",                // 17
    "error_bootmediaop",                   // 18
    "error_bootmediaop",                   // 19
    "error_update_unknown",                // 20
    "error_update_unknown",                // 21
    "error_update_unknown",                // 22
    "error_memory",                        // 23
    "error_reboot",                        // 24
    "error_ha_remote",                     // 25
    "error_patch",                         // 26
    "error_update_unknown",                // 27
    "error_update_unknown",                // 28
    "error_update_unknown",                // 29
    "error_update_unknown",                // 30
    "error_update_unknown",                // 31
    "error_mkfs",                          // 32
    "error_patch",                         // 33
    "error_mkfs",                          // 34
    "error_mkfs",                          // 35
    "error_update_unknown",                // 36
    "error_update_unknown",                // 37
    "error_update_unknown",                // 38
    "error_update_unknown",                // 39
    "error_update_unknown",                // 40
    "error_apply_lock",                    // 41
    "error_update_unknown",                // 42
    "error_update_unknown",                // 43
    "error_update_unknown",                // 44
    "error_update_unknown",                // 45
    "error_download",                      // 46
    "error_update_unknown",                // 47
    "error_upgrade_local_volume_abnormal", // 48
    "error_ha_is_not_healthy",             // 49
    "error_update_remote",                 // 50
    "error_update_remote",                 // 51
};

// The keys that have a text of their own; every other key shows the general server error.
struct KeyText {
    const char *key;
    int text;
};
const KeyText SERVER_KEY_TEXTS[] = {
    {"upgrade_success", IDS_NI_upgrade_success},
    {"error_read_ver", IDS_NI_error_read_ver},
    {"error_read_patch_ver", IDS_NI_error_read_patch_ver},
    {"error_read_mod", IDS_NI_error_read_mod},
    {"error_read_patch_mod", IDS_NI_error_read_patch_mod},
    {"error_version", IDS_NI_error_version},
    {"error_model", IDS_NI_error_model},
    {"error_company", IDS_NI_error_company},
    {"error_patch", IDS_NI_error_patch},
    {"error_memory", IDS_NI_error_memory},
    {"error_mkfs", IDS_NI_error_mkfs},
    {"error_apply_lock", IDS_NI_error_apply_lock},
    {"error_download", IDS_NI_error_download},
    {"error_upgrade_local_volume_abnormal", IDS_NI_error_upgrade_local_volume_abnormal},
    {"error_ha_is_not_healthy", IDS_NI_error_ha_is_not_healthy},
};

QString serverErrorText(unsigned long code, const QString &codeText)
{
    const char *key = SERVER_ERROR_KEYS[code];
    for (const KeyText &entry : SERVER_KEY_TEXTS) {
        if (std::strcmp(entry.key, key) == 0)
            return getString(entry.text);
    }
    return getString(IDS_NI_ERR_SERVER_ERROR).arg(codeText);
}

// The version of the system a server runs now: its version text with the build, or for a
// server without a version text the release its build belongs to.
QString currentVersionText(const NASINFO &record)
{
    const long build = long(record.ulBuild);
    const QString version = nasinfoText(record.szVersion);
    if (!version.isEmpty())
        return QString::asprintf("%s-%04ld", qPrintable(version), build);
    if (build > 1104)
        return QString::asprintf("2.3-%04ld", build);
    if (build >= 881)
        return QString::asprintf("2.2-%04ld", build);
    if (build >= 808)
        return QString::asprintf("2.1-%04ld", build);
    return QString::asprintf("2.0-%04ld", build);
}

// formatData: both partitions are formatted only on a server that has no system yet and
// reports field 71 clear. formatSys: a migratable server keeps its system partition.
void formatFlags(const NASINFO *record, bool *formatData, bool *formatSys)
{
    *formatData = record && record->ulField71 == 0 && record->ulConfigured == FHOSTQC_UNINSTALL;
    *formatSys = !record || record->ulConfigured != FHOSTQC_MIGRATABLE;
}
} // namespace

CVorkWindowInstall::CVorkWindowInstall(QWidget *parent, CFindHostUDP *udp)
    : CVorkWindowMainTab(parent),
      m_blNIFinishShown(false),
      m_blQCFinishShown(false),
      m_pwdgQuickConf(nullptr),
      m_pwdgNetInstall(nullptr),
      m_ptimerStatus(nullptr),
      m_pnasInfo(nullptr),
      m_pQuickConf(nullptr),
      m_pcurNetInstall(nullptr),
      m_pUdp(udp),
      m_pdlgFinish(nullptr)
{
    setupUi(this);
    languageChange();

    m_pdlgFinish = new CVorkDialogInstallFinish(parent, QString());

    m_ptimerStatus = new QTimer(this);
    connect(m_ptimerStatus, &QTimer::timeout, this, &CVorkWindowInstall::slotUpdateQuickConfStatus);
    connect(m_ptimerStatus, &QTimer::timeout, this, &CVorkWindowInstall::slotUpdateNetInstallStatus);
    m_ptimerStatus->start(CWaitScale::ms(STATUS_INTERVAL_MS));

    // The splitter holds only the page stack; stretch factors go to the widgets it has.
    const int stretch[2] = {0, 1};
    for (int i = 0; i < 2 && i < splitter->count(); ++i)
        splitter->setStretchFactor(i, stretch[i]);
}

CVorkWindowInstall::~CVorkWindowInstall()
{
    m_ptimerStatus->stop();
    m_ptimerStatus->disconnect(this);

    // A running installation ends before its page goes: cancel, then the bounded cooperative
    // stop of the job. Its object is a child of the page and goes with it.
    if (m_pcurNetInstall) {
        m_pcurNetInstall->setCancel(true);
        m_pcurNetInstall->terminate();
    }

    delete m_pdlgFinish;
    delete m_pQuickConf;
    delete m_pnasInfo;
}

bool CVorkWindowInstall::hasUnfinishedTasks()
{
    // Running installations never hold up quitting.
    return false;
}

bool CVorkWindowInstall::isJobForServer(const QString &mac) const
{
    if (!m_pnasInfo)
        return false;
    if (nasinfoText(m_pnasInfo->szMac) != mac)
        return false;
    return m_pQuickConf || m_pcurNetInstall;
}

QString CVorkWindowInstall::makeWebUrl(const NASINFO *pnasInfo)
{
    return CVorkWindowProgNetInstall::makeWebUrl(pnasInfo);
}

QString CVorkWindowInstall::finishText(const NASINFO *pnasInfo)
{
    return getString(IDS_SETUP_OK) + QLatin1String("\n") + getString(IDS_INSTALL_FINISHED_INFO)
           + CVorkWindowProgNetInstall::makeLoginLink(pnasInfo);
}

CQuickConf *CVorkWindowInstall::getQuickConfJob() const
{
    return m_pQuickConf;
}

CThreadNetInstall *CVorkWindowInstall::getNetInstallJob() const
{
    return m_pcurNetInstall;
}

CVorkWindowProgQuickConf *CVorkWindowInstall::getQuickConfWidget() const
{
    return m_pwdgQuickConf;
}

CVorkWindowProgNetInstall *CVorkWindowInstall::getNetInstallWidget() const
{
    return m_pwdgNetInstall;
}

CVorkDialogInstallFinish *CVorkWindowInstall::getFinishDialog() const
{
    return m_pdlgFinish;
}

QTimer *CVorkWindowInstall::getStatusTimer() const
{
    return m_ptimerStatus;
}

const NASINFO *CVorkWindowInstall::getNasinfo() const
{
    return m_pnasInfo;
}

void CVorkWindowInstall::slotDelayedInit()
{
    if (!m_blInit)
        m_blInit = true;
}

void CVorkWindowInstall::slotAddQuickConf(const NASINFO *pnasInfo, const CNasConfig *pnasConf)
{
    // One job per page.
    if (m_pQuickConf || m_pcurNetInstall) {
        VORK_DEBUG_STR(SRC, "slotAddQuickConf", "the page already holds a job");
        return;
    }
    if (!m_pwdgQuickConf) {
        m_pwdgQuickConf = new CVorkWindowProgQuickConf(this);
        m_pstkwCenter->addWidget(m_pwdgQuickConf);
        connect(m_pwdgQuickConf, &CVorkWindowProgQuickConf::signalOpenVRUrl, this,
                &CVorkWindowInstall::slotOpenUrlClicked);
    }
    m_pstkwCenter->setCurrentWidget(m_pwdgQuickConf);

    delete m_pnasInfo;
    m_pnasInfo = pnasInfo ? new NASINFO(*pnasInfo) : nullptr;

    m_pQuickConf = new CQuickConf(m_pUdp, pnasConf, pnasInfo);
    sendConfigPacket(pnasInfo, pnasConf);
}

void CVorkWindowInstall::sendConfigPacket(const NASINFO *pnasInfo, const CNasConfig *pnasConf)
{
    m_pQuickConf->setTimeout(QUICKCONF_TIMEOUT_MS);
    if (m_pQuickConf->start(pnasConf, pnasInfo, 1, true) < 0)
        qDebug("(%s):%d SendConfigPkt failed!", SRC, __LINE__);
}

void CVorkWindowInstall::slotAddNetInst(const NASINFO *pnasInfo, const CNasConfig *pnasConf)
{
    if (m_pQuickConf || m_pcurNetInstall) {
        VORK_DEBUG_STR(SRC, "slotAddNetInst", "the page already holds a job");
        return;
    }
    if (!m_pwdgNetInstall) {
        m_pwdgNetInstall = new CVorkWindowProgNetInstall(this);
        m_pstkwCenter->addWidget(m_pwdgNetInstall);
        connect(m_pwdgNetInstall, &CVorkWindowProgNetInstall::signalOpenVRUrl, this,
                &CVorkWindowInstall::slotOpenUrlClicked);
    }
    m_pstkwCenter->setCurrentWidget(m_pwdgNetInstall);

    delete m_pnasInfo;
    m_pnasInfo = pnasInfo ? new NASINFO(*pnasInfo) : nullptr;

    m_pcurNetInstall = new CThreadNetInstall(this, m_pUdp, pnasConf, pnasInfo);
    m_pcurNetInstall->start(QThread::InheritPriority);
}

void CVorkWindowInstall::slotUpdateNetInstallStatus()
{
    if (!m_pcurNetInstall || !m_pwdgNetInstall)
        return;
    if (m_pstkwCenter->currentWidget() != m_pwdgNetInstall)
        return;

    // A cancelled installation ends at stage 8 without an error, but it did not succeed, and its
    // entry is on its way out: no more ticks, no finish message, no button changes.
    if (m_pcurNetInstall->isCancelled()) {
        m_ptimerStatus->stop();
        return;
    }

    // Every non-zero code is a failure, also a server code with its top bit set.
    if (m_pcurNetInstall->getErrorCode() == 0) {
        // The job moves on in its own thread while this tick runs. The stage is taken once,
        // before the widget reads the job: stages only go up, so the widget shows this stage or
        // a later one, and the end (which stops the ticks) is acted on only when the widget is
        // sure to show it too.
        const int stage = m_pcurNetInstall->getStage();
        bool formatData = false;
        bool formatSys = true;
        formatFlags(m_pcurNetInstall->getNasinfo(), &formatData, &formatSys);
        m_pwdgNetInstall->updateProgress(m_pcurNetInstall, formatData, formatSys);

        if (stage == NI_STAGE_REBOOT)
            emit signalCanCloseTheItem();
        else if (stage == NI_STAGE_CONFIGURE || stage == NI_STAGE_DONE)
            emit signalCanNOTCloseTheItem();

        showNetInstallFinished(stage);
    } else {
        // The timer keeps running: the message is built and shown again on every tick.
        showNetInstallError(m_pwdgNetInstall);
        emit signalCanCloseTheItem();
    }
}

bool CVorkWindowInstall::runFinishMessage(const QString &text, bool *shownFlag)
{
    // Marked before the message runs: ticks go on inside its modal loop and must not open it
    // a second time.
    *shownFlag = true;
    m_pdlgFinish->setText(text);
    QPointer<CVorkWindowInstall> self(this);
    QPointer<CVorkDialogInstallFinish> message(m_pdlgFinish);
    message->exec();
    return !self.isNull();
}

void CVorkWindowInstall::showNetInstallFinished(int stage)
{
    if (stage != NI_STAGE_DONE)
        return;
    if (!isVisible() && !m_blNIFinishShown) {
        if (!runFinishMessage(finishText(m_pcurNetInstall->getNasinfo()), &m_blNIFinishShown))
            return; // the page was removed while the message was open
    }
    m_ptimerStatus->stop();
    emit signalAllNIQCFinished();
}

QString CVorkWindowInstall::netInstallErrorText(unsigned long code, const NASINFO &record,
                                                unsigned long patchBuild,
                                                unsigned long quickConfError, int port)
{
    const QString codeText = QString::number(code);
    const QString product = getString(IDS_PRODUCT_NAME);
    const QString firewall = getString(IDS_WARN_FIREWALL).arg(product);
    const QString portTail = QLatin1String(" (") + getString(IDS_LBL_PORT) + getString(IDS_COMMON_COLON)
                             + QLatin1Char(' ') + QString::number(port) + QLatin1String(")");

    QString message;
    if (code >= 1 && code <= 5) {
        message = getString(IDS_NI_ERR_BOOTMEDIAOP).arg(codeText);
    } else if (code == 16) {
        if (patchBuild != 0 && patchBuild != record.ulBuild)
            message = getString(IDS_NI_ERR_NO_SPACE_UPBYWEB).arg(currentVersionText(record));
        else
            message = getString(IDS_NI_ERR_NO_SPACE);
    } else if (code < unsigned(SERVER_KEY_COUNT)) {
        message = serverErrorText(code, codeText);
    } else if (code < NI_ERROR_OPEN_SOCKET) {
        // Beyond the server's key table: shown as a server error with its code.
        message = getString(IDS_NI_ERR_SERVER_ERROR).arg(codeText);
    } else {
        switch (code) {
        case NI_ERROR_OPEN_SOCKET:
            message = getString(IDS_NI_ERR_OPEN_SOCKET);
            break;
        case NI_ERROR_SEND_QUERY:
            qDebug("%s:%d %s=[%d\n]\n", SRC, __LINE__, "m_pcurNetInstall->getNIBindPort()", port);
            message = getString(IDS_NI_ERR_SEND_QUERY_PROG) + firewall + portTail;
            break;
        case NI_ERROR_RECEIVE:
            qDebug("%s:%d %s=[%d\n]\n", SRC, __LINE__, "m_pcurNetInstall->getNIBindPort()", port);
            message = getString(IDS_NI_ERR_RECE_PROG) + firewall + portTail;
            break;
        case NI_ERROR_SEND_BEGIN:
        case 304:
        case NI_ERROR_SEND_REBOOT:
            message = getString(IDS_NI_ERR_SEND_CMD).arg(codeText);
            break;
        case NI_ERROR_SEND_PATCH:
            message = getString(IDS_NI_ERR_SEND_PATCH_FILE);
            break;
        case NI_ERROR_CMD_TIMEOUT:
            message = getString(IDS_NI_ERR_RECE_CMD_TIMEOUT);
            break;
        case NI_ERROR_QC_START:
            message = getString(IDS_QUICKCONF_ERR);
            break;
        case NI_ERROR_QC_UNFINISHED:
            if (quickConfError != 0)
                message = getString(IDS_SETUP_FAILED).arg(product, QString::number(quickConfError));
            else
                message = getString(IDS_QUICKCONF_TIMEOUT) + getString(IDS_QUICKCONF_RETRY);
            break;
        default:
            message = getString(IDS_NI_ERR_UNDEFINE).arg(codeText);
            break;
        }
    }

    if (record.ulBuild > 1110) {
        message += QLatin1String("<br />") + getString(IDS_ERR_NETINSTALL_RETRY)
                   + QLatin1String("<br />") + getString(IDS_ERR_NETINSTALL_CONTACT);
    }
    return message;
}

void CVorkWindowInstall::showNetInstallError(CVorkWindowProgNetInstall *widget)
{
    NASINFO record;
    std::memset(&record, 0, sizeof(record));
    if (const NASINFO *jobRecord = m_pcurNetInstall->getNasinfo())
        record = *jobRecord;
    const unsigned long code = m_pcurNetInstall->getErrorCode();
    m_pcurNetInstall->terminate();

    const QString message =
        netInstallErrorText(code, record, m_pcurNetInstall->getPatchBuild(),
                            m_pcurNetInstall->getQuickConfError(), m_pcurNetInstall->getNIBindPort());

    widget->m_plblProgress->setText(message);
    widget->m_pprgFinish->hide();
}

void CVorkWindowInstall::slotUpdateQuickConfStatus()
{
    if (!m_pQuickConf || !m_pwdgQuickConf)
        return;
    if (m_pstkwCenter->currentWidget() != m_pwdgQuickConf)
        return;

    CVorkWindowProgQuickConf *w = m_pwdgQuickConf;
    const int state = m_pQuickConf->getState();
    const unsigned long error = m_pQuickConf->getError();
    switch (state) {
    case CQuickConf::QC_STATE_WAITING:
        w->m_plblTitle2->setText(getString(IDS_APPLY_SETTING));
        w->m_plblTitle1->setText(getString(IDS_WAIT1));
        w->m_pprgFinish->show();
        w->m_pprgFinish->setMaximum(int(m_pQuickConf->getTimeout()));
        w->m_pprgFinish->setValue(int(m_pQuickConf->getElapsed()));
        break;
    case CQuickConf::QC_STATE_ANSWERED:
        w->m_pprgFinish->hide();
        w->m_plblTitle1->hide();
        if (error == 0) {
            w->m_plblTitle2->setText(getString(IDS_QUICKCONF_COMPLETE));
            w->m_plblQCMsg->setText(finishText(m_pQuickConf->getNasinfo()));
            w->m_plblQCMsg->show();
        } else {
            w->m_plblTitle2->setText(getString(IDS_QUICKCONF_ERR));
            w->m_plblQCMsg->setText(getString(IDS_SETUP_FAILED)
                                        .arg(getString(IDS_PRODUCT_NAME), QString::number(error)));
            w->m_plblQCMsg->show();
            emit signalCanCloseTheItem();
        }
        break;
    case CQuickConf::QC_STATE_TIMEOUT:
        w->m_pprgFinish->hide();
        w->m_plblTitle1->hide();
        w->m_plblTitle2->setText(getString(IDS_QUICKCONF_ERR));
        w->m_plblQCMsg->setText(getString(IDS_ERROR) + QLatin1String("\n")
                                + getString(IDS_QUICKCONF_TIMEOUT) + getString(IDS_QUICKCONF_RETRY));
        w->m_plblQCMsg->show();
        emit signalCanCloseTheItem();
        break;
    default:
        break;
    }

    updateQuickConfStatus();
}

void CVorkWindowInstall::updateQuickConfStatus()
{
    if (m_pQuickConf->getState() != CQuickConf::QC_STATE_ANSWERED || m_pQuickConf->getError() != 0)
        return;

    m_ptimerStatus->stop();
    emit signalAllNIQCFinished();

    QPointer<CVorkWindowInstall> self(this);
    QCoreApplication::processEvents();
    if (self.isNull())
        return;

    if (!isVisible() && !m_blQCFinishShown)
        runFinishMessage(finishText(m_pQuickConf->getNasinfo()), &m_blQCFinishShown);
}

void CVorkWindowInstall::slotOpenUrlClicked(QString strLink)
{
    emit signalOpenUrlClicked(strLink);
}

void CVorkWindowInstall::slotAboutTriggered()
{
    emit signalAboutTriggered();
}

void CVorkWindowInstall::slotPrefTriggered()
{
    emit signalPrefTriggered();
}

void CVorkWindowInstall::slotHelpTriggered()
{
    CVorkHelpBrowser::showHelp();
}

bool CVorkWindowInstall::event(QEvent *event)
{
    if (event->type() == QEvent::User) {
        slotUpdateNetInstallStatus();
        return true;
    }
    return CVorkWindowMainTab::event(event);
}

void CVorkWindowInstall::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void CVorkWindowInstall::languageChange()
{
    m_pactCancel->setText(getString(IDS_BTN_CANCEL));
    m_pactCancelPopUp->setText(getString(IDS_BTN_CANCEL));
    m_plblStatus->setText(getString(IDS_INSTALL_PAGE_EMPTY));
    m_pactCancel->setToolTip(QString());
}
