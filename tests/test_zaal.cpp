// The hall's features in the real window: the voice (V), the board (B) and the keys overview
// (H, Escape), switched by key releases on the result panel as an operator presses them.
#include "app/zaal.h"
#include "common/spreker.h"
#include "draw/bord.h"
#include "venster.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

namespace {

// Notes what would be said, and how many numbers were listed at that moment.
class OpnameSpreker : public Spreker {
public:
    explicit OpnameSpreker(const Trekking& trekking) : m_trekking(trekking) {}
    void zeg(const QString& tekst, const QLocale& taal) override {
        gezegd.append(tekst);
        talen.append(taal.language());
        gelijstBijZeggen.append(m_trekking.lijst().aantal());
    }
    QStringList gezegd;
    QList<QLocale::Language> talen;
    QList<qsizetype> gelijstBijZeggen;

private:
    const Trekking& m_trekking;
};

void toets(Venster& o, Qt::Key k) {
    QTest::keyClick(o.kind("NummerPic"), k);
}

} // namespace

class TestZaal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // V switches the voice; each listed number is said in words once it is listed, and
    // nothing while the voice or the sound is off.
    void voiceSaysEveryListedNumber() {
        Venster o(instellingenMetBereik(27, 27));
        o.w->show();
        OpnameSpreker opname(o.trekking());
        o.w->zaal().zetSpreker(&opname);
        QVERIFY(!o.w->zaal().stemAan());
        toets(o, Qt::Key_Space);
        QCOMPARE(opname.gezegd, QStringList());

        toets(o, Qt::Key_V);
        QVERIFY(o.w->zaal().stemAan());
        QCOMPARE(o.trekking().lijst().aantal(), qsizetype{1}); // V started no draw
        Modaal antwoord;                                       // the exhaustion message
        toets(o, Qt::Key_Space);
        QCOMPARE(opname.gezegd, QStringList{QStringLiteral("zevenentwintig")});
        QCOMPARE(opname.talen.value(0), QLocale::Dutch);
        QCOMPARE(opname.gelijstBijZeggen, QList<qsizetype>{1});

        o.algemeen().zetGeluidAan(false);
        toets(o, Qt::Key_Space);
        o.algemeen().zetGeluidAan(true);
        toets(o, Qt::Key_V);
        toets(o, Qt::Key_Space);
        QCOMPARE(opname.gezegd.size(), 1);
    }

    // With picture rollers the points are said, and nothing for a result without points.
    void voiceSaysThePoints() {
        Venster o;
        o.w->show();
        OpnameSpreker opname(o.trekking());
        o.w->zaal().zetSpreker(&opname);
        o.w->zaal().zetStemAan(true);
        o.instellingen().kiesRolSoort(1);
        o.instellingen().zetBereik(444, 444);
        toets(o, Qt::Key_Space);
        o.instellingen().zetBereik(123, 123);
        toets(o, Qt::Key_Space);
        QCOMPARE(opname.gezegd, QStringList{QStringLiteral("vierhonderd punten")});
    }

    // B shows and hides the board below the result panel, H and Escape the keys overview;
    // none of them starts a draw, during a draw or between draws.
    void keysSwitchWithoutStartingADraw() {
        Venster o(instellingenMetBereik(1, 75), QSize(1920, 1080));
        o.w->show();
        QWidget* bord = o.kind("Bord");
        QWidget* overzicht = o.kind("ToetsenOverzicht");
        QVERIFY(!bord->isVisible() && !overzicht->isVisible());
        toets(o, Qt::Key_B);
        QVERIFY(bord->isVisible());
        QVERIFY(!bord->geometry().intersects(o.kind("NummerPic")->geometry()));
        QVERIFY(!bord->geometry().intersects(o.kind("KnopPic")->geometry()));
        toets(o, Qt::Key_H);
        QVERIFY(overzicht->isVisible());
        toets(o, Qt::Key_Escape);
        QVERIFY(!overzicht->isVisible());
        QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});

        QTimer::singleShot(40, o.w.get(), [&] {
            for (Qt::Key k : {Qt::Key_B, Qt::Key_V, Qt::Key_H, Qt::Key_B, Qt::Key_V, Qt::Key_H})
                toets(o, k);
        });
        toets(o, Qt::Key_Space);
        QCOMPARE(o.trekking().lijst().aantal(), qsizetype{1});
        const qint32 nummer = o.trekking().lijst().nummer(0);
        auto* b = static_cast<Bord*>(bord);
        QVERIFY(!b->celVak(nummer).isEmpty());
        QVERIFY(b->beschrijving().contains(QString::number(nummer)));
    }

    // The commitment of the series stands on the screen before the first draw, as the journal
    // has it; P takes the hall's text into the series, only before its first draw.
    void commitmentAndPublicInput() {
        Venster o;
        o.w->show();
        auto* label = o.kind<QLabel>("Toezegging");
        QVERIFY(label->isVisible());
        const QRegularExpression vorm(
            QStringLiteral("^Toezegging ([0-9a-f]{4}) ([0-9a-f]{4}) ([0-9a-f]{4}) ([0-9a-f]{4})$"));
        const auto m = vorm.match(label->text());
        QVERIFY2(m.hasMatch(), qPrintable(label->text()));
        // The journal's writer thread has the series' start on the disk soon after.
        const QString kort = m.captured(1) + m.captured(2) + m.captured(3) + m.captured(4);
        QTRY_VERIFY(leesAlles(o.bestand("Trekkingsjournaal.jsonl"))
                        .contains("\"toezegging\":\"" + kort.toLatin1()));
        for (QWidget* w : o.w->findChildren<QWidget*>()) {
            if (w != label && w->isVisible() && w->parentWidget() == o.w.get())
                QVERIFY2(!w->geometry().intersects(label->geometry()), qPrintable(w->objectName()));
        }

        // A text over 1000 bytes is refused with a message, and nothing is recorded.
        QStringList getypt{QString(1001, u'x'), QStringLiteral("rode paraplu")};
        Modaal invoer([&getypt](QWidget* dialoog) {
            auto* veld = dialoog->findChild<QLineEdit*>();
            if (auto* box = qobject_cast<QMessageBox*>(dialoog))
                box->done(QMessageBox::Ok);
            if (!veld)
                return;
            QTest::keyClicks(veld, getypt.takeFirst());
            QTest::keyClick(veld, Qt::Key_Return);
        });
        toets(o, Qt::Key_P);
        QVERIFY(invoer.teksten.value(0).contains(QStringLiteral("1001 bytes")));
        QVERIFY(!leesAlles(o.bestand("Trekkingsjournaal.jsonl")).contains("\"soort\":\"invoer\""));
        toets(o, Qt::Key_P);
        QCOMPARE(invoer.titels, QStringList(3, QStringLiteral("Publieke invoer")));
        QVERIFY(label->text().contains(QStringLiteral("rode paraplu")));
        QTRY_VERIFY(leesAlles(o.bestand("Trekkingsjournaal.jsonl")).contains("rode paraplu"));
        toets(o, Qt::Key_Space);
        toets(o, Qt::Key_P); // too late for this series: no input opens
        QCOMPARE(invoer.titels.size(), 3);
    }

    // The audience's text beside the commitment: a short one whole; a long one, with or
    // without spaces, cut short within the commitment's band, clear of the rollers, read
    // whole by assistive technology and journaled whole; markup shown as typed.
    void publicInputStaysInItsBand_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("heel");
        QTest::newRow("short") << QStringLiteral("rode paraplu") << true;
        QTest::newRow("long, words")
            << QStringLiteral("de rode paraplu van tafel zeven ").repeated(8) << false;
        QTest::newRow("long, one word") << QStringLiteral("x").repeated(300) << false;
        QTest::newRow("markup") << QStringLiteral("<b>vet</b>") << true;
    }
    void publicInputStaysInItsBand() {
        QFETCH(QString, tekst);
        QFETCH(bool, heel);
        Venster o;
        o.w->show();
        Modaal invoer([&tekst](QWidget* dialoog) {
            if (auto* veld = dialoog->findChild<QLineEdit*>()) {
                veld->setText(tekst);
                QTest::keyClick(veld, Qt::Key_Return);
            }
        });
        toets(o, Qt::Key_P);
        auto* label = o.kind<QLabel>("Toezegging");
        QCOMPARE(label->text().contains(tekst.trimmed()), heel);
        QVERIFY(label->accessibleName().contains(tekst.trimmed()));
        // The journal is written on its own thread.
        QTRY_VERIFY(leesAlles(o.bestand("Trekkingsjournaal.jsonl"))
                        .contains(tekst.trimmed().left(40).toUtf8()));
        QVERIFY(label->geometry().right() < o.w->width() / 2);
        QVERIFY(!label->geometry().intersects(o.kind("Pic1")->geometry()));
        if (!heel)
            QVERIFY(label->text().endsWith(QChar(0x2026)));
    }

    // A journal that cannot be written does not stop the draw; the screen says so, quietly.
    void unrecordedSeriesIsShown() {
        QTemporaryDir map;
        QVERIFY(QDir(map.path()).mkdir(QStringLiteral("Trekkingsjournaal.jsonl")));
        Paden paden;
        paden.programmaMap = paden.gegevensMap = map.path();
        Hoofdvenster w(paden, QSize(1024, 768));
        w.pauze().setTijdSchaal(0.01);
        w.algemeen().zetGeluidsuitvoer(false);
        w.show();
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("Toezegging"))
                    ->text()
                    .contains(QStringLiteral("niet vastgelegd")));
        QTest::keyClick(w.findChild<QWidget*>(QStringLiteral("NummerPic")), Qt::Key_Space);
        QCOMPARE(w.trekking().lijst().aantal(), qsizetype{1});
    }
};

QTEST_MAIN(TestZaal)
#include "test_zaal.moc"
