#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTimer>

class Livepoort;
class QWebSocket;

// The live view's HTTP and WebSocket server. It answers GET only, and only for what it was
// given: the pages (from the resources, with their texts), /stand.json (the evening as it
// stands) and /journaal.jsonl (the journal file as it is on the disk, up to its last whole
// line). Every other method gets 405, an unknown path 404. Nothing it is sent reaches the
// draw: it only reads. A WebSocket at /live receives the state after every change.
//
// It is made and runs in a thread of its own (Liveweergave), so no client can slow the draw;
// zetStand() hands it each new state. A client whose unsent data grows beyond kMaxBuffer is
// dropped, and so is one that has not answered a ping for kPingMs * 3.
class Liveserver : public QAbstractHttpServer {
    Q_OBJECT
public:
    struct Bestand {
        QByteArray inhoud;
        QByteArray soort; // the Content-Type
    };
    static constexpr qint64 kMaxBuffer = 1024 * 1024;
    static constexpr int kMaxUrl = 2048;
    static constexpr qint64 kMaxKop = 8 * 1024;
    static constexpr int kPingMs = 10000;

    // `stand`: the state to serve until zetStand() gives another.
    Liveserver(const QString& journaalPad, const QHash<QString, Bestand>& paginas,
               const QByteArray& stand, QObject* parent = nullptr);
    ~Liveserver() override;

    // Starts listening; returns the port, or 0 with the system's reason in `fout` and its
    // QAbstractSocket::SocketError in `code`.
    quint16 luister(const QHostAddress& adres, quint16 poort, QString* fout, int* code);
    int aantalVerbindingen() const;
    int aantalWebSockets() const { return static_cast<int>(m_klanten.size()); }

public Q_SLOTS:
    void zetStand(const QByteArray& json);

protected:
    bool handleRequest(const QHttpServerRequest& verzoek, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& verzoek, QTcpSocket* socket) override;

private:
    void neemWebSockets();
    void verstuur();
    void ping();
    QByteArray journaal() const;

    QString m_journaalPad;
    QHash<QString, Bestand> m_paginas;
    Livepoort* m_poort = nullptr;
    QByteArray m_stand;
    QHash<QWebSocket*, QElapsedTimer> m_klanten; // with the time of its last pong
    QTimer m_verzend;                            // changes close together go out as one
    QTimer m_pinger;
};
