#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// Where the program finds its files: sounds, backgrounds and the manuals lie in the
// program directory; the settings file and the drawn list are written to the data directory.
// A portable copy or the build folder uses one directory for both; an installed program,
// whose directory the user cannot write, keeps its written files in the user's data directory.
struct Paden {
    QString programmaMap;
    QString gegevensMap;

    QString instellingen() const {
        return QDir(gegevensMap).filePath(QStringLiteral("Quintaro.ini"));
    }
    QString lijst() const { return QDir(gegevensMap).filePath(QStringLiteral("Lijstnummers.txt")); }
    // The draw journal and the private file with the key of the series in progress, beside
    // the drawn list.
    QString journaal() const {
        return QDir(gegevensMap).filePath(QStringLiteral("Trekkingsjournaal.jsonl"));
    }
    QString journaalSleutel() const {
        return QDir(gegevensMap).filePath(QStringLiteral("Trekkingsjournaal.sleutel"));
    }
    // The lock that keeps a second Quintaro out of the data directory (Mapslot).
    QString slot() const { return QDir(gegevensMap).filePath(QStringLiteral("Quintaro.lock")); }
    QString geluid(const char* naam) const {
        return programmaMap + QStringLiteral("/Sounds/") + QLatin1String(naam);
    }
    // The manual in the language `taal` ("nl", "en"): Quintaro.pdf in Dutch, Quintaro-en.pdf
    // in English; the Dutch one when the program directory has none in that language.
    QString handleiding(const QString& taal) const;
    // The program's own Backgrounds folder.
    QString achtergronden() const {
        return QDir(programmaMap).filePath(QStringLiteral("Backgrounds"));
    }

    // Every folder whose pictures may serve as background: the program's Backgrounds folder
    // first, then the Backgrounds folder in the data directory when that is a different
    // directory. Folders are listed whether or not they exist.
    QStringList achtergrondMappen() const;
    // The pictures (*.jpg, *.gif, *.bmp, any case) in those folders as absolute paths: the
    // program's pictures first, each folder sorted by file name without regard to case.
    // Missing or unreadable folders add nothing.
    QStringList achtergrondBestanden() const;
    // The pictures the settings dialog offers: those of achtergrondBestanden(), or, when none
    // of the folders can be read, the pictures of the current directory.
    QStringList aangebodenAchtergronden() const;
};

// Whether a file can be created in `map`: tried with a temporary file that is removed at
// once, since permission bits say nothing for the administrator or for a read-only mount.
bool mapIsBeschrijfbaar(const QString& map);

// Chooses the directories. `dirOptie` (the --dir option; empty when not given) is used for
// everything. Otherwise everything is read from `programmaMap`, and the settings file and
// drawn list are written there as well when it is writable; when it is not, they go to
// `gebruikersMap`, the user's data directory for the program. Returned paths are absolute.
Paden kiesPaden(const QString& programmaMap, const QString& dirOptie, const QString& gebruikersMap);
