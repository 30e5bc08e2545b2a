#include "draw/trekking.h"

#include "common/instellingenhouder.h"
#include "common/lijstschrijver.h"
#include "common/paden.h"
#include "common/pauze.h"
#include "draw/loterijverloop.h"
#include "draw/panel.h"
#include "draw/rollogica.h"
#include "journaal/hervatting.h"
#include "journaal/trekkingsboek.h"

#include "schijf/schijf.h"

#include <QFile>

#include <algorithm>

Trekking::Trekking(Instellingenhouder& instellingen, Pauze& pauze, const Paden& paden,
                   QObject* parent)
    : QObject(parent), m_inst(instellingen), m_pauze(pauze), m_paden(paden),
      m_nummerBeeld(nieuwNummerPaneel()),
      m_boek(std::make_unique<Trekkingsboek>(
          paden.journaal(), paden.journaalSleutel(),
          // From the journal's writer thread to this one.
          [this] {
              QMetaObject::invokeMethod(this, &Trekking::journaalGestopt, Qt::QueuedConnection);
          })),
      m_lijstSchrijver(std::make_unique<Lijstschrijver>(paden.lijst())) {
    setObjectName(QStringLiteral("Trekking"));
    for (std::size_t n = 0; n < kMaxRollen; ++n) {
        m_timer[n].setParent(this);
        m_timer[n].setObjectName(QStringLiteral("Timer%1").arg(n + 1));
        m_timer[n].setInterval(10);
        m_timer[n].setTimerType(Qt::PreciseTimer);
        connect(&m_timer[n], &QTimer::timeout, this, [this, n] { rolTik(static_cast<int>(n)); });
    }
    m_beeldTimer.setInterval(10);
    m_beeldTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_beeldTimer, &QTimer::timeout, this, &Trekking::toonRollers);

    connect(&m_inst, &Instellingenhouder::rolSoortGekozen, this, &Trekking::rolSoortGekozen);
    connect(&m_inst, &Instellingenhouder::bereikGewijzigd, this, &Trekking::bereikGewijzigd);
    // Every announced draw, series and void is a line in the journal: a new head.
    connect(this, &Trekking::nummerGetrokken, this, &Trekking::meldKeten);
    connect(this, &Trekking::reeksBegonnen, this, &Trekking::meldKeten);
    connect(this, &Trekking::laatsteVervallen, this, &Trekking::meldKeten);
    connect(&m_inst, &Instellingenhouder::nieuweReeksGevraagd, this, [this] {
        // The new range is applied right after; the next series begins with it.
        maakLijstLeeg(Journaalrecord::Reden::Bereik);
        m_reeksOpenstaand = true;
    });
}

Trekking::~Trekking() = default;

int Trekking::rolSoort() const {
    return m_inst.rolSoort();
}

QString Trekking::tellerTekst() const {
    if (m_inst.rolSoort() != 0)
        return QString::number(m_totaalScore);
    // A raffle has no range: its draws over its tickets in play ("3/1480").
    if (m_verloop)
        return QString::number(m_aantalTrekkingen) + u'/' +
               QString::number(m_verloop->loterij().aantalLoten());
    return ::tellerTekst(m_aantalTrekkingen, m_inst.record().HoogsteNummer);
}

void Trekking::rolSoortGekozen(int soort) {
    if (m_stil)
        return;
    if (soort == 0) {
        MaakNummerSchoon();
    } else {
        MaakFruitScherm();
        m_totaalScore = 0;
    }
    geefRollersStrook();
    pasRollenAan();
    maakLijstLeeg(Journaalrecord::Reden::RolSoort);
    m_aantalTrekkingen = 0;
    m_reeksOpenstaand = false;
    nieuweReeks();
    Q_EMIT tellerGewijzigd(tellerTekst());
}

void Trekking::bereikGewijzigd(qint32 laagste, qint32 hoogste) {
    if (m_stil)
        return;
    pasRollenAan();
    // A cleared list begins a new series with this range; a kept list keeps its series.
    if (m_reeksOpenstaand) {
        m_reeksOpenstaand = false;
        nieuweReeks();
    } else if (m_boek->heeftReeks() && !m_verloop) { // a raffle has no range
        m_boek->zetBereik(laagste, hoogste);
        meldKeten();
    }
    // An applied range shows in the counter; an inverted one is refused and shows nothing.
    if (laagste <= hoogste)
        Q_EMIT tellerGewijzigd(tellerTekst());
}

void Trekking::maakLijstLeeg(Journaalrecord::Reden reden) {
    m_lijst.maakLeeg();
    if (m_boek->heeftReeks())
        m_boek->lijstGewist(reden);
    Q_EMIT lijstGeleegd();
}

void Trekking::zetLoterij(const Loterij& loterij) {
    m_verloop = std::make_unique<Loterijverloop>(loterij);
    // Its longest ticket number has its rollers from the first draw on.
    pasRollenAan();
    Q_EMIT tellerGewijzigd(tellerTekst());
}

void Trekking::nieuweReeks() {
    const Instellingen& inst = m_inst.record();
    if (m_verloop)
        m_boek->beginLoterij(m_verloop->loterij(), m_verloop->prijsNu(), m_aantalTrekkingen,
                             m_totaalScore);
    else
        m_boek->begin(inst.LaagsteNummer, inst.HoogsteNummer, m_inst.rolSoort(), {},
                      m_aantalTrekkingen, m_totaalScore);
    Q_EMIT reeksBegonnen(toezegging(), wordtVastgelegd());
}

void Trekking::beginReeks() {
    pasRollenAan();
    nieuweReeks();
}

void Trekking::hervat(const Hervatting& h) {
    if (h.loterij) {
        hervatLoterij(h);
        return;
    }
    if (h.soort == Hervatting::Soort::Niets) {
        pasRollenAan();
        nieuweReeks();
        return;
    }
    // The settings follow the journal; their announcements are not new series.
    m_stil = true;
    if (h.rolSoort != m_inst.rolSoort())
        m_inst.kiesRolSoort(h.rolSoort);
    m_inst.zetBereik(h.laagste, h.hoogste);
    m_stil = false;
    if (h.rolSoort != 0)
        MaakFruitScherm();
    geefRollersStrook();
    pasRollenAan();
    std::vector<qint32> lijst = h.lijst;
    if (h.soort == Hervatting::Soort::NieuweReeks && !lijst.empty()) {
        // The journal stopped before the list file did (a full disk): it carries those too.
        const std::vector<qint32> bestand = leesLijstBestand(m_paden.lijst());
        if (bestand.size() > lijst.size() &&
            std::equal(lijst.begin(), lijst.end(), bestand.begin()))
            lijst = bestand;
    }
    m_lijst.maakLeeg();
    for (qint32 nummer : lijst)
        m_lijst.voegToe(nummer);
    m_aantalTrekkingen = h.teller;
    m_totaalScore = h.score;
    if (h.soort == Hervatting::Soort::Doorgaan && h.reeks)
        m_boek->hervat(*h.reeks, h.reeksNummer, h.teller, h.score);
    else {
        if (const QString melding = h.melding(); !melding.isEmpty())
            m_boek->meld(melding);
        m_boek->begin(h.laagste, h.hoogste, h.rolSoort, lijst, h.teller, h.score);
    }
    Q_EMIT reeksBegonnen(toezegging(), wordtVastgelegd());
    Q_EMIT tellerGewijzigd(tellerTekst());
}

void Trekking::bewaarLijstNu() {
    bewaarLijst();
    m_lijstSchrijver->wacht();
}

void Trekking::bewaarLijst() {
    m_lijstSchrijver->bewaar(m_lijst.nummers());
}

void Trekking::stop() {
    for (auto& timer : m_timer)
        timer.stop();
    m_beeldTimer.stop();
}

void Trekking::StartRollers() {
    const Instellingen& inst = m_inst.record();
    if (m_verloop && m_verloop->allesGewonnen()) {
        Q_EMIT allePrijzenGewonnen();
        Q_EMIT trekkingKlaar();
        return;
    }
    m_bezig = true;
    ++m_aantalTrekkingen;
    if (m_inst.rolSoort() == 0)
        Q_EMIT tellerGewijzigd(tellerTekst());
    Q_EMIT trekkingBegonnen();

    if (!m_boek->heeftReeks())
        nieuweReeks();
    // Every number follows from the series' key; with digit rollers none comes twice until the
    // range is exhausted, with picture rollers any number of the range may come again.
    auto nummer = m_boek->volgende();
    if (!nummer) {
        const bool invoerEerst = stoptVoorInvoer();
        Q_EMIT uitgeput();
        if (m_pauze.sluit())
            return;
        maakLijstLeeg(Journaalrecord::Reden::Uitgeput);
        if (invoerEerst) {
            // Nothing is drawn: the new series waits for its public input and a new start.
            --m_aantalTrekkingen;
            nieuweReeks();
            MaakNummerSchoon();
            m_bezig = false;
            Q_EMIT tellerGewijzigd(tellerTekst());
            Q_EMIT trekkingKlaar();
            return;
        }
        nieuweReeks();
        nummer = m_boek->volgende();
    }
    m_getrokkenNummer = nummer.value_or(inst.LaagsteNummer);
    if (m_verloop)
        m_getrokkenLot = m_boek->reeks().volgendLot().value_or(Lot{});
    // The draw is journaled as its number is chosen: the record is flushed while the rollers
    // spin, and StopRollers makes sure it is on the disk before the number shows.
    const int punten = m_inst.rolSoort() != 0 ? scorePunten(QString::number(m_getrokkenNummer)) : 0;
    m_boek->legVast(m_aantalTrekkingen,
                    m_inst.rolSoort() != 0 ? std::optional<qint32>(punten) : std::nullopt,
                    m_totaalScore + punten);
    m_inJournaalNietGetoond = true;
    journaalGestopt();
    if (m_inst.rolSoort() == 0)
        MaakNummerSchoon();

    Q_EMIT geluidGevraagd(m_paden.geluid("start.wav"));
    m_nummerTekst = QString::number(m_getrokkenNummer);
    m_nummerLengte = static_cast<int>(std::min<qsizetype>(m_nummerTekst.size(), 255));
    // A number longer than the range's (a journal of another range) gets rollers for all of it.
    pasRollenAan(m_inst.rolSoort() == 0 ? m_nummerLengte : 0);
    geefRollersStrook();
    m_cijfer = splitsCijfers(m_nummerTekst, m_aantalRollen);

    for (int n = 0; n < m_aantalRollen; ++n) {
        m_timer[static_cast<std::size_t>(n)].start();
        if (n < m_aantalRollen - 1 && !m_pauze.Wacht(0.2))
            return;
    }
    m_rolPositie.fill(0);
    if (!m_pauze.Wacht(m_inst.record().PauzeSeconden))
        return;
    StopRollers();
}

void Trekking::StopRollers() {
    if (!m_pauze.Wacht(2))
        return;
    // The first roller to stop shows the number's first digit: the draw's record is on the
    // disk before it. The flush began with the draw; only a very slow disk is waited for.
    while (!m_boek->staatOpSchijf()) {
        if (!m_pauze.Wacht(0.005))
            return;
    }
    journaalGestopt();
    // Every roller stops as the first four do, one after another: more rollers, a longer draw.
    for (int n = 0; n < m_aantalRollen; ++n) {
        const auto i = static_cast<std::size_t>(n);
        m_stopPositie = stopPositie(m_cijfer[i], m_stopPositie);
        m_timer[i].stop();
        for (int v = m_stopPositie; v <= m_stopPositie + 202; v += 10) {
            m_rol[i].tekenStrook(v - 202, 202);
            toonRol(n);
            if (!m_pauze.Wacht(0.05))
                return;
        }
        m_rol[i].tekenStrook(m_stopPositie, 202);
        toonRol(n);
        Q_EMIT rolGestopt(n);
        if (n == m_aantalRollen - 1)
            break;
        if (!m_pauze.Wacht(0.2))
            return;
        Q_EMIT geluidGevraagd(m_paden.geluid("stop.wav"));
        if (!m_pauze.Wacht(1.8))
            return;
    }

    int punten = 0;
    if (m_inst.rolSoort() != 0) {
        punten = scorePunten(m_nummerTekst);
        PlaatsScore();
    } else {
        ::MaakNummerSchoon(m_nummerBeeld);
        m_tekstX = tekstX(m_nummerLengte, m_tekstX);
        m_drukKleur = titelKleur(m_inst.record());
        drukResultaat();
        Q_EMIT nummerBeeldGewijzigd();
    }
    if (m_verloop) {
        m_verloop->getrokken(m_getrokkenLot, QDateTime::currentDateTime());
        const Loterij& loterij = m_verloop->loterij();
        m_lijst.voegToe(m_getrokkenNummer, loterij.tekstVan(m_getrokkenLot),
                        loterij.kleurVan(m_getrokkenLot));
    } else {
        m_lijst.voegToe(m_getrokkenNummer);
    }
    m_laatsteVervallen = false;
    m_inJournaalNietGetoond = false;
    m_bezig = false;
    Q_EMIT nummerGetrokken(m_getrokkenNummer, punten);
    Q_EMIT trekkingKlaar();
    Q_EMIT geluidGevraagd(m_paden.geluid("stop.wav"));
    // The list file follows every new number, so a crash loses nothing drawn; it is written
    // on its own thread, so a slow disk does not stretch the draw.
    bewaarLijst();
}

void Trekking::PlaatsScore() {
    m_totaalScore += scorePunten(m_nummerTekst);
    Q_EMIT tellerGewijzigd(tellerTekst());
}
