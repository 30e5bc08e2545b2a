// The window on screens of several sizes, as a hall has them: a 1920 x 1080 screen, a
// 3840 x 2160 projector and a 3840 x 2160 screen whose desktop already scales by 2. Each gets
// its factor; the window, moved between them, follows, showing the same draw.
#include "app/schermschaal.h"
#include "common/plaatjesknop.h"
#include "common/schaal.h"
#include "config/config.h"
#include "draw/rollogica.h"
#include "draw/startbediening.h"
#include "venster.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

QScreen* scherm(const char* naam) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(naam))
            return s;
    return nullptr;
}

// A window on `op`, shown and exposed.
void toon(Venster& o, QScreen* op) {
    o.w->setScreen(op);
    o.w->move(op->geometry().topLeft());
    o.w->show();
    QVERIFY(QTest::qWaitForWindowExposed(o.w.get()));
}

// Whether roller n shows, at ratio 2, the cell of digit `cijfer` of the sharp strip.
bool rolToont(const Venster& o, int n, int cijfer) {
    const QImage rol = o.trekking().rolBeeld(n);
    const QImage strook = laadOpSchaal(QStringLiteral(":/images/strip_digits.png"), 2);
    return rol.devicePixelRatio() == 2 &&
           rol.copy(0, 0, 300, 404) == strook.copy(0, 2 * stopPositie(cijfer, 0), 300, 404);
}

} // namespace

class TestSchaalVenster : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(scherm("Zaal") && scherm("Beamer") && scherm("Bureau"));
        m_schaal = std::make_unique<SchermSchaal>(std::nullopt);
    }

    void elkSchermZijnFactor() {
        // The projector is the 1920 x 1080 screen at twice the pixels; the desktop's own 2 is
        // not doubled. --schaal forces its factor on every screen, over the desktop's as well;
        // taken back, each screen has its own again.
        const auto ratios = [] {
            QList<double> r;
            for (const char* naam : {"Zaal", "Beamer", "Bureau"})
                r << (scherm(naam)->size() == QSize(1920, 1080) ? scherm(naam)->devicePixelRatio()
                                                                : -1);
            return r;
        };
        QCOMPARE(ratios(), QList<double>({1, 2, 2}));
        SchermSchaal geforceerd(1.5);
        for (const char* naam : {"Zaal", "Beamer", "Bureau"})
            QCOMPARE(scherm(naam)->devicePixelRatio(), 1.5);
        for (QScreen* s : QGuiApplication::screens())
            m_schaal->pasToe(s);
        QCOMPARE(ratios(), QList<double>({1, 2, 2}));
    }

    void dialoogOpHetSchermVanHetVenster() {
        Venster o({}, scherm("Beamer")->size());
        toon(o, scherm("Beamer"));
        double ratio = 0;
        QSize maat;
        Modaal modaal([&](QWidget* dialoog) {
            ratio = dialoog->devicePixelRatioF();
            maat = dialoog->size();
            dialoog->close();
        });
        o.w->openConfig();
        QCOMPARE(ratio, 2.0);
        // In logical pixels it has the size it has on any screen.
        QCOMPARE(maat, QSize(Config::kBreedte, Config::kHoogte));
    }

    void volgtHetVensterNaarEenAnderScherm() {
        Venster o(instellingenMetBereik(1000, 9999), scherm("Zaal")->size());
        toon(o, scherm("Zaal"));
        StartBediening& start = o.w->startBediening();
        start.pijlGeklikt(start.pijlLinks());
        QCOMPARE(o.trekking().lijst().aantal(), qsizetype{1});
        const QString nummer = QString::number(o.trekking().lijst().nummers().back());
        const std::vector<int> cijfers = splitsCijfers(nummer, 4);
        std::array<QImage, 4> rollen;
        for (int n = 0; n < 4; ++n)
            rollen[n] = o.trekking().rolBeeld(n);
        const QImage paneel = o.trekking().nummerBeeld();
        QCOMPARE(paneel.devicePixelRatio(), 1.0);

        // To the projector: the same draw, drawn at twice the pixels.
        o.w->setScreen(scherm("Beamer"));
        QCOMPARE(o.w->devicePixelRatioF(), 2.0);
        for (int n = 0; n < 4; ++n)
            QVERIFY2(rolToont(o, n, cijfers[n]), qPrintable(nummer));
        const QImage groot = o.trekking().nummerBeeld();
        QCOMPARE(groot.size(), QSize(1072, 360));
        // The printed number is there, brought back to 536 x 180 it is the one at 1.
        const QImage terug =
            groot.scaled(paneel.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 verschil = 0;
        for (int y = 0; y < paneel.height(); ++y)
            for (int x = 0; x < paneel.width(); ++x)
                verschil += qAbs(qGray(terug.pixel(x, y)) - qGray(paneel.pixel(x, y)));
        QVERIFY2(verschil < paneel.width() * paneel.height() * 4, qPrintable(nummer));
        QCOMPARE(o.w->grab().size(), QSize(3840, 2160));
        QCOMPARE(o.kind<PlaatjesKnop>("Knop2")->plaatje().devicePixelRatio(), 2.0);

        // And back: exactly the pictures it had.
        o.w->setScreen(scherm("Zaal"));
        QCOMPARE(o.w->devicePixelRatioF(), 1.0);
        for (int n = 0; n < 4; ++n)
            QCOMPARE(o.trekking().rolBeeld(n), rollen[n]);
        QCOMPARE(o.trekking().nummerBeeld(), paneel);
        o.w->grab();
        QCOMPARE(o.kind<PlaatjesKnop>("Knop2")->plaatje().size(), QSize(48, 48));
    }

private:
    std::unique_ptr<SchermSchaal> m_schaal;
};

// The screens are Qt's offscreen platform's, described in a file it reads at start. The desktop
// of "Bureau" draws in device pixels itself: its 1920 x 1080 are 3840 x 2160 device pixels.
int main(int argc, char** argv) {
    QTemporaryDir map;
    QFile schermen(map.filePath(QStringLiteral("schermen.json")));
    if (!schermen.open(QIODevice::WriteOnly))
        return 1;
    schermen.write(R"({"screens": [
        {"name": "Zaal", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96},
        {"name": "Beamer", "x": 1920, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 96},
        {"name": "Bureau", "x": 5760, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96,
         "dpr": 2}]})");
    schermen.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(schermen.fileName()));
    QApplication app(argc, argv);
    TestSchaalVenster test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_schaalvenster.moc"
