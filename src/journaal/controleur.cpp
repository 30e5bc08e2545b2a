#include "journaal/controleur.h"

#include "journaal/journaalcontrole.h"
#include "journaal/trekkingsreeks.h"

#include <algorithm>
#include <utility>

namespace {

using R = Journaalrecord;
using Soort = Journaalrecord::Soort;

QString veldFout(const R::Fout& f) {
    const QString veld = QString::fromUtf8(f.veld);
    switch (f.soort) {
    case R::Fout::Soort::GeenJson:
        return Journaalcontrole::tr("geen journaalrecord: geen geldig JSON-object (bij byte %1)")
            .arg(f.plek + 1);
    case R::Fout::Soort::OnbekendeSoort:
        return Journaalcontrole::tr("geen journaalrecord: onbekende soort \"%1\"").arg(veld);
    case R::Fout::Soort::Ontbreekt:
        return Journaalcontrole::tr("het veld \"%1\" ontbreekt").arg(veld);
    case R::Fout::Soort::OngeldigeWaarde:
        return Journaalcontrole::tr("het veld \"%1\" heeft een ongeldige waarde").arg(veld);
    case R::Fout::Soort::OnbekendVeld:
        return Journaalcontrole::tr("onbekend veld \"%1\"").arg(veld);
    }
    return {};
}

// Whether line r is torn: the line after it is a program start that names it. (Only a line
// holding the word, or an escape that could spell it, can be that start.)
bool isGescheurd(const Journaallezer::Regel& r, const Journaallezer::Regel* volgende) {
    if (!volgende || volgende->teLang ||
        !(volgende->tekst.contains("gescheurd") || volgende->tekst.contains('\\')))
        return false;
    const auto na = R::lees(volgende->tekst);
    return na && na->soort == Soort::Start && na->gescheurd == r.nummer;
}

} // namespace

bool Controleur::regel(const Regel& r, const Regel* volgende, const Regel* daarna) {
    const qint64 n = r.nummer;
    if (r.teLang)
        return fout(n, Journaalcontrole::tr("de regel is langer dan %1 bytes").arg(maxRegel));
    if (!r.afgesloten)
        return fout(n, Journaalcontrole::tr("de laatste regel is onvolledig: het schrijven is "
                                            "afgebroken"));
    if (isGescheurd(r, volgende)) {
        pinnen.regel(n, r.hash, nullptr, 0, 0);
        voorvorigeHash = std::exchange(vorigeHash, r.hash);
        return true;
    }
    R::Fout f;
    const auto rec = R::lees(r.tekst, &f);
    if (!rec)
        return fout(n, veldFout(f));
    if (!schakel(rec->vorige, n - 1, vorigeHash, r, volgende, daarna))
        return false;
    if (rec->soort == Soort::Start && rec->gescheurd > 0 && rec->gescheurd == n - 1 &&
        !schakel(rec->vorigeHeel, n - 2, voorvorigeHash, r, volgende, daarna))
        return false;
    if (!record(*rec, n))
        return false;
    merk(*rec, r);
    voorvorigeHash = std::exchange(vorigeHash, r.hash);
    return true;
}

void Controleur::merk(const R& rec, const Regel& r) {
    const bool inReeks = rec.reeks > 0 && rec.reeks <= static_cast<qint64>(reeksen.size());
    const Reeksstaat* s = inReeks ? &reeksen[static_cast<std::size_t>(rec.reeks - 1)] : nullptr;
    pinnen.regel(r.nummer, r.hash, &rec, s ? static_cast<qint64>(s->nummers.size()) : 0,
                 s ? s->vervallen : 0);
    // What the screen showed last in the series: never its clearing or its revealed key.
    auto* v = inReeks ? verslag(rec.reeks) : nullptr;
    if (v && rec.soort != Soort::Gewist && rec.soort != Soort::Sleutel) {
        v->kop = r.hash.toHex();
        v->kopRegel = r.nummer;
    }
}

bool Controleur::schakel(const QByteArray& vastgelegd, qint64 p, const QByteArray& hashP,
                         const Regel& r, const Regel* volgende, const Regel* daarna) {
    const qint64 n = r.nummer;
    if (vastgelegd == (p == 0 ? R::nulHash() : hashP.toHex()))
        return true;
    if (p == 0)
        return fout(n, Journaalcontrole::tr("de hash van de regel ervoor hoort 64 nullen te zijn: "
                                            "er gaat geen regel aan vooraf"));
    // Unless the journal records another hash for this line further on, it is line p that
    // changed. That record is the next line's "vorige", or, when the next line is torn, the
    // "vorigeHeel" of the start after it.
    const bool overgeslagen = volgende && isGescheurd(*volgende, daarna);
    const Regel* getuige = overgeslagen ? daarna : volgende;
    bool tegen = false;
    if (getuige && !getuige->teLang) {
        const auto json = JsonRegel::lees(getuige->tekst);
        const auto* v = json ? json->veld(overgeslagen ? "vorigeHeel" : "vorige") : nullptr;
        const auto* s = v ? std::get_if<QByteArray>(v) : nullptr;
        tegen = s && *s != r.hash.toHex();
    }
    if (tegen)
        return fout(n, Journaalcontrole::tr("de regel is gewijzigd of hoort hier niet: de hash "
                                            "van regel %1 die hij vastlegt klopt niet")
                           .arg(p));
    return fout(p, Journaalcontrole::tr("de regel is gewijzigd nadat regel %1 is geschreven, of "
                                        "er is een regel weggehaald of tussengevoegd: de hash in "
                                        "regel %1 klopt niet")
                       .arg(n));
}

bool Controleur::record(const R& r, qint64 n) {
    if (r.soort == Soort::Start) {
        if (r.gescheurd > 0 && r.gescheurd != n - 1)
            return fout(n, Journaalcontrole::tr("\"gescheurd\" noemt regel %1, maar alleen de "
                                                "regel ervoor kan gescheurd zijn")
                               .arg(r.gescheurd));
        inRun = true;
        actief = 0;
        return true;
    }
    if (!inRun)
        return fout(n, Journaalcontrole::tr("er gaat geen programmastart aan dit record vooraf"));
    if (r.soort == Soort::Einde) {
        inRun = false;
        actief = 0;
        return true;
    }
    const auto laatste = static_cast<qint64>(reeksen.size());
    if (r.soort == Soort::Reeks) {
        if (actief != 0)
            return fout(n, Journaalcontrole::tr("reeks %1 begint terwijl reeks %2 nog loopt")
                               .arg(r.reeks)
                               .arg(actief));
        if (r.reeks != laatste + 1)
            return fout(
                n,
                Journaalcontrole::tr("reeks %1 volgt niet op reeks %2").arg(r.reeks).arg(laatste));
        Reeksstaat s;
        s.begin = r;
        s.laagste = r.laagste;
        s.hoogste = r.hoogste;
        if (r.lotenreeksen > 0) {
            if (r.rolSoort != 0 || !r.overgenomen.empty())
                return fout(n, Journaalcontrole::tr("een reeks van een loterij heeft rolsoort 0 "
                                                    "en niets overgenomen"));
            s.loterij.emplace(r);
        } else if (r.rolSoort == 0) {
            s.vrij.emplace();
            s.vrij->zetBereik(r.laagste, r.hoogste);
            for (qint32 x : r.overgenomen)
                s.vrij->voegToe(x);
        }
        reeksen.push_back(std::move(s));
        actief = r.reeks;
        ++uit.aantalReeksen;
        if (verzamel) {
            Controleuitslag::Reeks v;
            v.nummer = r.reeks;
            v.begonnen = r.tijd;
            v.laagste = r.laagste;
            v.hoogste = r.hoogste;
            v.rolSoort = r.rolSoort;
            v.toezegging = r.toezegging;
            v.overgenomen = r.overgenomen.size();
            uit.reeksen.push_back(std::move(v));
        }
        return true;
    }
    if (r.reeks > laatste)
        return fout(n, Journaalcontrole::tr("reeks %1 bestaat niet").arg(r.reeks));
    Reeksstaat& s = reeksen[static_cast<std::size_t>(r.reeks - 1)];
    Controleuitslag::Reeks* v = verslag(r.reeks);
    const auto aantal = static_cast<qint64>(s.nummers.size());
    switch (r.soort) {
    case Soort::Sleutel:
        return onthul(s, r, n);
    case Soort::Vervallen:
        if (r.index >= aantal || s.nummers[static_cast<std::size_t>(r.index)] != r.nummer)
            return fout(n, Journaalcontrole::tr("reeks %1 heeft geen trekking %2 met nummer %3")
                               .arg(r.reeks)
                               .arg(r.index + 1)
                               .arg(r.nummer));
        ++s.vervallen;
        if (v) {
            auto& t = v->trekkingen[static_cast<std::size_t>(r.index)];
            t.vervalt = true;
            t.vervallen = r.redenTekst;
        }
        return true;
    case Soort::Hervat:
        if (actief != 0 || r.reeks != laatste || s.gewist || s.onthuld)
            return fout(n,
                        Journaalcontrole::tr("reeks %1 kan hier niet worden hervat").arg(r.reeks));
        if (r.index != aantal)
            return fout(n, Journaalcontrole::tr("reeks %1 heeft %2 trekkingen, niet %3")
                               .arg(r.reeks)
                               .arg(aantal)
                               .arg(r.index));
        actief = r.reeks;
        return true;
    default:
        break;
    }
    if (r.reeks != actief)
        return fout(n, Journaalcontrole::tr("reeks %1 loopt hier niet").arg(r.reeks));
    if (s.loterij && r.soort != Soort::Invoer)
        return loterijRecord(s, r, n);
    switch (r.soort) {
    case Soort::Invoer:
        if (aantal > 0 || s.invoerGezet)
            return fout(n, Journaalcontrole::tr("de publieke invoer komt na de eerste trekking "
                                                "of voor de tweede keer"));
        if (r.tekst.size() > Trekkingsreeks::kMaxInvoerBytes)
            return fout(n, Journaalcontrole::tr("de publieke invoer is %1 bytes lang; ten hoogste "
                                                "%2 bytes zijn toegestaan")
                               .arg(r.tekst.size())
                               .arg(Trekkingsreeks::kMaxInvoerBytes));
        s.invoer = r.tekst;
        s.invoerGezet = true;
        if (v)
            v->invoer = r.tekst;
        return true;
    case Soort::Trekking: {
        if (r.lotenreeks)
            return fout(n, Journaalcontrole::tr("een lot getrokken in een reeks zonder loterij"));
        if (r.index != aantal)
            return fout(n, Journaalcontrole::tr("trekking met index %1 verwacht, niet %2")
                               .arg(aantal)
                               .arg(r.index));
        const qint32 onder = std::min(s.laagste, s.hoogste), boven = std::max(s.laagste, s.hoogste);
        if (r.nummer < onder || r.nummer > boven)
            return fout(n, Journaalcontrole::tr("nummer %1 ligt buiten het bereik %2 t/m %3")
                               .arg(r.nummer)
                               .arg(onder)
                               .arg(boven));
        if (s.vrij) {
            if (s.vrij->bevat(r.nummer))
                return fout(
                    n,
                    Journaalcontrole::tr("nummer %1 is in deze lijst al getrokken").arg(r.nummer));
            s.vrij->voegToe(r.nummer);
        }
        s.nummers.push_back(r.nummer);
        s.stappen.push_back({false, r.nummer, 0, n});
        ++uit.aantalTrekkingen;
        if (v)
            v->trekkingen.push_back(
                {r.index, r.nummer, r.tijd, r.punten, r.score, {}, false, {}, 0});
        return true;
    }
    case Soort::Bereik:
        s.laagste = r.laagste;
        s.hoogste = r.hoogste;
        if (s.vrij)
            s.vrij->zetBereik(r.laagste, r.hoogste);
        s.stappen.push_back({true, r.laagste, r.hoogste, n});
        if (v)
            v->bereiken.push_back({aantal, r.laagste, r.hoogste, r.tijd});
        return true;
    case Soort::Gewist:
        if (r.reden == R::Reden::Uitgeput && (!s.vrij || s.vrij->aantalVrij() > 0))
            return fout(n, Journaalcontrole::tr("de lijst heet uitgeput, maar er zijn nog "
                                                "nummers vrij in het bereik"));
        s.gewist = true;
        actief = 0;
        if (v)
            v->gewist = R::redenNaam(r.reden);
        return true;
    case Soort::Lotenreeks:
    case Soort::Prijs:
        return fout(n, Journaalcontrole::tr("reeks %1 is geen loterij").arg(r.reeks));
    default:
        return true;
    }
}

bool Controleur::loterijRecord(Reeksstaat& s, const R& r, qint64 n) {
    Loterijstaat& l = *s.loterij;
    Controleuitslag::Reeks* v = verslag(r.reeks);
    const auto aantal = static_cast<qint64>(s.nummers.size());
    QString reden;
    switch (r.soort) {
    case Soort::Lotenreeks:
        reden = l.lotenreeks(r, aantal);
        if (reden.isEmpty() && v)
            v->lotenreeksen.push_back(r.naam);
        break;
    case Soort::Prijs:
        reden = l.prijs(r, aantal);
        if (reden.isEmpty() && v)
            v->prijzen.push_back(r.naam);
        break;
    case Soort::Trekking:
        if (r.index != aantal) {
            reden = Journaalcontrole::tr("trekking met index %1 verwacht, niet %2")
                        .arg(aantal)
                        .arg(r.index);
            break;
        }
        reden = l.trekking(r, aantal, s.vervallen);
        if (!reden.isEmpty())
            break;
        s.nummers.push_back(r.nummer);
        s.stappen.push_back({false, r.nummer, 0, n});
        ++uit.aantalTrekkingen;
        if (v) {
            v->trekkingen.push_back(
                {r.index, r.nummer, r.tijd, {}, 0, {}, false, r.lotenreeks, r.prijs});
        }
        break;
    case Soort::Bereik:
        reden = Journaalcontrole::tr("een loterij heeft geen bereik");
        break;
    case Soort::Gewist:
        if (r.reden == R::Reden::Uitgeput && !l.uitgeput()) {
            reden = Journaalcontrole::tr("de lijst heet uitgeput, maar er doen nog loten mee");
            break;
        }
        s.gewist = true;
        actief = 0;
        if (v)
            v->gewist = R::redenNaam(r.reden);
        break;
    default:
        break;
    }
    return reden.isEmpty() || fout(n, reden);
}

bool Controleur::onthul(Reeksstaat& s, const R& r, qint64 n) {
    if (s.onthuld)
        return fout(n, Journaalcontrole::tr("de sleutel van reeks %1 is al onthuld").arg(r.reeks));
    const QByteArray sleutel = QByteArray::fromHex(r.sleutel);
    if (Trekkingsreeks::toezeggingVan(sleutel).toLatin1() != s.begin.toezegging)
        return fout(n, Journaalcontrole::tr("de sleutel past niet bij de toezegging van reeks %1")
                           .arg(r.reeks));
    if (s.loterij) {
        const auto anders = s.loterij->trekOpnieuw(sleutel, s.invoerGezet ? &s.invoer : nullptr);
        if (anders) {
            const Lot& lot = s.loterij->loten[anders->first];
            return fout(s.stappen[anders->first].regel,
                        Journaalcontrole::tr("in het journaal staat %1, maar de "
                                             "sleutel geeft %2 (reeks %3, trekking "
                                             "%4)")
                            .arg(s.loterij->loterij.tekstVan(lot), anders->second)
                            .arg(r.reeks)
                            .arg(anders->first + 1));
        }
        uit.nagerekend += static_cast<qint64>(s.loterij->loten.size());
        s.loterij.reset();
        s.stappen.clear();
    }
    // Every draw again, from the key (a raffle's are done).
    Trekkingsreeks opnieuw(sleutel, s.begin.laagste, s.begin.hoogste, s.begin.rolSoort,
                           s.begin.overgenomen);
    if (s.invoerGezet)
        opnieuw.zetPubliekeInvoerBytes(s.invoer);
    for (const auto& stap : s.stappen) {
        if (stap.bereik) {
            opnieuw.zetBereik(stap.a, stap.b);
            continue;
        }
        const auto nummer = opnieuw.volgende();
        if (nummer != stap.a)
            return fout(stap.regel,
                        Journaalcontrole::tr("in het journaal staat %1, maar de "
                                             "sleutel geeft %2 (reeks %3, trekking "
                                             "%4)")
                            .arg(stap.a)
                            .arg(nummer ? QString::number(*nummer) : QStringLiteral("-"))
                            .arg(r.reeks)
                            .arg(opnieuw.index() + 1));
        opnieuw.legVast();
        ++uit.nagerekend;
    }
    s.onthuld = true;
    s.stappen = {};
    s.vrij.reset();
    if (actief == r.reeks)
        actief = 0;
    if (auto* v = verslag(r.reeks)) {
        v->sleutel = r.sleutel;
        v->nagerekend = true;
    }
    return true;
}
