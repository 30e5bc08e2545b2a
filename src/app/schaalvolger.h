#pragma once

#include <QObject>

class QWidget;
class Trekking;

// Keeps the main window's pictures at the device pixel ratio of the screen it is on. It gives
// the draw engine its strips and prize table at that ratio when it is made and again whenever
// the window lands on a screen of another ratio, and then says so (schaalGewijzigd) for the
// window's own pictures. The picture buttons and the bottom bar draw theirs anew by themselves.
class SchaalVolger : public QObject {
    Q_OBJECT
public:
    SchaalVolger(QWidget& venster, Trekking& trekking);

    // The device pixel ratio the pictures are at.
    double schaal() const { return m_schaal; }

Q_SIGNALS:
    void schaalGewijzigd(double schaal);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void volg();

    QWidget& m_venster;
    Trekking& m_trekking;
    double m_schaal = 0;
};
