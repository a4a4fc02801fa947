// The configuration readers of the interface enumeration, on files the test writes itself, the
// interface-flag rule, and the transport's argument checks. Nothing here sends a datagram.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <arpa/inet.h>
#include <cctype>
#include <clocale>
#include <net/if.h>

#include "../fhost_packet/fhostlogcapture.h"
#include "fhost.h"

namespace {

uint32_t addr(const char *text)
{
    struct in_addr a;
    if (inet_pton(AF_INET, text, &a) != 1)
        qFatal("bad address %s", text);
    return a.s_addr;
}

NETIF entry(const char *name, std::initializer_list<uint8_t> mac)
{
    NETIF e;
    memset(&e, 0, sizeof(e));
    qstrncpy(e.szName, name, sizeof(e.szName));
    int i = 0;
    for (uint8_t b : mac)
        e.byMac[i++] = b;
    e.ulActive = 1;
    return e;
}

} // namespace

class TestIfaceFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    LogCapture m_log;

    QString write(const QString &name, const QByteArray &text)
    {
        const QString path = QDir::isAbsolutePath(name) ? name : m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        f.write(text);
        return path;
    }
    // Reads one key from a file written with the given text.
    int readKey(const QByteArray &text, const char *key, QByteArray *value, const char *delim = "=")
    {
        const QString path = write("kv.conf", text);
        char buf[FHOST_KEYVALUE_LEN + 16];
        memset(buf, 'Z', sizeof(buf));
        const int ret = FHOSTReadKeyValueFile(&m_log.ctx, path.toLocal8Bit().constData(), key, buf, delim);
        // Nothing beyond the 128-byte buffer is ever written.
        for (size_t i = FHOST_KEYVALUE_LEN; i < sizeof(buf); ++i)
            if (buf[i] != 'Z')
                qFatal("value buffer overrun");
        *value = ret == 1 ? QByteArray(buf) : QByteArray();
        return ret;
    }

private slots:
    void init()
    {
        m_log.clear();
        gulDNS = FHOST_DNS_NONE;
    }

    void keyValueLines()
    {
        QByteArray v;
        const QByteArray text = "# BOOTPROTO=commented\n"
                                "\n"
                                "   \t\n"
                                "  bootproto=lower-case-key\n"
                                "ONBOOT=yes\n"
                                "  BOOTPROTO  ==  static  \t\r\n"
                                "BOOTPROTO=second\n"
                                "NAME=\"quoted value\"\n"
                                "HALF=\"open\n"
                                "TAIL=open\"\n"
                                "EMPTY=\n"
                                "NOVALUE\n";
        QCOMPARE(readKey(text, "BOOTPROTO", &v), 1);
        QCOMPARE(v, QByteArray("static")); // first match; key cut at delimiters, value trimmed
        QCOMPARE(readKey(text, "NAME", &v), 1);
        QCOMPARE(v, QByteArray("quoted value"));
        QCOMPARE(readKey(text, "HALF", &v), 1);
        QCOMPARE(v, QByteArray("\"open")); // quotes go only in pairs
        QCOMPARE(readKey(text, "TAIL", &v), 1);
        QCOMPARE(v, QByteArray("open\""));
        QCOMPARE(readKey(text, "EMPTY", &v), 1);
        QCOMPARE(v, QByteArray(""));
        QCOMPARE(readKey(text, "NOVALUE", &v), 1);
        QCOMPARE(v, QByteArray(""));
        QCOMPARE(readKey(text, "ONBOO", &v), 0); // whole key only
        QCOMPARE(readKey(text, "GATEWAY", &v), 0);
        QCOMPARE(m_log.count(), 0);

        // Blank-delimited, as resolv.conf.
        QCOMPARE(readKey("search example\nnameserver\t \t198.18.4.53 \n", "nameserver", &v, " \t"), 1);
        QCOMPARE(v, QByteArray("198.18.4.53"));
    }

    void keyValueRewindsTheFile()
    {
        const QString path = write("ifcfg", "GATEWAY=198.18.0.254\nBOOTPROTO=static\n");
        FILE *f = fopen(path.toLocal8Bit().constData(), "r");
        QVERIFY(f);
        char v[FHOST_KEYVALUE_LEN];
        QCOMPARE(FHOSTReadKeyValue(&m_log.ctx, f, "BOOTPROTO", v, "="), 1);
        QCOMPARE(QByteArray(v), QByteArray("static"));
        // The earlier line is found although the file position is past it.
        QCOMPARE(FHOSTReadKeyValue(&m_log.ctx, f, "GATEWAY", v, "="), 1);
        QCOMPARE(QByteArray(v), QByteArray("198.18.0.254"));
        QCOMPARE(FHOSTReadKeyValue(&m_log.ctx, f, "GATEWAY", v, "="), 1);
        fclose(f);
    }

    void keyValueLengthLimit()
    {
        QByteArray v;
        const QByteArray v127(127, 'a');
        const QByteArray v128(128, 'b');
        QCOMPARE(readKey("K=" + v127 + "\n", "K", &v), 1);
        QCOMPARE(v, v127);
        QCOMPARE(m_log.count(), 0);

        QCOMPARE(readKey("K=" + v128 + "\n", "K", &v), -1);
        QCOMPARE(m_log.matching(1, "^iface\\.c:\\d+ buffer len 128, requires 129\\n$"), 1);

        // The quotes do not count: they are removed first.
        m_log.clear();
        QCOMPARE(readKey("K=\"" + v127 + "\"\n", "K", &v), 1);
        QCOMPARE(v, v127);
        QCOMPARE(readKey("K= " + QByteArray(300, 'c') + "\n", "K", &v), -1);
        QCOMPARE(m_log.matching(1, "buffer len 128, requires 301\\n$"), 1);
    }

    void keyValueErrors()
    {
        char v[FHOST_KEYVALUE_LEN];
        const QByteArray missing = m_dir.filePath("no-such-file").toLocal8Bit();
        QCOMPARE(FHOSTReadKeyValueFile(&m_log.ctx, missing.constData(), "K", v, "="), -1);
        QCOMPARE(m_log.matching(1, "^iface\\.c:\\d+ failed to open file .*no-such-file error:\\(2\\)\\n$"), 1);
        m_log.clear();
        QCOMPARE(FHOSTReadKeyValue(&m_log.ctx, nullptr, "K", v, "="), -1);
        QCOMPARE(m_log.matching(1, "Invaild Argument \\(\\(\\(void \\*\\)0\\) != pFile\\)=\\[0\\]"), 1);
    }

    void resolvConf()
    {
        gulDNS = FHOST_DNS_NONE;
        QString path = write("resolv.conf", "# local\nsearch test\nnameserver 198.18.9.53\nnameserver 198.18.9.54\n");
        QCOMPARE(FHOSTIfaceReadResolvConf(&m_log.ctx, path.toLocal8Bit().constData()), 1);
        QCOMPARE(gulDNS, addr("198.18.9.53"));

        gulDNS = FHOST_DNS_NONE;
        path = write("resolv.conf", "nameserver fd00::53\nnameserver 198.18.9.54\n");
        QCOMPARE(FHOSTIfaceReadResolvConf(&m_log.ctx, path.toLocal8Bit().constData()), 0);
        QCOMPARE(gulDNS, FHOST_DNS_NONE);

        // A missing file is no error and logs nothing.
        QCOMPARE(FHOSTIfaceReadResolvConf(&m_log.ctx, m_dir.filePath("none").toLocal8Bit().constData()), 0);
        QCOMPARE(m_log.count(), 0);
    }

    void redHatBootProto_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("isStatic");
        QTest::newRow("dhcp") << QByteArray("BOOTPROTO=dhcp\nGATEWAY=198.18.0.254\n") << false;
        QTest::newRow("static") << QByteArray("BOOTPROTO=static\nGATEWAY=198.18.0.254\n") << true;
        QTest::newRow("quoted static") << QByteArray("BOOTPROTO=\"static\"\nGATEWAY=\"198.18.0.254\"\n") << true;
        QTest::newRow("NONE") << QByteArray("GATEWAY=198.18.0.254\nBOOTPROTO=NONE\n") << true;
        QTest::newRow("Static") << QByteArray("BOOTPROTO='static'\nGATEWAY=198.18.0.254\n") << false;
        QTest::newRow("no bootproto") << QByteArray("GATEWAY=198.18.0.254\n") << false;
    }
    void redHatBootProto()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, isStatic);
        const QString dir = m_dir.filePath("rh-" + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
        write(QDir(dir).filePath("ifcfg-eth0"), text);
        NETIF e = entry("eth0", {2, 0, 0xc6, 0x12, 0, 1});
        e.ulGateway = addr("198.18.0.1"); // from an earlier source
        QCOMPARE(FHOSTIfaceReadRedHatCfg(&m_log.ctx, dir.toLocal8Bit().constData(), &e, 1), 0);
        QCOMPARE(e.ulStatic, isStatic ? 1u : 0u);
        QCOMPARE(e.ulGateway, isStatic ? addr("198.18.0.254") : addr("198.18.0.1"));
    }

    void redHatMacFallback()
    {
        const QString dir = m_dir.filePath("rh-mac");
        // "%2x" pads with a blank: 0x0a -> " a", 0x02 -> " 2".
        write(QDir(dir).filePath("ifcfg-eth1- 2: 0:c6: a:1b:ff"), "BOOTPROTO=static\nGATEWAY=198.18.1.254\n");
        write(QDir(dir).filePath("ifcfg-eth2-02:00:c6:0b:1b:ff"), "BOOTPROTO=static\n");
        NETIF rg[3] = {entry("eth0", {2, 0, 0xc6, 0x09, 0, 1}),
                       entry("eth1", {2, 0, 0xc6, 0x0a, 0x1b, 0xff}),
                       entry("eth2", {2, 0, 0xc6, 0x0b, 0x1b, 0xff})};
        rg[1].ulActive = 0; // inactive entries are read as well
        QCOMPARE(FHOSTIfaceReadRedHatCfg(&m_log.ctx, dir.toLocal8Bit().constData(), rg, 3), 0);
        QCOMPARE(rg[0].ulStatic, 0u);
        QCOMPARE(rg[1].ulStatic, 1u);
        QCOMPARE(rg[1].ulGateway, addr("198.18.1.254"));
        QCOMPARE(rg[2].ulStatic, 0u); // a zero-padded name is not the one looked for

        // The plain name is preferred when both exist.
        write(QDir(dir).filePath("ifcfg-eth1"), "BOOTPROTO=dhcp\nGATEWAY=198.18.1.1\n");
        NETIF e = entry("eth1", {2, 0, 0xc6, 0x0a, 0x1b, 0xff});
        FHOSTIfaceReadRedHatCfg(&m_log.ctx, dir.toLocal8Bit().constData(), &e, 1);
        QCOMPARE(e.ulStatic, 0u);
        QCOMPARE(e.ulGateway, 0u);
        QCOMPARE(m_log.count(), 0);
    }

    void networkManager()
    {
        const QString dir = m_dir.filePath("nm");
        write(QDir(dir).filePath("wired one.nmconnection"),
              "[connection]\nid=wired one\n[ethernet]\nmac-address=02:00:C6:12:01:01\n"
              "[ipv4]\nmethod=Manual\ndns=198.18.1.53;\naddresses1=198.18.1.1;24;198.18.1.254;\n");
        write(QDir(dir).filePath("two-dns"),
              "[ethernet]\nmac-address=02:00:c6:12:02:01\n[ipv4]\nmethod=auto\n"
              "dns=198.18.2.53;198.18.2.54;\naddresses1=198.18.2.1;;;24;;198.18.2.254\n");
        write(QDir(dir).filePath("other-mac"),
              "mac-address=02:00:c6:12:09:01\nmethod=manual\ndns=198.18.9.53;\n");
        write(QDir(dir).filePath("no-mac"), "method=manual\ndns=198.18.8.53\n");
        QDir(dir).mkpath("a-directory");

        NETIF rg[3] = {entry("vc0", {2, 0, 0xc6, 0x12, 0, 1}),
                       entry("vc1", {2, 0, 0xc6, 0x12, 1, 1}),
                       entry("vc2", {2, 0, 0xc6, 0x12, 2, 1})};
        gulDNS = FHOST_DNS_NONE;
        QCOMPARE(FHOSTIfaceReadNMKeyfile(&m_log.ctx, dir.toLocal8Bit().constData(), rg, 3), 0);
        QCOMPARE(rg[0].ulStatic, 0u);
        QCOMPARE(rg[0].ulDNS, 0u);
        QCOMPARE(rg[0].ulGateway, 0u);
        QCOMPARE(rg[1].ulStatic, 1u);
        QCOMPARE(rg[1].ulDNS, addr("198.18.1.53"));
        QCOMPARE(rg[1].ulGateway, addr("198.18.1.254"));
        QCOMPARE(rg[2].ulStatic, 0u);
        QCOMPARE(rg[2].ulDNS, 0u); // a list of two servers gives nothing
        QCOMPARE(rg[2].ulGateway, addr("198.18.2.254")); // runs of ';' are one separator
        QCOMPARE(gulDNS, addr("198.18.1.53"));

        // A host DNS server already known is kept.
        NETIF e = entry("vc1", {2, 0, 0xc6, 0x12, 1, 1});
        gulDNS = addr("198.18.200.53");
        FHOSTIfaceReadNMKeyfile(&m_log.ctx, dir.toLocal8Bit().constData(), &e, 1);
        QCOMPARE(e.ulDNS, addr("198.18.1.53"));
        QCOMPARE(gulDNS, addr("198.18.200.53"));

        // A missing directory is no error.
        QCOMPARE(FHOSTIfaceReadNMKeyfile(&m_log.ctx, m_dir.filePath("no-nm").toLocal8Bit().constData(), &e, 1), 0);
    }

    void debianInterfaces()
    {
        const QString path = write("interfaces",
                                   "# The loopback\nauto lo\niface lo inet loopback\n\n"
                                   "auto vc0\niface vc0 inet STATIC\n    address 198.18.0.1/24\n"
                                   "    gateway 198.18.0.254\n"
                                   "iface vc1 inet dhcp\n"
                                   "iface vc9 inet static\n\tgateway 198.18.9.254\n"
                                   "iface vc2 inet static\n\tgateway not-an-address\n"
                                   "gateways 198.18.2.99\n");
        NETIF rg[3] = {entry("vc0", {2, 0, 0xc6, 0x12, 0, 1}),
                       entry("vc1", {2, 0, 0xc6, 0x12, 1, 1}),
                       entry("vc2", {2, 0, 0xc6, 0x12, 2, 1})};
        QCOMPARE(FHOSTIfaceReadDebian(&m_log.ctx, path.toLocal8Bit().constData(), rg, 3), 0);
        QCOMPARE(rg[0].ulStatic, 1u);
        QCOMPARE(rg[0].ulGateway, addr("198.18.0.254"));
        QCOMPARE(rg[1].ulStatic, 0u);
        QCOMPARE(rg[1].ulGateway, 0u); // vc9's gateway went to no entry
        QCOMPARE(rg[2].ulStatic, 1u);
        QCOMPARE(rg[2].ulGateway, 0u);
        QCOMPARE(FHOSTIfaceReadDebian(&m_log.ctx, m_dir.filePath("none").toLocal8Bit().constData(), rg, 3), 0);

        // The same under a Turkish LC_CTYPE (made with localedef), where "I" is no capital "i".
        const QString source = write("tr", "LC_CTYPE\ncopy \"tr_TR\"\nEND LC_CTYPE\n");
        QProcess localedef;
        localedef.start("localedef", {"-c", "-i", source, "-f", "UTF-8", m_dir.filePath("tr_TR.UTF-8")});
        QVERIFY(localedef.waitForFinished(60000));
        qputenv("LOCPATH", QFile::encodeName(m_dir.path()));
        const bool turkish = setlocale(LC_CTYPE, "tr_TR.UTF-8") && tolower('I') != 'i';
        rg[0].ulStatic = 0;
        FHOSTIfaceReadDebian(&m_log.ctx, path.toLocal8Bit().constData(), rg, 3);
        qunsetenv("LOCPATH");
        setlocale(LC_CTYPE, "");
        QVERIFY2(turkish, "no tr_TR locale: localedef needs the package locales");
        QCOMPARE(rg[0].ulStatic, 1u);
    }

    // NetworkManager first; the RedHat or Debian gateway overwrites its one; static is only set.
    void precedence()
    {
        const QString nm = m_dir.filePath("prec-nm");
        write(QDir(nm).filePath("c0"), "mac-address=02:00:c6:12:00:01\nmethod=manual\ndns=198.18.0.53\n"
                                       "addresses1=198.18.0.1;24;198.18.0.100\n");
        write(QDir(nm).filePath("c1"), "mac-address=02:00:c6:12:01:01\nmethod=auto\n"
                                       "addresses1=198.18.1.1;24;198.18.1.100\n");
        const QString deb = write("prec-interfaces", "iface vc0 inet dhcp\n gateway 198.18.0.200\n"
                                                     "iface vc1 inet dhcp\n");
        const QString rh = m_dir.filePath("prec-rh");
        write(QDir(rh).filePath("ifcfg-vc1"), "BOOTPROTO=static\nGATEWAY=198.18.1.200\n");
        const QString resolv = write("prec-resolv", "nameserver 198.18.200.53\n");
        const QString noResolv = write("prec-resolv-empty", "search example\n");

        const QByteArray nmPath = nm.toLocal8Bit(), debPath = deb.toLocal8Bit(), rhPath = rh.toLocal8Bit();
        const QByteArray missing = m_dir.filePath("missing").toLocal8Bit();

        // Debian: its gateway overwrites NetworkManager's; its "dhcp" does not clear static.
        {
            FHOSTIFACEPATHS paths = {nullptr, nullptr, nmPath.constData(), missing.constData(), debPath.constData()};
            NETIF rg[2] = {entry("vc0", {2, 0, 0xc6, 0x12, 0, 1}), entry("vc1", {2, 0, 0xc6, 0x12, 1, 1})};
            QCOMPARE(FHOSTIfaceReadConfig(&m_log.ctx, &paths, rg, 2), 0);
            QCOMPARE(rg[0].ulStatic, 1u);
            QCOMPARE(rg[0].ulGateway, addr("198.18.0.200"));
            QCOMPARE(rg[1].ulStatic, 0u);
            QCOMPARE(rg[1].ulGateway, addr("198.18.1.100")); // nothing from Debian: NM's stays
        }
        // RedHat directory present: the Debian file is not read at all.
        {
            FHOSTIFACEPATHS paths = {nullptr, nullptr, nmPath.constData(), rhPath.constData(), debPath.constData()};
            NETIF rg[2] = {entry("vc0", {2, 0, 0xc6, 0x12, 0, 1}), entry("vc1", {2, 0, 0xc6, 0x12, 1, 1})};
            QCOMPARE(FHOSTIfaceReadConfig(&m_log.ctx, &paths, rg, 2), 0);
            QCOMPARE(rg[0].ulGateway, addr("198.18.0.100"));
            QCOMPARE(rg[1].ulStatic, 1u);
            QCOMPARE(rg[1].ulGateway, addr("198.18.1.200"));
        }
        // The host DNS server: resolv.conf first, NetworkManager only when it gives none.
        {
            FHOSTIFACEPATHS paths = {nullptr, nullptr, nmPath.constData(), missing.constData(), missing.constData()};
            NETIF rg[1] = {entry("vc0", {2, 0, 0xc6, 0x12, 0, 1})};
            gulDNS = FHOST_DNS_NONE;
            FHOSTIfaceReadResolvConf(&m_log.ctx, resolv.toLocal8Bit().constData());
            FHOSTIfaceReadConfig(&m_log.ctx, &paths, rg, 1);
            QCOMPARE(gulDNS, addr("198.18.200.53"));
            QCOMPARE(rg[0].ulDNS, addr("198.18.0.53"));

            gulDNS = FHOST_DNS_NONE;
            FHOSTIfaceReadResolvConf(&m_log.ctx, noResolv.toLocal8Bit().constData());
            FHOSTIfaceReadConfig(&m_log.ctx, &paths, rg, 1);
            QCOMPARE(gulDNS, addr("198.18.0.53"));
        }
    }

    // The whole enumeration over files: /proc/net/dev parsing and the reset of gulDNS.
    void enumerationOverFiles()
    {
        const QByteArray resolv = write("enum-resolv", "nameserver 198.18.200.53\n").toLocal8Bit();
        const QByteArray missing = m_dir.filePath("missing").toLocal8Bit();
        // "lo" is never usable; the made-up names do not exist, so their flags cannot be read.
        const QByteArray dev = write("enum-dev",
                                     "Inter-|   Receive\n face |bytes    packets\n"
                                     "    lo: 1 2 3\n\t nosuchif0: 1 2 3\nno colon here\n")
                                   .toLocal8Bit();
        FHOSTIFACEPATHS paths = {resolv.constData(), dev.constData(), missing.constData(),
                                 missing.constData(), missing.constData()};
        NETIF rg[FHOST_IFACE_MAX];
        memset(rg, 0, sizeof(rg));
        gulDNS = 0;
        QCOMPARE(FHOSTIfaceEnumFrom(&m_log.ctx, &paths, rg, FHOST_IFACE_MAX), 0);
        QCOMPARE(gulDNS, addr("198.18.200.53"));
        QCOMPARE(m_log.matching(1, "^iface_lnx\\.c:\\d+ ioctl\\(SIOCGIFFLAGS\\) error:\\(19\\)\\n$"), 1);

        paths.pszResolvConf = missing.constData();
        gulDNS = 0;
        QCOMPARE(FHOSTIfaceEnumFrom(&m_log.ctx, &paths, rg, 1), 0);
        QCOMPARE(gulDNS, FHOST_DNS_NONE);

        paths.pszProcNetDev = missing.constData();
        QCOMPARE(FHOSTIfaceEnumFrom(&m_log.ctx, &paths, rg, 1), -1);

        m_log.clear();
        QCOMPARE(FHOSTIfaceInit(&m_log.ctx, nullptr, 1), -1);
        QCOMPARE(m_log.matching(1, "^iface_lnx\\.c:\\d+ Invaild Argument \\(\\(\\(void \\*\\)0\\) != rgNetIf\\)=\\[0\\]\\n$"), 1);
        QCOMPARE(FHOSTIfaceInit(&m_log.ctx, rg, 0), -1);
        QCOMPARE(m_log.matching(1, "Invaild Argument \\(0 < numNetIf\\)"), 1);
        QCOMPARE(FHOSTIfaceInit(&m_log.ctx, rg, 9), -1);
        QCOMPARE(m_log.matching(1, "Invaild Argument \\(FHOST_IFACE_MAX >= numNetIf\\)"), 1);
    }

    void flagRule()
    {
        const unsigned upRunning = IFF_UP | IFF_RUNNING;
        QCOMPARE(FHOSTIfaceFlagsUsable(upRunning | IFF_BROADCAST | IFF_MULTICAST), 0);
        QCOMPARE(FHOSTIfaceFlagsUsable(IFF_UP | IFF_BROADCAST), -1);      // no carrier
        QCOMPARE(FHOSTIfaceFlagsUsable(IFF_RUNNING | IFF_BROADCAST), -1); // down
        QCOMPARE(FHOSTIfaceFlagsUsable(upRunning | IFF_LOOPBACK), -1);
        QCOMPARE(FHOSTIfaceFlagsUsable(upRunning | IFF_POINTOPOINT), -1);
        QCOMPARE(FHOSTIfaceFlagsUsable(upRunning | IFF_SLAVE), -1);
        QCOMPARE(FHOSTIfaceFlagsUsable(upRunning | IFF_MASTER), 0); // a bond itself is usable
    }

    // Every refusal below happens before a socket is opened: nothing is sent.
    void sendRefusals()
    {
        const char data[] = "x";
        FHOSTCONN conn;
        memset(&conn, 0, sizeof(conn));
        qstrcpy(conn.szAddr, "198.18.0.2");
        conn.usPort = 9999;
        NETIF e = entry("vc7", {2, 0, 0xc6, 0x12, 7, 1});

        QCOMPARE(FHOSTUDPSend(&m_log.ctx, nullptr, 1, &conn, &e, 0), 0);
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, data, 0, &conn, &e, 0), 0);
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, data, 1, nullptr, &e, 0), 0);
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, data, 1, &conn, nullptr, 0), 0);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ Invaild Argument \\(.*\\)=\\[0\\]\\n$"), 4);

        m_log.clear();
        e.ulIP = 0;
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, data, 1, &conn, &e, 1), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ fail to init Iface \\[vc7\\] src addr \\[0\\]\\n$"), 1);
        e.ulIP = 0xFFFFFFFFu;
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, data, 1, &conn, &e, 1), -1);
        QCOMPARE(m_log.matching(1, "fail to init Iface \\[vc7\\] src addr \\[FFFFFFFF\\]\\n$"), 1);

        m_log.clear();
        qstrcpy(conn.szAddr, "198.18.0.256");
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, data, 1, &conn, &e, 0), -1);
        // The broadcast text counts only with its NUL inside the 16 bytes.
        memcpy(conn.szAddr, "255.255.255.2550", 16);
        QCOMPARE(FHOSTUDPSend(&m_log.ctx, data, 1, &conn, &e, 0), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ fail to translate IP addr\\n$"), 2);
    }

    void broadcastRefusals()
    {
        NASINFO nas;
        FHOSTSEND send;
        FHOSTCONN conn;
        memset(&nas, 0, sizeof(nas));
        memset(&send, 0, sizeof(send));
        memset(&conn, 0, sizeof(conn));
        conn.pLogCtx = &m_log.ctx;

        QCOMPARE(FHOSTUDPBroadcastQuery(nullptr, &send), -1);
        QCOMPARE(m_log.count(), 0);
        QCOMPARE(FHOSTUDPBroadcastQuery(&conn, nullptr), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ Invaild Argument \\(NULL != pfhostSend\\)=\\[0\\]\\n$"), 1);
        QCOMPARE(FHOSTUDPBroadcastQuery(&conn, &send), -1);
        QCOMPARE(m_log.matching(1, "Invaild Argument \\(\\(\\(void \\*\\)0\\) != pfhostSend->pnasInfo\\)"), 1);
        send.pnasInfo = &nas;
        QCOMPARE(FHOSTUDPBroadcastQuery(&conn, &send), -1);
        QCOMPARE(m_log.matching(1, "Invaild Argument \\(0 < pfhostSend->nPktID\\)"), 1);

        m_log.clear();
        FHOSTRECV recv;
        memset(&recv, 0, sizeof(recv));
        QCOMPARE(FHOSTUDPServerRun(nullptr, &recv, nullptr, nullptr), -1);
        QCOMPARE(FHOSTUDPServerRun(&conn, nullptr, nullptr, nullptr), -1);
        QCOMPARE(m_log.matching(1, "^udp\\.c:\\d+ Invaild Argument \\(NULL != pfhostRecv\\)=\\[0\\]\\n$"), 1);
    }
};

QTEST_GUILESS_MAIN(TestIfaceFiles)
#include "tst_fhost_ifacefiles.moc"
