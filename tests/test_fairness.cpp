// Fairness of the draw (Trekkingsreeks): every number of the range comes with the same chance,
// in picture mode (draws within one series) and in digit mode (the first draw of fresh series,
// from an empty list and with numbers carried over, and whole series of a range in every
// order), and series with fresh keys made at once draw differently; and a raffle's tickets
// over its sets.
//
// Each frequency test is Pearson's chi-square against the uniform distribution, compared
// with the critical value at a significance of 0.0001: a fair draw fails one such test
// once in ten thousand keys. The keys are fixed, so the suite is deterministic; a biased
// derivation (a modulo bias, a lost end of the range, weak low or high bits, an order that is
// not a uniform shuffle) lands far above these values with the sample sizes used.
#include "journaal/trekkingsreeks.h"
#include "loterij/lotentrommel.h"
#include <QCryptographicHash>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <vector>

namespace {

// Critical values of the chi-square distribution at significance 0.0001, by degrees of freedom.
double kritiek(int vrijheidsgraden) {
    static const std::map<int, double> tabel = {
        {1, 15.137},  {2, 18.421},  {4, 23.513},   {5, 25.745},   {7, 29.878},    {9, 33.720},
        {23, 57.075}, {36, 76.365}, {63, 113.505}, {99, 160.056}, {119, 185.086},
    };
    const auto it = tabel.find(vrijheidsgraden);
    return it == tabel.end() ? -1.0 : it->second;
}

double chiKwadraat(const std::vector<std::int64_t>& geteld, const std::vector<double>& verwacht) {
    double som = 0;
    for (std::size_t i = 0; i < geteld.size(); ++i) {
        const double d = static_cast<double>(geteld[i]) - verwacht[i];
        som += d * d / verwacht[i];
    }
    return som;
}

// Fails when the counts are not uniform over their cells (each cell `gewicht` wide).
void gelijkVerdeeld(const std::vector<std::int64_t>& geteld, const char* wat,
                    const std::vector<double>& gewicht = {}) {
    std::int64_t totaal = 0;
    for (auto n : geteld)
        totaal += n;
    double totaalGewicht = 0;
    for (std::size_t i = 0; i < geteld.size(); ++i)
        totaalGewicht += gewicht.empty() ? 1.0 : gewicht[i];
    std::vector<double> verwacht(geteld.size());
    for (std::size_t i = 0; i < geteld.size(); ++i)
        verwacht[i] =
            static_cast<double>(totaal) * (gewicht.empty() ? 1.0 : gewicht[i]) / totaalGewicht;
    const int df = static_cast<int>(geteld.size()) - 1;
    const double grens = kritiek(df);
    QVERIFY2(grens > 0, qPrintable(QStringLiteral("no critical value for %1 df").arg(df)));
    const double chi = chiKwadraat(geteld, verwacht);
    QVERIFY2(chi < grens, qPrintable(QStringLiteral("%1: chi-square %2 with %3 df, limit %4")
                                         .arg(QLatin1String(wat))
                                         .arg(chi)
                                         .arg(df)
                                         .arg(grens)));
}

constexpr qint32 kMin = std::numeric_limits<qint32>::min();
constexpr qint32 kMax = std::numeric_limits<qint32>::max();

// A fixed key per (zaad, i), so that the series' suites are deterministic too.
QByteArray sleutel(quint64 zaad, int i) {
    return QCryptographicHash::hash(QByteArray::number(zaad) + '/' + QByteArray::number(i),
                                    QCryptographicHash::Sha256);
}

// The first number of a fresh series: the first draw of a session.
qint32 eersteVan(quint64 zaad, int i, qint32 laagste, qint32 hoogste,
                 std::vector<qint32> overgenomen = {}) {
    return *Trekkingsreeks(sleutel(zaad, i), laagste, hoogste, 0, std::move(overgenomen))
                .volgende();
}

} // namespace

class TestFairness : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Picture mode within one series, and the first digit draw of fresh series.
    void seriesSmallRanges_data() {
        QTest::addColumn<qint32>("laagste");
        QTest::addColumn<qint32>("hoogste");
        QTest::addColumn<quint64>("zaad");
        QTest::newRow("1..2") << 1 << 2 << quint64(11);
        QTest::newRow("1..10") << 1 << 10 << quint64(12);
        QTest::newRow("5..7") << 5 << 7 << quint64(13);
        QTest::newRow("1..37") << 1 << 37 << quint64(14);
        QTest::newRow("-3..-1") << -3 << -1 << quint64(15);
    }
    void seriesSmallRanges() {
        QFETCH(qint32, laagste);
        QFETCH(qint32, hoogste);
        QFETCH(quint64, zaad);
        Trekkingsreeks plaatjes(sleutel(zaad, -1), laagste, hoogste, 1);
        const auto cellen = static_cast<std::size_t>(hoogste - laagste + 1);
        std::vector<std::int64_t> vrij(cellen), nieuw(cellen);
        for (std::size_t i = 0; i < cellen * 2000; ++i) {
            const qint32 a = plaatjes.legVast();
            const qint32 b = eersteVan(zaad, static_cast<int>(i), laagste, hoogste);
            QVERIFY(a >= laagste && a <= hoogste && b >= laagste && b <= hoogste);
            ++vrij[static_cast<std::size_t>(a - laagste)];
            ++nieuw[static_cast<std::size_t>(b - laagste)];
        }
        gelijkVerdeeld(vrij, "series, picture mode");
        gelijkVerdeeld(nieuw, "series, first digit draw");
    }

    // 1..9999 in 100 buckets of 99 or 100 numbers and by last digit; the whole signed 32-bit
    // range in 64 buckets by the top six bits and 64 by the bottom six, so that neither end of
    // the value is short of randomness.
    void seriesRangeOneToTenThousandAndWholeRange() {
        Trekkingsreeks plaatjes(sleutel(61, -1), 1, 9999, 1);
        std::vector<std::int64_t> vak(100), vakNieuw(100), cijfer(10), cijferNieuw(10);
        std::vector<double> breedte(100), cijferBreedte(10);
        for (int n = 1; n <= 9999; ++n) {
            breedte[static_cast<std::size_t>((n - 1) * 100 / 9999)] += 1;
            cijferBreedte[static_cast<std::size_t>(n % 10)] += 1;
        }
        for (int i = 0; i < 200000; ++i) {
            const qint32 a = plaatjes.legVast();
            ++vak[static_cast<std::size_t>((a - 1) * 100 / 9999)];
            ++cijfer[static_cast<std::size_t>(a % 10)];
        }
        for (int i = 0; i < 40000; ++i) {
            const qint32 b = eersteVan(62, i, 1, 9999);
            ++vakNieuw[static_cast<std::size_t>((b - 1) * 100 / 9999)];
            ++cijferNieuw[static_cast<std::size_t>(b % 10)];
        }
        gelijkVerdeeld(vak, "series, picture mode, 100 buckets", breedte);
        gelijkVerdeeld(cijfer, "series, picture mode, last digit", cijferBreedte);
        gelijkVerdeeld(vakNieuw, "series, first digit draw, 100 buckets", breedte);
        gelijkVerdeeld(cijferNieuw, "series, first digit draw, last digit", cijferBreedte);

        Trekkingsreeks heel(sleutel(63, -1), kMin, kMax, 1);
        std::vector<std::int64_t> hoog(64), laag(64), hoogNieuw(64), laagNieuw(64);
        for (int i = 0; i < 64000; ++i) {
            const auto a = static_cast<std::uint32_t>(heel.legVast()) ^ 0x80000000u;
            const auto b = static_cast<std::uint32_t>(eersteVan(64, i, kMin, kMax)) ^ 0x80000000u;
            ++hoog[a >> 26];
            ++laag[a & 63u];
            ++hoogNieuw[b >> 26];
            ++laagNieuw[b & 63u];
        }
        gelijkVerdeeld(hoog, "series, whole range, top bits");
        gelijkVerdeeld(laag, "series, whole range, bottom bits");
        gelijkVerdeeld(hoogNieuw, "series, whole range digit, top bits");
        gelijkVerdeeld(laagNieuw, "series, whole range digit, bottom bits");
    }

    // Numbers carried over into the list are never drawn; the others equally often. Whole
    // series of 1..5: every order equally likely, and so the number left for the last draw.
    void seriesCarriedOverAndEveryOrder() {
        std::vector<std::int64_t> geteld(8);
        const std::vector<qint32> over = {1, 2, 4, 5, 6, 8, 9, 10};
        for (int i = 0; i < 16000; ++i) {
            const qint32 n = eersteVan(71, i, 1, 10, {3, 7, 250});
            const auto plek = std::find(over.begin(), over.end(), n);
            QVERIFY2(plek != over.end(), qPrintable(QString::number(n)));
            ++geteld[static_cast<std::size_t>(plek - over.begin())];
        }
        gelijkVerdeeld(geteld, "series with 3 and 7 carried over");

        std::map<std::vector<qint32>, std::int64_t> volgorden;
        std::vector<std::int64_t> laatste(5);
        for (int ronde = 0; ronde < 120 * 250; ++ronde) {
            Trekkingsreeks reeks(sleutel(72, ronde), 1, 5, 0);
            while (reeks.volgende())
                reeks.legVast();
            QCOMPARE(QSet<qint32>(reeks.getrokken().begin(), reeks.getrokken().end()).size(), 5);
            ++volgorden[reeks.getrokken()];
            ++laatste[static_cast<std::size_t>(reeks.getrokken().back() - 1)];
        }
        QCOMPARE(volgorden.size(), std::size_t(120));
        std::vector<std::int64_t> aantallen;
        for (const auto& [volgorde, aantal] : volgorden)
            aantallen.push_back(aantal);
        gelijkVerdeeld(aantallen, "series, orders of 1..5");
        gelijkVerdeeld(laatste, "series, last number of 1..5");

        // Two starts of the program at the same clock time: series made one right after the
        // other with fresh keys from the operating system draw differently, from the first
        // draw on.
        QSet<qint32> eersten;
        for (int i = 0; i < 16; ++i)
            eersten.insert(*Trekkingsreeks::nieuw(1, 1000000000, 0).volgende());
        QCOMPARE(eersten.size(), 16);
    }

    // A raffle of five sets of different sizes with tickets out of play, drawn with the k of
    // the series' derivation: each set comes in proportion to its tickets in play, and within
    // a set with gaps every ticket alike (by last digit). Ten draws from each of many fresh
    // drums, so that the drawn tickets are skipped as they must be; none comes twice and none
    // is out of play.
    void raffleOverSets() {
        Loterij loterij;
        loterij.voegReeksToe({"Blauw", {}, {1, 100}, {{3, 3}, {10, 19}, {50, 59}, {100, 100}}, 0});
        loterij.voegReeksToe({"Roze", {}, {1, 50}, {}, 0});
        loterij.voegReeksToe({"", {}, {10000, 10299}, {{10100, 10199}}, 0});
        loterij.voegReeksToe({"Geel", {}, {7, 7}, {}, 0});
        loterij.voegReeksToe({"Groen", {}, {1, 500}, {{1, 300}}, 0});
        const auto& reeksen = loterij.reeksen();
        std::vector<double> reeksGewicht, cijferGewicht(10);
        for (const Lotenreeks& r : reeksen)
            reeksGewicht.push_back(static_cast<double>(r.aantalInSpel()));
        for (qint32 n : {1, 2, 4, 5, 6, 7, 8, 9})
            cijferGewicht[static_cast<std::size_t>(n)] += 1;
        for (qint32 n = 20; n < 100; ++n)
            cijferGewicht[static_cast<std::size_t>(n % 10)] += (n < 50 || n > 59) ? 1 : 0;
        QCOMPARE(loterij.aantalLoten(), std::uint64_t(78 + 50 + 200 + 1 + 200));

        std::vector<std::int64_t> perReeks(reeksen.size()), perCijfer(10);
        const QByteArray invoer = Trekkingsreeks::invoerHash({});
        for (int ronde = 0; ronde < 4000; ++ronde) {
            const HmacSha256 mac(sleutel(81, ronde));
            Lotentrommel trommel(loterij);
            std::set<std::pair<int, qint32>> gezien;
            for (std::uint64_t i = 0; i < 10; ++i) {
                const Lot lot =
                    trommel.neemUit(Trekkingsreeks::plaats(mac, invoer, i, trommel.aantal()));
                QVERIFY(gezien.insert({lot.reeks, lot.nummer}).second);
                const Lotenreeks& r = reeksen[static_cast<std::size_t>(lot.reeks)];
                QVERIFY(lot.nummer >= r.nummers.van && lot.nummer <= r.nummers.tot);
                for (const Nummerbereik& b : r.uit)
                    QVERIFY(lot.nummer < b.van || lot.nummer > b.tot);
                ++perReeks[static_cast<std::size_t>(lot.reeks)];
                if (lot.reeks == 0)
                    ++perCijfer[static_cast<std::size_t>(lot.nummer % 10)];
            }
        }
        gelijkVerdeeld(perReeks, "raffle, sets", reeksGewicht);
        gelijkVerdeeld(perCijfer, "raffle, last digit in a set with gaps", cijferGewicht);
    }
};

QTEST_APPLESS_MAIN(TestFairness)
#include "test_fairness.moc"
