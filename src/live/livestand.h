#pragma once

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <vector>

class Instellingenhouder;
class Trekking;

// The evening as the live view shows it, kept up to date from the draw engine's and the
// settings' announcements: the range and roller kind, the drawn list with the time each number
// was listed (and a void), the counter or score, the series' full commitment with its public
// input, and whether the journal records it; in a raffle each ticket with its set and colour
// and the prize up. json() is what /stand.json serves and what every
// connected page receives after each change (docs/live.md describes the fields).
class Livestand : public QObject {
    Q_OBJECT
public:
    struct Getrokken {
        qint32 nummer = 0;
        QDateTime tijd; // invalid for numbers taken over from a resumed journal
        bool vervallen = false;
        QString reden;
        QString lot;  // a raffle ticket as the hall reads it ("Roze 123"); empty otherwise
        QColor kleur; // its set's colour; invalid for none
    };

    // `taal`: the interface language ("nl", "en"), told to the pages.
    explicit Livestand(const QString& taal, QObject* parent = nullptr);

    // Takes what stands now and follows every later announcement.
    void volg(const Trekking& trekking, const Instellingenhouder& inst);

    const std::vector<Getrokken>& lijst() const { return m_lijst; }
    QString toezegging() const { return m_toezegging; }
    // Counts the changes; the pages ignore an older state that arrives late.
    quint64 versie() const { return m_versie; }
    QByteArray json() const;

Q_SIGNALS:
    // After every change, with the new state as JSON.
    void gewijzigd(const QByteArray& json);

private:
    void neemOver(const Trekking& trekking, const Instellingenhouder& inst);
    void meld();
    // Entry i of the engine's list as the live view lists it (without its time).
    static Getrokken regel(const Trekking& trekking, qsizetype i);
    void neemPrijs(const Trekking& trekking);

    QString m_taal;
    qint32 m_laagste = 1;
    qint32 m_hoogste = 9999;
    int m_rolSoort = 0;
    std::vector<Getrokken> m_lijst;
    QString m_teller;
    QString m_toezegging;
    QString m_publiekeInvoer;
    bool m_vastgelegd = true;
    bool m_bezig = false;
    bool m_loterij = false;
    QString m_prijs; // the raffle's prize up; empty when every prize is won
    quint64 m_versie = 0;
};
