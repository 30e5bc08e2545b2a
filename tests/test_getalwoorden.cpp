// Numbers in words, Dutch and English, over the whole 32-bit range.
#include "common/getalwoorden.h"

#include <QTest>
#include <limits>

class TestGetalWoorden : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nederlands_data() {
        QTest::addColumn<qint32>("getal");
        QTest::addColumn<QString>("woorden");
        const QList<QPair<qint32, const char*>> gevallen{
            {0, "nul"},
            {1, "één"},
            {11, "elf"},
            {12, "twaalf"},
            {13, "dertien"},
            {14, "veertien"},
            {15, "vijftien"},
            {16, "zestien"},
            {17, "zeventien"},
            {18, "achttien"},
            {19, "negentien"},
            {20, "twintig"},
            {21, "eenentwintig"},
            {22, "tweeëntwintig"},
            {23, "drieëntwintig"},
            {27, "zevenentwintig"},
            {80, "tachtig"},
            {92, "tweeënnegentig"},
            {99, "negenennegentig"},
            {100, "honderd"},
            {101, "honderdeen"},
            {110, "honderdtien"},
            {121, "honderdeenentwintig"},
            {200, "tweehonderd"},
            {999, "negenhonderdnegenennegentig"},
            {1000, "duizend"},
            {1001, "duizend één"},
            {1100, "duizend honderd"},
            {1999, "duizend negenhonderdnegenennegentig"},
            {2000, "tweeduizend"},
            {9999, "negenduizend negenhonderdnegenennegentig"},
            {21000, "eenentwintigduizend"},
            {101022, "honderdeenduizend tweeëntwintig"},
            {1000000, "één miljoen"},
            {1000001, "één miljoen één"},
            {2003000, "twee miljoen drieduizend"},
            {1000000000, "één miljard"},
            {-1, "min één"},
            {-5, "min vijf"},
            {-32, "min tweeëndertig"},
            {std::numeric_limits<qint32>::max(),
             "twee miljard honderdzevenenveertig miljoen vierhonderddrieëntachtigduizend "
             "zeshonderdzevenenveertig"},
            {std::numeric_limits<qint32>::min(),
             "min twee miljard honderdzevenenveertig miljoen vierhonderddrieëntachtigduizend "
             "zeshonderdachtenveertig"},
        };
        for (const auto& [getal, woorden] : gevallen)
            QTest::addRow("%d", getal) << getal << QString::fromUtf8(woorden);
    }
    void nederlands() {
        QFETCH(qint32, getal);
        QFETCH(QString, woorden);
        QCOMPARE(GetalWoorden::nederlands(getal), woorden);
        QCOMPARE(GetalWoorden::inWoorden(getal, QLocale(QLocale::Dutch)), woorden);
    }

    void engels_data() {
        QTest::addColumn<qint32>("getal");
        QTest::addColumn<QString>("woorden");
        const QList<QPair<qint32, const char*>> gevallen{
            {0, "zero"},
            {1, "one"},
            {11, "eleven"},
            {12, "twelve"},
            {13, "thirteen"},
            {15, "fifteen"},
            {18, "eighteen"},
            {19, "nineteen"},
            {20, "twenty"},
            {21, "twenty-one"},
            {22, "twenty-two"},
            {23, "twenty-three"},
            {27, "twenty-seven"},
            {40, "forty"},
            {80, "eighty"},
            {100, "one hundred"},
            {101, "one hundred one"},
            {110, "one hundred ten"},
            {121, "one hundred twenty-one"},
            {999, "nine hundred ninety-nine"},
            {1000, "one thousand"},
            {1001, "one thousand one"},
            {1100, "one thousand one hundred"},
            {2000, "two thousand"},
            {9999, "nine thousand nine hundred ninety-nine"},
            {1000000, "one million"},
            {1000010, "one million ten"},
            {-5, "minus five"},
            {std::numeric_limits<qint32>::max(),
             "two billion one hundred forty-seven million four hundred eighty-three thousand six "
             "hundred forty-seven"},
            {std::numeric_limits<qint32>::min(),
             "minus two billion one hundred forty-seven million four hundred eighty-three "
             "thousand six hundred forty-eight"},
        };
        for (const auto& [getal, woorden] : gevallen)
            QTest::addRow("%d", getal) << getal << QString::fromLatin1(woorden);
    }
    void engels() {
        QFETCH(qint32, getal);
        QFETCH(QString, woorden);
        QCOMPARE(GetalWoorden::engels(getal), woorden);
        QCOMPARE(GetalWoorden::inWoorden(getal, QLocale(QLocale::English)), woorden);
        // Every language without words of its own gets the English ones.
        QCOMPARE(GetalWoorden::inWoorden(getal, QLocale(QLocale::German)), woorden);
    }

    // Every number up to 100000: words only of the known parts, no doubled or stray blanks,
    // and no two numbers sharing their words.
    void wholeRangeWellFormed() {
        QSet<QString> nl;
        QSet<QString> en;
        for (qint32 n = -100; n <= 100000; ++n) {
            const QString a = GetalWoorden::nederlands(n);
            const QString b = GetalWoorden::engels(n);
            QVERIFY2(!a.contains(QLatin1String("  ")) && a == a.trimmed(), qPrintable(a));
            QVERIFY2(!b.contains(QLatin1String("  ")) && b == b.trimmed(), qPrintable(b));
            QVERIFY2(!a.contains(QLatin1String("nul")) || n == 0, qPrintable(a));
            QVERIFY2(!b.contains(QLatin1String("zero")) || n == 0, qPrintable(b));
            QVERIFY2(!a.contains(QLatin1String("eenhonderd")), qPrintable(a));
            QVERIFY2(!a.contains(QLatin1String("eenduizend")), qPrintable(a));
            nl.insert(a);
            en.insert(b);
        }
        QCOMPARE(nl.size(), 100101);
        QCOMPARE(en.size(), 100101);
    }

    void punten() {
        const QLocale nl(QLocale::Dutch);
        const QLocale en(QLocale::English);
        QCOMPARE(GetalWoorden::punten(8, nl), QStringLiteral("acht punten"));
        QCOMPARE(GetalWoorden::punten(1, nl), QStringLiteral("één punt"));
        QCOMPARE(GetalWoorden::punten(0, nl), QStringLiteral("nul punten"));
        QCOMPARE(GetalWoorden::punten(250, nl), QStringLiteral("tweehonderdvijftig punten"));
        QCOMPARE(GetalWoorden::punten(8, en), QStringLiteral("eight points"));
        QCOMPARE(GetalWoorden::punten(1, en), QStringLiteral("one point"));
        QCOMPARE(GetalWoorden::punten(-1, en), QStringLiteral("minus one point"));
        QCOMPARE(GetalWoorden::punten(22, en), QStringLiteral("twenty-two points"));
    }
};

QTEST_GUILESS_MAIN(TestGetalWoorden)
#include "test_getalwoorden.moc"
