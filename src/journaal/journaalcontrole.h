#pragma once

#include "journaal/controleuitslag.h"
#include "journaal/journaallezer.h"

#include <QCoreApplication>
#include <QString>

class QIODevice;

// Checks a draw journal as docs/verification.md describes it: the hash chain from line to
// line, the order of the records, each number against the range and (digit mode) the
// numbers drawn before it, each revealed key against its series' commitment, and every
// number of a revealed series drawn again from its key. Stops at the first fault, naming
// its line. Reads the journal as a stream, holding two lines and the numbers of the series
// whose key is not revealed yet.
class Journaalcontrole {
    Q_DECLARE_TR_FUNCTIONS(Journaalcontrole)

public:
    // `verzamel`: also fill Controleuitslag::reeksen (every series with its draws).
    // `pinnen`: commitments and heads of the chain noted from the screen (Pinnen); each must
    // match a line, and Controleuitslag::pinnen says which.
    static Controleuitslag controleer(const QString& pad, bool verzamel = false,
                                      std::vector<Controleuitslag::Pin> pinnen = {});
    static Controleuitslag controleer(QIODevice& bron, bool verzamel = false,
                                      qint64 maxRegel = Journaallezer::kMaxRegel,
                                      qint64 maxBestand = Journaallezer::kMaxBestand,
                                      std::vector<Controleuitslag::Pin> pinnen = {});
};
