// The Wake-on-LAN host dialog on the offscreen platform: its form, the LAN and address forms,
// every input check with its message box, and what it saves. Host names are dotted addresses or
// empty texts here, so no name lookup leaves the machine.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "CVorkDialogWakeupAdd.h"
#include "HangGuard.h"
#include "StringTable.h"
#include "boxcatcher.h"
#include "woltestutil.h"

namespace {

CWOLConfig lanHost()
{
    CWOLConfig c;
    c.setMacAddress(QStringLiteral("02:1a:2b:3c:4d:5e"));
    c.setAddrName(QStringLiteral("198.18.0.2"));
    c.setProfile(QStringLiteral("Cellar"));
    c.setNetwork(0);
    c.setPortNum(9);
    return c;
}

CWOLConfig addressHost()
{
    CWOLConfig c = lanHost();
    c.setNetwork(1);
    c.setPortNum(40009);
    return c;
}

// Shows the dialog as the active window, as the user sees it when clicking its buttons.
bool showActive(QDialog &dlg)
{
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    return QTest::qWaitForWindowActive(&dlg, tsup::guardMs());
}

// Clicks OK with the box catcher running; returns the boxes seen.
QList<SeenBox> clickOk(CVorkDialogWakeupAdd &dlg)
{
    BoxCatcher catcher;
    catcher.start();
    dlg.m_btnOK->click();
    return catcher.boxes;
}

} // namespace

class TestWakeupDialog : public QObject
{
    Q_OBJECT

private slots:
    void formLayoutAndTexts();
    void lanForm();
    void lanFormAccepts();
    void lanFormEmptyMac();
    void addressFormOpensForOtherNetworks_data();
    void addressFormOpensForOtherNetworks();
    void macPattern_data();
    void macPattern();
    void checkOrder();
    void debugLinesOfRefusedInputs();
    void ports_data();
    void ports();
    void addressFormSavesAllFields();
    void cancelLeavesRecord();
    void selectorSwitchesForms();
    void nullRecord();
};

void TestWakeupDialog::formLayoutAndTexts()
{
    CWOLConfig c = addressHost();
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QCOMPARE(dlg.size(), QSize(373, 275));
    QVERIFY(!(dlg.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("WOL Setup"));
    QCOMPARE(dlg.m_lblWOLDesp->text(),
             QStringLiteral("WOL(Wake on LAN) allows a shut-down server to be turned on remotely."));
    QCOMPARE(dlg.m_lblWOLDesp->textFormat(), Qt::RichText);
    QVERIFY(dlg.m_lblWOLDesp->wordWrap());
    QCOMPARE(dlg.m_lblNetwork->text(), QStringLiteral("Network:"));
    QCOMPARE(dlg.m_lblMAC->text(), QStringLiteral("MAC address:"));
    QCOMPARE(dlg.m_lblProfile->text(), QStringLiteral("Profile name:"));
    QCOMPARE(dlg.m_lblIPName->text(), QStringLiteral("IP address/name:"));
    QCOMPARE(dlg.m_lblPort->text(), QStringLiteral("Port number:"));
    for (QLabel *l : {dlg.m_lblMAC, dlg.m_lblProfile, dlg.m_lblIPName, dlg.m_lblPort})
        QVERIFY(l->wordWrap());
    QCOMPARE(dlg.m_chkWakeUp->text(), QStringLiteral("Wake up the server"));
    QVERIFY(!dlg.m_chkWakeUp->isChecked());
    QVERIFY(!dlg.isWakeUpChecked());
    QCOMPARE(dlg.m_btnOK->text(), QStringLiteral("OK"));
    QCOMPARE(dlg.m_btnCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(dlg.m_cmbNetwork->count(), 1);
    QCOMPARE(dlg.m_cmbNetwork->itemText(0), QStringLiteral("LAN"));
    // Setting the texts again renames the one item rather than adding another.
    dlg.languageChange();
    QCOMPARE(dlg.m_cmbNetwork->count(), 1);
    QCOMPARE(dlg.line->frameShadow(), QFrame::Sunken);
    QCOMPARE(dlg.line->frameShape(), QFrame::HLine);

    // Layout order: description, the five form rows, check box, line, then the buttons with OK
    // left of Cancel.
    QVERIFY(showActive(dlg));
    QVERIFY(QTest::qWaitForWindowExposed(&dlg, tsup::guardMs()));
    const int y0 = dlg.m_lblWOLDesp->geometry().bottom();
    QVERIFY(dlg.m_cmbNetwork->geometry().top() > y0);
    QVERIFY(dlg.m_edtMAC->geometry().top() > dlg.m_cmbNetwork->geometry().top());
    QVERIFY(dlg.m_edtProfile->geometry().top() > dlg.m_edtMAC->geometry().top());
    QVERIFY(dlg.m_edtIPAddr->geometry().top() > dlg.m_edtProfile->geometry().top());
    QVERIFY(dlg.m_edtPort->geometry().top() > dlg.m_edtIPAddr->geometry().top());
    QVERIFY(dlg.m_chkWakeUp->geometry().top() > dlg.m_edtPort->geometry().top());
    QVERIFY(dlg.line->geometry().top() > dlg.m_chkWakeUp->geometry().top());
    QVERIFY(dlg.m_btnOK->geometry().top() > dlg.line->geometry().top());
    QVERIFY(dlg.m_btnCancel->geometry().left() > dlg.m_btnOK->geometry().left());
    // The buttons sit on the right, after the spacer.
    QVERIFY(dlg.m_btnOK->geometry().left() > dlg.width() / 3);
    QVERIFY(dlg.m_lblMAC->geometry().right() < dlg.m_edtMAC->geometry().left());
}

void TestWakeupDialog::lanForm()
{
    CWOLConfig c = lanHost();
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    QVERIFY(QTest::qWaitForWindowExposed(&dlg, tsup::guardMs()));
    QCOMPARE(dlg.m_cmbNetwork->currentIndex(), 0);
    const QList<QWidget *> visible{dlg.m_lblWOLDesp, dlg.m_lblMAC, dlg.m_edtMAC, dlg.m_btnOK,
                                   dlg.m_btnCancel};
    const QList<QWidget *> hidden{dlg.m_lblNetwork, dlg.m_cmbNetwork, dlg.m_lblProfile,
                                  dlg.m_edtProfile, dlg.m_lblIPName, dlg.m_edtIPAddr,
                                  dlg.m_lblPort, dlg.m_edtPort, dlg.m_chkWakeUp};
    for (QWidget *w : visible)
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    for (QWidget *w : hidden)
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(dlg.m_edtMAC->isReadOnly());
    QCOMPARE(dlg.m_edtMAC->text(), QStringLiteral("02:1a:2b:3c:4d:5e"));
    // The fields still hold the record.
    QCOMPARE(dlg.m_edtProfile->text(), QStringLiteral("Cellar"));
    QCOMPARE(dlg.m_edtIPAddr->text(), QStringLiteral("198.18.0.2"));
    QCOMPARE(dlg.m_edtPort->text(), QStringLiteral("9"));
}

void TestWakeupDialog::lanFormAccepts()
{
    CWOLConfig c = lanHost();
    c.setPortNum(4242);
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    const QList<SeenBox> boxes = clickOk(dlg);
    QVERIFY(boxes.isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(!dlg.isVisible());
    const CWOLConfig saved = dlg.getWOLConfig();
    QCOMPARE(saved.getNetwork(), 0);
    QCOMPARE(saved.getMacAddress(), QStringLiteral("02:1a:2b:3c:4d:5e"));
    // The LAN form saves only the network and the MAC: the rest stays as passed in.
    QCOMPARE(saved.getPortNum(), 4242);
    QCOMPARE(saved.getProfile(), QStringLiteral("Cellar"));
    QCOMPARE(saved.getAddrName(), QStringLiteral("198.18.0.2"));
    QVERIFY(!dlg.isWakeUpChecked());
}

void TestWakeupDialog::lanFormEmptyMac()
{
    CWOLConfig c = lanHost();
    c.setMacAddress(QString());
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    QVERIFY(dlg.m_edtMAC->text().isEmpty());
    QVERIFY(dlg.m_edtMAC->isReadOnly());
    for (int attempt = 0; attempt < 3; ++attempt) {
        DebugLines debug;
        const QList<SeenBox> boxes = clickOk(dlg);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Please enter a valid MAC address."));
        QCOMPARE(boxes[0].title, QStringLiteral("Error"));
        QCOMPARE(boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes[0].buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(boxes[0].parent, static_cast<QObject *>(&dlg));
        QVERIFY(dlg.isVisible());
        QVERIFY2(debug.contains(QStringLiteral(" (m_edtMAC->text()).toAscii().data()=[\n]\n"))
                     && debug.contains(QStringLiteral("src/WOL/CVorkDialogWakeupAdd:")),
                 qPrintable(debug.lines().join(QStringLiteral("|"))));
    }
    QVERIFY(dlg.result() != QDialog::Accepted);
    dlg.m_btnCancel->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(dlg.getWOLConfig().getMacAddress().isEmpty());
}

void TestWakeupDialog::addressFormOpensForOtherNetworks_data()
{
    QTest::addColumn<int>("network");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("-1") << -1;
}

void TestWakeupDialog::addressFormOpensForOtherNetworks()
{
    QFETCH(int, network);
    CWOLConfig c = addressHost();
    c.setNetwork(network);
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    QCOMPARE(dlg.m_cmbNetwork->currentIndex(), -1);
    for (QWidget *w : QList<QWidget *>{dlg.m_lblNetwork, dlg.m_cmbNetwork, dlg.m_edtMAC,
                                       dlg.m_edtProfile, dlg.m_edtIPAddr, dlg.m_edtPort,
                                       dlg.m_chkWakeUp})
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(!dlg.m_edtMAC->isReadOnly());
    QCOMPARE(dlg.m_edtPort->text(), QStringLiteral("40009"));
    // Saving writes Network 1 whatever it was.
    QVERIFY(clickOk(dlg).isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.getWOLConfig().getNetwork(), 1);
}

void TestWakeupDialog::macPattern_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("mixed case") << QStringLiteral("02:1A:2b:3C:4d:5E") << true;
    QTest::newRow("lower case") << QStringLiteral("02:1a:2b:3c:4d:5e") << true;
    QTest::newRow("dashes") << QStringLiteral("02-1A-2B-3C-4D-5E") << false;
    QTest::newRow("five fields") << QStringLiteral("02:1A:2B:3C:4D") << false;
    QTest::newRow("trailing colon") << QStringLiteral("02:1A:2B:3C:4D:5E:") << false;
    QTest::newRow("seven fields") << QStringLiteral("02:1A:2B:3C:4D:5E:6F") << false;
    QTest::newRow("single digit") << QStringLiteral("2:1A:2B:3C:4D:5E") << false;
    QTest::newRow("not hex") << QStringLiteral("02:1A:2B:3C:4D:5G") << false;
    QTest::newRow("blank") << QStringLiteral(" 02:1A:2B:3C:4D:5E") << false;
}

void TestWakeupDialog::macPattern()
{
    QFETCH(QString, mac);
    QFETCH(bool, accepted);
    // The LAN form and the address form judge the MAC alike.
    for (int network : {0, 1}) {
        CWOLConfig c = addressHost();
        c.setNetwork(network);
        c.setMacAddress(mac);
        CVorkDialogWakeupAdd dlg(nullptr, &c);
        QVERIFY(showActive(dlg));
        QCOMPARE(dlg.m_edtMAC->text(), mac);
        const QList<SeenBox> boxes = clickOk(dlg);
        if (accepted) {
            QVERIFY(boxes.isEmpty());
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.getWOLConfig().getMacAddress(), mac);
        } else {
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].text, QStringLiteral("Please enter a valid MAC address."));
            QVERIFY(dlg.isVisible());
        }
    }
}

void TestWakeupDialog::checkOrder()
{
    // Invalid MAC, empty profile, empty host and a bad port: only the MAC is reported.
    CWOLConfig c = addressHost();
    c.setMacAddress(QStringLiteral("02:1A"));
    c.setProfile(QString());
    c.setAddrName(QString());
    c.setPortNum(0);
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    QList<SeenBox> boxes = clickOk(dlg);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("Please enter a valid MAC address."));

    // Then the profile, then the host, then the port, each alone.
    dlg.m_edtMAC->setText(QStringLiteral("02:1A:2B:3C:4D:5E"));
    boxes = clickOk(dlg);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("Please enter a profile name."));
    dlg.m_edtProfile->setText(QStringLiteral("Cellar"));
    boxes = clickOk(dlg);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("Please enter a valid hostname or IP address."));
    dlg.m_edtIPAddr->setText(QStringLiteral("198.18.1.2"));
    boxes = clickOk(dlg);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("The port number must be between 1 and 65535."));
    QCOMPARE(boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes[0].buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(dlg.isVisible());
    dlg.m_edtPort->setText(QStringLiteral("9"));
    QVERIFY(clickOk(dlg).isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

void TestWakeupDialog::debugLinesOfRefusedInputs()
{
    CWOLConfig c = addressHost();
    c.setAddrName(QString());
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    BoxCatcher catcher;
    {
        DebugLines debug;
        catcher.start();
        QCOMPARE(dlg.checkInput(), false);
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY2(debug.contains(QStringLiteral(" (m_edtIPAddr->text()).toAscii().data()=[\n]\n")),
                 qPrintable(debug.lines().join(QStringLiteral("|"))));
    }
    dlg.m_edtIPAddr->setText(QStringLiteral("198.18.1.2"));
    dlg.m_edtPort->setText(QStringLiteral("x"));
    {
        DebugLines debug;
        catcher.start();
        QCOMPARE(dlg.checkInput(), false);
        QCOMPARE(catcher.boxes.size(), 1);
        QVERIFY2(debug.contains(QStringLiteral(" (m_edtPort->text()).toAscii().data()=[x\n]\n")),
                 qPrintable(debug.lines().join(QStringLiteral("|"))));
    }
    dlg.m_edtPort->setText(QStringLiteral("9"));
    catcher.start();
    QCOMPARE(dlg.checkInput(), true);
    QVERIFY(catcher.boxes.isEmpty());
}

void TestWakeupDialog::ports_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("selected");
    QTest::newRow("0") << QStringLiteral("0") << false << true;
    QTest::newRow("65536") << QStringLiteral("65536") << false << true;
    QTest::newRow("abc") << QStringLiteral("abc") << false << true;
    QTest::newRow("-5") << QStringLiteral("-5") << false << true;
    QTest::newRow("0x10") << QStringLiteral("0x10") << false << true;
    QTest::newRow("empty") << QString() << false << false;
    QTest::newRow("1") << QStringLiteral("1") << true << false;
    QTest::newRow("65535") << QStringLiteral("65535") << true << false;
    QTest::newRow("9") << QStringLiteral("9") << true << false;
}

void TestWakeupDialog::ports()
{
    QFETCH(QString, port);
    QFETCH(bool, valid);
    QFETCH(bool, selected);
    CWOLConfig c = addressHost();
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    dlg.m_edtPort->setText(port);
    dlg.m_edtPort->deselect();
    QCOMPARE(dlg.isPortValid(), valid);
    QCOMPARE(dlg.m_edtPort->hasSelectedText(), selected);
    if (selected)
        QCOMPARE(dlg.m_edtPort->selectedText(), port);

    // Through OK: the selection is there while the message box is up.
    dlg.m_edtPort->deselect();
    bool selectedDuringBox = false;
    BoxCatcher catcher;
    catcher.onBox = [&]() { selectedDuringBox = dlg.m_edtPort->selectedText() == port && !port.isEmpty(); };
    catcher.start();
    dlg.m_btnOK->click();
    const QList<SeenBox> boxes = catcher.boxes;
    if (valid) {
        QVERIFY(boxes.isEmpty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.getWOLConfig().getPortNum(), port.toInt());
    } else {
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("The port number must be between 1 and 65535."));
        QVERIFY(dlg.isVisible());
        QCOMPARE(selectedDuringBox, selected);
    }
}

void TestWakeupDialog::addressFormSavesAllFields()
{
    CWOLConfig c = addressHost();
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    dlg.m_edtMAC->setText(QStringLiteral("02:AA:BB:CC:DD:EE"));
    dlg.m_edtProfile->setText(QStringLiteral("Office"));
    dlg.m_edtIPAddr->setText(QStringLiteral("198.18.1.2"));
    dlg.m_edtPort->setText(QStringLiteral("7"));
    dlg.m_chkWakeUp->setChecked(true);
    QVERIFY(clickOk(dlg).isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const CWOLConfig saved = dlg.getWOLConfig();
    QCOMPARE(saved.getNetwork(), 1);
    QCOMPARE(saved.getMacAddress(), QStringLiteral("02:AA:BB:CC:DD:EE"));
    QCOMPARE(saved.getProfile(), QStringLiteral("Office"));
    QCOMPARE(saved.getAddrName(), QStringLiteral("198.18.1.2"));
    QCOMPARE(saved.getPortNum(), 7);
    QVERIFY(dlg.isWakeUpChecked());
    // The caller's record is a separate copy.
    QCOMPARE(c.getProfile(), QStringLiteral("Cellar"));
}

void TestWakeupDialog::cancelLeavesRecord()
{
    CWOLConfig c = addressHost();
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    dlg.m_edtProfile->setText(QStringLiteral("Changed"));
    dlg.m_edtPort->setText(QStringLiteral("12"));
    dlg.m_btnCancel->click();
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    const CWOLConfig kept = dlg.getWOLConfig();
    QCOMPARE(kept.getProfile(), QStringLiteral("Cellar"));
    QCOMPARE(kept.getPortNum(), 40009);
    QCOMPARE(kept.getNetwork(), 1);
    // Closing the window is the same as Cancel.
    CVorkDialogWakeupAdd dlg2(nullptr, &c);
    QVERIFY(showActive(dlg2));
    dlg2.m_edtProfile->setText(QStringLiteral("Changed"));
    dlg2.close();
    QCOMPARE(dlg2.getWOLConfig().getProfile(), QStringLiteral("Cellar"));
}

void TestWakeupDialog::selectorSwitchesForms()
{
    CWOLConfig c = addressHost();
    CVorkDialogWakeupAdd dlg(nullptr, &c);
    QVERIFY(showActive(dlg));
    // Choosing LAN switches to the LAN form and saves as a LAN host.
    dlg.m_cmbNetwork->setCurrentIndex(0);
    QVERIFY(!dlg.m_edtProfile->isVisible());
    QVERIFY(!dlg.m_cmbNetwork->isVisible());
    QVERIFY(dlg.m_edtMAC->isReadOnly());
    // Back to the address form through the slot: the address rows and an editable MAC.
    dlg.slotNetSelectChanged(-1);
    QVERIFY(dlg.m_edtProfile->isVisible() && dlg.m_edtIPAddr->isVisible() && dlg.m_edtPort->isVisible());
    QVERIFY(!dlg.m_edtMAC->isReadOnly());
    QVERIFY(dlg.m_edtMAC->isEnabled());
    dlg.slotNetSelectChanged(0);
    QVERIFY(clickOk(dlg).isEmpty());
    QCOMPARE(dlg.getWOLConfig().getNetwork(), 0);
    QCOMPARE(dlg.getWOLConfig().getPortNum(), 40009);
}

void TestWakeupDialog::nullRecord()
{
    CVorkDialogWakeupAdd dlg(nullptr, nullptr);
    QCOMPARE(dlg.m_cmbNetwork->currentIndex(), 0);
    QCOMPARE(dlg.m_edtPort->text(), QStringLiteral("9"));
    QVERIFY(dlg.m_edtMAC->text().isEmpty());
}

int main(int argc, char **argv)
{
    qputenv("LC_ALL", "C");
    QTemporaryDir configDir;
    if (!configDir.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir.path()));
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
    QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
    TestWakeupDialog tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_wakeupdialog.moc"
