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
