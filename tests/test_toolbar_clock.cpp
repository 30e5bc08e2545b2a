#include "common/klok.h"
#include "common/kloktekst.h"
#include "common/plaatjesknop.h"
#include "config/config.h"
#include "venster.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QAudioDevice>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMediaDevices>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <QtTest>

#include <optional>

namespace {

PlaatjesKnop* knop(const Venster& o, int i) {
    return o.kind<PlaatjesKnop>(QStringLiteral("Knop%1").arg(i));
}

// The click every toolbar button makes: the program directory's own sound.
QString klik(const Venster& o) {
    return o.map.path() + QStringLiteral("/Sounds/klik.wav");
}

QImage plaatje(const PlaatjesKnop* knop) {
    return knop->plaatje().toImage();
}

QImage bron(const char* pad) {
    return QPixmap(QLatin1String(pad)).toImage();
}

// A point of a widget in its window's coordinates.
QPoint inVenster(QWidget* w, QPoint p) {
    return w->mapTo(w->window(), p);
}

// Replaces what a field holds by typing, as the keyboard does it.
void typ(QWidget* veld, const QString& tekst) {
    veld->setFocus(Qt::TabFocusReason);
    QTest::keyClick(veld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(veld, Qt::Key_Delete);
    QTest::keyClicks(veld, tekst);
}

// Sets the default locale for as long as it lives.
struct Taal {
    explicit Taal(const QLocale& taal) { QLocale::setDefault(taal); }
    ~Taal() { QLocale::setDefault(m_oud); }
    Taal(const Taal&) = delete;
    Taal& operator=(const Taal&) = delete;

private:
    QLocale m_oud;
};

} // namespace

class TestToolbarClock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The toolbar.
    void knoppenInRust();
    void geluidKnopSchakelt();
    void geluidUitAndereKnoppenZonderKlik();
    void geluidVolgtDeUitgangen();
    void helpEnSoftware();
    void drukAnimatieEnTerugNaarRust();
    void klikTijdensDePauzeVanEenAndereKnop();
    void uitgeschakeldeKnopNegeertKlik();
    void dubbelklikOpKnopWerktEenmaal();
    void instellingenOpentModaal();
    void instellingenToepassenViaDeKnop();
    void instellingenSluitenViaTitelbalk();

    // The bottom bar on a double-click.
    void dubbelklikVerbergtEnToontPaneel();

    // The clock.
    void klokVoorDeEersteTik();
    void klokToontDeTijd();
    void klokLooptDoorTijdensWacht();
    void klokLooptDoorTijdensDialoog();
    void klokEindigtLinksVanExit_data();
    void klokEindigtLinksVanExit();
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

// --- The bottom bar on a double-click ----------------------------------------------------

void TestToolbarClock::dubbelklikVerbergtEnToontPaneel() {
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

void TestToolbarClock::klokVoorDeEersteTik() {
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

void TestToolbarClock::klokToontDeTijd() {
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

void TestToolbarClock::klokLooptDoorTijdensWacht() {
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

void TestToolbarClock::klokLooptDoorTijdensDialoog() {
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
void TestToolbarClock::klokEindigtLinksVanExit_data() {
    QTest::addColumn<QLocale>("taal");
    QTest::newRow("nl_NL 08-12-2026") << QLocale(QStringLiteral("nl_NL"));
    QTest::newRow("en_US 12/8/26") << QLocale(QStringLiteral("en_US"));
    QTest::newRow("de_DE 08.12.26") << QLocale(QStringLiteral("de_DE"));
    QTest::newRow("hu_HU 2026. 12. 08.") << QLocale(QStringLiteral("hu_HU"));
    QTest::newRow("C, month name") << QLocale::c();
}

void TestToolbarClock::klokEindigtLinksVanExit() {
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

QTEST_MAIN(TestToolbarClock)
#include "test_toolbar_clock.moc"
