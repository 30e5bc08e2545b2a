#pragma once

#include <QByteArray>
#include <QCryptographicHash>

class QIODevice;

// Reads a journal line by line from a device, without ever holding more than one line: a
// line longer than kMaxRegel bytes is passed over (only its length and, when asked, its hash
// are kept), and reading stops at a line that ends beyond kMaxBestand bytes. Lines end in a
// line feed, which is not part of the line; a last line without one is reported as not
// terminated.
class Journaallezer {
public:
    static constexpr qint64 kMaxRegel = qint64{4} << 20;   // 4 MiB
    static constexpr qint64 kMaxBestand = qint64{1} << 30; // 1 GiB

    struct Regel {
        QByteArray tekst;       // the bytes of the line; empty when teLang
        QByteArray hash;        // SHA-256 of the line's bytes (when hashing), 32 bytes
        qint64 nummer = 0;      // from 1
        qint64 lengte = 0;      // in bytes
        bool afgesloten = true; // ended by a line feed
        bool teLang = false;    // longer than the line limit
    };
    enum class Stand { Regel, Einde, TeGroot, Leesfout };

    explicit Journaallezer(QIODevice& bron, bool hashen = true, qint64 maxRegel = kMaxRegel,
                           qint64 maxBestand = kMaxBestand);

    // The next line into `uit`. Einde: no more lines. TeGroot: the line numbered
    // uit.nummer reaches beyond the file limit. Leesfout: the device failed.
    Stand volgende(Regel& uit);

    static QByteArray hash(QByteArrayView regel); // SHA-256 of a line's bytes

private:
    bool vul(); // more bytes into the buffer; false at the end or on an error

    QIODevice& m_bron;
    bool m_hashen;
    qint64 m_maxRegel;
    qint64 m_maxBestand;
    QByteArray m_buffer;
    qsizetype m_begin = 0; // first unread byte of m_buffer
    qint64 m_gelezen = 0;  // bytes consumed from the device so far
    qint64 m_nummer = 0;
    bool m_leesfout = false;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
};
