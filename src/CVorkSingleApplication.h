#ifndef CVORKSINGLEAPPLICATION_H
#define CVORKSINGLEAPPLICATION_H

#include <QApplication>
#include <QByteArray>
#include <QHash>
#include <QPointer>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

// The program's application object, which also keeps the program to one running instance per
// user and program file.
//
// The first instance listens on a local socket whose name is made from the program's path and
// the user; it lives in the temporary directory (QDir::tempPath(), so TMPDIR separates
// instances). A later instance finds it listening, hands it a text with sendMessage and ends;
// the running instance receives the text through messageReceived on the GUI thread and brings
// its activation window to the front.
//
// A socket left behind by an instance that crashed does not count: when nothing accepts a
// connection on it, it is removed and the new instance listens in its place. Deciding who is
// first happens under a lock file beside the socket, so two instances started at the same moment
// cannot both become first.
class CVorkSingleApplication : public QApplication
{
    Q_OBJECT

public:
    // How many bytes a received text may have; a longer one is refused and its connection closed.
    static const int MAX_MESSAGE_BYTES = 1 << 20;

    // `argc` must stay valid for the application's life (as for QApplication). `guiEnabled` is
    // kept for the familiar signature; the object is always a GUI application.
    CVorkSingleApplication(int &argc, char **argv, bool guiEnabled = true);
    ~CVorkSingleApplication() override;

    // True when another instance was listening when this one started.
    bool isRunning() const;

    // Sends `message` to the running instance and waits at most `timeoutMs` for it to confirm
    // that it took the text. True only then. False at once when this instance is the first one.
    // When the running instance does not confirm in time, this instance takes over as the first
    // one (it starts listening itself) and returns false.
    bool sendMessage(const QString &message, int timeoutMs = 5000);

    // The window that every received message brings to the front (shown, un-minimised, raised
    // and activated) when `activateOnMessage` is true. Not owned; may be null.
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const;

    // The socket's full path and the identity it is made from.
    QString serverName() const;
    QString id() const;

public slots:
    // Shows, un-minimises, raises and activates the activation window, if there is one.
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private slots:
    void slotNewConnection();
    void slotReadyRead();
    void slotSocketGone();

private:
    // Under the lock file: connect to a listening instance, or clear a stale socket and listen.
    void decideRole();
    // Removes a stale socket name and listens. Call with the lock file held.
    bool listenHere();
    bool tryConnect(QLocalSocket &socket, int timeoutMs) const;

    QString m_strId;
    QString m_strServerName;
    QString m_strLockPath;
    QLocalServer *m_pServer;
    bool m_blRunning;
    QPointer<QWidget> m_pActivationWindow;
    bool m_blActivateOnMessage;
    // Bytes received so far per connection.
    QHash<QLocalSocket *, QByteArray> m_hashPending;
};

#endif // CVORKSINGLEAPPLICATION_H
