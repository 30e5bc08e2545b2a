#include "loterij/loterij.h"

#include <algorithm>

std::uint64_t Lotenreeks::aantalInSpel() const {
    std::uint64_t aantal = nummers.aantal();
    for (const Nummerbereik& b : uit)
        aantal -= b.aantal();
    return aantal;
}

void Loterij::voegReeksToe(Lotenreeks reeks) {
    std::vector<Nummerbereik> uit = std::move(reeks.uit);
    reeks.uit.clear();
    m_reeksen.push_back(std::move(reeks));
    if (!uit.empty())
        sluitUit(static_cast<int>(m_reeksen.size()) - 1, std::move(uit));
}

void Loterij::sluitUit(int reeks, std::vector<Nummerbereik> bereiken) {
    Lotenreeks& r = m_reeksen.at(static_cast<std::size_t>(reeks));
    bereiken.insert(bereiken.end(), r.uit.begin(), r.uit.end());
    std::sort(bereiken.begin(), bereiken.end(),
              [](const Nummerbereik& a, const Nummerbereik& b) { return a.van < b.van; });
    // Merge what overlaps or touches, so that every gap between two ranges holds a number.
    std::vector<Nummerbereik> samen;
    for (Nummerbereik b : bereiken) {
        Q_ASSERT(b.van <= b.tot && b.van >= r.nummers.van && b.tot <= r.nummers.tot);
        b.van = std::max(b.van, r.nummers.van);
        b.tot = std::min(b.tot, r.nummers.tot);
        if (b.van > b.tot)
            continue;
        if (!samen.empty() && std::int64_t{b.van} <= std::int64_t{samen.back().tot} + 1)
            samen.back().tot = std::max(samen.back().tot, b.tot);
        else
            samen.push_back(b);
    }
    r.uit = std::move(samen);
}

void Loterij::voegPrijsToe(Prijs prijs) {
    m_prijzen.push_back(std::move(prijs));
}

std::uint64_t Loterij::aantalLoten() const {
    std::uint64_t aantal = 0;
    for (const Lotenreeks& r : m_reeksen)
        aantal += r.aantalInSpel();
    return aantal;
}

const Lotenreeks* Loterij::reeksVan(const Lot& lot) const {
    if (lot.reeks < 0 || static_cast<std::size_t>(lot.reeks) >= m_reeksen.size())
        return nullptr;
    return &m_reeksen[static_cast<std::size_t>(lot.reeks)];
}

QString Loterij::tekstVan(const Lot& lot) const {
    return lotTekst(naamVan(lot), lot.nummer);
}

QString Loterij::naamVan(const Lot& lot) const {
    const Lotenreeks* reeks = reeksVan(lot);
    return reeks ? reeks->naam : QString();
}

QString Loterij::lotTekst(const QString& naam, qint32 nummer) {
    const QString tekst = QString::number(nummer);
    return naam.isEmpty() ? tekst : naam + QLatin1Char(' ') + tekst;
}

QColor Loterij::kleurVan(const Lot& lot) const {
    const Lotenreeks* reeks = reeksVan(lot);
    return reeks ? reeks->kleur : QColor();
}
