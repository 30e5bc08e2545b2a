#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

// The hand-drawn pictures: SVG files under assets/art, rendered with Qt SVG. A drawing keeps
// to what Qt SVG draws (its Tiny 1.2 profile): paths and the basic shapes, strokes, solid
// colours, linear and radial gradients, groups, transforms and `use`. Filters (blur), masks,
// clip paths, patterns, text and embedded bitmaps it would leave out or draw wrongly, so a
// drawing that has them is refused.

// The faults of the drawing at `pad`: unreadable, not well-formed XML, no viewBox, an element
// or property that Qt SVG does not draw. Empty when the drawing is fine.
QStringList svgFouten(const QString& pad);

// Renders the drawing at `pad` so that its viewBox fills `vak`.
void tekenSvg(QPainter& p, const QString& pad, const QRectF& vak);

// The drawing at `pad` as a transparent picture of the given size.
QImage svgPlaatje(const QString& pad, QSize maat);
