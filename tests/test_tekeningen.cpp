// The drawings under assets/art as quintaro_assetgen uses them: the checks of every drawing,
// the fruit in its square, the pictures, strip, prize table and icons assembled from them, and
// the blur of their shadows.

#include "drawings.h"
#include "images.h"
#include "paint.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

void schrijf(const QString& pad, const QByteArray& inhoud) {
    QVERIFY(QDir().mkpath(QFileInfo(pad).absolutePath()));
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhoud);
}

const QString kKunst = QStringLiteral(QUINTARO_ART_DIR);

// A drawing of one flat disc in `kleur`, filling most of its 100 x 100 page.
QByteArray schijf(const QColor& kleur) {
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 100 100\">"
                          "<circle cx=\"50\" cy=\"50\" r=\"45\" fill=\"%1\"/></svg>")
        .arg(kleur.name())
        .toUtf8();
}

// Ten clearly different colours, one per digit value.
QColor kleurVan(int cijfer) {
    return QColor::fromHsv(cijfer * 36, 255, 220);
}

bool lijktOp(QRgb c, const QColor& kleur) {
    return std::abs(qRed(c) - kleur.red()) < 6 && std::abs(qGreen(c) - kleur.green()) < 6 &&
           std::abs(qBlue(c) - kleur.blue()) < 6;
}

// A folder of drawings in which every fruit is a disc of its own colour and every other
// drawing a grey disc: what the pictures show then tells where each drawing went.
void maakProefKunst(const QString& map) {
    for (int c = 0; c < 10; ++c) {
        schrijf(map + "/" + fruitTekening(c), schijf(kleurVan(c)));
        schrijf(map + "/" + prijsTekening(c), schijf(kleurVan(c)));
    }
    for (const Plaatje& p : lossePlaatjes())
        schrijf(map + "/" + p.tekening, schijf(Qt::gray));
}

} // namespace

class TestTekeningen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void vervagingBehoudtDeInkt();
    void tekeningenZijnEr();
    void svgFouten_data();
    void svgFouten();
    void fruitBlijftInZijnVak();
    void stripEnPrijzenTabelTonenElkeTekeningOpHaarPlaats();
    void plaatjesEnIconenVanDeTekeningen();
};

void TestTekeningen::vervagingBehoudtDeInkt() {
    QImage img = leegPlaatje(41, 41);
    img.setPixel(20, 20, qRgba(255, 255, 255, 255));
    for (int y = 18; y <= 22; ++y)
        for (int x = 18; x <= 22; ++x)
            img.setPixel(x, y, qRgba(255, 255, 255, 255));
    auto inkt = [](const QImage& i) {
        long som = 0;
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                som += qAlpha(i.pixel(x, y));
        return som;
    };
    const long voor = inkt(img);
    vervaag(img, 6);
    // Spread out, symmetric, and (apart from rounding) no ink lost.
    QVERIFY(qAlpha(img.pixel(20, 20)) < 255);
    QVERIFY(qAlpha(img.pixel(26, 20)) > 0);
    QCOMPARE(qAlpha(img.pixel(26, 20)), qAlpha(img.pixel(14, 20)));
    QCOMPARE(qAlpha(img.pixel(20, 26)), qAlpha(img.pixel(20, 14)));
    QVERIFY2(std::abs(inkt(img) - voor) < voor / 20, qPrintable(QString::number(inkt(img))));
}

void TestTekeningen::tekeningenZijnEr() {
    // Every drawing the pictures are made of is in assets/art and keeps to what Qt SVG draws;
    // no drawing there is left unused.
    const QStringList nodig = tekeningen();
    QCOMPARE(nodig.size(), 10 + 10 + 9);
    for (const QString& naam : nodig) {
        const QStringList fouten = ::svgFouten(kKunst + "/" + naam);
        QVERIFY2(fouten.isEmpty(), qPrintable(fouten.join('\n')));
    }
    QDirIterator it(kKunst, {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString naam = QDir(kKunst).relativeFilePath(it.next());
        QVERIFY2(nodig.contains(naam), qPrintable(naam));
    }
}

void TestTekeningen::svgFouten_data() {
    QTest::addColumn<QByteArray>("svg");
    QTest::addColumn<QString>("fout"); // a part of the one fault expected; empty: none
    const QByteArray kop = "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 10 10\">";
    QTest::newRow("plain") << kop + "<defs><linearGradient id=\"a\"><stop offset=\"0\"/>"
                                    "</linearGradient></defs><g><path d=\"M0 0L5 5\" "
                                    "stroke=\"url(#a)\"/><use xlink:href=\"#a\"/></g></svg>"
                           << QString();
    // What a drawing program adds of its own, in its own namespaces, does no harm.
    const QByteArray ink = "http://www.inkscape.org/namespaces/inkscape";
    QTest::newRow("editor") << "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:ink=\"" + ink +
                                   "\" viewBox=\"0 0 9 9\"><ink:view/><g ink:label=\"Laag 1\">"
                                   "<rect width=\"5\" height=\"5\" style=\"fill:red;filter:"
                                   "none;paint-order:normal\"/></g></svg>"
                            << QString();
    const QByteArray rect = "<rect width=\"5\" height=\"5\" ";
    QTest::newRow("blur") << kop + "<defs><filter id=\"f\"/></defs></svg>"
                          << "<filter>";
    QTest::newRow("blur in style") << kop + rect + "style=\"fill:red; filter : url(#f)\"/></svg>"
                                   << "filter is not drawn";
    QTest::newRow("mask") << kop + rect + "mask=\"url(#m)\"/></svg>"
                          << "mask is not drawn";
    QTest::newRow("stroke under fill") << kop + rect + "style=\"paint-order:stroke\"/></svg>"
                                       << "paint-order";
    QTest::newRow("clip") << kop + "<g clip-path=\"url(#c)\"/></svg>"
                          << "clip-path";
    QTest::newRow("text") << kop + "<text x=\"1\" y=\"9\">7</text></svg>"
                          << "<text>";
    QTest::newRow("no viewBox") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"/>")
                                << "no viewBox";
    QTest::newRow("not svg") << QByteArray("<html><body/></html>") << "not an SVG drawing";
    QTest::newRow("broken") << kop + "<g><path d=\"M0 0L5 5\"/></svg>"
                            << ":1:";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestTekeningen::svgFouten() {
    QFETCH(QByteArray, svg);
    QFETCH(QString, fout);
    QTemporaryDir map;
    QVERIFY(map.isValid());
    const QString pad = map.filePath("tekening.svg");
    schrijf(pad, svg);
    const QStringList fouten = ::svgFouten(pad);
    if (fout.isNull()) {
        QVERIFY2(fouten.isEmpty(), qPrintable(fouten.join('\n')));
    } else {
        QCOMPARE(fouten.size(), 1);
        QVERIFY2(fouten[0].startsWith(pad) && fouten[0].contains(fout), qPrintable(fouten[0]));
    }
    QCOMPARE(::svgFouten(map.filePath("ontbreekt.svg")).size(), 1);
}

void TestTekeningen::fruitBlijftInZijnVak() {
    // Every fruit, with its shadow, stays inside the square it is given (the shadow may reach
    // a little past it) and fills a fair part of it; so does its prize-table glyph.
    for (const bool glyph : {false, true}) {
        for (int c = 0; c < 10; ++c) {
            QImage img = leegPlaatje(200, 200);
            QPainter p(&img);
            tekenSvg(p, kKunst + "/" + (glyph ? prijsTekening(c) : fruitTekening(c)),
                     QRectF(50, 50, 100, 100));
            p.end();
            int binnen = 0, buiten = 0;
            for (int y = 0; y < 200; ++y)
                for (int x = 0; x < 200; ++x) {
                    if (qAlpha(img.pixel(x, y)) < 128)
                        continue;
                    const bool inVak = x >= 46 && x < 154 && y >= 46 && y < 154;
                    (inVak ? binnen : buiten)++;
                }
            const QString wie = glyph ? prijsTekening(c) : fruitTekening(c);
            QVERIFY2(buiten == 0, qPrintable(wie));
            QVERIFY2(binnen > 2000, qPrintable(QStringLiteral("%1: %2").arg(wie).arg(binnen)));
        }
    }
    QCOMPARE(fruitTekening(0), QStringLiteral("fruit/tomaat.svg"));
    QCOMPARE(fruitTekening(9), QStringLiteral("fruit/aardbei.svg"));
    QCOMPARE(fruitTekening(10), fruitTekening(0));
    QCOMPARE(prijsTekening(3), QStringLiteral("prijstabel/banaan.svg"));
}

void TestTekeningen::stripEnPrijzenTabelTonenElkeTekeningOpHaarPlaats() {
    QTemporaryDir kunst;
    QVERIFY(kunst.isValid());
    maakProefKunst(kunst.path());
    // Cell k of the strip shows the fruit of digit k, cells 10 and 11 those of 0 and 1.
    const QImage strip = fruitStrip(kunst.path());
    QCOMPARE(strip.size(), QSize(kStripBreedte, kStripHoogte));
    for (int k = 0; k < kCellen; ++k) {
        const QRgb midden = strip.pixel(kStripBreedte / 2, k * kCelHoogte + kCelHoogte / 2);
        QVERIFY2(lijktOp(midden, kleurVan(k % 10)), qPrintable(QString::number(k)));
        QVERIFY(!lijktOp(strip.pixel(3, k * kCelHoogte + 8), kleurVan(k % 10)));
    }
    // The prize table: three of a fruit in the first two columns (1-5, 6-9), two in the
    // last two (1-5, 6-9, then 0), each glyph in the middle of its place in the row.
    const QImage tabel = prijzenTabel(kunst.path());
    QCOMPARE(tabel.size(), QSize(536, 180));
    auto glyphOp = [&](int kol, int rij, int i) {
        return tabel.pixel(10 + kol * 129 + 6 + i * 23 + 12, 10 + rij * 32 + 16);
    };
    for (int rij = 0; rij < 5; ++rij) {
        for (int kol = 0; kol < 4; ++kol) {
            if (kol == 1 && rij == 4)
                continue; // the caption
            const int cijfer = (kol % 2 == 0 ? rij + 1 : rij + 6) % 10;
            const int aantal = kol < 2 ? 3 : 2;
            for (int i = 0; i < aantal; ++i)
                QVERIFY2(lijktOp(glyphOp(kol, rij, i), kleurVan(cijfer)),
                         qPrintable(
                             QStringLiteral("column %1 row %2 glyph %3").arg(kol).arg(rij).arg(i)));
            QVERIFY(!lijktOp(glyphOp(kol, rij, aantal), kleurVan(cijfer)));
        }
    }
}

void TestTekeningen::plaatjesEnIconenVanDeTekeningen() {
    QTemporaryDir kunst, uit;
    QVERIFY(kunst.isValid() && uit.isValid());
    maakProefKunst(kunst.path());
    QVERIFY(maakPlaatjes(kunst.path(), uit.filePath("images"), uit.filePath("doc")));
    for (const Plaatje& p : lossePlaatjes()) {
        const QImage img(uit.filePath("images/" + p.bestand));
        QCOMPARE(img.size(), QSize(p.maat, p.maat));
        QVERIFY(lijktOp(img.pixel(p.maat / 2, p.maat / 2), Qt::gray));
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        // At 3 times the size as well, but for the window icons.
        QCOMPARE(QImage(uit.filePath("images/" + variantNaam(p.bestand, 3))).width(),
                 p.inVenster ? 3 * p.maat : 0);
    }
    QCOMPARE(QImage(uit.filePath("doc/fruit_4.png")).pixel(48, 46) | 0xff000000, kleurVan(4).rgb());

    // The icon theme's sizes, named after the drawing.
    QVERIFY(maakIconen(kunst.filePath("quintaro.svg"), uit.filePath("icons"), {16, 48}));
    QCOMPARE(QImage(uit.filePath("icons/16x16/apps/quintaro.png")).size(), QSize(16, 16));
    QCOMPARE(QImage(uit.filePath("icons/48x48/apps/quintaro.png")).size(), QSize(48, 48));

    // One faulty drawing stops the lot before anything is written.
    schrijf(kunst.filePath(fruitTekening(7)), schijf(Qt::red).replace("<circle", "<text"));
    QVERIFY(!maakPlaatjes(kunst.path(), uit.filePath("opnieuw"), uit.filePath("opnieuw-doc")));
    QVERIFY(!QDir(uit.filePath("opnieuw")).exists());
    QVERIFY(!maakIconen(kunst.filePath(fruitTekening(7)), uit.filePath("icons2"), {16}));
    QVERIFY(!QDir(uit.filePath("icons2")).exists());
}

QTEST_MAIN(TestTekeningen)
#include "test_tekeningen.moc"
