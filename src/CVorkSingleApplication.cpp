#include "CVorkSingleApplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>
#include <QtEndian>

#include <unistd.h>

namespace {

// Confirmation byte the running instance writes back once it holds the whole text.
const char ACK = 0x06;
// A text travels as its UTF-8 length (4 bytes, big-endian) followed by its UTF-8 bytes.
const int HEADER_BYTES = 4;
// How long a start waits for the lock file and for a listening instance to accept.
const int LOCK_WAIT_MS = 10000;
const int CONNECT_WAIT_MS = 1000;

int remaining(const QElapsedTimer &timer, int timeoutMs)
{
    const qint64 left = qint64(timeoutMs) - timer.elapsed();
    return left > 0 ? int(left) : 0;
}

} // namespace

CVorkSingleApplication::CVorkSingleApplication(int &argc, char **argv, bool guiEnabled)
    : QApplication(argc, argv),
      m_pServer(nullptr),
      m_blRunning(false),
      m_blActivateOnMessage(true)
{
    Q_UNUSED(guiEnabled);
    const uint uid = uint(::getuid());
    QByteArray user = qgetenv("USER");
    if (user.isEmpty())
        user = qgetenv("LOGNAME");
    m_strId = QCoreApplication::applicationFilePath() + QLatin1Char('|') +
              QString::fromLocal8Bit(user) + QLatin1Char('|') + QString::number(uid);
    const QByteArray hash =
        QCryptographicHash::hash(m_strId.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_strServerName = QDir::tempPath() + QStringLiteral("/VRVornakeeper-") +
                      QString::fromLatin1(hash) + QLatin1Char('-') + QString::number(uid);
    m_strLockPath = m_strServerName + QStringLiteral(".lock");
    decideRole();
}

CVorkSingleApplication::~CVorkSingleApplication()
{
    if (m_pServer)
        m_pServer->close();
}

bool CVorkSingleApplication::isRunning() const
{
    return m_blRunning;
}

QString CVorkSingleApplication::serverName() const
{
    return m_strServerName;
}

QString CVorkSingleApplication::id() const
{
    return m_strId;
}

bool CVorkSingleApplication::tryConnect(QLocalSocket &socket, int timeoutMs) const
{
    socket.connectToServer(m_strServerName);
    return socket.waitForConnected(timeoutMs);
}

void CVorkSingleApplication::decideRole()
{
    QLockFile lock(m_strLockPath);
    const bool locked = lock.tryLock(LOCK_WAIT_MS);
    if (!locked)
        qWarning("single instance: no lock on %s, deciding without it", qPrintable(m_strLockPath));

    QLocalSocket probe;
    if (tryConnect(probe, CONNECT_WAIT_MS)) {
        // Someone accepts on the name: an instance runs.
        m_blRunning = true;
        probe.abort();
    } else {
        // Nobody accepts: no instance runs, whatever file may be left on the name.
        m_blRunning = false;
        listenHere();
    }
    if (locked)
        lock.unlock();
}

bool CVorkSingleApplication::listenHere()
{
    if (!m_pServer) {
        m_pServer = new QLocalServer(this);
        m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_pServer, &QLocalServer::newConnection, this,
                &CVorkSingleApplication::slotNewConnection);
    }
    if (m_pServer->isListening())
        return true;
    QLocalServer::removeServer(m_strServerName);
    if (!m_pServer->listen(m_strServerName)) {
        qWarning("single instance: cannot listen on %s: %s", qPrintable(m_strServerName),
                 qPrintable(m_pServer->errorString()));
        return false;
    }
    return true;
}

bool CVorkSingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    if (!m_blRunning)
        return false;

    QElapsedTimer timer;
    timer.start();
    bool delivered = false;
    {
        QLocalSocket socket;
        if (tryConnect(socket, qMax(remaining(timer, timeoutMs), 1))) {
            const QByteArray payload = message.toUtf8();
            QByteArray packet(HEADER_BYTES, '\0');
            qToBigEndian<quint32>(quint32(payload.size()), packet.data());
            packet += payload;
            socket.write(packet);
            while (socket.bytesToWrite() > 0 && remaining(timer, timeoutMs) > 0)
                socket.waitForBytesWritten(remaining(timer, timeoutMs));
            while (socket.bytesToWrite() == 0 && socket.bytesAvailable() < 1 &&
                   socket.state() == QLocalSocket::ConnectedState &&
                   remaining(timer, timeoutMs) > 0)
                socket.waitForReadyRead(remaining(timer, timeoutMs));
            char reply = 0;
            delivered = socket.bytesAvailable() >= 1 && socket.read(&reply, 1) == 1 && reply == ACK;
            socket.abort();
        }
    }
    if (delivered)
        return true;

    // Nobody confirmed in time: this instance goes on as the first one.
    QLockFile lock(m_strLockPath);
    const bool locked = lock.tryLock(LOCK_WAIT_MS);
    m_blRunning = false;
    listenHere();
    if (locked)
        lock.unlock();
    return false;
}

void CVorkSingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_pActivationWindow = window;
    m_blActivateOnMessage = activateOnMessage;
}

QWidget *CVorkSingleApplication::activationWindow() const
{
    return m_pActivationWindow.data();
}

void CVorkSingleApplication::activateWindow()
{
    QWidget *window = m_pActivationWindow.data();
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void CVorkSingleApplication::slotNewConnection()
{
    while (m_pServer && m_pServer->hasPendingConnections()) {
        QLocalSocket *socket = m_pServer->nextPendingConnection();
        if (!socket)
            break;
        m_hashPending.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, &CVorkSingleApplication::slotReadyRead);
        connect(socket, &QLocalSocket::disconnected, this,
                &CVorkSingleApplication::slotSocketGone);
        if (socket->bytesAvailable() > 0)
            QMetaObject::invokeMethod(this, "slotReadyRead", Qt::QueuedConnection);
    }
}

void CVorkSingleApplication::slotReadyRead()
{
    // Called for one socket's signal, or queued after a connection that already held bytes:
    // look at every connection that has something to read.
    const QList<QLocalSocket *> sockets = m_hashPending.keys();
    for (QLocalSocket *socket : sockets) {
        if (!m_hashPending.contains(socket) || socket->bytesAvailable() <= 0)
            continue;
        QByteArray &buffer = m_hashPending[socket];
        buffer += socket->readAll();
        if (buffer.size() < HEADER_BYTES)
            continue;
        const quint32 length = qFromBigEndian<quint32>(buffer.constData());
        if (length > quint32(MAX_MESSAGE_BYTES)) {
            m_hashPending.remove(socket);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (quint32(buffer.size()) < HEADER_BYTES + length)
            continue;
        const QString text = QString::fromUtf8(buffer.constData() + HEADER_BYTES, int(length));
        // One text per connection: anything after it is not read.
        m_hashPending.remove(socket);
        disconnect(socket, &QLocalSocket::readyRead, this,
                   &CVorkSingleApplication::slotReadyRead);
        socket->write(&ACK, 1);
        socket->flush();
        emit messageReceived(text);
        if (m_blActivateOnMessage)
            activateWindow();
    }
}

void CVorkSingleApplication::slotSocketGone()
{
    QLocalSocket *socket = qobject_cast<QLocalSocket *>(sender());
    if (!socket)
        return;
    m_hashPending.remove(socket);
    socket->deleteLater();
}
