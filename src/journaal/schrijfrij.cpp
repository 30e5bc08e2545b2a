#include "journaal/schrijfrij.h"

Schrijfrij::Schrijfrij() : m_draad([this] { werk(); }) {}

Schrijfrij::~Schrijfrij() {
    {
        std::lock_guard slot(m_slot);
        m_stoppen = true;
    }
    m_veranderd.notify_all();
    m_draad.join();
}

quint64 Schrijfrij::zetIn(Taak taak) {
    quint64 nummer = 0;
    {
        std::lock_guard slot(m_slot);
        m_taken.push_back(std::move(taak));
        nummer = ++m_gegeven;
    }
    m_veranderd.notify_all();
    return nummer;
}

bool Schrijfrij::isKlaar(quint64 nummer) const {
    std::lock_guard slot(m_slot);
    return m_gedaan >= nummer;
}

void Schrijfrij::wacht(quint64 nummer) const {
    std::unique_lock slot(m_slot);
    m_veranderd.wait(slot, [&] { return m_gedaan >= nummer; });
}

void Schrijfrij::wachtAlles() const {
    quint64 nummer = 0;
    {
        std::lock_guard slot(m_slot);
        nummer = m_gegeven;
    }
    wacht(nummer);
}

void Schrijfrij::werk() {
    std::unique_lock slot(m_slot);
    for (;;) {
        m_veranderd.wait(slot, [&] { return m_stoppen || !m_taken.empty(); });
        if (m_taken.empty())
            return; // stopping, and nothing left to do
        Taak taak = std::move(m_taken.front());
        m_taken.pop_front();
        slot.unlock();
        taak();
        slot.lock();
        ++m_gedaan;
        m_veranderd.notify_all();
    }
}
