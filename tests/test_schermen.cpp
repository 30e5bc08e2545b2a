// The operator's window and the audience's on two screens of the test platform (the laptop's
// and, to its right, the projector's: tests/twee_schermen.json): where each window goes, the
// projector's cable pulled during a draw, and the program started on two screens.
#include "venster.h"

#include "app/bedieningsvenster.h"
#include "app/schermkeuze.h"
#include "app/vensterplaatsing.h"
#include "draw/startbediening.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <qpa/qplatformnativeinterface.h>

namespace {

QJsonObject configuratie() {
    QFile f(QStringLiteral(QUINTARO_SOURCE_DIR "/tests/twee_schermen.json"));
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object()
                                       : QJsonObject();
}

// Gives the test platform the screens of `c`: a screen left out is unplugged.
bool zetSchermen(const QJsonObject& c) {
    QPlatformNativeInterface* ni = QGuiApplication::platformNativeInterface();
    void* functie = ni ? ni->nativeResourceForIntegration("setConfiguration") : nullptr;
    if (!functie)
        return false;
    reinterpret_cast<void (*)(const QJsonObject&, QPlatformNativeInterface*)>(functie)(c, ni);
    return true;
}

QScreen* scherm(const char* naam) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(naam))
            return s;
    return nullptr;
}

// Both windows placed as the program places them on these screens.
struct TweeSchermen {
    Schermkeuze keuze =
        Schermkeuze::kies(static_cast<int>(QGuiApplication::screens().size()), false, 0);
    QScreen* publiek = QGuiApplication::screens().value(keuze.publiek);
    Venster v{instellingenMetBereik(1, 50), publiek->size()};
    Bedieningsvenster b{*v.w};
    Vensterplaatsing plaatsing{*v.w, &b};
    TweeSchermen() { plaatsing.toon(publiek, QGuiApplication::screens().value(keuze.bediening)); }
};

} // namespace

class TestSchermen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 2); }
    void cleanup() { zetSchermen(configuratie()); }

    // The audience's window fills the projector; the operator's stands on the laptop.
    void audienceOnTheProjectorOperatorOnTheLaptop() {
        TweeSchermen t;
        QScreen* laptop = scherm("Laptop");
        QScreen* projector = scherm("Projector");
        QCOMPARE(t.v.w->screen(), projector);
        QVERIFY(t.v.w->isFullScreen());
        QTRY_COMPARE(t.v.w->geometry(), projector->geometry());
        QCOMPARE(t.b.screen(), laptop);
        QVERIFY(t.b.isVisible());
        QVERIFY(laptop->availableGeometry().contains(t.b.geometry()));
    }

    // The projector goes away while the rollers spin: the draw ends, the audience's window
    // fills the laptop's screen, and the evening goes on from the operator's window.
    void projectorUnpluggedDuringADraw() {
        TweeSchermen t;
        QScreen* laptop = scherm("Laptop");
        QJsonObject alleenLaptop = configuratie();
        alleenLaptop[QStringLiteral("screens")] =
            QJsonArray{alleenLaptop[QStringLiteral("screens")].toArray().first()};
        bool weg = false;
        connect(&t.v.trekking(), &Trekking::trekkingBegonnen, this, [&] {
            if (!weg)
                weg = zetSchermen(alleenLaptop);
        });
        QTest::keyClick(&t.b, Qt::Key_Space);
        if (!weg)
            QSKIP("the test platform cannot take screens away");
        QCOMPARE(QGuiApplication::screens().size(), 1);
        QCOMPARE(t.v.trekking().lijst().aantal(), 1);
        QCOMPARE(t.v.w->screen(), laptop);
        QVERIFY(t.v.w->isVisible());
        QVERIFY(t.v.w->isFullScreen());
        QTRY_COMPARE(t.v.w->geometry(), laptop->geometry());
        QCOMPARE(t.b.screen(), laptop);
        QTest::keyClick(&t.b, Qt::Key_Space);
        QCOMPARE(t.v.trekking().lijst().aantal(), 2);
    }

    // The program on two screens opens the operator's window by itself, and --scherm 1 puts
    // the audience on the laptop's screen.
    void programOnTwoScreens() {
        QTemporaryDir map;
        const QString beeld = map.filePath(QStringLiteral("venster.png"));
        const QString bediening = map.filePath(QStringLiteral("venster-bediening.png"));
        const auto draai = [&](const QStringList& extra) {
            QProcess p;
            QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
            omgeving.insert(QStringLiteral("QT_QPA_PLATFORM"),
                            QStringLiteral("offscreen:configfile=" QUINTARO_SOURCE_DIR
                                           "/tests/twee_schermen.json"));
            p.setProcessEnvironment(omgeving);
            p.start(QDir(qEnvironmentVariable("QUINTARO_PROGRAM_DIR"))
                        .filePath(QStringLiteral("quintaro")),
                    QStringList{QStringLiteral("--dir"), map.path(), QStringLiteral("--screenshot"),
                                beeld} +
                        extra);
            return p.waitForFinished(60000) && p.exitCode() == 0;
        };
        QVERIFY(draai({}));
        QCOMPARE(QImage(beeld).size(), QSize(1280, 1024));
        QVERIFY(QFile::exists(bediening));
        QVERIFY(QFile::remove(beeld) && QFile::remove(bediening));
        QVERIFY(draai({QStringLiteral("--scherm"), QStringLiteral("1")}));
        QCOMPARE(QImage(beeld).size(), QSize(1366, 768));
        QVERIFY(QFile::exists(bediening));
    }
};

QTEST_MAIN(TestSchermen)
#include "test_schermen.moc"
