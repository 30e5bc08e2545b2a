// The texts of the main window and of the settings dialog in Dutch, the program's own
// language, and in English; no text shown by either bypasses the translation.
#include "app/taal.h"
#include "common/plaatjesknop.h"
#include "config/config.h"
#include "draw/nummervak.h"
#include "venster.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTranslator>

namespace {

const QByteArray kInstellingen =
    "\"k\"\r\n\"k\"\r\n#FALSE#\r\n\"r\"\r\n255,255,190\r\n\"\"\r\n4\r\n"
    "5,5\r\n\"Grote Trekking\"\r\n";

// Marks every text that passes through the translation system, and notes it.
class Merker : public QTranslator {
public:
    QString translate(const char* context, const char* bron, const char*, int) const override {
        gezien.insert({QByteArray(context), QByteArray(bron)});
        return QStringLiteral("[[") + QString::fromUtf8(bron) + QStringLiteral("]]");
    }
    bool isEmpty() const override { return false; }
    static bool gemerkt(const QString& tekst) {
        return tekst.startsWith(QLatin1String("[[")) && tekst.endsWith(QLatin1String("]]"));
    }
    mutable QSet<QPair<QByteArray, QByteArray>> gezien;
};

// A text the window shows, and where.
struct Tekst {
    QString waar;
    QString tekst;
};

// Every text of a window and its children: window caption, tooltips, accessible names and
// descriptions, label and button captions. The captions of the labels in `gegevens`, which
// show data, are left out.
QList<Tekst> alleTeksten(QWidget& w, const QSet<const QWidget*>& gegevens) {
    QList<QWidget*> widgets = w.findChildren<QWidget*>();
    widgets.prepend(&w);
    QList<Tekst> teksten;
    for (QWidget* widget : widgets) {
        const QString naam =
            QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
        teksten.append({naam + QStringLiteral(" tooltip"), widget->toolTip()});
        teksten.append({naam + QStringLiteral(" accessible name"), widget->accessibleName()});
        teksten.append({naam + QStringLiteral(" description"), widget->accessibleDescription()});
        if (widget->isWindow())
            teksten.append({naam + QStringLiteral(" caption"), widget->windowTitle()});
        if (auto* label = qobject_cast<QLabel*>(widget); label && !gegevens.contains(label))
            teksten.append({naam + QStringLiteral(" text"), label->text()});
        if (auto* knop = qobject_cast<QAbstractButton*>(widget))
            teksten.append({naam + QStringLiteral(" text"), knop->text()});
    }
    teksten.removeIf([](const Tekst& t) { return t.tekst.isEmpty(); });
    return teksten;
}

// The main window's texts; the title from the settings, the counter and the clock show data.
QList<Tekst> alleTeksten(Hoofdvenster& w) {
    const auto label = [&w](const char* naam) {
        return w.findChild<QWidget*>(QLatin1String(naam));
    };
    return alleTeksten(w, {label("Logo1"), label("Logo2"), label("Label1"), label("KlokLabel")});
}

// The settings dialog on the fixture's window and directory.
struct Dialoog {
    Paden paden;
    std::unique_ptr<Config> dlg;
    explicit Dialoog(Venster& o) {
        paden.programmaMap = paden.gegevensMap = o.map.path();
        dlg = std::make_unique<Config>(o.instellingen(), paden, o.w.get());
    }
    QComboBox* veld(const char* naam) const {
        return dlg->findChild<QComboBox*>(QLatin1String(naam));
    }
    void exit() const { dlg->findChild<QPushButton*>(QStringLiteral("CancelKnop"))->click(); }
};

// Every text the settings dialog shows: its controls as opened, the marks that the range
// fields get for an empty field, a word and numbers out of range, and the message for an
// inverted range with its button.
QList<Tekst> dialoogTeksten(Venster& o) {
    Dialoog d(o);
    QList<Tekst> teksten = alleTeksten(*d.dlg, {});
    const auto markeringen = [&d, &teksten](const QString& waarom) {
        for (QComboBox* veld : {d.veld("Combo1"), d.veld("Combo2")}) {
            QVERIFY(Config::isGemarkeerd(veld));
            teksten.append(
                {veld->objectName() + QStringLiteral(" tooltip, ") + waarom, veld->toolTip()});
        }
    };
    d.veld("Combo1")->setEditText(QString());
    d.veld("Combo2")->setEditText(QStringLiteral("veel"));
    d.exit();
    markeringen(QStringLiteral("empty and a word"));
    d.veld("Combo1")->setEditText(QStringLiteral("1e12"));
    d.veld("Combo2")->setEditText(QStringLiteral("-1e12"));
    d.exit();
    markeringen(QStringLiteral("out of range"));

    d.veld("Combo1")->setEditText(QStringLiteral("100"));
    d.veld("Combo2")->setEditText(QStringLiteral("99"));
    bool gezien = false;
    Modaal antwoord([&teksten, &gezien](QWidget* modaal) {
        auto* box = qobject_cast<QMessageBox*>(modaal);
        if (!box)
            return;
        gezien = true;
        teksten.append({QStringLiteral("message caption"), box->windowTitle()});
        teksten.append({QStringLiteral("message text"), box->text()});
        for (QAbstractButton* knop : box->buttons())
            teksten.append({QStringLiteral("message button"), knop->text()});
        box->accept();
    });
    d.exit();
    if (!gezien)
        teksten.append({QStringLiteral("message"), QStringLiteral("<not shown>")});
    return teksten;
}

// Where the second word of the range fields' caption starts, in the dialog's pixels, against
// the left edge of the field for the highest number.
int tweedeWoordTegenVeld() {
    Venster o(kInstellingen);
    Dialoog d(o);
    auto* label = d.dlg->findChild<QLabel*>(QStringLiteral("Label4"));
    if (!label)
        return 1000;
    const QString tekst = label->text();
    const qsizetype blanks = tekst.indexOf(u' ');
    qsizetype tweede = blanks;
    while (tweede < tekst.size() && tekst[tweede] == u' ')
        ++tweede;
    const int x = label->x() + QFontMetrics(label->font()).horizontalAdvance(tekst.left(tweede));
    return x - d.veld("Combo2")->x();
}

// The width of a blank in the dialog's text font.
int blankBreedte() {
    Venster o(kInstellingen);
    Dialoog d(o);
    const QLabel* label = d.dlg->findChild<QLabel*>(QStringLiteral("Label4"));
    return label ? QFontMetrics(label->font()).horizontalAdvance(u' ') : 0;
}

// Draws until the range 5..5 is exhausted and returns the message's title, text and buttons.
QStringList uitgeputBericht(Venster& o) {
    auto& w = *o.w;
    w.show();
    QStringList bericht;
    Modaal antwoord([&bericht](QWidget* modaal) {
        auto* box = qobject_cast<QMessageBox*>(modaal);
        if (!box)
            return;
        bericht = QStringList{box->windowTitle(), box->text()};
        for (QAbstractButton* knop : box->buttons())
            bericht.append(knop->text());
        box->accept();
    });
    QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Space);
    QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Space);
    return bericht;
}

struct Taalkeuze {
    explicit Taalkeuze(const char* code) { QVERIFY(Taal::kies(QLatin1String(code))); }
    ~Taalkeuze() { Taal::kies(QStringLiteral("nl")); }
};

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noTextBypassesTranslation() {
        Merker merker;
        QCoreApplication::installTranslator(&merker);
        Venster o(kInstellingen);
        const QList<Tekst> teksten = alleTeksten(*o.w);
        const QStringList bericht = uitgeputBericht(o);
        const QList<Tekst> dialoog = dialoogTeksten(o);
        QCoreApplication::removeTranslator(&merker);

        QVERIFY(teksten.size() >= 20);
        for (const Tekst& t : teksten)
            QVERIFY2(Merker::gemerkt(t.tekst), qPrintable(t.waar + ": " + t.tekst));
        // The dialog: caption, two buttons and a tooltip, seven labels, two options, four
        // range marks, and the message's caption, text and button.
        QCOMPARE(dialoog.size(), 1 + 3 + 7 + 2 + 4 + 3);
        for (const Tekst& t : dialoog)
            QVERIFY2(Merker::gemerkt(t.tekst), qPrintable(QStringLiteral("dialog ") + t.waar +
                                                          QStringLiteral(": ") + t.tekst));
        QCOMPARE(bericht.size(), 3);
        for (const QString& tekst : bericht)
            QVERIFY2(Merker::gemerkt(tekst), qPrintable(tekst));

        // Each of the program's texts that went through has an English translation; texts of
        // Qt's own classes (contexts QMessageBox, QPlatformTheme, ...) come with Qt.
        QTranslator engels;
        QVERIFY(engels.load(QStringLiteral(":/i18n/quintaro_en.qm")));
        int eigen = 0;
        for (const auto& [context, bron] : merker.gezien) {
            if (context.size() > 1 && context[0] == 'Q' && QChar(context[1]).isUpper())
                continue;
            ++eigen;
            QVERIFY2(!engels.translate(context, bron).isEmpty(),
                     (context + ": " + bron).constData());
        }
        QVERIFY(eigen >= 30);
    }

    void dutchShowsTheOriginalTexts() {
        Taalkeuze nl("nl");
        Venster o(kInstellingen);
        auto& w = *o.w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(o.kind("ArrowLeft")->toolTip(), QStringLiteral(" Startknop "));
        QCOMPARE(o.kind("ArrowRight")->toolTip(), QStringLiteral(" Startknop "));
        QCOMPARE(o.kind("Knop0")->toolTip(), QStringLiteral(" Help (pdf-formaat) "));
        QCOMPARE(o.kind("Knop1")->toolTip(), QStringLiteral(" Meer software "));
        QCOMPARE(o.kind("Knop2")->toolTip(), QStringLiteral(" Geluid aan / uit "));
        QCOMPARE(o.kind("Knop3")->toolTip(), QStringLiteral(" Instellingen "));
        QCOMPARE(o.kind("ExitKnop")->toolTip(), QStringLiteral(" Exit "));
        QCOMPARE(o.kind("Knop0")->accessibleName(), QStringLiteral("Help (pdf-formaat)"));
        QCOMPARE(o.kind("NummerPic")->accessibleName(), QStringLiteral("Getrokken nummer"));
        // The data keep their form.
        QCOMPARE(o.kind<QLabel>("Logo1")->text(), QStringLiteral("Grote Trekking"));
        QCOMPARE(o.kind<QLabel>("Label1")->text(), QStringLiteral("0/5"));
        const QStringList bericht = uitgeputBericht(o);
        QCOMPARE(bericht.mid(0, 2),
                 (QStringList{" Nieuw",
                              "Alle getallen zijn getrokken,\nde lijst wordt nu leeg gemaakt!"}));
    }

    void dutchDialogShowsTheOriginalTexts() {
        Taalkeuze nl("nl");
        Venster o(kInstellingen);
        QStringList teksten;
        for (const Tekst& t : dialoogTeksten(o))
            teksten.append(t.tekst);
        const QString van = QStringLiteral("Van") + QString(12, u' ') + QStringLiteral("t/m");
        for (const QString& verwacht :
             {QStringLiteral(" Configuratie"), QStringLiteral("Exit"), QStringLiteral("Reset"),
              QStringLiteral(" Reset kleuren "), QStringLiteral("Kleur van eindgetal en titel"),
              van, QStringLiteral("Random getallen"), QStringLiteral("4 Seconden"),
              QStringLiteral("Pauze na het starten"), QStringLiteral("0 Achtergronden"),
              QStringLiteral("Rollers met getallen"), QStringLiteral("Rollers met afbeeldingen"),
              QStringLiteral("Titel boven de rollers"), QStringLiteral("Vul een getal in"),
              QStringLiteral("Geen getal"),
              QStringLiteral("Buiten het bereik: -2147483648 t/m 2147483647"),
              QStringLiteral("Error"),
              QStringLiteral("Het laagste nummer is hoger dan het hoogste nummer!")})
            QVERIFY2(teksten.contains(verwacht), qPrintable(verwacht));
    }

    // The Help button opens the manual in the program's language.
    void helpOpensTheManualOfTheLanguage_data() {
        QTest::addColumn<QByteArray>("taal");
        QTest::addColumn<QString>("handleiding");
        QTest::newRow("nl") << QByteArray("nl") << "Quintaro.pdf";
        QTest::newRow("en") << QByteArray("en") << "Quintaro-en.pdf";
    }
    void helpOpensTheManualOfTheLanguage() {
        QFETCH(QByteArray, taal);
        QFETCH(QString, handleiding);
        Taalkeuze keuze(taal.constData());
        Venster o(kInstellingen);
        for (const char* naam : {"Quintaro.pdf", "Quintaro-en.pdf"}) {
            QFile pdf(QDir(o.map.path()).filePath(QLatin1String(naam)));
            QVERIFY(pdf.open(QIODevice::WriteOnly));
        }
        o.w->show();
        QTest::mouseClick(o.kind<PlaatjesKnop>(QStringLiteral("Knop0")), Qt::LeftButton);
        QCOMPARE(o.geopend.size(), 1);
        QCOMPARE(o.geopend[0].toLocalFile(), QDir(o.map.path()).filePath(handleiding));
    }

    void englishTranslatesEveryText() {
        Venster nederlands(kInstellingen);
        const QList<Tekst> nl = alleTeksten(*nederlands.w);

        Taalkeuze en("en");
        Venster o(kInstellingen);
        auto& w = *o.w;
        QCOMPARE(o.kind("ArrowLeft")->toolTip(), QStringLiteral(" Start button "));
        QCOMPARE(o.kind("Knop0")->toolTip(), QStringLiteral(" Help (PDF format) "));
        QCOMPARE(o.kind("Knop1")->toolTip(), QStringLiteral(" More software "));
        QCOMPARE(o.kind("Knop2")->toolTip(), QStringLiteral(" Sound on / off "));
        QCOMPARE(o.kind("Knop3")->toolTip(), QStringLiteral(" Settings "));
        QCOMPARE(o.kind("ExitKnop")->toolTip(), QStringLiteral(" Exit "));
        QCOMPARE(o.kind("Knop3")->accessibleName(), QStringLiteral("Settings"));
        QCOMPARE(o.kind("NummerPic")->accessibleName(), QStringLiteral("Drawn number"));
        QCOMPARE(o.kind("List1")->accessibleName(), QStringLiteral("Drawn numbers"));

        // Apart from the names that are the same in both languages, nothing stays Dutch.
        const QList<Tekst> engels = alleTeksten(w);
        QCOMPARE(engels.size(), nl.size());
        const QSet<QString> gelijk{"Form1", " Exit ", "Exit"};
        for (qsizetype i = 0; i < nl.size(); ++i) {
            QCOMPARE(engels[i].waar, nl[i].waar);
            if (!gelijk.contains(nl[i].tekst))
                QVERIFY2(engels[i].tekst != nl[i].tekst,
                         qPrintable(nl[i].waar + ": " + nl[i].tekst));
        }

        const QStringList bericht = uitgeputBericht(o);
        QCOMPARE(
            bericht.mid(0, 2),
            (QStringList{" New", "All numbers have been drawn,\nthe list will now be cleared!"}));
        // The data keep their form.
        QCOMPARE(o.kind<QLabel>("Logo1")->text(), QStringLiteral("Grote Trekking"));
    }

    void englishTranslatesTheDialog() {
        QList<Tekst> nl;
        int nlPlaats = 0;
        {
            Venster nederlands(kInstellingen);
            nl = dialoogTeksten(nederlands);
            nlPlaats = tweedeWoordTegenVeld();
        }

        Taalkeuze en("en");
        Venster o(kInstellingen);
        const QList<Tekst> engels = dialoogTeksten(o);
        QStringList teksten;
        for (const Tekst& t : engels)
            teksten.append(t.tekst);
        for (const char* verwacht :
             {" Settings", "Exit", " Reset colours ", "Colour of result number and title",
              "Random numbers", "4 sec.", "Pause after starting", "Backgrounds: 0",
              "Rollers with numbers", "Rollers with pictures", "Title above the rollers",
              "Enter a number", "Not a number", "Out of range: -2147483648 to 2147483647", "Error",
              "The lowest number is higher than the highest number!"})
            QVERIFY2(teksten.contains(QLatin1String(verwacht)), verwacht);

        // Apart from the words that are the same in both languages, nothing stays Dutch.
        QCOMPARE(engels.size(), nl.size());
        const QSet<QString> gelijk{"Exit", "Reset", "Error", "OK"};
        for (qsizetype i = 0; i < nl.size(); ++i) {
            QCOMPARE(engels[i].waar, nl[i].waar);
            if (!gelijk.contains(nl[i].tekst))
                QVERIFY2(engels[i].tekst != nl[i].tekst,
                         qPrintable(nl[i].waar + ": " + nl[i].tekst));
        }

        // The caption under the range fields: its second word stands under the second field
        // in English as it does in Dutch, as near as the blanks allow.
        const int enPlaats = tweedeWoordTegenVeld();
        QVERIFY2(qAbs(enPlaats - nlPlaats) <= blankBreedte(),
                 qPrintable(QStringLiteral("%1 against %2").arg(enPlaats).arg(nlPlaats)));
        QVERIFY(qAbs(nlPlaats) <= 2 * blankBreedte());
    }

    void dutchWhateverTheSystemLanguage() {
        // The program never asks the system for its language: started with an English
        // environment, it speaks Dutch.
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANG", "en_GB.UTF-8");
        env.insert("LC_ALL", "en_GB.UTF-8");
        env.insert("LANGUAGE", "en_GB:en");
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("QUINTARO_PROGRAM_DIR") + QStringLiteral("/quintaro"),
                {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().startsWith("Gebruik: quintaro [opties]"));

        p.start(qEnvironmentVariable("QUINTARO_PROGRAM_DIR") + QStringLiteral("/quintaro"),
                {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(p.readAllStandardOutput().startsWith("Usage: quintaro [options]"));
    }
};

QTEST_MAIN(TestTranslation)
#include "test_translation.moc"
