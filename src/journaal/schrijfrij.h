#pragma once

#include <QtGlobal>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// A thread of its own for the journal's disk work: the tasks run one after the other, in the
// order they were given, so that a slow flush never holds up the window. The window waits
// for a task (wacht) only where it must: before it shows a number whose record that task
// writes.
class Schrijfrij {
public:
    using Taak = std::function<void()>;

    Schrijfrij();
    // Runs the tasks still waiting, then ends the thread.
    ~Schrijfrij();
    Schrijfrij(const Schrijfrij&) = delete;
    Schrijfrij& operator=(const Schrijfrij&) = delete;

    // Queues `taak`; returns its number (1, 2, ...).
    quint64 zetIn(Taak taak);
    // Whether task `nummer` and every one before it have run.
    bool isKlaar(quint64 nummer) const;
    void wacht(quint64 nummer) const;
    // Waits for every task given so far.
    void wachtAlles() const;

private:
    void werk();

    mutable std::mutex m_slot;
    mutable std::condition_variable m_veranderd;
    std::deque<Taak> m_taken;
    quint64 m_gegeven = 0;
    quint64 m_gedaan = 0;
    bool m_stoppen = false;
    std::thread m_draad;
};
