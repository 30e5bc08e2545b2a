#include "live/livestand.h"

#include "common/instellingenhouder.h"
#include "draw/trekking.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

Livestand::Livestand(const QString& taal, QObject* parent) : QObject(parent), m_taal(taal) {}

void Livestand::volg(const Trekking& trekking, const Instellingenhouder& inst) {
    neemOver(trekking, inst);
    const Trekking* t = &trekking;
    const Instellingenhouder* i = &inst;
    connect(t, &Trekking::nummerGetrokken, this, [this, t](qint32 nummer, int) {
        m_lijst.push_back({nummer, QDateTime::currentDateTime(), false, {}});
        m_teller = t->tellerTekst();
        m_bezig = false;
        meld();
    });
    connect(t, &Trekking::trekkingBegonnen, this, [this] {
        m_bezig = true;
        meld();
    });
    connect(t, &Trekking::trekkingKlaar, this, [this] {
        if (m_bezig) {
            m_bezig = false;
            meld();
        }
    });
    connect(t, &Trekking::tellerGewijzigd, this, [this](const QString& tekst) {
        m_teller = tekst;
        meld();
    });
    connect(t, &Trekking::lijstGeleegd, this, [this] {
        m_lijst.clear();
        meld();
    });
    connect(t, &Trekking::laatsteVervallen, this, [this](qint32, const QString& reden) {
        if (!m_lijst.empty()) {
            m_lijst.back().vervallen = true;
            m_lijst.back().reden = reden;
            meld();
        }
    });
    connect(t, &Trekking::reeksBegonnen, this, [this, t](const QString&, bool vastgelegd) {
        m_toezegging = t->toezeggingVolledig();
        m_publiekeInvoer.clear();
        m_vastgelegd = vastgelegd;
        meld();
    });
    connect(t, &Trekking::publiekeInvoerGezet, this, [this](const QString& tekst) {
        m_publiekeInvoer = tekst;
        meld();
    });
    connect(i, &Instellingenhouder::bereikGewijzigd, this, [this](qint32 laag, qint32 hoog) {
        m_laagste = laag;
        m_hoogste = hoog;
        meld();
    });
    connect(i, &Instellingenhouder::rolSoortGekozen, this, [this](int soort) {
        m_rolSoort = soort;
        meld();
    });
}

void Livestand::neemOver(const Trekking& trekking, const Instellingenhouder& inst) {
    m_laagste = inst.record().LaagsteNummer;
    m_hoogste = inst.record().HoogsteNummer;
    m_rolSoort = inst.rolSoort();
    m_lijst.clear();
    for (qint32 nummer : trekking.lijst().nummers())
        m_lijst.push_back({nummer, {}, false, {}});
    m_teller = trekking.tellerTekst();
    m_toezegging = trekking.toezeggingVolledig();
    m_publiekeInvoer = trekking.publiekeInvoer();
    m_vastgelegd = trekking.wordtVastgelegd();
    m_bezig = trekking.bezig();
    meld();
}

void Livestand::meld() {
    ++m_versie;
    Q_EMIT gewijzigd(json());
}

QByteArray Livestand::json() const {
    QJsonArray lijst;
    for (const Getrokken& g : m_lijst) {
        QJsonObject regel{{QStringLiteral("nummer"), g.nummer}};
        if (g.tijd.isValid()) {
            regel.insert(
                QStringLiteral("tijd"),
                g.tijd.toOffsetFromUtc(g.tijd.offsetFromUtc()).toString(Qt::ISODateWithMs));
            regel.insert(QStringLiteral("ms"), g.tijd.toMSecsSinceEpoch());
        }
        if (g.vervallen) {
            regel.insert(QStringLiteral("vervallen"), true);
            regel.insert(QStringLiteral("reden"), g.reden);
        }
        lijst.append(regel);
    }
    QJsonObject stand{
        {QStringLiteral("versie"), static_cast<qint64>(m_versie)},
        {QStringLiteral("taal"), m_taal},
        {QStringLiteral("laagste"), m_laagste},
        {QStringLiteral("hoogste"), m_hoogste},
        {QStringLiteral("rolsoort"), m_rolSoort},
        {QStringLiteral("teller"), m_teller},
        {QStringLiteral("bezig"), m_bezig},
        {QStringLiteral("toezegging"), m_toezegging},
        {QStringLiteral("invoer"), m_publiekeInvoer},
        {QStringLiteral("vastgelegd"), m_vastgelegd},
        {QStringLiteral("getrokken"), lijst},
    };
    if (!m_lijst.empty())
        stand.insert(QStringLiteral("laatste"), m_lijst.back().nummer);
    return QJsonDocument(stand).toJson(QJsonDocument::Compact);
}
