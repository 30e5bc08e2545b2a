#pragma once

#include <QWidget>

class Bedieningslijst;
class Hoofdvenster;
class Loterijkeuze;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class ToetsenOverzicht;
class QVBoxLayout;
class Voorvertoning;

// The operator's own window, beside the audience's full-screen one (on the first screen when
// the audience's is on a projector): a large start button, the evening's drawn numbers with
// their times, the counter or score, the current series' commitment, the head of the
// journal's chain and whether the journal records the series, the switches for sound, voice and
// board, the settings, a scaled live picture of what the audience sees, and the void of the last
// number with a reason typed in. With a raffle open, also the prize up, the prizes with their
// winners so far, and "Niet aanwezig": the winner is not in the hall, the ticket is declared
// void and the same prize is drawn next. Between series a raffle is opened or closed here
// (Loterijkeuze).
//
// It starts draws through the same start controls as the arrows and the space bar; the keys
// released in it (space, B, V, P, Escape) reach the same handlers as in the audience's
// window, except while the reason is being typed (Escape leaves the field); H shows the keys
// overview here, to the operator, and Escape hides it. Closing it runs the audience's window's
// closing sequence, which ends the program; it closes itself when that sequence is done.
class Bedieningsvenster : public QWidget {
    Q_OBJECT
public:
    explicit Bedieningsvenster(Hoofdvenster& publiek, QWidget* parent = nullptr);
    ~Bedieningsvenster() override;

    Bedieningslijst& lijst() { return *m_lijstModel; }
    Voorvertoning& voorvertoning() { return *m_voorvertoning; }
    // Adds a part of another subsystem (the live view's switch) below the switches.
    void voegOnderdeelToe(QWidget* onderdeel);

protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void maakOnderdelen();
    void verbind();
    void vertaal();
    void zetTeller(const QString& tekst);
    void zetToezegging(const QString& toezegging, bool vastgelegd);
    void zetKetenKop(const QString& kop);
    void laatVervallen();
    void werkVervallenBij();
    // A raffle: the prize up, the prizes with their winners, the button for an absent winner.
    void werkLoterijBij();
    // The raffle's parts shown while one is open.
    void toonLoterij();

    Hoofdvenster& m_publiek;
    bool m_klaar = false; // the closing sequence is done
    bool m_vastgelegd = true;
    QString m_toezeggingTekst;
    QString m_tellerTekst;
    QString m_ketenKop;

    Bedieningslijst* m_lijstModel = nullptr;
    Voorvertoning* m_voorvertoning = nullptr;
    QLabel* m_voorvertoningKop = nullptr;
    QLabel* m_teller = nullptr;
    QLabel* m_toezegging = nullptr;
    QLabel* m_keten = nullptr;
    QLabel* m_journaal = nullptr;
    QPushButton* m_startKnop = nullptr;
    QLabel* m_lijstKop = nullptr;
    QListView* m_lijstVak = nullptr;
    QLabel* m_redenKop = nullptr;
    QLineEdit* m_reden = nullptr;
    QPushButton* m_vervalKnop = nullptr;
    QLabel* m_prijsNu = nullptr;
    QListWidget* m_prijzen = nullptr;
    QPushButton* m_afwezigKnop = nullptr;
    Loterijkeuze* m_loterijKeuze = nullptr;
    QCheckBox* m_geluid = nullptr;
    QCheckBox* m_stem = nullptr;
    QCheckBox* m_bord = nullptr;
    QPushButton* m_instellingenKnop = nullptr;
    ToetsenOverzicht* m_overzicht = nullptr;
    QVBoxLayout* m_rechts = nullptr;
};
