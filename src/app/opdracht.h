#pragma once

#include "common/paden.h"
#include "journaal/controleuitslag.h"
#include "live/liveadres.h"
#include "loterij/loterij.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks for.
struct Opdracht {
    Paden paden;          // where the files are read and written
    QString schermafdruk; // --screenshot: the PNG file to save the window to; empty if not given
    bool stem = false;    // --stem: the voice reads every listed number out from the start
    bool bord = false;    // --bord: the board of drawn numbers is shown from the start
    bool hervat = false;  // --hervat: go on with the last unfinished series of the journal
    // --operator: the operator's own window, also with one screen.
    bool bediening = false;
    // --scherm N: the screen of the audience's window, counted from 1; 0 if not given.
    int scherm = 0;
    // --controleer FILE: check the journal FILE and end (no window); empty if not given.
    QString controleer;
    // --toezegging HEX and --keten HEX (each may be given more often): what the check must
    // find in the journal; commitments first, then heads of the chain, each in its order.
    std::vector<Controleuitslag::Pin> pinnen;
    // --rapport FILE OUT.pdf: write the report of the journal FILE to OUT.pdf and end.
    QString rapportJournaal;
    QString rapportPdf;
    // --loterij FILE: the raffle read from FILE (docs/loterij.md); draws tickets instead of
    // numbers.
    std::optional<Loterij> loterij;
    // --winnaars JOURNAL OUT.csv: write the winners of the raffle in JOURNAL and end.
    QString winnaarsJournaal;
    QString winnaarsCsv;
    std::optional<double> schaal; // --schaal: the window's scale factor on every screen
    // --web [ADDRESS:]PORT: the live view, on from the start at this address.
    std::optional<Liveadres> web;
    // The program ends before its window opens: help, version or a mistake on the command
    // line. `uitvoer` is then printed, to standard error when `fout`, and `eindCode` returned.
    bool klaar = false;
    bool fout = false;
    int eindCode = 0;
    QString uitvoer;
};

// Reads the command line (`argumenten` as QCoreApplication::arguments() gives it, the
// program first). Chooses the language first (--lang, Dutch by default), so every later text
// is in it, then the directories: --dir, else the program's own directory `programmaMap`,
// writing to `gebruikersMap` (the user's data directory) when that one cannot be written.
Opdracht leesOpdrachtregel(const QStringList& argumenten, const QString& programmaMap,
                           const QString& gebruikersMap);

// The text of --help, in the current language, with the directories in use.
QString hulpTekst(const Paden& paden, const QString& gebruikersMap);
