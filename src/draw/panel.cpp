#include "draw/panel.h"

#include "common/eenheden.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

QImage nieuwNummerPaneel() {
    QImage paneel(kPaneelBreedte, kPaneelHoogteNummer, QImage::Format_RGB32);
    paneel.fill(QColor(80, 80, 80));
    return paneel;
}

void tekenKader(QImage& paneel) {
    const int w = paneel.width();
    const int h = paneel.height();
    QPainter p(&paneel);
    p.setBrush(Qt::NoBrush);
    auto omlijn = [&](int i, const QColor& kleur) {
        p.setPen(QPen(kleur, 0));
        // Outline through the corner pixels (i, i) and (w - i - 1, h - i - 1); a stroked
        // rectangle covers one pixel more than its size.
        p.drawRect(QRect(i, i, w - 2 * i - 1, h - 2 * i - 1));
    };
    for (int i = 0; i <= 9; ++i)
        omlijn(i, QColor(0, 0, 0));
    for (int i = 3; i <= 5; ++i)
        omlijn(i, QColor(250, 250, 250));
}

void MaakNummerSchoon(QImage& paneel) {
    paneel.fill(QColor(80, 80, 80));
    const QRgb stip = qRgb(150, 150, 150);
    for (int x = 3; x <= 523; x += 12) {
        for (int y = 3; y <= 169; y += 12) {
            if (paneel.valid(x, y))
                paneel.setPixel(x, y, stip);
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
