// The scale factor: which factor a screen gets, what --schaal accepts, which picture variant is
// loaded, and the pictures drawn at a device pixel ratio above 1 (result panel, rollers).
#include "common/schaal.h"
#include "draw/panel.h"
#include "draw/rol.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

// A picture of one colour, saved as PNG.
bool bewaarVlak(const QString& pad, QSize maat, QColor kleur) {
    QImage beeld(maat, QImage::Format_RGB32);
    beeld.fill(kleur);
    return beeld.save(pad, "PNG");
}

// A strip `hoogte` logical rows high at `schaal`, each device row of its own colour.
QImage rijenStrook(int hoogte, int schaal) {
    QImage strook(150 * schaal, hoogte * schaal, QImage::Format_RGB32);
    for (int y = 0; y < strook.height(); ++y) {
        auto* lijn = reinterpret_cast<QRgb*>(strook.scanLine(y));
        std::fill_n(lijn, strook.width(), qRgb(y % 256, y / 256, 7));
    }
    strook.setDevicePixelRatio(schaal);
    return strook;
}

// Whether every `schaal` x `schaal` block of `groot` has the colour of its pixel in `klein`.
bool blokkenGelijk(const QImage& groot, const QImage& klein, int schaal) {
    if (groot.size() != klein.size() * schaal)
        return false;
    for (int y = 0; y < groot.height(); ++y)
        for (int x = 0; x < groot.width(); ++x)
            if (groot.pixel(x, y) != klein.pixel(x / schaal, y / schaal))
                return false;
    return true;
}

} // namespace

class TestSchaal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factorPerScherm_data() {
        QTest::addColumn<int>("hoogte");
        QTest::addColumn<double>("bureaublad");
        QTest::addColumn<double>("geforceerd"); // 0: not given
        QTest::addColumn<double>("factor");
        QTest::newRow("1024x768") << 768 << 1.0 << 0.0 << 1.0;
        QTest::newRow("1920x1080") << 1080 << 1.0 << 0.0 << 1.0;
        QTest::newRow("1920x1200 keeps its pixels") << 1200 << 1.0 << 0.0 << 1.0;
        QTest::newRow("one row more") << 1201 << 1.0 << 0.0 << 1201.0 / 1080;
        QTest::newRow("2560x1440") << 1440 << 1.0 << 0.0 << 4.0 / 3;
        QTest::newRow("3840x2160") << 2160 << 1.0 << 0.0 << 2.0;
        QTest::newRow("7680x4320") << 4320 << 1.0 << 0.0 << 4.0;
        QTest::newRow("desktop scales 4K by 2") << 2160 << 2.0 << 0.0 << 2.0;
        QTest::newRow("desktop scales 4K by 1.5") << 2160 << 1.5 << 0.0 << 1.5;
        QTest::newRow("desktop scales 1080 by 1.25") << 1080 << 1.25 << 0.0 << 1.25;
        QTest::newRow("desktop shrinks") << 2160 << 0.5 << 0.0 << 2.0;
        QTest::newRow("forced on 1080") << 1080 << 1.0 << 2.0 << 2.0;
        QTest::newRow("forced 1 on 4K") << 2160 << 1.0 << 1.0 << 1.0;
        QTest::newRow("forced over the desktop") << 2160 << 2.0 << 0.5 << 0.5;
    }
    void factorPerScherm() {
        QFETCH(int, hoogte);
        QFETCH(double, bureaublad);
        QFETCH(double, geforceerd);
        QFETCH(double, factor);
        const auto gegeven = geforceerd > 0 ? std::optional<double>(geforceerd) : std::nullopt;
        QCOMPARE(kiesSchaal(hoogte, bureaublad, gegeven), factor);
    }

    void optieWaarde_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<double>("factor"); // 0: refused
        QTest::newRow("whole") << "2" << 2.0;
        QTest::newRow("point") << "1.5" << 1.5;
        QTest::newRow("comma") << "1,5" << 1.5;
        QTest::newRow("blanks") << " 3 " << 3.0;
        QTest::newRow("smallest") << "0.5" << 0.5;
        QTest::newRow("largest") << "8" << 8.0;
        QTest::newRow("too small") << "0.49" << 0.0;
        QTest::newRow("too large") << "8.01" << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("negative") << "-2" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "twee" << 0.0;
        QTest::newRow("unit") << "2x" << 0.0;
        QTest::newRow("nan") << "nan" << 0.0;
        QTest::newRow("inf") << "inf" << 0.0;
    }
    void optieWaarde() {
        QFETCH(QString, tekst);
        QFETCH(double, factor);
        const std::optional<double> gelezen = leesSchaal(tekst);
        QCOMPARE(gelezen.has_value(), factor > 0);
        if (gelezen)
            QCOMPARE(*gelezen, factor);
    }

    void plaatjeVanDeVolgendeHeleFactor() {
        QTemporaryDir map;
        const QString bron = map.filePath("p.png");
        QVERIFY(bewaarVlak(bron, QSize(10, 6), Qt::red));
        QVERIFY(bewaarVlak(map.filePath("p@2x.png"), QSize(20, 12), Qt::blue));
        struct Geval {
            double schaal;
            QSize maat;
            QColor kleur;
        };
        // Whole factors take their variant as it is; others the next whole one, scaled; above
        // the largest variant there is, that one grows.
        for (const Geval& g : {Geval{1, {10, 6}, Qt::red}, Geval{2, {20, 12}, Qt::blue},
                               Geval{1.5, {15, 9}, Qt::blue}, Geval{3, {30, 18}, Qt::blue},
                               Geval{0.5, {5, 3}, Qt::red}}) {
            const QImage beeld = laadOpSchaal(bron, g.schaal);
            QCOMPARE(beeld.size(), g.maat);
            QCOMPARE(beeld.devicePixelRatio(), g.schaal);
            QCOMPARE(beeld.deviceIndependentSize(), QSizeF(10, 6));
            QCOMPARE(QColor(beeld.pixel(beeld.width() / 2, beeld.height() / 2)), g.kleur);
        }
        QVERIFY(laadOpSchaal(map.filePath("geen.png"), 2).isNull());
    }

    void paneelOpFactorTwee() {
        QImage klein = nieuwNummerPaneel();
        MaakNummerSchoon(klein);
        QImage groot = nieuwNummerPaneel(2);
        QCOMPARE(groot.size(), QSize(1072, 360));
        QCOMPARE(groot.devicePixelRatio(), 2.0);
        MaakNummerSchoon(groot);
        // Frame and dots are whole panel pixels: every pixel became a block of four.
        QVERIFY(blokkenGelijk(groot, klein, 2));
        QCOMPARE(groot.pixel(11, 100), qRgb(250, 250, 250));
        QCOMPARE(groot.pixel(12, 100), qRgb(0, 0, 0));

        // The picture look: the prize table of the same ratio fills it, under the frame.
        QImage tabel(1072, 360, QImage::Format_RGB32);
        tabel.fill(QColor(174, 174, 174));
        tabel.setDevicePixelRatio(2);
        MaakFruitScherm(groot, tabel);
        QCOMPARE(groot.pixel(19, 19), qRgb(0, 0, 0));
        QCOMPARE(groot.pixel(20, 20), qRgb(174, 174, 174));
        QCOMPARE(groot.pixel(1051, 339), qRgb(174, 174, 174));
        QCOMPARE(groot.pixel(1052, 340), qRgb(0, 0, 0));
    }

    void gedruktNummerOpFactor() {
        // The printed result is drawn, not blown up: four times the pixels in its colour, no
        // fewer, and it keeps its place.
        const QColor kleur(255, 255, 190);
        auto tel = [&](double schaal, int& links) {
            QImage paneel = nieuwNummerPaneel(schaal);
            MaakNummerSchoon(paneel);
            drukNummer(paneel, "8", 220, kleur);
            int n = 0;
            links = paneel.width();
            for (int y = 0; y < paneel.height(); ++y)
                for (int x = 0; x < paneel.width(); ++x)
                    if (paneel.pixel(x, y) == kleur.rgb()) {
                        ++n;
                        links = std::min(links, x);
                    }
            return n;
        };
        int links1 = 0, links2 = 0;
        const int een = tel(1, links1);
        const int twee = tel(2, links2);
        QVERIFY2(twee > 3.7 * een && twee < 4.3 * een,
                 qPrintable(QString("%1 %2").arg(een).arg(twee)));
        QVERIFY(qAbs(links2 - 2 * links1) <= 2);
        QVERIFY(links2 >= 2 * 224);
    }

    void paneelOpBrokenFactor() {
        QImage paneel = nieuwNummerPaneel(4.0 / 3);
        QCOMPARE(paneel.size(), QSize(715, 240));
        QCOMPARE(paneel.deviceIndependentSize().toSize(), QSize(536, 180));
        MaakNummerSchoon(paneel);
        QCOMPARE(paneel.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(paneel.pixel(714, 239), qRgb(0, 0, 0));
        QCOMPARE(paneel.pixel(6, 120), qRgb(250, 250, 250));
        QCOMPARE(paneel.pixel(15, 120), qRgb(80, 80, 80));
    }

    void rolOpFactorTwee() {
        const QImage strook2 = rijenStrook(600, 2);
        Rol rol;
        rol.zetStrook(strook2);
        QCOMPARE(rol.beeld().size(), QSize(300, 414));
        QCOMPARE(rol.beeld().devicePixelRatio(), 2.0);
        QCOMPARE(rol.beeld(), strook2.copy(0, 0, 300, 414));
        QCOMPARE(rol.neemVuil(), 207);

        // Positions and rows stay those of the strip's logical pixels.
        rol.tekenStrook(100, 202);
        QCOMPARE(rol.neemVuil(), 202);
        QCOMPARE(rol.beeld().copy(0, 0, 300, 404), strook2.copy(0, 200, 300, 404));
        QCOMPARE(rol.beeld().copy(0, 404, 300, 10), strook2.copy(0, 404, 300, 10));

        // The same strip at ratio 1: the roller shows the same rows, now at 1.
        const QImage strook1 = rijenStrook(600, 1);
        rol.vervangStrook(strook1);
        QCOMPARE(rol.neemVuil(), 207);
        QCOMPARE(rol.beeld().size(), Rol::kGrootte);
        QCOMPARE(rol.beeld().devicePixelRatio(), 1.0);
        QCOMPARE(rol.beeld().copy(0, 0, 150, 202), strook1.copy(0, 100, 150, 202));
        QCOMPARE(rol.beeld().copy(0, 202, 150, 5), strook1.copy(0, 202, 150, 5));
        // And back: exactly the picture it had at 2.
        const QImage eerder = rol.beeld();
        rol.vervangStrook(strook2);
        rol.vervangStrook(strook1);
        QCOMPARE(rol.beeld(), eerder);

        // A fresh roller is given its strip as zetStrook gives it.
        Rol nieuw;
        nieuw.vervangStrook(strook2);
        QCOMPARE(nieuw.beeld(), strook2.copy(0, 0, 300, 414));
    }

    void rolOpBrokenFactor() {
        // At 4/3 a copy moves whole device rows: row 0 shows the strip's device row of y.
        QImage strook = rijenStrook(600, 4);
        strook = strook.scaled(200, 800);
        strook.setDevicePixelRatio(4.0 / 3);
        Rol rol;
        rol.zetStrook(strook);
        QCOMPARE(rol.beeld().size(), QSize(200, 276));
        rol.tekenStrook(30, 200);
        QCOMPARE(rol.beeld().copy(0, 0, 200, 267), strook.copy(0, 40, 200, 267));
    }
};

QTEST_MAIN(TestSchaal)
#include "test_schaal.moc"
