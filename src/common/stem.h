#pragma once

#include <QLocale>
#include <QString>
#include <functional>

class Spreker;

// The voice that reads every listed number out. Off at start and not stored, like the sound
// switch; silent too while the sound is off. It decides what to say and hands it to its
// Spreker, which never makes the caller wait.
class Stem {
public:
    // `geluidAan` tells whether the sound is on; without it the sound counts as on.
    explicit Stem(Spreker& spreker, std::function<bool()> geluidAan = {},
                  const QLocale& taal = QLocale(QLocale::Dutch));

    bool aan() const { return m_aan; }
    // Switching on gets the engine ready in the background; switching off silences it.
    void zetAan(bool aan);
    void wissel() { zetAan(!m_aan); }

    // The language spoken: the interface language.
    void setTaal(const QLocale& taal) { m_taal = taal; }
    const QLocale& taal() const { return m_taal; }

    // What is said when `nummer` joins the list: with digit rollers (`rolSoort` 0) the number
    // in words; with picture rollers the `punten` this result won, and nothing when none.
    static QString tekst(qint32 nummer, quint8 rolSoort, qint32 punten, const QLocale& taal);

    // What is said when a raffle ticket joins the list: its set's name as written, in lower
    // case, and its number in words ("roze honderddrieëntwintig", "pink one hundred
    // twenty-three"); the number alone for a set without a name.
    static QString lotTekst(const QString& reeksNaam, qint32 nummer, const QLocale& taal);

    // A number was listed: says it when the voice and the sound are on. Returns what was
    // handed to the Spreker, empty when nothing.
    QString nummerGelijst(qint32 nummer, quint8 rolSoort, qint32 punten = 0);
    // A raffle ticket was listed: the same for its set's name and its number.
    QString lotGelijst(const QString& reeksNaam, qint32 nummer);

private:
    // Hands `tekst` to the Spreker when the voice and the sound are on and there is something
    // to say; returns what was handed over.
    QString zeg(const QString& tekst);

    Spreker& m_spreker;
    std::function<bool()> m_geluidAan;
    QLocale m_taal;
    bool m_aan = false;
};
