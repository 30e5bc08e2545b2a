#include "app/loterijkeuze.h"

#include "app/hoofdvenster.h"
#include "draw/startbediening.h"
#include "draw/trekking.h"
#include "loterij/loterijlezer.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

Loterijkeuze::Loterijkeuze(Hoofdvenster& publiek, QWidget* parent)
    : QWidget(parent), m_publiek(publiek) {
    setObjectName(QStringLiteral("Loterijkeuze"));
    // The keys stay with the operator's window, as for its other buttons.
    m_openKnop = new QPushButton(this);
    m_openKnop->setObjectName(QStringLiteral("LoterijOpenen"));
    m_openKnop->setFocusPolicy(Qt::NoFocus);
    m_sluitKnop = new QPushButton(this);
    m_sluitKnop->setObjectName(QStringLiteral("LoterijSluiten"));
    m_sluitKnop->setFocusPolicy(Qt::NoFocus);
    m_staat = new QLabel(this);
    m_staat->setObjectName(QStringLiteral("LoterijStaat"));
    m_staat->setWordWrap(true);
    m_staat->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(m_openKnop);
    knoppen->addWidget(m_sluitKnop);
    auto* geheel = new QVBoxLayout(this);
    geheel->setContentsMargins(0, 0, 0, 0);
    geheel->addLayout(knoppen);
    geheel->addWidget(m_staat);

    connect(m_openKnop, &QPushButton::clicked, this, &Loterijkeuze::kies);
    connect(m_sluitKnop, &QPushButton::clicked, this, [this] {
        // One click must not end a raffle before the hall: the operator says so twice.
        QMessageBox vraag(QMessageBox::Question, tr("Loterij sluiten"),
                          tr("De loterij sluiten? De lijst wordt leeg gemaakt en de trekking gaat "
                             "verder met de nummers van het bereik; de prijzen en winnaars blijven "
                             "in het journaal."),
                          QMessageBox::Yes | QMessageBox::No, window());
        vraag.setObjectName(QStringLiteral("LoterijSluitenVraag"));
        vraag.setDefaultButton(QMessageBox::No);
        if (vraag.exec() != QMessageBox::Yes)
            return;
        if (m_publiek.trekking().sluitLoterij()) {
            m_bestand.clear();
            m_fout.clear();
            werkBij();
        }
    });
    connect(&m_publiek.startBediening(), &StartBediening::bezigGewijzigd, this,
            &Loterijkeuze::werkBij);
    connect(&m_publiek.trekking(), &Trekking::loterijGewijzigd, this, &Loterijkeuze::werkBij);
    vertaal();
}

void Loterijkeuze::kies() {
    if (m_publiek.trekking().bezig())
        return;
    // Qt's own dialog, the same on every desktop, over the operator's window.
    QFileDialog dialoog(window(), tr("Loterij openen"));
    dialoog.setObjectName(QStringLiteral("LoterijDialoog"));
    dialoog.setOption(QFileDialog::DontUseNativeDialog);
    dialoog.setFileMode(QFileDialog::ExistingFile);
    dialoog.setNameFilters({tr("Loterijbestanden (*.csv *.txt)"), tr("Alle bestanden (*)")});
    if (!m_bestand.isEmpty())
        dialoog.setDirectory(QFileInfo(m_bestand).absolutePath());
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return;
    open(dialoog.selectedFiles().constFirst());
}

bool Loterijkeuze::open(const QString& pad) {
    const LoterijLezer::Uitslag gelezen = LoterijLezer::lees(pad);
    if (!gelezen.loterij) {
        m_fout = tr("Het loterijbestand %1 is niet geopend: %2")
                     .arg(QDir::toNativeSeparators(pad), gelezen.tekst());
        werkBij();
        auto* bericht =
            new QMessageBox(QMessageBox::Warning, tr("Loterij"), m_fout, QMessageBox::Ok, window());
        bericht->setObjectName(QStringLiteral("LoterijMelding"));
        bericht->setAttribute(Qt::WA_DeleteOnClose);
        bericht->open();
        return false;
    }
    if (!m_publiek.trekking().openLoterij(*gelezen.loterij))
        return false;
    m_bestand = pad;
    m_fout.clear();
    werkBij();
    return true;
}

void Loterijkeuze::werkBij() {
    const Trekking& trekking = m_publiek.trekking();
    const bool vrij = !trekking.bezig();
    m_openKnop->setEnabled(vrij);
    m_sluitKnop->setEnabled(vrij && trekking.loterij());
    m_sluitKnop->setVisible(trekking.loterij());
    if (!m_fout.isEmpty()) {
        m_staat->setText(m_fout);
        m_staat->setStyleSheet(QStringLiteral("QLabel { color: rgb(180, 0, 0); }"));
    } else {
        m_staat->setText(trekking.loterij() && !m_bestand.isEmpty()
                             ? tr("Loterij: %1").arg(QFileInfo(m_bestand).fileName())
                             : QString());
        m_staat->setStyleSheet(QString());
    }
    m_staat->setVisible(!m_staat->text().isEmpty());
}

void Loterijkeuze::vertaal() {
    m_openKnop->setText(tr("Loterij openen..."));
    m_openKnop->setToolTip(tr("Opent een loterijbestand: de lijst wordt leeg gemaakt en een "
                              "nieuwe reeks trekt loten in plaats van nummers."));
    m_sluitKnop->setText(tr("Loterij sluiten"));
    m_sluitKnop->setToolTip(tr("Terug naar de nummers van het bereik: de lijst wordt leeg "
                               "gemaakt en een nieuwe reeks begint."));
    werkBij();
}

void Loterijkeuze::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        vertaal();
    QWidget::changeEvent(e);
}
