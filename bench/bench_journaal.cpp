// The draw journal's costs: one draw journaled and flushed to a local disk, the check of an
// evening of 100,000 draws, the resume read of a journal whose unfinished series holds
// 100,000 draws, and drawing a range of a million numbers until it is exhausted.
#include "journaal/hervatting.h"
#include "journaal/journaalcontrole.h"
#include "journaal/trekkingsboek.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Journals for the reading benchmarks are made once, in memory-backed storage when there is
// some (making them is not measured, and flushing 100,000 lines to a disk takes minutes).
QString snelleMap() {
    return QDir(QStringLiteral("/dev/shm")).exists()
               ? QStringLiteral("/dev/shm/quintaro-bench-XXXXXX")
               : QDir::temp().filePath("quintaro-bench-XXXXXX");
}

struct Avond {
    QTemporaryDir dir{snelleMap()};
    QString journaal = dir.filePath(QStringLiteral("Trekkingsjournaal.jsonl"));
    QString sleutel = dir.filePath(QStringLiteral("Trekkingsjournaal.sleutel"));
};

// 100,000 draws of 1..10000: ten series drawn to exhaustion, then the program closed.
const Avond& gesloten() {
    static const auto avond = [] {
        auto a = std::make_unique<Avond>();
        Trekkingsboek boek(a->journaal, a->sleutel);
        boek.begin(1, 10000, 0);
        for (qint32 teller = 1; teller <= 100000; ++teller) {
            if (!boek.volgende()) {
                boek.lijstGewist(Journaalrecord::Reden::Uitgeput);
                boek.begin(1, 10000, 0, {}, teller);
            }
            boek.legVast(teller);
        }
        boek.sluit();
        return a;
    }();
    return *avond;
}

// One series of 1..1000000 with 100,000 draws, the program stopped in the middle of it.
const Avond& onderbroken() {
    static const auto avond = [] {
        auto a = std::make_unique<Avond>();
        Trekkingsboek boek(a->journaal, a->sleutel);
        boek.begin(1, 1000000, 0);
        for (qint32 teller = 1; teller <= 100000; ++teller)
            boek.legVast(teller);
        return a;
    }();
    return *avond;
}

void BM_TrekkingJournalen(benchmark::State& state) {
    // On the disk the program writes to: a folder in the working directory.
    QTemporaryDir dir(QDir::current().filePath(QStringLiteral("journaal-bench-XXXXXX")));
    Trekkingsboek boek(dir.filePath(QStringLiteral("j.jsonl")), dir.filePath(QStringLiteral("s")));
    boek.begin(1, 1000000000, 0);
    qint32 teller = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(boek.legVast(++teller));
        boek.wachtOpSchijf(); // written by the journal's thread and flushed
    }
    if (!boek.wordtBijgehouden())
        state.SkipWithError("the journal could not be written");
    boek.sluit();
}
BENCHMARK(BM_TrekkingJournalen)->Unit(benchmark::kMicrosecond);

void BM_Controleer100000(benchmark::State& state) {
    const Avond& a = gesloten();
    for (auto _ : state) {
        const Controleuitslag uit = Journaalcontrole::controleer(a.journaal);
        if (uit.oordeel != Controleuitslag::Oordeel::Goed || uit.nagerekend != 100000)
            state.SkipWithError("the evening does not check");
    }
}
BENCHMARK(BM_Controleer100000)->Unit(benchmark::kMillisecond);

// What a start with --hervat does before the window shows: read the journal and the key,
// draw the series again, open the journal for writing and record the resumption.
void BM_Hervat100000(benchmark::State& state) {
    const Avond& a = onderbroken();
    for (auto _ : state) {
        Hervatting h = Hervatting::lees(a.journaal, a.sleutel);
        if (h.soort != Hervatting::Soort::Doorgaan || h.lijst.size() != 100000) {
            state.SkipWithError("the series does not resume");
            break;
        }
        Trekkingsboek boek(a.journaal, a.sleutel);
        boek.hervat(std::move(*h.reeks), h.reeksNummer, h.teller, h.score);
    }
}
BENCHMARK(BM_Hervat100000)->Unit(benchmark::kMillisecond);

void BM_MiljoenUitputten(benchmark::State& state) {
    int zaad = 0;
    for (auto _ : state) {
        Trekkingsreeks reeks(QByteArray(32, static_cast<char>(++zaad)), 1, 1000000, 0);
        while (reeks.volgende())
            reeks.legVast();
        if (reeks.index() != 1000000)
            state.SkipWithError("range not drawn completely");
    }
}
BENCHMARK(BM_MiljoenUitputten)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
