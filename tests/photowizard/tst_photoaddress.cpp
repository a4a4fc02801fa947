// The address page of the photo-profile wizard: how it fills itself, how it follows typing of
// host and port, and the order of its checks on Next.

#include <QNetworkInterface>
#include <QtTest>

#include "../shellwin/shelltestmain.h"
#include "CVorkNasinfoMap.h"
#include "HangGuard.h"
#include "photowiztest.h"
#include "platforms.h"

using namespace photowiztest;

namespace {
const char kNotReadyText[] =
    "Not ready.To upload photos to [Quenlori Server], please make sure the server is installed "
    "and configured correctly.\nAre you sure you want to continue?";
const char kPortText[] = "The port number must be between 1 and 65535.";
} // namespace

class TestPhotoAddress : public QObject
{
    Q_OBJECT

private:
    CVorkNasinfoMap m_map;

    CPhotoUploadConfig editedProfile() const
    {
        CPhotoUploadConfig c(8080, true, QStringLiteral("Office"), QStringLiteral("198.18.0.50"),
                             scrambleEncodeString(QStringLiteral("pw")),
                             QStringLiteral("bob"), false, QString());
        return c;
    }

private slots:
    void init()
    {
        clearStoredProfiles();
        m_map.clear();
        // Found servers: a ready one, one with a build too old for photos, one not ready, and
        // one whose name is a loopback address.
        m_map.insert(makeNas("00:11:32:00:00:01", "nas1", netAddr(198, 18, 0, 21)), true);
        m_map.insert(makeNas("00:11:32:00:00:02", "oldnas", netAddr(198, 18, 0, 22),
                             FHOSTQC_FALSE, 1092), true);
        m_map.insert(makeNas("00:11:32:00:00:03", "busy", netAddr(198, 18, 0, 23),
                             FHOSTQC_FALSE), true);
        m_map.insert(makeNas("00:11:32:00:00:04", "127.0.0.1", netAddr(198, 18, 0, 24)), true);
    }

    void filledFromEditedRecord()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        // The target server announces other web ports; the edited record wins all the same.
        w.setNasinfo(m_map.findByName(QStringLiteral("nas1")));
        w.setPhotoUploadConfig(editedProfile());
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(p->m_pedtHost->text(), QStringLiteral("198.18.0.50"));
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("8080"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("Office"));
        QCOMPARE(p->m_pcmbProto->count(), 1);
        QCOMPARE(p->m_pcmbProto->itemText(0), QStringLiteral("http"));
    }

    void filledFromTargetServer()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.setNasinfo(m_map.findByName(QStringLiteral("nas1")));
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        QCOMPARE(p->m_pedtHost->text(), QStringLiteral("198.18.0.21"));
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("80"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("nas1"));
    }

    void filledWithoutRecords()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        QCOMPARE(p->m_pedtHost->text(), QString());
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("80"));
        QCOMPARE(p->m_pedtProfile->text(), QString());
        QVERIFY(!nextButton(w)->isEnabled());
    }

    void serverNameMadeUnique_data()
    {
        QTest::addColumn<QString>("serverName");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << "office" << QStringList{"other"} << "office";
        QTest::newRow("taken twice") << "office" << QStringList{"office", "office(1)"}
                                     << "office(2)";
        QTest::newRow("other case taken") << "Office" << QStringList{"OFFICE"} << "Office(1)";
        QTest::newRow("empty name") << "" << QStringList{"office"} << "";
        // The edit holds 32 characters: the name is shortened to make room for the number.
        QTest::newRow("long name") << QString(35, QLatin1Char('a'))
                                   << QStringList{QString(32, QLatin1Char('a'))}
                                   << QString(29, QLatin1Char('a')) + "(1)";
        QTest::newRow("long name twice")
            << QString(35, QLatin1Char('a'))
            << QStringList{QString(32, QLatin1Char('a')), QString(29, QLatin1Char('a')) + "(1)"}
            << QString(29, QLatin1Char('a')) + "(2)";
        QTest::newRow("31 chars")
            << QString(31, QLatin1Char('b')) << QStringList{QString(31, QLatin1Char('b'))}
            << QString(29, QLatin1Char('b')) + "(1)";
    }
    void serverNameMadeUnique()
    {
        QFETCH(QString, serverName);
        QFETCH(QStringList, stored);
        QFETCH(QString, expected);
        for (const QString &name : stored)
            storeProfile(name);
        NASINFO *n = makeNas("00:11:32:00:00:09", serverName.toLatin1().constData(),
                             netAddr(198, 18, 0, 30));
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.setNasinfo(n);
        delete n;
        w.show();
        QCOMPARE(w.addressPage()->m_pedtProfile->text(), expected);
    }

    // The longest name a record can carry (its whole 36-byte slot, no terminator) whose
    // 32-character form is stored: every numbered candidate must still differ from it. A search
    // that never ends never comes back from show(): the test function's time limit ends it.
    void fullNameSlotDoesNotHang()
    {
        storeProfile(QString(32, QLatin1Char('a')));
        NASINFO *n = makeNas("00:11:32:00:00:09", "", netAddr(198, 18, 0, 30));
        std::memset(n->szServerName, 'a', sizeof n->szServerName);
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.setNasinfo(n);
        delete n;
        w.show();
        QCOMPARE(w.addressPage()->m_pedtProfile->text(), QString(29, QLatin1Char('a')) + "(1)");
    }

    void typingFollowsFoundServers()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        p->m_pedtPort->setText(QStringLiteral("8080"));
        p->m_pedtHost->selectAll();

        // Each keystroke of "198.18.0.210": the profile, and the port after it.
        const QString address = QStringLiteral("198.18.0.210");
        const QStringList profiles = {"", "", "", "198", "198", "198", "198", "198", "198",
                                      "198.18.0.2", "nas1", "198.18.0.210"};
        const QStringList ports = {"8080", "8080", "8080", "8080", "8080", "8080", "8080",
                                   "8080", "8080", "8080", "80", "80"};
        for (int i = 0; i < address.size(); ++i) {
            QTest::keyClick(p->m_pedtHost, address.at(i).toLatin1());
            QCOMPARE(p->m_pedtHost->text(), address.left(i + 1));
            QCOMPARE(p->m_pedtProfile->text(), profiles.at(i));
            QCOMPARE(p->m_pedtPort->text(), ports.at(i));
        }

        // The name in another case names the server at its last keystroke only.
        p->m_pedtPort->setText(QStringLiteral("8080"));
        typeInto(p->m_pedtHost, QStringLiteral("NAS"));
        QCOMPARE(p->m_pedtProfile->text(), QString());
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("8080"));
        QTest::keyClick(p->m_pedtHost, '1');
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("nas1"));
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("80"));
        QTest::keyClick(p->m_pedtHost, 'x');
        QCOMPARE(p->m_pedtProfile->text(), QString());
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("80"));
    }

    void typingUnknownHosts()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();

        typeInto(p->m_pedtHost, QStringLiteral("192.168"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("192"));
        typeInto(p->m_pedtHost, QStringLiteral("192.168.1.10"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("192.168.1.10"));
        QVERIFY(nextButton(w)->isEnabled());
        typeInto(p->m_pedtHost, QStringLiteral("nas"));
        QCOMPARE(p->m_pedtProfile->text(), QString());
        QVERIFY(!nextButton(w)->isEnabled());
        typeInto(p->m_pedtHost, QStringLiteral("nas.example.lan"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("nas"));

        // Loopback is no host address: it is looked up as a name (and found), and without a
        // server of that name it gives the part before the first ".".
        typeInto(p->m_pedtHost, QStringLiteral("127.0.0.1"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("80"));
        typeInto(p->m_pedtHost, QStringLiteral("127.0.0.2"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("127"));
    }

    // Before the page is first entered, edits change nothing else.
    void slotsIdleBeforeFirstEntry()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        CWizPhotoIPDialog *p = w.addressPage();
        BoxAnswerer boxes;
        QTest::keyClicks(p->m_pedtHost, QStringLiteral("198.18.0.21"));
        QCOMPARE(p->m_pedtProfile->text(), QString());
        QTest::keyClicks(p->m_pedtPort, QStringLiteral("0"));
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("0"));
    }

    void badPortsRaiseTheBox_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("boxesWhileTyping");
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("65536") << "65536" << 1;
        QTest::newRow("-1") << "-1" << 2; // the lone "-" already
        QTest::newRow("a") << "a" << 1;
        QTest::newRow("blank") << " " << 1;
    }
    void badPortsRaiseTheBox()
    {
        QFETCH(QString, port);
        QFETCH(int, boxesWhileTyping);
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.77"));
        BoxAnswerer boxes;
        typeInto(p->m_pedtPort, port);
        QCOMPARE(p->m_pedtPort->text(), port);
        QCOMPARE(boxes.seen.size(), boxesWhileTyping);
        for (const BoxAnswerer::Seen &s : boxes.seen) {
            QCOMPARE(s.icon, QMessageBox::Critical);
            QCOMPARE(s.title, QStringLiteral("Error"));
            QCOMPARE(s.text, QString::fromLatin1(kPortText));
            QCOMPARE(s.buttons, QStringList{"OK"});
            QCOMPARE(s.parent, static_cast<QWidget *>(p));
        }

        boxes.reset();
        p->m_pedtPort->deselect();
        boxes.plan(QStringList(), true);
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(boxes.texts(), QStringList{kPortText});
        QVERIFY(!boxes.seen.first().survivedEscape); // Escape closes a one-button box
        QCOMPARE(p->m_pedtPort->selectedText(), port);
    }

    void goodAndEmptyPorts()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.77"));
        BoxAnswerer boxes;
        typeInto(p->m_pedtPort, QString());
        QCOMPARE(p->m_pedtPort->text(), QString());
        QVERIFY(!nextButton(w)->isEnabled());
        typeInto(p->m_pedtPort, QStringLiteral("65535"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        w.back();
        typeInto(p->m_pedtPort, QStringLiteral("1"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QVERIFY(boxes.seen.isEmpty());
    }

    // An old build fails at once, before the readiness question and the port check.
    void unsupportedServerFailsFirst()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.22"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("oldnas"));
        p->m_pedtPort->setText(QStringLiteral("0"));
        BoxAnswerer boxes;
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen.first().text,
                 QStringLiteral("This function is not supported by the connected device."));
        QCOMPARE(boxes.seen.first().buttons, QStringList{"OK"});
    }

    void notReadyServerAsks()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        // By address: a name would go to a real lookup once the questions are passed.
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.23"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("busy"));

        BoxAnswerer boxes;
        boxes.plan({"No"}, true);
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(boxes.seen.size(), 1);
        const BoxAnswerer::Seen s = boxes.seen.first();
        QCOMPARE(s.icon, QMessageBox::Warning);
        QCOMPARE(s.title, QStringLiteral("Warning"));
        QCOMPARE(s.text, QString::fromLatin1(kNotReadyText));
        QCOMPARE(s.buttons, (QStringList{"Yes", "No"}));
        QCOMPARE(s.defaultButton, QStringLiteral("Yes"));
        QVERIFY(s.survivedEscape);

        // "Yes" goes on to the port check, which still stops the page.
        boxes.reset();
        boxes.plan({"Yes", "OK"});
        p->m_pedtPort->setText(QStringLiteral("0"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(boxes.texts(), (QStringList{kNotReadyText, kPortText}));

        // "Yes" with a good port passes.
        boxes.reset();
        boxes.plan({"Yes"});
        p->m_pedtPort->setText(QStringLiteral("80"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QCOMPARE(boxes.texts(), QStringList{kNotReadyText});
    }

    // A host that names no found server skips the server checks; a host name resolves through
    // the hosts file.
    void unknownHostSkipsServerChecks()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("localhost"));
        typeInto(p->m_pedtProfile, QStringLiteral("home"));
        BoxAnswerer boxes;
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(w.field("HostAddr").toString(), QStringLiteral("localhost"));
    }

    void duplicateProfileName()
    {
        storeProfile(QStringLiteral("office"));
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.77"));
        typeInto(p->m_pedtProfile, QStringLiteral("Office"));
        BoxAnswerer boxes;
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen.first().text, QStringLiteral("Profile name [Office] already exists."));
        QCOMPARE(boxes.seen.first().buttons, QStringList{"OK"});
    }

    // The edited profile may keep its own name in another case; another stored name is refused.
    void editedProfileKeepsItsName()
    {
        storeProfile(QStringLiteral("office"));
        storeProfile(QStringLiteral("lab"));
        CPhotoUploadConfig stored = editedProfile();
        stored.setProfile(QStringLiteral("office"));
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setPhotoUploadConfig(stored);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        BoxAnswerer boxes;
        typeInto(p->m_pedtProfile, QStringLiteral("LAB"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(boxes.texts(), QStringList{"Profile name [LAB] already exists."});
        boxes.reset();
        typeInto(p->m_pedtProfile, QStringLiteral("OFFICE"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 3);
        finishButton(w)->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(boxes.seen.isEmpty());
        QCOMPARE(w.getPhotoUploadConfig()->getProfile(), QStringLiteral("OFFICE"));
    }

    // Entering the page forward again puts the records' values back over what was typed.
    void forwardEntryReloads()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        w.setPhotoUploadConfig(editedProfile());
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("198.18.0.88"));
        typeInto(p->m_pedtProfile, QStringLiteral("typed"));
        nextButton(w)->click();
        QCOMPARE(w.currentId(), 2);
        backButton(w)->click();
        // Back keeps the typed values.
        QCOMPARE(p->m_pedtHost->text(), QStringLiteral("198.18.0.88"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("typed"));
        w.restart();
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(p->m_pedtHost->text(), QStringLiteral("198.18.0.50"));
        QCOMPARE(p->m_pedtPort->text(), QStringLiteral("8080"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("Office"));
    }

    void texts()
    {
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, true);
        CWizPhotoIPDialog *p = w.addressPage();
        QCOMPARE(p->title(), QStringLiteral("Setup network"));
        QCOMPARE(p->subTitle(), QStringLiteral("Enter the network settings."));
        QCOMPARE(p->m_plblProto->text(), QStringLiteral("Protocol:"));
        QCOMPARE(p->m_plblHost->text(), QStringLiteral("Hostname/IP address:"));
        QCOMPARE(p->m_plblPort->text(), QStringLiteral("Port number:"));
        QCOMPARE(p->m_plblProfile->text(), QStringLiteral("Profile Name:"));
        QCOMPARE(p->m_pedtHost->toolTip(),
                 QStringLiteral("Please enter the hostname or IP address."));
        QCOMPARE(p->m_plblPort->toolTip(), QString::fromLatin1(kPortText));
        QVERIFY(p->m_pedtProfile->toolTip().startsWith("The profile name is used"));
        QCOMPARE(p->m_pgrpHint->title(), QStringLiteral("Hint:"));
        QCOMPARE(p->m_plblHint->text(),
                 QStringLiteral("Please enter the connection information to access your "
                                "Imagrove."));
        QCOMPARE(p->m_pedtProfile->maxLength(), 32);
    }

    // Run only by its own ctest entry inside a fresh network namespace with no route, where a
    // failing lookup ends at once and no query leaves the machine.
    void unresolvableHost()
    {
        if (qgetenv("VORK_EMPTY_NETNS") != "1")
            QSKIP("runs only inside its own empty network namespace");
        for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
            if (!(iface.flags() & QNetworkInterface::IsLoopBack))
                QFAIL("a network interface other than loopback exists here");
        }
        // Set before the process's first look-up: a resolver that got its question out and
        // waited for an answer would wait 30 s, far above a failure at once.
        const qint64 resolverWaitMs = 30000;
        qputenv("RES_OPTIONS", "timeout:30 attempts:1");
        CVorkWizardPhotoUpload w(nullptr, nullptr, &m_map, nullptr, false);
        startOnAddressPage(w);
        w.show();
        CWizPhotoIPDialog *p = w.addressPage();
        typeInto(p->m_pedtHost, QStringLiteral("no-such-host.invalid"));
        QCOMPARE(p->m_pedtProfile->text(), QStringLiteral("no-such-host"));
        BoxAnswerer boxes;
        QElapsedTimer clock;
        clock.start();
        nextButton(w)->click();
        QVERIFY2(clock.elapsed() < tsup::before(resolverWaitMs), "the look-up waited for its name server");
        QCOMPARE(w.currentId(), 1);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen.first().icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen.first().title, QStringLiteral("Error"));
        QCOMPARE(boxes.seen.first().text,
                 QStringLiteral("Please enter a valid hostname or IP address."));
        QCOMPARE(boxes.seen.first().buttons, QStringList{"OK"});
    }
};

static int noChildCase(const QByteArray &)
{
    return 1;
}

VORK_SHELL_TEST_MAIN(TestPhotoAddress, noChildCase)
#include "tst_photoaddress.moc"
