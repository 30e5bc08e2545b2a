#pragma once

#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Writes the drawn-list file (BewaarLijst) on a thread of its own, so that a slow disk never
// holds up the window. The lists given are written in order; one that comes while another
// is being written waits, and a newer one replaces it: the latest always ends on the disk.
class Lijstschrijver {
public:
    explicit Lijstschrijver(QString pad);
    // Writes what still waits, then ends the thread.
    ~Lijstschrijver();
    Lijstschrijver(const Lijstschrijver&) = delete;
    Lijstschrijver& operator=(const Lijstschrijver&) = delete;

    void bewaar(std::vector<qint32> nummers);
    // Waits until the latest list given is written; returns whether that write succeeded.
    bool wacht();

private:
    void werk();

    const QString m_pad;
    std::mutex m_slot;
    std::condition_variable m_veranderd;
    std::optional<std::vector<qint32>> m_wachtend;
    bool m_bezig = false;
    bool m_gelukt = true;
    bool m_stoppen = false;
    std::thread m_draad;
};
