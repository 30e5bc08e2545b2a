#include "common/klok.h"

#include "common/eenheden.h"
#include "common/kloktekst.h"
#include "common/labels.h"

#include <algorithm>

Klok::Klok(QWidget* parent) : QLabel(QStringLiteral("00:00:00"), parent) {
    setObjectName(QStringLiteral("KlokLabel"));
    kleedLabel(this, arial(9.75), Qt::white);
    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("KlokTimer"));
    m_timer.setInterval(60);
    connect(&m_timer, &QTimer::timeout, this, &Klok::tik);
    m_timer.start();
}

void Klok::zetPlaats(QPoint links, int rechtsGrens) {
    m_links = links;
    m_rechtsGrens = rechtsGrens;
    move(std::min(m_links.x(), m_rechtsGrens - kMarge - width()), m_links.y());
}

void Klok::tik() {
    // The time and the date are read one after the other.
    QTime tijd;
    QDate datum;
    if (m_bron) {
        const QDateTime nu = m_bron();
        tijd = nu.time();
        datum = nu.date();
    } else {
        tijd = QTime::currentTime();
        datum = QDate::currentDate();
    }
    setText(klokTekst(tijd, datum));
    adjustSize();
    move(std::min(m_links.x(), m_rechtsGrens - kMarge - width()), m_links.y());
}
