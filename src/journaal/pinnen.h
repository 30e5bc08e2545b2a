#pragma once

#include "journaal/controleuitslag.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct Journaalrecord;

// What someone in the hall noted from the screen, checked against a journal: commitments
// (--toezegging) and heads of the chain (--keten), each a prefix of at least kMinHex hex
// digits. A commitment matches a series' "reeks" record, a head the hash of any line. Each pin
// is looked for while the journal is read and names the first line it matches; a pin that
// matches none makes the check fail.
class Pinnen {
    Q_DECLARE_TR_FUNCTIONS(Pinnen)

public:
    using Pin = Controleuitslag::Pin;
    // As many hex digits as the screen shows: fewer would let a forger search for a line
    // that happens to match.
    static constexpr int kMinHex = 16;

    // The pin as typed ("3f2a 91c0 77de 0b18", any case, spaces ignored); std::nullopt unless
    // it holds kMinHex to 64 hex digits.
    static std::optional<Pin> lees(Pin::Soort soort, const QString& tekst);

    explicit Pinnen(std::vector<Pin> pinnen) : m_pinnen(std::move(pinnen)) {}
    bool leeg() const { return m_pinnen.empty(); }

    // Line `regel` with its hash (raw) and record (nullptr for a torn line), after the record
    // has been applied: `trekkingen` and `vervallen` are its series' draws and voids so far.
    void regel(qint64 regel, const QByteArray& hash, const Journaalrecord* record,
               qint64 trekkingen, qint64 vervallen);
    // At the end of the journal: `stand(reeks)` gives a series' draws and voids in the
    // whole journal. Fills `uit.pinnen` and, when the check found nothing wrong, makes a pin
    // that matches no line its fault.
    void sluit(Controleuitslag& uit,
               const std::function<std::pair<qint64, qint64>(qint64)>& stand) const;

    // One line for a person: the pin and where it was found.
    static QString tekst(const Pin& pin);

private:
    std::vector<Pin> m_pinnen;
};
