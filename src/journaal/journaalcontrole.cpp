#include "journaal/journaalcontrole.h"

#include "journaal/controleur.h"

#include <QFile>

#include <algorithm>
#include <array>

Controleuitslag Journaalcontrole::controleer(const QString& pad, bool verzamel,
                                             std::vector<Controleuitslag::Pin> pinnen) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly)) {
        Controleuitslag uit;
        uit.reden = tr("%1 kan niet gelezen worden: %2").arg(pad, bestand.errorString());
        uit.pinnen = std::move(pinnen);
        return uit;
    }
    return controleer(bestand, verzamel, Journaallezer::kMaxRegel, Journaallezer::kMaxBestand,
                      std::move(pinnen));
}

Controleuitslag Journaalcontrole::controleer(QIODevice& bron, bool verzamel, qint64 maxRegel,
                                             qint64 maxBestand,
                                             std::vector<Controleuitslag::Pin> pinnen) {
    Controleur c;
    c.verzamel = verzamel;
    c.pinnen = Pinnen(std::move(pinnen));
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
    const auto sluit = [&c] {
        c.pinnen.sluit(c.uit, [&c](qint64 reeks) {
            const Reeksstaat& s = c.reeksen[static_cast<std::size_t>(reeks - 1)];
            return std::pair{static_cast<qint64>(s.nummers.size()), s.vervallen};
        });
        return c.uit;
    };
    if (!goed)
        return sluit();
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
    return sluit();
}
