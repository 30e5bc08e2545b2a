#pragma once

#include <QString>

// One Quintaro per data folder: an exclusive lock (flock) on the file Quintaro.lock in the
// folder, held as long as this object lives. The system lets go of it when the process ends,
// also after a crash or kill -9, so a file left behind never stops a start; it is therefore
// left in place. The file holds the holder's process number, for the message of a second start.
class Mapslot {
public:
    enum class Stand {
        Genomen,   // this process holds the folder
        Bezet,     // another process holds it
        Onmogelijk // the lock file could be neither made nor opened (see fout())
    };

    explicit Mapslot(const QString& pad);
    ~Mapslot();
    Mapslot(const Mapslot&) = delete;
    Mapslot& operator=(const Mapslot&) = delete;

    Stand stand() const { return m_stand; }
    // With Bezet: the process number the holder wrote, 0 when unknown.
    qint64 houder() const { return m_houder; }
    // With Onmogelijk: why, as the system says it.
    const QString& fout() const { return m_fout; }

private:
    int m_fd = -1;
    Stand m_stand = Stand::Onmogelijk;
    qint64 m_houder = 0;
    QString m_fout;
};
