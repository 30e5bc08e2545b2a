#include "draw/panel.h"

#include <QFontDatabase>
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

int puntenNaarPixels(double punten) {
    return static_cast<int>(std::lround(punten * 96.0 / 72.0));
}

QFont arial(double punten, bool vet) {
    QFont f;
    const QStringList families = QFontDatabase::families();
    if (families.contains(QStringLiteral("Arial")))
        f.setFamily(QStringLiteral("Arial"));
    else
        f.setFamily(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(puntenNaarPixels(punten));
    f.setBold(vet);
    return f;
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

QImage knopPaneelTekening(int breedte, int hoogte, const QRect& lijstKader) {
    QImage beeld(std::max(breedte, 1), std::max(hoogte, 1), QImage::Format_RGB32);
    beeld.fill(QColor(80, 80, 100));
    const QRgb stip = qRgb(20, 20, 50);
    for (int x = 0; x < beeld.width(); x += 3) {
        for (int y = 10; y <= 79 && y < beeld.height(); y += 3)
            beeld.setPixel(x, y, stip);
    }
    QPainter p(&beeld);
    p.fillRect(lijstKader, QColor(20, 20, 40));
    p.setPen(QPen(QColor(170, 170, 170), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(lijstKader.adjusted(0, 0, -1, -1));
    return beeld;
}
