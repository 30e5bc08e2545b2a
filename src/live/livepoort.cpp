#include "live/livepoort.h"

#include <QTcpSocket>

namespace {

// What a refused connection gets before it is closed: the status and nothing else.
QByteArray weigering(const QByteArray& status) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
}

} // namespace

Livepoort::Livepoort(QObject* parent) : QTcpServer(parent) {
    setMaxPendingConnections(kMaxKlanten);
    m_veger.setInterval(1000);
    connect(&m_veger, &QTimer::timeout, this, &Livepoort::veeg);
    m_veger.start();
}

void Livepoort::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    ruimOp();
    if (m_open.size() >= kMaxKlanten) {
        weiger(socket, "503 Service Unavailable");
        return;
    }
    // The HTTP server keeps a request's bytes until it is complete; beyond this the socket
    // stops reading, and the request is refused below.
    socket->setReadBufferSize(kMaxRuweKop + 1024);
    Toestand& t = m_open[socket];
    t = Toestand();
    t.socket = socket;
    t.sinds.start();
    t.verzoek.start();
    // Connected before the HTTP server's own handler, so the counts see each piece first.
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { gelezen(socket); });
    addPendingConnection(socket);
}

void Livepoort::gelezen(QTcpSocket* socket) {
    auto it = m_open.find(socket);
    if (it == m_open.end() || it->socket.isNull() || it->webSocket || it->afgebroken)
        return;
    Toestand& t = *it;
    if (t.ontvangen == 0)
        t.verzoek.start();
    t.sinds.start();
    const QByteArray nieuw = socket->peek(socket->bytesAvailable());
    t.ontvangen += nieuw.size();
    if (!t.regelKlaar) {
        const qsizetype eind = nieuw.indexOf('\n');
        t.regel += eind < 0 ? nieuw.size() : eind;
        t.regelKlaar = eind >= 0;
    }
    if (t.regel > kMaxRegel)
        weiger(socket, "414 URI Too Long");
    else if (t.ontvangen > kMaxRuweKop)
        weiger(socket, "431 Request Header Fields Too Large");
}

void Livepoort::verzoekKlaar(QTcpSocket* socket) {
    auto it = m_open.find(socket);
    if (it == m_open.end() || it->socket.isNull())
        return;
    it->ontvangen = 0;
    it->regel = 0;
    it->regelKlaar = false;
    it->sinds.start();
}

int Livepoort::aantalVerbindingen() {
    ruimOp();
    return static_cast<int>(m_open.size());
}

void Livepoort::ruimOp() {
    m_open.removeIf([](QHash<QTcpSocket*, Toestand>::iterator it) { return it->socket.isNull(); });
}

void Livepoort::merkWebSocket(const QHostAddress& adres, quint16 poort) {
    ruimOp();
    for (auto it = m_open.begin(); it != m_open.end(); ++it) {
        if (it->socket->peerPort() == poort && it->socket->peerAddress().isEqual(adres)) {
            it->webSocket = true;
            return;
        }
    }
}

void Livepoort::weiger(QTcpSocket* socket, const QByteArray& status) {
    auto it = m_open.find(socket);
    if (it != m_open.end())
        it->afgebroken = true;
    // What came is dropped unread, so the HTTP server does not answer it as well.
    socket->skip(socket->bytesAvailable());
    socket->write(weigering(status));
    socket->disconnectFromHost();
    // A peer that does not take the answer is not waited for.
    QTimer::singleShot(2000, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}

void Livepoort::veeg() {
    ruimOp();
    QList<QTcpSocket*> stil;
    for (auto it = m_open.cbegin(); it != m_open.cend(); ++it) {
        const Toestand& t = *it;
        if (t.webSocket || t.afgebroken)
            continue;
        const bool halfVerzoek = t.ontvangen > 0 && t.verzoek.elapsed() > kStilMs;
        if (t.sinds.elapsed() > kStilMs || halfVerzoek)
            stil.append(it.key());
    }
    for (QTcpSocket* socket : stil) {
        // The HTTP server lets go of a socket it could not read (and of our own connections to
        // it); nobody else deletes it then.
        m_open.remove(socket);
        socket->abort();
        socket->deleteLater();
    }
}
