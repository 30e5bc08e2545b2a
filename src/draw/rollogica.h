#pragma once

#include <QString>
#include <array>

// The digits on which rollers 1 to 4 stop, right-aligned with leading zeros. A minus sign
// counts as 0. A text longer than four characters leaves `vorige` unchanged.
std::array<int, 4> splitsCijfers(const QString& nummerTekst, const std::array<int, 4>& vorige);

// Strip offset of the cell that shows a digit (0 stops on the repeated 0 below the 9);
// a digit outside 0..9 returns `vorige`.
int stopPositie(int cijfer, int vorige);

// Left edge of the printed result by the length of its text; other lengths return `vorige`.
int tekstX(int nummerLengte, int vorige);

// Points of a picture-mode result by the prize table.
int scorePunten(const QString& nummerTekst);

// One spinning tick: the next offset after `positie` (steps of 20, wrapping at 2120).
int volgendePositie(int positie);

// The counter of digit mode: the draws so far, a slash and the highest number ("3/9999").
QString tellerTekst(qint32 aantalTrekkingen, qint32 hoogsteNummer);
