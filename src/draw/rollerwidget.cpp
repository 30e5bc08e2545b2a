#include "draw/rollerwidget.h"

#include "app/layout.h"

#include <QPainter>
#include <algorithm>

RolVak::RolVak(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_beeld = QImage(kRolGrootte, QImage::Format_RGB32);
    m_beeld.fill(QColor(201, 201, 239));
}

void RolVak::setStrook(const QImage& strook) {
    m_strook = strook.convertToFormat(QImage::Format_RGB32);
    m_beeld.fill(QColor(201, 201, 239));
    QPainter p(&m_beeld);
    p.drawImage(0, 0, m_strook);
    update();
}

void RolVak::tekenStrook(int y, int hoogte, bool direct) {
    if (m_strook.isNull())
        return;
    // A plain copy of whole scan lines: the source pixels replace the destination pixels.
    const int breedte = std::min(m_strook.width(), m_beeld.width());
    for (int r = 0; r < hoogte && r < m_beeld.height(); ++r) {
        const int bron = y + r;
        if (bron < 0 || bron >= m_strook.height())
            continue; // outside the strip nothing is copied
        memcpy(m_beeld.scanLine(r), m_strook.constScanLine(bron),
               static_cast<size_t>(breedte) * sizeof(QRgb));
    }
    m_vuil = std::max(m_vuil, hoogte);
    if (direct)
        toon();
}

bool RolVak::toon() {
    if (m_vuil == 0)
        return false;
    update(0, 0, width(), m_vuil);
    m_vuil = 0;
    return true;
}

void RolVak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_beeld);
}
