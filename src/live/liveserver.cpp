#include "live/liveserver.h"

#include "live/livepoort.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>
#include <QWebSocket>

#include <memory>

namespace {

using Status = QHttpServerResponder::StatusCode;

void antwoord(QHttpServerResponder& responder, const QByteArray& inhoud, const QByteArray& soort,
              Status status = Status::Ok) {
    responder.write(inhoud,
                    {{"Content-Type", soort},
                     {"Cache-Control", "no-store"},
                     {"X-Content-Type-Options", "nosniff"},
                     {"Referrer-Policy", "no-referrer"}},
                    status);
}

void fout(QHttpServerResponder& responder, Status status, const QByteArray& tekst) {
    antwoord(responder, tekst + '\n', "text/plain; charset=utf-8", status);
}

bool isWebSocket(const QHttpServerRequest& verzoek) {
    for (const auto& [naam, waarde] : verzoek.headers()) {
        if (naam.compare("upgrade", Qt::CaseInsensitive) == 0)
            return waarde.trimmed().compare("websocket", Qt::CaseInsensitive) == 0;
    }
    return false;
}

} // namespace

Liveserver::Liveserver(const QString& journaalPad, const QHash<QString, Bestand>& paginas,
                       const QByteArray& stand, QObject* parent)
    : QAbstractHttpServer(parent), m_journaalPad(journaalPad), m_paginas(paginas), m_stand(stand) {
    // Children, so that they move to the server's thread with it.
    m_verzend.setParent(this);
    m_pinger.setParent(this);
    m_verzend.setSingleShot(true);
    m_verzend.setInterval(20);
    connect(&m_verzend, &QTimer::timeout, this, &Liveserver::verstuur);
    m_pinger.setInterval(kPingMs);
    connect(&m_pinger, &QTimer::timeout, this, &Liveserver::ping);
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &Liveserver::neemWebSockets);
}

Liveserver::~Liveserver() {
    for (QWebSocket* klant : m_klanten.keys())
        delete klant;
}

quint16 Liveserver::luister(const QHostAddress& adres, quint16 poort, QString* fout, int* code) {
    auto tcp = std::make_unique<Livepoort>();
    if (!tcp->listen(adres, poort)) {
        *fout = tcp->errorString();
        *code = tcp->serverError();
        return 0;
    }
    m_poort = tcp.release();
    bind(m_poort);
    m_pinger.start();
    return m_poort->serverPort();
}

int Liveserver::aantalVerbindingen() const {
    return m_poort ? m_poort->aantalVerbindingen() : 0;
}

void Liveserver::zetStand(const QByteArray& json) {
    m_stand = json;
    if (!m_verzend.isActive())
        m_verzend.start();
}

bool Liveserver::handleRequest(const QHttpServerRequest& verzoek, QTcpSocket* socket) {
    if (m_poort)
        m_poort->verzoekKlaar(socket);
    QHttpServerResponder responder = makeResponder(verzoek, socket);
    if (verzoek.method() != QHttpServerRequest::Method::Get) {
        responder.write({{"Allow", "GET"}}, Status::MethodNotAllowed);
        return true;
    }
    const QUrl url = verzoek.url();
    if (url.toEncoded().size() > kMaxUrl) {
        fout(responder, Status::UriTooLong, "URI Too Long");
        return true;
    }
    qint64 kop = 0;
    for (const auto& [naam, waarde] : verzoek.headers())
        kop += naam.size() + waarde.size() + 4;
    if (kop > kMaxKop) {
        fout(responder, Status::RequestHeaderFieldsTooLarge, "Request Header Fields Too Large");
        return true;
    }
    const QString pad = url.path();
    if (pad == QLatin1String("/live") && isWebSocket(verzoek)) {
        // Qt's server answers the upgrade itself once this returns; nothing is written here.
    } else if (pad == QLatin1String("/stand.json")) {
        antwoord(responder, m_stand, "application/json");
    } else if (pad == QLatin1String("/journaal.jsonl")) {
        antwoord(responder, journaal(), "application/jsonl; charset=utf-8");
    } else if (auto it = m_paginas.constFind(pad); it != m_paginas.cend()) {
        antwoord(responder, it->inhoud, it->soort);
    } else {
        fout(responder, Status::NotFound, "Not Found");
    }
    return true;
}

void Liveserver::missingHandler(const QHttpServerRequest& verzoek, QTcpSocket* socket) {
    QHttpServerResponder responder = makeResponder(verzoek, socket);
    fout(responder, Status::NotFound, "Not Found");
}

QByteArray Liveserver::journaal() const {
    QFile bestand(m_journaalPad);
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    QByteArray inhoud = bestand.readAll();
    // A line being written at this moment is left for the next reader.
    inhoud.truncate(inhoud.lastIndexOf('\n') + 1);
    return inhoud;
}

void Liveserver::neemWebSockets() {
    while (hasPendingWebSocketConnections()) {
        QWebSocket* klant = nextPendingWebSocketConnection().release();
        if (!klant)
            break;
        if (m_poort)
            m_poort->merkWebSocket(klant->peerAddress(), klant->peerPort());
        if (klant->requestUrl().path() != QLatin1String("/live")) {
            klant->close(QWebSocketProtocol::CloseCodePolicyViolated);
            klant->deleteLater();
            continue;
        }
        klant->setParent(this);
        klant->setReadBufferSize(4096);
        m_klanten[klant].start();
        connect(klant, &QWebSocket::disconnected, this, [this, klant] {
            m_klanten.remove(klant);
            klant->deleteLater();
        });
        connect(klant, &QWebSocket::pong, this, [this, klant] {
            if (auto it = m_klanten.find(klant); it != m_klanten.end())
                it->start();
        });
        // What a page sends is not read for anything.
        klant->sendTextMessage(QString::fromUtf8(m_stand));
    }
}

void Liveserver::verstuur() {
    const QString tekst = QString::fromUtf8(m_stand);
    QList<QWebSocket*> traag;
    for (auto it = m_klanten.cbegin(); it != m_klanten.cend(); ++it) {
        if (it.key()->bytesToWrite() > kMaxBuffer)
            traag.append(it.key());
        else
            it.key()->sendTextMessage(tekst);
    }
    for (QWebSocket* klant : traag) {
        m_klanten.remove(klant);
        klant->abort();
        klant->deleteLater();
    }
}

void Liveserver::ping() {
    QList<QWebSocket*> stil;
    for (auto it = m_klanten.cbegin(); it != m_klanten.cend(); ++it) {
        if (it->elapsed() > 3 * kPingMs || it.key()->bytesToWrite() > kMaxBuffer)
            stil.append(it.key());
        else
            it.key()->ping();
    }
    for (QWebSocket* klant : stil) {
        m_klanten.remove(klant);
        klant->abort();
        klant->deleteLater();
    }
}
