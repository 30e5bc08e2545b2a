#include "draw/rollogica.h"

#include <algorithm>

namespace {

// The value a roller shows for one character of the number text: a digit its value,
// anything else (the minus sign) 0.
int cijferWaarde(QChar teken) {
    if (teken >= QLatin1Char('0') && teken <= QLatin1Char('9'))
        return teken.unicode() - u'0';
    return 0;
}

// The strip has 12 cells of 202 pixels; cell k shows digit k, cells 10 and 11 repeat 0 and 1.
constexpr int celHoogte = 202;
// A spinning roller moves 20 pixels per tick and jumps back to the top at 2120.
constexpr int tickStap = 20;
constexpr int omslag = 2120;

} // namespace

int aantalRollen(qint32 laagste, qint32 hoogste) {
    // The longest text of a range is that of one of its ends.
    const auto lengte = std::max(QString::number(laagste).size(), QString::number(hoogste).size());
    return static_cast<int>(std::clamp<qsizetype>(lengte, 4, kMaxRollen));
}

std::vector<int> splitsCijfers(const QString& nummerTekst, int aantal) {
    // Right-aligned: the leading rollers that get no character show 0.
    std::vector<int> cijfers(static_cast<std::size_t>(std::max(aantal, 0)), 0);
    const qsizetype lengte = nummerTekst.size();
    for (qsizetype i = 0; i < aantal && i < lengte; ++i)
        cijfers[static_cast<std::size_t>(aantal - 1 - i)] =
            cijferWaarde(nummerTekst[lengte - 1 - i]);
    return cijfers;
}

int stopPositie(int cijfer, int vorige) {
    if (cijfer < 0 || cijfer > 9)
        return vorige;
    // 0 stops on the repeated 0 in cell 10, below the 9, so it slides in from the 9.
    return cijfer == 0 ? 10 * celHoogte : cijfer * celHoogte;
}

int tekstX(int nummerLengte, int vorige) {
    switch (nummerLengte) {
    case 1:
        return 220;
    case 2:
        return 160;
    case 3:
        return 110;
    case 4:
        return 60;
    default:
        return vorige;
    }
}

int scorePunten(const QString& nummerTekst) {
    // Three of a kind: "111" .. "999" exactly; three tomatoes earn nothing.
    if (nummerTekst.size() == 3 && nummerTekst[0] == nummerTekst[1] &&
        nummerTekst[1] == nummerTekst[2] && nummerTekst[0] >= QLatin1Char('1') &&
        nummerTekst[0] <= QLatin1Char('9'))
        return 100 * cijferWaarde(nummerTekst[0]);

    // Pairs: a is the first character, b the second (none for a one-character text), c the
    // last. Only neighbours count: (a, b) or (b, c).
    if (nummerTekst.size() < 2)
        return 0;
    const QChar a = nummerTekst.front();
    const QChar b = nummerTekst[1];
    const QChar c = nummerTekst.back();
    if (b == QLatin1Char('0') && c == QLatin1Char('0'))
        return 5;
    if (b >= QLatin1Char('1') && b <= QLatin1Char('9') && (a == b || b == c))
        return 10 * cijferWaarde(b);
    return 0;
}

int volgendePositie(int positie) {
    const int volgende = positie + tickStap;
    return volgende == omslag ? 0 : volgende;
}

QString tellerTekst(qint32 aantalTrekkingen, qint32 hoogsteNummer) {
    return QString::number(aantalTrekkingen) + u'/' + QString::number(hoogsteNummer);
}
