#include "draw/rollogica.h"

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

std::array<int, 4> splitsCijfers(const QString& nummerTekst, const std::array<int, 4>& vorige) {
    const qsizetype lengte = nummerTekst.size();
    if (lengte < 1 || lengte > 4)
        return vorige;
    // Right-aligned: the leading rollers that get no character show 0.
    std::array<int, 4> cijfers{0, 0, 0, 0};
    const qsizetype begin = 4 - lengte;
    for (qsizetype i = 0; i < lengte; ++i)
        cijfers[static_cast<std::size_t>(begin + i)] = cijferWaarde(nummerTekst[i]);
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
