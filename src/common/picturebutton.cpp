#include "common/picturebutton.h"

#include <QMouseEvent>
#include <QPainter>

PlaatjesKnop::PlaatjesKnop(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PlaatjesKnop::setPlaatje(const QPixmap& plaatje) {
    m_plaatje = plaatje;
    update();
}

void PlaatjesKnop::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_plaatje);
}

void PlaatjesKnop::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        m_ingedrukt = true;
}

void PlaatjesKnop::mouseReleaseEvent(QMouseEvent* e) {
    const bool klik =
        m_ingedrukt && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_ingedrukt = false;
    if (klik && isEnabled())
        Q_EMIT geklikt();
}

void PlaatjesKnop::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double-click starts no second click.
    e->accept();
}
