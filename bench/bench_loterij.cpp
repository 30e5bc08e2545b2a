// The raffle's costs at the size of a large evening: 1,000,000 tickets in 100 sets of 10,000,
// 100,000 of them out of play (1,000 per set, at random, runs written as ranges). Opening the
// raffle file (reading it and building the drum of tickets) and one draw (finding the k-th
// ticket still in play and taking it out), over the first 100,000 draws. Then the check of
// that evening's journal, 10,000 tickets drawn for 10,000 prizes with every 50th winner
// absent: in this process, by `quintaro --controleer` and by `python3 tools/controleer.py`.
#include "journaal/journaalcontrole.h"
#include "journaal/trekkingsboek.h"
#include "loterij/lotentrommel.h"
#include "loterij/loterijlezer.h"
#include "loterij/lotkleur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
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

constexpr int kTrekkingen = 10000;
constexpr int kAfwezigElke = 50; // every 50th winner is not there: the prize is drawn again

// The journal of the evening: the raffle above with 10,000 prizes, 10,000 draws of which 200
// declared void, the key revealed at the close. Written once, beside the raffle file.
const QString& loterijJournaal() {
    static const QString pad = [] {
        LoterijLezer::Uitslag uit = LoterijLezer::lees(groteLoterij());
        if (!uit.loterij)
            qFatal("cannot read the raffle file: %s", qPrintable(uit.tekst()));
        for (int p = 0; p < kTrekkingen; ++p)
            uit.loterij->voegPrijsToe({QStringLiteral("Prijs %1").arg(p + 1), {}, 0});
        const QString map = QFileInfo(groteLoterij()).path();
        const QString journaal = QDir(map).filePath(QStringLiteral("Trekkingsjournaal.jsonl"));
        Trekkingsboek boek(journaal, QDir(map).filePath(QStringLiteral("sleutel")));
        boek.beginLoterij(*uit.loterij, 0);
        for (qint32 teller = 1; teller <= kTrekkingen; ++teller) {
            boek.legVast(teller);
            if (teller % kAfwezigElke == 0)
                boek.vervallen(static_cast<std::uint64_t>(teller - 1),
                               QStringLiteral("niet aanwezig"));
        }
        boek.sluit();
        if (!boek.wachtOpSchijf())
            qFatal("cannot write the journal");
        return journaal;
    }();
    return pad;
}

void BM_ControleerLoterij(benchmark::State& state) {
    const QString& journaal = loterijJournaal();
    state.counters["bytes"] = static_cast<double>(QFile(journaal).size());
    for (auto _ : state) {
        const Controleuitslag uit = Journaalcontrole::controleer(journaal);
        if (uit.oordeel != Controleuitslag::Oordeel::Goed || uit.nagerekend != kTrekkingen) {
            state.SkipWithError(qPrintable(uit.samenvatting()));
            return;
        }
    }
}
BENCHMARK(BM_ControleerLoterij)->Unit(benchmark::kMillisecond);

// A checker as a user runs it, start-up included; it must say that everything verifies.
void checkerAlsKind(benchmark::State& state, const QString& programma, QStringList argumenten) {
    argumenten << loterijJournaal();
    for (auto _ : state) {
        QProcess kind;
        kind.start(programma, argumenten);
        if (!kind.waitForFinished(600000) || kind.exitCode() != 0) {
            state.SkipWithError(qPrintable(programma + QStringLiteral(" did not verify: ") +
                                           QString::fromLocal8Bit(kind.readAll())));
            return;
        }
    }
}

void BM_QuintaroControleer(benchmark::State& state) {
    checkerAlsKind(state, QStringLiteral(QUINTARO_PROGRAM_DIR "/quintaro"),
                   {QStringLiteral("--controleer")});
}
BENCHMARK(BM_QuintaroControleer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ControleerPy(benchmark::State& state) {
    checkerAlsKind(state, QStringLiteral(QUINTARO_PYTHON),
                   {QStringLiteral(QUINTARO_SOURCE_DIR "/tools/controleer.py")});
}
BENCHMARK(BM_ControleerPy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
