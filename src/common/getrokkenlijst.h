#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

// The list of drawn numbers, oldest first, as the bottom panel shows it.
// Entries are only appended (one per finished draw) or cleared all at once.
class GetrokkenLijst : public QAbstractListModel {
    Q_OBJECT
public:
    explicit GetrokkenLijst(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // `tekst`: how the list shows it ("Roze 123" for a raffle ticket); empty: the number.
    // `kleur`: the colour of the ticket's set, invalid for none.
    void voegToe(qint32 nummer, const QString& tekst = {}, const QColor& kleur = {});
    void maakLeeg();

    qsizetype aantal() const { return static_cast<qsizetype>(m_nummers.size()); }
    qint32 nummer(qsizetype i) const { return m_nummers[static_cast<std::size_t>(i)]; }
    // Entry i as the list shows it.
    QString tekst(qsizetype i) const;
    // Whether entry i has a text of its own (a raffle ticket), and its set's colour.
    bool heeftEigenTekst(qsizetype i) const {
        return !m_teksten[static_cast<std::size_t>(i)].isEmpty();
    }
    QColor kleur(qsizetype i) const { return m_kleuren[static_cast<std::size_t>(i)]; }
    const std::vector<qint32>& nummers() const { return m_nummers; }
    // Counts the clearings; lets a reader that keeps its own index notice a clear.
    std::uint64_t generatie() const { return m_generatie; }

private:
    std::vector<qint32> m_nummers;
    std::vector<QString> m_teksten; // per entry; empty: the number
    std::vector<QColor> m_kleuren;  // per entry; invalid: none
    std::uint64_t m_generatie = 0;
};

// The drawn-list file: one number per line, each line ending in CR LF, no header.
QByteArray lijstBestandInhoud(const std::vector<qint32>& nummers);

// The numbers of a drawn-list file, up to its first line that is not one.
std::vector<qint32> leesLijstBestand(const QString& pad);

// Replaces the file at `pad` atomically with the list's content (Schijf::bewaar: a failure
// leaves the old file as it was). Returns whether the file was written.
bool BewaarLijst(const QString& pad, const std::vector<qint32>& nummers);
