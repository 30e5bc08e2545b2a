#pragma once

#include <QImage>
#include <QWidget>

// One roller: a window 150 pixels wide onto a strip of symbols. What is painted into it
// stays until it is painted over.
class RolVak : public QWidget {
    Q_OBJECT
public:
    explicit RolVak(QWidget* parent = nullptr);

    // Gives the roller its standing picture: the top of the strip.
    void setStrook(const QImage& strook);
    // Copies the strip's rows [y, y + hoogte) into the top of the roller. With `direct` false
    // the screen follows at the next `toon()`, so that several rollers share one repaint.
    void tekenStrook(int y, int hoogte, bool direct = true);
    // Shows what was painted since the last repaint; false when nothing was.
    bool toon();
    const QImage& beeld() const { return m_beeld; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage m_strook;
    QImage m_beeld;
    int m_vuil = 0; // rows painted but not yet shown
};
