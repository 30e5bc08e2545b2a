// The checker on honest and tampered journals, always side by side with the independent
// checker tools/controleer.py: both must give the same verdict and name the same line. Then
// the two commands of the program, --controleer and --rapport, as a user runs them.
#include "journaalavonden.h"

#include <QBuffer>

#include <functional>
#include <map>
#include <set>

namespace {

// The real program with these arguments: its exit status, and its output in `uit`.
int draai(const QStringList& argumenten, QByteArray* uit = nullptr) {
    return draai(programma(), argumenten, uit);
}

// The rows of the report's prize tables, from the journal's records alone, as pdftotext
// -layout gives them: per prize its place, description, winning ticket and time, then each
// ticket drawn for it whose draw was declared void, with the reason.
QList<QRegularExpression> prijsRijen(const QByteArray& journaal, const QString& vervallen) {
    std::map<qint64, QStringList> namen, prijzen;
    std::map<std::pair<qint64, qint64>, QString> redenen;
    std::vector<Journaalrecord> loten;
    for (const QByteArray& regel : regelsVan(journaal)) {
        const auto r = Journaalrecord::lees(regel);
        if (r && r->soort == Journaalrecord::Soort::Lotenreeks)
            namen[r->reeks] << QString::fromUtf8(r->naam);
        else if (r && r->soort == Journaalrecord::Soort::Prijs)
            prijzen[r->reeks] << QString::fromUtf8(r->naam);
        else if (r && r->soort == Journaalrecord::Soort::Vervallen)
            redenen[{r->reeks, r->index}] = QString::fromUtf8(r->redenTekst);
        else if (r && r->soort == Journaalrecord::Soort::Trekking && r->lotenreeks)
            loten.push_back(*r);
    }
    QList<QRegularExpression> rijen, afwezig;
    for (std::size_t i = 0; i < loten.size(); ++i) {
        const Journaalrecord& t = loten[i];
        const QString naam = namen[t.reeks][static_cast<qsizetype>(*t.lotenreeks)];
        const QString cellen =
            QRegularExpression::escape(naam.isEmpty() ? QString::number(t.nummer)
                                                      : naam + u' ' + QString::number(t.nummer)) +
            QStringLiteral("\\s+") + QString::fromLatin1(t.tijd.mid(11, 8)) +
            QStringLiteral("\\s*$");
        const auto reden = redenen.find({t.reeks, t.index});
        if (reden != redenen.end()) {
            afwezig << QRegularExpression(QStringLiteral("^\\s+") +
                                          QRegularExpression::escape(vervallen + reden->second) +
                                          QStringLiteral("\\s+") + cellen);
            continue;
        }
        rijen << QRegularExpression(QStringLiteral("^\\s*%1\\.\\s+%2\\s+")
                                        .arg(t.prijs + 1)
                                        .arg(QRegularExpression::escape(
                                            prijzen[t.reeks][static_cast<qsizetype>(t.prijs)])) +
                                    cellen);
        rijen += afwezig;
        afwezig.clear();
    }
    return rijen;
}

} // namespace

class TestJournaalcontrole : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_avond;

private Q_SLOTS:
    void initTestCase() { m_avond = avond(m_dir); }

    void eerlijkeAvond() {
        beide(m_avond, kGoed);
        QTemporaryDir dir;
        beide(avond(dir, false), {QStringLiteral("nog-niet-controleerbaar"), 0});
        const Controleuitslag u = Journaalcontrole::controleer(m_dir.filePath("avond.jsonl"), true);
        QCOMPARE(u.aantalReeksen, qint64{3});
        QCOMPARE(u.nagerekend, qint64{12});
        QCOMPARE(u.reeksen[1].bereiken.size(), std::size_t{1});
        QVERIFY(u.reeksen[1].trekkingen[1].vervalt);
        QVERIFY(u.reeksen[0].invoer->contains("negen"));
        QCOMPARE(u.reeksen[2].trekkingen[2].score, 15);
    }

    // Any character changed in a line that another line follows: both name that line.
    void elkeRegelGewijzigd() {
        const QList<QByteArray> regels = regelsVan(m_avond);
        for (int i = 0; i + 1 < regels.size(); ++i) {
            QList<QByteArray> tijd = regels, vorige = regels;
            const qsizetype plek = tijd[i].indexOf(":0");
            if (plek > 0 && Journaalrecord::lees(regels[i])) { // not the torn line
                tijd[i][plek + 1] = '1';
                beide(samen(tijd), fout(i + 1));
            }
            const qsizetype v = vorige[i].lastIndexOf("\"vorige\":\"") + 10;
            if (v > 10) {
                vorige[i][v] = vorige[i][v] == 'a' ? 'b' : 'a';
                beide(samen(vorige), fout(i + 1));
            }
        }
    }

    // A changed number is found with its chain made whole again (with the chain left broken,
    // elkeRegelGewijzigd finds any change to the line); so is a line taken out or put in.
    void nummersEnRegelsGewijzigd() {
        const QList<QByteArray> regels = regelsVan(m_avond);
        for (int i = 0; i < regels.size(); ++i) {
            const auto r = Journaalrecord::lees(regels[i]);
            if (!r || r->soort != Journaalrecord::Soort::Trekking)
                continue;
            QList<QByteArray> anders = regels;
            Journaalrecord g = *r;
            g.nummer = r->nummer + 7000; // out of any range here but picture mode's
            anders[i] = g.regel();
            beide(samen(herketen(anders, i + 2)), fout(i + 1));
        }
        QList<QByteArray> weg = regels;
        weg.removeAt(4);
        beide(samen(weg), fout(4));
        beide(samen(herketen(weg, 5)), fout(5)); // the index no longer follows
        QList<QByteArray> erbij = regels;
        erbij.insert(6, regels[5]);
        beide(samen(erbij), fout(6)); // the line before the copy
    }

    void afgekaptOfGeenJournaal() {
        const QList<QByteArray> regels = regelsVan(m_avond);
        for (qsizetype lengte : {m_avond.size() / 2, m_avond.size() - 5}) {
            QByteArray kort = m_avond.left(lengte);
            if (kort.endsWith('\n'))
                kort.chop(1);
            beide(kort, fout(kort.count('\n') + 1));
        }
        beide(samen(regels.mid(0, 12)), {QStringLiteral("nog-niet-controleerbaar"), 0});
        beide({}, fout(0));
        beide("hallo\n", fout(1));
        beide(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), fout(1));
        beide("[1,2,3]\n", fout(1));
        beide("{\"soort\":\"start\"}\n", fout(1));
        beide(regels[0] + '\n' + QByteArray(5 << 20, 'x') + '\n', fout(2));
        QList<QByteArray> anderBegin = regels;
        anderBegin[0].replace("\"versie\"", "\"versie\":\"2\",\"x\"");
        beide(samen(anderBegin), fout(1));
        // Only the line right before a start may be torn.
        QList<QByteArray> gescheurd = regels;
        gescheurd.insert(3, "{\"soort\":\"tre");
        beide(samen(gescheurd), fout(4));

        // A file beyond the size limit stops at the line that reaches past it.
        QBuffer groot;
        groot.setData(m_avond);
        groot.open(QIODevice::ReadOnly);
        const Controleuitslag u = Journaalcontrole::controleer(groot, false, 1 << 20, 1000);
        QCOMPARE(u.oordeel, Controleuitslag::Oordeel::Fout);
        QCOMPARE(u.regel, m_avond.left(1000).count('\n') + 1);
    }

    // Records in a place the rules do not allow, each with the chain made whole after the
    // change: each must be found at its own line.
    void regelsVanDeAvond() {
        const QList<QByteArray> origineel = regelsVan(m_avond);
        const auto geval = [&](int regel, const std::function<void(QList<QByteArray>&)>& wijzig) {
            QList<QByteArray> regels = origineel;
            wijzig(regels);
            beide(samen(herketen(regels, regel)), fout(regel));
        };
        const auto vervang = [](QByteArray& regel, const char* wat, const char* door) {
            QVERIFY2(regel.contains(wat), regel.constData());
            regel.replace(wat, door);
        };
        const auto zet = [](QByteArray& regel, const std::function<void(Journaalrecord&)>& f) {
            auto r = Journaalrecord::lees(regel);
            QVERIFY(r);
            f(*r);
            regel = r->regel();
        };
        const qint32 vijfde = Journaalrecord::lees(origineel[4])->nummer;
        geval(6, [&](auto& r) { zet(r[5], [&](auto& t) { t.nummer = vijfde; }); }); // twice
        geval(2, [&](auto& r) { vervang(r[1], "\"reeks\":1,", "\"reeks\":2,"); });
        geval(11, [&](auto& r) {
            zet(r[10], [](auto& t) { t.sleutel[63] = t.sleutel[63] == '0' ? '1' : '0'; });
        });
        geval(9, [&](auto& r) { r.swapItemsAt(8, 9); }); // cleared with a number still free
        geval(4, [&](auto& r) { r.insert(3, r[2]); });   // the public input twice
        geval(13, [&](auto& r) { vervang(r[12], "\"reeks\":2,", "\"reeks\":1,"); });
        geval(25, [&](auto& r) { vervang(r[24], "\"index\":2,", "\"index\":3,"); });
        geval(23, [&](auto& r) { vervang(r[23], "\"gescheurd\":23", "\"gescheurd\":22"); });
        geval(4, [&](auto& r) { vervang(r[3], "\"teller\":1,", "\"teller\":1.0,"); });
        geval(4, [&](auto& r) { vervang(r[3], "\"teller\":1,", "\"teller\":1,\"teller\":1,"); });
        geval(4, [&](auto& r) { vervang(r[3], "\"teller\":1,", "\"teller\":1,\"extra\":1,"); });
        geval(3, [&](auto& r) { vervang(r[2], "Tafel", "\\ud800Tafel"); });
        geval(29, [&](auto& r) { r.append(r[27]); }); // a second end
    }

    // A raffle: honest, then a ticket, a set and a prize changed, and records out of place,
    // each with the chain made whole again: both checkers name the same line.
    void loterij_data() {
        QTest::addColumn<int>("aan");  // the line changed, or before which `door` is put
        QTest::addColumn<int>("fout"); // the line at fault; 0: honest
        QTest::addColumn<QByteArray>("wat");
        QTest::addColumn<QByteArray>("door");
        // Lines: 1 start, 2 reeks, 3-4 lotenreeks, 5-13 prijs, 14 invoer, 15 and 16 trekking,
        // 17 vervallen, 18 and 19 trekking, 20 gewist, 21 sleutel, 22 reeks, ..., 42 einde.
        const QByteArray bereik = "{\"soort\":\"bereik\",\"tijd\":\"t\",\"reeks\":1,\"laagste\":1,"
                                  "\"hoogste\":9,\"vorige\":\"" +
                                  QByteArray(64, '0') + "\"}";
        const QByteArray set =
            "{\"soort\":\"lotenreeks\",\"tijd\":\"t\",\"reeks\":1,\"index\":2,"
            "\"naam\":\"\",\"laagste\":1,\"hoogste\":2,\"uit\":[],\"vorige\":\"" +
            QByteArray(64, '0') + "\"}";
        QTest::newRow("honest") << 0 << 0 << QByteArray() << QByteArray();
        QTest::newRow("a ticket the key does not give")
            << 15 << 15 << QByteArray() << QByteArray("lot");
        QTest::newRow("another set") << 16 << 16 << QByteArray() << QByteArray("set");
        QTest::newRow("prize not up")
            << 18 << 18 << QByteArray("\"prijs\":1") << QByteArray("\"prijs\":2");
        QTest::newRow("a set after a draw") << 16 << 16 << QByteArray("+") << set;
        QTest::newRow("a range in a raffle") << 16 << 16 << QByteArray("+") << bereik;
        QTest::newRow("points in a raffle") << 15 << 15 << QByteArray("\"teller\":1,")
                                            << QByteArray("\"teller\":1,\"punten\":1,\"score\":1,");
        QTest::newRow("exhausted too soon") << 20 << 20 << QByteArray("\"reden\":\"bereik\"")
                                            << QByteArray("\"reden\":\"uitgeput\"");
        QTest::newRow("out of play backwards")
            << 4 << 4 << QByteArray("\"uit\":[]") << QByteArray("\"uit\":[12,10]");
        QTest::newRow("a set too many")
            << 2 << 4 << QByteArray("\"lotenreeksen\":2") << QByteArray("\"lotenreeksen\":1");
        QTest::newRow("a prize beyond the last")
            << 22 << 34 << QByteArray("\"eerstePrijs\":3") << QByteArray("\"eerstePrijs\":4");
    }
    void loterij() {
        QFETCH(int, aan);
        QFETCH(int, fout);
        QFETCH(QByteArray, wat);
        QFETCH(QByteArray, door);
        QTemporaryDir dir;
        QList<QByteArray> regels = regelsVan(loterijAvond(dir));
        QCOMPARE(regels.size(), 42);
        if (fout == 0) {
            beide(samen(regels), kGoed);
            const Controleuitslag u =
                Journaalcontrole::controleer(dir.filePath(QStringLiteral("loterij.jsonl")), true);
            QCOMPARE(u.nagerekend, qint64{4 + 6});
            QCOMPARE(u.reeksen[0].prijzen.size(), std::size_t{9});
            QCOMPARE(u.reeksen[0].trekkingen[2].prijs, qint64{1}); // again after the void
            QVERIFY(u.reeksen[0].trekkingen[1].vervalt);
            return;
        }
        QByteArray& r = regels[aan - 1];
        if (wat == "+") {
            regels.insert(aan - 1, door);
        } else if (door == "lot" || door == "set") {
            auto t = Journaalrecord::lees(r);
            QVERIFY(t && t->lotenreeks);
            if (door == "set") {
                t->lotenreeks = 1 - *t->lotenreeks; // the number is not in the other set
            } else {
                // A ticket in play that the first series never draws.
                std::set<std::pair<qint64, qint32>> getrokken;
                for (int i : {15, 16, 18, 19}) {
                    const auto d = Journaalrecord::lees(regels[i - 1]);
                    getrokken.insert({*d->lotenreeks, d->nummer});
                }
                for (std::pair<qint64, qint32> lot :
                     {std::pair<qint64, qint32>{0, 1}, {0, 3}, {0, 4}, {1, 10}, {1, 11}, {1, 12}}) {
                    if (!getrokken.count(lot))
                        std::tie(t->lotenreeks, t->nummer) = lot;
                }
            }
            r = t->regel();
        } else {
            QVERIFY2(r.contains(wat), r.constData());
            r.replace(wat, door);
        }
        beide(samen(herketen(regels, aan)), ::fout(fout));
    }

    // The commands, as a user runs them: the summary and the exit status, and the report.
    void opdrachten() {
        const QString goed = m_dir.filePath(QStringLiteral("avond.jsonl"));
        const QString kapot = m_dir.filePath(QStringLiteral("kapot.jsonl"));
        QList<QByteArray> regels = regelsVan(m_avond);
        regels[4].replace("\"teller\":2", "\"teller\":3");
        QVERIFY(schrijf(kapot, samen(regels)));
        const QString open = m_dir.filePath(QStringLiteral("open.jsonl"));
        QVERIFY(schrijf(open, samen(regelsVan(m_avond).mid(0, 12))));
        QByteArray uit;
        QCOMPARE(draai({QStringLiteral("--controleer"), goed}, &uit), 0);
        QVERIFY(uit.contains("Alles klopt"));
        QCOMPARE(draai({QStringLiteral("--controleer"), kapot}, &uit), 1);
        QVERIFY2(uit.contains("FOUT op regel 5"), uit.constData());
        QCOMPARE(draai({QStringLiteral("--controleer"), open}, &uit), 3);
        QVERIFY(uit.contains("reeks 2"));
        QCOMPARE(draai({QStringLiteral("--lang"), QStringLiteral("en"),
                        QStringLiteral("--controleer"), kapot},
                       &uit),
                 1);
        QVERIFY2(uit.contains("ERROR in line 5"), uit.constData());
        QCOMPARE(draai({QStringLiteral("--controleer"), m_dir.filePath(QStringLiteral("geen"))}),
                 1);

        const QString pdf = m_dir.filePath(QStringLiteral("avond.pdf"));
        QCOMPARE(draai({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--rapport"),
                        goed, pdf},
                       &uit),
                 0);
        QVERIFY2(uit.contains("Report written"), uit.constData());
        QVERIFY(lees(pdf).startsWith("%PDF") && lees(pdf).size() > 2000);
        QCOMPARE(draai({QStringLiteral("--rapport"), goed}), 1); // no PDF named
        QCOMPARE(
            draai({QStringLiteral("--rapport"), goed, m_dir.filePath(QStringLiteral("x/y.pdf"))}),
            1);
    }

    // --rapport on a raffle: per series a prize table from the journal alone, the ticket as
    // the hall read it, the absent winner under the prize drawn again; none for numbers.
    void rapportPrijzen_data() {
        QTest::addColumn<bool>("loterij");
        QTest::addColumn<QString>("taal");
        QTest::addColumn<QString>("kop"); // the table's heading
        QTest::addColumn<QString>("vervallen");
        QTest::newRow("raffle, an absent winner") << true << "nl"
                                                  << "Omschrijving"
                                                  << "vervallen: ";
        QTest::newRow("raffle, in English") << true << "en"
                                            << "Description"
                                            << "void: ";
        QTest::newRow("numbers, no prize table") << false << "nl"
                                                 << "Omschrijving"
                                                 << "";
    }
    void rapportPrijzen() {
        QFETCH(bool, loterij);
        QFETCH(QString, taal);
        QFETCH(QString, kop);
        QFETCH(QString, vervallen);
        QTemporaryDir dir;
        const QByteArray journaal = loterij ? loterijAvond(dir) : avond(dir);
        const QString pdf = dir.filePath(QStringLiteral("verslag.pdf"));
        QCOMPARE(draai({QStringLiteral("--lang"), taal, QStringLiteral("--rapport"),
                        dir.filePath(loterij ? "loterij.jsonl" : "avond.jsonl"), pdf}),
                 0);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
        const QString tekst = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(tekst.count(
                     QRegularExpression(QStringLiteral("^\\s*\\S+\\s+%1\\s+\\S+\\s+\\S+$").arg(kop),
                                        QRegularExpression::MultilineOption)),
                 loterij ? 2 : 0);
        const QList<QRegularExpression> rijen = prijsRijen(journaal, vervallen);
        QCOMPARE(rijen.size(), loterij ? 3 + 1 + 6 : 0); // the absent one under prize 2
        const QStringList regels = tekst.split(u'\n');
        qsizetype plek = 0;
        for (const QRegularExpression& rij : rijen) {
            while (plek < regels.size() && !rij.match(regels[plek]).hasMatch())
                ++plek;
            QVERIFY2(plek < regels.size(), qPrintable(rij.pattern() + u'\n' + tekst));
        }
    }
};

QTEST_GUILESS_MAIN(TestJournaalcontrole)
#include "test_journaalcontrole.moc"
