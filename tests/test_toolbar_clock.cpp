// The toolbar's buttons on a real main window: at rest, pressed, their sounds, and the
// dialogs they open.
#include "werkbalkhulp.h"

class TestToolbarClock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void knoppenInRust();
    void geluidKnopSchakelt();
    void geluidVolgtDeUitgangen();
    void geluidUitAndereKnoppenZonderKlik();
    void helpEnSoftware();
    void drukAnimatieEnTerugNaarRust();
    void klikTijdensDePauzeVanEenAndereKnop();
    void uitgeschakeldeKnopNegeertKlik();
    void dubbelklikOpKnopWerktEenmaal();
    void instellingenOpentModaal();
    void instellingenToepassenViaDeKnop();
    void instellingenSluitenViaTitelbalk();
};

// --- The toolbar -------------------------------------------------------------------------

void TestToolbarClock::knoppenInRust() {
    Venster o;
    o.w->show();
    const QStringList tips{QStringLiteral(" Help (pdf-formaat) "),
                           QStringLiteral(" Meer software "), QStringLiteral(" Geluid aan / uit "),
                           QStringLiteral(" Instellingen ")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(knop(o, i)->pos(), QPoint(10 + 70 * i, 23));
        QCOMPARE(knop(o, i)->size(), QSize(48, 48));
        QCOMPARE(knop(o, i)->toolTip(), tips[i]);
    }
    QVERIFY(!bron(":/images/sound_on.png").isNull());
    QCOMPARE(plaatje(knop(o, 2)), bron(":/images/sound_on.png"));
}

void TestToolbarClock::geluidKnopSchakelt() {
    Venster o;
    o.w->show();
    const QImage aan = bron(":/images/sound_on.png");
    const QImage uit = bron(":/images/sound_off.png");
    QVERIFY(!aan.isNull() && !uit.isNull());
    QVERIFY(aan != uit);
    QVERIFY(o.algemeen().geluidAan());

    // Switching off: decided before the action, so this click is still heard.
    QTest::mouseClick(knop(o, 2), Qt::LeftButton);
    QVERIFY(!o.algemeen().geluidAan());
    QCOMPARE(o.algemeen().gespeeld(), QStringList{klik(o)});
    QCOMPARE(plaatje(knop(o, 2)), uit);

    // Switching on: silent.
    QTest::mouseClick(knop(o, 2), Qt::LeftButton);
    QVERIFY(o.algemeen().geluidAan());
    QCOMPARE(o.algemeen().gespeeld().size(), 1);
    QCOMPARE(plaatje(knop(o, 2)), aan);

    QTest::mouseClick(knop(o, 2), Qt::LeftButton);
    QVERIFY(!o.algemeen().geluidAan());
    QCOMPARE(o.algemeen().gespeeld(), (QStringList{klik(o), klik(o)}));
}

// A speaker plugged in or pulled out after the start is followed: when the system reports its
// audio outputs changed, the sound plays to what it has now.
void TestToolbarClock::geluidVolgtDeUitgangen() {
    Venster o;
    auto* apparaten = o.algemeen().findChild<QMediaDevices*>();
    QVERIFY(apparaten);
    const bool heeftUitgang = !QMediaDevices::audioOutputs().isEmpty();
    o.algemeen().zetGeluidsuitvoer(!heeftUitgang);
    Q_EMIT apparaten->audioOutputsChanged();
    QCOMPARE(o.algemeen().geluidsuitvoer(), heeftUitgang);
}

void TestToolbarClock::geluidUitAndereKnoppenZonderKlik() {
    Venster o;
    o.w->show();
    o.algemeen().zetGeluidAan(false);
    QTest::mouseClick(knop(o, 0), Qt::LeftButton);
    QTest::mouseClick(knop(o, 1), Qt::LeftButton);
    QCOMPARE(o.geopend.size(), 2);
    QVERIFY(o.algemeen().gespeeld().isEmpty());

    o.algemeen().zetGeluidAan(true);
    QTest::mouseClick(knop(o, 0), Qt::LeftButton);
    QCOMPARE(o.algemeen().gespeeld(), QStringList{klik(o)});
}

void TestToolbarClock::helpEnSoftware() {
    Venster o;
    o.w->show();
    QTest::mouseClick(knop(o, 0), Qt::LeftButton);
    QCOMPARE(o.geopend.size(), 1);
    QVERIFY(o.geopend[0].isLocalFile());
    QCOMPARE(o.geopend[0].toLocalFile(),
             QDir(o.map.path()).filePath(QStringLiteral("Quintaro.pdf")));

    QTest::mouseClick(knop(o, 1), Qt::LeftButton);
    QCOMPARE(o.geopend.size(), 2);
    QCOMPARE(o.geopend[1], QUrl(QStringLiteral("https://www.brevane.example/software.htm")));
    QCOMPARE(o.algemeen().geopend().size(), 2);
    QCOMPARE(o.algemeen().gespeeld().size(), 2);
}

void TestToolbarClock::drukAnimatieEnTerugNaarRust() {
    Venster o({}, QSize(1024, 768), 1.0);
    o.w->show();
    for (int i = 0; i < 3; ++i) {
        PlaatjesKnop* k = knop(o, i);
        const QPoint rust = k->pos();
        QPoint tijdens;
        QTimer::singleShot(100, this, [&] { tijdens = k->pos(); });
        QElapsedTimer klok;
        klok.start();
        QTest::mouseClick(k, Qt::LeftButton);
        QVERIFY2(klok.elapsed() >= 195, qPrintable(QString::number(klok.elapsed())));
        QCOMPARE(tijdens, rust + QPoint(2, 2));
        QCOMPARE(k->pos(), QPoint(rust.x(), 23));
    }
}

void TestToolbarClock::klikTijdensDePauzeVanEenAndereKnop() {
    Venster o({}, QSize(1024, 768), 1.0);
    o.w->show();
    PlaatjesKnop* eerste = knop(o, 0);
    PlaatjesKnop* tweede = knop(o, 1);
    const QPoint rust0 = eerste->pos();
    const QPoint rust1 = tweede->pos();
    QPoint eersteTijdens;
    QTimer::singleShot(80, this, [&] {
        eersteTijdens = eerste->pos();
        QTest::mouseClick(tweede, Qt::LeftButton);
    });
    QTest::mouseClick(eerste, Qt::LeftButton);
    QCOMPARE(eersteTijdens, rust0 + QPoint(2, 2));
    QCOMPARE(eerste->pos(), rust0);
    QCOMPARE(tweede->pos(), rust1);
    // The inner click finishes first.
    QCOMPARE(o.geopend.size(), 2);
    QVERIFY(o.geopend[0].scheme().startsWith(QStringLiteral("http")));
    QVERIFY(o.geopend[1].isLocalFile());
}

void TestToolbarClock::uitgeschakeldeKnopNegeertKlik() {
    Venster o;
    o.w->show();
    knop(o, 0)->setEnabled(false);
    const QImage voor = plaatje(knop(o, 0));
    QTest::mouseClick(knop(o, 0), Qt::LeftButton);
    QVERIFY(o.geopend.isEmpty());
    QVERIFY(o.algemeen().gespeeld().isEmpty());
    QCOMPARE(knop(o, 0)->pos(), QPoint(10, 23));
    QCOMPARE(plaatje(knop(o, 0)), voor);
}

void TestToolbarClock::dubbelklikOpKnopWerktEenmaal() {
    Venster o;
    o.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(o.w.get()));
    QWindow* raam = o.w->windowHandle();
    QTest::mouseDClick(raam, Qt::LeftButton, {}, inVenster(knop(o, 1), QPoint(20, 20)));
    QCOMPARE(o.geopend.size(), 1);
    QCOMPARE(o.algemeen().gespeeld().size(), 1);
    // A double-click on a button is not one on the background.
    QVERIFY(o.kind("KnopPic")->isVisible());

    QTest::mouseDClick(raam, Qt::LeftButton, {}, inVenster(knop(o, 2), QPoint(20, 20)));
    QVERIFY(!o.algemeen().geluidAan());
}

void TestToolbarClock::instellingenOpentModaal() {
    Venster o;
    o.w->show();
    bool gezien = false;
    bool modaal = false;
    bool bovenop = false;
    QPoint knopTijdens;
    qsizetype klikken = -1;
    Modaal m([&](QWidget* venster) {
        auto* dlg = qobject_cast<Config*>(venster);
        if (!dlg)
            return;
        gezien = true;
        modaal = dlg->isModal() && dlg->windowModality() == Qt::ApplicationModal;
        bovenop = dlg->isVisible() && dlg->parentWidget() == o.w.get();
        knopTijdens = knop(o, 3)->pos();
        klikken = o.algemeen().gespeeld().size();
        QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("CancelKnop")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(knop(o, 3), Qt::LeftButton);
    // The click returns only once the dialog has closed.
    QVERIFY(gezien);
    QVERIFY(modaal);
    QVERIFY(bovenop);
    QCOMPARE(knopTijdens, QPoint(220, 23));
    QCOMPARE(klikken, qsizetype{1});
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(o.w->findChildren<Config*>().isEmpty());
    // A dialog closed with its own values applies nothing new.
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
}

void TestToolbarClock::instellingenToepassenViaDeKnop() {
    Venster o;
    o.w->show();
    o.trekking().lijst().voegToe(3);
    bool gezien = false;
    Modaal m([&](QWidget* venster) {
        auto* dlg = qobject_cast<Config*>(venster);
        if (!dlg)
            return;
        gezien = true;
        typ(dlg->findChild<QComboBox*>(QStringLiteral("Combo2"))->lineEdit(), QStringLiteral("99"));
        QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("CancelKnop")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(knop(o, 3), Qt::LeftButton);
    QVERIFY(gezien);
    QCOMPARE(o.inst().HoogsteNummer, 99);
    QCOMPARE(o.kind<QLabel>("Label1")->text(), QStringLiteral("0/99"));
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});
}

void TestToolbarClock::instellingenSluitenViaTitelbalk() {
    Venster o;
    o.w->show();
    bool gezien = false;
    Modaal m([&](QWidget* venster) {
        auto* dlg = qobject_cast<Config*>(venster);
        if (!dlg)
            return;
        gezien = true;
        typ(dlg->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("Weg"));
        dlg->findChild<QScrollBar*>(QStringLiteral("ColorScroll1"))->setValue(0);
        dlg->close();
    });
    QTest::mouseClick(knop(o, 3), Qt::LeftButton);
    QVERIFY(gezien);
    // The title waits for "Exit"; the colour bar acted at once.
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.inst().KleurRood, 0.0);
    QCOMPARE(o.kind("Logo2")->palette().color(QPalette::WindowText), QColor(0, 255, 190));
}

QTEST_MAIN(TestToolbarClock)
#include "test_toolbar_clock.moc"
