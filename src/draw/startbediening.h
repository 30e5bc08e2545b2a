#pragma once

#include <QObject>
#include <QPoint>

class Pauze;
class PlaatjesKnop;
class QWidget;
class Trekking;

// The start controls: the two start arrows and the space bar on the result panel. A start
// disables both arrows (their enabled state is the record of a draw in progress) and asks the
// toolbar to follow, waits 0.2 s and runs the draw; the arrows come back when the draw
// engine says the draw is over.
class StartBediening : public QObject {
    Q_OBJECT
public:
    StartBediening(QWidget* venster, Trekking& trekking, Pauze& pauze);

    PlaatjesKnop* pijlLinks() const { return m_links; }
    PlaatjesKnop* pijlRechts() const { return m_rechts; }
    bool trekkingBezig() const;

    // A click on an arrow: its press animation, then the start sequence.
    void pijlGeklikt(PlaatjesKnop* pijl);
    // The space bar released on the result panel: the start sequence, no animation.
    void spatieStart();

Q_SIGNALS:
    // The draw in progress begins (true) or ends (false); the toolbar follows.
    void bezigGewijzigd(bool bezig);

private:
    void zetAan(bool aan, bool rechtsEerst);
    void start(bool rechtsEerst);

    Trekking& m_trekking;
    Pauze& m_pauze;
    PlaatjesKnop* m_links = nullptr;
    PlaatjesKnop* m_rechts = nullptr;
};
