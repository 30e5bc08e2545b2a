// A raffle run from the operator's window between series: opened from its file with the
// window's own button (a good file and bad ones), closed again, and taken up again with
// --hervat after the program was killed in the middle of it.
#include "bediening.h"
#include "kindproces.h"

#include "app/bedieningslijst.h"
#include "draw/loterijverloop.h"
#include "journaal/journaalrecord.h"
#include "loterij/loterijlezer.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <set>

namespace {

// The lines of a journal.
QList<QByteArray> regelsVan(const QString& pad) {
    return leesAlles(pad).trimmed().split('\n');
}

// The draws of a journal, in order.
std::vector<Journaalrecord> trekkingen(const QString& pad) {
    std::vector<Journaalrecord> uit;
    for (const QByteArray& regel : regelsVan(pad)) {
        auto r = Journaalrecord::lees(regel);
        if (r && r->soort == Journaalrecord::Soort::Trekking)
            uit.push_back(*r);
    }
    return uit;
}

} // namespace

class TestLoterijbediening : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The operator opens a raffle file with "Loterij openen..." in the middle of an evening of
    // numbers, typing its path into the dialog. A good file clears the list (journaled as a
    // raffle's clearing) and a raffle series begins, is drawn and closed again with "Loterij
    // sluiten"; a bad one is named with its line and reason, over the window and below the
    // button, and the evening goes on as it was: the same list, series and journal.
    void openRaffleFromOperatorWindow_data() {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<int>("regel"); // the line at fault; 0: a good file
        QTest::newRow("good") << QByteArray("soort;naam;kleur;laagste;hoogste\n"
                                            "reeks;Blauw;blauw;1;30\nuit;Blauw;2-5\n"
                                            "prijs;Fles wijn\nprijs;Fiets\n")
                              << 0;
        QTest::newRow("unknown colour")
            << QByteArray("soort;naam;kleur;laagste;hoogste\n# kleuren\n"
                          "reeks;Blauw;paarsblauw;1;9\nprijs;Fiets\n")
            << 3;
        QTest::newRow("out of its set")
            << QByteArray("reeks;Blauw;blauw;1;500\nuit;Blauw;600\nprijs;Fiets\n") << 2;
        QTest::newRow("inverted set")
            << QByteArray("reeks;Blauw;blauw;1;500\nreeks;Roze;roze;9;2\nprijs;Fiets\n") << 2;
    }
    void openRaffleFromOperatorWindow() {
        QFETCH(QByteArray, inhoud);
        QFETCH(int, regel);
        QTemporaryDir bestanden;
        const QString bestand = bestanden.filePath(QStringLiteral("loterij.csv"));
        QVERIFY(schrijfAlles(bestand, inhoud));
        Avond a;
        QVERIFY(QTest::qWaitForWindowActive(a.b.get()));
        Trekking& trekking = a.v.trekking();
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(a.b.get(), Qt::Key_Space);
        kopKlopt(a);
        const QString journaal = a.v.bestand("Trekkingsjournaal.jsonl");
        const QByteArray journaalVoor = leesAlles(journaal);
        const QString toezeggingVoor = trekking.toezegging();
        const QString lijstVoor = trekking.lijst().tekst(0) + u' ' + trekking.lijst().tekst(1);
        auto* prijsNu = a.deel<QLabel>("PrijsNu");
        auto* staat = a.deel<QLabel>("LoterijStaat");
        auto* sluiten = a.deel<QPushButton>("LoterijSluiten");
        QVERIFY(!prijsNu->isVisible() && !sluiten->isVisible());

        Modaal modaal([&](QWidget* venster) {
            if (auto* dialoog = qobject_cast<QFileDialog*>(venster)) {
                auto* naam = dialoog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QTest::keyClicks(naam, bestand);
                QTest::keyClick(naam, Qt::Key_Return);
            } else if (auto* box = qobject_cast<QMessageBox*>(venster)) {
                // A question (closing the raffle) is answered yes.
                box->done(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes
                                                                    : QMessageBox::Ok);
            }
        });
        klik(a.deel<QPushButton>("LoterijOpenen"));
        QCOMPARE(modaal.titels.value(0), QStringLiteral("Loterij openen"));
        if (regel > 0) {
            QTRY_COMPARE(modaal.teksten.size(), 1);
            const QString melding = modaal.teksten[0];
            QVERIFY2(melding.contains(QDir::toNativeSeparators(bestand)) &&
                         melding.contains(QStringLiteral("regel %1: ").arg(regel)),
                     qPrintable(melding));
            QVERIFY(staat->isVisible());
            QCOMPARE(staat->text(), melding);
            // Untouched: the list, the series, the journal; and the evening goes on.
            QCOMPARE(trekking.lijst().tekst(0) + u' ' + trekking.lijst().tekst(1), lijstVoor);
            QCOMPARE(a.b->lijst().aantal(), 2);
            QCOMPARE(trekking.toezegging(), toezeggingVoor);
            QVERIFY(!trekking.loterij() && !prijsNu->isVisible());
            QCOMPARE(leesAlles(journaal), journaalVoor);
            QTest::keyClick(a.b.get(), Qt::Key_Space);
            QCOMPARE(trekking.lijst().aantal(), 3);
            QCOMPARE(trekking.toezegging(), toezeggingVoor);
            a.b->close();
            QCOMPARE(beideCheckers(journaal), 0);
            return;
        }
        QCOMPARE(modaal.teksten.size(), 0);
        QVERIFY(trekking.loterij());
        QVERIFY(trekking.lijst().aantal() == 0 && a.b->lijst().aantal() == 0);
        QVERIFY(trekking.toezegging() != toezeggingVoor);
        QVERIFY2(prijsNu->isVisible() && prijsNu->text().contains("prijs 1 van 2, Fles wijn"),
                 qPrintable(prijsNu->text()));
        QCOMPARE(staat->text(), QStringLiteral("Loterij: loterij.csv"));
        QTest::keyClick(a.b.get(), Qt::Key_Space);
        const QRegularExpression lot(QStringLiteral("^Blauw (1|[6-9]|[12]\\d|30)$"));
        QVERIFY2(lot.match(trekking.lijst().tekst(0)).hasMatch(),
                 qPrintable(trekking.lijst().tekst(0)));
        QVERIFY(prijsNu->text().contains(QStringLiteral("prijs 2 van 2, Fiets")));
        // Back to plain numbers: a new series of the range, its list empty.
        QVERIFY(sluiten->isVisible());
        klik(sluiten);
        QCOMPARE(modaal.titels.last(), QStringLiteral("Loterij sluiten"));
        QVERIFY(!trekking.loterij() && !prijsNu->isVisible() && !sluiten->isVisible());
        QCOMPARE(trekking.lijst().aantal(), 0);
        QTest::keyClick(a.b.get(), Qt::Key_Space);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+$"))
                    .match(trekking.lijst().tekst(0))
                    .hasMatch());
        kopKlopt(a);
        a.b->close();
        QCOMPARE(leesAlles(journaal).count("\"reden\":\"loterij\""), 2);
        QCOMPARE(beideCheckers(journaal), 0);
    }

    // A crash in the middle of a raffle: the program, opened with --loterij, is killed after
    // its third draw. --hervat goes on from the journal alone: the same series and key, the
    // prize up, the list and the winners, the sets' colours and the prize's picture; then a
    // winner absent and two more draws (one in the window, one by the program run again on
    // the state a crash leaves), none a ticket drawn before; both checkers accept the journal.
    void raffleResumesAfterCrash() {
        QTemporaryDir map, bestanden, map2;
        const QString plaatje = bestanden.filePath(QStringLiteral("fiets.png"));
        QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(plaatje));
        const QString bestand = bestanden.filePath(QStringLiteral("loterij.csv"));
        QVERIFY(schrijfAlles(bestand, "reeks;Blauw;blauw;1;12\nreeks;Roze;roze;1;12\n"
                                      "uit;Roze;3-9\nprijs;Bloemen\nprijs;Wijn\nprijs;Taart\n"
                                      "prijs;Mand\nprijs;Fiets;fiets.png\n"));
        const QString journaal = map.filePath(QStringLiteral("Trekkingsjournaal.jsonl"));
        QProcess kind;
        zetOp(kind, map.path(), 0.01, 3, {QStringLiteral("--loterij"), bestand});
        kind.start();
        QVERIFY2(kind.waitForStarted(), qPrintable(kind.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(trekkingen(journaal).size() == 3, 60000);
        kind.kill();
        QVERIFY(kind.waitForFinished());
        const QStringList namen{QStringLiteral("Blauw"), QStringLiteral("Roze")};
        QStringList loten;
        for (const Journaalrecord& r : trekkingen(journaal))
            loten << namen[static_cast<int>(*r.lotenreeks)] + u' ' + QString::number(r.nummer);

        Paden paden;
        paden.programmaMap = paden.gegevensMap = map.path();
        Hoofdvenster w(paden, QSize(1024, 768), true);
        w.pauze().setTijdSchaal(0.01);
        w.algemeen().zetGeluidsuitvoer(false);
        Bedieningsvenster b(w);
        Vensterplaatsing plaatsing(w, &b);
        plaatsing.toon(QGuiApplication::primaryScreen(), QGuiApplication::primaryScreen());
        Trekking& trekking = w.trekking();
        QVERIFY(trekking.loterij());
        QCOMPARE(trekking.lijst().aantal(), 3);
        auto* prijzen = b.findChild<QListWidget*>(QStringLiteral("Prijzenlijst"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(trekking.lijst().tekst(i), loten[i]);
            QVERIFY2(prijzen->item(i)->text().contains(loten[i]), qPrintable(loten[i]));
        }
        auto* prijsNu = b.findChild<QLabel*>(QStringLiteral("PrijsNu"));
        QVERIFY2(prijsNu->isVisible() && prijsNu->text().contains("prijs 4 van 5, Mand"),
                 qPrintable(prijsNu->text()));
        QVERIFY(leesAlles(journaal).contains(trekking.toezeggingVolledig().toLatin1()));
        const Loterij gelezen = *LoterijLezer::lees(bestand).loterij;
        QCOMPARE(trekking.loterij()->loterij().reeksen()[1].kleur, gelezen.reeksen()[1].kleur);
        QCOMPARE(trekking.loterij()->loterij().prijzen()[4].plaatje, gelezen.prijzen()[4].plaatje);
        klik(b.findChild<QPushButton*>(QStringLiteral("NietAanwezig")));
        QVERIFY(prijsNu->text().contains("prijs 3 van 5, Taart"));
        QVERIFY(prijzen->item(2)->text().contains(loten[2] + QStringLiteral(" niet aanwezig")));
        QTest::keyClick(&b, Qt::Key_Space);
        QCOMPARE(trekking.lijst().aantal(), 4);
        QVERIFY(!loten.contains(trekking.lijst().tekst(3)));
        // What a crash leaves: every record on the disk, the key in its file.
        QTRY_VERIFY(
            QCryptographicHash::hash(regelsVan(journaal).constLast(), QCryptographicHash::Sha256)
                .toHex()
                .startsWith(trekking.ketenKop().remove(u' ').toLatin1()));
        // The list is replaced on its own thread through a passing ".nieuw" file: one listed
        // here may be gone by the time it is copied.
        for (const QString& naam : QDir(map.path()).entryList(QDir::Files))
            QVERIFY2(
                QFile::copy(map.filePath(naam), map2.filePath(naam)) ||
                    (naam.endsWith(QStringLiteral(".nieuw")) && !QFile::exists(map.filePath(naam))),
                qPrintable(naam));

        QProcess verder;
        zetOp(verder, map2.path(), 0.01, 1, {QStringLiteral("--hervat")});
        verder.start();
        const QString journaal2 = map2.filePath(QStringLiteral("Trekkingsjournaal.jsonl"));
        QTRY_VERIFY_WITH_TIMEOUT(trekkingen(journaal2).size() == 5, 60000);
        verder.terminate();
        QVERIFY(verder.waitForFinished(60000));
        QCOMPARE(verder.exitCode(), 0);
        std::set<std::pair<qint64, qint32>> gezien;
        for (const Journaalrecord& r : trekkingen(journaal2)) {
            QCOMPARE(r.reeks, qint64{1});
            QVERIFY(gezien.insert({*r.lotenreeks, r.nummer}).second);
        }
        QCOMPARE(trekkingen(journaal2).back().prijs, qint64{3});
        QCOMPARE(leesAlles(journaal2).count("\"soort\":\"hervat\""), 2);
        const QString csv = bestanden.filePath(QStringLiteral("winnaars.csv"));
        QCOMPARE(draai(programma(), {QStringLiteral("--winnaars"), journaal2, csv}), 0);
        QVERIFY(leesAlles(csv).contains(";niet aanwezig"));
        QCOMPARE(beideCheckers(journaal2), 0);
    }
};

QTEST_MAIN(TestLoterijbediening)
#include "test_loterijbediening.moc"
