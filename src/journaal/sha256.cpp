#include "journaal/sha256.h"

#include <cstring>

namespace {

constexpr std::array<std::uint32_t, 64> kRondeConstanten = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t draai(std::uint32_t x, int n) {
    return (x >> n) | (x << (32 - n));
}

} // namespace

Sha256::Sha256()
    : m_toestand{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19} {}

void Sha256::verwerkBlok(const std::uint8_t* blok) {
    std::array<std::uint32_t, 64> w;
    for (int i = 0; i < 16; ++i) {
        w[i] = std::uint32_t{blok[4 * i]} << 24 | std::uint32_t{blok[4 * i + 1]} << 16 |
               std::uint32_t{blok[4 * i + 2]} << 8 | std::uint32_t{blok[4 * i + 3]};
    }
    for (int i = 16; i < 64; ++i) {
        const std::uint32_t s0 = draai(w[i - 15], 7) ^ draai(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const std::uint32_t s1 = draai(w[i - 2], 17) ^ draai(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    auto [a, b, c, d, e, f, g, h] = m_toestand;
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t t1 = h + (draai(e, 6) ^ draai(e, 11) ^ draai(e, 25)) +
                                 ((e & f) ^ (~e & g)) + kRondeConstanten[i] + w[i];
        const std::uint32_t t2 =
            (draai(a, 2) ^ draai(a, 13) ^ draai(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        h = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    const std::array<std::uint32_t, 8> erbij = {a, b, c, d, e, f, g, h};
    for (int i = 0; i < 8; ++i)
        m_toestand[i] += erbij[i];
}

void Sha256::voegToe(QByteArrayView data) {
    auto bron = reinterpret_cast<const std::uint8_t*>(data.data());
    auto over = static_cast<std::size_t>(data.size());
    auto gevuld = static_cast<std::size_t>(m_lengte % kBlok);
    m_lengte += over;
    if (gevuld > 0) {
        const std::size_t stuk = std::min(over, kBlok - gevuld);
        std::memcpy(m_buffer.data() + gevuld, bron, stuk);
        bron += stuk;
        over -= stuk;
        if (gevuld + stuk < kBlok)
            return;
        verwerkBlok(m_buffer.data());
    }
    for (; over >= kBlok; over -= kBlok, bron += kBlok)
        verwerkBlok(bron);
    if (over > 0)
        std::memcpy(m_buffer.data(), bron, over);
}

Sha256::Uitkomst Sha256::uitkomst() const {
    Sha256 kopie = *this;
    const std::uint64_t bits = m_lengte * 8;
    // Padding: a one bit, zeros up to 56 bytes into a block, then the length in bits.
    std::array<std::uint8_t, kBlok + 8> opvulling{};
    opvulling[0] = 0x80;
    const auto gevuld = static_cast<std::size_t>(m_lengte % kBlok);
    const std::size_t nullen = gevuld < 56 ? 56 - gevuld : 120 - gevuld;
    for (int i = 0; i < 8; ++i)
        opvulling[nullen + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    kopie.voegToe(QByteArrayView(reinterpret_cast<const char*>(opvulling.data()),
                                 static_cast<qsizetype>(nullen + 8)));
    Uitkomst uit;
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 4; ++j)
            uit[4 * i + j] = static_cast<std::uint8_t>(kopie.m_toestand[i] >> (24 - 8 * j));
    }
    return uit;
}

Sha256::Uitkomst Sha256::van(QByteArrayView data) {
    Sha256 h;
    h.voegToe(data);
    return h.uitkomst();
}

HmacSha256::HmacSha256(QByteArrayView sleutel) {
    std::array<std::uint8_t, Sha256::kBlok> blok{};
    if (sleutel.size() > Sha256::kBlok) {
        const auto kort = Sha256::van(sleutel);
        std::memcpy(blok.data(), kort.data(), kort.size());
    } else if (!sleutel.isEmpty()) {
        std::memcpy(blok.data(), sleutel.data(), static_cast<std::size_t>(sleutel.size()));
    }
    std::array<char, Sha256::kBlok> binnen, buiten;
    for (int i = 0; i < Sha256::kBlok; ++i) {
        binnen[i] = static_cast<char>(blok[i] ^ 0x36);
        buiten[i] = static_cast<char>(blok[i] ^ 0x5c);
    }
    m_binnen.voegToe(QByteArrayView(binnen.data(), Sha256::kBlok));
    m_buiten.voegToe(QByteArrayView(buiten.data(), Sha256::kBlok));
}

Sha256::Uitkomst HmacSha256::van(QByteArrayView bericht) const {
    Sha256 binnen = m_binnen;
    binnen.voegToe(bericht);
    const auto tussen = binnen.uitkomst();
    Sha256 buiten = m_buiten;
    buiten.voegToe(QByteArrayView(reinterpret_cast<const char*>(tussen.data()), Sha256::kUitvoer));
    return buiten.uitkomst();
}
