// The program driven as an operator drives it: key presses into the real fields, clicks and
// double-clicks delivered through the window at real positions, files on disk.
#include "venster.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

template <typename T = QWidget> T* kind(QWidget* ouder, const char* naam) {
    return ouder->findChild<T*>(QLatin1String(naam));
}

// The centre of a named widget in the window's coordinates.
QPoint midden(QWidget* venster, const char* naam) {
    QWidget* w = kind(venster, naam);
    return w->mapTo(venster, w->rect().center());
}

// Replaces what a field holds by typing, as the keyboard does it.
void typ(QWidget* veld, const QString& tekst) {
    veld->setFocus(Qt::TabFocusReason);
    QTest::keyClick(veld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(veld, Qt::Key_Delete);
    QTest::keyClicks(veld, tekst);
}

// Notes, at every event of one type that a widget receives, what `wat` says then.
class GebeurtenisVanger : public QObject {
public:
    GebeurtenisVanger(QObject* doel, QEvent::Type type, std::function<QByteArray()> wat)
        : m_type(type), m_wat(std::move(wat)) {
        doel->installEventFilter(this);
    }
    QList<QByteArray> gezien;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == m_type)
            gezien.append(m_wat());
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<QByteArray()> m_wat;
};

} // namespace

class TestOperator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What is typed into the range fields is what is applied, whatever the lists offer.
    void typedRangeIsAppliedExactly_data() {
        QTest::addColumn<QString>("laagste");
        QTest::addColumn<QString>("hoogste");
        QTest::addColumn<QString>("teller");
        QTest::newRow("50 to 50") << "50"
                                  << "50"
                                  << "0/50";
        QTest::newRow("a prefix of 3009") << "1"
                                          << "300"
                                          << "0/300";
        QTest::newRow("a prefix of 2509") << "1"
                                          << "250"
                                          << "0/250";
        QTest::newRow("a prefix of 99") << "1"
                                        << "9"
                                        << "0/9";
        QTest::newRow("lowest a prefix of 100") << "10"
                                                << "12"
                                                << "0/12";
        QTest::newRow("beyond the lists") << "0"
                                          << "20000"
                                          << "0/20000";
    }
    void typedRangeIsAppliedExactly() {
        QFETCH(QString, laagste);
        QFETCH(QString, hoogste);
        QFETCH(QString, teller);
        Venster o;
        QWidget* w = o.w.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QStringList getoond;
        Modaal antwoord([&](QWidget* dialoog) {
            auto* combo1 = kind<QComboBox>(dialoog, "Combo1");
            auto* combo2 = kind<QComboBox>(dialoog, "Combo2");
            if (!combo1 || !combo2)
                return;
            typ(combo1->lineEdit(), laagste);
            typ(combo2->lineEdit(), hoogste);
            getoond = {combo1->currentText(), combo2->currentText()};
            QTest::mouseClick(kind<QPushButton>(dialoog, "CancelKnop"), Qt::LeftButton);
        });
        QTest::mouseClick(kind(w, "Knop3"), Qt::LeftButton);
        QCOMPARE(getoond, (QStringList{laagste, hoogste}));
        QCOMPARE(kind<QLabel>(w, "Label1")->text(), teller);
        w->close();
        const QByteArray ini = leesAlles(o.map.filePath(QStringLiteral("Quintaro.ini")));
        QVERIFY2(ini.contains("\r\n" + (laagste + u',' + hoogste).toLatin1() + "\r\n"), ini);
    }

    // Only the background picture hides and shows the bottom bar; what stands on it does
    // not, a disabled start arrow during a draw included.
    void doubleClickOnlyOnTheBackground() {
        Venster o;
        QWidget* w = o.w.get();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QWindow* raam = w->windowHandle();
        QWidget* paneel = kind(w, "KnopPic");
        const QRect kader = kind(w, "Pic1")->geometry().adjusted(-5, -5, 5, 5);
        const QList<QPoint> plekken{midden(w, "Pic1"),       midden(w, "Pic4"),
                                    midden(w, "NummerPic"),  midden(w, "Logo1"),
                                    midden(w, "Logo2"),      midden(w, "ArrowLeft"),
                                    midden(w, "ArrowRight"), kader.topLeft() + QPoint(1, 1)};
        for (const QPoint& p : plekken) {
            QTest::mouseDClick(raam, Qt::LeftButton, {}, p);
            QVERIFY2(paneel->isVisible(),
                     qPrintable(QStringLiteral("toggled at %1,%2").arg(p.x()).arg(p.y())));
        }
        // The second press of a slow double-click lands on the arrow the draw just disabled.
        bool tijdensTrekking = false;
        QTimer::singleShot(40, w, [&] {
            tijdensTrekking = !kind(w, "ArrowLeft")->isEnabled();
            QTest::mouseDClick(raam, Qt::LeftButton, {}, midden(w, "ArrowLeft"));
        });
        QTest::keyRelease(kind(w, "NummerPic"), Qt::Key_Space);
        QVERIFY(tijdensTrekking);
        QVERIFY(paneel->isVisible());

        const QPoint achtergrond(5, 5);
        QTest::mouseDClick(raam, Qt::LeftButton, {}, achtergrond);
        QVERIFY(!paneel->isVisible());
        QTest::mouseDClick(raam, Qt::LeftButton, {}, achtergrond);
        QVERIFY(paneel->isVisible());
    }

    // The two rectangles behind the list frame it on all four sides.
    void listFrameEnclosesTheList_data() {
        QTest::addColumn<QSize>("scherm");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void listFrameEnclosesTheList() {
        QFETCH(QSize, scherm);
        Venster o({}, scherm);
        QWidget* w = o.w.get();
        w->show();
        QWidget* paneel = kind(w, "KnopPic");
        const QRect lijst = kind(w, "List1")->geometry();
        const QImage beeld = paneel->grab().toImage();
        const QRgb rand = qRgb(170, 170, 170);
        const QRect kader(QPoint(364, 28), QPoint(569, 65));
        QVERIFY(kader.adjusted(1, 1, -1, -1).contains(lijst));
        for (int x = kader.left(); x <= kader.right(); ++x) {
            QCOMPARE(beeld.pixel(x, kader.top()), rand);
            QCOMPARE(beeld.pixel(x, kader.bottom()), rand);
        }
        for (int y = kader.top(); y <= kader.bottom(); ++y) {
            QCOMPARE(beeld.pixel(kader.left(), y), rand);
            QCOMPARE(beeld.pixel(kader.right(), y), rand);
        }
    }

    // The controls come back before the list is written, so a slow disk does not stretch the
    // draw; the number is on disk once the draw is over.
    void listWrittenAfterTheControlsReturn() {
        Venster o;
        QWidget* w = o.w.get();
        w->show();
        const QString lijstPad = o.map.filePath(QStringLiteral("Lijstnummers.txt"));
        QWidget* pijl = kind(w, "ArrowLeft");
        GebeurtenisVanger terug(pijl, QEvent::EnabledChange, [&] {
            return pijl->isEnabled() ? leesAlles(lijstPad) : QByteArray();
        });
        QTest::mouseClick(pijl, Qt::LeftButton);
        QCOMPARE(terug.gezien, (QList<QByteArray>{QByteArray(), QByteArray()}));
        QTRY_COMPARE(leesAlles(lijstPad).count('\n'), 1);
        QVERIFY(leesAlles(lijstPad).endsWith("\r\n"));
        QVERIFY(o.algemeen().gespeeld().last().endsWith(QLatin1String("stop.wav")));
    }
};

QTEST_MAIN(TestOperator)
#include "test_operator.moc"
