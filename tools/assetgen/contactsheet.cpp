#include "contactsheet.h"

#include "drawings.h"
#include "images.h"
#include "paint.h"

#include <QDir>
#include <QImage>

namespace {

const QColor kAchtergrond(80, 80, 100);

// A dark dotted field like the bottom panel's texture.
void stippelVeld(QImage& blad, const QRect& r) {
    QPainter p(&blad);
    p.fillRect(r, kAchtergrond);
    p.end();
    for (int x = r.left(); x <= r.right(); x += 3)
        for (int y = r.top(); y <= r.bottom(); y += 3)
            blad.setPixel(x, y, qRgb(20, 20, 50));
}

void onderschrift(QPainter& p, const QRect& r, const QString& tekst) {
    p.save();
    p.setFont(vetLettertype(12));
    p.setPen(QColor(220, 220, 235));
    p.drawText(r, Qt::AlignHCenter | Qt::AlignTop, tekst);
    p.restore();
}

} // namespace

bool maakContactBlad(const QString& kunst, const QString& plaatjes, const QString& achtergronden,
                     const QString& uit) {
    QImage blad(1600, 1280, QImage::Format_RGB32);
    blad.fill(kAchtergrond);
    stippelVeld(blad, QRect(680, 200, 910, 260));
    QPainter p(&blad);
    zetKwaliteit(p);
    // The strips folded into two columns of six cells.
    const QImage strips[2] = {QImage(plaatjes + "/strip_digits.png"),
                              QImage(plaatjes + "/strip_fruits.png")};
    for (int s = 0; s < 2; ++s) {
        for (int k = 0; k < kCellen; ++k) {
            const QRect bron(0, k * kCelHoogte, kStripBreedte, k == 11 ? 201 : kCelHoogte);
            p.drawImage(QPoint(10 + s * 330 + (k / 6) * 160, 10 + (k % 6) * 206),
                        strips[s].copy(bron));
        }
    }
    p.drawImage(QPoint(680, 10), QImage(plaatjes + "/prizetable.png"));
    // The buttons on the panel's texture, at their size and three times larger, drawn
    // afresh from the drawing at that size.
    int x = 690;
    const QList<Plaatje> losse = lossePlaatjes();
    for (int i = 0; i < 6; ++i) {
        const Plaatje& knop = losse[i];
        p.drawImage(QPoint(x, 210), QImage(plaatjes + "/" + knop.bestand));
        tekenSvg(p, kunst + "/" + knop.tekening, QRectF(x - 10, 290, 144, 144));
        onderschrift(p, QRect(x - 15, 438, 154, 20), knop.tekening);
        x += 150;
    }
    // The prize-table glyphs at their size and enlarged.
    for (int c = 0; c < 10; ++c) {
        const QString tekening = kunst + "/" + prijsTekening(c);
        const int gx = 690 + c * 90;
        tekenSvg(p, tekening, QRectF(gx + 29, 474, 24, 24));
        tekenSvg(p, tekening, QRectF(gx + 5, 506, 72, 72));
        onderschrift(p, QRect(gx - 5, 582, 92, 20), prijsTekening(c).section('/', 1));
    }
    // Arrows and icons.
    p.drawImage(QPoint(690, 660), QImage(plaatjes + "/arrow_left.png"));
    p.drawImage(QPoint(780, 660), QImage(plaatjes + "/arrow_right.png"));
    p.drawImage(QPoint(870, 680), QImage(plaatjes + "/icon32.png"));
    tekenSvg(p, kunst + "/quintaro.svg", QRectF(875, 730, 16, 16));
    p.drawImage(QPoint(920, 640), QImage(plaatjes + "/icon256.png"));
    tekenSvg(p, kunst + "/quintaro.svg", QRectF(1200, 640, 128, 128));
    tekenSvg(p, kunst + "/quintaro.svg", QRectF(1350, 640, 64, 64));
    tekenSvg(p, kunst + "/quintaro.svg", QRectF(1430, 640, 48, 48));
    tekenSvg(p, kunst + "/quintaro.svg", QRectF(1490, 640, 24, 24));
    // The background pictures, reduced.
    const QStringList jpgs = QDir(achtergronden).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    for (int i = 0; i < jpgs.size(); ++i) {
        const QImage a = QImage(achtergronden + "/" + jpgs[i])
                             .scaled(300, 169, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(QPoint(680 + (i % 3) * 305, 920 + (i / 3) * 175), a);
    }
    p.end();
    return blad.save(uit);
}
