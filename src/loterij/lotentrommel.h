#pragma once

#include "loterij/loterij.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// The tickets of a raffle still in play: every set's numbers minus the ones taken out of play
// in the file, minus the ones drawn. They stand in one fixed order, the sets in the order of
// the file and within a set by number, so that "the k-th ticket still in play" is the same
// ticket on every computer: with k uniform in [0, aantal()), every ticket still in play is
// equally likely, whatever set it is in.
//
// The tickets in play at the start are kept as runs of consecutive numbers (one per gap
// between exclusions), each with its first place in the order; the drawn ones by their
// place in an order-statistics tree. Finding the k-th ticket walks the tree once and
// searches the runs once: O(log d + log r) for d tickets drawn and r runs, whatever the
// sizes of the sets.
class Lotentrommel {
public:
    explicit Lotentrommel(const Loterij& loterij);
    ~Lotentrommel();
    Lotentrommel(Lotentrommel&&) noexcept;
    Lotentrommel& operator=(Lotentrommel&&) noexcept;

    // Tickets still in play.
    std::uint64_t aantal() const;
    std::uint64_t aantalGetrokken() const;

    // The k-th ticket still in play, counted from 0 (k < aantal()).
    Lot lotOpPlaats(std::uint64_t k) const;
    // The same, taken out of play: a draw.
    Lot neemUit(std::uint64_t k);
    // Takes a given ticket out of play; false (and nothing changes) when it is not in play.
    bool haalUit(const Lot& lot);
    // The place of a ticket among those still in play; std::nullopt when it is not in play.
    std::optional<std::uint64_t> plaatsVan(const Lot& lot) const;

private:
    struct Getrokken;
    // Numbers eerste, eerste + 1, ... of set `reeks` stand at places begin, begin + 1, ...
    // of the order before any draw, up to the next run's begin.
    struct Loop {
        std::uint64_t begin;
        qint32 eerste;
        int reeks;
    };
    std::optional<std::uint64_t> beginPlaatsVan(const Lot& lot) const;

    std::vector<Loop> m_lopen;
    std::vector<std::size_t> m_eersteLoop; // per set its first run; one more at the end
    std::uint64_t m_totaal = 0;            // tickets in play before any draw
    std::unique_ptr<Getrokken> m_getrokken;
};
