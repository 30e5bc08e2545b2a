#include "app/startup.h"

#include "app/mainwindow.h"
#include "app/state.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>

int quintaroStart(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintaro"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTARO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quintaro draws numbers at random in front of an audience."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dirOptie(
        QStringLiteral("dir"),
        QStringLiteral("Use <path> as the program directory (settings, drawn list, Sounds, "
                       "Backgrounds)."),
        QStringLiteral("path"));
    const QCommandLineOption schermafdrukOptie(
        QStringLiteral("screenshot"),
        QStringLiteral("Start, save a PNG picture of the whole window to <file>, then close."),
        QStringLiteral("file"));
    parser.addOption(dirOptie);
    parser.addOption(schermafdrukOptie);
    parser.process(app);

    Toestand toestand;
    const QString map = parser.isSet(dirOptie) ? QDir(parser.value(dirOptie)).absolutePath()
                                               : QCoreApplication::applicationDirPath();
    QDir().mkpath(map);
    toestand.paden.programmaMap = map;
    toestand.paden.gegevensMap = map;

    QScreen* scherm = QGuiApplication::primaryScreen();
    const QSize schermPixels = scherm ? scherm->size() : QSize(1024, 768);
    Hoofdvenster venster(toestand, schermPixels);
    QObject::connect(&venster, &Hoofdvenster::afgesloten, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // Logging out closes the window like its close box does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &venster,
                     [&venster](QSessionManager&) { venster.close(); });

    // Documentation pictures of picture mode.
    if (qEnvironmentVariableIntValue("QUINTARO_ROLSOORT") == 1)
        venster.kiesRolSoort(1);

    venster.showFullScreen();

    if (parser.isSet(schermafdrukOptie)) {
        const QString bestand = parser.value(schermafdrukOptie);
        QTimer::singleShot(800, &venster, [&venster, bestand] {
            const QPixmap beeld = venster.grab();
            if (!beeld.save(bestand, "PNG"))
                std::fprintf(stderr, "quintaro: cannot write %s\n", qPrintable(bestand));
            venster.close();
        });
    }
    return app.exec();
}
