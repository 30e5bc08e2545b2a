// What assistive technology sees of the main window: named buttons that can be pressed, and
// the result panel.
#include "app/taal.h"
#include "common/plaatjesknop.h"
#include "draw/nummervak.h"
#include "venster.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QTest>

namespace {

// Every interface below `iface`, depth first.
void verzamel(QAccessibleInterface* iface, QList<QAccessibleInterface*>& alle) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* kind = iface->child(i);
        QVERIFY(kind);
        QVERIFY(kind->isValid());
        QCOMPARE(kind->parent(), iface);
        alle.append(kind);
        verzamel(kind, alle);
    }
}

QList<QAccessibleInterface*> boom(QWidget* venster) {
    QList<QAccessibleInterface*> alle;
    QAccessibleInterface* wortel = QAccessible::queryAccessibleInterface(venster);
    if (!wortel)
        return alle;
    alle.append(wortel);
    verzamel(wortel, alle);
    return alle;
}

QList<QAccessibleInterface*> knoppen(const QList<QAccessibleInterface*>& alle) {
    QList<QAccessibleInterface*> uit;
    for (QAccessibleInterface* iface : alle) {
        if (iface->role() == QAccessible::Button)
            uit.append(iface);
    }
    return uit;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictureButtonsAreNamedButtons() {
        Venster o;
        auto& w = *o.w;
        w.show();
        const QList<QAccessibleInterface*> alle = boom(&w);
        QVERIFY(alle.size() > 10);
        const QList<QAccessibleInterface*> gevonden = knoppen(alle);

        // The two arrows, the four toolbar buttons and the exit button, each under the name
        // of its tooltip and with a description of what it does.
        QList<PlaatjesKnop*> verwacht;
        for (const char* naam :
             {"ArrowLeft", "ArrowRight", "Knop0", "Knop1", "Knop2", "Knop3", "ExitKnop"})
            verwacht.append(o.kind<PlaatjesKnop>(QLatin1String(naam)));
        QCOMPARE(gevonden.size(), verwacht.size());
        QSet<QObject*> objecten;
        for (QAccessibleInterface* iface : gevonden)
            objecten.insert(iface->object());
        const QStringList namen{"Startknop links",
                                "Startknop rechts",
                                "Help (pdf-formaat)",
                                "Meer software",
                                "Geluid aan / uit",
                                "Instellingen",
                                "Exit"};
        for (qsizetype i = 0; i < verwacht.size(); ++i) {
            QVERIFY(objecten.contains(verwacht[i]));
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(verwacht[i]);
            QCOMPARE(iface->text(QAccessible::Name), namen[i]);
            // The arrows share a tooltip and are told apart by name; the others are named by it.
            if (i >= 2)
                QCOMPARE(iface->text(QAccessible::Name), verwacht[i]->toolTip().trimmed());
            const QString beschrijving = iface->text(QAccessible::Description);
            QVERIFY(beschrijving.size() > 5);
            QVERIFY(beschrijving != namen[i]);
            QVERIFY(iface->actionInterface());
            QVERIFY(iface->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
            QVERIFY(!iface->state().disabled);
        }
        // Every other named thing is no button: the panel, the list, the labels.
        for (QAccessibleInterface* iface : alle) {
            if (!gevonden.contains(iface))
                QVERIFY(!qobject_cast<PlaatjesKnop*>(iface->object()));
        }
    }

    void resultPanelIsNamed() {
        Venster o;
        auto& w = *o.w;
        w.show();
        bool gevonden = false;
        for (QAccessibleInterface* iface : boom(&w)) {
            if (iface->object() == o.kind("NummerPic")) {
                gevonden = true;
                QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Getrokken nummer"));
                QVERIFY(iface->text(QAccessible::Description).contains("spatiebalk"));
                QVERIFY(iface->state().focusable);
            }
        }
        QVERIFY(gevonden);
    }

    void pressingAButtonClicksIt() {
        Venster o;
        auto& w = *o.w;
        w.show();
        QAccessibleInterface* geluid = QAccessible::queryAccessibleInterface(o.kind("Knop2"));
        const QPoint rust = o.kind("Knop2")->pos();
        QVERIFY(o.algemeen().geluidAan());
        geluid->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // Pressed like a click: the animation, the click sound, the switch.
        QVERIFY(!o.algemeen().geluidAan());
        QCOMPARE(o.algemeen().gespeeld().size(), 1);
        QCOMPARE(o.kind("Knop2")->pos(), rust);

        // A disabled button says so and ignores the press, as it ignores a click.
        o.kind("Knop2")->setEnabled(false);
        QVERIFY(geluid->state().disabled);
        geluid->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!o.algemeen().geluidAan());
    }

    // After a draw the result panel's name carries the number (with picture rollers also the
    // points), each roller names what it shows, and the title is read once.
    void aDrawIsReadable_data() {
        QTest::addColumn<int>("rolSoort");
        QTest::newRow("digits") << 0;
        QTest::newRow("pictures") << 1;
    }
    void aDrawIsReadable() {
        QFETCH(int, rolSoort);
        Venster o(instellingenMetBereik(7, 7));
        o.w->show();
        if (rolSoort == 1) {
            o.instellingen().kiesRolSoort(1);
            o.instellingen().zetBereik(444, 444); // three cherries: 400 points
        }
        const auto naam = [&o](const char* kind) {
            return QAccessible::queryAccessibleInterface(o.kind(QLatin1String(kind)))
                ->text(QAccessible::Name);
        };
        QCOMPARE(naam("Pic4"), QStringLiteral("Roller 4"));
        QTest::keyRelease(o.kind("NummerPic"), Qt::Key_Space);
        // The counter (or the score) says what it is, not only "1/7".
        QCOMPARE(naam("Label1"),
                 rolSoort == 0 ? QStringLiteral("Teller: 1/7")
                               : QStringLiteral("Score: %1").arg(o.kind<QLabel>("Label1")->text()));
        if (rolSoort == 0) {
            QCOMPARE(naam("NummerPic"), QStringLiteral("Getrokken nummer: 7"));
            QCOMPARE(naam("Pic3"), QStringLiteral("Roller 3: 0"));
            QCOMPARE(naam("Pic4"), QStringLiteral("Roller 4: 7"));
        } else {
            QCOMPARE(naam("NummerPic"), QStringLiteral("Getrokken nummer: 444, punten: 400"));
            QCOMPARE(naam("Pic1"), QStringLiteral("Roller 1: tomaat"));
            QCOMPARE(naam("Pic2"), QStringLiteral("Roller 2: kersen"));
        }
        int titels = 0;
        for (QAccessibleInterface* iface : boom(o.w.get())) {
            if (!iface->state().invisible &&
                iface->text(QAccessible::Name) == QLatin1String("Quintaro"))
                ++titels;
        }
        QCOMPARE(titels, 1);
    }

    void namesFollowTheLanguage() {
        QVERIFY(Taal::kies(QStringLiteral("en")));
        Venster o;
        Taal::kies(QStringLiteral("nl"));
        QCOMPARE(QAccessible::queryAccessibleInterface(o.kind("Knop0"))->text(QAccessible::Name),
                 QStringLiteral("Help (PDF format)"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(o.kind("ArrowLeft"))->text(QAccessible::Name),
            QStringLiteral("Start button, left"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(o.kind("NummerPic"))->text(QAccessible::Name),
            QStringLiteral("Drawn number"));
        QCOMPARE(QAccessible::queryAccessibleInterface(o.kind("Label1"))->text(QAccessible::Name),
                 QStringLiteral("Counter: 0/9999"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
