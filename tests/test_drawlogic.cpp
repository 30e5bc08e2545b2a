#include "draw/rollogica.h"

#include <QtTest>

#include <array>
#include <set>

class TestDrawLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Roller arithmetic.
    void splitsCijfersTabel_data();
    void splitsCijfersTabel();
    void stopPosities();
    void tekstPosities();
    void scorePuntenTabel_data();
    void scorePuntenTabel();
    void tickOmslag();
};

void TestDrawLogic::splitsCijfersTabel_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("aantal");
    QTest::addColumn<QList<int>>("verwacht");
    QTest::newRow("7") << "7" << 4 << QList<int>{0, 0, 0, 7};
    QTest::newRow("42") << "42" << 4 << QList<int>{0, 0, 4, 2};
    QTest::newRow("305") << "305" << 4 << QList<int>{0, 3, 0, 5};
    QTest::newRow("9999") << "9999" << 4 << QList<int>{9, 9, 9, 9};
    QTest::newRow("1000") << "1000" << 4 << QList<int>{1, 0, 0, 0};
    QTest::newRow("-5") << "-5" << 4 << QList<int>{0, 0, 0, 5};
    QTest::newRow("-999") << "-999" << 4 << QList<int>{0, 9, 9, 9};
    QTest::newRow("empty") << "" << 4 << QList<int>{0, 0, 0, 0};
    // Longer numbers on as many rollers, the minus sign on its own one.
    QTest::newRow("10000") << "10000" << 5 << QList<int>{1, 0, 0, 0, 0};
    QTest::newRow("-1000") << "-1000" << 5 << QList<int>{0, 1, 0, 0, 0};
    // Eleven characters on ten rollers: the minus sign is left off.
    QTest::newRow("-2147483648") << "-2147483648" << 10 << QList<int>{2, 1, 4, 7, 4, 8, 3, 6, 4, 8};
    // Picture rollers stay four: the last four characters.
    QTest::newRow("12345 on 4") << "12345" << 4 << QList<int>{2, 3, 4, 5};
}

void TestDrawLogic::splitsCijfersTabel() {
    QFETCH(QString, tekst);
    QFETCH(int, aantal);
    QFETCH(QList<int>, verwacht);
    const std::vector<int> cijfers = splitsCijfers(tekst, aantal);
    QCOMPARE(QList<int>(cijfers.begin(), cijfers.end()), verwacht);
}

void TestDrawLogic::stopPosities() {
    const std::array<int, 10> verwacht{2020, 202, 404, 606, 808, 1010, 1212, 1414, 1616, 1818};
    for (int cijfer = 0; cijfer <= 9; ++cijfer)
        QCOMPARE(stopPositie(cijfer, -1), verwacht[static_cast<std::size_t>(cijfer)]);
    QCOMPARE(stopPositie(10, 606), 606);
    QCOMPARE(stopPositie(-1, 1414), 1414);
}

void TestDrawLogic::tekstPosities() {
    QCOMPARE(tekstX(1, 0), 220);
    QCOMPARE(tekstX(2, 0), 160);
    QCOMPARE(tekstX(3, 0), 110);
    QCOMPARE(tekstX(4, 0), 60);
    QCOMPARE(tekstX(5, 110), 110);
    QCOMPARE(tekstX(0, 160), 160);
    QCOMPARE(tekstX(11, 60), 60);
}

void TestDrawLogic::scorePuntenTabel_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("punten");
    QTest::newRow("777") << "777" << 700;
    QTest::newRow("177") << "177" << 70;
    QTest::newRow("770") << "770" << 70;
    QTest::newRow("717") << "717" << 0;
    QTest::newRow("100") << "100" << 5;
    QTest::newRow("900") << "900" << 5;
    QTest::newRow("123") << "123" << 0;
    QTest::newRow("7") << "7" << 0;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("77") << "77" << 70;
    QTest::newRow("00") << "00" << 5;
    QTest::newRow("000") << "000" << 5;
    QTest::newRow("311") << "311" << 10;
    QTest::newRow("299") << "299" << 90;
    QTest::newRow("550") << "550" << 50;
    QTest::newRow("500") << "500" << 5;
    QTest::newRow("-77") << "-77" << 70;
    QTest::newRow("7777") << "7777" << 70;
    QTest::newRow("1000") << "1000" << 5;
    QTest::newRow("empty") << "" << 0;
    for (int d = 1; d <= 9; ++d) {
        const QString drie(3, QChar(u'0' + d));
        QTest::newRow(qPrintable(drie)) << drie << 100 * d;
    }
}

void TestDrawLogic::scorePuntenTabel() {
    QFETCH(QString, tekst);
    QFETCH(int, punten);
    QCOMPARE(scorePunten(tekst), punten);
}

void TestDrawLogic::tickOmslag() {
    QCOMPARE(volgendePositie(0), 20);
    QCOMPARE(volgendePositie(2080), 2100);
    QCOMPARE(volgendePositie(2100), 0);
    // One turn passes 106 offsets, 0 to 2100, before it is back at 0.
    std::set<int> gezien;
    int positie = 0;
    int ticks = 0;
    do {
        QVERIFY(gezien.insert(positie).second);
        positie = volgendePositie(positie);
        ++ticks;
    } while (positie != 0 && ticks < 1000);
    QCOMPARE(ticks, 106);
    QCOMPARE(*gezien.rbegin(), 2100);
}

QTEST_GUILESS_MAIN(TestDrawLogic)
#include "test_drawlogic.moc"
