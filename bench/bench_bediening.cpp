// The operator's window, measured during real-time draws with the default settings (a full
// screen audience's window with the default background, the pause of 4 s):
//   cpu_zonder / cpu_met   this process's CPU over a draw, in % of one core, without and
//                          with the operator's window (and its live preview) shown; medians
//                          of alternating draws, and their difference;
//   ticks                  the roller ticks per second the timers delivered with the
//                          operator's window shown (10 ms timers: 100/s), the slowest roller;
//   preview                the preview's paintings per second of a draw and between draws,
//                          and the time one painting of the whole window takes (median).
// Prints one figure per line: name, value and unit separated by tabs.
//
//   bench_bediening [--draws N] [--interval MS]
#include "app/bedieningsvenster.h"
#include "app/hoofdvenster.h"
#include "app/voorvertoning.h"
#include "common/instellingen.h"
#include "draw/startbediening.h"
#include "draw/trekking.h"
#include "meting.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

void figuur(const char* naam, double waarde, const char* eenheid, int decimalen = 2) {
    std::printf("%s\t%.*f\t%s\n", naam, decimalen, waarde, eenheid);
    std::fflush(stdout);
}

void wacht(int ms) {
    QElapsedTimer klok;
    klok.start();
    while (klok.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct Meting {
    double cpu = 0;         // % of a core
    double traagsteRol = 0; // ticks/s
    double duur = 0;        // s
};

// One draw started as the start arrow starts it, with the ticks of the four rollers counted.
Meting trek(Hoofdvenster& w) {
    const double cpu0 = cpuSeconden();
    const RolTikken tikken(w.trekking());
    StartBediening& start = w.startBediening();
    start.pijlGeklikt(start.pijlLinks()); // returns once the number is listed
    Meting m;
    m.duur = tikken.seconden();
    m.cpu = 100.0 * (cpuSeconden() - cpu0) / m.duur;
    m.traagsteRol = tikken.traagsteRol();
    return m;
}

// The time of one painting of the preview's picture, as the preview paints it.
double beeldTijdMs(Hoofdvenster& w, const QSize& grootte) {
    QImage beeld(grootte, QImage::Format_RGB32);
    std::vector<double> tijden;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer klok;
        klok.start();
        QPainter p(&beeld);
        p.scale(static_cast<qreal>(grootte.width()) / w.width(),
                static_cast<qreal>(grootte.height()) / w.height());
        w.render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        p.end();
        tijden.push_back(static_cast<double>(klok.nsecsElapsed()) / 1e6);
    }
    return mediaan(tijden);
}

} // namespace

int main(int argc, char** argv) {
    int paren = 3;
    int interval = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--draws") == 0 && i + 1 < argc)
            paren = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--interval") == 0 && i + 1 < argc)
            interval = std::max(1, std::atoi(argv[++i]));
    }
    QApplication app(argc, argv);
    QTemporaryDir map;
    Instellingen inst;
    inst.AchtergrondBestand = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QString::fromLatin1(kStandaardAchtergrond));
    QFile f(map.filePath(QStringLiteral("Quintaro.ini")));
    if (!f.open(QIODevice::WriteOnly) || f.write(instellingenBestandInhoud(inst)) < 0)
        return 1;
    f.close();
    Paden paden;
    paden.programmaMap = QCoreApplication::applicationDirPath();
    paden.gegevensMap = map.path();
    QScreen* scherm = QGuiApplication::primaryScreen();
    Hoofdvenster w(paden, scherm ? scherm->size() : QSize(1920, 1080));
    w.showFullScreen();
    wacht(1000);
    std::printf("#\tplatform %s, screen %dx%d\n", qPrintable(QGuiApplication::platformName()),
                w.width(), w.height());
    trek(w); // the first draw loads the sounds and fills the caches

    Bedieningsvenster bediening(w);
    if (interval > 0)
        bediening.voorvertoning().zetInterval(interval);
    bediening.resize(1200, 800);
    std::vector<double> zonder, met, rollen, beeldenPerSeconde;
    for (int i = 0; i < paren; ++i) {
        bediening.hide();
        wacht(300);
        zonder.push_back(trek(w).cpu);
        bediening.show();
        wacht(300);
        const int voor = bediening.voorvertoning().aantalBeelden();
        const Meting m = trek(w);
        met.push_back(m.cpu);
        rollen.push_back(m.traagsteRol);
        beeldenPerSeconde.push_back((bediening.voorvertoning().aantalBeelden() - voor) / m.duur);
    }
    figuur("operator window: process CPU over a draw without it, median", mediaan(zonder),
           "% of a core");
    figuur("operator window: process CPU over a draw with it, median", mediaan(met), "% of a core");
    figuur("operator window: CPU added to a draw (median with - median without)",
           mediaan(met) - mediaan(zonder), "% of a core");
    figuur("operator window: roller ticks delivered with it, slowest roller (worst draw)",
           *std::min_element(rollen.begin(), rollen.end()), "ticks/s", 1);
    figuur("operator window: preview paintings per second of a draw, median",
           mediaan(beeldenPerSeconde), "/s", 1);
    const int stil = bediening.voorvertoning().aantalBeelden();
    wacht(3000);
    figuur("operator window: preview paintings per second between draws",
           (bediening.voorvertoning().aantalBeelden() - stil) / 3.0, "/s", 1);
    figuur("operator window: one preview painting of the whole window, median",
           beeldTijdMs(w, bediening.voorvertoning().beeld().size()), "ms", 3);
    std::printf("#\tpreview %dx%d, interval %d ms\n", bediening.voorvertoning().beeld().width(),
                bediening.voorvertoning().beeld().height(), bediening.voorvertoning().interval());
    w.close();
    return 0;
}
