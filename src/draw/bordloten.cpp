// The board's last ten of a raffle: each ticket as its set's name over its number, on a chip
// of its set's colour.
#include "draw/bord.h"
#include "draw/bordletter.h"

#include <QPainter>
#include <algorithm>

namespace {

using namespace bordkleur;

// The set's name of a ticket read as "Roze 123"; empty for a ticket shown by its number.
QString naamVan(const BordInhoud::Plaats& plaats) {
    const QString nummer = QString::number(plaats.nummer);
    if (plaats.lot.size() > nummer.size() && plaats.lot.endsWith(u' ' + nummer))
        return plaats.lot.chopped(nummer.size() + 1);
    return {};
}

} // namespace

void Bord::tekenLoten(QPainter& p) const {
    const QList<BordInhoud::Plaats> plaatsen = m_inhoud.laatsteTienPlaatsen();
    QStringList namen;
    QStringList nummers{QStringLiteral("0000")};
    for (const BordInhoud::Plaats& plaats : plaatsen) {
        if (const QString naam = naamVan(plaats); !naam.isEmpty())
            namen << naam;
        nummers << QString::number(plaats.nummer);
    }
    // With names: the name above, the number below and larger; without, the number alone.
    const double naamDeel = namen.isEmpty() ? 0.0 : 0.42;
    const auto naamVak = [naamDeel](const QRectF& r) {
        return QRectF(r.left(), r.top() + r.height() * 0.04, r.width(), r.height() * naamDeel);
    };
    const auto nummerVak = [naamDeel](const QRectF& r) {
        const double boven = naamDeel > 0 ? naamDeel * 0.95 : 0.0;
        return QRectF(r.left(), r.top() + r.height() * boven, r.width(), r.height() * (1 - boven));
    };
    const QRectF klein = plaatsVak(1);
    const QRectF groot = plaatsVak(0);
    const auto font = [](const QString& tekst, const QRectF& vak, double hoogte) {
        return passendFont(tekst, QSizeF(vak.width() * 0.85, vak.height() * hoogte));
    };
    const QString breedsteNaam = breedste(namen);
    const QString breedsteNummer = breedste(nummers);
    const QFont naamKlein = font(breedsteNaam, naamVak(klein), 0.55);
    const QFont naamGroot = font(breedsteNaam, naamVak(groot), 0.55);
    const QFont nummerKlein = font(breedsteNummer, nummerVak(klein), namen.isEmpty() ? 0.65 : 0.6);
    const QFont nummerGroot = font(breedsteNummer, nummerVak(groot), namen.isEmpty() ? 0.75 : 0.6);
    const double hoek = std::min(klein.width(), klein.height()) / 8.0;
    const double pen = std::max(2.0, std::min(klein.width(), klein.height()) / 12.0);
    for (int plaats = 0; plaats < BordInhoud::kLaatste; ++plaats) {
        const QRectF r = plaatsVak(plaats);
        if (plaats >= plaatsen.size()) {
            p.setPen(Qt::NoPen);
            p.setBrush(kCelLeeg);
            p.drawRoundedRect(r, hoek, hoek);
            continue;
        }
        const BordInhoud::Plaats& lot = plaatsen[plaats];
        // A set without a colour looks like a plain number; a chip of a colour gets a light
        // edge, so a black or dark blue one stands out from the board.
        const QColor vlak = lot.kleur.isValid() ? lot.kleur : plaats == 0 ? kCelLaatste : kCelUit;
        if (plaats == 0)
            p.setPen(QPen(Qt::white, pen));
        else
            p.setPen(lot.kleur.isValid() ? QPen(kRand, pen / 2) : QPen(Qt::NoPen));
        p.setBrush(vlak);
        p.drawRoundedRect(r, hoek, hoek);
        p.setPen(lot.kleur.isValid() ? inktOp(vlak) : plaats == 0 ? kTekstLaatste : kCelAan);
        if (const QString naam = naamVan(lot); !naam.isEmpty()) {
            p.setFont(plaats == 0 ? naamGroot : naamKlein);
            drukMidden(p, naamVak(r), naam);
        }
        p.setFont(plaats == 0 ? nummerGroot : nummerKlein);
        drukMidden(p, nummerVak(r), QString::number(lot.nummer));
    }
}
