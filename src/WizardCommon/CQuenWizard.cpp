#include "CQuenWizard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cstring>

#include "StringTable.h"
#include "VorkWindowFlags.h"

namespace {
const int kWizardWidth = 740;
const int kWizardHeight = 480;
} // namespace

CQuenWizard::CQuenWizard(CVorkNasinfoMap *pMap, QWidget *parent)
    : QWizard(parent, g_wfVorkDialog), m_pnasInfo(nullptr), m_pNasinfoMap(pMap)
{
    setMinimumSize(kWizardWidth, kWizardHeight);
    setOptions(options() | QWizard::NoBackButtonOnStartPage);

    // The arrows are translated in the wizard's own context (the class has no meta-object, so
    // tr() would use QWizard's).
    setButtonText(QWizard::BackButton,
                  QCoreApplication::translate("CQuenWizard", "< ") + getString(IDS_BTN_BACK));
    setButtonText(QWizard::NextButton,
                  getString(IDS_BTN_NEXT) + QCoreApplication::translate("CQuenWizard", " >"));
    setButtonText(QWizard::CancelButton, getString(IDS_BTN_CANCEL));
    setButtonText(QWizard::FinishButton, getString(IDS_BTN_FINISH));
    setButtonText(QWizard::CommitButton, getString(IDS_BTN_FINISH));

    // Centre on the primary screen, counted from the origin rather than the screen's own corner;
    // a screen smaller than the wizard gives a negative position, which is kept.
    QRect screen;
    if (QScreen *pScreen = QGuiApplication::primaryScreen())
        screen = pScreen->geometry();
    const QSize frame = frameGeometry().size();
    const int x = (screen.width() - frame.width()) / 2;
    const int y = (screen.height() - frame.height()) / 2;
    setGeometry(QRect(QPoint(x, y), QPoint(x + kWizardWidth, y + kWizardHeight)));
}

CQuenWizard::~CQuenWizard()
{
    delete m_pnasInfo;
}

void CQuenWizard::setNasinfo(const NASINFO *pnasInfo)
{
    // Handing the wizard its own copy changes nothing; freeing it first would copy freed memory.
    if (pnasInfo && pnasInfo == m_pnasInfo)
        return;
    delete m_pnasInfo;
    m_pnasInfo = nullptr;
    if (pnasInfo) {
        m_pnasInfo = new NASINFO;
        std::memcpy(m_pnasInfo, pnasInfo, sizeof(NASINFO));
    }
}

NASINFO *CQuenWizard::getNasinfo() const
{
    return m_pnasInfo;
}

CVorkNasinfoMap *CQuenWizard::getNasinfoMap() const
{
    return m_pNasinfoMap;
}

void CQuenWizard::accept()
{
    QDialog::accept();
}

CQuenWizard *CQuenWizard::checkedWizard(QWizard *pWizard, const char *source, int line)
{
    CQuenWizard *pQuenWizard = dynamic_cast<CQuenWizard *>(pWizard);
    if (!pQuenWizard)
        qFatal("%s:%d pWizard = NULL", source, line);
    return pQuenWizard;
}

NASINFO *CQuenWizard::checkedNasinfo(QWizard *pWizard, const char *source, int line)
{
    NASINFO *pnasInfo = checkedWizard(pWizard, source, line)->getNasinfo();
    if (!pnasInfo)
        qFatal("%s:%d pnasInfo = NULL", source, line);
    return pnasInfo;
}
