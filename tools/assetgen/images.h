#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The pictures compiled into the program. `kunst` is the folder of the drawings (assets/art);
// the digit strip is typeset from a font, everything else is made from the drawings. Every
// picture the window shows is also drawn at 2 and 3 times its size (`schaal`), for screens
// of those device pixel ratios: "exit@2x.png", "exit@3x.png".

constexpr int kStripBreedte = 150;
constexpr int kStripHoogte = 2423;
constexpr int kCelHoogte = 202;
constexpr int kCellen = 12;

// The drawing of the fruit that stands for digit value 0-9 on the picture rollers
// (fruit/<name>.svg), and its small, bolder glyph for the prize table (prijstabel/<name>.svg).
QString fruitTekening(int cijfer);
QString prijsTekening(int cijfer);

// Every drawing below `kunst` that maakPlaatjes uses, as paths relative to it.
QStringList tekeningen();

// The sizes are those at `schaal` 1; at 2 or 3 the same drawing has that many times the pixels.
// The strips: 150 x 2423, lavender with red digits 0-9, 0, 1, or mint green with the ten
// fruits and again the first two; the prize table 536 x 180 on (174, 174, 174).
QImage cijferStrip(int schaal = 1);
QImage fruitStrip(const QString& kunst, int schaal = 1);
QImage prijzenTabel(const QString& kunst, int schaal = 1);

// The window's pictures are drawn at every whole factor from 1 to this one.
inline constexpr int kGrootsteVariant = 3;
// `bestand` ("exit.png") at `schaal`: "exit@2x.png"; itself at 1.
QString variantNaam(const QString& bestand, int schaal);

// A drawing rendered as one of the program's pictures: toolbar buttons 48 x 48, start arrows
// 72 x 72, the window icon 32 and 256.
struct Plaatje {
    QString tekening; // below `kunst`
    QString bestand;  // the picture's file name in the program's resources
    int maat;
    bool inVenster = true; // shown in the window, so drawn at every factor (not the icons)
};
QList<Plaatje> lossePlaatjes();

// Checks every drawing, then writes every picture as PNG into `map`, those of the window at
// every factor up to kGrootsteVariant as well, and the fruit pictures of the help document
// (fruit_0.png ... fruit_9.png) into `docMap`. A faulty drawing is reported on stderr and nothing
// is written; returns whether all went well.
bool maakPlaatjes(const QString& kunst, const QString& map, const QString& docMap);

// Renders the icon drawing `svg` at each size n in `maten` as <map>/<n>x<n>/apps/<name>.png,
// <name> being the drawing's base name, for the desktop's icon theme. Returns success.
bool maakIconen(const QString& svg, const QString& map, const QList<int>& maten);
