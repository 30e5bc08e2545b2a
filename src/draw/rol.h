#pragma once

#include <QImage>
#include <QSize>

// One roller's picture: a window 150 pixels wide onto a strip of symbols. What is copied
// into it stays until it is copied over; it remembers how many rows changed since they were
// last shown.
class Rol {
public:
    static constexpr QSize kGrootte{150, 207};

    Rol();

    // The standing picture: the top of the strip.
    void zetStrook(const QImage& strook);
    // Copies the strip's rows [y, y + hoogte) into the top of the roller; rows outside the
    // strip are left as they were.
    void tekenStrook(int y, int hoogte);
    // The rows changed since the last call (0 when nothing changed), and forgets them.
    int neemVuil();
    const QImage& beeld() const { return m_beeld; }

private:
    QImage m_strook;
    QImage m_beeld;
    int m_vuil = 0;
};
