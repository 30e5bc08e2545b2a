#pragma once

#include "live/liveserver.h"

#include <QHash>
#include <QString>

// The files the live view serves from the program's resources (:/live/), keyed by their
// path on the server: the page for phones and laptops at "/", the overlay for a streaming
// program at "/overlay", and their script and style. The pages carry the interface
// language's texts, translated here like every other text of the program.
namespace Livepagina {

QHash<QString, Liveserver::Bestand> bestanden(const QString& taal);

} // namespace Livepagina
