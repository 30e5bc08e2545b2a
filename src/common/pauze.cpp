#include "common/pauze.h"

#include <QEventLoop>
#include <QTimer>
#include <cmath>

bool Pauze::Wacht(double seconden) {
    if (!(seconden > 0))
        return !m_sluiten;
    const auto ms = static_cast<int>(std::ceil(std::min(seconden * m_schaal, 86400.0) * 1000.0));
    QEventLoop lus;
    m_lussen.append(&lus);
    // The timer's context is the loop, so a loop ended early leaves no pending timeout behind.
    QTimer::singleShot(ms, Qt::PreciseTimer, &lus, &QEventLoop::quit);
    lus.exec();
    m_lussen.removeAll(&lus);
    return !m_sluiten;
}

void Pauze::stopAlles() {
    for (const auto& lus : m_lussen) {
        if (lus)
            lus->exit(1);
    }
}
