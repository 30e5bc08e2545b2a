// The settings dialog's live controls: colour and pause bars, the roller kind and the
// background, each changing the main window at once.
#include "confighulp.h"

class TestConfigLive : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

// --- Live controls -----------------------------------------------------------------------

void TestConfigLive::kleurBalkVerandertEenComponent() {
    Venster o;
    o.instellingen().zetKleur(255, 255, 190);
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigLive::kleurBalkStapt() {
    Venster o;
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigLive::kleurBalkSlepenMeldtPasBijLoslaten() {
    Venster o;
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigLive::kleurResetVanZwart() {
    Venster o;
    o.instellingen().zetKleur(0, 0, 0);
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigLive::kleurResetAlOpResetkleur() {
    // A hand-edited red of 219.6 stands on its bar as 220.
    Instellingen inst;
    inst.KleurRood = 219.6;
    inst.KleurGroen = 220;
    inst.KleurBlauw = 190;
    Venster o(instellingenBestandInhoud(inst));
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigLive::pauzeBalkUitersten() {
    Venster o;
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigLive::rolSoortHeenEnTerug() {
    Venster o;
    trek(o, 2);
    voegNummersToe(o, {11, 22});
    QCOMPARE(o.trekking().aantalTrekkingen(), 2);
    const QImage plaatjes = staandeRol(":/images/strip_fruits.png");
    const QImage cijfers = staandeRol(":/images/strip_digits.png");
    QVERIFY(o.trekking().rolBeeld(1) != plaatjes);
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;

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

void TestConfigLive::rolSoortNogmaalsKiezenDoetNiets() {
    Venster o(instellingenMetBereik(1, 500));
    voegNummersToe(o, {3});
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
    klik(b.rolKeuze[0]);
    QVERIFY(b.rolKeuze[0]->isChecked());
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{1});
    QCOMPARE(o.inst().HoogsteNummer, 500);
    QCOMPARE(b.combo2->currentText(), QStringLiteral("500"));
}

void TestConfigLive::achtergrondKiezen() {
    Venster o;
    o.w->show();
    const QDir map(achtergronden(o));
    QVERIFY(QDir().mkpath(map.path()));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("groen.bmp")), QColor(0, 255, 0), "BMP"));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("rood.jpg")), QColor(255, 0, 0), "JPG"));
    // No picture yet: the window's own fill.
    QCOMPARE(hoek(o), QColor(30, 30, 50));

    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    QCOMPARE(lijstTeksten(b.lijst), (QStringList{"groen.bmp", "rood.jpg"}));
    kiesRij(b.lijst, 1);
    QCOMPARE(o.inst().AchtergrondBestand, map.filePath(QStringLiteral("rood.jpg")));
    const QColor rood = hoek(o);
    QVERIFY2(rood.red() > 200 && rood.green() < 60, qPrintable(rood.name()));

    kiesRij(b.lijst, 0);
    QCOMPARE(o.inst().AchtergrondBestand, map.filePath(QStringLiteral("groen.bmp")));
    QCOMPARE(hoek(o), QColor(0, 255, 0));
}

void TestConfigLive::achtergrondKapotBewaartPad() {
    Venster o;
    o.w->show();
    const QDir map(achtergronden(o));
    QVERIFY(QDir().mkpath(map.path()));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("a.bmp")), QColor(0, 0, 255), "BMP"));
    QVERIFY(schrijfAlles(map.filePath(QStringLiteral("b.jpg")), "geen plaatje"));
    QVERIFY(schrijfBeeld(map.filePath(QStringLiteral("c.gif")), QColor(255, 255, 0), "BMP"));

    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigLive::achtergrondUitEigenMapKiezen() {
    // The same name in both folders: each entry loads its own picture.
    Venster o;
    o.w->show();
    QTemporaryDir gegevens;
    const auto [programma, eigen] = achtergrondMappen(o, gegevens.path());
    QVERIFY(schrijfBeeld(programma.filePath(QStringLiteral("veld.bmp")), QColor(255, 0, 0), "BMP"));
    QVERIFY(schrijfBeeld(eigen.filePath(QStringLiteral("veld.bmp")), QColor(0, 0, 255), "BMP"));
    QVERIFY(schrijfAlles(eigen.filePath(QStringLiteral("stuk.jpg")), "geen plaatje"));

    Dialoog dialoog(o, true, gegevens.path());
    auto& [paden, dlg, b] = dialoog;
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

QTEST_MAIN(TestConfigLive)
#include "test_config_live.moc"
