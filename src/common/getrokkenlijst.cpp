#include "common/getrokkenlijst.h"

#include <QSaveFile>

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
    return QString::number(m_nummers[static_cast<std::size_t>(index.row())]);
}

void GetrokkenLijst::voegToe(qint32 nummer) {
    const int rij = static_cast<int>(m_nummers.size());
    beginInsertRows(QModelIndex(), rij, rij);
    m_nummers.push_back(nummer);
    endInsertRows();
}

void GetrokkenLijst::maakLeeg() {
    beginResetModel();
    m_nummers.clear();
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

bool BewaarLijst(const QString& pad, const std::vector<qint32>& nummers) {
    // The new content goes to a temporary file next to the old one, which is only renamed
    // over it once everything is written: the old file is replaced as a whole, or stays.
    QSaveFile bestand(pad);
    // A folder that takes no new files but holds a writable list file: written in place.
    bestand.setDirectWriteFallback(true);
    if (!bestand.open(QIODevice::WriteOnly))
        return false;
    const QByteArray inhoud = lijstBestandInhoud(nummers);
    // Without a commit the temporary file is discarded and the old file is left alone.
    if (bestand.write(inhoud) != inhoud.size())
        return false;
    return bestand.commit();
}
