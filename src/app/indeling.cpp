#include "app/indeling.h"

#include "draw/panel.h"

#include <algorithm>

#include <cmath>

Indeling berekenIndeling(const QSize& schermPixels) {
    Indeling ind;
    ind.schermBreedte = schermPixels.width() * kTwipsPerPixel;
    ind.schermHoogte = schermPixels.height() * kTwipsPerPixel;
    const double midden = ind.schermBreedte / 2.0;
    const std::array<int, 4> verschuiving{-5100, -2400, 300, 3000};
    for (std::size_t n = 0; n < 4; ++n) {
        const int links = static_cast<int>(std::lround(midden + verschuiving[n]));
        ind.rol[n] = QRect(links, 3300, 2250, 3105);
        ind.binnenKader[n] = QRect(links - 60, 3240, 2355, 3240);
        ind.buitenKader[n] = QRect(links - 90, 3210, 2430, 3285);
    }
    ind.nummerPic = QRect(static_cast<int>(std::lround(midden - 4020)), 6900, 8040, 2700);
    ind.pijlLinks = QPoint(static_cast<int>(std::lround(midden - 5400)), 7800);
    ind.pijlRechts = QPoint(static_cast<int>(std::lround(midden + 4290)), 7800);
    ind.knopPic = QRect(0, ind.schermHoogte - 1200, ind.schermBreedte, 1200);
    return ind;
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

QRect bordVlak(const QSize& schermPixels) {
    const Indeling ind = berekenIndeling(schermPixels);
    // Below the result panel and the arrows beside it, above the bottom panel.
    const QRect nummer = naarPixels(ind.nummerPic);
    const int pijlOnder = naarPixels(ind.pijlLinks.y()) + kPijlGrootte.height();
    const int boven = std::max(nummer.y() + nummer.height(), pijlOnder);
    const int onder = naarPixels(ind.knopPic.y());
    const int marge = std::max(6, schermPixels.height() / 120);
    return QRect(QPoint(marge, boven + marge),
                 QPoint(schermPixels.width() - 1 - marge, onder - 1 - marge));
}
