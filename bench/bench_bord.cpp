// The board of the evening and the voice, measured:
//   bord_grid90     one board update (a number added and the board repainted on screen) in
//                   the grid of 1..90 at the board's size on a 1920x1080 screen;
//   bord_last10     the same for the last-ten view of 1..9999;
//   stem_first_say  the caller's time of the first text handed to the real speech class
//                   (starts its engine thread), and stem_say of every later one;
//   stem_engine     the time until the engine thread has made its engine, and meanwhile the
//                   longest gap of a 1 ms timer in the caller's event loop (stem_loop_gap).
// Prints one figure per line: name, value and unit separated by tabs; with --png DIR it also
// saves the main window with the board after a few real draws on 1..75 and on 1..9999 at
// 1920x1080 and 1024x768.
//
//   bench_bord [--updates N] [--png DIR] [--no-voice]
#include "app/hoofdvenster.h"
#include "app/zaal.h"
#include "common/algemeen.h"
#include "common/instellingen.h"
#include "common/spraakspreker.h"
#include "draw/bord.h"
#include "draw/startbediening.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void figuur(const char* naam, double waarde, const char* eenheid, int decimalen = 3) {
    std::printf("%s\t%.*f\t%s\n", naam, decimalen, waarde, eenheid);
    std::fflush(stdout);
}

// Median, 95th percentile and maximum of `ms`.
void reeksFiguren(const char* naam, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const auto op = [&ms](double deel) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(deel * ms.size()))];
    };
    const QByteArray basis(naam);
    figuur((basis + "_median").constData(), op(0.5), "ms");
    figuur((basis + "_p95").constData(), op(0.95), "ms");
    figuur((basis + "_max").constData(), ms.back(), "ms");
}

std::vector<double> bordUpdates(qint32 laag, qint32 hoog, int aantal) {
    const QRect vlak = bordVlak(QSize(1920, 1080));
    Bord bord;
    bord.setAttribute(Qt::WA_DontShowOnScreen, false);
    bord.setGeometry(vlak);
    bord.zetBereik(laag, hoog);
    bord.show();
    QCoreApplication::processEvents();
    std::vector<double> ms;
    const qint64 grootte = qint64{hoog} - laag + 1;
    for (int i = 0; i < aantal; ++i) {
        if (i % 60 == 0)
            bord.wis(); // a new card now and then, so the grid never fills up
        QElapsedTimer t;
        t.start();
        bord.voegToe(static_cast<qint32>(laag + (i * 37) % grootte));
        bord.repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return ms;
}

void stemMeten() {
    SpraakSpreker spreker;
    QString engine;
    QStringList talen;
    bool gereed = false;
    QObject::connect(&spreker, &SpraakSpreker::gereed, [&](const QString& e, const QStringList& t) {
        engine = e;
        talen = t;
        gereed = true;
    });
    QElapsedTimer klok;
    klok.start();
    QElapsedTimer t;
    t.start();
    spreker.zeg(QStringLiteral("zevenentwintig"), QLocale(QLocale::Dutch));
    figuur("stem_first_say", t.nsecsElapsed() / 1e6, "ms");
    // The caller's event loop keeps turning while the engine is made.
    qint64 vorige = klok.nsecsElapsed();
    double gat = 0;
    QTimer tik;
    tik.setInterval(1);
    QObject::connect(&tik, &QTimer::timeout, [&] {
        const qint64 nu = klok.nsecsElapsed();
        gat = std::max(gat, (nu - vorige) / 1e6);
        vorige = nu;
    });
    tik.start();
    while (!gereed && klok.elapsed() < 15000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    tik.stop();
    figuur("stem_engine", klok.nsecsElapsed() / 1e6, "ms", 1);
    figuur("stem_loop_gap", gat, "ms");
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer z;
        z.start();
        spreker.zeg(QString::number(i), QLocale(QLocale::English));
        ms.push_back(z.nsecsElapsed() / 1e6);
    }
    reeksFiguren("stem_say", ms);
    std::printf(
        "engine\t%s\t%s\n", qPrintable(engine.isEmpty() ? QStringLiteral("-") : engine),
        qPrintable(
            talen.filter(QRegularExpression(QStringLiteral("^(nl|en)"))).join(QLatin1Char(' '))));

    // One number in each language, waited for: when the engine took the text, and when it
    // began and ended speaking it.
    QString gevraagd;
    QString stem;
    qint64 doorgegeven = -1;
    qint64 begin = -1;
    qint64 einde = -1;
    QObject::connect(&spreker, &SpraakSpreker::doorgegeven,
                     [&](const QString& t, const QString& s) {
                         if (t == gevraagd && doorgegeven < 0) {
                             stem = s;
                             doorgegeven = klok.elapsed();
                         }
                     });
    QObject::connect(&spreker, &SpraakSpreker::spreekt, [&](bool b) {
        if (doorgegeven < 0)
            return; // still about an earlier text
        if (b && begin < 0)
            begin = klok.elapsed();
        else if (!b && begin >= 0 && einde < 0)
            einde = klok.elapsed();
    });
    for (const auto& [tekst, taal] :
         {std::pair{QStringLiteral("zevenentwintig"), QLocale::Dutch},
          std::pair{QStringLiteral("twenty-seven"), QLocale::English}}) {
        gevraagd = tekst;
        stem.clear();
        doorgegeven = begin = einde = -1;
        const qint64 gezegd = klok.elapsed();
        spreker.zeg(tekst, QLocale(taal));
        QElapsedTimer w;
        w.start();
        while (einde < 0 && w.elapsed() < 10000 && !(doorgegeven >= 0 && stem.isEmpty()))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        const auto na = [gezegd](qint64 t) {
            return t < 0 ? -1LL : static_cast<long long>(t - gezegd);
        };
        std::printf("spoken\t%s\tvoice %s\ttaken after %lld ms, began after %lld ms, ended after "
                    "%lld ms\n",
                    qPrintable(tekst), qPrintable(stem.isEmpty() ? QStringLiteral("-") : stem),
                    na(doorgegeven), na(begin), na(einde));
    }
}

// The main window on `scherm` with a board placed where it goes, after `trekkingen` real
// draws at a hundredth of the real pace; saved as `bestand`.
void schermafdruk(const QSize& scherm, qint32 laag, qint32 hoog, int trekkingen,
                  const QString& bestand) {
    QTemporaryDir map;
    Instellingen inst;
    inst.LaagsteNummer = laag;
    inst.HoogsteNummer = hoog;
    inst.AchtergrondBestand = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QString::fromLatin1(kStandaardAchtergrond));
    QFile f(map.filePath(QString::fromLatin1(kInstellingenBestand)));
    if (!f.open(QIODevice::WriteOnly) || f.write(instellingenBestandInhoud(inst)) < 0)
        return;
    f.close();
    Paden paden;
    paden.programmaMap = QCoreApplication::applicationDirPath();
    paden.gegevensMap = map.path();
    Hoofdvenster venster(paden, scherm);
    venster.pauze().setTijdSchaal(0.01);
    venster.algemeen().zetOpener([](const QUrl&) {});
    venster.algemeen().zetGeluidsuitvoer(false);
    venster.zaal().zetBordAan(true);
    auto* bord = venster.findChild<Bord*>(QStringLiteral("Bord"));
    venster.show();
    StartBediening& start = venster.startBediening();
    for (int i = 0; i < trekkingen; ++i)
        start.pijlGeklikt(start.pijlLinks()); // returns once the number is listed
    venster.grab().save(bestand, "PNG");
    std::printf("png\t%s\t%s\n", qPrintable(bestand), qPrintable(bord->beschrijving()));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    int updates = 500;
    QString png;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--updates") && i + 1 < args.size())
            updates = args[++i].toInt();
        else if (args[i] == QLatin1String("--png") && i + 1 < args.size())
            png = args[++i];
    }
    reeksFiguren("bord_grid90", bordUpdates(1, 90, updates));
    reeksFiguren("bord_last10", bordUpdates(1, 9999, updates));
    if (!args.contains(QLatin1String("--no-voice")))
        stemMeten();
    if (!png.isEmpty()) {
        QDir().mkpath(png);
        for (const QSize s : {QSize(1920, 1080), QSize(1024, 768)}) {
            const QString maat = QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
            schermafdruk(s, 1, 75, 6,
                         QDir(png).filePath(QStringLiteral("bord-75-") + maat + ".png"));
            schermafdruk(s, 1, 9999, 12,
                         QDir(png).filePath(QStringLiteral("bord-9999-") + maat + ".png"));
        }
    }
    return 0;
}
