#include "app/schermschaal.h"

#include "common/schaal.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>

namespace {

// The factor of QT_SCALE_FACTOR, which Qt multiplies with every screen's own.
double globaleFactor() {
    bool gelezen = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&gelezen);
    return gelezen && factor > 0 ? factor : 1.0;
}

// The factors given, by screen name. Qt keeps a factor for a screen that comes back under its
// name; there it is not the desktop's own scaling.
QHash<QString, double>& gegeven() {
    static QHash<QString, double> factoren;
    return factoren;
}

} // namespace

SchermSchaal::SchermSchaal(std::optional<double> geforceerd, QObject* parent)
    : QObject(parent), m_geforceerd(geforceerd) {
    setObjectName(QStringLiteral("SchermSchaal"));
    const auto schermen = QGuiApplication::screens();
    for (QScreen* scherm : schermen)
        pasToe(scherm);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &SchermSchaal::pasToe);
}

void SchermSchaal::pasToe(QScreen* scherm) {
    if (!scherm)
        return;
    // A screen's device pixel ratio is the platform's own ratio (a desktop that draws in
    // device pixels) times Qt's factor; that one is QT_SCALE_FACTOR times the screen's
    // factor, which is what this sets. It comes from the screen's dots per inch unless set.
    const double ratio = scherm->devicePixelRatio();
    const double platform = ratio / QHighDpiScaling::factor(scherm);
    const double globaal = globaleFactor();
    // A factor given before is not the desktop's scaling.
    const double bureaublad = gegeven().contains(scherm->name()) ? platform * globaal : ratio;
    const QSize pixels = opSchaal(scherm->size(), ratio);
    const double schaal = kiesSchaal(pixels, bureaublad, m_geforceerd);
    if (qFuzzyCompare(schaal, ratio))
        return;
    const double eigen = schaal / (platform * globaal);
    QHighDpiScaling::setScreenFactor(scherm, eigen);
    // Without a name Qt keeps the factor on the screen object, which goes with the screen.
    if (!scherm->name().isEmpty())
        gegeven().insert(scherm->name(), eigen);
}
