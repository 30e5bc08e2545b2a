#pragma once

#include "journaal/controleuitslag.h"
#include "journaal/journaallezer.h"
#include "journaal/journaalrecord.h"
#include "journaal/loterijstaat.h"
#include "journaal/pinnen.h"
#include "journaal/vrijenummers.h"

#include <optional>
#include <vector>

// The state of a check while Journaalcontrole reads a journal, and the rules of
// docs/verification.md applied to it line by line.

// A series while the journal is read.
struct Reeksstaat {
    Journaalrecord begin;             // its "reeks" record
    std::optional<VrijeNummers> vrij; // digit mode: the numbers drawn so far
    qint32 laagste = 0, hoogste = 0;
    QByteArray invoer;
    bool invoerGezet = false;
    struct Stap {
        bool bereik = false;
        qint32 a = 0, b = 0; // the number, or the new range
        qint64 regel = 0;
    };
    std::vector<Stap> stappen;   // draws and range changes in order, until the key is revealed
    std::vector<qint32> nummers; // the number of each index
    qint64 vervallen = 0;        // voids declared
    bool gewist = false, onthuld = false;
    std::optional<Loterijstaat> loterij; // a raffle series
};

struct Controleur {
    Controleuitslag uit;
    bool verzamel = false;
    qint64 maxRegel = Journaallezer::kMaxRegel;
    bool inRun = false;
    qint64 actief = 0; // the series in progress, 0 if none
    std::vector<Reeksstaat> reeksen;
    Pinnen pinnen{{}};
    QByteArray vorigeHash;     // of the line before, raw
    QByteArray voorvorigeHash; // of the line before that

    bool fout(qint64 regel, const QString& reden) {
        uit.oordeel = Controleuitslag::Oordeel::Fout;
        uit.regel = regel;
        uit.reden = reden;
        return false;
    }
    Controleuitslag::Reeks* verslag(qint64 nummer) {
        return verzamel ? &uit.reeksen[static_cast<std::size_t>(nummer - 1)] : nullptr;
    }

    using Regel = Journaallezer::Regel;
    // Line r, with the two lines after it (nullptr where there are none).
    bool regel(const Regel& r, const Regel* volgende, const Regel* daarna);
    // Checks that `vastgelegd`, recorded on line r as the hash of line p, is that hash.
    bool schakel(const QByteArray& vastgelegd, qint64 p, const QByteArray& hashP, const Regel& r,
                 const Regel* volgende, const Regel* daarna);
    bool record(const Journaalrecord& r, qint64 n);
    // After line r and its record: the pins, and the series' last head for the report.
    void merk(const Journaalrecord& rec, const Regel& r);
    bool onthul(Reeksstaat& s, const Journaalrecord& r, qint64 n);
    // A record of a raffle series in progress (loterijstaat.h holds its rules).
    bool loterijRecord(Reeksstaat& s, const Journaalrecord& r, qint64 n);
};
