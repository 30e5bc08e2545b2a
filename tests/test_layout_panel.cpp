#include "app/indeling.h"
#include "common/knoppaneel.h"
#include "draw/panel.h"
#include "draw/rol.h"
#include "draw/rollogica.h"

#include <QTest>

#include <limits>

class TestLayoutPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void screenOf1024Pixels() {
        const Indeling ind = berekenIndeling(QSize(1024, 768));
        QCOMPARE(ind.schermBreedte, 15360);
        const std::array<int, 4> links{2580, 5280, 7980, 10680};
        for (std::size_t n = 0; n < 4; ++n) {
            QCOMPARE(ind.rol[n], QRect(links[n], 3300, 2250, 3105));
            QCOMPARE(ind.binnenKader[n], QRect(links[n] - 60, 3240, 2355, 3240));
            QCOMPARE(ind.buitenKader[n], QRect(links[n] - 90, 3210, 2430, 3285));
        }
        QCOMPARE(ind.nummerPic, QRect(3660, 6900, 8040, 2700));
        QCOMPARE(ind.pijlLinks, QPoint(2280, 7800));
        QCOMPARE(ind.pijlRechts, QPoint(11970, 7800));
        QCOMPARE(ind.knopPic, QRect(0, 768 * 15 - 1200, 15360, 1200));
        QCOMPARE(naarPixels(ind.nummerPic), QRect(244, 460, 536, 180));
        QCOMPARE(naarPixels(ind.rol[0]).size(), Rol::kGrootte);
    }

    // However many characters a range's numbers have, their rollers share the band of the four:
    // alike, left to right without overlapping, from its left edge to its right edge, each
    // inside its frames; four rollers keep their places.
    void rollersShareTheBand_data() {
        QTest::addColumn<QSize>("scherm");
        QTest::addColumn<qint32>("laagste");
        QTest::addColumn<qint32>("hoogste");
        QTest::addColumn<int>("aantal");
        for (const QSize s : {QSize(1024, 768), QSize(1920, 1080)}) {
            const auto rij = [&](const char* naam) -> QTestData& {
                return QTest::addRow("%dx%d %s", s.width(), s.height(), naam) << s;
            };
            rij("-999..9999") << -999 << 9999 << 4;
            rij("10000..10999") << 10000 << 10999 << 5;
            rij("-1000..-1") << -1000 << -1 << 5;
            rij("1..250000") << 1 << 250000 << 6;
            rij("min..max") << std::numeric_limits<qint32>::min()
                            << std::numeric_limits<qint32>::max() << 10;
        }
    }

    void rollersShareTheBand() {
        QFETCH(QSize, scherm);
        QFETCH(qint32, laagste);
        QFETCH(qint32, hoogste);
        QFETCH(int, aantal);
        const Indeling vier = berekenIndeling(scherm);
        const Indeling ind = berekenIndeling(scherm, aantalRollen(laagste, hoogste));
        QCOMPARE(ind.aantalRollen, aantal);
        const QRect band = naarPixels(vier.buitenKader[0]).united(naarPixels(vier.buitenKader[3]));
        const QRect eerste = naarPixels(ind.rol[0]);
        for (std::size_t n = 0; n < static_cast<std::size_t>(aantal); ++n) {
            const QRect rol = naarPixels(ind.rol[n]), buiten = naarPixels(ind.buitenKader[n]);
            QVERIFY(band.contains(buiten) && buiten.contains(naarPixels(ind.binnenKader[n])) &&
                    naarPixels(ind.binnenKader[n]).contains(rol));
            QVERIFY(qAbs(rol.width() - eerste.width()) <= 1 && rol.height() == eerste.height());
            QVERIFY(n == 0 || naarPixels(ind.buitenKader[n - 1]).right() < buiten.left());
            if (aantal == 4)
                QVERIFY(ind.rol[n] == vier.rol[n] && ind.buitenKader[n] == vier.buitenKader[n]);
        }
        QVERIFY(qAbs(naarPixels(ind.buitenKader[aantal - 1]).right() - band.right()) <= 1);
        QVERIFY(aantal == kMaxRollen || ind.rol[static_cast<std::size_t>(aantal)].isNull());
    }

    // A result of more than four characters is printed whole inside the frame, centred, with
    // its digits on the middle line of the shorter results.
    void wideNumbersFitThePanel_data() {
        QTest::addColumn<QString>("tekst");
        for (const char* tekst : {"10000", "-1000", "888888", "-2147483648"})
            QTest::newRow(tekst) << QString::fromLatin1(tekst);
    }

    void wideNumbersFitThePanel() {
        QFETCH(QString, tekst);
        const QColor kleur(255, 255, 190);
        // The bounds of the pixels of one colour inside the frame.
        const auto inkt = [&](const QImage& paneel, QRgb kleur) {
            QRect r;
            for (int y = 10; y < 170; ++y)
                for (int x = 10; x < 526; ++x)
                    if (paneel.pixel(x, y) == kleur)
                        r |= QRect(x, y, 1, 1);
            return r;
        };
        QImage paneel = nieuwNummerPaneel(), vier = nieuwNummerPaneel();
        MaakNummerSchoon(paneel);
        MaakNummerSchoon(vier);
        drukBreedNummer(paneel, tekst, kleur);
        drukNummer(vier, QStringLiteral("8888"), 60, kleur);
        const QRect gekleurd = inkt(paneel, kleur.rgb()), schaduw = inkt(paneel, qRgb(0, 0, 0));
        const QRect binnen(14, 14, 536 - 28, 180 - 28);
        QVERIFY(binnen.contains(gekleurd) && binnen.contains(schaduw));
        QVERIFY(qAbs(schaduw.left() - (535 - gekleurd.right())) <= 8);
        QVERIFY(gekleurd.width() > 400 && gekleurd.height() * 3 > inkt(vier, kleur.rgb()).height());
        QVERIFY(qAbs(gekleurd.center().y() - inkt(vier, kleur.rgb()).center().y()) <= 4);
    }

    void titleCentring() {
        // A title wider than the screen gets a negative left edge; nothing is clipped.
        QCOMPARE(logoLinks(15360, 20000, false), -2320.0);
        QCOMPARE(logoLinks(15360, 20000, true), -2380.0);
        QCOMPARE(logoLinks(15360, 0, false), 7680.0);
    }

    void bottomPanelInside() {
        const PaneelIndeling p = berekenPaneel(1024);
        QCOMPARE(p.knop[3], QPoint(220, 23));
        QCOMPARE(p.klok, QPoint(1024 - 185, 38));
        QCOMPARE(p.exitKnop, QPoint(1024 - 60, 23));
        QCOMPARE(p.lijst, QRect(366, 30, 202, 34));
    }

    void digitLookPixels() {
        QImage paneel = nieuwNummerPaneel();
        paneel.fill(Qt::red);
        MaakNummerSchoon(paneel);
        const QRgb grijs = qRgb(150, 150, 150);
        // The frame: black outer ten pixels with the near-white line at inset 3 to 5.
        QCOMPARE(paneel.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(paneel.pixel(535, 179), qRgb(0, 0, 0));
        QCOMPARE(paneel.pixel(9, 90), qRgb(0, 0, 0));
        QCOMPARE(paneel.pixel(526, 90), qRgb(0, 0, 0));
        QCOMPARE(paneel.pixel(3, 3), qRgb(250, 250, 250));
        QCOMPARE(paneel.pixel(5, 100), qRgb(250, 250, 250));
        QCOMPARE(paneel.pixel(530, 176), qRgb(250, 250, 250));
        QCOMPARE(paneel.pixel(10, 10), qRgb(80, 80, 80));
        // The first grey dot that shows and the last.
        QCOMPARE(paneel.pixel(15, 15), grijs);
        QCOMPARE(paneel.pixel(519, 159), grijs);
        QCOMPARE(paneel.pixel(16, 15), qRgb(80, 80, 80));
        QCOMPARE(paneel.pixel(27, 27), grijs);
        int grijzePunten = 0;
        for (int y = 0; y < paneel.height(); ++y)
            for (int x = 0; x < paneel.width(); ++x)
                grijzePunten += paneel.pixel(x, y) == grijs;
        QCOMPARE(grijzePunten, 43 * 13); // the first row and column lie under the frame

        QImage tweeKeer = paneel.copy();
        MaakNummerSchoon(tweeKeer);
        QCOMPARE(tweeKeer, paneel);
    }

    void pictureLookPixels() {
        QImage tabel(536, 180, QImage::Format_RGB32);
        tabel.fill(QColor(174, 174, 174));
        QImage paneel = nieuwNummerPaneel();
        drukNummer(paneel, "7", 220, QColor(255, 255, 190));
        MaakFruitScherm(paneel, tabel);
        QCOMPARE(paneel.pixel(9, 9), qRgb(0, 0, 0));
        QCOMPARE(paneel.pixel(4, 50), qRgb(250, 250, 250));
        QCOMPARE(paneel.pixel(10, 10), qRgb(174, 174, 174));
        QCOMPARE(paneel.pixel(268, 90), qRgb(174, 174, 174)); // the printed number is gone
    }

    void printedNumberHasShadowAndColour() {
        QImage paneel = nieuwNummerPaneel();
        MaakNummerSchoon(paneel);
        const QColor kleur(255, 255, 190);
        drukNummer(paneel, "8", 220, kleur);
        int gekleurd = 0, zwart = 0, linksVan = 0;
        for (int y = 10; y < 170; ++y) {
            for (int x = 10; x < 526; ++x) {
                const QRgb p = paneel.pixel(x, y);
                if (p == kleur.rgb()) {
                    ++gekleurd;
                    linksVan += x < 224;
                }
                zwart += p == qRgb(0, 0, 0);
            }
        }
        QVERIFY2(gekleurd > 2000, qPrintable(QString::number(gekleurd)));
        QVERIFY(zwart > 200);  // the shadow shows beside the number
        QCOMPARE(linksVan, 0); // the coloured number starts at x 224 or right of it
    }

    void bottomPanelDrawing() {
        const QImage b = KnopPaneel::tekening(1024, 80, berekenPaneel(1024).lijstKader);
        QCOMPARE(b.pixel(0, 10), qRgb(20, 20, 50));
        QCOMPARE(b.pixel(3, 79), qRgb(20, 20, 50));
        QCOMPARE(b.pixel(1, 10), qRgb(80, 80, 100));
        QCOMPARE(b.pixel(0, 9), qRgb(80, 80, 100));
        QCOMPARE(b.pixel(364, 28), qRgb(170, 170, 170));
        QCOMPARE(b.pixel(569, 65), qRgb(170, 170, 170));
        QCOMPARE(b.pixel(400, 40), qRgb(20, 20, 40));
        QCOMPARE(b.pixel(571, 41), qRgb(80, 80, 100));

        // At factor 2 every pixel of it is a block of four: dots and outline grow with it.
        const QImage groot = KnopPaneel::tekening(1024, 80, berekenPaneel(1024).lijstKader, 2);
        QCOMPARE(groot.size(), QSize(2048, 160));
        QCOMPARE(groot.devicePixelRatio(), 2.0);
        bool blokken = true;
        for (int y = 0; y < groot.height(); ++y)
            for (int x = 0; x < groot.width(); ++x)
                blokken = blokken && groot.pixel(x, y) == b.pixel(x / 2, y / 2);
        QVERIFY(blokken);
    }
};

QTEST_MAIN(TestLayoutPanel)
#include "test_layout_panel.moc"
