#pragma once

#include "journaal/trekkingsreeks.h"

#include <QString>

#include <optional>
#include <vector>

// What a start with --hervat needs to go on where the program stopped, read from the
// journal and the key file. Three cases:
//   Doorgaan     the last series is unfinished (no key revealed, not cleared) and the key
//                file holds its key: `reeks` is that series, with its key, public input,
//                range and list, at the index of its next draw. Trekkingsboek::hervat()
//                continues it; no number of it comes again.
//   NieuweReeks  the last series ended (its key revealed at a normal close, or its list
//                cleared), or its key is gone: a new series begins with `lijst` carried
//                over (empty after a clearing), so that no number repeats across the
//                restart, and a revealed key is never used again.
//   Niets        the journal holds no series: a start as without --hervat.
// In every case the range, roller kind, counter and score are those the window had.
struct Hervatting {
    enum class Soort { Niets, Doorgaan, NieuweReeks };

    Soort soort = Soort::Niets;
    std::optional<Trekkingsreeks> reeks; // Doorgaan only
    qint64 reeksNummer = 0;              // the last series of the journal
    qint32 laagste = 1;
    qint32 hoogste = 9999;
    int rolSoort = 0;
    std::vector<qint32> lijst; // the drawn list as it stood
    qint32 teller = 0;         // AantalTrekkingen
    qint32 score = 0;          // TotaalScore
    // NieuweReeks although the last series was unfinished: its key was missing or did not
    // match, or its numbers did not follow from the key.
    bool sleutelOntbreekt = false;

    static Hervatting lees(const QString& journaalPad, const QString& sleutelPad);
};
