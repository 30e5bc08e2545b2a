#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <vector>

// The numbers from `van` to `tot`, both included (van <= tot).
struct Nummerbereik {
    qint32 van = 0;
    qint32 tot = 0;
    std::uint64_t aantal() const { return static_cast<std::uint64_t>(std::int64_t{tot} - van + 1); }
    friend bool operator==(const Nummerbereik&, const Nummerbereik&) = default;
};

// One ticket of a raffle: the index of its set in the raffle and its number in that set.
struct Lot {
    int reeks = 0;
    qint32 nummer = 0;
    friend bool operator==(const Lot&, const Lot&) = default;
};

// A set of tickets numbered on its own, as a book of one colour: "Roze", pink, 1 to 500. The
// numbers in `uit` are not in play (not sold, torn, given away).
struct Lotenreeks {
    QString naam; // what the hall sees; empty: a ticket is shown by its number alone
    QColor kleur; // invalid when none was given
    Nummerbereik nummers;
    std::vector<Nummerbereik> uit; // sorted, apart (not even adjacent), within `nummers`
    int regel = 0;                 // the line of the raffle file that describes it

    std::uint64_t aantalInSpel() const;
};

// A prize, as the raffle file lists it.
struct Prijs {
    QString omschrijving;
    QString plaatje; // the picture's absolute path, or empty
    int regel = 0;
};

// A raffle: its sets of tickets in the order of the file and its prizes in drawing order
// (usually from the smallest prize to the main prize). Made by LoterijLezer from a file.
class Loterij {
public:
    void voegReeksToe(Lotenreeks reeks);
    // Takes these numbers of set `reeks` out of play, with those taken out before; they may
    // overlap and come in any order, but must lie within its numbers.
    void sluitUit(int reeks, std::vector<Nummerbereik> bereiken);
    void voegPrijsToe(Prijs prijs);

    const std::vector<Lotenreeks>& reeksen() const { return m_reeksen; }
    const std::vector<Prijs>& prijzen() const { return m_prijzen; }
    // Tickets in play before the first draw, over all sets.
    std::uint64_t aantalLoten() const;

    // A ticket as the hall reads it: "Roze 123", or "123" for a set without a name.
    QString tekstVan(const Lot& lot) const;
    // The name and the colour of the ticket's set; empty or invalid when it has none.
    QString naamVan(const Lot& lot) const;
    QColor kleurVan(const Lot& lot) const;
    // The same for a ticket of a set with this name.
    static QString lotTekst(const QString& naam, qint32 nummer);

private:
    // The ticket's set; nullptr for an index no set has.
    const Lotenreeks* reeksVan(const Lot& lot) const;

    std::vector<Lotenreeks> m_reeksen;
    std::vector<Prijs> m_prijzen;
};
