// The settings dialog fills its controls from the settings and the folders as it opens, and
// changes nothing by that alone.
#include "confighulp.h"

class TestConfigVullen : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

// --- Population --------------------------------------------------------------------------

void TestConfigVullen::vullenStandaard() {
    Venster o;
    voegNummersToe(o, {4, 8});
    const Instellingen voor = o.inst();
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigVullen::vullenBereikBuitenDeLijsten() {
    Venster o(instellingenMetBereik(5, 50));
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigVullen::vullenZwartLaatBalkenStaan() {
    Venster o;
    o.instellingen().zetKleur(0, 0, 0);
    // A colour the dialog would overwrite if a bar ran its handling.
    verf(logo(o, 2), QColor(10, 200, 30));
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigVullen::vullenPauze_data() {
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

void TestConfigVullen::vullenPauze() {
    QFETCH(int, opgeslagen);
    QFETCH(int, balk);
    QFETCH(QString, tekst);
    QFETCH(int, daarna);
    Instellingen inst;
    inst.PauzeSeconden = static_cast<quint8>(opgeslagen);
    Venster o(instellingenBestandInhoud(inst));
    QCOMPARE(int(o.inst().PauzeSeconden), opgeslagen);
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
    QCOMPARE(b.pauze->value(), balk);
    QCOMPARE(b.pauzeLabel->text(), tekst);
    QCOMPARE(int(o.inst().PauzeSeconden), daarna);
}

void TestConfigVullen::vullenLegeTitel() {
    Venster o;
    o.instellingen().zetTitel(QString());
    const Paden paden = padenVan(o);
    Config dlg(o.instellingen(), paden, o.w.get());
    QCOMPARE(Besturing(&dlg).titel->text(), QString());
}

void TestConfigVullen::vullenPlaatjesrollersZetHoofdvensterTerug() {
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

    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigVullen::vullenCijferrollersLatenHoofdvensterMet() {
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

void TestConfigVullen::vullenAchtergronden() {
    Venster o;
    const QDir map(achtergronden(o));
    QVERIFY(QDir().mkpath(map.path()));
    for (const char* naam : {"b.JPG", "a.jpg", "C.gif", "d.bmp", "e.png", "f.jpeg", "gjpg"})
        QVERIFY(schrijfAlles(map.filePath(QLatin1String(naam)), "x"));
    QVERIFY(schrijfAlles(map.filePath(QStringLiteral(".verborgen.jpg")), "x"));
    QVERIFY(map.mkpath(QStringLiteral("map.jpg"))); // a folder, not a file

    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigVullen::vullenEenAchtergrond() {
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

void TestConfigVullen::vullenGeenAchtergrondMapValtTerugOpWerkmap() {
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

void TestConfigVullen::vullenAchtergrondenUitBeideMappen() {
    Venster o;
    QTemporaryDir gegevens;
    const auto [programma, eigen] = achtergrondMappen(o, gegevens.path());
    for (const char* naam : {"zon.jpg", "Boom.gif", "tekst.txt"})
        QVERIFY(schrijfAlles(programma.filePath(QLatin1String(naam)), "x"));
    for (const char* naam : {"maan.BMP", "Appel.jpg", "zon.jpg", "foto.png"})
        QVERIFY(schrijfAlles(eigen.filePath(QLatin1String(naam)), "x"));

    Dialoog dialoog(o, false, gegevens.path());
    auto& [paden, dlg, b] = dialoog;
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

void TestConfigVullen::vullenAlleenEigenAchtergrondMap() {
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

QTEST_MAIN(TestConfigVullen)
#include "test_config_vullen.moc"
