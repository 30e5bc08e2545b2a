#include "draw/nummerkiezer.h"

#include "common/getrokkenlijst.h"

#include <algorithm>
#include <array>

namespace {

// The generator's state is 312 words; eight words of entropy spread through seed_seq make
// every start of the program draw differently.
std::mt19937_64 vanEntropie() {
    std::random_device bron;
    std::array<std::uint32_t, 8> woorden{};
    for (auto& woord : woorden)
        woord = bron();
    std::seed_seq zaad(woorden.begin(), woorden.end());
    return std::mt19937_64(zaad);
}

} // namespace

NummerKiezer::NummerKiezer() : m_gen(vanEntropie()) {}

NummerKiezer::NummerKiezer(std::uint64_t seed) : m_gen(seed) {}

std::uint64_t NummerKiezer::trek(std::uint64_t aantal) {
    std::uniform_int_distribution<std::uint64_t> verdeling(0, aantal - 1);
    return verdeling(m_gen);
}

std::uint64_t NummerKiezer::waardeOp(std::uint64_t positie) const {
    return m_waarde.waarde(positie, positie);
}

// The pool is a virtual array: place p holds offset waardeOp(p) (the number
// m_laagste + offset), places [0, m_vrij) are the numbers still free. Only places whose
// content differs from their own index are stored, in m_waarde, with the way back in
// m_positie; an offset without an entry in m_positie lies at its own place. Removing a
// number moves the last free one into its place, as in a Fisher-Yates shuffle, so the
// tables hold at most one entry per number removed and never the whole range.
void NummerKiezer::verwijder(qint32 nummer) {
    if (nummer < m_laagste || nummer > m_hoogste)
        return; // not in the range: does not count
    const auto offset = static_cast<std::uint64_t>(qint64{nummer} - m_laagste);
    const std::uint64_t positie = m_positie.waarde(offset, offset);
    if (positie >= m_vrij || waardeOp(positie) != offset)
        return; // already removed: the list holds it twice

    const std::uint64_t laatste = m_vrij - 1;
    if (positie != laatste) {
        const std::uint64_t verplaatst = waardeOp(laatste);
        if (verplaatst == positie) {
            m_waarde.wis(positie);
            m_positie.wis(verplaatst);
        } else {
            m_waarde.zet(positie, verplaatst);
            m_positie.zet(verplaatst, positie);
        }
    }
    // The last place falls out of the pool; the removed offset is forgotten, so that looking
    // it up lands on a place that is either outside the pool or holds another number.
    m_waarde.wis(laatste);
    m_positie.wis(offset);
    --m_vrij;
}

void NummerKiezer::bijwerken(qint32 laagste, qint32 hoogste, const GetrokkenLijst& lijst) {
    // A lowest number above the highest can only come from a hand-edited settings file;
    // such a range draws from the numbers between the two bounds.
    const qint64 onder = std::min(laagste, hoogste);
    const qint64 boven = std::max(laagste, hoogste);

    const auto aantal = static_cast<std::size_t>(lijst.aantal());
    const bool opnieuw = &lijst != m_lijst || lijst.generatie() != m_generatie ||
                         onder != m_laagste || boven != m_hoogste || aantal < m_gelezen;
    if (opnieuw) {
        m_lijst = &lijst;
        m_generatie = lijst.generatie();
        m_laagste = onder;
        m_hoogste = boven;
        m_vrij = static_cast<std::uint64_t>(boven - onder) + 1; // up to 2^32
        m_gelezen = 0;
        m_waarde.leegMaken();
        m_positie.leegMaken();
    }
    // Catch up with the entries appended since the last call.
    for (; m_gelezen < aantal; ++m_gelezen)
        verwijder(lijst.nummer(static_cast<qsizetype>(m_gelezen)));
}

std::optional<qint32> NummerKiezer::kiesNieuw(qint32 laagste, qint32 hoogste,
                                              const GetrokkenLijst& lijst) {
    bijwerken(laagste, hoogste, lijst);
    if (m_vrij == 0)
        return std::nullopt; // every number of the range is in the list
    // The chosen number stays in the pool: it leaves it when the finished draw has been
    // appended to the list and the next call catches up.
    return static_cast<qint32>(m_laagste + static_cast<qint64>(waardeOp(trek(m_vrij))));
}

qint32 NummerKiezer::kiesVrij(qint32 laagste, qint32 hoogste) {
    // An inverted range (hand-edited settings file) draws between the two bounds.
    const qint64 onder = std::min(laagste, hoogste);
    const qint64 boven = std::max(laagste, hoogste);
    const auto aantal = static_cast<std::uint64_t>(boven - onder) + 1;
    return static_cast<qint32>(onder + static_cast<qint64>(trek(aantal)));
}
