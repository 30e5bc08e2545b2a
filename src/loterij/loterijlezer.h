#pragma once

#include "loterij/loterij.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// Reads a raffle file: a UTF-8 text in the CSV dialect spreadsheet programs write, one record
// per line, with the sets of tickets, the numbers not in play and the prizes (docs/loterij.md).
// The dialect is that of splitsCsv (csvrecords.h): semicolons, commas or tabs, as the first
// record has them. A heading line (first field "soort" or "kind") is skipped.
//
// The file is read whole or not at all: on the first fault the answer holds its line and
// reason and no raffle.
class LoterijLezer {
    Q_DECLARE_TR_FUNCTIONS(LoterijLezer)

public:
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
    static constexpr qint32 kHoogsteNummer = 2147483647;

    struct Uitslag {
        std::optional<Loterij> loterij; // set when the file was read
        int regel = 0;                  // the line at fault; 0: the file as a whole
        QString reden;                  // why, in the current language

        // "regel 12: ..." for a person, or the reason alone for the file as a whole.
        QString tekst() const;
    };

    // Reads the file at `pad`; prize pictures are looked up beside it.
    static Uitslag lees(const QString& pad);
    // Reads a file's contents; prize pictures are looked up in folder `map`.
    static Uitslag leesInhoud(const QByteArray& inhoud, const QString& map);
};
