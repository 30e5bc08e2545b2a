// The keys overlay: its list of keys in both languages, and H and Escape pressed as a user
// presses them on the widget that has the keyboard focus.
#include "app/taal.h"
#include "common/toetsenoverzicht.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTest>

namespace {

// The widget with the keyboard focus, noting the key releases that reach it.
class Focus : public QWidget {
public:
    explicit Focus(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }
    QList<int> losgelaten;

protected:
    void keyReleaseEvent(QKeyEvent* e) override { losgelaten.append(e->key()); }
};

struct Opstelling {
    QWidget venster;
    Focus* focus;
    ToetsenOverzicht* overzicht;
    Opstelling() { opzetten(); }
    void opzetten() {
        venster.resize(1024, 768);
        focus = new Focus(&venster);
        focus->setGeometry(100, 100, 200, 100);
        overzicht = new ToetsenOverzicht(&venster);
        overzicht->volgToetsenVan(focus);
        venster.show();
        venster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&venster));
        focus->setFocus();
    }
};

} // namespace

class TestToetsenOverzicht : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Taal::kies(QStringLiteral("nl")); }

    void listsEveryKeyInBothLanguages() {
        QStringList toetsen;
        for (const auto& r : ToetsenOverzicht::regels()) {
            toetsen << r.toets;
            QVERIFY(!r.uitleg.isEmpty());
        }
        QCOMPARE(toetsen, (QStringList{"Spatie", "B", "V", "P", "Q", "H", "Esc"}));
        QCOMPARE(ToetsenOverzicht::regels().first().uitleg, QStringLiteral("Start een trekking"));
        QVERIFY(Taal::kies(QStringLiteral("en")));
        const auto engels = ToetsenOverzicht::regels();
        QCOMPARE(engels.first().toets, QStringLiteral("Space"));
        QCOMPARE(engels.first().uitleg, QStringLiteral("Start a draw"));
        for (const auto& r : engels)
            QVERIFY2(!r.uitleg.contains(QLatin1String(" het ")), qPrintable(r.uitleg));
    }

    void hTogglesEscapeHides() {
        Opstelling o;
        QVERIFY(!o.overzicht->isVisible());
        QTest::keyClick(o.focus, Qt::Key_H);
        QVERIFY(o.overzicht->isVisible());
        // Centred on the window and inside it.
        const QRect g = o.overzicht->geometry();
        QVERIFY(o.venster.rect().contains(g));
        QVERIFY(qAbs(g.center().x() - 512) <= 1 && qAbs(g.center().y() - 384) <= 1);
        QTest::keyClick(o.focus, Qt::Key_H);
        QVERIFY(!o.overzicht->isVisible());
        QTest::keyClick(o.focus, Qt::Key_H);
        QTest::keyClick(o.focus, Qt::Key_Escape);
        QVERIFY(!o.overzicht->isVisible());
        // The overlay's keys stay with it; the others, and Escape while it is hidden, go on.
        QTest::keyClick(o.focus, Qt::Key_Space);
        QTest::keyClick(o.focus, Qt::Key_Escape);
        QCOMPARE(o.focus->losgelaten, (QList<int>{Qt::Key_Space, Qt::Key_Escape}));
        QVERIFY(o.focus->hasFocus()); // the overlay never takes the focus
    }

    // A held H repeats its key events: only the real release counts.
    void heldKeyCountsOnce() {
        Opstelling o;
        for (int i = 0; i < 5; ++i) {
            QKeyEvent herhaling(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"),
                                true);
            QCoreApplication::sendEvent(o.focus, &herhaling);
        }
        QVERIFY(!o.overzicht->isVisible());
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"));
        QVERIFY(o.overzicht->verwerkToets(los));
        QVERIFY(o.overzicht->isVisible());
        QKeyEvent druk(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QVERIFY(!o.overzicht->verwerkToets(druk)); // presses are not its business
        QVERIFY(o.overzicht->isVisible());
    }

    void followsTheWindowSizeAndIsReadable() {
        Opstelling o;
        QTest::keyClick(o.focus, Qt::Key_H);
        const QSize klein = o.overzicht->size();
        o.venster.resize(1920, 1080);
        QTRY_VERIFY(o.overzicht->width() > klein.width());
        QVERIFY(o.venster.rect().contains(o.overzicht->geometry()));
        QVERIFY(qAbs(o.overzicht->geometry().center().x() - 960) <= 1);
        const QImage beeld = o.overzicht->grab().toImage();
        QVERIFY(beeld.pixelColor(beeld.width() / 2, 3).alpha() > 0);

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o.overzicht);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Toetsen"));
        QVERIFY(iface->text(QAccessible::Description).contains(QLatin1String("V: Stem")));
    }
};

QTEST_MAIN(TestToetsenOverzicht)
#include "test_toetsenoverzicht.moc"
