// The operator's own window beside the audience's: an evening run from it alone with real
// clicks and keys, a void with its reason in the journal and struck through in the list, both
// checkers content with the journal, the keys, the dialogs opened over it, its language, its
// live preview, and the closing of either window. The program itself, run as a user runs it:
// one screen and no option gives no operator window.
#include "venster.h"

#include "journaalhulp.h"

#include "app/bedieningslijst.h"
#include "app/bedieningsvenster.h"
#include "app/opdracht.h"
#include "app/schermkeuze.h"
#include "app/taal.h"
#include "app/vensterplaatsing.h"
#include "app/voorvertoning.h"
#include "app/zaal.h"
#include "common/toetsenoverzicht.h"
#include "draw/startbediening.h"
#include "schijf/schijf.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTime>

#include <set>

namespace {

// The audience's window full screen with the operator's window on top, on the one screen of
// the test platform, as --operator gives them.
struct Avond {
    Venster v;
    std::unique_ptr<Bedieningsvenster> b;
    std::unique_ptr<Vensterplaatsing> plaatsing;

    explicit Avond(const QByteArray& instellingen = instellingenMetBereik(1, 50),
                   const Loterij* loterij = nullptr)
        : v(instellingen, QGuiApplication::primaryScreen()->size(), 0.01, loterij) {
        b = std::make_unique<Bedieningsvenster>(*v.w);
        plaatsing = std::make_unique<Vensterplaatsing>(*v.w, b.get());
        QScreen* scherm = QGuiApplication::primaryScreen();
        plaatsing->toon(scherm, scherm);
        b->activateWindow();
    }
    template <typename T = QWidget> T* deel(const char* naam) const {
        return b->findChild<T*>(QLatin1String(naam));
    }
};

void klik(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

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

int draai(const QString& programma, const QStringList& argumenten,
          const QProcessEnvironment& omgeving = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(omgeving);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(programma, argumenten);
    if (!p.waitForFinished(60000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}

// The head of the chain as both windows show it, and as the journal's latest line gives it.
// The journal is written on its own thread: the head on the screens is that of its last line
// once the line is on the disk.
QString kopOpSchijf(const Avond& a) {
    const QByteArray journaal = leesAlles(a.v.bestand("Trekkingsjournaal.jsonl"));
    const QByteArray laatste = journaal.chopped(1).mid(journaal.chopped(1).lastIndexOf('\n') + 1);
    return QString::fromLatin1(
        QCryptographicHash::hash(laatste, QCryptographicHash::Sha256).toHex().left(16));
}

void kopKlopt(const Avond& a) {
    for (auto* label : {a.deel<QLabel>("Keten"), a.v.kind<QLabel>(QStringLiteral("Keten"))}) {
        QVERIFY(label->isVisible());
        QTRY_VERIFY2(label->text().remove(u' ').endsWith(kopOpSchijf(a)),
                     qPrintable(label->text() + QStringLiteral(" / ") + kopOpSchijf(a)));
    }
}

QString quintaro() {
    return QDir(qEnvironmentVariable("QUINTARO_PROGRAM_DIR")).filePath(QStringLiteral("quintaro"));
}

// Both checkers verify the journal.
void beideAkkoord(const QString& journaal) {
    QCOMPARE(draai(quintaro(), {QStringLiteral("--controleer"), journaal}), 0);
    QCOMPARE(draai(QStringLiteral(QUINTARO_PYTHON),
                   {QStringLiteral(QUINTARO_SOURCE_DIR "/tools/controleer.py"), journaal}),
             0);
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
        beideAkkoord(journaal);
    }

    // A raffle evening as the organisers run it: a raffle file of two sets (blue with 20
    // tickets unsold, pink) and five prizes opened with --loterij, draws by the space bar, a
    // winner not in the hall ("Niet aanwezig") and that prize drawn again, every prize won;
    // then --winnaars from the journal alone gives what the window showed, and both checkers
    // accept the journal and refuse it with one ticket changed.
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
        QProcess p;
        p.start(quintaro(), {QStringLiteral("--loterij"), kapot});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(p.readAllStandardError().contains("regel 2"), "the line of the fault");

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
        const QRegularExpression lot(QStringLiteral("^(Blauw|Roze) (\\d+)$"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(a.b.get(), Qt::Key_Space);
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
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(a.b.get(), Qt::Key_Space);
        QCOMPARE(trekking.lijst().aantal(), 6);
        QVERIFY(prijsNu->text().contains(QStringLiteral("Alle prijzen")));
        QTest::keyClick(a.b.get(), Qt::Key_Space); // nothing left to win
        QCOMPARE(trekking.lijst().aantal(), 6);
        if (auto* op = a.b->findChild<QMessageBox*>(QStringLiteral("PrijzenOp")))
            op->close();
        else if (auto* op2 = a.v.w->findChild<QMessageBox*>(QStringLiteral("PrijzenOp")))
            op2->close();

        // No ticket twice, none unsold; the list of prizes as the window shows it.
        QStringList getoond;
        std::set<QString> gezien;
        for (qsizetype i = 0; i < 6; ++i) {
            const auto m = lot.match(trekking.lijst().tekst(i));
            QVERIFY(m.hasMatch() && gezien.insert(m.captured(0)).second);
            const int n = m.captured(2).toInt();
            QVERIFY(m.captured(1) == QStringLiteral("Roze") ||
                    !(n <= 10 || n == 100 || (n >= 200 && n <= 207) || n == 499));
        }
        for (int i = 0; i < prijzen->count(); ++i)
            getoond << prijzen->item(i)->text();
        a.b->close();

        // --winnaars from the journal alone: prize, set, number, time, the absent one.
        const QString journaal = a.v.bestand("Trekkingsjournaal.jsonl");
        const QString csv = bestanden.filePath(QStringLiteral("winnaars.csv"));
        QCOMPARE(draai(quintaro(), {QStringLiteral("--winnaars"), journaal, csv}), 0);
        const QList<QByteArray> rijen = lees(csv).trimmed().split('\n');
        QCOMPARE(rijen.size(), 7);
        QCOMPARE(rijen[0].trimmed(), QByteArray("prijs;omschrijving;reeks;nummer;tijd;uitslag"));
        int winnaars = 0;
        for (int r = 1; r < 7; ++r) {
            const QString rij = QString::fromUtf8(rijen[r].trimmed());
            const QString ticket = rij.section(u';', -4, -4) + u' ' + rij.section(u';', -3, -3);
            const int prijs = rij.section(u';', 0, 0).toInt();
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
        const QByteArray inhoud = leesAlles(journaal);
        beide(inhoud, kGoed);
        QList<QByteArray> regels = regelsVan(inhoud);
        for (int i = 0; i < regels.size(); ++i) {
            auto r = Journaalrecord::lees(regels[i]);
            if (!r || r->soort != Journaalrecord::Soort::Trekking)
                continue;
            r->lotenreeks = 1; // a pink ticket nobody drew
            for (r->nummer = 10000; gezien.count(QStringLiteral("Roze %1").arg(r->nummer));)
                ++r->nummer;
            regels[i] = r->regel();
            beide(samen(herketen(regels, i + 2)), fout(i + 1));
            break;
        }
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
        beideAkkoord(journaal);
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
        QCOMPARE(draai(quintaro(), basis, omgeving), 0);
        QVERIFY(QFile::exists(beeld));
        QVERIFY(!QFile::exists(bedieningBeeld));
        QCOMPARE(QImage(beeld).size(), QGuiApplication::primaryScreen()->size());

        QVERIFY(QFile::remove(beeld));
        QCOMPARE(draai(quintaro(), basis + QStringList{QStringLiteral("--operator")}, omgeving), 0);
        QVERIFY(QFile::exists(beeld));
        QVERIFY(QFile::exists(bedieningBeeld));
        QCOMPARE(draai(quintaro(), basis + QStringList{QStringLiteral("--scherm"), "0"}, omgeving),
                 1);
    }
};

QTEST_MAIN(TestBedieningsvenster)
#include "test_bedieningsvenster.moc"
