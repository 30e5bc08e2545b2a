// The draw engine's raffle between series: opened from a file, closed again, and taken over
// from the journal after a stop (--hervat).
#include "draw/trekking.h"

#include "draw/loterijverloop.h"
#include "journaal/hervatting.h"
#include "journaal/trekkingsboek.h"

bool Trekking::openLoterij(const Loterij& loterij) {
    if (m_bezig)
        return false;
    wisselLoterij(std::make_unique<Loterijverloop>(loterij));
    return true;
}

bool Trekking::sluitLoterij() {
    if (m_bezig || !m_verloop)
        return false;
    wisselLoterij(nullptr);
    return true;
}

void Trekking::wisselLoterij(std::unique_ptr<Loterijverloop> verloop) {
    // As a new range does: the list is cleared, its series ends with its key revealed, and the
    // next one begins; the counter starts again, as the raffle's draws are counted anew.
    maakLijstLeeg(Journaalrecord::Reden::Loterij);
    m_verloop = std::move(verloop);
    m_aantalTrekkingen = 0;
    m_reeksOpenstaand = false;
    m_laatsteVervallen = false;
    pasRollenAan();
    nieuweReeks();
    bewaarLijst();
    Q_EMIT loterijGewijzigd();
    Q_EMIT tellerGewijzigd(tellerTekst());
}

void Trekking::hervatLoterij(const Hervatting& h) {
    // The prizes from the start of the raffle, each draw and absence as the evening had them.
    const qint64 eerste = h.uitslagen.empty() ? h.prijsNu : h.uitslagen.front().prijs;
    m_verloop = std::make_unique<Loterijverloop>(*h.loterij, eerste);
    for (const Hervatting::Lottrekking& u : h.uitslagen) {
        m_verloop->getrokken(u.lot, u.tijd);
        if (u.afwezig)
            m_verloop->afwezig();
    }
    m_lijst.maakLeeg();
    for (std::size_t i = h.lijstVanaf; i < h.uitslagen.size(); ++i)
        m_lijst.voegToe(h.uitslagen[i].lot.nummer, h.loterij->tekstVan(h.uitslagen[i].lot),
                        h.loterij->kleurVan(h.uitslagen[i].lot));
    m_laatsteVervallen = !h.uitslagen.empty() && h.uitslagen.back().afwezig;
    m_aantalTrekkingen = h.teller;
    m_totaalScore = h.score;
    pasRollenAan();
    if (h.soort == Hervatting::Soort::Doorgaan && h.reeks) {
        m_boek->hervat(*h.reeks, h.reeksNummer, h.teller, h.score, h.eerstePrijs, h.vervallen);
    } else {
        if (const QString melding = h.melding(); !melding.isEmpty())
            m_boek->meld(melding);
        m_boek->beginLoterij(*h.loterij, h.prijsNu, h.teller, h.score);
    }
    Q_EMIT reeksBegonnen(toezegging(), wordtVastgelegd());
    Q_EMIT loterijGewijzigd();
    Q_EMIT tellerGewijzigd(tellerTekst());
}
