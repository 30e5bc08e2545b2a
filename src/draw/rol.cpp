#include "draw/rol.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cstring>

Rol::Rol() : m_beeld(kGrootte, QImage::Format_RGB32) {
    m_beeld.fill(QColor(201, 201, 239));
}

void Rol::zetStrook(const QImage& strook) {
    m_strook = strook.convertToFormat(QImage::Format_RGB32);
    m_beeld.fill(QColor(201, 201, 239));
    QPainter p(&m_beeld);
    p.drawImage(0, 0, m_strook);
    m_vuil = m_beeld.height();
}

void Rol::tekenStrook(int y, int hoogte) {
    if (m_strook.isNull())
        return;
    // A plain copy of whole scan lines: the source pixels replace the destination pixels.
    const int breedte = std::min(m_strook.width(), m_beeld.width());
    for (int r = 0; r < hoogte && r < m_beeld.height(); ++r) {
        const int bron = y + r;
        if (bron < 0 || bron >= m_strook.height())
            continue;
        std::memcpy(m_beeld.scanLine(r), m_strook.constScanLine(bron),
                    static_cast<std::size_t>(breedte) * sizeof(QRgb));
    }
    m_vuil = std::max(m_vuil, std::min(hoogte, m_beeld.height()));
}

int Rol::neemVuil() {
    const int vuil = m_vuil;
    m_vuil = 0;
    return vuil;
}
