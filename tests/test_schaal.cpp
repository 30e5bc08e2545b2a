// The scale factor: which factor a screen gets, which picture variant is loaded, and the
// result panel and the background at a device pixel ratio of 2 (the rollers are followed from
// screen to screen in test_schaalvenster).
#include "common/achtergrond.h"
#include "common/schaal.h"
#include "draw/panel.h"

#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <tuple>

class TestSchaal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factorPerScherm_data() {
        QTest::addColumn<QSize>("scherm");
        QTest::addColumn<double>("bureaublad");
        QTest::addColumn<double>("geforceerd"); // 0: not given
        QTest::addColumn<double>("factor");
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.0 << 0.0 << 1.0;
        QTest::newRow("1366x768") << QSize(1366, 768) << 1.0 << 0.0 << 1.0;
        QTest::newRow("1920x1200 keeps its pixels") << QSize(1920, 1200) << 1.0 << 0.0 << 1.0;
        QTest::newRow("one row more") << QSize(1920, 1201) << 1.0 << 0.0 << 1201.0 / 1080;
        QTest::newRow("2560x1440") << QSize(2560, 1440) << 1.0 << 0.0 << 4.0 / 3;
        QTest::newRow("3840x2160") << QSize(3840, 2160) << 1.0 << 0.0 << 2.0;
        QTest::newRow("ultra-wide 3440x1440") << QSize(3440, 1440) << 1.0 << 0.0 << 4.0 / 3;
        // On its side the width decides: 1024 logical pixels across at least.
        QTest::newRow("1080x1920 portrait") << QSize(1080, 1920) << 1.0 << 0.0 << 1080.0 / 1024;
        QTest::newRow("2160x3840 portrait") << QSize(2160, 3840) << 1.0 << 0.0 << 2160.0 / 1024;
        QTest::newRow("1024x1280 portrait") << QSize(1024, 1280) << 1.0 << 0.0 << 1.0;
        QTest::newRow("1200x1920 portrait") << QSize(1200, 1920) << 1.0 << 0.0 << 1200.0 / 1024;
        // Never below 1 by itself: a small screen keeps its pixels.
        QTest::newRow("768x1024 portrait") << QSize(768, 1024) << 1.0 << 0.0 << 1.0;
        QTest::newRow("900x1600 portrait") << QSize(900, 1600) << 1.0 << 0.0 << 1.0;
        QTest::newRow("800x600") << QSize(800, 600) << 1.0 << 0.0 << 1.0;
        QTest::newRow("desktop scales by 1.5") << QSize(3840, 2160) << 1.5 << 0.0 << 1.5;
        QTest::newRow("desktop scales 1080 by 1.25") << QSize(1920, 1080) << 1.25 << 0.0 << 1.25;
        QTest::newRow("desktop shrinks") << QSize(3840, 2160) << 0.5 << 0.0 << 2.0;
        QTest::newRow("forced on 1080") << QSize(1920, 1080) << 1.0 << 2.0 << 2.0;
        QTest::newRow("forced over the desktop") << QSize(3840, 2160) << 2.0 << 0.5 << 0.5;
        QTest::newRow("forced on a small screen") << QSize(800, 600) << 1.0 << 0.5 << 0.5;
    }
    void factorPerScherm() {
        QFETCH(QSize, scherm);
        QFETCH(double, bureaublad);
        QFETCH(double, geforceerd);
        QFETCH(double, factor);
        const auto gegeven = geforceerd > 0 ? std::optional<double>(geforceerd) : std::nullopt;
        QCOMPARE(kiesSchaal(scherm, bureaublad, gegeven), factor);
        // Unless forced or the desktop's own, a grown window keeps 1024 logical pixels across.
        if (!gegeven && bureaublad <= 1 && factor > 1)
            QVERIFY(scherm.width() / factor >= kKleinsteBreedte - 0.5);
    }

    void plaatjeVanDeVolgendeHeleFactor() {
        QTemporaryDir map;
        const QString bron = map.filePath("p.png");
        QImage vlak(10, 6, QImage::Format_RGB32);
        vlak.fill(Qt::red);
        QVERIFY(vlak.save(bron));
        vlak = QImage(20, 12, QImage::Format_RGB32);
        vlak.fill(Qt::blue);
        QVERIFY(vlak.save(map.filePath("p@2x.png")));
        // Whole factors take their variant, others the next whole one scaled; without it the
        // largest there is grows.
        const std::array<std::tuple<double, QSize, QColor>, 4> gevallen{{{1, {10, 6}, Qt::red},
                                                                         {1.5, {15, 9}, Qt::blue},
                                                                         {3, {30, 18}, Qt::blue},
                                                                         {0.5, {5, 3}, Qt::red}}};
        for (const auto& [schaal, maat, kleur] : gevallen) {
            const QImage beeld = laadOpSchaal(bron, schaal);
            QCOMPARE(beeld.size(), maat);
            QCOMPARE(beeld.devicePixelRatio(), schaal);
            QCOMPARE(QColor(beeld.pixel(beeld.width() / 2, beeld.height() / 2)), kleur);
        }
        QVERIFY(laadOpSchaal(map.filePath("geen.png"), 2).isNull());
    }

    void paneelOpFactorTwee() {
        QImage klein = nieuwNummerPaneel();
        MaakNummerSchoon(klein);
        QImage groot = nieuwNummerPaneel(2);
        QCOMPARE(groot.size(), QSize(1072, 360));
        MaakNummerSchoon(groot);
        // Frame and dots are whole panel pixels: every pixel became a block of four.
        bool blokken = true;
        for (int y = 0; y < groot.height(); ++y)
            for (int x = 0; x < groot.width(); ++x)
                blokken = blokken && groot.pixel(x, y) == klein.pixel(x / 2, y / 2);
        QVERIFY(blokken);
    }

    void achtergrondOpApparaatPixels() {
        QImage beeld(64, 32, QImage::Format_RGB32);
        beeld.fill(Qt::green);
        const QPixmap twee = uitgerekt(beeld, QSize(1920, 1080), 2);
        QCOMPARE(twee.size(), QSize(3840, 2160));
        QCOMPARE(twee.deviceIndependentSize(), QSizeF(1920, 1080));
    }
};

QTEST_MAIN(TestSchaal)
#include "test_schaal.moc"
