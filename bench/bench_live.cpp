// The live view under load: one real-time draw with the default settings without clients,
// then one with N pages (300 unless told) connected over loopback to its WebSocket and reading
// every state, from a child process of this program. For each: the draw's duration from the
// click to the listed number and the roller ticks the timers delivered; with the clients also
// how long after the listing the number reached them (the slowest and the median client).
// Prints one figure per line: name, value and unit separated by tabs.
//
//   bench_live [--klanten N]
#include "app/hoofdvenster.h"
#include "draw/startbediening.h"
#include "draw/trekking.h"
#include "live/liveweergave.h"
#include "meting.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

void figuur(const QByteArray& naam, double waarde, const char* eenheid, int decimalen = 1) {
    std::printf("%s\t%.*f\t%s\n", naam.constData(), decimalen, waarde, eenheid);
    std::fflush(stdout);
}

// --- Child: N pages reading the live view --------------------------------------------------

int klanten(quint16 poort, int aantal) {
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    int verbonden = 0;
    qint64 laatste = -1;
    std::vector<double> vertraging;
    for (int i = 0; i < aantal; ++i) {
        auto ws = std::make_unique<QWebSocket>();
        QObject::connect(
            ws.get(), &QWebSocket::textMessageReceived, ws.get(),
            [&, eerste = true](const QString& tekst) mutable {
                const QJsonObject stand = QJsonDocument::fromJson(tekst.toUtf8()).object();
                if (eerste) {
                    eerste = false;
                    if (++verbonden == aantal) {
                        std::printf("KLAAR\n");
                        std::fflush(stdout);
                    }
                    return;
                }
                const auto lijst = stand.value(QStringLiteral("getrokken")).toArray();
                if (lijst.isEmpty())
                    return;
                const qint64 ms = static_cast<qint64>(
                    lijst.last().toObject().value(QStringLiteral("ms")).toDouble());
                if (ms <= 0 || stand.value(QStringLiteral("bezig")).toBool())
                    return;
                if (ms != laatste) {
                    laatste = ms;
                    vertraging.clear();
                }
                vertraging.push_back(static_cast<double>(QDateTime::currentMSecsSinceEpoch() - ms));
                if (static_cast<int>(vertraging.size()) == aantal) {
                    std::printf("ONTVANGEN\t%.1f\t%.1f\n",
                                *std::max_element(vertraging.begin(), vertraging.end()),
                                mediaan(vertraging));
                    std::fflush(stdout);
                }
            });
        ws->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(poort)));
        sockets.push_back(std::move(ws));
    }
    return QCoreApplication::exec();
}

// --- Driver --------------------------------------------------------------------------------

struct Trekkingmeting {
    double seconden = 0;
    double tikkenPerSeconde = 0; // the slowest roller
};

Trekkingmeting trek(Hoofdvenster& w) {
    const RolTikken tikken(w.trekking());
    StartBediening& start = w.startBediening();
    start.pijlGeklikt(start.pijlLinks()); // returns once the number is listed
    Trekkingmeting m;
    m.seconden = tikken.seconden();
    m.tikkenPerSeconde = tikken.traagsteRol();
    return m;
}

void rust(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--klant") == 0) {
        QCoreApplication app(argc, argv);
        return klanten(static_cast<quint16>(std::atoi(argv[2])), std::atoi(argv[3]));
    }
    int aantal = 300;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--klanten") == 0 && i + 1 < argc)
            aantal = std::max(1, std::atoi(argv[++i]));
    }
    rlimit grens{};
    getrlimit(RLIMIT_NOFILE, &grens);
    grens.rlim_cur = grens.rlim_max;
    setrlimit(RLIMIT_NOFILE, &grens);

    QApplication app(argc, argv);
    QTemporaryDir map;
    Paden paden;
    paden.programmaMap = QCoreApplication::applicationDirPath();
    paden.gegevensMap = map.path();
    QScreen* scherm = QGuiApplication::primaryScreen();
    Hoofdvenster w(paden, scherm ? scherm->size() : QSize(1024, 768));
    w.showFullScreen();
    Liveweergave live(w.trekking(), w.instellingen(), paden.journaal(), QStringLiteral("nl"));
    Liveadres adres;
    adres.poort = 0; // the system's choice
    live.zetAdres(adres);
    if (!live.start()) {
        std::fprintf(stderr, "bench_live: %s\n", qPrintable(live.fout()));
        return 1;
    }
    rust(1000);
    const Trekkingmeting zonder = trek(w);
    figuur("draw without clients: click to listed number", zonder.seconden, "s", 2);
    figuur("draw without clients: roller ticks, slowest roller", zonder.tikkenPerSeconde,
           "ticks/s");

    QProcess kind;
    kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kind.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--klant"), QString::number(live.poort()), QString::number(aantal)});
    QByteArray uit;
    QElapsedTimer wacht;
    wacht.start();
    while (!uit.contains("KLAAR") && wacht.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        kind.waitForReadyRead(10);
        uit += kind.readAllStandardOutput();
    }
    const int verbonden = live.aantalWebSockets();
    figuur("pages connected over loopback and reading", verbonden, "", 0);
    rust(1000);
    const QByteArray naam = "draw with " + QByteArray::number(verbonden) + " pages";
    const Trekkingmeting met = trek(w);
    figuur(naam + ": click to listed number", met.seconden, "s", 2);
    figuur(naam + ": roller ticks, slowest roller", met.tikkenPerSeconde, "ticks/s");
    uit.clear();
    wacht.restart();
    while (!uit.contains("ONTVANGEN") && wacht.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        kind.waitForReadyRead(10);
        uit += kind.readAllStandardOutput();
    }
    const QList<QByteArray> velden = uit.mid(uit.indexOf("ONTVANGEN")).split('\t');
    if (velden.size() >= 3) {
        figuur("listed to received, slowest page", velden[1].toDouble(), "ms");
        figuur("listed to received, median page", velden[2].trimmed().toDouble(), "ms");
    } else {
        std::fprintf(stderr, "bench_live: the pages did not all receive the number\n");
    }
    kind.kill();
    kind.waitForFinished();
    live.stop();
    return 0;
}
