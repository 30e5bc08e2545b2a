#include "live/liveweergave.h"

#include "live/livepagina.h"
#include "live/liveserver.h"
#include "live/livestand.h"

#include <QAbstractSocket>

#include <algorithm>
#include <memory>
#include <sys/resource.h>

namespace {

// Room for every client the server admits besides the program's own files.
void ruimteVoorKlanten() {
    rlimit grens{};
    if (getrlimit(RLIMIT_NOFILE, &grens) != 0)
        return;
    const rlim_t nodig = std::min<rlim_t>(grens.rlim_max, 4096);
    if (grens.rlim_cur < nodig) {
        grens.rlim_cur = nodig;
        setrlimit(RLIMIT_NOFILE, &grens);
    }
}

} // namespace

Liveweergave::Liveweergave(const Trekking& trekking, const Instellingenhouder& inst,
                           const QString& journaalPad, const QString& taal, QObject* parent)
    : QObject(parent), m_stand(new Livestand(taal, this)), m_journaalPad(journaalPad),
      m_taal(taal) {
    m_draad.setObjectName(QStringLiteral("Liveweergave"));
    m_stand->volg(trekking, inst);
    connect(m_stand, &Livestand::gewijzigd, this, [this] {
        if (aan() && m_stand->toezegging() != m_toezegging) {
            m_toezegging = m_stand->toezegging();
            Q_EMIT paginaAdresGewijzigd(paginaAdres());
        }
    });
}

Liveweergave::~Liveweergave() {
    stop();
}

bool Liveweergave::start() {
    if (aan())
        return true;
    m_fout.clear();
    QString systeem;
    int socketFout = -1;
    if (!m_adres.isVanDezeComputer()) {
        socketFout = QAbstractSocket::SocketAddressNotAvailableError;
    } else {
        ruimteVoorKlanten();
        // The server is made in its thread, and with it the parts Qt's HTTP server keeps
        // inside (its WebSocket server), so that all of them live there.
        const QByteArray stand = m_stand->json();
        const auto paginas = Livepagina::bestanden(m_taal);
        auto* thuis = new QObject;
        thuis->moveToThread(&m_draad);
        m_draad.start();
        QMetaObject::invokeMethod(
            thuis,
            [&] {
                auto server = std::make_unique<Liveserver>(m_journaalPad, paginas, stand);
                m_poort = server->luister(m_adres.adres, m_adres.poort, &systeem, &socketFout);
                if (m_poort != 0)
                    m_server = server.release();
                thuis->deleteLater();
            },
            Qt::BlockingQueuedConnection);
        if (!m_server) {
            m_draad.quit();
            m_draad.wait();
        }
    }
    if (!m_server) {
        m_fout = foutTekst(socketFout, systeem);
        Q_EMIT foutGemeld(m_fout);
        return false;
    }
    connect(m_stand, &Livestand::gewijzigd, m_server, &Liveserver::zetStand);
    m_toezegging = m_stand->toezegging();
    Q_EMIT aanGewijzigd(true);
    Q_EMIT paginaAdresGewijzigd(paginaAdres());
    return true;
}

void Liveweergave::stop() {
    if (!m_server)
        return;
    disconnect(m_stand, nullptr, m_server, nullptr);
    Liveserver* server = m_server;
    QMetaObject::invokeMethod(
        server, [server] { delete server; }, Qt::BlockingQueuedConnection);
    m_server = nullptr;
    m_poort = 0;
    m_draad.quit();
    m_draad.wait();
    Q_EMIT aanGewijzigd(false);
    Q_EMIT paginaAdresGewijzigd(QString());
}

QString Liveweergave::paginaAdres() const {
    return aan() ? m_adres.paginaAdres(m_poort, m_stand->toezegging()) : QString();
}

int Liveweergave::aantalVerbindingen() const {
    int n = 0;
    if (m_server)
        QMetaObject::invokeMethod(
            m_server, [this, &n] { n = m_server->aantalVerbindingen(); },
            Qt::BlockingQueuedConnection);
    return n;
}

int Liveweergave::aantalWebSockets() const {
    int n = 0;
    if (m_server)
        QMetaObject::invokeMethod(
            m_server, [this, &n] { n = m_server->aantalWebSockets(); },
            Qt::BlockingQueuedConnection);
    return n;
}

QString Liveweergave::foutTekst(int socketFout, const QString& systeem) const {
    const QString waar = QStringLiteral("%1:%2").arg(m_adres.adres.toString()).arg(m_adres.poort);
    QString reden;
    switch (socketFout) {
    case QAbstractSocket::AddressInUseError:
        reden = tr("poort %1 is al in gebruik door een ander programma").arg(m_adres.poort);
        break;
    case QAbstractSocket::SocketAddressNotAvailableError:
        reden = tr("adres %1 is niet van deze computer").arg(m_adres.adres.toString());
        break;
    case QAbstractSocket::SocketAccessError:
        reden = tr("geen toestemming voor poort %1 (poorten onder 1024 vragen beheerrechten)")
                    .arg(m_adres.poort);
        break;
    default:
        reden = systeem;
    }
    return tr("Live-weergave op %1 niet gestart: %2. De trekking gaat gewoon door.")
        .arg(waar, reden);
}
