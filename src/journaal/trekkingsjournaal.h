#pragma once

#include "journaal/journaalrecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QString>

#include "journaal/schrijfrij.h"

#include <atomic>
#include <functional>

// Appends records to the draw journal, one line each, and never rewrites it. schrijf() fixes a
// record's place in the chain at once and hands the line to a writer thread (Schrijfrij),
// which writes it with a single write of the line and its line feed and flushes it to the
// disk (fdatasync), one record after the other. opSchijf() tells whether every record given
// is on the disk; the window waits for that (wachtOpSchijf) before it shows a number, so a
// shown number is on the disk, while a slow disk flushes as the rollers spin.
//
// Opening reads the journal once: the hash of its last line (the next record's "vorige"),
// the number of lines, the series numbers in use and which keys are revealed. A last line
// without its line feed (the program died while writing it) is kept as it is and ended
// with a line feed; gescheurdeRegel() then names it, and the program-start record written
// next should say so (Trekkingsboek does). A whole last line that is no record (garbage
// appended by hand, a damaged disk) is treated the same way, so that the chain goes on past
// it; gescheurdOnleesbaar() then tells it apart. A symbolic link is not followed.
//
// Nothing here throws or blocks: a journal that cannot be opened, locked (another Quintaro
// has it open) or written makes werkt() false from then on, and fout() says why; the draw
// goes on without it. A record that cannot be written whole (a full disk) is cut off again,
// so the journal ends with its last whole line, and nothing after it is written.
// Writes all of `data` to the file descriptor `fd` (Schijf::schrijfAlles).
bool schrijfAlles(int fd, const QByteArray& data);

class Trekkingsjournaal {
    Q_DECLARE_TR_FUNCTIONS(Trekkingsjournaal)

public:
    explicit Trekkingsjournaal(const QString& pad);
    ~Trekkingsjournaal();
    Trekkingsjournaal(const Trekkingsjournaal&) = delete;
    Trekkingsjournaal& operator=(const Trekkingsjournaal&) = delete;

    bool werkt() const { return m_fd >= 0 && !m_dicht && !m_mislukt.load(); }
    // Why it does not work; empty while it does.
    QString fout() const;
    // It stopped because the disk (or the user's quota) is full.
    bool schijfVol() const;
    const QString& pad() const { return m_pad; }

    // Fills in "vorige" and, when empty, "tijd", and gives the record to the writer thread;
    // `daarna` runs there once it is on the disk. False when the journal does not work.
    bool schrijf(Journaalrecord record, std::function<void()> daarna = {});
    // Runs `taak` on the writer thread after the records given so far, if the journal still
    // works then (the key file's changes go in the journal's order).
    void inRij(std::function<void()> taak);
    // Whether every record given so far is on the disk (or the journal has stopped).
    bool opSchijf() const { return m_rij.isKlaar(m_laatste); }
    // Waits until it is; returns werkt().
    bool wachtOpSchijf();
    // Called once when the journal stops after it worked, on the writer thread.
    void zetBijStoppen(std::function<void()> bijStoppen) { m_bijStoppen = std::move(bijStoppen); }

    qint64 regels() const { return m_regels; }
    // SHA-256 of the journal's latest line (raw; 32 zero bytes while it has none): the head of
    // the chain, which the next record's "vorige" names.
    const QByteArray& laatsteHash() const { return m_vorigeHash; }
    qint64 gescheurdeRegel() const { return m_gescheurd; }
    // The torn line ended with its line feed but is no record.
    bool gescheurdOnleesbaar() const { return m_gescheurdOnleesbaar; }
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
    // On the writer thread: the line at offset `begin`, written and flushed, or cut off.
    void schrijfRegel(const QByteArray& regel, qint64 begin);
    void faal(int fout);

    QString m_pad;
    QString m_fout;
    int m_fd = -1;
    QByteArray m_vorigeHash; // raw SHA-256 of the last line
    qint64 m_regels = 0;
    qint64 m_grootte = 0;
    qint64 m_gescheurd = 0;
    bool m_gescheurdOnleesbaar = false;
    QByteArray m_vorigeHeel;
    qint64 m_laatsteReeks = 0;
    QSet<qint64> m_onthuld;
    QHash<qint64, QByteArray> m_toezeggingen;
    bool m_dicht = false;                // no more records taken (the journal is full)
    std::atomic<bool> m_mislukt = false; // a write failed on the writer thread
    std::atomic<int> m_foutCode = 0;     // its errno
    std::function<void()> m_bijStoppen;
    quint64 m_laatste = 0; // the writer's task of the last record
    Schrijfrij m_rij;      // last: its thread ends before the rest goes
};
