// The draw engine's pictures: the rollers (their strips, their number, their ticks) and the
// result panel.
#include "draw/trekking.h"

#include "common/instellingenhouder.h"
#include "draw/panel.h"
#include "draw/rollogica.h"

#include "draw/loterijverloop.h"

#include <algorithm>

namespace {

// The rollers of a raffle: those of its longest ticket number in play, over all its sets.
int rollenVoor(const Loterij& loterij) {
    int rollen = 0;
    for (const Lotenreeks& reeks : loterij.reeksen()) {
        if (reeks.aantalInSpel() == 0)
            continue;
        // The excluded ranges are sorted and apart: the first number past them is in play.
        qint32 laagste = reeks.nummers.van, hoogste = reeks.nummers.tot;
        if (!reeks.uit.empty() && reeks.uit.front().van == laagste)
            laagste = reeks.uit.front().tot + 1;
        if (!reeks.uit.empty() && reeks.uit.back().tot == hoogste)
            hoogste = reeks.uit.back().van - 1;
        rollen = std::max(rollen, ::aantalRollen(laagste, hoogste));
    }
    return rollen;
}

} // namespace

void Trekking::zetPlaatjes(const QImage& cijfers, const QImage& fruit, const QImage& prijsTabel) {
    m_strook = {cijfers, fruit};
    m_prijsTabel = prijsTabel;
    for (int n = 0; n < kMaxRollen; ++n) {
        m_rol[static_cast<std::size_t>(n)].vervangStrook(m_strook[m_inst.rolSoort() ? 1 : 0]);
        toonRol(n);
    }
    if (m_nummerBeeld.devicePixelRatio() != cijfers.devicePixelRatio()) {
        m_nummerBeeld = nieuwNummerPaneel(cijfers.devicePixelRatio());
        tekenNummerBeeld();
        Q_EMIT nummerBeeldGewijzigd();
    }
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
        drukResultaat();
}

void Trekking::drukResultaat() {
    // Up to four characters at the place of their length, as always; a longer number centred
    // and as large as fits.
    if (m_nummerLengte <= 4)
        drukNummer(m_nummerBeeld, m_nummerTekst, m_tekstX, m_drukKleur);
    else
        drukBreedNummer(m_nummerBeeld, m_nummerTekst, m_drukKleur);
}

void Trekking::geefRollersStrook() {
    for (int n = 0; n < kMaxRollen; ++n) {
        m_rol[static_cast<std::size_t>(n)].zetStrook(m_strook[m_inst.rolSoort() ? 1 : 0]);
        toonRol(n);
    }
}

void Trekking::toonRol(int n) {
    const int rijen = m_rol[static_cast<std::size_t>(n)].neemVuil();
    if (rijen > 0)
        Q_EMIT rolBijgewerkt(n, rijen);
}

void Trekking::pasRollenAan(int minimaal) {
    const Instellingen& inst = m_inst.record();
    const int bereik = m_verloop ? rollenVoor(m_verloop->loterij())
                                 : ::aantalRollen(inst.LaagsteNummer, inst.HoogsteNummer);
    const int gevraagd = m_inst.rolSoort() != 0 ? 4 : std::max(bereik, minimaal);
    const int aantal = std::clamp(gevraagd, 4, kMaxRollen);
    if (aantal == m_aantalRollen)
        return;
    // The rollers stand on 0 in their new places until the next draw.
    m_aantalRollen = aantal;
    m_cijfer.assign(static_cast<std::size_t>(aantal), 0);
    geefRollersStrook();
    Q_EMIT aantalRollenGewijzigd(aantal);
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
    for (int n = 0; n < m_aantalRollen; ++n) {
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
