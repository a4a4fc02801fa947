#include "CWizInstIntro.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include "CQuenWizard.h"
#include "CVorkNasinfoModel.h"
#include "CVorkWizardInstall.h"
#include "NasinfoText.h"
#include "QuenWizardBox.h"
#include "StringTable.h"
#include "BatchHelpers.h"

namespace {

const char *const SOURCE = "src/WizardInstall/CWizInstIntro";

// Fills %1 when the text has it; a translation without the placeholder shows as it stands.
QString withName(const QString &text, const QString &name)
{
    return text.contains(QLatin1String("%1")) ? text.arg(name) : text;
}

} // namespace

const char *const CWizInstIntro::MIGRATION_TUTORIAL_URL =
    "https://www.quenlori.com/knowledgebase/vno-migration";
const char *const CWizInstIntro::PATCH_DIR_KEY = "Global/patchDirPath";

CWizInstIntro::CWizInstIntro(QWidget *parent, bool isNetInstall)
    : QWizardPage(parent), m_blNetInstall(isNetInstall), m_blPatFileRegistered(false)
{
    setupUi(this);
    setSubTitle(QStringLiteral(" "));
    if (!m_blNetInstall) {
        m_plabWarnMsg->hide();
        m_groupBoxFile->hide();
        m_groupBoxFile->setEnabled(false);
    }
    m_plblSysMigratType->hide();
    languageChange();
    registerField(QStringLiteral("OneClickSetup"), m_prdoAuto);
}

CWizInstIntro::~CWizInstIntro() = default;

void CWizInstIntro::languageChange()
{
    m_groupBoxFile->setTitle(getString(IDS_WELCOME_NI_MSG2));
    m_pbtnOpen->setText(getString(IDS_WELCOME_NI_BTN_PAT));
    m_groupBoxMode->setTitle(getString(IDS_WELCOME_BTN_GRP));
    m_prdoAuto->setText(getString(IDS_WELCOME_ONE_CLICK));
    m_prdoManual->setText(getString(IDS_WELCOME_STEP_BY_STEP));
}

QList<NASINFO> CWizInstIntro::targets()
{
    CVorkWizardInstall *installWizard = dynamic_cast<CVorkWizardInstall *>(wizard());
    if (installWizard)
        return installWizard->getNasinfoList();
    QList<NASINFO> list;
    list << *QUEN_PAGE_NASINFO(SOURCE);
    return list;
}

void CWizInstIntro::initializePage()
{
    QUEN_PAGE_WIZARD(SOURCE);
    const NASINFO *pnasInfo = QUEN_PAGE_NASINFO(SOURCE);
    const QString name = nasinfoText(pnasInfo->szServerName);

    setTitle(withName(getString(IDS_WELCOME_MSG2), name));

    QString welcome;
    m_plblSysMigratType->hide();
    if (!m_blNetInstall) {
        welcome = withName(getString(IDS_WELCOME_MSG3), name);
    } else if (pnasInfo->ulConfigured == FHOSTQC_MIGRATABLE) {
        welcome = getString(IDS_WELCOME_NI_SYSMIGRT);
        const uint32_t flags = pnasInfo->ulMigrateFlags;
        QString notes = getString(IDS_SYSMIGRAT_DESC_HINT) + getString(IDS_COMMON_COLON) + QLatin1Char(' ');
        bool added = false;
        if (flags & 0x3u) {
            notes += getString(IDS_SYSMIGRAT_DESC_ACCOUNT);
            added = true;
        }
        if (flags & 0x4u) {
            notes += QLatin1Char(' ') + getString(IDS_SYSMIGRAT_DESC_PACKAGE);
            added = true;
        }
        const QString anchor = QStringLiteral("<a href=\"%1\" target=\"_blank_\">")
                                   .arg(QString::fromLatin1(MIGRATION_TUTORIAL_URL));
        notes += QLatin1Char('(') +
                 getString(IDS_SYSMIGRAT_DESC_HELP).arg(anchor, QStringLiteral("</a>")) +
                 QLatin1Char(')');
        m_plblSysMigratType->setText(notes);
        m_plblSysMigratType->setVisible(added);
    } else {
        welcome = withName(getString(IDS_WELCOME_NI_MSG1), name);
    }

    if (m_blNetInstall) {
        if (!m_blPatFileRegistered) {
            registerField(QStringLiteral("PatFile*"), m_pedtPatFile);
            m_blPatFileRegistered = true;
        }
        disconnect(m_pbtnOpen, &QPushButton::clicked, this, nullptr);
        CVorkWizardInstall *installWizard = dynamic_cast<CVorkWizardInstall *>(wizard());
        if (installWizard && installWizard->isMultiInstall()) {
            welcome = getString(IDS_LBL_MULTI_INSTALL_PATCH_DIR_DESC);
            m_groupBoxFile->setTitle(getString(IDS_LBL_MULTI_INSTALL_PATCH_DIR));
            connect(m_pbtnOpen, &QPushButton::clicked, this, &CWizInstIntro::slotChoosePatchDir);
        } else {
            m_groupBoxFile->setTitle(getString(IDS_WELCOME_NI_MSG2));
            connect(m_pbtnOpen, &QPushButton::clicked, this, &CWizInstIntro::slotChoosePatch);
        }
        showDataWarning();
    }

    m_plabWelcome->setTextFormat(Qt::RichText);
    m_plabWelcome->setText(welcome);

    // The set-up always goes step by step.
    m_groupBoxMode->hide();
    m_prdoAuto->hide();
    m_prdoManual->hide();
    m_prdoManual->setChecked(true);
}

void CWizInstIntro::cleanupPage()
{
    // Going back keeps what was chosen.
}

void CWizInstIntro::showDataWarning()
{
    m_plabWarnMsg->hide();
    for (const NASINFO &target : targets()) {
        if (target.ulConfigured == FHOSTQC_UNINSTALL) {
            m_plabWarnMsg->setText(getString(IDS_WARN_ERASE_DISK));
            m_plabWarnMsg->show();
            break;
        }
    }
}

bool CWizInstIntro::isComplete() const
{
    if (!QWizardPage::isComplete())
        return false;
    if (m_blNetInstall) {
        const QString text = m_pedtPatFile->text();
        if (text.isEmpty())
            return false;
        if (!QFileInfo::exists(QDir::fromNativeSeparators(text)))
            return false;
    }
    return m_prdoAuto->isChecked() || m_prdoManual->isChecked();
}

int CWizInstIntro::nextId() const
{
    // The one-click mode is never offered, so the password page always follows.
    return CVorkWizardInstall::PAGE_PASSWORD;
}

QString CWizInstIntro::getPatchDirPath()
{
    const QDir vno(QDir::current().absoluteFilePath(QStringLiteral("../../VNO")));
    if (vno.exists() &&
        !vno.entryList({QStringLiteral("*.pat")}, QDir::Files).isEmpty())
        return QDir::cleanPath(vno.absolutePath());
    QSettings settings;
    const QString stored = settings.value(QString::fromLatin1(PATCH_DIR_KEY)).toString();
    if (!stored.isEmpty())
        return stored;
    return QDir::currentPath();
}

void CWizInstIntro::slotChoosePatch()
{
    const QString start = getPatchDirPath();
    const QString file = QFileDialog::getOpenFileName(
        this, getString(IDS_WELCOME_NI_OPEN_CAPTION), start,
        getString(IDS_REPORT_NI_PATCH) + QStringLiteral("(*.pat)"));
    if (checkPatchFile(file)) {
        QSettings settings;
        settings.setValue(QString::fromLatin1(PATCH_DIR_KEY), QFileInfo(file).absolutePath());
        m_pedtPatFile->setText(QDir::toNativeSeparators(file));
    } else {
        m_pedtPatFile->clear();
    }
}

void CWizInstIntro::slotChoosePatchDir()
{
    const QString start = getPatchDirPath();
    const QString dir = QFileDialog::getExistingDirectory(
        this, getString(IDS_WELCOME_NI_OPEN_CAPTION), start, QFileDialog::ShowDirsOnly);
    if (checkPatchDir(dir)) {
        const QString absolute = QDir(dir).absolutePath();
        QSettings settings;
        settings.setValue(QString::fromLatin1(PATCH_DIR_KEY), absolute);
        m_pedtPatFile->setText(QDir::toNativeSeparators(absolute));
    } else {
        m_pedtPatFile->clear();
    }
}

bool CWizInstIntro::matchPatchFile(const QString &path, const NASINFO *pnasInfo,
                                   unsigned long *build)
{
    unsigned long found = 0;
    bool matched = false;
    if (pnasInfo) {
        QString name = QFileInfo(path).fileName();
        const QString modelId = nasinfoText(pnasInfo->szModelId);
        // A record without a model identifier would turn prefix A into a bare "_", which every
        // file name holds; such a record matches through its display name only.
        const QString prefixA = modelId.isEmpty() ? QString() : modelId + QLatin1Char('_');
        QString prefixB = QStringLiteral("vno_") + CVorkNasinfoModel::modelName(pnasInfo) +
                          QLatin1Char('_');
        prefixB.replace(QLatin1Char(' '), QLatin1Char('_'));
        name.remove(QLatin1Char('-'));
        prefixB.remove(QLatin1Char('-'));

        const bool hasA = !prefixA.isEmpty() && name.contains(prefixA, Qt::CaseInsensitive);
        const bool hasB = name.contains(prefixB, Qt::CaseInsensitive);
        if (hasA || hasB) {
            name.remove(hasA ? prefixA : prefixB, Qt::CaseInsensitive);
            name.remove(QStringLiteral(".pat"), Qt::CaseInsensitive);
            bool ok = false;
            found = name.toULong(&ok, 10);
            if (!ok)
                found = 0;
            matched = true;
        }
    }
    if (build)
        *build = found;
    return matched;
}

bool CWizInstIntro::checkPatchFile(const QString &path)
{
    QUEN_PAGE_WIZARD(SOURCE);
    const NASINFO *pnasInfo = QUEN_PAGE_NASINFO(SOURCE);
    if (path.isEmpty())
        return false;

    const QString name = QFileInfo(path).fileName();
    if (!name.startsWith(QLatin1String("quenlori_"), Qt::CaseInsensitive) &&
        !name.startsWith(QLatin1String("vno_"), Qt::CaseInsensitive))
        return true;

    unsigned long build = 0;
    if (!matchPatchFile(path, pnasInfo, &build)) {
        QuenWizardBox::warning(this, getString(IDS_NI_ERR_MODEL));
        return false;
    }
    if (pnasInfo->ulConfigured == FHOSTQC_MIGRATABLE || pnasInfo->ulBuild <= build)
        return true;
    QuenWizardBox::warning(this, getString(IDS_NI_ERR_VER).arg(pnasInfo->ulBuild));
    return false;
}

bool CWizInstIntro::checkPatchDir(const QString &dir)
{
    QUEN_PAGE_WIZARD(SOURCE);
    // A cancelled dialog gives no directory; it is not the current directory.
    if (dir.isEmpty())
        return false;
    for (const NASINFO &target : targets()) {
        const QString result = findNewestPatchFile(dir, &target);
        if (result.isEmpty()) {
            QuenWizardBox::warning(
                this, getString(IDS_NI_ERR_DIR_NOPATCH).arg(nasinfoText(target.szModelId)));
            return false;
        }
        // A path to an existing file is the newest matching installation file; anything else
        // is the server's build, which no file of the directory reaches.
        if (!QFileInfo(result).isFile()) {
            QuenWizardBox::warning(this, getString(IDS_NI_ERR_VER).arg(result));
            return false;
        }
    }
    return true;
}
