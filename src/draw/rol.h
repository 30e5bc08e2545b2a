#pragma once

#include <QImage>
#include <QSize>
#include <optional>
#include <utility>

// One roller's picture: a window 150 pixels wide onto a strip of symbols. What is copied
// into it stays until it is copied over; it remembers how many rows changed since they were
// last shown. Positions and rows are in the strip's logical pixels; the picture has as many
// device pixels per pixel as the strip (its device pixel ratio), so a screen of a larger ratio
// gets a sharper strip and the same roller.
class Rol {
public:
    static constexpr QSize kGrootte{150, 207};

    Rol();

    // The standing picture: the top of the strip.
    void zetStrook(const QImage& strook);
    // Copies the strip's rows [y, y + hoogte) into the top of the roller; rows outside the
    // strip are left as they were.
    void tekenStrook(int y, int hoogte);
    // The same strip at another resolution: the picture is drawn again from it, showing what
    // it showed (the top of the strip and the last copy over it). Without a strip yet, as
    // zetStrook.
    void vervangStrook(const QImage& strook);
    // The rows changed since the last call (0 when nothing changed), and forgets them.
    int neemVuil();
    const QImage& beeld() const { return m_beeld; }

private:
    QImage m_strook;
    QImage m_beeld;
    int m_vuil = 0;
    std::optional<std::pair<int, int>> m_laatste; // the last copy since zetStrook: y, hoogte
};
