// The raffle file and its drum of tickets: the example of docs/, the dialects spreadsheet
// programs write, every kind of bad input in one table, and the drum against a plain list.
#include "journaal/trekkingsreeks.h"
#include "loterij/lotentrommel.h"
#include "loterij/loterijlezer.h"
#include "loterij/lotkleur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <random>
#include <set>

namespace {

// The tickets in play in the drum's order: the sets as listed, each by number.
std::vector<Lot> alleLoten(const Loterij& loterij) {
    std::vector<Lot> loten;
    for (std::size_t r = 0; r < loterij.reeksen().size(); ++r) {
        const Lotenreeks& reeks = loterij.reeksen()[r];
        for (qint64 n = reeks.nummers.van; n <= reeks.nummers.tot; ++n) {
            bool uit = false;
            for (const Nummerbereik& b : reeks.uit)
                uit = uit || (n >= b.van && n <= b.tot);
            if (!uit)
                loten.push_back({static_cast<int>(r), static_cast<qint32>(n)});
        }
    }
    return loten;
}

} // namespace

class TestLoterij : public QObject {
    Q_OBJECT

    QTemporaryDir m_map;

    // Writes `inhoud` as a raffle file beside the pictures and reads it as the program does.
    LoterijLezer::Uitslag leesBestand(const QByteArray& inhoud, qint64 grootte = 0) {
        QFile f(m_map.filePath(QStringLiteral("loterij.csv")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(inhoud) != inhoud.size())
            qFatal("cannot write the raffle file");
        if (grootte > 0)
            f.resize(grootte);
        f.close();
        return LoterijLezer::lees(f.fileName());
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_map.isValid());
        QImage taart(8, 8, QImage::Format_RGB32);
        taart.fill(Qt::yellow);
        QVERIFY(taart.save(m_map.filePath(QStringLiteral("taart.png"))));
        QFile kapot(m_map.filePath(QStringLiteral("kapot.png")));
        QVERIFY(kapot.open(QIODevice::WriteOnly) && kapot.write("geen plaatje\n") > 0);
        QVERIFY(QDir(m_map.path()).mkdir(QStringLiteral("map")));
    }

    void voorbeeld() {
        const auto uit =
            LoterijLezer::lees(QStringLiteral(QUINTARO_SOURCE_DIR "/docs/voorbeeld-loterij.csv"));
        QVERIFY2(uit.loterij, qPrintable(uit.tekst()));
        const Loterij& l = *uit.loterij;
        QCOMPARE(l.reeksen().size(), std::size_t(3));
        QCOMPARE(l.reeksen()[0].aantalInSpel(), std::uint64_t(488));
        QCOMPARE(l.reeksen()[1].aantalInSpel(), std::uint64_t(480));
        QCOMPARE(l.reeksen()[2].uit, (std::vector<Nummerbereik>{{10500, 10599}}));
        QCOMPARE(l.aantalLoten(), std::uint64_t(488 + 480 + 900));
        QCOMPARE(l.prijzen().size(), std::size_t(4));
        QCOMPARE(l.prijzen()[2].omschrijving, QStringLiteral("Fruitmand; groot"));
        QCOMPARE(l.tekstVan({1, 123}), QStringLiteral("Roze 123"));
        QCOMPARE(l.tekstVan({2, 10123}), QStringLiteral("10123"));
    }

    // The example stands in full, line after line, where a new user reads about the raffle.
    void voorbeeldInDeDocumentatie_data() {
        QTest::addColumn<QString>("document");
        for (const char* document : {"README.md", "docs/loterij.md", "assets/help/handleiding.html",
                                     "assets/help/handleiding_en.html"})
            QTest::newRow(document) << QString::fromLatin1(document);
    }
    void voorbeeldInDeDocumentatie() {
        QFETCH(QString, document);
        QFile voorbeeld(QStringLiteral(QUINTARO_SOURCE_DIR "/docs/voorbeeld-loterij.csv"));
        QFile tekst(QStringLiteral(QUINTARO_SOURCE_DIR "/") + document);
        QVERIFY(voorbeeld.open(QIODevice::ReadOnly) && tekst.open(QIODevice::ReadOnly));
        const QString inhoud = QString::fromUtf8(tekst.readAll()).simplified();
        qsizetype plek = 0;
        for (const QByteArray& regel : voorbeeld.readAll().trimmed().split('\n')) {
            plek = inhoud.indexOf(QString::fromUtf8(regel).simplified(), plek);
            QVERIFY2(plek >= 0, regel.constData());
        }
    }

    // Every row describes the same raffle.
    void dialecten_data() {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::newRow("semicolons") << QByteArray("reeks;Blauw;blauw;1;500\n"
                                                  "uit;Blauw;17;40-49\n"
                                                  "reeks;Roze;roze;1;500\n"
                                                  "prijs;\"Taart; \"\"groot\"\"\";taart.png\n"
                                                  "prijs;Fles wijn\n");
        QTest::newRow("commas, CR LF, BOM, padded rows, heading, comments")
            << QByteArray("\xef\xbb\xbf# een loterij\r\n"
                          "Soort,Naam,Kleur,Laagste,Hoogste\r\n"
                          "REEKS,Blauw,Blauw,1,500\r\n"
                          ",,,,\r\n"
                          "uit,Blauw,40-49,17,,\r\n"
                          "reeks,Roze,roze,1,500\r\n"
                          "prijs,\"Taart; \"\"groot\"\"\",taart.png,,\r\n"
                          "prijs,Fles wijn,,,\r\n");
        QTest::newRow("tabs, English, en dash, uit before its set")
            << QByteArray("# kind\tname\tcolour\tlowest\thighest\n"
                          "out\tblauw\t17\t40\xe2\x80\x93"
                          "49\t45\n"
                          "set\tBlauw\tblue\t1\t500\n"
                          "set\tRoze\tPINK\t1\t0500\n"
                          "prize\t\"Taart; \"\"groot\"\"\"\t taart.png \n"
                          "prize\tFles wijn\n\n\n");
    }
    void dialecten() {
        QFETCH(QByteArray, inhoud);
        const auto uit = leesBestand(inhoud);
        QVERIFY2(uit.loterij, qPrintable(uit.tekst()));
        const Loterij& l = *uit.loterij;
        QCOMPARE(l.reeksen().size(), std::size_t(2));
        QCOMPARE(l.reeksen()[0].naam, QStringLiteral("Blauw"));
        QCOMPARE(l.reeksen()[0].kleur, *lotKleur(QStringLiteral("blauw")));
        QCOMPARE(l.reeksen()[0].uit, (std::vector<Nummerbereik>{{17, 17}, {40, 49}}));
        QCOMPARE(l.reeksen()[1].kleur, *lotKleur(QStringLiteral("roze")));
        QCOMPARE(l.reeksen()[1].nummers, (Nummerbereik{1, 500}));
        QCOMPARE(l.aantalLoten(), std::uint64_t(489 + 500));
        QCOMPARE(l.prijzen().size(), std::size_t(2));
        QCOMPARE(l.prijzen()[0].omschrijving, QStringLiteral("Taart; \"groot\""));
        QCOMPARE(l.prijzen()[0].plaatje, QFileInfo(m_map.filePath("taart.png")).absoluteFilePath());
        QCOMPARE(l.prijzen()[1].plaatje, QString());
        QCOMPARE(l.tekstVan({1, 123}), QStringLiteral("Roze 123"));
    }

    // A file at fault is not opened: the answer holds no raffle, the line and the reason.
    void fouten_data() {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<qint64>("grootte"); // 0: as written
        QTest::addColumn<int>("regel");
        QTest::addColumn<QString>("reden");
        const QByteArray blauw = "reeks;Blauw;blauw;1;500\n";
        const QByteArray taart = "prijs;Taart\n";
        auto rij = [](const char* naam, const QByteArray& inhoud, int regel, const char* reden,
                      qint64 grootte = 0) {
            QTest::newRow(naam) << inhoud << grootte << regel << QString::fromUtf8(reden);
        };
        rij("overlapping sets", blauw + "reeks;Rood;rood;1;9\nreeks;blauw;geel;500;600\n" + taart,
            3, "deelt nummers met de reeks op regel 1");
        rij("overlap below", "reeks;B;blauw;10;20\nreeks;B;blauw;1;10\n" + taart, 2,
            "deelt nummers met de reeks op regel 1");
        rij("lowest above highest", "reeks;Blauw;blauw;500;1\n" + taart, 1,
            "het laagste nummer 500 ligt boven het hoogste 1");
        rij("beyond 32 bits", "reeks;Blauw;blauw;1;4294967296\n" + taart, 1,
            "4294967296 past niet in 32 bits");
        rij("just beyond", "reeks;Blauw;blauw;1;2147483648\n" + taart, 1, "past niet in 32 bits");
        rij("negative", "reeks;Blauw;blauw;-1;5\n" + taart, 1, "\"-1\" is geen lotnummer");
        rij("not a number", blauw + "uit;Blauw;12a\n" + taart, 2, "\"12a\" is geen lotnummer");
        rij("unknown colour", "reeks;Blauw;hemelsblauw;1;500\n" + taart, 1,
            "onbekende kleur \"hemelsblauw\"");
        rij("picture missing", blauw + "prijs;Taart;weg.png\n", 2, "\"weg.png\" is er niet");
        rij("picture not a picture", blauw + "prijs;Taart;kapot.png\n", 2,
            "\"kapot.png\" is geen plaatje");
        rij("picture a folder", blauw + "prijs;Taart;map\n", 2, "\"map\" is geen plaatje");
        rij("no sets", "# leeg\n" + taart, 0, "het bestand noemt geen reeks loten");
        rij("empty file", "", 0, "het bestand noemt geen reeks loten");
        rij("100 MB", blauw + taart, 0, "groter dan 16 MB", qint64(100) << 20);
        rij("not UTF-8", blauw + "prijs;Gr\xe9 taart\n", 2, "geen UTF-8");
        rij("cut UTF-8 at the end", blauw + "prijs;Taart \xc3", 2, "geen UTF-8");
        rij("no prizes", blauw, 0, "het bestand noemt geen prijs");
        rij("prize without description", blauw + "prijs;;taart.png\n", 2,
            "een prijs vraagt een omschrijving");
        rij("more prizes than tickets", "reeks;;wit;1;2\nprijs;A\nprijs;B\nprijs;C\n", 4,
            "er zijn 2 loten in het spel");
        rij("every ticket out", "reeks;Blauw;blauw;1;5\nuit;Blauw;1-2;3-5\n" + taart, 0,
            "geen lot in het spel");
        rij("quote not closed", blauw + "prijs;\"Taart\n\n", 2, "aanhalingsteken");
        rij("unknown kind", "lot;Blauw;1\n", 1, "onbekende soort regel \"lot\"");
        rij("set short of fields", "reeks;Blauw;blauw;1\n" + taart, 1, "een reeks vraagt");
        rij("field too many", "reeks;Blauw;blauw;1;500;600\n" + taart, 1,
            "onverwacht veld 6: \"600\"");
        rij("out of an unknown set", blauw + "uit;Groen;5\n" + taart, 2, "geen reeks \"Groen\"");
        rij("out beyond its set", blauw + "uit;Blauw;7;490-510\n" + taart, 2,
            "490-510 hoort niet bij de reeks \"Blauw\"");
        rij("out between two parts", "reeks;B;;1;5\nreeks;B;;10;15\nuit;B;4-11\n" + taart, 3,
            "hoort niet bij");
        rij("out without numbers", blauw + "uit;Blauw;;\n" + taart, 2, "uit vraagt");
        rij("out with an end missing", blauw + "uit;Blauw;5-\n" + taart, 2,
            "\"5-\" is geen lotnummer");
        rij("out reversed", blauw + "uit;Blauw;50-40\n" + taart, 2, "eerste nummer boven");
        rij("line after a quoted line break", "prijs;\"Taart\nmet room\"\nreeks;R;rose;1;5\n", 3,
            "onbekende kleur \"rose\"");
    }
    void fouten() {
        QFETCH(QByteArray, inhoud);
        QFETCH(qint64, grootte);
        QFETCH(int, regel);
        QFETCH(QString, reden);
        const auto uit = leesBestand(inhoud, grootte);
        QVERIFY(!uit.loterij);
        QVERIFY2(uit.reden.contains(reden), qPrintable(uit.tekst()));
        QCOMPARE(uit.regel, regel);
        QCOMPARE(uit.tekst().startsWith(QStringLiteral("regel %1: ").arg(regel)), regel > 0);
    }

    // The drum against the plain list of its tickets: the k-th ticket, the place of a
    // ticket, draws and tickets taken out by name (drawn, excluded or never there), to the end.
    void trommelTegenLijst_data() {
        QTest::addColumn<std::vector<Lotenreeks>>("reeksen");
        QTest::addColumn<unsigned>("zaad");
        auto reeks = [](qint32 van, qint32 tot, std::vector<Nummerbereik> uit = {}) {
            return Lotenreeks{QString(), QColor(), {van, tot}, std::move(uit), 0};
        };
        QTest::newRow("one set") << std::vector{reeks(1, 300)} << 1u;
        QTest::newRow("sets with exclusions at the edges")
            << std::vector{reeks(1, 100, {{1, 3}, {50, 50}, {97, 100}}), reeks(1, 1),
                           reeks(10000, 10199, {{10000, 10099}, {10150, 10151}}),
                           reeks(0, 9, {{0, 9}}), reeks(5, 60, {{6, 6}, {8, 8}})}
            << 2u;
        QTest::newRow("top of 32 bits")
            << std::vector{reeks(2147483000, 2147483647, {{2147483600, 2147483646}}), reeks(0, 200)}
            << 3u;
    }
    void trommelTegenLijst() {
        QFETCH(std::vector<Lotenreeks>, reeksen);
        QFETCH(unsigned, zaad);
        Loterij loterij;
        for (Lotenreeks& r : reeksen)
            loterij.voegReeksToe(r);
        std::vector<Lot> lijst = alleLoten(loterij);
        const std::vector<Lot> begin = lijst;
        Lotentrommel trommel(loterij);
        std::mt19937 gen(zaad);
        while (!lijst.empty()) {
            QCOMPARE(trommel.aantal(), std::uint64_t(lijst.size()));
            const std::size_t k = gen() % lijst.size();
            QCOMPARE(trommel.lotOpPlaats(k), lijst[k]);
            QCOMPARE(trommel.plaatsVan(lijst[k]), std::optional<std::uint64_t>(k));
            if (gen() % 4 == 0) {
                const qint64 n = begin[gen() % begin.size()].nummer + qint64(gen() % 3);
                const Lot lot = {static_cast<int>(gen() % (reeksen.size() + 1)),
                                 static_cast<qint32>(std::min<qint64>(n, 2147483647))};
                const auto plek = std::find(lijst.begin(), lijst.end(), lot);
                QCOMPARE(trommel.haalUit(lot), plek != lijst.end());
                if (plek != lijst.end())
                    lijst.erase(plek);
            } else {
                QCOMPARE(trommel.neemUit(k), lijst[k]);
                QCOMPARE(trommel.plaatsVan(lijst[k]), std::nullopt);
                QVERIFY(!trommel.haalUit(lijst[k]));
                lijst.erase(lijst.begin() + static_cast<std::ptrdiff_t>(k));
            }
        }
        QCOMPARE(trommel.aantal(), std::uint64_t(0));
        QCOMPARE(trommel.aantalGetrokken(), std::uint64_t(begin.size()));
    }

    // The evening's raffle drawn as the program draws it, 10,000 draws over series that run
    // out and begin again with a fresh key: no unsold ticket ever, none twice in a series, and
    // a series that runs out has drawn every ticket in play once. A copy of a series (as
    // --hervat hands it over) goes on with the same tickets.
    void nooitEenOnverkochtLot() {
        const auto gelezen = leesBestand("reeks;Blauw;blauw;1;500\n"
                                         "uit;Blauw;7;40-49;100;201-204;333;500;1-2\n"
                                         "reeks;Roze;roze;10000;10999\nprijs;Fiets\n");
        QVERIFY2(gelezen.loterij, qPrintable(gelezen.tekst()));
        const Loterij& loterij = *gelezen.loterij;
        QCOMPARE(loterij.aantalLoten(), std::uint64_t(480 + 1000));
        const auto onverkocht = [&](const Lot& lot) {
            for (const Nummerbereik& b : loterij.reeksen()[std::size_t(lot.reeks)].uit)
                if (lot.nummer >= b.van && lot.nummer <= b.tot)
                    return true;
            return false;
        };
        int getrokken = 0, reeksen = 0;
        while (getrokken < 10000) {
            Trekkingsreeks reeks = Trekkingsreeks::nieuwLoterij(loterij);
            ++reeksen;
            std::set<std::pair<int, qint32>> gezien;
            while (const auto lot = reeks.volgendLot()) {
                QVERIFY(!onverkocht(*lot));
                QVERIFY(gezien.insert({lot->reeks, lot->nummer}).second);
                QCOMPARE(reeks.legVast(), lot->nummer);
                if (++getrokken % 997 == 0) {
                    const Trekkingsreeks kopie = reeks;
                    QCOMPARE(kopie.volgendLot(), reeks.volgendLot());
                }
            }
            QCOMPARE(gezien.size(), std::size_t(loterij.aantalLoten()));
            QCOMPARE(reeks.loten().size(), gezien.size());
        }
        QCOMPARE(reeksen, 7);
    }
};

QTEST_GUILESS_MAIN(TestLoterij)
#include "test_loterij.moc"
