// The board of the evening: where it goes on every screen size, what it shows for a range
// and a roller kind, how it paints and what assistive technology reads from it.
#include "app/indeling.h"
#include "common/getrokkenlijst.h"
#include "draw/bord.h"
#include "draw/panel.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <cmath>

namespace {

const QColor kAan(235, 190, 40);
const QColor kUit(45, 45, 72);
const QColor kLaatste(225, 60, 45);
const QColor kLeeg(32, 32, 52);

// The board painted at `maat` over a transparent background.
QImage teken(Bord& bord, const QSize& maat) {
    bord.resize(maat);
    QImage beeld(maat, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    bord.render(&beeld, QPoint(), QRegion(), QWidget::DrawChildren);
    return beeld;
}

// The colour inside a cell, left of its print and clear of its border.
QColor vulling(const QImage& beeld, const QRectF& cel) {
    return beeld.pixelColor(QPointF(cel.left() + cel.width() * 0.08, cel.center().y()).toPoint());
}

// The relative luminance of a colour, and the contrast ratio of two, as readability is
// usually measured.
double luminantie(const QColor& c) {
    const auto lin = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminantie(a), lb = luminantie(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QList<qint32> reeks(qint32 van, qint32 tot) {
    QList<qint32> uit;
    for (qint32 n = van; n <= tot; ++n)
        uit.append(n);
    return uit;
}

} // namespace

class TestBord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // On every screen from the smallest to the largest the board lies inside the screen,
    // covers no control of the window and grows with the screen.
    void placeCoversNoControl_data() {
        QTest::addColumn<QSize>("scherm");
        // 1024 x 1820 and 1024 x 1365: 1080 x 1920 and 768 x 1024 screens on their side.
        for (const QSize s :
             {QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768), QSize(1920, 1080),
              QSize(2560, 1440), QSize(3840, 2160), QSize(1024, 1820), QSize(1024, 1365)})
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
    }
    void placeCoversNoControl() {
        QFETCH(QSize, scherm);
        const QRect bord = bordVlak(scherm);
        QVERIFY(QRect(QPoint(0, 0), scherm).contains(bord));
        QVERIFY2(bord.height() >= kBordLaagste, qPrintable(QString::number(bord.height())));
        QVERIFY(bord.width() >= scherm.width() * 9 / 10);

        const Indeling ind = berekenIndeling(scherm);
        QList<QRect> bezet{naarPixels(ind.nummerPic), naarPixels(ind.knopPic),
                           QRect(naarPixels(ind.pijlLinks.x()), naarPixels(ind.pijlLinks.y()),
                                 kPijlGrootte.width(), kPijlGrootte.height()),
                           QRect(naarPixels(ind.pijlRechts.x()), naarPixels(ind.pijlRechts.y()),
                                 kPijlGrootte.width(), kPijlGrootte.height())};
        for (std::size_t n = 0; n < 4; ++n)
            bezet << naarPixels(ind.buitenKader[n]) << naarPixels(ind.rol[n]);
        for (const QRect& r : bezet)
            QVERIFY2(!r.intersects(bord), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                         .arg(r.x())
                                                         .arg(r.y())
                                                         .arg(r.width())
                                                         .arg(r.height())));
        const QRect kleiner = bordVlak(scherm - QSize(100, 100));
        QVERIFY(kleiner.height() <= bord.height() && kleiner.width() < bord.width());
    }

    void viewFollowsRangeAndRollerKind() {
        BordInhoud b;
        QCOMPARE(b.weergave(), BordInhoud::Weergave::LaatsteTien); // 1..9999, the defaults
        b.zetBereik(1, 100);
        QCOMPARE(b.weergave(), BordInhoud::Weergave::Raster);
        b.zetBereik(0, 100); // 101 numbers
        QCOMPARE(b.weergave(), BordInhoud::Weergave::LaatsteTien);
        b.zetBereik(-20, 20);
        QCOMPARE(b.weergave(), BordInhoud::Weergave::Raster);
        QCOMPARE(b.bereikGrootte(), 41);
        b.zetBereik(7, 7);
        QCOMPARE(b.weergave(), BordInhoud::Weergave::Raster);
        b.zetBereik(9, 3);
        QCOMPARE(b.bereikGrootte(), 0);
        QCOMPARE(b.weergave(), BordInhoud::Weergave::LaatsteTien);
        b.zetBereik(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        QCOMPARE(b.bereikGrootte(), qint64{1} << 32);
        b.zetBereik(1, 75);
        b.zetRolSoort(1);
        QCOMPARE(b.weergave(), BordInhoud::Weergave::Leeg);
    }

    void drawnNumbersAndTheLastTen() {
        BordInhoud b;
        b.zetBereik(1, 30);
        QVERIFY(!b.laatste());
        QVERIFY(b.laatsteTien().isEmpty());
        // Picture rollers may repeat numbers and the list may hold numbers of an older range.
        b.zetGetrokken({12, 3, 40, 3, 7});
        QCOMPARE(*b.laatste(), 7);
        QCOMPARE(b.getrokkenOplopend(), (QList<qint32>{3, 7, 12}));
        QVERIFY(b.isGetrokken(40) && !b.isGetrokken(4));
        for (qint32 n = 100; n < 110; ++n)
            b.voegToe(n);
        QCOMPARE(b.laatsteTien(),
                 (QList<qint32>{109, 108, 107, 106, 105, 104, 103, 102, 101, 100}));
        b.voegToe(5);
        QCOMPARE(b.laatsteTien().first(), 5);
        QCOMPARE(b.laatsteTien().last(), 101);
        b.wis();
        QVERIFY(!b.laatste() && !b.isGetrokken(5) && b.getrokken().isEmpty());
    }

    // Every cell gets a place, no row stays empty, and a wide band gets several rows.
    void gridShape() {
        for (int aantal : {1, 2, 30, 75, 90, 100}) {
            for (const QSize vlak :
                 {QSize(1000, 36), QSize(1880, 340), QSize(3780, 700), QSize(300, 300)}) {
                const QSize m = BordInhoud::rasterMaat(aantal, vlak, 3);
                QVERIFY(m.width() * m.height() >= aantal);
                QVERIFY(m.width() * (m.height() - 1) < aantal);
            }
        }
        QCOMPARE(BordInhoud::rasterMaat(90, QSize(1000, 36), 2).height(), 2);
        QVERIFY(BordInhoud::rasterMaat(90, QSize(1880, 340), 2).height() >= 3);
        QCOMPARE(BordInhoud::rasterMaat(100, QSize(300, 300), 2), QSize(10, 10));
        QCOMPARE(BordInhoud::rasterMaat(0, QSize(300, 300), 3), QSize(0, 0));
    }

    // A bingo evening on 1..75: the drawn numbers lit, the latest marked, the others dark,
    // at the size of the smallest and of the largest screen.
    void gridPaintsDrawnLatestAndOthers() {
        for (const QSize scherm : {QSize(1280, 1024), QSize(1920, 1080), QSize(3840, 2160)}) {
            Bord bord;
            bord.zetBereik(1, 75);
            bord.zetGetrokken({5, 17, 42});
            const QImage beeld = teken(bord, bordVlak(scherm).size());
            const QRect binnen = beeld.rect();
            for (qint32 n = 1; n <= 75; ++n) {
                const QRectF cel = bord.celVak(n);
                QVERIFY(binnen.contains(cel.toAlignedRect()));
                QVERIFY(!cel.intersects(bord.celVak(n == 75 ? 1 : n + 1)));
                const QColor verwacht = n == 42 ? kLaatste : n == 5 || n == 17 ? kAan : kUit;
                QCOMPARE(vulling(beeld, cel), verwacht);
            }
            QVERIFY(bord.celVak(0).isEmpty() && bord.celVak(76).isEmpty());
            QVERIFY(bord.plaatsVak(0).isEmpty());

            bord.voegToe(60);
            const QImage na = teken(bord, bordVlak(scherm).size());
            QCOMPARE(vulling(na, bord.celVak(42)), kAan);
            QCOMPARE(vulling(na, bord.celVak(60)), kLaatste);
            bord.wis();
            const QImage leeg = teken(bord, bordVlak(scherm).size());
            QCOMPARE(vulling(leeg, bord.celVak(60)), kUit);
        }
    }

    // From the back of the hall: on every screen the board shows digits of 16 pixels or more,
    // the grid where it has room for them and the last ten where it has not; in a window
    // lower than the layout it keeps its height above the bottom panel.
    void readableFromTheBack_data() {
        QTest::addColumn<QSize>("scherm");
        QTest::addColumn<int>("hoog");
        QTest::addColumn<bool>("raster");
        QTest::newRow("1024x768, 1..90") << QSize(1024, 768) << 90 << false;
        QTest::newRow("1366x768, 1..90") << QSize(1366, 768) << 90 << false;
        QTest::newRow("1366x768, 1..9999") << QSize(1366, 768) << 9999 << false;
        QTest::newRow("1280x1024, 1..90") << QSize(1280, 1024) << 90 << true;
        QTest::newRow("1920x1080, 1..90") << QSize(1920, 1080) << 90 << true;
        QTest::newRow("1920x1080, 1..100") << QSize(1920, 1080) << 100 << true;
        QTest::newRow("1080x1920 on its side, 1..90") << QSize(1024, 1820) << 90 << true;
        QTest::newRow("1080x1920 on its side, 1..9999") << QSize(1024, 1820) << 9999 << false;
        QTest::newRow("--schaal 2 on 1920x1080, 1..90") << QSize(960, 540) << 90 << false;
        QTest::newRow("800x600, 1..75") << QSize(800, 600) << 75 << false;
    }
    void readableFromTheBack() {
        QFETCH(QSize, scherm);
        QFETCH(int, hoog);
        QFETCH(bool, raster);
        const QRect vlak = bordVlak(scherm);
        QVERIFY(QRect(QPoint(0, 0), scherm).contains(vlak));
        QVERIFY(vlak.bottom() < naarPixels(berekenIndeling(scherm).knopPic.y()));
        Bord bord;
        bord.zetBereik(1, hoog);
        bord.zetGetrokken({7, 38, 61, 88});
        const QImage beeld = teken(bord, vlak.size());
        QCOMPARE(bord.weergave() == BordInhoud::Weergave::Raster, raster);
        // The print of a drawn, not latest number: 61 in the grid (dark on the lit cell), the
        // second place of the last ten (lit on a dark cell).
        const QRectF cel = raster ? bord.celVak(61) : bord.plaatsVak(1);
        QVERIFY(QRectF(beeld.rect()).contains(cel));
        QCOMPARE(vulling(beeld, cel), raster ? kAan : kUit);
        const QColor inkt = raster ? QColor(25, 20, 10) : kAan;
        int boven = -1;
        int onder = -1;
        const QRect r = cel.toAlignedRect() & beeld.rect();
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = beeld.pixelColor(x, y);
                if (qAbs(c.red() - inkt.red()) + qAbs(c.green() - inkt.green()) +
                        qAbs(c.blue() - inkt.blue()) <
                    60) {
                    onder = y;
                    if (boven < 0)
                        boven = y;
                    break;
                }
            }
        }
        QVERIFY(boven >= 0);
        QVERIFY2(onder - boven + 1 >= Bord::kKleinsteCijfer,
                 qPrintable(QStringLiteral("digits of %1 pixels").arg(onder - boven + 1)));
        // The places of the last ten are never much higher than wide.
        if (!raster)
            QVERIFY(bord.plaatsVak(1).height() <= 2.5 * bord.plaatsVak(1).width());
    }

    void lastTenPaintsLatestFirst() {
        Bord bord;
        bord.zetBereik(1, 9999);
        bord.zetGetrokken({4711, 12, 9999});
        const QSize maat = bordVlak(QSize(1920, 1080)).size();
        QImage beeld = teken(bord, maat);
        QVERIFY(bord.plaatsVak(0).width() > 1.5 * bord.plaatsVak(1).width());
        QVERIFY(bord.plaatsVak(0).right() < bord.plaatsVak(1).left());
        QCOMPARE(vulling(beeld, bord.plaatsVak(0)), kLaatste);
        QCOMPARE(vulling(beeld, bord.plaatsVak(2)), kUit);
        QCOMPARE(vulling(beeld, bord.plaatsVak(3)), kLeeg);
        QVERIFY(beeld.rect().contains(bord.plaatsVak(9).toAlignedRect()));
        QVERIFY(bord.celVak(12).isEmpty());
        bord.zetGetrokken(reeks(1, 25));
        beeld = teken(bord, maat);
        QCOMPARE(vulling(beeld, bord.plaatsVak(9)), kUit);
    }

    void pictureRollersLeaveItEmpty() {
        Bord bord;
        bord.zetBereik(1, 75);
        bord.zetGetrokken({3, 4});
        bord.zetRolSoort(1);
        const QImage beeld = teken(bord, QSize(800, 200));
        for (int y = 0; y < beeld.height(); y += 7) {
            for (int x = 0; x < beeld.width(); x += 7)
                QCOMPARE(qAlpha(beeld.pixel(x, y)), 0);
        }
        bord.zetRolSoort(0);
        QVERIFY(qAlpha(teken(bord, QSize(800, 200)).pixel(400, 100)) > 0);
    }

    // Following the drawn list: what it holds, each number listed, and its clearing.
    void followsTheDrawnList() {
        GetrokkenLijst lijst;
        lijst.voegToe(8);
        Bord bord;
        bord.zetBereik(1, 30);
        bord.volg(&lijst);
        QCOMPARE(bord.inhoud().getrokken(), QList<qint32>{8});
        lijst.voegToe(21);
        lijst.voegToe(3);
        QCOMPARE(bord.inhoud().getrokken(), (QList<qint32>{8, 21, 3}));
        QVERIFY(bord.beschrijving().contains(QLatin1String("Laatste: 3.")));
        lijst.maakLeeg();
        QVERIFY(bord.inhoud().getrokken().isEmpty());
        GetrokkenLijst ander;
        bord.volg(&ander);
        lijst.voegToe(9); // the old list is no longer followed
        ander.voegToe(10);
        QCOMPARE(bord.inhoud().getrokken(), QList<qint32>{10});
    }

    // A raffle on a range that would make a grid: the last ten tickets, each by its set's
    // name and number on a chip of its set's colour, the print standing out from the chip
    // (light colours get dark print) and its digits readable from the back of the hall.
    void raffleShowsSetsInTheirColours_data() {
        QTest::addColumn<QSize>("scherm");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QColor>("kleur");
        QTest::newRow("yellow, 1920x1080") << QSize(1920, 1080) << "Geel" << QColor(0xf5d824);
        QTest::newRow("white, 1024x768") << QSize(1024, 768) << "Wit" << QColor(0xffffff);
        QTest::newRow("black, 1366x768") << QSize(1366, 768) << "Zwart" << QColor(Qt::black);
        QTest::newRow("blue, 1280x1024") << QSize(1280, 1024) << "Blauw" << QColor(0x2f6fd0);
        QTest::newRow("long name, 1024x768")
            << QSize(1024, 768) << "Lichtblauw" << QColor(0x8cc8f0);
        QTest::newRow("no name, no colour") << QSize(1920, 1080) << "" << QColor();
    }
    void raffleShowsSetsInTheirColours() {
        QFETCH(QSize, scherm);
        QFETCH(QString, naam);
        QFETCH(QColor, kleur);
        GetrokkenLijst lijst;
        for (qint32 n = 1; n <= 9; ++n)
            lijst.voegToe(n, QStringLiteral("Roze %1").arg(n), QColor(0xf08cc0));
        const QString lot = naam.isEmpty() ? QStringLiteral("123") : naam + QStringLiteral(" 123");
        lijst.voegToe(123, naam.isEmpty() ? QString() : lot, kleur);
        lijst.voegToe(7, QStringLiteral("Roze 7"), QColor(0xf08cc0));
        Bord bord;
        bord.zetBereik(1, 75);
        bord.zetLoterij(true);
        bord.volg(&lijst);
        QCOMPARE(bord.weergave(), BordInhoud::Weergave::LaatsteTien);
        QVERIFY(bord.beschrijving().startsWith(
            QStringLiteral("Laatste loten, het laatste eerst: Roze 7, %1, Roze 9,").arg(lot)));
        const QImage beeld = teken(bord, bordVlak(scherm).size());
        const QRectF plaats = bord.plaatsVak(1);
        const QColor vlak = vulling(beeld, plaats);
        QCOMPARE(vlak, kleur.isValid() ? kleur : kUit);
        QCOMPARE(vulling(beeld, bord.plaatsVak(0)), QColor(0xf08cc0));
        // The print: the pixels inside the chip far from its colour. Their most common colour
        // is the ink; it must stand out from the chip. Its tallest line (the number below a
        // name, or the whole ticket on a low board) is readable from the back of the hall.
        QHash<QRgb, int> inkt;
        int regel = 0, hoogste = 0;
        const QRect r = plaats
                            .adjusted(plaats.width() / 10, plaats.height() / 16,
                                      -plaats.width() / 10, -plaats.height() / 16)
                            .toAlignedRect();
        for (int y = r.top(); y <= r.bottom(); ++y) {
            bool inRij = false;
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = beeld.pixelColor(x, y);
                if (contrast(c, vlak) >= 1.5) {
                    ++inkt[c.rgb()];
                    inRij = true;
                }
            }
            regel = inRij ? regel + 1 : 0;
            hoogste = std::max(hoogste, regel);
        }
        QVERIFY(!inkt.isEmpty());
        QRgb meest = inkt.begin().key();
        for (auto i = inkt.cbegin(); i != inkt.cend(); ++i)
            meest = i.value() > inkt[meest] ? i.key() : meest;
        QVERIFY2(contrast(QColor(meest), vlak) >= 4.5,
                 qPrintable(QColor(meest).name() + QStringLiteral(" on ") + vlak.name()));
        QVERIFY2(hoogste >= Bord::kKleinsteCijfer, qPrintable(QString::number(hoogste)));
        // Long tickets on a low board take fewer places, never fewer than the latest two.
        QVERIFY(!bord.plaatsVak(1).isEmpty());
        QCOMPARE(bord.plaatsVak(9).isEmpty(), bord.lotIndeling().plaatsen < 10);
    }

    // Assistive technology reads the board's name and the drawn numbers.
    void accessibleText() {
        Bord bord;
        bord.show();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&bord);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Bord"));
        QCOMPARE(iface->text(QAccessible::Description),
                 QStringLiteral("Nog geen nummers getrokken."));
        bord.zetGetrokken({4711, 12});
        QCOMPARE(iface->text(QAccessible::Description),
                 QStringLiteral("Laatste nummers, het laatste eerst: 12, 4711."));
        bord.wis();
        bord.zetBereik(1, 75);
        QCOMPARE(iface->text(QAccessible::Description),
                 QStringLiteral("Nog geen nummers getrokken van 1 tot en met 75."));
        bord.zetGetrokken({42, 5, 17});
        QCOMPARE(iface->text(QAccessible::Description),
                 QStringLiteral("3 van 75 getrokken: 5, 17, 42. Laatste: 17."));
        bord.zetRolSoort(1);
        QCOMPARE(iface->text(QAccessible::Description),
                 QStringLiteral("Leeg bij rollers met afbeeldingen."));
    }
};

QTEST_MAIN(TestBord)
#include "test_bord.moc"
