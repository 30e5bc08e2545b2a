// libFuzzer target for the journal reader and checker. Every input is checked as a journal
// (with small limits, so that the line and file limits are reached too); the check must end,
// give the same answer twice and name a line that exists. Every line that reads as a JSON
// object or as a record is written out and read back: the same fields, and writing again
// changes nothing. Nothing may crash, leak or hit undefined behaviour on any input.
#include "journaal/journaalcontrole.h"
#include "journaal/journaalrecord.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qint64 kMaxRegel = 2048;
constexpr qint64 kMaxBestand = 1 << 16;

[[noreturn]] void faal(const char* wat, const QByteArray& invoer) {
    std::fprintf(stderr, "journal property violated: %s\ninput:\n%s\n", wat, invoer.constData());
    std::abort();
}

Controleuitslag controleer(const QByteArray& inhoud) {
    QBuffer buffer;
    buffer.setData(inhoud);
    buffer.open(QIODevice::ReadOnly);
    return Journaalcontrole::controleer(buffer, true, kMaxRegel, kMaxBestand);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray invoer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const Controleuitslag een = controleer(invoer);
    const Controleuitslag twee = controleer(invoer);
    if (een.oordeel != twee.oordeel || een.regel != twee.regel || een.reden != twee.reden)
        faal("checking is not deterministic", invoer);
    const qint64 regels = invoer.count('\n') + (invoer.endsWith('\n') ? 0 : 1);
    if (een.regel < 0 || een.regel > regels)
        faal("the line at fault does not exist", invoer);
    if (een.oordeel == Controleuitslag::Oordeel::Fout && een.reden.isEmpty())
        faal("a fault without a reason", invoer);
    if (een.oordeel != Controleuitslag::Oordeel::Fout &&
        (invoer.isEmpty() || !invoer.endsWith('\n') || een.nagerekend > een.aantalTrekkingen))
        faal("an incomplete or empty journal passed", invoer);

    for (const QByteArray& regel : invoer.split('\n')) {
        if (const auto json = JsonRegel::lees(regel)) {
            const QByteArray tekst = json->tekst();
            const auto terug = JsonRegel::lees(tekst);
            if (!terug || terug->velden() != json->velden() || terug->tekst() != tekst)
                faal("a JSON line does not read back as written", regel);
        }
        if (const auto record = Journaalrecord::lees(regel)) {
            const QByteArray tekst = record->regel();
            const auto terug = Journaalrecord::lees(tekst);
            if (!terug || terug->regel() != tekst)
                faal("a record does not read back as written", regel);
        }
    }
    return 0;
}
