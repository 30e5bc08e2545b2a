#include "common/algemeen.h"
#include "draw/panel.h"
#include "draw/rollogica.h"
#include "draw/trekking.h"
#include "schijf/schijf.h"
#include "venster.h"

#include <QFileInfo>
#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <array>
#include <atomic>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The journal's size at its last flush, as the flush hook sees it.
QByteArray g_journaal;
std::atomic<qint64> g_opSchijf{-1};

void neemFlushWaar(int fd) {
    char doel[4096];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(link.constData(), doel, sizeof doel);
    struct stat info;
    if (n > 0 && QByteArray(doel, n) == g_journaal && ::fstat(fd, &info) == 0)
        g_opSchijf.store(info.st_size);
}

QByteArray bereik(int laagste, int hoogste, const QByteArray& kleur = "255,255,190") {
    return "\"k\"\r\n\"k\"\r\n#FALSE#\r\n\"r\"\r\n" + kleur + "\r\n\"\"\r\n4\r\n" +
           QByteArray::number(laagste) + "," + QByteArray::number(hoogste) + "\r\n\"T\"\r\n";
}

bool allesAan(const Venster& o) {
    bool aan = o.kind("ArrowLeft")->isEnabled() && o.kind("ArrowRight")->isEnabled();
    for (int i = 0; i < 4; ++i)
        aan = aan && o.kind(QStringLiteral("Knop%1").arg(i))->isEnabled();
    return aan;
}

bool allesUit(const Venster& o) {
    bool uit = !o.kind("ArrowLeft")->isEnabled() && !o.kind("ArrowRight")->isEnabled();
    for (int i = 0; i < 4; ++i)
        uit = uit && !o.kind(QStringLiteral("Knop%1").arg(i))->isEnabled();
    return uit;
}

void spatie(const Venster& o) {
    QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Space);
}

QString teller(const Venster& o) {
    return o.kind<QLabel>("Label1")->text();
}

// The strips the rollers show: 0 = digits, 1 = pictures.
QImage strook(int soort) {
    return QImage(soort ? QStringLiteral(":/images/strip_fruits.png")
                        : QStringLiteral(":/images/strip_digits.png"))
        .convertToFormat(QImage::Format_RGB32);
}

// The standing cell of a roller (its top 202 rows).
QImage cel(const Venster& o, int n) {
    return o.trekking().rolBeeld(n).copy(0, 0, 150, 202);
}

// The strip offset, a multiple of 20, whose rows the roller's top 200 rows show; -1 when none.
int spinPositie(const QImage& rol, const QImage& strip) {
    for (int y = 0; y < strip.height(); y += 20) {
        const int rijen = std::min(200, strip.height() - y);
        if (rol.copy(0, 0, 150, rijen) == strip.copy(0, y, 150, rijen))
            return y;
    }
    return -1;
}

} // namespace

class TestDraw : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeDrawByArrow() {
        Venster o(bereik(1, 9999));
        o.w->show();
        bool uitTijdensTrekking = false;
        QString tellerTijdens;
        QTimer peiler;
        connect(&peiler, &QTimer::timeout, [&] {
            if (o.trekking().rolDraait(0)) {
                uitTijdensTrekking = allesUit(o);
                tellerTijdens = teller(o);
            }
        });
        QSignalSpy getrokken(&o.trekking(), &Trekking::nummerGetrokken);
        peiler.start(1);
        QTest::mouseClick(o.kind("ArrowLeft"), Qt::LeftButton);
        peiler.stop();
        QVERIFY(uitTijdensTrekking);
        QCOMPARE(tellerTijdens, QString("1/9999"));
        QVERIFY(allesAan(o));
        const GetrokkenLijst& lijst = o.trekking().lijst();
        QCOMPARE(lijst.aantal(), 1);
        const qint32 nummer = lijst.nummer(0);
        QVERIFY(nummer >= 1 && nummer <= 9999);
        QCOMPARE(getrokken.size(), 1);
        QCOMPARE(getrokken[0][0].value<qint32>(), nummer);
        for (int n = 0; n < 4; ++n)
            QVERIFY(!o.trekking().rolDraait(n));
        // Each roller shows exactly the cell of its digit.
        const auto cijfers = splitsCijfers(QString::number(nummer), 4);
        for (int n = 0; n < 4; ++n) {
            const int y = stopPositie(cijfers[static_cast<std::size_t>(n)], 0);
            QCOMPARE(cel(o, n), strook(0).copy(0, y, 150, 202));
        }
        // The list file follows every number (written on its own thread).
        QTRY_COMPARE(leesAlles(o.bestand("Lijstnummers.txt")), QByteArray::number(nummer) + "\r\n");
        // Sounds: the start, then a stop after each roller, the last after the listing.
        const QStringList gespeeld = o.algemeen().gespeeld();
        QCOMPARE(gespeeld.size(), 5);
        QVERIFY(gespeeld[0].endsWith("/Sounds/start.wav"));
        for (int i = 1; i < 5; ++i)
            QVERIFY(gespeeld[i].endsWith("/Sounds/stop.wav"));
    }

    void printedResultInTheResultColour() {
        Venster o(bereik(7, 7, "10,200,90"));
        o.w->show();
        spatie(o);
        QCOMPARE(o.trekking().lijst().aantal(), 1);
        // The rollers stop on 0, 0, 0, 7.
        const std::array<int, 4> cijfers{0, 0, 0, 7};
        for (int n = 0; n < 4; ++n)
            QCOMPARE(
                cel(o, n),
                strook(0).copy(0, stopPositie(cijfers[static_cast<std::size_t>(n)], 0), 150, 202));
        const QImage& paneel = o.trekking().nummerBeeld();
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
        // One digit is printed from x = 220 on the clean panel.
        QImage verwacht = nieuwNummerPaneel();
        MaakNummerSchoon(verwacht);
        drukNummer(verwacht, QStringLiteral("7"), 220, QColor(kleur));
        QCOMPARE(paneel, verwacht);
    }

    void rangeOfTenThenExhaustion() {
        Venster o(bereik(1, 10));
        o.w->show();
        const GetrokkenLijst& lijst = o.trekking().lijst();
        for (int i = 0; i < 10; ++i)
            spatie(o);
        QCOMPARE(lijst.aantal(), 10);
        std::vector<qint32> gezien = lijst.nummers();
        std::sort(gezien.begin(), gezien.end());
        for (int i = 0; i < 10; ++i)
            QCOMPARE(gezien[static_cast<std::size_t>(i)], i + 1);

        Modaal antwoord;
        spatie(o);
        QCOMPARE(antwoord.titels, QStringList{" Nieuw"});
        QCOMPARE(antwoord.teksten,
                 QStringList{"Alle getallen zijn getrokken,\nde lijst wordt nu leeg gemaakt!"});
        QCOMPARE(teller(o), QString("11/10"));
        QCOMPARE(lijst.aantal(), 1);
        QVERIFY(lijst.nummer(0) >= 1 && lijst.nummer(0) <= 10);
    }

    void singleNumberRangeAndEntriesOutsideTheRange() {
        Venster o(bereik(5, 5));
        o.w->show();
        const GetrokkenLijst& lijst = o.trekking().lijst();
        Modaal antwoord;
        spatie(o);
        QVERIFY(antwoord.titels.isEmpty());
        spatie(o);
        QCOMPARE(antwoord.titels.size(), 1);
        QCOMPARE(lijst.nummers(), std::vector<qint32>{5});

        // A new range without a new series: 5 stays in the list but no longer counts.
        o.instellingen().zetBereik(6, 7);
        spatie(o);
        spatie(o);
        QCOMPARE(antwoord.titels.size(), 1);
        QCOMPARE(lijst.aantal(), 3);
        spatie(o);
        QCOMPARE(antwoord.titels.size(), 2);
        QCOMPARE(lijst.aantal(), 1);
    }

    void spaceDuringADrawIsIgnored() {
        Venster o(bereik(1, 9999));
        o.w->show();
        int gestuurd = 0;
        QTimer storing;
        connect(&storing, &QTimer::timeout, [&] {
            if (o.trekking().rolDraait(1) && gestuurd < 5) {
                ++gestuurd;
                spatie(o);
                QTest::mouseClick(o.kind("ArrowRight"), Qt::LeftButton);
                QTest::mouseClick(o.kind("Knop2"), Qt::LeftButton);
            }
        });
        storing.start(2);
        spatie(o);
        storing.stop();
        QVERIFY(gestuurd > 0);
        QCOMPARE(o.trekking().lijst().aantal(), 1);
        QCOMPARE(o.trekking().aantalTrekkingen(), 1);
        QVERIFY(o.algemeen().geluidAan()); // the disabled sound button took no click
        // Another key than space starts nothing.
        QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Return);
        QCOMPARE(o.trekking().aantalTrekkingen(), 1);
    }

    void clickOnTheOtherArrowDuringThePressRunsTwoDrawsInTurn() {
        Venster o(bereik(1, 9999));
        o.w->show();
        QWidget* links = o.kind("ArrowLeft");
        QWidget* rechts = o.kind("ArrowRight");
        QTimer::singleShot(0, o.w.get(), [&] { QTest::mouseClick(rechts, Qt::LeftButton); });
        QTest::mouseClick(links, Qt::LeftButton);
        QCOMPARE(o.trekking().lijst().aantal(), 2);
        QCOMPARE(links->pos(), QPoint(152, 520));
        QCOMPARE(rechts->pos(), QPoint(798, 520));
        QVERIFY(allesAan(o));
    }

    void closingDuringADrawListsNothingMore() {
        Venster o(bereik(1, 9999));
        Hoofdvenster& w = *o.w;
        w.show();
        spatie(o);
        QCOMPARE(o.trekking().lijst().aantal(), 1);
        QTRY_COMPARE(leesAlles(o.bestand("Lijstnummers.txt")).count('\n'), 1);
        const QByteArray naEen = leesAlles(o.bestand("Lijstnummers.txt"));
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        QTimer::singleShot(60, &w, [&] { w.close(); }); // while the rollers spin
        spatie(o);
        QCOMPARE(klaar.size(), 1);
        QCOMPARE(o.trekking().lijst().aantal(), 1);
        QCOMPARE(leesAlles(o.bestand("Lijstnummers.txt")), naEen);
        QVERIFY(QFile::exists(o.bestand("Quintaro.ini")));
        for (int n = 0; n < 4; ++n)
            QVERIFY(!o.trekking().rolDraait(n));
    }

    void closingWhileTheExhaustionMessageIsOpen() {
        Venster o(bereik(3, 3));
        Hoofdvenster& w = *o.w;
        w.show();
        spatie(o);
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        Modaal sluiter([&](QWidget*) { w.close(); });
        spatie(o);
        QCOMPARE(klaar.size(), 1);
        QCOMPARE(o.trekking().lijst().nummers(),
                 std::vector<qint32>{3}); // not cleared, nothing added
        QCOMPARE(leesAlles(o.bestand("Lijstnummers.txt")), QByteArray("3\r\n"));
    }

    void pictureModeScoresAndRepeats() {
        Venster o(bereik(1, 9999));
        o.w->show();
        Trekking& t = o.trekking();
        t.lijst().voegToe(42);
        o.instellingen().kiesRolSoort(1);
        QCOMPARE(t.lijst().aantal(), 0);
        QCOMPARE(teller(o), QString("0"));
        QCOMPARE(o.inst().LaagsteNummer, 100);
        QCOMPARE(o.inst().HoogsteNummer, 900);
        const QImage tabelVoor = t.nummerBeeld();
        o.instellingen().zetBereik(777, 777);
        Modaal antwoord;
        spatie(o);
        spatie(o);
        QVERIFY(antwoord.titels.isEmpty()); // repeats allowed, no exhaustion
        QCOMPARE(t.lijst().nummers(), (std::vector<qint32>{777, 777}));
        QCOMPARE(t.totaalScore(), 1400);
        QCOMPARE(teller(o), QString("1400"));
        QCOMPARE(t.nummerBeeld(), tabelVoor); // the prize table stays
        // The rollers stop on peaches: cell 7 of the picture strip.
        QCOMPARE(cel(o, 3), strook(1).copy(0, 1414, 150, 202));
        QCOMPARE(cel(o, 0), strook(1).copy(0, 2020, 150, 202));

        o.instellingen().kiesRolSoort(0);
        QCOMPARE(teller(o), QString("0/9999"));
        QCOMPARE(t.lijst().aantal(), 0);
        QCOMPARE(t.totaalScore(), 1400); // the digit switch leaves the score
    }

    void soundOffKeepsTheTiming() {
        Venster o(bereik(1, 9999));
        o.w->show();
        o.algemeen().zetGeluidAan(false);
        spatie(o);
        QVERIFY(o.algemeen().gespeeld().isEmpty());
        QCOMPARE(o.trekking().lijst().aantal(), 1);
    }

    // Each draw's record is on the disk before the first roller stops on the number, though
    // every flush takes longer than the rollers spin.
    void recordOnTheDiskBeforeTheNumberShows() {
        Venster o(bereik(1, 9999));
        o.w->show();
        g_journaal =
            QFile::encodeName(QFileInfo(o.bestand("Trekkingsjournaal.jsonl")).canonicalFilePath());
        g_opSchijf = -1;
        Schijf::zetSyncWaarnemer(&neemFlushWaar);
        Schijf::zetSyncVertraging(300);
        QList<bool> opTijd;
        connect(&o.trekking(), &Trekking::rolGestopt, this, [&](int n) {
            if (n != 0)
                return;
            const QByteArray inhoud = leesAlles(o.bestand("Trekkingsjournaal.jsonl"));
            const qsizetype regel = inhoud.lastIndexOf("{\"soort\":\"trekking\"");
            opTijd.append(regel >= 0 && g_opSchijf.load() >= inhoud.indexOf('\n', regel) + 1);
        });
        spatie(o);
        spatie(o);
        Schijf::zetSyncVertraging(0);
        Schijf::zetSyncWaarnemer(nullptr);
        QCOMPARE(opTijd, (QList<bool>{true, true}));
        QCOMPARE(o.trekking().lijst().aantal(), 2);
    }

    void rollersSpinWhileWaiting() {
        Venster o(bereik(1, 9999));
        o.w->show();
        // Each tick paints the strip at the roller's offset, then moves it on by 20 rows.
        const QImage strip = strook(0);
        QList<int> posities;
        connect(&o.trekking(), &Trekking::rolBijgewerkt, this, [&](int n) {
            if (n == 2 && o.trekking().rolDraait(2))
                posities.append(spinPositie(o.trekking().rolBeeld(2), strip));
        });
        spatie(o);
        QVERIFY2(posities.size() >= 2, qPrintable(QString::number(posities.size())));
        QVERIFY2(!posities.contains(-1), qPrintable(QString::number(posities.indexOf(-1))));
        QVERIFY(QSet<int>(posities.begin(), posities.end()).size() >= 2);
    }
};

QTEST_MAIN(TestDraw)
#include "test_draw.moc"
