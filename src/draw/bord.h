#pragma once

#include "draw/bordinhoud.h"

#include <QMetaObject>
#include <QWidget>

class GetrokkenLijst;
// The board of the evening, in the free band below the result panel: every number of a
// small range in a grid, the drawn ones lit and the latest marked; for a larger range, or
// where the grid's digits would be lower than kKleinsteCijfer pixels, the last ten numbers
// drawn, latest first, in large print; with picture rollers nothing. A raffle shows its last
// ten tickets, each as its set's name over its number on a chip of the set's colour. It paints
// from its
// state at its own size, and tells assistive technology which numbers have been drawn.
class Bord : public QWidget {
    Q_OBJECT
public:
    // The board is read from the back of the hall: no digit lower than this many pixels of
    // the screen.
    static constexpr double kKleinsteCijfer = 16;

    explicit Bord(QWidget* parent = nullptr);

    void zetBereik(qint32 laag, qint32 hoog);
    void zetRolSoort(quint8 rolSoort);
    void zetLoterij(bool loterij);
    // All drawn numbers at once, oldest first (the latest last).
    void zetGetrokken(const QList<qint32>& getrokken);
    // One more number listed (with a raffle ticket's text and its set's colour); `wis` clears
    // the board with the list.
    void voegToe(qint32 nummer, const QString& lot = {}, const QColor& kleur = {});
    void wis();
    // Follows `lijst` from now on: takes its numbers (and tickets), adds each one listed and
    // clears with it.
    // A later call follows another list instead; nullptr follows none.
    void volg(const GetrokkenLijst* lijst);

    const BordInhoud& inhoud() const { return m_inhoud; }
    // What the board shows at its size.
    BordInhoud::Weergave weergave() const;
    // What assistive technology reads as the board's description.
    QString beschrijving() const;
    // Where the grid shows `nummer`, and where the last-ten view shows its `plaats` (0 for
    // the latest); empty when the current view has no such place.
    QRectF celVak(qint32 nummer) const;
    QRectF plaatsVak(int plaats) const;

    // How a raffle's last tickets are laid out: how many places, and whether each shows its
    // set's name above its number (on a board high enough) or before it on one line.
    struct LotIndeling {
        int plaatsen = BordInhoud::kLaatste;
        bool tweeRegels = true;
    };
    LotIndeling lotIndeling() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void gewijzigd();
    int randBreedte() const;
    QRect binnenVlak() const;
    QString breedsteRasterTekst() const;
    double tussenruimte() const;
    void tekenRaster(QPainter& p) const;
    void tekenLaatsteTien(QPainter& p) const;
    void tekenLoten(QPainter& p) const;
    QRectF plaatsVak(int plaats, int plaatsen) const;

    BordInhoud m_inhoud;
    QMetaObject::Connection m_toegevoegd;
    QMetaObject::Connection m_gewist;
};
