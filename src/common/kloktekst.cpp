#include "common/kloktekst.h"

namespace {

// The character between the hours and the minutes of the locale's short time format,
// e.g. ':' for "HH:mm" or '.' for "H.mm". Quoted text and blanks are skipped; a format
// without one gives ':'.
QChar tijdScheiding(const QLocale& locale) {
    const QString formaat = locale.timeFormat(QLocale::ShortFormat);
    bool inUur = false;
    bool naUur = false;
    bool tussenAanhalingstekens = false;
    for (const QChar teken : formaat) {
        if (teken == QLatin1Char('\'')) {
            tussenAanhalingstekens = !tussenAanhalingstekens;
            continue;
        }
        if (tussenAanhalingstekens)
            continue;
        if (teken == QLatin1Char('h') || teken == QLatin1Char('H')) {
            inUur = true;
            continue;
        }
        if (inUur)
            naUur = true;
        if (!naUur)
            continue;
        if (teken == QLatin1Char('m'))
            break;
        if (!teken.isLetter() && !teken.isSpace())
            return teken;
    }
    return QLatin1Char(':');
}

QString tweeCijfers(int waarde) {
    return QStringLiteral("%1").arg(waarde, 2, 10, QLatin1Char('0'));
}

} // namespace

QString klokTekst(const QTime& tijd, const QDate& datum, const QLocale& locale) {
    const QChar scheiding = tijdScheiding(locale);
    QString tekst = QStringLiteral(" ");
    tekst += QString::number(tijd.hour());
    tekst += scheiding;
    tekst += tweeCijfers(tijd.minute());
    tekst += scheiding;
    tekst += tweeCijfers(tijd.second());
    tekst += QStringLiteral(" / ");
    tekst += locale.toString(datum, QLocale::ShortFormat);
    return tekst;
}
