#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The clock text: a blank, the time as h:mm:ss with the locale's time separator, " / ",
// and the date in the locale's short date form.
QString klokTekst(const QTime& tijd, const QDate& datum, const QLocale& locale = QLocale());
