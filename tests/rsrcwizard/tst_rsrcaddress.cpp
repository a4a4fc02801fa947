// The address page of the resource-monitor wizard: how it fills itself, how it follows the
// typing of host and port, and its checks on Next in their order.

#include <QComboBox>
#include <QRadioButton>

#include "CVorkNasinfoMap.h"
#include "HangGuard.h"
#include "platforms.h"
#include "rsrcwiztest.h"

using namespace rsrcwiztest;

namespace {
const char kNotReadyText[] =
    "Not ready.To monitor the resource of [Quenlori Server], please make sure the server is "
    "installed and configured correctly.\nAre you sure you want to continue?";
const char kPortText[] = "The port number must be between 1 and 65535.";
} // namespace

class TestRsrcAddress : public QObject
{
    Q_OBJECT

private:
    CVorkNasinfoMap m_map;
    CVorkNasinfoModel m_model;

    // An add run taken to the address page by "Manual setup".
    CVorkWizardRsrcMon *manualRun()
    {
        auto *w = new CVorkWizardRsrcMon(nullptr, &m_model, &m_map, nullptr, false);
        w->show();
        w->serverChoicePage()->m_rdoManInput->click();
        nextButton(*w)->click();
        return w;
    }

    CVorkWizardRsrcMon *editRun(const CRsrcConfig &config)
    {
        auto *w = new CVorkWizardRsrcMon(nullptr, nullptr, &m_map, nullptr, true);
        w->setConfig(config);
        w->show();
        return w;
    }

private slots:
    void init()
    {
        clearStoredProfiles();
        m_map.clear();
        m_map.insert(makeNas("00:11:32:00:00:01", "ready1", netAddr(198, 18, 0, 21)), true);
        m_map.insert(makeNas("00:11:32:00:00:02", "nobit1240", netAddr(198, 18, 0, 22),
                             FHOSTQC_DONE, 1240), true);
        m_map.insert(makeNas("00:11:32:00:00:03", "busy", netAddr(198, 18, 0, 23),
                             FHOSTQC_UNINSTALL), true);
        // Web port 0 on an old build: the default port 80.
        m_map.insert(makeNas("00:11:32:00:00:04", "oldport", netAddr(198, 18, 0, 24),
                             FHOSTQC_DONE, 1000, 0), true);
        // A found server whose name is a host name that resolves.
        m_map.insert(makeNas("00:11:32:00:00:05", "localhost", netAddr(198, 18, 0, 25)), true);
        m_model.setNasinfoMap(&m_map);
    }

    void pageLook()
    {
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(p->title(), QStringLiteral("Setup network"));
        QCOMPARE(p->m_pcmbProto->count(), 1);
        QCOMPARE(p->m_pcmbProto->itemText(0), QStringLiteral("http"));
        QCOMPARE(p->m_plblProto->text(), QStringLiteral("Protocol:"));
        QCOMPARE(p->m_plblHost->text(), QStringLiteral("Hostname/IP address:"));
        QCOMPARE(p->m_plblPort->text(), QStringLiteral("Port number:"));
        QCOMPARE(p->m_plblProfile->text(), QStringLiteral("Name:"));
        QCOMPARE(p->m_plblHost->toolTip(), QStringLiteral("Please enter the hostname or IP address."));
        QCOMPARE(p->m_pedtHost->toolTip(), p->m_plblHost->toolTip());
        QCOMPARE(p->m_plblPort->toolTip(), QString::fromLatin1(kPortText));
        QCOMPARE(p->m_pedtPort->toolTip(), QString::fromLatin1(kPortText));
        QCOMPARE(p->m_pedtProfile->maxLength(), 32);
        QCOMPARE(p->m_plblHost->buddy(), static_cast<QWidget *>(p->m_pedtHost));
        QCOMPARE(p->m_plblPort->buddy(), static_cast<QWidget *>(p->m_pedtPort));
        QCOMPARE(p->m_plblProfile->buddy(), static_cast<QWidget *>(p->m_pedtProfile));
        QCOMPARE(p->m_plblProto->buddy(), static_cast<QWidget *>(p->m_pcmbProto));
    }

    void filledFromEditedProfile()
    {
        // The edited profile wins over a target server.
        QScopedPointer<CVorkWizardRsrcMon> w(new CVorkWizardRsrcMon(nullptr, nullptr, &m_map,
                                                                    nullptr, true));
        w->setNasinfo(m_map.findByName(QStringLiteral("ready1")));
        w->setConfig(CRsrcConfig(8080, false, QStringLiteral("Office"),
                                 QStringLiteral("office.example"), QStringLiteral("ops"), QString()));
        w->show();
        CWizRsrcIPDialog *p = w->addressPage();
        QVERIFY(p->isInitialized());
        QCOMPARE(p->m_pedtHost->text(), QStringLiteral("office.example"));
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("8080"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("Office"));
    }

    void filledFromTargetServer_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::newRow("web port") << "ready1" << "198.18.0.21" << "5000";
        QTest::newRow("default web port") << "oldport" << "198.18.0.24" << "80";
    }

    void filledFromTargetServer()
    {
        QFETCH(QString, server);
        QFETCH(QString, host);
        QFETCH(QString, port);
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        w.setNasinfo(m_map.findByName(server));
        CWizRsrcIPDialog *p = w.addressPage();
        p->m_pedtProfile->setText(QStringLiteral("left over"));
        QVERIFY(p->initFields());
        QCOMPARE(p->m_pedtHost->text(), host);
        QCOMPARE(p->m_pedtPort->text(), port);
        QCOMPARE(p->m_pedtProfile->text(), server);
    }

    void filledWithNothing()
    {
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        CWizRsrcIPDialog *p = w.addressPage();
        p->setFields(QStringLiteral("h"), 1, QStringLiteral("n"));
        QVERIFY(p->initFields());
        QCOMPARE(p->m_pedtHost->text(), QString());
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("80"));
        QCOMPARE(p->m_pedtProfile->text(), QString());
    }

    void typingFollowsTheHost()
    {
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();

        // A found server's address: its web port, read-only, and its name.
        typeInto(p->m_pedtProfile, QStringLiteral("typed by hand"));
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.21"));
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("5000"));
        QVERIFY(p->m_pedtPort->isReadOnly());
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("ready1"));

        // Another keystroke makes it an unknown address: the address itself is the name, and
        // the port is editable again (it keeps the server's port).
        QTest::keyClick(p->m_pedtHost, Qt::Key_9);
        QCOMPARE(p->m_pedtHost->text(), QStringLiteral("198.18.0.219"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("198.18.0.219"));
        QVERIFY(!p->m_pedtPort->isReadOnly());

        // Names: the part before the first dot, nothing without a dot.
        typeInto(p->m_pedtHost, QStringLiteral("nas.example"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("nas"));
        typeInto(p->m_pedtProfile, QStringLiteral("Mine"));
        typeInto(p->m_pedtHost, QStringLiteral("nas"));
        QCOMPARE(p->m_pedtProfile->text(), QString());
        // An incomplete address is a name too.
        typeInto(p->m_pedtHost, QStringLiteral("198.18"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("198"));

        // A found server's name (exact) also finds it.
        typeInto(p->m_pedtHost, QStringLiteral("oldport"));
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("80"));
        QVERIFY(p->m_pedtPort->isReadOnly());
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("oldport"));
        typeInto(p->m_pedtHost, QStringLiteral("OLDPORT"));
        QVERIFY(!p->m_pedtPort->isReadOnly());
        QVERIFY(boxes.seen.isEmpty());
    }

    void noLookupBeforeFirstShow()
    {
        CVorkWizardRsrcMon w(nullptr, &m_model, &m_map, nullptr, false);
        CWizRsrcIPDialog *p = w.addressPage();
        QVERIFY(!p->isInitialized());
        QVERIFY(!p->findServer(QStringLiteral("198.18.0.21")));
        p->m_pedtHost->setText(QStringLiteral("198.18.0.21"));
        p->slotFieldsHostChanged();
        QCOMPARE(p->m_pedtProfile->text(), QString());
        QVERIFY(!p->m_pedtPort->isReadOnly());
    }

    void programmaticTextIsNoEdit()
    {
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        QVERIFY(p->findServer(QStringLiteral("198.18.0.21")));
        QVERIFY(!p->findServer(QString()));
        p->m_pedtHost->setText(QStringLiteral("198.18.0.21"));
        QCOMPARE(p->m_pedtProfile->text(), QString());
        BoxAnswerer boxes;
        p->m_pedtPort->setText(QStringLiteral("0"));
        QCoreApplication::processEvents();
        QVERIFY(boxes.seen.isEmpty());
    }

    void portCheckedAtEachKeystroke()
    {
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.60"));
        // The whole port text is selected while the box is up.
        QStringList selected;
        boxes.onBox = [&] { selected << p->m_pedtPort->selectedText(); };
        // Typed as a user types: into the focused edit of the active window.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.data(), tsup::guardMs()));
        p->m_pedtPort->setFocus();

        typeInto(p->m_pedtPort, QStringLiteral("0"));
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen[0].text, QString::fromLatin1(kPortText));
        QCOMPARE(boxes.seen[0].buttons, QStringList({"OK"}));
        QCOMPARE(selected, QStringList({"0"}));

        // "7", "70", "700", "7000" pass; the fifth keystroke makes 70000.
        boxes.reset();
        typeInto(p->m_pedtPort, QStringLiteral("70000"));
        QCOMPARE(boxes.texts(), QStringList({kPortText}));
        QCOMPARE(selected, QStringList({"0", "70000"}));

        boxes.reset();
        typeInto(p->m_pedtPort, QStringLiteral("65535"));
        QVERIFY(boxes.seen.isEmpty());
        typeInto(p->m_pedtPort, QStringLiteral("x"));
        QCOMPARE(boxes.seen.size(), 1);

        // Clearing the port says nothing, and Next waits for a port.
        boxes.reset();
        typeInto(p->m_pedtPort, QString());
        QCOMPARE(p->m_pedtPort->text(), QString());
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(!nextButton(*w)->isEnabled());
        typeInto(p->m_pedtPort, QStringLiteral("1"));
        QVERIFY(nextButton(*w)->isEnabled());
    }

    void portOnNext()
    {
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.60"));
        p->m_pedtPort->setText(QStringLiteral("99999"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(boxes.texts(), QStringList({kPortText}));

        // An empty port (reachable only from the server-choice page) becomes the default.
        boxes.reset();
        p->m_pedtPort->clear();
        QVERIFY(p->validatePage());
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("80"));
        QVERIFY(boxes.seen.isEmpty());
    }

    void notReadyServerAsks()
    {
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.23"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("busy"));

        boxes.plan({QStringLiteral("No")}, true);
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(boxes.seen.size(), 1);
        const BoxAnswerer::Seen s = boxes.seen[0];
        QCOMPARE(s.icon, QMessageBox::Warning);
        QCOMPARE(s.title, QStringLiteral("Warning"));
        QCOMPARE(s.text, QString::fromLatin1(kNotReadyText));
        QCOMPARE(s.buttons, QStringList({"Yes", "No"}));
        QVERIFY(s.survivedEscape); // only a button answers
        // Refused, yet the server is the target now.
        QVERIFY(w->getNasinfo());
        QCOMPARE(w->getNasinfo()->ulIP, netAddr(198, 18, 0, 23));

        boxes.reset();
        boxes.plan({QStringLiteral("Yes")});
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        QCOMPARE(boxes.seen.size(), 1);
    }

    void unsupportedServerRefused()
    {
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("nobit1240"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen[0].text,
                 QStringLiteral("This function is not supported by the connected device."));
        QCOMPARE(w->getNasinfo()->ulBuild, uint32_t(1240));
    }

    void foundServerByNameResolvesByName()
    {
        // "localhost" is a found server's name: its record is the target, but the profile keeps
        // the name, which resolves to loopback.
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("localhost"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("localhost"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(w->getNasinfo()->ulIP, netAddr(198, 18, 0, 25));
        QCOMPARE(w->field(QStringLiteral("HostAddr")).toString(), QStringLiteral("localhost"));
    }

    void addressAndPortAlreadyWatched()
    {
        // The stored profile names the host, the user types the number: message with the text
        // as typed.
        storeProfile(QStringLiteral("Loop"), QStringLiteral("localhost"), 5000);
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("127.0.0.1"));
        p->m_pedtPort->setText(QStringLiteral("05000")); // typed, "0" alone would be refused
        typeInto(p->m_pedtProfile, QStringLiteral("Second"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(boxes.texts(),
                 QStringList({"The server with the IP [127.0.0.1] and connecting through port "
                              "[05000] has already been added."}));
        QCOMPARE(boxes.seen[0].title, QStringLiteral("Error"));

        // Another port of the same host is fine.
        boxes.reset();
        typeInto(p->m_pedtPort, QStringLiteral("5001"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        QVERIFY(boxes.seen.isEmpty());
    }

    void profileNameTaken()
    {
        storeProfile(QStringLiteral("Office"), QStringLiteral("198.18.0.50"), 5000);
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.51"));
        typeInto(p->m_pedtProfile, QStringLiteral("oFFice"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(boxes.texts(), QStringList({"Server name [oFFice] already exists."}));
        QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
        // The name text goes into the message as it stands.
        boxes.reset();
        storeProfile(QStringLiteral("%1 x"), QStringLiteral("198.18.0.52"), 5000);
        typeInto(p->m_pedtProfile, QStringLiteral("%1 X"));
        nextButton(*w)->click();
        QCOMPARE(boxes.texts(), QStringList({"Server name [%1 X] already exists."}));
    }

    void editKeepsItsOwnNameAndAddress()
    {
        CRsrcConfig office = storeProfile(QStringLiteral("Office"), QStringLiteral("198.18.0.50"), 5000);
        storeProfile(QStringLiteral("Lab"), QStringLiteral("198.18.0.51"), 5000);
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(editRun(office));
        CWizRsrcIPDialog *p = w->addressPage();

        // Unchanged: its own address, port and name pass.
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        backButton(*w)->click();
        // Only the letter case changed.
        typeInto(p->m_pedtProfile, QStringLiteral("OFFICE"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        backButton(*w)->click();
        QVERIFY(boxes.seen.isEmpty());

        // Another profile's name or address and port are refused.
        typeInto(p->m_pedtProfile, QStringLiteral("lab"));
        nextButton(*w)->click();
        typeInto(p->m_pedtProfile, QStringLiteral("Office"));
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.51"));
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(boxes.texts(),
                 QStringList({"Server name [lab] already exists.",
                              "The server with the IP [198.18.0.51] and connecting through port "
                              "[5000] has already been added."}));
    }

    void builtRecordCountsAsEditedAfterSummary()
    {
        // An add run that reached the summary: going back, the record built there is the profile
        // being edited, so a profile stored meanwhile under that name and address does not
        // block it.
        BoxAnswerer boxes;
        QScopedPointer<CVorkWizardRsrcMon> w(manualRun());
        CWizRsrcIPDialog *p = w->addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.70"));
        nextButton(*w)->click();
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 3);
        QVERIFY(w->getConfig());
        storeProfile(QStringLiteral("198.18.0.70"), QStringLiteral("198.18.0.70"), 80);
        backButton(*w)->click();
        backButton(*w)->click();
        QCOMPARE(w->currentId(), 1);
        nextButton(*w)->click();
        QCOMPARE(w->currentId(), 2);
        QVERIFY(boxes.seen.isEmpty());
    }
};

RSRC_WIZARD_TEST_MAIN(TestRsrcAddress)
#include "tst_rsrcaddress.moc"
