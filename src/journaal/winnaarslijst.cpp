#include "journaal/winnaarslijst.h"

namespace {

QByteArray veld(const QByteArray& tekst) {
    if (!tekst.contains(';') && !tekst.contains('"') && !tekst.contains('\n') &&
        !tekst.contains('\r'))
        return tekst;
    QByteArray binnen = tekst;
    return '"' + binnen.replace("\"", "\"\"") + '"';
}

} // namespace

QByteArray winnaarsCsv(const Controleuitslag& uitslag) {
    QByteArray csv = "prijs;omschrijving;reeks;nummer;tijd;uitslag\r\n";
    for (const Controleuitslag::Reeks& reeks : uitslag.reeksen) {
        for (const Controleuitslag::Trekking& t : reeks.trekkingen) {
            if (!t.lotenreeks)
                continue;
            const auto plek = static_cast<std::size_t>(*t.lotenreeks);
            const auto prijs = static_cast<std::size_t>(t.prijs);
            const QByteArray naam =
                plek < reeks.lotenreeksen.size() ? reeks.lotenreeksen[plek] : QByteArray();
            const QByteArray omschrijving =
                prijs < reeks.prijzen.size() ? reeks.prijzen[prijs] : QByteArray();
            csv += QByteArray::number(t.prijs + 1) + ';' + veld(omschrijving) + ';' + veld(naam) +
                   ';' + QByteArray::number(t.nummer) + ';' + veld(t.tijd) + ';' +
                   veld(t.vervalt ? "niet aanwezig: " + t.vervallen : QByteArray("gewonnen")) +
                   "\r\n";
        }
    }
    return csv;
}
