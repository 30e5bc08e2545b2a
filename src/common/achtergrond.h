#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Reads a background picture (JPEG, GIF, BMP, ...). A picture larger than the screen is
// decoded at screen size, since it is stretched to it anyway. A missing, unreadable or cut
// short file, or one whose header claims an absurd size, gives a null image.
QImage laadAchtergrond(const QString& pad, const QSize& scherm);

// `beeld` stretched smoothly over `maat` (logical pixels) at `schaal` device pixels per pixel,
// so that it is as sharp as the screen.
QPixmap uitgerekt(const QImage& beeld, const QSize& maat, double schaal);
