#pragma once

// Shared by the program benchmarks: the median of a run of figures, the process's CPU time and
// the tick rate of the rollers during a draw.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <array>
#include <sys/resource.h>
#include <vector>

inline double mediaan(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// User and system CPU seconds this process has used so far.
inline double cpuSeconden() {
    rusage gebruik{};
    getrusage(RUSAGE_SELF, &gebruik);
    auto sec = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return sec(gebruik.ru_utime) + sec(gebruik.ru_stime);
}

// Counts the ticks of the four roller timers (Timer1..Timer4, children of `trekking`) from its
// making to its end; traagsteRol() is the tick rate of the slowest roller, per second.
class RolTikken {
public:
    explicit RolTikken(QObject& trekking) {
        for (int n = 0; n < 4; ++n) {
            auto* timer = trekking.findChild<QTimer*>(QStringLiteral("Timer%1").arg(n + 1));
            m_verbindingen.push_back(
                QObject::connect(timer, &QTimer::timeout, &trekking, [this, n] {
                    const auto i = static_cast<std::size_t>(n);
                    const qint64 nu = m_klok.nsecsElapsed();
                    if (m_tikken[i]++ == 0)
                        m_eerste[i] = nu;
                    m_laatste[i] = nu;
                }));
        }
        m_klok.start();
    }
    ~RolTikken() {
        for (const auto& v : m_verbindingen)
            QObject::disconnect(v);
    }
    RolTikken(const RolTikken&) = delete;
    RolTikken& operator=(const RolTikken&) = delete;

    // Seconds since the counting began.
    double seconden() const { return static_cast<double>(m_klok.nsecsElapsed()) / 1e9; }
    // Ticks per second of roller i over the time it ticked.
    double perSeconde(std::size_t i) const {
        const double duur = static_cast<double>(m_laatste[i] - m_eerste[i]) / 1e9;
        return duur > 0 ? static_cast<double>(m_tikken[i] - 1) / duur : 0.0;
    }
    double traagsteRol() const {
        double traagste = 1e9;
        for (std::size_t i = 0; i < 4; ++i)
            traagste = std::min(traagste, perSeconde(i));
        return traagste;
    }
    double gemiddeld() const {
        double som = 0;
        for (std::size_t i = 0; i < 4; ++i)
            som += perSeconde(i);
        return som / 4;
    }

private:
    std::array<long, 4> m_tikken{};
    std::array<qint64, 4> m_eerste{}, m_laatste{};
    QElapsedTimer m_klok;
    std::vector<QMetaObject::Connection> m_verbindingen;
};
