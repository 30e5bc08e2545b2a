#pragma once

#include "journaal/sleutelbestand.h"
#include "journaal/trekkingsjournaal.h"
#include "journaal/trekkingsreeks.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The draws of a run of the program with their journal and key file: what the window calls
// to draw, list, clear and close, in the order that keeps the journal checkable.
//
//   start-up    Trekkingsboek boek(paden.journaal(), paden.journaalSleutel());
//               then begin(...) for a new series, or hervat(...) after --hervat
//   a draw      volgende() when the rollers start (std::nullopt: the range is exhausted:
//               show the message, lijstGewist(Uitgeput), begin(...), volgende() again),
//               and legVast(...) at once; the record is flushed while the rollers spin,
//               and wachtOpSchijf() before the number is shown
//   settings    zetBereik() when only the lowest number changed; lijstGewist(Bereik or
//               RolSoort) and begin(...) when the list is cleared
//   close       sluit()
//
// The key is kept in the key file from the start of its series and revealed in the journal
// when the series ends (lijstGewist, sluit, or the next start without --hervat), then
// dropped from the key file. The journal's disk work runs on its writer thread, in order, the
// key file's with it; nothing here waits for the disk but wachtOpSchijf().
//
// When the journal stops in the middle of a series (a full disk), the series' numbers are
// still drawn and shown, but no longer recorded: its key is withdrawn at once
// (Sleutelbestand::trekIn), so that no later --hervat can go on with it at a place whose
// numbers were already shown. The next start with a working journal reveals it.
class Trekkingsboek {
    Q_DECLARE_TR_FUNCTIONS(Trekkingsboek)

public:
    // Opens the journal and writes the program start (naming a torn last line, if any).
    // `bijStoppen` is called once, on the journal's writer thread, when the journal stops
    // after it worked.
    Trekkingsboek(const QString& journaalPad, const QString& sleutelPad,
                  std::function<void()> bijStoppen = {});
    ~Trekkingsboek();
    Trekkingsboek(const Trekkingsboek&) = delete;
    Trekkingsboek& operator=(const Trekkingsboek&) = delete;

    // A new series with a fresh key. First reveals a key that the key file still holds from
    // a series that is not going on (the program was stopped without closing).
    void begin(qint32 laagste, qint32 hoogste, int rolSoort, std::vector<qint32> overgenomen = {},
               qint32 teller = 0, qint32 score = 0);
    // A new raffle series with a fresh key: its sets and prizes are journaled after its
    // "reeks" record, and every draw is a ticket. `eerstePrijs` is the prize up at its start
    // (the prizes already won in earlier series of the same raffle).
    void beginLoterij(const Loterij& loterij, qint64 eerstePrijs, qint32 teller = 0,
                      qint32 score = 0);
    // In a raffle series: the index of the prize up now (the prize at the start, plus the
    // draws, minus the draws declared void: a void prize is drawn again). May be past the
    // last prize when all are won.
    qint64 prijsNu() const;
    // Goes on with series `nummer` (Hervatting::reeks); its key stays in the key file. A
    // raffle series goes on from the prize up at its start and its draws declared void.
    void hervat(Trekkingsreeks reeks, qint64 nummer, qint32 teller, qint32 score,
                qint64 eerstePrijs = 0, qint64 vervallen = 0);

    bool heeftReeks() const { return m_reeks.has_value(); }
    const Trekkingsreeks& reeks() const { return *m_reeks; }
    qint64 reeksNummer() const { return m_nummer; }
    // The commitment as the window shows it: "3f2a 91c0 77de 0b18"; empty without a series.
    QString toezeggingKort() const;
    // The head of the chain as the window shows it: the first 16 hex digits of the hash of
    // the journal's latest line, in groups of four; empty while the journal is not written.
    QString ketenKop() const;

    // The audience's text, before the first draw of the series; false when too late or too
    // long (Trekkingsreeks::kMaxInvoerBytes).
    bool zetPubliekeInvoer(const QString& tekst);
    std::optional<qint32> volgende() const;
    // Takes the next number: counts it in the series and journals the draw, on the disk
    // once staatOpSchijf(). `teller` is the draw counter; in picture mode `punten` are the
    // draw's points and `score` the score after it.
    qint32 legVast(qint32 teller, std::optional<qint32> punten = std::nullopt, qint32 score = 0);
    // The lowest number changed and the list was kept.
    void zetBereik(qint32 laagste, qint32 hoogste);
    // The list was cleared: the series ends and its key is revealed. begin() starts the next.
    void lijstGewist(Journaalrecord::Reden reden);
    // Declares draw `index` of this series void; its number stays drawn.
    void vervallen(std::uint64_t index, const QString& reden);
    // The normal close: the key revealed, the end of the run journaled. Once.
    void sluit();

    // False when the journal cannot be written: the window shows, quietly, that this series
    // is not being recorded.
    bool wordtBijgehouden() const { return m_journaal.werkt(); }
    // Whether every record so far is on the disk; waiting for it (returns wordtBijgehouden()).
    bool staatOpSchijf() const { return m_journaal.opSchijf(); }
    bool wachtOpSchijf() { return m_journaal.wachtOpSchijf(); }

    const Trekkingsjournaal& journaal() const { return m_journaal; }

    // What the operator should be told about the journal and the key file, in the current
    // language: a journal that cannot be written and why, a last line marked as torn, a key
    // file that belonged to no series of this journal, and what was added by meld(). Empty
    // when there is nothing to tell.
    QStringList meldingen() const;
    void meld(const QString& tekst) { m_meldingen.append(tekst); }

private:
    void onthul();
    void onthulAchtergelaten();

    Trekkingsjournaal m_journaal;
    Sleutelbestand m_sleutels;
    std::optional<Trekkingsreeks> m_reeks;
    qint64 m_nummer = 0;
    qint64 m_eerstePrijs = 0;      // a raffle series: the prize up at its start
    qint64 m_vervallenInReeks = 0; // draws of the series declared void
    bool m_gesloten = false;
    QStringList m_meldingen;
    std::function<void()> m_bijStoppen;
};
