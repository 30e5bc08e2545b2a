#include "journaal/trekkingsboek.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

Journaalrecord record(Journaalrecord::Soort soort, qint64 reeks = 0) {
    Journaalrecord r;
    r.soort = soort;
    r.reeks = reeks;
    return r;
}

} // namespace

Trekkingsboek::Trekkingsboek(const QString& journaalPad, const QString& sleutelPad,
                             std::function<void()> bijStoppen)
    : m_journaal(journaalPad), m_sleutels(sleutelPad), m_bijStoppen(std::move(bijStoppen)) {
    // The series going on when the journal stops can never be taken further.
    m_journaal.zetBijStoppen([this] {
        m_sleutels.trekIn();
        if (m_bijStoppen)
            m_bijStoppen();
    });
    Journaalrecord start = record(Journaalrecord::Soort::Start);
    start.versie = QUINTARO_VERSION;
    start.gescheurd = m_journaal.gescheurdeRegel();
    start.vorigeHeel = m_journaal.vorigeHeel();
    m_journaal.schrijf(start);
    m_nummer = m_journaal.laatsteReeks();
}

Trekkingsboek::~Trekkingsboek() {
    m_journaal.wachtOpSchijf();
}

QString Trekkingsboek::toezeggingKort() const {
    return m_reeks ? m_reeks->toezeggingKort() : QString();
}

QStringList Trekkingsboek::meldingen() const {
    QStringList uit;
    if (!m_journaal.werkt()) {
        uit.append(tr("Het trekkingsjournaal %1 kan niet worden geschreven: %2. De trekkingen "
                      "gaan door, maar worden niet vastgelegd.")
                       .arg(QDir::toNativeSeparators(m_journaal.pad()), m_journaal.fout()));
    }
    if (m_journaal.gescheurdeRegel() > 0) {
        const QString regel = QString::number(m_journaal.gescheurdeRegel());
        uit.append(m_journaal.gescheurdOnleesbaar()
                       ? tr("De laatste regel van het trekkingsjournaal (regel %1) is geen "
                            "geldige journaalregel. Hij blijft staan en is als afgebroken regel "
                            "gemarkeerd, zodat de keten doorloopt; de controle slaat hem over.")
                             .arg(regel)
                       : tr("Regel %1 van het trekkingsjournaal was half geschreven toen het "
                            "programma stopte. Hij blijft staan en is als afgebroken regel "
                            "gemarkeerd; de controle slaat hem over.")
                             .arg(regel));
    }
    return uit + m_meldingen;
}

void Trekkingsboek::onthulAchtergelaten() {
    if (!m_journaal.werkt())
        return; // kept for the next start
    // A withdrawn key first, then the one of a series left unfinished.
    for (const Sleutelbestand& bestand : {m_sleutels.ingetrokken(), m_sleutels}) {
        const auto bewaard = bestand.lees();
        if (!bewaard)
            continue;
        const QByteArray toezegging = Trekkingsreeks::toezeggingVan(bewaard->sleutel).toLatin1();
        if (m_journaal.toezegging(bewaard->reeks) != toezegging) {
            // The key of no series of this journal (copied from another folder, or damaged):
            // it may be the only copy of another evening's key, so it is put aside, not
            // removed.
            const QString opzij =
                m_sleutels.pad() + u'.' + QString::fromLatin1(toezegging.left(16));
            m_journaal.inRij([van = bestand.pad(), opzij] {
                std::rename(QFile::encodeName(van).constData(),
                            QFile::encodeName(opzij).constData());
            });
            m_meldingen.append(tr("Het sleutelbestand hoorde bij geen reeks van dit journaal; "
                                  "het is bewaard als %1.")
                                   .arg(QDir::toNativeSeparators(opzij)));
        } else if (!m_journaal.isOnthuld(bewaard->reeks)) {
            // Only a key whose series the journal holds, unrevealed, with the same commitment;
            // it leaves the key file once it is in the journal.
            Journaalrecord r = record(Journaalrecord::Soort::Sleutel, bewaard->reeks);
            r.sleutel = bewaard->sleutel.toHex();
            m_journaal.schrijf(r, [bestand] { bestand.wis(); });
        } else {
            m_journaal.inRij([bestand] { bestand.wis(); });
        }
    }
}

void Trekkingsboek::begin(qint32 laagste, qint32 hoogste, int rolSoort,
                          std::vector<qint32> overgenomen, qint32 teller, qint32 score) {
    if (m_reeks)
        onthul();
    onthulAchtergelaten();
    m_reeks = Trekkingsreeks::nieuw(laagste, hoogste, rolSoort, std::move(overgenomen));
    m_nummer = std::max(m_nummer, m_journaal.laatsteReeks()) + 1;
    m_eerstePrijs = 0;
    m_vervallenInReeks = 0;
    if (!m_journaal.werkt())
        return;
    // The key is safe on the disk before its commitment is in the journal.
    m_journaal.inRij([sleutels = m_sleutels, nummer = m_nummer, sleutel = m_reeks->sleutel()] {
        sleutels.bewaar(nummer, sleutel);
    });
    Journaalrecord r = record(Journaalrecord::Soort::Reeks, m_nummer);
    r.laagste = laagste;
    r.hoogste = hoogste;
    r.rolSoort = m_reeks->rolSoort();
    r.toezegging = m_reeks->toezegging().toLatin1();
    r.versie = QUINTARO_VERSION;
    r.overgenomen = m_reeks->getrokken();
    r.teller = teller;
    r.score = score;
    m_journaal.schrijf(r);
}

void Trekkingsboek::beginLoterij(const Loterij& loterij, qint64 eerstePrijs, qint32 teller,
                                 qint32 score) {
    if (m_reeks)
        onthul();
    onthulAchtergelaten();
    m_reeks = Trekkingsreeks::nieuwLoterij(loterij);
    m_nummer = std::max(m_nummer, m_journaal.laatsteReeks()) + 1;
    m_eerstePrijs = eerstePrijs;
    m_vervallenInReeks = 0;
    if (!m_journaal.werkt())
        return;
    m_journaal.inRij([sleutels = m_sleutels, nummer = m_nummer, sleutel = m_reeks->sleutel()] {
        sleutels.bewaar(nummer, sleutel);
    });
    Journaalrecord r = record(Journaalrecord::Soort::Reeks, m_nummer);
    r.toezegging = m_reeks->toezegging().toLatin1();
    r.versie = QUINTARO_VERSION;
    r.teller = teller;
    r.score = score;
    r.lotenreeksen = static_cast<qint64>(loterij.reeksen().size());
    r.prijzen = static_cast<qint64>(loterij.prijzen().size());
    r.eerstePrijs = eerstePrijs;
    m_journaal.schrijf(r);
    for (std::size_t i = 0; i < loterij.reeksen().size(); ++i) {
        const Lotenreeks& l = loterij.reeksen()[i];
        Journaalrecord set = record(Journaalrecord::Soort::Lotenreeks, m_nummer);
        set.index = static_cast<qint64>(i);
        set.naam = l.naam.toUtf8();
        set.laagste = l.nummers.van;
        set.hoogste = l.nummers.tot;
        for (const Nummerbereik& b : l.uit)
            set.uit.insert(set.uit.end(), {b.van, b.tot});
        if (l.kleur.isValid())
            set.kleur = l.kleur.name().toLatin1();
        m_journaal.schrijf(set);
    }
    for (std::size_t i = 0; i < loterij.prijzen().size(); ++i) {
        Journaalrecord prijs = record(Journaalrecord::Soort::Prijs, m_nummer);
        prijs.index = static_cast<qint64>(i);
        prijs.naam = loterij.prijzen()[i].omschrijving.toUtf8();
        prijs.plaatje = loterij.prijzen()[i].plaatje.toUtf8();
        m_journaal.schrijf(prijs);
    }
}

qint64 Trekkingsboek::prijsNu() const {
    if (!m_reeks)
        return m_eerstePrijs;
    return m_eerstePrijs + static_cast<qint64>(m_reeks->index()) - m_vervallenInReeks;
}

void Trekkingsboek::hervat(Trekkingsreeks reeks, qint64 nummer, qint32 teller, qint32 score,
                           qint64 eerstePrijs, qint64 vervallen) {
    if (m_reeks)
        onthul();
    m_reeks = std::move(reeks);
    m_nummer = nummer;
    m_eerstePrijs = eerstePrijs;
    m_vervallenInReeks = vervallen;
    Journaalrecord r = record(Journaalrecord::Soort::Hervat, nummer);
    r.index = static_cast<qint64>(m_reeks->index());
    r.teller = teller;
    r.score = score;
    // A journal that does not work cannot record the draws to come: the key may not take
    // the series further after them.
    if (!m_journaal.schrijf(r))
        m_sleutels.trekIn();
}

bool Trekkingsboek::zetPubliekeInvoer(const QString& tekst) {
    if (!m_reeks || !m_reeks->zetPubliekeInvoer(tekst))
        return false;
    Journaalrecord r = record(Journaalrecord::Soort::Invoer, m_nummer);
    r.tekst = m_reeks->publiekeInvoer();
    m_journaal.schrijf(r);
    return true;
}

QString Trekkingsboek::ketenKop() const {
    if (!m_journaal.werkt() || m_journaal.regels() == 0)
        return {};
    const QString hex = QString::fromLatin1(m_journaal.laatsteHash().toHex());
    return hex.mid(0, 4) + u' ' + hex.mid(4, 4) + u' ' + hex.mid(8, 4) + u' ' + hex.mid(12, 4);
}

std::optional<qint32> Trekkingsboek::volgende() const {
    return m_reeks ? m_reeks->volgende() : std::nullopt;
}

qint32 Trekkingsboek::legVast(qint32 teller, std::optional<qint32> punten, qint32 score) {
    Journaalrecord r = record(Journaalrecord::Soort::Trekking, m_nummer);
    r.index = static_cast<qint64>(m_reeks->index());
    if (m_reeks->isLoterij()) {
        r.lotenreeks = m_reeks->volgendLot().value_or(Lot{}).reeks;
        r.prijs = prijsNu();
    }
    r.nummer = m_reeks->legVast();
    r.teller = teller;
    r.punten = punten;
    r.score = score;
    m_journaal.schrijf(r);
    return r.nummer;
}

void Trekkingsboek::zetBereik(qint32 laagste, qint32 hoogste) {
    if (!m_reeks || (laagste == m_reeks->laagste() && hoogste == m_reeks->hoogste()))
        return;
    m_reeks->zetBereik(laagste, hoogste);
    Journaalrecord r = record(Journaalrecord::Soort::Bereik, m_nummer);
    r.laagste = laagste;
    r.hoogste = hoogste;
    m_journaal.schrijf(r);
}

void Trekkingsboek::lijstGewist(Journaalrecord::Reden reden) {
    if (!m_reeks)
        return;
    Journaalrecord r = record(Journaalrecord::Soort::Gewist, m_nummer);
    r.reden = reden;
    m_journaal.schrijf(r);
    onthul();
}

void Trekkingsboek::vervallen(std::uint64_t index, const QString& reden) {
    if (!m_reeks || index >= m_reeks->index())
        return;
    Journaalrecord r = record(Journaalrecord::Soort::Vervallen, m_nummer);
    r.index = static_cast<qint64>(index);
    r.nummer = m_reeks->getrokken()[m_reeks->aantalOvergenomen() + index];
    r.redenTekst = reden.toUtf8();
    ++m_vervallenInReeks;
    m_journaal.schrijf(r);
}

void Trekkingsboek::onthul() {
    // A raffle's next series begins with the prize up now.
    m_eerstePrijs = prijsNu();
    m_vervallenInReeks = 0;
    Journaalrecord r = record(Journaalrecord::Soort::Sleutel, m_nummer);
    r.sleutel = m_reeks->sleutel().toHex();
    // Only once the key is in the journal may it leave the key file.
    m_journaal.schrijf(r, [sleutels = m_sleutels] { sleutels.wis(); });
    m_reeks.reset();
}

void Trekkingsboek::sluit() {
    if (m_gesloten)
        return;
    m_gesloten = true;
    if (m_reeks)
        onthul();
    m_journaal.schrijf(record(Journaalrecord::Soort::Einde));
}
