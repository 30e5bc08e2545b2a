#include "common/getalwoorden.h"

#include <QStringList>
#include <array>
#include <utility>

namespace {

// --- Dutch ---------------------------------------------------------------------------------

constexpr std::array<const char*, 20> kNlEenheden{
    "nul",      "een",      "twee",    "drie",      "vier",     "vijf",     "zes",
    "zeven",    "acht",     "negen",   "tien",      "elf",      "twaalf",   "dertien",
    "veertien", "vijftien", "zestien", "zeventien", "achttien", "negentien"};
constexpr std::array<const char*, 10> kNlTientallen{
    "", "", "twintig", "dertig", "veertig", "vijftig", "zestig", "zeventig", "tachtig", "negentig"};

// 1 to 99, as it stands inside a longer word ("een", "eenentwintig", "tweeëntwintig").
QString nlTot100(int n) {
    if (n < 20)
        return QString::fromUtf8(kNlEenheden[static_cast<std::size_t>(n)]);
    const QString tiental = QString::fromLatin1(kNlTientallen[static_cast<std::size_t>(n / 10)]);
    if (n % 10 == 0)
        return tiental;
    const QString eenheid = QString::fromLatin1(kNlEenheden[static_cast<std::size_t>(n % 10)]);
    // "twee" + "en" would read as "tween": the trema splits the vowels.
    const QString en = eenheid.endsWith(u'e') ? QStringLiteral("ën") : QStringLiteral("en");
    return eenheid + en + tiental;
}

// 1 to 999, written together ("honderd", "honderdeen", "negenhonderdnegenennegentig").
QString nlTot1000(int n) {
    QString uit;
    const int honderdtallen = n / 100;
    if (honderdtallen > 1)
        uit += nlTot100(honderdtallen);
    if (honderdtallen > 0)
        uit += QStringLiteral("honderd");
    if (n % 100 != 0)
        uit += nlTot100(n % 100);
    return uit;
}

// A word that stands alone: one is "één".
QString nlLos(int n) {
    return n == 1 ? QStringLiteral("één") : nlTot1000(n);
}

QString nlPositief(qint64 n) {
    if (n == 0)
        return QStringLiteral("nul");
    QStringList woorden;
    const auto miljarden = static_cast<int>(n / 1'000'000'000);
    const auto miljoenen = static_cast<int>(n / 1'000'000 % 1000);
    const auto duizenden = static_cast<int>(n / 1000 % 1000);
    const auto rest = static_cast<int>(n % 1000);
    if (miljarden > 0)
        woorden << nlLos(miljarden) + QStringLiteral(" miljard");
    if (miljoenen > 0)
        woorden << nlLos(miljoenen) + QStringLiteral(" miljoen");
    if (duizenden > 0)
        woorden << (duizenden == 1 ? QString() : nlTot1000(duizenden)) + QStringLiteral("duizend");
    if (rest > 0)
        woorden << nlLos(rest);
    return woorden.join(u' ');
}

// --- English -------------------------------------------------------------------------------

constexpr std::array<const char*, 20> kEnEenheden{
    "zero",     "one",     "two",     "three",     "four",     "five",    "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<const char*, 10> kEnTientallen{
    "", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};

QString enTot1000(int n) {
    QStringList woorden;
    if (n >= 100)
        woorden << QString::fromLatin1(kEnEenheden[static_cast<std::size_t>(n / 100)]) +
                       QStringLiteral(" hundred");
    const int rest = n % 100;
    if (rest >= 20) {
        QString w = QString::fromLatin1(kEnTientallen[static_cast<std::size_t>(rest / 10)]);
        if (rest % 10 != 0)
            w += u'-' + QString::fromLatin1(kEnEenheden[static_cast<std::size_t>(rest % 10)]);
        woorden << w;
    } else if (rest > 0) {
        woorden << QString::fromLatin1(kEnEenheden[static_cast<std::size_t>(rest)]);
    }
    return woorden.join(u' ');
}

QString enPositief(qint64 n) {
    if (n == 0)
        return QStringLiteral("zero");
    static constexpr std::array<std::pair<qint64, const char*>, 3> kGroepen{
        {{1'000'000'000, " billion"}, {1'000'000, " million"}, {1000, " thousand"}}};
    QStringList woorden;
    for (const auto& [grootte, naam] : kGroepen) {
        const auto aantal = static_cast<int>(n / grootte % 1000);
        if (aantal > 0)
            woorden << enTot1000(aantal) + QString::fromLatin1(naam);
    }
    if (n % 1000 > 0)
        woorden << enTot1000(static_cast<int>(n % 1000));
    return woorden.join(u' ');
}

bool isNederlands(const QLocale& taal) {
    return taal.language() == QLocale::Dutch;
}

} // namespace

QString GetalWoorden::nederlands(qint32 getal) {
    // Widened first: the magnitude of the lowest value does not fit in 32 bits.
    const qint64 n = getal;
    return n < 0 ? QStringLiteral("min ") + nlPositief(-n) : nlPositief(n);
}

QString GetalWoorden::engels(qint32 getal) {
    const qint64 n = getal;
    return n < 0 ? QStringLiteral("minus ") + enPositief(-n) : enPositief(n);
}

QString GetalWoorden::inWoorden(qint32 getal, const QLocale& taal) {
    return isNederlands(taal) ? nederlands(getal) : engels(getal);
}

QString GetalWoorden::punten(qint32 aantal, const QLocale& taal) {
    const bool een = aantal == 1 || aantal == -1;
    if (isNederlands(taal))
        return nederlands(aantal) + (een ? QStringLiteral(" punt") : QStringLiteral(" punten"));
    return engels(aantal) + (een ? QStringLiteral(" point") : QStringLiteral(" points"));
}
