// The draw engine's journal as the rest of the program sees it: whether it is kept and why
// not, the commitment and the chain head, the public input of a series, the void of the last
// draw and the close.
#include "draw/trekking.h"

#include "draw/loterijverloop.h"
#include "journaal/trekkingsboek.h"

void Trekking::journaalGestopt() {
    if (m_gestoptGemeld || m_boek->wordtBijgehouden())
        return;
    m_gestoptGemeld = true;
    Q_EMIT vastleggingGestopt();
}

QString Trekking::vastleggingsReden() const {
    if (m_boek->wordtBijgehouden())
        return {};
    if (m_boek->journaal().schijfVol())
        return tr("schijf vol");
    return m_boek->journaal().fout();
}

QString Trekking::toezegging() const {
    return m_boek->toezeggingKort();
}

QString Trekking::toezeggingVolledig() const {
    return m_boek->heeftReeks() ? m_boek->reeks().toezegging() : QString();
}

QString Trekking::publiekeInvoer() const {
    return m_boek->heeftReeks() ? QString::fromUtf8(m_boek->reeks().publiekeInvoer()) : QString();
}

bool Trekking::wordtVastgelegd() const {
    return m_boek->wordtBijgehouden();
}

QStringList Trekking::journaalMeldingen() const {
    return m_boek->meldingen();
}

bool Trekking::kanPubliekeInvoer() const {
    return !m_bezig && m_boek->heeftReeks() && m_boek->reeks().index() == 0 &&
           !m_boek->reeks().heeftPubliekeInvoer();
}

bool Trekking::zetPubliekeInvoer(const QString& tekst) {
    if (!kanPubliekeInvoer() || !m_boek->zetPubliekeInvoer(tekst))
        return false;
    meldKeten();
    Q_EMIT publiekeInvoerGezet(publiekeInvoer());
    return true;
}

bool Trekking::stoptVoorInvoer() const {
    return m_boek->heeftReeks() && m_boek->reeks().heeftPubliekeInvoer();
}

QString Trekking::ketenKop() const {
    return m_boek->ketenKop();
}

void Trekking::meldKeten() {
    const QString kop = ketenKop();
    if (kop == m_ketenKop)
        return;
    m_ketenKop = kop;
    Q_EMIT ketenGewijzigd(kop);
}

void Trekking::sluitJournaal() {
    // A draw broken off by the close is in the journal, but the hall never saw its number.
    if (m_inJournaalNietGetoond && m_boek->heeftReeks() && m_boek->reeks().index() > 0) {
        m_boek->vervallen(m_boek->reeks().index() - 1,
                          QStringLiteral("afgebroken: het programma sloot tijdens de trekking"));
        m_inJournaalNietGetoond = false;
    }
    m_boek->sluit();
    m_boek->wachtOpSchijf();
}

bool Trekking::kanVervallen() const {
    return !m_bezig && !m_laatsteVervallen && m_boek->heeftReeks() && m_boek->reeks().index() > 0 &&
           m_lijst.aantal() > 0;
}

bool Trekking::vervalLaatste(const QString& reden) {
    const QString tekst = reden.trimmed();
    if (tekst.isEmpty() || !kanVervallen())
        return false;
    m_boek->vervallen(m_boek->reeks().index() - 1, tekst);
    m_laatsteVervallen = true;
    if (m_verloop)
        m_verloop->afwezig();
    Q_EMIT laatsteVervallen(m_lijst.nummer(m_lijst.aantal() - 1), tekst);
    return true;
}
