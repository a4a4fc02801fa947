// A stored host name that cannot be resolved never matches a server. The look-up runs inside a
// network namespace the test creates, with only its loopback up and, bound over resolv.conf in
// that child's private mount namespace, a resolver on that loopback where nothing answers: the
// look-up fails at once and no query ever leaves the namespace. Nothing under /etc is written.
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QtTest>
#include <unistd.h>

#include "CRsrcConfig.h"
#include "platforms.h"

namespace {

const char *const CHILD_ENV = "VORK_RSRC_NETNS_CHILD";

bool run(const QStringList &args, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("ip"), args);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

class TestRsrcConfigNetns : public QObject
{
    Q_OBJECT

private:
    QString m_ns;
    QTemporaryDir m_dir;
    bool m_created = false;

    void removeNamespace()
    {
        if (m_created)
            run({QStringLiteral("netns"), QStringLiteral("delete"), m_ns});
        m_created = false;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Quenlori"));
        QCoreApplication::setApplicationName(QStringLiteral("VRVornakeeper"));
        QVERIFY(QSettings().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
        if (qEnvironmentVariableIsSet(CHILD_ENV))
            return;
        if (geteuid() != 0)
            QSKIP("needs root to create a network namespace");

        m_ns = QStringLiteral("vrsrc%1").arg(QCoreApplication::applicationPid());
        // Left over from a killed run of the same pid: remove first.
        run({QStringLiteral("netns"), QStringLiteral("delete"), m_ns});
        QVERIFY(run({QStringLiteral("netns"), QStringLiteral("add"), m_ns}));
        m_created = true;
        QVERIFY(run({QStringLiteral("-n"), m_ns, QStringLiteral("link"), QStringLiteral("set"),
                     QStringLiteral("lo"), QStringLiteral("up")}));
        QVERIFY(m_dir.isValid());
        QFile resolv(m_dir.filePath(QStringLiteral("resolv.conf")));
        QVERIFY(resolv.open(QIODevice::WriteOnly));
        resolv.write("nameserver 127.0.0.1\noptions timeout:1 attempts:1\n");
        resolv.close();
    }

    void cleanupTestCase()
    {
        removeNamespace();
    }

    void unresolvableHostNeverMatches()
    {
        if (qEnvironmentVariableIsSet(CHILD_ENV))
            QSKIP("parent side");
        {
            QSettings settings;
            settings.clear();
        }
        // Walked in group order: the unresolvable one comes first.
        CRsrcConfig gone(5000, false, QStringLiteral("A Gone"), QStringLiteral("nas.gone.invalid"),
                         QStringLiteral("admin"), QString());
        gone.save(CRsrcConfig::strRsrcRootGroup);
        CRsrcConfig loop(5000, false, QStringLiteral("B Loop"), QStringLiteral("localhost"),
                         QStringLiteral("admin"), QString());
        loop.save(CRsrcConfig::strRsrcRootGroup);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(CHILD_ENV), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer timer;
        timer.start();
        // `ip netns exec` gives the child a private mount namespace, so the bind mount over
        // resolv.conf is seen by the child only.
        child.start(QStringLiteral("ip"),
                    {QStringLiteral("netns"), QStringLiteral("exec"), m_ns, QStringLiteral("sh"),
                     QStringLiteral("-c"),
                     QStringLiteral("mount --bind \"$1\" /etc/resolv.conf && exec \"$2\" insideNamespace"),
                     QStringLiteral("sh"), m_dir.filePath(QStringLiteral("resolv.conf")),
                     QCoreApplication::applicationFilePath()});
        const bool finished = child.waitForFinished(30000);
        if (!finished) {
            child.kill();
            child.waitForFinished(2000);
        }
        const QByteArray output = child.readAll();
        QVERIFY2(finished, output.constData());
        QVERIFY2(child.exitCode() == 0, output.constData());
        QVERIFY2(output.contains("PASS   : TestRsrcConfigNetns::insideNamespace()"), output.constData());
        QVERIFY2(timer.elapsed() < 15000, output.constData());
    }

    void insideNamespace()
    {
        if (!qEnvironmentVariableIsSet(CHILD_ENV))
            QSKIP("runs in the namespace, started by unresolvableHostNeverMatches");
        QElapsedTimer timer;
        timer.start();
        uint32_t address = 0xDEADBEEFu;
        QFile resolv(QStringLiteral("/etc/resolv.conf"));
        QVERIFY(resolv.open(QIODevice::ReadOnly));
        QVERIFY(resolv.readAll().startsWith("nameserver 127.0.0.1\n"));
        QVERIFY(!resolveHostIPv4(&address, QStringLiteral("nas.gone.invalid")));

        // Address 0 is what a careless walk would compare an unresolved name as.
        QString name = QStringLiteral("untouched");
        QVERIFY(!CRsrcConfig::isHostPortExisted(0, 5000, &name));
        QCOMPARE(name, QStringLiteral("untouched"));
        QVERIFY(!CRsrcConfig::isHostPortExisted(0xDEADBEEFu, 5000, &name));
        QCOMPARE(name, QStringLiteral("untouched"));
        // The walk goes on past the unresolvable profile.
        QVERIFY(CRsrcConfig::isHostPortExisted(0x7F000001u, 5000, &name));
        QCOMPARE(name, QStringLiteral("B Loop"));
        QVERIFY2(timer.elapsed() < 10000, "the failing look-up must not hang");
    }
};

QTEST_MAIN(TestRsrcConfigNetns)
#include "tst_rsrcconfig_netns.moc"
