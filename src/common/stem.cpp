#include "common/stem.h"

#include "common/getalwoorden.h"
#include "common/spreker.h"

Stem::Stem(Spreker& spreker, std::function<bool()> geluidAan, const QLocale& taal)
    : m_spreker(spreker), m_geluidAan(std::move(geluidAan)), m_taal(taal) {}

void Stem::zetAan(bool aan) {
    if (aan == m_aan)
        return;
    m_aan = aan;
    if (aan)
        m_spreker.voorbereiden();
    else
        m_spreker.zwijg();
}

QString Stem::tekst(qint32 nummer, quint8 rolSoort, qint32 punten, const QLocale& taal) {
    if (rolSoort == 0)
        return GetalWoorden::inWoorden(nummer, taal);
    return punten == 0 ? QString() : GetalWoorden::punten(punten, taal);
}

QString Stem::lotTekst(const QString& reeksNaam, qint32 nummer, const QLocale& taal) {
    const QString getal = GetalWoorden::inWoorden(nummer, taal);
    const QString naam = reeksNaam.simplified();
    return naam.isEmpty() ? getal : taal.toLower(naam) + u' ' + getal;
}

QString Stem::nummerGelijst(qint32 nummer, quint8 rolSoort, qint32 punten) {
    return zeg(tekst(nummer, rolSoort, punten, m_taal));
}

QString Stem::lotGelijst(const QString& reeksNaam, qint32 nummer) {
    return zeg(lotTekst(reeksNaam, nummer, m_taal));
}

QString Stem::zeg(const QString& tekst) {
    if (!m_aan || (m_geluidAan && !m_geluidAan()) || tekst.isEmpty())
        return {};
    m_spreker.zeg(tekst, m_taal);
    return tekst;
}
