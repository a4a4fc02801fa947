// The photo-upload page's web session against the simulated photo web application on loopback:
// the login request on the wire, every outcome of its reply, the password sources, the login
// serial, the session cookie, the keep-alive request, the album address for the browser and the
// lost session.

#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTreeWidget>

#include "HangGuard.h"
#include "SimPhotoServer.h"
#include "StringTable.h"
#include "photopagetest.h"

using namespace PhotoPageTest;

namespace {

const int WAIT_MS = 10000;

// Accounts of the simulated application, each answering its login in one way.
const QByteArray Scenario = R"({"accounts":{
    "admin":{"admin":true},
    "bob":{"password":"pw"},
    "ADMIN":{"login":"run_photo_off"},
    "AdMin":{"login":"refused_run_photo_off"},
    "off":{"login":"run_photo_off"},
    "noroot":{"login":"no_photo_root"},
    "disabled":{"login":"disabled_account"},
    "nopriv":{"login":"no_privilege"},
    "notuser":{"login":"not_photo_user"},
    "refused":{"login":"refused"},
    "refusedoff":{"login":"refused_run_photo_off"},
    "texttrue":{"login":"text_true"},
    "notfound":{"login":"not_found"},
    "redirect":{"login":"disabled_redirect"},
    "notavail":{"login":"not_available"},
    "html":{"login":"html"},
    "notrail":{"login":"no_trailing"},
    "two":{"login":"two_cookies"},
    "twofirst":{"login":"two_cookies_sid_first"},
    "nocookie":{"login":"no_cookie"},
    "slow":{"login":"ok","delay_ms":1500},
    "slowbad":{"login":"refused","delay_ms":1500},
    "oddarray":{"login":"answer","answer":{"success":[1,2],"run_photo":[true],"has_photo_root_path":{"a":1}}},
    "oddobject":{"login":"answer","answer":{"success":{"x":1},"run_photo":"yes","not_photo_user":[1]}},
    "oddnumber":{"login":"answer","answer":{"success":7,"run_photo":1}},
    "oddnull":{"login":"answer","answer":{"success":null,"run_photo":true}},
    "textfalse":{"login":"answer","answer":{"success":"false","run_photo":true,"has_photo_root_path":true}},
    "textone":{"login":"answer","answer":{"success":"1","run_photo":true,"has_photo_root_path":true}},
    "\u00e9 b":{"password":"p&=\u00e4 +"}
  },
  "albums":[{"path":"Trip","writers":["bob"]}]})";

const char LoggedIn[] = "<logged in>";

} // namespace

class TestPhotoPageLogin : public QObject
{
    Q_OBJECT

public:
    // The browser stand-in: QDesktopServices hands it every "http" address.
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened << url; }

private:
    SimPhotoServer m_sim{QStringLiteral(VORK_SIMSERVER_BIN)};
    ModalDriver m_driver;
    QList<QUrl> m_opened;

    int port() const { return m_sim.port(); }

    // The logged requests to one script.
    QList<QJsonObject> requestsTo(const QString &script) const
    {
        QList<QJsonObject> out;
        for (const QJsonObject &r : m_sim.requests())
            if (r.value(QStringLiteral("script")).toString() == script)
                out << r;
        return out;
    }
    QList<QJsonObject> logins() const { return requestsTo(QStringLiteral("/blog/login.php")); }

    static QTreeWidgetItem *row(CVorkWindowPhotoUpload &page, const QString &key)
    {
        for (int i = 0; i < page.m_ptrwServerList->topLevelItemCount(); ++i)
            if (page.m_ptrwServerList->topLevelItem(i)->data(0, Qt::UserRole).toString() == key)
                return page.m_ptrwServerList->topLevelItem(i);
        return nullptr;
    }

    // Selects the profile's row as a click would; the page logs in at once.
    static void select(CVorkWindowPhotoUpload &page, const QString &key)
    {
        QTreeWidgetItem *item = row(page, key);
        QVERIFY2(item, qPrintable(key));
        page.m_ptrwServerList->clearSelection();
        page.m_ptrwServerList->setCurrentItem(item);
        item->setSelected(true);
    }

    // Waits until the login in hand has an outcome: the settings page or a message.
    static bool waitForOutcome(CVorkWindowPhotoUpload &page)
    {
        const QString connecting = getString(IDS_WZDMAP_CONNECT);
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < tsup::guardMs(WAIT_MS)) {
            if (page.m_pstkwRightPanel->currentIndex() == 1 || page.m_plblConnectStatus->text() != connecting)
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return false;
    }

    static QString outcome(CVorkWindowPhotoUpload &page)
    {
        return page.m_pstkwRightPanel->currentIndex() == 1 ? QString::fromLatin1(LoggedIn)
                                                          : page.m_plblConnectStatus->text();
    }

    // The PHPSESSID value of the Set-Cookie lines the login's answer would carry: the session the
    // server opened for the last login, read from the next request's log entry.
    QString liveSession(CVorkWindowPhotoUpload &page)
    {
        m_sim.forgetRequests();
        QMetaObject::invokeMethod(&page, "slotPreventConnectionTimeout", Qt::DirectConnection);
        if (!m_sim.waitForRequests(1, WAIT_MS))
            return QString();
        return m_sim.requests().first().value(QStringLiteral("session")).toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
        qRegisterMetaType<QNetworkReply *>();
        QString error;
        QVERIFY2(m_sim.start(&error, Scenario), qPrintable(error));
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        m_sim.stop();
    }

    void init()
    {
        QSettings().clear();
        QCOMPARE(m_sim.ok(QStringLiteral("photo reset")), QString(QStringLiteral("")));
        m_sim.forgetRequests();
        m_opened.clear();
        m_driver.answers.clear();
        m_driver.boxAnswer.clear();
        m_driver.start();
    }

    void cleanup() { m_driver.stop(); }

    // The login request's bytes: method, address, content type and the encoded form body with
    // the decoded stored password, on the main site and on a personal site.
    void loginRequestOnTheWire()
    {
        storeProfile(QStringLiteral("Utf"), port(), QStringLiteral("\u00e9 b"), QStringLiteral("p&=\u00e4 +"));
        storeProfile(QStringLiteral("Own"), port(), QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("x y"));
        CVorkWindowPhotoUpload page;
        const int serial = page.loginSerial();

        select(page, QStringLiteral("utf"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        QVERIFY(m_driver.prompts.isEmpty());
        QCOMPARE(page.loginSerial(), serial + 1);
        QList<QJsonObject> sent = logins();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].value(QStringLiteral("method")).toString(), QStringLiteral("POST"));
        QCOMPARE(sent[0].value(QStringLiteral("target")).toString(), QStringLiteral("/blog/login.php"));
        QCOMPARE(SimPhotoServer::header(sent[0], QStringLiteral("Content-Type")),
                 QStringLiteral("application/x-www-form-urlencoded"));
        QCOMPARE(SimPhotoServer::body(sent[0]),
                 QByteArray("action=login&username=%C3%A9%20b&passwd=p%26%3D%C3%A4%20%2B"));

        m_sim.forgetRequests();
        select(page, QStringLiteral("own"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        sent = logins();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].value(QStringLiteral("target")).toString(), QStringLiteral("/~x%20y/blog/login.php"));
        QCOMPARE(sent[0].value(QStringLiteral("site")).toString(), QStringLiteral("x y"));
        QCOMPARE(SimPhotoServer::body(sent[0]), QByteArray("action=login&username=bob&passwd=pw"));
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<bool>("personal");
        QTest::addColumn<QString>("expected");

        const QString disabled = QStringLiteral("Imagrove is disabled. Please log in to VNO as admin (or a user "
                                                "belonging to the administrators group) to enable Imagrove.");
        const QString personalDisabled = QStringLiteral("Requested Personal Imagrove is disabled. Please log in to VNO "
                                                        "to enable the Personal Imagrove.");
        const QString invalid = QStringLiteral("The account or password is invalid. Please try again.");
        const QString serverError = QStringLiteral("Failed to establish the connection. Please check the hostname/IP "
                                                   "address or make sure Imagrove is working properly, and then try again.");
        const QString logged = QString::fromLatin1(LoggedIn);

        QTest::newRow("1 status 404") << "notfound" << false
                                      << "Imagrove is not installed. Please install the package at Bundlory to upload photos.";
        QTest::newRow("3 redirect to disabled") << "redirect" << false << disabled;
        QTest::newRow("3 redirect to disabled, personal") << "redirect" << true << personalDisabled;
        QTest::newRow("3 service_not_available page") << "notavail" << false << disabled;
        QTest::newRow("3 other page") << "html" << false << serverError;
        QTest::newRow("4 run_photo false") << "off" << false << disabled;
        QTest::newRow("4 run_photo false, personal") << "off" << true << personalDisabled;
        QTest::newRow("4 admin in capitals passes") << "ADMIN" << false << logged;
        QTest::newRow("5 no photo root") << "noroot" << false
            << "The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.";
        QTest::newRow("6 logged in") << "bob" << false << logged;
        QTest::newRow("6 without trailing line break") << "notrail" << false << logged;
        QTest::newRow("7 refused without run_photo") << "refusedoff" << false << disabled;
        QTest::newRow("7 mixed-case admin passes to 11") << "AdMin" << false << invalid;
        QTest::newRow("8 disabled account") << "disabled" << false << "The user account has been disabled.";
        QTest::newRow("9 before 10") << "notuser" << false << "notuser is not a valid Imagrove user account.";
        QTest::newRow("10 no privilege") << "nopriv" << false << "You are not authorized to use this service.";
        QTest::newRow("11 refused") << "refused" << false << invalid;
        QTest::newRow("11 wrong password") << "bob" << true << invalid;
        // "success" holds only for true, a nonzero number, "true" or "1".
        QTest::newRow("6 text true is a success") << "texttrue" << false << logged;
        QTest::newRow("6 text 1 is a success") << "textone" << false << logged;
        QTest::newRow("11 text false is no success") << "textfalse" << false << invalid;
        QTest::newRow("11 success an array") << "oddarray" << false << invalid;
        QTest::newRow("9 odd member types read without failing") << "oddobject" << false
                                                                  << "oddobject is not a valid Imagrove user account.";
        QTest::newRow("5 success a number, no photo root") << "oddnumber" << false
            << "The photo shared folder is not found. Please make sure the photo shared folder exists before uploading.";
        QTest::newRow("11 success null") << "oddnull" << false << invalid;
    }

    // Every row of the outcome table shows its own text; a success opens the settings page with
    // the group titled by the profile and an empty destination.
    void outcomes()
    {
        QFETCH(QString, account);
        QFETCH(bool, personal);
        QFETCH(QString, expected);
        // A personal profile of "bob" sends bob's password to bob's own site, where the simulated
        // application knows the account too; the password stored here is wrong for it.
        const bool wrongPassword = account == QLatin1String("bob") && personal;
        storeProfile(QStringLiteral("Case"), port(), account,
                     account == QLatin1String("bob") && !wrongPassword ? QStringLiteral("pw") : QStringLiteral("nope"),
                     personal ? QStringLiteral("owner") : QString());
        CVorkWindowPhotoUpload page;
        page.m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/old"));
        select(page, QStringLiteral("case"));
        QCOMPARE(page.m_plblConnectStatus->text(), getString(IDS_WZDMAP_CONNECT));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), expected);
        QCOMPARE(logins().size(), 1);
        if (expected == QLatin1String(LoggedIn)) {
            QCOMPARE(page.m_pgboxServerSetting->title(), QStringLiteral("Case"));
            QVERIFY(page.m_ptextedtUploadRootPath->text().isEmpty());
            // The status label keeps what the login put there.
            QCOMPARE(page.m_plblConnectStatus->text(), getString(IDS_WZDMAP_CONNECT));
        } else {
            QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
            QVERIFY(page.sessionCookie().isEmpty());
            // The profile stays selected for a retry with Connect.
            QCOMPARE(page.m_ptrwServerList->selectedItems().size(), 1);
            QVERIFY(page.m_pactConnect->isEnabled());
        }
        QVERIFY(m_driver.boxes.isEmpty());
    }

    // A reply nested 2000 deep is read as one without members (row 7 for a user), and the
    // page goes on: the next login succeeds.
    void deepReplyIsReadAsEmpty()
    {
        storeProfile(QStringLiteral("Case"), port(), QStringLiteral("bob"), QStringLiteral("pw"));
        CVorkWindowPhotoUpload page;
        QCOMPARE(m_sim.command(QStringLiteral("photo fault login.php * 1 deep")), QStringLiteral("ok"));
        select(page, QStringLiteral("case"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), getString(IDS_ERR_AUTH_PHOTO_NOT_RUN));
        page.m_pactConnect->trigger();
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
    }

    // Row 2: any other network error names itself. A port nobody listens on refuses the
    // connection; Connect retries with the same words.
    void networkErrorNamesItself()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const int deadPort = closed.serverPort();
        closed.close();
        storeProfile(QStringLiteral("Dead"), deadPort, QStringLiteral("bob"), QStringLiteral("pw"));
        CVorkWindowPhotoUpload page;
        select(page, QStringLiteral("dead"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QStringLiteral("Connection error. (Error Code: ConnectionRefusedError)"));
        page.m_pactConnect->trigger();
        QCOMPARE(page.m_plblConnectStatus->text(), getString(IDS_WZDMAP_CONNECT));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QStringLiteral("Connection error. (Error Code: ConnectionRefusedError)"));
    }

    // A profile without a stored password asks for it: the prompt's words, its parent and
    // buttons; the typed password goes on the wire.
    void promptForPassword()
    {
        storeProfile(QStringLiteral("Ask Me"), port(), QStringLiteral("bob"), QString());
        CVorkWindowPhotoUpload page;
        m_driver.answers << QStringLiteral("pw");
        select(page, QStringLiteral("ask me"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        QCOMPARE(m_driver.prompts.size(), 1);
        const ModalDriver::Prompt &p = m_driver.prompts.first();
        QCOMPARE(p.title, QStringLiteral("Ask Me"));
        QCOMPARE(p.label, QStringLiteral("Please enter the bob's password."));
        QCOMPARE(p.echo, QLineEdit::Password);
        QCOMPARE(p.okText, QStringLiteral("OK"));
        QCOMPARE(p.cancelText, QStringLiteral("Cancel"));
        QCOMPARE(p.parent, static_cast<QWidget *>(&page));
        QCOMPARE(logins().size(), 1);
        QCOMPARE(SimPhotoServer::body(logins().first()), QByteArray("action=login&username=bob&passwd=pw"));
        // Nothing of the typed password reaches the settings.
        QVERIFY(!QSettings().contains(QStringLiteral("PhotoUploader/RegisteredHosts/ask me/Password")));
    }

    // Cancel sends nothing; the reply of the login before it, still on its way, is ignored when
    // it comes.
    void cancelIgnoresTheEarlierReply()
    {
        storeProfile(QStringLiteral("Slow"), port(), QStringLiteral("slow"), QStringLiteral("x"));
        storeProfile(QStringLiteral("Ask"), port(), QStringLiteral("bob"), QString());
        CVorkWindowPhotoUpload page;
        QSignalSpy finished(page.networkManager(), &QNetworkAccessManager::finished);
        select(page, QStringLiteral("slow"));
        QVERIFY(m_sim.waitForRequests(1, WAIT_MS));
        m_driver.answers << QString(); // Cancel
        select(page, QStringLiteral("ask"));
        QCOMPARE(m_driver.prompts.size(), 1);
        QCOMPARE(page.m_plblConnectStatus->text(), initialStatus());
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        // The slow success arrives and changes nothing.
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, tsup::guardMs(WAIT_MS));
        QCoreApplication::processEvents();
        QCOMPARE(page.m_plblConnectStatus->text(), initialStatus());
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QVERIFY(page.sessionCookie().isEmpty());
        QCOMPARE(logins().size(), 1);
        QCOMPARE(SimPhotoServer::body(logins().first()), QByteArray("action=login&username=slow&passwd=x"));
    }

    // Two logins in quick succession: the first one's reply never counts, even when it would
    // have logged in.
    void onlyTheLatestLoginCounts()
    {
        storeProfile(QStringLiteral("First"), port(), QStringLiteral("slow"), QStringLiteral("x"));
        storeProfile(QStringLiteral("Second"), port(), QStringLiteral("refused"), QStringLiteral("x"));
        CVorkWindowPhotoUpload page;
        QSignalSpy finished(page.networkManager(), &QNetworkAccessManager::finished);
        select(page, QStringLiteral("first"));
        QVERIFY(m_sim.waitForRequests(1, WAIT_MS));
        select(page, QStringLiteral("second"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QStringLiteral("The account or password is invalid. Please try again."));
        // Past the first answer's delay: it was dropped with its request and shows nothing.
        QTest::qWait(2000);
        QCOMPARE(outcome(page), QStringLiteral("The account or password is invalid. Please try again."));
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("second"));
        QVERIFY(page.sessionCookie().isEmpty());
        // The first reply was aborted, the second read: no reply of the page is left over
        // except the latest login's.
        QCOMPARE(page.networkManager()->findChildren<QNetworkReply *>().size(), 1);
    }

    // Removing the profile whose login is on its way: its answer no longer reaches the page.
    void removedProfileLogsNothingIn()
    {
        storeProfile(QStringLiteral("Gone"), port(), QStringLiteral("slow"), QStringLiteral("x"));
        CVorkWindowPhotoUpload page;
        select(page, QStringLiteral("gone"));
        QVERIFY(m_sim.waitForRequests(1, WAIT_MS));
        page.slotConfigRemoved(QStringLiteral("gone"));
        QTest::qWait(2000);
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(page.m_plblConnectStatus->text(), initialStatus());
        QVERIFY(page.currentConfig() == nullptr);
    }

    // A profile added with connect-now logs in once with the wizard's password (not stored),
    // without a prompt, although its row becomes the current one.
    void connectAfterAddLogsInOnce()
    {
        storeProfile(QStringLiteral("Other"), port(), QStringLiteral("admin"), QStringLiteral("x"));
        CVorkWindowPhotoUpload page;
        const int serial = page.loginSerial();
        auto *record = new CPhotoUploadConfig(makeProfile(QStringLiteral("New One"), port(), QStringLiteral("bob"),
                                                          QStringLiteral("pw")));
        record->setSaveCred(false); // typed into the wizard, not kept
        record->save(Group);
        page.slotConfigAdded(record, true);
        QCOMPARE(page.loginSerial(), serial + 1);
        QCOMPARE(page.m_ptrwServerList->currentItem(), row(page, QStringLiteral("new one")));
        QVERIFY(page.currentConfig());
        QCOMPARE(page.currentConfig()->getKey(), QStringLiteral("new one"));
        QVERIFY(!page.currentConfig()->isSaveCred());
        QVERIFY(page.m_pactConnect->isEnabled() && page.m_pactEdit->isEnabled() && page.m_pactRemove->isEnabled());
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        QCOMPARE(page.m_pgboxServerSetting->title(), QStringLiteral("New One"));
        QCOMPARE(page.loginSerial(), serial + 1);
        QCOMPARE(logins().size(), 1);
        QCOMPARE(SimPhotoServer::body(logins().first()), QByteArray("action=login&username=bob&passwd=pw"));
        QVERIFY(m_driver.prompts.isEmpty());
        QVERIFY(!QSettings().contains(QStringLiteral("PhotoUploader/RegisteredHosts/new one/Password")));
    }

    // Cookie text of a login whose answer sets two cookies: the last Set-Cookie line. The
    // keep-alive carries the session through the manager's cookie store, and its reply is
    // released once finished.
    void cookiesAndKeepAlive()
    {
        storeProfile(QStringLiteral("Two"), port(), QStringLiteral("two"), QStringLiteral("x"));
        CVorkWindowPhotoUpload page;
        select(page, QStringLiteral("two"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));

        m_sim.forgetRequests();
        QMetaObject::invokeMethod(&page, "slotPreventConnectionTimeout", Qt::DirectConnection);
        QVERIFY(m_sim.waitForRequests(1, WAIT_MS));
        const QJsonObject keepAlive = m_sim.requests().first();
        QCOMPARE(keepAlive.value(QStringLiteral("method")).toString(), QStringLiteral("POST"));
        QCOMPARE(keepAlive.value(QStringLiteral("target")).toString(),
                 QStringLiteral("/photo/include/vork_get_uploadable_album.php"));
        QCOMPARE(SimPhotoServer::header(keepAlive, QStringLiteral("Content-Type")),
                 QStringLiteral("application/x-www-form-urlencoded"));
        QCOMPARE(SimPhotoServer::body(keepAlive), QByteArray("action=get_uploadable_album_list"));
        const QString session = keepAlive.value(QStringLiteral("session")).toString();
        QVERIFY(!session.isEmpty()); // the server knew the session: the request kept it
        QVERIFY(SimPhotoServer::header(keepAlive, QStringLiteral("Cookie")).contains(QStringLiteral("PHPSESSID=") + session));
        QCOMPARE(page.sessionCookie(), (QStringLiteral("PHPSESSID=") + session + QStringLiteral("; path=/")).toLatin1());
        // Only the login's reply stays with the manager.
        QTRY_COMPARE_WITH_TIMEOUT(page.networkManager()->findChildren<QNetworkReply *>().size(), 1, tsup::guardMs(WAIT_MS));

        // The browser address carries that session.
        page.m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip"));
        page.openAlbumInBrowser();
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first().toString(QUrl::FullyEncoded),
                 QStringLiteral("http://127.0.0.1:%1/photo/include/vork_browse_album.php?session=%2&album=Trip")
                     .arg(port()).arg(session));
    }

    // The last Set-Cookie line without the session marker: the address gets no session item.
    void lastCookieWithoutSession()
    {
        storeProfile(QStringLiteral("First"), port(), QStringLiteral("twofirst"), QStringLiteral("x"));
        CVorkWindowPhotoUpload page;
        select(page, QStringLiteral("first"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        QCOMPARE(page.sessionCookie(), QByteArray("vork_lang=enu; path=/"));
        page.m_ptextedtUploadRootPath->setText(QStringLiteral("/photo"));
        page.openAlbumInBrowser();
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first().toString(QUrl::FullyEncoded),
                 QStringLiteral("http://127.0.0.1:%1/photo/include/vork_browse_album.php").arg(port()));
    }

    // No Set-Cookie in the answer: the Cookie header the store put on the login request.
    void cookieFromTheRequest()
    {
        storeProfile(QStringLiteral("A"), port(), QStringLiteral("bob"), QStringLiteral("pw"));
        storeProfile(QStringLiteral("B"), port(), QStringLiteral("nocookie"), QStringLiteral("x"));
        CVorkWindowPhotoUpload page;
        select(page, QStringLiteral("a"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        const QByteArray first = page.sessionCookie();
        QVERIFY(first.startsWith("PHPSESSID="));

        m_sim.forgetRequests();
        select(page, QStringLiteral("b"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        QCOMPARE(logins().size(), 1);
        const QString sent = SimPhotoServer::header(logins().first(), QStringLiteral("Cookie"));
        QCOMPARE(sent, QString::fromLatin1(first.left(first.indexOf(';'))));
        QCOMPARE(page.sessionCookie(), sent.toLatin1());
    }

    // The album address of a personal profile: owner as typed (encoded once by the address),
    // the album name encoded twice, the port always written.
    void albumAddressOfAPersonalSite()
    {
        storeProfile(QStringLiteral("Mine"), port(), QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("x y"));
        CVorkWindowPhotoUpload page;
        select(page, QStringLiteral("mine"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        const QString session = liveSession(page);
        QVERIFY(!session.isEmpty());

        page.m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/Trip 1"));
        page.openAlbumInBrowser();
        page.m_ptextedtUploadRootPath->setText(QStringLiteral("/photo/\u00e9t\u00e9/a&b"));
        page.openAlbumInBrowser();
        page.m_ptextedtUploadRootPath->setText(QStringLiteral("/Photo/Trip"));
        page.openAlbumInBrowser();
        QCOMPARE(m_opened.size(), 3);
        const QString base = QStringLiteral("http://127.0.0.1:%1/~x%20y/photo/include/vork_browse_album.php?session=%2")
                                 .arg(port())
                                 .arg(session);
        QCOMPARE(m_opened[0].toString(QUrl::FullyEncoded), base + QStringLiteral("&album=Trip%25201"));
        QCOMPARE(m_opened[1].toString(QUrl::FullyEncoded),
                 base + QStringLiteral("&album=%25C3%25A9t%25C3%25A9%252Fa%2526b"));
        QCOMPARE(m_opened[2].toString(QUrl::FullyEncoded), base);
    }

    // A lost session: the warning, then the server page with the first prompt, out of upload
    // mode with both upload timers stopped.
    void sessionLost()
    {
        storeProfile(QStringLiteral("Bob"), port(), QStringLiteral("bob"), QStringLiteral("pw"));
        CVorkWindowPhotoUpload page;
        QVERIFY(!page.keepAliveTimer()->isActive());
        select(page, QStringLiteral("bob"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        page.setUploadMode(true);
        QVERIFY(page.keepAliveTimer()->isActive());
        QCOMPARE(page.keepAliveTimer()->interval(), 1200000);
        QVERIFY(!page.keepAliveTimer()->isSingleShot());
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 2);

        m_driver.boxAnswer = QStringLiteral("OK");
        QVERIFY(QMetaObject::invokeMethod(&page, "slotConnectionSessionLost", Qt::DirectConnection));
        QCOMPARE(m_driver.boxes.size(), 1);
        const ModalDriver::Box &box = m_driver.boxes.first();
        QCOMPARE(box.title, QStringLiteral("Photo Uploader"));
        QCOMPARE(box.text, QStringLiteral("The connection is lost. Please log in to Varnestor Manager again."));
        QCOMPARE(box.buttons, QStringList({QStringLiteral("OK")}));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.parent, static_cast<QWidget *>(&page));
        QCOMPARE(page.m_pstkwRightPanel->currentIndex(), 0);
        QCOMPARE(page.m_plblConnectStatus->text(), initialStatus());
        QVERIFY(!page.hasUnfinishedTasks());
        QVERIFY(!page.keepAliveTimer()->isActive());
        QVERIFY(!page.progressTimer()->isActive());
        QVERIFY(page.m_ptrwServerList->isEnabled());
    }

    // The logged-in page as the user sees it, kept as a picture beside the test program.
    void loggedInPicture()
    {
        storeProfile(QStringLiteral("Home NAS"), port(), QStringLiteral("bob"), QStringLiteral("pw"));
        storeProfile(QStringLiteral("Office"), port(), QStringLiteral("admin"), QStringLiteral("x"));
        CVorkWindowPhotoUpload page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page, tsup::guardMs()));
        select(page, QStringLiteral("home nas"));
        QVERIFY(waitForOutcome(page));
        QCOMPARE(outcome(page), QString::fromLatin1(LoggedIn));
        QVERIFY(page.m_pwUploadSetting->isVisible());
        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/photopage-review");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(page.grab().save(folder + QStringLiteral("/photo-page-logged-in.png")));
    }
};

PHOTO_PAGE_TEST_MAIN(TestPhotoPageLogin)
#include "tst_photopagelogin.moc"
