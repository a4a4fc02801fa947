// The server record's helpers: service bitmaps, byte order, the log context, argument-check
// lines and the send list.
#include <QtTest>

#include <cstring>
#include <vector>

#include "fhost.h"
#include "fhostlogcapture.h"

namespace {

int g_outputCalls = 0;
QList<int> g_lockCalls;
int g_lockResult = 0;
QByteArray g_lastText;

int countingOutput(const char *text)
{
    ++g_outputCalls;
    g_lastText = QByteArray(text);
    return 42;
}

int recordingLock(int on)
{
    g_lockCalls.append(on);
    return on ? g_lockResult : 0;
}

} // namespace

class TestFhostRecord : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        g_outputCalls = 0;
        g_lockCalls.clear();
        g_lockResult = 0;
        g_lastText.clear();
    }

    void serviceBitmapEdges();
    void serviceBitmapOutOfRange();
    void serviceClearLeavesOtherBitmap();
    void byteOrder16();

    void logArguments();
    void logSilentLevelNeverCallsOutput();
    void logLockRefusesLine();
    void logLockAroundOutput();
    void logCutsLongLines();
    void argumentCheckLine();

    void sendAddIds();
    void sendAddServiceIds();
    void sendAddFieldCopiesAtMostSlot();
    void sendAddFieldUnknownId();
    void sendListFullIsRefused();
};

void TestFhostRecord::serviceBitmapEdges()
{
    LogCapture log;
    NASINFO info;
    std::memset(&info, 0, sizeof(info));

    QCOMPARE(FHOSTServiceSet(&log.ctx, &info, 0), 0);
    QCOMPARE(info.ullbmapSupport1, quint64(1));
    QCOMPARE(FHOSTServiceSet(&log.ctx, &info, 63), 0);
    QCOMPARE(info.ullbmapSupport1, quint64(0x8000000000000001ULL));
    QCOMPARE(info.ullbmapSupport2, quint64(0));
    QCOMPARE(FHOSTServiceSet(&log.ctx, &info, 64), 0);
    QCOMPARE(info.ullbmapSupport2, quint64(1));
    QCOMPARE(FHOSTServiceSet(&log.ctx, &info, 127), 0);
    QCOMPARE(info.ullbmapSupport2, quint64(0x8000000000000001ULL));
    // Bitmap B is untouched by bitmap A's setter.
    QCOMPARE(info.ullbmapMask1, quint64(0));
    QCOMPARE(info.ullbmapMask2, quint64(0));

    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 0), 1);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 1), 0);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 62), 0);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 63), 1);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 64), 1);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 65), 0);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 127), 1);

    QCOMPARE(FHOSTServiceMaskSet(&log.ctx, &info, 8), 0);
    QCOMPARE(FHOSTServiceMaskSet(&log.ctx, &info, 70), 0);
    QCOMPARE(info.ullbmapMask1, quint64(0x100));
    QCOMPARE(info.ullbmapMask2, quint64(0x40));
    QCOMPARE(FHOSTServiceMaskIsSet(&log.ctx, &info, 8), 1);
    QCOMPARE(FHOSTServiceMaskIsSet(&log.ctx, &info, 70), 1);
    QCOMPARE(FHOSTServiceMaskIsSet(&log.ctx, &info, 0), 0);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 8), 0);
    QCOMPARE(log.count(), 0);
}

void TestFhostRecord::serviceBitmapOutOfRange()
{
    LogCapture log;
    NASINFO info;
    std::memset(&info, 0, sizeof(info));

    QCOMPARE(FHOSTServiceSet(&log.ctx, &info, 128), -1);
    QCOMPARE(FHOSTServiceMaskSet(&log.ctx, &info, 128), -1);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, &info, 128), -1);
    QCOMPARE(FHOSTServiceSet(&log.ctx, &info, -1), -1);
    QCOMPARE(FHOSTServiceIsSet(&log.ctx, nullptr, 3), -1);
    QCOMPARE(FHOSTServiceSet(&log.ctx, nullptr, 3), -1);
    QCOMPARE(FHOSTServiceClear(&log.ctx, nullptr), -1);
    QCOMPARE(FHOSTServiceMaskClear(&log.ctx, nullptr), -1);
    QCOMPARE(info.ullbmapSupport1 | info.ullbmapSupport2 | info.ullbmapMask1 | info.ullbmapMask2,
             quint64(0));
    QCOMPARE(LogCapture::matching(1, "^nasinfo\\.c:\\d+ Invaild Argument \\(FHOST_SERVICE_MAX > id\\)=\\[0\\]\n$"), 3);
    QCOMPARE(LogCapture::matching(1, "Invaild Argument \\(\\(\\(void \\*\\)0\\) != pnasInfo\\)"), 4);
}

void TestFhostRecord::serviceClearLeavesOtherBitmap()
{
    LogCapture log;
    NASINFO info;
    std::memset(&info, 0, sizeof(info));
    for (int n : {3, 64, 100}) {
        FHOSTServiceSet(&log.ctx, &info, n);
        FHOSTServiceMaskSet(&log.ctx, &info, n);
    }
    QCOMPARE(FHOSTServiceClear(&log.ctx, &info), 0);
    QCOMPARE(info.ullbmapSupport1, quint64(0));
    QCOMPARE(info.ullbmapSupport2, quint64(0));
    QCOMPARE(info.ullbmapMask1, quint64(0x8));
    QCOMPARE(info.ullbmapMask2, (quint64(1) << 0) | (quint64(1) << 36));

    FHOSTServiceSet(&log.ctx, &info, 5);
    QCOMPARE(FHOSTServiceMaskClear(&log.ctx, &info), 0);
    QCOMPARE(info.ullbmapMask1, quint64(0));
    QCOMPARE(info.ullbmapMask2, quint64(0));
    QCOMPARE(info.ullbmapSupport1, quint64(0x20));
}

void TestFhostRecord::byteOrder16()
{
    const uint16_t net = FHOSTHtoN16(9999); // 0x270F
    unsigned char bytes[2];
    std::memcpy(bytes, &net, 2);
    QCOMPARE(int(bytes[0]), 0x27);
    QCOMPARE(int(bytes[1]), 0x0F);
    QCOMPARE(FHOSTNtoH16(net), uint16_t(9999));
    QCOMPARE(FHOSTNtoH16(FHOSTHtoN16(0x1234)), uint16_t(0x1234));
}

void TestFhostRecord::logArguments()
{
    FHOSTLOGCTX ctx = FHOSTLOGCTX();
    QCOMPARE(FHOSTLog(nullptr, 1, "x"), -1);
    QCOMPARE(FHOSTLogSetOutput(nullptr, 1, countingOutput), -1);
    QCOMPARE(FHOSTLogSetOutput(&ctx, 0, countingOutput), -1);
    QCOMPARE(FHOSTLogSetOutput(&ctx, 3, countingOutput), -1);
    QCOMPARE(FHOSTLogSetOutput(&ctx, 2, countingOutput), 0);
    QVERIFY(ctx.pfnOutputL2 == countingOutput);
    QVERIFY(ctx.pfnOutputL1 == nullptr);
    QCOMPARE(FHOSTLog(&ctx, 2, nullptr), -1);
    QCOMPARE(FHOSTLog(&ctx, 0, "x"), -1);
    QCOMPARE(FHOSTLog(&ctx, 3, "x"), -1);
    QCOMPARE(g_outputCalls, 0);
    QCOMPARE(FHOSTLog(&ctx, 2, "id %d=%s\n", 7, "seven"), 42);
    QCOMPARE(g_outputCalls, 1);
    QCOMPARE(g_lastText, QByteArray("id 7=seven\n"));

    QCOMPARE(FHOSTLogLock(nullptr, 1), -1);
    QCOMPARE(FHOSTLogLock(&ctx, 1), 0);
    ctx.pfnLock = recordingLock;
    g_lockResult = 5;
    QCOMPARE(FHOSTLogLock(&ctx, 1), 5);
    QCOMPARE(g_lockCalls, QList<int>({1}));
}

void TestFhostRecord::logSilentLevelNeverCallsOutput()
{
    FHOSTLOGCTX ctx = FHOSTLOGCTX();
    ctx.pfnOutputL2 = countingOutput;
    ctx.pfnLock = recordingLock;
    QCOMPARE(FHOSTLog(&ctx, 1, "%s", "nothing"), 0);
    QCOMPARE(g_outputCalls, 0);
    // A silent level does not take the lock either.
    QVERIFY(g_lockCalls.isEmpty());
}

void TestFhostRecord::logLockRefusesLine()
{
    FHOSTLOGCTX ctx = FHOSTLOGCTX();
    ctx.pfnOutputL1 = countingOutput;
    ctx.pfnLock = recordingLock;
    g_lockResult = -1;
    QCOMPARE(FHOSTLog(&ctx, 1, "refused"), -1);
    QCOMPARE(g_outputCalls, 0);
    QCOMPARE(g_lockCalls, QList<int>({1}));
}

void TestFhostRecord::logLockAroundOutput()
{
    FHOSTLOGCTX ctx = FHOSTLOGCTX();
    ctx.pfnOutputL1 = countingOutput;
    ctx.pfnLock = recordingLock;
    QCOMPARE(FHOSTLog(&ctx, 1, "ok"), 42);
    QCOMPARE(g_outputCalls, 1);
    QCOMPARE(g_lockCalls, QList<int>({1, 0}));
}

void TestFhostRecord::logCutsLongLines()
{
    FHOSTLOGCTX ctx = FHOSTLOGCTX();
    ctx.pfnOutputL1 = countingOutput;
    const std::string longText(10000, 'x');
    QCOMPARE(FHOSTLog(&ctx, 1, "%s", longText.c_str()), 42);
    QCOMPARE(g_lastText.size(), 8191);
    QCOMPARE(g_lastText, QByteArray(8191, 'x'));
    const std::string fits(8191, 'y');
    FHOSTLog(&ctx, 1, "%s", fits.c_str());
    QCOMPARE(g_lastText.size(), 8191);
}

void TestFhostRecord::argumentCheckLine()
{
    LogCapture log;
    QCOMPARE(FHOSTServiceSet(&log.ctx, nullptr, 3), -1);
    QCOMPARE(LogCapture::lines(1).size(), 1);
    QCOMPARE(LogCapture::lines(2).size(), 0);
    const QString line = QString::fromLatin1(LogCapture::lines(1).first());
    QRegularExpression form("^nasinfo\\.c:(\\d+) Invaild Argument \\(\\(\\(void \\*\\)0\\) != pnasInfo\\)=\\[0\\]\n$");
    QRegularExpressionMatch m = form.match(line);
    QVERIFY2(m.hasMatch(), qPrintable(line));
    QVERIFY(m.captured(1).toInt() > 0);

    log.clear();
    FHOSTSEND send = FHOSTSEND();
    QCOMPARE(FHOSTSendAddIds(&log.ctx, nullptr, 1, 0), -1);
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &send, 0, 0), -1);
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &send, 256, 0), -1);
    QCOMPARE(LogCapture::lines(1).size(), 3);
    QVERIFY(QRegularExpression("^packet\\.c:\\d+ Invaild Argument \\(\\(\\(void \\*\\)0\\) != pfhostSend\\)=\\[0\\]\n$")
                .match(QString::fromLatin1(LogCapture::lines(1).at(0))).hasMatch());
    QVERIFY(QRegularExpression("^packet\\.c:\\d+ Invaild Argument \\(PKT_ID_MIN < id1\\)=\\[0\\]\n$")
                .match(QString::fromLatin1(LogCapture::lines(1).at(1))).hasMatch());
    QVERIFY(QRegularExpression("^packet\\.c:\\d+ Invaild Argument \\(PKT_ID_MAX > id1\\)=\\[0\\]\n$")
                .match(QString::fromLatin1(LogCapture::lines(1).at(2))).hasMatch());
    QCOMPARE(send.nPktID, 0);
}

void TestFhostRecord::sendAddIds()
{
    LogCapture log;
    NASINFO info = NASINFO();
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &send, 0xa4, 0xa6, 0x01, 0), 3);
    // Out-of-range identifiers after the first are skipped; duplicates are kept.
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &send, 0x7c, 300, -5, 0x7c, 256, 0x19, 0), 3);
    QCOMPARE(send.nPktID, 6);
    const int expected[] = {0xa4, 0xa6, 0x01, 0x7c, 0x7c, 0x19};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(send.ids[i], expected[i]);
    QCOMPARE(send.ids[6], 0);
}

void TestFhostRecord::sendAddServiceIds()
{
    LogCapture log;
    FHOSTSEND send = FHOSTSEND();
    QCOMPARE(FHOSTSendAddServiceIds(&log.ctx, &send, 0, 0), 0);
    QCOMPARE(FHOSTSendAddServiceIds(&log.ctx, &send, 1, 0), 2);
    QCOMPARE(FHOSTSendAddServiceIds(&log.ctx, &send, 0, 7), 2);
    QCOMPARE(FHOSTSendAddServiceIds(&log.ctx, &send, 1, 1), 4);
    QCOMPARE(FHOSTSendAddServiceIds(&log.ctx, nullptr, 1, 1), -1);
    const int expected[] = {0xb0, 0xb1, 0xb8, 0xb9, 0xb0, 0xb1, 0xb8, 0xb9};
    QCOMPARE(send.nPktID, 8);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(send.ids[i], expected[i]);
}

void TestFhostRecord::sendAddFieldCopiesAtMostSlot()
{
    LogCapture log;
    NASINFO info = NASINFO();
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    char value[100];
    std::memset(value, 'v', sizeof(value));
    // szVersion is 8 bytes and is followed directly by szField7E.
    QCOMPARE(FHOSTSendAddField(&log.ctx, &send, 0x77, value, sizeof(value)), 0);
    QCOMPARE(QByteArray(info.szVersion, 8), QByteArray(8, 'v'));
    QCOMPARE(QByteArray(info.szField7E, 8), QByteArray(8, '\0'));

    const uint32_t build = 3000;
    QCOMPARE(FHOSTSendAddField(&log.ctx, &send, 0x49, &build, sizeof(build)), 0);
    QCOMPARE(info.ulBuild, 3000u);
    const char name[36] = "DiskStation";
    QCOMPARE(FHOSTSendAddField(&log.ctx, &send, 0x21, name, sizeof(name)), 0);
    QCOMPARE(QByteArray(info.szServerName), QByteArray("DiskStation"));
    QCOMPARE(send.nPktID, 3);
    QCOMPARE(send.ids[0], 0x77);
    QCOMPARE(send.ids[1], 0x49);
    QCOMPARE(send.ids[2], 0x21);
    QCOMPARE(log.count(), 0);
}

void TestFhostRecord::sendAddFieldUnknownId()
{
    LogCapture log;
    NASINFO info = NASINFO();
    FHOSTSEND send = FHOSTSEND();
    send.pnasInfo = &info;
    const uint32_t v = 1;
    QCOMPARE(FHOSTSendAddField(&log.ctx, &send, 0x03, &v, 4), -1);
    QCOMPARE(FHOSTSendAddField(&log.ctx, &send, 0x4b, &v, 4), -1);
    QCOMPARE(FHOSTSendAddField(&log.ctx, &send, 0, &v, 4), -1);
    QCOMPARE(FHOSTSendAddField(&log.ctx, nullptr, 0x01, &v, 4), -1);
    QCOMPARE(send.nPktID, 0);
    QCOMPARE(LogCapture::matching(1, "^packet\\.c:\\d+ unknown PKT-ID: \\[0x3\\]\n$"), 1);
    QCOMPARE(LogCapture::matching(1, "^packet\\.c:\\d+ unknown PKT-ID: \\[0x4B\\]\n$"), 1);
    QCOMPARE(LogCapture::matching(1, "Invaild Argument \\(PKT_ID_MIN < pktID\\)"), 1);
    QCOMPARE(LogCapture::matching(1, "Invaild Argument \\(\\(\\(void \\*\\)0\\) != pfhostSend\\)"), 1);
}

void TestFhostRecord::sendListFullIsRefused()
{
    LogCapture log;
    NASINFO info = NASINFO();
    // The send list sits in front of a guard area that must stay untouched.
    struct Guarded {
        FHOSTSEND send;
        unsigned char guard[256];
    } g;
    std::memset(&g, 0, sizeof(g));
    std::memset(g.guard, 0xA5, sizeof(g.guard));
    g.send.pnasInfo = &info;

    for (int i = 0; i < FHOST_SEND_MAX_IDS; ++i)
        QCOMPARE(FHOSTSendAddIds(&log.ctx, &g.send, 0x7c, 0), 1);
    QCOMPARE(g.send.nPktID, 256);
    QCOMPARE(log.count(), 0);

    // The 257th identifier, by every way of adding one.
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &g.send, 0x19, 0), -1);
    QCOMPARE(FHOSTSendAddServiceIds(&log.ctx, &g.send, 1, 0), -1);
    const char mac[36] = "00:11:32:00:00:01";
    QCOMPARE(FHOSTSendAddField(&log.ctx, &g.send, 0x19, mac, sizeof(mac)), -1);
    QCOMPARE(g.send.nPktID, 256);
    QCOMPARE(LogCapture::lines(1).size(), 3);
    QCOMPARE(LogCapture::matching(1, "^packet\\.c:\\d+ Invaild Argument \\(.*nPktID.*\\)=\\[0\\]\n$"), 3);
    for (unsigned char c : g.guard)
        QCOMPARE(int(c), 0xA5);
    QCOMPARE(g.send.ids[255], 0x7c);
    // AddServiceIds with nothing wanted still fits, and a partial list is refused whole.
    QCOMPARE(FHOSTSendAddServiceIds(&log.ctx, &g.send, 0, 0), 0);

    FHOSTSEND almost = FHOSTSEND();
    almost.nPktID = 254;
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &almost, 0x01, 0xa4, 0x7c, 0), -1);
    QCOMPARE(almost.nPktID, 254);
    QCOMPARE(almost.ids[254], 0);
    QCOMPARE(FHOSTSendAddIds(&log.ctx, &almost, 0x01, 0xa4, 0), 2);
    QCOMPARE(almost.nPktID, 256);
}

QTEST_GUILESS_MAIN(TestFhostRecord)
#include "tst_fhost_record.moc"
