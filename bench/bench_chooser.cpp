// Cost of choosing a drawn number, at the start and at the end of a range, and of drawing
// a whole range one number after another.
#include "common/getrokkenlijst.h"
#include "draw/nummerkiezer.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

// A draw at the start of the range: nothing listed yet.
void BM_KiesNieuwBegin(benchmark::State& state) {
    const auto grootte = static_cast<qint32>(state.range(0));
    NummerKiezer kiezer(1);
    GetrokkenLijst lijst;
    for (auto _ : state)
        benchmark::DoNotOptimize(kiezer.kiesNieuw(1, grootte, lijst));
}
BENCHMARK(BM_KiesNieuwBegin)->Arg(10'000)->Arg(1'000'000);

// A draw at the end of the range: all but ten numbers drawn and listed, so the pool
// holds its most moved places.
void BM_KiesNieuwEind(benchmark::State& state) {
    const auto grootte = static_cast<qint32>(state.range(0));
    NummerKiezer kiezer(2);
    GetrokkenLijst lijst;
    for (qint32 i = 0; i < grootte - 10; ++i)
        lijst.voegToe(*kiezer.kiesNieuw(1, grootte, lijst));
    benchmark::DoNotOptimize(kiezer.kiesNieuw(1, grootte, lijst)); // catch up
    for (auto _ : state)
        benchmark::DoNotOptimize(kiezer.kiesNieuw(1, grootte, lijst));
}
BENCHMARK(BM_KiesNieuwEind)->Arg(10'000)->Arg(1'000'000);

// A full draw as the program makes it: choose, then list the number (the next choice
// takes it out of the pool). The list is cleared whenever the range runs out; the
// clearing and the rebuild that follows are part of the measured time.
void BM_TrekkingMetLijst(benchmark::State& state) {
    const auto grootte = static_cast<qint32>(state.range(0));
    NummerKiezer kiezer(3);
    GetrokkenLijst lijst;
    for (auto _ : state) {
        auto nummer = kiezer.kiesNieuw(1, grootte, lijst);
        if (!nummer) {
            lijst.maakLeeg();
            nummer = kiezer.kiesNieuw(1, grootte, lijst);
        }
        lijst.voegToe(*nummer);
    }
}
BENCHMARK(BM_TrekkingMetLijst)->Arg(10'000)->Arg(1'000'000);

// Every number of the range, one after another, until the chooser reports it exhausted.
void BM_HeelBereikTrekken(benchmark::State& state) {
    const auto grootte = static_cast<qint32>(state.range(0));
    std::uint64_t zaad = 4;
    for (auto _ : state) {
        state.PauseTiming();
        NummerKiezer kiezer(zaad++);
        auto lijst = std::make_unique<GetrokkenLijst>();
        state.ResumeTiming();
        while (const auto nummer = kiezer.kiesNieuw(1, grootte, *lijst))
            lijst->voegToe(*nummer);
        benchmark::DoNotOptimize(lijst->aantal());
        state.PauseTiming();
        if (lijst->aantal() != grootte)
            state.SkipWithError("range not drawn completely");
        lijst.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * grootte);
}
BENCHMARK(BM_HeelBereikTrekken)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The first choice after the chooser has lost track (another list, a cleared one or a new
// range): the pool is rebuilt from every entry of a list holding all but ten numbers.
void BM_Herbouw(benchmark::State& state) {
    const auto grootte = static_cast<qint32>(state.range(0));
    GetrokkenLijst lijst;
    {
        NummerKiezer vuller(5);
        for (qint32 i = 0; i < grootte - 10; ++i)
            lijst.voegToe(*vuller.kiesNieuw(1, grootte, lijst));
    }
    NummerKiezer kiezer(6);
    bool breder = false;
    for (auto _ : state) {
        // Alternating the highest number by one forces a rebuild at every call.
        breder = !breder;
        benchmark::DoNotOptimize(kiezer.kiesNieuw(1, grootte + (breder ? 1 : 0), lijst));
    }
}
BENCHMARK(BM_Herbouw)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
