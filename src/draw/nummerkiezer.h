#pragma once

#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <random>

#include "draw/plaatstabel.h"

class GetrokkenLijst;

// Chooses drawn numbers. Seeded from the operating system's entropy source unless a
// seed is given (tests). Every choice is an exact uniform integer computed in 64 bits.
class NummerKiezer {
public:
    NummerKiezer();
    explicit NummerKiezer(std::uint64_t seed);

    // Digit mode: a number of [laagste, hoogste] that the list does not hold, uniform over
    // those numbers; std::nullopt when every number of the range is in the list (entries
    // outside the range do not count). An inverted range draws from the numbers between
    // the two bounds. Costs O(1) per new list entry, never a scan of the range.
    std::optional<qint32> kiesNieuw(qint32 laagste, qint32 hoogste, const GetrokkenLijst& lijst);

    // Picture mode: any number of the range, repeats allowed.
    qint32 kiesVrij(qint32 laagste, qint32 hoogste);

private:
    void bijwerken(qint32 laagste, qint32 hoogste, const GetrokkenLijst& lijst);
    void verwijder(qint32 nummer);
    std::uint64_t waardeOp(std::uint64_t positie) const;
    std::uint64_t trek(std::uint64_t aantal); // uniform in [0, aantal)

    std::mt19937_64 m_gen;
    // The numbers not yet drawn, as a virtual array (offset from the lowest number) in which
    // only the moved places are stored.
    qint64 m_laagste = 0;
    qint64 m_hoogste = -1;
    std::uint64_t m_vrij = 0;
    std::uint64_t m_generatie = ~std::uint64_t{0};
    std::size_t m_gelezen = 0;
    const GetrokkenLijst* m_lijst = nullptr; // the list the pool was built from
    PlaatsTabel m_waarde;                    // position -> offset
    PlaatsTabel m_positie;                   // offset -> position
};
