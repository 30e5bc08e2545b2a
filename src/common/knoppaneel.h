#pragma once

#include <QImage>
#include <QWidget>

// The bottom bar: background (80, 80, 100) with its dot texture, the stripe along its top
// edge, and the dark frame behind the drawn list. Its drawing stays on it; a click on it is
// reported (the keyboard focus goes back to the result panel).
class KnopPaneel : public QWidget {
    Q_OBJECT
public:
    explicit KnopPaneel(QWidget* parent = nullptr);
    // Draws the bar for its width, with the list's frame at `lijstKader` (corners included).
    void teken(const QRect& lijstKader);

    // The bar's own drawing: a dot every 3 pixels in (20, 20, 50) on rows 10 to 79, and the
    // list's frame filled (20, 20, 40) and outlined (170, 170, 170); at `schaal` device pixels
    // per pixel (a dot and the outline are then that many pixels wide).
    static QImage tekening(int breedte, int hoogte, const QRect& lijstKader, double schaal = 1);

Q_SIGNALS:
    void geklikt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QImage m_tekening;
    QRect m_lijstKader;
};
