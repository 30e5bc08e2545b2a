#pragma once

#include "app/paths.h"
#include "app/settings.h"
#include "common/drawnlist.h"
#include "common/pause.h"
#include "draw/numberchooser.h"

#include <QString>
#include <array>

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
