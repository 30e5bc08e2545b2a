#include "common/lijstschrijver.h"

#include "common/getrokkenlijst.h"

Lijstschrijver::Lijstschrijver(QString pad) : m_pad(std::move(pad)), m_draad([this] { werk(); }) {}

Lijstschrijver::~Lijstschrijver() {
    {
        std::lock_guard slot(m_slot);
        m_stoppen = true;
    }
    m_veranderd.notify_all();
    m_draad.join();
}

void Lijstschrijver::bewaar(std::vector<qint32> nummers) {
    {
        std::lock_guard slot(m_slot);
        m_wachtend = std::move(nummers);
    }
    m_veranderd.notify_all();
}

bool Lijstschrijver::wacht() {
    std::unique_lock slot(m_slot);
    m_veranderd.wait(slot, [this] { return !m_wachtend && !m_bezig; });
    return m_gelukt;
}

void Lijstschrijver::werk() {
    std::unique_lock slot(m_slot);
    for (;;) {
        m_veranderd.wait(slot, [this] { return m_stoppen || m_wachtend; });
        if (!m_wachtend)
            return;
        const std::vector<qint32> nummers = std::move(*m_wachtend);
        m_wachtend.reset();
        m_bezig = true;
        slot.unlock();
        const bool gelukt = BewaarLijst(m_pad, nummers);
        slot.lock();
        m_bezig = false;
        m_gelukt = gelukt;
        m_veranderd.notify_all();
    }
}
