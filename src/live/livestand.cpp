#include "live/livestand.h"

#include "common/getrokkenlijst.h"
#include "common/instellingenhouder.h"
#include "draw/loterijverloop.h"
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
        const GetrokkenLijst& lijst = t->lijst();
        Getrokken g = lijst.aantal() > 0 && lijst.nummer(lijst.aantal() - 1) == nummer
                          ? regel(*t, lijst.aantal() - 1)
                          : Getrokken{nummer, {}, false, {}, {}, {}};
        g.tijd = QDateTime::currentDateTime();
        m_lijst.push_back(g);
        neemPrijs(*t);
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
    connect(t, &Trekking::laatsteVervallen, this, [this, t](qint32, const QString& reden) {
        neemPrijs(*t); // the prize of an absent winner is drawn again
        if (!m_lijst.empty()) {
            m_lijst.back().vervallen = true;
            m_lijst.back().reden = reden;
            meld();
        }
    });
    connect(t, &Trekking::reeksBegonnen, this, [this, t](const QString&, bool vastgelegd) {
        m_toezegging = t->toezeggingVolledig();
        m_publiekeInvoer.clear();
        neemPrijs(*t);
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
    for (qsizetype i = 0; i < trekking.lijst().aantal(); ++i)
        m_lijst.push_back(regel(trekking, i));
    neemPrijs(trekking);
    m_teller = trekking.tellerTekst();
    m_toezegging = trekking.toezeggingVolledig();
    m_publiekeInvoer = trekking.publiekeInvoer();
    m_vastgelegd = trekking.wordtVastgelegd();
    m_bezig = trekking.bezig();
    meld();
}

Livestand::Getrokken Livestand::regel(const Trekking& trekking, qsizetype i) {
    const GetrokkenLijst& lijst = trekking.lijst();
    Getrokken g{lijst.nummer(i), {}, false, {}, {}, {}};
    if (lijst.heeftEigenTekst(i)) {
        g.lot = lijst.tekst(i);
        g.kleur = lijst.kleur(i);
    }
    return g;
}

void Livestand::neemPrijs(const Trekking& trekking) {
    const Loterijverloop* verloop = trekking.loterij();
    m_loterij = verloop != nullptr;
    m_prijs = verloop ? verloop->prijsTekst(verloop->prijsNu()) : QString();
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
        if (!g.lot.isEmpty())
            regel.insert(QStringLiteral("lot"), g.lot);
        if (g.kleur.isValid())
            regel.insert(QStringLiteral("kleur"), g.kleur.name(QColor::HexRgb));
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
    if (!m_lijst.empty()) {
        stand.insert(QStringLiteral("laatste"), m_lijst.back().nummer);
        if (!m_lijst.back().lot.isEmpty())
            stand.insert(QStringLiteral("lot"), m_lijst.back().lot);
        if (m_lijst.back().kleur.isValid())
            stand.insert(QStringLiteral("kleur"), m_lijst.back().kleur.name(QColor::HexRgb));
    }
    // Only in a raffle: the prize drawn for next, empty once every prize is won.
    if (m_loterij)
        stand.insert(QStringLiteral("prijs"), m_prijs);
    return QJsonDocument(stand).toJson(QJsonDocument::Compact);
}
