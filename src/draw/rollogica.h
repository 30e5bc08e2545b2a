#pragma once

#include <QString>
#include <vector>

// The most rollers a range gets: a 32-bit number has up to ten digits.
inline constexpr int kMaxRollen = 10;

// The rollers a range of digit rollers gets: one per character of its longest number (the minus
// sign counts, as it takes a roller), at least four and at most kMaxRollen.
int aantalRollen(qint32 laagste, qint32 hoogste);

// The digits on which `aantal` rollers stop, right-aligned with leading zeros. A minus sign
// counts as 0. Of a text longer than `aantal` the rollers show the last characters: only the
// minus sign of the longest negative numbers (eleven characters) then stays off the rollers.
std::vector<int> splitsCijfers(const QString& nummerTekst, int aantal);

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
