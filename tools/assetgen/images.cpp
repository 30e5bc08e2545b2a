#include "images.h"

#include "fruits.h"
#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace {

const QColor kLavendel(201, 201, 239);
const QColor kMunt(184, 232, 200);
const QColor kTabelGrijs(174, 174, 174);

// A strip cell: the background, a thin seam at the top and the bottom edge, the symbol.
template <typename Teken> QImage cel(const QColor& achtergrond, Teken teken) {
    QImage img(kStripBreedte, kCelHoogte, QImage::Format_RGB32);
    img.fill(achtergrond);
    QPainter p(&img);
    zetKwaliteit(p);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(0, 0, kStripBreedte, 1), achtergrond.darker(112));
    p.fillRect(QRect(0, kCelHoogte - 1, kStripBreedte, 1), achtergrond.lighter(106));
    teken(p);
    return img;
}

QImage strip(const QImage (&cellen)[10]) {
    QImage img(kStripBreedte, kStripHoogte, QImage::Format_RGB32);
    QPainter p(&img);
    for (int k = 0; k < kCellen; ++k)
        p.drawImage(0, k * kCelHoogte, cellen[k % 10]);
    return img;
}

void tekenCijfer(QPainter& p, int cijfer) {
    QPainterPath pad;
    pad.addText(0, 0, vetLettertype(208), QString::number(cijfer));
    const QRectF r = pad.boundingRect();
    pad.translate(kStripBreedte / 2.0 - r.center().x(), kCelHoogte / 2.0 - r.center().y());
    const QRectF kader = pad.boundingRect();

    zachteSchaduw(p, pad, QPointF(5, 6), 5, 150);
    p.save();
    p.setClipPath(pad);
    // Hard dark shadow right under the digit for contrast on the lavender.
    p.restore();
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

QImage schaal(const QImage& img, int maat) {
    return img.scaled(maat, maat, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// A glossy rounded tile for the toolbar, with a drop shadow.
void tegel(QPainter& p, const QRectF& r, const QColor& kleur) {
    QPainterPath vorm;
    vorm.addRoundedRect(r, r.width() * 0.22, r.width() * 0.22);
    zachteSchaduw(p, vorm, QPointF(0, 1.5), 2, 140);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, kleur.lighter(150));
    g.setColorAt(0.5, kleur);
    g.setColorAt(1.0, kleur.darker(160));
    p.fillPath(vorm, g);
    // The glossy upper half.
    QPainterPath boven;
    boven.addRoundedRect(r.adjusted(2, 1.5, -2, -r.height() * 0.5), r.width() * 0.18,
                         r.width() * 0.14);
    QLinearGradient gl(r.topLeft(), QPointF(r.left(), r.center().y()));
    gl.setColorAt(0.0, QColor(255, 255, 255, 150));
    gl.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.fillPath(boven, gl);
    omlijn(p, vorm, kleur.darker(260), 1.2);
    QPainterPath rand;
    rand.addRoundedRect(r.adjusted(1.3, 1.3, -1.3, -1.3), r.width() * 0.19, r.width() * 0.19);
    omlijn(p, rand, QColor(255, 255, 255, 70), 0.8);
}

// Fills a glyph in white with a dark edge and a small shadow, so it reads on any tile.
void glyph(QPainter& p, const QPainterPath& pad, const QColor& kleur = Qt::white) {
    p.fillPath(pad.translated(0.8, 1.2), QColor(0, 0, 0, 110));
    p.fillPath(pad, kleur);
}

QPainterPath luidspreker(QPointF o) {
    QPainterPath pad;
    pad.moveTo(o + QPointF(0, -5));
    pad.lineTo(o + QPointF(6, -5));
    pad.lineTo(o + QPointF(14, -12));
    pad.lineTo(o + QPointF(14, 12));
    pad.lineTo(o + QPointF(6, 5));
    pad.lineTo(o + QPointF(0, 5));
    pad.closeSubpath();
    return pad;
}

QPainterPath streepPad(const QPainterPath& lijn, qreal dikte) {
    QPainterPathStroker s;
    s.setWidth(dikte);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(lijn);
}

QPainterPath tandwiel(QPointF m, qreal buiten, qreal binnen, qreal gat, int tanden) {
    QPainterPath pad;
    const int stappen = tanden * 16;
    for (int i = 0; i <= stappen; ++i) {
        const qreal t = 2 * M_PI * i / stappen;
        const qreal fase = std::fmod(t * tanden / (2 * M_PI), 1.0);
        // Trapezoid teeth: up-flank, top, down-flank, root.
        qreal f;
        if (fase < 0.15)
            f = fase / 0.15;
        else if (fase < 0.45)
            f = 1;
        else if (fase < 0.6)
            f = 1 - (fase - 0.45) / 0.15;
        else
            f = 0;
        const qreal r = binnen + (buiten - binnen) * f;
        const QPointF q = m + QPointF(r * std::cos(t), r * std::sin(t));
        if (i == 0)
            pad.moveTo(q);
        else
            pad.lineTo(q);
    }
    pad.closeSubpath();
    pad.addEllipse(m, gat, gat);
    pad.setFillRule(Qt::OddEvenFill);
    return pad;
}

} // namespace

QImage cijferStrip() {
    QImage cellen[10];
    for (int c = 0; c < 10; ++c)
        cellen[c] = cel(kLavendel, [c](QPainter& p) { tekenCijfer(p, c); });
    return strip(cellen);
}

QImage fruitStrip() {
    QImage cellen[10];
    for (int c = 0; c < 10; ++c) {
        cellen[c] = cel(kMunt, [c](QPainter& p) {
            tekenFruit(p, fruitVoorCijfer(c), QRectF(8, 33, 134, 134));
        });
    }
    return strip(cellen);
}

QImage prijzenTabel() {
    QImage img(536, 180, QImage::Format_RGB32);
    img.fill(kTabelGrijs);
    QPainter p(&img);
    zetKwaliteit(p);
    // The outer 10 pixels are covered by the panel's frame; everything sits inside.
    const QRectF binnen(10, 10, 516, 160);
    QLinearGradient bg(binnen.topLeft(), binnen.bottomLeft());
    bg.setColorAt(0, QColor(186, 186, 186));
    bg.setColorAt(1, QColor(164, 164, 164));
    p.fillRect(binnen.adjusted(2, 2, -2, -2), bg);

    const qreal kolB = binnen.width() / 4;
    const qreal rijH = binnen.height() / 5;
    const qreal icoon = 24;
    QFont f = vetLettertype(17);
    p.setFont(f);
    auto rij = [&](int kol, int r, int cijfer, int aantal, int punten) {
        const qreal x0 = binnen.left() + kol * kolB + 6;
        const qreal y0 = binnen.top() + r * rijH + (rijH - icoon) / 2;
        for (int i = 0; i < aantal; ++i)
            tekenFruit(p, fruitVoorCijfer(cijfer), QRectF(x0 + i * (icoon - 1), y0, icoon, icoon),
                       1.6, false);
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
    QFont klein = vetLettertype(13);
    p.setFont(klein);
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

QImage knopPlaatje(Knop k) {
    // Drawn at 4x and scaled down for crisp edges.
    constexpr int S = 4;
    QImage img = leegPlaatje(48 * S, 48 * S);
    QPainter p(&img);
    zetKwaliteit(p);
    p.scale(S, S);
    const QRectF r(3, 2, 42, 42);
    const QPointF m = r.center();
    switch (k) {
    case Knop::Help: {
        tegel(p, r, QColor(40, 110, 220));
        QPainterPath vraag;
        QFont f = vetLettertype(32);
        vraag.addText(0, 0, f, QStringLiteral("?"));
        vraag.translate(m - vraag.boundingRect().center());
        glyph(p, vraag);
        break;
    }
    case Knop::Software: {
        tegel(p, r, QColor(30, 150, 110));
        // A globe: circle, equator, two meridians and two parallels.
        QPainterPath bol;
        bol.addEllipse(m, 13, 13);
        bol.addEllipse(m, 5.5, 13);
        bol.moveTo(m + QPointF(-13, 0));
        bol.lineTo(m + QPointF(13, 0));
        bol.moveTo(m + QPointF(-11, -6.5));
        bol.lineTo(m + QPointF(11, -6.5));
        bol.moveTo(m + QPointF(-11, 6.5));
        bol.lineTo(m + QPointF(11, 6.5));
        bol.moveTo(m + QPointF(0, -13));
        bol.lineTo(m + QPointF(0, 13));
        glyph(p, streepPad(bol, 2.6));
        break;
    }
    case Knop::GeluidAan:
    case Knop::GeluidUit: {
        const bool aan = k == Knop::GeluidAan;
        tegel(p, r, aan ? QColor(236, 140, 20) : QColor(120, 120, 130));
        const QPointF o = m + QPointF(-13, 0);
        glyph(p, luidspreker(o));
        if (aan) {
            QPainterPath golven;
            for (qreal rad : {7.0, 12.5}) {
                const QRectF boog(o.x() + 14 - rad, m.y() - rad, 2 * rad, 2 * rad);
                golven.arcMoveTo(boog, -45);
                golven.arcTo(boog, -45, 90);
            }
            glyph(p, streepPad(golven, 2.8));
        } else {
            QPainterPath kruis;
            kruis.moveTo(m + QPointF(5, -6));
            kruis.lineTo(m + QPointF(15, 6));
            kruis.moveTo(m + QPointF(15, -6));
            kruis.lineTo(m + QPointF(5, 6));
            glyph(p, streepPad(kruis, 3.6), QColor(255, 70, 60));
        }
        break;
    }
    case Knop::Instellingen: {
        tegel(p, r, QColor(110, 90, 190));
        glyph(p, tandwiel(m, 15, 10.5, 5, 8));
        break;
    }
    case Knop::Exit: {
        tegel(p, r, QColor(210, 40, 40));
        // A power symbol: an open ring and a bar.
        QPainterPath aan;
        const QRectF ring(m.x() - 11, m.y() - 10, 22, 22);
        aan.arcMoveTo(ring, 60);
        aan.arcTo(ring, 60, -300);
        aan.moveTo(m + QPointF(0, -14));
        aan.lineTo(m + QPointF(0, -1));
        glyph(p, streepPad(aan, 3.6));
        break;
    }
    }
    p.end();
    return schaal(img, 48);
}

QImage pijlPlaatje(bool wijstNaarRechts) {
    constexpr int S = 4;
    QImage img = leegPlaatje(72 * S, 72 * S);
    QPainter p(&img);
    zetKwaliteit(p);
    p.scale(S, S);
    const QPointF m(36, 35);
    QPainterPath knop;
    knop.addEllipse(m, 32, 32);
    zachteSchaduw(p, knop, QPointF(0, 2.5), 3, 160);
    // Metal ring, then the green dome.
    QLinearGradient ringG(QPointF(0, 3), QPointF(0, 67));
    ringG.setColorAt(0, QColor(250, 250, 255));
    ringG.setColorAt(0.5, QColor(170, 170, 190));
    ringG.setColorAt(1, QColor(90, 90, 110));
    p.fillPath(knop, ringG);
    QPainterPath koepel;
    koepel.addEllipse(m, 27.5, 27.5);
    vulBol(p, koepel, m + QPointF(-8, -12), QColor(150, 255, 150), QColor(40, 190, 70),
           QColor(8, 96, 30));
    omlijn(p, koepel, QColor(6, 70, 20), 1.4);
    omlijn(p, knop, QColor(40, 40, 60), 1.2);
    // The arrow.
    QPainterPath pijl;
    pijl.moveTo(-15, -7);
    pijl.lineTo(1, -7);
    pijl.lineTo(1, -16);
    pijl.lineTo(18, 0);
    pijl.lineTo(1, 16);
    pijl.lineTo(1, 7);
    pijl.lineTo(-15, 7);
    pijl.closeSubpath();
    QTransform t;
    t.translate(m.x() + (wijstNaarRechts ? 1 : -1), m.y());
    if (!wijstNaarRechts)
        t.scale(-1, 1);
    pijl = t.map(pijl);
    QPainterPathStroker s;
    s.setWidth(3);
    s.setJoinStyle(Qt::RoundJoin);
    const QPainterPath rond = pijl.united(s.createStroke(pijl)).simplified();
    p.fillPath(rond.translated(0, 1.8), QColor(0, 50, 10, 150));
    QLinearGradient wit(QPointF(0, m.y() - 16), QPointF(0, m.y() + 16));
    wit.setColorAt(0, QColor(255, 255, 255));
    wit.setColorAt(1, QColor(220, 235, 220));
    p.fillPath(rond, wit);
    // Gloss on the dome.
    glans(p, koepel, QRectF(m.x() - 20, m.y() - 26, 40, 22), 120);
    p.end();
    return schaal(img, 72);
}

QImage programmaIcoon(int maat) {
    constexpr int ontwerp = 256;
    const int S = maat >= 128 ? 1 : 2;
    QImage img = leegPlaatje(maat * S, maat * S);
    QPainter p(&img);
    zetKwaliteit(p);
    p.scale(maat * S / qreal(ontwerp), maat * S / qreal(ontwerp));
    const bool klein = maat < 64;
    // Cabinet: a dark blue rounded square with a gold rim.
    const QRectF kast(8, 8, 240, 240);
    QPainterPath kastPad;
    kastPad.addRoundedRect(kast, 44, 44);
    QLinearGradient kg(kast.topLeft(), kast.bottomLeft());
    kg.setColorAt(0, QColor(60, 60, 130));
    kg.setColorAt(1, QColor(18, 18, 48));
    p.fillPath(kastPad, kg);
    QLinearGradient goud(kast.topLeft(), kast.bottomRight());
    goud.setColorAt(0, QColor(255, 232, 140));
    goud.setColorAt(0.5, QColor(214, 160, 40));
    goud.setColorAt(1, QColor(255, 220, 110));
    p.setPen(QPen(QBrush(goud), klein ? 16 : 10));
    p.setBrush(Qt::NoBrush);
    p.drawPath(kastPad);
    // The roller window: lavender with darker top and bottom, like a drum.
    const QRectF venster = klein ? QRectF(40, 34, 176, 188) : QRectF(50, 40, 156, 176);
    QPainterPath vensterPad;
    vensterPad.addRoundedRect(venster, 16, 16);
    QLinearGradient trommel(venster.topLeft(), venster.bottomLeft());
    trommel.setColorAt(0.0, QColor(110, 110, 160));
    trommel.setColorAt(0.22, QColor(201, 201, 239));
    trommel.setColorAt(0.5, QColor(236, 236, 255));
    trommel.setColorAt(0.78, QColor(201, 201, 239));
    trommel.setColorAt(1.0, QColor(110, 110, 160));
    p.fillPath(vensterPad, trommel);
    // The digit 7 in red with a dark shadow.
    QPainterPath zeven;
    zeven.addText(0, 0, vetLettertype(klein ? 196 : 170), QStringLiteral("7"));
    zeven.translate(venster.center() - zeven.boundingRect().center());
    p.fillPath(zeven.translated(6, 6), QColor(50, 0, 10, 200));
    QLinearGradient rood(zeven.boundingRect().topLeft(), zeven.boundingRect().bottomLeft());
    rood.setColorAt(0, QColor(255, 96, 80));
    rood.setColorAt(0.5, QColor(228, 16, 24));
    rood.setColorAt(1, QColor(150, 0, 16));
    p.fillPath(zeven, rood);
    omlijn(p, zeven, QColor(90, 0, 12), klein ? 8 : 4);
    omlijn(p, vensterPad, QColor(20, 20, 50), klein ? 12 : 6);
    if (!klein) {
        // A gloss over the whole cabinet.
        QPainterPath glim;
        glim.addRoundedRect(QRectF(18, 14, 220, 100), 36, 36);
        QLinearGradient gg(QPointF(0, 14), QPointF(0, 114));
        gg.setColorAt(0, QColor(255, 255, 255, 90));
        gg.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(glim.intersected(kastPad), gg);
    }
    p.end();
    return S == 1 ? img : schaal(img, maat);
}

void maakPlaatjes(const QString& map, const QString& docMap) {
    for (int c = 0; c < 10; ++c) {
        QImage fruit = leegPlaatje(96, 96);
        QPainter p(&fruit);
        tekenFruit(p, fruitVoorCijfer(c), QRectF(4, 2, 88, 88), 1.2);
        p.end();
        bewaar(fruit, QStringLiteral("%1/fruit_%2.png").arg(docMap).arg(c));
    }
    bewaar(cijferStrip(), map + "/strip_digits.png");
    bewaar(fruitStrip(), map + "/strip_fruits.png");
    bewaar(prijzenTabel(), map + "/prizetable.png");
    bewaar(knopPlaatje(Knop::Help), map + "/knop_help.png");
    bewaar(knopPlaatje(Knop::Software), map + "/knop_software.png");
    bewaar(knopPlaatje(Knop::GeluidAan), map + "/sound_on.png");
    bewaar(knopPlaatje(Knop::GeluidUit), map + "/sound_off.png");
    bewaar(knopPlaatje(Knop::Instellingen), map + "/knop_settings.png");
    bewaar(knopPlaatje(Knop::Exit), map + "/exit.png");
    bewaar(pijlPlaatje(true), map + "/arrow_left.png");
    bewaar(pijlPlaatje(false), map + "/arrow_right.png");
    bewaar(programmaIcoon(32), map + "/icon32.png");
    bewaar(programmaIcoon(256), map + "/icon256.png");
}
