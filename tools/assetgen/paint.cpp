#include "paint.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QRadialGradient>
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

void vulBol(QPainter& p, const QPainterPath& pad, QPointF licht, const QColor& helder,
            const QColor& midden, const QColor& donker) {
    const QRectF r = pad.boundingRect();
    const qreal dx = std::max(std::abs(licht.x() - r.left()), std::abs(r.right() - licht.x()));
    const qreal dy = std::max(std::abs(licht.y() - r.top()), std::abs(r.bottom() - licht.y()));
    QRadialGradient grad(licht, std::hypot(dx, dy) * 0.95);
    grad.setColorAt(0.0, helder);
    grad.setColorAt(0.45, midden);
    grad.setColorAt(1.0, donker);
    p.fillPath(pad, grad);
}

void omlijn(QPainter& p, const QPainterPath& pad, const QColor& kleur, qreal breedte) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kleur, breedte, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pad);
    p.restore();
}

void glans(QPainter& p, const QPainterPath& pad, const QRectF& ovaal, int alfa) {
    p.save();
    p.setClipPath(pad, Qt::IntersectClip);
    QRadialGradient grad(ovaal.center(), std::max(ovaal.width(), ovaal.height()) / 2);
    grad.setColorAt(0.0, QColor(255, 255, 255, alfa));
    grad.setColorAt(0.6, QColor(255, 255, 255, alfa / 3));
    grad.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(grad);
    p.translate(ovaal.center());
    p.scale(1.0, ovaal.height() / std::max(1.0, ovaal.width()));
    p.translate(-ovaal.center());
    const qreal rad = ovaal.width() / 2;
    p.drawEllipse(ovaal.center(), rad, rad);
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

QPainterPath bladPad(QPointF voet, QPointF punt, qreal breedte) {
    const QPointF d = punt - voet;
    const qreal lengte = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / lengte, d.x() / lengte);
    const QPointF m = voet + d * 0.45;
    QPainterPath pad;
    pad.moveTo(voet);
    pad.cubicTo(m + n * breedte * 1.1, punt - d * 0.15 + n * breedte * 0.35, punt);
    pad.cubicTo(punt - d * 0.15 - n * breedte * 0.35, m - n * breedte * 1.1, voet);
    pad.closeSubpath();
    return pad;
}

void tekenBlad(QPainter& p, QPointF voet, QPointF punt, qreal breedte, qreal lijn) {
    const QPainterPath blad = bladPad(voet, punt, breedte);
    QLinearGradient grad(voet, punt);
    grad.setColorAt(0.0, QColor(46, 140, 40));
    grad.setColorAt(0.5, QColor(98, 196, 62));
    grad.setColorAt(1.0, QColor(60, 160, 46));
    p.fillPath(blad, grad);
    p.save();
    p.setClipPath(blad);
    p.setPen(QPen(QColor(30, 90, 26, 200), lijn * 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(voet, voet + (punt - voet) * 0.9);
    p.restore();
    omlijn(p, blad, QColor(22, 70, 20), lijn);
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
