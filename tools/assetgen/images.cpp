#include "images.h"

#include "drawings.h"
#include "paint.h"

#include <QFileInfo>
#include <QLinearGradient>
#include <cmath>
#include <cstdio>

namespace {

const QColor kLavendel(201, 201, 239);
const QColor kMunt(184, 232, 200);
const QColor kTabelGrijs(174, 174, 174);

// The fruit of each digit value 0-9 on the picture rollers.
constexpr const char* kFruit[10] = {"tomaat", "appel",   "mango",  "banaan", "kersen",
                                    "kiwi",   "citroen", "perzik", "peer",   "aardbei"};

int fruitIndex(int cijfer) {
    return ((cijfer % 10) + 10) % 10;
}

// A strip cell: the background, a thin seam at the top and the bottom edge, the symbol; at
// `schaal` times the size, the painter scaled to it.
template <typename Teken> QImage cel(const QColor& achtergrond, int schaal, Teken teken) {
    QImage img(kStripBreedte * schaal, kCelHoogte * schaal, QImage::Format_RGB32);
    img.fill(achtergrond);
    QPainter p(&img);
    zetKwaliteit(p);
    p.scale(schaal, schaal);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(0, 0, kStripBreedte, 1), achtergrond.darker(112));
    p.fillRect(QRect(0, kCelHoogte - 1, kStripBreedte, 1), achtergrond.lighter(106));
    teken(p);
    return img;
}

QImage strip(const QImage (&cellen)[10], int schaal) {
    QImage img(kStripBreedte * schaal, kStripHoogte * schaal, QImage::Format_RGB32);
    QPainter p(&img);
    for (int k = 0; k < kCellen; ++k)
        p.drawImage(0, k * kCelHoogte * schaal, cellen[k % 10]);
    return img;
}

void tekenCijfer(QPainter& p, int cijfer, int schaal) {
    QPainterPath pad;
    pad.addText(0, 0, vetLettertype(208), QString::number(cijfer));
    const QRectF r = pad.boundingRect();
    pad.translate(kStripBreedte / 2.0 - r.center().x(), kCelHoogte / 2.0 - r.center().y());
    const QRectF kader = pad.boundingRect();

    // The shadow is blurred in device pixels: its blur grows with the picture.
    zachteSchaduw(p, pad, QPointF(5, 6), 5 * schaal, 150);
    // Hard dark shadow right under the digit for contrast on the lavender.
    QPainterPath harde = pad.translated(3, 3);
    p.fillPath(harde, QColor(60, 0, 10));

    QLinearGradient rood(kader.topLeft(), kader.bottomLeft());
    rood.setColorAt(0.0, QColor(255, 96, 80));
    rood.setColorAt(0.45, QColor(228, 16, 24));
    rood.setColorAt(1.0, QColor(150, 0, 16));
    p.fillPath(pad, rood);
    // Gloss over the upper part of the digit.
    p.save();
    p.setClipPath(pad);
    QLinearGradient glim(kader.topLeft(), QPointF(kader.left(), kader.center().y()));
    glim.setColorAt(0.0, QColor(255, 255, 255, 120));
    glim.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(kader.left(), kader.top(), kader.width(), kader.height() * 0.5), glim);
    p.restore();
    omlijn(p, pad, QColor(90, 0, 12), 2.5);
}

} // namespace

QImage cijferStrip(int schaal) {
    QImage cellen[10];
    for (int c = 0; c < 10; ++c)
        cellen[c] = cel(kLavendel, schaal, [c, schaal](QPainter& p) { tekenCijfer(p, c, schaal); });
    return strip(cellen, schaal);
}

QString variantNaam(const QString& bestand, int schaal) {
    if (schaal == 1)
        return bestand;
    const qsizetype punt = bestand.lastIndexOf(u'.');
    return bestand.left(punt) + QStringLiteral("@%1x").arg(schaal) + bestand.mid(punt);
}

QString fruitTekening(int cijfer) {
    return QStringLiteral("fruit/%1.svg").arg(QLatin1String(kFruit[fruitIndex(cijfer)]));
}

QString prijsTekening(int cijfer) {
    return QStringLiteral("prijstabel/%1.svg").arg(QLatin1String(kFruit[fruitIndex(cijfer)]));
}

QList<Plaatje> lossePlaatjes() {
    return {
        {"knop_help.svg", "knop_help.png", 48},
        {"knop_software.svg", "knop_software.png", 48},
        {"sound_on.svg", "sound_on.png", 48},
        {"sound_off.svg", "sound_off.png", 48},
        {"knop_settings.svg", "knop_settings.png", 48},
        {"exit.svg", "exit.png", 48},
        {"arrow_left.svg", "arrow_left.png", 72},
        {"arrow_right.svg", "arrow_right.png", 72},
        {"quintaro.svg", "icon32.png", 32, false},
        {"quintaro.svg", "icon256.png", 256, false},
    };
}

QStringList tekeningen() {
    QStringList namen;
    for (int c = 0; c < 10; ++c)
        namen << fruitTekening(c) << prijsTekening(c);
    for (const Plaatje& p : lossePlaatjes())
        if (!namen.contains(p.tekening))
            namen << p.tekening;
    return namen;
}

QImage fruitStrip(const QString& kunst, int schaal) {
    QImage cellen[10];
    for (int c = 0; c < 10; ++c) {
        const QString tekening = kunst + "/" + fruitTekening(c);
        cellen[c] = cel(kMunt, schaal,
                        [&](QPainter& p) { tekenSvg(p, tekening, QRectF(8, 33, 134, 134)); });
    }
    return strip(cellen, schaal);
}

QImage prijzenTabel(const QString& kunst, int schaal) {
    QImage img(536 * schaal, 180 * schaal, QImage::Format_RGB32);
    img.fill(kTabelGrijs);
    QPainter p(&img);
    zetKwaliteit(p);
    p.scale(schaal, schaal);
    // The outer 10 pixels are covered by the panel's frame; everything sits inside.
    const QRectF binnen(10, 10, 516, 160);
    QLinearGradient bg(binnen.topLeft(), binnen.bottomLeft());
    bg.setColorAt(0, QColor(186, 186, 186));
    bg.setColorAt(1, QColor(164, 164, 164));
    p.fillRect(binnen.adjusted(2, 2, -2, -2), bg);

    const qreal kolB = binnen.width() / 4;
    const qreal rijH = binnen.height() / 5;
    const qreal icoon = 24;
    p.setFont(vetLettertype(17));
    auto rij = [&](int kol, int r, int cijfer, int aantal, int punten) {
        const qreal x0 = binnen.left() + kol * kolB + 6;
        const qreal y0 = binnen.top() + r * rijH + (rijH - icoon) / 2;
        const QString tekening = kunst + "/" + prijsTekening(cijfer);
        for (int i = 0; i < aantal; ++i)
            tekenSvg(p, tekening, QRectF(x0 + i * (icoon - 1), y0, icoon, icoon));
        const QRectF tekst(x0 + aantal * (icoon - 1) + 2, binnen.top() + r * rijH,
                           kolB - aantal * (icoon - 1) - 12, rijH);
        const QString s = QStringLiteral("= %1").arg(punten);
        p.setPen(QColor(255, 255, 255, 160));
        p.drawText(tekst.translated(1, 1), Qt::AlignRight | Qt::AlignVCenter, s);
        p.setPen(QColor(30, 30, 60));
        p.drawText(tekst, Qt::AlignRight | Qt::AlignVCenter, s);
    };
    for (int i = 0; i < 5; ++i)
        rij(0, i, i + 1, 3, (i + 1) * 100);
    for (int i = 0; i < 4; ++i)
        rij(1, i, i + 6, 3, (i + 6) * 100);
    for (int i = 0; i < 5; ++i)
        rij(2, i, i + 1, 2, (i + 1) * 10);
    for (int i = 0; i < 4; ++i)
        rij(3, i, i + 6, 2, (i + 6) * 10);
    rij(3, 4, 0, 2, 5);
    // Caption in the free cell of the second column.
    p.setFont(vetLettertype(13));
    p.setPen(QColor(70, 70, 100));
    p.drawText(QRectF(binnen.left() + kolB, binnen.top() + 4 * rijH, kolB, rijH), Qt::AlignCenter,
               QStringLiteral("PRIJZEN"));
    // Column separators.
    p.setPen(QPen(QColor(140, 140, 150), 1));
    for (int k = 1; k < 4; ++k) {
        const qreal x = std::round(binnen.left() + k * kolB) + 0.5;
        p.drawLine(QPointF(x, binnen.top() + 8), QPointF(x, binnen.bottom() - 8));
    }
    return img;
}

bool maakPlaatjes(const QString& kunst, const QString& map, const QString& docMap) {
    QStringList fouten;
    for (const QString& naam : tekeningen())
        fouten << svgFouten(kunst + "/" + naam);
    if (!fouten.isEmpty()) {
        for (const QString& f : fouten)
            std::fprintf(stderr, "quintaro_assetgen: %s\n", qPrintable(f));
        return false;
    }
    for (int c = 0; c < 10; ++c) {
        QImage fruit = leegPlaatje(96, 96);
        QPainter p(&fruit);
        tekenSvg(p, kunst + "/" + fruitTekening(c), QRectF(4, 2, 88, 88));
        p.end();
        bewaar(fruit, QStringLiteral("%1/fruit_%2.png").arg(docMap).arg(c));
    }
    for (int schaal = 1; schaal <= kGrootsteVariant; ++schaal) {
        const auto pad = [&](const char* bestand) {
            return map + "/" + variantNaam(QLatin1String(bestand), schaal);
        };
        bewaar(cijferStrip(schaal), pad("strip_digits.png"));
        bewaar(fruitStrip(kunst, schaal), pad("strip_fruits.png"));
        bewaar(prijzenTabel(kunst, schaal), pad("prizetable.png"));
        for (const Plaatje& pl : lossePlaatjes()) {
            if (schaal == 1 || pl.inVenster)
                bewaar(svgPlaatje(kunst + "/" + pl.tekening,
                                  QSize(pl.maat * schaal, pl.maat * schaal)),
                       map + "/" + variantNaam(pl.bestand, schaal));
        }
    }
    return true;
}

bool maakIconen(const QString& svg, const QString& map, const QList<int>& maten) {
    const QStringList fouten = svgFouten(svg);
    for (const QString& f : fouten)
        std::fprintf(stderr, "quintaro_assetgen: %s\n", qPrintable(f));
    if (!fouten.isEmpty() || maten.isEmpty())
        return false;
    const QString naam = QFileInfo(svg).completeBaseName();
    for (const int maat : maten)
        bewaar(svgPlaatje(svg, QSize(maat, maat)),
               QStringLiteral("%1/%2x%2/apps/%3.png").arg(map).arg(maat).arg(naam));
    return true;
}
