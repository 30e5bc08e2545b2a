#pragma once

#include "live/liveadres.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <memory>

class Instellingenhouder;
class Livestand;
class Liveserver;
class Trekking;

// The live view as the program switches it: the evening's state (Livestand) kept on this
// thread from the draw's announcements, and while it is on, the server (Liveserver) in a
// thread of its own that serves it to the hall's phones, the people at home and a streaming
// program. Off at start; start() opens it at the address given (--web or the operator's
// switch). When it cannot (a port in use, an address not of this computer, no permission)
// start() returns false, foutGemeld says why, and the evening goes on without it.
class Liveweergave : public QObject {
    Q_OBJECT
public:
    Liveweergave(const Trekking& trekking, const Instellingenhouder& inst,
                 const QString& journaalPad, const QString& taal, QObject* parent = nullptr);
    ~Liveweergave() override;

    void zetAdres(const Liveadres& adres) { m_adres = adres; }
    const Liveadres& adres() const { return m_adres; }
    bool start();
    void stop();
    bool aan() const { return m_server != nullptr; }
    // The port listened on (the one asked for, or the system's choice for port 0); 0 when off.
    quint16 poort() const { return m_poort; }
    // The page's address with the current series' commitment in it; empty when off.
    QString paginaAdres() const;
    // The reason the last start() failed.
    const QString& fout() const { return m_fout; }
    const Livestand& stand() const { return *m_stand; }
    // For the tests: connections and WebSocket clients the server holds now (asked of its
    // thread).
    int aantalVerbindingen() const;
    int aantalWebSockets() const;

Q_SIGNALS:
    void aanGewijzigd(bool aan);
    // On start, at every new series and when it goes off (empty).
    void paginaAdresGewijzigd(const QString& adres);
    void foutGemeld(const QString& tekst);

private:
    QString foutTekst(int socketFout, const QString& systeem) const;

    Livestand* m_stand = nullptr;
    QString m_journaalPad;
    QString m_taal;
    Liveadres m_adres;
    QThread m_draad;
    Liveserver* m_server = nullptr;
    quint16 m_poort = 0;
    QString m_fout;
    QString m_toezegging;
};
