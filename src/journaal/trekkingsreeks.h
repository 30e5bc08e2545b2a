#pragma once

#include "journaal/sha256.h"
#include "journaal/vrijenummers.h"
#include "loterij/lotentrommel.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// A series of draws under one secret key: from the start of the program or a clearing of the
// drawn list to the next clearing or the end of the program. Its commitment, the SHA-256 of
// the key, is published before the first draw; the key is revealed when the series ends.
// Every number follows from the key, the public input, the draw's index in the series and
// the numbers drawn before it, so that anyone holding the revealed key can draw the series
// again and find the same numbers (docs/verification.md).
//
// A draw has two steps, as the window has: volgende() tells the number of the next draw
// (asking again gives the same number), and legVast() counts it as drawn once it is listed.
// A draw abandoned in between leaves the series as it was.
class Trekkingsreeks {
public:
    static constexpr int kSleutelBytes = 32;
    static constexpr int kMaxInvoerBytes = 1000;
    // The label that starts every HMAC message; a change of the derivation changes it. Kept
    // short, so that a message fits one SHA-256 block.
    static constexpr char kDomein[] = "Quintaro-1";

    // A series with a fresh key from the operating system's entropy source.
    static Trekkingsreeks nieuw(qint32 laagste, qint32 hoogste, int rolSoort,
                                std::vector<qint32> overgenomen = {});

    // A series under a known key (a resumed series, the checker, tests). `sleutel` must hold
    // kSleutelBytes bytes. `overgenomen`: numbers carried over into the list at its start;
    // they count as drawn. `rolSoort` 0: digits, no number twice until the range is
    // exhausted; 1: pictures, every draw from the whole range.
    Trekkingsreeks(const QByteArray& sleutel, qint32 laagste, qint32 hoogste, int rolSoort,
                   std::vector<qint32> overgenomen = {});

    // A raffle series: every draw is a ticket still in play of `loterij` (its sets without
    // the numbers out of play and the tickets drawn before), the k-th in the drum's fixed
    // order (Lotentrommel) for k = plaats(..., the tickets still in play). volgende() and
    // legVast() then give the ticket's number, volgendLot() the whole ticket.
    static Trekkingsreeks nieuwLoterij(const Loterij& loterij);
    Trekkingsreeks(const QByteArray& sleutel, const Loterij& loterij);
    bool isLoterij() const { return m_trommel != nullptr; }
    // The raffle of a raffle series; nullptr otherwise.
    const Loterij* loterij() const { return m_trommel ? &m_trommel->loterij : nullptr; }
    // The ticket of the next draw; std::nullopt when none is left in play.
    std::optional<Lot> volgendLot() const;
    // The tickets drawn in this series, by index.
    const std::vector<Lot>& loten() const;

    Trekkingsreeks(const Trekkingsreeks& ander);
    Trekkingsreeks& operator=(const Trekkingsreeks& ander);
    Trekkingsreeks(Trekkingsreeks&&) noexcept = default;
    Trekkingsreeks& operator=(Trekkingsreeks&&) noexcept = default;
    ~Trekkingsreeks();

    const QByteArray& sleutel() const { return m_sleutel; }
    const QString& toezegging() const { return m_toezegging; } // 64 lower-case hex digits
    // The first 16 hex digits of the commitment in groups of four: "3f2a 91c0 77de 0b18".
    QString toezeggingKort() const;

    // The public input: its UTF-8 bytes are mixed into every draw. Only before the first
    // draw and once; false (and nothing changes) otherwise, or beyond kMaxInvoerBytes bytes.
    bool zetPubliekeInvoer(const QString& tekst);
    bool zetPubliekeInvoerBytes(const QByteArray& utf8);
    const QByteArray& publiekeInvoer() const { return m_invoer; }
    bool heeftPubliekeInvoer() const { return m_invoerGezet; }

    // The range from now on (a change of the lowest number keeps the list and the series).
    void zetBereik(qint32 laagste, qint32 hoogste);
    qint32 laagste() const { return m_laagste; }
    qint32 hoogste() const { return m_hoogste; }
    int rolSoort() const { return m_rolSoort; }

    // The number of the next draw; std::nullopt when the range is exhausted (digit mode,
    // every number of the range in the list): the list is then cleared and a new series
    // begins.
    std::optional<qint32> volgende() const;
    // Counts the number volgende() gives as drawn: appends it to the list and moves on to
    // the next index. Returns it. Must not be called when the range is exhausted.
    qint32 legVast();

    // Draws made in this series (the index of the next draw).
    std::uint64_t index() const { return m_index; }
    // The list as the window shows it: the carried-over numbers, then this series' draws.
    const std::vector<qint32>& getrokken() const { return m_lijst; }
    std::size_t aantalOvergenomen() const { return m_aantalOvergenomen; }
    // Numbers of the range still free (digit mode; the whole range in picture mode).
    std::uint64_t aantalKandidaten() const;

    // The pure derivation, shared with the checker.
    static QString toezeggingVan(const QByteArray& sleutel);
    static QByteArray invoerHash(const QByteArray& invoerUtf8); // SHA-256, 32 bytes
    // The HMAC message for draw `index`, block `blok`.
    static QByteArray bericht(const QByteArray& invoerHash, std::uint64_t index,
                              std::uint32_t blok);
    // The uniform place k in [0, aantal) for draw `index` (aantal > 0).
    static std::uint64_t plaats(const HmacSha256& mac, const QByteArray& invoerHash,
                                std::uint64_t index, std::uint64_t aantal);

private:
    // The raffle and its drum, with the tickets drawn so far.
    struct Trommel {
        Loterij loterij;
        Lotentrommel trommel;
        std::vector<Lot> loten;
        explicit Trommel(const Loterij& l) : loterij(l), trommel(l) {}
    };

    QByteArray m_sleutel;
    QString m_toezegging;
    HmacSha256 m_mac;
    QByteArray m_invoer;
    QByteArray m_invoerHash;
    bool m_invoerGezet = false;
    qint32 m_laagste;
    qint32 m_hoogste;
    int m_rolSoort;
    std::uint64_t m_index = 0;
    std::vector<qint32> m_lijst;
    std::size_t m_aantalOvergenomen = 0;
    VrijeNummers m_vrij;
    mutable std::optional<std::optional<qint32>> m_volgende; // volgende(), once computed
    std::unique_ptr<Trommel> m_trommel;                      // a raffle series
    mutable std::optional<Lot> m_volgendLot;                 // with m_volgende
};
