#include "draw/bordletter.h"

#include "common/eenheden.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

// A bold font whose print of `voorbeeld` fits `ruimte`.
QFont passendFont(const QString& voorbeeld, const QSizeF& ruimte) {
    // The family is looked up once: the font database is slow to ask.
    static const QFont basis = arial(10, true);
    QFont f = basis;
    constexpr int kProef = 100;
    f.setPixelSize(kProef);
    const QFontMetricsF fm(f);
    const double breedte = std::max(1.0, fm.horizontalAdvance(voorbeeld));
    const double schaal = std::min(ruimte.width() / breedte, ruimte.height() / fm.capHeight());
    f.setPixelSize(std::max(1, static_cast<int>(std::floor(kProef * schaal))));
    return f;
}

// `tekst` centred in `r` on the height of its digits.
void drukMidden(QPainter& p, const QRectF& r, const QString& tekst) {
    const QFontMetricsF fm(p.font());
    const double x = r.center().x() - fm.horizontalAdvance(tekst) / 2.0;
    const double y = r.center().y() + fm.capHeight() / 2.0;
    p.drawText(QPointF(x, y), tekst);
}

// The text of `teksten` that prints widest in the board's font.
QString breedste(const QStringList& teksten) {
    static const QFont basis = arial(10, true);
    const QFontMetricsF fm(basis);
    QString uit;
    for (const QString& t : teksten) {
        if (fm.horizontalAdvance(t) > fm.horizontalAdvance(uit))
            uit = t;
    }
    return uit;
}

// White or near-black print, whichever stands out more on `vlak` (the contrast ratio of
// relative luminances), so a yellow or white ticket reads as well as a blue one.
QColor inktOp(const QColor& vlak) {
    const auto lineair = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double l = 0.2126 * lineair(vlak.redF()) + 0.7152 * lineair(vlak.greenF()) +
                     0.0722 * lineair(vlak.blueF());
    const double donker = 0.01; // the luminance of the dark print, about
    return (1.05 / (l + 0.05)) >= ((l + 0.05) / (donker + 0.05)) ? QColor(255, 255, 255)
                                                                 : QColor(25, 20, 10);
}
