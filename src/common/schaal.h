#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// The scale factor of the window. The layout is drawn for landscape screens from 1024 x 768 up
// to 1200 pixels high, in pixels at 96 dots per inch; on a taller screen everything grows by
// one factor, so the window keeps its composition: positions, sizes and fonts in logical
// pixels, pictures drawn at the device's resolution (the factor is the screen's device pixel
// ratio).

// Screens up to this many pixels high keep their exact pixel layout.
inline constexpr int kSchaalGrens = 1200;
// Above it the factor is the screen's height divided by this one...
inline constexpr int kOntwerpHoogte = 1080;
// ...unless the screen is too narrow for that (a screen on its side): the layout needs this
// many logical pixels across.
inline constexpr int kKleinsteBreedte = 1024;
// The factors --schaal accepts.
inline constexpr double kKleinsteSchaal = 0.5;
inline constexpr double kGrootsteSchaal = 8.0;

// The factor for a screen of `pixels` physical pixels whose desktop already scales by
// `bureaublad` (its device pixel ratio before the program sets one): `geforceerd` when given;
// otherwise the desktop's own when it scales (it is not scaled twice); otherwise one that
// fits the layout in both directions: 1 up to kSchaalGrens pixels high, the height divided by
// kOntwerpHoogte above that but never so much that fewer than kKleinsteBreedte pixels remain
// across (and never below 1).
double kiesSchaal(const QSize& pixels, double bureaublad, std::optional<double> geforceerd = {});

// The value of --schaal: a number from kKleinsteSchaal to kGrootsteSchaal, with a decimal
// point or comma ("1.5", "1,5"); nothing for anything else.
std::optional<double> leesSchaal(const QString& tekst);

// `logisch` in device pixels at `schaal`, rounded.
QSize opSchaal(const QSize& logisch, double schaal);

// A picture of the program's resources (`bron`, such as ":/images/exit.png") for a device
// pixel ratio of `schaal`: the variant drawn for the next whole factor ("exit@2x.png",
// "exit@3x.png"; the largest there is above that), scaled smoothly when `schaal` is not whole,
// and carrying `schaal` as its device pixel ratio, so it is drawn at its logical size with one
// picture pixel on every device pixel. Null when `bron` cannot be read.
QImage laadOpSchaal(const QString& bron, double schaal);
