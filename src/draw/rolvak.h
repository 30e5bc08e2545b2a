#pragma once

#include <QWidget>

class Trekking;

// One roller on the screen: shows the picture the draw engine keeps for it, scaled to its
// size where that is smaller than the picture's.
class RolVak : public QWidget {
    Q_OBJECT
public:
    RolVak(const Trekking& trekking, int n, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // What the roller shows at rest: its digit, or the fruit of that digit.
    QString symbool() const;

    const Trekking& m_trekking;
    int m_n;
};
