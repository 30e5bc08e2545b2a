// What the audience can hold against a journal once its keys are revealed: the commitment and
// the head of the chain, as the screen showed them. A forger who knows the keys can drop or add
// a draw at the end of a series or put in a void, and hash the chain again; the checkers then
// accept the journal, but not the pins noted before. Both checkers run side by side on every
// journal, with the same pins. Then the length of the public input, which both refuse alike
// beyond its limit, and the program's command line as a user runs it.
#include "journaalhulp.h"

#include "journaal/trekkingsboek.h"

#include <functional>

namespace {

using Wijziging = std::function<QList<QByteArray>(QList<QByteArray>)>;

// An honest evening: series 1 (1 to 20, public input, five draws) cleared by a range change,
// series 2 (1 to 30, three draws), closed. Lines: 1 start, 2 reeks, 3 invoer, 4-8 draws,
// 9 gewist, 10 sleutel, 11 reeks, 12-14 draws, 15 sleutel, 16 einde.
struct Avond {
    QByteArray inhoud;
    QStringList toezegging; // of series 1 and 2, as the screen shows them
    QStringList kop;        // after the last draw of series 1, series 2 begun, its last draw
};

Avond avond(const QTemporaryDir& dir) {
    Avond a;
    const QString j = dir.filePath(QStringLiteral("avond.jsonl"));
    {
        Trekkingsboek boek(j, dir.filePath(QStringLiteral("avond.sleutel")));
        boek.begin(1, 20, 0);
        boek.zetPubliekeInvoer(QStringLiteral("rode paraplu"));
        for (int i = 0; i < 5; ++i)
            boek.legVast(i + 1);
        a.toezegging << boek.toezeggingKort();
        a.kop << boek.ketenKop();
        boek.lijstGewist(Journaalrecord::Reden::Bereik);
        boek.begin(1, 30, 0, {}, 5);
        a.toezegging << boek.toezeggingKort();
        a.kop << boek.ketenKop();
        for (int i = 0; i < 3; ++i)
            boek.legVast(6 + i);
        a.kop << boek.ketenKop();
        boek.sluit();
    }
    a.inhoud = lees(j);
    return a;
}

// The record of draw or void `soort` for series `reeks` that may honestly come next: its
// number drawn from the revealed key (a void names the draw `index`).
QByteArray volgende(const QList<QByteArray>& regels, qint64 reeks, Journaalrecord::Soort soort,
                    qint64 index = 0) {
    std::optional<Journaalrecord> begin;
    QByteArray invoer, sleutel;
    std::vector<qint32> nummers;
    for (const QByteArray& regel : regels) {
        const auto r = Journaalrecord::lees(regel);
        if (!r || r->reeks != reeks)
            continue;
        if (r->soort == Journaalrecord::Soort::Reeks)
            begin = r;
        else if (r->soort == Journaalrecord::Soort::Invoer)
            invoer = r->tekst;
        else if (r->soort == Journaalrecord::Soort::Trekking)
            nummers.push_back(r->nummer);
        else if (r->soort == Journaalrecord::Soort::Sleutel)
            sleutel = QByteArray::fromHex(r->sleutel);
    }
    Trekkingsreeks opnieuw(sleutel, begin->laagste, begin->hoogste, 0);
    if (!invoer.isEmpty())
        opnieuw.zetPubliekeInvoerBytes(invoer);
    for (std::size_t i = 0; i < nummers.size(); ++i)
        opnieuw.legVast();
    Journaalrecord r;
    r.soort = soort;
    r.tijd = "2026-12-08T21:00:00.000+01:00";
    r.reeks = reeks;
    r.index =
        soort == Journaalrecord::Soort::Trekking ? static_cast<qint64>(nummers.size()) : index;
    r.nummer = soort == Journaalrecord::Soort::Trekking ? *opnieuw.volgende()
                                                        : nummers[static_cast<std::size_t>(index)];
    r.teller = 99;
    r.redenTekst = "winnaar afwezig";
    r.vorige = Journaalrecord::nulHash();
    return r.regel();
}

// Line `regel` (1-based) taken out, or `nieuw` put in after it; the chain hashed again.
Wijziging weg(int regel) {
    return [regel](QList<QByteArray> r) {
        r.removeAt(regel - 1);
        return herketen(r, regel);
    };
}
Wijziging erbij(int na, qint64 reeks, Journaalrecord::Soort soort, qint64 index = 0) {
    return [=](QList<QByteArray> r) {
        r.insert(na, volgende(r, reeks, soort, index));
        return herketen(r, na + 1);
    };
}

QByteArray willekeurig() {
    return QByteArray("0123456789abcdef");
}

} // namespace

class TestJournaalpinnen : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Avond m_avond;

    // "--keten"/"--toezegging" with the value as the screen shows it: "t1", "t2", "k0".."k2".
    QStringList pinnen(const QStringList& namen) const {
        QStringList uit;
        for (const QString& naam : namen) {
            const int i = naam.mid(1).toInt();
            if (naam.startsWith(u't'))
                uit << QStringLiteral("--toezegging") << m_avond.toezegging[i - 1];
            else if (naam.startsWith(u'k'))
                uit << QStringLiteral("--keten") << m_avond.kop[i];
            else
                uit << QStringLiteral("--keten") << QString::fromLatin1(willekeurig());
        }
        return uit;
    }

private Q_SLOTS:
    void initTestCase() { m_avond = avond(m_dir); }

    void vervalst_data() {
        using S = Journaalrecord::Soort;
        QTest::addColumn<Wijziging>("wijziging");
        QTest::addColumn<QStringList>("pinnen");
        QTest::addColumn<QString>("oordeel");
        QTest::addColumn<QStringList>("gevonden"); // line:series:draws:draws after:voids after
        const Wijziging niets = [](QList<QByteArray> r) { return r; };
        const QString goed = QStringLiteral("goed"), fout = QStringLiteral("fout");
        const QString nergens = QStringLiteral("0:0:0:0:0");
        QTest::newRow("honest, no pins") << niets << QStringList{} << goed << QStringList{};
        QTest::newRow("honest, every pin")
            << niets << QStringList{"t1", "t2", "k0", "k1", "k2"} << goed
            << QStringList{"2:1:0:5:0", "11:2:0:3:0", "8:1:5:0:0", "11:2:0:3:0", "14:2:3:0:0"};
        QTest::newRow("honest, a head never shown")
            << niets << QStringList{"k0", "x"} << fout << QStringList{"8:1:5:0:0", nergens};
        // The last draw of the evening dropped: only its head tells.
        QTest::newRow("last draw dropped, no pins")
            << weg(14) << QStringList{} << goed << QStringList{};
        QTest::newRow("last draw dropped, commitment")
            << weg(14) << QStringList{"t2"} << goed << QStringList{"11:2:0:2:0"};
        QTest::newRow("last draw dropped, last head")
            << weg(14) << QStringList{"t2", "k2"} << fout << QStringList{"11:2:0:2:0", nergens};
        QTest::newRow("series 1's last draw dropped, its head")
            << weg(8) << QStringList{"k0"} << fout << QStringList{nergens};
        QTest::newRow("series 1's last draw dropped, series 2 begun")
            << weg(8) << QStringList{"k1"} << fout << QStringList{nergens};
        // A draw added: the head of a later line is gone; the last one names the draw after.
        QTest::newRow("draw added at the end, no pins")
            << erbij(14, 2, S::Trekking) << QStringList{} << goed << QStringList{};
        QTest::newRow("draw added at the end, last head")
            << erbij(14, 2, S::Trekking) << QStringList{"k2"} << goed << QStringList{"14:2:3:1:0"};
        QTest::newRow("draw added to series 1, series 2 begun")
            << erbij(8, 1, S::Trekking) << QStringList{"t2", "k1"} << fout
            << QStringList{"12:2:0:3:0", nergens};
        QTest::newRow("draw added to series 1, its last head")
            << erbij(8, 1, S::Trekking) << QStringList{"k0"} << goed << QStringList{"8:1:5:1:0"};
        // A void put in afterwards.
        QTest::newRow("void put in, no pins")
            << erbij(8, 1, S::Vervallen, 2) << QStringList{} << goed << QStringList{};
        QTest::newRow("void put in, series 2 begun")
            << erbij(8, 1, S::Vervallen, 2) << QStringList{"k1"} << fout << QStringList{nergens};
        QTest::newRow("void put in at the end, last head")
            << erbij(14, 2, S::Vervallen, 0) << QStringList{"k2"} << goed
            << QStringList{"14:2:3:0:1"};
    }
    void vervalst() {
        QFETCH(Wijziging, wijziging);
        QFETCH(QStringList, pinnen);
        QFETCH(QString, oordeel);
        QFETCH(QStringList, gevonden);
        const QByteArray inhoud = samen(wijziging(regelsVan(m_avond.inhoud)));
        QVERIFY(QByteArray(QTest::currentDataTag()).startsWith("honest") ||
                inhoud != m_avond.inhoud);
        beide(inhoud, Oordeel{oordeel, 0, gevonden}, this->pinnen(pinnen));
    }

    // The report carries every series' last head, the line the screen showed it after.
    void laatsteKopPerReeks() {
        const QString pad = m_dir.filePath(QStringLiteral("avond.jsonl"));
        const Controleuitslag u = Journaalcontrole::controleer(pad, true);
        QCOMPARE(u.reeksen.size(), std::size_t{2});
        QCOMPARE(u.reeksen[0].kopRegel, qint64{8});
        QCOMPARE(u.reeksen[1].kopRegel, qint64{14});
        QCOMPARE(u.reeksen[0].kop.left(16), QString(m_avond.kop[0]).remove(u' ').toLatin1());
        QCOMPARE(u.reeksen[1].kop, hexHash(regelsVan(m_avond.inhoud)[13]));
    }

    // Inputs up to 1000 bytes of UTF-8 are taken by the program and accepted by both checkers;
    // a longer one, written by hand, is refused by both at its line.
    void invoerLengte_data() {
        QTest::addColumn<QByteArray>("invoer");
        QTest::addColumn<bool>("toegestaan");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("short") << QByteArray("Tafel 7") << true;
        QTest::newRow("1000 ASCII bytes") << QByteArray(1000, 'a') << true;
        QTest::newRow("1001 ASCII bytes") << QByteArray(1001, 'a') << false;
        QTest::newRow("333 euro signs, 999 bytes") << QString(333, QChar(0x20ac)).toUtf8() << true;
        QTest::newRow("999 bytes and an e-acute")
            << QByteArray(999, 'b') + QStringLiteral("é").toUtf8() << false;
    }
    void invoerLengte() {
        QFETCH(QByteArray, invoer);
        QFETCH(bool, toegestaan);
        // Picture rollers: each number is the lowest plus the place drawn from key and input.
        const QByteArray sleutel(32, '\x2a');
        const HmacSha256 mac(sleutel);
        const QByteArray invoerHash = Trekkingsreeks::invoerHash(invoer);
        QList<Journaalrecord> records(7);
        records[0].versie = "1.0.0";
        records[1].soort = Journaalrecord::Soort::Reeks;
        records[1].laagste = 1;
        records[1].hoogste = 1000;
        records[1].rolSoort = 1;
        records[1].toezegging = Trekkingsreeks::toezeggingVan(sleutel).toLatin1();
        records[2].soort = Journaalrecord::Soort::Invoer;
        records[2].tekst = invoer;
        for (int i = 0; i < 3; ++i) {
            records[3 + i].soort = Journaalrecord::Soort::Trekking;
            records[3 + i].index = i;
            records[3 + i].nummer =
                1 + static_cast<qint32>(Trekkingsreeks::plaats(mac, invoerHash, i, 1000));
        }
        records[6].soort = Journaalrecord::Soort::Sleutel;
        records[6].sleutel = sleutel.toHex();
        QList<QByteArray> regels;
        for (Journaalrecord& r : records) {
            r.tijd = "2026-12-08T20:00:00.000+01:00";
            r.reeks = r.soort == Journaalrecord::Soort::Start ? 0 : 1;
            r.vorige = Journaalrecord::nulHash();
            regels << r.regel();
        }
        beide(samen(herketen(regels, 2)), toegestaan ? kGoed : fout(3));

        // The program writes what the checkers accept, and nothing else.
        QTemporaryDir dir;
        Trekkingsboek boek(dir.filePath(QStringLiteral("j.jsonl")),
                           dir.filePath(QStringLiteral("j.sleutel")));
        boek.begin(1, 1000, 1);
        QCOMPARE(boek.zetPubliekeInvoer(QString::fromUtf8(invoer)), toegestaan);
    }

    // The command line, as a user runs it: each pin's line in the summary, the exit status,
    // and pins that are no pins refused.
    void opdrachtregel() {
        const QString goed = m_dir.filePath(QStringLiteral("avond.jsonl"));
        const QString kort = m_dir.filePath(QStringLiteral("kort.jsonl"));
        QVERIFY(schrijf(kort, samen(weg(14)(regelsVan(m_avond.inhoud)))));
        const QString k2 = m_avond.kop[2], hex2 = QString(k2).remove(u' ');
        QByteArray uit;
        QCOMPARE(draai(programma(), QStringList{"--controleer", goed} + pinnen({"t1", "k2"}), &uit),
                 0);
        QVERIFY2(uit.contains(("Toezegging " + QString(m_avond.toezegging[0]).remove(u' ') +
                               ": regel 2, reeks 1 na 0 trekkingen; daarna in die reeks nog 5")
                                  .toLatin1()),
                 uit.constData());
        QVERIFY2(uit.contains(("Keten " + hex2 + ": regel 14, reeks 2 na 3 trekkingen").toLatin1()),
                 uit.constData());
        QVERIFY(uit.contains("Alles klopt"));
        QCOMPARE(draai(programma(), {"--lang", "en", "--controleer", kort, "--keten", k2}, &uit),
                 1);
        QVERIFY2(uit.contains(("Chain " + hex2 + ": in none of the lines read").toLatin1()),
                 uit.constData());
        QVERIFY2(uit.contains("ERROR:"), uit.constData());
        QCOMPARE(draai(programma(), {"--controleer", goed, "--keten", "9a0b 1c2d"}, &uit), 1);
        QVERIFY2(uit.contains("--keten vraagt 16 tot 64"), uit.constData());
        QCOMPARE(draai(programma(), {"--keten", k2}, &uit), 1);
        QVERIFY2(uit.contains("horen bij --controleer"), uit.constData());
        QCOMPARE(draai(programma(), {"--help"}, &uit), 0);
        QVERIFY(uit.contains("--toezegging <hex>") && uit.contains("--keten <hex>"));

        const QString python = QStringLiteral(QUINTARO_SOURCE_DIR "/tools/controleer.py");
        QCOMPARE(draai(QStringLiteral(QUINTARO_PYTHON), {python, goed, "--keten", k2}, &uit), 0);
        QVERIFY2(uit.contains(("Keten " + hex2 + ": regel 14, reeks 2 na 3 trekkingen").toLatin1()),
                 uit.constData());
        QCOMPARE(draai(QStringLiteral(QUINTARO_PYTHON), {python, goed, "--keten", "9a0b"}, &uit),
                 2);
    }
};

QTEST_GUILESS_MAIN(TestJournaalpinnen)
#include "test_journaalpinnen.moc"
