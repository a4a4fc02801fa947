#include "CVorkWindowProgNetInstall.h"

#include <QDesktopServices>
#include <QHostAddress>
#include <QPixmap>
#include <QUrl>

#include <arpa/inet.h>

#include "CThreadNetInstall.h"
#include "CVorkGlobalSettings.h"
#include "NasinfoText.h"
#include "StringTable.h"

const char *const CVorkWindowProgNetInstall::ICON_DONE = ":/images/icon_checked.png";
const char *const CVorkWindowProgNetInstall::ICON_CURRENT = ":/images/icon_arrow.png";
const char *const CVorkWindowProgNetInstall::ICON_SKIPPED = ":/images/icon_skip.png";

namespace {
// Bar sizes of the stages whose percent is not a server percent.
const int QUICKCONF_BAR_MAX = 125000; // milliseconds counted by a quick configuration
const int INSTALL_BAR_MAX = 20;       // the server reports the installation in 0..20
const int REBOOT_BAR_MAX = 600;       // seconds of the reboot wait
const int FORMAT_BAR_MAX = 100;

// Row texts by stage; stages 2 and 6 have no row, so their texts are never shown.
const int STEP_STRINGS[CVorkWindowProgNetInstall::STAGE_SLOTS] = {
    -1, IDS_NI_SET_NET, IDS_NI_FORMAT, IDS_NI_FORMAT_SYS, IDS_NI_FORMAT_DATA,
    IDS_NI_INSTALL, IDS_NI_PROG_REBOOT, IDS_NI_CONFIGURE};

// The bar takes its maximum first, then the value; QProgressBar ignores a value outside its
// range, which leaves the bar where it was.
void setBar(QProgressBar *bar, int maximum, int value)
{
    bar->setMaximum(maximum);
    bar->setValue(value);
}
} // namespace

CVorkWindowProgNetInstall::CVorkWindowProgNetInstall(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    connect(m_plblProgress, &QLabel::linkActivated, this, &CVorkWindowProgNetInstall::slotOpenVRUrl);

    for (int i = 0; i < STAGE_SLOTS; ++i) {
        m_plblStepText[i] = nullptr;
        m_plblStepIcon[i] = nullptr;
    }
    m_plblStepText[NI_STAGE_SET_NET] = m_plblNetSet;
    m_plblStepIcon[NI_STAGE_SET_NET] = m_plblPixNetSet;
    m_plblStepText[NI_STAGE_FORMAT_SYS] = m_plblFSys;
    m_plblStepIcon[NI_STAGE_FORMAT_SYS] = m_plblPixFSys;
    m_plblStepText[NI_STAGE_FORMAT_DATA] = m_plblFData;
    m_plblStepIcon[NI_STAGE_FORMAT_DATA] = m_plblPixFData;
    m_plblStepText[NI_STAGE_INSTALL] = m_plblUpload;
    m_plblStepIcon[NI_STAGE_INSTALL] = m_plblPixUpload;
    m_plblStepText[NI_STAGE_CONFIGURE] = m_plblQConf;
    m_plblStepIcon[NI_STAGE_CONFIGURE] = m_plblPixQConf;

    languageChange();
}

QLabel *CVorkWindowProgNetInstall::stepTextLabel(int stage) const
{
    return (stage >= 0 && stage < STAGE_SLOTS) ? m_plblStepText[stage] : nullptr;
}

QLabel *CVorkWindowProgNetInstall::stepIconLabel(int stage) const
{
    return (stage >= 0 && stage < STAGE_SLOTS) ? m_plblStepIcon[stage] : nullptr;
}

void CVorkWindowProgNetInstall::languageChange()
{
    m_plblTitle1->setText(getString(IDS_APPLY_SETTING));
    m_plblTitle2->setText(getString(IDS_NI_WAIT));

    // Rows are numbered in order, counting only the stages that have a row.
    int counter = 1;
    for (int stage = 1; stage < STAGE_SLOTS; ++stage) {
        if (!m_plblStepText[stage])
            continue;
        m_plblStepText[stage]->setText(getString(STEP_STRINGS[stage]).arg(counter));
        ++counter;
    }

    for (int stage = 0; stage < STAGE_SLOTS; ++stage) {
        if (m_plblStepIcon[stage])
            m_plblStepIcon[stage]->setText(QString());
    }

    m_plblProgress->setText(getString(IDS_NI_PROG_SET_NET));
    m_pgrpProgress->setTitle(getString(IDS_NI_TREE_PROGRESS));
}

void CVorkWindowProgNetInstall::updateProgress(const CThreadNetInstall *job, bool formatData,
                                               bool formatSys)
{
    setStageText(job, formatData, formatSys);
    updateStepIcons(job, formatData, formatSys);
}

void CVorkWindowProgNetInstall::setStageText(const CThreadNetInstall *job, bool formatData,
                                             bool formatSys)
{
    const int stage = job ? job->getStage() : 0;
    const int value = job ? job->getPercent() : 0;

    m_pprgFinish->show();

    switch (stage) {
    case NI_STAGE_SET_NET:
        m_plblProgress->setText(getString(IDS_NI_PROG_SET_NET));
        setBar(m_pprgFinish, QUICKCONF_BAR_MAX, value);
        break;
    case NI_STAGE_FORMAT:
        m_plblProgress->setText(getString(IDS_NI_PROG_FORMAT));
        setBar(m_pprgFinish, FORMAT_BAR_MAX, 0);
        break;
    case NI_STAGE_FORMAT_SYS:
        m_plblProgress->setText(formatSys ? getString(IDS_NI_PROG_FORMAT_SYS) : QString());
        setBar(m_pprgFinish, formatSys ? FORMAT_BAR_MAX : -1, value);
        break;
    case NI_STAGE_FORMAT_DATA:
        m_plblProgress->setText(formatData ? getString(IDS_NI_PROG_FORMAT_DATA) : QString());
        setBar(m_pprgFinish, formatData ? FORMAT_BAR_MAX : -1, value);
        break;
    case NI_STAGE_INSTALL:
        m_plblProgress->setText(getString(IDS_NI_PROG_INSTALL));
        setBar(m_pprgFinish, INSTALL_BAR_MAX, value);
        break;
    case NI_STAGE_REBOOT:
        m_plblProgress->setText(getString(IDS_NI_PROG_REBOOT).arg(REBOOT_BAR_MAX - value));
        setBar(m_pprgFinish, REBOOT_BAR_MAX, value);
        break;
    case NI_STAGE_CONFIGURE:
        m_plblProgress->setText(getString(IDS_NI_PROG_CONFIGURE));
        setBar(m_pprgFinish, QUICKCONF_BAR_MAX, value);
        break;
    case NI_STAGE_DONE:
        m_plblProgress->setText(getString(IDS_INSTALL_FINISHED) + QLatin1String("\n")
                                + getString(IDS_INSTALL_FINISHED_INFO)
                                + makeLoginLink(job ? job->getNasinfo() : nullptr));
        setBar(m_pprgFinish, QUICKCONF_BAR_MAX, QUICKCONF_BAR_MAX);
        break;
    default:
        // Not begun yet, or a stage this widget does not know: leave everything as it is.
        break;
    }
}

bool CVorkWindowProgNetInstall::isSkippedRow(int stage, bool formatData, bool formatSys)
{
    return (stage == NI_STAGE_FORMAT_DATA && !formatData)
           || (stage == NI_STAGE_FORMAT_SYS && !formatSys);
}

void CVorkWindowProgNetInstall::updateStepIcons(const CThreadNetInstall *job, bool formatData,
                                                bool formatSys)
{
    static const QString grayStyle = QStringLiteral("QWidget{ color: gray;}");
    if (!formatData) {
        m_plblStepText[NI_STAGE_FORMAT_DATA]->setEnabled(false);
        m_plblStepText[NI_STAGE_FORMAT_DATA]->setStyleSheet(grayStyle);
    }
    if (!formatSys) {
        m_plblStepText[NI_STAGE_FORMAT_SYS]->setEnabled(false);
        m_plblStepText[NI_STAGE_FORMAT_SYS]->setStyleSheet(grayStyle);
    }

    const int stage = job ? job->getStage() : 0;

    // Rows already passed: done, or skipped when this installation does not format them.
    for (int i = 0; i < stage && i < STAGE_SLOTS; ++i) {
        if (!m_plblStepIcon[i])
            continue;
        const bool skipped = isSkippedRow(i, formatData, formatSys);
        m_plblStepIcon[i]->setPixmap(QPixmap(QLatin1String(skipped ? ICON_SKIPPED : ICON_DONE)));
    }

    // The current row: the first row at or after the stage. A skipped row gets no arrow, and
    // after the last row (stage 8) there is none.
    for (int i = stage < 1 ? 0 : stage; i < STAGE_SLOTS; ++i) {
        if (!m_plblStepIcon[i])
            continue;
        if (!isSkippedRow(i, formatData, formatSys))
            m_plblStepIcon[i]->setPixmap(QPixmap(QLatin1String(ICON_CURRENT)));
        break;
    }
    // Icons are never cleared here: a row keeps the icon of the last tick that touched it.
}

QString CVorkWindowProgNetInstall::makeWebUrl(const NASINFO *pnasInfo)
{
    if (!pnasInfo)
        return QString();
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    // The record keeps the address in network byte order.
    url.setHost(QHostAddress(quint32(ntohl(pnasInfo->ulIP))).toString());
    url.setPort(CVorkGlobalSettings::getWebPort(pnasInfo, false));
    return url.toString();
}

QString CVorkWindowProgNetInstall::makeLoginLink(const NASINFO *pnasInfo)
{
    if (!pnasInfo)
        return QString();
    // The name comes from the server's answer; escaped, so that it shows as text and can add
    // no markup (no second link) to the label.
    const QString name = nasinfoText(pnasInfo->szServerName).toHtmlEscaped();
    return QLatin1String("<a href=\"") + makeWebUrl(pnasInfo) + QLatin1String("\">") + QLatin1String("(")
           + getString(IDS_INSTALL_FINISHED_LOGIN).arg(name) + QLatin1String(")") + QLatin1String("</a>");
}

void CVorkWindowProgNetInstall::slotOpenVRUrl(QString link)
{
    // Without a browser (or a handler) the call fails; the dialog still hides, as the user asked.
    QDesktopServices::openUrl(QUrl(link));
    emit signalOpenVRUrl(link);
}
