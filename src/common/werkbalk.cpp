#include "common/werkbalk.h"

#include "common/algemeen.h"
#include "common/pauze.h"
#include "common/plaatjesknop.h"

Werkbalk::Werkbalk(QWidget* paneel, Algemeen& algemeen, Pauze& pauze, const QString& klikGeluid)
    : QObject(paneel), m_algemeen(algemeen), m_pauze(pauze), m_klik(klikGeluid) {
    setObjectName(QStringLiteral("Werkbalk"));
    m_geluidAan = QStringLiteral(":/images/sound_on.png");
    m_geluidUit = QStringLiteral(":/images/sound_off.png");
    const std::array<const char*, 4> plaatjes{":/images/knop_help.png",
                                              ":/images/knop_software.png", ":/images/sound_on.png",
                                              ":/images/knop_settings.png"};
    const std::array<const char*, 4> tips{
        QT_TR_NOOP(" Help (pdf-formaat) "), QT_TR_NOOP(" Meer software "),
        QT_TR_NOOP(" Geluid aan / uit "), QT_TR_NOOP(" Instellingen ")};
    const std::array<const char*, 4> beschrijvingen{
        QT_TR_NOOP("Opent de handleiding Quintaro.pdf."),
        QT_TR_NOOP("Opent de webpagina met meer software van de maker."),
        QT_TR_NOOP("Zet de geluiden aan of uit."), QT_TR_NOOP("Opent de instellingen.")};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* knop = new PlaatjesKnop(paneel);
        knop->setObjectName(QStringLiteral("Knop%1").arg(i));
        knop->zetPlaatje(QString::fromLatin1(plaatjes[i]));
        knop->zetUitleg(tr(tips[i]), tr(beschrijvingen[i]));
        knop->resize(48, 48);
        connect(knop, &PlaatjesKnop::geklikt, this, [this, i] { geklikt(static_cast<int>(i)); });
        m_knop[i] = knop;
    }
    connect(&m_algemeen, &Algemeen::geluidAanGewijzigd, this,
            [this](bool aan) { m_knop[2]->zetPlaatje(aan ? m_geluidAan : m_geluidUit); });
}

void Werkbalk::zetAan(bool aan) {
    for (auto* knop : m_knop)
        knop->setEnabled(aan);
}

void Werkbalk::geklikt(int index) {
    // The click is decided before the action: the sound button clicks when it switches off.
    m_algemeen.SpeelGeluid(m_klik);
    if (!m_knop[static_cast<std::size_t>(index)]->drukIn(m_pauze))
        return;
    switch (index) {
    case 0:
        Q_EMIT hulpGevraagd();
        break;
    case 1:
        Q_EMIT softwareGevraagd();
        break;
    case 2:
        m_algemeen.zetGeluidAan(!m_algemeen.geluidAan());
        break;
    case 3:
        Q_EMIT instellingenGevraagd();
        break;
    default:
        break;
    }
}
