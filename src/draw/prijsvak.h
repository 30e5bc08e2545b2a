#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <vector>

class Trekking;

// A raffle's prize on the audience's window: before a draw the prize it is for ("Prijs 2 van
// 5", its description and its picture), after it the winning ticket on a card of its set's
// colour ("Roze 123") with the prize it won, until the next draw begins; a winner declared
// absent puts the same prize up again. It reads all of it from the engine's raffle when the
// engine announces a change, and is hidden without a raffle.
class Prijsvak : public QWidget {
    Q_OBJECT
public:
    explicit Prijsvak(const Trekking& trekking, QWidget* parent = nullptr);

    // Where the winning ticket's card is painted; empty while a prize is up.
    QRect lotVak() const;
    // Where the prize's picture is painted; empty without one.
    QRect plaatjeVak() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    struct Regel {
        QString tekst;
        double grootte = 1; // against the heading's letters
        QColor kleur;
        bool lot = false; // on a card of `kleur`
        QFont font;
        QRect vak;
    };
    struct Opmaak {
        std::vector<Regel> regels;
        QString plaatje; // the picture's path
        QRect plaatjeVak;
    };

    void werkBij();
    // What it shows now, placed in the widget.
    Opmaak opmaak() const;
    QSize plaatjeMaat(const QString& pad) const;
    const QImage& plaatjeOp(const QString& pad, const QSize& pixels) const;

    const Trekking& m_trekking;
    // The picture last read, at the size it was last painted.
    mutable QString m_plaatjePad;
    mutable QSize m_plaatjeNatuur;
    mutable QImage m_plaatje;
};
