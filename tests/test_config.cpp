// The settings dialog on a real main window: its controls, where they stand, their focus
// order, and how a range field is read.
#include "confighulp.h"

class TestConfig : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void vensterEnTeksten();
    void plaatsenEnKleuren();
    void focusVolgorde();
    void bedieningBinnenHetVenster();
    void leesGetal_data();
    void leesGetal();
};

// --- The window and its controls ---------------------------------------------------------

void TestConfig::vensterEnTeksten() {
    Venster o;
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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
    Dialoog dialoog(o, false);
    auto& [paden, dlg, b] = dialoog;
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
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
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
