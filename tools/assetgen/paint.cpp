#include "paint.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

QImage leegPlaatje(int breedte, int hoogte) {
    QImage img(breedte, hoogte, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void zetKwaliteit(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

namespace {

// One horizontal and one vertical box-blur pass over premultiplied ARGB.
void kastVervaging(QImage& img, int r) {
    if (r < 1)
        return;
    const int w = img.width();
    const int h = img.height();
    std::vector<int> som(4);
    std::vector<QRgb> rij(static_cast<std::size_t>(std::max(w, h)));
    const int n = 2 * r + 1;
    auto pas = [&](auto lees, auto schrijf, int lengte) {
        for (int i = 0; i < lengte; ++i)
            rij[static_cast<std::size_t>(i)] = lees(i);
        int a = 0, rr = 0, g = 0, b = 0;
        auto neem = [&](int i) {
            return rij[static_cast<std::size_t>(std::clamp(i, 0, lengte - 1))];
        };
        for (int i = -r; i <= r; ++i) {
            const QRgb c = neem(i);
            a += qAlpha(c);
            rr += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        for (int i = 0; i < lengte; ++i) {
            schrijf(i, qRgba((rr + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n));
            const QRgb weg = neem(i - r);
            const QRgb bij = neem(i + r + 1);
            a += qAlpha(bij) - qAlpha(weg);
            rr += qRed(bij) - qRed(weg);
            g += qGreen(bij) - qGreen(weg);
            b += qBlue(bij) - qBlue(weg);
        }
    };
    for (int y = 0; y < h; ++y) {
        auto* lijn = reinterpret_cast<QRgb*>(img.scanLine(y));
        pas([&](int i) { return lijn[i]; }, [&](int i, QRgb c) { lijn[i] = c; }, w);
    }
    for (int x = 0; x < w; ++x) {
        pas([&](int i) { return reinterpret_cast<const QRgb*>(img.constScanLine(i))[x]; },
            [&](int i, QRgb c) { reinterpret_cast<QRgb*>(img.scanLine(i))[x] = c; }, h);
    }
}

} // namespace

void vervaag(QImage& img, int straal) {
    if (img.format() != QImage::Format_ARGB32_Premultiplied)
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int r = std::max(1, straal / 2);
    for (int i = 0; i < 3; ++i)
        kastVervaging(img, r);
}

void omlijn(QPainter& p, const QPainterPath& pad, const QColor& kleur, qreal breedte) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kleur, breedte, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pad);
    p.restore();
}

void zachteSchaduw(QPainter& p, const QPainterPath& pad, QPointF verschuiving, qreal vervaging,
                   int alfa) {
    // Render in device pixels so the blur radius does not depend on the painter's scale.
    const QTransform t = p.worldTransform();
    const QPainterPath inApparaat = t.map(pad.translated(verschuiving));
    const int marge = static_cast<int>(std::ceil(vervaging * 2 + 2));
    const QRect kader =
        inApparaat.boundingRect().toAlignedRect().adjusted(-marge, -marge, marge, marge);
    QImage laag = leegPlaatje(kader.width(), kader.height());
    {
        QPainter lp(&laag);
        zetKwaliteit(lp);
        lp.translate(-kader.topLeft());
        lp.fillPath(inApparaat, QColor(0, 0, 0, alfa));
    }
    vervaag(laag, static_cast<int>(std::round(vervaging)));
    p.save();
    p.resetTransform();
    p.drawImage(kader.topLeft(), laag);
    p.restore();
}

QFont vetLettertype(int pixels) {
    QFont f(QStringLiteral("Liberation Sans"));
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        f.setStyleHint(QFont::SansSerif);
    }
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

void bewaar(const QImage& img, const QString& pad, const char* formaat, int kwaliteit) {
    QDir().mkpath(QFileInfo(pad).absolutePath());
    if (!img.save(pad, formaat, kwaliteit)) {
        std::fprintf(stderr, "quintaro_assetgen: cannot write %s\n", qPrintable(pad));
        std::exit(1);
    }
}
