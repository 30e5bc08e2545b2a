#include "journaal/hervatting.h"

#include "journaal/journaallezer.h"
#include "journaal/journaalrecord.h"
#include "journaal/sleutelbestand.h"

#include <QFile>

namespace {

using R = Journaalrecord;

// The last series as the journal tells it.
struct Laatste {
    std::optional<R> begin;
    std::optional<QByteArray> invoer;
    struct Stap {
        bool bereik = false;
        qint64 index = 0;
        qint32 a = 0, b = 0; // the number, or the new range
    };
    std::vector<Stap> stappen; // draws and range changes in order
    qint32 laagste = 0, hoogste = 0;
    qint32 teller = 0, score = 0;
    bool onthuld = false;
    std::optional<R::Reden> gewist;

    void neem(const R& r) {
        if (r.soort == R::Soort::Reeks) {
            *this = Laatste{};
            begin = r;
            laagste = r.laagste;
            hoogste = r.hoogste;
            teller = r.teller;
            score = r.score;
            return;
        }
        if (!begin || r.reeks != begin->reeks)
            return;
        switch (r.soort) {
        case R::Soort::Invoer:
            invoer = r.tekst;
            break;
        case R::Soort::Trekking:
            teller = r.teller;
            if (r.punten)
                score = r.score;
            stappen.push_back({false, r.index, r.nummer, 0});
            break;
        case R::Soort::Bereik:
            laagste = r.laagste;
            hoogste = r.hoogste;
            stappen.push_back({true, 0, r.laagste, r.hoogste});
            break;
        case R::Soort::Hervat:
            teller = r.teller;
            score = r.score;
            break;
        case R::Soort::Gewist:
            gewist = r.reden;
            break;
        case R::Soort::Sleutel:
            onthuld = true;
            break;
        default:
            break;
        }
    }
};

// The series drawn again from its key; std::nullopt when a number does not follow from it.
std::optional<Trekkingsreeks> opnieuw(const Laatste& l, const QByteArray& sleutel) {
    Trekkingsreeks reeks(sleutel, l.begin->laagste, l.begin->hoogste, l.begin->rolSoort,
                         l.begin->overgenomen);
    if (l.invoer)
        reeks.zetPubliekeInvoerBytes(*l.invoer);
    for (const Laatste::Stap& stap : l.stappen) {
        if (stap.bereik) {
            reeks.zetBereik(stap.a, stap.b);
        } else {
            if (stap.index != static_cast<qint64>(reeks.index()) ||
                reeks.volgende() != std::optional<qint32>(stap.a))
                return std::nullopt;
            reeks.legVast();
        }
    }
    return reeks;
}

} // namespace

Hervatting Hervatting::lees(const QString& journaalPad, const QString& sleutelPad) {
    Hervatting h;
    QFile bestand(journaalPad);
    if (!bestand.open(QIODevice::ReadOnly))
        return h;
    Laatste l;
    Journaallezer lezer(bestand, false);
    Journaallezer::Regel regel;
    while (lezer.volgende(regel) == Journaallezer::Stand::Regel) {
        // Lines that are no record (a torn line) are passed over.
        if (const auto r = R::lees(regel.tekst))
            l.neem(*r);
    }
    if (!l.begin)
        return h;
    h.reeksNummer = l.begin->reeks;
    h.laagste = l.laagste;
    h.hoogste = l.hoogste;
    h.rolSoort = l.begin->rolSoort;
    h.teller = l.teller;
    h.score = l.score;
    h.soort = Soort::NieuweReeks;
    if (l.gewist) {
        // Cleared: the list starts empty; a change of roller kind also resets the counters.
        if (*l.gewist == R::Reden::RolSoort) {
            h.rolSoort = 1 - h.rolSoort;
            h.teller = 0;
            h.score = 0;
        }
        return h;
    }
    h.lijst = l.begin->overgenomen;
    for (const Laatste::Stap& stap : l.stappen) {
        if (!stap.bereik)
            h.lijst.push_back(stap.a);
    }
    if (l.onthuld)
        return h;
    const auto bewaard = Sleutelbestand(sleutelPad).lees();
    if (bewaard && bewaard->reeks == h.reeksNummer &&
        Trekkingsreeks::toezeggingVan(bewaard->sleutel).toLatin1() == l.begin->toezegging) {
        if (auto reeks = opnieuw(l, bewaard->sleutel)) {
            h.soort = Soort::Doorgaan;
            h.reeks = std::move(reeks);
            return h;
        }
    }
    h.sleutelOntbreekt = true;
    return h;
}
