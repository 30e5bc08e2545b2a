#include "common/knoppaneel.h"

#include "common/schaal.h"

#include <QPainter>
#include <algorithm>

KnopPaneel::KnopPaneel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("KnopPic"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void KnopPaneel::teken(const QRect& lijstKader) {
    m_lijstKader = lijstKader;
    m_tekening = tekening(width(), height(), lijstKader, devicePixelRatioF());
    update();
}

QImage KnopPaneel::tekening(int breedte, int hoogte, const QRect& lijstKader, double schaal) {
    const QSize maat(std::max(breedte, 1), std::max(hoogte, 1));
    QImage beeld(opSchaal(maat, schaal), QImage::Format_RGB32);
    beeld.setDevicePixelRatio(schaal);
    beeld.fill(QColor(80, 80, 100));
    QPainter p(&beeld);
    const QColor stip(20, 20, 50);
    for (int x = 0; x < maat.width(); x += 3) {
        for (int y = 10; y <= 79 && y < maat.height(); y += 3)
            p.fillRect(QRectF(x, y, 1, 1), stip);
    }
    p.fillRect(lijstKader, QColor(20, 20, 40));
    // The outline along the frame's outer pixels.
    const QColor rand(170, 170, 170);
    const QRectF k(lijstKader);
    p.fillRect(QRectF(k.left(), k.top(), k.width(), 1), rand);
    p.fillRect(QRectF(k.left(), k.bottom() - 1, k.width(), 1), rand);
    p.fillRect(QRectF(k.left(), k.top(), 1, k.height()), rand);
    p.fillRect(QRectF(k.right() - 1, k.top(), 1, k.height()), rand);
    return beeld;
}

void KnopPaneel::paintEvent(QPaintEvent*) {
    // On a screen of another device pixel ratio the drawing is made again for it.
    if (m_tekening.devicePixelRatio() != devicePixelRatioF())
        m_tekening = tekening(width(), height(), m_lijstKader, devicePixelRatioF());
    QPainter p(this);
    p.fillRect(rect(), QColor(80, 80, 100));
    p.drawImage(0, 0, m_tekening);
    // The stripe along the top edge.
    p.fillRect(QRect(0, 0, width(), 1), QColor(180, 180, 180));
}

void KnopPaneel::mousePressEvent(QMouseEvent*) {
    Q_EMIT geklikt();
}
