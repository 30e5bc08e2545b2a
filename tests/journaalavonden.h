#pragma once

// Two evenings' journals for the checks and the report: one of numbers with every kind of
// event, and a raffle with an absent winner.

#include "journaalhulp.h"

#include "journaal/hervatting.h"
#include "journaal/trekkingsboek.h"

namespace {

// An evening: exhaustion, public input, a range change, a void draw, picture rollers, a
// crash in the middle of writing a line and a restart with --hervat.
QByteArray avond(const QTemporaryDir& dir, bool sluit = true) {
    const QString j = dir.filePath(QStringLiteral("avond.jsonl"));
    const QString s = dir.filePath(QStringLiteral("avond.sleutel"));
    qint32 teller = 0;
    {
        Trekkingsboek boek(j, s);
        boek.begin(1, 6, 0);
        boek.zetPubliekeInvoer(QStringLiteral("Tafel 3: \"negen\" ☺"));
        for (int i = 0; i < 8; ++i) {
            if (!boek.volgende()) {
                boek.lijstGewist(Journaalrecord::Reden::Uitgeput);
                boek.begin(1, 6, 0, {}, teller);
            }
            boek.legVast(++teller);
        }
        boek.zetBereik(-2, 6);
        boek.legVast(++teller);
        boek.vervallen(1, QStringLiteral("niet afgehaald"));
        boek.lijstGewist(Journaalrecord::Reden::RolSoort);
        boek.begin(1, 9999, 1);
        boek.legVast(1, 5, 5);
        boek.legVast(2, 0, 5);
    }
    QFile f(j);
    f.open(QIODevice::Append);
    f.write("{\"soort\":\"trekking\",\"ti");
    f.close();
    Hervatting h = Hervatting::lees(j, s);
    Trekkingsboek boek(j, s);
    boek.hervat(std::move(*h.reeks), h.reeksNummer, h.teller, h.score);
    boek.legVast(3, 10, 15);
    if (sluit)
        boek.sluit();
    boek.wachtOpSchijf();
    return lees(j);
}

// A raffle of two sets and nine prizes: two draws, the second winner absent, its prize drawn
// again, a ticket set aside by the close; then, in a series of its own, every ticket drawn.
QByteArray loterijAvond(const QTemporaryDir& dir) {
    const QString j = dir.filePath(QStringLiteral("loterij.jsonl"));
    Loterij loterij;
    loterij.voegReeksToe({QStringLiteral("Blauw"), {}, {1, 6}, {{2, 2}, {5, 6}}, 0});
    loterij.voegReeksToe({QString(), {}, {10, 12}, {}, 0});
    for (const char* prijs :
         {"Bloemen", "Wijn", "Fiets", "Taart", "Boek", "Mand", "Lamp", "Pen", "Reis"})
        loterij.voegPrijsToe({QString::fromUtf8(prijs), {}, 0});
    Trekkingsboek boek(j, dir.filePath(QStringLiteral("loterij.sleutel")));
    boek.beginLoterij(loterij, 0);
    boek.zetPubliekeInvoer(QStringLiteral("zaal"));
    boek.legVast(1);
    boek.legVast(2);
    boek.vervallen(1, QStringLiteral("niet aanwezig"));
    boek.legVast(3);
    boek.legVast(4);
    boek.lijstGewist(Journaalrecord::Reden::Bereik);
    boek.beginLoterij(loterij, 3);
    for (qint32 t = 5; boek.volgende(); ++t)
        boek.legVast(t);
    boek.lijstGewist(Journaalrecord::Reden::Uitgeput);
    boek.sluit();
    boek.wachtOpSchijf();
    return lees(j);
}

} // namespace
