// The bottom bar shown and hidden by a double-click, and the clock on it: its first tick, its
// time, its ticking through waits and dialogs, and its place beside the exit button.
#include "werkbalkhulp.h"

class TestKlok : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dubbelklikVerbergtEnToontPaneel();
    void klokVoorDeEersteTik();
    void klokToontDeTijd();
    void klokLooptDoorTijdensWacht();
    void klokLooptDoorTijdensDialoog();
    void klokEindigtLinksVanExit_data();
    void klokEindigtLinksVanExit();
};

// --- The bottom bar on a double-click ----------------------------------------------------

void TestKlok::dubbelklikVerbergtEnToontPaneel() {
    Venster o;
    o.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(o.w.get()));
    QWindow* raam = o.w->windowHandle();
    GetrokkenLijst& lijst = o.trekking().lijst();
    lijst.voegToe(12);
    const QPoint achtergrond(5, 5);
    QVERIFY(o.w->childAt(achtergrond) == nullptr ||
            o.w->childAt(achtergrond)->testAttribute(Qt::WA_TransparentForMouseEvents));

    QWidget* paneel = o.kind("KnopPic");
    auto* klok = o.kind<Klok>("KlokLabel");
    auto* lijstVak = o.kind<QListView>("List1");
    QTest::mouseDClick(raam, Qt::LeftButton, {}, achtergrond);
    QVERIFY(!paneel->isVisible());
    for (QWidget* w : std::initializer_list<QWidget*>{knop(o, 0), knop(o, 3), o.kind("ExitKnop"),
                                                      o.kind("Label1"), klok, lijstVak})
        QVERIFY(!w->isVisible());
    // The rollers and the start controls stay.
    QVERIFY(o.kind("ArrowLeft")->isVisible());
    QVERIFY(o.kind("Pic1")->isVisible());

    // Hidden, the list still takes numbers and the clock still runs.
    lijst.voegToe(40);
    lijst.voegToe(7);
    klok->setText(QStringLiteral("x"));
    QTRY_VERIFY_WITH_TIMEOUT(klok->text() != QStringLiteral("x"), 1000);

    // A right double-click does nothing.
    QTest::mouseDClick(raam, Qt::RightButton, {}, achtergrond);
    QVERIFY(!paneel->isVisible());

    QTest::mouseDClick(raam, Qt::LeftButton, {}, achtergrond);
    QVERIFY(paneel->isVisible());
    QVERIFY(lijstVak->isVisible());
    const QAbstractItemModel* model = lijstVak->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("12"));
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("7"));
}

// --- The clock ---------------------------------------------------------------------------

void TestKlok::klokVoorDeEersteTik() {
    Venster o({}, QSize(800, 600));
    auto* klok = o.kind<Klok>("KlokLabel");
    QCOMPARE(klok->text(), QStringLiteral("00:00:00"));
    // It ticks from the start, every 60 ms, without being shown or asked.
    auto* timer = klok->findChild<QTimer*>(QStringLiteral("KlokTimer"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 60);
    int tikken = 0;
    klok->zetTijdBron([&] {
        ++tikken;
        return QDateTime(QDate(2026, 12, 8), QTime(9, 30, 0));
    });
    QTRY_VERIFY_WITH_TIMEOUT(tikken >= 2, 5000);
    QCOMPARE(klok->text(), klokTekst(QTime(9, 30, 0), QDate(2026, 12, 8)));
}

void TestKlok::klokToontDeTijd() {
    Venster o;
    o.w->show();
    auto* klok = o.kind<Klok>("KlokLabel");
    QTRY_VERIFY_WITH_TIMEOUT(klok->text() != QStringLiteral("00:00:00"), 1000);
    const QDateTime voor = QDateTime::currentDateTime();
    // A few ticks: the caption is rewritten each time, even when it reads the same.
    klok->setText(QStringLiteral("x"));
    QTRY_VERIFY_WITH_TIMEOUT(klok->text() != QStringLiteral("x"), 300);
    const QString tekst = klok->text();
    const QDateTime na = QDateTime::currentDateTime();

    static const QRegularExpression vorm(QStringLiteral("^ \\d{1,2}\\D\\d\\d\\D\\d\\d / \\S.*$"));
    QVERIFY2(vorm.match(tekst).hasMatch(), qPrintable(tekst));
    QStringList mogelijk;
    for (QDateTime m = voor.addSecs(-1); m <= na.addSecs(1); m = m.addSecs(1))
        mogelijk.append(klokTekst(m.time(), m.date()));
    QVERIFY2(mogelijk.contains(tekst),
             qPrintable(tekst + QStringLiteral(" | ") + mogelijk.join(u'|')));
    QCOMPARE(klok->size(), klok->sizeHint());
}

void TestKlok::klokLooptDoorTijdensWacht() {
    Venster o({}, QSize(1024, 768), 1.0);
    o.w->show();
    auto* klok = o.kind<Klok>("KlokLabel");
    QString halverwege;
    klok->setText(QStringLiteral("x"));
    QTimer::singleShot(150, this, [&] {
        halverwege = klok->text();
        klok->setText(QStringLiteral("y"));
    });
    QVERIFY(o.w->pauze().Wacht(0.3));
    QVERIFY(!halverwege.isEmpty());
    QVERIFY(halverwege != QStringLiteral("x"));
    QVERIFY(klok->text() != QStringLiteral("y"));
}

void TestKlok::klokLooptDoorTijdensDialoog() {
    Venster o;
    o.w->show();
    auto* klok = o.kind<Klok>("KlokLabel");
    bool gezien = false;
    QString tijdensDialoog;
    Modaal m([&](QWidget* venster) {
        // Acts once: the dialog stays open for a while and is offered again meanwhile.
        auto* dlg = qobject_cast<Config*>(venster);
        if (!dlg || gezien)
            return;
        gezien = true;
        klok->setText(QStringLiteral("x"));
        QTimer::singleShot(200, dlg, [&tijdensDialoog, klok, dlg] {
            tijdensDialoog = klok->text();
            QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("CancelKnop")),
                              Qt::LeftButton);
        });
    });
    QTest::mouseClick(knop(o, 3), Qt::LeftButton);
    QVERIFY(gezien);
    QVERIFY(!tijdensDialoog.isEmpty());
    QVERIFY(tijdensDialoog != QStringLiteral("x"));
}

// A late two-digit hour with a long date form must not run under the exit button; a short
// text goes back to the clock's own place.
void TestKlok::klokEindigtLinksVanExit_data() {
    QTest::addColumn<QLocale>("taal");
    QTest::newRow("nl_NL 08-12-2026") << QLocale(QStringLiteral("nl_NL"));
    QTest::newRow("en_US 12/8/26") << QLocale(QStringLiteral("en_US"));
    QTest::newRow("de_DE 08.12.26") << QLocale(QStringLiteral("de_DE"));
    QTest::newRow("hu_HU 2026. 12. 08.") << QLocale(QStringLiteral("hu_HU"));
    QTest::newRow("C, month name") << QLocale::c();
}

void TestKlok::klokEindigtLinksVanExit() {
    QFETCH(QLocale, taal);
    std::optional<Taal> gekozen(std::in_place, taal);
    Venster o;
    o.w->show();
    auto* klok = o.kind<Klok>("KlokLabel");
    QWidget* exitKnop = o.kind("ExitKnop");
    const QPoint plaats(o.kind("KnopPic")->width() - 185, 38);
    QDateTime nu(QDate(2026, 12, 8), QTime(23, 59, 58));
    klok->zetTijdBron([&nu] { return nu; });

    klok->tik();
    QCOMPARE(klok->text(), klokTekst(nu.time(), nu.date(), taal));
    QVERIFY2(klok->geometry().right() < exitKnop->geometry().left(),
             qPrintable(QStringLiteral("%1 ends at %2, exit begins at %3")
                            .arg(klok->text())
                            .arg(klok->geometry().right())
                            .arg(exitKnop->geometry().left())));
    QCOMPARE(klok->y(), plaats.y());
    QVERIFY(klok->x() <= plaats.x());

    // Back to a short text: the clock returns to its place.
    gekozen.reset();
    gekozen.emplace(QLocale(QStringLiteral("en_US")));
    nu = QDateTime(QDate(2026, 1, 2), QTime(1, 2, 3));
    klok->tik();
    QCOMPARE(klok->text(), QStringLiteral(" 1:02:03 / 1/2/26"));
    QCOMPARE(klok->pos(), plaats);
}

QTEST_MAIN(TestKlok)
#include "test_klok.moc"
