#ifndef CQUENTCP_H
#define CQUENTCP_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>

class QFile;
class QTcpSocket;
struct iovec;

// Command codes of the install channel (one byte on the wire, sent as a 32-bit value).
enum NI_CMD {
    NI_CMD_QUERY = 0,         // ask for progress; a reply follows
    NI_CMD_BEGIN_INSTALL = 2, // first command of a network install; a reply follows
    NI_CMD_UPLOAD = 5,        // the patch upload follows at once
    NI_CMD_REBOOT = 7,        // last command of install and recovery
    NI_CMD_RECOVERY = 9       // first command of a system recovery
};

// The words of one parsed reply. All seven are zeroed before every parse; words 1 and 3 are
// never written.
struct NI_REPLY {
    uint32_t ulWord[7];
};

// Which reply item goes to which word.
enum NI_REPLY_WORD {
    NI_REPLY_ITEM1 = 0,   // item 1, the counterpart of the commands' item 1
    NI_REPLY_ERROR = 2,   // item 17: error code, non-zero = the command failed
    NI_REPLY_STAGE = 4,   // item 19: stage of the server's work
    NI_REPLY_PERCENT = 5, // item 20: percent of that stage, 100 = done
    NI_REPLY_SECONDS = 6  // item 21: a duration in seconds
};

// The client end of the TCP install channel of a server in install or recovery mode (port 9998;
// the caller passes the port). It sends 22-byte command packets, parses the server's progress
// replies and uploads the patch file.
//
// Every call blocks the calling thread (the job that owns the channel); the object and its socket
// belong to that thread. Waits run through CWaitScale and in slices of at most 100 ms: when a stop
// flag is set (setStopFlag) and becomes true, every wait ends at its next slice, so the owning job
// can be stopped without killing its thread.
class CQuenTCP : public QObject
{
    Q_OBJECT
public:
    // 12 34 56 78 "QUENNI": the start of every command and every reply.
    static constexpr int MARKER_SIZE = 10;
    static const char MARKER[MARKER_SIZE];
    static constexpr int COMMAND_SIZE = 22;
    // Largest piece of the patch file mapped at a time.
    static constexpr qint64 MAP_PIECE = 65535;
    // Mapped pieces written with one call (about a megabyte).
    static constexpr int UPLOAD_PIECES_PER_WRITE = 16;
    // Connection wait, in program milliseconds.
    static constexpr int CONNECT_WAIT_MS = 3000;

    CQuenTCP();
    ~CQuenTCP() override;

    // A flag that ends every wait when it becomes true (not owned; null: waits end only by their
    // own limit). Set before the first call.
    void setStopFlag(const std::atomic<bool> *stop);

    // Creates a new socket (a child of this object) and connects read-write, waiting up to 3000
    // ms. 0 when connected; otherwise logs "fail in TCP-Connection.(<error text>)" and -1.
    int connectToHost(const QString &address, quint16 port);
    // Sends one command packet and flushes it; 0, or -1 with a log line.
    int writePacket(uint8_t command);
    // Waits until data can be read (msecs -1: no limit). Data already received counts at once.
    // False when nothing came in time, the connection ended or the stop flag was raised.
    bool waitForReadyRead(int msecs);
    // Reads everything available and parses it into reply; 0 or -1.
    int receiveProgress(NI_REPLY *reply);
    // Everything available on the socket up to the start of a second reply (which is kept for the
    // next call); an empty array when there is no socket.
    QByteArray readAllPacket();
    // Uploads the patch file: its size as 4 bytes big-endian, then its bytes. 0 or -1.
    int sendFilePkt(const QString &path);
    // Closes the socket when there is one.
    void close();

    // Bytes written (all of them; flushed when flush is true) or -1.
    qint64 writeData(const char *data, int length, bool flush);
    qint64 writeByteArray(const QByteArray &bytes, bool flush);
    // Writes the whole file in mapped pieces of at most MAP_PIECE bytes (and appends each piece to
    // copy when copyToo); true only when every byte went out. The pieces are written to the
    // socket's descriptor as they are mapped, so the kernel's send buffer stays full.
    bool writeMappedFile(QFile *source, QFile *copy, bool copyToo);

    // The 22 bytes of a command packet.
    static QByteArray commandPacket(uint8_t command);
    // Parses one reply (the bytes of one read) into reply, which is zeroed first. Pure apart from
    // its debug lines: 0 with the words read, or -1 for a short reply, a wrong marker or an
    // unknown item whose length byte is missing.
    static int parseProgress(const QByteArray &data, NI_REPLY *reply);

private:
    bool stopRequested() const;
    // Waits until the socket's write buffer holds at most maxPending bytes (msecs -1: no limit).
    bool waitForWritten(qint64 maxPending, int msecs);
    // Writes the pieces, in order, to the socket's descriptor, waiting in slices while the
    // kernel's buffer is full. Returns the bytes written: fewer after a stop, or after a failed
    // write (*failed).
    qint64 sendPieces(const struct iovec *pieces, int count, bool *failed);

    QTcpSocket *m_ptcpSocket;
    const std::atomic<bool> *m_pStop;
    // A further reply that arrived in the same read as the one handed out last.
    QByteArray m_pending;
};

#endif // CQUENTCP_H
