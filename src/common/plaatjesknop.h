#pragma once

#include <QPixmap>
#include <QWidget>

class Pauze;

// A picture that acts as a button: it reports clicks (a double-click counts as one click),
// keeps its picture when disabled and then ignores clicks.
class PlaatjesKnop : public QWidget {
    Q_OBJECT
public:
    explicit PlaatjesKnop(QWidget* parent = nullptr);

    void zetPlaatje(const QPixmap& plaatje);
    // The picture of the program's resources named `bron`, at the device pixel ratio of the
    // screen the button is on; drawn again when the window goes to a screen of another ratio.
    void zetPlaatje(const QString& bron);
    const QPixmap& plaatje() const { return m_plaatje; }
    // The tooltip; the same text without its blanks is its accessible name, and the
    // description says what it does.
    void zetUitleg(const QString& tip, const QString& beschrijving);

    // The press animation: moved by `verschuiving`, held for 0.2 s, put back where it stood
    // (each press remembers its own resting place). False when the program is closing.
    bool drukIn(Pauze& pauze, QPoint verschuiving = QPoint(2, 2));

Q_SIGNALS:
    void geklikt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QPixmap m_plaatje;
    QString m_bron; // empty for a picture given as such
    bool m_ingedrukt = false;
};
