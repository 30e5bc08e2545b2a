#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <optional>

// What the board of the evening shows: the range, the roller kind and the numbers drawn so
// far. With digit rollers and a range of at most a hundred numbers it is a grid of the whole
// range, the drawn ones lit and the latest marked, where the board is large enough for its
// digits to be read; with a larger range, or on a board too low for the grid, the last ten
// numbers drawn, latest first; with picture rollers nothing. A raffle always shows its last
// ten tickets, each by its set and number ("Roze 123") in its set's colour: the same number
// comes from several sets.
class BordInhoud {
public:
    enum class Weergave { Leeg, Raster, LaatsteTien };
    static constexpr qint64 kMaxRaster = 100;
    static constexpr int kLaatste = 10;

    // One place of the last ten: the number, and for a raffle ticket how the hall reads it and
    // its set's colour (invalid for none).
    struct Plaats {
        qint32 nummer = 0;
        QString lot;
        QColor kleur;
    };

    void zetBereik(qint32 laag, qint32 hoog);
    void zetRolSoort(quint8 rolSoort) { m_rolSoort = rolSoort; }
    // Whether the evening is a raffle; a ticket added with its text makes it one too.
    void zetLoterij(bool loterij) { m_loterij = loterij; }
    bool isLoterij() const { return m_loterij || m_loten > 0; }
    // The drawn numbers, oldest first; the last one is the latest.
    void zetGetrokken(const QList<qint32>& getrokken);
    // `lot`: a raffle ticket as the hall reads it, `kleur` its set's colour; empty and invalid
    // for a plain number.
    void voegToe(qint32 nummer, const QString& lot = {}, const QColor& kleur = {});
    void wis();

    // The view for a board of any size.
    Weergave weergave() const;
    // The view on a board of `vlak`: the last ten instead of a grid whose digits would be
    // lower than `kleinsteCijfer` pixels.
    Weergave weergave(const QSize& vlak, double kleinsteCijfer) const;
    qint32 laag() const { return m_laag; }
    qint32 hoog() const { return m_hoog; }
    // The number of numbers in the range (0 for an inverted range).
    qint64 bereikGrootte() const;
    quint8 rolSoort() const { return m_rolSoort; }
    const QList<qint32>& getrokken() const { return m_getrokken; }
    bool isGetrokken(qint32 nummer) const { return m_gezien.contains(nummer); }
    std::optional<qint32> laatste() const;
    // At most ten, the latest first.
    QList<qint32> laatsteTien() const;
    // The same with the tickets' texts and colours.
    QList<Plaats> laatsteTienPlaatsen() const;
    // The drawn numbers of the range, ascending and each once.
    QList<qint32> getrokkenOplopend() const;

    // Columns and rows of a grid of `aantal` cells, each to hold a number of `tekens`
    // characters, chosen so that the print in a `vlak` of that size is as large as it can be.
    static QSize rasterMaat(int aantal, const QSize& vlak, int tekens);
    // How high, in pixels, the digits of that grid are at most.
    static double rasterCijfer(int aantal, const QSize& vlak, int tekens);

private:
    qint32 m_laag = 1;
    qint32 m_hoog = 9999;
    quint8 m_rolSoort = 0;
    bool m_loterij = false;
    QList<qint32> m_getrokken;
    QList<QString> m_lotTeksten; // per drawn number; empty for a plain number
    QList<QColor> m_kleuren;     // per drawn number
    qsizetype m_loten = 0;       // the drawn numbers that are raffle tickets
    QSet<qint32> m_gezien;
};
