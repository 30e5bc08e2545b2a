#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reads a background picture (JPEG, GIF, BMP, ...). A picture larger than the screen is
// decoded at screen size, since it is stretched to it anyway. A missing, unreadable or cut
// short file, or one whose header claims an absurd size, gives a null image.
QImage laadAchtergrond(const QString& pad, const QSize& scherm);
