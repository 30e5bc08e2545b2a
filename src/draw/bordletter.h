#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;

// The board's colours and print: one bold font fitted to a place, centred on the height of
// its digits.

namespace bordkleur {
inline const QColor kAchtergrond(20, 20, 40, 215);
inline const QColor kRand(170, 170, 170);
inline const QColor kCelUit(45, 45, 72);
inline const QColor kTekstUit(140, 140, 165);
inline const QColor kCelAan(235, 190, 40);
inline const QColor kTekstAan(25, 20, 10);
inline const QColor kCelLaatste(225, 60, 45);
inline const QColor kTekstLaatste(255, 255, 255);
inline const QColor kCelLeeg(32, 32, 52);
} // namespace bordkleur

// A bold font whose print of `voorbeeld` fits `ruimte`.
QFont passendFont(const QString& voorbeeld, const QSizeF& ruimte);
// `tekst` centred in `r` on the height of its digits, in the painter's font.
void drukMidden(QPainter& p, const QRectF& r, const QString& tekst);
// The text of `teksten` that prints widest in the board's font.
QString breedste(const QStringList& teksten);
// White or near-black print, whichever stands out more on `vlak` (the contrast ratio of
// relative luminances), so a yellow or white ticket reads as well as a blue one.
QColor inktOp(const QColor& vlak);
