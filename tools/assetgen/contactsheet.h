#pragma once

#include <QString>

// One picture of all artwork, for looking it over: the drawings of `kunst` as the program
// uses them (the roller strips, the prize table, the buttons, arrows and icons from
// `plaatjes`), the prize-table glyphs enlarged, and the background pictures of
// `achtergronden`. Returns whether the picture could be written to `uit`.
bool maakContactBlad(const QString& kunst, const QString& plaatjes, const QString& achtergronden,
                     const QString& uit);
