#include "draw/loterijverloop.h"

QString Loterijverloop::prijsTekst(qint64 prijs) const {
    const auto& prijzen = m_loterij.prijzen();
    if (prijs < 0 || prijs >= static_cast<qint64>(prijzen.size()))
        return {};
    return prijzen[static_cast<std::size_t>(prijs)].omschrijving;
}

void Loterijverloop::getrokken(const Lot& lot, const QDateTime& tijd) {
    m_uitslagen.push_back({m_gewonnen, lot, tijd, false});
    ++m_gewonnen;
}

void Loterijverloop::afwezig() {
    if (m_uitslagen.empty() || m_uitslagen.back().afwezig)
        return;
    m_uitslagen.back().afwezig = true;
    --m_gewonnen;
}
