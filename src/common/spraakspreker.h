#pragma once

#include "common/spreker.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QThread;
class SpraakWerker;

// Speaks through Qt's text-to-speech engine. The engine is made on first need in a thread of
// its own, since loading it and reaching the speech service can take a while; every call
// here only posts a message to that thread and returns at once. Without an engine, or
// without a voice for the language asked, it stays silent and says so to nobody.
class SpraakSpreker : public QObject, public Spreker {
    Q_OBJECT
public:
    // `engine` names the text-to-speech engine; empty takes the system's default.
    explicit SpraakSpreker(const QString& engine = {}, QObject* parent = nullptr);
    ~SpraakSpreker() override;

    void zeg(const QString& tekst, const QLocale& taal) override;
    void zwijg() override;
    void voorbereiden() override;

Q_SIGNALS:
    // The engine thread tried to make its engine: `engine` is its name (empty when none could
    // be made), `talen` the languages it has voices for ("nl_NL", "en_GB", ...).
    void gereed(const QString& engine, const QStringList& talen);
    // A text went to the engine, spoken with the voice `stem`; or it was dropped (`stem`
    // empty) because there is no engine or no voice for its language.
    void doorgegeven(const QString& tekst, const QString& stem);
    // The engine began (true) or finished (false) speaking.
    void spreekt(bool bezig);

private:
    void zorgVoorDraad();

    QString m_engine;
    QThread* m_draad = nullptr;
    QPointer<SpraakWerker> m_werker;
};
