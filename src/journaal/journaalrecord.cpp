#include "journaal/journaalrecord.h"

#include <array>
#include <limits>

namespace {

using Soort = Journaalrecord::Soort;
using Reden = Journaalrecord::Reden;

constexpr qint64 kMin32 = std::numeric_limits<qint32>::min();
constexpr qint64 kMax32 = std::numeric_limits<qint32>::max();

constexpr std::array<std::pair<Soort, const char*>, 12> kSoorten = {{
    {Soort::Start, "start"},
    {Soort::Reeks, "reeks"},
    {Soort::Hervat, "hervat"},
    {Soort::Invoer, "invoer"},
    {Soort::Trekking, "trekking"},
    {Soort::Bereik, "bereik"},
    {Soort::Gewist, "gewist"},
    {Soort::Sleutel, "sleutel"},
    {Soort::Vervallen, "vervallen"},
    {Soort::Einde, "einde"},
    {Soort::Lotenreeks, "lotenreeks"},
    {Soort::Prijs, "prijs"},
}};

constexpr std::array<std::pair<Reden, const char*>, 4> kRedenen = {{
    {Reden::Uitgeput, "uitgeput"},
    {Reden::Bereik, "bereik"},
    {Reden::RolSoort, "rolsoort"},
    {Reden::Loterij, "loterij"},
}};

// The fields of each kind besides "soort", "tijd" and "vorige", in the written order.
// Optional ones carry '?'.
const char* const* velden(Soort soort) {
    static const char* const start[] = {"versie", "formaat", "gescheurd?", "vorigeHeel?", nullptr};
    static const char* const reeks[] = {
        "reeks",  "laagste", "hoogste",       "rolsoort", "toezegging",   "versie", "overgenomen",
        "teller", "score",   "lotenreeksen?", "prijzen?", "eerstePrijs?", nullptr};
    static const char* const hervat[] = {"reeks", "index", "teller", "score", nullptr};
    static const char* const invoer[] = {"reeks", "tekst", nullptr};
    static const char* const trekking[] = {"reeks",  "index",       "nummer", "teller", "punten?",
                                           "score?", "lotenreeks?", "prijs?", nullptr};
    static const char* const bereik[] = {"reeks", "laagste", "hoogste", nullptr};
    static const char* const gewist[] = {"reeks", "reden", nullptr};
    static const char* const sleutel[] = {"reeks", "sleutel", nullptr};
    static const char* const vervallen[] = {"reeks", "index", "nummer", "reden", nullptr};
    static const char* const einde[] = {nullptr};
    static const char* const lotenreeks[] = {"reeks",   "index", "naam",   "laagste",
                                             "hoogste", "uit",   "kleur?", nullptr};
    static const char* const prijs[] = {"reeks", "index", "omschrijving", "plaatje?", nullptr};
    switch (soort) {
    case Soort::Start:
        return start;
    case Soort::Reeks:
        return reeks;
    case Soort::Hervat:
        return hervat;
    case Soort::Invoer:
        return invoer;
    case Soort::Trekking:
        return trekking;
    case Soort::Bereik:
        return bereik;
    case Soort::Gewist:
        return gewist;
    case Soort::Sleutel:
        return sleutel;
    case Soort::Vervallen:
        return vervallen;
    case Soort::Einde:
        return einde;
    case Soort::Lotenreeks:
        return lotenreeks;
    case Soort::Prijs:
        return prijs;
    }
    return einde;
}

struct Veldlezer {
    const JsonRegel& regel;
    Journaalrecord::Fout* fout;

    bool mis(Journaalrecord::Fout::Soort soort, QByteArrayView veld) const {
        if (fout) {
            fout->soort = soort;
            fout->veld = veld.toByteArray();
        }
        return false;
    }
    const JsonRegel::Waarde* zoek(QByteArrayView naam, bool nodig) const {
        const JsonRegel::Waarde* w = regel.veld(naam);
        if (!w && nodig)
            mis(Journaalrecord::Fout::Soort::Ontbreekt, naam);
        return w;
    }
    bool geheel(QByteArrayView naam, qint64 laag, qint64 hoog, qint64& uit) const {
        const auto* w = zoek(naam, true);
        if (!w)
            return false;
        const auto* g = std::get_if<qint64>(w);
        if (!g || *g < laag || *g > hoog)
            return mis(Journaalrecord::Fout::Soort::OngeldigeWaarde, naam);
        uit = *g;
        return true;
    }
    bool geheel32(QByteArrayView naam, qint32& uit) const {
        qint64 g = 0;
        if (!geheel(naam, kMin32, kMax32, g))
            return false;
        uit = static_cast<qint32>(g);
        return true;
    }
    bool tekst(QByteArrayView naam, QByteArray& uit) const {
        const auto* w = zoek(naam, true);
        if (!w)
            return false;
        const auto* s = std::get_if<QByteArray>(w);
        if (!s)
            return mis(Journaalrecord::Fout::Soort::OngeldigeWaarde, naam);
        uit = *s;
        return true;
    }
    bool hex(QByteArrayView naam, QByteArray& uit) const {
        return tekst(naam, uit) && (Journaalrecord::isHex64(uit) ||
                                    mis(Journaalrecord::Fout::Soort::OngeldigeWaarde, naam));
    }
};

bool leesVelden(Journaalrecord& r, const Veldlezer& v) {
    qint64 g = 0;
    switch (r.soort) {
    case Soort::Start:
        if (!v.tekst("versie", r.versie) || !v.geheel("formaat", 1, 1, g))
            return false;
        // A torn line is named together with the hash of the whole line before it.
        if (bool(v.zoek("gescheurd", false)) != bool(v.zoek("vorigeHeel", false)))
            return v.mis(Journaalrecord::Fout::Soort::Ontbreekt,
                         v.zoek("gescheurd", false) ? "vorigeHeel" : "gescheurd");
        return !v.zoek("gescheurd", false) ||
               (v.geheel("gescheurd", 1, kMax32, r.gescheurd) && v.hex("vorigeHeel", r.vorigeHeel));
    case Soort::Einde:
        return true;
    default:
        break;
    }
    if (!v.geheel("reeks", 1, kMax32, r.reeks))
        return false;
    switch (r.soort) {
    case Soort::Reeks: {
        if (!v.geheel32("laagste", r.laagste) || !v.geheel32("hoogste", r.hoogste) ||
            !v.geheel("rolsoort", 0, 1, g) || !v.hex("toezegging", r.toezegging) ||
            !v.tekst("versie", r.versie))
            return false;
        r.rolSoort = static_cast<int>(g);
        const auto* w = v.zoek("overgenomen", true);
        if (!w)
            return false;
        const auto* lijst = std::get_if<JsonRegel::Lijst>(w);
        if (!lijst)
            return v.mis(Journaalrecord::Fout::Soort::OngeldigeWaarde, "overgenomen");
        for (qint64 n : *lijst) {
            if (n < kMin32 || n > kMax32)
                return v.mis(Journaalrecord::Fout::Soort::OngeldigeWaarde, "overgenomen");
            r.overgenomen.push_back(static_cast<qint32>(n));
        }
        if (!v.geheel32("teller", r.teller) || !v.geheel32("score", r.score))
            return false;
        // A raffle series: the three together, or none.
        const int loterij = int(bool(v.zoek("lotenreeksen", false))) +
                            int(bool(v.zoek("prijzen", false))) +
                            int(bool(v.zoek("eerstePrijs", false)));
        if (loterij == 0)
            return true;
        if (loterij != 3)
            return v.mis(Journaalrecord::Fout::Soort::Ontbreekt,
                         !v.zoek("lotenreeksen", false) ? "lotenreeksen"
                         : !v.zoek("prijzen", false)    ? "prijzen"
                                                        : "eerstePrijs");
        return v.geheel("lotenreeksen", 1, kMax32, r.lotenreeksen) &&
               v.geheel("prijzen", 1, kMax32, r.prijzen) &&
               v.geheel("eerstePrijs", 0, kMax32, r.eerstePrijs);
    }
    case Soort::Lotenreeks: {
        if (!v.geheel("index", 0, kMax32, r.index) || !v.tekst("naam", r.naam) ||
            !v.geheel32("laagste", r.laagste) || !v.geheel32("hoogste", r.hoogste))
            return false;
        const auto* w = v.zoek("uit", true);
        if (!w)
            return false;
        const auto* lijst = std::get_if<JsonRegel::Lijst>(w);
        if (!lijst || lijst->size() % 2 != 0)
            return v.mis(Journaalrecord::Fout::Soort::OngeldigeWaarde, "uit");
        for (qint64 n : *lijst) {
            if (n < kMin32 || n > kMax32)
                return v.mis(Journaalrecord::Fout::Soort::OngeldigeWaarde, "uit");
            r.uit.push_back(static_cast<qint32>(n));
        }
        return !v.zoek("kleur", false) || v.tekst("kleur", r.kleur);
    }
    case Soort::Prijs:
        return v.geheel("index", 0, kMax32, r.index) && v.tekst("omschrijving", r.naam) &&
               (!v.zoek("plaatje", false) || v.tekst("plaatje", r.plaatje));
    case Soort::Hervat:
        return v.geheel("index", 0, kMax32, r.index) && v.geheel32("teller", r.teller) &&
               v.geheel32("score", r.score);
    case Soort::Invoer:
        return v.tekst("tekst", r.tekst);
    case Soort::Trekking: {
        if (!v.geheel("index", 0, kMax32, r.index) || !v.geheel32("nummer", r.nummer) ||
            !v.geheel32("teller", r.teller))
            return false;
        const bool punten = v.zoek("punten", false), score = v.zoek("score", false);
        if (punten != score)
            return v.mis(Journaalrecord::Fout::Soort::Ontbreekt, punten ? "score" : "punten");
        if (punten) {
            qint32 p = 0;
            if (!v.geheel32("punten", p) || !v.geheel32("score", r.score))
                return false;
            r.punten = p;
        }
        const bool lot = v.zoek("lotenreeks", false), prijs = v.zoek("prijs", false);
        if (lot != prijs)
            return v.mis(Journaalrecord::Fout::Soort::Ontbreekt, lot ? "prijs" : "lotenreeks");
        if (lot) {
            qint64 reeks = 0;
            if (!v.geheel("lotenreeks", 0, kMax32, reeks) || !v.geheel("prijs", 0, kMax32, r.prijs))
                return false;
            r.lotenreeks = reeks;
        }
        return true;
    }
    case Soort::Bereik:
        return v.geheel32("laagste", r.laagste) && v.geheel32("hoogste", r.hoogste);
    case Soort::Gewist: {
        QByteArray naam;
        if (!v.tekst("reden", naam))
            return false;
        for (const auto& [reden, n] : kRedenen) {
            if (naam == n) {
                r.reden = reden;
                return true;
            }
        }
        return v.mis(Journaalrecord::Fout::Soort::OngeldigeWaarde, "reden");
    }
    case Soort::Sleutel:
        return v.hex("sleutel", r.sleutel);
    case Soort::Vervallen:
        return v.geheel("index", 0, kMax32, r.index) && v.geheel32("nummer", r.nummer) &&
               v.tekst("reden", r.redenTekst);
    default:
        return true;
    }
}

} // namespace

std::optional<Journaalrecord> Journaalrecord::lees(QByteArrayView regel, Fout* fout) {
    qsizetype plek = 0;
    const std::optional<JsonRegel> json = JsonRegel::lees(regel, &plek);
    if (!json) {
        if (fout)
            *fout = Fout{Fout::Soort::GeenJson, {}, plek};
        return std::nullopt;
    }
    const Veldlezer v{*json, fout};
    Journaalrecord r;
    QByteArray soort;
    if (!v.tekst("soort", soort))
        return std::nullopt;
    bool bekend = false;
    for (const auto& [s, naam] : kSoorten) {
        if (soort == naam) {
            r.soort = s;
            bekend = true;
        }
    }
    if (!bekend) {
        v.mis(Fout::Soort::OnbekendeSoort, soort);
        return std::nullopt;
    }
    if (!v.tekst("tijd", r.tijd) || !v.hex("vorige", r.vorige) || !leesVelden(r, v))
        return std::nullopt;
    // Nothing beyond the fields of the kind.
    for (const auto& [naam, waarde] : json->velden()) {
        bool eigen = naam == "soort" || naam == "tijd" || naam == "vorige";
        for (const char* const* veld = velden(r.soort); *veld && !eigen; ++veld)
            eigen = naam == QByteArrayView(*veld).chopped(QByteArrayView(*veld).endsWith('?'));
        if (!eigen) {
            v.mis(Fout::Soort::OnbekendVeld, naam);
            return std::nullopt;
        }
    }
    return r;
}

QByteArray Journaalrecord::regel() const {
    JsonRegel j;
    j.zet("soort", soortNaam(soort)).zet("tijd", tijd);
    switch (soort) {
    case Soort::Start:
        j.zet("versie", versie).zet("formaat", qint64{1});
        if (gescheurd > 0)
            j.zet("gescheurd", gescheurd).zet("vorigeHeel", vorigeHeel);
        break;
    case Soort::Reeks:
        j.zet("reeks", reeks).zet("laagste", qint64{laagste}).zet("hoogste", qint64{hoogste});
        j.zet("rolsoort", qint64{rolSoort}).zet("toezegging", toezegging).zet("versie", versie);
        j.zet("overgenomen", JsonRegel::Lijst(overgenomen.begin(), overgenomen.end()));
        j.zet("teller", qint64{teller}).zet("score", qint64{score});
        if (lotenreeksen > 0)
            j.zet("lotenreeksen", lotenreeksen)
                .zet("prijzen", prijzen)
                .zet("eerstePrijs", eerstePrijs);
        break;
    case Soort::Lotenreeks:
        j.zet("reeks", reeks).zet("index", index).zet("naam", naam);
        j.zet("laagste", qint64{laagste}).zet("hoogste", qint64{hoogste});
        j.zet("uit", JsonRegel::Lijst(uit.begin(), uit.end()));
        if (!kleur.isEmpty())
            j.zet("kleur", kleur);
        break;
    case Soort::Prijs:
        j.zet("reeks", reeks).zet("index", index).zet("omschrijving", naam);
        if (!plaatje.isEmpty())
            j.zet("plaatje", plaatje);
        break;
    case Soort::Hervat:
        j.zet("reeks", reeks).zet("index", index).zet("teller", qint64{teller});
        j.zet("score", qint64{score});
        break;
    case Soort::Invoer:
        j.zet("reeks", reeks).zet("tekst", tekst);
        break;
    case Soort::Trekking:
        j.zet("reeks", reeks).zet("index", index).zet("nummer", qint64{nummer});
        j.zet("teller", qint64{teller});
        if (punten)
            j.zet("punten", qint64{*punten}).zet("score", qint64{score});
        if (lotenreeks)
            j.zet("lotenreeks", *lotenreeks).zet("prijs", prijs);
        break;
    case Soort::Bereik:
        j.zet("reeks", reeks).zet("laagste", qint64{laagste}).zet("hoogste", qint64{hoogste});
        break;
    case Soort::Gewist:
        j.zet("reeks", reeks).zet("reden", redenNaam(reden));
        break;
    case Soort::Sleutel:
        j.zet("reeks", reeks).zet("sleutel", sleutel);
        break;
    case Soort::Vervallen:
        j.zet("reeks", reeks).zet("index", index).zet("nummer", qint64{nummer});
        j.zet("reden", redenTekst);
        break;
    case Soort::Einde:
        break;
    }
    j.zet("vorige", vorige);
    return j.tekst();
}

QByteArray Journaalrecord::soortNaam(Soort soort) {
    for (const auto& [s, naam] : kSoorten) {
        if (s == soort)
            return naam;
    }
    return {};
}

QByteArray Journaalrecord::redenNaam(Reden reden) {
    for (const auto& [r, naam] : kRedenen) {
        if (r == reden)
            return naam;
    }
    return {};
}

bool Journaalrecord::isHex64(const QByteArray& tekst) {
    if (tekst.size() != 64)
        return false;
    for (char c : tekst) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}
