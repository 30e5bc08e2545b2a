#pragma once

#include "journaal/controleuitslag.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// The journal's two commands that need no window: --controleer and --rapport. Each prints
// to standard output (a problem to standard error) and returns the program's exit status.
class Journaalopdracht {
    Q_DECLARE_TR_FUNCTIONS(Journaalopdracht)

public:
    // Prints the check's summary, with where each pin was found. 0: everything verifies;
    // 3: nothing wrong, but a series' key is not revealed yet; 1: damaged, changed, not a
    // journal, unreadable, or a pin that matches no line.
    static int controleer(const QString& journaal, std::vector<Controleuitslag::Pin> pinnen = {});
    // Writes the report; 0 when the PDF is written, 1 otherwise. Needs a QGuiApplication.
    static int rapport(const QString& journaal, const QString& pdf);
    // Writes the winners of the raffle in the journal (Winnaarslijst) to the CSV file; 0 when
    // it is written, 1 otherwise (the file as it was).
    static int winnaars(const QString& journaal, const QString& csv);
};
