#include "backgrounds.h"

#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <future>
#include <random>
#include <vector>

namespace {

using Rng = std::mt19937;

qreal willekeurig(Rng& rng, qreal van, qreal tot) {
    return std::uniform_real_distribution<qreal>(van, tot)(rng);
}

// Darkens the edges so the eye stays in the middle.
void vignet(QPainter& p, const QSize& s, int alfa) {
    QRadialGradient g(QPointF(s.width() / 2.0, s.height() * 0.45),
                      std::hypot(s.width(), s.height()) * 0.58);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, alfa / 4));
    g.setColorAt(1.0, QColor(0, 0, 0, alfa));
    p.fillRect(QRect(QPoint(0, 0), s), g);
}

// Fine grain against banding in the dark gradients once they are JPEG-compressed.
void korrel(QImage& img, int sterkte, unsigned zaad) {
    Rng rng(zaad);
    std::uniform_int_distribution<int> d(-sterkte, sterkte);
    for (int y = 0; y < img.height(); ++y) {
        auto* lijn = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = d(rng);
            const QRgb c = lijn[x];
            lijn[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
}

void zachteVlek(QPainter& p, QPointF m, qreal r, QColor kleur) {
    QRadialGradient g(m, r);
    g.setColorAt(0.0, kleur);
    QColor rand = kleur;
    rand.setAlpha(0);
    g.setColorAt(1.0, rand);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(m, r, r);
}

// Bokeh: out-of-focus lights, soft discs with a faint bright rim.
void bokeh(QPainter& p, const QSize& s, Rng& rng, const std::vector<QColor>& kleuren, int aantal) {
    for (int i = 0; i < aantal; ++i) {
        const QPointF m(willekeurig(rng, 0, s.width()), willekeurig(rng, 0, s.height()));
        const qreal r = willekeurig(rng, 18, 120) * s.width() / 1920.0;
        QColor k = kleuren[static_cast<std::size_t>(i) % kleuren.size()];
        const int alfa = static_cast<int>(willekeurig(rng, 8, 26));
        QRadialGradient g(m, r);
        k.setAlpha(alfa);
        g.setColorAt(0.0, k);
        g.setColorAt(0.82, k);
        k.setAlpha(std::min(255, alfa + 20));
        g.setColorAt(0.92, k);
        k.setAlpha(0);
        g.setColorAt(1.0, k);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(m, r, r);
    }
}

void sterren(QPainter& p, const QSize& s, Rng& rng, int aantal, qreal maxHoogte) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < aantal; ++i) {
        const QPointF m(willekeurig(rng, 0, s.width()),
                        std::pow(willekeurig(rng, 0, 1), 1.4) * maxHoogte);
        const qreal helder = willekeurig(rng, 0, 1);
        const int alfa = static_cast<int>(60 + 170 * helder * helder);
        const qreal r = 0.6 + 1.3 * helder * helder;
        p.setBrush(QColor(235, 235, 255, alfa));
        p.drawEllipse(m, r, r);
        if (helder > 0.93)
            zachteVlek(p, m, r * 7, QColor(200, 210, 255, 60));
    }
}

QImage nachtblauw(const QSize& s) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    zetKwaliteit(p);
    QRadialGradient g(QPointF(s.width() * 0.5, s.height() * 0.3), s.width() * 0.8);
    g.setColorAt(0.0, QColor(34, 48, 100));
    g.setColorAt(0.5, QColor(16, 22, 56));
    g.setColorAt(1.0, QColor(6, 8, 22));
    p.fillRect(img.rect(), g);
    Rng rng(101);
    bokeh(p, s, rng, {QColor(90, 130, 255), QColor(150, 100, 255), QColor(60, 200, 230)}, 55);
    vignet(p, s, 170);
    p.end();
    korrel(img, 2, 1);
    return img;
}

QImage noorderlicht(const QSize& s) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    zetKwaliteit(p);
    QLinearGradient lucht(QPointF(0, 0), QPointF(0, s.height()));
    lucht.setColorAt(0.0, QColor(4, 10, 22));
    lucht.setColorAt(0.6, QColor(8, 24, 38));
    lucht.setColorAt(1.0, QColor(4, 12, 18));
    p.fillRect(img.rect(), lucht);
    Rng rng(202);
    sterren(p, s, rng, 500, s.height() * 0.9);
    // Aurora curtains: wavy bands with a vertical fade, drawn as many thin vertical strokes.
    const qreal w = s.width();
    for (int band = 0; band < 3; ++band) {
        const qreal basis = s.height() * (0.28 + 0.12 * band);
        const qreal fase = willekeurig(rng, 0, 6.28);
        const QColor kleur = band == 1 ? QColor(120, 90, 220) : QColor(60, 220, 150);
        for (int x = 0; x < s.width(); x += 3) {
            const qreal t = x / w;
            const qreal y = basis + std::sin(t * 5.0 + fase) * s.height() * 0.07 +
                            std::sin(t * 13 + fase * 2) * 18;
            const qreal h = s.height() * (0.18 + 0.08 * std::sin(t * 7 + fase));
            const qreal sterkte = 0.5 + 0.5 * std::sin(t * 3.1 + fase * 1.7);
            QLinearGradient g(QPointF(x, y - h), QPointF(x, y + 20));
            QColor k = kleur;
            k.setAlpha(0);
            g.setColorAt(0.0, k);
            k.setAlpha(static_cast<int>(10 + 22 * sterkte));
            g.setColorAt(0.85, k);
            k.setAlpha(0);
            g.setColorAt(1.0, k);
            p.fillRect(QRectF(x, y - h, 3, h + 20), g);
        }
    }
    // Dark hills at the bottom.
    QPainterPath heuvels;
    heuvels.moveTo(0, s.height());
    for (int x = 0; x <= s.width(); x += 8) {
        const qreal t = x / w;
        heuvels.lineTo(x, s.height() *
                              (0.86 - 0.04 * std::sin(t * 4.2 + 1) - 0.02 * std::sin(t * 11)));
    }
    heuvels.lineTo(s.width(), s.height());
    heuvels.closeSubpath();
    p.fillPath(heuvels, QColor(2, 6, 10));
    vignet(p, s, 140);
    p.end();
    korrel(img, 2, 2);
    return img;
}

QImage vilt(const QSize& s) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    zetKwaliteit(p);
    QRadialGradient g(QPointF(s.width() * 0.5, s.height() * 0.42), s.width() * 0.7);
    g.setColorAt(0.0, QColor(22, 92, 58));
    g.setColorAt(0.6, QColor(10, 58, 36));
    g.setColorAt(1.0, QColor(4, 26, 16));
    p.fillRect(img.rect(), g);
    // A gold double line around the table, well inside the edges.
    const qreal marge = s.height() * 0.045;
    QRectF rand(marge, marge, s.width() - 2 * marge, s.height() - 2 * marge);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 160, 70, 110), 3));
    p.drawRoundedRect(rand, 40, 40);
    p.setPen(QPen(QColor(200, 160, 70, 60), 1.5));
    p.drawRoundedRect(rand.adjusted(12, 12, -12, -12), 30, 30);
    // Faint card suits in the corners.
    const QString suits = QString::fromUtf8("\u2660\u2665\u2666\u2663");
    QFont f = vetLettertype(s.height() / 9);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255, 16));
    const qreal d = marge + s.height() * 0.05;
    p.drawText(QRectF(d, d, 200, 200), Qt::AlignLeft | Qt::AlignTop, suits.mid(0, 1));
    p.drawText(QRectF(s.width() - d - 200, d, 200, 200), Qt::AlignRight | Qt::AlignTop,
               suits.mid(1, 1));
    p.drawText(QRectF(d, s.height() - d - 200, 200, 200), Qt::AlignLeft | Qt::AlignBottom,
               suits.mid(2, 1));
    p.drawText(QRectF(s.width() - d - 200, s.height() - d - 200, 200, 200),
               Qt::AlignRight | Qt::AlignBottom, suits.mid(3, 1));
    vignet(p, s, 150);
    p.end();
    korrel(img, 5, 3); // felt
    return img;
}

QImage artDeco(const QSize& s) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    zetKwaliteit(p);
    QRadialGradient g(QPointF(s.width() * 0.5, s.height() * 0.4), s.width() * 0.75);
    g.setColorAt(0.0, QColor(70, 18, 36));
    g.setColorAt(0.6, QColor(40, 8, 22));
    g.setColorAt(1.0, QColor(16, 2, 8));
    p.fillRect(img.rect(), g);
    // Fans in staggered rows.
    const qreal r = s.width() / 16.0;
    p.setBrush(Qt::NoBrush);
    for (int rij = 0; rij * r * 0.5 < s.height() + r; ++rij) {
        for (int kol = -1; kol * r * 2 < s.width() + 2 * r; ++kol) {
            const QPointF m(kol * r * 2 + ((rij % 2) ? r : 0), rij * r * 0.5 + r);
            for (int ring = 1; ring <= 4; ++ring) {
                p.setPen(QPen(QColor(230, 180, 90, ring == 4 ? 40 : 18), ring == 4 ? 2.0 : 1.2));
                const qreal rr = r * ring / 4.0;
                p.drawArc(QRectF(m.x() - rr, m.y() - rr, 2 * rr, 2 * rr), 0, 180 * 16);
            }
        }
    }
    vignet(p, s, 180);
    p.end();
    korrel(img, 2, 4);
    return img;
}

QImage golven(const QSize& s) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    zetKwaliteit(p);
    QLinearGradient g(QPointF(0, 0), QPointF(s.width(), s.height()));
    g.setColorAt(0.0, QColor(24, 16, 56));
    g.setColorAt(0.5, QColor(14, 24, 60));
    g.setColorAt(1.0, QColor(6, 30, 46));
    p.fillRect(img.rect(), g);
    Rng rng(505);
    const qreal w = s.width();
    p.setBrush(Qt::NoBrush);
    for (int bundel = 0; bundel < 2; ++bundel) {
        const qreal basis = s.height() * (bundel == 0 ? 0.22 : 0.78);
        const QColor k = bundel == 0 ? QColor(160, 150, 255) : QColor(90, 220, 240);
        const qreal fase = willekeurig(rng, 0, 6.28);
        for (int i = 0; i < 40; ++i) {
            QPainterPath lijn;
            for (int x = -10; x <= s.width() + 10; x += 10) {
                const qreal t = x / w;
                const qreal y =
                    basis + std::sin(t * 4.0 + fase + i * 0.045) * s.height() * (0.08 + i * 0.002) +
                    std::sin(t * 9.0 + i * 0.09) * 14 + (i - 20) * 3.0;
                if (x == -10)
                    lijn.moveTo(x, y);
                else
                    lijn.lineTo(x, y);
            }
            QColor kk = k;
            if (i == 20) {
                // A soft glow along the middle of the bundle.
                for (const auto& [breedte, alfa] :
                     {std::pair{90.0, 5}, std::pair{40.0, 8}, std::pair{14.0, 12}}) {
                    kk.setAlpha(alfa);
                    p.setPen(QPen(kk, breedte, Qt::SolidLine, Qt::RoundCap));
                    p.drawPath(lijn);
                }
            }
            kk.setAlpha(10 + (i % 5 == 0 ? 26 : 10));
            p.setPen(QPen(kk, 1.4));
            p.drawPath(lijn);
        }
    }
    zachteVlek(p, QPointF(s.width() * 0.5, s.height() * 0.45), s.width() * 0.35,
               QColor(80, 70, 160, 40));
    vignet(p, s, 160);
    p.end();
    korrel(img, 2, 5);
    return img;
}

QImage sterrenhemel(const QSize& s) {
    QImage img(s, QImage::Format_RGB32);
    QPainter p(&img);
    zetKwaliteit(p);
    QLinearGradient g(QPointF(0, 0), QPointF(0, s.height()));
    g.setColorAt(0.0, QColor(4, 4, 18));
    g.setColorAt(0.55, QColor(22, 14, 48));
    g.setColorAt(1.0, QColor(46, 20, 60));
    p.fillRect(img.rect(), g);
    Rng rng(606);
    // A milky way: a diagonal band of soft clouds.
    for (int i = 0; i < 160; ++i) {
        const qreal t = willekeurig(rng, -0.1, 1.1);
        const QPointF m(t * s.width(), s.height() * (0.85 - 0.7 * t) + willekeurig(rng, -90, 90));
        const QColor k = (i % 3 == 0) ? QColor(180, 140, 255, 10) : QColor(140, 170, 255, 9);
        zachteVlek(p, m, willekeurig(rng, 60, 200), k);
    }
    sterren(p, s, rng, 1400, s.height());
    vignet(p, s, 150);
    p.end();
    korrel(img, 2, 6);
    return img;
}

} // namespace

QImage achtergrond(int n, int breedte, int hoogte) {
    const QSize s(breedte, hoogte);
    switch (n) {
    case 1:
        return nachtblauw(s);
    case 2:
        return noorderlicht(s);
    case 3:
        return vilt(s);
    case 4:
        return artDeco(s);
    case 5:
        return golven(s);
    default:
        return sterrenhemel(s);
    }
}

void maakAchtergronden(const QString& map) {
    std::vector<std::future<void>> taken;
    for (int n = 1; n <= kAantalAchtergronden; ++n) {
        taken.push_back(std::async(std::launch::async, [n, map] {
            bewaar(achtergrond(n),
                   QStringLiteral("%1/Wallpaper-%2.jpg").arg(map).arg(n, 2, 10, QChar('0')), "JPG",
                   90);
        }));
    }
    for (auto& t : taken)
        t.get();
}
