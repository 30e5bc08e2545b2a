#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

// A hash table from 64-bit keys to 64-bit values for the chooser's pool: open addressing
// with linear probing, so a lookup touches one or two neighbouring slots and nothing is
// allocated per entry. The key ~0 is reserved to mark an empty slot (pool keys are below
// 2^32). Removal shifts the following entries back instead of leaving markers behind, so
// a table that sees many insertions and removals stays as fast as a fresh one.
class PlaatsTabel {
public:
    // The value stored for `sleutel`, or `standaard` when there is none.
    std::uint64_t waarde(std::uint64_t sleutel, std::uint64_t standaard) const {
        if (m_aantal == 0)
            return standaard;
        for (std::size_t i = thuis(sleutel);; i = (i + 1) & m_masker) {
            const Vak& vak = m_vakken[i];
            if (vak.sleutel == sleutel)
                return vak.waarde;
            if (vak.sleutel == leeg)
                return standaard;
        }
    }

    void zet(std::uint64_t sleutel, std::uint64_t waarde) {
        if ((m_aantal + 1) * 2 > m_vakken.size())
            groei();
        std::size_t i = thuis(sleutel);
        while (m_vakken[i].sleutel != leeg && m_vakken[i].sleutel != sleutel)
            i = (i + 1) & m_masker;
        if (m_vakken[i].sleutel == leeg)
            ++m_aantal;
        m_vakken[i] = Vak{sleutel, waarde};
    }

    void wis(std::uint64_t sleutel) {
        if (m_aantal == 0)
            return;
        std::size_t gat = thuis(sleutel);
        while (m_vakken[gat].sleutel != sleutel) {
            if (m_vakken[gat].sleutel == leeg)
                return;
            gat = (gat + 1) & m_masker;
        }
        // Move back every following entry of the run whose home does not lie in the stretch
        // between the gap and its own slot; it could no longer be found past the gap.
        for (std::size_t j = (gat + 1) & m_masker; m_vakken[j].sleutel != leeg;
             j = (j + 1) & m_masker) {
            const std::size_t h = thuis(m_vakken[j].sleutel);
            const bool blijft = gat <= j ? (gat < h && h <= j) : (gat < h || h <= j);
            if (!blijft) {
                m_vakken[gat] = m_vakken[j];
                gat = j;
            }
        }
        m_vakken[gat].sleutel = leeg;
        --m_aantal;
    }

    // Empties the table and gives its memory back.
    void leegMaken() {
        m_vakken = {};
        m_aantal = 0;
        m_masker = 0;
        m_verschuiving = 64;
    }

    std::size_t aantal() const { return m_aantal; }

private:
    static constexpr std::uint64_t leeg = ~std::uint64_t{0};
    struct Vak {
        std::uint64_t sleutel = leeg;
        std::uint64_t waarde = 0;
    };

    // Fibonacci hashing: the top bits of the key times 2^64 / golden ratio, which spreads
    // runs of neighbouring keys evenly over the table.
    std::size_t thuis(std::uint64_t sleutel) const {
        return static_cast<std::size_t>((sleutel * 0x9E3779B97F4A7C15ULL) >> m_verschuiving);
    }

    void groei() {
        const std::size_t nieuw = m_vakken.empty() ? 16 : m_vakken.size() * 2;
        std::vector<Vak> oud(nieuw);
        oud.swap(m_vakken);
        m_masker = nieuw - 1;
        m_verschuiving = 64 - std::countr_zero(nieuw);
        m_aantal = 0;
        for (const Vak& vak : oud)
            if (vak.sleutel != leeg)
                zet(vak.sleutel, vak.waarde);
    }

    std::vector<Vak> m_vakken; // a power of two in size, at most half full
    std::size_t m_aantal = 0;
    std::size_t m_masker = 0;
    int m_verschuiving = 64;
};
