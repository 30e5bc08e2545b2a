#include "live/liveschakelaar.h"

#include "live/liveweergave.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

LiveSchakelaar::LiveSchakelaar(Liveweergave& live, QWidget* parent)
    : QWidget(parent), m_live(live) {
    m_aan = new QCheckBox(this);
    m_aan->setObjectName(QStringLiteral("LiveSchakelaar"));
    m_aan->setChecked(live.aan());
    m_uitleg = new QLabel(this);
    m_uitleg->setObjectName(QStringLiteral("LiveAdres"));
    m_uitleg->setWordWrap(true);
    m_uitleg->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* opbouw = new QVBoxLayout(this);
    opbouw->setContentsMargins(0, 0, 0, 0);
    opbouw->addWidget(m_aan);
    opbouw->addWidget(m_uitleg);
    vertaal();

    connect(m_aan, &QCheckBox::toggled, this, [this](bool aan) {
        m_fout.clear();
        if (aan)
            m_live.start();
        else
            m_live.stop();
        const QSignalBlocker stil(m_aan);
        m_aan->setChecked(m_live.aan());
        toonAdres(m_live.paginaAdres());
    });
    connect(&live, &Liveweergave::aanGewijzigd, this, [this](bool aan) {
        const QSignalBlocker stil(m_aan);
        m_aan->setChecked(aan);
    });
    connect(&live, &Liveweergave::paginaAdresGewijzigd, this, &LiveSchakelaar::toonAdres);
    connect(&live, &Liveweergave::foutGemeld, this, [this](const QString& tekst) {
        m_fout = tekst;
        toonAdres(QString());
    });
    toonAdres(live.paginaAdres());
}

void LiveSchakelaar::toonAdres(const QString& adres) {
    if (!m_fout.isEmpty())
        m_uitleg->setText(m_fout);
    else if (adres.isEmpty())
        m_uitleg->setText(tr("Uit: niemand kan de trekking op het web volgen."));
    else
        m_uitleg->setText(tr("Te volgen op %1").arg(adres.section(u'?', 0, 0)));
    m_uitleg->setAccessibleName(m_uitleg->text());
}

void LiveSchakelaar::vertaal() {
    m_aan->setText(tr("Live-weergave op het web"));
    toonAdres(m_live.paginaAdres());
}

void LiveSchakelaar::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        vertaal();
    QWidget::changeEvent(e);
}
