#pragma once

#include "journaal/controleuitslag.h"

#include <QByteArray>

// The winners of the raffles in a journal (Journaalcontrole with every series collected), as
// a CSV file for a spreadsheet: UTF-8, semicolons, one heading line
//
//     prijs;omschrijving;reeks;nummer;tijd;uitslag
//
// then one line per ticket drawn, in the order of the draws: the prize's place (from 1), its
// description, the set's name, the ticket's number, the draw's time as the journal has it,
// and "gewonnen" or "niet aanwezig: " with the reason the draw was declared void. A field
// holding a semicolon, a quote or a line break is quoted. Series of numbers are left out.
QByteArray winnaarsCsv(const Controleuitslag& uitslag);
