#ifndef CRSRCHTTP_H
#define CRSRCHTTP_H

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

class QNetworkReply;

// A small plain-HTTP request object for the resource-monitor client: one host and port, POST
// requests identified by an id, and one report per request when it has finished.
//
// - post() returns the request's id at once; the request runs in the event loop. Ids come from
//   one counter shared by every object of the process, so no two requests ever share an id.
// - requestFinished(id, error) reports the end of a request. `error` is true only when no
//   complete HTTP reply came back: the connection was refused or dropped, the host was not
//   found, the connection closed before (or in the middle of) the reply, or the request was
//   aborted. A reply with any HTTP status (404, 500, a redirect) is a finished request whose
//   body readAll() returns; redirects are never followed.
// - readAll(), called from the slot connected to requestFinished, returns the finished
//   request's body.
// - abort() ends every request still running and reports each one with error true before it
//   returns (synchronously), like the old request classes the client was designed around.
// - A reply whose body would pass MAX_BODY_BYTES is refused as soon as that shows: by its
//   Content-Length header when it has one, else by the bytes arrived so far. The rest is not
//   read; the request is reported finished (error false) with an empty body, and bodyRefused()
//   tells the receiver why.
class CRsrcHttp : public QObject
{
    Q_OBJECT

public:
    // The script's replies are a few kilobytes (charts of 60 samples for the processor, the
    // memory and each interface, a few slices per volume); even 64 interfaces make under 80 KB.
    // A body past this bound is no reply of it, and refusing it unread spares the GUI thread
    // from parsing megabytes.
    static const int MAX_BODY_BYTES = 512 * 1024;

    explicit CRsrcHttp(QObject *parent = nullptr);
    ~CRsrcHttp() override;

    // Host name or address text and TCP port of later requests.
    void setHost(const QString &host, quint16 port);
    // Posts `data` as a form ("application/x-www-form-urlencoded") to `path` on the host.
    int post(const QString &path, const QByteArray &data);
    // Aborts every running request; see above.
    void abort();
    // The body of the request reported last; empty afterwards.
    QByteArray readAll();
    // Whether the request being reported was refused for a body past MAX_BODY_BYTES; only
    // meaningful in a slot connected to requestFinished.
    bool bodyRefused() const { return m_blBodyRefused; }

    // The next id of the process-wide request counter (never 0, never repeated).
    static int nextRequestId();

signals:
    void requestFinished(int id, bool error);

private slots:
    void slotReplyFinished();
    void slotCheckBodySize();

private:
    QString m_strHost;
    quint16 m_uPort;
    QMap<QNetworkReply *, int> m_mapRunning;
    QByteArray m_baBody;
    bool m_blBodyRefused;
};

#endif // CRSRCHTTP_H
