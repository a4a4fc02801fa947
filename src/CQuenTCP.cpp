#include "CQuenTCP.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstring>

#include "CWaitScale.h"
#include "VorkDebug.h"
#include "VorkStartup.h"

namespace {

const char *const SRC = "src/CQuenTCP";

// Longest slice of any wait, so that a raised stop flag is seen quickly.
const int WAIT_SLICE_MS = 100;
// During the upload the socket's own buffer may hold at most this much before the next piece is
// mapped: the file goes out piece by piece and never sits in memory as a whole.
const qint64 UPLOAD_PENDING_LIMIT = 256 * 1024;
// The 4-byte size field cannot describe more.
const qint64 MAX_PATCH_SIZE = 0xFFFFFFFFLL;

// The word a known reply item goes to, or -1.
int replyWordOf(uint8_t id)
{
    switch (id) {
    case 1:
        return NI_REPLY_ITEM1;
    case 17:
        return NI_REPLY_ERROR;
    case 19:
        return NI_REPLY_STAGE;
    case 20:
        return NI_REPLY_PERCENT;
    case 21:
        return NI_REPLY_SECONDS;
    default:
        return -1;
    }
}

uint32_t readLE32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return uint32_t(u[0]) | (uint32_t(u[1]) << 8) | (uint32_t(u[2]) << 16) | (uint32_t(u[3]) << 24);
}

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

const char CQuenTCP::MARKER[CQuenTCP::MARKER_SIZE] = {'\x12', '\x34', '\x56', '\x78', 'Q',
                                                      'U',    'E',    'N',    'N',    'I'};

CQuenTCP::CQuenTCP() : QObject(nullptr), m_ptcpSocket(nullptr), m_pStop(nullptr) {}

CQuenTCP::~CQuenTCP() = default;

void CQuenTCP::setStopFlag(const std::atomic<bool> *stop)
{
    m_pStop = stop;
}

bool CQuenTCP::stopRequested() const
{
    return m_pStop && m_pStop->load();
}

int CQuenTCP::connectToHost(const QString &address, quint16 port)
{
    // A new socket for every connection; an earlier one stays a child until the object goes.
    m_ptcpSocket = new QTcpSocket(this);
    m_pending.clear();
    m_ptcpSocket->connectToHost(address, port, QIODevice::ReadWrite);

    // The socket's own blocking wait would give up the attempt at its first time-out, so the
    // connection is followed on this thread's event dispatcher in short slices instead.
    const int limit = CWaitScale::ms(CONNECT_WAIT_MS);
    QElapsedTimer clock;
    clock.start();
    while (m_ptcpSocket->state() == QAbstractSocket::HostLookupState ||
           m_ptcpSocket->state() == QAbstractSocket::ConnectingState) {
        const qint64 left = limit - clock.elapsed();
        if (left <= 0 || stopRequested())
            break;
        QEventLoop loop;
        QTimer slice;
        slice.setSingleShot(true);
        connect(&slice, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(m_ptcpSocket, &QAbstractSocket::stateChanged, &loop, &QEventLoop::quit);
        slice.start(int(std::min<qint64>(WAIT_SLICE_MS, left)));
        loop.exec();
    }

    if (m_ptcpSocket->state() == QAbstractSocket::ConnectedState)
        return 0;

    QString reason;
    if (m_ptcpSocket->state() != QAbstractSocket::UnconnectedState ||
        m_ptcpSocket->error() == QAbstractSocket::UnknownSocketError)
        reason = stopRequested() ? QStringLiteral("Operation canceled")
                                 : QStringLiteral("Socket operation timed out");
    else
        reason = m_ptcpSocket->errorString();
    m_ptcpSocket->abort();
    qDebug("fail in TCP-Connection.(%s)", qPrintable(reason));
    return -1;
}

QByteArray CQuenTCP::commandPacket(uint8_t command)
{
    QByteArray packet(MARKER, MARKER_SIZE);
    const char fixed[6] = {1, 4, 1, 0, 0, 0};
    packet.append(fixed, 6);
    const char code[6] = {0x12, 4, char(command), 0, 0, 0};
    packet.append(code, 6);
    return packet;
}

int CQuenTCP::writePacket(uint8_t command)
{
    const QByteArray packet = commandPacket(command);
    const qint64 written = writeData(packet.constData(), packet.size(), true);
    if (written != packet.size()) {
        qDebug("Bytes of TCP written is inconsistent! Data-size:(%ld)  Written-size:(%lld)",
               long(packet.size()), static_cast<long long>(written));
        qDebug("Tcp writePacket(szBuf=[%s], len=[%d]) failed!\n", packet.toHex(' ').constData(),
               packet.size());
        return -1;
    }
    return 0;
}

qint64 CQuenTCP::writeData(const char *data, int length, bool flush)
{
    if (!m_ptcpSocket || !data || length < 0 ||
        m_ptcpSocket->state() != QAbstractSocket::ConnectedState)
        return -1;
    qint64 total = 0;
    while (total < length) {
        const qint64 n = m_ptcpSocket->write(data + total, length - total);
        if (n <= 0)
            break;
        total += n;
    }
    if (flush)
        m_ptcpSocket->flush();
    if (total == 0 && length > 0)
        return -1;
    return total;
}

qint64 CQuenTCP::writeByteArray(const QByteArray &bytes, bool flush)
{
    return writeData(bytes.constData(), bytes.size(), flush);
}

bool CQuenTCP::waitForReadyRead(int msecs)
{
    if (!m_ptcpSocket)
        return false;
    // Data that is already here (for instance read while the upload waited for its last bytes)
    // has arrived: waiting for more would miss it.
    if (!m_pending.isEmpty() || m_ptcpSocket->bytesAvailable() > 0)
        return true;
    const int limit = CWaitScale::ms(msecs);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (stopRequested() || m_ptcpSocket->state() != QAbstractSocket::ConnectedState)
            return m_ptcpSocket->bytesAvailable() > 0 && !stopRequested();
        int slice = WAIT_SLICE_MS;
        if (limit >= 0) {
            const qint64 left = limit - clock.elapsed();
            if (left <= 0)
                return false;
            slice = int(std::min<qint64>(slice, left));
        }
        if (m_ptcpSocket->waitForReadyRead(slice))
            return true;
        if (m_ptcpSocket->bytesAvailable() > 0)
            return true;
    }
}

bool CQuenTCP::waitForWritten(qint64 maxPending, int msecs)
{
    if (!m_ptcpSocket)
        return false;
    const int limit = CWaitScale::ms(msecs);
    QElapsedTimer clock;
    clock.start();
    while (m_ptcpSocket->bytesToWrite() > maxPending) {
        if (stopRequested() || m_ptcpSocket->state() != QAbstractSocket::ConnectedState)
            return false;
        int slice = WAIT_SLICE_MS;
        if (limit >= 0) {
            const qint64 left = limit - clock.elapsed();
            if (left <= 0)
                return false;
            slice = int(std::min<qint64>(slice, left));
        }
        m_ptcpSocket->waitForBytesWritten(slice);
    }
    return true;
}

QByteArray CQuenTCP::readAllPacket()
{
    if (!m_ptcpSocket) {
        qDebug("m_ptcpSocket is null in readAllPacket()");
        return QByteArray();
    }
    QByteArray data = m_pending + m_ptcpSocket->readAll();
    m_pending.clear();
    // Two replies that arrived together are handed out one at a time: the second one starts at
    // the next marker and waits for the next call.
    const int next = data.indexOf(QByteArray::fromRawData(MARKER, MARKER_SIZE), 1);
    if (next > 0) {
        m_pending = data.mid(next);
        data.truncate(next);
    }
    return data;
}

int CQuenTCP::receiveProgress(NI_REPLY *reply)
{
    return parseProgress(readAllPacket(), reply);
}

int CQuenTCP::parseProgress(const QByteArray &data, NI_REPLY *reply)
{
    NI_REPLY scratch;
    if (!reply)
        reply = &scratch;
    memset(reply, 0, sizeof(*reply));
    const int size = data.size();
    const char *bytes = data.constData();
    if (size < MARKER_SIZE + 1) {
        qDebug("Tcp receiveProgress: Length is less than header.\n");
        return -1;
    }
    if (memcmp(bytes, MARKER, MARKER_SIZE) != 0) {
        qDebug("Tcp receiveProgress: Packet header did not match the format!\n");
        return -1;
    }
    int pos = MARKER_SIZE;
    while (pos < size) {
        const uint8_t id = uint8_t(bytes[pos]);
        const int word = replyWordOf(id);
        if (word >= 0) {
            // A known item is taken only whole: a missing or odd length, or a value that runs
            // past the data, ends the parse with the words read so far.
            if (pos + 1 >= size || uint8_t(bytes[pos + 1]) != 4 || size - (pos + 2) < 4)
                return 0;
            reply->ulWord[word] = readLE32(bytes + pos + 2);
            pos += 6;
        } else {
            if (pos + 1 >= size) {
                qDebug("Tcp receiveProgress: Parse error!\n");
                return -1;
            }
            pos += 2 + uint8_t(bytes[pos + 1]);
        }
    }
    return 0;
}

int CQuenTCP::sendFilePkt(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug("Tcp: sendFilePkt() file.open() error");
        return -1;
    }
    const qint64 size = file.size();
    // Empty files are refused, and so are files the 4-byte size cannot describe: the server
    // would otherwise read a wrong number of bytes.
    if (size <= 0 || size > MAX_PATCH_SIZE) {
        qDebug("Tcp: file size is illegal!");
        return -1;
    }

    QFile copy;
    bool copyToo = false;
    if (gblPatchCopy) {
        const QString strTmpPatchFile = QString::fromLocal8Bit(gszPatchCopyDir) +
                                        QLatin1Char('/') + QFileInfo(path).baseName() +
                                        QStringLiteral(".pat");
        VORK_DEBUG_STR(SRC, "QString(strTmpPatchFile).toLocal8Bit().constData()", strTmpPatchFile);
        // A copy onto the patch file itself would truncate the file being sent.
        if (!sameFile(strTmpPatchFile, path)) {
            copy.setFileName(strTmpPatchFile);
            copyToo = copy.open(QIODevice::WriteOnly | QIODevice::Truncate);
        }
    }

    int result = -1;
    const char sizeBytes[4] = {char((size >> 24) & 0xff), char((size >> 16) & 0xff),
                               char((size >> 8) & 0xff), char(size & 0xff)};
    if (writeData(sizeBytes, 4, true) != 4) {
        qDebug("send patch file size error\n");
    } else if (writeMappedFile(&file, &copy, copyToo) && waitForWritten(0, -1)) {
        result = 0;
    }

    file.close();
    if (copyToo) {
        copy.flush();
        copy.close();
    }
    return result;
}

bool CQuenTCP::writeMappedFile(QFile *source, QFile *copy, bool copyToo)
{
    if (!source)
        return false;
    const qint64 size = source->size();
    qint64 written = 0;
    for (qint64 offset = 0; offset < size;) {
        if (stopRequested())
            break;
        const qint64 length = std::min(MAP_PIECE, size - offset);
        uchar *piece = source->map(offset, length);
        if (!piece) {
            qDebug("%s:%d mmap error", SRC, __LINE__);
            break;
        }
        qint64 done = 0;
        while (done < length) {
            const qint64 wcount =
                writeData(reinterpret_cast<const char *>(piece) + done, int(length - done), true);
            if (wcount < 1) {
                VORK_DEBUG_INT(SRC, "wcount", wcount);
                break;
            }
            done += wcount;
        }
        if (copyToo && copy && done > 0)
            copy->write(reinterpret_cast<const char *>(piece), done);
        source->unmap(piece);
        written += done;
        offset += length;
        if (done < length)
            break;
        // Hand the piece to the network before the next one is mapped.
        if (!waitForWritten(UPLOAD_PENDING_LIMIT, -1))
            break;
    }
    return written == size;
}

void CQuenTCP::close()
{
    if (!m_ptcpSocket)
        return;
    m_ptcpSocket->close();
    // Bytes that could not go out are dropped: nothing may stay behind that needs this thread's
    // event loop later.
    if (m_ptcpSocket->state() != QAbstractSocket::UnconnectedState)
        m_ptcpSocket->abort();
}
