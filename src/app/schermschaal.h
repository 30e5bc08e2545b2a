#pragma once

#include <QObject>
#include <optional>

class QScreen;

// Gives every screen the device pixel ratio of its scale factor (kiesSchaal): the screens
// there are when it is made and every screen added later (a second screen, a projector
// plugged in). The window, its dialogs and message boxes then lay themselves out in logical
// pixels and take the factor of the screen they are on; Qt moves them to the new ratio when
// they change screens. Made after the application and before the first window.
class SchermSchaal : public QObject {
    Q_OBJECT
public:
    // `geforceerd`: the factor of --schaal, for every screen.
    explicit SchermSchaal(std::optional<double> geforceerd, QObject* parent = nullptr);

    // Gives `scherm` its factor: its device pixel ratio is that factor afterwards.
    void pasToe(QScreen* scherm);

private:
    std::optional<double> m_geforceerd;
};
