#pragma once

#include <QPixmap>
#include <QWidget>

// A picture that acts as a button: it reports clicks (a double-click counts as one click),
// keeps its picture when disabled and then ignores clicks.
class PlaatjesKnop : public QWidget {
    Q_OBJECT
public:
    explicit PlaatjesKnop(QWidget* parent = nullptr);

    void setPlaatje(const QPixmap& plaatje);
    const QPixmap& plaatje() const { return m_plaatje; }

Q_SIGNALS:
    void geklikt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QPixmap m_plaatje;
    bool m_ingedrukt = false;
};
