#include "app/startup.h"

#include "app/bedieningsvenster.h"
#include "app/hoofdvenster.h"
#include "app/opdracht.h"
#include "app/schermkeuze.h"
#include "app/schermschaal.h"
#include "app/signaalwachter.h"
#include "app/taal.h"
#include "app/vensterplaatsing.h"
#include "app/zaal.h"
#include "common/mapslot.h"
#include "draw/startbediening.h"
#include "draw/trekking.h"
#include "journaal/journaalopdracht.h"
#include "live/liveschakelaar.h"
#include "live/liveweergave.h"
#include "live/qrvak.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QSessionManager>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

void zetNamen() {
    QCoreApplication::setApplicationName(QStringLiteral("Quintaro"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINTARO_VERSION));
    // On Wayland the window finds its icon and name through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brevane.quintaro"));
}

Opdracht leesOpdracht() {
    return leesOpdrachtregel(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

int schrijfUitvoer(const Opdracht& opdracht) {
    std::fputs(qPrintable(opdracht.uitvoer), opdracht.fout ? stderr : stdout);
    return opdracht.eindCode;
}

// Whether the command line holds an option of the window system, which only the full
// application understands (-platform, -display, -style and the like).
bool vraagtVensterOptie(int argc, char** argv) {
    static const QList<QByteArray> opties{"platform",        "platformpluginpath",
                                          "platformtheme",   "plugin",
                                          "qwindowgeometry", "geometry",
                                          "qwindowicon",     "icon",
                                          "qwindowtitle",    "title",
                                          "reverse",         "session",
                                          "display",         "name",
                                          "style",           "stylesheet",
                                          "widgetcount",     "nograb",
                                          "dograb",          "sync",
                                          "qmljsdebugger",   "testability"};
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (!argument.startsWith('-'))
            continue;
        argument = argument.mid(argument.startsWith("--") ? 2 : 1);
        argument =
            argument.left(argument.indexOf('=') < 0 ? argument.size() : argument.indexOf('='));
        if (opties.contains(argument))
            return true;
    }
    return false;
}

// Whether the command line asks for `optie` (also as --optie=value).
bool vraagt(int argc, char** argv, const char* optie) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == optie || argument.startsWith(QByteArray(optie) + '='))
            return true;
    }
    return false;
}

// The journal's commands run without a window. The report needs fonts, so a GUI
// application, on the offscreen platform unless one is chosen.
int journaalOpdracht(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (vraagt(argc, argv, "--rapport")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    zetNamen();
    const Opdracht opdracht = leesOpdracht();
    if (opdracht.klaar)
        return schrijfUitvoer(opdracht);
    if (!opdracht.rapportJournaal.isEmpty())
        return Journaalopdracht::rapport(opdracht.rapportJournaal, opdracht.rapportPdf);
    if (!opdracht.winnaarsJournaal.isEmpty())
        return Journaalopdracht::winnaars(opdracht.winnaarsJournaal, opdracht.winnaarsCsv);
    return Journaalopdracht::controleer(opdracht.controleer, opdracht.pinnen);
}

// Whether there is a screen to show a message on (not the offscreen or minimal platform).
bool heeftScherm() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// A second Quintaro on the same folder would overwrite the first one's list and settings:
// it says so and ends. A lock that cannot be taken at all lets the program go on.
bool eersteInMap(const Mapslot& slot, const Paden& paden) {
    const QString map = QDir::toNativeSeparators(paden.gegevensMap);
    if (slot.stand() == Mapslot::Stand::Onmogelijk) {
        std::fputs(qPrintable(Hoofdvenster::tr("quintaro: kan %1 niet openen (%2); een tweede "
                                               "Quintaro in deze map wordt niet tegengehouden\n")
                                  .arg(QDir::toNativeSeparators(paden.slot()), slot.fout())),
                   stderr);
    }
    if (slot.stand() != Mapslot::Stand::Bezet)
        return true;
    const QString tekst =
        slot.houder() > 0
            ? Hoofdvenster::tr("Quintaro draait al in de map %1 (proces %2). Sluit dat eerst, of "
                               "kies met --dir een andere map.")
                  .arg(map)
                  .arg(slot.houder())
            : Hoofdvenster::tr("Quintaro draait al in de map %1. Sluit dat eerst, of kies met "
                               "--dir een andere map.")
                  .arg(map);
    std::fputs(qPrintable(QStringLiteral("quintaro: ") + tekst + u'\n'), stderr);
    if (heeftScherm())
        QMessageBox::warning(nullptr, QStringLiteral("Quintaro"), tekst);
    return false;
}

// What the journal and the key file had to say at the start: on standard error, and in a
// message over the operator's window (or the main one) that waits for OK without holding up
// the program.
void meldJournaal(Hoofdvenster& venster) {
    const QStringList meldingen = venster.trekking().journaalMeldingen();
    if (meldingen.isEmpty())
        return;
    for (const QString& melding : meldingen)
        std::fputs(qPrintable(QStringLiteral("quintaro: ") + melding + u'\n'), stderr);
    auto* bericht = new QMessageBox(QMessageBox::Warning, Hoofdvenster::tr("Trekkingsjournaal"),
                                    meldingen.join(QStringLiteral("\n\n")), QMessageBox::Ok,
                                    venster.dialoogOuder());
    bericht->setObjectName(QStringLiteral("JournaalMelding"));
    bericht->setAttribute(Qt::WA_DeleteOnClose);
    bericht->open();
}

} // namespace

int quintaroStart(int argc, char** argv) {
    if (vraagt(argc, argv, "--controleer") || vraagt(argc, argv, "--rapport") ||
        vraagt(argc, argv, "--winnaars") || vraagt(argc, argv, "--toezegging") ||
        vraagt(argc, argv, "--keten"))
        return journaalOpdracht(argc, argv);
    // The command line is read before the window system is reached, so that help, version
    // and a mistake on it are answered without a display as well. A mistake next to an option
    // of the window system waits for the full application, which takes those away first.
    {
        QCoreApplication kern(argc, argv);
        zetNamen();
        const Opdracht opdracht = leesOpdracht();
        if (opdracht.klaar && !(opdracht.fout && vraagtVensterOptie(argc, argv)))
            return schrijfUitvoer(opdracht);
    }

    QApplication app(argc, argv);
    zetNamen();
    const Opdracht opdracht = leesOpdracht();
    if (opdracht.klaar)
        return schrijfUitvoer(opdracht);

    // Test and measurement hooks: the fault tests and the benchmarks run this program as a
    // child process and set these; an operator never does.
    //   QUINTARO_TIJDSCHAAL=x  scales every pause of the program by x (default 1).
    //   QUINTARO_AUTODRAW=n    makes n draws one after another once the window is up, each
    //                          started as a click on the left start arrow starts one.
    bool schaalGelezen = false;
    const double tijdSchaal = qEnvironmentVariable("QUINTARO_TIJDSCHAAL").toDouble(&schaalGelezen);
    const int autoTrekkingen = qEnvironmentVariableIntValue("QUINTARO_AUTODRAW");
    // The directory the files are written to is made when it does not exist yet.
    QDir().mkpath(opdracht.paden.gegevensMap);
    // One Quintaro per folder, decided before anything in it is read or written.
    const Mapslot slot(opdracht.paden.slot());
    if (!eersteInMap(slot, opdracht.paden))
        return 1;

    // Watched from before the window exists: a signal that comes early waits on the loop.
    SignaalWachter signalen;

    // Every screen gets its scale factor before the window is made, so the window is laid
    // out in the screen's logical pixels (a 3840 x 2160 screen at factor 2 has 1920 x 1080).
    SchermSchaal schermSchaal(opdracht.schaal);
    // The audience's screen, and the operator's when there are two or more, or when asked.
    const QList<QScreen*> schermen = QGuiApplication::screens();
    const Schermkeuze keuze =
        Schermkeuze::kies(static_cast<int>(schermen.size()), opdracht.bediening, opdracht.scherm);
    if (keuze.gevraagdOnbekend) {
        const QString melding =
            schermen.size() == 1
                ? Hoofdvenster::tr("quintaro: scherm %1 bestaat niet; er is maar één scherm\n")
                      .arg(opdracht.scherm)
                : Hoofdvenster::tr("quintaro: scherm %1 bestaat niet; er zijn %2 schermen\n")
                      .arg(opdracht.scherm)
                      .arg(schermen.size());
        std::fputs(qPrintable(melding), stderr);
    }
    QScreen* scherm = schermen.value(keuze.publiek, QGuiApplication::primaryScreen());
    const QSize schermPixels = scherm ? scherm->size() : QSize(1024, 768);
    Hoofdvenster venster(opdracht.paden, schermPixels, opdracht.hervat,
                         opdracht.loterij ? &*opdracht.loterij : nullptr);
    std::unique_ptr<Bedieningsvenster> bediening;
    if (keuze.bediening >= 0)
        bediening = std::make_unique<Bedieningsvenster>(venster);
    if (schaalGelezen && tijdSchaal > 0)
        venster.pauze().setTijdSchaal(tijdSchaal);
    QObject::connect(&venster, &Hoofdvenster::afgesloten, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // Termination signals (kill, the terminal closing, Ctrl+C) close the window the same way,
    // so the settings and the list are saved; one during the closing sequence changes nothing.
    QObject::connect(&signalen, &SignaalWachter::beeindigen, &venster, [&venster] {
        if (!venster.pauze().sluit())
            venster.close();
    });
    // Logging out closes the window like its close box does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &venster,
                     [&venster](QSessionManager&) { venster.close(); });

    // The voice and the board, when asked for on the command line.
    venster.zaal().zetStemAan(opdracht.stem);
    venster.zaal().zetBordAan(opdracht.bord);

    // Documentation pictures of picture mode.
    if (qEnvironmentVariableIntValue("QUINTARO_ROLSOORT") == 1)
        venster.instellingen().kiesRolSoort(1);

    // The live view: off unless --web asks for it or the operator switches it on; the QR code
    // of its page on the audience's window (Q).
    Liveweergave live(venster.trekking(), venster.instellingen(), opdracht.paden.journaal(),
                      Taal::huidige());
    auto* qr = new QrVak(&venster, venster.toetsBron());
    QObject::connect(&live, &Liveweergave::paginaAdresGewijzigd, qr, &QrVak::zetAdres);
    QObject::connect(&live, &Liveweergave::foutGemeld, [](const QString& tekst) {
        std::fputs(qPrintable(QStringLiteral("quintaro: ") + tekst + u'\n'), stderr);
    });
    if (bediening)
        bediening->voegOnderdeelToe(new LiveSchakelaar(live));
    if (opdracht.web) {
        live.zetAdres(*opdracht.web);
        qr->zetGewenst(live.start());
    }

    Vensterplaatsing plaatsing(venster, bediening.get());
    plaatsing.toon(scherm, schermen.value(keuze.bediening));
    meldJournaal(venster);

    if (autoTrekkingen > 0) {
        QTimer::singleShot(0, &venster, [&venster, autoTrekkingen] {
            StartBediening& start = venster.startBediening();
            for (int i = 0; i < autoTrekkingen && !venster.pauze().sluit(); ++i)
                start.pijlGeklikt(start.pijlLinks());
        });
    }

    if (!opdracht.schermafdruk.isEmpty()) {
        const QString bestand = opdracht.schermafdruk;
        QTimer::singleShot(800, &venster, [&venster, &bediening, bestand] {
            const auto bewaar = [](QWidget& w, const QString& pad) {
                if (!w.grab().save(pad, "PNG"))
                    std::fputs(qPrintable(Hoofdvenster::tr("quintaro: kan %1 niet schrijven\n")
                                              .arg(QDir::toNativeSeparators(pad))),
                               stderr);
            };
            bewaar(venster, bestand);
            if (bediening) {
                const QFileInfo info(bestand);
                bewaar(*bediening, info.dir().filePath(info.completeBaseName() +
                                                       QStringLiteral("-bediening.png")));
            }
            venster.close();
        });
    }
    return app.exec();
}
