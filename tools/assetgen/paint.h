#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>

// Drawing helpers shared by the procedural pictures of quintaro_assetgen: the digit strip,
// the backgrounds and the contact sheet.

// A transparent ARGB picture of the given size, cleared.
QImage leegPlaatje(int breedte, int hoogte);

// A painter with antialiasing and smooth pixmap transforms switched on.
void zetKwaliteit(QPainter& p);

// Blurs an ARGB picture in place with three box passes (close to a Gaussian of about `straal`).
void vervaag(QImage& img, int straal);

// Strokes the outline of `pad` in `kleur` with round joins.
void omlijn(QPainter& p, const QPainterPath& pad, const QColor& kleur, qreal breedte);

// A soft shadow of `pad`, drawn under whatever is painted next: offset, blurred, `alfa` dark.
void zachteSchaduw(QPainter& p, const QPainterPath& pad, QPointF verschuiving, qreal vervaging,
                   int alfa);

// A font that is always there: Liberation Sans (Arial's metrics) or, failing that, the
// default sans-serif face, in bold at the given pixel size.
QFont vetLettertype(int pixels);

// Saves a picture and stops the program with a message when that fails.
void bewaar(const QImage& img, const QString& pad, const char* formaat = "PNG", int kwaliteit = -1);
