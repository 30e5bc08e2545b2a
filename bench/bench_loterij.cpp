// The raffle's costs at the size of a large evening: 1,000,000 tickets in 100 sets of 10,000,
// 100,000 of them out of play (1,000 per set, at random, runs written as ranges). Opening the
// raffle file (reading it and building the drum of tickets) and one draw (finding the k-th
// ticket still in play and taking it out), over the first 100,000 draws.
#include "loterij/lotentrommel.h"
#include "loterij/loterijlezer.h"
#include "loterij/lotkleur.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

constexpr int kReeksen = 100;
constexpr qint32 kPerReeks = 10000;
constexpr std::size_t kUitPerReeks = 1000;
constexpr std::uint64_t kInSpel = kReeksen * (kPerReeks - kUitPerReeks);

// The numbers out of play of one set as fields: single numbers, and runs as "van-tot".
QByteArrayList uitVelden(std::mt19937& gen) {
    std::vector<qint32> nummers(kPerReeks);
    std::iota(nummers.begin(), nummers.end(), 1);
    std::shuffle(nummers.begin(), nummers.end(), gen);
    nummers.resize(kUitPerReeks);
    std::sort(nummers.begin(), nummers.end());
    QByteArrayList velden;
    for (std::size_t i = 0; i < nummers.size();) {
        std::size_t j = i;
        while (j + 1 < nummers.size() && nummers[j + 1] == nummers[j] + 1)
            ++j;
        velden << (i == j ? QByteArray::number(nummers[i])
                          : QByteArray::number(nummers[i]) + '-' + QByteArray::number(nummers[j]));
        i = j + 1;
    }
    return velden;
}

// The raffle file, written once, in memory-backed storage when there is some.
const QString& groteLoterij() {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/quintaro-bench-XXXXXX")
                                 : QDir::temp().filePath(QStringLiteral("quintaro-bench-XXXXXX")));
    static const QString pad = [] {
        QByteArray tekst = "soort;naam;kleur;laagste;hoogste\n";
        const QStringList kleuren = lotKleurNamen();
        std::mt19937 gen(2026);
        for (int r = 0; r < kReeksen; ++r) {
            const QByteArray naam = "Reeks " + QByteArray::number(r + 1);
            tekst += "reeks;" + naam + ';' + kleuren[r % kleuren.size()].toUtf8() + ";1;" +
                     QByteArray::number(kPerReeks) + '\n';
            const QByteArrayList velden = uitVelden(gen);
            for (qsizetype i = 0; i < velden.size(); i += 100)
                tekst += "uit;" + naam + ';' + velden.mid(i, 100).join(';') + '\n';
        }
        for (int p = 10; p >= 1; --p)
            tekst += "prijs;Prijs " + QByteArray::number(p) + '\n';
        QFile f(dir.filePath(QStringLiteral("loterij.csv")));
        if (!f.open(QIODevice::WriteOnly) || f.write(tekst) != tekst.size())
            qFatal("cannot write the raffle file");
        return f.fileName();
    }();
    return pad;
}

void BM_LoterijOpenen(benchmark::State& state) {
    const QString& pad = groteLoterij();
    state.counters["bytes"] = static_cast<double>(QFile(pad).size());
    for (auto _ : state) {
        const LoterijLezer::Uitslag uit = LoterijLezer::lees(pad);
        if (!uit.loterij) {
            state.SkipWithError(qPrintable(uit.tekst()));
            return;
        }
        const Lotentrommel trommel(*uit.loterij);
        if (trommel.aantal() != kInSpel) {
            state.SkipWithError("the drum does not hold the tickets in play");
            return;
        }
        benchmark::DoNotOptimize(trommel.aantal());
    }
}
BENCHMARK(BM_LoterijOpenen)->Unit(benchmark::kMillisecond);

void BM_LotTrekken(benchmark::State& state) {
    const LoterijLezer::Uitslag uit = LoterijLezer::lees(groteLoterij());
    if (!uit.loterij) {
        state.SkipWithError(qPrintable(uit.tekst()));
        return;
    }
    Lotentrommel trommel(*uit.loterij);
    std::mt19937_64 gen(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(trommel.neemUit(gen() % trommel.aantal()));
    state.counters["drawn"] = static_cast<double>(trommel.aantalGetrokken());
}
BENCHMARK(BM_LotTrekken)->Iterations(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
