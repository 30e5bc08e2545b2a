#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>
#include <optional>

// Which of a speech engine's voices reads the numbers out. An engine often has several
// variants of one language (English of Great Britain, of America, of the Caribbean); the
// hall hears the one of the system's own country first, then the language's plain one.
namespace StemKeuze {

// Of the engine's languages `beschikbaar`, the one for the program's language `taal` on a
// system set to `systeem`: of the same language, first the system's country (when the system
// speaks that language), then the country `taal` has of itself (the United States for plain
// English, the Netherlands for Dutch), then one without a country, then the first there is.
// Nothing when the engine has no voice of that language.
std::optional<QLocale> taal(const QList<QLocale>& beschikbaar, const QLocale& taal,
                            const QLocale& systeem);

// Of the names of the voices the engine offers for `gekozen`, the index of the one that
// names its country ("English (America)" for en_US, "English (Great Britain)" for en_GB);
// without one, the first whose name names no other country in brackets; -1 when the names
// say nothing either way (the engine's own choice stands).
qsizetype stem(const QStringList& namen, const QLocale& gekozen);

} // namespace StemKeuze
