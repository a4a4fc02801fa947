// The wake-up job without any network: the magic packet's bytes, the one-second ticks up to the
// time-out, which answers end the wait, and the refusals that happen before anything is sent.
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "CVorkWOL.h"
#include "CWOLConfig.h"
#include "woltestutil.h"

class TestWolJob : public QObject
{
    Q_OBJECT

private slots:
    void magicPacketBytes_data();
    void magicPacketBytes();
    void magicPacketFieldRules();
    void shortMacTextsRefused_data();
    void shortMacTextsRefused();
    void newJob();
    void ticksUntilTimeout();
    void idleJobMatchesNoAnswer();
    void answerWithFullMacSlot();
    void refusalsBeforeSending();
    void tickIntervalSeam();
};

void TestWolJob::magicPacketBytes_data()
{
    QTest::addColumn<QString>("mac");
    QTest::newRow("lower case") << QStringLiteral("02:1a:2b:3c:4d:5e");
    QTest::newRow("upper case") << QStringLiteral("02:1A:2B:3C:4D:5E");
    QTest::newRow("mixed case") << QStringLiteral("02:1A:2b:3C:4d:5E");
    QTest::newRow("empty part dropped") << QStringLiteral("02::1a:2b:3c:4d:5e");
    QTest::newRow("leading and trailing colons") << QStringLiteral(":02:1a:2b:3c:4d:5e:");
    QTest::newRow("seventh part ignored") << QStringLiteral("02:1a:2b:3c:4d:5e:77");
}

void TestWolJob::magicPacketBytes()
{
    QFETCH(QString, mac);
    QByteArray packet;
    QVERIFY(CVorkWOL::buildMagicPacket(mac, &packet));
    QCOMPARE(packet.size(), 102);
    QCOMPARE(packet.toHex(), goldenMagicPacket().toHex());
}

void TestWolJob::magicPacketFieldRules()
{
    QByteArray packet;
    // A part that is not hexadecimal gives 0.
    QVERIFY(CVorkWOL::buildMagicPacket(QStringLiteral("zz:1a:zz:3c:g1:5e"), &packet));
    QByteArray expected = QByteArray::fromHex("ffffffffffff");
    for (int i = 0; i < 16; ++i)
        expected += QByteArray::fromHex("001a003c005e");
    QCOMPARE(packet.toHex(), expected.toHex());
    // Single digits are whole numbers too.
    QVERIFY(CVorkWOL::buildMagicPacket(QStringLiteral("2:a:b:c:d:e"), &packet));
    QCOMPARE(packet.mid(6, 6).toHex(), QByteArray("020a0b0c0d0e"));
    QCOMPARE(packet.mid(96, 6).toHex(), QByteArray("020a0b0c0d0e"));
}

void TestWolJob::shortMacTextsRefused_data()
{
    QTest::addColumn<QString>("mac");
    QTest::newRow("five fields") << QStringLiteral("02:1a:2b:3c:4d");
    QTest::newRow("five with empty parts") << QStringLiteral("02:1a::2b:3c:4d:");
    QTest::newRow("dashes") << QStringLiteral("02-1a-2b-3c-4d-5e");
    QTest::newRow("empty") << QString();
    QTest::newRow("only colons") << QStringLiteral(":::::::");
}

void TestWolJob::shortMacTextsRefused()
{
    QFETCH(QString, mac);
    QByteArray packet("untouched");
    QVERIFY(!CVorkWOL::buildMagicPacket(mac, &packet));
    QCOMPARE(packet, QByteArray("untouched"));
}

void TestWolJob::newJob()
{
    FakePacketSource source;
    CVorkWOL job(&source);
    QCOMPARE(job.getTimeout(), 225000);
    QCOMPARE(job.getElapsed(), 0);
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_IDLE));
    QVERIFY(job.getMacAddress().isEmpty());
    QVERIFY(job.parent() == nullptr);
    // The timer comes with the first wake-up only.
    QVERIFY(job.findChild<QTimer *>() == nullptr);
    QCOMPARE(source.receiverCount(), 0);
    job.setStatus(CVorkWOL::STATUS_OFF_LINE);
    QCOMPARE(job.getStatus(), 2);
}

void TestWolJob::ticksUntilTimeout()
{
    CVorkWOL job(nullptr);
    job.setStatus(CVorkWOL::STATUS_WAITING);
    for (int tick = 1; tick <= 225; ++tick) {
        job.slotUpdateProg();
        QCOMPARE(job.getElapsed(), tick * 1000);
        QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_WAITING));
        // The percentage the finder shows never passes 100 while waiting.
        QVERIFY(job.getElapsed() * 100 / job.getTimeout() <= 100);
    }
    job.slotUpdateProg();
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_TIMED_OUT));
    QCOMPARE(job.getElapsed(), 225000);
    // Further ticks keep it there.
    job.slotUpdateProg();
    QCOMPARE(job.getElapsed(), 225000);
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_TIMED_OUT));
}

void TestWolJob::idleJobMatchesNoAnswer()
{
    // A job that has never woken anything has no MAC: no record can match it.
    CVorkWOL idle(nullptr);
    idle.slotRespPktRecv(answerFrom("02:1a:2b:3c:4d:5e", FHOST_PKT_BRESPONSE));
    QCOMPARE(idle.getStatus(), int(CVorkWOL::STATUS_IDLE));
    QCOMPARE(idle.getElapsed(), 0);
}

void TestWolJob::answerWithFullMacSlot()
{
    // A record whose MAC slot is full to the last byte (no NUL) is read within the slot: it
    // neither matches a MAC of other text nor reads past the slot (the sanitizer build watches).
    NASINFO n = answerFrom("", FHOST_PKT_BRESPONSE);
    memset(n.szMac, 'a', sizeof(n.szMac));
    CVorkWOL job(nullptr);
    job.setStatus(CVorkWOL::STATUS_WAITING);
    job.slotRespPktRecv(n);
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_WAITING));
}

void TestWolJob::refusalsBeforeSending()
{
    FakePacketSource source;
    CVorkWOL job(&source);
    job.setStatus(CVorkWOL::STATUS_TIMED_OUT);
    QCOMPARE(job.wake(nullptr), -1);

    // An empty address fails before any name lookup: nothing is sent, nothing changes, and the
    // debug line names the expression and the text.
    CWOLConfig config;
    config.setMacAddress(QStringLiteral("02:1a:2b:3c:4d:5e"));
    DebugLines debug;
    QCOMPARE(job.wake(&config), -1);
    QCOMPARE(job.getStatus(), int(CVorkWOL::STATUS_TIMED_OUT));
    QCOMPARE(job.getElapsed(), 0);
    QVERIFY(job.getMacAddress().isEmpty());
    QVERIFY(job.findChild<QTimer *>() == nullptr);
    QCOMPARE(source.receiverCount(), 0);
    QVERIFY2(debug.contains(QStringLiteral(
                 "src/WOL/CVorkWOL:")) && debug.contains(QStringLiteral(
                 " (pWolConfig->getAddrName()).toAscii().data()=[\n]\n")),
             qPrintable(debug.lines().join(QStringLiteral("|"))));
}

void TestWolJob::tickIntervalSeam()
{
    QCOMPARE(CVorkWOL::tickIntervalMs(), 1000);
    CVorkWOL::setTickIntervalMs(5);
    QCOMPARE(CVorkWOL::tickIntervalMs(), 5);
    CVorkWOL::setTickIntervalMs(0);
    QCOMPARE(CVorkWOL::tickIntervalMs(), 1000);
    // Every tick still counts one second towards the time-out.
    CVorkWOL::setTickIntervalMs(5);
    CVorkWOL job(nullptr);
    job.slotUpdateProg();
    QCOMPARE(job.getElapsed(), 1000);
    CVorkWOL::setTickIntervalMs(-3);
    QCOMPARE(CVorkWOL::tickIntervalMs(), 1000);
}

QTEST_GUILESS_MAIN(TestWolJob)
#include "tst_woljob.moc"
