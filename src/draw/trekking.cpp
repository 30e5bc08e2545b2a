#include "draw/trekking.h"

#include "common/instellingenhouder.h"
#include "common/paden.h"
#include "common/pauze.h"
#include "draw/panel.h"
#include "draw/rollogica.h"

#include <algorithm>

Trekking::Trekking(Instellingenhouder& instellingen, Pauze& pauze, const Paden& paden,
                   QObject* parent)
    : QObject(parent), m_inst(instellingen), m_pauze(pauze), m_paden(paden),
      m_nummerBeeld(nieuwNummerPaneel()) {
    setObjectName(QStringLiteral("Trekking"));
    for (std::size_t n = 0; n < 4; ++n) {
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
    connect(&m_inst, &Instellingenhouder::nieuweReeksGevraagd, this, &Trekking::maakLijstLeeg);
}

Trekking::~Trekking() = default;

void Trekking::zetPlaatjes(const QImage& cijfers, const QImage& fruit, const QImage& prijsTabel) {
    m_strook = {cijfers, fruit};
    m_prijsTabel = prijsTabel;
    for (int n = 0; n < 4; ++n) {
        m_rol[static_cast<std::size_t>(n)].vervangStrook(m_strook[m_inst.rolSoort() ? 1 : 0]);
        toonRol(n);
    }
    if (m_nummerBeeld.devicePixelRatio() != cijfers.devicePixelRatio()) {
        m_nummerBeeld = nieuwNummerPaneel(cijfers.devicePixelRatio());
        tekenNummerBeeld();
        Q_EMIT nummerBeeldGewijzigd();
    }
}

QString Trekking::tellerTekst() const {
    if (m_inst.rolSoort() != 0)
        return QString::number(m_totaalScore);
    return ::tellerTekst(m_aantalTrekkingen, m_inst.record().HoogsteNummer);
}

void Trekking::MaakNummerSchoon() {
    m_drukKleur = QColor();
    ::MaakNummerSchoon(m_nummerBeeld);
    Q_EMIT nummerBeeldGewijzigd();
}

void Trekking::MaakFruitScherm() {
    m_drukKleur = QColor();
    ::MaakFruitScherm(m_nummerBeeld, m_prijsTabel);
    Q_EMIT nummerBeeldGewijzigd();
}

void Trekking::tekenNummerBeeld() {
    if (m_inst.rolSoort() != 0) {
        ::MaakFruitScherm(m_nummerBeeld, m_prijsTabel);
        return;
    }
    ::MaakNummerSchoon(m_nummerBeeld);
    if (m_drukKleur.isValid())
        drukNummer(m_nummerBeeld, m_nummerTekst, m_tekstX, m_drukKleur);
}

void Trekking::geefRollersStrook() {
    for (int n = 0; n < 4; ++n) {
        m_rol[static_cast<std::size_t>(n)].zetStrook(m_strook[m_inst.rolSoort() ? 1 : 0]);
        toonRol(n);
    }
}

void Trekking::toonRol(int n) {
    const int rijen = m_rol[static_cast<std::size_t>(n)].neemVuil();
    if (rijen > 0)
        Q_EMIT rolBijgewerkt(n, rijen);
}

void Trekking::rolSoortGekozen(int soort) {
    if (soort == 0) {
        MaakNummerSchoon();
    } else {
        MaakFruitScherm();
        m_totaalScore = 0;
    }
    geefRollersStrook();
    maakLijstLeeg();
    m_aantalTrekkingen = 0;
    Q_EMIT tellerGewijzigd(tellerTekst());
}

void Trekking::bereikGewijzigd(qint32 laagste, qint32 hoogste) {
    // An applied range shows in the counter; an inverted one is refused and shows nothing.
    if (laagste <= hoogste)
        Q_EMIT tellerGewijzigd(tellerTekst());
}

void Trekking::maakLijstLeeg() {
    m_lijst.maakLeeg();
    Q_EMIT lijstGeleegd();
}

void Trekking::bewaarLijst() {
    BewaarLijst(m_paden.lijst(), m_lijst.nummers());
}

void Trekking::stop() {
    for (auto& timer : m_timer)
        timer.stop();
    m_beeldTimer.stop();
}

void Trekking::rolTik(int n) {
    auto& positie = m_rolPositie[static_cast<std::size_t>(n)];
    m_rol[static_cast<std::size_t>(n)].tekenStrook(positie, 200);
    positie = volgendePositie(positie);
    if (!m_beeldTimer.isActive())
        m_beeldTimer.start();
}

void Trekking::toonRollers() {
    bool getoond = false;
    for (int n = 0; n < 4; ++n) {
        const int rijen = m_rol[static_cast<std::size_t>(n)].neemVuil();
        if (rijen > 0) {
            getoond = true;
            Q_EMIT rolBijgewerkt(n, rijen);
        }
    }
    if (!getoond &&
        std::none_of(m_timer.begin(), m_timer.end(), [](const QTimer& t) { return t.isActive(); }))
        m_beeldTimer.stop();
}

void Trekking::StartRollers() {
    const Instellingen& inst = m_inst.record();
    m_bezig = true;
    ++m_aantalTrekkingen;
    if (m_inst.rolSoort() == 0)
        Q_EMIT tellerGewijzigd(tellerTekst());
    Q_EMIT trekkingBegonnen();

    if (m_inst.rolSoort() != 0) {
        m_getrokkenNummer = m_kiezer.kiesVrij(inst.LaagsteNummer, inst.HoogsteNummer);
    } else {
        auto nummer = m_kiezer.kiesNieuw(inst.LaagsteNummer, inst.HoogsteNummer, m_lijst);
        if (!nummer) {
            Q_EMIT uitgeput();
            if (m_pauze.sluit())
                return;
            maakLijstLeeg();
            nummer = m_kiezer.kiesNieuw(inst.LaagsteNummer, inst.HoogsteNummer, m_lijst);
        }
        m_getrokkenNummer = nummer.value_or(inst.LaagsteNummer);
        MaakNummerSchoon();
    }

    Q_EMIT geluidGevraagd(m_paden.geluid("start.wav"));
    m_nummerTekst = QString::number(m_getrokkenNummer);
    m_nummerLengte = static_cast<int>(std::min<qsizetype>(m_nummerTekst.size(), 255));
    geefRollersStrook();
    m_cijfer = splitsCijfers(m_nummerTekst, m_cijfer);

    for (int n = 0; n < 4; ++n) {
        m_timer[static_cast<std::size_t>(n)].start();
        if (n < 3 && !m_pauze.Wacht(0.2))
            return;
    }
    m_rolPositie = {0, 0, 0, 0};
    if (!m_pauze.Wacht(m_inst.record().PauzeSeconden))
        return;
    StopRollers();
}

void Trekking::StopRollers() {
    if (!m_pauze.Wacht(2))
        return;
    for (int n = 0; n < 4; ++n) {
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
        if (n == 3)
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
        drukNummer(m_nummerBeeld, m_nummerTekst, m_tekstX, titelKleur(m_inst.record()));
        m_drukKleur = titelKleur(m_inst.record());
        Q_EMIT nummerBeeldGewijzigd();
    }
    m_lijst.voegToe(m_getrokkenNummer);
    m_bezig = false;
    Q_EMIT nummerGetrokken(m_getrokkenNummer, punten);
    Q_EMIT trekkingKlaar();
    Q_EMIT geluidGevraagd(m_paden.geluid("stop.wav"));
    // The list file follows every new number, so a crash loses nothing drawn; it is written
    // after the controls are back, so a slow disk does not stretch the draw.
    bewaarLijst();
}

void Trekking::PlaatsScore() {
    m_totaalScore += scorePunten(m_nummerTekst);
    Q_EMIT tellerGewijzigd(tellerTekst());
}
