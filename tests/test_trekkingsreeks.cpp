// The series and its derivation: the hash against Qt's, the worked example of
// docs/verification.md, exact rejection, the digit and picture rules over small, inverted and
// edge ranges and the whole 32-bit range, range changes, carried-over numbers, and the
// order-statistics set against a plain model.
#include "journaal/trekkingsreeks.h"
#include "journaal/vrijenummers.h"
#include "loterij/loterij.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

#include <limits>
#include <optional>
#include <random>
#include <set>

namespace {

constexpr qint32 kMin = std::numeric_limits<qint32>::min();
constexpr qint32 kMax = std::numeric_limits<qint32>::max();

QByteArray sleutel(int zaad) {
    return QCryptographicHash::hash("sleutel " + QByteArray::number(zaad),
                                    QCryptographicHash::Sha256);
}

QByteArray alsBytes(const Sha256::Uitkomst& u) {
    return QByteArray(reinterpret_cast<const char*>(u.data()), Sha256::kUitvoer);
}

// Draws until the range is exhausted (at most `maximum`); fails on a repeat.
std::vector<qint32> trekAlles(Trekkingsreeks& reeks, int maximum = 1 << 20) {
    std::vector<qint32> uit;
    std::set<qint32> gezien;
    while (static_cast<int>(uit.size()) < maximum) {
        const auto n = reeks.volgende();
        if (!n)
            break;
        if (!gezien.insert(*n).second) {
            qWarning("repeated %d", *n);
            return {};
        }
        uit.push_back(reeks.legVast());
    }
    return uit;
}

} // namespace

class TestTrekkingsreeks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hashGelijkAanQt() {
        std::mt19937 gen(7);
        for (int lengte = 0; lengte < 300; lengte += 1 + lengte / 20) {
            QByteArray data(lengte, Qt::Uninitialized), sleutel(1 + gen() % 100, Qt::Uninitialized);
            for (auto& c : data)
                c = static_cast<char>(gen());
            for (auto& c : sleutel)
                c = static_cast<char>(gen());
            QCOMPARE(alsBytes(Sha256::van(data)),
                     QCryptographicHash::hash(data, QCryptographicHash::Sha256));
            QCOMPARE(alsBytes(HmacSha256(sleutel).van(data)),
                     QMessageAuthenticationCode::hash(data, sleutel, QCryptographicHash::Sha256));
            // Added in pieces, the same digest.
            Sha256 stukken;
            for (qsizetype i = 0; i < data.size(); i += 7)
                stukken.voegToe(
                    QByteArrayView(data).sliced(i, std::min<qsizetype>(7, data.size() - i)));
            QCOMPARE(alsBytes(stukken.uitkomst()), alsBytes(Sha256::van(data)));
        }
    }

    // The example in docs/verification.md is what the code computes.
    void voorbeeldUitDeDocumentatie() {
        QFile doc(QStringLiteral(QUINTARO_SOURCE_DIR "/docs/verification.md"));
        QVERIFY(doc.open(QIODevice::ReadOnly));
        const QString tekst = QString::fromUtf8(doc.readAll());
        const auto blok = QRegularExpression(QStringLiteral("```voorbeeld\n(.*?)```"),
                                             QRegularExpression::DotMatchesEverythingOption)
                              .match(tekst);
        QVERIFY(blok.hasMatch());
        QMultiMap<QString, QString> v;
        for (const QString& regel : blok.captured(1).split(u'\n', Qt::SkipEmptyParts)) {
            const qsizetype spatie = regel.indexOf(u' ');
            v.insert(regel.left(spatie), regel.mid(spatie).trimmed());
        }
        const QByteArray key = QByteArray::fromHex(v.value(QStringLiteral("sleutel")).toLatin1());
        QCOMPARE(key.size(), 32);
        const QByteArray invoer = v.value(QStringLiteral("invoer")).toUtf8();
        QCOMPARE(Trekkingsreeks::toezeggingVan(key), v.value(QStringLiteral("toezegging")));
        const QByteArray ih = Trekkingsreeks::invoerHash(invoer);
        QCOMPARE(ih.toHex(), v.value(QStringLiteral("invoer-hash")).toLatin1());
        const QByteArray bericht = Trekkingsreeks::bericht(ih, 0, 0);
        QCOMPARE(bericht.toHex(), v.value(QStringLiteral("bericht")).toLatin1());
        QCOMPARE(QMessageAuthenticationCode::hash(bericht, key, QCryptographicHash::Sha256).toHex(),
                 v.value(QStringLiteral("hmac")).toLatin1());

        const QStringList bereik = v.value(QStringLiteral("bereik")).split(u' ');
        Trekkingsreeks cijfers(key, bereik[0].toInt(), bereik[1].toInt(), 0);
        QVERIFY(cijfers.zetPubliekeInvoer(QString::fromUtf8(invoer)));
        const QStringList trekkingen = v.values(QStringLiteral("cijfers"));
        QCOMPARE(trekkingen.size(), 3);
        for (auto it = trekkingen.rbegin(); it != trekkingen.rend(); ++it) { // file order
            const QStringList d = it->split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(cijfers.index(), d[0].toULongLong());
            QCOMPARE(cijfers.aantalKandidaten(), d[1].toULongLong());
            QCOMPARE(
                Trekkingsreeks::plaats(HmacSha256(key), ih, cijfers.index(), d[1].toULongLong()),
                d[3].toULongLong());
            QCOMPARE(*cijfers.volgende(), d[4].toInt());
            cijfers.legVast();
        }
        Trekkingsreeks plaatjes(key, bereik[0].toInt(), bereik[1].toInt(), 1);
        plaatjes.zetPubliekeInvoer(QString::fromUtf8(invoer));
        for (const QString& n : v.value(QStringLiteral("afbeeldingen")).split(u' ')) {
            QCOMPARE(*plaatjes.volgende(), n.toInt());
            plaatjes.legVast();
        }

        // The raffle under the same key and input: its sets (index, lowest, highest, the pairs
        // out of play), then each draw's index, tickets in play, k, set and number.
        Loterij loterij;
        const QStringList reeksen = v.values(QStringLiteral("lotenreeks"));
        QCOMPARE(reeksen.size(), 2);
        for (auto it = reeksen.rbegin(); it != reeksen.rend(); ++it) {
            const QStringList d = it->split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(d[0].toInt(), static_cast<int>(loterij.reeksen().size()));
            loterij.voegReeksToe({d[0], {}, {d[1].toInt(), d[2].toInt()}, {}, 0});
            std::vector<Nummerbereik> uit;
            for (qsizetype i = 3; i + 1 < d.size(); i += 2)
                uit.push_back({d[i].toInt(), d[i + 1].toInt()});
            loterij.sluitUit(d[0].toInt(), uit);
        }
        Trekkingsreeks loten(key, loterij);
        QVERIFY(loten.zetPubliekeInvoer(QString::fromUtf8(invoer)));
        const QStringList lotTrekkingen = v.values(QStringLiteral("loten"));
        QCOMPARE(lotTrekkingen.size(), 3);
        for (auto it = lotTrekkingen.rbegin(); it != lotTrekkingen.rend(); ++it) {
            const QStringList d = it->split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(loten.index(), d[0].toULongLong());
            QCOMPARE(loten.aantalKandidaten(), d[1].toULongLong());
            QCOMPARE(Trekkingsreeks::plaats(HmacSha256(key), ih, loten.index(), d[1].toULongLong()),
                     d[2].toULongLong());
            const std::optional<Lot> lot = loten.volgendLot();
            QVERIFY(lot);
            QCOMPARE(lot->reeks, d[3].toInt());
            QCOMPARE(lot->nummer, d[4].toInt());
            loten.legVast();
        }
    }

    // Words at or above the largest multiple of n are passed over, also into the next block.
    void weigeringIsExact() {
        const QByteArray key = sleutel(1), ih = Trekkingsreeks::invoerHash("x");
        const HmacSha256 mac(key);
        const std::uint64_t n = (std::uint64_t{1} << 63) + 1; // limit 2^63 + 1: half refused
        const auto woorden = [&](std::uint64_t index, std::uint32_t blok) {
            const QByteArray h = QMessageAuthenticationCode::hash(
                Trekkingsreeks::bericht(ih, index, blok), key, QCryptographicHash::Sha256);
            std::vector<std::uint64_t> w;
            for (int i = 0; i < 4; ++i)
                w.push_back(qFromBigEndian<quint64>(h.constData() + 8 * i));
            return w;
        };
        bool tweedeBlok = false;
        for (std::uint64_t index = 0; index < 200; ++index) {
            std::uint64_t verwacht = 0;
            bool gevonden = false;
            for (std::uint32_t blok = 0; !gevonden; ++blok) {
                for (std::uint64_t w : woorden(index, blok)) {
                    if (w < n) { // 2 * n > 2^64, so the limit is n itself
                        verwacht = w;
                        gevonden = true;
                        tweedeBlok |= blok > 0;
                        break;
                    }
                }
            }
            QCOMPARE(Trekkingsreeks::plaats(mac, ih, index, n), verwacht);
            // A power of two divides 2^64: the first word, never refused.
            QCOMPARE(Trekkingsreeks::plaats(mac, ih, index, std::uint64_t{1} << 32),
                     woorden(index, 0)[0] % (std::uint64_t{1} << 32));
        }
        QVERIFY(tweedeBlok);
    }

    void sleutelToezeggingEnInvoer() {
        const Trekkingsreeks a = Trekkingsreeks::nieuw(1, 100, 0),
                             b = Trekkingsreeks::nieuw(1, 100, 0);
        QCOMPARE(a.sleutel().size(), 32);
        QVERIFY(a.sleutel() != b.sleutel());
        QCOMPARE(a.toezegging(),
                 QString::fromLatin1(
                     QCryptographicHash::hash(a.sleutel(), QCryptographicHash::Sha256).toHex()));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{4}( [0-9a-f]{4}){3}$"))
                    .match(a.toezeggingKort())
                    .hasMatch());
        QVERIFY(a.toezegging().startsWith(a.toezeggingKort().remove(u' ')));

        // Same key and input, same numbers; another input, other numbers. The next number
        // stays the same until it is listed; the input only before the first draw.
        Trekkingsreeks c(sleutel(2), 1, 1000000, 1), d(sleutel(2), 1, 1000000, 1),
            e(sleutel(2), 1, 1000000, 1);
        QVERIFY(c.zetPubliekeInvoer(QStringLiteral("één")));
        QVERIFY(d.zetPubliekeInvoer(QStringLiteral("één")));
        QVERIFY(e.zetPubliekeInvoer(QStringLiteral("twee")));
        QVERIFY(!c.zetPubliekeInvoer(QStringLiteral("nog eens")));
        QCOMPARE(c.volgende(), c.volgende());
        std::vector<qint32> rc, rd, re;
        for (int i = 0; i < 20; ++i) {
            rc.push_back(c.legVast());
            rd.push_back(d.legVast());
            re.push_back(e.legVast());
        }
        QCOMPARE(rc, rd);
        QVERIFY(rc != re);
        Trekkingsreeks f(sleutel(2), 1, 10, 0);
        f.legVast();
        QVERIFY(!f.zetPubliekeInvoer(QStringLiteral("te laat")));
        Trekkingsreeks g(sleutel(2), 1, 10, 0);
        QVERIFY(!g.zetPubliekeInvoer(QString(Trekkingsreeks::kMaxInvoerBytes + 1, u'x')));
        QVERIFY(g.zetPubliekeInvoer(QString(Trekkingsreeks::kMaxInvoerBytes, u'x')));
    }

    // Digit mode: every number of the range once, then exhausted, under several keys. Carried-
    // over numbers of the range count as drawn, also when listed twice; those outside do not.
    void cijfersTotUitgeput_data() {
        QTest::addColumn<qint32>("laagste");
        QTest::addColumn<qint32>("hoogste");
        QTest::addColumn<QList<qint32>>("overgenomen");
        QTest::newRow("1..10") << 1 << 10 << QList<qint32>{};
        QTest::newRow("-37..263") << -37 << 263 << QList<qint32>{};
        QTest::newRow("one number") << 42 << 42 << QList<qint32>{};
        QTest::newRow("inverted 10..1") << 10 << 1 << QList<qint32>{};
        QTest::newRow("top edge") << kMax - 2 << kMax << QList<qint32>{};
        QTest::newRow("bottom edge") << kMin << kMin + 2 << QList<qint32>{};
        QTest::newRow("carried over, outside and twice")
            << 1 << 6 << QList<qint32>{0, 3, 99, -4, 3, 5, 7, 5, kMin, kMax};
    }
    void cijfersTotUitgeput() {
        QFETCH(qint32, laagste);
        QFETCH(qint32, hoogste);
        QFETCH(QList<qint32>, overgenomen);
        const qint32 onder = std::min(laagste, hoogste), boven = std::max(laagste, hoogste);
        std::vector<qint32> verwacht;
        for (qint64 n = onder; n <= boven; ++n)
            if (!overgenomen.contains(static_cast<qint32>(n)))
                verwacht.push_back(static_cast<qint32>(n));
        for (int zaad = 0; zaad < 8; ++zaad) {
            Trekkingsreeks reeks(sleutel(100 + zaad), laagste, hoogste, 0,
                                 std::vector<qint32>(overgenomen.begin(), overgenomen.end()));
            QCOMPARE(reeks.aantalKandidaten(), std::uint64_t(verwacht.size()));
            std::vector<qint32> alle = trekAlles(reeks, static_cast<int>(verwacht.size()) + 1);
            QCOMPARE(reeks.getrokken().size(), std::size_t(overgenomen.size()) + alle.size());
            std::sort(alle.begin(), alle.end());
            QCOMPARE(alle, verwacht);
            QVERIFY(!reeks.volgende());
            QVERIFY(!reeks.volgende()); // asking again changes nothing
            QCOMPARE(reeks.aantalKandidaten(), std::uint64_t{0});
            reeks.zetBereik(onder, boven); // the same numbers in the usual order
            QVERIFY(!reeks.volgende());
        }
    }

    // Picture mode: repeats, every draw within the bounds, both bounds come up.
    void afbeeldingenHerhalen_data() {
        QTest::addColumn<qint32>("laagste");
        QTest::addColumn<qint32>("hoogste");
        QTest::newRow("1..3") << 1 << 3;
        QTest::newRow("100..105") << 100 << 105;
        QTest::newRow("one number") << -3 << -3;
        QTest::newRow("inverted 7..5") << 7 << 5;
        QTest::newRow("top edge") << kMax - 1 << kMax;
        QTest::newRow("bottom edge") << kMin << kMin + 1;
    }
    void afbeeldingenHerhalen() {
        QFETCH(qint32, laagste);
        QFETCH(qint32, hoogste);
        const qint32 onder = std::min(laagste, hoogste), boven = std::max(laagste, hoogste);
        const auto cellen = static_cast<std::uint64_t>(qint64(boven) - onder + 1);
        Trekkingsreeks plaatjes(sleutel(4), laagste, hoogste, 1);
        std::set<qint32> gezien;
        bool herhaald = false;
        std::optional<qint32> vorige;
        for (std::uint64_t i = 0; i < 30 * cellen; ++i) {
            const qint32 n = plaatjes.legVast();
            QVERIFY2(n >= onder && n <= boven, qPrintable(QString::number(n)));
            herhaald |= n == vorige;
            vorige = n;
            gezien.insert(n);
        }
        QVERIFY(herhaald);
        QCOMPARE(gezien.size(), std::size_t(cellen));
        QCOMPARE(*gezien.begin(), onder);
        QCOMPARE(*gezien.rbegin(), boven);
        QCOMPARE(plaatjes.getrokken().size(), std::size_t(30 * cellen));
        QCOMPARE(plaatjes.aantalKandidaten(), cellen);
    }

    // The whole signed 32-bit range: in digit mode the carried-over numbers (both ends and 0)
    // never come and no number twice, both halves come up; in picture mode 2^32 candidates.
    void volledig32BitsBereik() {
        Trekkingsreeks cijfers(sleutel(8), kMin, kMax, 0, {kMin, kMax, 0});
        QCOMPARE(cijfers.aantalKandidaten(), (std::uint64_t{1} << 32) - 3);
        const std::vector<qint32> getrokken = trekAlles(cijfers, 400);
        QCOMPARE(getrokken.size(), std::size_t{400});
        int negatief = 0;
        for (qint32 n : getrokken) {
            QVERIFY(n != kMin && n != kMax && n != 0);
            negatief += n < 0 ? 1 : 0;
        }
        QVERIFY2(negatief > 120 && negatief < 280, qPrintable(QString::number(negatief)));
        QCOMPARE(cijfers.aantalKandidaten(), (std::uint64_t{1} << 32) - 403);

        Trekkingsreeks heel(sleutel(7), kMax, kMin, 1);
        QVERIFY(heel.volgende().has_value());
        QCOMPARE(heel.aantalKandidaten(), std::uint64_t{1} << 32);
    }

    // Only the lowest number changed: numbers outside the new range stop counting, and count
    // again when a later range holds them.
    void bereikBinnenDeReeks() {
        Trekkingsreeks reeks(sleutel(5), 1, 10, 0, {3, 250});
        const std::vector<qint32> eerst = trekAlles(reeks, 4);
        QCOMPARE(eerst.size(), std::size_t{4});
        QVERIFY(std::find(eerst.begin(), eerst.end(), 3) == eerst.end());
        reeks.zetBereik(6, 10);
        std::set<qint32> binnen;
        for (qint32 n = 6; n <= 10; ++n)
            binnen.insert(n);
        for (qint32 n : reeks.getrokken())
            binnen.erase(n);
        QCOMPARE(reeks.aantalKandidaten(), std::uint64_t(binnen.size()));
        const std::vector<qint32> daarna = trekAlles(reeks);
        QCOMPARE(std::set<qint32>(daarna.begin(), daarna.end()), binnen);
        QVERIFY(!reeks.volgende());
        reeks.zetBereik(1, 10); // back down: every number of 1..10 is in the list once
        while (reeks.volgende())
            reeks.legVast();
        std::vector<qint32> lijst = reeks.getrokken();
        QCOMPARE(lijst.front(), 3);
        std::sort(lijst.begin(), lijst.end());
        QCOMPARE(lijst, (std::vector<qint32>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 250}));
    }

    // The set in both its forms (window and tree) against a plain sorted set, through range
    // changes that move, widen and invert the range.
    void vrijeNummersTegenModel() {
        std::mt19937_64 gen(11);
        VrijeNummers vrij;
        std::set<qint32> model;
        qint64 onder = 0, boven = 999;
        vrij.zetBereik(0, 999);
        const std::vector<std::pair<qint32, qint32>> bereiken = {
            {0, 999}, {500, 20},    {-3000, 5000}, {100, 150},       {-3000000, 3000000},
            {0, 999}, {kMin, kMax}, {-5, 5},       {kMax - 10, kMax}};
        for (const auto& [laag, hoog] : bereiken) {
            vrij.zetBereik(laag, hoog);
            onder = std::min(laag, hoog);
            boven = std::max(laag, hoog);
            for (int stap = 0; stap < 300; ++stap) {
                const std::uint64_t binnen = static_cast<std::uint64_t>(
                    std::distance(model.lower_bound(onder), model.upper_bound(boven)));
                const std::uint64_t aantal = static_cast<std::uint64_t>(boven - onder + 1) - binnen;
                QCOMPARE(vrij.aantalVrij(), aantal);
                if (aantal == 0)
                    break;
                const std::uint64_t k = gen() % aantal;
                // The model's k-th free number: step over the drawn ones below it.
                qint64 x = onder + static_cast<qint64>(k);
                for (auto it = model.lower_bound(onder); it != model.end() && *it <= x; ++it)
                    ++x;
                QCOMPARE(qint64(vrij.vrijOpPlaats(k)), x);
                QVERIFY(!vrij.bevat(static_cast<qint32>(x)));
                vrij.voegToe(static_cast<qint32>(x));
                model.insert(static_cast<qint32>(x));
                QVERIFY(vrij.bevat(static_cast<qint32>(x)));
            }
        }
        // Copies are independent.
        VrijeNummers kopie = vrij;
        kopie.voegToe(7777);
        QCOMPARE(vrij.bevat(7777), model.count(7777) > 0);
        QVERIFY(kopie.bevat(7777));
    }
};

QTEST_APPLESS_MAIN(TestTrekkingsreeks)
#include "test_trekkingsreeks.moc"
