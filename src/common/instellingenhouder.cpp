#include "common/instellingenhouder.h"

Instellingenhouder::Instellingenhouder(QObject* parent) : QObject(parent) {}

bool Instellingenhouder::laad(const QString& pad, const QString& programmaMap) {
    return LeesInstellingen(pad, programmaMap, m_inst);
}

void Instellingenhouder::zetBereik(qint32 laagste, qint32 hoogste) {
    m_inst.LaagsteNummer = laagste;
    m_inst.HoogsteNummer = hoogste;
    Q_EMIT bereikGewijzigd(laagste, hoogste);
}

void Instellingenhouder::zetTitel(const QString& titel) {
    m_inst.TitelTekst = titel;
    Q_EMIT titelGewijzigd(titel);
}

void Instellingenhouder::zetKleur(double rood, double groen, quint8 blauw) {
    m_inst.KleurRood = rood;
    m_inst.KleurGroen = groen;
    m_inst.KleurBlauw = blauw;
    Q_EMIT titelKleurGewijzigd(titelKleur(m_inst));
}

void Instellingenhouder::zetAchtergrond(const QString& pad) {
    m_inst.AchtergrondBestand = pad;
    Q_EMIT achtergrondGewijzigd(pad);
}

void Instellingenhouder::zetPauze(quint8 seconden) {
    if (m_inst.PauzeSeconden == seconden)
        return;
    m_inst.PauzeSeconden = seconden;
    Q_EMIT pauzeGewijzigd(seconden);
}

void Instellingenhouder::kiesRolSoort(int soort) {
    m_rolSoort = soort ? 1 : 0;
    if (m_rolSoort == 0)
        zetBereik(1, 9999);
    else
        zetBereik(100, 900);
    Q_EMIT rolSoortGekozen(m_rolSoort);
}

void Instellingenhouder::beginNieuweReeks() {
    Q_EMIT nieuweReeksGevraagd();
}
