#include "common/spraakspreker.h"

#include "common/stemkeuze.h"

#include <QDeadlineTimer>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <memory>
#include <optional>

// Lives in the engine thread: makes the engine on first need and speaks.
class SpraakWerker : public QObject {
    Q_OBJECT
public:
    explicit SpraakWerker(const QString& engine) : m_engineNaam(engine) {}
    ~SpraakWerker() override = default;

    void maak() {
        if (m_gezocht)
            return;
        m_gezocht = true;
        QStringList talen;
        QString naam;
        // No engine installed: no QTextToSpeech at all, which would otherwise warn.
        const QStringList engines = QTextToSpeech::availableEngines();
        if (!engines.isEmpty() && (m_engineNaam.isEmpty() || engines.contains(m_engineNaam))) {
            m_tts = m_engineNaam.isEmpty() ? std::make_unique<QTextToSpeech>()
                                           : std::make_unique<QTextToSpeech>(m_engineNaam);
            if (m_tts->state() == QTextToSpeech::Error) {
                m_tts.reset();
            } else {
                connect(m_tts.get(), &QTextToSpeech::stateChanged, this,
                        [this](QTextToSpeech::State s) {
                            Q_EMIT spreekt(s == QTextToSpeech::Speaking);
                        });
                naam = m_engineNaam.isEmpty() ? engines.first() : m_engineNaam;
                for (const QLocale& l : m_tts->availableLocales())
                    talen << l.name();
            }
        }
        Q_EMIT gereed(naam, talen);
    }

    void zeg(const QString& tekst, const QLocale& taal) {
        maak();
        const QString stem = kiesStem(taal);
        if (!stem.isEmpty()) {
            m_tts->stop();
            m_tts->say(tekst);
        }
        Q_EMIT doorgegeven(tekst, stem);
    }

    void zwijg() {
        if (m_tts)
            m_tts->stop();
    }

Q_SIGNALS:
    void gereed(const QString& engine, const QStringList& talen);
    void doorgegeven(const QString& tekst, const QString& stem);
    void spreekt(bool bezig);

private:
    // Sets the engine to a voice of `taal`'s language, the system's country first (see
    // StemKeuze); returns the voice's name, or empty when the engine has none.
    QString kiesStem(const QLocale& taal) {
        if (!m_tts)
            return {};
        if (!m_gekozen || m_gekozen->language() != taal.language()) {
            const std::optional<QLocale> gekozen =
                StemKeuze::taal(m_tts->availableLocales(), taal, QLocale::system());
            if (!gekozen)
                return {};
            m_tts->setLocale(*gekozen);
            if (m_tts->locale().language() != taal.language())
                return {};
            const QList<QVoice> stemmen = m_tts->availableVoices();
            QStringList namen;
            for (const QVoice& v : stemmen)
                namen << v.name();
            const qsizetype keuze = StemKeuze::stem(namen, *gekozen);
            if (keuze >= 0)
                m_tts->setVoice(stemmen[keuze]);
            m_gekozen = gekozen;
        }
        const QString naam = m_tts->voice().name();
        return naam.isEmpty() ? m_tts->locale().name() : naam;
    }

    QString m_engineNaam;
    bool m_gezocht = false;
    std::unique_ptr<QTextToSpeech> m_tts;
    std::optional<QLocale> m_gekozen;
};

SpraakSpreker::SpraakSpreker(const QString& engine, QObject* parent)
    : QObject(parent), m_engine(engine) {}

SpraakSpreker::~SpraakSpreker() {
    if (!m_draad)
        return;
    m_draad->quit();
    // A speech service that hangs must not hold up the program's exit: the thread is then
    // left to the end of the process.
    if (m_draad->wait(QDeadlineTimer(3000)))
        delete m_draad;
}

void SpraakSpreker::zorgVoorDraad() {
    if (m_draad)
        return;
    m_draad = new QThread;
    m_draad->setObjectName(QStringLiteral("spraak"));
    m_werker = new SpraakWerker(m_engine);
    m_werker->moveToThread(m_draad);
    connect(m_draad, &QThread::finished, m_werker, &QObject::deleteLater);
    connect(m_werker, &SpraakWerker::gereed, this, &SpraakSpreker::gereed);
    connect(m_werker, &SpraakWerker::doorgegeven, this, &SpraakSpreker::doorgegeven);
    connect(m_werker, &SpraakWerker::spreekt, this, &SpraakSpreker::spreekt);
    m_draad->start(QThread::LowPriority);
}

void SpraakSpreker::voorbereiden() {
    zorgVoorDraad();
    QMetaObject::invokeMethod(m_werker, &SpraakWerker::maak, Qt::QueuedConnection);
}

void SpraakSpreker::zeg(const QString& tekst, const QLocale& taal) {
    zorgVoorDraad();
    SpraakWerker* werker = m_werker;
    QMetaObject::invokeMethod(
        werker, [werker, tekst, taal] { werker->zeg(tekst, taal); }, Qt::QueuedConnection);
}

void SpraakSpreker::zwijg() {
    if (m_werker)
        QMetaObject::invokeMethod(m_werker, &SpraakWerker::zwijg, Qt::QueuedConnection);
}

#include "spraakspreker.moc"
