// libFuzzer target for the raffle file's reader and the drum of tickets. Every input is read
// as a raffle file (pictures looked up in a folder that does not exist); reading must give the
// same answer twice, a fault a reason and a line that exists, and a raffle read must hold
// sets, prizes and at least as many tickets as prizes, with its numbers out of play in order
// and within their sets. Its drum must then draw tickets in play, each once, each at the
// place it had. Nothing may crash, leak or hit undefined behaviour on any input.
#include "loterij/lotentrommel.h"
#include "loterij/loterijlezer.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

const QString kMap = QStringLiteral("/nonexistent-quintaro-fuzz");

[[noreturn]] void faal(const char* wat, const QByteArray& invoer) {
    std::fprintf(stderr, "raffle property violated: %s\ninput:\n%s\n", wat, invoer.constData());
    std::abort();
}

void controleerLoterij(const Loterij& l, const QByteArray& invoer) {
    if (l.reeksen().empty() || l.prijzen().empty() || l.aantalLoten() < l.prijzen().size())
        faal("a raffle without sets, prizes or tickets enough was read", invoer);
    for (const Lotenreeks& r : l.reeksen()) {
        std::int64_t vorige = std::int64_t{r.nummers.van} - 2;
        for (const Nummerbereik& b : r.uit) {
            if (b.van > b.tot || b.van <= vorige + 1 || b.tot > r.nummers.tot)
                faal("numbers out of play are not in order within their set", invoer);
            vorige = b.tot;
        }
    }
    Lotentrommel trommel(l);
    if (trommel.aantal() != l.aantalLoten())
        faal("the drum does not hold the tickets in play", invoer);
    std::set<std::pair<int, qint32>> gezien;
    std::uint64_t k = static_cast<std::uint64_t>(qHash(invoer));
    for (int i = 0; i < 64 && trommel.aantal() > 0; ++i) {
        k = k * 6364136223846793005u + 1442695040888963407u;
        const std::uint64_t plaats = k % trommel.aantal();
        const std::uint64_t voor = trommel.aantal();
        const Lot lot = trommel.lotOpPlaats(plaats);
        if (trommel.plaatsVan(lot) != plaats || !(trommel.neemUit(plaats) == lot) ||
            trommel.aantal() != voor - 1 || trommel.plaatsVan(lot) || trommel.haalUit(lot))
            faal("a ticket is not drawn from its place exactly once", invoer);
        const Lotenreeks& r = l.reeksen().at(static_cast<std::size_t>(lot.reeks));
        bool uit = lot.nummer < r.nummers.van || lot.nummer > r.nummers.tot;
        for (const Nummerbereik& b : r.uit)
            uit = uit || (lot.nummer >= b.van && lot.nummer <= b.tot);
        if (uit || !gezien.insert({lot.reeks, lot.nummer}).second)
            faal("a ticket out of play or drawn before was drawn", invoer);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray invoer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LoterijLezer::Uitslag een = LoterijLezer::leesInhoud(invoer, kMap);
    const LoterijLezer::Uitslag twee = LoterijLezer::leesInhoud(invoer, kMap);
    if (bool(een.loterij) != bool(twee.loterij) || een.regel != twee.regel ||
        een.reden != twee.reden)
        faal("reading is not deterministic", invoer);
    const qint64 regels = invoer.count('\n') + invoer.count('\r') + 1;
    if (een.regel < 0 || een.regel > regels)
        faal("the line at fault does not exist", invoer);
    if (!een.loterij && een.reden.isEmpty())
        faal("a fault without a reason", invoer);
    if (een.loterij && !een.reden.isEmpty())
        faal("a raffle read with a fault", invoer);
    if (een.loterij)
        controleerLoterij(*een.loterij, invoer);
    return 0;
}
