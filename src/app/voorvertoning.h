#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

// A scaled live picture of another window (the audience's), for the operator. What the
// window repaints of itself is painted again, scaled, into the picture, at most once per
// interval: during a draw that is the rollers' strips, a small part of the window, so a
// hundred roller frames a second cost the preview a few small paintings. Nothing is painted
// while the preview is hidden.
class Voorvertoning : public QWidget {
    Q_OBJECT
public:
    explicit Voorvertoning(QWidget* bron, QWidget* parent = nullptr);

    // The shortest time between two paintings of the picture, in milliseconds (50: at most
    // twenty a second).
    void zetInterval(int ms);
    int interval() const { return m_interval; }
    // Paintings of the picture so far, and the picture as last painted.
    int aantalBeelden() const { return m_aantal; }
    const QImage& beeld() const { return m_beeld; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent*) override;
    void showEvent(QShowEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void volg(QWidget* w);
    void vraagBeeld(const QRegion& deel);
    void maakBeeld();
    QRect beeldVlak() const;

    QPointer<QWidget> m_bron;
    QTimer m_timer;
    QElapsedTimer m_sindsBeeld;
    QImage m_beeld;
    QRegion m_vuil; // what the window repainted since the last painting, in its coordinates
    bool m_tekent = false;
    int m_interval = 50;
    int m_aantal = 0;
};
