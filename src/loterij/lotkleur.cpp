#include "loterij/lotkleur.h"

#include <QRegularExpression>

#include <array>

namespace {

struct Benoemd {
    const char* nederlands;
    const char* engels;
    const char* engels2; // a second spelling, or nullptr
    QRgb rgb;
};

// The colours of the paper that ticket books are printed on, kept clear enough for a projector.
constexpr std::array<Benoemd, 16> kKleuren = {{
    {"blauw", "blue", nullptr, 0x2f6fd0},
    {"lichtblauw", "light blue", "lightblue", 0x8cc8f0},
    {"roze", "pink", nullptr, 0xf08cc0},
    {"geel", "yellow", nullptr, 0xf5d824},
    {"groen", "green", nullptr, 0x3aa655},
    {"lichtgroen", "light green", "lightgreen", 0xa8e08c},
    {"rood", "red", nullptr, 0xd8322c},
    {"oranje", "orange", nullptr, 0xf28c1e},
    {"paars", "purple", nullptr, 0x8a4fc0},
    {"lila", "lilac", nullptr, 0xc8a2e0},
    {"wit", "white", nullptr, 0xffffff},
    {"grijs", "grey", "gray", 0x9a9a9a},
    {"zwart", "black", nullptr, 0x000000},
    {"bruin", "brown", nullptr, 0x8b5a2b},
    {"beige", "beige", nullptr, 0xe8d8b0},
    {"goud", "gold", nullptr, 0xd4a82a},
}};

} // namespace

std::optional<QColor> lotKleur(const QString& naam) {
    const QString n = naam.simplified().toLower();
    static const QRegularExpression hex(QStringLiteral("^#[0-9a-f]{6}$"));
    if (hex.match(n).hasMatch())
        return QColor(n);
    for (const Benoemd& k : kKleuren) {
        if (n == QLatin1String(k.nederlands) || n == QLatin1String(k.engels) ||
            (k.engels2 && n == QLatin1String(k.engels2)))
            return QColor::fromRgb(k.rgb);
    }
    return std::nullopt;
}

QStringList lotKleurNamen() {
    QStringList namen;
    for (const Benoemd& k : kKleuren)
        namen << QString::fromLatin1(k.nederlands);
    return namen;
}
