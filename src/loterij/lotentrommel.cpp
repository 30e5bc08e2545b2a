#include "loterij/lotentrommel.h"

#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>

#include <algorithm>

// The places (in the order before any draw) of the tickets drawn, with the rank of each.
struct Lotentrommel::Getrokken {
    __gnu_pbds::tree<std::uint64_t, __gnu_pbds::null_type, std::less<std::uint64_t>,
                     __gnu_pbds::rb_tree_tag, __gnu_pbds::tree_order_statistics_node_update>
        plaatsen;
};

Lotentrommel::Lotentrommel(const Loterij& loterij) : m_getrokken(std::make_unique<Getrokken>()) {
    const auto& reeksen = loterij.reeksen();
    for (std::size_t i = 0; i < reeksen.size(); ++i) {
        const Lotenreeks& r = reeksen[i];
        m_eersteLoop.push_back(m_lopen.size());
        std::int64_t volgend = r.nummers.van; // the first number not yet placed
        auto voegToe = [&](std::int64_t tot) {
            if (tot < volgend)
                return;
            m_lopen.push_back({m_totaal, static_cast<qint32>(volgend), static_cast<int>(i)});
            m_totaal += static_cast<std::uint64_t>(tot - volgend + 1);
        };
        for (const Nummerbereik& b : r.uit) {
            voegToe(std::int64_t{b.van} - 1);
            volgend = std::int64_t{b.tot} + 1;
        }
        voegToe(r.nummers.tot);
    }
    m_eersteLoop.push_back(m_lopen.size());
}

Lotentrommel::~Lotentrommel() = default;
Lotentrommel::Lotentrommel(Lotentrommel&&) noexcept = default;
Lotentrommel& Lotentrommel::operator=(Lotentrommel&&) noexcept = default;

std::uint64_t Lotentrommel::aantal() const {
    return m_totaal - aantalGetrokken();
}

std::uint64_t Lotentrommel::aantalGetrokken() const {
    return m_getrokken->plaatsen.size();
}

Lot Lotentrommel::lotOpPlaats(std::uint64_t k) const {
    Q_ASSERT(k < aantal());
    // The k-th free place p is k plus the number of drawn places below it. With the drawn
    // places d_0 < d_1 < ..., d_j - j is the number of free places below d_j and never
    // falls, so those below p are exactly the d_j with d_j - j <= k: one walk down the tree,
    // reading the size of every left subtree, counts them.
    const auto& boom = m_getrokken->plaatsen;
    std::uint64_t eronder = 0;
    for (auto knoop = boom.node_begin(); knoop != boom.node_end();) {
        const auto links = knoop.get_l_child();
        const std::uint64_t rang = eronder + (links == boom.node_end() ? 0 : links.get_metadata());
        if (**knoop - rang <= k) {
            eronder = rang + 1;
            knoop = knoop.get_r_child();
        } else {
            knoop = links;
        }
    }
    const std::uint64_t plaats = k + eronder;
    const auto loop = std::upper_bound(m_lopen.begin(), m_lopen.end(), plaats,
                                       [](std::uint64_t p, const Loop& l) { return p < l.begin; }) -
                      1;
    return {loop->reeks,
            static_cast<qint32>(loop->eerste + static_cast<std::int64_t>(plaats - loop->begin))};
}

Lot Lotentrommel::neemUit(std::uint64_t k) {
    const Lot lot = lotOpPlaats(k);
    const bool uit = haalUit(lot);
    Q_ASSERT(uit);
    Q_UNUSED(uit);
    return lot;
}

std::optional<std::uint64_t> Lotentrommel::beginPlaatsVan(const Lot& lot) const {
    if (lot.reeks < 0 || static_cast<std::size_t>(lot.reeks) + 1 >= m_eersteLoop.size())
        return std::nullopt;
    const auto van = m_lopen.begin() + static_cast<std::ptrdiff_t>(m_eersteLoop[lot.reeks]);
    const auto tot = m_lopen.begin() + static_cast<std::ptrdiff_t>(m_eersteLoop[lot.reeks + 1]);
    const auto na = std::upper_bound(van, tot, lot.nummer,
                                     [](qint32 n, const Loop& l) { return n < l.eerste; });
    if (na == van)
        return std::nullopt;
    const Loop& loop = *(na - 1);
    const std::uint64_t lengte = (na == m_lopen.end() ? m_totaal : na->begin) - loop.begin;
    const auto verder = static_cast<std::uint64_t>(std::int64_t{lot.nummer} - loop.eerste);
    if (verder >= lengte)
        return std::nullopt; // taken out of play in the file
    return loop.begin + verder;
}

bool Lotentrommel::haalUit(const Lot& lot) {
    const auto plaats = beginPlaatsVan(lot);
    return plaats && m_getrokken->plaatsen.insert(*plaats).second;
}

std::optional<std::uint64_t> Lotentrommel::plaatsVan(const Lot& lot) const {
    const auto plaats = beginPlaatsVan(lot);
    if (!plaats || m_getrokken->plaatsen.find(*plaats) != m_getrokken->plaatsen.end())
        return std::nullopt;
    return *plaats - m_getrokken->plaatsen.order_of_key(*plaats);
}
