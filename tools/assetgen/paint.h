#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cmath>

// Drawing helpers shared by the pictures of quintaro_assetgen.

// A transparent ARGB picture of the given size, cleared.
QImage leegPlaatje(int breedte, int hoogte);

// A painter with antialiasing and smooth pixmap transforms switched on.
void zetKwaliteit(QPainter& p);

// Blurs an ARGB picture in place with three box passes (close to a Gaussian of about `straal`).
void vervaag(QImage& img, int straal);

// Fills `pad` with a radial gradient whose light spot sits at `licht` (in the path's
// coordinates), from `helder` over `midden` to `donker` at the far edge.
void vulBol(QPainter& p, const QPainterPath& pad, QPointF licht, const QColor& helder,
            const QColor& midden, const QColor& donker);

// Strokes the outline of `pad` in `kleur` with round joins.
void omlijn(QPainter& p, const QPainterPath& pad, const QColor& kleur, qreal breedte);

// A white, fading highlight ellipse clipped to `pad`.
void glans(QPainter& p, const QPainterPath& pad, const QRectF& ovaal, int alfa = 150);

// A soft shadow of `pad`, drawn under whatever is painted next: offset, blurred, `alfa` dark.
void zachteSchaduw(QPainter& p, const QPainterPath& pad, QPointF verschuiving, qreal vervaging,
                   int alfa);

// A leaf from `voet` to `punt`, `breedte` wide at its middle, with a vein.
QPainterPath bladPad(QPointF voet, QPointF punt, qreal breedte);
void tekenBlad(QPainter& p, QPointF voet, QPointF punt, qreal breedte, qreal lijn);

// A closed smooth shape through points on a polar curve r(t) around `midden`.
template <typename F> QPainterPath polairPad(QPointF midden, F straal, int stappen = 180) {
    QPainterPath pad;
    for (int i = 0; i <= stappen; ++i) {
        const qreal t = 2.0 * M_PI * i / stappen;
        const QPointF r = straal(t);
        const QPointF punt(midden.x() + r.x(), midden.y() + r.y());
        if (i == 0)
            pad.moveTo(punt);
        else
            pad.lineTo(punt);
    }
    pad.closeSubpath();
    return pad;
}

// A font that is always there: Liberation Sans (Arial's metrics) or, failing that, the
// default sans-serif face, in bold at the given pixel size.
QFont vetLettertype(int pixels);

// Saves a picture and stops the program with a message when that fails.
void bewaar(const QImage& img, const QString& pad, const char* formaat = "PNG", int kwaliteit = -1);
