// The board's last tickets of a raffle: each ticket as its set's name and its number, on a
// chip of its set's colour.
#include "draw/bord.h"
#include "draw/bordletter.h"

#include <QFontMetricsF>
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

// What the places must hold: the widest name, number and whole ticket.
struct Breedste {
    QString naam;
    QString nummer;
    QString geheel;
};

Breedste breedsteVan(const QList<BordInhoud::Plaats>& plaatsen) {
    QStringList namen;
    QStringList nummers{QStringLiteral("0000")};
    QStringList geheel;
    for (const BordInhoud::Plaats& plaats : plaatsen) {
        if (const QString naam = naamVan(plaats); !naam.isEmpty())
            namen << naam;
        nummers << QString::number(plaats.nummer);
        geheel << (plaats.lot.isEmpty() ? QString::number(plaats.nummer) : plaats.lot);
    }
    return {breedste(namen), breedste(nummers), breedste(geheel)};
}

// On two lines the name takes the upper part of a place, the number the lower and larger.
QRectF naamVak(const QRectF& r) {
    return QRectF(r.left(), r.top() + r.height() * 0.04, r.width(), r.height() * 0.42);
}
QRectF nummerVak(const QRectF& r) {
    return QRectF(r.left(), r.top() + r.height() * 0.4, r.width(), r.height() * 0.6);
}

QFont fontVoor(const QString& tekst, const QRectF& vak, double hoogte) {
    return passendFont(tekst, QSizeF(vak.width() * 0.85, vak.height() * hoogte));
}

double kapHoogte(const QFont& f) {
    return QFontMetricsF(f).capHeight();
}

} // namespace

Bord::LotIndeling Bord::lotIndeling() const {
    const Breedste b = breedsteVan(m_inhoud.laatsteTienPlaatsen());
    if (b.naam.isEmpty())
        return {BordInhoud::kLaatste, false};
    // As many places as keep the digits readable from the back of the hall (and the names
    // not much smaller): on two lines where the board is high enough, else on one.
    const double kleinste = kKleinsteCijfer / std::min(1.0, devicePixelRatioF());
    for (int plaatsen = BordInhoud::kLaatste; plaatsen > 1; --plaatsen) {
        const QRectF klein = plaatsVak(1, plaatsen);
        if (klein.isEmpty())
            break;
        if (kapHoogte(fontVoor(b.nummer, nummerVak(klein), 0.6)) >= kleinste &&
            kapHoogte(fontVoor(b.naam, naamVak(klein), 0.55)) >= 0.75 * kleinste)
            return {plaatsen, true};
        if (kapHoogte(fontVoor(b.geheel, klein, 0.65)) >= kleinste)
            return {plaatsen, false};
    }
    return {1, false};
}

void Bord::tekenLoten(QPainter& p) const {
    const QList<BordInhoud::Plaats> plaatsen = m_inhoud.laatsteTienPlaatsen();
    const Breedste b = breedsteVan(plaatsen);
    const LotIndeling indeling = lotIndeling();
    const QRectF klein = plaatsVak(1, indeling.plaatsen);
    const QRectF groot = plaatsVak(0, indeling.plaatsen);
    // Two lines: the name and the number; one line: the whole ticket, or the number alone.
    const QString eenRegel = b.naam.isEmpty() ? b.nummer : b.geheel;
    const double hoogte = b.naam.isEmpty() ? 0.65 : 0.6;
    const QFont naamKlein = fontVoor(b.naam, naamVak(klein), 0.55);
    const QFont naamGroot = fontVoor(b.naam, naamVak(groot), 0.55);
    const QFont regelKlein = indeling.tweeRegels ? fontVoor(b.nummer, nummerVak(klein), 0.6)
                                                 : fontVoor(eenRegel, klein, hoogte);
    const QFont regelGroot = indeling.tweeRegels ? fontVoor(b.nummer, nummerVak(groot), 0.6)
                                                 : fontVoor(eenRegel, groot, hoogte + 0.1);
    const QRectF maat = klein.isEmpty() ? groot : klein;
    const double hoek = std::min(maat.width(), maat.height()) / 8.0;
    const double pen = std::max(2.0, std::min(maat.width(), maat.height()) / 12.0);
    for (int plaats = 0; plaats < indeling.plaatsen; ++plaats) {
        const QRectF r = plaatsVak(plaats, indeling.plaatsen);
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
        const QString naam = naamVan(lot);
        if (indeling.tweeRegels) {
            p.setFont(plaats == 0 ? naamGroot : naamKlein);
            drukMidden(p, naamVak(r), naam);
            p.setFont(plaats == 0 ? regelGroot : regelKlein);
            drukMidden(p, nummerVak(r), QString::number(lot.nummer));
        } else {
            p.setFont(plaats == 0 ? regelGroot : regelKlein);
            drukMidden(p, r, naam.isEmpty() ? QString::number(lot.nummer) : lot.lot);
        }
    }
}
