// Where the files go: the program directory, the user's data directory and --dir; the
// command line that chooses them.
#include "app/opdracht.h"
#include "app/taal.h"
#include "common/paden.h"
#include "common/toetsenoverzicht.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

void maakBestand(const QString& pad) {
    QDir().mkpath(QFileInfo(pad).path());
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

QStringList inhoud(const QString& map) {
    return QDir(map).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestPaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Taal::kies(QStringLiteral("nl")); }

    void writableProgramDirectoryKeepsEverything() {
        QTemporaryDir programma;
        QTemporaryDir gebruiker;
        const Paden p = kiesPaden(programma.path(), QString(), gebruiker.path());
        QCOMPARE(p.programmaMap, programma.path());
        QCOMPARE(p.gegevensMap, programma.path());
        QCOMPARE(p.instellingen(), programma.filePath("Quintaro.ini"));
        QCOMPARE(p.lijst(), programma.filePath("Lijstnummers.txt"));
        // The trial file is gone again.
        QVERIFY(inhoud(programma.path()).isEmpty());
    }

    void unwritableProgramDirectoryWritesToTheUser() {
        QTemporaryDir gebruiker;
        // /proc cannot be written, not even by the administrator.
        const Paden p = kiesPaden(QStringLiteral("/proc"), QString(), gebruiker.path());
        QCOMPARE(p.programmaMap, QStringLiteral("/proc"));
        QCOMPARE(p.gegevensMap, gebruiker.path());
        QCOMPARE(p.instellingen(), gebruiker.filePath("Quintaro.ini"));
        QCOMPARE(p.lijst(), gebruiker.filePath("Lijstnummers.txt"));
        // Reading stays with the program.
        QCOMPARE(p.geluid("klik.wav"), QStringLiteral("/proc/Sounds/klik.wav"));
        QCOMPARE(p.handleiding(QStringLiteral("nl")), QStringLiteral("/proc/Quintaro.pdf"));
        QCOMPARE(p.achtergronden(), QStringLiteral("/proc/Backgrounds"));
    }

    void missingProgramDirectoryCountsAsUnwritable() {
        QTemporaryDir map;
        const QString weg = map.filePath("bestaat-niet");
        QVERIFY(!mapIsBeschrijfbaar(weg));
        QVERIFY(!QFileInfo::exists(weg)); // trying does not create it
        // A file is no directory.
        maakBestand(map.filePath("bestand"));
        QVERIFY(!mapIsBeschrijfbaar(map.filePath("bestand")));
        QVERIFY(!mapIsBeschrijfbaar(QString()));
        QCOMPARE(kiesPaden(weg, QString(), map.path()).gegevensMap, map.path());
    }

    void writabilityIsTriedNotReadOffThePermissions() {
        QTemporaryDir map;
        QVERIFY(QFile::setPermissions(map.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                      QFile::ReadGroup | QFile::ExeGroup));
        // The administrator writes into a read-only directory all the same; others cannot.
        const bool beheerder = ::geteuid() == 0;
        QCOMPARE(mapIsBeschrijfbaar(map.path()), beheerder);
        QCOMPARE(kiesPaden(map.path(), QString(), QStringLiteral("/elders")).gegevensMap,
                 beheerder ? map.path() : QStringLiteral("/elders"));
        QVERIFY(QFile::setPermissions(map.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(inhoud(map.path()).isEmpty());
    }

    void dirOptionOverridesBoth() {
        QTemporaryDir programma;
        QTemporaryDir gekozen;
        Paden p = kiesPaden(programma.path(), gekozen.path(), QStringLiteral("/elders"));
        QCOMPARE(p.programmaMap, gekozen.path());
        QCOMPARE(p.gegevensMap, gekozen.path());
        // Also when that directory cannot be written: the operator asked for it.
        p = kiesPaden(programma.path(), QStringLiteral("/proc"), QStringLiteral("/elders"));
        QCOMPARE(p.gegevensMap, QStringLiteral("/proc"));
        // A relative --dir is taken from the current directory.
        p = kiesPaden(programma.path(), QStringLiteral("relatief"), QStringLiteral("/elders"));
        QCOMPARE(p.programmaMap, QDir::current().absoluteFilePath("relatief"));
    }

    void backgroundFoldersProgramFirst() {
        Paden p;
        p.programmaMap = QStringLiteral("/opt/q");
        p.gegevensMap = QStringLiteral("/home/u/.local/share/Quintaro");
        QCOMPARE(p.achtergrondMappen(),
                 (QStringList{"/opt/q/Backgrounds", "/home/u/.local/share/Quintaro/Backgrounds"}));
        p.gegevensMap = QStringLiteral("/opt/q/");
        QCOMPARE(p.achtergrondMappen(), QStringList{"/opt/q/Backgrounds"});
    }

    void backgroundPicturesOfBothFolders() {
        QTemporaryDir programma;
        QTemporaryDir gebruiker;
        for (const char* naam : {"b.jpg", "A.JPG", "c.gif", "d.bmp", "notitie.txt", "e.png"})
            maakBestand(programma.filePath(QStringLiteral("Backgrounds/") + naam));
        QDir().mkpath(programma.filePath("Backgrounds/map.jpg")); // a folder, not a picture
        for (const char* naam : {"eigen.jpg", "B.jpg"})
            maakBestand(gebruiker.filePath(QStringLiteral("Backgrounds/") + naam));
        Paden p;
        p.programmaMap = programma.path();
        p.gegevensMap = gebruiker.path();
        const QString pb = programma.filePath("Backgrounds/");
        const QString gb = gebruiker.filePath("Backgrounds/");
        QCOMPARE(p.achtergrondBestanden(),
                 (QStringList{pb + "A.JPG", pb + "b.jpg", pb + "c.gif", pb + "d.bmp", gb + "B.jpg",
                              gb + "eigen.jpg"}));
        // One directory for both: its pictures once.
        p.gegevensMap = programma.path();
        QCOMPARE(p.achtergrondBestanden().size(), 4);
        // No folders at all: nothing.
        p.programmaMap = programma.filePath("weg");
        p.gegevensMap = gebruiker.filePath("weg");
        QVERIFY(p.achtergrondBestanden().isEmpty());
    }

    void commandLineChoosesDirectories() {
        QTemporaryDir programma;
        QTemporaryDir gekozen;
        Opdracht o = leesOpdrachtregel({"quintaro"}, programma.path(), "/elders");
        QVERIFY(!o.klaar);
        QCOMPARE(o.paden.gegevensMap, programma.path());
        QVERIFY(o.schermafdruk.isEmpty());

        o = leesOpdrachtregel({"quintaro", "--dir", gekozen.path(), "--screenshot", "s.png"},
                              programma.path(), "/elders");
        QVERIFY(!o.klaar);
        QCOMPARE(o.paden.programmaMap, gekozen.path());
        QCOMPARE(o.paden.gegevensMap, gekozen.path());
        QCOMPARE(o.schermafdruk, QStringLiteral("s.png"));

        o = leesOpdrachtregel({"quintaro"}, QStringLiteral("/proc"), "/elders");
        QCOMPARE(o.paden.programmaMap, QStringLiteral("/proc"));
        QCOMPARE(o.paden.gegevensMap, QStringLiteral("/elders"));
    }

    void helpSaysWhereTheFilesGo() {
        const Opdracht o =
            leesOpdrachtregel({"quintaro", "--help"}, QStringLiteral("/proc"), "/home/u/data");
        QVERIFY(o.klaar);
        QVERIFY(!o.fout);
        QCOMPARE(o.eindCode, 0);
        QVERIFY(o.uitvoer.startsWith("Gebruik: quintaro [opties]\n"));
        for (const char* optie : {"--help", "--version", "--lang", "--dir", "--screenshot",
                                  "--stem", "--bord", "--schaal"})
            QVERIFY2(o.uitvoer.contains(QLatin1String(optie)), optie);
        // The directory read from, then the one written to, then the user's.
        const qsizetype lezen = o.uitvoer.indexOf(
            "gelezen uit:\n    /proc/Sounds\n    /proc/Backgrounds\n    /proc/Quintaro.pdf\n");
        const qsizetype schrijven = o.uitvoer.indexOf(
            "naar:\n    /home/u/data/Quintaro.ini\n    /home/u/data/Lijstnummers.txt\n");
        QVERIFY(lezen > 0);
        QVERIFY(schrijven > lezen);
        // Last the user's data directory, and that its Backgrounds folder is read as well.
        const qsizetype gebruiker = o.uitvoer.indexOf("gebruiker:\n    /home/u/data\n");
        QVERIFY(gebruiker > schrijven);
        QVERIFY(o.uitvoer.mid(gebruiker).simplified().contains(
            QLatin1String("de map Backgrounds in die gegevensmap")));
        // No line is wider than a terminal of 92 columns.
        for (const QString& regel : o.uitvoer.split(u'\n'))
            QVERIFY2(regel.size() <= 92, qPrintable(regel));
    }

    // The manual in the program's language, in the help as well; the Dutch one when the
    // program directory has no English one.
    void manualInTheProgramsLanguage_data() {
        QTest::addColumn<QString>("taal");
        QTest::addColumn<bool>("engelsErbij");
        QTest::addColumn<QString>("handleiding");
        QTest::newRow("nl") << "nl" << true << "Quintaro.pdf";
        QTest::newRow("en") << "en" << true << "Quintaro-en.pdf";
        QTest::newRow("en, missing") << "en" << false << "Quintaro.pdf";
    }
    void manualInTheProgramsLanguage() {
        QFETCH(QString, taal);
        QFETCH(bool, engelsErbij);
        QFETCH(QString, handleiding);
        QTemporaryDir programma;
        maakBestand(programma.filePath("Quintaro.pdf"));
        if (engelsErbij)
            maakBestand(programma.filePath("Quintaro-en.pdf"));
        const Opdracht o =
            leesOpdrachtregel({"quintaro", "--lang", taal, "--help"}, programma.path(), "/data");
        const QString pad = programma.filePath(handleiding);
        QCOMPARE(o.paden.handleiding(Taal::huidige()), pad);
        QVERIFY2(o.uitvoer.contains("\n    " + pad + "\n"), qPrintable(o.uitvoer));
    }

    // The voice and the board: off unless asked for, and every key the program answers to in
    // the help, under its keys heading, before the files.
    void voiceBoardAndKeys() {
        Opdracht o = leesOpdrachtregel({"quintaro"}, "/proc", "/data");
        QVERIFY(!o.klaar && !o.stem && !o.bord);
        o = leesOpdrachtregel({"quintaro", "--bord"}, "/proc", "/data");
        QVERIFY(!o.klaar && !o.stem && o.bord);
        o = leesOpdrachtregel({"quintaro", "--stem", "--bord", "--dir", "/tmp"}, "/proc", "/data");
        QVERIFY(!o.klaar && o.stem && o.bord);
        o = leesOpdrachtregel({"quintaro", "--stem=ja"}, "/proc", "/data");
        QVERIFY(o.klaar && o.fout); // a switch takes no value

        o = leesOpdrachtregel({"quintaro", "--help"}, "/proc", "/data");
        const qsizetype toetsen = o.uitvoer.indexOf(QLatin1String("\nToetsen:\n"));
        const qsizetype bestanden = o.uitvoer.indexOf(QLatin1String("\nBestanden:\n"));
        QVERIFY(toetsen > 0 && bestanden > toetsen);
        const QString deel = o.uitvoer.mid(toetsen, bestanden - toetsen);
        const auto regels = ToetsenOverzicht::regels();
        QCOMPARE(deel.count(QRegularExpression(QStringLiteral("\\n  \\S"))), regels.size());
        for (const auto& r : regels) {
            QVERIFY2(deel.contains(QStringLiteral("\n  ") + r.toets + u' '), qPrintable(r.toets));
            QVERIFY2(deel.simplified().contains(r.uitleg), qPrintable(r.uitleg));
        }
    }

    void helpWithDirNamesThatDirectory() {
        const Opdracht o =
            leesOpdrachtregel({"quintaro", "--dir", "/srv/trekking", "-h"}, "/proc", "/data");
        QVERIFY(o.uitvoer.contains("gelezen uit:\n    /srv/trekking/Sounds\n"));
        QVERIFY(o.uitvoer.contains("naar:\n    /srv/trekking/Quintaro.ini\n"));
    }

    void versionAndMistakes() {
        Opdracht o = leesOpdrachtregel({"quintaro", "--version"}, "/proc", "/data");
        QVERIFY(o.klaar && !o.fout);
        QCOMPARE(o.uitvoer, QStringLiteral("Quintaro " QUINTARO_VERSION "\n"));

        o = leesOpdrachtregel({"quintaro", "--onbekend"}, "/proc", "/data");
        QVERIFY(o.klaar && o.fout);
        QCOMPARE(o.eindCode, 1);
        QVERIFY(o.uitvoer.contains("onbekend"));
        QVERIFY(o.uitvoer.contains("quintaro --help"));

        o = leesOpdrachtregel({"quintaro", "--dir"}, "/proc", "/data");
        QVERIFY(o.klaar && o.fout);

        o = leesOpdrachtregel({"quintaro", "--dir", ""}, "/proc", "/data");
        QVERIFY(o.klaar && o.fout);
        QVERIFY(o.uitvoer.contains("--dir"));

        // Help still helps when something else on the line is wrong.
        o = leesOpdrachtregel({"quintaro", "-platform", "offscreen", "--help"}, "/proc", "/data");
        QVERIFY(o.klaar && !o.fout);
        QVERIFY(o.uitvoer.startsWith("Gebruik:"));
    }

    void scaleFactorOption() {
        QVERIFY(!leesOpdrachtregel({"quintaro"}, "/proc", "/data").schaal);
        QCOMPARE(leesOpdrachtregel({"quintaro", "--schaal", "1,5"}, "/proc", "/data").schaal, 1.5);
        QCOMPARE(leesOpdrachtregel({"quintaro", "--schaal=2"}, "/proc", "/data").schaal, 2.0);
        // Out of 0.5 to 8, or no number: a mistake of the command line, in the chosen language.
        for (const char* fout : {"0.49", "8.01", "nan", "2x", ""}) {
            const Opdracht o = leesOpdrachtregel({"quintaro", "--schaal", fout}, "/proc", "/data");
            QVERIFY2(o.klaar && o.fout && o.eindCode == 1, fout);
            QCOMPARE(o.uitvoer, QStringLiteral("quintaro: --schaal vraagt een getal van 0,5 tot 8, "
                                               "niet \"%1\"\n")
                                    .arg(fout));
        }
        const Opdracht o =
            leesOpdrachtregel({"quintaro", "--lang", "en", "--schaal", "9"}, "/proc", "/data");
        QCOMPARE(o.uitvoer, QStringLiteral("quintaro: --schaal needs a number from 0.5 to 8, not "
                                           "\"9\"\n"));
    }

    // The real program without any display: a mistake on the command line is told, in the
    // chosen language, with exit status 1, before the window system is asked for.
    void mistakesWithoutADisplay_data() {
        QTest::addColumn<QStringList>("argumenten");
        QTest::addColumn<QString>("melding");
        QTest::newRow("screen no number")
            << QStringList{"--scherm", "abc"} << "quintaro: --scherm vraagt een schermnummer";
        QTest::newRow("scale no number")
            << QStringList{"--schaal", "x"} << "quintaro: --schaal vraagt een getal van 0,5 tot 8";
        QTest::newRow("value missing")
            << QStringList{"--dir"} << "quintaro: --dir vraagt een waarde";
        QTest::newRow("value missing, English")
            << QStringList{"--lang", "en", "--scherm"} << "quintaro: --scherm needs a value";
        QTest::newRow("language missing")
            << QStringList{"--lang"} << "quintaro: --lang vraagt een waarde";
        QTest::newRow("unknown option")
            << QStringList{"--stem", "--zaal"} << "quintaro: onbekende optie --zaal";
        QTest::newRow("unknown option, English")
            << QStringList{"--lang", "en", "-q"} << "quintaro: unknown option -q";
    }
    void mistakesWithoutADisplay() {
        QFETCH(QStringList, argumenten);
        QFETCH(QString, melding);
        QProcess kind;
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        for (const char* weg : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            omgeving.remove(QLatin1String(weg));
        kind.setProcessEnvironment(omgeving);
        kind.start(QDir(qEnvironmentVariable("QUINTARO_PROGRAM_DIR")).filePath("quintaro"),
                   argumenten);
        QVERIFY(kind.waitForFinished(30000));
        const QString fout = QString::fromUtf8(kind.readAllStandardError());
        QCOMPARE(kind.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kind.exitCode(), 1);
        QVERIFY2(fout.startsWith(melding), qPrintable(fout));
        QVERIFY(kind.readAllStandardOutput().isEmpty());
    }

    void unknownLanguageIsRefusedAndChangesNothing() {
        const Opdracht o = leesOpdrachtregel({"quintaro", "--lang", "fr"}, "/proc", "/data");
        QVERIFY(o.klaar && o.fout);
        QVERIFY(o.uitvoer.contains("\"fr\""));
        QVERIFY(o.uitvoer.contains("nl, en"));
        QCOMPARE(Taal::huidige(), QStringLiteral("nl"));
        QVERIFY(!Taal::kies(QStringLiteral("")));
        QVERIFY(!Taal::kies(QStringLiteral("EN")));
    }

    void helpInEnglish() {
        const Opdracht o =
            leesOpdrachtregel({"quintaro", "--lang", "en", "--help"}, "/proc", "/home/u/data");
        QCOMPARE(Taal::huidige(), QStringLiteral("en"));
        QVERIFY(o.uitvoer.startsWith("Usage: quintaro [options]\n"));
        QVERIFY(o.uitvoer.contains("are read from:\n    /proc/Sounds\n"));
        QVERIFY(o.uitvoer.contains("are written to:\n    /home/u/data/Quintaro.ini\n"));
        for (const char* nederlands :
             {"Gebruik", "Opties", "Toont", "Bestanden", "gegevensmap", "worden", " de ", " het "})
            QVERIFY2(!o.uitvoer.contains(QLatin1String(nederlands)), nederlands);
        for (const QString& regel : o.uitvoer.split(u'\n'))
            QVERIFY2(regel.size() <= 92, qPrintable(regel));
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "test_paths.moc"
