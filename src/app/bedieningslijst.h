#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QTime>
#include <vector>

// The operator's list of the evening's draws: every listed number with the time it was drawn
// (and its points in picture mode), newest last; a number declared void is shown struck
// through, with its reason as tooltip. It follows the draw engine's list: cleared with it.
class Bedieningslijst : public QAbstractListModel {
    Q_OBJECT
public:
    struct Regel {
        qint32 nummer = 0;
        int punten = 0;
        bool metPunten = false;
        QTime tijd; // invalid: taken over from an earlier run, time unknown
        bool vervallen = false;
        QString reden;
        QString lot; // a raffle: the ticket as the hall reads it ("Roze 123")
    };

    explicit Bedieningslijst(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void voegToe(qint32 nummer, const QTime& tijd);
    void voegToeMetPunten(qint32 nummer, int punten, const QTime& tijd);
    void voegToeLot(qint32 nummer, const QString& lot, const QTime& tijd);
    // The last number was declared void.
    void vervalLaatste(const QString& reden);
    void maakLeeg();

    qsizetype aantal() const { return static_cast<qsizetype>(m_regels.size()); }
    const Regel& regel(qsizetype i) const { return m_regels[static_cast<std::size_t>(i)]; }

private:
    void voegToe(const Regel& regel);

    std::vector<Regel> m_regels;
};
