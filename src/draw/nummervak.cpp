#include "draw/nummervak.h"

#include "draw/trekking.h"

#include <QKeyEvent>
#include <QPainter>

NummerVak::NummerVak(const Trekking& trekking, QWidget* parent)
    : QWidget(parent), m_trekking(trekking) {
    setObjectName(QStringLiteral("NummerPic"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Getrokken nummer"));
    setAccessibleDescription(tr("De spatiebalk start een trekking."));
    connect(&trekking, &Trekking::nummerBeeldGewijzigd, this, [this] { update(); });
    // Assistive technology reads the drawn number (and the points with picture rollers) as
    // the panel's name; a new name is announced.
    connect(&trekking, &Trekking::trekkingBegonnen, this,
            [this] { setAccessibleName(tr("Getrokken nummer")); });
    connect(&trekking, &Trekking::nummerGetrokken, this, [this](qint32 nummer, int punten) {
        setAccessibleName(m_trekking.rolSoort() == 0
                              ? tr("Getrokken nummer: %1").arg(nummer)
                              : tr("Getrokken nummer: %1, punten: %2").arg(nummer).arg(punten));
    });
}

void NummerVak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_trekking.nummerBeeld());
}

void NummerVak::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat())
        Q_EMIT spatieLosgelaten();
    e->accept();
}
