// The generated pictures (compiled into the program) and the files of the program
// directory: sounds, background pictures and the help document.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr int kCel = 202;
const QRgb kLavendel = qRgb(201, 201, 239);

QString programmaMap() {
    return qEnvironmentVariable("QUINTARO_PROGRAM_DIR");
}

bool isRood(QRgb c) {
    return qRed(c) > 120 && qRed(c) > qGreen(c) + 70 && qRed(c) > qBlue(c) + 70;
}

// The pixels of cell k (the last cell is one pixel short).
QImage celVan(const QImage& strip, int k) {
    return strip.copy(0, k * kCel, strip.width(), std::min(kCel, strip.height() - k * kCel))
        .convertToFormat(QImage::Format_RGB32);
}

struct Wav {
    quint16 formaat = 0, kanalen = 0, bits = 0;
    quint32 rate = 0;
    QByteArray data;
};

// Walks the RIFF chunks; fails the test when the file is not a WAV file.
Wav leesWav(const QString& pad) {
    QFile f(pad);
    Wav w;
    if (!f.open(QIODevice::ReadOnly))
        return w;
    const QByteArray b = f.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE")
        return w;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 lengte = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        const char* inhoud = b.constData() + pos + 8;
        if (id == "fmt " && lengte >= 16) {
            w.formaat = qFromLittleEndian<quint16>(inhoud);
            w.kanalen = qFromLittleEndian<quint16>(inhoud + 2);
            w.rate = qFromLittleEndian<quint32>(inhoud + 4);
            w.bits = qFromLittleEndian<quint16>(inhoud + 14);
        } else if (id == "data") {
            w.data = b.mid(pos + 8, lengte);
        }
        pos += 8 + lengte + (lengte & 1);
    }
    return w;
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stripsHebbenDeJuisteMaat_data();
    void stripsHebbenDeJuisteMaat();
    void cijferCellenTonenRodeCijfersOpLavendel();
    void cellenVerschillenOnderling_data();
    void cellenVerschillenOnderling();
    void laatsteCellenHerhalenDeEerste_data();
    void laatsteCellenHerhalenDeEerste();
    void fruitStripHeeftMuntgroeneAchtergrond();
    void prijzenTabel();
    void iconen_data();
    void iconen();
    void pijlenWijzenNaarElkaar();
    void variantenVoorGroteSchermen_data();
    void variantenVoorGroteSchermen();
    void geluiden_data();
    void geluiden();
    void achtergronden();
    void handleiding();
};

void TestAssets::stripsHebbenDeJuisteMaat_data() {
    QTest::addColumn<QString>("pad");
    QTest::newRow("cijfers") << ":/images/strip_digits.png";
    QTest::newRow("fruit") << ":/images/strip_fruits.png";
}

void TestAssets::stripsHebbenDeJuisteMaat() {
    QFETCH(QString, pad);
    const QImage strip(pad);
    QVERIFY2(!strip.isNull(), qPrintable(pad));
    QCOMPARE(strip.size(), QSize(150, 2423));
}

void TestAssets::cijferCellenTonenRodeCijfersOpLavendel() {
    const QImage strip(":/images/strip_digits.png");
    for (int k = 0; k < 12; ++k) {
        const QImage cel = celVan(strip, k);
        // The middle of the cell: a good share of the digit's red.
        int rood = 0;
        for (int y = 61; y < 141; ++y)
            for (int x = 45; x < 105; ++x)
                rood += isRood(cel.pixel(x, y));
        QVERIFY2(rood > 300, qPrintable(QStringLiteral("cell %1: %2 red pixels").arg(k).arg(rood)));
        // The corners below the seam are plain lavender.
        for (const QPoint hoek : {QPoint(3, 6), QPoint(146, 6), QPoint(3, 194), QPoint(146, 194)})
            QCOMPARE(cel.pixel(hoek), kLavendel);
    }
}

void TestAssets::cellenVerschillenOnderling_data() {
    QTest::addColumn<QString>("pad");
    QTest::newRow("cijfers") << ":/images/strip_digits.png";
    QTest::newRow("fruit") << ":/images/strip_fruits.png";
}

void TestAssets::cellenVerschillenOnderling() {
    QFETCH(QString, pad);
    const QImage strip(pad);
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            const QImage ca = celVan(strip, a), cb = celVan(strip, b);
            int verschil = 0;
            for (int y = 0; y < kCel; ++y)
                for (int x = 0; x < 150; ++x)
                    verschil += ca.pixel(x, y) != cb.pixel(x, y);
            QVERIFY2(verschil > 1500,
                     qPrintable(QStringLiteral("cells %1 and %2 differ in %3 pixels")
                                    .arg(a)
                                    .arg(b)
                                    .arg(verschil)));
        }
    }
}

void TestAssets::laatsteCellenHerhalenDeEerste_data() {
    cellenVerschillenOnderling_data();
}

void TestAssets::laatsteCellenHerhalenDeEerste() {
    QFETCH(QString, pad);
    const QImage strip(pad);
    QCOMPARE(celVan(strip, 10), celVan(strip, 0));
    // Cell 11 has 201 rows: it equals the first 201 rows of cell 1.
    QCOMPARE(celVan(strip, 11), celVan(strip, 1).copy(0, 0, 150, 201));
}

void TestAssets::fruitStripHeeftMuntgroeneAchtergrond() {
    const QImage strip = QImage(":/images/strip_fruits.png").convertToFormat(QImage::Format_RGB32);
    for (int k = 0; k < 12; ++k) {
        const QRgb c = strip.pixel(3, k * kCel + 8);
        QVERIFY2(qGreen(c) > qRed(c) + 20 && qGreen(c) > qBlue(c) + 10 && qGreen(c) > 180,
                 qPrintable(QStringLiteral("cell %1").arg(k)));
        // Something other than background in the middle: the fruit.
        int anders = 0;
        for (int y = 60; y < 140; y += 2)
            for (int x = 35; x < 115; x += 2)
                anders += strip.pixel(x, k * kCel + y) != c;
        QVERIFY2(anders > 300, qPrintable(QStringLiteral("cell %1: %2").arg(k).arg(anders)));
    }
}

void TestAssets::prijzenTabel() {
    const QImage tabel = QImage(":/images/prizetable.png").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(tabel.size(), QSize(536, 180));
    for (const QPoint p :
         {QPoint(0, 0), QPoint(535, 0), QPoint(0, 179), QPoint(535, 179), QPoint(5, 90)})
        QCOMPARE(tabel.pixel(p), qRgb(174, 174, 174));
    // Each of the four columns carries drawing (fruit and points) in its rows.
    for (int kol = 0; kol < 4; ++kol) {
        int inkt = 0;
        for (int y = 12; y < 168; ++y)
            for (int x = 12 + kol * 129; x < 10 + (kol + 1) * 129 - 2; ++x) {
                const QRgb c = tabel.pixel(x, y);
                inkt += std::abs(qRed(c) - qGreen(c)) > 40 || qGray(c) < 80;
            }
        QVERIFY2(inkt > 1500, qPrintable(QStringLiteral("column %1: %2").arg(kol).arg(inkt)));
    }
}

void TestAssets::iconen_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<int>("maat");
    for (const char* n :
         {"knop_help", "knop_software", "sound_on", "sound_off", "knop_settings", "exit"})
        QTest::newRow(n) << QString::fromLatin1(n) << 48;
    QTest::newRow("arrow_left") << "arrow_left" << 72;
    QTest::newRow("arrow_right") << "arrow_right" << 72;
    QTest::newRow("icon32") << "icon32" << 32;
    QTest::newRow("icon256") << "icon256" << 256;
}

void TestAssets::iconen() {
    QFETCH(QString, naam);
    QFETCH(int, maat);
    const QImage img(":/images/" + naam + ".png");
    QVERIFY2(!img.isNull(), qPrintable(naam));
    QCOMPARE(img.size(), QSize(maat, maat));
    QVERIFY(img.hasAlphaChannel());
    const QImage a = img.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(a.pixel(maat / 2, maat / 2)), 255);
    if (naam != "icon32" && naam != "icon256")
        QCOMPARE(qAlpha(a.pixel(0, 0)), 0); // round or rounded: the corner is see-through
}

void TestAssets::pijlenWijzenNaarElkaar() {
    // The left arrow points right: its white shape weighs more to the right of the middle.
    auto zwaartepunt = [](const QString& pad) {
        const QImage img = QImage(pad).convertToFormat(QImage::Format_ARGB32);
        double som = 0, n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) == 255 && qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200) {
                    som += x;
                    ++n;
                }
            }
        return n > 0 ? som / n : -1;
    };
    const double links = zwaartepunt(":/images/arrow_left.png");
    const double rechts = zwaartepunt(":/images/arrow_right.png");
    QVERIFY2(links > 36, qPrintable(QString::number(links)));
    QVERIFY2(rechts > 0 && rechts < 36, qPrintable(QString::number(rechts)));
}

void TestAssets::variantenVoorGroteSchermen_data() {
    QTest::addColumn<QString>("naam");
    for (const char* n :
         {"strip_digits", "strip_fruits", "prizetable", "knop_help", "knop_software", "sound_on",
          "sound_off", "knop_settings", "exit", "arrow_left", "arrow_right"})
        QTest::newRow(n) << QString::fromLatin1(n);
}

void TestAssets::variantenVoorGroteSchermen() {
    // At 2 and 3 times the size, the same drawing (brought back to the base size it matches the
    // base) drawn anew (it differs more from the base blown up than that).
    QFETCH(QString, naam);
    const QImage basis(":/images/" + naam + ".png");
    for (const int n : {2, 3}) {
        const QImage variant(QStringLiteral(":/images/%1@%2x.png").arg(naam).arg(n));
        QCOMPARE(variant.size(), basis.size() * n);
        const auto verschil = [](const QImage& a, const QImage& b) {
            double som = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    som += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) +
                           std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y)));
            return som / (a.width() * a.height());
        };
        const double terug = verschil(
            variant.scaled(basis.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), basis);
        const double opgeblazen = verschil(variant, basis.scaled(variant.size()));
        QVERIFY2(terug < 3 && opgeblazen > 2 * terug,
                 qPrintable(QStringLiteral("@%1x: %2 %3").arg(n).arg(terug).arg(opgeblazen)));
    }
}

void TestAssets::geluiden_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<double>("minSec");
    QTest::addColumn<double>("maxSec");
    QTest::newRow("klik") << "klik.wav" << 0.01 << 0.15;
    QTest::newRow("start") << "start.wav" << 0.6 << 1.0;
    QTest::newRow("stop") << "stop.wav" << 0.05 << 0.4;
}

void TestAssets::geluiden() {
    QFETCH(QString, naam);
    QFETCH(double, minSec);
    QFETCH(double, maxSec);
    const QString pad = programmaMap() + "/Sounds/" + naam;
    QVERIFY2(QFile::exists(pad), qPrintable(pad));
    const Wav w = leesWav(pad);
    QCOMPARE(w.formaat, quint16(1));
    QCOMPARE(w.kanalen, quint16(1));
    QCOMPARE(w.bits, quint16(16));
    QCOMPARE(w.rate, quint32(44100));
    QVERIFY(!w.data.isEmpty());
    const double sec = w.data.size() / 2.0 / 44100.0;
    QVERIFY2(sec >= minSec && sec <= maxSec, qPrintable(QString::number(sec)));
    int piek = 0;
    double kwadraten = 0;
    const auto n = w.data.size() / 2;
    for (qsizetype i = 0; i < n; ++i) {
        const int v = qFromLittleEndian<qint16>(w.data.constData() + 2 * i);
        piek = std::max(piek, std::abs(v));
        kwadraten += double(v) * v;
    }
    QVERIFY2(piek < 32767 * 0.9, qPrintable(QString::number(piek)));  // no clipping, headroom left
    QVERIFY2(piek > 32767 * 0.25, qPrintable(QString::number(piek))); // and not near-silent
    const double rmsDb = 20 * std::log10(std::sqrt(kwadraten / n) / 32768.0);
    QVERIFY2(rmsDb > -30 && rmsDb < -10, qPrintable(QString::number(rmsDb)));
}

void TestAssets::achtergronden() {
    const QDir map(programmaMap() + "/Backgrounds");
    QVERIFY(map.exists("Wallpaper-01.jpg"));
    const QStringList plaatjes = map.entryList({"*.jpg", "*.gif", "*.bmp"}, QDir::Files);
    QVERIFY2(plaatjes.size() >= 6, qPrintable(plaatjes.join(',')));
    for (const QString& naam : plaatjes) {
        const QImage img(map.filePath(naam));
        QVERIFY2(!img.isNull(), qPrintable(naam));
        QVERIFY(img.width() >= 1920 && img.height() >= 1080);
        // Dark enough for a pale title: the average grey stays low.
        const QImage klein = img.scaled(64, 36, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double grijs = 0;
        for (int y = 0; y < klein.height(); ++y)
            for (int x = 0; x < klein.width(); ++x)
                grijs += qGray(klein.pixel(x, y));
        QVERIFY2(grijs / (64 * 36) < 90, qPrintable(naam));
    }
}

void TestAssets::handleiding() {
    QFile f(programmaMap() + "/Quintaro.pdf");
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    const QByteArray pdf = f.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?!s)"));
    const auto paginas = QString::fromLatin1(pdf).count(pagina);
    QVERIFY2(paginas > 1, qPrintable(QString::number(paginas)));
}

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
