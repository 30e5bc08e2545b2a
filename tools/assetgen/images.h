#pragma once

#include <QImage>
#include <QString>

// The pictures compiled into the program.

constexpr int kStripBreedte = 150;
constexpr int kStripHoogte = 2423;
constexpr int kCelHoogte = 202;
constexpr int kCellen = 12;

QImage cijferStrip();  // 150 x 2423, lavender (201, 201, 239), red digits 0-9, 0, 1
QImage fruitStrip();   // 150 x 2423, mint green, the ten fruits, then tomato and apple
QImage prijzenTabel(); // 536 x 180 on (174, 174, 174)

enum class Knop { Help, Software, GeluidAan, GeluidUit, Instellingen, Exit };
QImage knopPlaatje(Knop k);               // 48 x 48 with alpha
QImage pijlPlaatje(bool wijstNaarRechts); // 72 x 72 with alpha
QImage programmaIcoon(int maat);          // square window icon (32 or 256)

// Writes every picture as PNG into `map`, and the fruit pictures of the help document
// (fruit_0.png ... fruit_9.png) into `docMap`.
void maakPlaatjes(const QString& map, const QString& docMap);
