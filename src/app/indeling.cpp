#include "app/indeling.h"

#include "common/schaal.h"
#include "draw/panel.h"

#include <QFontMetrics>

#include <algorithm>

#include <cmath>

namespace {

QRect afgerond(double x, double y, double breedte, double hoogte) {
    return QRect(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
                 static_cast<int>(std::lround(breedte)), static_cast<int>(std::lround(hoogte)));
}

// Spreads `aantal` rollers over the band of the four of `ind`, each roller with its frames
// a copy of the first one's, scaled.
void verdeelRollen(Indeling& ind, int aantal) {
    const QRect eerste = ind.buitenKader[0];
    const int bandLinks = eerste.x();
    const int bandBreedte = ind.buitenKader[3].x() + ind.buitenKader[3].width() - bandLinks;
    const double stap = ind.buitenKader[1].x() - eerste.x();
    const double schaal = bandBreedte / ((aantal - 1) * stap + eerste.width());
    const double boven = eerste.y() + eerste.height() * (1 - schaal) / 2;
    // A rectangle of the first roller, placed as it lies in its white frame.
    const auto plaats = [&](const QRect& r, double links) {
        return afgerond(links + (r.x() - eerste.x()) * schaal,
                        boven + (r.y() - eerste.y()) * schaal, r.width() * schaal,
                        r.height() * schaal);
    };
    const QRect rol = ind.rol[0];
    const QRect binnen = ind.binnenKader[0];
    for (std::size_t n = 0; n < kMaxRollen; ++n) {
        if (static_cast<int>(n) >= aantal) {
            ind.rol[n] = ind.binnenKader[n] = ind.buitenKader[n] = QRect();
            continue;
        }
        const double links = bandLinks + static_cast<double>(n) * stap * schaal;
        ind.rol[n] = plaats(rol, links);
        ind.binnenKader[n] = plaats(binnen, links);
        ind.buitenKader[n] = plaats(eerste, links);
    }
    ind.aantalRollen = aantal;
    ind.rolSchaal = schaal;
}

} // namespace

Indeling berekenIndeling(const QSize& schermPixels, int aantalRollen) {
    Indeling ind;
    ind.schermBreedte = schermPixels.width() * kTwipsPerPixel;
    ind.schermHoogte = schermPixels.height() * kTwipsPerPixel;
    const double midden = ind.schermBreedte / 2.0;
    const int omlaag = middenOmlaag(schermPixels) * kTwipsPerPixel;
    const std::array<int, 4> verschuiving{-5100, -2400, 300, 3000};
    for (std::size_t n = 0; n < 4; ++n) {
        const int links = static_cast<int>(std::lround(midden + verschuiving[n]));
        ind.rol[n] = QRect(links, 3300 + omlaag, 2250, 3105);
        ind.binnenKader[n] = QRect(links - 60, 3240 + omlaag, 2355, 3240);
        ind.buitenKader[n] = QRect(links - 90, 3210 + omlaag, 2430, 3285);
    }
    ind.nummerPic = QRect(static_cast<int>(std::lround(midden - 4020)), 6900 + omlaag, 8040, 2700);
    ind.pijlLinks = QPoint(static_cast<int>(std::lround(midden - 5400)), 7800 + omlaag);
    ind.pijlRechts = QPoint(static_cast<int>(std::lround(midden + 4290)), 7800 + omlaag);
    ind.knopPic = QRect(0, ind.schermHoogte - 1200, ind.schermBreedte, 1200);
    if (aantalRollen > 4)
        verdeelRollen(ind, std::min(aantalRollen, kMaxRollen));
    return ind;
}

int middenOmlaag(const QSize& schermPixels) {
    if (schermPixels.height() <= schermPixels.width())
        return 0;
    return std::max(0, (schermPixels.height() - kOntwerpHoogte) / 2);
}

double logoLinks(int schermBreedteTwips, double labelBreedteTwips, bool gekleurd) {
    return schermBreedteTwips / 2.0 - labelBreedteTwips / 2.0 - (gekleurd ? 60.0 : 0.0);
}

PaneelIndeling berekenPaneel(int binnenBreedte) {
    PaneelIndeling p;
    for (int i = 0; i < 4; ++i)
        p.knop[static_cast<std::size_t>(i)] = QPoint(10 + 70 * i, 23);
    p.klok = QPoint(binnenBreedte - 185, 38);
    p.exitKnop = QPoint(binnenBreedte - 60, 23);
    p.lijstKader = QRect(QPoint(364, 28), QPoint(569, 65));
    // Inside the frame with one pixel to spare on every side (two rows of numbers).
    p.lijst = QRect(366, 30, 202, 34);
    p.teller = QPoint(590, 28);
    return p;
}

QFont tellerLetter() {
    return arial(26.25, true);
}

TellerOpmaak pasTeller(const QString& tekst, QPoint plek, int rechtsGrens) {
    const QFont basis = tellerLetter();
    const int ruimte = rechtsGrens - plek.x();
    const int breedte = QFontMetrics(basis).horizontalAdvance(tekst);
    if (breedte <= ruimte)
        return {basis, plek};
    // From the size that scales the text to the room, down until it fits.
    QFont letter = basis;
    double punten = std::floor(basis.pointSizeF() * ruimte / std::max(breedte, 1) * 4) / 4;
    for (;; punten -= 0.25) {
        letter.setPointSizeF(std::max(punten, kTellerKleinst));
        if (punten <= kTellerKleinst || QFontMetrics(letter).horizontalAdvance(tekst) <= ruimte)
            break;
    }
    const int lager = (QFontMetrics(basis).height() - QFontMetrics(letter).height()) / 2;
    return {letter, plek + QPoint(0, lager)};
}

QRect bordVlak(const QSize& schermPixels) {
    const Indeling ind = berekenIndeling(schermPixels);
    // Below the result panel and the arrows beside it, above the bottom panel.
    const QRect nummer = naarPixels(ind.nummerPic);
    const int pijlOnder = naarPixels(ind.pijlLinks.y()) + kPijlGrootte.height();
    const int boven = std::max(nummer.y() + nummer.height(), pijlOnder);
    const int onder = naarPixels(ind.knopPic.y());
    const int vrij = onder - boven;
    // The margin grows with the screen, and gives way to the board where the band is low.
    const int marge = std::clamp((vrij - kBordLaagste) / 2, kBordKleinsteMarge,
                                 std::max(6, schermPixels.height() / 120));
    const int links = marge;
    const int rechts = schermPixels.width() - 1 - marge;
    if (vrij - 2 * marge >= kBordLaagste)
        return QRect(QPoint(links, boven + marge), QPoint(rechts, onder - 1 - marge));
    // A window lower than the layout (a factor forced on a small screen): the board keeps
    // its lowest height, just above the bottom panel, over what lies there.
    return QRect(QPoint(links, onder - kBordKleinsteMarge - kBordLaagste),
                 QPoint(rechts, onder - 1 - kBordKleinsteMarge));
}

QRect prijsVlak(const QSize& schermPixels) {
    const Indeling ind = berekenIndeling(schermPixels);
    // More rollers share the band of the four: its frames are the outermost.
    const QRect rollen = naarPixels(ind.buitenKader[0]).united(naarPixels(ind.buitenKader[3]));
    const QRect nummer = naarPixels(ind.nummerPic);
    const QRect pijl(QPoint(naarPixels(ind.pijlRechts.x()), naarPixels(ind.pijlRechts.y())),
                     kPijlGrootte);
    const int marge = std::max(8, schermPixels.width() / 120);
    const int links = std::max({rollen.right(), nummer.right(), pijl.right()}) + 1 + marge;
    const int onder = std::max(nummer.bottom(), pijl.bottom());
    return QRect(QPoint(links, rollen.top()), QPoint(schermPixels.width() - 1 - marge, onder));
}
