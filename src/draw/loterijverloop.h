#pragma once

#include "loterij/loterij.h"

#include <QDateTime>
#include <QString>

#include <vector>

// A raffle through the evening, as the operator follows it: the prize up, and for every
// prize drawn so far the ticket and the time, with the tickets whose winner was not in the
// hall (that prize is drawn again). Trekking owns it and tells it each draw and each absence;
// the journal records the same (Trekkingsboek), so --winnaars gives this list again.
class Loterijverloop {
public:
    struct Uitslag {
        qint64 prijs = 0; // the prize's index in the raffle
        Lot lot;
        QDateTime tijd;
        bool afwezig = false; // the winner was not there: the prize was drawn again
    };

    // `eerstePrijs`: the prize up at the start (a raffle taken over from a journal).
    explicit Loterijverloop(Loterij loterij, qint64 eerstePrijs = 0)
        : m_loterij(std::move(loterij)), m_gewonnen(eerstePrijs) {}

    const Loterij& loterij() const { return m_loterij; }
    // The index of the prize up: the number of prizes won. Equal to the number of prizes
    // when every prize is won.
    qint64 prijsNu() const { return m_gewonnen; }
    bool allesGewonnen() const {
        return m_gewonnen >= static_cast<qint64>(m_loterij.prijzen().size());
    }
    // The description of prize `prijs`; empty beyond the last.
    QString prijsTekst(qint64 prijs) const;
    const std::vector<Uitslag>& uitslagen() const { return m_uitslagen; }

    // Ticket `lot` won the prize up.
    void getrokken(const Lot& lot, const QDateTime& tijd);
    // The winner of the last prize drawn is not there: it is drawn again.
    void afwezig();

private:
    Loterij m_loterij;
    std::vector<Uitslag> m_uitslagen;
    qint64 m_gewonnen = 0;
};
