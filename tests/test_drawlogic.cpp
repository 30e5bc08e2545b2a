#include "common/getrokkenlijst.h"
#include "draw/nummerkiezer.h"
#include "draw/plaatstabel.h"
#include "draw/rollogica.h"

#include <QtTest>

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <unordered_map>

namespace {

constexpr qint32 kMin = std::numeric_limits<qint32>::min();
constexpr qint32 kMax = std::numeric_limits<qint32>::max();

// Draws until the chooser reports the range exhausted, appending every number as a finished
// draw does. Fails the test if a number repeats or falls outside [onder, boven].
std::set<qint32> trekAlles(NummerKiezer& kiezer, qint32 laagste, qint32 hoogste,
                           GetrokkenLijst& lijst, qint64 onder, qint64 boven, int maximum) {
    std::set<qint32> getrokken;
    for (int i = 0; i < maximum; ++i) {
        const auto nummer = kiezer.kiesNieuw(laagste, hoogste, lijst);
        if (!nummer)
            break;
        if (*nummer < onder || *nummer > boven || !getrokken.insert(*nummer).second) {
            qWarning("unexpected draw %d", *nummer);
            return {};
        }
        lijst.voegToe(*nummer);
    }
    return getrokken;
}

} // namespace

class TestDrawLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The chooser, digit mode.
    void kiesNieuwTienGetallenDanUitgeput();
    void kiesNieuwGeenHerhalingGroterBereik();
    void kiesNieuwNegeertGetallenBuitenBereik();
    void kiesNieuwEnkelGetal();
    void kiesNieuwOmgekeerdBereik();
    void kiesNieuwVolledig32BitsBereik();
    void kiesNieuwRandenVan32Bits();
    void kiesNieuwOpnieuwNaMaakLeeg();
    void kiesNieuwHaaltAchterstandIn();
    void kiesNieuwNieuwBereikBouwtOpnieuw();
    void kiesNieuwAndereLijst();
    void kiesNieuwVolgtWillekeurigeBewerkingen();
    void kiesNieuwUniform();
    void plaatsTabelVolgtReferentie();

    // The chooser, picture mode.
    void kiesVrijBeideGrenzen();
    void kiesVrijOmgekeerdEnVolledigBereik();

    // Roller arithmetic.
    void splitsCijfersTabel_data();
    void splitsCijfersTabel();
    void stopPosities();
    void tekstPosities();
    void scorePuntenTabel_data();
    void scorePuntenTabel();
    void tickOmslag();
};

void TestDrawLogic::kiesNieuwTienGetallenDanUitgeput() {
    NummerKiezer kiezer(1);
    GetrokkenLijst lijst;
    const auto getrokken = trekAlles(kiezer, 1, 10, lijst, 1, 10, 11);
    QCOMPARE(getrokken.size(), std::size_t{10});
    QCOMPARE(lijst.aantal(), qsizetype{10});
    QVERIFY(!kiezer.kiesNieuw(1, 10, lijst).has_value());
    // Asking again changes nothing.
    QVERIFY(!kiezer.kiesNieuw(1, 10, lijst).has_value());
}

void TestDrawLogic::kiesNieuwGeenHerhalingGroterBereik() {
    // Several seeds, so that the pool's moves take many different paths.
    for (std::uint64_t zaad = 0; zaad < 20; ++zaad) {
        NummerKiezer kiezer(zaad);
        GetrokkenLijst lijst;
        const auto getrokken = trekAlles(kiezer, -37, 263, lijst, -37, 263, 400);
        QCOMPARE(getrokken.size(), std::size_t{301});
        QVERIFY(!kiezer.kiesNieuw(-37, 263, lijst).has_value());
    }
}

void TestDrawLogic::kiesNieuwNegeertGetallenBuitenBereik() {
    NummerKiezer kiezer(7);
    GetrokkenLijst lijst;
    // Entries of an earlier, wider range, one of them twice; only 3 and 5 lie in 1..6.
    for (qint32 n : {0, 3, 99, -4, 3, 5, 7, 5, kMin, kMax})
        lijst.voegToe(n);
    const auto getrokken = trekAlles(kiezer, 1, 6, lijst, 1, 6, 10);
    QCOMPARE(getrokken, (std::set<qint32>{1, 2, 4, 6}));
    QVERIFY(!kiezer.kiesNieuw(1, 6, lijst).has_value());
}

void TestDrawLogic::kiesNieuwEnkelGetal() {
    NummerKiezer kiezer(3);
    GetrokkenLijst lijst;
    // The chosen number stays free until it is listed.
    QCOMPARE(kiezer.kiesNieuw(42, 42, lijst), std::optional<qint32>(42));
    QCOMPARE(kiezer.kiesNieuw(42, 42, lijst), std::optional<qint32>(42));
    lijst.voegToe(42);
    QVERIFY(!kiezer.kiesNieuw(42, 42, lijst).has_value());
    lijst.maakLeeg();
    QCOMPARE(kiezer.kiesNieuw(42, 42, lijst), std::optional<qint32>(42));
}

void TestDrawLogic::kiesNieuwOmgekeerdBereik() {
    NummerKiezer kiezer(11);
    GetrokkenLijst lijst;
    const auto getrokken = trekAlles(kiezer, 10, 1, lijst, 1, 10, 11);
    QCOMPARE(getrokken.size(), std::size_t{10});
    QVERIFY(!kiezer.kiesNieuw(10, 1, lijst).has_value());
    // The same numbers, named in the usual order, are just as exhausted.
    QVERIFY(!kiezer.kiesNieuw(1, 10, lijst).has_value());
}

void TestDrawLogic::kiesNieuwVolledig32BitsBereik() {
    NummerKiezer kiezer(2024);
    GetrokkenLijst lijst;
    lijst.voegToe(kMin);
    lijst.voegToe(kMax);
    lijst.voegToe(0);
    int negatief = 0;
    int nietNegatief = 0;
    std::set<qint32> gezien;
    for (int i = 0; i < 400; ++i) {
        const auto nummer = kiezer.kiesNieuw(kMin, kMax, lijst);
        QVERIFY(nummer.has_value());
        QVERIFY(*nummer != kMin && *nummer != kMax && *nummer != 0);
        QVERIFY(gezien.insert(*nummer).second);
        (*nummer < 0 ? negatief : nietNegatief)++;
        lijst.voegToe(*nummer);
    }
    // Each half holds half the range: both must come up, and neither may dominate.
    QVERIFY2(negatief > 120 && nietNegatief > 120,
             qPrintable(QStringLiteral("%1 / %2").arg(negatief).arg(nietNegatief)));
}

void TestDrawLogic::kiesNieuwRandenVan32Bits() {
    NummerKiezer kiezer(5);
    {
        GetrokkenLijst lijst;
        const auto boven = trekAlles(kiezer, kMax - 2, kMax, lijst, kMax - 2, kMax, 4);
        QCOMPARE(boven, (std::set<qint32>{kMax - 2, kMax - 1, kMax}));
        QVERIFY(!kiezer.kiesNieuw(kMax - 2, kMax, lijst).has_value());
    }
    {
        GetrokkenLijst lijst;
        const auto onder = trekAlles(kiezer, kMin, kMin + 2, lijst, kMin, kMin + 2, 4);
        QCOMPARE(onder, (std::set<qint32>{kMin, kMin + 1, kMin + 2}));
        QVERIFY(!kiezer.kiesNieuw(kMin, kMin + 2, lijst).has_value());
    }
}

void TestDrawLogic::kiesNieuwOpnieuwNaMaakLeeg() {
    NummerKiezer kiezer(9);
    GetrokkenLijst lijst;
    QCOMPARE(trekAlles(kiezer, 1, 5, lijst, 1, 5, 6).size(), std::size_t{5});
    QVERIFY(!kiezer.kiesNieuw(1, 5, lijst).has_value());
    lijst.maakLeeg();
    // The whole range is free again, and exhausts again after five draws.
    QCOMPARE(trekAlles(kiezer, 1, 5, lijst, 1, 5, 6).size(), std::size_t{5});
    QVERIFY(!kiezer.kiesNieuw(1, 5, lijst).has_value());

    // Cleared and refilled to the old length before the next call: the count alone cannot
    // tell, the clearing must.
    lijst.maakLeeg();
    for (qint32 n : {100, 101, 102, 103, 104})
        lijst.voegToe(n);
    QVERIFY(kiezer.kiesNieuw(1, 5, lijst).has_value());
}

void TestDrawLogic::kiesNieuwHaaltAchterstandIn() {
    NummerKiezer kiezer(13);
    GetrokkenLijst lijst;
    std::set<qint32> vrij;
    for (qint32 n = 1; n <= 20; ++n)
        vrij.insert(n);
    // Between calls the list grows by hand as well as by draws.
    for (int ronde = 0; ronde < 20 && !vrij.empty(); ++ronde) {
        const auto nummer = kiezer.kiesNieuw(1, 20, lijst);
        QVERIFY(nummer.has_value());
        QVERIFY2(vrij.count(*nummer) == 1, qPrintable(QString::number(*nummer)));
        lijst.voegToe(*nummer);
        vrij.erase(*nummer);
        if (ronde % 3 == 0 && !vrij.empty()) {
            const qint32 extra = *vrij.rbegin();
            lijst.voegToe(extra);
            lijst.voegToe(extra);
            vrij.erase(extra);
        }
    }
    QVERIFY(vrij.empty());
    QVERIFY(!kiezer.kiesNieuw(1, 20, lijst).has_value());
}

void TestDrawLogic::kiesNieuwNieuwBereikBouwtOpnieuw() {
    NummerKiezer kiezer(17);
    GetrokkenLijst lijst;
    QCOMPARE(trekAlles(kiezer, 1, 10, lijst, 1, 10, 11).size(), std::size_t{10});
    // A wider range keeps the list: only the new numbers are free.
    QCOMPARE(trekAlles(kiezer, 5, 12, lijst, 5, 12, 3), (std::set<qint32>{11, 12}));
    QVERIFY(!kiezer.kiesNieuw(5, 12, lijst).has_value());
    // Back to the old range: rebuilt from all entries, still exhausted.
    QVERIFY(!kiezer.kiesNieuw(1, 10, lijst).has_value());
    const auto nummer = kiezer.kiesNieuw(1, 13, lijst);
    QCOMPARE(nummer, std::optional<qint32>(13));
}

void TestDrawLogic::kiesNieuwAndereLijst() {
    NummerKiezer kiezer(19);
    GetrokkenLijst vol;
    GetrokkenLijst ander;
    QCOMPARE(trekAlles(kiezer, 1, 3, vol, 1, 3, 4).size(), std::size_t{3});
    QVERIFY(!kiezer.kiesNieuw(1, 3, vol).has_value());
    // Same generation and range, and longer, but another list: its entries count, not the
    // old ones.
    for (qint32 n : {2, 8, 9, 10})
        ander.voegToe(n);
    QCOMPARE(ander.generatie(), vol.generatie());
    QCOMPARE(trekAlles(kiezer, 1, 3, ander, 1, 3, 3), (std::set<qint32>{1, 3}));
    QVERIFY(!kiezer.kiesNieuw(1, 3, vol).has_value());
}

void TestDrawLogic::kiesNieuwVolgtWillekeurigeBewerkingen() {
    // Random mixes of draws, hand-made entries (duplicates, outside the range), clearings
    // and range changes, checked against a plain set of the numbers still free.
    std::mt19937 bewerking(4711);
    NummerKiezer kiezer(4711);
    GetrokkenLijst lijst;
    qint32 laagste = 0;
    qint32 hoogste = 30;
    for (int stap = 0; stap < 4000; ++stap) {
        const unsigned keuze = bewerking() % 100;
        if (keuze < 2) {
            lijst.maakLeeg();
        } else if (keuze < 4) {
            laagste = static_cast<qint32>(bewerking() % 40) - 10;
            hoogste = laagste + static_cast<qint32>(bewerking() % 40) - 5; // sometimes inverted
        } else if (keuze < 20) {
            lijst.voegToe(static_cast<qint32>(bewerking() % 80) - 20);
        }
        const qint32 onder = std::min(laagste, hoogste);
        const qint32 boven = std::max(laagste, hoogste);
        std::set<qint32> vrij;
        for (qint32 n = onder; n <= boven; ++n)
            vrij.insert(n);
        for (qint32 n : lijst.nummers())
            vrij.erase(n);

        const auto nummer = kiezer.kiesNieuw(laagste, hoogste, lijst);
        QCOMPARE(nummer.has_value(), !vrij.empty());
        if (nummer) {
            QVERIFY2(vrij.count(*nummer) == 1,
                     qPrintable(QStringLiteral("step %1 drew %2").arg(stap).arg(*nummer)));
            if (keuze >= 50)
                lijst.voegToe(*nummer);
        }
    }
}

void TestDrawLogic::kiesNieuwUniform() {
    // The fairness suite checks the choice over fresh and partly listed ranges; this checks it
    // over a pool whose places have been moved about by draws that were listed.
    NummerKiezer kiezer(20240601);
    GetrokkenLijst lijst;
    // Which places the moves left behind must not matter.
    for (qint32 n = 0; n < 40; ++n)
        lijst.voegToe(*kiezer.kiesNieuw(1, 50, lijst));
    std::map<qint32, int> rest;
    for (int i = 0; i < 50000; ++i)
        ++rest[*kiezer.kiesNieuw(1, 50, lijst)];
    QCOMPARE(rest.size(), std::size_t{10});
    double chiRest = 0.0;
    for (const auto& [nummer, aantal] : rest)
        chiRest += (aantal - 5000.0) * (aantal - 5000.0) / 5000.0;
    // 9 degrees of freedom, 0.1% critical value.
    QVERIFY2(chiRest < 27.88, qPrintable(QString::number(chiRest)));
}

void TestDrawLogic::plaatsTabelVolgtReferentie() {
    // Keys from a small set, so that runs of occupied slots form, wrap around the end of the
    // table and are cut open by removals; checked against the standard map after each step.
    for (const std::uint64_t sleutels : {40u, 1000u, 70000u}) {
        std::mt19937_64 toeval(sleutels);
        PlaatsTabel tabel;
        std::unordered_map<std::uint64_t, std::uint64_t> referentie;
        for (int stap = 0; stap < 60000; ++stap) {
            const std::uint64_t sleutel = toeval() % sleutels;
            const unsigned keuze = toeval() % 10;
            if (keuze < 5) {
                tabel.zet(sleutel, stap);
                referentie[sleutel] = static_cast<std::uint64_t>(stap);
            } else if (keuze < 9) {
                tabel.wis(sleutel);
                referentie.erase(sleutel);
            } else if (keuze == 9 && stap % 97 == 0) {
                tabel.leegMaken();
                referentie.clear();
            }
            const std::uint64_t vraag = toeval() % sleutels;
            const auto it = referentie.find(vraag);
            QCOMPARE(tabel.waarde(vraag, ~std::uint64_t{0}),
                     it == referentie.end() ? ~std::uint64_t{0} : it->second);
            QCOMPARE(tabel.aantal(), referentie.size());
        }
        // Every remaining entry is still found.
        for (const auto& [sleutel, waarde] : referentie)
            QCOMPARE(tabel.waarde(sleutel, ~std::uint64_t{0}), waarde);
    }
}

void TestDrawLogic::kiesVrijBeideGrenzen() {
    NummerKiezer kiezer(23);
    std::map<qint32, int> telling;
    for (int i = 0; i < 6000; ++i) {
        const qint32 nummer = kiezer.kiesVrij(100, 105);
        QVERIFY(nummer >= 100 && nummer <= 105);
        ++telling[nummer];
    }
    QCOMPARE(telling.size(), std::size_t{6});
    QVERIFY(telling[100] > 800 && telling[105] > 800);

    QCOMPARE(kiezer.kiesVrij(-3, -3), -3);
    std::set<qint32> rand;
    for (int i = 0; i < 200; ++i)
        rand.insert(kiezer.kiesVrij(kMax - 1, kMax));
    QCOMPARE(rand, (std::set<qint32>{kMax - 1, kMax}));
}

void TestDrawLogic::kiesVrijOmgekeerdEnVolledigBereik() {
    NummerKiezer kiezer(29);
    std::set<qint32> omgekeerd;
    for (int i = 0; i < 300; ++i) {
        const qint32 nummer = kiezer.kiesVrij(7, 5);
        QVERIFY(nummer >= 5 && nummer <= 7);
        omgekeerd.insert(nummer);
    }
    QCOMPARE(omgekeerd, (std::set<qint32>{5, 6, 7}));

    int negatief = 0;
    for (int i = 0; i < 400; ++i)
        negatief += kiezer.kiesVrij(kMin, kMax) < 0 ? 1 : 0;
    QVERIFY2(negatief > 120 && negatief < 280, qPrintable(QString::number(negatief)));
}

using Cijfers = std::array<int, 4>;

void TestDrawLogic::splitsCijfersTabel_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QList<int>>("verwacht");
    QTest::newRow("7") << "7" << QList<int>{0, 0, 0, 7};
    QTest::newRow("42") << "42" << QList<int>{0, 0, 4, 2};
    QTest::newRow("305") << "305" << QList<int>{0, 3, 0, 5};
    QTest::newRow("9999") << "9999" << QList<int>{9, 9, 9, 9};
    QTest::newRow("1000") << "1000" << QList<int>{1, 0, 0, 0};
    QTest::newRow("-5") << "-5" << QList<int>{0, 0, 0, 5};
    QTest::newRow("-999") << "-999" << QList<int>{0, 9, 9, 9};
    // Too long or empty: the previous digits 3, 1, 4, 1 stay.
    QTest::newRow("10000") << "10000" << QList<int>{3, 1, 4, 1};
    QTest::newRow("-1000") << "-1000" << QList<int>{3, 1, 4, 1};
    QTest::newRow("empty") << "" << QList<int>{3, 1, 4, 1};
}

void TestDrawLogic::splitsCijfersTabel() {
    QFETCH(QString, tekst);
    QFETCH(QList<int>, verwacht);
    const Cijfers cijfers = splitsCijfers(tekst, Cijfers{3, 1, 4, 1});
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
