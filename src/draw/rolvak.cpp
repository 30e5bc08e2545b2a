#include "draw/rolvak.h"

#include "draw/trekking.h"

#include <QPainter>

RolVak::RolVak(const Trekking& trekking, int n, QWidget* parent)
    : QWidget(parent), m_trekking(trekking), m_n(n) {
    setObjectName(QStringLiteral("Pic%1").arg(n + 1));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&trekking, &Trekking::rolBijgewerkt, this, [this](int rol, int rijen) {
        if (rol == m_n)
            update(0, 0, width(), rijen);
    });
}

void RolVak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_trekking.rolBeeld(m_n));
}
