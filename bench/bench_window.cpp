// Figures of the running program that a micro-benchmark cannot give:
//   start-up  process start to the first painted main window, median of several runs of
//             the program's own start-up code in a child process;
//   draw      one real-time draw with the default settings, from the click on the start
//             arrow to the listed number, with the CPU time this process used meanwhile and
//             the roller ticks per second that the timers actually delivered;
//   session   peak resident memory (VmHWM) of the real program over 100 draws made at a
//             hundredth of the real pace.
// Prints one figure per line: name, value and unit separated by tabs (scripts/bench.sh
// puts them in its table).
//
//   bench_window [--runs N] [--no-draw] [--no-session] [--zaal] [--trage-sync MS]
//   --zaal: a second draw with the board and the voice on, beside the first with both off
//   --trage-sync MS: every flush of the journal, the key file and the list MS milliseconds
//                    slower, as on a slow USB stick (start-up and the draw)
#include "app/hoofdvenster.h"
#include "app/startup.h"
#include "app/zaal.h"
#include "common/instellingen.h"
#include "common/plaatjesknop.h"
#include "draw/startbediening.h"
#include "draw/trekking.h"
#include "meting.h"
#include "schijf/schijf.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <vector>

namespace {

void figuur(const QByteArray& naam, double waarde, const char* eenheid, int decimalen = 1) {
    std::printf("%s\t%.*f\t%s\n", naam.constData(), decimalen, waarde, eenheid);
    std::fflush(stdout);
}

QString programma() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quintaro"));
}

// Default settings, with the default background picture of the build's program directory,
// so that start-up decodes and scales a real picture.
QByteArray standaardInstellingen() {
    Instellingen inst;
    inst.AchtergrondBestand = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QString::fromLatin1(kStandaardAchtergrond));
    return instellingenBestandInhoud(inst);
}

bool schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly) && f.write(inhoud) == inhoud.size();
}

long statusKb(qint64 pid, const char* veld) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray sleutel = QByteArray(veld) + ':';
    for (const QByteArray& regel : f.readAll().split('\n')) {
        if (regel.startsWith(sleutel))
            return regel.mid(sleutel.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// --- Child: the program's own start-up, reporting its first painted frame ----------------

bool g_meldEersteBeeld = false;

class EersteBeeld : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!m_gezien && e->type() == QEvent::Paint && qobject_cast<Hoofdvenster*>(o)) {
            m_gezien = true;
            // The frame is on its way to the screen once this paint and its flush are done.
            QTimer::singleShot(0, [] {
                std::fputs("FRAME\n", stdout);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_gezien = false;
};

// Runs while the program makes its application object, before any of its start-up.
void installeerEersteBeeld() {
    if (g_meldEersteBeeld)
        qApp->installEventFilter(new EersteBeeld(qApp));
}
Q_COREAPP_STARTUP_FUNCTION(installeerEersteBeeld)

// --- Driver ------------------------------------------------------------------------------

int g_trageSync = 0;

void meetStart(const QString& zelf, int runs) {
    QTemporaryDir map;
    schrijf(map.filePath(QStringLiteral("Quintaro.ini")), standaardInstellingen());
    std::vector<double> tijden;
    for (int i = 0; i < runs; ++i) {
        QProcess kind;
        kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert(QStringLiteral("QUINTARO_SYNCVERTRAGING"), QString::number(g_trageSync));
        kind.setProcessEnvironment(omgeving);
        QElapsedTimer klok;
        klok.start();
        kind.start(zelf, {QStringLiteral("--startup-child"), map.path()});
        bool gezien = false;
        while (!gezien && kind.waitForReadyRead(30000))
            gezien = kind.readAll().contains("FRAME");
        const double ms = static_cast<double>(klok.nsecsElapsed()) / 1e6;
        kind.waitForFinished(10000);
        if (!gezien) {
            std::fprintf(stderr, "bench_window: start-up run %d gave no frame\n", i);
            continue;
        }
        tijden.push_back(ms);
    }
    if (tijden.empty())
        return;
    figuur("start-up: process start to first painted window, median", mediaan(tijden), "ms");
    figuur("start-up: fastest run", *std::min_element(tijden.begin(), tijden.end()), "ms");
    figuur("start-up: slowest run", *std::max_element(tijden.begin(), tijden.end()), "ms");
}

// One real-time draw; with `zaal` the board and the voice are on (the figures get a suffix).
void meetTrekking(bool zaal = false) {
    QTemporaryDir map;
    schrijf(map.filePath(QStringLiteral("Quintaro.ini")), standaardInstellingen());
    Paden paden;
    paden.programmaMap = QCoreApplication::applicationDirPath(); // sounds, pictures
    paden.gegevensMap = map.path();
    QScreen* scherm = QGuiApplication::primaryScreen();
    Hoofdvenster w(paden, scherm ? scherm->size() : QSize(1024, 768));
    w.showFullScreen();
    if (zaal) {
        w.zaal().zetBordAan(true);
        w.zaal().zetStemAan(true);
    }
    // The window settles (and, with the voice on, its speech engine starts in the background).
    QElapsedTimer rust;
    rust.start();
    while (rust.elapsed() < (zaal ? 6000 : 1000))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    QElapsedTimer klok;
    double getoond = 0; // the fourth roller stands on its digit: the whole number shows
    QObject::connect(&w.trekking(), &Trekking::rolGestopt, &w, [&](int n) {
        if (n == 3)
            getoond = static_cast<double>(klok.nsecsElapsed()) / 1e9;
    });
    const RolTikken tikken(w.trekking());
    const double cpu0 = cpuSeconden();
    klok.start();
    StartBediening& start = w.startBediening();
    start.pijlGeklikt(start.pijlLinks()); // returns once the number is listed
    const double wand = static_cast<double>(klok.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconden() - cpu0;
    if (w.trekking().lijst().aantal() != 1) {
        std::fprintf(stderr, "bench_window: the draw listed %lld numbers\n",
                     static_cast<long long>(w.trekking().lijst().aantal()));
        return;
    }
    const QByteArray bij = zaal ? " (board and voice on)" : "";
    figuur("draw: click to the whole number shown (fourth roller stopped)" + bij, getoond, "s", 2);
    figuur("draw: click to listed number, real time" + bij, wand, "s", 2);
    figuur("draw: process CPU over the draw" + bij, 100.0 * cpu / wand, "% of a core", 2);
    figuur("draw: roller ticks delivered, mean of 4 (10 ms timers: 100/s)" + bij,
           tikken.gemiddeld(), "ticks/s");
    figuur("draw: roller ticks delivered, slowest roller" + bij, tikken.traagsteRol(), "ticks/s");
    w.close();
}

void meetSessie() {
    QTemporaryDir map;
    schrijf(map.filePath(QStringLiteral("Quintaro.ini")), standaardInstellingen());
    QProcess kind;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QStringLiteral("QUINTARO_TIJDSCHAAL"), QStringLiteral("0.01"));
    omgeving.insert(QStringLiteral("QUINTARO_AUTODRAW"), QStringLiteral("100"));
    kind.setProcessEnvironment(omgeving);
    kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer klok;
    klok.start();
    kind.start(programma(), {QStringLiteral("--dir"), map.path()});
    if (!kind.waitForStarted()) {
        std::fprintf(stderr, "bench_window: cannot start %s\n", qPrintable(programma()));
        return;
    }
    const qint64 pid = kind.processId();
    const QString lijst = map.filePath(QStringLiteral("Lijstnummers.txt"));
    long naEen = -1;
    qint64 aantal = 0;
    while (klok.elapsed() < 300000 && kind.state() == QProcess::Running) {
        QFile f(lijst);
        aantal = f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : 0;
        if (aantal >= 1 && naEen < 0)
            naEen = statusKb(pid, "VmHWM");
        if (aantal >= 100)
            break;
        kind.waitForFinished(20);
    }
    const double duur = static_cast<double>(klok.elapsed()) / 1000.0;
    const long piek = statusKb(pid, "VmHWM");
    kind.kill();
    kind.waitForFinished(10000);
    if (aantal < 100) {
        std::fprintf(stderr, "bench_window: only %lld draws listed\n",
                     static_cast<long long>(aantal));
        return;
    }
    figuur("session: peak memory (VmHWM) after the first draw", naEen / 1024.0, "MB");
    figuur("session: peak memory (VmHWM) after 100 draws", piek / 1024.0, "MB");
    figuur("session: 100 draws at 1/100 of the real pace, wall time", duur, "s");
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--startup-child") == 0) {
        g_meldEersteBeeld = true;
        char naam[] = "quintaro";
        char dirOptie[] = "--dir";
        char* args[] = {naam, dirOptie, argv[2], nullptr};
        return quintaroStart(3, args);
    }
    int runs = 7;
    bool trekking = true, sessie = true, zaal = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--no-draw") == 0)
            trekking = false;
        else if (std::strcmp(argv[i], "--no-session") == 0)
            sessie = false;
        else if (std::strcmp(argv[i], "--zaal") == 0)
            zaal = true;
        else if (std::strcmp(argv[i], "--trage-sync") == 0 && i + 1 < argc)
            g_trageSync = std::max(0, std::atoi(argv[++i]));
    }
    QApplication app(argc, argv);
    const QString platform = QGuiApplication::platformName();
    const QSize grootte =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
    std::printf("#\tplatform %s, screen %dx%d\n", qPrintable(platform), grootte.width(),
                grootte.height());
    if (g_trageSync > 0)
        std::printf("#\tevery flush %d ms slower\n", g_trageSync);
    meetStart(QCoreApplication::applicationFilePath(), runs);
    Schijf::zetSyncVertraging(g_trageSync);
    if (trekking)
        meetTrekking();
    if (trekking && zaal)
        meetTrekking(true);
    if (sessie)
        meetSessie();
    return 0;
}
