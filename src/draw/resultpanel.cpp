#include "draw/resultpanel.h"

#include "draw/panel.h"

#include <QKeyEvent>
#include <QPainter>

NummerVak::NummerVak(QWidget* parent) : QWidget(parent), m_beeld(nieuwNummerPaneel()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void NummerVak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_beeld);
}

void NummerVak::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat())
        Q_EMIT spatieLosgelaten();
    e->accept();
}
