#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>

class Algemeen;
class Bord;
class Instellingenhouder;
class QLabel;
class Spreker;
class Stem;
class ToetsenOverzicht;
class Trekking;

// What the program offers the hall beside the draw itself: the commitment of the current
// series in the top left corner (with, quietly, whether the journal records it, and small
// beside it the head of the journal's chain after every draw) and the
// audience's public input for it (P, before its first draw), the voice that reads every listed
// number out (V), the board of the evening below the result panel (B), and the overview of
// the keys (H, Escape). Voice and board are off at start unless asked for, and not stored.
// The keys are taken from the key releases that reach `toetsBron`, the widget with the focus;
// none of them starts a draw.
class Zaal : public QObject {
    Q_OBJECT
public:
    Zaal(QWidget* venster, QWidget* toetsBron, Trekking& trekking, Instellingenhouder& inst,
         Algemeen& algemeen);
    ~Zaal() override;

    // Takes the range and roller kind as they stand (after the settings file was read); later
    // changes are followed as they are announced.
    void neemInstellingen();
    void zetBordVlak(const QRect& vlak);
    void zetBordAan(bool aan);
    bool bordAan() const;
    void zetStemAan(bool aan);
    bool stemAan() const;
    // The one who speaks (the speech engine unless a test gives another).
    void zetSpreker(Spreker* spreker);
    // Asks for the audience's text (P): a small input; Escape leaves it empty.
    void vraagPubliekeInvoer();
    // The window the input opens over: the operator's window when there is one; without it,
    // the audience's.
    void zetDialoogOuder(QWidget* venster) { m_dialoogOuder = venster; }

Q_SIGNALS:
    void bordAanGewijzigd(bool aan);
    void stemAanGewijzigd(bool aan);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void toonToezegging(const QString& toezegging, bool vastgelegd);
    void toonKetenKop(const QString& kop);

    Trekking& m_trekking;
    Instellingenhouder& m_inst;
    Algemeen& m_algemeen;
    std::unique_ptr<Spreker> m_eigenSpreker;
    std::unique_ptr<Stem> m_stem;
    Bord* m_bord = nullptr;
    QLabel* m_toezegging = nullptr;
    QLabel* m_keten = nullptr; // the head of the chain, small beside the commitment
    ToetsenOverzicht* m_overzicht = nullptr;
    QPointer<QWidget> m_dialoogOuder;
};
