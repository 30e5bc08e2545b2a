#include "fruits.h"

#include "paint.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <random>

// Every fruit is drawn in a 100 x 100 design box; the painter is scaled to the target square.
// Style: a soft drop shadow, a radial shade lit from the upper left, a dark outline in the
// fruit's own colour, a gloss spot, green leaves with a vein.

namespace {

constexpr qreal kLijn = 2.6; // outline width in design units

struct Kleuren {
    QColor helder, midden, donker, lijn;
};

void lichaam(QPainter& p, const QPainterPath& pad, const Kleuren& k, QPointF licht, qreal lijn,
             QRectF glansOvaal, int glansAlfa = 150) {
    vulBol(p, pad, licht, k.helder, k.midden, k.donker);
    glans(p, pad, glansOvaal, glansAlfa);
    omlijn(p, pad, k.lijn, lijn);
}

void steel(QPainter& p, QPointF van, QPointF c, QPointF naar, qreal dikte, qreal lijn) {
    QPainterPath pad;
    pad.moveTo(van);
    pad.quadTo(c, naar);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(58, 36, 18), dikte + lijn * 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(pad);
    p.setPen(QPen(QColor(132, 88, 44), dikte, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(pad);
    p.restore();
}

QPainterPath tomaatVorm() {
    // Wider than high, with soft shoulders and a shallow dip where the calyx sits.
    QPainterPath pad;
    pad.moveTo(50, 29);
    pad.cubicTo(62, 23, 80, 24, 89, 38);
    pad.cubicTo(97, 52, 94, 74, 80, 85);
    pad.cubicTo(70, 93, 58, 94, 50, 94);
    pad.cubicTo(42, 94, 30, 93, 20, 85);
    pad.cubicTo(6, 74, 3, 52, 11, 38);
    pad.cubicTo(20, 24, 38, 23, 50, 29);
    pad.closeSubpath();
    return pad;
}

void tomaat(QPainter& p, qreal l) {
    const QPainterPath vorm = tomaatVorm();
    lichaam(p, vorm,
            {QColor(255, 160, 120), QColor(240, 56, 24), QColor(150, 20, 6), QColor(100, 14, 4)},
            QPointF(34, 46), l, QRectF(18, 38, 26, 18));
    // Faint ribs from the crown.
    p.save();
    p.setClipPath(vorm);
    p.setPen(QPen(QColor(150, 20, 10, 40), l * 0.5, Qt::SolidLine, Qt::RoundCap));
    for (qreal dx : {-24.0, 24.0}) {
        QPainterPath rib;
        rib.moveTo(50 + dx * 0.2, 30);
        rib.quadTo(50 + dx * 1.3, 52, 50 + dx * 0.55, 90);
        p.drawPath(rib);
    }
    p.restore();
    // Calyx: a star of five pointed sepals lying on the top, and a short green stem.
    for (int i = 0; i < 5; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / 5 + 0.35;
        const QPointF punt(50 + 24 * std::cos(a), 30 + 9 * std::sin(a) + 2);
        tekenBlad(p, QPointF(50, 29), punt, 3.6, l * 0.8);
    }
    QPainterPath stengel;
    stengel.moveTo(50, 30);
    stengel.quadTo(49, 22, 53, 17);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(22, 70, 20), 5 + l * 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stengel);
    p.setPen(QPen(QColor(84, 170, 56), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stengel);
    p.restore();
}

QPainterPath appelVorm() {
    QPainterPath pad;
    pad.moveTo(50, 30);
    pad.cubicTo(62, 19, 90, 20, 91, 47);
    pad.cubicTo(92, 72, 76, 94, 63, 94);
    pad.cubicTo(57, 94, 55, 91, 50, 91);
    pad.cubicTo(45, 91, 43, 94, 37, 94);
    pad.cubicTo(24, 94, 8, 72, 9, 47);
    pad.cubicTo(10, 20, 38, 19, 50, 30);
    pad.closeSubpath();
    return pad;
}

void appel(QPainter& p, qreal l) {
    const QPainterPath vorm = appelVorm();
    lichaam(p, vorm,
            {QColor(255, 140, 120), QColor(218, 32, 40), QColor(118, 10, 20), QColor(86, 6, 14)},
            QPointF(34, 44), l, QRectF(18, 34, 22, 26), 170);
    // A little dimple shade at the stem.
    p.save();
    p.setClipPath(vorm);
    QRadialGradient kuil(QPointF(50, 30), 10);
    kuil.setColorAt(0, QColor(70, 0, 0, 120));
    kuil.setColorAt(1, QColor(70, 0, 0, 0));
    p.fillRect(QRectF(38, 20, 24, 20), kuil);
    p.restore();
    steel(p, QPointF(50, 32), QPointF(49, 18), QPointF(55, 9), 3.6, l * 0.8);
    tekenBlad(p, QPointF(54, 19), QPointF(80, 11), 8, l * 0.8);
}

QPainterPath mangoVorm() {
    QPainterPath vorm = polairPad(QPointF(0, 0), [](qreal t) {
        const qreal ei = 1.0 + 0.13 * std::cos(t + M_PI / 2);
        const qreal buik = 1.0 + 0.06 * std::cos(2 * t);
        return QPointF(29 * ei * std::cos(t), 42 * ei * buik * std::sin(t));
    });
    QTransform t;
    t.translate(50, 56);
    t.rotate(38);
    vorm = t.map(vorm);
    return vorm;
}

void mango(QPainter& p, qreal l) {
    const QPainterPath vorm = mangoVorm();
    vulBol(p, vorm, QPointF(36, 40), QColor(255, 236, 120), QColor(255, 168, 40),
           QColor(200, 80, 20));
    // Red blush on the upper right, green at the stem end.
    p.save();
    p.setClipPath(vorm);
    QRadialGradient blos(QPointF(72, 38), 34);
    blos.setColorAt(0, QColor(226, 40, 40, 190));
    blos.setColorAt(1, QColor(226, 40, 40, 0));
    p.fillRect(QRectF(0, 0, 100, 100), blos);
    QRadialGradient groen(QPointF(24, 82), 30);
    groen.setColorAt(0, QColor(120, 170, 40, 170));
    groen.setColorAt(1, QColor(120, 170, 40, 0));
    p.fillRect(QRectF(0, 0, 100, 100), groen);
    p.restore();
    glans(p, vorm, QRectF(28, 30, 22, 16), 170);
    omlijn(p, vorm, QColor(120, 44, 10), l);
    steel(p, QPointF(76, 28), QPointF(80, 22), QPointF(82, 16), 3.4, l * 0.8);
    tekenBlad(p, QPointF(80, 20), QPointF(62, 6), 7, l * 0.8);
}

QPainterPath banaanVorm() {
    QPainterPath vorm;
    vorm.moveTo(16, 30);
    vorm.cubicTo(10, 62, 40, 92, 76, 84);
    vorm.cubicTo(86, 82, 92, 74, 93, 66);
    vorm.cubicTo(85, 67, 76, 67, 67, 65);
    vorm.cubicTo(46, 60, 31, 48, 26, 30);
    vorm.closeSubpath();
    return vorm;
}

void banaan(QPainter& p, qreal l) {
    const QPainterPath vorm = banaanVorm();
    vulBol(p, vorm, QPointF(40, 60), QColor(255, 248, 170), QColor(255, 214, 40),
           QColor(196, 140, 10));
    // The ridge along the banana's length.
    p.save();
    p.setClipPath(vorm);
    QPainterPath rib;
    rib.moveTo(20, 31);
    rib.cubicTo(21, 58, 46, 78, 88, 71);
    p.setPen(QPen(QColor(190, 140, 20, 150), l * 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rib);
    p.restore();
    glans(p, vorm, QRectF(20, 52, 30, 14), 150);
    omlijn(p, vorm, QColor(120, 80, 6), l);
    // Brown tip below, green-brown stalk above.
    p.save();
    p.setPen(QPen(QColor(70, 44, 12), l * 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(96, 62, 22));
    p.drawEllipse(QPointF(91.5, 67.5), 3.2, 3.2);
    QPainterPath stengel;
    stengel.moveTo(16, 32);
    stengel.lineTo(13, 17);
    stengel.lineTo(21, 15);
    stengel.lineTo(24, 31);
    stengel.closeSubpath();
    QLinearGradient sg(QPointF(13, 16), QPointF(24, 30));
    sg.setColorAt(0, QColor(110, 96, 40));
    sg.setColorAt(1, QColor(150, 150, 50));
    p.setBrush(sg);
    p.drawPath(stengel);
    p.restore();
}

void kersen(QPainter& p, qreal l) {
    const Kleuren k{QColor(255, 120, 130), QColor(200, 16, 46), QColor(90, 0, 16),
                    QColor(70, 0, 12)};
    // Stems first, so the cherries cover their ends.
    p.save();
    p.setBrush(Qt::NoBrush);
    for (const auto& [van, c] : {std::pair{QPointF(32, 62), QPointF(36, 30)},
                                 std::pair{QPointF(68, 64), QPointF(66, 34)}}) {
        QPainterPath s;
        s.moveTo(van);
        s.quadTo(c, QPointF(56, 12));
        p.setPen(QPen(QColor(40, 60, 14), 3.8 + l, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
        p.setPen(QPen(QColor(112, 150, 40), 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
    }
    p.restore();
    tekenBlad(p, QPointF(56, 13), QPointF(84, 20), 7.5, l * 0.8);
    for (const QPointF c : {QPointF(30, 72), QPointF(68, 74)}) {
        QPainterPath bes;
        bes.addEllipse(c, 19, 18);
        lichaam(p, bes, k, c + QPointF(-7, -7), l, QRectF(c.x() - 13, c.y() - 13, 11, 9), 200);
    }
}

void kiwi(QPainter& p, qreal l) {
    const QPointF m(50, 52);
    QPainterPath schil;
    schil.addEllipse(m, 42, 40);
    vulBol(p, schil, QPointF(38, 40), QColor(156, 112, 64), QColor(120, 82, 42),
           QColor(78, 50, 24));
    QPainterPath vlees;
    vlees.addEllipse(m, 37, 35);
    QRadialGradient vg(m, 37);
    vg.setColorAt(0.0, QColor(250, 252, 214));
    vg.setColorAt(0.28, QColor(200, 232, 110));
    vg.setColorAt(0.55, QColor(140, 200, 50));
    vg.setColorAt(1.0, QColor(86, 150, 24));
    p.fillPath(vlees, vg);
    // Pale rays from the heart.
    p.save();
    p.setClipPath(vlees);
    p.setPen(QPen(QColor(236, 250, 190, 110), l * 0.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 36; ++i) {
        const qreal a = i * 2 * M_PI / 36;
        p.drawLine(m + QPointF(13 * std::cos(a), 12 * std::sin(a)),
                   m + QPointF(34 * std::cos(a), 32 * std::sin(a)));
    }
    p.restore();
    // The ring of black seeds.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 18, 10));
    for (int i = 0; i < 26; ++i) {
        const qreal a = i * 2 * M_PI / 26 + 0.1;
        const qreal r = (i % 2) ? 17.5 : 21.0;
        p.save();
        p.translate(m + QPointF(r * std::cos(a), r * 0.95 * std::sin(a)));
        p.rotate(a * 180 / M_PI);
        p.drawEllipse(QPointF(0, 0), 3.0, 1.6);
        p.restore();
    }
    p.restore();
    QPainterPath hart;
    hart.addEllipse(m, 9, 7);
    p.fillPath(hart, QColor(252, 252, 228));
    glans(p, schil, QRectF(22, 24, 30, 20), 90);
    omlijn(p, vlees, QColor(60, 110, 20, 160), l * 0.5);
    omlijn(p, schil, QColor(62, 38, 16), l);
}

void citroen(QPainter& p, qreal l) {
    const QPointF m(50, 52);
    QPainterPath schil;
    schil.addEllipse(m, 42, 40);
    vulBol(p, schil, QPointF(36, 38), QColor(255, 246, 120), QColor(250, 214, 10),
           QColor(200, 150, 0));
    QPainterPath wit;
    wit.addEllipse(m, 37, 35);
    p.fillPath(wit, QColor(255, 252, 230));
    constexpr int kParten = 9;
    for (int i = 0; i < kParten; ++i) {
        const qreal a0 = i * 2 * M_PI / kParten + 0.09;
        const qreal a1 = (i + 1) * 2 * M_PI / kParten - 0.09;
        QPainterPath part;
        part.moveTo(m + QPointF(4 * std::cos((a0 + a1) / 2), 4 * std::sin((a0 + a1) / 2)));
        const int stappen = 12;
        for (int s = 0; s <= stappen; ++s) {
            const qreal a = a0 + (a1 - a0) * s / stappen;
            part.lineTo(m + QPointF(33 * std::cos(a), 31 * std::sin(a)));
        }
        part.closeSubpath();
        QRadialGradient pg(m, 33);
        pg.setColorAt(0.0, QColor(255, 250, 200));
        pg.setColorAt(0.6, QColor(255, 234, 90));
        pg.setColorAt(1.0, QColor(250, 212, 40));
        p.fillPath(part, pg);
        omlijn(p, part, QColor(236, 196, 40), l * 0.35);
    }
    QPainterPath hart;
    hart.addEllipse(m, 4, 4);
    p.fillPath(hart, QColor(255, 252, 230));
    glans(p, schil, QRectF(20, 22, 34, 24), 110);
    omlijn(p, schil, QColor(150, 110, 0), l);
}

QPainterPath perzikVorm() {
    QPainterPath vorm;
    vorm.moveTo(50, 26);
    vorm.cubicTo(70, 14, 92, 32, 91, 58);
    vorm.cubicTo(90, 82, 72, 95, 50, 95);
    vorm.cubicTo(28, 95, 10, 82, 9, 58);
    vorm.cubicTo(8, 32, 30, 14, 50, 26);
    vorm.closeSubpath();
    return vorm;
}

void perzik(QPainter& p, qreal l) {
    const QPainterPath vorm = perzikVorm();
    vulBol(p, vorm, QPointF(34, 46), QColor(255, 226, 170), QColor(255, 170, 90),
           QColor(210, 90, 50));
    p.save();
    p.setClipPath(vorm);
    QRadialGradient blos(QPointF(68, 50), 38);
    blos.setColorAt(0, QColor(232, 50, 60, 190));
    blos.setColorAt(1, QColor(232, 50, 60, 0));
    p.fillRect(QRectF(0, 0, 100, 100), blos);
    QPainterPath naad;
    naad.moveTo(50, 27);
    naad.cubicTo(40, 44, 40, 70, 47, 92);
    p.setPen(QPen(QColor(150, 40, 30, 150), l * 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(naad);
    p.restore();
    glans(p, vorm, QRectF(18, 36, 22, 22), 150);
    omlijn(p, vorm, QColor(130, 40, 24), l);
    steel(p, QPointF(50, 28), QPointF(50, 21), QPointF(52, 15), 3.4, l * 0.8);
    tekenBlad(p, QPointF(52, 18), QPointF(78, 8), 8, l * 0.8);
}

QPainterPath peerVorm() {
    QPainterPath vorm;
    vorm.moveTo(50, 17);
    vorm.cubicTo(60, 17, 63, 28, 65, 39);
    vorm.cubicTo(68, 52, 88, 58, 86, 77);
    vorm.cubicTo(84, 92, 68, 97, 50, 97);
    vorm.cubicTo(32, 97, 16, 92, 14, 77);
    vorm.cubicTo(12, 58, 33, 52, 35, 39);
    vorm.cubicTo(37, 28, 40, 17, 50, 17);
    vorm.closeSubpath();
    return vorm;
}

void peer(QPainter& p, qreal l) {
    const QPainterPath vorm = peerVorm();
    vulBol(p, vorm, QPointF(38, 56), QColor(246, 250, 170), QColor(190, 214, 60),
           QColor(96, 140, 24));
    p.save();
    p.setClipPath(vorm);
    QRadialGradient blos(QPointF(72, 76), 24);
    blos.setColorAt(0, QColor(220, 110, 40, 130));
    blos.setColorAt(1, QColor(220, 110, 40, 0));
    p.fillRect(QRectF(0, 0, 100, 100), blos);
    // Speckles.
    std::mt19937 rng(8);
    std::uniform_real_distribution<qreal> x(16, 84), y(24, 94);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 30, 90));
    for (int i = 0; i < 26; ++i)
        p.drawEllipse(QPointF(x(rng), y(rng)), 0.9, 0.9);
    p.restore();
    glans(p, vorm, QRectF(22, 56, 18, 22), 150);
    omlijn(p, vorm, QColor(70, 96, 14), l);
    steel(p, QPointF(50, 19), QPointF(49, 10), QPointF(55, 4), 3.4, l * 0.8);
    tekenBlad(p, QPointF(53, 9), QPointF(76, 14), 6.5, l * 0.8);
}

QPainterPath aardbeiVorm() {
    QPainterPath vorm;
    vorm.moveTo(50, 30);
    vorm.cubicTo(64, 22, 90, 24, 88, 42);
    vorm.cubicTo(86, 64, 64, 90, 50, 96);
    vorm.cubicTo(36, 90, 14, 64, 12, 42);
    vorm.cubicTo(10, 24, 36, 22, 50, 30);
    vorm.closeSubpath();
    return vorm;
}

void aardbei(QPainter& p, qreal l) {
    const QPainterPath vorm = aardbeiVorm();
    lichaam(p, vorm,
            {QColor(255, 130, 130), QColor(226, 24, 44), QColor(120, 6, 20), QColor(90, 4, 14)},
            QPointF(36, 44), l, QRectF(20, 36, 22, 18), 140);
    // Seeds: little yellow drops in staggered rows.
    p.save();
    p.setClipPath(vorm);
    for (int rij = 0; rij < 7; ++rij) {
        const qreal y = 42 + rij * 8;
        for (int kol = -4; kol <= 4; ++kol) {
            const qreal x = 50 + kol * 9 + ((rij % 2) ? 4.5 : 0);
            const QPointF c(x, y);
            if (!vorm.contains(c + QPointF(0, 4)) || !vorm.contains(c + QPointF(4, 0)) ||
                !vorm.contains(c - QPointF(4, 0)))
                continue;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(110, 0, 10, 120));
            p.drawEllipse(c + QPointF(0.6, 0.8), 2.0, 2.6);
            p.setBrush(QColor(255, 226, 90));
            p.drawEllipse(c, 1.5, 2.2);
        }
    }
    p.restore();
    omlijn(p, vorm, QColor(90, 4, 14), l);
    // Calyx of six leaves on the shoulders, and the stem.
    const QPointF voet(50, 29);
    for (qreal a : {-160.0, -125.0, -55.0, -20.0, 150.0, 30.0}) {
        const qreal r = std::abs(a) > 120 || std::abs(a) < 40 ? 24 : 19;
        const QPointF punt =
            voet + QPointF(r * std::cos(a * M_PI / 180), r * 0.55 * std::sin(a * M_PI / 180) + 6);
        tekenBlad(p, voet, punt, 5, l * 0.8);
    }
    steel(p, QPointF(50, 28), QPointF(49, 18), QPointF(53, 10), 4, l * 0.8);
    p.save();
    p.setPen(QPen(QColor(40, 110, 30), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 28), QPointF(51, 14));
    p.restore();
}

QPainterPath rond() {
    QPainterPath pad;
    pad.addEllipse(QPointF(50, 52), 42, 40);
    return pad;
}

QPainterPath kersenVorm() {
    QPainterPath pad;
    pad.addEllipse(QPointF(30, 72), 19, 18);
    pad.addEllipse(QPointF(68, 74), 19, 18);
    return pad;
}

QPainterPath schaduwVorm(Fruit f) {
    switch (f) {
    case Fruit::Tomaat:
        return tomaatVorm();
    case Fruit::Appel:
        return appelVorm();
    case Fruit::Mango:
        return mangoVorm();
    case Fruit::Banaan:
        return banaanVorm();
    case Fruit::Kersen:
        return kersenVorm();
    case Fruit::Kiwi:
    case Fruit::Citroen:
        return rond();
    case Fruit::Perzik:
        return perzikVorm();
    case Fruit::Peer:
        return peerVorm();
    case Fruit::Aardbei:
        return aardbeiVorm();
    }
    return rond();
}

} // namespace

Fruit fruitVoorCijfer(int cijfer) {
    return static_cast<Fruit>(((cijfer % 10) + 10) % 10);
}

void tekenFruit(QPainter& p, Fruit f, const QRectF& vak, qreal lijnSchaal, bool schaduw) {
    p.save();
    zetKwaliteit(p);
    p.translate(vak.topLeft());
    p.scale(vak.width() / 100.0, vak.height() / 100.0);
    const qreal l = kLijn * lijnSchaal;
    if (schaduw) {
        // A contact shadow on the ground and a soft cast shadow to the lower right.
        QRadialGradient grond(QPointF(52, 97), 36);
        grond.setColorAt(0, QColor(0, 0, 0, 70));
        grond.setColorAt(1, QColor(0, 0, 0, 0));
        p.save();
        p.translate(52, 97);
        p.scale(1.0, 0.16);
        p.translate(-52, -97);
        p.fillRect(QRectF(10, 60, 84, 80), grond);
        p.restore();
        zachteSchaduw(p, schaduwVorm(f), QPointF(3, 3), vak.width() / 40.0, 60);
    }
    switch (f) {
    case Fruit::Tomaat:
        tomaat(p, l);
        break;
    case Fruit::Appel:
        appel(p, l);
        break;
    case Fruit::Mango:
        mango(p, l);
        break;
    case Fruit::Banaan:
        banaan(p, l);
        break;
    case Fruit::Kersen:
        kersen(p, l);
        break;
    case Fruit::Kiwi:
        kiwi(p, l);
        break;
    case Fruit::Citroen:
        citroen(p, l);
        break;
    case Fruit::Perzik:
        perzik(p, l);
        break;
    case Fruit::Peer:
        peer(p, l);
        break;
    case Fruit::Aardbei:
        aardbei(p, l);
        break;
    }
    p.restore();
}
