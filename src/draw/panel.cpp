#include "draw/panel.h"

#include "common/eenheden.h"
#include "common/schaal.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

QImage nieuwNummerPaneel(double schaal) {
    QImage paneel(opSchaal(QSize(kPaneelBreedte, kPaneelHoogteNummer), schaal),
                  QImage::Format_RGB32);
    paneel.setDevicePixelRatio(schaal);
    paneel.fill(QColor(80, 80, 80));
    return paneel;
}

void tekenKader(QImage& paneel) {
    // In whole panel pixels: 536 at 4/3 are 715 device pixels, a little more than 536.
    const QSizeF maat = paneel.deviceIndependentSize().toSize();
    QPainter p(&paneel);
    // The ring between the insets `van` and `tot`, in whole panel pixels.
    auto ring = [&](int van, int tot, const QColor& kleur) {
        const QRectF buiten(QPointF(van, van), maat - QSizeF(2 * van, 2 * van));
        const qreal dikte = tot - van;
        p.fillRect(QRectF(buiten.left(), buiten.top(), buiten.width(), dikte), kleur);
        p.fillRect(QRectF(buiten.left(), buiten.bottom() - dikte, buiten.width(), dikte), kleur);
        p.fillRect(QRectF(buiten.left(), buiten.top(), dikte, buiten.height()), kleur);
        p.fillRect(QRectF(buiten.right() - dikte, buiten.top(), dikte, buiten.height()), kleur);
    };
    ring(0, 10, QColor(0, 0, 0));
    ring(3, 6, QColor(250, 250, 250));
}

void MaakNummerSchoon(QImage& paneel) {
    paneel.fill(QColor(80, 80, 80));
    {
        // One panel pixel each: a square of device pixels on a larger ratio.
        QPainter p(&paneel);
        const QColor stip(150, 150, 150);
        for (int x = 3; x <= 523; x += 12) {
            for (int y = 3; y <= 169; y += 12)
                p.fillRect(QRectF(x, y, 1, 1), stip);
        }
    }
    tekenKader(paneel);
}

void MaakFruitScherm(QImage& paneel, const QImage& prijsTabel) {
    paneel.fill(QColor(80, 80, 80));
    {
        QPainter p(&paneel);
        p.drawImage(0, 0, prijsTabel);
    }
    tekenKader(paneel);
}

QFont nummerFont() {
    return arial(140, true);
}

void drukNummer(QImage& paneel, const QString& tekst, int x, const QColor& kleur) {
    QPainter p(&paneel);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = nummerFont();
    p.setFont(font);
    const qreal ascent = QFontMetricsF(font).ascent();
    p.setPen(QColor(0, 0, 0));
    p.drawText(QPointF(x, -18 + ascent), tekst);
    p.setPen(kleur);
    p.drawText(QPointF(x + 4, -14 + ascent), tekst);
}
