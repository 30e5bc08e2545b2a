#include "app/schaalvolger.h"

#include "common/schaal.h"
#include "draw/trekking.h"

#include <QEvent>
#include <QWidget>

SchaalVolger::SchaalVolger(QWidget& venster, Trekking& trekking)
    : QObject(&venster), m_venster(venster), m_trekking(trekking) {
    setObjectName(QStringLiteral("SchaalVolger"));
    venster.installEventFilter(this);
    volg();
}

bool SchaalVolger::eventFilter(QObject* o, QEvent* e) {
    // Qt tells a window's widgets that it changed screens; a later Qt also tells them of a
    // new ratio on the same screen.
    if (o == &m_venster && (e->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
                            || e->type() == QEvent::DevicePixelRatioChange
#endif
                            || e->type() == QEvent::Show))
        volg();
    return QObject::eventFilter(o, e);
}

void SchaalVolger::volg() {
    const double schaal = m_venster.devicePixelRatioF();
    if (schaal == m_schaal)
        return;
    m_schaal = schaal;
    m_trekking.zetPlaatjes(laadOpSchaal(QStringLiteral(":/images/strip_digits.png"), schaal),
                           laadOpSchaal(QStringLiteral(":/images/strip_fruits.png"), schaal),
                           laadOpSchaal(QStringLiteral(":/images/prizetable.png"), schaal));
    Q_EMIT schaalGewijzigd(schaal);
}
