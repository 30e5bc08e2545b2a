#include "app/bedieningslijst.h"

#include <QFont>

Bedieningslijst::Bedieningslijst(QObject* parent) : QAbstractListModel(parent) {}

int Bedieningslijst::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_regels.size());
}

QVariant Bedieningslijst::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.parent().isValid() || index.column() != 0 || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= m_regels.size())
        return {};
    const Regel& r = m_regels[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole: {
        QString tekst = (r.tijd.isValid() ? r.tijd.toString(QStringLiteral("HH:mm:ss"))
                                          : QStringLiteral("--:--:--")) +
                        QStringLiteral("   ") +
                        (r.lot.isEmpty() ? QString::number(r.nummer) : r.lot);
        if (r.metPunten)
            tekst += QStringLiteral("   ") +
                     (r.punten == 1 ? tr("%1 punt") : tr("%1 punten")).arg(r.punten);
        if (r.vervallen)
            tekst += QStringLiteral("   ") + tr("vervallen");
        return tekst;
    }
    case Qt::FontRole: {
        if (!r.vervallen)
            return {};
        QFont font;
        font.setStrikeOut(true);
        return font;
    }
    case Qt::ToolTipRole:
        return r.vervallen ? tr("Vervallen: %1").arg(r.reden) : QVariant();
    case Qt::AccessibleDescriptionRole:
        return r.vervallen ? tr("vervallen: %1").arg(r.reden) : QVariant();
    default:
        return {};
    }
}

void Bedieningslijst::voegToe(const Regel& regel) {
    const int rij = static_cast<int>(m_regels.size());
    beginInsertRows(QModelIndex(), rij, rij);
    m_regels.push_back(regel);
    endInsertRows();
}

void Bedieningslijst::voegToe(qint32 nummer, const QTime& tijd) {
    voegToe(Regel{nummer, 0, false, tijd, false, {}, {}});
}

void Bedieningslijst::voegToeLot(qint32 nummer, const QString& lot, const QTime& tijd) {
    voegToe(Regel{nummer, 0, false, tijd, false, {}, lot});
}

void Bedieningslijst::voegToeMetPunten(qint32 nummer, int punten, const QTime& tijd) {
    voegToe(Regel{nummer, punten, true, tijd, false, {}, {}});
}

void Bedieningslijst::vervalLaatste(const QString& reden) {
    if (m_regels.empty())
        return;
    Regel& r = m_regels.back();
    r.vervallen = true;
    r.reden = reden;
    const QModelIndex i = index(static_cast<int>(m_regels.size()) - 1);
    Q_EMIT dataChanged(i, i);
}

void Bedieningslijst::maakLeeg() {
    beginResetModel();
    m_regels.clear();
    endResetModel();
}
