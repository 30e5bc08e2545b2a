#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

// The colours a book of raffle tickets can have in a raffle file: a fixed list of names in
// Dutch, each with its English alias ("roze" and "pink"), or "#rrggbb". Case and surrounding
// spaces do not matter. std::nullopt for anything else.
std::optional<QColor> lotKleur(const QString& naam);

// The Dutch names of the list, in its order (for messages and the documentation).
QStringList lotKleurNamen();
