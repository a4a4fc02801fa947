#include "CQuenTCP.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/mman.h>
#include <sys/uio.h>
#include <unistd.h>

#include "CWaitScale.h"
#include "VorkDebug.h"
#include "VorkStartup.h"

namespace {

const char *const SRC = "src/CQuenTCP";

// Longest slice of any wait, so that a raised stop flag is seen quickly.
const int WAIT_SLICE_MS = 100;
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

qint64 CQuenTCP::sendPieces(const struct iovec *pieces, int count, bool *failed)
{
    const int fd = int(m_ptcpSocket->socketDescriptor());
    struct iovec left[UPLOAD_PIECES_PER_WRITE];
    int first = 0;
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        left[i] = pieces[i];
        total += qint64(pieces[i].iov_len);
    }
    *failed = false;
    qint64 done = 0;
    while (done < total) {
        // The socket is non-blocking: write what the kernel takes, wait until it takes more.
        struct msghdr msg;
        memset(&msg, 0, sizeof(msg));
        msg.msg_iov = left + first;
        msg.msg_iovlen = size_t(count - first);
        const ssize_t n = ::sendmsg(fd, &msg, MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
            // Step past what went out: whole pieces, then into the next one.
            size_t step = size_t(n);
            while (step > 0 && first < count) {
                const size_t take = std::min(step, left[first].iov_len);
                left[first].iov_base = static_cast<char *>(left[first].iov_base) + take;
                left[first].iov_len -= take;
                step -= take;
                if (left[first].iov_len == 0)
                    ++first;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            *failed = true;
            return done;
        }
        for (;;) {
            if (stopRequested())
                return done;
            struct pollfd pfd = {fd, POLLOUT, 0};
            const int ready = ::poll(&pfd, 1, WAIT_SLICE_MS);
            if (ready > 0 && (pfd.revents & POLLOUT))
                break;
            if ((ready > 0 && (pfd.revents & (POLLERR | POLLHUP | POLLNVAL))) ||
                (ready < 0 && errno != EINTR)) {
                *failed = true;
                return done;
            }
        }
    }
    return done;
}

bool CQuenTCP::writeMappedFile(QFile *source, QFile *copy, bool copyToo)
{
    if (!source || !m_ptcpSocket || m_ptcpSocket->state() != QAbstractSocket::ConnectedState)
        return false;
    // The pieces go to the socket's descriptor directly, behind everything queued before them:
    // no copy into the socket object and no wait per piece. A batch of mapped pieces goes out
    // with one write, and the upload waits only while the kernel's send buffer is full.
    if (!waitForWritten(0, -1))
        return false;

    // Each piece of a batch is mapped into its own slot of one reserved address range, and the
    // slots' pages are dropped together once the batch has gone out: far cheaper than mapping
    // and unmapping every piece on its own. A slot holds a piece and the part of a page before
    // it (mappings start at page boundaries).
    const int handle = source->handle();
    const qint64 page = qint64(sysconf(_SC_PAGESIZE));
    const size_t slot = size_t(((MAP_PIECE + page - 1) / page + 1) * page);
    const size_t ringSize = slot * UPLOAD_PIECES_PER_WRITE;
    void *ring = handle < 0 ? MAP_FAILED
                            : ::mmap(nullptr, ringSize, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (ring == MAP_FAILED) {
        qDebug("%s:%d mmap error", SRC, __LINE__);
        return false;
    }

    const qint64 size = source->size();
    qint64 written = 0;
    for (qint64 offset = 0; offset < size;) {
        if (stopRequested())
            break;
        struct iovec pieces[UPLOAD_PIECES_PER_WRITE];
        int count = 0;
        qint64 mapped = 0;
        bool mapFailed = false;
        while (count < UPLOAD_PIECES_PER_WRITE && offset + mapped < size) {
            const qint64 at = offset + mapped;
            const qint64 length = std::min(MAP_PIECE, size - at);
            const qint64 lead = at % page;
            char *target = static_cast<char *>(ring) + size_t(count) * slot;
            void *piece = ::mmap(target, size_t(lead + length), PROT_READ, MAP_SHARED | MAP_FIXED,
                                 handle, off_t(at - lead));
            if (piece == MAP_FAILED) {
                qDebug("%s:%d mmap error", SRC, __LINE__);
                mapFailed = true;
                break;
            }
            pieces[count].iov_base = static_cast<char *>(piece) + lead;
            pieces[count].iov_len = size_t(length);
            ++count;
            mapped += length;
        }

        bool failed = false;
        const qint64 done = count > 0 ? sendPieces(pieces, count, &failed) : 0;
        if (failed)
            VORK_DEBUG_INT(SRC, "wcount", -1);
        qint64 rest = done;
        for (int i = 0; i < count && copyToo && copy && rest > 0; ++i) {
            const qint64 sent = std::min<qint64>(rest, qint64(pieces[i].iov_len));
            copy->write(static_cast<const char *>(pieces[i].iov_base), sent);
            rest -= sent;
        }
        if (count > 0)
            ::madvise(ring, slot * size_t(count), MADV_DONTNEED);
        written += done;
        offset += mapped;
        if (mapFailed || done < mapped)
            break;
    }
    ::munmap(ring, ringSize);
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
