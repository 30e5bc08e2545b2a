#pragma once

#include "common/eenheden.h"
#include "draw/rollogica.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// The main window's layout in twips.
struct Indeling {
    int schermBreedte = 0; // twips
    int schermHoogte = 0;
    // Pic1 to Pic4, or as many as the rollers in use (aantalRollen); the rest stay empty.
    std::array<QRect, kMaxRollen> rol;
    std::array<QRect, kMaxRollen> binnenKader; // black frames
    std::array<QRect, kMaxRollen> buitenKader; // white frames
    int aantalRollen = 4;
    double rolSchaal = 1; // of the rollers and their frames against four rollers
    QRect nummerPic;
    QPoint pijlLinks;
    QPoint pijlRechts;
    QRect knopPic;
    int logo1Top = 810;
    int logo2Top = 870;
};

// On a screen on its side (higher than wide) the rollers, the result panel and the arrows
// come down by half of the height above the layout's, into the middle of the window; the
// title and the bottom panel stay. Returns how far, in pixels; 0 on a landscape screen.
int middenOmlaag(const QSize& schermPixels);

// With more than four rollers they share the band the four occupy (their white frames from the
// first one's left edge to the last one's right edge), all alike, smaller by rolSchaal, centred
// on the band's height.
Indeling berekenIndeling(const QSize& schermPixels, int aantalRollen = 4);

// Left edge (twips) of a title label of the given width (twips); the coloured one stands
// 60 twips left of the centred shadow.
double logoLinks(int schermBreedteTwips, double labelBreedteTwips, bool gekleurd);

// The bottom panel's inside, in pixels.
struct PaneelIndeling {
    std::array<QPoint, 4> knop;
    QPoint klok;
    QPoint exitKnop;
    QRect lijstKader; // filled and outlined, corners included
    QRect lijst;
    QPoint teller;
};

PaneelIndeling berekenPaneel(int binnenBreedte);

// The counter beside the list ("1234/9999"): its font and its top-left in the bottom panel.
// In tellerLetter() at `plek` while its text ends before `rechtsGrens` (the clock's left edge,
// less a margin); a longer one, of a range with many digits, in the largest smaller size that
// does (in quarter points, not below kTellerKleinst), on the same middle line.
struct TellerOpmaak {
    QFont letter;
    QPoint plek;
};
QFont tellerLetter();
inline constexpr double kTellerKleinst = 9;
TellerOpmaak pasTeller(const QString& tekst, QPoint plek, int rechtsGrens);

inline constexpr int kPaneelHoogte = 80;

// The board's lowest height in pixels: the last ten in a row with digits of about 21 pixels.
inline constexpr int kBordLaagste = 44;
inline constexpr int kBordKleinsteMarge = 2;

// The board's place, in pixels: the free band below the result panel and the arrows beside
// it, above the bottom panel, with a margin that grows with the screen and shrinks (to
// kBordKleinsteMarge) where the band is low. It is never lower than kBordLaagste: in a window
// lower than the layout it lies over the lowest part of the window above the bottom panel.
QRect bordVlak(const QSize& schermPixels);

// The prize band of a raffle, in pixels: the column right of the rollers, the result panel
// and its right arrow, from the rollers' top to the result panel's bottom, with a margin that
// grows with the screen. It leaves the title, the rollers, the result panel, the arrows, the
// board and the bottom panel free.
QRect prijsVlak(const QSize& schermPixels);
