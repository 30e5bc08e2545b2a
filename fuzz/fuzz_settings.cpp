// libFuzzer target for the settings reader. Every input is read as a settings file; the
// record read is written out and read back, and that second reading must succeed and give
// the same fields, which is what the user sees (texts as the writer stores them, numbers
// exactly). Nothing may crash, leak or hit undefined behaviour on any input.
#include "common/instellingen.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// What the writer makes of a text: the file has no way to hold a double quote or a line
// break inside a field.
QString alsBewaard(QString tekst) {
    tekst.replace(u'"', u'\'');
    tekst.replace(u'\r', u' ');
    tekst.replace(u'\n', u' ');
    return tekst;
}

Instellingen alsBewaard(Instellingen inst) {
    inst.ReserveTekst = alsBewaard(inst.ReserveTekst);
    inst.AchtergrondBestand = alsBewaard(inst.AchtergrondBestand);
    inst.TitelTekst = alsBewaard(inst.TitelTekst);
    return inst;
}

// The same fields. The encoding the record remembers is none: the writer may choose another
// one (8-bit text that would read back as UTF-8 is written as UTF-8) so that the fields
// stay what they were.
bool zelfdeVelden(Instellingen a, const Instellingen& b) {
    a.Tekenset = b.Tekenset;
    return a == b;
}

[[noreturn]] void faal(const char* wat, const QByteArray& bestand) {
    std::fprintf(stderr, "settings property violated: %s\nwritten file:\n%s\n", wat,
                 bestand.constData());
    std::abort();
}

QString decodeer(const QByteArray& ruw, Instellingen& inst) {
    // The same decoding as the reader of the file, which remembers the encoding.
    return decodeerInstellingen(ruw, inst.Tekenset);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(kMaxInstellingenGrootte))
        return -1; // the reader never looks beyond this
    const QByteArray ruw(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    Instellingen eerst;
    const bool gelukt = leesInstellingenTekst(decodeer(ruw, eerst), eerst);

    // Reading twice gives the same answer and the same record.
    Instellingen nogmaals;
    if (leesInstellingenTekst(decodeer(ruw, nogmaals), nogmaals) != gelukt || !(nogmaals == eerst))
        faal("reading is not deterministic", ruw);

    // Whatever was read, successfully or not, is written as a complete file that reads back.
    const QByteArray geschreven = instellingenBestandInhoud(eerst);
    Instellingen terug;
    if (!leesInstellingenTekst(decodeer(geschreven, terug), terug))
        faal("a written file does not read back", geschreven);
    if (!zelfdeVelden(terug, alsBewaard(eerst)))
        faal("a written file reads back as another record", geschreven);

    // And writing that again changes nothing.
    if (instellingenBestandInhoud(terug) != geschreven)
        faal("writing is not stable", geschreven);

    // The colour is always a valid colour.
    if (!titelKleur(eerst).isValid())
        faal("the title colour is invalid", geschreven);
    return 0;
}
