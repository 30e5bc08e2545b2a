#include "journaal/hervatting.h"

#include "journaal/journaallezer.h"
#include "journaal/journaalrecord.h"
#include "journaal/sleutelbestand.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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
        int lotenreeks = 0;  // a raffle: the ticket's set
    };
    std::vector<Stap> stappen; // draws and range changes in order
    qint32 laagste = 0, hoogste = 0;
    qint32 teller = 0, score = 0;
    bool onthuld = false;
    qint64 vervallen = 0;
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
            stappen.push_back(
                {false, r.index, r.nummer, 0, static_cast<int>(r.lotenreeks.value_or(0))});
            break;
        case R::Soort::Vervallen:
            ++vervallen;
            break;
        case R::Soort::Bereik:
            laagste = r.laagste;
            hoogste = r.hoogste;
            stappen.push_back({true, 0, r.laagste, r.hoogste, 0});
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

// A raffle through its series: the sets and prizes of the last one, and the tickets drawn
// since the raffle was opened. A raffle series that starts past the first prize goes on
// with the raffle of the series before it.
struct Keten {
    bool loterij = false;
    qint64 reeks = 0;
    Loterij stand;
    std::vector<Hervatting::Lottrekking> uitslagen;
    std::size_t lijstVanaf = 0;

    void neem(const R& r) {
        if (r.soort == R::Soort::Reeks) {
            if (!(loterij && r.lotenreeksen > 0 && r.eerstePrijs > 0)) {
                uitslagen.clear();
                lijstVanaf = 0;
            }
            loterij = r.lotenreeksen > 0;
            reeks = r.reeks;
            stand = Loterij{};
            return;
        }
        if (!loterij || r.reeks != reeks)
            return;
        switch (r.soort) {
        case R::Soort::Lotenreeks: {
            Lotenreeks set;
            set.naam = QString::fromUtf8(r.naam);
            set.kleur = QColor::fromString(QLatin1String(r.kleur));
            set.nummers = {std::min(r.laagste, r.hoogste), std::max(r.laagste, r.hoogste)};
            for (std::size_t i = 0; i + 1 < r.uit.size(); i += 2) {
                if (r.uit[i] <= r.uit[i + 1] && r.uit[i] >= set.nummers.van &&
                    r.uit[i + 1] <= set.nummers.tot)
                    set.uit.push_back({r.uit[i], r.uit[i + 1]});
            }
            stand.voegReeksToe(std::move(set));
            break;
        }
        case R::Soort::Prijs: {
            // A picture only when it is still where the journal says it was.
            const QString plaatje = QString::fromUtf8(r.plaatje);
            stand.voegPrijsToe(
                {QString::fromUtf8(r.naam), QFileInfo(plaatje).isFile() ? plaatje : QString(), 0});
            break;
        }
        case R::Soort::Trekking:
            uitslagen.push_back(
                {{static_cast<int>(r.lotenreeks.value_or(0)), r.nummer},
                 r.prijs,
                 QDateTime::fromString(QString::fromLatin1(r.tijd), Qt::ISODateWithMs),
                 false,
                 r.reeks,
                 r.index});
            break;
        case R::Soort::Vervallen:
            for (Hervatting::Lottrekking& u : uitslagen) {
                if (u.reeks == r.reeks && u.index == r.index)
                    u.afwezig = true;
            }
            break;
        case R::Soort::Gewist:
            lijstVanaf = uitslagen.size();
            break;
        default:
            break;
        }
    }
};

// The series drawn again from its key; std::nullopt when a number does not follow from it.
std::optional<Trekkingsreeks> opnieuw(const Laatste& l, const Keten& k, const QByteArray& sleutel) {
    Trekkingsreeks reeks = k.loterij ? Trekkingsreeks(sleutel, k.stand)
                                     : Trekkingsreeks(sleutel, l.begin->laagste, l.begin->hoogste,
                                                      l.begin->rolSoort, l.begin->overgenomen);
    if (l.invoer)
        reeks.zetPubliekeInvoerBytes(*l.invoer);
    for (const Laatste::Stap& stap : l.stappen) {
        if (stap.bereik) {
            reeks.zetBereik(stap.a, stap.b);
        } else {
            if (stap.index != static_cast<qint64>(reeks.index()) ||
                reeks.volgende() != std::optional<qint32>(stap.a) ||
                (k.loterij &&
                 reeks.volgendLot() != std::optional<Lot>(Lot{stap.lotenreeks, stap.a})))
                return std::nullopt;
            reeks.legVast();
        }
    }
    return reeks;
}

// The raffle's part of a resumption: what the window shows, and the raffle of the series to
// come.
void neemLoterij(Hervatting& h, const Laatste& l, const Keten& k) {
    h.loterij = k.stand;
    h.eerstePrijs = l.begin->eerstePrijs;
    h.vervallen = l.vervallen;
    h.prijsNu = h.eerstePrijs + static_cast<qint64>(l.stappen.size()) - l.vervallen;
    h.uitslagen = k.uitslagen;
    h.lijstVanaf = std::min(k.lijstVanaf, k.uitslagen.size());
    h.lijst.clear();
    for (std::size_t i = h.lijstVanaf; i < h.uitslagen.size(); ++i)
        h.lijst.push_back(h.uitslagen[i].lot.nummer);
}

// A new series of the raffle after its last one ended without a clearing: the tickets that
// series drew stay out of play.
void zonderGetrokken(Hervatting& h, const Laatste& l) {
    Loterij& loterij = *h.loterij;
    for (const Laatste::Stap& stap : l.stappen) {
        if (stap.lotenreeks >= 0 && stap.lotenreeks < static_cast<int>(loterij.reeksen().size())) {
            const Nummerbereik& nummers =
                loterij.reeksen()[static_cast<std::size_t>(stap.lotenreeks)].nummers;
            if (stap.a >= nummers.van && stap.a <= nummers.tot)
                loterij.sluitUit(stap.lotenreeks, {{stap.a, stap.a}});
        }
    }
}

} // namespace

Hervatting Hervatting::lees(const QString& journaalPad, const QString& sleutelPad) {
    Hervatting h;
    // Not through a symbolic link: the journal is not written through one either.
    if (QFileInfo(journaalPad).isSymLink())
        return h;
    QFile bestand(journaalPad);
    if (!bestand.open(QIODevice::ReadOnly))
        return h;
    Laatste l;
    Keten k;
    Journaallezer lezer(bestand, false);
    Journaallezer::Regel regel;
    while (lezer.volgende(regel) == Journaallezer::Stand::Regel) {
        // Lines that are no record (a torn line) are passed over.
        if (const auto r = R::lees(regel.tekst)) {
            l.neem(*r);
            k.neem(*r);
        }
    }
    if (!l.begin)
        return h;
    if (k.loterij) {
        // What followed a raffle cleared for another raffle, or for plain numbers, is not in
        // the journal.
        if (l.gewist == R::Reden::Loterij)
            return h;
        // A raffle has no range of its own: the settings keep theirs.
        neemLoterij(h, l, k);
    }
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
    if (!h.loterij) {
        h.lijst = l.begin->overgenomen;
        for (const Laatste::Stap& stap : l.stappen) {
            if (!stap.bereik)
                h.lijst.push_back(stap.a);
        }
    }
    if (l.onthuld) {
        if (h.loterij)
            zonderGetrokken(h, l);
        return h;
    }
    h.sleutelPad = sleutelPad;
    Sleutelbestand::Stand stand = Sleutelbestand::Stand::Onleesbaar;
    const auto bewaard = Sleutelbestand(sleutelPad).lees(&stand);
    if (stand != Sleutelbestand::Stand::Goed && h.loterij)
        zonderGetrokken(h, l);
    switch (stand) {
    case Sleutelbestand::Stand::Goed:
        break;
    case Sleutelbestand::Stand::NietPrive:
        h.sleutelfout = Sleutelfout::NietPrive;
        return h;
    case Sleutelbestand::Stand::Ontbreekt:
        h.sleutelfout = Sleutelfout::Ontbreekt;
        return h;
    case Sleutelbestand::Stand::Koppeling:
        h.sleutelfout = Sleutelfout::Koppeling;
        return h;
    case Sleutelbestand::Stand::Onleesbaar:
        h.sleutelfout = Sleutelfout::Onleesbaar;
        return h;
    }
    if (bewaard->reeks != h.reeksNummer) {
        h.sleutelfout = Sleutelfout::AndereReeks;
        h.sleutelReeks = bewaard->reeks;
    } else if (Trekkingsreeks::toezeggingVan(bewaard->sleutel).toLatin1() != l.begin->toezegging) {
        h.sleutelfout = Sleutelfout::PastNiet;
    } else if (auto reeks = opnieuw(l, k, bewaard->sleutel)) {
        h.soort = Soort::Doorgaan;
        h.reeks = std::move(reeks);
    } else {
        h.sleutelfout = Sleutelfout::NummersVolgenNiet;
    }
    if (h.soort != Soort::Doorgaan && h.loterij)
        zonderGetrokken(h, l);
    return h;
}

QString Hervatting::melding() const {
    // Every text takes its arguments in one pass, so that a % in the path stays as it is.
    const QString pad = QDir::toNativeSeparators(sleutelPad);
    const QString reeks = QString::number(reeksNummer);
    QString waarom;
    switch (sleutelfout) {
    case Sleutelfout::Geen:
        return QString();
    case Sleutelfout::Ontbreekt:
        waarom = tr("De sleutel van reeks %1 ontbreekt: %2 bestaat niet.").arg(reeks, pad);
        break;
    case Sleutelfout::Koppeling:
        waarom =
            tr("%1 is een symbolische koppeling; Quintaro leest daar geen sleutel uit.").arg(pad);
        break;
    case Sleutelfout::NietPrive:
        waarom = tr("%1 was leesbaar voor anderen, dus de sleutel van reeks %2 is niet meer "
                    "geheim. Het bestand is nu alleen voor de eigenaar leesbaar.")
                     .arg(pad, reeks);
        break;
    case Sleutelfout::Onleesbaar:
        waarom = tr("%1 is beschadigd of geen sleutelbestand.").arg(pad);
        break;
    case Sleutelfout::AndereReeks:
        waarom = tr("%1 bevat de sleutel van reeks %2, niet die van reeks %3.")
                     .arg(pad, QString::number(sleutelReeks), reeks);
        break;
    case Sleutelfout::PastNiet:
        waarom = tr("De sleutel in %1 past niet bij de toezegging van reeks %2 in het journaal.")
                     .arg(pad, reeks);
        break;
    case Sleutelfout::NummersVolgenNiet:
        waarom = tr("De getrokken nummers van reeks %1 volgen niet uit de sleutel in %2.")
                     .arg(reeks, pad);
        break;
    }
    return waarom + u' ' +
           tr("Reeks %1 gaat daarom niet verder: er begint een nieuwe reeks, met de getrokken "
              "nummers op de lijst.")
               .arg(reeks);
}
