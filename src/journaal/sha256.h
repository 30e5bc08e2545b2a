#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

// SHA-256 (FIPS 180-4) whose state can be copied part way, and HMAC-SHA256 (RFC 2104) built
// on it. The draw needs one HMAC per number; keeping the state after the key's inner and
// outer pad blocks saves two of the four compressions of every HMAC, which is what makes a
// range of a million numbers drawable in well under two seconds. Everything else that hashes
// uses QCryptographicHash; the tests hold both to the same results.
class Sha256 {
public:
    static constexpr int kBlok = 64;
    static constexpr int kUitvoer = 32;
    using Uitkomst = std::array<std::uint8_t, kUitvoer>;

    Sha256();
    void voegToe(QByteArrayView data);
    Uitkomst uitkomst() const; // the digest of everything added; the state is left as it is

    static Uitkomst van(QByteArrayView data);

private:
    void verwerkBlok(const std::uint8_t* blok);

    std::array<std::uint32_t, 8> m_toestand;
    std::array<std::uint8_t, kBlok> m_buffer{};
    std::uint64_t m_lengte = 0; // bytes added
};

// HMAC-SHA256 with a fixed key: the hash states after the inner and the outer key block are
// computed once.
class HmacSha256 {
public:
    explicit HmacSha256(QByteArrayView sleutel);
    Sha256::Uitkomst van(QByteArrayView bericht) const;

private:
    Sha256 m_binnen;
    Sha256 m_buiten;
};
