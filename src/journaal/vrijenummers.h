#pragma once

#include <QtGlobal>

#include <cstdint>
#include <memory>
#include <unordered_set>
#include <vector>

// The numbers of a range that have not been drawn yet, in order: how many there are, and
// which is the k-th smallest. Drawn numbers are only ever added (a new series starts a new
// set); the range may change at any time, and numbers drawn outside it count again when a
// later range holds them.
//
// A range of up to kDichtGrens numbers is counted in a Fenwick tree over a window that holds
// it, grown by doubling when a range reaches beyond it, so that a run of range changes
// rebuilds it only a few times. Wider windows keep the drawn numbers in an order-statistics
// tree instead. Both answer in O(log n) (the tree in O(log^2 n)) and never scan the range.
class VrijeNummers {
public:
    static constexpr std::int64_t kDichtGrens = std::int64_t{1} << 22;

    VrijeNummers();
    ~VrijeNummers();
    VrijeNummers(const VrijeNummers& ander);
    VrijeNummers& operator=(const VrijeNummers& ander);
    VrijeNummers(VrijeNummers&&) noexcept;
    VrijeNummers& operator=(VrijeNummers&&) noexcept;

    // The range, both bounds included; a lowest above the highest means the numbers between
    // the two.
    void zetBereik(qint32 laagste, qint32 hoogste);
    qint64 onder() const { return m_onder; }
    qint64 boven() const { return m_boven; }

    // Counts `nummer` as drawn; a number drawn before changes nothing.
    void voegToe(qint32 nummer);
    bool bevat(qint32 nummer) const;

    // How many numbers of the range are not drawn yet.
    std::uint64_t aantalVrij() const;
    // The k-th smallest of those (k counted from 0, below aantalVrij()).
    qint32 vrijOpPlaats(std::uint64_t k) const;

private:
    struct Boom;
    void pasVensterAan();
    void maakVenster(std::int64_t onder, std::int64_t boven);
    std::int64_t getrokkenTot(std::int64_t plek) const; // drawn in the window before `plek`
    void kopieer(const VrijeNummers& ander);
    std::vector<qint32> alle() const; // every drawn number, in no order
    bool inVenster(std::int64_t nummer) const {
        return nummer >= m_vensterOnder &&
               nummer < m_vensterOnder + static_cast<std::int64_t>(m_fenwick.size()) - 1;
    }

    std::int64_t m_onder = 0;
    std::int64_t m_boven = -1;
    std::int64_t m_inBereik = 0; // drawn numbers in [m_onder, m_boven]
    // Fenwick tree over the window [m_vensterOnder, m_vensterOnder + size): 1 for each drawn
    // number, which also has its bit in m_bits; drawn numbers outside the window are in
    // m_buiten.
    std::int64_t m_vensterOnder = 0;
    std::vector<std::uint32_t> m_fenwick;
    std::vector<std::uint64_t> m_bits;
    std::unordered_set<qint32> m_buiten;
    std::unique_ptr<Boom> m_boom; // set when the numbers are kept in the tree instead
};
