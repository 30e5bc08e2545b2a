#include "journaal/winnaarslijst.h"

#include "loterij/loterij.h"

namespace {

QByteArray veld(const QByteArray& tekst) {
    if (!tekst.contains(';') && !tekst.contains('"') && !tekst.contains('\n') &&
        !tekst.contains('\r'))
        return tekst;
    QByteArray binnen = tekst;
    return '"' + binnen.replace("\"", "\"\"") + '"';
}

} // namespace

QString Winnaarslijst::Getrokken::lotTekst() const {
    return Loterij::lotTekst(QString::fromUtf8(naam), nummer);
}

Winnaarslijst::Winnaarslijst(const Controleuitslag& uitslag) {
    for (const Controleuitslag::Reeks& reeks : uitslag.reeksen) {
        std::vector<Getrokken> loten = van(reeks);
        m_loten.insert(m_loten.end(), std::make_move_iterator(loten.begin()),
                       std::make_move_iterator(loten.end()));
    }
}

std::vector<Winnaarslijst::Getrokken> Winnaarslijst::van(const Controleuitslag::Reeks& reeks) {
    std::vector<Getrokken> loten;
    for (const Controleuitslag::Trekking& t : reeks.trekkingen) {
        if (!t.lotenreeks)
            continue;
        const auto plek = static_cast<std::size_t>(*t.lotenreeks);
        const auto prijs = static_cast<std::size_t>(t.prijs);
        loten.push_back({reeks.nummer, t.prijs,
                         prijs < reeks.prijzen.size() ? reeks.prijzen[prijs] : QByteArray(),
                         plek < reeks.lotenreeksen.size() ? reeks.lotenreeksen[plek] : QByteArray(),
                         t.nummer, t.tijd, t.vervalt, t.vervallen});
    }
    return loten;
}

QByteArray Winnaarslijst::csv() const {
    QByteArray csv = "prijs;omschrijving;reeks;nummer;tijd;uitslag\r\n";
    for (const Getrokken& g : m_loten)
        csv += QByteArray::number(g.prijs + 1) + ';' + veld(g.omschrijving) + ';' + veld(g.naam) +
               ';' + QByteArray::number(g.nummer) + ';' + veld(g.tijd) + ';' +
               veld(g.vervalt ? "niet aanwezig: " + g.reden : QByteArray("gewonnen")) + "\r\n";
    return csv;
}
