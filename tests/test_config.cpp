// The settings dialog on a real main window: its controls found by name, typed into and
// clicked as the operator does, and what it changes read back from the window and the draw.
#include "config/config.h"
#include "draw/rol.h"
#include "venster.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include <limits>

namespace {

// A control of the dialog (or of the window) by its name; a missing name ends the run, since
// every test after it would read nothing.
template <typename T = QWidget> T* kind(const QWidget* ouder, const QString& naam) {
    T* w = ouder->findChild<T*>(naam);
    if (!w)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(naam));
    return w;
}

// The named controls of the settings dialog.
struct Besturing {
    explicit Besturing(const QWidget* d)
        : exit(kind<QPushButton>(d, QStringLiteral("CancelKnop"))),
          reset(kind<QPushButton>(d, QStringLiteral("ResetKnop"))),
          kleur{kind<QScrollBar>(d, QStringLiteral("ColorScroll1")),
                kind<QScrollBar>(d, QStringLiteral("ColorScroll2")),
                kind<QScrollBar>(d, QStringLiteral("ColorScroll3"))},
          pauze(kind<QScrollBar>(d, QStringLiteral("PauzeScroll"))),
          lijst(kind<QListWidget>(d, QStringLiteral("List1"))),
          combo1(kind<QComboBox>(d, QStringLiteral("Combo1"))),
          combo2(kind<QComboBox>(d, QStringLiteral("Combo2"))),
          rolKeuze{kind<QRadioButton>(d, QStringLiteral("RolKeuze0")),
                   kind<QRadioButton>(d, QStringLiteral("RolKeuze1"))},
          titel(kind<QLineEdit>(d, QStringLiteral("Text1"))),
          kleurVak(kind<QLabel>(d, QStringLiteral("Label9"))),
          pauzeLabel(kind<QLabel>(d, QStringLiteral("Label7"))),
          aantalLabel(kind<QLabel>(d, QStringLiteral("Label11"))) {}

    // Colour bar 1 (red), 2 (green) or 3 (blue).
    QScrollBar* kleurBalk(int i) const { return kleur[static_cast<std::size_t>(i - 1)]; }

    QPushButton* exit;
    QPushButton* reset;
    std::array<QScrollBar*, 3> kleur;
    QScrollBar* pauze;
    QListWidget* lijst;
    QComboBox* combo1;
    QComboBox* combo2;
    std::array<QRadioButton*, 2> rolKeuze;
    QLineEdit* titel;
    QLabel* kleurVak;
    QLabel* pauzeLabel;
    QLabel* aantalLabel;
};

// The paths the main window gives the dialog; `gegevens`, when given, is a data directory of
// its own, as for an installed program.
Paden padenVan(const Venster& o, const QString& gegevens = {}) {
    Paden paden;
    paden.programmaMap = o.map.path();
    paden.gegevensMap = gegevens.isEmpty() ? o.map.path() : gegevens;
    return paden;
}

QString achtergronden(const Venster& o) {
    return QDir(o.map.path()).filePath(QStringLiteral("Backgrounds"));
}

// The counter on the bottom bar (the dialog has a Label1 of its own).
QLabel* teller(const Venster& o) {
    return kind<QLabel>(o.kind(QStringLiteral("KnopPic")), QStringLiteral("Label1"));
}

QLabel* logo(const Venster& o, int i) {
    return kind<QLabel>(o.w.get(), QStringLiteral("Logo%1").arg(i));
}

QColor vulling(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

QColor tekstKleur(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// Paints a label's text in a colour nothing else uses, to see whether anything repaints it.
void verf(QWidget* w, const QColor& kleur) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, kleur);
    w->setPalette(pal);
}

// The main window's top-left corner, where only the background shows.
QColor hoek(const Venster& o) {
    return o.w->grab().toImage().pixelColor(3, 3);
}

bool schrijfBeeld(const QString& pad, const QColor& kleur, const char* formaat) {
    QImage beeld(40, 30, QImage::Format_RGB32);
    beeld.fill(kleur);
    return beeld.save(pad, formaat);
}

void voegNummersToe(Venster& o, std::initializer_list<qint32> nummers) {
    for (qint32 n : nummers)
        o.trekking().lijst().voegToe(n);
}

// Whole draws, each run to its end as the start arrow runs it.
void trek(Venster& o, int aantal) {
    for (int i = 0; i < aantal; ++i)
        o.trekking().StartRollers();
}

// A roller standing at the top of a strip, as a freshly chosen roller kind shows it.
QImage staandeRol(const char* strook) {
    Rol rol;
    rol.zetStrook(QImage(QLatin1String(strook)));
    return rol.beeld();
}

// Replaces what a field holds by typing, as the keyboard does it.
void typ(QLineEdit* regel, const QString& tekst) {
    regel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(regel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(regel, Qt::Key_Delete);
    QTest::keyClicks(regel, tekst);
}

void typ(QComboBox* veld, const QString& tekst) {
    typ(veld->lineEdit(), tekst);
}

void klik(QWidget* knop) {
    QTest::mouseClick(knop, Qt::LeftButton);
}

// Chooses a background entry with the mouse.
void kiesRij(QListWidget* lijst, int rij) {
    const QRect vak = lijst->visualItemRect(lijst->item(rij));
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, vak.center());
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
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QCOMPARE(dlg.windowTitle(), QStringLiteral(" Configuratie"));
    QCOMPARE(dlg.size(), QSize(Config::kBreedte, Config::kHoogte));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    QCOMPARE(vulling(&dlg), QColor(220, 220, 190));

    QCOMPARE(b.exit->text(), QStringLiteral("Exit"));
    QCOMPARE(b.reset->text(), QStringLiteral("Reset"));
    QCOMPARE(b.reset->toolTip(), QStringLiteral(" Reset kleuren "));
    auto tekst = [&dlg](const char* naam) {
        return kind<QLabel>(&dlg, QLatin1String(naam))->text();
    };
    QCOMPARE(tekst("Label2"), QStringLiteral("Kleur van eindgetal en titel"));
    QCOMPARE(tekst("Label4"), QStringLiteral("Van") + QString(12, u' ') + QStringLiteral("t/m"));
    QCOMPARE(tekst("Label8"), QStringLiteral("Pauze na het starten"));
    QCOMPARE(tekst("Label10"), QStringLiteral("Random getallen"));
    QCOMPARE(tekst("Label12"), QStringLiteral("Titel boven de rollers"));
    QCOMPARE(b.rolKeuze[0]->text(), QStringLiteral("Rollers met getallen"));
    QCOMPARE(b.rolKeuze[1]->text(), QStringLiteral("Rollers met afbeeldingen"));
    QVERIFY(b.combo1->isEditable());
    QVERIFY(b.combo2->isEditable());

    // The bars: 0..255 (colours) and 1..9 (pause), steps of one for arrows and track.
    for (int i = 1; i <= 3; ++i) {
        const QScrollBar* balk = b.kleurBalk(i);
        QCOMPARE(balk->orientation(), Qt::Horizontal);
        QCOMPARE(balk->minimum(), 0);
        QCOMPARE(balk->maximum(), 255);
        QCOMPARE(balk->singleStep(), 1);
        QCOMPARE(balk->pageStep(), 1);
        QVERIFY(!balk->hasTracking());
    }
    QCOMPARE(b.pauze->minimum(), 1);
    QCOMPARE(b.pauze->maximum(), 9);
    QCOMPARE(b.pauze->pageStep(), 1);
    QVERIFY(!b.pauze->hasTracking());
    // Three colour bars and the pause bar, no more.
    QStringList balken;
    for (const QScrollBar* balk : dlg.findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
        balken.append(balk->objectName());
    balken.sort();
    QCOMPARE(balken, (QStringList{"ColorScroll1", "ColorScroll2", "ColorScroll3", "PauzeScroll"}));
}

void TestConfig::plaatsenEnKleuren() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    auto rechthoek = [&dlg](const char* naam) {
        return kind(&dlg, QLatin1String(naam))->geometry();
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
        return volgorde.indexOf(kind(&dlg, QLatin1String(naam)));
    };
    QVERIFY(index("Label1") < index("ColorScroll1"));
    QVERIFY(index("Label3") < index("ResetKnop"));
    QVERIFY(index("Label6") < index("PauzeScroll"));
    QVERIFY(index("BackKnoppen") < index("CancelKnop"));

    auto* label6 = kind<QLabel>(&dlg, QStringLiteral("Label6"));
    QVERIFY(label6->autoFillBackground());
    QCOMPARE(vulling(label6), QColor(64, 64, 64));
    QCOMPARE(vulling(kind(&dlg, QStringLiteral("Label1"))), QColor(0, 0, 0));
    QCOMPARE(vulling(kind(&dlg, QStringLiteral("BackKnoppen"))), QColor(0, 0, 0));
    QCOMPARE(b.reset->palette().color(QPalette::Button), QColor(190, 220, 220));
    QCOMPARE(b.lijst->palette().color(QPalette::Base), QColor(190, 230, 230));
    QCOMPARE(b.lijst->palette().color(QPalette::Text), QColor(128, 128, 128));
    QCOMPARE(b.combo1->palette().color(QPalette::Base), QColor(250, 250, 200));
    QCOMPARE(b.combo2->palette().color(QPalette::Base), QColor(250, 250, 200));
    QCOMPARE(b.titel->palette().color(QPalette::Base), QColor(230, 240, 180));
    for (QRadioButton* keuze : b.rolKeuze) {
        QVERIFY(keuze->autoFillBackground());
        QCOMPARE(keuze->palette().color(keuze->backgroundRole()), QColor(220, 220, 190));
        QCOMPARE(keuze->palette().color(keuze->foregroundRole()), QColor(64, 64, 64));
        // The fill shows right of the text.
        const QImage beeld = keuze->grab().toImage();
        QCOMPARE(beeld.pixelColor(beeld.width() - 3, beeld.height() / 2), QColor(220, 220, 190));
        QCOMPARE(keuze->font().pixelSize(), 13);
    }
    for (const char* naam :
         {"Label2", "Label4", "Label7", "Label8", "Label10", "Label11", "Label12"}) {
        auto* label = kind<QLabel>(&dlg, QLatin1String(naam));
        QVERIFY2(!label->autoFillBackground(), naam);
        QCOMPARE(tekstKleur(label), QColor(64, 64, 64));
        QCOMPARE(label->font().pixelSize(), 13);
        // Sized to the text.
        QCOMPARE(label->size(), label->sizeHint());
    }
    QCOMPARE(b.lijst->font().pixelSize(), 13);
    QCOMPARE(b.titel->font().pixelSize(), 13);
}

void TestConfig::focusVolgorde() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.focusWidget(), b.exit);

    // The focus chain among the controls that take focus with the Tab key.
    QList<QWidget*> keten;
    QWidget* w = b.exit;
    do {
        if (w->parentWidget() == &dlg && (w->focusPolicy() & Qt::TabFocus))
            keten.append(w);
        w = w->nextInFocusChain();
    } while (w != b.exit && keten.size() < 50);
    const QList<QWidget*> verwacht{b.exit,   b.kleur[0],    b.kleur[1],    b.kleur[2],
                                   b.reset,  b.lijst,       b.pauze,       b.combo1,
                                   b.combo2, b.rolKeuze[0], b.rolKeuze[1], b.titel};
    QCOMPARE(keten, verwacht);
    dlg.close();
}

void TestConfig::bedieningBinnenHetVenster() {
    // Opened from the toolbar, as the operator opens it.
    Venster o;
    o.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(o.w.get()));
    QStringList buiten;
    QPoint midden;
    bool geopend = false;
    Modaal sluiter([&](QWidget* modaal) {
        auto* dlg = qobject_cast<Config*>(modaal);
        if (!dlg)
            return;
        geopend = QTest::qWaitForWindowExposed(dlg);
        QTest::qWait(20); // the frame is known once the window is mapped
        for (QWidget* w : dlg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isVisible() && !dlg->rect().contains(w->geometry()))
                buiten.append(w->objectName());
        }
        midden = dlg->frameGeometry().center();
        dlg->reject();
    });
    klik(o.kind(QStringLiteral("Knop3")));
    QVERIFY(geopend);
    QCOMPARE(buiten, QStringList());
    // Centred on the screen by its real frame, whatever the window manager adds.
    const QRect scherm = o.w->screen()->geometry();
    QVERIFY2(qAbs(midden.x() - scherm.center().x()) <= 1, qPrintable(QString::number(midden.x())));
    QVERIFY2(qAbs(midden.y() - scherm.center().y()) <= 1, qPrintable(QString::number(midden.y())));
}

// --- Population --------------------------------------------------------------------------

void TestConfig::vullenStandaard() {
    Venster o;
    voegNummersToe(o, {4, 8});
    const Instellingen voor = o.inst();
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QCOMPARE(b.kleurBalk(1)->value(), 255);
    QCOMPARE(b.kleurBalk(2)->value(), 255);
    QCOMPARE(b.kleurBalk(3)->value(), 190);
    QCOMPARE(vulling(b.kleurVak), QColor(255, 255, 190));
    QCOMPARE(b.pauze->value(), 4);
    QCOMPARE(b.pauzeLabel->text(), QStringLiteral("4 Seconden"));
    QVERIFY(b.rolKeuze[0]->isChecked());
    QVERIFY(!b.rolKeuze[1]->isChecked());
    QCOMPARE(b.titel->text(), QStringLiteral("Quintaro"));

    QCOMPARE(b.combo1->count(), 1000);
    QCOMPARE(b.combo1->itemText(0), QStringLiteral("1"));
    QCOMPARE(b.combo1->itemText(999), QStringLiteral("1000"));
    QCOMPARE(b.combo1->currentIndex(), 0);
    QCOMPARE(b.combo1->currentText(), QStringLiteral("1"));
    QCOMPARE(b.combo2->count(), 991);
    QCOMPARE(b.combo2->itemText(0), QStringLiteral("99"));
    QCOMPARE(b.combo2->itemText(1), QStringLiteral("109"));
    QCOMPARE(b.combo2->itemText(990), QStringLiteral("9999"));
    QCOMPARE(b.combo2->currentIndex(), 401);
    QCOMPARE(b.combo2->itemText(401), QStringLiteral("4109"));
    QCOMPARE(b.combo2->currentText(), QStringLiteral("9999"));

    // Population itself stores nothing new and leaves the main window's list alone.
    QVERIFY(o.inst() == voor);
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(o.inst().KleurRood, 255.0);
    QCOMPARE(o.inst().KleurGroen, 255.0);
    QCOMPARE(o.inst().KleurBlauw, quint8(190));
    QCOMPARE(o.inst().PauzeSeconden, quint8(4));
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{2});
}

void TestConfig::vullenBereikBuitenDeLijsten() {
    Venster o(instellingenMetBereik(5, 50));
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QCOMPARE(b.combo1->currentText(), QStringLiteral("5"));
    QCOMPARE(b.combo2->currentText(), QStringLiteral("50"));
    QCOMPARE(b.combo1->count(), 1000);
    QCOMPARE(b.combo2->count(), 991);
    QCOMPARE(b.combo1->findText(QStringLiteral("50")), 49);
    QCOMPARE(b.combo2->findText(QStringLiteral("50")), -1);

    o.instellingen().zetBereik(-20, 2147483647);
    Config dlg2(o.instellingen(), paden, o.w.get());
    const Besturing b2(&dlg2);
    QCOMPARE(b2.combo1->currentText(), QStringLiteral("-20"));
    QCOMPARE(b2.combo2->currentText(), QStringLiteral("2147483647"));
}

void TestConfig::vullenZwartLaatBalkenStaan() {
    Venster o;
    o.instellingen().zetKleur(0, 0, 0);
    // A colour the dialog would overwrite if a bar ran its handling.
    verf(logo(o, 2), QColor(10, 200, 30));
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(b.kleurBalk(i)->value(), 0);
    QCOMPARE(vulling(b.kleurVak), QColor(0, 0, 0));
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(10, 200, 30));

    // With one component set, its bar moves and paints the stored colour into the title.
    o.instellingen().zetBlauw(77);
    verf(logo(o, 2), QColor(10, 200, 30));
    Config dlg2(o.instellingen(), paden, o.w.get());
    const Besturing b2(&dlg2);
    QCOMPARE(b2.kleurBalk(3)->value(), 77);
    QCOMPARE(vulling(b2.kleurVak), QColor(0, 0, 77));
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(0, 0, 77));
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
    Instellingen inst;
    inst.PauzeSeconden = static_cast<quint8>(opgeslagen);
    Venster o(instellingenBestandInhoud(inst));
    QCOMPARE(int(o.inst().PauzeSeconden), opgeslagen);
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QCOMPARE(b.pauze->value(), balk);
    QCOMPARE(b.pauzeLabel->text(), tekst);
    QCOMPARE(int(o.inst().PauzeSeconden), daarna);
}

void TestConfig::vullenLegeTitel() {
    Venster o;
    o.instellingen().zetTitel(QString());
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    QCOMPARE(Besturing(&dlg).titel->text(), QString());
}

void TestConfig::vullenPlaatjesrollersZetHoofdvensterTerug() {
    Venster o;
    o.instellingen().kiesRolSoort(1);
    // Every number of 111 to 111 scores three of a kind.
    o.instellingen().zetBereik(111, 111);
    trek(o, 2);
    QVERIFY(o.trekking().totaalScore() > 0);
    QCOMPARE(o.trekking().aantalTrekkingen(), 2);
    o.instellingen().zetBereik(3, 333);
    voegNummersToe(o, {120, 450, 450});
    QCOMPARE(teller(o)->text(), QString::number(o.trekking().totaalScore()));
    const QImage plaatjes = staandeRol(":/images/strip_fruits.png");
    QVERIFY(o.trekking().rolBeeld(3) != plaatjes);

    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QVERIFY(b.rolKeuze[1]->isChecked());
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});
    QCOMPARE(o.inst().LaagsteNummer, 100);
    QCOMPARE(o.inst().HoogsteNummer, 900);
    QCOMPARE(o.trekking().totaalScore(), 0);
    QCOMPARE(o.trekking().aantalTrekkingen(), 0);
    QCOMPARE(o.instellingen().rolSoort(), 1);
    QCOMPARE(teller(o)->text(), QStringLiteral("0"));
    QCOMPARE(b.combo1->currentText(), QStringLiteral("100"));
    QCOMPARE(b.combo2->currentText(), QStringLiteral("900"));
    // The rollers stand at the top of the picture strip.
    QCOMPARE(o.trekking().rolBeeld(0), plaatjes);
    QCOMPARE(o.trekking().rolBeeld(3), plaatjes);

    // And again at the next opening, whatever happened in between.
    o.instellingen().zetBereik(111, 111);
    trek(o, 1);
    voegNummersToe(o, {200});
    o.instellingen().zetBereik(100, 800);
    QVERIFY(o.trekking().totaalScore() > 0);
    Config dlg2(o.instellingen(), paden, o.w.get());
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});
    QCOMPARE(o.trekking().totaalScore(), 0);
    QCOMPARE(o.inst().HoogsteNummer, 900);
    QCOMPARE(Besturing(&dlg2).combo2->currentText(), QStringLiteral("900"));
}

void TestConfig::vullenCijferrollersLatenHoofdvensterMet() {
    Venster o;
    // A score from picture rollers, kept when the digits come back; then two digit draws.
    o.instellingen().kiesRolSoort(1);
    o.instellingen().zetBereik(111, 111);
    trek(o, 1);
    o.instellingen().kiesRolSoort(0);
    trek(o, 2);
    const int score = o.trekking().totaalScore();
    QVERIFY(score > 0);
    QCOMPARE(teller(o)->text(), QStringLiteral("2/9999"));

    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{2});
    QCOMPARE(o.trekking().totaalScore(), score);
    QCOMPARE(o.trekking().aantalTrekkingen(), 2);
    QCOMPARE(teller(o)->text(), QStringLiteral("2/9999"));
}

void TestConfig::vullenAchtergronden() {
    Venster o;
    const QDir map(achtergronden(o));
    QVERIFY(QDir().mkpath(map.path()));
    for (const char* naam : {"b.JPG", "a.jpg", "C.gif", "d.bmp", "e.png", "f.jpeg", "gjpg"})
        QVERIFY(schrijfAlles(map.filePath(QLatin1String(naam)), "x"));
    QVERIFY(schrijfAlles(map.filePath(QStringLiteral(".verborgen.jpg")), "x"));
    QVERIFY(map.mkpath(QStringLiteral("map.jpg"))); // a folder, not a file

    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QCOMPARE(lijstTeksten(b.lijst), (QStringList{"a.jpg", "b.JPG", "C.gif", "d.bmp"}));
    QCOMPARE(b.aantalLabel->text(), QStringLiteral("4 Achtergronden"));
    QCOMPARE(b.aantalLabel->size(), b.aantalLabel->sizeHint());
    QVERIFY(b.lijst->selectedItems().isEmpty());
    QCOMPARE(lijstPaden(b.lijst), (QStringList{map.filePath("a.jpg"), map.filePath("b.JPG"),
                                               map.filePath("C.gif"), map.filePath("d.bmp")}));
    // Filling the list chose nothing.
    QCOMPARE(o.inst().AchtergrondBestand,
             QDir(o.map.path()).filePath(QLatin1String(kStandaardAchtergrond)));
}

void TestConfig::vullenEenAchtergrond() {
    Venster o;
    const QDir map(achtergronden(o));
    QVERIFY(QDir().mkpath(map.path()));
    QVERIFY(schrijfAlles(map.filePath(QStringLiteral("enige.bmp")), "x"));
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    QCOMPARE(Besturing(&dlg).aantalLabel->text(), QStringLiteral("1 Achtergronden"));

    QVERIFY(QFile::remove(map.filePath(QStringLiteral("enige.bmp"))));
    Config leeg(o.instellingen(), paden, o.w.get());
    const Besturing b(&leeg);
    QCOMPARE(b.aantalLabel->text(), QStringLiteral("0 Achtergronden"));
    QCOMPARE(b.lijst->count(), 0);
}

void TestConfig::vullenGeenAchtergrondMapValtTerugOpWerkmap() {
    Venster o;
    QTemporaryDir werk;
    QVERIFY(schrijfAlles(QDir(werk.path()).filePath(QStringLiteral("hier.gif")), "x"));
    QVERIFY(schrijfAlles(QDir(werk.path()).filePath(QStringLiteral("tekst.txt")), "x"));
    const QString vorige = QDir::currentPath();
    QVERIFY(QDir::setCurrent(werk.path()));
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    QDir::setCurrent(vorige);

    const Besturing b(&dlg);
    QCOMPARE(lijstTeksten(b.lijst), QStringList{QStringLiteral("hier.gif")});
    QCOMPARE(QFileInfo(lijstPaden(b.lijst).value(0)).canonicalFilePath(),
             QFileInfo(QDir(werk.path()).filePath(QStringLiteral("hier.gif"))).canonicalFilePath());
    QCOMPARE(b.aantalLabel->text(), QStringLiteral("1 Achtergronden"));
}

void TestConfig::vullenAchtergrondenUitBeideMappen() {
    Venster o;
    QTemporaryDir gegevens;
    const Paden paden = padenVan(o, gegevens.path());
    const QDir programma(achtergronden(o));
    const QDir eigen(QDir(gegevens.path()).filePath(QStringLiteral("Backgrounds")));
    QVERIFY(QDir().mkpath(programma.path()));
    QVERIFY(QDir().mkpath(eigen.path()));
    for (const char* naam : {"zon.jpg", "Boom.gif", "tekst.txt"})
        QVERIFY(schrijfAlles(programma.filePath(QLatin1String(naam)), "x"));
    for (const char* naam : {"maan.BMP", "Appel.jpg", "zon.jpg", "foto.png"})
        QVERIFY(schrijfAlles(eigen.filePath(QLatin1String(naam)), "x"));

    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    // The program's pictures first, then the user's, each by name without regard to case.
    QCOMPARE(lijstTeksten(b.lijst),
             (QStringList{"Boom.gif", "zon.jpg", "Appel.jpg", "maan.BMP", "zon.jpg"}));
    QCOMPARE(lijstPaden(b.lijst),
             (QStringList{programma.filePath("Boom.gif"), programma.filePath("zon.jpg"),
                          eigen.filePath("Appel.jpg"), eigen.filePath("maan.BMP"),
                          eigen.filePath("zon.jpg")}));
    QCOMPARE(b.aantalLabel->text(), QStringLiteral("5 Achtergronden"));
    QCOMPARE(b.aantalLabel->size(), b.aantalLabel->sizeHint());
    QVERIFY(b.lijst->selectedItems().isEmpty());
}

void TestConfig::vullenAlleenEigenAchtergrondMap() {
    // The program has no Backgrounds folder, the user has one: the user's pictures are
    // listed, and the current directory is not looked at.
    Venster o;
    QTemporaryDir gegevens;
    const Paden paden = padenVan(o, gegevens.path());
    const QDir eigen(QDir(gegevens.path()).filePath(QStringLiteral("Backgrounds")));
    QVERIFY(QDir().mkpath(eigen.path()));
    QVERIFY(!QFileInfo::exists(achtergronden(o)));
    QVERIFY(schrijfAlles(eigen.filePath(QStringLiteral("eigen.gif")), "x"));
    QTemporaryDir werk;
    QVERIFY(schrijfAlles(QDir(werk.path()).filePath(QStringLiteral("hier.gif")), "x"));
    const QString vorige = QDir::currentPath();
    QVERIFY(QDir::setCurrent(werk.path()));
    Config dlg(o.instellingen(), paden, o.w.get());
    QDir::setCurrent(vorige);

    const Besturing b(&dlg);
    QCOMPARE(lijstTeksten(b.lijst), QStringList{QStringLiteral("eigen.gif")});
    QCOMPARE(lijstPaden(b.lijst), QStringList{eigen.filePath("eigen.gif")});
    QCOMPARE(b.aantalLabel->text(), QStringLiteral("1 Achtergronden"));

    // An empty folder of the user's counts as found as well.
    QVERIFY(QFile::remove(eigen.filePath(QStringLiteral("eigen.gif"))));
    QVERIFY(QDir::setCurrent(werk.path()));
    Config leeg(o.instellingen(), paden, o.w.get());
    QDir::setCurrent(vorige);
    const Besturing bl(&leeg);
    QCOMPARE(bl.lijst->count(), 0);
    QCOMPARE(bl.aantalLabel->text(), QStringLiteral("0 Achtergronden"));
}

// --- Live controls -----------------------------------------------------------------------

void TestConfig::kleurBalkVerandertEenComponent() {
    Venster o;
    o.instellingen().zetKleur(255, 255, 190);
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    b.kleurBalk(2)->setValue(0);
    QCOMPARE(o.inst().KleurRood, 255.0);
    QCOMPARE(o.inst().KleurGroen, 0.0);
    QCOMPARE(o.inst().KleurBlauw, quint8(190));
    QCOMPARE(vulling(b.kleurVak), QColor(255, 0, 190));
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(255, 0, 190));
    const QImage vak = b.kleurVak->grab().toImage();
    QCOMPARE(vak.pixelColor(vak.width() / 2, vak.height() / 2), QColor(255, 0, 190));

    b.kleurBalk(1)->setValue(12);
    b.kleurBalk(3)->setValue(255);
    QCOMPARE(o.inst().KleurRood, 12.0);
    QCOMPARE(o.inst().KleurBlauw, quint8(255));
    QCOMPARE(vulling(b.kleurVak), QColor(12, 0, 255));
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(12, 0, 255));
}

void TestConfig::kleurBalkStapt() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QScrollBar* blauw = b.kleurBalk(3);
    blauw->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(o.inst().KleurBlauw, quint8(189));
    blauw->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(o.inst().KleurBlauw, quint8(188));
    QCOMPARE(vulling(b.kleurVak), QColor(255, 255, 188));

    // The keyboard steps a focused bar the same way.
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    blauw->setFocus();
    QTest::keyClick(blauw, Qt::Key_Right);
    QCOMPARE(o.inst().KleurBlauw, quint8(189));
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(255, 255, 189));
    QTest::keyClick(blauw, Qt::Key_Left);
    QTest::keyClick(blauw, Qt::Key_Left);
    QCOMPARE(o.inst().KleurBlauw, quint8(187));
    QTest::keyClick(blauw, Qt::Key_End);
    QCOMPARE(o.inst().KleurBlauw, quint8(255));
    QTest::keyClick(blauw, Qt::Key_Down);
    QCOMPARE(o.inst().KleurBlauw, quint8(255));
    QTest::keyClick(blauw, Qt::Key_Home);
    QCOMPARE(o.inst().KleurBlauw, quint8(0));
    QCOMPARE(vulling(b.kleurVak), QColor(255, 255, 0));
    dlg.close();
}

void TestConfig::kleurBalkSlepenMeldtPasBijLoslaten() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QScrollBar* rood = b.kleurBalk(1);
    rood->setSliderDown(true);
    rood->setSliderPosition(100);
    rood->setSliderPosition(40);
    QCOMPARE(o.inst().KleurRood, 255.0);
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(255, 255, 190));
    rood->setSliderDown(false);
    QCOMPARE(o.inst().KleurRood, 40.0);
    QCOMPARE(vulling(b.kleurVak), QColor(40, 255, 190));
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(40, 255, 190));
}

void TestConfig::kleurResetVanZwart() {
    Venster o;
    o.instellingen().zetKleur(0, 0, 0);
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    klik(b.reset);
    QCOMPARE(o.inst().KleurRood, 220.0);
    QCOMPARE(o.inst().KleurGroen, 220.0);
    QCOMPARE(o.inst().KleurBlauw, quint8(190));
    QCOMPARE(b.kleurBalk(1)->value(), 220);
    QCOMPARE(b.kleurBalk(2)->value(), 220);
    QCOMPARE(b.kleurBalk(3)->value(), 190);
    QCOMPARE(vulling(b.kleurVak), QColor(220, 220, 190));
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(220, 220, 190));
}

void TestConfig::kleurResetAlOpResetkleur() {
    // A hand-edited red of 219.6 stands on its bar as 220.
    Instellingen inst;
    inst.KleurRood = 219.6;
    inst.KleurGroen = 220;
    inst.KleurBlauw = 190;
    Venster o(instellingenBestandInhoud(inst));
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    QCOMPARE(b.kleurBalk(1)->value(), 220);
    // No bar moves; the reset colour is stored all the same.
    QSignalSpy rood(b.kleur[0], &QScrollBar::valueChanged);
    QSignalSpy groen(b.kleur[1], &QScrollBar::valueChanged);
    QSignalSpy blauw(b.kleur[2], &QScrollBar::valueChanged);
    klik(b.reset);
    QCOMPARE(rood.count() + groen.count() + blauw.count(), 0);
    QCOMPARE(o.inst().KleurRood, 220.0);
    QCOMPARE(vulling(b.kleurVak), QColor(220, 220, 190));
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(220, 220, 190));

    // One bar off: the reset stores all three and the moving bar paints the final colour.
    b.kleurBalk(3)->setValue(5);
    verf(logo(o, 2), QColor(1, 2, 3));
    klik(b.reset);
    QCOMPARE(o.inst().KleurBlauw, quint8(190));
    QCOMPARE(b.kleurBalk(3)->value(), 190);
    QCOMPARE(tekstKleur(logo(o, 2)), QColor(220, 220, 190));
}

void TestConfig::pauzeBalkUitersten() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    b.pauze->setValue(1);
    QCOMPARE(o.inst().PauzeSeconden, quint8(1));
    QCOMPARE(b.pauzeLabel->text(), QStringLiteral("1 Seconden"));
    b.pauze->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(o.inst().PauzeSeconden, quint8(1));
    b.pauze->setValue(9);
    QCOMPARE(o.inst().PauzeSeconden, quint8(9));
    QCOMPARE(b.pauzeLabel->text(), QStringLiteral("9 Seconden"));
    QCOMPARE(b.pauzeLabel->size(), b.pauzeLabel->sizeHint());
    b.pauze->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(o.inst().PauzeSeconden, quint8(8));
    QCOMPARE(b.pauzeLabel->text(), QStringLiteral("8 Seconden"));
}

void TestConfig::rolSoortHeenEnTerug() {
    Venster o;
    trek(o, 2);
    voegNummersToe(o, {11, 22});
    QCOMPARE(o.trekking().aantalTrekkingen(), 2);
    const QImage plaatjes = staandeRol(":/images/strip_fruits.png");
    const QImage cijfers = staandeRol(":/images/strip_digits.png");
    QVERIFY(o.trekking().rolBeeld(1) != plaatjes);
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);

    klik(b.rolKeuze[1]);
    QVERIFY(b.rolKeuze[1]->isChecked());
    QCOMPARE(o.instellingen().rolSoort(), 1);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});
    QCOMPARE(o.inst().LaagsteNummer, 100);
    QCOMPARE(o.inst().HoogsteNummer, 900);
    QCOMPARE(b.combo1->currentText(), QStringLiteral("100"));
    QCOMPARE(b.combo2->currentText(), QStringLiteral("900"));
    QCOMPARE(teller(o)->text(), QStringLiteral("0"));
    QCOMPARE(o.trekking().totaalScore(), 0);
    QCOMPARE(o.trekking().aantalTrekkingen(), 0);
    QCOMPARE(o.trekking().rolBeeld(1), plaatjes);

    // Draws made with pictures (each one three of a kind); then back to digits.
    o.instellingen().zetBereik(111, 111);
    trek(o, 2);
    const int score = o.trekking().totaalScore();
    QVERIFY(score > 0);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{2});
    QVERIFY(o.trekking().rolBeeld(2) != cijfers);
    klik(b.rolKeuze[0]);
    QCOMPARE(o.instellingen().rolSoort(), 0);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(b.combo1->currentText(), QStringLiteral("1"));
    QCOMPARE(b.combo2->currentText(), QStringLiteral("9999"));
    QCOMPARE(teller(o)->text(), QStringLiteral("0/9999"));
    QCOMPARE(o.trekking().aantalTrekkingen(), 0);
    QCOMPARE(o.trekking().totaalScore(), score); // the digit branch leaves the score
    QCOMPARE(o.trekking().rolBeeld(2), cijfers);
}

void TestConfig::rolSoortNogmaalsKiezenDoetNiets() {
    Venster o(instellingenMetBereik(1, 500));
    voegNummersToe(o, {3});
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    klik(b.rolKeuze[0]);
    QVERIFY(b.rolKeuze[0]->isChecked());
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{1});
    QCOMPARE(o.inst().HoogsteNummer, 500);
    QCOMPARE(b.combo2->currentText(), QStringLiteral("500"));
}

void TestConfig::achtergrondKiezen() {
    Venster o;
    o.w->show();
    const QDir map(achtergronden(o));
    QVERIFY(QDir().mkpath(map.path()));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("groen.bmp")), QColor(0, 255, 0), "BMP"));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("rood.jpg")), QColor(255, 0, 0), "JPG"));
    // No picture yet: the window's own fill.
    QCOMPARE(hoek(o), QColor(30, 30, 50));

    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    QCOMPARE(lijstTeksten(b.lijst), (QStringList{"groen.bmp", "rood.jpg"}));
    kiesRij(b.lijst, 1);
    QCOMPARE(o.inst().AchtergrondBestand, map.filePath(QStringLiteral("rood.jpg")));
    const QColor rood = hoek(o);
    QVERIFY2(rood.red() > 200 && rood.green() < 60, qPrintable(rood.name()));

    kiesRij(b.lijst, 0);
    QCOMPARE(o.inst().AchtergrondBestand, map.filePath(QStringLiteral("groen.bmp")));
    QCOMPARE(hoek(o), QColor(0, 255, 0));
}

void TestConfig::achtergrondKapotBewaartPad() {
    Venster o;
    o.w->show();
    const QDir map(achtergronden(o));
    QVERIFY(QDir().mkpath(map.path()));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("a.bmp")), QColor(0, 0, 255), "BMP"));
    QVERIFY(schrijfAlles(map.filePath(QStringLiteral("b.jpg")), "geen plaatje"));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("c.gif")), QColor(255, 255, 0), "BMP"));

    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    kiesRij(b.lijst, 0);
    QCOMPARE(hoek(o), QColor(0, 0, 255));

    kiesRij(b.lijst, 1);
    QCOMPARE(o.inst().AchtergrondBestand, map.filePath(QStringLiteral("b.jpg")));
    QCOMPARE(hoek(o), QColor(0, 0, 255));

    // A file deleted after the list was filled behaves the same.
    QVERIFY(QFile::remove(map.filePath(QStringLiteral("c.gif"))));
    kiesRij(b.lijst, 2);
    QCOMPARE(o.inst().AchtergrondBestand, map.filePath(QStringLiteral("c.gif")));
    QCOMPARE(hoek(o), QColor(0, 0, 255));
}

void TestConfig::achtergrondUitEigenMapKiezen() {
    // The same name in both folders: each entry loads its own picture.
    Venster o;
    o.w->show();
    QTemporaryDir gegevens;
    const Paden paden = padenVan(o, gegevens.path());
    const QDir programma(achtergronden(o));
    const QDir eigen(QDir(gegevens.path()).filePath(QStringLiteral("Backgrounds")));
    QVERIFY(QDir().mkpath(programma.path()));
    QVERIFY(QDir().mkpath(eigen.path()));
    QVERIFY(schrijfBeeld(programma.filePath(QStringLiteral("veld.bmp")), QColor(255, 0, 0), "BMP"));
    QVERIFY(schrijfBeeld(eigen.filePath(QStringLiteral("veld.bmp")), QColor(0, 0, 255), "BMP"));
    QVERIFY(schrijfAlles(eigen.filePath(QStringLiteral("stuk.jpg")), "geen plaatje"));

    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    QCOMPARE(lijstTeksten(b.lijst), (QStringList{"veld.bmp", "stuk.jpg", "veld.bmp"}));
    kiesRij(b.lijst, 2);
    QCOMPARE(o.inst().AchtergrondBestand, eigen.filePath(QStringLiteral("veld.bmp")));
    QCOMPARE(hoek(o), QColor(0, 0, 255));

    kiesRij(b.lijst, 0);
    QCOMPARE(o.inst().AchtergrondBestand, programma.filePath(QStringLiteral("veld.bmp")));
    QCOMPARE(hoek(o), QColor(255, 0, 0));

    // A file of the user's that is no picture: the path is stored, the picture stays.
    kiesRij(b.lijst, 1);
    QCOMPARE(o.inst().AchtergrondBestand, eigen.filePath(QStringLiteral("stuk.jpg")));
    QCOMPARE(hoek(o), QColor(255, 0, 0));
}

// --- Apply on "Exit" ---------------------------------------------------------------------

void TestConfig::toepassenOmgekeerdBereik() {
    Venster o;
    voegNummersToe(o, {5, 6});
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    QStringList titels;
    QList<QMessageBox::Icon> iconen;
    Modaal melding([&](QWidget* modaal) {
        if (auto* box = qobject_cast<QMessageBox*>(modaal)) {
            titels.append(box->windowTitle());
            iconen.append(box->icon());
            box->done(QMessageBox::Ok);
        }
    });
    typ(b.combo1, QStringLiteral("100"));
    typ(b.combo2, QStringLiteral("99"));
    klik(b.exit);

    QCOMPARE(melding.teksten,
             QStringList{QStringLiteral("Het laagste nummer is hoger dan het hoogste nummer!")});
    QCOMPARE(titels, QStringList{QStringLiteral("Error")});
    QCOMPARE(iconen, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QVERIFY(dlg.isVisible());
    // Stored as read, and the list went with the changed highest number.
    QCOMPARE(o.inst().LaagsteNummer, 100);
    QCOMPARE(o.inst().HoogsteNummer, 99);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});

    typ(b.combo1, QStringLiteral("1"));
    klik(b.exit);
    QCOMPARE(melding.teksten.size(), 1);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 99);
    QCOMPARE(teller(o)->text(), QStringLiteral("0/99"));
}

void TestConfig::toepassenGelijkeGrenzen() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    Modaal melding;
    typ(b.combo1, QStringLiteral("50"));
    typ(b.combo2, QStringLiteral("50"));
    klik(b.exit);
    QVERIFY(melding.teksten.isEmpty());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().LaagsteNummer, 50);
    QCOMPARE(o.inst().HoogsteNummer, 50);
    QCOMPARE(teller(o)->text(), QStringLiteral("0/50"));
    QCOMPARE(teller(o)->size(), teller(o)->sizeHint());

    // The counter shows the draws made so far (the one number of the range drawn three
    // times, the list cleared in between).
    trek(o, 3);
    QCOMPARE(o.trekking().aantalTrekkingen(), 3);
    Config dlg2(o.instellingen(), paden, o.w.get());
    const Besturing b2(&dlg2);
    dlg2.show();
    typ(b2.combo2, QStringLiteral("99"));
    klik(b2.exit);
    QCOMPARE(teller(o)->text(), QStringLiteral("3/99"));
}

void TestConfig::toepassenAlleenLaagsteHoudtLijst() {
    Venster o;
    voegNummersToe(o, {17, 4, 250});
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    dlg.show();
    const Besturing b(&dlg);
    typ(b.combo1, QStringLiteral("10"));
    klik(b.exit);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().LaagsteNummer, 10);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{3});

    // A new highest number clears it.
    Config dlg2(o.instellingen(), paden, o.w.get());
    dlg2.show();
    const Besturing b2(&dlg2);
    typ(b2.combo2, QStringLiteral("9989"));
    klik(b2.exit);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});
}

void TestConfig::toepassenHoogsteAlsKommagetal() {
    Venster o;
    voegNummersToe(o, {1, 2});
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    typ(b.combo2, QStringLiteral("9999.0"));
    klik(b.exit);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{2});

    // A fraction differs from the stored number even where it rounds back to it.
    Config dlg2(o.instellingen(), paden, o.w.get());
    const Besturing b2(&dlg2);
    dlg2.show();
    typ(b2.combo2, QStringLiteral("9999.4"));
    klik(b2.exit);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});
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
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    Modaal melding;
    typ(b.combo1, laag);
    typ(b.combo2, hoog);
    QCOMPARE(b.combo1->currentText(), laag);
    QCOMPARE(b.combo2->currentText(), hoog);
    klik(b.exit);
    QCOMPARE(o.inst().LaagsteNummer, laagste);
    QCOMPARE(o.inst().HoogsteNummer, hoogste);
    QCOMPARE(dlg.isVisible(), laagste > hoogste);
    QCOMPARE(melding.teksten.size(), laagste > hoogste ? 1 : 0);
}

void TestConfig::toepassenTellerPlaatjesrollers() {
    Venster o;
    o.instellingen().kiesRolSoort(1);
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    // Scored behind the dialog: every number of 111 to 111 is three of a kind.
    o.instellingen().zetBereik(111, 111);
    trek(o, 1);
    const int score = o.trekking().totaalScore();
    QVERIFY(score > 0);
    typ(b.combo2, QStringLiteral("800"));
    klik(b.exit);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().LaagsteNummer, 100);
    QCOMPARE(o.inst().HoogsteNummer, 800);
    QCOMPARE(teller(o)->text(), QString::number(score));
}

void TestConfig::toepassenTitel() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    const QString titel = QStringLiteral("Grote, \"Kerst\" Loterij");
    typ(b.titel, titel);
    QCOMPARE(b.titel->text(), titel);
    // Typing alone changes nothing.
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(logo(o, 1)->text(), QStringLiteral("Quintaro"));
    klik(b.exit);
    QCOMPARE(o.inst().TitelTekst, titel);
    QCOMPARE(logo(o, 1)->text(), titel);
    QCOMPARE(logo(o, 2)->text(), titel);
    // Centred; the coloured title 60 twips (4 pixels) left of its shadow.
    const QLabel* l1 = logo(o, 1);
    const QLabel* l2 = logo(o, 2);
    QCOMPARE(l1->width(), l1->sizeHint().width());
    QVERIFY(qAbs(l1->x() + l1->width() / 2 - 512) <= 1);
    QVERIFY(qAbs((l1->x() - l2->x()) - 4) <= 1);
}

void TestConfig::toepassenLegeTitel() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    typ(b.titel, QString());
    klik(b.exit);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().TitelTekst, QString());
    QCOMPARE(logo(o, 1)->text(), QString());
    QCOMPARE(logo(o, 2)->text(), QString());
}

void TestConfig::toepassenUitersteGrenzen() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    Modaal melding;
    typ(b.combo1, QStringLiteral("-2147483648"));
    typ(b.combo2, QStringLiteral("2147483647.4"));
    klik(b.exit);
    QVERIFY(melding.teksten.isEmpty());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().LaagsteNummer, std::numeric_limits<qint32>::min());
    QCOMPARE(o.inst().HoogsteNummer, std::numeric_limits<qint32>::max());
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
    Venster o;
    voegNummersToe(o, {8, 9});
    const QString tellerVoor = teller(o)->text();
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    Modaal melding;
    QComboBox* fout = veld == 1 ? b.combo1 : b.combo2;
    QComboBox* goed = veld == 1 ? b.combo2 : b.combo1;
    // The other field holds a new, valid highest (or lowest) number.
    typ(goed, veld == 1 ? QStringLiteral("500") : QStringLiteral("5"));
    typ(fout, tekst);
    QCOMPARE(fout->currentText(), tekst);
    typ(b.titel, QStringLiteral("Nieuw"));
    klik(b.exit);

    QVERIFY(dlg.isVisible());
    QVERIFY(melding.teksten.isEmpty());
    QVERIFY(Config::isGemarkeerd(fout));
    QVERIFY(!Config::isGemarkeerd(goed));
    QVERIFY2(fout->toolTip().startsWith(reden), qPrintable(fout->toolTip()));
    QVERIFY(!fout->styleSheet().isEmpty());
    QVERIFY(heeftFocus(dlg, fout));
    // Nothing stored, nothing cleared.
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{2});
    QCOMPARE(teller(o)->text(), tellerVoor);
    QCOMPARE(logo(o, 1)->text(), QStringLiteral("Quintaro"));

    // Corrected, the same click applies.
    typ(fout, veld == 1 ? QStringLiteral("3") : QStringLiteral("600"));
    klik(b.exit);
    QVERIFY(!dlg.isVisible());
    QVERIFY(!Config::isGemarkeerd(fout));
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Nieuw"));
}

void TestConfig::toepassenBeideVeldenOngeldig() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    typ(b.combo1, QStringLiteral("x"));
    typ(b.combo2, QString());
    klik(b.exit);
    QVERIFY(dlg.isVisible());
    QVERIFY(Config::isGemarkeerd(b.combo1));
    QVERIFY(Config::isGemarkeerd(b.combo2));
    QVERIFY(heeftFocus(dlg, b.combo1));

    // Mending one leaves the other marked and the focus on it.
    typ(b.combo1, QStringLiteral("4"));
    klik(b.exit);
    QVERIFY(dlg.isVisible());
    QVERIFY(!Config::isGemarkeerd(b.combo1));
    QVERIFY(Config::isGemarkeerd(b.combo2));
    QVERIFY(heeftFocus(dlg, b.combo2));
    QCOMPARE(o.inst().LaagsteNummer, 1);
}

void TestConfig::markeringVerdwijntBijTypen() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    typ(b.combo2, QStringLiteral("?"));
    klik(b.exit);
    QVERIFY(Config::isGemarkeerd(b.combo2));
    // One more key at the end of the marked text.
    QTest::keyClick(b.combo2->lineEdit(), Qt::Key_End);
    QTest::keyClick(b.combo2->lineEdit(), Qt::Key_1);
    QCOMPARE(b.combo2->currentText(), QStringLiteral("?1"));
    QVERIFY(!Config::isGemarkeerd(b.combo2));
    QVERIFY(b.combo2->toolTip().isEmpty());
    QVERIFY(b.combo2->styleSheet().isEmpty());
    QVERIFY(dlg.isVisible());
}

void TestConfig::sluitenZonderExitPastNietsToe() {
    Venster o;
    voegNummersToe(o, {1});
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    typ(b.combo1, QStringLiteral("40"));
    typ(b.combo2, QStringLiteral("50"));
    typ(b.titel, QStringLiteral("Niet bewaard"));
    b.pauze->setValue(7); // a live change
    QVERIFY(dlg.close());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{1});
    QCOMPARE(o.inst().PauzeSeconden, quint8(7));
}

void TestConfig::exitMetToetsenbord() {
    Venster o;
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    const Besturing b(&dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(QApplication::focusWidget(), b.exit);
    // Enter on a focused Reset presses Reset, not Exit.
    b.kleurBalk(1)->setValue(3);
    b.reset->setFocus();
    QTest::keyClick(b.reset, Qt::Key_Return);
    QVERIFY(dlg.isVisible());
    QCOMPARE(o.inst().KleurRood, 220.0);
    typ(b.combo2, QStringLiteral("300"));
    b.exit->setFocus();
    QTest::keyClick(b.exit, Qt::Key_Space);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().HoogsteNummer, 300);

    // Enter in a range field applies as well.
    Config dlg2(o.instellingen(), paden, o.w.get());
    const Besturing b2(&dlg2);
    dlg2.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg2));
    typ(b2.combo1, QStringLiteral("30"));
    QTest::keyClick(b2.combo1->lineEdit(), Qt::Key_Return);
    QVERIFY(!dlg2.isVisible());
    QCOMPARE(o.inst().LaagsteNummer, 30);
    QCOMPARE(b2.combo1->count(), 1000); // nothing typed is added to the list
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
