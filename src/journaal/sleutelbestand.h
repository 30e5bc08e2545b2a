#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The private file that keeps the key of the series in progress (Trekkingsjournaal.sleutel),
// so that a crash loses nothing: from the series' start until its key is revealed in the
// journal. One line, "quintaro-sleutel 1 <series> <commitment> <key>", the last two in hex.
// The file is written to a temporary file created with permissions 0600 (owner read and
// write only) and renamed over the old one, so that it is never readable by others, not
// even for a moment, and never half written. Reading follows no symbolic link.
class Sleutelbestand {
public:
    explicit Sleutelbestand(QString pad) : m_pad(std::move(pad)) {}

    struct Inhoud {
        qint64 reeks = 0;
        QByteArray sleutel; // raw, 32 bytes
    };

    // Keeps `sleutel` as the key of series `reeks`; false when it could not be written.
    bool bewaar(qint64 reeks, const QByteArray& sleutel) const;
    enum class Stand {
        Goed,       // a well-formed line whose key matches its commitment, owner-only
        NietPrive,  // the same, but the file was open to others (it is made 0600 at once)
        Ontbreekt,  // no such file
        Koppeling,  // a symbolic link, not followed
        Onleesbaar, // damaged, not a key file, or its key does not match its commitment
    };

    // The key kept, if the file holds a well-formed line whose key matches its commitment;
    // also when the file was readable by others (NietPrive), which the caller must weigh.
    // `stand`, when given, says which case it was.
    std::optional<Inhoud> lees(Stand* stand = nullptr) const;
    // Removes the file; true when it is gone.
    bool wis() const;
    // Withdraws the key: it can no longer take its series further (--hervat), as the journal
    // stopped recording the series while its numbers were still shown. It is kept beside as
    // ingetrokken() until a journal that works again reveals it. True when it is withdrawn.
    bool trekIn() const;
    // The withdrawn key's file, "<file>.ingetrokken".
    Sleutelbestand ingetrokken() const {
        return Sleutelbestand(m_pad + QStringLiteral(".ingetrokken"));
    }

    const QString& pad() const { return m_pad; }

private:
    QString m_pad;
};
