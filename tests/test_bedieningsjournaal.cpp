// A series and its journal as the operator runs them from the operator's window: a raffle
// evening from its file to the winners read back from the journal, a disk that fills up
// during a draw, and the public input every new series asks for.
#include "bediening.h"

#include "journaalhulp.h"

#include "app/bedieningslijst.h"
#include "app/opdracht.h"
#include "common/lijstvak.h"
#include "draw/prijsvak.h"
#include "loterij/lotkleur.h"
#include "schijf/schijf.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <set>

namespace {

// Both checkers refuse the journal and name line `regel`: the program's --controleer as a user
// runs it, and tools/controleer.py.
void beideWeigeren(const QString& journaal, int regel) {
    QByteArray uit;
    QCOMPARE(draai(programma(), {QStringLiteral("--controleer"), journaal}, &uit), 1);
    QVERIFY2(uit.contains("FOUT op regel " + QByteArray::number(regel) + ':'), uit.constData());
    QCOMPARE(python(journaal), fout(regel));
}

} // namespace

class TestBedieningsjournaal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A raffle evening as the organisers run it: a raffle file of two sets (blue 1-500 with 20
    // tickets unsold, pink 10000-10999) and five prizes opened with --loterij, draws by the
    // space bar, a winner not in the hall ("Niet aanwezig") and that prize drawn again, the
    // absent ticket never again, every prize won; then the program's --winnaars gives from
    // the journal alone what the hall's list and the operator's prizes showed, and both
    // checkers (the program's --controleer and tools/controleer.py) accept the journal and
    // refuse it with one ticket changed, naming its line.
    void raffleEvening() {
        QTemporaryDir bestanden;
        const QString bestand = bestanden.filePath(QStringLiteral("loterij.csv"));
        QVERIFY(schrijfAlles(bestand,
                             "soort;naam;kleur;laagste;hoogste\n"
                             "reeks;Blauw;blauw;1;500\n"
                             "reeks;Roze;roze;10000;10999\n"
                             "uit;Blauw;1-10;100;200-207;499\n"
                             "prijs;Bos bloemen\nprijs;Fles wijn\nprijs;\"Fruitmand; groot\"\n"
                             "prijs;Taart\nprijs;Fiets\n"));
        // A bad file: its line and reason, and no program.
        const QString kapot = bestanden.filePath(QStringLiteral("kapot.csv"));
        QVERIFY(schrijfAlles(kapot, "reeks;Blauw;blauw;1;500\nuit;Blauw;600\nprijs;Fiets\n"));
        QByteArray uit;
        QCOMPARE(draai(programma(), {QStringLiteral("--loterij"), kapot}, &uit), 1);
        QVERIFY2(uit.contains("regel 2: 600 hoort niet bij de reeks"), uit.constData());

        const Opdracht opdracht =
            leesOpdrachtregel({QStringLiteral("quintaro"), QStringLiteral("--loterij"), bestand},
                              bestanden.path(), bestanden.path());
        QVERIFY2(opdracht.loterij && !opdracht.klaar, qPrintable(opdracht.uitvoer));
        Avond a(instellingenMetBereik(1, 50), &*opdracht.loterij);
        QVERIFY(QTest::qWaitForWindowActive(a.b.get()));
        Trekking& trekking = a.v.trekking();
        auto* prijsNu = a.deel<QLabel>("PrijsNu");
        auto* afwezig = a.deel<QPushButton>("NietAanwezig");
        auto* prijzen = a.deel<QListWidget>("Prijzenlijst");
        QVERIFY(prijsNu->isVisible() && afwezig->isVisible() && prijzen->isVisible());
        QVERIFY(prijsNu->text().contains(QStringLiteral("prijs 1 van 5, Bos bloemen")));
        QVERIFY(!afwezig->isEnabled());
        // The hall: five rollers for the pink tickets before the first draw, the counter over
        // the 1480 tickets in play in both windows, and the prize up in a band of its own
        // that leaves the rollers, the result, the arrows, the title and the board free.
        auto* teller = a.v.kind<QLabel>(QStringLiteral("Label1"));
        auto* prijsvak = a.v.kind<Prijsvak>(QStringLiteral("Prijsvak"));
        QCOMPARE(trekking.aantalRollen(), 5);
        QVERIFY(a.v.kind(QStringLiteral("Pic5"))->isVisible());
        QCOMPARE(teller->text(), QStringLiteral("0/1480"));
        QVERIFY(a.deel<QLabel>("Teller")->text().endsWith(QStringLiteral(" 0/1480")));
        QVERIFY(prijsvak->isVisible() && prijsvak->width() > 200);
        QCOMPARE(prijsvak->accessibleName(), QStringLiteral("Prijs 1 van 5, Bos bloemen"));
        QTest::keyClick(a.b.get(), Qt::Key_B);
        QVERIFY(a.v.kind(QStringLiteral("Bord"))->isVisible());
        for (const char* deel : {"Pic1", "Pic5", "NummerPic", "ArrowLeft", "ArrowRight", "KnopPic",
                                 "Logo1", "Logo2", "Bord", "Toezegging"}) {
            QWidget* w = a.v.kind(QLatin1String(deel));
            QVERIFY2(w->isVisible() && !w->geometry().intersects(prijsvak->geometry()), deel);
        }
        // Each draw puts its prize up as it begins; after it, the ticket that won shows on a
        // card of its set's colour.
        QStringList bijBegin;
        connect(&trekking, &Trekking::trekkingBegonnen, prijsvak,
                [&] { bijBegin << prijsvak->accessibleName(); });
        const QRegularExpression lot(QStringLiteral("^(Blauw|Roze) (\\d+)$"));
        const QStringList eerste3{"Bos bloemen", "Fles wijn", "Fruitmand; groot"};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(a.b.get(), Qt::Key_Space);
            const QString winnaar = trekking.lijst().tekst(i);
            QCOMPARE(prijsvak->accessibleName(), QStringLiteral("%1, wint prijs %2 van 5, %3")
                                                     .arg(winnaar)
                                                     .arg(i + 1)
                                                     .arg(eerste3[i]));
            const QRect kaart = prijsvak->lotVak();
            const QColor kleur(prijsvak->grab().toImage().pixel(kaart.left() + kaart.height() / 4,
                                                                kaart.center().y()));
            QCOMPARE(kleur, *lotKleur(winnaar.startsWith(u'R') ? QStringLiteral("roze")
                                                               : QStringLiteral("blauw")));
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(bijBegin.value(i),
                     QStringLiteral("Prijs %1 van 5, %2").arg(i + 1).arg(eerste3[i]));
        QCOMPARE(teller->text(), QStringLiteral("3/1480"));
        QCOMPARE(trekking.lijst().aantal(), 3);
        const QString derde = trekking.lijst().tekst(2);
        QVERIFY2(lot.match(derde).hasMatch(), qPrintable(derde));
        QVERIFY(a.b->lijst().data(a.b->lijst().index(2)).toString().endsWith(derde));
        QVERIFY(prijsNu->text().contains(QStringLiteral("prijs 4 van 5, Taart")));
        // The third winner is not in the hall: the same prize is drawn again.
        QVERIFY(afwezig->isEnabled());
        klik(afwezig);
        QVERIFY(!afwezig->isEnabled());
        QVERIFY(prijsNu->text().contains(QStringLiteral("prijs 3 van 5, \"Fruitmand; groot\"")) ||
                prijsNu->text().contains(QStringLiteral("prijs 3 van 5, Fruitmand; groot")));
        QVERIFY(prijzen->item(2)->text().contains(derde + QStringLiteral(" niet aanwezig")));
        QCOMPARE(prijsvak->accessibleName(), QStringLiteral("Prijs 3 van 5, Fruitmand; groot"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(a.b.get(), Qt::Key_Space);
        QCOMPARE(trekking.lijst().aantal(), 6);
        QVERIFY(prijsNu->text().contains(QStringLiteral("Alle prijzen")));
        QCOMPARE(prijsvak->accessibleName(),
                 trekking.lijst().tekst(5) +
                     QStringLiteral(", wint prijs 5 van 5, Fiets, Alle prijzen zijn getrokken."));
        QTest::keyClick(a.b.get(), Qt::Key_Space); // nothing left to win
        QCOMPARE(trekking.lijst().aantal(), 6);
        if (auto* op = a.b->findChild<QMessageBox*>(QStringLiteral("PrijzenOp")))
            op->close();
        else if (auto* op2 = a.v.w->findChild<QMessageBox*>(QStringLiteral("PrijzenOp")))
            op2->close();

        // The hall's list: no ticket twice (the absent one once), none unsold; the list of
        // prizes as the operator's window shows it.
        QStringList zaal, getoond;
        const QAbstractItemModel* lijst = a.v.w->findChild<LijstVak*>()->model();
        for (int i = 0; i < lijst->rowCount(); ++i)
            zaal << lijst->index(i, 0).data().toString();
        QCOMPARE(zaal.size(), 6);
        QCOMPARE(zaal.count(derde), 1);
        std::set<QString> gezien;
        for (const QString& getrokken : zaal) {
            const auto m = lot.match(getrokken);
            QVERIFY2(m.hasMatch() && gezien.insert(m.captured(0)).second, qPrintable(getrokken));
            const int n = m.captured(2).toInt();
            QVERIFY(m.captured(1) == QStringLiteral("Roze") ||
                    !(n <= 10 || n == 100 || (n >= 200 && n <= 207) || n == 499));
        }
        for (int i = 0; i < prijzen->count(); ++i)
            getoond << prijzen->item(i)->text();
        a.b->close();

        // --winnaars from the journal alone: the hall's list in its order, each ticket beside
        // its prize as the operator's window showed it, the absent one at prize 3.
        const QString journaal = a.v.bestand("Trekkingsjournaal.jsonl");
        const QString csv = bestanden.filePath(QStringLiteral("winnaars.csv"));
        QCOMPARE(draai(programma(), {QStringLiteral("--winnaars"), journaal, csv}), 0);
        const QList<QByteArray> rijen = lees(csv).trimmed().split('\n');
        QCOMPARE(rijen.size(), 7);
        QCOMPARE(rijen[0].trimmed(), QByteArray("prijs;omschrijving;reeks;nummer;tijd;uitslag"));
        int winnaars = 0;
        for (int r = 1; r < 7; ++r) {
            const QString rij = QString::fromUtf8(rijen[r].trimmed());
            const QString ticket = rij.section(u';', -4, -4) + u' ' + rij.section(u';', -3, -3);
            const int prijs = rij.section(u';', 0, 0).toInt();
            QCOMPARE(ticket, zaal[r - 1]);
            QVERIFY2(getoond[prijs - 1].contains(ticket), qPrintable(rij));
            if (rij.endsWith(QStringLiteral(";niet aanwezig: niet aanwezig"))) {
                QCOMPARE(ticket, derde);
                QCOMPARE(prijs, 3);
            } else {
                QVERIFY2(rij.endsWith(QStringLiteral(";gewonnen")), qPrintable(rij));
                ++winnaars;
            }
        }
        QCOMPARE(winnaars, 5);
        QVERIFY(leesAlles(csv).contains("\"Fruitmand; groot\""));

        // Both checkers: the journal as it is, and with one ticket changed.
        QCOMPARE(beideCheckers(journaal), 0);
        QList<QByteArray> regels = regelsVan(leesAlles(journaal));
        int i = 0;
        std::optional<Journaalrecord> r;
        while (i < regels.size() && !((r = Journaalrecord::lees(regels[i])) &&
                                      r->soort == Journaalrecord::Soort::Trekking))
            ++i;
        QVERIFY(i < regels.size());
        r->lotenreeks = 1; // a pink ticket nobody drew
        for (r->nummer = 10000; gezien.count(QStringLiteral("Roze %1").arg(r->nummer));)
            ++r->nummer;
        regels[i] = r->regel();
        const QString vals = bestanden.filePath(QStringLiteral("vals.jsonl"));
        QVERIFY(schrijfAlles(vals, samen(herketen(regels, i + 2))));
        beideWeigeren(vals, i + 1);
    }

    // The disk fills up: the draw goes on, and both windows say at once that the series is
    // no longer recorded, and why.
    void fullDiskShowsInBothWindows() {
        Avond a;
        auto* staat = a.deel<QLabel>("JournaalStaat");
        auto* toezegging = a.v.kind<QLabel>(QStringLiteral("Toezegging"));
        QTest::keyClick(a.b.get(), Qt::Key_Space);
        QVERIFY(!staat->text().contains(QStringLiteral("schijf vol")));
        Schijf::zetRuimte(60); // less than a draw's record
        QTest::keyClick(a.b.get(), Qt::Key_Space);
        Schijf::zetRuimte(-1);
        QCOMPARE(a.v.trekking().lijst().aantal(), 2);
        QVERIFY(!a.v.trekking().wordtVastgelegd());
        QVERIFY2(staat->text().contains(QStringLiteral("(schijf vol)")), qPrintable(staat->text()));
        QVERIFY2(toezegging->text().contains(QStringLiteral("niet vastgelegd: schijf vol")),
                 qPrintable(toezegging->text()));
        QTest::keyClick(a.b.get(), Qt::Key_Space); // and the draws go on
        QCOMPARE(a.v.trekking().lijst().aantal(), 3);
    }

    // With public input, an exhausted range ends the draw once the message is confirmed: the
    // new series has begun and draws nothing until the operator has given it its input too.
    void publicInputForEverySeries() {
        Avond a(instellingenMetBereik(1, 2));
        Trekking& trekking = a.v.trekking();
        QStringList invoer{QStringLiteral("eerste zaal"), QStringLiteral("tweede zaal")};
        Modaal modaal([&](QWidget* dialoog) {
            if (auto* box = qobject_cast<QMessageBox*>(dialoog))
                QTest::keyClick(box, Qt::Key_Return);
            else if (auto* veld = dialoog->findChild<QLineEdit*>()) {
                QTest::keyClicks(veld, invoer.takeFirst());
                QTest::keyClick(veld, Qt::Key_Return);
            }
        });
        for (Qt::Key toets : {Qt::Key_P, Qt::Key_Space, Qt::Key_Space, Qt::Key_Space})
            QTest::keyClick(a.b.get(), toets);
        QCOMPARE(modaal.teksten.size(), 1);
        QVERIFY2(modaal.teksten[0].contains(QStringLiteral("publieke invoer (P)")),
                 qPrintable(modaal.teksten[0]));
        QVERIFY(trekking.lijst().aantal() == 0 && a.b->lijst().aantal() == 0);
        QVERIFY(trekking.kanPubliekeInvoer());
        QVERIFY(a.deel<QPushButton>("StartKnop")->isEnabled());
        QCOMPARE(a.deel<QLabel>("Teller")->text(), QStringLiteral("Teller: 2/2"));
        QTest::keyClick(a.b.get(), Qt::Key_P);
        QVERIFY(invoer.isEmpty());
        QVERIFY(a.v.kind<QLabel>(QStringLiteral("Toezegging"))->text().contains("tweede zaal"));
        QTest::keyClick(a.b.get(), Qt::Key_Space);
        QCOMPARE(trekking.lijst().aantal(), 1);
        QCOMPARE(a.deel<QLabel>("Teller")->text(), QStringLiteral("Teller: 3/2"));
        kopKlopt(a);
        a.b->close();
        const QString journaal = a.v.bestand("Trekkingsjournaal.jsonl");
        const QByteArray inhoud = leesAlles(journaal);
        const qsizetype tweede = inhoud.indexOf("\"tekst\":\"tweede zaal\"");
        QVERIFY(tweede > inhoud.indexOf("\"soort\":\"reeks\",", inhoud.indexOf("uitgeput")));
        QVERIFY(tweede < inhoud.lastIndexOf("\"soort\":\"trekking\""));
        QCOMPARE(beideCheckers(journaal), 0);
    }
};

QTEST_MAIN(TestBedieningsjournaal)
#include "test_bedieningsjournaal.moc"
