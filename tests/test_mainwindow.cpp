#include "common/picturebutton.h"
#include "draw/panel.h"
#include "draw/resultpanel.h"
#include "draw/rollerwidget.h"
#include "widgettest.h"

#include <QImage>
#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

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
        Opstelling o;
        auto& w = *o.venster;
        QVERIFY(!w.instellingenGelezen());
        QCOMPARE(w.teller()->text(), QString("0/0"));
        QCOMPARE(w.logo1()->text(), QString("Quintaro"));
        QVERIFY(!w.heeftAchtergrond()); // the default picture is not in this directory
        QVERIFY(leesAlles(o.map.filePath("Quintaro.ini")).startsWith("\"Brevane Software 2012\""));
    }

    void settingsAppliedAtStart() {
        QTemporaryDir plaatjes;
        QImage beeld(64, 32, QImage::Format_RGB32);
        beeld.fill(QColor(10, 200, 30));
        const QString pad = plaatjes.filePath("achter.jpg");
        QVERIFY(beeld.save(pad, "JPG"));
        Opstelling o(metAchtergrond(pad));
        auto& w = *o.venster;
        QVERIFY(w.instellingenGelezen());
        QCOMPARE(w.teller()->text(), QString("0/500"));
        QCOMPARE(w.logo1()->text(), QString("Grote Loterij"));
        QCOMPARE(w.logo2()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(w.heeftAchtergrond());
        // Both titles are centred, the coloured one 4 pixels to the left.
        const int midden1 = w.logo1()->x() + w.logo1()->width() / 2;
        QVERIFY(qAbs(midden1 - 512) <= 1);
        QCOMPARE(w.logo2()->x(), w.logo1()->x() - 4);
        QCOMPARE(w.logo1()->y(), 54);
        QCOMPARE(w.logo2()->y(), 58);
    }

    void brokenBackgroundShowsPlainColour() {
        QTemporaryDir plaatjes;
        const QString pad = plaatjes.filePath("kapot.jpg");
        {
            QFile f(pad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("dit is geen plaatje");
        }
        Opstelling o(metAchtergrond(pad));
        auto& w = *o.venster;
        QVERIFY(!w.heeftAchtergrond());
        // The later start-up steps still ran.
        QCOMPARE(w.teller()->text(), QString("0/500"));
        QCOMPARE(w.logo1()->text(), QString("Grote Loterij"));
        w.show();
        const QImage beeld = w.grab().toImage();
        QCOMPARE(QColor(beeld.pixel(5, 5)), QColor(30, 30, 50));
    }

    void layoutOnTheScreen() {
        Opstelling o;
        auto& w = *o.venster;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const std::array<int, 4> links{172, 352, 532, 712};
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(w.rol(n)->geometry(),
                     QRect(links[static_cast<std::size_t>(n)], 220, 150, 207));
        }
        QCOMPARE(w.nummerVak()->geometry(), QRect(244, 460, 536, 180));
        QCOMPARE(w.pijlLinks()->geometry(), QRect(152, 520, 72, 72));
        QCOMPARE(w.pijlRechts()->geometry(), QRect(798, 520, 72, 72));
        QCOMPARE(w.knopPaneel()->geometry(), QRect(0, 688, 1024, 80));
        QCOMPARE(w.knop(2)->pos(), QPoint(150, 23));
        QCOMPARE(w.exitKnop()->pos(), QPoint(964, 23));
        QCOMPARE(w.klok()->pos(), QPoint(839, 38));
        QCOMPARE(w.lijstView()->geometry(), QRect(366, 30, 202, 34));
        QCOMPARE(w.teller()->pos(), QPoint(590, 28));

        const QImage beeld = w.grab().toImage();
        // Rollers show the top of the digit strip; frames around them: 3 black, 3 white.
        QCOMPARE(beeld.pixel(172 + 2, 220 + 2), w.strook(0).pixel(2, 2));
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
        Opstelling o;
        auto& w = *o.venster;
        w.show();
        drukNummer(w.nummerVak()->beeld(), "5", 220, QColor(1, 2, 3));
        const QImage voor = w.nummerVak()->grab().toImage();
        w.hide();
        w.show();
        w.update();
        QCOMPARE(w.nummerVak()->grab().toImage(), voor);
    }

    void focusGoesToTheResultPanel() {
        Opstelling o;
        auto& w = *o.venster;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_VERIFY(w.nummerVak()->hasFocus());
        w.pijlLinks()->setFocusPolicy(Qt::StrongFocus);
        w.pijlLinks()->setFocus();
        QVERIFY(!w.nummerVak()->hasFocus());
        QTest::mouseMove(w.rol(2), QPoint(20, 20));
        QTRY_VERIFY(w.nummerVak()->hasFocus());
        w.pijlLinks()->setFocus();
        QTest::mouseClick(w.knopPaneel(), Qt::LeftButton, {}, QPoint(700, 40));
        QVERIFY(w.nummerVak()->hasFocus());
    }

    void closingWritesBothFiles() {
        Opstelling o;
        auto& w = *o.venster;
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        o.toestand.lijst.voegToe(17);
        o.toestand.lijst.voegToe(4);
        o.toestand.lijst.voegToe(250);
        o.toestand.inst.TitelTekst = "Na";
        w.show();
        w.close();
        QCOMPARE(klaar.size(), 1);
        QCOMPARE(leesAlles(o.map.filePath("Lijstnummers.txt")), QByteArray("17\r\n4\r\n250\r\n"));
        QVERIFY(leesAlles(o.map.filePath("Quintaro.ini")).endsWith("\"Na\"\r\n"));
    }

    void exitButtonClosesAfterItsAnimation() {
        Opstelling o;
        auto& w = *o.venster;
        w.show();
        QSignalSpy klaar(&w, &Hoofdvenster::afgesloten);
        QPoint gezien;
        QTimer::singleShot(0, &w, [&] { gezien = w.exitKnop()->pos(); });
        QTest::mouseClick(w.exitKnop(), Qt::LeftButton);
        QCOMPARE(gezien, QPoint(966, 25));
        QCOMPARE(klaar.size(), 1);
        QVERIFY(o.venster->algemeen().gespeeld().isEmpty()); // no click sound
        QVERIFY(QFile::exists(o.map.filePath("Lijstnummers.txt")));
    }

    void unwritableProgramDirectoryStillCloses() {
        Opstelling o;
        // A file in place of the data directory: nothing can be written below it.
        const QString blokkade = o.map.filePath("bestand");
        QFile f(blokkade);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        o.toestand.paden.gegevensMap = blokkade;
        QSignalSpy klaar(o.venster.get(), &Hoofdvenster::afgesloten);
        o.venster->close();
        QCOMPARE(klaar.size(), 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
