#include "journaal/journaalcontrole.h"

#include "journaal/journaalrecord.h"
#include "journaal/trekkingsreeks.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <utility>

namespace {

using R = Journaalrecord;
using Soort = Journaalrecord::Soort;

// A series while the journal is read.
struct Reeksstaat {
    R begin;                          // its "reeks" record
    std::optional<VrijeNummers> vrij; // digit mode: the numbers drawn so far
    qint32 laagste = 0, hoogste = 0;
    QByteArray invoer;
    bool invoerGezet = false;
    struct Stap {
        bool bereik = false;
        qint32 a = 0, b = 0; // the number, or the new range
        qint64 regel = 0;
    };
    std::vector<Stap> stappen;   // draws and range changes in order, until the key is revealed
    std::vector<qint32> nummers; // the number of each index
    bool gewist = false, onthuld = false;
};

struct Controleur {
    Controleuitslag uit;
    bool verzamel = false;
    qint64 maxRegel = Journaallezer::kMaxRegel;
    bool inRun = false;
    qint64 actief = 0; // the series in progress, 0 if none
    std::vector<Reeksstaat> reeksen;
    QByteArray vorigeHash;     // of the line before, raw
    QByteArray voorvorigeHash; // of the line before that

    bool fout(qint64 regel, const QString& reden) {
        uit.oordeel = Controleuitslag::Oordeel::Fout;
        uit.regel = regel;
        uit.reden = reden;
        return false;
    }
    Controleuitslag::Reeks* verslag(qint64 nummer) {
        return verzamel ? &uit.reeksen[static_cast<std::size_t>(nummer - 1)] : nullptr;
    }

    using Regel = Journaallezer::Regel;
    // Line r, with the two lines after it (nullptr where there are none).
    bool regel(const Regel& r, const Regel* volgende, const Regel* daarna);
    // Checks that `vastgelegd`, recorded on line r as the hash of line p, is that hash.
    bool schakel(const QByteArray& vastgelegd, qint64 p, const QByteArray& hashP, const Regel& r,
                 const Regel* volgende, const Regel* daarna);
    bool record(const R& r, qint64 n);
    bool onthul(Reeksstaat& s, const R& r, qint64 n);
};

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

bool Controleur::regel(const Regel& r, const Regel* volgende, const Regel* daarna) {
    const qint64 n = r.nummer;
    if (r.teLang)
        return fout(n, Journaalcontrole::tr("de regel is langer dan %1 bytes").arg(maxRegel));
    if (!r.afgesloten)
        return fout(n, Journaalcontrole::tr("de laatste regel is onvolledig: het schrijven is "
                                            "afgebroken"));
    if (isGescheurd(r, volgende)) {
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
    voorvorigeHash = std::exchange(vorigeHash, r.hash);
    return true;
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
        if (r.rolSoort == 0) {
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
    switch (r.soort) {
    case Soort::Invoer:
        if (aantal > 0 || s.invoerGezet)
            return fout(n, Journaalcontrole::tr("de publieke invoer komt na de eerste trekking "
                                                "of voor de tweede keer"));
        s.invoer = r.tekst;
        s.invoerGezet = true;
        if (v)
            v->invoer = r.tekst;
        return true;
    case Soort::Trekking: {
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
            v->trekkingen.push_back({r.index, r.nummer, r.tijd, r.punten, r.score, {}, false});
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
    default:
        return true;
    }
}

bool Controleur::onthul(Reeksstaat& s, const R& r, qint64 n) {
    if (s.onthuld)
        return fout(n, Journaalcontrole::tr("de sleutel van reeks %1 is al onthuld").arg(r.reeks));
    const QByteArray sleutel = QByteArray::fromHex(r.sleutel);
    if (Trekkingsreeks::toezeggingVan(sleutel).toLatin1() != s.begin.toezegging)
        return fout(n, Journaalcontrole::tr("de sleutel past niet bij de toezegging van reeks %1")
                           .arg(r.reeks));
    // Every draw again, from the key.
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

} // namespace

Controleuitslag Journaalcontrole::controleer(const QString& pad, bool verzamel) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly)) {
        Controleuitslag uit;
        uit.reden = tr("%1 kan niet gelezen worden: %2").arg(pad, bestand.errorString());
        return uit;
    }
    return controleer(bestand, verzamel);
}

Controleuitslag Journaalcontrole::controleer(QIODevice& bron, bool verzamel, qint64 maxRegel,
                                             qint64 maxBestand) {
    Controleur c;
    c.verzamel = verzamel;
    c.maxRegel = maxRegel;
    Journaallezer lezer(bron, true, maxRegel, maxBestand);
    // The line in hand and the two after it.
    std::array<Journaallezer::Regel, 3> regels;
    std::array<Journaallezer::Stand, 3> standen;
    for (std::size_t i = 0; i < 3; ++i) {
        standen[i] = i > 0 && standen[i - 1] != Journaallezer::Stand::Regel
                         ? standen[i - 1]
                         : lezer.volgende(regels[i]);
    }
    const auto of = [&](std::size_t i) {
        return standen[i] == Journaallezer::Stand::Regel ? &regels[i] : nullptr;
    };
    bool goed = true;
    while (goed && standen[0] == Journaallezer::Stand::Regel) {
        c.uit.regels = regels[0].nummer;
        goed = c.regel(regels[0], of(1), of(2));
        std::rotate(regels.begin(), regels.begin() + 1, regels.end());
        std::rotate(standen.begin(), standen.begin() + 1, standen.end());
        if (standen[1] == Journaallezer::Stand::Regel)
            standen[2] = lezer.volgende(regels[2]);
        else
            standen[2] = standen[1];
    }
    const Journaallezer::Regel& huidige = regels[0];
    const Journaallezer::Stand stand = standen[0];
    if (!goed)
        return c.uit;
    if (stand == Journaallezer::Stand::TeGroot) {
        c.fout(huidige.nummer, tr("het journaal is groter dan %1 bytes").arg(maxBestand));
    } else if (stand == Journaallezer::Stand::Leesfout) {
        c.fout(huidige.nummer, tr("het bestand kan niet verder gelezen worden"));
    } else if (c.uit.regels == 0) {
        c.fout(0, tr("het bestand is leeg: geen trekkingsjournaal"));
    } else {
        for (const auto& s : c.reeksen) {
            if (!s.onthuld)
                c.uit.nietOnthuld.push_back(s.begin.reeks);
        }
        c.uit.oordeel = c.uit.nietOnthuld.empty() ? Controleuitslag::Oordeel::Goed
                                                  : Controleuitslag::Oordeel::NogNietControleerbaar;
    }
    return c.uit;
}
