#pragma once

#include <QWidget>

class Trekking;

// The result panel: shows the picture the draw engine keeps for it, takes the keyboard focus
// and reports a released space bar.
class NummerVak : public QWidget {
    Q_OBJECT
public:
    explicit NummerVak(const Trekking& trekking, QWidget* parent = nullptr);

Q_SIGNALS:
    void spatieLosgelaten();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    const Trekking& m_trekking;
};
