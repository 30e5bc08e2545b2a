#pragma once

#include "journaal/journaalrecord.h"
#include "loterij/lotentrommel.h"
#include "loterij/loterij.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The raffle of a series while a journal is checked (docs/verification.md): its sets and
// prizes as the journal gives them, the drum of tickets still in play, and the tickets drawn.
// Each rule returns why a record breaks it; an empty text when it does not.
struct Loterijstaat {
    explicit Loterijstaat(const Journaalrecord& begin);

    qint64 aantalReeksen = 0;
    qint64 aantalPrijzen = 0;
    qint64 eerstePrijs = 0;
    Loterij loterij;
    std::optional<Lotentrommel> trommel; // made at the first draw
    std::vector<Lot> loten;              // by index

    // A "lotenreeks" or "prijs" record, before the series' first draw.
    QString lotenreeks(const Journaalrecord& r, qint64 getrokken);
    QString prijs(const Journaalrecord& r, qint64 getrokken);
    // A "trekking" record: the ticket must be in play and win the prize up.
    QString trekking(const Journaalrecord& r, qint64 getrokken, qint64 vervallen);
    bool uitgeput() const { return trommel && trommel->aantal() == 0; }
    // Every draw again from the key: the first index whose ticket differs, with the ticket
    // the key gives; std::nullopt when all agree.
    std::optional<std::pair<std::size_t, QString>> trekOpnieuw(const QByteArray& sleutel,
                                                               const QByteArray* invoer) const;
};
