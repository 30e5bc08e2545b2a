#include "journaal/vrijenummers.h"

#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>

#include <algorithm>
#include <bit>

// The drawn numbers in order, with the rank of every element at hand.
struct VrijeNummers::Boom {
    __gnu_pbds::tree<std::int64_t, __gnu_pbds::null_type, std::less<std::int64_t>,
                     __gnu_pbds::rb_tree_tag, __gnu_pbds::tree_order_statistics_node_update>
        nummers;
};

VrijeNummers::VrijeNummers() = default;
VrijeNummers::~VrijeNummers() = default;
VrijeNummers::VrijeNummers(VrijeNummers&&) noexcept = default;
VrijeNummers& VrijeNummers::operator=(VrijeNummers&&) noexcept = default;

VrijeNummers::VrijeNummers(const VrijeNummers& ander) {
    kopieer(ander);
}

VrijeNummers& VrijeNummers::operator=(const VrijeNummers& ander) {
    if (this != &ander)
        kopieer(ander);
    return *this;
}

void VrijeNummers::kopieer(const VrijeNummers& ander) {
    m_onder = ander.m_onder;
    m_boven = ander.m_boven;
    m_inBereik = ander.m_inBereik;
    m_vensterOnder = ander.m_vensterOnder;
    m_fenwick = ander.m_fenwick;
    m_bits = ander.m_bits;
    m_buiten = ander.m_buiten;
    m_boom = ander.m_boom ? std::make_unique<Boom>(*ander.m_boom) : nullptr;
}

void VrijeNummers::zetBereik(qint32 laagste, qint32 hoogste) {
    m_onder = std::min(laagste, hoogste);
    m_boven = std::max(laagste, hoogste);
    pasVensterAan();
    if (m_boom) {
        m_inBereik = static_cast<std::int64_t>(m_boom->nummers.order_of_key(m_boven + 1) -
                                               m_boom->nummers.order_of_key(m_onder));
    } else {
        m_inBereik =
            getrokkenTot(m_boven - m_vensterOnder + 1) - getrokkenTot(m_onder - m_vensterOnder);
    }
}

void VrijeNummers::pasVensterAan() {
    if (m_boom)
        return;
    const auto venster = static_cast<std::int64_t>(m_fenwick.empty() ? 0 : m_fenwick.size() - 1);
    if (venster > 0 && m_onder >= m_vensterOnder && m_boven < m_vensterOnder + venster)
        return;
    // The new window holds the old one and the range, at least twice as wide as before.
    std::int64_t onder = m_onder, boven = m_boven;
    if (venster > 0) {
        onder = std::min(onder, m_vensterOnder);
        boven = std::max(boven, m_vensterOnder + venster - 1);
    }
    const std::int64_t omvat = boven - onder + 1;
    if (omvat > kDichtGrens) {
        auto boom = std::make_unique<Boom>();
        for (qint32 n : alle())
            boom->nummers.insert(n);
        m_boom = std::move(boom);
        m_fenwick = {};
        m_bits = {};
        m_buiten = {};
        return;
    }
    const std::int64_t breedte = std::min(kDichtGrens, std::max(omvat, 2 * venster));
    maakVenster(onder - (breedte - omvat) / 2, onder - (breedte - omvat) / 2 + breedte - 1);
}

std::vector<qint32> VrijeNummers::alle() const {
    std::vector<qint32> nummers(m_buiten.begin(), m_buiten.end());
    for (std::size_t w = 0; w < m_bits.size(); ++w) {
        for (std::uint64_t bits = m_bits[w]; bits; bits &= bits - 1) {
            const auto plek = static_cast<std::int64_t>(w * 64) + std::countr_zero(bits);
            nummers.push_back(static_cast<qint32>(m_vensterOnder + plek));
        }
    }
    return nummers;
}

void VrijeNummers::maakVenster(std::int64_t onder, std::int64_t boven) {
    const std::vector<qint32> getrokken = alle();
    const auto grootte = static_cast<std::size_t>(boven - onder + 1);
    m_vensterOnder = onder;
    m_fenwick.assign(grootte + 1, 0);
    m_bits.assign((grootte + 63) / 64, 0);
    m_buiten.clear();
    // Counts first, then each node passes its sum to its parent: O(size).
    for (qint32 n : getrokken) {
        if (n >= onder && n <= boven) {
            const auto plek = static_cast<std::size_t>(n - onder);
            m_fenwick[plek + 1] = 1;
            m_bits[plek / 64] |= std::uint64_t{1} << (plek % 64);
        } else {
            m_buiten.insert(n);
        }
    }
    for (std::size_t i = 1; i <= grootte; ++i) {
        const std::size_t ouder = i + (i & (~i + 1));
        if (ouder <= grootte)
            m_fenwick[ouder] += m_fenwick[i];
    }
}

bool VrijeNummers::bevat(qint32 nummer) const {
    if (m_boom)
        return m_boom->nummers.find(nummer) != m_boom->nummers.end();
    if (!inVenster(nummer))
        return m_buiten.count(nummer) > 0;
    const auto plek = static_cast<std::size_t>(nummer - m_vensterOnder);
    return (m_bits[plek / 64] >> (plek % 64)) & 1;
}

void VrijeNummers::voegToe(qint32 nummer) {
    const bool inBereik = nummer >= m_onder && nummer <= m_boven;
    if (m_boom) {
        if (m_boom->nummers.insert(nummer).second && inBereik)
            ++m_inBereik;
        return;
    }
    if (!inVenster(nummer)) {
        m_buiten.insert(nummer); // only a later, wider window counts it
        return;
    }
    const auto plek = static_cast<std::size_t>(nummer - m_vensterOnder);
    std::uint64_t& woord = m_bits[plek / 64];
    const std::uint64_t bit = std::uint64_t{1} << (plek % 64);
    if (woord & bit)
        return;
    woord |= bit;
    if (inBereik)
        ++m_inBereik;
    for (std::size_t i = plek + 1; i < m_fenwick.size(); i += i & (~i + 1))
        ++m_fenwick[i];
}

std::int64_t VrijeNummers::getrokkenTot(std::int64_t plek) const {
    std::int64_t som = 0;
    for (auto i = static_cast<std::size_t>(plek); i > 0; i -= i & (~i + 1))
        som += m_fenwick[i];
    return som;
}

std::uint64_t VrijeNummers::aantalVrij() const {
    return static_cast<std::uint64_t>(m_boven - m_onder + 1 - m_inBereik);
}

qint32 VrijeNummers::vrijOpPlaats(std::uint64_t k) const {
    if (m_boom) {
        // The j drawn numbers below the answer x = onder + k + j are exactly those whose
        // count of free numbers before them is at most k.
        const auto& boom = m_boom->nummers;
        const std::size_t basis = boom.order_of_key(m_onder);
        std::size_t laag = 0, hoog = boom.order_of_key(m_boven + 1) - basis;
        while (laag < hoog) {
            const std::size_t j = laag + (hoog - laag) / 2;
            const std::int64_t d = *boom.find_by_order(basis + j);
            if (static_cast<std::uint64_t>(d - m_onder) - j > k)
                hoog = j;
            else
                laag = j + 1;
        }
        return static_cast<qint32>(m_onder + static_cast<std::int64_t>(k + laag));
    }
    // The free places of the window before the range come first.
    const std::int64_t voor = m_onder - m_vensterOnder;
    std::uint64_t rest = k + static_cast<std::uint64_t>(voor - getrokkenTot(voor));
    const std::size_t grootte = m_fenwick.size() - 1;
    std::size_t plek = 0;
    for (std::size_t stap = std::bit_floor(grootte); stap > 0; stap >>= 1) {
        if (plek + stap <= grootte && stap - m_fenwick[plek + stap] <= rest) {
            plek += stap;
            rest -= stap - m_fenwick[plek];
        }
    }
    return static_cast<qint32>(m_vensterOnder + static_cast<std::int64_t>(plek));
}
