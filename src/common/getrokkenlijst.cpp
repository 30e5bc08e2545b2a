#include "common/getrokkenlijst.h"

#include "schijf/schijf.h"

#include <QFile>

GetrokkenLijst::GetrokkenLijst(QObject* parent) : QAbstractListModel(parent) {}

int GetrokkenLijst::rowCount(const QModelIndex& parent) const {
    // A flat list: only the invisible root has rows.
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_nummers.size());
}

QVariant GetrokkenLijst::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.parent().isValid() || index.column() != 0)
        return {};
    if (index.row() < 0 || static_cast<std::size_t>(index.row()) >= m_nummers.size())
        return {};
    if (role != Qt::DisplayRole)
        return {};
    return tekst(index.row());
}

QString GetrokkenLijst::tekst(qsizetype i) const {
    const auto plek = static_cast<std::size_t>(i);
    return m_teksten[plek].isEmpty() ? QString::number(m_nummers[plek]) : m_teksten[plek];
}

void GetrokkenLijst::voegToe(qint32 nummer, const QString& tekst, const QColor& kleur) {
    const int rij = static_cast<int>(m_nummers.size());
    beginInsertRows(QModelIndex(), rij, rij);
    m_nummers.push_back(nummer);
    m_teksten.push_back(tekst);
    m_kleuren.push_back(kleur);
    endInsertRows();
}

void GetrokkenLijst::maakLeeg() {
    beginResetModel();
    m_nummers.clear();
    m_teksten.clear();
    m_kleuren.clear();
    ++m_generatie;
    endResetModel();
}

QByteArray lijstBestandInhoud(const std::vector<qint32>& nummers) {
    QByteArray inhoud;
    // At most 11 characters for a 32-bit number plus CR LF.
    inhoud.reserve(static_cast<qsizetype>(nummers.size()) * 13);
    for (qint32 nummer : nummers) {
        inhoud.append(QByteArray::number(nummer));
        inhoud.append("\r\n", 2);
    }
    return inhoud;
}

std::vector<qint32> leesLijstBestand(const QString& pad) {
    std::vector<qint32> nummers;
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return nummers;
    for (const QByteArray& regel : bestand.read(64 << 20).split('\n')) {
        bool ok = false;
        const qint32 nummer = regel.trimmed().toInt(&ok);
        if (!ok)
            break;
        nummers.push_back(nummer);
    }
    return nummers;
}

bool BewaarLijst(const QString& pad, const std::vector<qint32>& nummers) {
    // Replaced as a whole, or left as it was (a full disk never empties it).
    return Schijf::bewaar(pad, lijstBestandInhoud(nummers)) == 0;
}
