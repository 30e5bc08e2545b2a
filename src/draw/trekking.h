#pragma once

#include "common/getrokkenlijst.h"
#include "draw/rol.h"
#include "draw/rollogica.h"
#include "journaal/journaalrecord.h"
#include "loterij/loterij.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

class Instellingenhouder;
class Loterijverloop;
class Lijstschrijver;
class Pauze;
class Trekkingsboek;
struct Hervatting;
struct Paden;

// The draw engine. It owns the rollers' pictures and their timers (four, or one per character of
// the range's longest number with digit rollers), the result panel's
// picture, the draw sequence (StartRollers, the ticks, StopRollers, PlaatsScore), the series of
// draws with their journal (every number derived from the series' key, so that it can be
// checked afterwards), the drawn list and the counters. The views only show its pictures;
// everything the window must do for it (sounds, the exhaustion message, the controls) it asks for
// by signal. A draw is started by the start controls, which disable themselves first;
// trekkingKlaar() tells them to come back. Its pictures are drawn in trekkingbeelden.cpp;
// what it tells of its journal (commitment, chain head, public input, void) is in
// trekkingjournaal.cpp; opening, closing and resuming a raffle in trekkingloterij.cpp.
class Trekking : public QObject {
    Q_OBJECT
public:
    Trekking(Instellingenhouder& instellingen, Pauze& pauze, const Paden& paden,
             QObject* parent = nullptr);
    ~Trekking() override;

    // The digit strip, the fruit strip and the prize table, at the device pixel ratio of the
    // screen (the pictures carry it). Given again at another ratio, the rollers and the result
    // panel are drawn again at it and show what they showed.
    void zetPlaatjes(const QImage& cijfers, const QImage& fruit, const QImage& prijsTabel);

    const QImage& rolBeeld(int n) const { return m_rol[static_cast<std::size_t>(n)].beeld(); }
    // The rollers in use, 4 to kMaxRollen: the picture rollers are four, the digit rollers
    // follow the range (aantalRollen), or a raffle's longest ticket number in play.
    int aantalRollen() const { return m_aantalRollen; }
    const QImage& nummerBeeld() const { return m_nummerBeeld; }
    const GetrokkenLijst& lijst() const { return m_lijst; }
    GetrokkenLijst& lijst() { return m_lijst; }
    qint32 aantalTrekkingen() const { return m_aantalTrekkingen; }
    qint32 totaalScore() const { return m_totaalScore; }
    // The counter: in digit mode the draws and the highest number ("3/9999"), or with a
    // raffle its tickets in play ("3/1480"); in picture mode the score.
    QString tellerTekst() const;
    int rolSoort() const;
    // The digit roller n stops (or stopped) on in the current draw.
    int rolCijfer(int n) const {
        return n >= 0 && n < static_cast<int>(m_cijfer.size())
                   ? m_cijfer[static_cast<std::size_t>(n)]
                   : 0;
    }
    bool rolDraait(int n) const { return m_timer[static_cast<std::size_t>(n)].isActive(); }
    // From the start of StartRollers to the end of StopRollers.
    bool bezig() const { return m_bezig; }

    // The first series of the run, with the range and roller kind as they stand after start-up.
    void beginReeks();
    // Draws tickets of `loterij` instead of numbers, from the next series on (given before
    // beginReeks(): from the first). The list shows each ticket as "Roze 123".
    void zetLoterij(const Loterij& loterij);
    // Between series, no draw running: clears the list (journaled as for a raffle) and begins
    // a new series that draws the tickets of `loterij`, from its first prize, with the
    // counter at 0. False (nothing changes) during a draw.
    bool openLoterij(const Loterij& loterij);
    // The same, back to the numbers of the settings' range. False without a raffle or during
    // a draw.
    bool sluitLoterij();
    // The raffle open, with its prizes and winners so far; nullptr without one.
    const Loterijverloop* loterij() const { return m_verloop.get(); }
    // Goes on where a journal left off (--hervat): its series, list, counter and score, and its
    // range and roller kind, which the settings take over; or its raffle with the prizes won
    // and the winners absent, leaving the settings' range as it is.
    void hervat(const Hervatting& hervatting);
    // The current series' commitment as shown ("3f2a 91c0 77de 0b18"), and whether the journal
    // records it.
    QString toezegging() const;
    // The whole commitment (64 hex digits) and the public input of the current series; empty
    // when there is none.
    QString toezeggingVolledig() const;
    QString publiekeInvoer() const;
    bool wordtVastgelegd() const;
    // What the operator should be told about the journal and the key file since the start
    // (Trekkingsboek::meldingen, and why a --hervat could not go on); empty when all is well.
    QStringList journaalMeldingen() const;
    // Why the journal does not record the series ("schijf vol" for a full disk); empty while
    // it does.
    QString vastleggingsReden() const;
    // The head of the journal's chain as shown ("9a0b 1c2d 3e4f 5a6b"): the start of the hash
    // of its latest line; empty while the journal is not written.
    QString ketenKop() const;
    // The audience's text for this series; only before its first draw.
    bool kanPubliekeInvoer() const;
    bool zetPubliekeInvoer(const QString& tekst);
    // Whether a draw that finds the range exhausted stops once the new series has begun,
    // before its first number, so that the audience can give that series its text too: so
    // when the series in progress has public input.
    bool stoptVoorInvoer() const;
    // The normal close: a draw broken off declared void, the series' key revealed, the end of
    // the run journaled; returns once all of it is on the disk.
    void sluitJournaal();
    // Writes the drawn-list file now and returns once it is written (the close). After every
    // draw it is written in the background.
    void bewaarLijstNu();
    // Whether the last listed number can be declared void: it belongs to the current series,
    // no draw is running and it was not declared void yet.
    bool kanVervallen() const;
    // Declares the last listed number void (its winner is absent) for the operator's reason,
    // which must not be empty: the journal records it, the number stays drawn and listed.
    // Returns whether it was done.
    bool vervalLaatste(const QString& reden);

    // One whole draw; returns when it is over, or when the program closes during it.
    void StartRollers();
    // The result panel's two looks.
    void MaakNummerSchoon();
    void MaakFruitScherm();
    // The program closes: the rollers stop where they are.
    void stop();

Q_SIGNALS:
    void trekkingBegonnen();
    void rolGestopt(int n);
    // A number was drawn and added to the list (with its points in picture mode).
    void nummerGetrokken(qint32 nummer, int punten);
    // The draw is over: the start controls and the toolbar may come back.
    void trekkingKlaar();
    void tellerGewijzigd(const QString& tekst);
    // Roller n changed in its top `rijen` rows.
    void rolBijgewerkt(int n, int rijen);
    // The number of rollers in use changed (a range of longer or shorter numbers, the other
    // roller kind, a journal taken over); not during a draw.
    void aantalRollenGewijzigd(int aantal);
    void nummerBeeldGewijzigd();
    void geluidGevraagd(const QString& pad);
    // Every number of the range is in the list: the window says so and returns when the
    // operator has closed its message; the list is cleared afterwards.
    void uitgeput();
    void lijstGeleegd();
    // The last listed number was declared void.
    void laatsteVervallen(qint32 nummer, const QString& reden);
    // A raffle: a start while every prize is won draws nothing.
    void allePrijzenGewonnen();
    // A raffle was opened or closed, or taken over from the journal (loterij() tells which).
    void loterijGewijzigd();
    // A series began: its commitment, and whether the journal records it.
    void reeksBegonnen(const QString& toezegging, bool vastgelegd);
    // The journal stopped recording (vastleggingsReden() says why), at the moment a record
    // could not be written.
    void vastleggingGestopt();
    // The journal got a line (a draw, a series, a void, a public input, a range): the new
    // head of its chain.
    void ketenGewijzigd(const QString& kop);
    // The audience's text went into the current series.
    void publiekeInvoerGezet(const QString& tekst);

private:
    void StopRollers();
    void PlaatsScore();
    void geefRollersStrook();
    // The result panel's picture in its current look: the prize table, or the digit look
    // with the printed result when there is one.
    void tekenNummerBeeld();
    // Prints the drawn number on the result panel in m_drukKleur.
    void drukResultaat();
    void rolTik(int n);
    void toonRollers();
    void toonRol(int n);
    void rolSoortGekozen(int soort);
    // The rollers the range and the roller kind ask for, at least `minimaal`.
    void pasRollenAan(int minimaal = 0);
    void bereikGewijzigd(qint32 laagste, qint32 hoogste);
    void maakLijstLeeg(Journaalrecord::Reden reden);
    void hervatLoterij(const Hervatting& hervatting);
    // A new series with or without a raffle, the list cleared and the counter at 0.
    void wisselLoterij(std::unique_ptr<Loterijverloop> verloop);
    void nieuweReeks();
    void bewaarLijst();
    void journaalGestopt();
    void meldKeten();

    Instellingenhouder& m_inst;
    Pauze& m_pauze;
    const Paden& m_paden;

    std::array<QImage, 2> m_strook; // digits, fruits
    QImage m_prijsTabel;
    std::array<Rol, kMaxRollen> m_rol;
    QImage m_nummerBeeld;
    std::array<QTimer, kMaxRollen> m_timer;
    QTimer m_beeldTimer; // the spinning rollers reach the screen together, once per frame

    GetrokkenLijst m_lijst;
    std::unique_ptr<Trekkingsboek> m_boek;
    std::unique_ptr<Lijstschrijver> m_lijstSchrijver;
    std::unique_ptr<Loterijverloop> m_verloop; // a raffle
    Lot m_getrokkenLot;                        // a raffle: the ticket of the draw in progress
    bool m_gestoptGemeld = false;              // vastleggingGestopt() was sent
    bool m_inJournaalNietGetoond = false;      // the draw in progress is journaled, not yet listed
    bool m_reeksOpenstaand = false;            // the list was cleared for a new range still to come
    bool m_stil = false; // taking over a journal: the settings' echoes are ours
    bool m_bezig = false;
    bool m_laatsteVervallen = false; // the last number of the series was declared void
    QString m_ketenKop;              // as last announced
    qint32 m_aantalTrekkingen = 0;
    qint32 m_totaalScore = 0;
    // The draw in progress.
    qint32 m_getrokkenNummer = 0;
    QString m_nummerTekst;
    int m_nummerLengte = 0;
    int m_aantalRollen = 4;
    std::vector<int> m_cijfer = std::vector<int>(4, 0);
    std::array<int, kMaxRollen> m_rolPositie{};
    int m_stopPositie = 0;
    int m_tekstX = 0;
    QColor m_drukKleur; // the colour of the printed result; invalid when none is printed
};
