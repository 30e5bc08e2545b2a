#pragma once

#include <QImage>
#include <QString>

// The QR code of `tekst` (error correction level M) as a black-on-white picture with the
// quiet zone of four modules around it, `modulePixels` pixels per module; a null image when
// the text does not fit a QR code. Made by libqrencode.
QImage qrBeeld(const QString& tekst, int modulePixels);
