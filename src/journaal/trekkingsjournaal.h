#pragma once

#include "journaal/journaalrecord.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

// Appends records to the draw journal, one line each, and never rewrites it. Every record
// is written with a single write of the line and its line feed and then flushed to the disk
// (fdatasync) before schrijf() returns, so that a listed number is on the disk when the
// window shows it.
//
// Opening reads the journal once: the hash of its last line (the next record's "vorige"),
// the number of lines, the series numbers in use and which keys are revealed. A last line
// without its line feed (the program died while writing it) is kept as it is and ended
// with a line feed; gescheurdeRegel() then names it, and the program-start record written
// next should say so (Trekkingsboek does).
//
// Nothing here throws or blocks: a journal that cannot be opened, locked (another Quintaro
// has it open) or written makes werkt() false from then on, and fout() says why; the draw
// goes on without it.
// Writes all of `data` to the file descriptor `fd`, going on after an interrupted or partial
// write; false when the system refuses (a full disk, a closed descriptor).
bool schrijfAlles(int fd, const QByteArray& data);

class Trekkingsjournaal {
public:
    explicit Trekkingsjournaal(const QString& pad);
    ~Trekkingsjournaal();
    Trekkingsjournaal(const Trekkingsjournaal&) = delete;
    Trekkingsjournaal& operator=(const Trekkingsjournaal&) = delete;

    bool werkt() const { return m_fd >= 0; }
    const QString& fout() const { return m_fout; }
    const QString& pad() const { return m_pad; }

    // Fills in "vorige" and, when empty, "tijd", and appends the record. False when it was
    // not written (then werkt() is false).
    bool schrijf(Journaalrecord record);

    qint64 regels() const { return m_regels; }
    // SHA-256 of the journal's latest line (raw; 32 zero bytes while it has none): the head of
    // the chain, which the next record's "vorige" names.
    const QByteArray& laatsteHash() const { return m_vorigeHash; }
    qint64 gescheurdeRegel() const { return m_gescheurd; }
    // With a torn line: the hex SHA-256 of the whole line before it (64 zeros if none).
    QByteArray vorigeHeel() const { return m_vorigeHeel; }
    qint64 laatsteReeks() const { return m_laatsteReeks; }
    bool isOnthuld(qint64 reeks) const { return m_onthuld.contains(reeks); }
    // The commitment of series `reeks` as the journal has it; empty if unknown.
    QByteArray toezegging(qint64 reeks) const { return m_toezeggingen.value(reeks); }

    // The present time as the records carry it: local time with milliseconds and offset.
    static QByteArray tijdNu();

private:
    void open();
    void stop(const QString& waarom);
    void merk(const Journaalrecord& record);

    QString m_pad;
    QString m_fout;
    int m_fd = -1;
    QByteArray m_vorigeHash; // raw SHA-256 of the last line
    qint64 m_regels = 0;
    qint64 m_grootte = 0;
    qint64 m_gescheurd = 0;
    QByteArray m_vorigeHeel;
    qint64 m_laatsteReeks = 0;
    QSet<qint64> m_onthuld;
    QHash<qint64, QByteArray> m_toezeggingen;
};
