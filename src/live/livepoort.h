#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>

class QTcpSocket;

// The listening socket of the live view, with the limits the HTTP server itself does not
// keep: at most kMaxKlanten connections at once (the next gets 503 and is closed), a request
// head that grows beyond kMaxRuweKop bytes before it is complete (431) or a request line
// beyond kMaxRegel bytes (414), and connections that send nothing for kStilMs, or take longer
// than that over one request, are dropped. WebSocket connections (merkWebSocket) are left to
// the server, which pings them. The raw bytes are only counted and the line ends looked for;
// the requests themselves are read by Qt's HTTP server.
class Livepoort : public QTcpServer {
    Q_OBJECT
public:
    static constexpr int kMaxKlanten = 500;
    static constexpr qint64 kMaxRuweKop = 32 * 1024;
    static constexpr qint64 kMaxRegel = 4 * 1024;
    static constexpr qint64 kStilMs = 10000;

    explicit Livepoort(QObject* parent = nullptr);

    int aantalVerbindingen();
    // A whole request was read from `socket`: its counts start again.
    void verzoekKlaar(QTcpSocket* socket);
    // The connection of this peer became a WebSocket.
    void merkWebSocket(const QHostAddress& adres, quint16 poort);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct Toestand {
        // Qt's HTTP server cuts every connection of a socket it hands on or gives up on, ours
        // included; whether the socket still exists is known from this alone.
        QPointer<QTcpSocket> socket;
        QElapsedTimer sinds; // since the last byte, or the start of the request
        QElapsedTimer verzoek;
        qint64 ontvangen = 0; // bytes of the request so far
        qint64 regel = 0;     // bytes of its first line so far
        bool regelKlaar = false;
        bool webSocket = false;
        bool afgebroken = false;
    };
    void gelezen(QTcpSocket* socket);
    void weiger(QTcpSocket* socket, const QByteArray& status);
    void veeg();
    void ruimOp(); // forgets the sockets that are gone

    QHash<QTcpSocket*, Toestand> m_open;
    QTimer m_veger;
};
