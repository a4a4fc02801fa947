// The install channel on loopback against peers the test controls: command bytes, the reply
// parser, replies split or joined by the network, the patch upload with and without a copy
// directory, refused files, the bytes a large upload keeps pending, and the stop flag.
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstring>

#include "CQuenTCP.h"
#include "CThreadNetInstall.h"
#include "HangGuard.h"
#include "VorkStartup.h"
#include "netinstalltest.h"

using nit::hex;

namespace {

const char kMarkerHex[] = "12 34 56 78 51 55 45 4e 4e 49";

QByteArray reply(const char *items)
{
    return hex(kMarkerHex) + hex(items);
}

// A peer in a thread of its own: accepts one connection on 127.0.0.1 and reads until the client
// closes (bounded), keeping the first bytes and a hash of everything. With readNothing it accepts
// and then only waits until told to stop.
class ReadingPeer : public QThread
{
public:
    explicit ReadingPeer(bool readNothing = false) : m_readNothing(readNothing) {}

    quint16 port() const { return m_port.load(); }
    bool waitListening()
    {
        QElapsedTimer t;
        t.start();
        while (m_port.load() == 0 && t.elapsed() < tsup::guardMs())
            QThread::msleep(1);
        return m_port.load() != 0;
    }
    void stop() { m_stop.store(true); }

    QByteArray head;      // the first 16 bytes
    QByteArray kept;      // everything, when keepAll
    bool keepAll = false;
    qint64 total = 0;
    QByteArray sha256;    // of everything after the first 4 bytes

protected:
    void run() override
    {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0))
            return;
        m_port.store(server.serverPort());
        if (!server.waitForNewConnection(tsup::guardMs(20000)))
            return;
        QTcpSocket *c = server.nextPendingConnection();
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 120000 && !m_stop.load()) {
            if (m_readNothing) {
                QThread::msleep(5);
                continue;
            }
            if (c->bytesAvailable() == 0 && !c->waitForReadyRead(100)) {
                if (c->state() != QAbstractSocket::ConnectedState)
                    break;
                continue;
            }
            const QByteArray d = c->readAll();
            if (head.size() < 16)
                head += d.left(16 - head.size());
            // The hash skips the 4-byte size field.
            const qint64 skip = qMax<qint64>(0, 4 - total);
            if (d.size() > skip)
                hash.addData(d.constData() + skip, int(d.size() - skip));
            if (keepAll)
                kept += d;
            total += d.size();
        }
        sha256 = hash.result().toHex();
        delete c;
    }

private:
    std::atomic<quint16> m_port{0};
    std::atomic<bool> m_stop{false};
    bool m_readNothing;
};

// Start-up as with "-P directory" on the command line.
void setCopyDirectory(QByteArray directory)
{
    char program[] = "vork";
    char option[] = "-P";
    char *argv[] = {program, option, directory.data(), nullptr};
    parseStartupOptions(3, argv);
}

} // namespace

class TestQuenTcp : public QObject
{
    Q_OBJECT

    QTcpServer m_server;

    // Connects a channel to m_server and returns the server's end (owned by m_server).
    QTcpSocket *connectPair(CQuenTCP &tcp)
    {
        if (tcp.connectToHost(QStringLiteral("127.0.0.1"), m_server.serverPort()) != 0)
            return nullptr;
        if (!m_server.hasPendingConnections() && !m_server.waitForNewConnection(tsup::guardMs(5000)))
            return nullptr;
        return m_server.nextPendingConnection();
    }

    static QByteArray readExactly(QTcpSocket *s, int n)
    {
        QByteArray out;
        QElapsedTimer t;
        t.start();
        while (out.size() < n && t.elapsed() < tsup::guardMs()) {
            if (s->bytesAvailable() == 0)
                s->waitForReadyRead(100);
            out += s->read(n - out.size());
        }
        return out;
    }

    static void send(QTcpSocket *s, const QByteArray &bytes)
    {
        s->write(bytes);
        s->flush();
        s->waitForBytesWritten(tsup::guardMs(1000));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
    }

    void cleanup()
    {
        resetStartupOptions();
    }

    void commandPacketsOnTheWire()
    {
        QCOMPARE(CQuenTCP::commandPacket(NI_CMD_UPLOAD),
                 hex("12 34 56 78 51 55 45 4e 4e 49 01 04 01 00 00 00 12 04 05 00 00 00"));
        QCOMPARE(CQuenTCP::commandPacket(255),
                 hex("12 34 56 78 51 55 45 4e 4e 49 01 04 01 00 00 00 12 04 ff 00 00 00"));

        CQuenTCP tcp;
        QTcpSocket *peer = connectPair(tcp);
        QVERIFY(peer);
        for (uint8_t code : {NI_CMD_UPLOAD, NI_CMD_QUERY, NI_CMD_BEGIN_INSTALL, NI_CMD_REBOOT,
                             NI_CMD_RECOVERY}) {
            QCOMPARE(tcp.writePacket(code), 0);
            const QByteArray got = readExactly(peer, 22);
            QByteArray expected = hex("12 34 56 78 51 55 45 4e 4e 49 01 04 01 00 00 00 12 04 00 00 00 00");
            expected[18] = char(code);
            QCOMPARE(got, expected);
        }
        tcp.close();
    }

    void replyTable_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<quint32>>("words");
        QTest::addColumn<QString>("line");
        const QList<quint32> zero{0, 0, 0, 0, 0, 0, 0};

        QTest::newRow("10 bytes") << hex(kMarkerHex) << -1 << zero
                                  << "Tcp receiveProgress: Length is less than header.\n";
        QTest::newRow("empty") << QByteArray() << -1 << zero
                               << "Tcp receiveProgress: Length is less than header.\n";
        QTest::newRow("11 bytes, stray known id") << reply("11") << 0 << zero << QString();
        QTest::newRow("wrong marker") << hex("12 34 56 78 51 55 45 4e 4e 58 11 04 00 00 00 00") << -1
                                      << zero
                                      << "Tcp receiveProgress: Packet header did not match the format!\n";
        QTest::newRow("all items")
            << reply("01 04 01 00 00 00 11 04 00 00 00 00 13 04 03 00 00 00 14 04 2a 00 00 00 15 04 b4 00 00 00")
            << 0 << QList<quint32>{1, 0, 0, 0, 3, 42, 180} << QString();
        QTest::newRow("little-endian value") << reply("11 04 01 02 03 04") << 0
                                             << QList<quint32>{0, 0, 0x04030201, 0, 0, 0, 0} << QString();
        QTest::newRow("item 17 of length 2 stops")
            << reply("01 04 01 00 00 00 13 04 02 00 00 00 11 02 07 00 14 04 32 00 00 00") << 0
            << QList<quint32>{1, 0, 0, 0, 2, 0, 0} << QString();
        QTest::newRow("value runs past the end") << reply("13 04 04 00 00 00 14 04 32 00 00") << 0
                                                 << QList<quint32>{0, 0, 0, 0, 4, 0, 0} << QString();
        QTest::newRow("known id without length byte") << reply("13 04 05 00 00 00 14") << 0
                                                      << QList<quint32>{0, 0, 0, 0, 5, 0, 0} << QString();
        QTest::newRow("unknown item skipped")
            << reply("30 02 aa bb 13 04 03 00 00 00 99 00 14 04 64 00 00 00") << 0
            << QList<quint32>{0, 0, 0, 0, 3, 100, 0} << QString();
        QTest::newRow("unknown item without length byte") << reply("13 04 03 00 00 00 30") << -1
                                                          << QList<quint32>{0, 0, 0, 0, 3, 0, 0}
                                                          << "Tcp receiveProgress: Parse error!\n";
        QTest::newRow("11 bytes, stray unknown id") << reply("00") << -1 << zero
                                                    << "Tcp receiveProgress: Parse error!\n";
        QTest::newRow("unknown item longer than the data") << reply("13 04 03 00 00 00 30 ff 01 02") << 0
                                                           << QList<quint32>{0, 0, 0, 0, 3, 0, 0} << QString();
        QTest::newRow("repeated item: the last counts") << reply("11 04 05 00 00 00 11 04 00 00 00 00") << 0
                                                        << zero << QString();
    }

    void replyTable()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, result);
        QFETCH(QList<quint32>, words);
        QFETCH(QString, line);
        NI_REPLY r;
        memset(&r, 0xff, sizeof(r)); // every word is cleared by the parse
        tsup::LogCapture capture;
        QCOMPARE(CQuenTCP::parseProgress(data, &r), result);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(r.ulWord[i], words[i]);
        if (!line.isEmpty())
            QCOMPARE(capture.lines(), QStringList(line));
        else
            QCOMPARE(capture.lines(), QStringList());
    }

    // A reply that arrives in two reads is parsed only as far as the first read reaches; the
    // rest then spoils the next reply.
    void splitReply()
    {
        CQuenTCP tcp;
        QTcpSocket *peer = connectPair(tcp);
        QVERIFY(peer);
        const QByteArray whole = reply("01 04 01 00 00 00 13 04 03 00 00 00 14 04 32 00 00 00");
        send(peer, whole.left(17));
        QVERIFY(tcp.waitForReadyRead(tsup::guardMs(5000)));
        NI_REPLY r;
        QCOMPARE(tcp.receiveProgress(&r), 0);
        QCOMPARE(r.ulWord[NI_REPLY_ITEM1], 1u);
        QCOMPARE(r.ulWord[NI_REPLY_STAGE], 0u);
        QCOMPARE(r.ulWord[NI_REPLY_PERCENT], 0u);

        send(peer, whole.mid(17));
        QVERIFY(tcp.waitForReadyRead(tsup::guardMs(5000)));
        tsup::LogCapture capture;
        QCOMPARE(tcp.receiveProgress(&r), -1);
        QCOMPARE(capture.lines(),
                 QStringList("Tcp receiveProgress: Packet header did not match the format!\n"));
        tcp.close();
    }

    // Two replies that the network joins into one read are still taken one by one.
    void joinedReplies()
    {
        CQuenTCP tcp;
        QTcpSocket *peer = connectPair(tcp);
        QVERIFY(peer);
        send(peer, reply("01 04 01 00 00 00 11 04 00 00 00 00") + reply("01 04 01 00 00 00 11 04 0d 00 00 00"));
        // Both are here before the channel looks.
        QTest::qWait(50);
        QVERIFY(tcp.waitForReadyRead(tsup::guardMs(5000)));
        NI_REPLY r;
        QCOMPARE(tcp.receiveProgress(&r), 0);
        QCOMPARE(r.ulWord[NI_REPLY_ERROR], 0u);
        // The second one is already here: a wait without any time to wait reports it.
        QVERIFY(tcp.waitForReadyRead(0));
        QCOMPARE(tcp.receiveProgress(&r), 0);
        QCOMPARE(r.ulWord[NI_REPLY_ERROR], 13u);
        QCOMPARE(r.ulWord[NI_REPLY_ITEM1], 1u);
        tcp.close();
    }

    void noSocket()
    {
        CQuenTCP tcp;
        tsup::LogCapture capture;
        QCOMPARE(tcp.readAllPacket(), QByteArray());
        QCOMPARE(capture.lines(), QStringList("m_ptcpSocket is null in readAllPacket()"));
        capture.clear();
        QCOMPARE(tcp.writePacket(NI_CMD_QUERY), -1);
        QCOMPARE(capture.lines(),
                 QStringList({"Bytes of TCP written is inconsistent! Data-size:(22)  Written-size:(-1)",
                              "Tcp writePacket(szBuf=[12 34 56 78 51 55 45 4e 4e 49 01 04 01 00 00 00 "
                              "12 04 00 00 00 00], len=[22]) failed!\n"}));
        QVERIFY(!tcp.waitForReadyRead(10));
        tcp.close(); // nothing to close
    }

    void connectRefused()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const quint16 port = closed.serverPort();
        closed.close();
        CQuenTCP tcp;
        tsup::LogCapture capture;
        QCOMPARE(tcp.connectToHost(QStringLiteral("127.0.0.1"), port), -1);
        // Refused, not given up at the end of the connection wait ("Socket operation timed out").
        QCOMPARE(capture.lines(), QStringList("fail in TCP-Connection.(Connection refused)"));
        QCOMPARE(tcp.writePacket(NI_CMD_QUERY), -1);
    }

    // The peer goes away: the wait (the job's reply wait) ends at once instead of running to
    // its limit.
    void peerClosesDuringWait()
    {
        CQuenTCP tcp;
        QTcpSocket *peer = connectPair(tcp);
        QVERIFY(peer);
        peer->close();
        QElapsedTimer t;
        t.start();
        QVERIFY(!tcp.waitForReadyRead(CThreadNetInstall::COMMAND_REPLY_WAIT_MS));
        QVERIFY2(t.elapsed() < tsup::before(CThreadNetInstall::COMMAND_REPLY_WAIT_MS), qPrintable(QString::number(t.elapsed())));
    }

    void upload65536()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VNO_M_1200.pat"));
        QVERIFY(nit::writePatchFile(path, 65536));
        ReadingPeer peer;
        peer.keepAll = true;
        peer.start();
        QVERIFY(peer.waitListening());
        CQuenTCP tcp;
        QCOMPARE(tcp.connectToHost(QStringLiteral("127.0.0.1"), peer.port()), 0);
        QCOMPARE(tcp.sendFilePkt(path), 0);
        tcp.close();
        QVERIFY(peer.wait(tsup::guardMs(30000)));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(peer.kept.size(), 4 + 65536);
        QCOMPARE(peer.kept.left(4), hex("00 01 00 00"));
        QVERIFY(peer.kept.mid(4) == f.readAll());
    }

    void uploadWithCopyDirectory()
    {
        QTemporaryDir dir;
        QTemporaryDir copies;
        const QString path = dir.filePath(QStringLiteral("VNO_M_1200.v2.pat"));
        QVERIFY(nit::writePatchFile(path, 200001));
        setCopyDirectory(copies.path().toLocal8Bit());
        QVERIFY(gblPatchCopy);

        ReadingPeer peer;
        peer.start();
        QVERIFY(peer.waitListening());
        CQuenTCP tcp;
        QCOMPARE(tcp.connectToHost(QStringLiteral("127.0.0.1"), peer.port()), 0);
        tsup::LogCapture capture;
        QCOMPARE(tcp.sendFilePkt(path), 0);
        tcp.close();
        QVERIFY(peer.wait(tsup::guardMs(30000)));
        // The copy is named by the base name (up to the first dot) and ".pat".
        const QString copy = copies.filePath(QStringLiteral("VNO_M_1200.pat"));
        QVERIFY(QFile::exists(copy));
        QCOMPARE(nit::sha256Of(copy), nit::sha256Of(path));
        QCOMPARE(peer.sha256, nit::sha256Of(path));
        QCOMPARE(peer.head.left(4), hex("00 03 0d 41"));
        QCOMPARE(capture.countContaining(QStringLiteral("QString(strTmpPatchFile).toLocal8Bit().constData()=[%1]")
                                             .arg(copy)),
                 1);
    }

    // A copy directory that cannot take the file: no copy, the upload goes on.
    void uploadWithUnusableCopyDirectory()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VNO_M_1300.pat"));
        QVERIFY(nit::writePatchFile(path, 1000));
        const QByteArray missing = dir.filePath(QStringLiteral("no/such/dir")).toLocal8Bit();
        setCopyDirectory(missing);
        ReadingPeer peer;
        peer.start();
        QVERIFY(peer.waitListening());
        CQuenTCP tcp;
        QCOMPARE(tcp.connectToHost(QStringLiteral("127.0.0.1"), peer.port()), 0);
        QCOMPARE(tcp.sendFilePkt(path), 0);
        tcp.close();
        QVERIFY(peer.wait(tsup::guardMs(30000)));
        QCOMPARE(peer.total, qint64(4 + 1000));
        QCOMPARE(peer.sha256, nit::sha256Of(path));
    }

    // A copy directory that holds the patch itself: the copy would be the file being sent, and
    // opening it for writing would empty it. No copy is made and the file stays whole.
    void copyOntoThePatchItself()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VNO_M_1400.pat"));
        QVERIFY(nit::writePatchFile(path, 300000));
        const QByteArray before = nit::sha256Of(path);
        const QByteArray dirText = dir.path().toLocal8Bit();
        setCopyDirectory(dirText);
        ReadingPeer peer;
        peer.start();
        QVERIFY(peer.waitListening());
        CQuenTCP tcp;
        QCOMPARE(tcp.connectToHost(QStringLiteral("127.0.0.1"), peer.port()), 0);
        QCOMPARE(tcp.sendFilePkt(path), 0);
        tcp.close();
        QVERIFY(peer.wait(tsup::guardMs(30000)));
        QCOMPARE(QFileInfo(path).size(), qint64(300000));
        QCOMPARE(nit::sha256Of(path), before);
        QCOMPARE(peer.sha256, before);
    }

    void refusedFiles()
    {
        QTemporaryDir dir;
        const QString empty = dir.filePath(QStringLiteral("empty.pat"));
        QVERIFY(nit::writePatchFile(empty, 0));
        // A sparse file of 4 GiB: its size does not fit the 4-byte size field.
        const QString huge = dir.filePath(QStringLiteral("huge.pat"));
        {
            QFile f(huge);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(1) << 32));
        }

        CQuenTCP tcp;
        QTcpSocket *peer = connectPair(tcp);
        QVERIFY(peer);
        tsup::LogCapture capture;
        QCOMPARE(tcp.sendFilePkt(dir.filePath(QStringLiteral("missing.pat"))), -1);
        QCOMPARE(tcp.sendFilePkt(empty), -1);
        QCOMPARE(tcp.sendFilePkt(huge), -1);
        QCOMPARE(capture.lines(), QStringList({"Tcp: sendFilePkt() file.open() error",
                                               "Tcp: file size is illegal!", "Tcp: file size is illegal!"}));
        // Not a byte went out.
        QVERIFY(!peer->waitForReadyRead(200));
        QCOMPARE(peer->bytesAvailable(), qint64(0));
        tcp.close();
    }

    // The file is sent in mapped pieces written straight to the socket's descriptor and never held
    // in memory as a whole: however large the file, the socket's own write buffer never holds more
    // than the pending limit (256 KiB) and one more piece, and the file's bytes do not pass
    // through it.
    void largeUploadStaysSmall()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VNO_BIG_9999.pat"));
        const qint64 size = qint64(64) << 20;
        QVERIFY(nit::writePatchFile(path, size));
        const QByteArray expected = nit::sha256Of(path);

        ReadingPeer peer;
        peer.start();
        QVERIFY(peer.waitListening());
        CQuenTCP tcp;
        QCOMPARE(tcp.connectToHost(QStringLiteral("127.0.0.1"), peer.port()), 0);
        QTcpSocket *socket = tcp.findChild<QTcpSocket *>();
        QVERIFY(socket);
        // What the socket still holds each time it has handed bytes to the network.
        qint64 mostPending = 0;
        qint64 handedOver = 0;
        connect(socket, &QAbstractSocket::bytesWritten, socket, [&](qint64 bytes) {
            handedOver += bytes;
            mostPending = qMax(mostPending, socket->bytesToWrite());
        });
        QCOMPARE(tcp.sendFilePkt(path), 0);
        tcp.close();
        QVERIFY(peer.wait(tsup::guardMs(120000)));
        QCOMPARE(peer.total, size + 4);
        QCOMPARE(peer.sha256, expected);
        QVERIFY2(handedOver <= 256 * 1024 + CQuenTCP::MAP_PIECE,
                 qPrintable(QStringLiteral("%1 bytes through the write buffer").arg(handedOver)));
        QVERIFY2(mostPending <= 256 * 1024 + CQuenTCP::MAP_PIECE,
                 qPrintable(QStringLiteral("%1 bytes pending").arg(mostPending)));
    }

    // A peer that goes away while the upload waits for room ends it with a failure, and the
    // failed write is logged.
    void peerGoneDuringUpload()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("VNO_M_1600.pat"));
        QVERIFY(nit::writePatchFile(path, qint64(64) << 20));
        ReadingPeer peer(true);
        peer.start();
        QVERIFY(peer.waitListening());
        CQuenTCP tcp;
        QCOMPARE(tcp.connectToHost(QStringLiteral("127.0.0.1"), peer.port()), 0);
        QThread *closer = QThread::create([&peer] {
            QThread::msleep(300);
            peer.stop();
        });
        closer->start();
        tsup::LogCapture capture;
        QCOMPARE(tcp.sendFilePkt(path), -1);
        QVERIFY(closer->wait(tsup::guardMs(5000)));
        delete closer;
        QVERIFY(peer.wait(tsup::guardMs(10000)));
        QCOMPARE(capture.countContaining(QStringLiteral("wcount=[-1]")), 1);
        tcp.close();
    }

    // A raised stop flag ends a reply wait (the job's) and an upload that the peer does not read.
    void stopFlagEndsWaits()
    {
        std::atomic<bool> stop{false};
        {
            CQuenTCP tcp;
            tcp.setStopFlag(&stop);
            QTcpSocket *peer = connectPair(tcp);
            QVERIFY(peer);
            QThread *raiser = QThread::create([&stop] {
                QThread::msleep(100);
                stop.store(true);
            });
            raiser->start();
            QElapsedTimer t;
            t.start();
            QVERIFY(!tcp.waitForReadyRead(CThreadNetInstall::COMMAND_REPLY_WAIT_MS));
            // Ended by the flag, not at its limit.
            QVERIFY2(t.elapsed() < tsup::before(CThreadNetInstall::COMMAND_REPLY_WAIT_MS), qPrintable(QString::number(t.elapsed())));
            QVERIFY(raiser->wait(tsup::guardMs(5000)));
            delete raiser;
        }
        stop.store(false);
        {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("VNO_M_1500.pat"));
            QVERIFY(nit::writePatchFile(path, qint64(64) << 20));
            ReadingPeer peer(true);
            peer.start();
            QVERIFY(peer.waitListening());
            CQuenTCP tcp;
            tcp.setStopFlag(&stop);
            QCOMPARE(tcp.connectToHost(QStringLiteral("127.0.0.1"), peer.port()), 0);
            QThread *raiser = QThread::create([&stop] {
                QThread::msleep(300);
                stop.store(true);
            });
            raiser->start();
            QCOMPARE(tcp.sendFilePkt(path), -1);
            // Ended by the flag: the peer still holds the connection (it lets go only when told,
            // or after two minutes).
            QVERIFY(stop.load());
            QVERIFY(peer.isRunning());
            QVERIFY(raiser->wait(tsup::guardMs(5000)));
            delete raiser;
            tcp.close();
            peer.stop();
            QVERIFY(peer.wait(tsup::guardMs(10000)));
        }
    }
};

QTEST_GUILESS_MAIN(TestQuenTcp)
#include "tst_quentcp.moc"
