#pragma once

#include "journaal/trekkingsreeks.h"
#include "loterij/loterij.h"

#include <QCoreApplication>
#include <QDateTime>
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
//   Niets        the journal holds no series, or is a symbolic link (which is neither read
//                nor written): a start as without --hervat.
// In every case the range, roller kind, counter and score are those the window had.
//
// A raffle (the last series drew tickets) goes on as a raffle: its sets, exclusions and
// prizes as the journal gives them (with the colours and the pictures' paths it records),
// the tickets drawn since the raffle was opened with the prize each won and the absent
// winners, and the list since its last clearing. NieuweReeks after a normal close or a key
// that cannot be used: `loterij` has the tickets of the last series out of play too, so the
// new series never draws them again. A raffle series cleared because another raffle was
// opened or the raffle was closed is Niets: what followed is not in the journal.
struct Hervatting {
    Q_DECLARE_TR_FUNCTIONS(Hervatting)

public:
    enum class Soort { Niets, Doorgaan, NieuweReeks };
    // Why an unfinished series could not go on.
    enum class Sleutelfout {
        Geen,
        Ontbreekt,        // no key file
        Koppeling,        // the key file is a symbolic link
        NietPrive,        // the key file was readable by others: the key is no longer secret
        Onleesbaar,       // damaged or no key file
        AndereReeks,      // the key of another series (sleutelReeks)
        PastNiet,         // a key that does not match the series' commitment
        NummersVolgenNiet // the numbers drawn do not follow from the key
    };

    Soort soort = Soort::Niets;
    std::optional<Trekkingsreeks> reeks; // Doorgaan only
    qint64 reeksNummer = 0;              // the last series of the journal
    qint32 laagste = 1;
    qint32 hoogste = 9999;
    int rolSoort = 0;
    std::vector<qint32> lijst; // the drawn list as it stood
    qint32 teller = 0;         // AantalTrekkingen
    qint32 score = 0;          // TotaalScore
    // Not Geen when NieuweReeks although the last series was unfinished: why.
    Sleutelfout sleutelfout = Sleutelfout::Geen;
    qint64 sleutelReeks = 0; // AndereReeks: the series the key file names
    QString sleutelPad;

    // A raffle's draw: the ticket, the prize it won, when, and whether its winner was absent.
    struct Lottrekking {
        Lot lot;
        qint64 prijs = 0;
        QDateTime tijd;
        bool afwezig = false;
        qint64 reeks = 0, index = 0; // where the journal has it
    };
    std::optional<Loterij> loterij;     // set when the last series is a raffle's
    qint64 eerstePrijs = 0;             // the prize up at the start of the last series
    qint64 vervallen = 0;               // draws of the last series declared void
    qint64 prijsNu = 0;                 // the prize up now
    std::vector<Lottrekking> uitslagen; // the raffle's draws since it was opened
    std::size_t lijstVanaf = 0;         // the list: uitslagen from here on

    static Hervatting lees(const QString& journaalPad, const QString& sleutelPad);
    // For the operator, in the current language: why the unfinished series does not go on,
    // and what happens instead. Empty when there is nothing to tell.
    QString melding() const;
};
