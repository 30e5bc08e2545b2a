#pragma once

#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <functional>

// The clock on the bottom panel: a blank, the time, " / " and the date, refreshed every
// 60 ms from the start until the program ends, also while other handlers pause. It stands
// at its place unless a long time and date form would reach the limit on its right (the exit
// button); then it moves left so that it ends before it.
class Klok : public QLabel {
    Q_OBJECT
public:
    explicit Klok(QWidget* parent = nullptr);

    // The left edge it prefers and the x it must stay left of.
    void zetPlaats(QPoint links, int rechtsGrens);
    // Where the time comes from (the system clock unless a test gives another).
    void zetTijdBron(std::function<QDateTime()> bron) { m_bron = std::move(bron); }
    // One refresh, as each tick of the timer does it.
    void tik();

    // The least room between the text and the limit on its right, in pixels.
    static constexpr int kMarge = 4;

private:
    QTimer m_timer;
    QPoint m_links;
    int m_rechtsGrens = 0;
    std::function<QDateTime()> m_bron;
};
