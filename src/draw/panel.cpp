#include "draw/panel.h"

#include "common/eenheden.h"
#include "common/schaal.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
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

namespace {

// Black at `basis` (the start of the baseline), the colour 4 pixels right of it and below it.
void drukMetSchaduw(QImage& paneel, const QFont& font, QPointF basis, const QString& tekst,
                    const QColor& kleur) {
    QPainter p(&paneel);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0));
    p.drawText(basis, tekst);
    p.setPen(kleur);
    p.drawText(basis + QPointF(4, 4), tekst);
}

} // namespace

void drukNummer(QImage& paneel, const QString& tekst, int x, const QColor& kleur) {
    const QFont font = nummerFont();
    drukMetSchaduw(paneel, font, QPointF(x, -18 + QFontMetricsF(font).ascent()), tekst, kleur);
}

QFont breedNummerFont(const QString& tekst) {
    QFont font = nummerFont();
    // Inside the frame with air on both sides, the shadow's 4 pixels included.
    constexpr qreal ruimte = kPaneelBreedte - 2 * 24 - 4;
    const qreal breedte = QFontMetricsF(font).horizontalAdvance(tekst);
    if (breedte <= ruimte)
        return font;
    int pixels = static_cast<int>(std::floor(font.pixelSize() * ruimte / breedte));
    font.setPixelSize(std::max(pixels, 1));
    // Rounded metrics may still be a pixel too wide.
    while (pixels > 1 && QFontMetricsF(font).horizontalAdvance(tekst) > ruimte)
        font.setPixelSize(--pixels);
    return font;
}

void drukBreedNummer(QImage& paneel, const QString& tekst, const QColor& kleur) {
    const QFontMetricsF groot(nummerFont());
    // The middle of the digits as drukNummer sets them.
    const qreal midden = -18 + groot.ascent() - groot.capHeight() / 2;
    const QFont font = breedNummerFont(tekst);
    const QFontMetricsF maat(font);
    const qreal x = (kPaneelBreedte - 4 - maat.horizontalAdvance(tekst)) / 2;
    drukMetSchaduw(paneel, font, QPointF(std::round(x), std::round(midden + maat.capHeight() / 2)),
                   tekst, kleur);
}
