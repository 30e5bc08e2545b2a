#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// The start arrows beside the result panel: 72 x 72 pixels.
inline constexpr QSize kPijlGrootte{72, 72};

// The result panel: 536 x 180 pixels, background (80, 80, 80). The picture may have more
// pixels for a screen of a larger device pixel ratio (its own ratio says how many); every
// size below is in the panel's logical pixels.
inline constexpr int kPaneelBreedte = 536;
inline constexpr int kPaneelHoogteNummer = 180;

// At `schaal` device pixels per pixel.
QImage nieuwNummerPaneel(double schaal = 1);

// The digit look: plain background, a grey dot every 12 pixels, the frame.
void MaakNummerSchoon(QImage& paneel);
// The picture look: the prize table (of the panel's ratio) with the frame over it.
void MaakFruitScherm(QImage& paneel, const QImage& prijsTabel);
// A black border 10 pixels wide with a near-white line 3 pixels wide inside it.
void tekenKader(QImage& paneel);

// The font of the printed result: Arial (or its metric twin) 140 points, bold.
QFont nummerFont();
// Prints `tekst` with its black shadow at (x, -18) and in `kleur` at (x + 4, -14); the
// positions are the top of the text line.
void drukNummer(QImage& paneel, const QString& tekst, int x, const QColor& kleur);
// The font of a printed result of more than four characters: that of nummerFont(), made smaller
// until the text fits inside the frame with air on both sides.
QFont breedNummerFont(const QString& tekst);
// Prints such a result centred in breedNummerFont(), shadow and colour as drukNummer does, its
// digits on the same middle line as those of a shorter result.
void drukBreedNummer(QImage& paneel, const QString& tekst, const QColor& kleur);
