#include "common/getrokkenlijst.h"
#include "common/kloktekst.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

QByteArray leesBestand(const QString& pad) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return bestand.readAll();
}

bool schrijfBestand(const QString& pad, const QByteArray& inhoud) {
    QFile bestand(pad);
    return bestand.open(QIODevice::WriteOnly) && bestand.write(inhoud) == inhoud.size();
}

} // namespace

class TestDrawnList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The file.
    void inhoudVoorbeeld();
    void inhoudGrenzen();
    void bewaarSchrijftBytes();
    void bewaarLeegGeeftNulBytes();
    void bewaarVervangtLangerBestand();
    void bewaarOnschrijfbaar();

    // The model.
    void modelRijenEnTeksten();
    void modelMaakLeeg();

    // The clock.
    void klokTijdstukken_data();
    void klokTijdstukken();
    void klokScheidingUitLocale();
};

void TestDrawnList::inhoudVoorbeeld() {
    const QByteArray verwacht = QByteArray::fromHex("31370D0A340D0A3235300D0A");
    QCOMPARE(verwacht.size(), qsizetype{12});
    QCOMPARE(lijstBestandInhoud({17, 4, 250}), verwacht);
    QVERIFY(lijstBestandInhoud({}).isEmpty());
}

void TestDrawnList::inhoudGrenzen() {
    QCOMPARE(lijstBestandInhoud({-5, 0}), QByteArray("-5\r\n0\r\n"));
    QCOMPARE(lijstBestandInhoud({std::numeric_limits<qint32>::min(), 1000}),
             QByteArray("-2147483648\r\n1000\r\n"));
    // Order as listed, duplicates kept.
    QCOMPARE(lijstBestandInhoud({9, 1, 9}), QByteArray("9\r\n1\r\n9\r\n"));
}

void TestDrawnList::bewaarSchrijftBytes() {
    QTemporaryDir map;
    QVERIFY(map.isValid());
    const QString pad = map.filePath(QStringLiteral("Lijstnummers.txt"));
    QVERIFY(BewaarLijst(pad, {17, 4, 250}));
    QCOMPARE(leesBestand(pad), QByteArray::fromHex("31370D0A340D0A3235300D0A"));
    // Only the file itself is left behind, no temporary file.
    QCOMPARE(QDir(map.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Lijstnummers.txt")});
}

void TestDrawnList::bewaarLeegGeeftNulBytes() {
    QTemporaryDir map;
    QVERIFY(map.isValid());
    const QString pad = map.filePath(QStringLiteral("Lijstnummers.txt"));
    // First run: no old file.
    QVERIFY(BewaarLijst(pad, {}));
    QVERIFY(QFile::exists(pad));
    QCOMPARE(QFileInfo(pad).size(), qint64{0});
    // An old file with content becomes empty too.
    QVERIFY(schrijfBestand(pad, "12\r\n"));
    QVERIFY(BewaarLijst(pad, {}));
    QVERIFY(QFile::exists(pad));
    QCOMPARE(QFileInfo(pad).size(), qint64{0});
}

void TestDrawnList::bewaarVervangtLangerBestand() {
    QTemporaryDir map;
    QVERIFY(map.isValid());
    const QString pad = map.filePath(QStringLiteral("Lijstnummers.txt"));
    QVERIFY(schrijfBestand(pad, QByteArray(5000, 'x')));
    QVERIFY(BewaarLijst(pad, {3}));
    QCOMPARE(leesBestand(pad), QByteArray("3\r\n"));
}

void TestDrawnList::bewaarOnschrijfbaar() {
    QTemporaryDir map;
    QVERIFY(map.isValid());
    // A directory that does not exist.
    QVERIFY(!BewaarLijst(map.filePath(QStringLiteral("ontbreekt/Lijstnummers.txt")), {1, 2}));
    // A "directory" that is a plain file, whatever the user's rights.
    const QString bestand = map.filePath(QStringLiteral("gewoon"));
    QVERIFY(schrijfBestand(bestand, "inhoud"));
    QVERIFY(!BewaarLijst(bestand + QStringLiteral("/Lijstnummers.txt"), {1, 2}));
    QCOMPARE(leesBestand(bestand), QByteArray("inhoud"));

    // A read-only directory with an old file: the call fails and the old file stays. A user
    // who may write anywhere (root) cannot be kept out, so that part needs an ordinary user.
    const QString alleenLezen = map.filePath(QStringLiteral("alleenlezen"));
    QVERIFY(QDir().mkdir(alleenLezen));
    const QString pad = alleenLezen + QStringLiteral("/Lijstnummers.txt");
    QVERIFY(schrijfBestand(pad, "oud\r\n"));
    QVERIFY(QFile::setPermissions(alleenLezen, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool toch = schrijfBestand(alleenLezen + QStringLiteral("/proef"), "x");
    if (!toch) {
        QVERIFY(!BewaarLijst(pad, {7, 8, 9}));
        QCOMPARE(leesBestand(pad), QByteArray("oud\r\n"));
    }
    QFile::setPermissions(alleenLezen,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestDrawnList::modelRijenEnTeksten() {
    GetrokkenLijst lijst;
    QCOMPARE(lijst.rowCount(), 0);
    QSignalSpy ingevoegd(&lijst, &QAbstractItemModel::rowsInserted);
    lijst.voegToe(17);
    lijst.voegToe(-4);
    lijst.voegToe(250);
    QCOMPARE(ingevoegd.count(), 3);
    // The third insertion adds row 2 only, at the end.
    QCOMPARE(ingevoegd.at(2).at(1).toInt(), 2);
    QCOMPARE(ingevoegd.at(2).at(2).toInt(), 2);

    QCOMPARE(lijst.rowCount(), 3);
    QCOMPARE(lijst.aantal(), qsizetype{3});
    QCOMPARE(lijst.data(lijst.index(0)).toString(), QStringLiteral("17"));
    QCOMPARE(lijst.data(lijst.index(1)).toString(), QStringLiteral("-4"));
    QCOMPARE(lijst.data(lijst.index(2)).toString(), QStringLiteral("250"));
    QCOMPARE(lijst.nummer(1), -4);
    QCOMPARE(lijst.nummers(), (std::vector<qint32>{17, -4, 250}));
    // Nothing outside the rows, and no children.
    QVERIFY(!lijst.data(lijst.index(3)).isValid());
    QVERIFY(!lijst.data(QModelIndex()).isValid());
    QCOMPARE(lijst.rowCount(lijst.index(0)), 0);
    QCOMPARE(lijst.generatie(), std::uint64_t{0});
}

void TestDrawnList::modelMaakLeeg() {
    GetrokkenLijst lijst;
    lijst.voegToe(1);
    lijst.voegToe(2);
    QSignalSpy reset(&lijst, &QAbstractItemModel::modelReset);
    lijst.maakLeeg();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(lijst.rowCount(), 0);
    QCOMPARE(lijst.generatie(), std::uint64_t{1});
    // Clearing an empty list still counts: a reader may have seen it between.
    lijst.maakLeeg();
    QCOMPARE(lijst.generatie(), std::uint64_t{2});
    lijst.voegToe(5);
    QCOMPARE(lijst.data(lijst.index(0)).toString(), QStringLiteral("5"));
}

void TestDrawnList::klokTijdstukken_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QTime>("tijd");
    QTest::addColumn<QString>("tijdstuk");
    QTest::newRow("nl midnight") << "nl_NL" << QTime(0, 0, 5) << "0:00:05";
    QTest::newRow("nl afternoon") << "nl_NL" << QTime(14, 7, 9) << "14:07:09";
    // A twelve-hour locale still shows 0..23 and no AM/PM.
    QTest::newRow("us afternoon") << "en_US" << QTime(14, 7, 9) << "14:07:09";
    QTest::newRow("us midnight") << "en_US" << QTime(0, 0, 5) << "0:00:05";
    QTest::newRow("us late") << "en_US" << QTime(23, 59, 59) << "23:59:59";
    // Dots between hours and minutes.
    QTest::newRow("fi") << "fi_FI" << QTime(9, 5, 3) << "9.05.03";
    QTest::newRow("da") << "da_DK" << QTime(0, 0, 5) << "0.00.05";
    // Only a quoted 'h' between them: the colon.
    QTest::newRow("fr_CA") << "fr_CA" << QTime(14, 7, 9) << "14:07:09";
}

void TestDrawnList::klokTijdstukken() {
    QFETCH(QString, locale);
    QFETCH(QTime, tijd);
    QFETCH(QString, tijdstuk);
    const QLocale taal(locale);
    const QDate datum(2026, 12, 7);
    const QString tekst = klokTekst(tijd, datum, taal);
    QCOMPARE(tekst, QStringLiteral(" ") + tijdstuk + QStringLiteral(" / ") +
                        taal.toString(datum, QLocale::ShortFormat));
}

void TestDrawnList::klokScheidingUitLocale() {
    // Day-month-year with hyphens.
    QCOMPARE(klokTekst(QTime(9, 5, 3), QDate(2026, 12, 7), QLocale(QStringLiteral("nl_NL"))),
             QStringLiteral(" 9:05:03 / 07-12-2026"));
    // The default argument is the current locale.
    QLocale::setDefault(QLocale(QStringLiteral("fi_FI")));
    const QString tekst = klokTekst(QTime(1, 2, 3), QDate(2026, 1, 31));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(tekst, QStringLiteral(" 1.02.03 / 31.1.2026"));
}

QTEST_GUILESS_MAIN(TestDrawnList)
#include "test_drawnlist.moc"
