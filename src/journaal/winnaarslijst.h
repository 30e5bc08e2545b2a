#pragma once

#include "journaal/controleuitslag.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The tickets drawn in the raffles of a journal, from the journal alone (Journaalcontrole
// with every series collected): per ticket its series, the prize it was drawn for, the set's
// name and the number, the draw's time, and whether the draw was declared void (the winner
// was not there: the same prize was drawn again). In the order of the draws; series of
// numbers are left out. --winnaars writes it as a CSV file, --rapport as a table per series.
class Winnaarslijst {
public:
    struct Getrokken {
        qint64 reeks = 0;        // the journal's series
        qint64 prijs = 0;        // the prize's place, from 0
        QByteArray omschrijving; // the prize's description
        QByteArray naam;         // the set's name; empty for a set without a name
        qint32 nummer = 0;
        QByteArray tijd; // as the journal has it
        bool vervalt = false;
        QByteArray reden; // why the draw was declared void

        // The ticket as the hall read it: "Roze 123", or "123" for a set without a name.
        QString lotTekst() const;
    };

    explicit Winnaarslijst(const Controleuitslag& uitslag);
    // The tickets of one series.
    static std::vector<Getrokken> van(const Controleuitslag::Reeks& reeks);

    const std::vector<Getrokken>& loten() const { return m_loten; }

    // As a file for a spreadsheet: UTF-8, semicolons, one heading line
    //
    //     prijs;omschrijving;reeks;nummer;tijd;uitslag
    //
    // then one line per ticket: the prize's place (from 1), its description, the set's name,
    // the ticket's number, the time, and "gewonnen" or "niet aanwezig: " with the reason the
    // draw was declared void. A field holding a semicolon, a quote or a line break is quoted.
    QByteArray csv() const;

private:
    std::vector<Getrokken> m_loten;
};
