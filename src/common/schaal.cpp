#include "common/schaal.h"

#include <QFile>
#include <QImageReader>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

// The resources hold every picture at 1, 2 and 3 times its size.
constexpr int kGrootsteVariant = 3;

// Differences below this are rounding, not scaling.
constexpr double kMarge = 1e-6;

// ":/images/exit.png" drawn at `n` times its size: ":/images/exit@2x.png".
QString variant(const QString& bron, int n) {
    if (n <= 1)
        return bron;
    const QString achtervoegsel = QStringLiteral("@%1x").arg(n);
    const qsizetype punt = bron.lastIndexOf(u'.');
    if (punt <= bron.lastIndexOf(u'/'))
        return bron + achtervoegsel;
    return bron.left(punt) + achtervoegsel + bron.mid(punt);
}

} // namespace

double kiesSchaal(const QSize& pixels, double bureaublad, std::optional<double> geforceerd) {
    if (geforceerd)
        return *geforceerd;
    if (bureaublad > 1.0 + kMarge)
        return bureaublad;
    const double breedte = pixels.width();
    const double hoogte = pixels.height();
    if (hoogte <= kSchaalGrens)
        return 1.0;
    return std::max(1.0, std::min(hoogte / kOntwerpHoogte, breedte / kKleinsteBreedte));
}

std::optional<double> leesSchaal(const QString& tekst) {
    QString getal = tekst.trimmed();
    getal.replace(u',', u'.');
    bool gelezen = false;
    const double schaal = QLocale::c().toDouble(getal, &gelezen);
    // Written so that NaN is refused as well.
    if (!gelezen || !(schaal >= kKleinsteSchaal && schaal <= kGrootsteSchaal))
        return std::nullopt;
    return schaal;
}

QSize opSchaal(const QSize& logisch, double schaal) {
    return QSize(static_cast<int>(std::lround(logisch.width() * schaal)),
                 static_cast<int>(std::lround(logisch.height() * schaal)));
}

QImage laadOpSchaal(const QString& bron, double schaal) {
    int n = std::clamp(static_cast<int>(std::ceil(schaal - kMarge)), 1, kGrootsteVariant);
    while (n > 1 && !QFile::exists(variant(bron, n)))
        --n;
    QImage beeld = QImageReader(variant(bron, n)).read();
    if (beeld.isNull())
        return {};
    const QSize logisch = beeld.size() / n;
    const QSize apparaat = opSchaal(logisch, schaal);
    if (beeld.size() != apparaat)
        beeld = beeld.scaled(apparaat, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    beeld.setDevicePixelRatio(schaal);
    return beeld;
}
