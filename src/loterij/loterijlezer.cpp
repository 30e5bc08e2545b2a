#include "loterij/loterijlezer.h"

#include "loterij/csvrecords.h"
#include "loterij/lotkleur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>

#include <map>

namespace {

using Uitslag = LoterijLezer::Uitslag;

enum class Soort { Reeks, Uit, Prijs, Kop, Onbekend };

Soort soortVan(const QString& veld) {
    const QString w = veld.toLower();
    if (w == u"reeks" || w == u"set")
        return Soort::Reeks;
    if (w == u"uit" || w == u"out")
        return Soort::Uit;
    if (w == u"prijs" || w == u"prize")
        return Soort::Prijs;
    if (w == u"soort" || w == u"kind")
        return Soort::Kop;
    return Soort::Onbekend;
}

// The line (from 1) of the first bytes that are not UTF-8.
int regelZonderUtf8(const QByteArray& inhoud) {
    int regel = 1;
    for (const QByteArray& r : inhoud.split('\n')) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString ongebruikt = decoder.decode(r);
        if (decoder.hasError())
            return regel;
        ++regel;
    }
    return regel - 1;
}

// What one reading builds up, and its first fault.
class Lezing {
public:
    explicit Lezing(const QString& map) : m_map(map) {}

    bool splits(const QString& tekst);
    bool interpreteer();
    bool sluitAf();
    Uitslag uitslag() &&;

private:
    struct Uitregel {
        int regel;
        QString naam;
        std::vector<std::pair<Nummerbereik, QString>> bereiken; // with the text as written
    };

    bool faal(int regel, const QString& reden) {
        m_regel = regel;
        m_reden = reden;
        return false;
    }
    bool nummer(const QString& tekst, int regel, qint32& uit);
    bool leesReeks(const CsvRecord& r);
    bool leesUit(const CsvRecord& r);
    bool leesPrijs(const CsvRecord& r);
    bool teVeel(const CsvRecord& r, qsizetype velden);

    QDir m_map;
    std::vector<CsvRecord> m_records;
    Loterij m_loterij;
    std::map<QString, std::map<qint32, int>> m_perNaam; // folded name -> lowest -> set
    std::vector<Uitregel> m_uitregels;
    int m_regel = 0;
    QString m_reden;
};

bool Lezing::splits(const QString& tekst) {
    const int regel = splitsCsv(tekst, m_records);
    return regel == 0 || faal(regel, LoterijLezer::tr("een aanhalingsteken wordt niet gesloten"));
}

bool Lezing::nummer(const QString& tekst, int regel, qint32& uit) {
    bool cijfers = !tekst.isEmpty();
    for (QChar c : tekst)
        cijfers = cijfers && c >= u'0' && c <= u'9';
    if (!cijfers) {
        return faal(regel, LoterijLezer::tr(
                               "\"%1\" is geen lotnummer: een lotnummer is een geheel getal van "
                               "0 tot en met %2")
                               .arg(tekst)
                               .arg(LoterijLezer::kHoogsteNummer));
    }
    QStringView zonderNullen(tekst);
    while (zonderNullen.size() > 1 && zonderNullen.front() == u'0')
        zonderNullen = zonderNullen.mid(1);
    const qint64 waarde = zonderNullen.size() > 10 ? -1 : zonderNullen.toLongLong();
    if (waarde < 0 || waarde > LoterijLezer::kHoogsteNummer) {
        return faal(regel, LoterijLezer::tr("%1 past niet in 32 bits: het hoogste lotnummer is %2")
                               .arg(tekst)
                               .arg(LoterijLezer::kHoogsteNummer));
    }
    uit = static_cast<qint32>(waarde);
    return true;
}

bool Lezing::teVeel(const CsvRecord& r, qsizetype velden) {
    if (r.velden.size() <= velden)
        return false;
    return !faal(
        r.regel,
        LoterijLezer::tr("onverwacht veld %1: \"%2\"").arg(velden + 1).arg(r.velden[velden]));
}

bool Lezing::interpreteer() {
    for (const CsvRecord& r : m_records) {
        bool goed = true;
        switch (soortVan(r.velden.first())) {
        case Soort::Reeks:
            goed = leesReeks(r);
            break;
        case Soort::Uit:
            goed = leesUit(r);
            break;
        case Soort::Prijs:
            goed = leesPrijs(r);
            break;
        case Soort::Kop:
            break;
        case Soort::Onbekend:
            goed =
                faal(r.regel,
                     LoterijLezer::tr("onbekende soort regel \"%1\": verwacht reeks, uit of prijs")
                         .arg(r.velden.first()));
        }
        if (!goed)
            return false;
    }
    return true;
}

bool Lezing::leesReeks(const CsvRecord& r) {
    if (r.velden.size() < 5) {
        return faal(r.regel,
                    LoterijLezer::tr("een reeks vraagt een naam, een kleur, het laagste en het "
                                     "hoogste nummer: reeks;Roze;roze;1;500"));
    }
    if (teVeel(r, 5))
        return false;
    Lotenreeks reeks;
    reeks.naam = r.velden[1];
    reeks.regel = r.regel;
    if (!r.velden[2].isEmpty()) {
        const auto kleur = lotKleur(r.velden[2]);
        if (!kleur) {
            return faal(r.regel,
                        LoterijLezer::tr("onbekende kleur \"%1\": bekend zijn %2 en #rrggbb")
                            .arg(r.velden[2], lotKleurNamen().join(QStringLiteral(", "))));
        }
        reeks.kleur = *kleur;
    }
    if (!nummer(r.velden[3], r.regel, reeks.nummers.van) ||
        !nummer(r.velden[4], r.regel, reeks.nummers.tot))
        return false;
    if (reeks.nummers.van > reeks.nummers.tot) {
        return faal(r.regel, LoterijLezer::tr("het laagste nummer %1 ligt boven het hoogste %2")
                                 .arg(reeks.nummers.van)
                                 .arg(reeks.nummers.tot));
    }
    // Sets of the same name are parts of one book: they must not share a number.
    auto& vanaf = m_perNaam[reeks.naam.toCaseFolded()];
    auto na = vanaf.upper_bound(reeks.nummers.van);
    const auto& reeksen = m_loterij.reeksen();
    const Lotenreeks* buur = nullptr;
    if (na != vanaf.end() && na->first <= reeks.nummers.tot)
        buur = &reeksen[static_cast<std::size_t>(na->second)];
    else if (na != vanaf.begin() &&
             reeksen[static_cast<std::size_t>(std::prev(na)->second)].nummers.tot >=
                 reeks.nummers.van)
        buur = &reeksen[static_cast<std::size_t>(std::prev(na)->second)];
    if (buur) {
        return faal(r.regel,
                    LoterijLezer::tr("de reeks \"%1\" deelt nummers met de reeks op regel %2")
                        .arg(reeks.naam)
                        .arg(buur->regel));
    }
    vanaf.emplace(reeks.nummers.van, static_cast<int>(reeksen.size()));
    m_loterij.voegReeksToe(std::move(reeks));
    return true;
}

bool Lezing::leesUit(const CsvRecord& r) {
    Uitregel uit{r.regel, r.velden.value(1), {}};
    for (qsizetype i = 2; i < r.velden.size(); ++i) {
        const QString& veld = r.velden[i];
        if (veld.isEmpty())
            continue;
        qsizetype streep = veld.indexOf(u'-');
        if (streep < 0)
            streep = veld.indexOf(QChar(0x2013)); // an en dash, as a word processor makes it
        // A range with an end missing ("-5", "5-") is reported as written.
        const QString van = streep < 0 ? veld : veld.left(streep).trimmed();
        const QString tot = streep < 0 ? veld : veld.mid(streep + 1).trimmed();
        Nummerbereik b;
        if (!nummer(van.isEmpty() || tot.isEmpty() ? veld : van, r.regel, b.van) ||
            !nummer(tot, r.regel, b.tot))
            return false;
        if (b.van > b.tot)
            return faal(
                r.regel,
                LoterijLezer::tr("in \"%1\" ligt het eerste nummer boven het laatste").arg(veld));
        uit.bereiken.emplace_back(b, veld);
    }
    if (uit.bereiken.empty()) {
        return faal(r.regel,
                    LoterijLezer::tr("uit vraagt de naam van een reeks en een of meer nummers: "
                                     "uit;Roze;17;40-49"));
    }
    m_uitregels.push_back(std::move(uit));
    return true;
}

bool Lezing::leesPrijs(const CsvRecord& r) {
    if (r.velden.value(1).isEmpty())
        return faal(r.regel, LoterijLezer::tr(
                                 "een prijs vraagt een omschrijving: prijs;Fruitmand;fruit.jpg"));
    if (teVeel(r, 3))
        return false;
    Prijs prijs{r.velden[1], {}, r.regel};
    if (const QString plaatje = r.velden.value(2); !plaatje.isEmpty()) {
        const QFileInfo info(m_map.absoluteFilePath(plaatje));
        if (!info.exists()) {
            return faal(r.regel, LoterijLezer::tr("het plaatje \"%1\" is er niet (gezocht in %2)")
                                     .arg(plaatje, QDir::toNativeSeparators(info.absolutePath())));
        }
        if (!info.isFile() || !QImageReader(info.absoluteFilePath()).canRead())
            return faal(r.regel, LoterijLezer::tr("\"%1\" is geen plaatje").arg(plaatje));
        prijs.plaatje = info.absoluteFilePath();
    }
    m_loterij.voegPrijsToe(std::move(prijs));
    return true;
}

bool Lezing::sluitAf() {
    if (m_loterij.reeksen().empty())
        return faal(0, LoterijLezer::tr("het bestand noemt geen reeks loten"));
    std::map<int, std::vector<Nummerbereik>> perReeks;
    for (const Uitregel& u : m_uitregels) {
        const auto naam = m_perNaam.find(u.naam.toCaseFolded());
        if (naam == m_perNaam.end())
            return faal(u.regel, LoterijLezer::tr("er is geen reeks \"%1\"").arg(u.naam));
        for (const auto& [b, tekst] : u.bereiken) {
            const auto na = naam->second.upper_bound(b.van);
            if (na == naam->second.begin() ||
                m_loterij.reeksen()[static_cast<std::size_t>(std::prev(na)->second)].nummers.tot <
                    b.tot) {
                return faal(
                    u.regel,
                    LoterijLezer::tr("%1 hoort niet bij de reeks \"%2\"").arg(tekst, u.naam));
            }
            perReeks[std::prev(na)->second].push_back(b);
        }
    }
    for (auto& [reeks, bereiken] : perReeks)
        m_loterij.sluitUit(reeks, std::move(bereiken));
    const std::uint64_t loten = m_loterij.aantalLoten();
    if (loten == 0)
        return faal(0,
                    LoterijLezer::tr("er is geen lot in het spel: alle nummers zijn uitgesloten"));
    const auto& prijzen = m_loterij.prijzen();
    if (prijzen.empty())
        return faal(0, LoterijLezer::tr("het bestand noemt geen prijs"));
    if (prijzen.size() > loten) {
        return faal(
            prijzen[loten].regel,
            LoterijLezer::tr("voor deze prijs is geen lot meer: er zijn %1 loten in het spel")
                .arg(loten));
    }
    return true;
}

Uitslag Lezing::uitslag() && {
    Uitslag u;
    if (m_reden.isEmpty())
        u.loterij = std::move(m_loterij);
    u.regel = m_regel;
    u.reden = m_reden;
    return u;
}

} // namespace

QString LoterijLezer::Uitslag::tekst() const {
    return regel > 0 ? LoterijLezer::tr("regel %1: %2").arg(regel).arg(reden) : reden;
}

LoterijLezer::Uitslag LoterijLezer::lees(const QString& pad) {
    QFile bestand(pad);
    Uitslag fout;
    if (bestand.size() > kMaxBytes) {
        fout.reden =
            LoterijLezer::tr("het bestand is groter dan %1 MB").arg(kMaxBytes / (1024 * 1024));
        return fout;
    }
    if (!bestand.open(QIODevice::ReadOnly)) {
        fout.reden = LoterijLezer::tr("het bestand %1 kan niet worden gelezen: %2")
                         .arg(QDir::toNativeSeparators(pad), bestand.errorString());
        return fout;
    }
    return leesInhoud(bestand.read(kMaxBytes + 1), QFileInfo(pad).absolutePath());
}

LoterijLezer::Uitslag LoterijLezer::leesInhoud(const QByteArray& inhoud, const QString& map) {
    Uitslag fout;
    if (inhoud.size() > kMaxBytes) {
        fout.reden =
            LoterijLezer::tr("het bestand is groter dan %1 MB").arg(kMaxBytes / (1024 * 1024));
        return fout;
    }
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString tekst = decoder.decode(inhoud);
    if (decoder.hasError()) {
        fout.regel = regelZonderUtf8(inhoud);
        fout.reden =
            LoterijLezer::tr("deze regel is geen UTF-8-tekst: bewaar het bestand als UTF-8 (in een "
                             "rekenblad: CSV met tekenset Unicode (UTF-8))");
        return fout;
    }
    Lezing lezing(map);
    if (lezing.splits(tekst) && lezing.interpreteer())
        lezing.sluitAf();
    return std::move(lezing).uitslag();
}
