// The building blocks of quintaro_assetgen: WAV writing, loudness, the help document's
// optional sections and its PDF, the blur and the fruit drawing.

#include "fruits.h"
#include "helpdoc.h"
#include "paint.h"
#include "sounds.h"

#include <QFile>
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
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhoud);
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
    void vervagingBehoudtDeInkt();
    void fruitBlijftInZijnVak();
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

void TestAssetgen::fruitBlijftInZijnVak() {
    // Every fruit, with its shadow, stays inside the square it is given (a little shadow
    // blur may reach past it) and fills a fair part of it.
    for (int c = 0; c < 10; ++c) {
        QImage img = leegPlaatje(200, 200);
        QPainter p(&img);
        tekenFruit(p, fruitVoorCijfer(c), QRectF(50, 50, 100, 100));
        p.end();
        int binnen = 0, buiten = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                if (qAlpha(img.pixel(x, y)) < 128)
                    continue;
                const bool inVak = x >= 46 && x < 154 && y >= 46 && y < 154;
                (inVak ? binnen : buiten)++;
            }
        QCOMPARE(buiten, 0);
        QVERIFY2(binnen > 2000, qPrintable(QStringLiteral("fruit %1: %2").arg(c).arg(binnen)));
    }
    QCOMPARE(fruitVoorCijfer(0), Fruit::Tomaat);
    QCOMPARE(fruitVoorCijfer(9), Fruit::Aardbei);
    QCOMPARE(fruitVoorCijfer(10), Fruit::Tomaat);
}

QTEST_MAIN(TestAssetgen)
#include "test_assetgen.moc"
