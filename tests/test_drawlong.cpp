// Draws of numbers longer than four characters in the real window: as many rollers as the
// range's longest number has characters, each stopping on its own digit, and the whole number
// printed on the result panel; a raffle's rollers from its longest ticket in play.
#include "draw/panel.h"
#include "draw/rollogica.h"
#include "loterij/loterijlezer.h"
#include "venster.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QImage cel(int cijfer) {
    return QImage(QStringLiteral(":/images/strip_digits.png"))
        .convertToFormat(QImage::Format_RGB32)
        .copy(0, stopPositie(cijfer, 0), 150, 202);
}

// The places of the rollers the audience sees, left to right.
QList<QRect> rollen(const Venster& o) {
    QList<QRect> r;
    for (int n = 0; n < kMaxRollen; ++n)
        if (QWidget* w = o.kind(QStringLiteral("Pic%1").arg(n + 1)); w->isVisibleTo(o.w.get()))
            r << w->geometry();
    return r;
}

// The digit a roller shows on the screen: the one whose cell, brought to the roller's size, is
// nearest to its top 202 of 207 rows; -1 when none is near.
int getoondCijfer(QWidget* rol) {
    const QImage beeld = rol->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QSize maat(beeld.width(), beeld.height() * 202 / 207);
    int beste = -1;
    double kleinste = 12 * 3.0 * maat.width() * maat.height();
    for (int cijfer = 0; cijfer <= 9; ++cijfer) {
        const QImage c = cel(cijfer).scaled(maat, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double som = 0;
        for (int y = 0; y < maat.height(); ++y)
            for (int x = 0; x < maat.width(); ++x) {
                const QRgb p = beeld.pixel(x, y), q = c.pixel(x, y);
                som += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                       qAbs(qBlue(p) - qBlue(q));
            }
        if (som < kleinste) {
            kleinste = som;
            beste = cijfer;
        }
    }
    return beste;
}

// Types a range into the settings dialog, opened from the toolbar, and applies it.
void kiesBereik(const Venster& o, const QString& hoogste) {
    Modaal antwoord([&](QWidget* dialoog) {
        QLineEdit* regel = dialoog->findChild<QComboBox*>(QStringLiteral("Combo2"))->lineEdit();
        regel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(regel, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(regel, hoogste);
        QTest::mouseClick(dialoog->findChild<QPushButton*>(QStringLiteral("CancelKnop")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(o.kind("Knop3"), Qt::LeftButton);
}

} // namespace

class TestDrawLong : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void longNumberDraw_data() {
        QTest::addColumn<qint32>("laagste");
        QTest::addColumn<qint32>("hoogste");
        QTest::addColumn<int>("aantal");
        QTest::newRow("a book 10000..10999") << 10000 << 10999 << 5;
        QTest::newRow("20000 tickets") << 1 << 20000 << 5;
        QTest::newRow("ten digits") << 1234567000 << 1234567999 << 10;
    }

    void longNumberDraw() {
        QFETCH(qint32, laagste);
        QFETCH(qint32, hoogste);
        QFETCH(int, aantal);
        Venster o(instellingenMetBereik(laagste, hoogste));
        o.w->show();
        QCOMPARE(rollen(o).size(), aantal);
        QSignalSpy gestopt(&o.trekking(), &Trekking::rolGestopt);
        QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Space);

        QCOMPARE(o.trekking().lijst().aantal(), 1);
        const QString tekst = QString::number(o.trekking().lijst().nummer(0));
        QVERIFY(tekst.toInt() >= laagste && tekst.toInt() <= hoogste);
        // One after another, each with its stop sound as the four have.
        QCOMPARE(gestopt.size(), aantal);
        QCOMPARE(gestopt.last()[0].toInt(), aantal - 1);
        QCOMPARE(o.algemeen().gespeeld().size(), 1 + aantal);
        // Each roller stands on its own digit, in the engine's picture and on the screen.
        const QString cijfers = tekst.rightJustified(aantal, u'0');
        for (int n = 0; n < aantal; ++n) {
            const int cijfer = cijfers[n].digitValue();
            QCOMPARE(o.trekking().rolBeeld(n).copy(0, 0, 150, 202), cel(cijfer));
            QCOMPARE(getoondCijfer(o.kind(QStringLiteral("Pic%1").arg(n + 1))), cijfer);
        }
        // The result panel holds the whole number: a long one centred and made to fit, one of
        // four characters or fewer (from 1..20000) where it always stood.
        QImage verwacht = nieuwNummerPaneel();
        MaakNummerSchoon(verwacht);
        if (tekst.size() > 4)
            drukBreedNummer(verwacht, tekst, QColor(255, 255, 190));
        else
            drukNummer(verwacht, tekst, tekstX(static_cast<int>(tekst.size()), 0),
                       QColor(255, 255, 190));
        QCOMPARE(o.trekking().nummerBeeld(), verwacht);
        QCOMPARE(o.kind("NummerPic")->accessibleName(), "Getrokken nummer: " + tekst);
    }

    // The rollers follow a range typed into the settings and the range of a journal taken over
    // with --hervat; back to four they stand where the four always stood.
    void rollersFollowTheRangeAndTheResumedJournal() {
        Venster o(instellingenMetBereik(1, 9999));
        o.w->show();
        const QList<QRect> vier = rollen(o);
        QCOMPARE(vier, (QList<QRect>{{172, 220, 150, 207},
                                     {352, 220, 150, 207},
                                     {532, 220, 150, 207},
                                     {712, 220, 150, 207}}));
        kiesBereik(o, QStringLiteral("20000"));
        QCOMPARE(rollen(o).size(), 5);
        QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Space);
        o.w->close();

        // The settings file says four rollers, the journal's series five.
        QVERIFY(schrijfAlles(o.bestand("Quintaro.ini"), instellingenMetBereik(1, 9999)));
        Paden paden;
        paden.programmaMap = paden.gegevensMap = o.map.path();
        o.w = std::make_unique<Hoofdvenster>(paden, QSize(1024, 768), true);
        o.w->pauze().setTijdSchaal(0.01);
        o.w->algemeen().zetGeluidsuitvoer(false);
        o.w->show();
        QCOMPARE(o.inst().HoogsteNummer, 20000);
        QCOMPARE(rollen(o).size(), 5);

        kiesBereik(o, QStringLiteral("9999"));
        QCOMPARE(rollen(o), vier);
        // Picture rollers are four whatever the range.
        o.instellingen().kiesRolSoort(1);
        o.instellingen().zetBereik(100, 99999);
        QCOMPARE(rollen(o).size(), 4);
    }

    // A raffle's rollers are those of its longest ticket number in play, whatever the
    // settings' range, from the start: its first draw does not change them. Its counter counts
    // the draws against the tickets in play.
    void raffleRollersFromItsLongestTicket_data() {
        QTest::addColumn<QByteArray>("bestand");
        QTest::addColumn<qint32>("hoogste");
        QTest::addColumn<int>("aantal");
        QTest::addColumn<QString>("loten");
        QTest::newRow("a pink book") << QByteArray("reeks;Roze;roze;10000;10999\nprijs;Fiets\n")
                                     << 50 << 5 << QStringLiteral("1000");
        QTest::newRow("the longest ticket out of play")
            << QByteArray("reeks;Blauw;blauw;1;500\nreeks;Wit;wit;1;10000\nuit;Wit;10000\n"
                          "prijs;Fiets\n")
            << 50 << 4 << QStringLiteral("10499");
        QTest::newRow("a set all out of play")
            << QByteArray("reeks;Oud;;100000;100009\nuit;Oud;100000-100009\n"
                          "reeks;Blauw;;1;500\nprijs;Fiets\n")
            << 50 << 4 << QStringLiteral("500");
        QTest::newRow("not the settings' range")
            << QByteArray("reeks;Blauw;blauw;1;500\nprijs;Fiets\n") << 999999 << 4
            << QStringLiteral("500");
    }

    void raffleRollersFromItsLongestTicket() {
        QFETCH(QByteArray, bestand);
        QFETCH(qint32, hoogste);
        QFETCH(int, aantal);
        QFETCH(QString, loten);
        const LoterijLezer::Uitslag gelezen = LoterijLezer::leesInhoud(bestand, QDir::tempPath());
        QVERIFY2(gelezen.loterij, qPrintable(gelezen.tekst()));
        Venster o(instellingenMetBereik(1, hoogste), QSize(1024, 768), 0.01, &*gelezen.loterij);
        o.w->show();
        auto* teller = o.kind<QLabel>(QStringLiteral("Label1"));
        QCOMPARE(rollen(o).size(), aantal);
        QCOMPARE(teller->text(), QStringLiteral("0/") + loten);
        QSignalSpy anders(&o.trekking(), &Trekking::aantalRollenGewijzigd);
        QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Space);
        QCOMPARE(o.trekking().lijst().aantal(), 1);
        QVERIFY(anders.isEmpty());
        QCOMPARE(rollen(o).size(), aantal);
        QCOMPARE(teller->text(), QStringLiteral("1/") + loten);
    }
};

QTEST_MAIN(TestDrawLong)
#include "test_drawlong.moc"
