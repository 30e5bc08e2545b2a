// The operator's own window beside the audience's: an evening run from it alone with real
// clicks and keys, a void with its reason in the journal and struck through in the list, both
// checkers content with the journal, the keys, the dialogs opened over it, its language, its
// live preview, and the closing of either window. The program itself, run as a user runs it:
// one screen and no option gives no operator window. A raffle, a full disk and the public
// input of every series are in test_bedieningsjournaal.
#include "bediening.h"

#include "app/bedieningslijst.h"
#include "app/schermkeuze.h"
#include "app/taal.h"
#include "app/voorvertoning.h"
#include "app/zaal.h"
#include "common/toetsenoverzicht.h"
#include "draw/startbediening.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTime>

namespace {

// The whole window painted at once into a picture of `grootte`, as the preview paints parts.
QImage geheel(QWidget& venster, const QSize& grootte) {
    QImage beeld(grootte, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.scale(static_cast<qreal>(grootte.width()) / venster.width(),
            static_cast<qreal>(grootte.height()) / venster.height());
    venster.render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return beeld;
}

// Mean difference of two pictures of one size, per channel, 0 to 255.
double verschil(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32).scaled(x.size());
    double som = 0;
    for (int r = 0; r < x.height(); ++r) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(r));
        for (int k = 0; k < x.width(); ++k)
            som += qAbs(qRed(p[k]) - qRed(q[k])) + qAbs(qGreen(p[k]) - qGreen(q[k])) +
                   qAbs(qBlue(p[k]) - qBlue(q[k]));
    }
    return som / (3.0 * x.width() * x.height());
}

} // namespace

class TestBedieningsvenster : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Taal::kies(QStringLiteral("nl")); }

    // Draws started with the start button and the space bar, one refused while a draw runs,
    // the last number declared void for a typed reason, and the window closed: the list,
    // the settings and a journal that both checkers accept, with the void in it.
    void eveningFromTheOperatorWindowAlone() {
        Avond a;
        Trekking& trekking = a.v.trekking();
        auto* start = a.deel<QPushButton>("StartKnop");
        auto* reden = a.deel<QLineEdit>("VervalReden");
        auto* verval = a.deel<QPushButton>("VervalKnop");
        QVERIFY(QTest::qWaitForWindowActive(a.b.get()));

        // While a draw runs its start button is off, and a space or a click starts nothing.
        int tijdensTrekking = 0;
        bool knopUit = false;
        connect(&trekking, &Trekking::trekkingBegonnen, this, [&] {
            if (tijdensTrekking++ > 0)
                return;
            knopUit = !start->isEnabled();
            QTest::keyClick(a.b.get(), Qt::Key_Space);
            klik(start);
        });
        kopKlopt(a);
        klik(start);
        QCOMPARE(trekking.lijst().aantal(), 1);
        kopKlopt(a);
        QCOMPARE(tijdensTrekking, 1);
        QVERIFY(knopUit);
        QVERIFY(start->isEnabled());
        QTest::keyClick(a.b.get(), Qt::Key_Space);
        QCOMPARE(trekking.lijst().aantal(), 2);
        const qint32 tweede = trekking.lijst().nummer(1);

        // The operator's list: every number with the time it was drawn.
        Bedieningslijst& lijst = a.b->lijst();
        QCOMPARE(lijst.aantal(), 2);
        const QRegularExpression regel(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d   %1$").arg(tweede));
        QVERIFY2(regel.match(lijst.data(lijst.index(1)).toString()).hasMatch(),
                 qPrintable(lijst.data(lijst.index(1)).toString()));

        // Typing the reason is typing: its B and V switch nothing, its space starts nothing.
        QVERIFY(!verval->isEnabled());
        klik(reden);
        QVERIFY(reden->hasFocus());
        QTest::keyClicks(reden, QStringLiteral("Bv winnaar afwezig"));
        QCOMPARE(reden->text(), QStringLiteral("Bv winnaar afwezig"));
        QVERIFY(!a.v.w->zaal().bordAan());
        QVERIFY(!a.v.w->zaal().stemAan());
        QCOMPARE(trekking.lijst().aantal(), 2);
        QVERIFY(verval->isEnabled());
        QVERIFY(verval->text().contains(QString::number(tweede)));
        klik(verval);
        kopKlopt(a);

        // Struck through, still drawn, once only; the audience's list keeps it.
        const QModelIndex i = lijst.index(1);
        QVERIFY(lijst.data(i, Qt::FontRole).value<QFont>().strikeOut());
        QVERIFY(!lijst.data(lijst.index(0), Qt::FontRole).isValid());
        QCOMPARE(lijst.data(i, Qt::ToolTipRole).toString(),
                 QStringLiteral("Vervallen: Bv winnaar afwezig"));
        QVERIFY(reden->text().isEmpty());
        QTest::keyClicks(reden, QStringLiteral("nog eens"));
        QVERIFY(!verval->isEnabled());
        QVERIFY(!trekking.vervalLaatste(QStringLiteral("nog eens")));
        QCOMPARE(trekking.lijst().nummers().back(), tweede);

        // The keys are the window's again: a space draws the third number, which can go.
        QTest::keyClick(a.b.get(), Qt::Key_Space);
        QCOMPARE(trekking.lijst().aantal(), 3);
        kopKlopt(a);
        QVERIFY(!lijst.data(lijst.index(2), Qt::FontRole).isValid());
        QVERIFY(trekking.kanVervallen());
        const std::vector<qint32> nummers = trekking.lijst().nummers();

        a.b->close();
        QVERIFY(!a.b->isVisible());
        QVERIFY(!a.v.w->isVisible());
        QCOMPARE(leesAlles(a.v.bestand("Lijstnummers.txt")), lijstBestandInhoud(nummers));
        QVERIFY(QFile::exists(a.v.bestand("Quintaro.ini")));
        const QString journaal = a.v.bestand("Trekkingsjournaal.jsonl");
        const QByteArray inhoud = leesAlles(journaal);
        QCOMPARE(inhoud.count("\"soort\":\"vervallen\""), 1);
        QVERIFY(inhoud.contains(QStringLiteral("\"soort\":\"vervallen\",\"tijd\"").toUtf8()));
        QVERIFY(inhoud.contains(
            QStringLiteral("\"index\":1,\"nummer\":%1,\"reden\":\"Bv winnaar afwezig\"")
                .arg(tweede)
                .toUtf8()));
        QVERIFY(inhoud.trimmed().endsWith("}") && inhoud.contains("\"soort\":\"einde\""));
        QCOMPARE(beideCheckers(journaal), 0);
    }

    // The keys of the audience's window work in the operator's; the switches follow them
    // both ways; the settings, the exhaustion message and the audience's text open over the
    // operator's window.
    void keysSwitchesAndDialogs() {
        Avond a(instellingenMetBereik(1, 2));
        Zaal& zaal = a.v.w->zaal();
        auto* bord = a.deel<QCheckBox>("BordSchakelaar");
        auto* stem = a.deel<QCheckBox>("StemSchakelaar");
        auto* geluid = a.deel<QCheckBox>("GeluidSchakelaar");
        QTest::keyClick(a.b.get(), Qt::Key_B);
        QVERIFY(zaal.bordAan() && bord->isChecked());
        QTest::keyClick(a.b.get(), Qt::Key_V);
        QVERIFY(zaal.stemAan() && stem->isChecked());
        klik(bord);
        QVERIFY(!zaal.bordAan());
        klik(geluid);
        QVERIFY(!a.v.algemeen().geluidAan());
        zaal.zetStemAan(false);
        QVERIFY(!stem->isChecked());

        QList<QWidget*> ouders;
        Modaal modaal([&](QWidget* dialoog) {
            ouders.append(dialoog->parentWidget());
            if (auto* box = qobject_cast<QMessageBox*>(dialoog))
                box->done(QMessageBox::Ok);
            else
                qobject_cast<QDialog*>(dialoog)->reject();
        });
        klik(a.deel("InstellingenKnop"));
        QTest::keyClick(a.b.get(), Qt::Key_P);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(a.b.get(), Qt::Key_Space);
        QCOMPARE(modaal.titels.size(), 3);
        QCOMPARE(modaal.titels.last(), QStringLiteral(" Nieuw"));
        QCOMPARE(ouders, QList<QWidget*>(3, a.b.get()));
        // The cleared list clears the operator's; nothing of the old series can go.
        QCOMPARE(a.b->lijst().aantal(), 1);
        QCOMPARE(a.v.trekking().lijst().aantal(), 1);
    }

    // H in the operator's window shows the keys to the operator, inside that window, and the
    // hall sees nothing of it; Escape hides it. Escape leaves the reason field, keeping what
    // was typed, and the window's keys work again.
    void keysOverviewAndReasonField() {
        Avond a;
        QVERIFY(QTest::qWaitForWindowActive(a.b.get()));
        auto* zaalOverzicht = a.v.kind<ToetsenOverzicht>(QStringLiteral("ToetsenOverzicht"));
        auto* eigen = a.deel<ToetsenOverzicht>("ToetsenOverzicht");
        QVERIFY(eigen && eigen != zaalOverzicht);
        QTest::keyClick(a.b.get(), Qt::Key_H);
        QVERIFY(eigen->isVisible());
        QVERIFY(!zaalOverzicht->isVisible());
        QVERIFY(a.b->rect().contains(eigen->geometry()));
        QTest::keyClick(a.b.get(), Qt::Key_Escape);
        QVERIFY(!eigen->isVisible());
        QVERIFY(!zaalOverzicht->isVisible());

        auto* reden = a.deel<QLineEdit>("VervalReden");
        klik(reden);
        QVERIFY(reden->hasFocus());
        QTest::keyClicks(reden, QStringLiteral("b"));
        QTest::keyClick(reden, Qt::Key_Escape);
        QVERIFY(!reden->hasFocus());
        QCOMPARE(reden->text(), QStringLiteral("b"));
        QVERIFY(!a.v.w->zaal().bordAan());
        QCOMPARE(QApplication::focusWidget(), a.b.get());
        QTest::keyClick(a.b.get(), Qt::Key_B);
        QVERIFY(a.v.w->zaal().bordAan());
    }

    // A fresh folder: the hall and the operator count alike, the range being the default.
    void countersAgreeInAFreshFolder() {
        Avond a{QByteArray()};
        QCOMPARE(a.v.kind<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("0/9999"));
        QCOMPARE(a.deel<QLabel>("Teller")->text(), QStringLiteral("Teller: 0/9999"));
    }

    // The points of picture rollers in the operator's list, one and more.
    void pointsInTheList_data() {
        QTest::addColumn<QString>("taal");
        QTest::addColumn<int>("punten");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("none") << "nl" << 0 << "0 punten";
        QTest::newRow("one") << "nl" << 1 << "1 punt";
        QTest::newRow("more") << "nl" << 400 << "400 punten";
        QTest::newRow("none, English") << "en" << 0 << "0 points";
        QTest::newRow("one, English") << "en" << 1 << "1 point";
        QTest::newRow("more, English") << "en" << 20 << "20 points";
    }
    void pointsInTheList() {
        QFETCH(QString, taal);
        QFETCH(int, punten);
        QFETCH(QString, tekst);
        QVERIFY(Taal::kies(taal));
        Bedieningslijst lijst;
        lijst.voegToeMetPunten(444, punten, QTime(20, 15, 0));
        QCOMPARE(lijst.data(lijst.index(0)).toString(),
                 QStringLiteral("20:15:00   444   ") + tekst);
    }

    // The window speaks the interface language, and changes with it.
    void followsTheLanguage() {
        Avond a;
        QCOMPARE(a.b->windowTitle(), QStringLiteral("Quintaro - bediening"));
        QVERIFY(Taal::kies(QStringLiteral("en")));
        QTRY_COMPARE(a.b->windowTitle(), QStringLiteral("Quintaro - operator"));
        QCOMPARE(a.deel<QLabel>("Teller")->text(), QStringLiteral("Counter: 0/50"));
        QVERIFY(a.deel<QPushButton>("VervalKnop")->text().startsWith(QStringLiteral("Void")));
    }

    // The preview is the audience's picture, scaled: after a draw, whose rollers and result
    // reached it in parts at most once per interval, it is what a whole painting gives; also
    // with five smaller rollers.
    void previewShowsWhatTheAudienceSees_data() {
        QTest::addColumn<qint32>("hoogste");
        QTest::newRow("four rollers") << 50;
        QTest::newRow("five rollers") << 20000;
    }
    void previewShowsWhatTheAudienceSees() {
        QFETCH(qint32, hoogste);
        Avond a(instellingenMetBereik(1, hoogste));
        Voorvertoning& voorvertoning = a.b->voorvertoning();
        QTRY_VERIFY(voorvertoning.aantalBeelden() > 0);
        QTest::qWait(4 * voorvertoning.interval());
        const QImage ervoor = voorvertoning.beeld();

        const int voor = voorvertoning.aantalBeelden();
        QElapsedTimer klok;
        klok.start();
        QTest::keyClick(a.b.get(), Qt::Key_Space);
        const qint64 duur = klok.elapsed();
        QCOMPARE(a.v.trekking().lijst().aantal(), 1);
        const int tijdens = voorvertoning.aantalBeelden() - voor;
        QVERIFY(tijdens >= 2);
        QVERIFY2(tijdens <= duur / voorvertoning.interval() + 2,
                 qPrintable(QStringLiteral("%1 in %2 ms").arg(tijdens).arg(duur)));
        // Nothing asks for the window's picture meanwhile: what the preview shows is only
        // what the window itself repainted.
        QTest::qWait(4 * voorvertoning.interval());
        const QImage geheelBeeld = geheel(*a.v.w, voorvertoning.beeld().size());
        QVERIFY2(verschil(voorvertoning.beeld(), geheelBeeld) < 0.5,
                 qPrintable(QString::number(verschil(voorvertoning.beeld(), geheelBeeld))));
        // The check can tell: the picture from before the draw is not the one after it.
        QVERIFY(verschil(ervoor, geheelBeeld) > 0.5);
    }

    // Closing the audience's window closes the operator's too, after the closing sequence.
    void closingTheAudienceWindowClosesBoth() {
        Avond a;
        QVERIFY(a.b->isVisible());
        a.v.w->close();
        QTRY_VERIFY(!a.b->isVisible());
        QVERIFY(QFile::exists(a.v.bestand("Lijstnummers.txt")));
        QVERIFY(QFile::exists(a.v.bestand("Quintaro.ini")));
    }

    // Which screens the windows get.
    void screenChoice_data() {
        QTest::addColumn<int>("schermen");
        QTest::addColumn<bool>("bediening");
        QTest::addColumn<int>("gevraagd");
        QTest::addColumn<int>("publiek");
        QTest::addColumn<int>("bedieningScherm");
        QTest::addColumn<bool>("onbekend");
        QTest::newRow("one screen, nothing asked: as always")
            << 1 << false << 0 << 0 << -1 << false;
        QTest::newRow("one screen, --operator") << 1 << true << 0 << 0 << 0 << false;
        QTest::newRow("two screens: projector second") << 2 << false << 0 << 1 << 0 << false;
        QTest::newRow("two screens, --scherm 1") << 2 << false << 1 << 0 << 1 << false;
        QTest::newRow("three screens, --scherm 3") << 3 << true << 3 << 2 << 0 << false;
        QTest::newRow("--scherm beyond the screens") << 2 << false << 4 << 1 << 0 << true;
        QTest::newRow("one screen, --scherm 2") << 1 << false << 2 << 0 << -1 << true;
    }
    void screenChoice() {
        QFETCH(int, schermen);
        QFETCH(bool, bediening);
        QFETCH(int, gevraagd);
        const Schermkeuze k = Schermkeuze::kies(schermen, bediening, gevraagd);
        QTEST(k.publiek, "publiek");
        QTEST(k.bediening, "bedieningScherm");
        QTEST(k.gevraagdOnbekend, "onbekend");
    }

    // The program as a user starts it on one screen: without an option only the audience's
    // window (no picture of an operator's window is saved); with --operator both.
    void programOnOneScreen() {
        QTemporaryDir map;
        const QString beeld = map.filePath(QStringLiteral("venster.png"));
        const QString bedieningBeeld = map.filePath(QStringLiteral("venster-bediening.png"));
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const QStringList basis{QStringLiteral("--dir"), map.path(), QStringLiteral("--screenshot"),
                                beeld};
        QCOMPARE(draai(programma(), basis, omgeving), 0);
        QVERIFY(QFile::exists(beeld));
        QVERIFY(!QFile::exists(bedieningBeeld));
        QCOMPARE(QImage(beeld).size(), QGuiApplication::primaryScreen()->size());

        QVERIFY(QFile::remove(beeld));
        QCOMPARE(draai(programma(), basis + QStringList{QStringLiteral("--operator")}, omgeving),
                 0);
        QVERIFY(QFile::exists(beeld));
        QVERIFY(QFile::exists(bedieningBeeld));
        QCOMPARE(draai(programma(), basis + QStringList{QStringLiteral("--scherm"), "0"}, omgeving),
                 1);
    }
};

QTEST_MAIN(TestBedieningsvenster)
#include "test_bedieningsvenster.moc"
