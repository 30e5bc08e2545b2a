#include "common/knoppaneel.h"

#include <QPainter>
#include <algorithm>

KnopPaneel::KnopPaneel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("KnopPic"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void KnopPaneel::teken(const QRect& lijstKader) {
    m_tekening = tekening(width(), height(), lijstKader);
    update();
}

QImage KnopPaneel::tekening(int breedte, int hoogte, const QRect& lijstKader) {
    QImage beeld(std::max(breedte, 1), std::max(hoogte, 1), QImage::Format_RGB32);
    beeld.fill(QColor(80, 80, 100));
    const QRgb stip = qRgb(20, 20, 50);
    for (int x = 0; x < beeld.width(); x += 3) {
        for (int y = 10; y <= 79 && y < beeld.height(); y += 3)
            beeld.setPixel(x, y, stip);
    }
    QPainter p(&beeld);
    p.fillRect(lijstKader, QColor(20, 20, 40));
    p.setPen(QPen(QColor(170, 170, 170), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(lijstKader.adjusted(0, 0, -1, -1));
    return beeld;
}

void KnopPaneel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(80, 80, 100));
    p.drawImage(0, 0, m_tekening);
    // The stripe along the top edge.
    p.fillRect(QRect(0, 0, width(), 1), QColor(180, 180, 180));
}

void KnopPaneel::mousePressEvent(QMouseEvent*) {
    Q_EMIT geklikt();
}
