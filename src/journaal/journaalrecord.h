#pragma once

#include "journaal/jsonregel.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// One record of the draw journal (Trekkingsjournaal.jsonl): the events of an evening, one
// JSON object per line. docs/verification.md lists every kind with its fields; the fields
// are written in the order given there. Every record has "soort" (the kind), "tijd" (local
// time, ISO 8601 with milliseconds and offset) and "vorige" (the SHA-256 of the line before
// it, in hex; 64 zeros on the first line).
struct Journaalrecord {
    enum class Soort {
        Start,      // "start": the program started
        Reeks,      // "reeks": a series began
        Hervat,     // "hervat": the series goes on after a restart with --hervat
        Invoer,     // "invoer": the public input of the series
        Trekking,   // "trekking": a number was drawn and listed
        Bereik,     // "bereik": the range changed within the series
        Gewist,     // "gewist": the list was cleared; the series ends
        Sleutel,    // "sleutel": the series' key revealed
        Vervallen,  // "vervallen": a draw declared void; its number stays drawn
        Einde,      // "einde": the program closed normally
        Lotenreeks, // "lotenreeks": a set of tickets of a raffle series
        Prijs,      // "prijs": a prize of a raffle series
    };
    enum class Reden { Uitgeput, Bereik, RolSoort, Loterij }; // why the list was cleared

    Soort soort = Soort::Start;
    QByteArray tijd;
    QByteArray vorige; // 64 hex digits

    QByteArray versie;     // start, reeks: the program's version
    qint64 gescheurd = 0;  // start: the torn line just before it, 0 if none
    QByteArray vorigeHeel; // start with gescheurd: hash of the last whole line before the torn one
    qint64 reeks = 0;      // the series number, from 1
    qint32 laagste = 0;    // reeks, bereik
    qint32 hoogste = 0;
    int rolSoort = 0;                // reeks: 0 digits, 1 pictures
    QByteArray toezegging;           // reeks: SHA-256 of the key, hex
    std::vector<qint32> overgenomen; // reeks: the numbers carried over into the list
    qint32 teller = 0;               // reeks, hervat, trekking: the draw counter
    qint32 score = 0;                // reeks, hervat; trekking in picture mode
    qint64 index = 0;                // trekking, vervallen; hervat: the next index
    qint32 nummer = 0;               // trekking, vervallen
    std::optional<qint32> punten;    // trekking in picture mode (with score)
    QByteArray tekst;                // invoer: the public input, UTF-8
    Reden reden = Reden::Uitgeput;   // gewist
    QByteArray redenTekst;           // vervallen: the operator's reason
    QByteArray sleutel;              // sleutel: the key, hex
    // A raffle series: its "reeks" record gives the number of sets and prizes and the prize
    // up at its start (all 0: a series of numbers). Its "lotenreeks" and "prijs" records
    // carry them, numbered by `index`; its "trekking" records the set of the ticket drawn
    // and the prize it won.
    qint64 lotenreeksen = 0;          // reeks
    qint64 prijzen = 0;               // reeks
    qint64 eerstePrijs = 0;           // reeks
    QByteArray naam;                  // lotenreeks: the set's name; prijs: the description
    QByteArray kleur;                 // lotenreeks: the set's colour as #rrggbb; empty: none
    QByteArray plaatje;               // prijs: the picture's path; empty: none
    std::vector<qint32> uit;          // lotenreeks: numbers out of play, as pairs from, to
    std::optional<qint64> lotenreeks; // trekking in a raffle series: the ticket's set
    qint64 prijs = 0;                 // trekking in a raffle series: the prize it won

    // Why a line is no record.
    struct Fout {
        enum class Soort { GeenJson, OnbekendeSoort, Ontbreekt, OngeldigeWaarde, OnbekendVeld };
        Soort soort = Soort::GeenJson;
        QByteArray veld;    // the field concerned
        qsizetype plek = 0; // GeenJson: the byte offset of the fault
    };

    // The record on `regel`, checked field by field; on a fault `fout` says why.
    static std::optional<Journaalrecord> lees(QByteArrayView regel, Fout* fout = nullptr);
    // The line (without the line feed), fields in the documented order.
    QByteArray regel() const;

    static QByteArray soortNaam(Soort soort);
    static QByteArray redenNaam(Reden reden);
    static bool isHex64(const QByteArray& tekst);
    static QByteArray nulHash() { return QByteArray(64, '0'); }
};
