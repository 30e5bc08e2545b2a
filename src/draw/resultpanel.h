#pragma once

#include <QImage>
#include <QWidget>

// The result panel: shows its back buffer, takes the keyboard focus and reports a
// released space bar.
class NummerVak : public QWidget {
    Q_OBJECT
public:
    explicit NummerVak(QWidget* parent = nullptr);

    QImage& beeld() { return m_beeld; }
    const QImage& beeld() const { return m_beeld; }

Q_SIGNALS:
    void spatieLosgelaten();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    QImage m_beeld;
};
