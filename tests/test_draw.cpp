#include "common/picturebutton.h"
#include "draw/resultpanel.h"
#include "draw/rollerlogic.h"
#include "draw/rollerwidget.h"
#include "widgettest.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray bereik(int laagste, int hoogste, const QByteArray& kleur = "255,255,190") {
    return "\"k\"\r\n\"k\"\r\n#FALSE#\r\n\"r\"\r\n" + kleur + "\r\n\"\"\r\n4\r\n" +
           QByteArray::number(laagste) + "," + QByteArray::number(hoogste) + "\r\n\"T\"\r\n";
}

bool allesAan(Hoofdvenster& w) {
    bool aan = w.pijlLinks()->isEnabled() && w.pijlRechts()->isEnabled();
    for (int i = 0; i < 4; ++i)
        aan = aan && w.knop(i)->isEnabled();
    return aan;
}

bool allesUit(Hoofdvenster& w) {
    bool uit = !w.pijlLinks()->isEnabled() && !w.pijlRechts()->isEnabled();
    for (int i = 0; i < 4; ++i)
        uit = uit && !w.knop(i)->isEnabled();
    return uit;
}

void spatie(Hoofdvenster& w) {
    QTest::keyRelease(w.nummerVak(), Qt::Key_Space);
}

} // namespace

class TestDraw : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeDrawByArrow() {
        Opstelling o(bereik(1, 9999));
        auto& w = *o.venster;
        auto& t = o.toestand;
        w.show();
        bool uitTijdensTrekking = false;
        QString tellerTijdens;
        QTimer peiler;
        connect(&peiler, &QTimer::timeout, [&] {
            if (w.rolTimer(0).isActive()) {
                uitTijdensTrekking = allesUit(w);
                tellerTijdens = w.teller()->text();
            }
        });
        peiler.start(1);
        QTest::mouseClick(w.pijlLinks(), Qt::LeftButton);
        peiler.stop();
        QVERIFY(uitTijdensTrekking);
        QCOMPARE(tellerTijdens, QString("1/9999"));
        QVERIFY(allesAan(w));
        QCOMPARE(t.lijst.aantal(), 1);
        const qint32 nummer = t.lijst.nummer(0);
        QVERIFY(nummer >= 1 && nummer <= 9999);
        QCOMPARE(t.NummerTekst, QString::number(nummer));
        for (int n = 0; n < 4; ++n)
            QVERIFY(!w.rolTimer(n).isActive());
        // Each roller shows exactly the cell of its digit.
        const auto cijfers = splitsCijfers(QString::number(nummer), {0, 0, 0, 0});
        for (int n = 0; n < 4; ++n) {
            const int y = stopPositie(cijfers[static_cast<std::size_t>(n)], 0);
            const QImage getoond = w.rol(n)->beeld().copy(0, 0, 150, 202);
            const QImage cel =
                w.strook(0).convertToFormat(QImage::Format_RGB32).copy(0, y, 150, 202);
            QCOMPARE(getoond, cel);
        }
        // The list file follows every number.
        QCOMPARE(leesAlles(o.map.filePath("Lijstnummers.txt")),
                 QByteArray::number(nummer) + "\r\n");
        // Sounds: the start, then a stop after each roller, the last after the listing.
        const QStringList gespeeld = w.algemeen().gespeeld();
        QCOMPARE(gespeeld.size(), 5);
        QVERIFY(gespeeld[0].endsWith("/Sounds/start.wav"));
        for (int i = 1; i < 5; ++i)
            QVERIFY(gespeeld[i].endsWith("/Sounds/stop.wav"));
    }

    void printedResultInTheResultColour() {
        Opstelling o(bereik(7, 7, "10,200,90"));
        auto& w = *o.venster;
        w.show();
        spatie(w);
        QCOMPARE(o.toestand.lijst.aantal(), 1);
        QCOMPARE(o.toestand.Cijfer, (std::array<int, 4>{0, 0, 0, 7}));
        const QImage& paneel = w.nummerVak()->beeld();
        const QRgb kleur = qRgb(10, 200, 90);
        int gekleurd = 0, meestLinks = 536;
        for (int y = 10; y < 170; ++y) {
            for (int x = 10; x < 526; ++x) {
                if (paneel.pixel(x, y) == kleur) {
                    ++gekleurd;
                    meestLinks = std::min(meestLinks, x);
                }
            }
        }
        QVERIFY(gekleurd > 1000);
        QVERIFY2(meestLinks >= 224 && meestLinks < 224 + 40,
                 qPrintable(QString::number(meestLinks)));
        QCOMPARE(o.toestand.TekstX, 220);
    }

    void rangeOfTenThenExhaustion() {
        Opstelling o(bereik(1, 10));
        auto& w = *o.venster;
        auto& t = o.toestand;
        w.show();
        for (int i = 0; i < 10; ++i)
            spatie(w);
        QCOMPARE(t.lijst.aantal(), 10);
        std::vector<qint32> gezien = t.lijst.nummers();
        std::sort(gezien.begin(), gezien.end());
        for (int i = 0; i < 10; ++i)
            QCOMPARE(gezien[static_cast<std::size_t>(i)], i + 1);

        ModaalBeantwoorder antwoord;
        QString tellerBijBericht;
        spatie(w);
        QCOMPARE(antwoord.titels, QStringList{" Nieuw"});
        QCOMPARE(antwoord.teksten,
                 QStringList{"Alle getallen zijn getrokken,\nde lijst wordt nu leeg gemaakt!"});
        QCOMPARE(w.teller()->text(), QString("11/10"));
        QCOMPARE(t.lijst.aantal(), 1);
        QVERIFY(t.lijst.nummer(0) >= 1 && t.lijst.nummer(0) <= 10);
    }

    void singleNumberRangeAndEntriesOutsideTheRange() {
        Opstelling o(bereik(5, 5));
        auto& w = *o.venster;
        auto& t = o.toestand;
        w.show();
        ModaalBeantwoorder antwoord;
        spatie(w);
        QVERIFY(antwoord.titels.isEmpty());
        spatie(w);
        QCOMPARE(antwoord.titels.size(), 1);
        QCOMPARE(t.lijst.nummers(), std::vector<qint32>{5});

        // Only the lowest number changed: 5 stays in the list but no longer counts.
        t.inst.LaagsteNummer = 6;
        t.inst.HoogsteNummer = 7;
        spatie(w);
        spatie(w);
        QCOMPARE(antwoord.titels.size(), 1);
        QCOMPARE(t.lijst.aantal(), 3);
        spatie(w);
        QCOMPARE(antwoord.titels.size(), 2);
        QCOMPARE(t.lijst.aantal(), 1);
    }

    void spaceDuringADrawIsIgnored() {
        Opstelling o(bereik(1, 9999));
        auto& w = *o.venster;
        w.show();
        int gestuurd = 0;
        QTimer storing;
        connect(&storing, &QTimer::timeout, [&] {
            if (w.rolTimer(1).isActive() && gestuurd < 5) {
                ++gestuurd;
                spatie(w);
                QTest::mouseClick(w.pijlRechts(), Qt::LeftButton);
                QTest::mouseClick(w.knop(2), Qt::LeftButton);
            }
        });
        storing.start(2);
        spatie(w);
        storing.stop();
        QVERIFY(gestuurd > 0);
        QCOMPARE(o.toestand.lijst.aantal(), 1);
        QCOMPARE(o.toestand.AantalTrekkingen, 1);
        QVERIFY(o.toestand.GeluidAan); // the disabled sound button took no click
        // Another key than space starts nothing.
        QTest::keyRelease(w.nummerVak(), Qt::Key_Return);
        QCOMPARE(o.toestand.AantalTrekkingen, 1);
    }

    void clickOnTheOtherArrowDuringThePressRunsTwoDrawsInTurn() {
        Opstelling o(bereik(1, 9999));
        auto& w = *o.venster;
        w.show();
        QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.pijlRechts(), Qt::LeftButton); });
        QTest::mouseClick(w.pijlLinks(), Qt::LeftButton);
        QCOMPARE(o.toestand.lijst.aantal(), 2);
        QCOMPARE(w.pijlLinks()->pos(), QPoint(152, 520));
        QCOMPARE(w.pijlRechts()->pos(), QPoint(798, 520));
        QVERIFY(allesAan(w));
    }

    void closingDuringADrawListsNothingMore() {
        Opstelling o(bereik(1, 9999));
        auto& w = *o.venster;
        auto& t = o.toestand;
        w.show();
        spatie(w);
        QCOMPARE(t.lijst.aantal(), 1);
        const QByteArray naEen = leesAlles(o.map.filePath("Lijstnummers.txt"));
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        QTimer::singleShot(60, &w, [&] { w.close(); }); // while the rollers spin
        spatie(w);
        QCOMPARE(klaar.size(), 1);
        QCOMPARE(t.lijst.aantal(), 1);
        QCOMPARE(leesAlles(o.map.filePath("Lijstnummers.txt")), naEen);
        QVERIFY(QFile::exists(o.map.filePath("Quintaro.ini")));
        for (int n = 0; n < 4; ++n)
            QVERIFY(!w.rolTimer(n).isActive());
    }

    void closingWhileTheExhaustionMessageIsOpen() {
        Opstelling o(bereik(3, 3));
        auto& w = *o.venster;
        auto& t = o.toestand;
        w.show();
        spatie(w);
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        ModaalBeantwoorder sluiter([&](QWidget*) { w.close(); });
        spatie(w);
        QCOMPARE(klaar.size(), 1);
        QCOMPARE(t.lijst.nummers(), std::vector<qint32>{3}); // not cleared, nothing added
        QCOMPARE(leesAlles(o.map.filePath("Lijstnummers.txt")), QByteArray("3\r\n"));
    }

    void pictureModeScoresAndRepeats() {
        Opstelling o(bereik(1, 9999));
        auto& w = *o.venster;
        auto& t = o.toestand;
        w.show();
        t.lijst.voegToe(42);
        w.kiesRolSoort(1);
        QCOMPARE(t.lijst.aantal(), 0);
        QCOMPARE(w.teller()->text(), QString("0"));
        QCOMPARE(t.inst.LaagsteNummer, 100);
        QCOMPARE(t.inst.HoogsteNummer, 900);
        const QImage tabelVoor = w.nummerVak()->beeld();
        t.inst.LaagsteNummer = 777;
        t.inst.HoogsteNummer = 777;
        ModaalBeantwoorder antwoord;
        spatie(w);
        spatie(w);
        QVERIFY(antwoord.titels.isEmpty()); // repeats allowed, no exhaustion
        QCOMPARE(t.lijst.nummers(), (std::vector<qint32>{777, 777}));
        QCOMPARE(t.TotaalScore, 1400);
        QCOMPARE(w.teller()->text(), QString("1400"));
        QCOMPARE(w.nummerVak()->beeld(), tabelVoor); // the prize table stays
        // The rollers stop on peaches: cell 7 of the picture strip.
        const QImage cel =
            w.strook(1).convertToFormat(QImage::Format_RGB32).copy(0, 1414, 150, 202);
        QCOMPARE(w.rol(3)->beeld().copy(0, 0, 150, 202), cel);
        QCOMPARE(w.rol(0)->beeld().copy(0, 0, 150, 202),
                 w.strook(1).convertToFormat(QImage::Format_RGB32).copy(0, 2020, 150, 202));

        w.kiesRolSoort(0);
        QCOMPARE(w.teller()->text(), QString("0/9999"));
        QCOMPARE(t.lijst.aantal(), 0);
        QCOMPARE(t.TotaalScore, 1400); // the digit switch leaves the score
    }

    void soundOffKeepsTheTiming() {
        Opstelling o(bereik(1, 9999));
        auto& w = *o.venster;
        w.show();
        o.toestand.GeluidAan = false;
        spatie(w);
        QVERIFY(w.algemeen().gespeeld().isEmpty());
        QCOMPARE(o.toestand.lijst.aantal(), 1);
    }

    void rollersSpinWhileWaiting() {
        Opstelling o(bereik(1, 9999));
        auto& w = *o.venster;
        w.show();
        // The tick paints the strip at the offset, then moves it on.
        o.toestand.RolPositie[2] = 2100;
        w.rolTimer(2).start();
        QTRY_VERIFY(o.toestand.RolPositie[2] != 2100);
        w.rolTimer(2).stop();
        QVERIFY(o.toestand.RolPositie[2] % 20 == 0);
    }
};

QTEST_MAIN(TestDraw)
#include "test_draw.moc"
