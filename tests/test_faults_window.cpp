// The main window against a program directory it cannot write and against background
// pictures that are missing, damaged or claim an absurd size: start-up finishes, draws run,
// closing ends the program, nothing is shown to the operator and memory stays bounded.
#include "app/hoofdvenster.h"
#include "common/instellingen.h"
#include "common/plaatjesknop.h"
#include "draw/startbediening.h"
#include "draw/trekking.h"
#include "kindproces.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "peakmemory.h"
#include <QTimer>
#include <QtEndian>

#include <fstream>
#include <memory>
#include <string>

namespace {

const QByteArray kInstellingen = "\"Brevane Software 2012\"\r\n\"--------------------------\"\r\n"
                                 "#FALSE#\r\n\"r\"\r\n255,0,0\r\n\"ACHTERGROND\"\r\n4\r\n1,300\r\n"
                                 "\"Fouten\"\r\n";

// Closes (and records) every modal window that opens: the program must not show any here.
class ModaalWacht : public QObject {
public:
    ModaalWacht() {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget* modaal = QApplication::activeModalWidget()) {
                gezien.append(modaal->windowTitle() + QStringLiteral(": ") +
                              modaal->metaObject()->className());
                modaal->close();
            }
        });
        m_timer.start();
    }
    QStringList gezien;

private:
    QTimer m_timer;
};

// A picture with detail in it, so that its JPEG is more than a few hundred bytes.
QImage patroon(int b, int h) {
    QImage beeld(b, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < b; ++x)
            beeld.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    return beeld;
}

QByteArray alsBestand(const QImage& beeld, const char* formaat) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    beeld.save(&buffer, formaat);
    return data;
}

quint32 crc32(const QByteArray& data) {
    quint32 c = 0xffffffffu;
    for (const char teken : data) {
        c ^= static_cast<unsigned char>(teken);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

QByteArray pngBrok(const char* soort, const QByteArray& data) {
    char lengte[4];
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), lengte);
    const QByteArray inhoud = QByteArray(soort) + data;
    char controle[4];
    qToBigEndian<quint32>(crc32(inhoud), controle);
    return QByteArray(lengte, 4) + inhoud + QByteArray(controle, 4);
}

// Headers that declare 30000 x 30000 pixels, with no picture data behind them.
QByteArray reuzenBmp() {
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(54u + 30000u * 30000u * 3u, b.data() + 2);
    qToLittleEndian<quint32>(54, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(30000, b.data() + 18);
    qToLittleEndian<qint32>(30000, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(24, b.data() + 28);
    return b;
}

QByteArray reuzenPng() {
    QByteArray kop(13, '\0');
    qToBigEndian<quint32>(30000, kop.data());
    qToBigEndian<quint32>(30000, kop.data() + 4);
    kop[8] = 8; // bit depth
    kop[9] = 2; // RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngBrok("IHDR", kop) + pngBrok("IEND", {});
}

QByteArray reuzenGif() {
    QByteArray g("GIF89a");
    char maten[4];
    qToLittleEndian<quint16>(30000, maten);
    qToLittleEndian<quint16>(30000, maten + 2);
    g.append(maten, 4);
    g.append("\x00\x00\x00", 3);
    g.append(";");
    return g;
}

// A real JPEG whose frame header is changed to 30000 x 30000: the data runs out early.
QByteArray reuzenJpeg() {
    QByteArray j = alsBestand(patroon(320, 240), "JPG");
    const qsizetype sof = j.indexOf("\xff\xc0");
    if (sof < 0)
        return {};
    qToBigEndian<quint16>(30000, j.data() + sof + 5);
    qToBigEndian<quint16>(30000, j.data() + sof + 7);
    return j;
}

// A window on a program directory of the test's choosing, which may not be writable.
struct Start {
    QTemporaryDir map;
    Paden paden;
    std::unique_ptr<Hoofdvenster> venster;

    void begin(const QString& programmaMap, const QByteArray& instellingen = {}) {
        if (!instellingen.isEmpty())
            schrijf(QDir(programmaMap).filePath("Quintaro.ini"), instellingen);
        paden.programmaMap = programmaMap;
        paden.gegevensMap = programmaMap;
        venster = std::make_unique<Hoofdvenster>(paden, QSize(1024, 768));
        venster->pauze().setTijdSchaal(0.01);
    }
    const GetrokkenLijst& lijst() const { return venster->trekking().lijst(); }
    void klikStart() {
        QTest::mouseClick(venster->findChild<QWidget*>("ArrowLeft"), Qt::LeftButton);
    }
    QString tekst(const char* label) const {
        return venster->findChild<QLabel*>(QLatin1String(label))->text();
    }
};

} // namespace

class TestFaultsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // The first window loads fonts and pictures once for the whole process; the memory
        // measurements below start after that.
        Start s;
        s.begin(s.map.path());
        s.venster->show();
        QVERIFY(!s.venster->grab().isNull());
    }

    // A program directory that even root cannot write to. Tests run as root, for whom
    // permission bits do not stop a write, so the directory is made unwritable another way:
    // a regular file stands where the directory should be (every path below it fails with
    // "not a directory"), or the directory is one of the kernel's, /proc/self, in which no
    // file can be created. Start-up, two draws and the close must go through with no
    // message, no exception, and no file written.
    void unwritableProgramDirectory_data() {
        QTest::addColumn<bool>("procMap");
        QTest::newRow("a file in place of the directory") << false;
        QTest::newRow("/proc/self") << true;
    }
    void unwritableProgramDirectory() {
        QFETCH(bool, procMap);
        Start s;
        const QString map = procMap ? QStringLiteral("/proc/self") : s.map.filePath("bestand");
        if (!procMap)
            QVERIFY(schrijf(map, "ik ben geen map"));
        {
            QFile proef(QDir(map).filePath("Quintaro.ini"));
            QVERIFY2(!proef.open(QIODevice::WriteOnly), "the directory can be written after all");
        }
        ModaalWacht modaal;
        QVERIFY_THROWS_NO_EXCEPTION(s.begin(map));
        Hoofdvenster& w = *s.venster;
        QVERIFY(!w.instellingenGelezen());
        QCOMPARE(s.tekst("Logo1"), QStringLiteral("Quintaro"));
        w.show();
        QCOMPARE(QColor(w.grab().toImage().pixel(5, 5)), QColor(30, 30, 50));
        for (int i = 0; i < 2; ++i)
            QVERIFY_THROWS_NO_EXCEPTION(s.klikStart());
        const auto& lijst = s.lijst();
        QCOMPARE(lijst.aantal(), 2);
        QVERIFY(lijst.nummer(0) != lijst.nummer(1));
        for (qint32 nummer : lijst.nummers())
            QVERIFY(nummer >= 1 && nummer <= 9999);
        QVERIFY(!w.startBediening().trekkingBezig());

        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        QVERIFY_THROWS_NO_EXCEPTION(w.close());
        QCOMPARE(klaar.count(), 1);
        QVERIFY(!w.isVisible());
        QVERIFY(!QFileInfo::exists(s.paden.instellingen()));
        QVERIFY(!QFileInfo::exists(s.paden.lijst()));
        QCOMPARE(modaal.gezien, QStringList());
        if (!procMap)
            QCOMPARE(QFileInfo(map).size(), qint64(15)); // the file in the way is untouched
    }

    // A directory where one of the two files should be: that file cannot be read or
    // written, and the other one is written regardless.
    void directoryInPlaceOfAFile_data() {
        QTest::addColumn<QString>("naam");
        QTest::newRow("Quintaro.ini") << QStringLiteral("Quintaro.ini");
        QTest::newRow("Lijstnummers.txt") << QStringLiteral("Lijstnummers.txt");
    }
    void directoryInPlaceOfAFile() {
        QFETCH(QString, naam);
        Start s;
        QVERIFY(QDir(s.map.path()).mkdir(naam));
        const bool instellingenWeg = naam == QStringLiteral("Quintaro.ini");
        ModaalWacht modaal;
        QVERIFY_THROWS_NO_EXCEPTION(s.begin(s.map.path()));
        Hoofdvenster& w = *s.venster;
        QCOMPARE(w.instellingenGelezen(), false); // no file, or none readable
        w.show();
        QVERIFY_THROWS_NO_EXCEPTION(s.klikStart());
        QCOMPARE(s.lijst().aantal(), 1);
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        QVERIFY_THROWS_NO_EXCEPTION(w.close());
        QCOMPARE(klaar.count(), 1);
        QCOMPARE(modaal.gezien, QStringList());

        QVERIFY(QFileInfo(s.map.filePath(naam)).isDir());
        if (instellingenWeg) {
            QFile lijst(s.paden.lijst());
            QVERIFY(lijst.open(QIODevice::ReadOnly));
            QCOMPARE(lijst.readAll(), QByteArray::number(s.lijst().nummer(0)) + "\r\n");
        } else {
            Instellingen terug;
            QVERIFY(LeesInstellingen(s.paden.instellingen(), s.map.path(), terug));
        }
    }

    // Background pictures that cannot be shown: start-up finishes with the plain background,
    // the later start-up steps still run, and no picture is decoded at its claimed size.
    void backgroundPictures_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<bool>("getoond");
        const QByteArray jpeg = alsBestand(patroon(640, 480), "JPG");
        const QByteArray bmp = alsBestand(patroon(320, 240), "BMP");
        QTest::newRow("good JPEG (control)") << "goed.jpg" << jpeg << true;
        QTest::newRow("good BMP (control)") << "goed.bmp" << bmp << true;
        QTest::newRow("missing file") << "" << QByteArray() << false;
        QTest::newRow("empty file") << "leeg.jpg" << QByteArray("") << false;
        QTest::newRow("text named .jpg") << "tekst.jpg" << QByteArray("geen plaatje\r\n") << false;
        QTest::newRow("JPEG cut in half") << "half.jpg" << jpeg.left(jpeg.size() / 2) << false;
        QTest::newRow("JPEG without its last bytes")
            << "kort.jpg" << jpeg.left(jpeg.size() - 2) << false;
        QTest::newRow("JPEG header only") << "kop.jpg" << jpeg.left(300) << false;
        QTest::newRow("BMP cut in half") << "half.bmp" << bmp.left(bmp.size() / 2) << false;
        QTest::newRow("30000x30000 BMP header") << "reus.bmp" << reuzenBmp() << false;
        QTest::newRow("30000x30000 PNG header") << "reus.png" << reuzenPng() << false;
        QTest::newRow("30000x30000 GIF header") << "reus.gif" << reuzenGif() << false;
        QTest::newRow("30000x30000 JPEG frame") << "reus.jpg" << reuzenJpeg() << false;
    }
    void backgroundPictures() {
        QFETCH(QString, naam);
        QFETCH(QByteArray, inhoud);
        QFETCH(bool, getoond);
        Start s;
        const QString pad = s.map.filePath(naam.isEmpty() ? QStringLiteral("weg.jpg") : naam);
        if (!naam.isEmpty())
            QVERIFY(schrijf(pad, inhoud));
        QByteArray instellingen = kInstellingen;
        instellingen.replace("ACHTERGROND", pad.toUtf8());

        ModaalWacht modaal;
        zetPiekTerug();
        const long voor = piekKb();
        QVERIFY_THROWS_NO_EXCEPTION(s.begin(s.map.path(), instellingen));
        Hoofdvenster& w = *s.venster;
        w.show();
        const QImage beeld = w.grab().toImage();
        const long groei = piekKb() - voor;

        QVERIFY(w.instellingenGelezen());
        // The steps after the picture ran: counter, title, title colour.
        QCOMPARE(s.tekst("Label1"), QStringLiteral("0/300"));
        QCOMPARE(s.tekst("Logo1"), QStringLiteral("Fouten"));
        QCOMPARE(w.findChild<QLabel*>("Logo2")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        const QColor hoek(beeld.pixel(5, 5));
        if (getoond)
            QVERIFY(hoek != QColor(30, 30, 50));
        else
            QCOMPARE(hoek, QColor(30, 30, 50));
        // One 1024 x 768 window; a picture decoded at 30000 x 30000 would take gigabytes.
        QVERIFY2(voor < 0 || groei < 64 * 1024, qPrintable(QString::number(groei) + " kB"));
        QCOMPARE(modaal.gezien, QStringList());
    }
};

QTEST_MAIN(TestFaultsWindow)
#include "test_faults_window.moc"
