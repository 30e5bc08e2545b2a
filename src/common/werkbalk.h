#pragma once

#include <QObject>
#include <QString>
#include <array>

class Algemeen;
class Pauze;
class PlaatjesKnop;
class QWidget;

// The toolbar on the bottom panel: four picture buttons (help, more software, sound on/off,
// settings). A click animates the button and clicks audibly (decided before the action, so
// the sound button clicks when it switches off); the sound button switches the sound itself,
// the others ask for their action by a signal.
class Werkbalk : public QObject {
    Q_OBJECT
public:
    Werkbalk(QWidget* paneel, Algemeen& algemeen, Pauze& pauze, const QString& klikGeluid);

    PlaatjesKnop* knop(int i) const { return m_knop[static_cast<std::size_t>(i)]; }
    // Every button together, as a draw disables and enables them.
    void zetAan(bool aan);

Q_SIGNALS:
    void hulpGevraagd();
    void softwareGevraagd();
    void instellingenGevraagd();

private:
    void geklikt(int index);

    Algemeen& m_algemeen;
    Pauze& m_pauze;
    QString m_klik;
    QString m_geluidAan, m_geluidUit;
    std::array<PlaatjesKnop*, 4> m_knop{};
};
