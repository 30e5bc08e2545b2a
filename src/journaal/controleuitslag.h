#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

// What the check of a journal found, for the summary of --controleer and for the report.
struct Controleuitslag {
    Q_DECLARE_TR_FUNCTIONS(Controleuitslag)

public:
    enum class Oordeel {
        Goed,                  // every series revealed and every number recomputed
        NogNietControleerbaar, // nothing wrong, but a series' key is not revealed yet
        Fout,                  // damaged, changed or no journal; see regel and reden
    };

    struct Trekking {
        qint64 index = 0;
        qint32 nummer = 0;
        QByteArray tijd;
        std::optional<qint32> punten; // picture mode
        qint32 score = 0;
        QByteArray vervallen; // the reason when the draw was declared void
        bool vervalt = false;
        std::optional<qint64> lotenreeks; // a raffle: the ticket's set
        qint64 prijs = 0;                 // a raffle: the prize it won (unless void)
    };
    struct Bereikwissel {
        qint64 naTrekkingen = 0; // the draws made before the change
        qint32 laagste = 0;
        qint32 hoogste = 0;
        QByteArray tijd;
    };
    // One series, as far as the journal was read.
    struct Reeks {
        qint64 nummer = 0;
        QByteArray begonnen; // time of its start
        qint32 laagste = 0;
        qint32 hoogste = 0;
        int rolSoort = 0;
        QByteArray toezegging;
        std::optional<QByteArray> invoer;
        QByteArray sleutel; // hex, empty while not revealed
        std::size_t overgenomen = 0;
        std::vector<Bereikwissel> bereiken;
        std::vector<Trekking> trekkingen;
        std::vector<QByteArray> lotenreeksen; // a raffle: the names of its sets
        std::vector<QByteArray> prijzen;      // a raffle: its prizes
        QByteArray gewist;                    // the reason the list was cleared, if it was
        bool nagerekend = false;              // key revealed and every number recomputed
        // The last head of the chain the screen showed in this series: the hash (hex) of its
        // last line but its "gewist" and "sleutel", and that line.
        QByteArray kop;
        qint64 kopRegel = 0;
    };
    // A commitment (a "reeks" record's) or a head of the chain (a line's hash) noted from the
    // screen, as a prefix, and the first line of the journal that matches it.
    struct Pin {
        enum class Soort { Toezegging, Keten };
        Soort soort = Soort::Keten;
        QByteArray hex;          // lower-case hex digits
        qint64 regel = 0;        // 0: no line matches
        qint64 reeks = 0;        // the line's series; 0: a line of no series
        qint64 trekkingen = 0;   // the series' draws up to and including that line
        qint64 vervallen = 0;    // the series' voids up to and including that line
        qint64 trekkingenNa = 0; // the series' draws after it
        qint64 vervallenNa = 0;  // the series' voids after it
    };

    Oordeel oordeel = Oordeel::Fout;
    qint64 regel = 0; // the line at fault (0: the file as a whole)
    QString reden;    // why, in the current language
    qint64 regels = 0;
    qint64 aantalReeksen = 0;
    qint64 aantalTrekkingen = 0;
    qint64 nagerekend = 0;           // draws recomputed from revealed keys
    std::vector<qint64> nietOnthuld; // series whose key is not revealed
    std::vector<Reeks> reeksen;      // only when asked for (the report)
    std::vector<Pin> pinnen;         // the pins asked for, in their order

    // 0 when everything checks, 3 when it does as far as it can be checked yet, 1 otherwise.
    int eindCode() const;
    // A few lines for a person: series, draws, each pin, the verdict, and on a fault the line
    // and why.
    QString samenvatting() const;
    QString oordeelTekst() const; // the verdict alone, one line
};
