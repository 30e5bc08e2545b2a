#pragma once

#include <QList>
#include <QPointer>

class QEventLoop;

// The timed pause of every sequence (press animations, the draw, the closing). It waits on
// the event loop, so the window stays responsive without spinning the processor, and it is
// re-entrant: a handler that runs inside one pause may pause again.
class Pauze {
public:
    // Waits `seconden` on a monotonic clock while events are processed. A duration of 0 or
    // less returns at once without processing events. Returns false once the program is
    // closing: the caller must then abandon its sequence.
    bool Wacht(double seconden);

    // The closing sequence has started; every pause from now on reports it.
    void beginAfsluiten() { m_sluiten = true; }
    bool sluit() const { return m_sluiten; }
    // Ends every pause that is still waiting (the program ends now).
    void stopAlles();

    // Test seam: scales every duration (1 = real time). The program never changes it.
    void setTijdSchaal(double schaal) { m_schaal = schaal; }
    double tijdSchaal() const { return m_schaal; }

private:
    bool m_sluiten = false;
    double m_schaal = 1.0;
    QList<QPointer<QEventLoop>> m_lussen;
};
