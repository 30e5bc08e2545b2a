#include "common/instellingen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kStandaardBestand = "\"Brevane Software 2012\"\r\n"
                                     "\"--------------------------\"\r\n"
                                     "#FALSE#\r\n"
                                     "\"Quintaro settings\"\r\n"
                                     "255,255,190\r\n"
                                     "\"\"\r\n"
                                     "4\r\n"
                                     "1,9999\r\n"
                                     "\"Quintaro\"\r\n";

QByteArray leesBestand(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void schrijfBestand(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhoud);
}

// The thirteen fields of a file that differs from the defaults in every field.
const QByteArray kEigenBestand =
    "\"Kop\"\r\n\"Kop 2\"\r\n#TRUE#\r\n\"reserve\"\r\n"
    "10,20,30\r\n\"/tmp/a.jpg\"\r\n7\r\n-5,50\r\n\"Loterij, groot\"\r\n";

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileWritesDefaultsByteForByte() {
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        Instellingen inst;
        inst.TitelTekst = "vooraf";
        QVERIFY(!LeesInstellingen(pad, map.path(), inst));
        QCOMPARE(leesBestand(pad), kStandaardBestand);
        QCOMPARE(inst.LaagsteNummer, 1);
        QCOMPARE(inst.HoogsteNummer, 9999);
        QCOMPARE(inst.PauzeSeconden, quint8(4));
        QCOMPARE(inst.TitelTekst, QString("Quintaro"));
        // The default background reaches memory, not the fresh file.
        QCOMPARE(inst.AchtergrondBestand,
                 QDir(map.path()).filePath("Backgrounds/Wallpaper-01.jpg"));
        // Written back at exit, the default path is now in the file.
        QVERIFY(BewaarInstellingen(pad, inst));
        Instellingen terug;
        QVERIFY(LeesInstellingen(pad, map.path(), terug));
        QCOMPARE(terug, inst);
    }

    void everyFieldReadAndWrittenBack() {
        Instellingen inst;
        QVERIFY(leesInstellingenTekst(QString::fromLatin1(kEigenBestand), inst));
        QCOMPARE(inst.ReserveVlag, true);
        QCOMPARE(inst.ReserveTekst, QString("reserve"));
        QCOMPARE(inst.KleurRood, 10.0);
        QCOMPARE(inst.KleurGroen, 20.0);
        QCOMPARE(inst.KleurBlauw, quint8(30));
        QCOMPARE(inst.AchtergrondBestand, QString("/tmp/a.jpg"));
        QCOMPARE(inst.PauzeSeconden, quint8(7));
        QCOMPARE(inst.LaagsteNummer, -5);
        QCOMPARE(inst.HoogsteNummer, 50);
        QCOMPARE(inst.TitelTekst, QString("Loterij, groot")); // a comma inside quotes stays
        // The header fields are not kept: a write puts the program's own header back.
        QByteArray verwacht = kEigenBestand;
        verwacht.replace("\"Kop\"\r\n\"Kop 2\"",
                         "\"Brevane Software 2012\"\r\n\"--------------------------\"");
        QCOMPARE(instellingenBestandInhoud(inst), verwacht);
    }

    void oneLineReadsLikeNineLines() {
        QByteArray eenRegel = kEigenBestand;
        eenRegel.replace("\r\n", ",");
        Instellingen a, b;
        QVERIFY(leesInstellingenTekst(QString::fromLatin1(eenRegel), a));
        QVERIFY(leesInstellingenTekst(QString::fromLatin1(kEigenBestand), b));
        QCOMPARE(a, b);
        // Bare LF line ends and blanks before fields read the same.
        QByteArray lf = kEigenBestand;
        lf.replace("\r\n", "\n  ");
        Instellingen c;
        QVERIFY(leesInstellingenTekst(QString::fromLatin1(lf), c));
        QCOMPARE(c, b);
    }

    void truncationAfterEveryFieldKeepsWhatWasRead_data() {
        QTest::addColumn<int>("velden");
        for (int n = 0; n < 12; ++n)
            QTest::addRow("%d fields", n) << n;
    }
    void truncationAfterEveryFieldKeepsWhatWasRead() {
        QFETCH(int, velden);
        QByteArray eenRegel = kEigenBestand;
        eenRegel.replace("\r\n", ",");
        const QList<QByteArray> delen = eenRegel.split(',');
        // The title holds a comma: rejoin it so that the twelve fields are counted right.
        QList<QByteArray> veldenLijst = delen.mid(0, 11);
        veldenLijst.append(delen[11] + ',' + delen[12]);
        const QByteArray afgekapt = veldenLijst.mid(0, velden).join(',');

        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        schrijfBestand(pad, afgekapt);
        Instellingen inst;
        QVERIFY(!LeesInstellingen(pad, map.path(), inst));

        Instellingen alles;
        QVERIFY(leesInstellingenTekst(QString::fromLatin1(kEigenBestand), alles));
        const Instellingen standaard;
        // Field k (0-based) is read when velden > k.
        QCOMPARE(inst.ReserveVlag, velden > 2 ? alles.ReserveVlag : standaard.ReserveVlag);
        QCOMPARE(inst.ReserveTekst, velden > 3 ? alles.ReserveTekst : standaard.ReserveTekst);
        QCOMPARE(inst.KleurRood, velden > 4 ? alles.KleurRood : standaard.KleurRood);
        QCOMPARE(inst.KleurGroen, velden > 5 ? alles.KleurGroen : standaard.KleurGroen);
        QCOMPARE(inst.KleurBlauw, velden > 6 ? alles.KleurBlauw : standaard.KleurBlauw);
        QCOMPARE(inst.PauzeSeconden, velden > 8 ? alles.PauzeSeconden : standaard.PauzeSeconden);
        QCOMPARE(inst.LaagsteNummer, velden > 9 ? alles.LaagsteNummer : standaard.LaagsteNummer);
        QCOMPARE(inst.HoogsteNummer, velden > 10 ? alles.HoogsteNummer : standaard.HoogsteNummer);
        QCOMPARE(inst.TitelTekst, standaard.TitelTekst);
        // The rewritten file holds the background as it stood when reading stopped.
        Instellingen herschreven;
        QVERIFY(LeesInstellingen(pad, map.path(), herschreven));
        QCOMPARE(herschreven.AchtergrondBestand,
                 velden > 7 ? alles.AchtergrondBestand : standaard.AchtergrondBestand);
        QCOMPARE(herschreven.KleurBlauw, inst.KleurBlauw);
    }

    void valuesThatDoNotFitStopTheReading_data() {
        QTest::addColumn<QByteArray>("regel5tot8");
        QTest::addColumn<int>("gelezenTot"); // 5 colours, 7 pause, 8 range
        QTest::newRow("pause 300") << QByteArray("1,2,3\r\n\"x\"\r\n300\r\n1,2") << 7;
        QTest::newRow("pause negative") << QByteArray("1,2,3\r\n\"x\"\r\n-1\r\n1,2") << 7;
        QTest::newRow("blue 256") << QByteArray("1,2,256\r\n\"x\"\r\n4\r\n1,2") << 5;
        QTest::newRow("range beyond 32 bits")
            << QByteArray("1,2,3\r\n\"x\"\r\n4\r\n1,2147483648") << 8;
        QTest::newRow("range below 32 bits")
            << QByteArray("1,2,3\r\n\"x\"\r\n4\r\n-2147483649,2") << 8;
        QTest::newRow("text in a number") << QByteArray("1,2,3\r\n\"x\"\r\nvier\r\n1,2") << 7;
        QTest::newRow("empty number") << QByteArray("1,,3\r\n\"x\"\r\n4\r\n1,2") << 5;
        QTest::newRow("quoted number") << QByteArray("1,2,3\r\n\"x\"\r\n\"4\"\r\n1,2") << 7;
    }
    void valuesThatDoNotFitStopTheReading() {
        QFETCH(QByteArray, regel5tot8);
        QFETCH(int, gelezenTot);
        const QByteArray tekst =
            "\"a\"\r\n\"b\"\r\n#FALSE#\r\n\"r\"\r\n" + regel5tot8 + "\r\n\"T\"\r\n";
        Instellingen inst;
        QVERIFY(!leesInstellingenTekst(QString::fromLatin1(tekst), inst));
        const Instellingen standaard;
        QCOMPARE(inst.TitelTekst, standaard.TitelTekst);
        QCOMPARE(inst.KleurRood, 1.0); // red is read in every row
        if (gelezenTot > 5)
            QCOMPARE(inst.AchtergrondBestand, QString("x"));
        else
            QCOMPARE(inst.AchtergrondBestand, standaard.AchtergrondBestand);
        if (gelezenTot <= 7)
            QCOMPARE(inst.LaagsteNummer, standaard.LaagsteNummer);
        QCOMPARE(inst.HoogsteNummer, standaard.HoogsteNummer);
    }

    void booleansAndRoundingAndFractions() {
        Instellingen inst;
        QVERIFY(!leesInstellingenTekst("\"a\",\"b\",yes,\"r\",1,2,3,\"\",4,1,2,\"T\"", inst));
        QCOMPARE(inst.ReserveTekst, Instellingen{}.ReserveTekst);

        // Integers round half to even; a fraction in red and green is kept as a number.
        QVERIFY(leesInstellingenTekst(
            "\"a\",\"b\",#TRUE#,\"r\",254.5,1.25,2.5,\"\",3.5,12.5,13.5,\"T\"", inst));
        QCOMPARE(inst.KleurRood, 254.5);
        QCOMPARE(inst.KleurGroen, 1.25);
        QCOMPARE(inst.KleurBlauw, quint8(2));
        QCOMPARE(inst.PauzeSeconden, quint8(4));
        QCOMPARE(inst.LaagsteNummer, 12);
        QCOMPARE(inst.HoogsteNummer, 14);
        QVERIFY(instellingenBestandInhoud(inst).contains("254.5,1.25,2\r\n"));
        QCOMPARE(titelKleur(inst), QColor(254, 1, 2));
    }

    void colourClampsEveryComponent() {
        QCOMPARE(titelKleur(-20, 300, 255), QColor(0, 255, 255));
        QCOMPARE(titelKleur(255, 255, 190), QColor(255, 255, 190));
        QCOMPARE(titelKleur(0.5, 1.5, 0), QColor(0, 2, 0));
    }

    void quotesAndLineBreaksCannotBreakTheFile() {
        Instellingen inst;
        inst.TitelTekst = "Zeg \"kaas\"\nnu";
        inst.AchtergrondBestand = "C:\\map\\x.jpg";
        const QByteArray inhoud = instellingenBestandInhoud(inst);
        QVERIFY(inhoud.contains("\"Zeg 'kaas' nu\"\r\n"));
        Instellingen terug;
        QVERIFY(leesInstellingenTekst(QString::fromLatin1(inhoud), terug));
        QCOMPARE(terug.TitelTekst, QString("Zeg 'kaas' nu"));
        QCOMPARE(terug.AchtergrondBestand, inst.AchtergrondBestand);
    }

    void extraLinesIgnoredAndDroppedAtNextWrite() {
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        schrijfBestand(pad, kStandaardBestand + "\"extra\"\r\nnog meer\r\n");
        Instellingen inst;
        QVERIFY(LeesInstellingen(pad, map.path(), inst));
        QVERIFY(BewaarInstellingen(pad, inst));
        QCOMPARE(leesBestand(pad), kStandaardBestand);
    }

    void unquotedTextsAndTextAfterTheClosingQuote() {
        Instellingen inst;
        QVERIFY(leesInstellingenTekst(
            "kop,kop,#FALSE#,\"r\" rest,1,2,3,plain path  ,4,1,2,Titel zonder", inst));
        QCOMPARE(inst.ReserveTekst, QString("r"));
        QCOMPARE(inst.AchtergrondBestand, QString("plain path"));
        QCOMPARE(inst.TitelTekst, QString("Titel zonder"));
    }

    // A file from an 8-bit Windows system is read as Windows-1252 and written back byte for
    // byte; UTF-8 stays UTF-8; a new file, and a text the code page cannot hold, are UTF-8.
    void encodingsRoundTrip_data() {
        QTest::addColumn<QByteArray>("reserve");
        QTest::addColumn<QByteArray>("titel");
        QTest::addColumn<QString>("titelTekst");
        QTest::addColumn<QString>("nieuweTitel");
        QTest::addColumn<QByteArray>("nieuweTitelBytes");
        QTest::newRow("Windows-1252")
            << QByteArray("Caf\xe9")
            << QByteArray("\x80 5 \x96 na\xef"
                          "ef")
            << QString::fromUtf8("\u20ac 5 \u2013 na\u00efef") << QString() << QByteArray();
        QTest::newRow("undefined bytes") << QByteArray("\x81\x8d\x8f\x90\x9d") << QByteArray("T")
                                         << QStringLiteral("T") << QString() << QByteArray();
        QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9") << QByteArray("\xe2\x82\xac 5")
                               << QString::fromUtf8("\u20ac 5") << QString() << QByteArray();
        QTest::newRow("8-bit, typed text it lacks")
            << QByteArray("Caf\xe9") << QByteArray("T") << QStringLiteral("T")
            << QString::fromUtf8("\u65e5\u672c") << QByteArray("\xe6\x97\xa5\xe6\x9c\xac");
        QTest::newRow("8-bit, typed text it holds")
            << QByteArray("Caf\xe9") << QByteArray("T") << QStringLiteral("T")
            << QString::fromUtf8("\u00e9t\u00e9") << QByteArray("\xe9t\xe9");
    }
    void encodingsRoundTrip() {
        QFETCH(QByteArray, reserve);
        QFETCH(QByteArray, titel);
        QFETCH(QString, titelTekst);
        QFETCH(QString, nieuweTitel);
        QFETCH(QByteArray, nieuweTitelBytes);
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        const QByteArray bestand = "\"Brevane Software 2012\"\r\n\"--------------------------\"\r\n"
                                   "#FALSE#\r\n\"" +
                                   reserve +
                                   "\"\r\n255,255,190\r\n\"\"\r\n4\r\n"
                                   "1,9999\r\n\"" +
                                   titel + "\"\r\n";
        schrijfBestand(pad, bestand);
        Instellingen inst;
        QVERIFY(LeesInstellingen(pad, map.path(), inst));
        QCOMPARE(inst.TitelTekst, titelTekst);
        if (nieuweTitel.isEmpty()) {
            QVERIFY(BewaarInstellingen(pad, inst));
            QCOMPARE(leesBestand(pad), bestand);
            return;
        }
        inst.TitelTekst = nieuweTitel;
        QVERIFY(BewaarInstellingen(pad, inst));
        QVERIFY(leesBestand(pad).endsWith("\"" + nieuweTitelBytes + "\"\r\n"));
        Instellingen terug;
        QVERIFY(LeesInstellingen(pad, map.path(), terug));
        QCOMPARE(terug.TitelTekst, nieuweTitel);
        QCOMPARE(terug.ReserveTekst, QString::fromUtf8("Caf\u00e9"));
    }

    // 8-bit text whose bytes happen to form UTF-8 ("\xc3\xa9" is two letters in the code page,
    // one in UTF-8) is written as UTF-8, so it reads back as the same letters.
    void eightBitTextThatLooksLikeUtf8() {
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        // The only byte that is not UTF-8 stands in a header the writer replaces.
        schrijfBestand(pad,
                       "\"Kop \xff\"\r\n\"k\"\r\n#FALSE#\r\n\"r\"\r\n1,2,3\r\n\"\"\r\n4\r\n1,9\r\n"
                       "\"\xc3\xa9\"\r\n");
        Instellingen inst;
        QVERIFY(LeesInstellingen(pad, map.path(), inst));
        const QString gelezen = inst.TitelTekst;
        QCOMPARE(gelezen, QString::fromUtf8("\u00c3\u00a9"));
        QVERIFY(BewaarInstellingen(pad, inst));
        Instellingen terug;
        QVERIFY(LeesInstellingen(pad, map.path(), terug));
        QCOMPARE(terug.TitelTekst, gelezen);
    }

    void unwritableLocationIsSilent() {
        QTemporaryDir map;
        // A directory where the file should be: nothing can be read or written.
        const QString pad = map.filePath("Quintaro.ini");
        QVERIFY(QDir(map.path()).mkdir("Quintaro.ini"));
        Instellingen inst;
        QVERIFY(!LeesInstellingen(pad, map.path(), inst));
        QCOMPARE(inst.HoogsteNummer, 9999);
        QVERIFY(!BewaarInstellingen(pad, inst));
        QVERIFY(QFileInfo(pad).isDir());
    }

    void writeReplacesTheFileWhole() {
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        schrijfBestand(pad, QByteArray(10000, 'x'));
        QVERIFY(BewaarInstellingen(pad, Instellingen{}));
        QCOMPARE(leesBestand(pad), kStandaardBestand);
        // No temporary file is left beside it.
        QCOMPARE(QDir(map.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Quintaro.ini"});
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
