// Cost of the settings file (read at start-up, written at every exit) and of the drawn-list
// file (written after every listed number and at exit).
#include "common/getrokkenlijst.h"
#include "common/instellingen.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

Instellingen voorbeeld() {
    Instellingen inst;
    inst.AchtergrondBestand = QStringLiteral("/opt/quintaro/Backgrounds/Wallpaper-01.jpg");
    inst.KleurRood = 254.5;
    inst.TitelTekst = QStringLiteral("Grote Loterij, trekking van vanavond");
    return inst;
}

// Parsing the text of a typical file: the quoted texts, the numbers, the flag.
void BM_LeesInstellingenTekst(benchmark::State& state) {
    const QString tekst = QString::fromLocal8Bit(instellingenBestandInhoud(voorbeeld()));
    for (auto _ : state) {
        Instellingen inst;
        benchmark::DoNotOptimize(leesInstellingenTekst(tekst, inst));
    }
}
BENCHMARK(BM_LeesInstellingenTekst);

// The worst file the reader takes in: its 4 MB cap filled by one quoted title.
void BM_LeesInstellingenTekstVol(benchmark::State& state) {
    QByteArray bestand = instellingenBestandInhoud(Instellingen{});
    bestand.chop(2);
    bestand.append(QByteArray(kMaxInstellingenGrootte - bestand.size(), 'x'));
    const QString tekst = QString::fromLatin1(bestand);
    for (auto _ : state) {
        Instellingen inst;
        benchmark::DoNotOptimize(leesInstellingenTekst(tekst, inst));
    }
    state.SetBytesProcessed(state.iterations() * bestand.size());
}
BENCHMARK(BM_LeesInstellingenTekstVol)->Unit(benchmark::kMillisecond);

void BM_InstellingenBestandInhoud(benchmark::State& state) {
    const Instellingen inst = voorbeeld();
    for (auto _ : state)
        benchmark::DoNotOptimize(instellingenBestandInhoud(inst));
}
BENCHMARK(BM_InstellingenBestandInhoud);

// Start-up's read from disk: open, read, decode, parse.
void BM_LeesInstellingen(benchmark::State& state) {
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("Quintaro.ini"));
    BewaarInstellingen(pad, voorbeeld());
    for (auto _ : state) {
        Instellingen inst;
        benchmark::DoNotOptimize(LeesInstellingen(pad, map.path(), inst));
    }
}
BENCHMARK(BM_LeesInstellingen)->Unit(benchmark::kMicrosecond);

// The exit's write: a temporary file beside the old one, renamed over it.
void BM_BewaarInstellingen(benchmark::State& state) {
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("Quintaro.ini"));
    const Instellingen inst = voorbeeld();
    for (auto _ : state)
        benchmark::DoNotOptimize(BewaarInstellingen(pad, inst));
}
BENCHMARK(BM_BewaarInstellingen)->Unit(benchmark::kMicrosecond);

// The drawn-list file as it is rewritten after a listed number, by list length.
void BM_BewaarLijst(benchmark::State& state) {
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("Lijstnummers.txt"));
    std::vector<qint32> nummers;
    for (qint32 i = 0; i < static_cast<qint32>(state.range(0)); ++i)
        nummers.push_back(9999 - i);
    for (auto _ : state)
        benchmark::DoNotOptimize(BewaarLijst(pad, nummers));
}
BENCHMARK(BM_BewaarLijst)->Arg(100)->Arg(10'000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the system codec and file engines want one
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
