#include "draw/startbediening.h"

#include "common/pauze.h"
#include "common/plaatjesknop.h"
#include "draw/panel.h"
#include "draw/trekking.h"

StartBediening::StartBediening(QWidget* venster, Trekking& trekking, Pauze& pauze)
    : QObject(venster), m_trekking(trekking), m_pauze(pauze) {
    setObjectName(QStringLiteral("StartBediening"));
    m_links = new PlaatjesKnop(venster);
    m_rechts = new PlaatjesKnop(venster);
    m_links->setObjectName(QStringLiteral("ArrowLeft"));
    m_rechts->setObjectName(QStringLiteral("ArrowRight"));
    m_links->zetPlaatje(QStringLiteral(":/images/arrow_left.png"));
    m_rechts->zetPlaatje(QStringLiteral(":/images/arrow_right.png"));
    for (auto* pijl : {m_links, m_rechts}) {
        pijl->zetUitleg(tr(" Startknop "), tr("Start een trekking."));
        // Both arrows carry the same tooltip; assistive technology tells them apart.
        pijl->setAccessibleName(pijl == m_links ? tr("Startknop links") : tr("Startknop rechts"));
        pijl->resize(kPijlGrootte);
        connect(pijl, &PlaatjesKnop::geklikt, this, [this, pijl] { pijlGeklikt(pijl); });
    }
    connect(&m_trekking, &Trekking::trekkingKlaar, this, [this] {
        zetAan(true, true);
        Q_EMIT bezigGewijzigd(false);
    });
}

bool StartBediening::trekkingBezig() const {
    return !m_links->isEnabled() || !m_rechts->isEnabled();
}

void StartBediening::zetAan(bool aan, bool rechtsEerst) {
    PlaatjesKnop* eerst = rechtsEerst ? m_rechts : m_links;
    PlaatjesKnop* dan = rechtsEerst ? m_links : m_rechts;
    eerst->setEnabled(aan);
    dan->setEnabled(aan);
}

void StartBediening::pijlGeklikt(PlaatjesKnop* pijl) {
    if (m_pauze.sluit())
        return;
    // 30 twips right and down: 2 pixels.
    if (!pijl->drukIn(m_pauze))
        return;
    if (trekkingBezig())
        return; // a draw started during the press animation has the controls
    start(pijl == m_rechts);
}

void StartBediening::spatieStart() {
    // A space released while a draw runs must not start a second one inside it.
    if (trekkingBezig() || m_pauze.sluit())
        return;
    start(true);
}

void StartBediening::start(bool rechtsEerst) {
    zetAan(false, rechtsEerst);
    Q_EMIT bezigGewijzigd(true);
    if (!m_pauze.Wacht(0.2))
        return;
    m_trekking.StartRollers();
}
