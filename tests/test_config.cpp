#include "app/mainwindow.h"
#include "app/state.h"
#include "config/configdialog.h"
#include "draw/rollerwidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// A main window on a fresh program directory, with fast pauses and nothing leaving the
// process (no sound device, no desktop opener).
struct Omgeving {
    QTemporaryDir map;
    QTemporaryDir gegevens;
    Toestand t;
    std::unique_ptr<Hoofdvenster> w;

    Omgeving() {
        t.paden.programmaMap = t.paden.gegevensMap = map.path();
        t.pauze.setTijdSchaal(0.01);
        w = std::make_unique<Hoofdvenster>(t, QSize(1024, 768));
        w->algemeen().setGeluidsuitvoer(false);
        w->algemeen().setOpener([](const QUrl&) {});
        w->show();
    }

    QString achtergronden() const { return t.paden.achtergronden(); }

    // As for an installed program: the settings live in a data directory of their own, whose
    // Backgrounds folder (made here) is the one this returns.
    QString eigenAchtergronden() {
        t.paden.gegevensMap = gegevens.path();
        const QString eigen = QDir(gegevens.path()).filePath(QStringLiteral("Backgrounds"));
        QDir().mkpath(eigen);
        return eigen;
    }
};

// Answers every message box that comes up while it lives, and remembers what it said.
class MeldingVanger : public QObject {
public:
    struct Melding {
        QString titel;
        QString tekst;
        QMessageBox::Icon icoon;
    };
    QList<Melding> meldingen;

    MeldingVanger() {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            meldingen.append({box->windowTitle(), box->text(), box->icon()});
            box->done(QMessageBox::Ok);
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

QColor vulling(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

QColor tekstKleur(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

bool schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly) && f.write(inhoud) == inhoud.size();
}

bool schrijfBeeld(const QString& pad, const QColor& kleur, const char* formaat) {
    QImage beeld(40, 30, QImage::Format_RGB32);
    beeld.fill(kleur);
    return beeld.save(pad, formaat);
}

void voegNummersToe(Toestand& t, std::initializer_list<qint32> nummers) {
    for (qint32 n : nummers)
        t.lijst.voegToe(n);
}

QStringList lijstTeksten(const QListWidget* lijst) {
    QStringList namen;
    for (int i = 0; i < lijst->count(); ++i)
        namen.append(lijst->item(i)->text());
    return namen;
}

// The full path each entry keeps besides its name.
QStringList lijstPaden(const QListWidget* lijst) {
    QStringList paden;
    for (int i = 0; i < lijst->count(); ++i)
        paden.append(lijst->item(i)->data(Config::kPadRol).toString());
    return paden;
}

bool heeftFocus(const Config& dlg, const QComboBox* veld) {
    const QWidget* f = dlg.focusWidget();
    return f == veld || (f && f == veld->lineEdit());
}

} // namespace

class TestConfig : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The window and its controls.
    void vensterEnTeksten();
    void plaatsenEnKleuren();
    void focusVolgorde();
    void bedieningBinnenHetVenster();

    // Population.
    void vullenStandaard();
    void vullenBereikBuitenDeLijsten();
    void vullenZwartLaatBalkenStaan();
    void vullenPauze_data();
    void vullenPauze();
    void vullenLegeTitel();
    void vullenPlaatjesrollersZetHoofdvensterTerug();
    void vullenCijferrollersLatenHoofdvensterMet();
    void vullenAchtergronden();
    void vullenEenAchtergrond();
    void vullenGeenAchtergrondMapValtTerugOpWerkmap();
    void vullenAchtergrondenUitBeideMappen();
    void vullenAlleenEigenAchtergrondMap();

    // Live controls.
    void kleurBalkVerandertEenComponent();
    void kleurBalkStapt();
    void kleurBalkSlepenMeldtPasBijLoslaten();
    void kleurResetVanZwart();
    void kleurResetAlOpResetkleur();
    void pauzeBalkUitersten();
    void rolSoortHeenEnTerug();
    void rolSoortNogmaalsKiezenDoetNiets();
    void achtergrondKiezen();
    void achtergrondKapotBewaartPad();
    void achtergrondUitEigenMapKiezen();

    // Apply on "Exit".
    void toepassenOmgekeerdBereik();
    void toepassenGelijkeGrenzen();
    void toepassenAlleenLaagsteHoudtLijst();
    void toepassenHoogsteAlsKommagetal();
    void toepassenAfrondenBankiers_data();
    void toepassenAfrondenBankiers();
    void toepassenTellerPlaatjesrollers();
    void toepassenTitel();
    void toepassenLegeTitel();
    void toepassenUitersteGrenzen();
    void toepassenOngeldigVeld_data();
    void toepassenOngeldigVeld();
    void toepassenBeideVeldenOngeldig();
    void markeringVerdwijntBijTypen();
    void sluitenZonderExitPastNietsToe();
    void exitMetToetsenbord();

    // The pure number reading.
    void leesGetal_data();
    void leesGetal();
};

// --- The window and its controls ---------------------------------------------------------

void TestConfig::vensterEnTeksten() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(dlg.windowTitle(), QStringLiteral(" Configuratie"));
    QCOMPARE(dlg.size(), QSize(Config::kBreedte, Config::kHoogte));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    QCOMPARE(vulling(&dlg), QColor(220, 220, 190));

    QCOMPARE(dlg.cancelKnop()->text(), QStringLiteral("Exit"));
    QCOMPARE(dlg.resetKnop()->text(), QStringLiteral("Reset"));
    QCOMPARE(dlg.resetKnop()->toolTip(), QStringLiteral(" Reset kleuren "));
    auto tekst = [&dlg](const char* naam) {
        auto* label = dlg.findChild<QLabel*>(QLatin1String(naam));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(naam));
    };
    QCOMPARE(tekst("Label2"), QStringLiteral("Kleur van eindgetal en titel"));
    QCOMPARE(tekst("Label4"), QStringLiteral("Van") + QString(12, u' ') + QStringLiteral("t/m"));
    QCOMPARE(tekst("Label8"), QStringLiteral("Pauze na het starten"));
    QCOMPARE(tekst("Label10"), QStringLiteral("Random getallen"));
    QCOMPARE(tekst("Label12"), QStringLiteral("Titel boven de rollers"));
    QCOMPARE(dlg.rolKeuze(0)->text(), QStringLiteral("Rollers met getallen"));
    QCOMPARE(dlg.rolKeuze(1)->text(), QStringLiteral("Rollers met afbeeldingen"));
    QVERIFY(dlg.combo1()->isEditable());
    QVERIFY(dlg.combo2()->isEditable());

    // The bars: 0..255 (colours) and 1..9 (pause), steps of one for arrows and track.
    for (int i = 1; i <= 3; ++i) {
        const QScrollBar* balk = dlg.colorScroll(i);
        QCOMPARE(balk->objectName(), QStringLiteral("ColorScroll%1").arg(i));
        QCOMPARE(balk->orientation(), Qt::Horizontal);
        QCOMPARE(balk->minimum(), 0);
        QCOMPARE(balk->maximum(), 255);
        QCOMPARE(balk->singleStep(), 1);
        QCOMPARE(balk->pageStep(), 1);
        QVERIFY(!balk->hasTracking());
    }
    QCOMPARE(dlg.pauzeScroll()->minimum(), 1);
    QCOMPARE(dlg.pauzeScroll()->maximum(), 9);
    QCOMPARE(dlg.pauzeScroll()->pageStep(), 1);
    QVERIFY(!dlg.pauzeScroll()->hasTracking());
    QCOMPARE(dlg.colorScroll(0), nullptr);
    QCOMPARE(dlg.colorScroll(4), nullptr);
}

void TestConfig::plaatsenEnKleuren() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    auto rechthoek = [&dlg](const char* naam) {
        auto* w = dlg.findChild<QWidget*>(QLatin1String(naam));
        return w ? w->geometry() : QRect();
    };
    // Twips at 15 a pixel.
    QCOMPARE(rechthoek("BackKnoppen"), QRect(422, 235, 60, 26));
    QCOMPARE(rechthoek("CancelKnop"), QRect(424, 237, 56, 22));
    QCOMPARE(rechthoek("Label1"), QRect(16, 16, 116, 64));
    QCOMPARE(rechthoek("ColorScroll1"), QRect(18, 18, 112, 20));
    QCOMPARE(rechthoek("ColorScroll2"), QRect(18, 38, 112, 20));
    QCOMPARE(rechthoek("ColorScroll3"), QRect(18, 58, 112, 20));
    QCOMPARE(rechthoek("Label3"), QRect(182, 16, 66, 26));
    QCOMPARE(rechthoek("ResetKnop"), QRect(184, 18, 62, 22));
    QCOMPARE(rechthoek("List1"), QRect(300, 16, 180, 116));
    QCOMPARE(rechthoek("Label6"), QRect(16, 180, 122, 24));
    QCOMPARE(rechthoek("PauzeScroll"), QRect(18, 182, 118, 20));
    QCOMPARE(rechthoek("Label9"), QRect(140, 16, 32, 64));
    QCOMPARE(rechthoek("RolKeuze0"), QRect(240, 170, 172, 20));
    QCOMPARE(rechthoek("RolKeuze1"), QRect(240, 192, 172, 20));
    QCOMPARE(rechthoek("Text1"), QRect(16, 235, 200, 22));
    QCOMPARE(rechthoek("Combo1").topLeft(), QPoint(16, 120));
    QCOMPARE(rechthoek("Combo1").width(), 60);
    QCOMPARE(rechthoek("Combo2").topLeft(), QPoint(86, 120));
    QCOMPARE(rechthoek("Combo2").width(), 60);
    QCOMPARE(rechthoek("Label2").topLeft(), QPoint(18, 82));
    QCOMPARE(rechthoek("Label4").topLeft(), QPoint(17, 146));
    QCOMPARE(rechthoek("Label7").topLeft(), QPoint(144, 183));
    QCOMPARE(rechthoek("Label8").topLeft(), QPoint(16, 206));
    QCOMPARE(rechthoek("Label10").topLeft(), QPoint(150, 124));
    QCOMPARE(rechthoek("Label11").topLeft(), QPoint(302, 136));
    QCOMPARE(rechthoek("Label12").topLeft(), QPoint(223, 238));

    // Frames lie behind what they frame.
    const QList<QObject*> volgorde = dlg.children();
    auto index = [&volgorde, &dlg](const char* naam) {
        return volgorde.indexOf(dlg.findChild<QWidget*>(QLatin1String(naam)));
    };
    QVERIFY(index("Label1") < index("ColorScroll1"));
    QVERIFY(index("Label3") < index("ResetKnop"));
    QVERIFY(index("Label6") < index("PauzeScroll"));
    QVERIFY(index("BackKnoppen") < index("CancelKnop"));

    auto* label6 = dlg.findChild<QLabel*>(QStringLiteral("Label6"));
    QVERIFY(label6 && label6->autoFillBackground());
    QCOMPARE(vulling(label6), QColor(64, 64, 64));
    QCOMPARE(vulling(dlg.findChild<QLabel*>(QStringLiteral("Label1"))), QColor(0, 0, 0));
    QCOMPARE(vulling(dlg.findChild<QLabel*>(QStringLiteral("BackKnoppen"))), QColor(0, 0, 0));
    QCOMPARE(dlg.resetKnop()->palette().color(QPalette::Button), QColor(190, 220, 220));
    QCOMPARE(dlg.achtergrondLijst()->palette().color(QPalette::Base), QColor(190, 230, 230));
    QCOMPARE(dlg.achtergrondLijst()->palette().color(QPalette::Text), QColor(128, 128, 128));
    QCOMPARE(dlg.combo1()->palette().color(QPalette::Base), QColor(250, 250, 200));
    QCOMPARE(dlg.combo2()->palette().color(QPalette::Base), QColor(250, 250, 200));
    QCOMPARE(dlg.text1()->palette().color(QPalette::Base), QColor(230, 240, 180));
    for (int k = 0; k < 2; ++k) {
        QRadioButton* keuze = dlg.rolKeuze(k);
        QVERIFY(keuze->autoFillBackground());
        QCOMPARE(keuze->palette().color(keuze->backgroundRole()), QColor(220, 220, 190));
        QCOMPARE(keuze->palette().color(keuze->foregroundRole()), QColor(64, 64, 64));
        // The fill shows right of the text.
        const QImage beeld = keuze->grab().toImage();
        QCOMPARE(beeld.pixelColor(beeld.width() - 3, beeld.height() / 2), QColor(220, 220, 190));
        QCOMPARE(dlg.rolKeuze(k)->font().pixelSize(), 13);
    }
    for (const char* naam :
         {"Label2", "Label4", "Label7", "Label8", "Label10", "Label11", "Label12"}) {
        auto* label = dlg.findChild<QLabel*>(QLatin1String(naam));
        QVERIFY2(label, naam);
        QVERIFY2(!label->autoFillBackground(), naam);
        QCOMPARE(tekstKleur(label), QColor(64, 64, 64));
        QCOMPARE(label->font().pixelSize(), 13);
        // Sized to the text.
        QCOMPARE(label->size(), label->sizeHint());
    }
    QCOMPARE(dlg.achtergrondLijst()->font().pixelSize(), 13);
    QCOMPARE(dlg.text1()->font().pixelSize(), 13);
}

void TestConfig::focusVolgorde() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.focusWidget(), dlg.cancelKnop());

    // The focus chain among the controls that take focus with the Tab key.
    QList<QWidget*> keten;
    QWidget* w = dlg.cancelKnop();
    do {
        if (w->parentWidget() == &dlg && (w->focusPolicy() & Qt::TabFocus))
            keten.append(w);
        w = w->nextInFocusChain();
    } while (w != dlg.cancelKnop() && keten.size() < 50);
    const QList<QWidget*> verwacht{dlg.cancelKnop(),   dlg.colorScroll(1), dlg.colorScroll(2),
                                   dlg.colorScroll(3), dlg.resetKnop(),    dlg.achtergrondLijst(),
                                   dlg.pauzeScroll(),  dlg.combo1(),       dlg.combo2(),
                                   dlg.rolKeuze(0),    dlg.rolKeuze(1),    dlg.text1()};
    QCOMPARE(keten, verwacht);
    dlg.close();
}

void TestConfig::bedieningBinnenHetVenster() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    for (QWidget* w : dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible())
            continue;
        QVERIFY2(dlg.rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
    // Opened centred on the screen by its real frame, whatever the window manager adds.
    const QRect scherm = o.w->screen()->geometry();
    const QPoint midden = dlg.frameGeometry().center();
    QVERIFY2(qAbs(midden.x() - scherm.center().x()) <= 1, qPrintable(QString::number(midden.x())));
    QVERIFY2(qAbs(midden.y() - scherm.center().y()) <= 1, qPrintable(QString::number(midden.y())));
    dlg.close();
}

// --- Population --------------------------------------------------------------------------

void TestConfig::vullenStandaard() {
    Omgeving o;
    voegNummersToe(o.t, {4, 8});
    const Instellingen voor = o.t.inst;
    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(dlg.colorScroll(1)->value(), 255);
    QCOMPARE(dlg.colorScroll(2)->value(), 255);
    QCOMPARE(dlg.colorScroll(3)->value(), 190);
    QCOMPARE(vulling(dlg.kleurVak()), QColor(255, 255, 190));
    QCOMPARE(dlg.pauzeScroll()->value(), 4);
    QCOMPARE(dlg.pauzeLabel()->text(), QStringLiteral("4 Seconden"));
    QVERIFY(dlg.rolKeuze(0)->isChecked());
    QVERIFY(!dlg.rolKeuze(1)->isChecked());
    QCOMPARE(dlg.text1()->text(), QStringLiteral("Quintaro"));

    QCOMPARE(dlg.combo1()->count(), 1000);
    QCOMPARE(dlg.combo1()->itemText(0), QStringLiteral("1"));
    QCOMPARE(dlg.combo1()->itemText(999), QStringLiteral("1000"));
    QCOMPARE(dlg.combo1()->currentIndex(), 0);
    QCOMPARE(dlg.combo1()->currentText(), QStringLiteral("1"));
    QCOMPARE(dlg.combo2()->count(), 991);
    QCOMPARE(dlg.combo2()->itemText(0), QStringLiteral("99"));
    QCOMPARE(dlg.combo2()->itemText(1), QStringLiteral("109"));
    QCOMPARE(dlg.combo2()->itemText(990), QStringLiteral("9999"));
    QCOMPARE(dlg.combo2()->currentIndex(), 401);
    QCOMPARE(dlg.combo2()->itemText(401), QStringLiteral("4109"));
    QCOMPARE(dlg.combo2()->currentText(), QStringLiteral("9999"));

    // Population itself stores nothing new and leaves the main window's list alone.
    QVERIFY(o.t.inst == voor);
    QCOMPARE(o.t.inst.LaagsteNummer, 1);
    QCOMPARE(o.t.inst.HoogsteNummer, 9999);
    QCOMPARE(o.t.inst.KleurRood, 255.0);
    QCOMPARE(o.t.inst.KleurGroen, 255.0);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(190));
    QCOMPARE(o.t.inst.PauzeSeconden, quint8(4));
    QCOMPARE(o.t.lijst.aantal(), qsizetype{2});
}

void TestConfig::vullenBereikBuitenDeLijsten() {
    Omgeving o;
    o.t.inst.LaagsteNummer = 5;
    o.t.inst.HoogsteNummer = 50;
    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(dlg.combo1()->currentText(), QStringLiteral("5"));
    QCOMPARE(dlg.combo2()->currentText(), QStringLiteral("50"));
    QCOMPARE(dlg.combo1()->count(), 1000);
    QCOMPARE(dlg.combo2()->count(), 991);
    QCOMPARE(dlg.combo1()->findText(QStringLiteral("50")), 49);
    QCOMPARE(dlg.combo2()->findText(QStringLiteral("50")), -1);

    o.t.inst.LaagsteNummer = -20;
    o.t.inst.HoogsteNummer = 2147483647;
    Config dlg2(o.t, *o.w, o.w.get());
    QCOMPARE(dlg2.combo1()->currentText(), QStringLiteral("-20"));
    QCOMPARE(dlg2.combo2()->currentText(), QStringLiteral("2147483647"));
}

void TestConfig::vullenZwartLaatBalkenStaan() {
    Omgeving o;
    o.t.inst.KleurRood = 0;
    o.t.inst.KleurGroen = 0;
    o.t.inst.KleurBlauw = 0;
    // A colour the dialog would overwrite if a bar ran its handling.
    o.w->zetTitelKleur(QColor(10, 200, 30));
    Config dlg(o.t, *o.w, o.w.get());
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(dlg.colorScroll(i)->value(), 0);
    QCOMPARE(vulling(dlg.kleurVak()), QColor(0, 0, 0));
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(10, 200, 30));

    // With one component set, its bar moves and paints the stored colour into the title.
    o.t.inst.KleurBlauw = 77;
    Config dlg2(o.t, *o.w, o.w.get());
    QCOMPARE(dlg2.colorScroll(3)->value(), 77);
    QCOMPARE(vulling(dlg2.kleurVak()), QColor(0, 0, 77));
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(0, 0, 77));
}

void TestConfig::vullenPauze_data() {
    QTest::addColumn<int>("opgeslagen");
    QTest::addColumn<int>("balk");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("daarna");
    QTest::newRow("5, the bar's own start") << 5 << 5 << "5 Seconden" << 5;
    QTest::newRow("1") << 1 << 1 << "1 Seconden" << 1;
    QTest::newRow("9") << 9 << 9 << "9 Seconden" << 9;
    QTest::newRow("0 from a hand-edited file") << 0 << 1 << "1 Seconden" << 1;
    QTest::newRow("20 from a hand-edited file") << 20 << 9 << "9 Seconden" << 9;
}

void TestConfig::vullenPauze() {
    QFETCH(int, opgeslagen);
    QFETCH(int, balk);
    QFETCH(QString, tekst);
    QFETCH(int, daarna);
    Omgeving o;
    o.t.inst.PauzeSeconden = static_cast<quint8>(opgeslagen);
    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(dlg.pauzeScroll()->value(), balk);
    QCOMPARE(dlg.pauzeLabel()->text(), tekst);
    QCOMPARE(int(o.t.inst.PauzeSeconden), daarna);
}

void TestConfig::vullenLegeTitel() {
    Omgeving o;
    o.t.inst.TitelTekst.clear();
    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(dlg.text1()->text(), QString());
}

void TestConfig::vullenPlaatjesrollersZetHoofdvensterTerug() {
    Omgeving o;
    o.t.RolSoort = 1;
    o.t.TotaalScore = 42;
    o.t.AantalTrekkingen = 6;
    o.t.inst.LaagsteNummer = 3;
    o.t.inst.HoogsteNummer = 333;
    voegNummersToe(o.t, {120, 450, 450});
    o.w->zetTeller(QStringLiteral("42"));

    Config dlg(o.t, *o.w, o.w.get());
    QVERIFY(dlg.rolKeuze(1)->isChecked());
    QCOMPARE(o.t.lijst.aantal(), qsizetype{0});
    QCOMPARE(o.t.inst.LaagsteNummer, 100);
    QCOMPARE(o.t.inst.HoogsteNummer, 900);
    QCOMPARE(o.t.TotaalScore, 0);
    QCOMPARE(o.t.AantalTrekkingen, 0);
    QCOMPARE(o.t.RolSoort, quint8(1));
    QCOMPARE(o.w->teller()->text(), QStringLiteral("0"));
    QCOMPARE(dlg.combo1()->currentText(), QStringLiteral("100"));
    QCOMPARE(dlg.combo2()->currentText(), QStringLiteral("900"));
    // The rollers show the picture strip.
    RolVak referentie;
    referentie.setStrook(o.w->strook(1));
    QCOMPARE(o.w->rol(0)->beeld(), referentie.beeld());
    QCOMPARE(o.w->rol(3)->beeld(), referentie.beeld());

    // And again at the next opening, whatever happened in between.
    voegNummersToe(o.t, {200});
    o.t.TotaalScore = 9;
    o.t.inst.HoogsteNummer = 800;
    Config dlg2(o.t, *o.w, o.w.get());
    QCOMPARE(o.t.lijst.aantal(), qsizetype{0});
    QCOMPARE(o.t.TotaalScore, 0);
    QCOMPARE(o.t.inst.HoogsteNummer, 900);
    QCOMPARE(dlg2.combo2()->currentText(), QStringLiteral("900"));
}

void TestConfig::vullenCijferrollersLatenHoofdvensterMet() {
    Omgeving o;
    o.t.TotaalScore = 17;
    o.t.AantalTrekkingen = 2;
    voegNummersToe(o.t, {7, 9});
    o.w->zetTeller(QStringLiteral("2/9999"));
    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(o.t.lijst.aantal(), qsizetype{2});
    QCOMPARE(o.t.TotaalScore, 17);
    QCOMPARE(o.t.AantalTrekkingen, 2);
    QCOMPARE(o.w->teller()->text(), QStringLiteral("2/9999"));
}

void TestConfig::vullenAchtergronden() {
    Omgeving o;
    const QDir map(o.achtergronden());
    QVERIFY(QDir().mkpath(map.path()));
    for (const char* naam : {"b.JPG", "a.jpg", "C.gif", "d.bmp", "e.png", "f.jpeg", "gjpg"})
        QVERIFY(schrijf(map.filePath(QLatin1String(naam)), "x"));
    QVERIFY(schrijf(map.filePath(QStringLiteral(".verborgen.jpg")), "x"));
    QVERIFY(map.mkpath(QStringLiteral("map.jpg"))); // a folder, not a file

    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(lijstTeksten(dlg.achtergrondLijst()),
             (QStringList{"a.jpg", "b.JPG", "C.gif", "d.bmp"}));
    QCOMPARE(dlg.aantalLabel()->text(), QStringLiteral("4 Achtergronden"));
    QCOMPARE(dlg.aantalLabel()->size(), dlg.aantalLabel()->sizeHint());
    QVERIFY(dlg.achtergrondLijst()->selectedItems().isEmpty());
    QCOMPARE(lijstPaden(dlg.achtergrondLijst()),
             (QStringList{map.filePath("a.jpg"), map.filePath("b.JPG"), map.filePath("C.gif"),
                          map.filePath("d.bmp")}));
    // Filling the list chose nothing.
    QCOMPARE(o.t.inst.AchtergrondBestand,
             QDir(o.t.paden.programmaMap).filePath(QLatin1String(kStandaardAchtergrond)));
}

void TestConfig::vullenEenAchtergrond() {
    Omgeving o;
    QVERIFY(QDir().mkpath(o.achtergronden()));
    QVERIFY(schrijf(QDir(o.achtergronden()).filePath(QStringLiteral("enige.bmp")), "x"));
    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(dlg.aantalLabel()->text(), QStringLiteral("1 Achtergronden"));

    QVERIFY(QFile::remove(QDir(o.achtergronden()).filePath(QStringLiteral("enige.bmp"))));
    Config leeg(o.t, *o.w, o.w.get());
    QCOMPARE(leeg.aantalLabel()->text(), QStringLiteral("0 Achtergronden"));
    QCOMPARE(leeg.achtergrondLijst()->count(), 0);
}

void TestConfig::vullenGeenAchtergrondMapValtTerugOpWerkmap() {
    Omgeving o;
    QTemporaryDir werk;
    QVERIFY(schrijf(QDir(werk.path()).filePath(QStringLiteral("hier.gif")), "x"));
    QVERIFY(schrijf(QDir(werk.path()).filePath(QStringLiteral("tekst.txt")), "x"));
    const QString vorige = QDir::currentPath();
    QVERIFY(QDir::setCurrent(werk.path()));
    Config dlg(o.t, *o.w, o.w.get());
    QDir::setCurrent(vorige);

    QCOMPARE(lijstTeksten(dlg.achtergrondLijst()), QStringList{QStringLiteral("hier.gif")});
    QCOMPARE(QFileInfo(lijstPaden(dlg.achtergrondLijst()).value(0)).canonicalFilePath(),
             QFileInfo(QDir(werk.path()).filePath(QStringLiteral("hier.gif"))).canonicalFilePath());
    QCOMPARE(dlg.aantalLabel()->text(), QStringLiteral("1 Achtergronden"));
}

void TestConfig::vullenAchtergrondenUitBeideMappen() {
    Omgeving o;
    const QDir programma(o.achtergronden());
    const QDir eigen(o.eigenAchtergronden());
    QVERIFY(QDir().mkpath(programma.path()));
    for (const char* naam : {"zon.jpg", "Boom.gif", "tekst.txt"})
        QVERIFY(schrijf(programma.filePath(QLatin1String(naam)), "x"));
    for (const char* naam : {"maan.BMP", "Appel.jpg", "zon.jpg", "foto.png"})
        QVERIFY(schrijf(eigen.filePath(QLatin1String(naam)), "x"));

    Config dlg(o.t, *o.w, o.w.get());
    // The program's pictures first, then the user's, each by name without regard to case.
    QCOMPARE(lijstTeksten(dlg.achtergrondLijst()),
             (QStringList{"Boom.gif", "zon.jpg", "Appel.jpg", "maan.BMP", "zon.jpg"}));
    QCOMPARE(lijstPaden(dlg.achtergrondLijst()),
             (QStringList{programma.filePath("Boom.gif"), programma.filePath("zon.jpg"),
                          eigen.filePath("Appel.jpg"), eigen.filePath("maan.BMP"),
                          eigen.filePath("zon.jpg")}));
    QCOMPARE(dlg.aantalLabel()->text(), QStringLiteral("5 Achtergronden"));
    QCOMPARE(dlg.aantalLabel()->size(), dlg.aantalLabel()->sizeHint());
    QVERIFY(dlg.achtergrondLijst()->selectedItems().isEmpty());
}

void TestConfig::vullenAlleenEigenAchtergrondMap() {
    // The program has no Backgrounds folder, the user has one: the user's pictures are
    // listed, and the current directory is not looked at.
    Omgeving o;
    const QDir eigen(o.eigenAchtergronden());
    QVERIFY(!QFileInfo::exists(o.achtergronden()));
    QVERIFY(schrijf(eigen.filePath(QStringLiteral("eigen.gif")), "x"));
    QTemporaryDir werk;
    QVERIFY(schrijf(QDir(werk.path()).filePath(QStringLiteral("hier.gif")), "x"));
    const QString vorige = QDir::currentPath();
    QVERIFY(QDir::setCurrent(werk.path()));
    Config dlg(o.t, *o.w, o.w.get());
    QDir::setCurrent(vorige);

    QCOMPARE(lijstTeksten(dlg.achtergrondLijst()), QStringList{QStringLiteral("eigen.gif")});
    QCOMPARE(lijstPaden(dlg.achtergrondLijst()), QStringList{eigen.filePath("eigen.gif")});
    QCOMPARE(dlg.aantalLabel()->text(), QStringLiteral("1 Achtergronden"));

    // An empty folder of the user's counts as found as well.
    QVERIFY(QFile::remove(eigen.filePath(QStringLiteral("eigen.gif"))));
    QVERIFY(QDir::setCurrent(werk.path()));
    Config leeg(o.t, *o.w, o.w.get());
    QDir::setCurrent(vorige);
    QCOMPARE(leeg.achtergrondLijst()->count(), 0);
    QCOMPARE(leeg.aantalLabel()->text(), QStringLiteral("0 Achtergronden"));
}

// --- Live controls -----------------------------------------------------------------------

void TestConfig::kleurBalkVerandertEenComponent() {
    Omgeving o;
    o.t.inst.KleurRood = 255;
    o.t.inst.KleurGroen = 255;
    o.t.inst.KleurBlauw = 190;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.colorScroll(2)->setValue(0);
    QCOMPARE(o.t.inst.KleurRood, 255.0);
    QCOMPARE(o.t.inst.KleurGroen, 0.0);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(190));
    QCOMPARE(vulling(dlg.kleurVak()), QColor(255, 0, 190));
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(255, 0, 190));
    const QImage vak = dlg.kleurVak()->grab().toImage();
    QCOMPARE(vak.pixelColor(vak.width() / 2, vak.height() / 2), QColor(255, 0, 190));

    dlg.colorScroll(1)->setValue(12);
    dlg.colorScroll(3)->setValue(255);
    QCOMPARE(o.t.inst.KleurRood, 12.0);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(255));
    QCOMPARE(vulling(dlg.kleurVak()), QColor(12, 0, 255));
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(12, 0, 255));
}

void TestConfig::kleurBalkStapt() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    QScrollBar* blauw = dlg.colorScroll(3);
    blauw->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(189));
    blauw->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(188));
    QCOMPARE(vulling(dlg.kleurVak()), QColor(255, 255, 188));

    // The keyboard steps a focused bar the same way.
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    blauw->setFocus();
    QTest::keyClick(blauw, Qt::Key_Right);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(189));
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(255, 255, 189));
    QTest::keyClick(blauw, Qt::Key_Left);
    QTest::keyClick(blauw, Qt::Key_Left);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(187));
    QTest::keyClick(blauw, Qt::Key_End);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(255));
    QTest::keyClick(blauw, Qt::Key_Down);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(255));
    QTest::keyClick(blauw, Qt::Key_Home);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(0));
    QCOMPARE(vulling(dlg.kleurVak()), QColor(255, 255, 0));
    dlg.close();
}

void TestConfig::kleurBalkSlepenMeldtPasBijLoslaten() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    QScrollBar* rood = dlg.colorScroll(1);
    rood->setSliderDown(true);
    rood->setSliderPosition(100);
    rood->setSliderPosition(40);
    QCOMPARE(o.t.inst.KleurRood, 255.0);
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(255, 255, 190));
    rood->setSliderDown(false);
    QCOMPARE(o.t.inst.KleurRood, 40.0);
    QCOMPARE(vulling(dlg.kleurVak()), QColor(40, 255, 190));
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(40, 255, 190));
}

void TestConfig::kleurResetVanZwart() {
    Omgeving o;
    o.t.inst.KleurRood = 0;
    o.t.inst.KleurGroen = 0;
    o.t.inst.KleurBlauw = 0;
    Config dlg(o.t, *o.w, o.w.get());
    QTest::mouseClick(dlg.resetKnop(), Qt::LeftButton);
    QCOMPARE(o.t.inst.KleurRood, 220.0);
    QCOMPARE(o.t.inst.KleurGroen, 220.0);
    QCOMPARE(o.t.inst.KleurBlauw, quint8(190));
    QCOMPARE(dlg.colorScroll(1)->value(), 220);
    QCOMPARE(dlg.colorScroll(2)->value(), 220);
    QCOMPARE(dlg.colorScroll(3)->value(), 190);
    QCOMPARE(vulling(dlg.kleurVak()), QColor(220, 220, 190));
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(220, 220, 190));
}

void TestConfig::kleurResetAlOpResetkleur() {
    Omgeving o;
    o.t.inst.KleurRood = 220;
    o.t.inst.KleurGroen = 220;
    o.t.inst.KleurBlauw = 190;
    Config dlg(o.t, *o.w, o.w.get());
    // No bar moves, so nothing repaints the title.
    o.w->zetTitelKleur(QColor(1, 2, 3));
    dlg.resetKnop()->click();
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(1, 2, 3));
    QCOMPARE(o.t.inst.KleurRood, 220.0);

    // One bar off: the reset stores all three and the moving bar paints the final colour.
    dlg.colorScroll(3)->setValue(5);
    dlg.resetKnop()->click();
    QCOMPARE(o.t.inst.KleurBlauw, quint8(190));
    QCOMPARE(tekstKleur(o.w->logo2()), QColor(220, 220, 190));
}

void TestConfig::pauzeBalkUitersten() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.pauzeScroll()->setValue(1);
    QCOMPARE(o.t.inst.PauzeSeconden, quint8(1));
    QCOMPARE(dlg.pauzeLabel()->text(), QStringLiteral("1 Seconden"));
    dlg.pauzeScroll()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(o.t.inst.PauzeSeconden, quint8(1));
    dlg.pauzeScroll()->setValue(9);
    QCOMPARE(o.t.inst.PauzeSeconden, quint8(9));
    QCOMPARE(dlg.pauzeLabel()->text(), QStringLiteral("9 Seconden"));
    QCOMPARE(dlg.pauzeLabel()->size(), dlg.pauzeLabel()->sizeHint());
    dlg.pauzeScroll()->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(o.t.inst.PauzeSeconden, quint8(8));
    QCOMPARE(dlg.pauzeLabel()->text(), QStringLiteral("8 Seconden"));
}

void TestConfig::rolSoortHeenEnTerug() {
    Omgeving o;
    o.t.AantalTrekkingen = 4;
    o.t.TotaalScore = 0;
    voegNummersToe(o.t, {11, 22, 33, 44});
    Config dlg(o.t, *o.w, o.w.get());

    QTest::mouseClick(dlg.rolKeuze(1), Qt::LeftButton);
    QVERIFY(dlg.rolKeuze(1)->isChecked());
    QCOMPARE(o.t.RolSoort, quint8(1));
    QCOMPARE(o.t.lijst.aantal(), qsizetype{0});
    QCOMPARE(o.t.inst.LaagsteNummer, 100);
    QCOMPARE(o.t.inst.HoogsteNummer, 900);
    QCOMPARE(dlg.combo1()->currentText(), QStringLiteral("100"));
    QCOMPARE(dlg.combo2()->currentText(), QStringLiteral("900"));
    QCOMPARE(o.w->teller()->text(), QStringLiteral("0"));
    QCOMPARE(o.t.TotaalScore, 0);
    QCOMPARE(o.t.AantalTrekkingen, 0);
    RolVak plaatjes;
    plaatjes.setStrook(o.w->strook(1));
    QCOMPARE(o.w->rol(1)->beeld(), plaatjes.beeld());

    // Draws made with pictures; then back to digits.
    voegNummersToe(o.t, {150, 150});
    o.t.TotaalScore = 60;
    o.t.AantalTrekkingen = 2;
    QTest::mouseClick(dlg.rolKeuze(0), Qt::LeftButton);
    QCOMPARE(o.t.RolSoort, quint8(0));
    QCOMPARE(o.t.lijst.aantal(), qsizetype{0});
    QCOMPARE(o.t.inst.LaagsteNummer, 1);
    QCOMPARE(o.t.inst.HoogsteNummer, 9999);
    QCOMPARE(dlg.combo1()->currentText(), QStringLiteral("1"));
    QCOMPARE(dlg.combo2()->currentText(), QStringLiteral("9999"));
    QCOMPARE(o.w->teller()->text(), QStringLiteral("0/9999"));
    QCOMPARE(o.t.AantalTrekkingen, 0);
    QCOMPARE(o.t.TotaalScore, 60); // the digit branch leaves the score
    RolVak cijfers;
    cijfers.setStrook(o.w->strook(0));
    QCOMPARE(o.w->rol(2)->beeld(), cijfers.beeld());
}

void TestConfig::rolSoortNogmaalsKiezenDoetNiets() {
    Omgeving o;
    o.t.inst.HoogsteNummer = 500;
    voegNummersToe(o.t, {3});
    Config dlg(o.t, *o.w, o.w.get());
    QTest::mouseClick(dlg.rolKeuze(0), Qt::LeftButton);
    QVERIFY(dlg.rolKeuze(0)->isChecked());
    QCOMPARE(o.t.lijst.aantal(), qsizetype{1});
    QCOMPARE(o.t.inst.HoogsteNummer, 500);
    QCOMPARE(dlg.combo2()->currentText(), QStringLiteral("500"));
}

void TestConfig::achtergrondKiezen() {
    Omgeving o;
    const QDir map(o.achtergronden());
    QVERIFY(QDir().mkpath(map.path()));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("groen.bmp")), QColor(0, 255, 0), "BMP"));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("rood.jpg")), QColor(255, 0, 0), "JPG"));
    QVERIFY(!o.w->heeftAchtergrond());

    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(lijstTeksten(dlg.achtergrondLijst()), (QStringList{"groen.bmp", "rood.jpg"}));
    dlg.achtergrondLijst()->setCurrentRow(1);
    QCOMPARE(o.t.inst.AchtergrondBestand, o.achtergronden() + QStringLiteral("/rood.jpg"));
    QVERIFY(o.w->heeftAchtergrond());
    const QColor hoek = o.w->grab().toImage().pixelColor(3, 3);
    QVERIFY2(hoek.red() > 200 && hoek.green() < 60, qPrintable(hoek.name()));

    dlg.achtergrondLijst()->setCurrentRow(0);
    QCOMPARE(o.t.inst.AchtergrondBestand, o.achtergronden() + QStringLiteral("/groen.bmp"));
    QCOMPARE(o.w->grab().toImage().pixelColor(3, 3), QColor(0, 255, 0));
}

void TestConfig::achtergrondKapotBewaartPad() {
    Omgeving o;
    const QDir map(o.achtergronden());
    QVERIFY(QDir().mkpath(map.path()));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("a.bmp")), QColor(0, 0, 255), "BMP"));
    QVERIFY(schrijf(map.filePath(QStringLiteral("b.jpg")), "geen plaatje"));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("c.gif")), QColor(255, 255, 0), "BMP"));

    Config dlg(o.t, *o.w, o.w.get());
    dlg.achtergrondLijst()->setCurrentRow(0);
    QCOMPARE(o.w->grab().toImage().pixelColor(3, 3), QColor(0, 0, 255));

    dlg.achtergrondLijst()->setCurrentRow(1);
    QCOMPARE(o.t.inst.AchtergrondBestand, o.achtergronden() + QStringLiteral("/b.jpg"));
    QVERIFY(o.w->heeftAchtergrond());
    QCOMPARE(o.w->grab().toImage().pixelColor(3, 3), QColor(0, 0, 255));

    // A file deleted after the list was filled behaves the same.
    QVERIFY(QFile::remove(map.filePath(QStringLiteral("c.gif"))));
    dlg.achtergrondLijst()->setCurrentRow(2);
    QCOMPARE(o.t.inst.AchtergrondBestand, o.achtergronden() + QStringLiteral("/c.gif"));
    QCOMPARE(o.w->grab().toImage().pixelColor(3, 3), QColor(0, 0, 255));
}

void TestConfig::achtergrondUitEigenMapKiezen() {
    // The same name in both folders: each entry loads its own picture.
    Omgeving o;
    const QDir programma(o.achtergronden());
    const QDir eigen(o.eigenAchtergronden());
    QVERIFY(QDir().mkpath(programma.path()));
    QVERIFY(schrijfBeeld(programma.filePath(QStringLiteral("veld.bmp")), QColor(255, 0, 0), "BMP"));
    QVERIFY(schrijfBeeld(eigen.filePath(QStringLiteral("veld.bmp")), QColor(0, 0, 255), "BMP"));
    QVERIFY(schrijf(eigen.filePath(QStringLiteral("stuk.jpg")), "geen plaatje"));

    Config dlg(o.t, *o.w, o.w.get());
    QCOMPARE(lijstTeksten(dlg.achtergrondLijst()),
             (QStringList{"veld.bmp", "stuk.jpg", "veld.bmp"}));
    dlg.achtergrondLijst()->setCurrentRow(2);
    QCOMPARE(o.t.inst.AchtergrondBestand, eigen.filePath(QStringLiteral("veld.bmp")));
    QVERIFY(o.w->heeftAchtergrond());
    QCOMPARE(o.w->grab().toImage().pixelColor(3, 3), QColor(0, 0, 255));

    dlg.achtergrondLijst()->setCurrentRow(0);
    QCOMPARE(o.t.inst.AchtergrondBestand, programma.filePath(QStringLiteral("veld.bmp")));
    QCOMPARE(o.w->grab().toImage().pixelColor(3, 3), QColor(255, 0, 0));

    // A file of the user's that is no picture: the path is stored, the picture stays.
    dlg.achtergrondLijst()->setCurrentRow(1);
    QCOMPARE(o.t.inst.AchtergrondBestand, eigen.filePath(QStringLiteral("stuk.jpg")));
    QCOMPARE(o.w->grab().toImage().pixelColor(3, 3), QColor(255, 0, 0));
}

// --- Apply on "Exit" ---------------------------------------------------------------------

void TestConfig::toepassenOmgekeerdBereik() {
    Omgeving o;
    voegNummersToe(o.t, {5, 6});
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    MeldingVanger vanger;
    dlg.combo1()->setEditText(QStringLiteral("100"));
    dlg.combo2()->setEditText(QStringLiteral("99"));
    QTest::mouseClick(dlg.cancelKnop(), Qt::LeftButton);

    QCOMPARE(vanger.meldingen.size(), 1);
    QCOMPARE(vanger.meldingen[0].titel, QStringLiteral("Error"));
    QCOMPARE(vanger.meldingen[0].tekst,
             QStringLiteral("Het laagste nummer is hoger dan het hoogste nummer!"));
    QCOMPARE(vanger.meldingen[0].icoon, QMessageBox::Critical);
    QVERIFY(dlg.isVisible());
    // Stored as read, and the list went with the changed highest number.
    QCOMPARE(o.t.inst.LaagsteNummer, 100);
    QCOMPARE(o.t.inst.HoogsteNummer, 99);
    QCOMPARE(o.t.lijst.aantal(), qsizetype{0});

    dlg.combo1()->setEditText(QStringLiteral("1"));
    QTest::mouseClick(dlg.cancelKnop(), Qt::LeftButton);
    QCOMPARE(vanger.meldingen.size(), 1);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(o.t.inst.LaagsteNummer, 1);
    QCOMPARE(o.t.inst.HoogsteNummer, 99);
    QCOMPARE(o.w->teller()->text(), QStringLiteral("0/99"));
}

void TestConfig::toepassenGelijkeGrenzen() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    MeldingVanger vanger;
    dlg.combo1()->setEditText(QStringLiteral("50"));
    dlg.combo2()->setEditText(QStringLiteral("50"));
    dlg.cancelKnop()->click();
    QVERIFY(vanger.meldingen.isEmpty());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.t.inst.LaagsteNummer, 50);
    QCOMPARE(o.t.inst.HoogsteNummer, 50);
    QCOMPARE(o.w->teller()->text(), QStringLiteral("0/50"));
    QCOMPARE(o.w->teller()->size(), o.w->teller()->sizeHint());

    // The counter shows the draws made so far.
    o.t.AantalTrekkingen = 3;
    Config dlg2(o.t, *o.w, o.w.get());
    dlg2.show();
    dlg2.combo2()->setEditText(QStringLiteral("99"));
    dlg2.cancelKnop()->click();
    QCOMPARE(o.w->teller()->text(), QStringLiteral("3/99"));
}

void TestConfig::toepassenAlleenLaagsteHoudtLijst() {
    Omgeving o;
    voegNummersToe(o.t, {17, 4, 250});
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    dlg.combo1()->setEditText(QStringLiteral("10"));
    dlg.cancelKnop()->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.t.inst.LaagsteNummer, 10);
    QCOMPARE(o.t.inst.HoogsteNummer, 9999);
    QCOMPARE(o.t.lijst.aantal(), qsizetype{3});

    // A new highest number clears it.
    Config dlg2(o.t, *o.w, o.w.get());
    dlg2.show();
    dlg2.combo2()->setEditText(QStringLiteral("9989"));
    dlg2.cancelKnop()->click();
    QCOMPARE(o.t.lijst.aantal(), qsizetype{0});
}

void TestConfig::toepassenHoogsteAlsKommagetal() {
    Omgeving o;
    voegNummersToe(o.t, {1, 2});
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    dlg.combo2()->setEditText(QStringLiteral("9999.0"));
    dlg.cancelKnop()->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.t.inst.HoogsteNummer, 9999);
    QCOMPARE(o.t.lijst.aantal(), qsizetype{2});

    // A fraction differs from the stored number even where it rounds back to it.
    Config dlg2(o.t, *o.w, o.w.get());
    dlg2.show();
    dlg2.combo2()->setEditText(QStringLiteral("9999.4"));
    dlg2.cancelKnop()->click();
    QCOMPARE(o.t.inst.HoogsteNummer, 9999);
    QCOMPARE(o.t.lijst.aantal(), qsizetype{0});
}

void TestConfig::toepassenAfrondenBankiers_data() {
    QTest::addColumn<QString>("laag");
    QTest::addColumn<QString>("hoog");
    QTest::addColumn<int>("laagste");
    QTest::addColumn<int>("hoogste");
    QTest::newRow("12.5 and 13.5") << "12.5"
                                   << "13.5" << 12 << 14;
    QTest::newRow("below and above a half") << "2.49"
                                            << "7.51" << 2 << 8;
    QTest::newRow("negative halves") << "-2.5"
                                     << "-1.5" << -2 << -2;
    QTest::newRow("blanks around") << "  7 "
                                   << " 70" << 7 << 70;
    QTest::newRow("plus sign and exponent") << "+3"
                                            << "1e3" << 3 << 1000;
}

void TestConfig::toepassenAfrondenBankiers() {
    QFETCH(QString, laag);
    QFETCH(QString, hoog);
    QFETCH(int, laagste);
    QFETCH(int, hoogste);
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    MeldingVanger vanger;
    dlg.combo1()->setEditText(laag);
    dlg.combo2()->setEditText(hoog);
    dlg.cancelKnop()->click();
    QCOMPARE(o.t.inst.LaagsteNummer, laagste);
    QCOMPARE(o.t.inst.HoogsteNummer, hoogste);
    QCOMPARE(dlg.isVisible(), laagste > hoogste);
    QCOMPARE(vanger.meldingen.size(), laagste > hoogste ? 1 : 0);
}

void TestConfig::toepassenTellerPlaatjesrollers() {
    Omgeving o;
    o.t.RolSoort = 1;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    o.t.TotaalScore = 35; // scored behind the dialog
    o.t.AantalTrekkingen = 7;
    dlg.combo2()->setEditText(QStringLiteral("800"));
    dlg.cancelKnop()->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.t.inst.LaagsteNummer, 100);
    QCOMPARE(o.t.inst.HoogsteNummer, 800);
    QCOMPARE(o.w->teller()->text(), QStringLiteral("35"));
}

void TestConfig::toepassenTitel() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    dlg.text1()->setText(QStringLiteral("Grote, \"Kerst\" Loterij"));
    // Typing alone changes nothing.
    QCOMPARE(o.t.inst.TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.w->logo1()->text(), QStringLiteral("Quintaro"));
    dlg.cancelKnop()->click();
    QCOMPARE(o.t.inst.TitelTekst, QStringLiteral("Grote, \"Kerst\" Loterij"));
    QCOMPARE(o.w->logo1()->text(), o.t.inst.TitelTekst);
    QCOMPARE(o.w->logo2()->text(), o.t.inst.TitelTekst);
    // Centred; the coloured title 60 twips (4 pixels) left of its shadow.
    const QLabel* l1 = o.w->logo1();
    const QLabel* l2 = o.w->logo2();
    QCOMPARE(l1->width(), l1->sizeHint().width());
    QVERIFY(qAbs(l1->x() + l1->width() / 2 - 512) <= 1);
    QVERIFY(qAbs((l1->x() - l2->x()) - 4) <= 1);
}

void TestConfig::toepassenLegeTitel() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    dlg.text1()->clear();
    dlg.cancelKnop()->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.t.inst.TitelTekst, QString());
    QCOMPARE(o.w->logo1()->text(), QString());
    QCOMPARE(o.w->logo2()->text(), QString());
}

void TestConfig::toepassenUitersteGrenzen() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    MeldingVanger vanger;
    dlg.combo1()->setEditText(QStringLiteral("-2147483648"));
    dlg.combo2()->setEditText(QStringLiteral("2147483647.4"));
    dlg.cancelKnop()->click();
    QVERIFY(vanger.meldingen.isEmpty());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.t.inst.LaagsteNummer, std::numeric_limits<qint32>::min());
    QCOMPARE(o.t.inst.HoogsteNummer, std::numeric_limits<qint32>::max());
}

void TestConfig::toepassenOngeldigVeld_data() {
    QTest::addColumn<int>("veld");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("reden");
    const QString geen = QStringLiteral("Geen getal");
    const QString buiten = QStringLiteral("Buiten het bereik");
    const QString leeg = QStringLiteral("Vul een getal in");
    for (int veld : {1, 2}) {
        const QByteArray v = QByteArray::number(veld);
        QTest::newRow(v + " empty") << veld << "" << leeg;
        QTest::newRow(v + " blanks") << veld << "   " << leeg;
        QTest::newRow(v + " text") << veld << "veel" << geen;
        QTest::newRow(v + " decimal comma") << veld << "12,5" << geen;
        QTest::newRow(v + " trailing text") << veld << "12abc" << geen;
        QTest::newRow(v + " nan") << veld << "nan" << geen;
        QTest::newRow(v + " above int32") << veld << "2147483648" << buiten;
        QTest::newRow(v + " rounds above int32") << veld << "2147483647.5" << buiten;
        QTest::newRow(v + " below int32") << veld << "-2147483649" << buiten;
        QTest::newRow(v + " huge") << veld << "1e400" << buiten;
        QTest::newRow(v + " inf") << veld << "inf" << buiten;
    }
}

void TestConfig::toepassenOngeldigVeld() {
    QFETCH(int, veld);
    QFETCH(QString, tekst);
    QFETCH(QString, reden);
    Omgeving o;
    voegNummersToe(o.t, {8, 9});
    o.w->zetTeller(QStringLiteral("2/9999"));
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    MeldingVanger vanger;
    QComboBox* fout = veld == 1 ? dlg.combo1() : dlg.combo2();
    QComboBox* goed = veld == 1 ? dlg.combo2() : dlg.combo1();
    // The other field holds a new, valid highest (or lowest) number.
    goed->setEditText(veld == 1 ? QStringLiteral("500") : QStringLiteral("5"));
    fout->setEditText(tekst);
    dlg.text1()->setText(QStringLiteral("Nieuw"));
    dlg.cancelKnop()->click();

    QVERIFY(dlg.isVisible());
    QVERIFY(vanger.meldingen.isEmpty());
    QVERIFY(Config::isGemarkeerd(fout));
    QVERIFY(!Config::isGemarkeerd(goed));
    QVERIFY2(fout->toolTip().startsWith(reden), qPrintable(fout->toolTip()));
    QVERIFY(!fout->styleSheet().isEmpty());
    QVERIFY(heeftFocus(dlg, fout));
    // Nothing stored, nothing cleared.
    QCOMPARE(o.t.inst.LaagsteNummer, 1);
    QCOMPARE(o.t.inst.HoogsteNummer, 9999);
    QCOMPARE(o.t.inst.TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.t.lijst.aantal(), qsizetype{2});
    QCOMPARE(o.w->teller()->text(), QStringLiteral("2/9999"));
    QCOMPARE(o.w->logo1()->text(), QStringLiteral("Quintaro"));

    // Corrected, the same click applies.
    fout->setEditText(veld == 1 ? QStringLiteral("3") : QStringLiteral("600"));
    dlg.cancelKnop()->click();
    QVERIFY(!dlg.isVisible());
    QVERIFY(!Config::isGemarkeerd(fout));
    QCOMPARE(o.t.inst.TitelTekst, QStringLiteral("Nieuw"));
}

void TestConfig::toepassenBeideVeldenOngeldig() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.combo1()->setEditText(QStringLiteral("x"));
    dlg.combo2()->setEditText(QString());
    dlg.cancelKnop()->click();
    QVERIFY(dlg.isVisible());
    QVERIFY(Config::isGemarkeerd(dlg.combo1()));
    QVERIFY(Config::isGemarkeerd(dlg.combo2()));
    QVERIFY(heeftFocus(dlg, dlg.combo1()));

    // Mending one leaves the other marked and the focus on it.
    dlg.combo1()->setEditText(QStringLiteral("4"));
    dlg.cancelKnop()->click();
    QVERIFY(dlg.isVisible());
    QVERIFY(!Config::isGemarkeerd(dlg.combo1()));
    QVERIFY(Config::isGemarkeerd(dlg.combo2()));
    QVERIFY(heeftFocus(dlg, dlg.combo2()));
    QCOMPARE(o.t.inst.LaagsteNummer, 1);
}

void TestConfig::markeringVerdwijntBijTypen() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    dlg.combo2()->setEditText(QStringLiteral("?"));
    dlg.cancelKnop()->click();
    QVERIFY(Config::isGemarkeerd(dlg.combo2()));
    dlg.combo2()->setEditText(QStringLiteral("?1"));
    QVERIFY(!Config::isGemarkeerd(dlg.combo2()));
    QVERIFY(dlg.combo2()->toolTip().isEmpty());
    QVERIFY(dlg.combo2()->styleSheet().isEmpty());
    QVERIFY(dlg.isVisible());
}

void TestConfig::sluitenZonderExitPastNietsToe() {
    Omgeving o;
    voegNummersToe(o.t, {1});
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.combo1()->setEditText(QStringLiteral("40"));
    dlg.combo2()->setEditText(QStringLiteral("50"));
    dlg.text1()->setText(QStringLiteral("Niet bewaard"));
    dlg.pauzeScroll()->setValue(7); // a live change
    QVERIFY(dlg.close());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(o.t.inst.LaagsteNummer, 1);
    QCOMPARE(o.t.inst.HoogsteNummer, 9999);
    QCOMPARE(o.t.inst.TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.t.lijst.aantal(), qsizetype{1});
    QCOMPARE(o.t.inst.PauzeSeconden, quint8(7));
}

void TestConfig::exitMetToetsenbord() {
    Omgeving o;
    Config dlg(o.t, *o.w, o.w.get());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(QApplication::focusWidget(), dlg.cancelKnop());
    // Enter on a focused Reset presses Reset, not Exit.
    dlg.colorScroll(1)->setValue(3);
    dlg.resetKnop()->setFocus();
    QTest::keyClick(dlg.resetKnop(), Qt::Key_Return);
    QVERIFY(dlg.isVisible());
    QCOMPARE(o.t.inst.KleurRood, 220.0);
    dlg.cancelKnop()->setFocus();
    dlg.combo2()->setEditText(QStringLiteral("300"));
    QTest::keyClick(dlg.cancelKnop(), Qt::Key_Space);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.t.inst.HoogsteNummer, 300);

    // Enter in a range field applies as well.
    Config dlg2(o.t, *o.w, o.w.get());
    dlg2.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg2));
    dlg2.combo1()->setFocus();
    dlg2.combo1()->setEditText(QStringLiteral("30"));
    QTest::keyClick(dlg2.combo1()->lineEdit(), Qt::Key_Return);
    QVERIFY(!dlg2.isVisible());
    QCOMPARE(o.t.inst.LaagsteNummer, 30);
    QCOMPARE(dlg2.combo1()->count(), 1000); // nothing typed is added to the list
}

// --- Reading a range field ---------------------------------------------------------------

void TestConfig::leesGetal_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("bruikbaar");
    QTest::addColumn<double>("waarde");
    QTest::newRow("whole") << "42" << true << 42.0;
    QTest::newRow("fraction kept") << "12.5" << true << 12.5;
    QTest::newRow("negative") << "-7" << true << -7.0;
    QTest::newRow("zero point zero") << "9999.0" << true << 9999.0;
    QTest::newRow("int32 max") << "2147483647" << true << 2147483647.0;
    QTest::newRow("int32 min") << "-2147483648" << true << -2147483648.0;
    QTest::newRow("rounds down into range") << "-2147483648.5" << true << -2147483648.5;
    QTest::newRow("rounds out of range") << "-2147483649.5" << false << -2147483649.5;
    QTest::newRow("group separator") << "1,000" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
}

void TestConfig::leesGetal() {
    QFETCH(QString, tekst);
    QFETCH(bool, bruikbaar);
    QFETCH(double, waarde);
    const Config::Getal g = Config::leesGetal(tekst);
    QCOMPARE(g.fout.isEmpty(), bruikbaar);
    if (bruikbaar || g.waarde)
        QCOMPARE(g.waarde.value_or(-1), waarde);
}

QTEST_MAIN(TestConfig)
#include "test_config.moc"
