#include "live/qrbeeld.h"

#include <QPainter>
#include <memory>
#include <qrencode.h>

QImage qrBeeld(const QString& tekst, int modulePixels) {
    const QByteArray utf8 = tekst.toUtf8();
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code || modulePixels < 1)
        return {};
    constexpr int kRand = 4;
    const int breedte = code->width;
    const int zijde = (breedte + 2 * kRand) * modulePixels;
    QImage beeld(zijde, zijde, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter p(&beeld);
    for (int y = 0; y < breedte; ++y) {
        for (int x = 0; x < breedte; ++x) {
            // Bit 0 of each module's byte: dark.
            if (code->data[y * breedte + x] & 1)
                p.fillRect((x + kRand) * modulePixels, (y + kRand) * modulePixels, modulePixels,
                           modulePixels, Qt::black);
        }
    }
    return beeld;
}
