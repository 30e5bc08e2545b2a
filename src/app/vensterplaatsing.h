#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QScreen;

// Puts the audience's window full screen on its screen and the operator's window, when there
// is one, on its own screen. When a screen goes away mid-evening (a projector's cable
// pulled), the window on it moves to a remaining screen, the audience's full screen again,
// and the evening goes on.
class Vensterplaatsing : public QObject {
    Q_OBJECT
public:
    // `bediening` may be null: the audience's window alone.
    Vensterplaatsing(QWidget& publiek, QWidget* bediening, QObject* parent = nullptr);

    // Shows the audience's window full screen on `publiekScherm` and then the operator's
    // window on `bedieningScherm`, on top of the audience's when both share a screen. A null
    // screen is the primary one. Without an operator's window the audience's is shown full
    // screen where it stands, as it always was.
    void toon(QScreen* publiekScherm, QScreen* bedieningScherm);

private:
    void plaatsPubliek(QScreen* scherm);
    void plaatsBediening(QScreen* scherm);
    void schermWeg(QScreen* scherm);

    QWidget& m_publiek;
    QPointer<QWidget> m_bediening;
};
