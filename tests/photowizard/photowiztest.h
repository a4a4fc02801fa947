#ifndef PHOTOWIZTEST_H
#define PHOTOWIZTEST_H

// Shared pieces of the photo-profile wizard tests: a box answerer for the pages' modal message
// boxes, hand-made server records, stored profiles and short-cuts to the wizard's pages.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <cstring>

#include "CPhotoUploadConfig.h"
#include "CVorkWizardPhotoUpload.h"
#include "CWizPhotoAutoIPDialog.h"
#include "CWizPhotoIPDialog.h"
#include "CWizPhotoPWDialog.h"
#include "CWizPhotoSummary.h"
#include "BoxAnswerer.h"
#include "fhost.h"

namespace photowiztest {

// 198.18.a.b in network byte order.
inline uint32_t netAddr(uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    const uint8_t bytes[4] = {a, b, c, d};
    uint32_t v;
    std::memcpy(&v, bytes, 4);
    return v;
}

// A zeroed heap record: MAC key, name, address (network order), state and build. Build 1100
// lies in the range that offers photo upload without looking at the service bits.
inline NASINFO *makeNas(const char *mac, const char *name, uint32_t ipNet,
                        uint32_t state = FHOSTQC_DONE, uint32_t build = 1100)
{
    NASINFO *n = new NASINFO;
    std::memset(n, 0, sizeof *n);
    std::strncpy(n->szMac, mac, sizeof n->szMac - 1);
    std::strncpy(n->szServerName, name, sizeof n->szServerName - 1);
    n->ulIP = ipNet;
    n->ulConfigured = state;
    n->ulBuild = build;
    n->ulHttpPort = 5000;
    n->ulHttpsPort = 5001;
    return n;
}

// Removes every stored photo profile.
inline void clearStoredProfiles()
{
    QSettings settings;
    settings.remove(QStringLiteral("PhotoUploader"));
    settings.sync();
}

inline void storeProfile(const QString &name)
{
    CPhotoUploadConfig config(80, false, name, QStringLiteral("198.18.0.99"), QString(),
                              QStringLiteral("admin"), false, QString());
    config.save(strPhotoUploadRootGroup);
}

inline QAbstractButton *nextButton(QWizard &w) { return w.button(QWizard::NextButton); }
inline QAbstractButton *backButton(QWizard &w) { return w.button(QWizard::BackButton); }
inline QAbstractButton *finishButton(QWizard &w) { return w.button(QWizard::FinishButton); }

// An add wizard that opens on the address page, for tests of that page alone: it keeps whatever
// target record the test sets, which the server choice page would otherwise decide.
inline void startOnAddressPage(CVorkWizardPhotoUpload &w)
{
    w.setStartId(CVorkWizardPhotoUpload::PAGE_ADDRESS);
}

// On the server choice page of a shown add wizard: "Manual setup", then Next.
inline void chooseManualSetup(CVorkWizardPhotoUpload &w)
{
    QCOMPARE(w.currentId(), int(CVorkWizardPhotoUpload::PAGE_SERVER_CHOICE));
    w.serverChoicePage()->m_rdoManInput->click();
    w.button(QWizard::NextButton)->click();
    QCOMPARE(w.currentId(), int(CVorkWizardPhotoUpload::PAGE_ADDRESS));
}

// Replaces a line edit's text as the user would: select all, then type (an empty text deletes).
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

} // namespace photowiztest

#endif // PHOTOWIZTEST_H
