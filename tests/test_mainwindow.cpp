#include "app/zaal.h"
#include "common/klok.h"
#include "common/plaatjesknop.h"
#include "draw/startbediening.h"
#include "venster.h"

#include <QImage>
#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

const QByteArray kInstellingen =
    "\"Brevane Software 2012\"\r\n\"--------------------------\"\r\n"
    "#FALSE#\r\n\"r\"\r\n255,0,0\r\n\"BG\"\r\n4\r\n1,500\r\n\"Grote Loterij\"\r\n";

QByteArray metAchtergrond(const QString& pad) {
    QByteArray b = kInstellingen;
    b.replace("\"BG\"", "\"" + pad.toLocal8Bit() + "\"");
    return b;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startWithoutSettingsFile() {
        Venster o;
        auto& w = *o.w;
        QVERIFY(!w.instellingenGelezen());
        // The range is the default one, 1 to 9999, as the operator's window counts it too.
        QCOMPARE(o.kind<QLabel>("Label1")->text(), QString("0/9999"));
        QCOMPARE(o.kind<QLabel>("Logo1")->text(), QString("Quintaro"));
        // The default picture is not in this directory: the plain colour shows.
        w.show();
        QCOMPARE(QColor(w.grab().toImage().pixel(5, 5)), QColor(30, 30, 50));
        QVERIFY(leesAlles(o.map.filePath("Quintaro.ini")).startsWith("\"Brevane Software 2012\""));
    }

    void settingsAppliedAtStart() {
        QTemporaryDir plaatjes;
        QImage beeld(64, 32, QImage::Format_RGB32);
        beeld.fill(QColor(10, 200, 30));
        const QString pad = plaatjes.filePath("achter.jpg");
        QVERIFY(beeld.save(pad, "JPG"));
        Venster o(metAchtergrond(pad));
        auto& w = *o.w;
        QVERIFY(w.instellingenGelezen());
        QCOMPARE(o.kind<QLabel>("Label1")->text(), QString("0/500"));
        QCOMPARE(o.kind<QLabel>("Logo1")->text(), QString("Grote Loterij"));
        QCOMPARE(o.kind<QLabel>("Logo2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        w.show();
        const QColor achter(w.grab().toImage().pixel(5, 5));
        QVERIFY2(qAbs(achter.green() - 200) < 20 && achter.red() < 40, qPrintable(achter.name()));
        // Both titles are centred, the coloured one 4 pixels to the left.
        const int midden1 = o.kind<QLabel>("Logo1")->x() + o.kind<QLabel>("Logo1")->width() / 2;
        QVERIFY(qAbs(midden1 - 512) <= 1);
        QCOMPARE(o.kind<QLabel>("Logo2")->x(), o.kind<QLabel>("Logo1")->x() - 4);
        QCOMPARE(o.kind<QLabel>("Logo1")->y(), 54);
        QCOMPARE(o.kind<QLabel>("Logo2")->y(), 58);
    }

    void brokenBackgroundShowsPlainColour() {
        QTemporaryDir plaatjes;
        const QString pad = plaatjes.filePath("kapot.jpg");
        {
            QFile f(pad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("dit is geen plaatje");
        }
        Venster o(metAchtergrond(pad));
        auto& w = *o.w;
        // The later start-up steps still ran.
        QCOMPARE(o.kind<QLabel>("Label1")->text(), QString("0/500"));
        QCOMPARE(o.kind<QLabel>("Logo1")->text(), QString("Grote Loterij"));
        w.show();
        const QImage beeld = w.grab().toImage();
        QCOMPARE(QColor(beeld.pixel(5, 5)), QColor(30, 30, 50));
    }

    void layoutOnTheScreen() {
        Venster o;
        auto& w = *o.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const std::array<int, 4> links{172, 352, 532, 712};
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(o.kind(QStringLiteral("Pic%1").arg(n + 1))->geometry(),
                     QRect(links[static_cast<std::size_t>(n)], 220, 150, 207));
        }
        QCOMPARE(o.kind("NummerPic")->geometry(), QRect(244, 460, 536, 180));
        QCOMPARE(o.kind("ArrowLeft")->geometry(), QRect(152, 520, 72, 72));
        QCOMPARE(o.kind("ArrowRight")->geometry(), QRect(798, 520, 72, 72));
        QCOMPARE(o.kind("KnopPic")->geometry(), QRect(0, 688, 1024, 80));
        QCOMPARE(o.kind("Knop2")->pos(), QPoint(150, 23));
        QCOMPARE(o.kind("ExitKnop")->pos(), QPoint(964, 23));
        QCOMPARE(o.kind("KlokLabel")->pos(), QPoint(839, 38));
        QCOMPARE(o.kind("List1")->geometry(), QRect(366, 30, 202, 34));
        QCOMPARE(o.kind<QLabel>("Label1")->pos(), QPoint(590, 28));

        const QImage beeld = w.grab().toImage();
        // Rollers show the top of the digit strip; frames around them: 3 black, 3 white.
        QCOMPARE(beeld.pixel(172 + 2, 220 + 2), QImage(":/images/strip_digits.png").pixel(2, 2));
        QCOMPARE(QColor(beeld.pixel(172 - 1, 300)), QColor(Qt::black));
        QCOMPARE(QColor(beeld.pixel(172 - 3, 300)), QColor(Qt::black));
        QCOMPARE(QColor(beeld.pixel(172 - 4, 300)), QColor(Qt::white));
        QCOMPARE(QColor(beeld.pixel(172 - 6, 300)), QColor(Qt::white));
        QCOMPARE(QColor(beeld.pixel(172 + 150 + 2, 300)), QColor(Qt::black));
        QCOMPARE(QColor(beeld.pixel(172 + 150 + 4, 300)), QColor(Qt::white));
        // The result panel in its digit look.
        QCOMPARE(QColor(beeld.pixel(244, 460)), QColor(0, 0, 0));
        QCOMPARE(QColor(beeld.pixel(244 + 15, 460 + 15)), QColor(150, 150, 150));
        QCOMPARE(QColor(beeld.pixel(244 + 519, 460 + 159)), QColor(150, 150, 150));
        // The bottom bar: stripe, dot texture and list frame.
        QCOMPARE(QColor(beeld.pixel(700, 688)), QColor(180, 180, 180));
        QCOMPARE(QColor(beeld.pixel(300, 688 + 10)), QColor(20, 20, 50));
        QCOMPARE(QColor(beeld.pixel(301, 688 + 10)), QColor(80, 80, 100));
        QCOMPARE(QColor(beeld.pixel(364, 688 + 28)), QColor(170, 170, 170));
    }

    void repaintKeepsThePanels() {
        Venster o;
        auto& w = *o.w;
        w.show();
        QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Space);
        QCOMPARE(o.trekking().lijst().aantal(), qsizetype{1});
        const QImage voor = o.kind("NummerPic")->grab().toImage();
        const QImage rol = o.kind("Pic4")->grab().toImage();
        w.hide();
        w.show();
        w.update();
        QCOMPARE(o.kind("NummerPic")->grab().toImage(), voor);
        QCOMPARE(o.kind("Pic4")->grab().toImage(), rol);
    }

    void focusGoesToTheResultPanel() {
        Venster o;
        auto& w = *o.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_VERIFY(o.kind("NummerPic")->hasFocus());
        o.kind("ArrowLeft")->setFocusPolicy(Qt::StrongFocus);
        o.kind("ArrowLeft")->setFocus();
        QVERIFY(!o.kind("NummerPic")->hasFocus());
        QTest::mouseMove(o.kind("Pic3"), QPoint(20, 20));
        QTRY_VERIFY(o.kind("NummerPic")->hasFocus());
        o.kind("ArrowLeft")->setFocus();
        QTest::mouseClick(o.kind("KnopPic"), Qt::LeftButton, {}, QPoint(700, 40));
        QVERIFY(o.kind("NummerPic")->hasFocus());
    }

    void closingWritesBothFiles() {
        Venster o;
        auto& w = *o.w;
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        o.trekking().lijst().voegToe(17);
        o.trekking().lijst().voegToe(4);
        o.trekking().lijst().voegToe(250);
        o.instellingen().zetTitel("Na");
        w.show();
        w.close();
        QCOMPARE(klaar.size(), 1);
        QCOMPARE(leesAlles(o.map.filePath("Lijstnummers.txt")), QByteArray("17\r\n4\r\n250\r\n"));
        QVERIFY(leesAlles(o.map.filePath("Quintaro.ini")).endsWith("\"Na\"\r\n"));
    }

    void exitButtonClosesAfterItsAnimation() {
        Venster o;
        auto& w = *o.w;
        w.show();
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        QPoint gezien;
        QTimer::singleShot(0, &w, [&] { gezien = o.kind("ExitKnop")->pos(); });
        QTest::mouseClick(o.kind("ExitKnop"), Qt::LeftButton);
        QCOMPARE(gezien, QPoint(966, 25));
        QCOMPARE(klaar.size(), 1);
        QVERIFY(o.algemeen().gespeeld().isEmpty()); // no click sound
        QVERIFY(QFile::exists(o.map.filePath("Lijstnummers.txt")));
    }

    void unwritableProgramDirectoryStillCloses() {
        QTemporaryDir map;
        // A file in place of the data directory: nothing can be written below it.
        const QString blokkade = map.filePath("bestand");
        QVERIFY(schrijfAlles(blokkade, "x"));
        Paden paden;
        paden.programmaMap = map.path();
        paden.gegevensMap = blokkade;
        Hoofdvenster w(paden, QSize(1024, 768));
        w.pauze().setTijdSchaal(0.01);
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        w.close();
        QCOMPARE(klaar.size(), 1);
    }

    // On every screen the window's parts lie inside the window and apart: the rollers, the
    // result panel, both arrows, the bottom panel's buttons, list, counter, clock and exit;
    // the keys overview fits the window, and the board lies between the result and the
    // bottom panel. The sizes are the logical ones the screens get from their factor:
    // 1080 x 1920 on its side becomes 1024 x 1820, 768 x 1024 becomes 1024 x 1365 and
    // 800 x 600 becomes 1024 x 768. With the counter at its widest, every number of the range
    // drawn, it stays clear of the clock and whole: in a smaller size for a range of many
    // digits, in its own size at its own place up to -999..9999. With a raffle of five-digit
    // tickets, its prize band and the fifth roller too.
    void everythingInsideAndApart_data() {
        QTest::addColumn<QSize>("scherm");
        QTest::addColumn<qint32>("laagste");
        QTest::addColumn<qint32>("hoogste");
        QTest::addColumn<bool>("loterij");
        for (const QSize s : {QSize(1024, 768), QSize(1366, 768), QSize(1280, 1024),
                              QSize(1920, 1080), QSize(1024, 1820), QSize(1024, 1365)})
            QTest::addRow("%dx%d", s.width(), s.height()) << s << 1 << 9999 << false;
        for (const QSize s : {QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            QTest::addRow("%dx%d -999..9999", s.width(), s.height()) << s << -999 << 9999 << false;
            QTest::addRow("%dx%d 1..2000000000", s.width(), s.height())
                << s << 1 << 2000000000 << false;
            QTest::addRow("%dx%d -2000000000..2000000000", s.width(), s.height())
                << s << -2000000000 << 2000000000 << false;
            QTest::addRow("%dx%d min..-1", s.width(), s.height())
                << s << std::numeric_limits<qint32>::min() << -1 << false;
            QTest::addRow("%dx%d raffle", s.width(), s.height()) << s << 1 << 9999 << true;
        }
    }
    void everythingInsideAndApart() {
        QFETCH(QSize, scherm);
        QFETCH(qint32, laagste);
        QFETCH(qint32, hoogste);
        QFETCH(bool, loterij);
        Loterij tombola;
        tombola.voegReeksToe({QStringLiteral("Geel"), QColor(Qt::yellow), {10000, 10999}, {}, 1});
        tombola.voegPrijsToe({QStringLiteral("Fruitmand"), {}, 2});
        Venster o(instellingenMetBereik(laagste, hoogste), scherm, 0.01,
                  loterij ? &tombola : nullptr);
        o.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.w.get()));
        const QRect venster = o.w->rect();
        QCOMPARE(venster.size(), scherm);
        QStringList namen{"Pic1",      "Pic2",       "Pic3",   "Pic4",      "NummerPic",
                          "ArrowLeft", "ArrowRight", "Knop0",  "Knop1",     "Knop2",
                          "Knop3",     "List1",      "Label1", "KlokLabel", "ExitKnop"};
        if (loterij)
            namen << QStringLiteral("Pic5") << QStringLiteral("Prijsvak");
        QCOMPARE(o.kind(QStringLiteral("Prijsvak"))->isVisible(), loterij);
        QList<QRect> vakken;
        for (const QString& naam : namen) {
            QWidget* w = o.kind(naam);
            QVERIFY2(w && w->isVisible(), qPrintable(naam));
            const QRect vak(w->mapTo(o.w.get(), QPoint(0, 0)), w->size());
            QVERIFY2(venster.contains(vak), qPrintable(naam));
            for (qsizetype i = 0; i < vakken.size(); ++i)
                QVERIFY2(!vakken[i].intersects(vak), qPrintable(namen[i] + " / " + naam));
            vakken << vak;
        }
        // The counter as the draw announces it after the range's last number.
        const auto alle =
            static_cast<qint32>(std::min<qint64>(qint64{hoogste} - laagste + 1, INT32_MAX));
        Q_EMIT o.trekking().tellerGewijzigd(tellerTekst(alle, hoogste));
        auto* teller = o.kind<QLabel>("Label1");
        const QRect klok = o.kind("KlokLabel")->geometry();
        QCOMPARE(teller->text(), tellerTekst(alle, hoogste));
        QVERIFY2(!teller->geometry().intersects(klok) && teller->geometry().right() < klok.left(),
                 qPrintable(QStringLiteral("%1 ends at %2, the clock begins at %3")
                                .arg(teller->text())
                                .arg(teller->geometry().right())
                                .arg(klok.left())));
        QVERIFY(o.kind("KnopPic")->rect().contains(teller->geometry()));
        QVERIFY(teller->width() >= teller->fontMetrics().horizontalAdvance(teller->text()));
        QVERIFY(teller->height() >= teller->fontMetrics().height());
        if (laagste >= -999 && hoogste <= 9999) {
            QCOMPARE(teller->pos(), QPoint(590, 28));
            QCOMPARE(teller->font(), tellerLetter());
        }
        // On a screen on its side the rollers come down into the window's middle part.
        if (scherm.height() > scherm.width())
            QVERIFY(o.kind("Pic1")->y() > scherm.height() / 4);

        QTest::keyClick(o.w->toetsBron(), Qt::Key_H);
        QWidget* overzicht = o.kind("ToetsenOverzicht");
        QVERIFY(overzicht->isVisible());
        QVERIFY(venster.contains(overzicht->geometry()));

        o.w->zaal().zetBordAan(true);
        const QRect bord = o.kind("Bord")->geometry();
        QVERIFY(venster.contains(bord));
        QVERIFY(bord.top() >= o.kind("NummerPic")->geometry().bottom());
        QVERIFY(bord.bottom() < o.kind("KnopPic")->y());
        QVERIFY(!loterij || !bord.intersects(o.kind("Prijsvak")->geometry()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
