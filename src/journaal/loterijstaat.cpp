#include "journaal/loterijstaat.h"

#include "journaal/journaalcontrole.h"
#include "journaal/trekkingsreeks.h"

Loterijstaat::Loterijstaat(const Journaalrecord& begin)
    : aantalReeksen(begin.lotenreeksen), aantalPrijzen(begin.prijzen),
      eerstePrijs(begin.eerstePrijs) {}

QString Loterijstaat::lotenreeks(const Journaalrecord& r, qint64 getrokken) {
    const auto aantal = static_cast<qint64>(loterij.reeksen().size());
    if (getrokken > 0 || r.index != aantal || aantal >= aantalReeksen)
        return Journaalcontrole::tr("lotenreeks %1 hoort hier niet (verwacht: %2 van %3, voor "
                                    "de eerste trekking)")
            .arg(r.index)
            .arg(aantal)
            .arg(aantalReeksen);
    if (r.laagste > r.hoogste)
        return Journaalcontrole::tr("lotenreeks %1: het laagste nummer ligt boven het hoogste")
            .arg(r.index);
    Lotenreeks reeks;
    reeks.naam = QString::fromUtf8(r.naam);
    reeks.nummers = {r.laagste, r.hoogste};
    qint64 vorigeTot = qint64{r.laagste} - 1;
    for (std::size_t i = 0; i + 1 < r.uit.size(); i += 2) {
        const qint32 van = r.uit[i], tot = r.uit[i + 1];
        if (van > tot || van <= vorigeTot || van < r.laagste || tot > r.hoogste)
            return Journaalcontrole::tr("lotenreeks %1: \"uit\" is geen oplopende rij van "
                                        "losse bereiken binnen de reeks")
                .arg(r.index);
        vorigeTot = tot;
        reeks.uit.push_back({van, tot});
    }
    loterij.voegReeksToe(std::move(reeks));
    return {};
}

QString Loterijstaat::prijs(const Journaalrecord& r, qint64 getrokken) {
    const auto aantal = static_cast<qint64>(loterij.prijzen().size());
    if (getrokken > 0 || r.index != aantal || aantal >= aantalPrijzen)
        return Journaalcontrole::tr("prijs %1 hoort hier niet (verwacht: %2 van %3, voor de "
                                    "eerste trekking)")
            .arg(r.index)
            .arg(aantal)
            .arg(aantalPrijzen);
    loterij.voegPrijsToe({QString::fromUtf8(r.naam), {}, 0});
    return {};
}

QString Loterijstaat::trekking(const Journaalrecord& r, qint64 getrokken, qint64 vervallen) {
    if (static_cast<qint64>(loterij.reeksen().size()) < aantalReeksen ||
        static_cast<qint64>(loterij.prijzen().size()) < aantalPrijzen)
        return Journaalcontrole::tr("een trekking voordat alle lotenreeksen en prijzen van de "
                                    "loterij zijn gegeven");
    if (!r.lotenreeks || r.punten)
        return Journaalcontrole::tr("een trekking van de loterij zonder lotenreeks en prijs");
    const qint64 prijsNu = eerstePrijs + getrokken - vervallen;
    if (r.prijs != prijsNu || prijsNu >= aantalPrijzen)
        return Journaalcontrole::tr("de trekking noemt prijs %1, maar prijs %2 is aan de beurt")
            .arg(r.prijs)
            .arg(prijsNu);
    if (!trommel)
        trommel.emplace(loterij);
    const Lot lot{static_cast<int>(std::min<qint64>(*r.lotenreeks, aantalReeksen)), r.nummer};
    if (*r.lotenreeks >= aantalReeksen || !trommel->haalUit(lot))
        return Journaalcontrole::tr("lot %1 van lotenreeks %2 doet niet (meer) mee")
            .arg(r.nummer)
            .arg(*r.lotenreeks);
    loten.push_back(lot);
    return {};
}

std::optional<std::pair<std::size_t, QString>>
Loterijstaat::trekOpnieuw(const QByteArray& sleutel, const QByteArray* invoer) const {
    Trekkingsreeks opnieuw(sleutel, loterij);
    if (invoer)
        opnieuw.zetPubliekeInvoerBytes(*invoer);
    for (std::size_t i = 0; i < loten.size(); ++i) {
        const std::optional<Lot> lot = opnieuw.volgendLot();
        if (lot != loten[i])
            return std::pair{i, lot ? loterij.tekstVan(*lot) : QStringLiteral("-")};
        opnieuw.legVast();
    }
    return std::nullopt;
}
