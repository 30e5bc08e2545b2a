// The building blocks of quintaro_assetgen: WAV writing, loudness, the help document's
// optional sections, its PDF and the PDF's text, the blur, the checks of the drawings under
// assets/art and the pictures assembled from them.

#include "drawings.h"
#include "helpdoc.h"
#include "images.h"
#include "paint.h"
#include "sounds.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

double rmsVan(const std::vector<float>& s) {
    double som = 0;
    for (float v : s)
        som += double(v) * v;
    return std::sqrt(som / double(s.size()));
}

float piekVan(const std::vector<float>& s) {
    float p = 0;
    for (float v : s)
        p = std::max(p, std::abs(v));
    return p;
}

double dB(double v) {
    return 20 * std::log10(v);
}

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

class TestAssetgen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wavKopEnMonsters();
    void wavKnijptAfZonderVolleSchaal();
    void normaliseerBegrenstDePiek();
    void normaliseerBrengtZachtGeluidOpNiveau();
    void normaliseerLaatStilteMet();
    void geluidenHebbenHunLengte();
    void optioneleOnderdelen();
    void handleidingMetEnZonderPlaatjes();
    void tekstlaagZonderHerhalingBijDePaginagrens_data();
    void tekstlaagZonderHerhalingBijDePaginagrens();
    void vervagingBehoudtDeInkt();
    void tekeningenZijnEr();
    void svgFouten_data();
    void svgFouten();
    void fruitBlijftInZijnVak();
    void stripEnPrijzenTabelTonenElkeTekeningOpHaarPlaats();
    void plaatjesEnIconenVanDeTekeningen();
};

void TestAssetgen::wavKopEnMonsters() {
    const QByteArray wav = wavBestand({0.0f, 0.5f, -0.5f});
    QCOMPARE(wav.size(), 44 + 6);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1)); // PCM
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 22), quint16(1)); // mono
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 24), quint32(44100));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 28), quint32(88200));
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 32), quint16(2));
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 34), quint16(16));
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(6));
    QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 44), qint16(0));
    QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 46), qint16(16384));
    QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 48), qint16(-16384));
}

void TestAssetgen::wavKnijptAfZonderVolleSchaal() {
    const QByteArray wav = wavBestand({2.0f, -2.0f, 1.0f, -1.0f});
    QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 44), qint16(32767));
    QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 46), qint16(-32767));
    QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 48), qint16(32767));
    QCOMPARE(qFromLittleEndian<qint16>(wav.constData() + 50), qint16(-32767));
}

void TestAssetgen::normaliseerBegrenstDePiek() {
    // One spike in near-silence: the RMS target would push the spike over full scale.
    std::vector<float> s(1000, 0.001f);
    s[500] = 0.9f;
    normaliseer(s);
    QVERIFY(std::abs(dB(piekVan(s)) - -3.0) < 0.01);
}

void TestAssetgen::normaliseerBrengtZachtGeluidOpNiveau() {
    std::vector<float> s(44100);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = 0.01f * float(std::sin(2 * M_PI * 440 * double(i) / 44100));
    normaliseer(s);
    QVERIFY2(std::abs(dB(rmsVan(s)) - -16.0) < 0.05, qPrintable(QString::number(dB(rmsVan(s)))));
    QVERIFY(piekVan(s) < std::pow(10.0, -3.0 / 20));
}

void TestAssetgen::normaliseerLaatStilteMet() {
    std::vector<float> stil(100, 0.0f);
    normaliseer(stil);
    QCOMPARE(piekVan(stil), 0.0f);
    std::vector<float> leeg;
    normaliseer(leeg);
    QVERIFY(leeg.empty());
}

void TestAssetgen::geluidenHebbenHunLengte() {
    // Raw synthesis, before normalising: finite, not silent, ending in a fade.
    for (auto [s, min, max] :
         {std::tuple{klikGeluid(), 0.02, 0.15}, std::tuple{startGeluid(), 0.6, 1.0},
          std::tuple{stopGeluid(), 0.1, 0.4}}) {
        const double sec = double(s.size()) / kSampleRate;
        QVERIFY2(sec >= min && sec <= max, qPrintable(QString::number(sec)));
        for (float v : s)
            QVERIFY(std::isfinite(v));
        QVERIFY(piekVan(s) > 0.05f);
        QVERIFY(std::abs(s.back()) < 1e-3f);
    }
}

void TestAssetgen::optioneleOnderdelen() {
    QTemporaryDir map;
    QVERIFY(map.isValid());
    QImage(4, 4, QImage::Format_RGB32).save(map.filePath("er.png"));
    const QString html = "a<!--als:er.png-->B<!--/als-->c<!--als:weg.png-->D\nE<!--/als-->f"
                         "<!--als: er.png -->G<!--/als-->";
    QCOMPARE(kiesOnderdelen(html, {map.path()}), QStringLiteral("aBcfG"));
    // Later folders are searched too.
    QTemporaryDir leeg;
    QCOMPARE(kiesOnderdelen("<!--als:er.png-->x<!--/als-->", {leeg.path(), map.path()}),
             QStringLiteral("x"));
    QCOMPARE(kiesOnderdelen("<!--als:er.png-->x<!--/als-->", {leeg.path()}), QString());
}

void TestAssetgen::handleidingMetEnZonderPlaatjes() {
    QTemporaryDir map;
    QVERIFY(map.isValid());
    QImage plaatje(300, 200, QImage::Format_RGB32);
    plaatje.fill(Qt::red);
    plaatje.save(map.filePath("rood.png"));
    QString html = "<html><body><h1>Titel</h1><p><img src=\"rood.png\" width=\"300\"></p>"
                   "<!--als:ontbreekt.png--><p><img src=\"ontbreekt.png\"></p><!--/als-->";
    for (int i = 0; i < 40; ++i)
        html += "<p>Een alinea tekst om de bladzijden te vullen, nummer " + QString::number(i) +
                ".</p>";
    html += "</body></html>";
    schrijf(map.filePath("bron.html"), html.toUtf8());

    const QString pdf = map.filePath("uit/handleiding.pdf");
    const int paginas = maakHandleiding(map.filePath("bron.html"), pdf, {map.path()});
    QVERIFY2(paginas >= 2, qPrintable(QString::number(paginas)));
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray inhoud = f.readAll();
    QVERIFY(inhoud.startsWith("%PDF-"));
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?!s)"));
    QCOMPARE(QString::fromLatin1(inhoud).count(pagina), paginas);

    // A picture that the text needs outside an optional section stops the document.
    schrijf(map.filePath("kapot.html"), "<p><img src=\"nergens.png\"></p>");
    QCOMPARE(maakHandleiding(map.filePath("kapot.html"), map.filePath("kapot.pdf"), {map.path()}),
             0);
    QCOMPARE(
        maakHandleiding(map.filePath("bestaat-niet.html"), map.filePath("x.pdf"), {map.path()}), 0);
}

void TestAssetgen::tekstlaagZonderHerhalingBijDePaginagrens_data() {
    QTest::addColumn<QString>("taal");
    QTest::addColumn<QString>("voet");
    QTest::newRow("nl") << "nl"
                        << "Pagina %1 van %2";
    QTest::newRow("en") << "en"
                        << "Page %1 of %2";
}

// The text a search or a copy finds holds every word of the manual once, also where a
// paragraph with the manual's line spacing breaks across pages; header and footer are in the
// manual's language.
void TestAssetgen::tekstlaagZonderHerhalingBijDePaginagrens() {
    QFETCH(QString, taal);
    QFETCH(QString, voet);
    QTemporaryDir map;
    QVERIFY(map.isValid());
    QString html = "<html lang=\"" + taal +
                   "\"><head><style>p { line-height: 125%; }</style>"
                   "</head><body>";
    int woorden = 0;
    for (int alinea = 0; alinea < 60; ++alinea) {
        html += "<p>";
        for (int i = 0; i < 25; ++i)
            html += QStringLiteral("woord%1x ").arg(woorden++);
        html += "</p>";
    }
    schrijf(map.filePath("bron.html"), (html + "</body></html>").toUtf8());
    const QString pdf = map.filePath("handleiding.pdf");
    const int paginas = maakHandleiding(map.filePath("bron.html"), pdf, {map.path()});
    QVERIFY2(paginas >= 3, qPrintable(QString::number(paginas)));

    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf, "-"});
    QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
    QCOMPARE(pdftotext.exitCode(), 0);
    const QString tekst = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QList<int> gezien(woorden, 0);
    static const QRegularExpression woord(QStringLiteral("woord(\\d+)x"));
    for (auto it = woord.globalMatch(tekst); it.hasNext();)
        ++gezien[it.next().captured(1).toInt()];
    for (int i = 0; i < woorden; ++i)
        QVERIFY2(gezien[i] == 1,
                 qPrintable(QStringLiteral("woord%1x: %2 times").arg(i).arg(gezien[i])));
    for (int i = 1; i <= paginas; ++i)
        QVERIFY2(tekst.contains(voet.arg(i).arg(paginas)), qPrintable(voet.arg(i).arg(paginas)));
}

void TestAssetgen::vervagingBehoudtDeInkt() {
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

void TestAssetgen::tekeningenZijnEr() {
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

void TestAssetgen::svgFouten_data() {
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

void TestAssetgen::svgFouten() {
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

void TestAssetgen::fruitBlijftInZijnVak() {
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

void TestAssetgen::stripEnPrijzenTabelTonenElkeTekeningOpHaarPlaats() {
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

void TestAssetgen::plaatjesEnIconenVanDeTekeningen() {
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

QTEST_MAIN(TestAssetgen)
#include "test_assetgen.moc"
