#pragma once

#include "app/indeling.h"
#include "common/instellingenhouder.h"
#include "common/paden.h"
#include "common/pauze.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>

class Algemeen;
class Klok;
class KnopPaneel;
class NummerVak;
class PlaatjesKnop;
class Prijsvak;
class QLabel;
class LijstVak;
class RolVak;
class SchaalVolger;
class StartBediening;
class Trekking;
class Loterij;
class Titel;
class Werkbalk;
class Zaal;

// The full-screen main window: title, four rollers, the result panel between two start
// arrows, a raffle's prize beside them, and the bottom bar with toolbar, drawn list, counter,
// clock and exit button. It
// creates these parts, places them from the layout, connects them, and runs the start-up and
// the closing sequence; what they do, they do themselves.
class Hoofdvenster : public QWidget {
    Q_OBJECT
public:
    // With `hervat` the draws go on where the journal left off, instead of a new series.
    // With `loterij` it draws that raffle's tickets from the start (and does not go on).
    Hoofdvenster(const Paden& paden, const QSize& schermPixels, bool hervat = false,
                 const Loterij* loterij = nullptr, QWidget* parent = nullptr);
    ~Hoofdvenster() override;

    Instellingenhouder& instellingen() { return m_inst; }
    Pauze& pauze() { return m_pauze; }
    Algemeen& algemeen() { return *m_algemeen; }
    Trekking& trekking() { return *m_trekking; }
    StartBediening& startBediening() { return *m_start; }
    Zaal& zaal() { return *m_zaal; }
    bool instellingenGelezen() const { return m_gelezen; }

    // Opens the settings dialog modally, over dialoogOuder().
    void openConfig();
    // The window the dialogs and messages open over: the operator's window once it says so
    // (the audience never sees them), else this one.
    void zetDialoogOuder(QWidget* venster) { m_dialoogOuder = venster; }
    QWidget* dialoogOuder() { return m_dialoogOuder ? m_dialoogOuder.data() : this; }
    // The part whose released keys the window answers (the result panel).
    QWidget* toetsBron() const;

Q_SIGNALS:
    // The closing sequence has written both files; the program ends now.
    void afgesloten();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void maakOnderdelen();
    void verbind();
    void laadVolgorde();
    // The rollers in use in their places, the others hidden; the frames are repainted.
    void plaatsRollen(int aantal);
    void zetTeller(const QString& tekst);
    // The counter at its place, in a smaller size where a long one would reach the clock.
    void plaatsTeller();
    void laadAchtergrond(const QString& pad);
    void meldUitgeput();
    void exitGeklikt();
    void focusNaarNummer();
    // Whether a point of the window shows the background picture and nothing on it.
    bool opAchtergrond(const QPoint& p) const;

    Paden m_paden;
    QSize m_scherm;
    Indeling m_indeling;
    Instellingenhouder m_inst;
    Pauze m_pauze;
    bool m_hervat = false;
    bool m_gelezen = false;
    bool m_sluitGestart = false;
    bool m_sluitKlaar = false;
    QImage m_achtergrond;
    QPixmap m_achtergrondGeschaald;
    QPointer<QWidget> m_dialoogOuder;

    Algemeen* m_algemeen = nullptr;
    Trekking* m_trekking = nullptr;
    SchaalVolger* m_schaal = nullptr;
    StartBediening* m_start = nullptr;
    Werkbalk* m_werkbalk = nullptr;
    Titel* m_titel = nullptr;
    Zaal* m_zaal = nullptr;
    std::array<RolVak*, kMaxRollen> m_rol{};
    NummerVak* m_nummerVak = nullptr;
    Prijsvak* m_prijsVak = nullptr; // a raffle's prize and winner
    KnopPaneel* m_knopPaneel = nullptr;
    PlaatjesKnop* m_exitKnop = nullptr;
    Klok* m_klok = nullptr;
    QLabel* m_label1 = nullptr;
    LijstVak* m_lijst = nullptr;
};
