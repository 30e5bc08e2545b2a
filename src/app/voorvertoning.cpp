#include "app/voorvertoning.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

Voorvertoning::Voorvertoning(QWidget* bron, QWidget* parent) : QWidget(parent), m_bron(bron) {
    setObjectName(QStringLiteral("Voorvertoning"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Voorvertoning::maakBeeld);
    if (bron)
        volg(bron);
}

void Voorvertoning::volg(QWidget* w) {
    w->installEventFilter(this);
    for (QObject* kind : w->children()) {
        auto* deel = qobject_cast<QWidget*>(kind);
        if (deel && !deel->isWindow())
            volg(deel);
    }
}

void Voorvertoning::zetInterval(int ms) {
    m_interval = ms;
}

QSize Voorvertoning::sizeHint() const {
    return {480, 270};
}

QRect Voorvertoning::beeldVlak() const {
    if (!m_bron || m_bron->width() <= 0 || m_bron->height() <= 0)
        return {};
    const QSize grootte = m_bron->size().scaled(size(), Qt::KeepAspectRatio);
    return {QPoint((width() - grootte.width()) / 2, (height() - grootte.height()) / 2), grootte};
}

bool Voorvertoning::eventFilter(QObject* o, QEvent* e) {
    if (!m_bron)
        return false;
    switch (e->type()) {
    case QEvent::Paint:
        // Every part of the window that paints itself on the screen; not our own paintings.
        if (!m_tekent) {
            auto* w = static_cast<QWidget*>(o);
            vraagBeeld(static_cast<QPaintEvent*>(e)->region().translated(
                w == m_bron ? QPoint() : w->mapTo(m_bron, QPoint())));
        }
        break;
    case QEvent::ChildAdded:
        if (auto* deel = qobject_cast<QWidget*>(static_cast<QChildEvent*>(e)->child());
            deel && !deel->isWindow())
            volg(deel);
        break;
    case QEvent::Show:
    case QEvent::Resize:
        if (o == m_bron)
            vraagBeeld(m_bron->rect());
        break;
    default:
        break;
    }
    return false;
}

void Voorvertoning::vraagBeeld(const QRegion& deel) {
    m_vuil += deel;
    if (m_timer.isActive() || !isVisible())
        return;
    // The first change after a quiet spell shows at once; the next ones wait their turn.
    const qint64 gewacht = m_sindsBeeld.isValid() ? m_sindsBeeld.elapsed() : m_interval;
    m_timer.start(static_cast<int>(std::max<qint64>(0, m_interval - gewacht)));
}

void Voorvertoning::maakBeeld() {
    const QRect vlak = beeldVlak();
    if (!m_bron || vlak.isEmpty() || !isVisible())
        return;
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = vlak.size() * dpr;
    if (m_beeld.size() != pixels) {
        m_beeld = QImage(pixels, QImage::Format_RGB32);
        m_vuil = m_bron->rect();
    }
    m_beeld.setDevicePixelRatio(dpr);
    // A pixel of the picture covers several of the window: the repainted part, widened by
    // a pixel of the picture, is painted whole.
    const qreal schaalX = static_cast<qreal>(vlak.width()) / m_bron->width();
    const qreal schaalY = static_cast<qreal>(vlak.height()) / m_bron->height();
    const int rand = static_cast<int>(std::ceil(1 / std::min(schaalX, schaalY))) + 1;
    QRegion deel;
    for (const QRect& r : m_vuil)
        deel += r.adjusted(-rand, -rand, rand, rand);
    deel &= m_bron->rect();
    m_vuil = QRegion();
    if (deel.isEmpty())
        return;
    m_tekent = true;
    {
        QPainter p(&m_beeld);
        p.scale(schaalX, schaalY);
        m_bron->render(&p, deel.boundingRect().topLeft(), deel,
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    m_tekent = false;
    ++m_aantal;
    m_sindsBeeld.start();
    const QRect grens = deel.boundingRect();
    update(QRectF(vlak.x() + grens.x() * schaalX, vlak.y() + grens.y() * schaalY,
                  grens.width() * schaalX, grens.height() * schaalY)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void Voorvertoning::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect vlak = beeldVlak();
    if (m_beeld.isNull() || vlak.isEmpty() || m_beeld.size() != vlak.size() * devicePixelRatioF()) {
        p.fillRect(e->rect(), Qt::black);
        return;
    }
    p.setClipRegion(e->region());
    p.fillRect(rect(), Qt::black);
    p.drawImage(vlak.topLeft(), m_beeld);
}

void Voorvertoning::resizeEvent(QResizeEvent*) {
    if (m_bron)
        vraagBeeld(m_bron->rect());
}

void Voorvertoning::showEvent(QShowEvent*) {
    if (m_bron)
        vraagBeeld(m_bron->rect());
}
