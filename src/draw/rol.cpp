#include "draw/rol.h"

#include "common/schaal.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

Rol::Rol() : m_beeld(kGrootte, QImage::Format_RGB32) {
    m_beeld.fill(QColor(201, 201, 239));
}

void Rol::zetStrook(const QImage& strook) {
    m_strook = strook.convertToFormat(QImage::Format_RGB32);
    const double schaal = m_strook.isNull() ? 1.0 : m_strook.devicePixelRatio();
    if (m_beeld.devicePixelRatio() != schaal) {
        m_beeld = QImage(opSchaal(kGrootte, schaal), QImage::Format_RGB32);
        m_beeld.setDevicePixelRatio(schaal);
    }
    m_beeld.fill(QColor(201, 201, 239));
    QPainter p(&m_beeld);
    p.drawImage(0, 0, m_strook);
    m_vuil = kGrootte.height();
    m_laatste.reset();
}

void Rol::tekenStrook(int y, int hoogte) {
    if (m_strook.isNull())
        return;
    m_laatste = std::make_pair(y, hoogte);
    // A plain copy of whole scan lines: the source pixels replace the destination pixels.
    // On a larger ratio the rows are those of the device pixels, shifted as a whole.
    const double schaal = m_beeld.devicePixelRatio();
    const auto apparaat = [schaal](int rijen) {
        return static_cast<int>(std::lround(rijen * schaal));
    };
    const int breedte = std::min(m_strook.width(), m_beeld.width());
    const int begin = apparaat(y);
    for (int r = 0; r < apparaat(hoogte) && r < m_beeld.height(); ++r) {
        const int bron = begin + r;
        if (bron < 0 || bron >= m_strook.height())
            continue;
        std::memcpy(m_beeld.scanLine(r), m_strook.constScanLine(bron),
                    static_cast<std::size_t>(breedte) * sizeof(QRgb));
    }
    m_vuil = std::max(m_vuil, std::min(hoogte, kGrootte.height()));
}

void Rol::vervangStrook(const QImage& strook) {
    const auto laatste = m_laatste;
    zetStrook(strook);
    if (laatste)
        tekenStrook(laatste->first, laatste->second);
}

int Rol::neemVuil() {
    const int vuil = m_vuil;
    m_vuil = 0;
    return vuil;
}
