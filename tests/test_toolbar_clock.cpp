#include "app/mainwindow.h"
#include "app/state.h"
#include "common/clocktext.h"
#include "common/picturebutton.h"
#include "config/configdialog.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// A main window on a fresh program directory; pauses run at a hundredth of their length
// unless a test needs real time. Opened documents are captured, not launched.
struct Omgeving {
    QTemporaryDir map;
    Toestand t;
    std::unique_ptr<Hoofdvenster> w;
    QList<QUrl> geopend;

    explicit Omgeving(double tijdSchaal = 0.01) {
        t.paden.programmaMap = t.paden.gegevensMap = map.path();
        t.pauze.setTijdSchaal(tijdSchaal);
        w = std::make_unique<Hoofdvenster>(t, QSize(1024, 768));
        w->algemeen().setGeluidsuitvoer(false);
        w->algemeen().setOpener([this](const QUrl& url) { geopend.append(url); });
        w->show();
    }

    QString klik() const { return t.paden.geluid("klik.wav"); }
};

QImage plaatje(const PlaatjesKnop* knop) {
    return knop->plaatje().toImage();
}

QImage bron(const char* pad) {
    return QPixmap(QLatin1String(pad)).toImage();
}

// Runs `actie` on the settings dialog once it is the modal window; gives up after 5 s.
class DialoogWachter : public QObject {
public:
    explicit DialoogWachter(std::function<void(Config*)> actie) : m_actie(std::move(actie)) {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* dlg = qobject_cast<Config*>(QApplication::activeModalWidget());
            if (dlg) {
                m_timer.stop();
                gezien = true;
                m_actie(dlg);
                return;
            }
            if (++m_rondes > 1000) {
                m_timer.stop();
                if (QWidget* ander = QApplication::activeModalWidget())
                    ander->close();
            }
        });
        m_timer.start();
    }
    bool gezien = false;

private:
    std::function<void(Config*)> m_actie;
    QTimer m_timer;
    int m_rondes = 0;
};

// The real order of a double-click: press, release, double-click, release.
void echteDubbelklik(QWidget* w, QPoint p) {
    QTest::mousePress(w, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
    QMouseEvent dubbel(QEvent::MouseButtonDblClick, QPointF(p), QPointF(w->mapToGlobal(p)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &dubbel);
    QTest::mouseRelease(w, Qt::LeftButton, {}, p);
}

} // namespace

class TestToolbarClock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The toolbar.
    void knoppenInRust();
    void geluidKnopSchakelt();
    void geluidUitAndereKnoppenZonderKlik();
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
};

// --- The toolbar -------------------------------------------------------------------------

void TestToolbarClock::knoppenInRust() {
    Omgeving o;
    const QStringList tips{QStringLiteral(" Help (pdf-formaat) "),
                           QStringLiteral(" Meer software "), QStringLiteral(" Geluid aan / uit "),
                           QStringLiteral(" Instellingen ")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(o.w->knop(i)->pos(), QPoint(10 + 70 * i, 23));
        QCOMPARE(o.w->knop(i)->size(), QSize(48, 48));
        QCOMPARE(o.w->knop(i)->toolTip(), tips[i]);
    }
    QVERIFY(!bron(":/images/sound_on.png").isNull());
    QCOMPARE(plaatje(o.w->knop(2)), bron(":/images/sound_on.png"));
}

void TestToolbarClock::geluidKnopSchakelt() {
    Omgeving o;
    const QImage aan = bron(":/images/sound_on.png");
    const QImage uit = bron(":/images/sound_off.png");
    QVERIFY(!aan.isNull() && !uit.isNull());
    QVERIFY(aan != uit);
    QVERIFY(o.t.GeluidAan);

    // Switching off: decided before the action, so this click is still heard.
    QTest::mouseClick(o.w->knop(2), Qt::LeftButton);
    QVERIFY(!o.t.GeluidAan);
    QCOMPARE(o.w->algemeen().gespeeld(), QStringList{o.klik()});
    QCOMPARE(plaatje(o.w->knop(2)), uit);

    // Switching on: silent.
    QTest::mouseClick(o.w->knop(2), Qt::LeftButton);
    QVERIFY(o.t.GeluidAan);
    QCOMPARE(o.w->algemeen().gespeeld().size(), 1);
    QCOMPARE(plaatje(o.w->knop(2)), aan);

    QTest::mouseClick(o.w->knop(2), Qt::LeftButton);
    QVERIFY(!o.t.GeluidAan);
    QCOMPARE(o.w->algemeen().gespeeld().size(), 2);
    QVERIFY(o.klik().endsWith(QStringLiteral("/Sounds/klik.wav")));
    QVERIFY(o.klik().startsWith(o.t.paden.programmaMap));
}

void TestToolbarClock::geluidUitAndereKnoppenZonderKlik() {
    Omgeving o;
    o.t.GeluidAan = false;
    QTest::mouseClick(o.w->knop(0), Qt::LeftButton);
    QTest::mouseClick(o.w->knop(1), Qt::LeftButton);
    QCOMPARE(o.geopend.size(), 2);
    QVERIFY(o.w->algemeen().gespeeld().isEmpty());

    o.t.GeluidAan = true;
    QTest::mouseClick(o.w->knop(0), Qt::LeftButton);
    QCOMPARE(o.w->algemeen().gespeeld(), QStringList{o.klik()});
}

void TestToolbarClock::helpEnSoftware() {
    Omgeving o;
    QTest::mouseClick(o.w->knop(0), Qt::LeftButton);
    QCOMPARE(o.geopend.size(), 1);
    QVERIFY(o.geopend[0].isLocalFile());
    QCOMPARE(o.geopend[0].toLocalFile(),
             QDir(o.t.paden.programmaMap).filePath(QStringLiteral("Quintaro.pdf")));

    QTest::mouseClick(o.w->knop(1), Qt::LeftButton);
    QCOMPARE(o.geopend.size(), 2);
    QCOMPARE(o.geopend[1], QUrl(QStringLiteral("https://www.brevane.example/software.htm")));
    QCOMPARE(o.w->algemeen().geopend().size(), 2);
    QCOMPARE(o.w->algemeen().gespeeld().size(), 2);
}

void TestToolbarClock::drukAnimatieEnTerugNaarRust() {
    Omgeving o(1.0);
    for (int i = 0; i < 3; ++i) {
        PlaatjesKnop* knop = o.w->knop(i);
        const QPoint rust = knop->pos();
        QPoint tijdens;
        QTimer::singleShot(100, this, [&] { tijdens = knop->pos(); });
        QElapsedTimer klok;
        klok.start();
        QTest::mouseClick(knop, Qt::LeftButton);
        QVERIFY2(klok.elapsed() >= 195, qPrintable(QString::number(klok.elapsed())));
        QCOMPARE(tijdens, rust + QPoint(2, 2));
        QCOMPARE(knop->pos(), QPoint(rust.x(), 23));
    }
}

void TestToolbarClock::klikTijdensDePauzeVanEenAndereKnop() {
    Omgeving o(1.0);
    PlaatjesKnop* eerste = o.w->knop(0);
    PlaatjesKnop* tweede = o.w->knop(1);
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
    Omgeving o;
    o.w->knop(0)->setEnabled(false);
    const QImage voor = plaatje(o.w->knop(0));
    QTest::mouseClick(o.w->knop(0), Qt::LeftButton);
    QVERIFY(o.geopend.isEmpty());
    QVERIFY(o.w->algemeen().gespeeld().isEmpty());
    QCOMPARE(o.w->knop(0)->pos(), QPoint(10, 23));
    QCOMPARE(plaatje(o.w->knop(0)), voor);
}

void TestToolbarClock::dubbelklikOpKnopWerktEenmaal() {
    Omgeving o;
    echteDubbelklik(o.w->knop(1), QPoint(20, 20));
    QCOMPARE(o.geopend.size(), 1);
    QCOMPARE(o.w->algemeen().gespeeld().size(), 1);
    // A double-click on a button is not one on the background.
    QVERIFY(o.w->knopPaneel()->isVisible());

    echteDubbelklik(o.w->knop(2), QPoint(20, 20));
    QVERIFY(!o.t.GeluidAan);
}

void TestToolbarClock::instellingenOpentModaal() {
    Omgeving o;
    bool modaal = false;
    bool bovenop = false;
    QPoint knopTijdens;
    qsizetype klikken = -1;
    DialoogWachter wachter([&](Config* dlg) {
        modaal = dlg->isModal() && dlg->windowModality() == Qt::ApplicationModal;
        bovenop = dlg->isVisible() && dlg->parentWidget() == o.w.get();
        knopTijdens = o.w->knop(3)->pos();
        klikken = o.w->algemeen().gespeeld().size();
        dlg->cancelKnop()->click();
    });
    QTest::mouseClick(o.w->knop(3), Qt::LeftButton);
    // The click returns only once the dialog has closed.
    QVERIFY(wachter.gezien);
    QVERIFY(modaal);
    QVERIFY(bovenop);
    QCOMPARE(knopTijdens, QPoint(220, 23));
    QCOMPARE(klikken, qsizetype{1});
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(o.w->findChildren<Config*>().isEmpty());
    // A dialog closed with its own values applies nothing new.
    QCOMPARE(o.t.inst.LaagsteNummer, 1);
    QCOMPARE(o.t.inst.HoogsteNummer, 9999);
}

void TestToolbarClock::instellingenToepassenViaDeKnop() {
    Omgeving o;
    o.t.lijst.voegToe(3);
    DialoogWachter wachter([](Config* dlg) {
        dlg->combo2()->setEditText(QStringLiteral("99"));
        dlg->cancelKnop()->click();
    });
    QTest::mouseClick(o.w->knop(3), Qt::LeftButton);
    QVERIFY(wachter.gezien);
    QCOMPARE(o.t.inst.HoogsteNummer, 99);
    QCOMPARE(o.w->teller()->text(), QStringLiteral("0/99"));
    QCOMPARE(o.t.lijst.aantal(), qsizetype{0});
}

void TestToolbarClock::instellingenSluitenViaTitelbalk() {
    Omgeving o;
    DialoogWachter wachter([](Config* dlg) {
        dlg->text1()->setText(QStringLiteral("Weg"));
        dlg->colorScroll(1)->setValue(0);
        dlg->close();
    });
    QTest::mouseClick(o.w->knop(3), Qt::LeftButton);
    QVERIFY(wachter.gezien);
    QCOMPARE(o.t.inst.TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.t.inst.KleurRood, 0.0);
    QCOMPARE(o.w->logo2()->palette().color(QPalette::WindowText), QColor(0, 255, 190));
}

// --- The bottom bar on a double-click ----------------------------------------------------

void TestToolbarClock::dubbelklikVerbergtEnToontPaneel() {
    Omgeving o;
    o.t.lijst.voegToe(12);
    const QPoint achtergrond(5, 5);
    QVERIFY(o.w->childAt(achtergrond) == nullptr ||
            o.w->childAt(achtergrond)->testAttribute(Qt::WA_TransparentForMouseEvents));

    QTest::mouseDClick(o.w.get(), Qt::LeftButton, {}, achtergrond);
    QVERIFY(!o.w->knopPaneel()->isVisible());
    for (QWidget* w : std::initializer_list<QWidget*>{o.w->knop(0), o.w->knop(3), o.w->exitKnop(),
                                                      o.w->teller(), o.w->klok(), o.w->lijstView()})
        QVERIFY(!w->isVisible());
    // The rollers and the start controls stay.
    QVERIFY(o.w->pijlLinks()->isVisible());

    // Hidden, the list still takes numbers and the clock still runs.
    o.t.lijst.voegToe(40);
    o.t.lijst.voegToe(7);
    o.w->klok()->setText(QStringLiteral("x"));
    QTRY_VERIFY_WITH_TIMEOUT(o.w->klok()->text() != QStringLiteral("x"), 1000);

    // A right double-click does nothing.
    QTest::mouseDClick(o.w.get(), Qt::RightButton, {}, achtergrond);
    QVERIFY(!o.w->knopPaneel()->isVisible());

    QTest::mouseDClick(o.w.get(), Qt::LeftButton, {}, achtergrond);
    QVERIFY(o.w->knopPaneel()->isVisible());
    QVERIFY(o.w->lijstView()->isVisible());
    const QAbstractItemModel* model = o.w->lijstView()->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("12"));
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("7"));
}

// --- The clock ---------------------------------------------------------------------------

void TestToolbarClock::klokVoorDeEersteTik() {
    QTemporaryDir map;
    Toestand t;
    t.paden.programmaMap = t.paden.gegevensMap = map.path();
    Hoofdvenster w(t, QSize(800, 600));
    QCOMPARE(w.klok()->text(), QStringLiteral("00:00:00"));
    QVERIFY(w.klokTimer().isActive());
    QCOMPARE(w.klokTimer().interval(), 60);
}

void TestToolbarClock::klokToontDeTijd() {
    Omgeving o;
    QTRY_VERIFY_WITH_TIMEOUT(o.w->klok()->text() != QStringLiteral("00:00:00"), 1000);
    const QDateTime voor = QDateTime::currentDateTime();
    // A few ticks: the caption is rewritten each time, even when it reads the same.
    o.w->klok()->setText(QStringLiteral("x"));
    QTRY_VERIFY_WITH_TIMEOUT(o.w->klok()->text() != QStringLiteral("x"), 300);
    const QString tekst = o.w->klok()->text();
    const QDateTime na = QDateTime::currentDateTime();

    static const QRegularExpression vorm(QStringLiteral("^ \\d{1,2}\\D\\d\\d\\D\\d\\d / \\S.*$"));
    QVERIFY2(vorm.match(tekst).hasMatch(), qPrintable(tekst));
    QStringList mogelijk;
    for (QDateTime m = voor.addSecs(-1); m <= na.addSecs(1); m = m.addSecs(1))
        mogelijk.append(klokTekst(m.time(), m.date()));
    QVERIFY2(mogelijk.contains(tekst),
             qPrintable(tekst + QStringLiteral(" | ") + mogelijk.join(u'|')));
    QCOMPARE(o.w->klok()->size(), o.w->klok()->sizeHint());
}

void TestToolbarClock::klokLooptDoorTijdensWacht() {
    Omgeving o(1.0);
    QString halverwege;
    o.w->klok()->setText(QStringLiteral("x"));
    QTimer::singleShot(150, this, [&] {
        halverwege = o.w->klok()->text();
        o.w->klok()->setText(QStringLiteral("y"));
    });
    QVERIFY(o.t.pauze.Wacht(0.3));
    QVERIFY(!halverwege.isEmpty());
    QVERIFY(halverwege != QStringLiteral("x"));
    QVERIFY(o.w->klok()->text() != QStringLiteral("y"));
}

void TestToolbarClock::klokLooptDoorTijdensDialoog() {
    Omgeving o;
    QString tijdensDialoog;
    DialoogWachter wachter([&](Config* dlg) {
        o.w->klok()->setText(QStringLiteral("x"));
        QTimer::singleShot(200, dlg, [&o, &tijdensDialoog, dlg] {
            tijdensDialoog = o.w->klok()->text();
            dlg->cancelKnop()->click();
        });
    });
    QTest::mouseClick(o.w->knop(3), Qt::LeftButton);
    QVERIFY(wachter.gezien);
    QVERIFY(!tijdensDialoog.isEmpty());
    QVERIFY(tijdensDialoog != QStringLiteral("x"));
}

QTEST_MAIN(TestToolbarClock)
#include "test_toolbar_clock.moc"
