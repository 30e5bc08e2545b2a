// The building blocks of quintaro_assetgen for the sounds and the help document: WAV
// writing, loudness, the help document's optional sections, its PDF and the PDF's text. The
// drawings and the pictures made of them are in test_tekeningen.

#include "helpdoc.h"
#include "sounds.h"

#include <QDir>
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

QTEST_MAIN(TestAssetgen)
#include "test_assetgen.moc"
