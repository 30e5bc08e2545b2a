#pragma once

#include "app/settings.h"
#include "common/drawnlist.h"
#include "common/pause.h"
#include "draw/numberchooser.h"

#include <QDir>
#include <QString>
#include <array>

// Where the program finds its files: sounds, backgrounds and the help document lie in the
// program directory; the settings file and the drawn list are written to the data directory.
struct Paden {
    QString programmaMap;
    QString gegevensMap;

    QString instellingen() const {
        return QDir(gegevensMap).filePath(QStringLiteral("Quintaro.ini"));
    }
    QString lijst() const { return QDir(gegevensMap).filePath(QStringLiteral("Lijstnummers.txt")); }
    QString geluid(const char* naam) const {
        return programmaMap + QStringLiteral("/Sounds/") + QLatin1String(naam);
    }
    QString handleiding() const {
        return QDir(programmaMap).filePath(QStringLiteral("Quintaro.pdf"));
    }
    QString achtergronden() const {
        return QDir(programmaMap).filePath(QStringLiteral("Backgrounds"));
    }
};

// All state that both windows share: the settings record, the run-time switches and
// counters, the draw's working values, the drawn list and the pause routine.
class Toestand {
  public:
    Instellingen inst;
    Paden paden;

    bool GeluidAan = true;
    quint8 RolSoort = 0; // 0 = digit rollers, 1 = picture rollers
    qint32 AantalTrekkingen = 0;
    qint32 TotaalScore = 0;

    // The draw in progress.
    qint32 GetrokkenNummer = 0;
    QString NummerTekst;
    int NummerLengte = 0;
    std::array<int, 4> Cijfer{};
    std::array<int, 4> RolPositie{};
    int StopPositie = 0;
    int TekstX = 0;

    GetrokkenLijst lijst;
    NummerKiezer kiezer;
    Pauze pauze;
};
