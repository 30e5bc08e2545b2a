#include "common/eenheden.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

int naarPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect naarPixels(const QRect& twips) {
    return QRect(naarPixels(twips.x()), naarPixels(twips.y()), naarPixels(twips.width()),
                 naarPixels(twips.height()));
}

int puntenNaarPixels(double punten) {
    return static_cast<int>(std::lround(punten * 96.0 / 72.0));
}

QFont arial(double punten, bool vet) {
    QFont f;
    const QStringList families = QFontDatabase::families();
    if (families.contains(QStringLiteral("Arial")))
        f.setFamily(QStringLiteral("Arial"));
    else
        f.setFamily(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(puntenNaarPixels(punten));
    f.setBold(vet);
    return f;
}
