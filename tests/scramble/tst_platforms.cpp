// Shell helpers: the scrambler's QString wrappers, address conversions, reply-error names,
// host resolution of literal addresses, and the IPv4 checks.
#include <QtTest>

#include <QDesktopServices>

#include <cstring>
#include <random>

#include "CNetConf.h"
#include "platforms.h"

// Receives the addresses the program asks the desktop to open, so no browser starts.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

namespace {

QStringList g_debugLines;

void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg)
        g_debugLines.append(text);
}

NASINFO server(uint32_t state, uint32_t webInstall, uint32_t build)
{
    NASINFO info;
    memset(&info, 0, sizeof info);
    info.ulConfigured = state;
    info.ulWebInstall = webInstall;
    info.ulBuild = build;
    info.ulField48 = 1; // new-port flag
    const unsigned char ip[4] = {198, 18, 0, 5}; // network order in memory
    memcpy(&info.ulIP, ip, 4);
    return info;
}

uint32_t addr(const char *text)
{
    uint32_t v = 0;
    ipStringToHostAddr(&v, QString::fromLatin1(text));
    return v;
}

} // namespace

class TestPlatforms : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_catcher.urls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_catcher, "open");
    }

    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void adminPageEligibility_data()
    {
        QTest::addColumn<uint>("state");
        QTest::addColumn<uint>("webInstall");
        QTest::addColumn<uint>("build");
        QTest::addColumn<bool>("opens");
        QTest::newRow("ready") << 1u << 0u << 100u << true;
        QTest::newRow("ready, web install") << 1u << 1u << 3000u << true;
        QTest::newRow("not configured") << 0u << 1u << 3000u << false;
        QTest::newRow("not installed") << 2u << 0u << 3000u << false;
        QTest::newRow("not installed, web install") << 2u << 1u << 100u << true;
        QTest::newRow("config lost") << 4u << 0u << 3000u << false;
        QTest::newRow("config lost, web install") << 4u << 1u << 100u << true;
        QTest::newRow("migratable 2621") << 14u << 1u << 2621u << false;
        QTest::newRow("migratable 2622") << 14u << 1u << 2622u << true;
        QTest::newRow("migratable 2622 no web install") << 14u << 0u << 2622u << false;
        QTest::newRow("upgrading, web install") << 3u << 1u << 3000u << false;
        QTest::newRow("booting, web install") << 5u << 1u << 3000u << false;
        QTest::newRow("web install 2") << 2u << 2u << 3000u << false;
    }

    void adminPageEligibility()
    {
        QFETCH(uint, state);
        QFETCH(uint, webInstall);
        QFETCH(uint, build);
        QFETCH(bool, opens);
        const NASINFO info = server(state, webInstall, build);
        bool opened = false;
        openAdminUI(&info, &opened);
        QVERIFY(opened); // true whether or not a page was due
        QCOMPARE(m_catcher.urls.size(), opens ? 1 : 0);
    }

    void adminPageAddress()
    {
        g_debugLines.clear();
        QtMessageHandler previous = qInstallMessageHandler(captureDebug);
        NASINFO info = server(1, 0, 4000);
        const qint64 before = QDateTime::currentSecsSinceEpoch();
        bool opened = false;
        openAdminUI(&info, &opened);
        const qint64 after = QDateTime::currentSecsSinceEpoch();
        qInstallMessageHandler(previous);

        QVERIFY(opened);
        QCOMPARE(m_catcher.urls.size(), 1);
        const QUrl url = m_catcher.urls.first();
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QCOMPARE(url.host(), QStringLiteral("198.18.0.5"));
        QCOMPARE(url.port(), 5000); // no port in the record, new-port flag set, recent build
        QCOMPARE(url.path(), QString());
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 1);
        bool ok = false;
        const qint64 stamp = query.queryItemValue(QStringLiteral("timestamp")).toLongLong(&ok);
        QVERIFY(ok);
        QVERIFY(stamp >= before - 2 && stamp <= after + 2);
        QCOMPARE(url.toString(), QStringLiteral("http://198.18.0.5:5000?timestamp=%1").arg(stamp));

        // The two debug lines with their expressions.
        QCOMPARE(g_debugLines.size(), 2);
        QVERIFY2(QRegularExpression(QStringLiteral(
                     "^src/platforms:\\d+ QString\\(qurlAdminUI\\.toString\\(\\)\\)\\.toLocal8Bit\\(\\)"
                     "\\.constData\\(\\)=\\[http://198\\.18\\.0\\.5:5000\\?timestamp=\\d+\\]\n$"))
                     .match(g_debugLines[0]).hasMatch(),
                 qPrintable(g_debugLines[0]));
        QVERIFY2(QRegularExpression(QStringLiteral("^src/platforms:\\d+ bRetOpenUrl=\\[1\\]\n$"))
                     .match(g_debugLines[1]).hasMatch(),
                 qPrintable(g_debugLines[1]));

        // The record's own port wins; old servers without the flag use 80.
        info.ulHttpPort = 8080;
        openAdminUI(&info, &opened);
        QCOMPARE(m_catcher.urls.last().port(), 8080);
        info.ulHttpPort = 0;
        info.ulField48 = 0;
        openAdminUI(&info, &opened);
        QCOMPARE(m_catcher.urls.last().port(), 80);
        info.ulField48 = 1;
        info.ulBuild = 171;
        openAdminUI(&info, &opened);
        QCOMPARE(m_catcher.urls.last().port(), 80);
        QCOMPARE(m_catcher.urls.size(), 4);
    }

    void adminPageNullAndRefusal()
    {
        bool opened = false;
        openAdminUI(nullptr, &opened);
        QVERIFY(opened);
        QVERIFY(m_catcher.urls.isEmpty());
        openAdminUI(nullptr, nullptr);

        // A handler that cannot take the address: the browser's "no" reaches the caller.
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_catcher, "noSuchSlot");
        const NASINFO info = server(1, 0, 4000);
        openAdminUI(&info, &opened);
        QVERIFY(!opened);
    }

    void scrambleWrappers()
    {
        const QString password = QStringLiteral("s3cr3t Pässwörd 密码");
        const QString scrambled = scrambleEncodeString(password);
        QVERIFY(!scrambled.isNull());
        QCOMPARE(scrambled.size(), 2 * ((password.toUtf8().size() + 7) / 8 * 8));
        QVERIFY(scrambled != password);
        QCOMPARE(scrambleDecodeString(scrambled), password);

        // Empty stays empty but not null: callers tell "no password" from "cannot unscramble".
        const QString emptyScrambled = scrambleEncodeString(QString());
        QVERIFY(!emptyScrambled.isNull());
        QVERIFY(emptyScrambled.isEmpty());
        const QString emptyPlain = scrambleDecodeString(QStringLiteral(""));
        QVERIFY(!emptyPlain.isNull());
        QVERIFY(emptyPlain.isEmpty());
        QVERIFY(!scrambleDecodeString(QString()).isNull());

        // Not a scrambled text: null.
        QVERIFY(scrambleDecodeString(QStringLiteral("abcdefghijklmno")).isNull());
        QVERIFY(scrambleDecodeString(QStringLiteral("abcdefghijklmnopq")).isNull());
        QVERIFY(scrambleDecodeString(QStringLiteral("abcdefghijklmno=")).isNull());

        // An inner zero ends the text.
        QString withZero = QStringLiteral("ab");
        withZero.append(QChar(0));
        withZero.append(QStringLiteral("cd"));
        QCOMPARE(scrambleDecodeString(scrambleEncodeString(withZero)), QStringLiteral("ab"));
    }

    void scrambleWrapperLimits()
    {
        // 1016 UTF-8 bytes is the longest plain text; 1017 is refused, not cut or overrun.
        const QString longest(1016, QLatin1Char('p'));
        const QString s = scrambleEncodeString(longest);
        QCOMPARE(s.size(), 2032);
        QCOMPARE(scrambleDecodeString(s), longest);
        QVERIFY(scrambleEncodeString(QString(1017, QLatin1Char('p'))).isNull());
        // Multi-byte characters count by their UTF-8 bytes: 339 x 3 = 1017.
        QVERIFY(scrambleEncodeString(QString(339, QChar(0x5bc6))).isNull());
        const QString cjk(338, QChar(0x5bc6));
        QCOMPARE(scrambleDecodeString(scrambleEncodeString(cjk)), cjk);
        // A scrambled text too long for the buffer is refused.
        QVERIFY(scrambleDecodeString(QString(4096, QLatin1Char('z'))).isNull());
    }

    void scrambleWrappersRandom()
    {
        std::mt19937 rng(20140203u);
        const QVector<QChar> pool = {QChar('a'), QChar('Z'), QChar('0'), QChar(' '), QChar('~'),
                                     QChar(0xe9), QChar(0x416), QChar(0x5bc6), QChar(0x20ac)};
        for (int round = 0; round < 300; ++round) {
            QString text;
            const int want = 1 + int(rng() % 1016);
            while (true) {
                QString next = text;
                if (rng() % 2)
                    next.append(QChar(ushort(0x20 + rng() % 95))); // printable ASCII
                else
                    next.append(pool[rng() % pool.size()]);
                if (next.toUtf8().size() > want)
                    break;
                text = next;
            }
            if (text.isEmpty())
                continue;
            QCOMPARE(scrambleDecodeString(scrambleEncodeString(text)), text);
        }
        // A surrogate pair (4 UTF-8 bytes).
        const QString emoji = QString::fromUtf8("pw\xf0\x9f\x94\x91x");
        QCOMPARE(scrambleDecodeString(scrambleEncodeString(emoji)), emoji);
    }

    void addressConversions()
    {
        uint32_t v = 0;
        QVERIFY(ipStringToHostAddr(&v, QStringLiteral("192.168.0.1")));
        QCOMPARE(v, 0xC0A80001u);
        QVERIFY(ipStringToNetAddr(&v, QStringLiteral("192.168.0.1")));
        unsigned char bytes[4];
        memcpy(bytes, &v, 4);
        QCOMPARE(bytes[0], (unsigned char)0xC0);
        QCOMPARE(bytes[1], (unsigned char)0xA8);
        QCOMPARE(bytes[2], (unsigned char)0x00);
        QCOMPARE(bytes[3], (unsigned char)0x01);

        v = 0xDEADBEEF;
        QVERIFY(!ipStringToHostAddr(&v, QString()));
        QVERIFY(!ipStringToNetAddr(&v, QStringLiteral("")));
        QCOMPARE(v, 0xDEADBEEFu);

        // Unparsable text counts as converted to 0.
        QVERIFY(ipStringToHostAddr(&v, QStringLiteral("abc")));
        QCOMPARE(v, 0u);
        v = 0xDEADBEEF;
        QVERIFY(ipStringToNetAddr(&v, QStringLiteral("abc")));
        QCOMPARE(v, 0u);
    }

    void replyErrorNames()
    {
        QCOMPARE(networkErrorName(0), QStringLiteral("NoError"));
        QCOMPARE(networkErrorName(3), QStringLiteral("HostNotFoundError"));
        QCOMPARE(networkErrorName(6), QStringLiteral("SslHandshakeFailedError"));
        QCOMPARE(networkErrorName(7), QStringLiteral("reply_err_7"));
        QCOMPARE(networkErrorName(99), QStringLiteral("UnknownNetworkError"));
        QCOMPARE(networkErrorName(105), QStringLiteral("ProxyAuthenticationRequiredError"));
        QCOMPARE(networkErrorName(199), QStringLiteral("UnknownProxyError"));
        QCOMPARE(networkErrorName(201), QStringLiteral("ContentAccessDenied"));
        QCOMPARE(networkErrorName(204), QStringLiteral("AuthenticationRequiredError"));
        QCOMPARE(networkErrorName(205), QStringLiteral("reply_err_205"));
        QCOMPARE(networkErrorName(299), QStringLiteral("UnknownContentError"));
        QCOMPARE(networkErrorName(302), QStringLiteral("ProtocolInvalidOperationError"));
        QCOMPARE(networkErrorName(399), QStringLiteral("ProtocolFailure"));
        QCOMPARE(networkErrorName(401), QStringLiteral("reply_err_401"));
        QCOMPARE(networkErrorName(-1), QStringLiteral("reply_err_-1"));

        // Exactly 22 codes carry a name.
        int named = 0;
        for (int code = -10; code < 1000; ++code) {
            if (!networkErrorName(code).startsWith(QLatin1String("reply_err_")))
                ++named;
        }
        QCOMPARE(named, 22);
    }

    void resolveLiteralAddresses()
    {
        uint32_t v = 0xDEADBEEF;
        QVERIFY(!resolveHostIPv4(&v, QString()));
        QCOMPARE(v, 0xDEADBEEFu);
        QVERIFY(resolveHostIPv4(&v, QStringLiteral("10.1.2.3")));
        QCOMPARE(v, 0x0A010203u);
        // 127 is no host address, so this goes through the lookup, which yields loopback.
        v = 0;
        QVERIFY(resolveHostIPv4(&v, QStringLiteral("127.0.0.1")));
        QCOMPARE(v, 0x7F000001u);
        // An IPv6 literal has no IPv4 address to give.
        v = 0xDEADBEEF;
        QVERIFY(!resolveHostIPv4(&v, QStringLiteral("::1")));
        QCOMPARE(v, 0xDEADBEEFu);
    }

    void hostAddresses()
    {
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("0.1.2.3")));
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("127.0.0.1")));
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("224.0.0.1")));
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("255.255.255.255")));
        QVERIFY(CNetConf::isValidHostAddress(QStringLiteral("1.0.0.0")));
        QVERIFY(CNetConf::isValidHostAddress(QStringLiteral("223.255.255.255")));
        QVERIFY(CNetConf::isValidHostAddress(QStringLiteral("198.18.0.1")));
        QVERIFY(!CNetConf::isValidHostAddress(QString()));
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("abc")));
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("300.1.1.1")));
        // Short forms are not complete addresses.
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("192.168")));
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("10.1.2")));
        QVERIFY(!CNetConf::isValidHostAddress(QStringLiteral("1")));

        QVERIFY(CNetConf::isValidHostIP(0x01000000u));
        QVERIFY(!CNetConf::isValidHostIP(0x00FFFFFFu));
        QVERIFY(CNetConf::isValidHostIP(0x7EFFFFFFu));
        QVERIFY(!CNetConf::isValidHostIP(0x7F000000u));
        QVERIFY(CNetConf::isValidHostIP(0x80000000u));
        QVERIFY(CNetConf::isValidHostIP(0xDFFFFFFFu));
        QVERIFY(!CNetConf::isValidHostIP(0xE0000000u));
    }

    void netmasks()
    {
        QVERIFY(CNetConf::isValidNetmask(addr("255.255.255.0")));
        QVERIFY(CNetConf::isValidNetmask(addr("255.255.255.255")));
        QVERIFY(CNetConf::isValidNetmask(addr("128.0.0.0")));
        QVERIFY(CNetConf::isValidNetmask(addr("255.255.254.0")));
        QVERIFY(!CNetConf::isValidNetmask(addr("0.0.0.0")));
        QVERIFY(!CNetConf::isValidNetmask(addr("255.0.255.0")));
        QVERIFY(!CNetConf::isValidNetmask(addr("0.255.255.255")));
        QVERIFY(!CNetConf::isValidNetmask(addr("255.255.255.253")));
        QVERIFY(!CNetConf::isValidNetmask(0x7FFFFFFFu));
        // Every prefix length passes, every mask with one hole fails.
        for (int len = 1; len <= 32; ++len) {
            const uint32_t mask = len == 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> len);
            QVERIFY(CNetConf::isValidNetmask(mask));
            if (len < 31)
                QVERIFY(!CNetConf::isValidNetmask(mask | 1u));
        }
    }

    void subnets()
    {
        const uint32_t mask = addr("255.255.255.0");
        QVERIFY(CNetConf::isSameSubnet(addr("198.18.0.10"), addr("198.18.0.1"), mask));
        QVERIFY(!CNetConf::isSameSubnet(addr("198.18.1.10"), addr("198.18.0.1"), mask));
        QVERIFY(CNetConf::isSameSubnet(addr("198.18.1.10"), addr("198.19.0.1"), 0));

        QVERIFY(CNetConf::isSameSubnetText(QStringLiteral("198.18.0.10"), QStringLiteral("198.18.0.1"),
                                           QStringLiteral("255.255.255.0")));
        QVERIFY(!CNetConf::isSameSubnetText(QStringLiteral("198.18.1.10"), QStringLiteral("198.18.0.1"),
                                            QStringLiteral("255.255.255.0")));
        QVERIFY(CNetConf::isSameSubnetText(QStringLiteral("198.18.1.10"), QStringLiteral("198.18.0.1"),
                                           QStringLiteral("255.254.0.0")));
        QVERIFY(!CNetConf::isSameSubnetText(QString(), QStringLiteral("198.18.0.1"),
                                            QStringLiteral("255.255.255.0")));
        QVERIFY(!CNetConf::isSameSubnetText(QStringLiteral("198.18.0.10"), QString(),
                                            QStringLiteral("255.255.255.0")));
        QVERIFY(!CNetConf::isSameSubnetText(QStringLiteral("198.18.0.10"), QStringLiteral("198.18.0.1"),
                                            QString()));
        QVERIFY(!CNetConf::isSameSubnetText(QStringLiteral("abc"), QStringLiteral("abc"),
                                            QStringLiteral("abc")));
        QVERIFY(!CNetConf::isSameSubnetText(QStringLiteral("198.18.0.10"), QStringLiteral("abc"),
                                            QStringLiteral("255.255.255.0")));
        QVERIFY(!CNetConf::isSameSubnetText(QStringLiteral("198.18.0.10"), QStringLiteral("::1"),
                                            QStringLiteral("255.255.255.0")));
    }

private:
    UrlCatcher m_catcher;
};

QTEST_MAIN(TestPlatforms)
#include "tst_platforms.moc"
