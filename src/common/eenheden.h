#pragma once

#include <QFont>
#include <QRect>

// Window positions are computed in twips (15 twips make one pixel at 96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;

int naarPixels(double twips);
QRect naarPixels(const QRect& twips);

// Points to pixels at 96 dots per inch, so sizes do not depend on the screen's resolution.
int puntenNaarPixels(double punten);
// Arial, or its metric twin where Arial is missing, at a size in points.
QFont arial(double punten, bool vet = false);
