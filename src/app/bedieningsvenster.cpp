#include "app/bedieningsvenster.h"

#include "app/bedieningslijst.h"
#include "app/hoofdvenster.h"
#include "app/loterijkeuze.h"
#include "app/voorvertoning.h"
#include "app/zaal.h"
#include "common/algemeen.h"
#include "common/toetsenoverzicht.h"
#include "draw/loterijverloop.h"
#include "draw/startbediening.h"
#include "draw/trekking.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The window's controls take no keyboard focus (the reason field aside): the keys go to the
// window, so a space starts a draw and never presses the button that was clicked last.
template <typename T> T* maak(QWidget* ouder, const char* naam) {
    auto* w = new T(ouder);
    w->setObjectName(QLatin1String(naam));
    w->setFocusPolicy(Qt::NoFocus);
    return w;
}

QFont grootte(QFont font, qreal punten, bool vet = false) {
    font.setPointSizeF(punten);
    font.setBold(vet);
    return font;
}

} // namespace

Bedieningsvenster::Bedieningsvenster(Hoofdvenster& publiek, QWidget* parent)
    : QWidget(parent, Qt::Window), m_publiek(publiek) {
    setObjectName(QStringLiteral("Bediening"));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));
    setFocusPolicy(Qt::StrongFocus);
    maakOnderdelen();
    verbind();
    vertaal();
    // The settings, the messages and the audience's text open here, not over the rollers.
    m_publiek.zetDialoogOuder(this);
    m_publiek.zaal().zetDialoogOuder(this);
    zetTeller(m_publiek.trekking().tellerTekst());
    zetToezegging(m_publiek.trekking().toezegging(), m_publiek.trekking().wordtVastgelegd());
    zetKetenKop(m_publiek.trekking().ketenKop());
    // Numbers listed before this window came (a resumed series): their times are unknown.
    const GetrokkenLijst& eerder = m_publiek.trekking().lijst();
    for (qsizetype i = 0; i < eerder.aantal(); ++i) {
        if (m_publiek.trekking().loterij())
            m_lijstModel->voegToeLot(eerder.nummer(i), eerder.tekst(i), QTime());
        else
            m_lijstModel->voegToe(eerder.nummer(i), QTime());
    }
    werkVervallenBij();
    setFocus(Qt::OtherFocusReason);
}

Bedieningsvenster::~Bedieningsvenster() = default;

void Bedieningsvenster::voegOnderdeelToe(QWidget* onderdeel) {
    m_rechts->insertWidget(m_rechts->indexOf(m_instellingenKnop), onderdeel);
}

void Bedieningsvenster::maakOnderdelen() {
    m_lijstModel = new Bedieningslijst(this);
    m_voorvertoning = new Voorvertoning(&m_publiek, this);
    m_voorvertoningKop = maak<QLabel>(this, "VoorvertoningKop");
    m_teller = maak<QLabel>(this, "Teller");
    m_teller->setFont(grootte(font(), 20, true));
    m_toezegging = maak<QLabel>(this, "Toezegging");
    m_toezegging->setFont(grootte(font(), 13));
    m_toezegging->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_keten = maak<QLabel>(this, "Keten");
    m_keten->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_journaal = maak<QLabel>(this, "JournaalStaat");

    m_startKnop = maak<QPushButton>(this, "StartKnop");
    m_startKnop->setFont(grootte(font(), 26, true));
    m_startKnop->setMinimumHeight(110);
    m_lijstKop = maak<QLabel>(this, "LijstKop");
    m_lijstVak = maak<QListView>(this, "Bedieningslijst");
    m_lijstVak->setModel(m_lijstModel);
    m_lijstVak->setFont(grootte(font(), 13));
    m_lijstVak->setSelectionMode(QAbstractItemView::NoSelection);
    m_lijstVak->setUniformItemSizes(true);
    m_redenKop = maak<QLabel>(this, "RedenKop");
    m_reden = new QLineEdit(this);
    m_reden->setObjectName(QStringLiteral("VervalReden"));
    m_reden->setMaxLength(200);
    // Only a click (or Alt+R) puts the cursor in it: the window keeps the keys at the start.
    m_reden->setFocusPolicy(Qt::ClickFocus);
    m_redenKop->setBuddy(m_reden);
    m_vervalKnop = maak<QPushButton>(this, "VervalKnop");
    m_prijsNu = maak<QLabel>(this, "PrijsNu");
    m_prijsNu->setFont(grootte(font(), 14, true));
    m_prijsNu->setWordWrap(true);
    m_prijzen = maak<QListWidget>(this, "Prijzenlijst");
    m_prijzen->setSelectionMode(QAbstractItemView::NoSelection);
    m_afwezigKnop = maak<QPushButton>(this, "NietAanwezig");
    m_loterijKeuze = new Loterijkeuze(m_publiek, this);
    toonLoterij();
    m_geluid = maak<QCheckBox>(this, "GeluidSchakelaar");
    m_stem = maak<QCheckBox>(this, "StemSchakelaar");
    m_bord = maak<QCheckBox>(this, "BordSchakelaar");
    m_instellingenKnop = maak<QPushButton>(this, "InstellingenKnop");
    // The keys overview of this window, for the operator; the audience never sees it.
    m_overzicht = new ToetsenOverzicht(this);
    m_overzicht->setObjectName(QStringLiteral("ToetsenOverzicht"));
    // Escape leaves the reason as the key goes down, before the field can take it.
    m_reden->installEventFilter(this);

    auto* links = new QVBoxLayout;
    links->addWidget(m_voorvertoningKop);
    links->addWidget(m_voorvertoning, 1);
    links->addWidget(m_teller);
    links->addWidget(m_toezegging);
    links->addWidget(m_keten);
    links->addWidget(m_journaal);
    auto* schakelaars = new QHBoxLayout;
    schakelaars->addWidget(m_geluid);
    schakelaars->addWidget(m_stem);
    schakelaars->addWidget(m_bord);
    auto* rechts = new QVBoxLayout;
    m_rechts = rechts;
    rechts->addWidget(m_startKnop);
    rechts->addWidget(m_loterijKeuze);
    rechts->addWidget(m_prijsNu);
    rechts->addWidget(m_afwezigKnop);
    rechts->addWidget(m_prijzen, 1);
    rechts->addWidget(m_lijstKop);
    rechts->addWidget(m_lijstVak, 1);
    rechts->addWidget(m_redenKop);
    rechts->addWidget(m_reden);
    rechts->addWidget(m_vervalKnop);
    rechts->addLayout(schakelaars);
    rechts->addWidget(m_instellingenKnop);
    auto* geheel = new QHBoxLayout(this);
    geheel->addLayout(links, 3);
    geheel->addLayout(rechts, 1);
}

void Bedieningsvenster::verbind() {
    Trekking& trekking = m_publiek.trekking();
    StartBediening& start = m_publiek.startBediening();
    connect(m_startKnop, &QPushButton::clicked, &start, &StartBediening::spatieStart);
    connect(&start, &StartBediening::bezigGewijzigd, this, [this](bool bezig) {
        m_startKnop->setEnabled(!bezig);
        m_instellingenKnop->setEnabled(!bezig);
        werkVervallenBij();
    });
    connect(&trekking, &Trekking::nummerGetrokken, this, [this](qint32 nummer, int punten) {
        const GetrokkenLijst& lijst = m_publiek.trekking().lijst();
        if (m_publiek.trekking().loterij())
            m_lijstModel->voegToeLot(nummer, lijst.tekst(lijst.aantal() - 1), QTime::currentTime());
        else if (m_publiek.trekking().rolSoort() != 0)
            m_lijstModel->voegToeMetPunten(nummer, punten, QTime::currentTime());
        else
            m_lijstModel->voegToe(nummer, QTime::currentTime());
        m_lijstVak->scrollToBottom();
        werkVervallenBij();
    });
    connect(&trekking, &Trekking::trekkingBegonnen, this, &Bedieningsvenster::werkVervallenBij);
    connect(&trekking, &Trekking::lijstGeleegd, this, [this] {
        m_lijstModel->maakLeeg();
        werkVervallenBij();
    });
    connect(&trekking, &Trekking::laatsteVervallen, this, [this](qint32, const QString& reden) {
        m_lijstModel->vervalLaatste(reden);
        werkVervallenBij();
    });
    connect(&trekking, &Trekking::loterijGewijzigd, this, &Bedieningsvenster::toonLoterij);
    connect(&trekking, &Trekking::tellerGewijzigd, this, &Bedieningsvenster::zetTeller);
    connect(&trekking, &Trekking::reeksBegonnen, this, &Bedieningsvenster::zetToezegging);
    connect(&trekking, &Trekking::vastleggingGestopt, this,
            [this] { zetToezegging(m_toezeggingTekst, false); });
    connect(&trekking, &Trekking::ketenGewijzigd, this, &Bedieningsvenster::zetKetenKop);
    connect(m_reden, &QLineEdit::textChanged, this, &Bedieningsvenster::werkVervallenBij);
    connect(m_reden, &QLineEdit::returnPressed, this, &Bedieningsvenster::laatVervallen);
    connect(m_vervalKnop, &QPushButton::clicked, this, &Bedieningsvenster::laatVervallen);
    connect(m_afwezigKnop, &QPushButton::clicked, this, [this] {
        // The journal's reason stays Dutch, as the journal's other texts.
        m_publiek.trekking().vervalLaatste(QStringLiteral("niet aanwezig"));
        setFocus(Qt::OtherFocusReason);
    });

    Algemeen& algemeen = m_publiek.algemeen();
    Zaal& zaal = m_publiek.zaal();
    m_geluid->setChecked(algemeen.geluidAan());
    m_stem->setChecked(zaal.stemAan());
    m_bord->setChecked(zaal.bordAan());
    connect(m_geluid, &QCheckBox::toggled, &algemeen, &Algemeen::zetGeluidAan);
    connect(&algemeen, &Algemeen::geluidAanGewijzigd, m_geluid, &QCheckBox::setChecked);
    connect(m_stem, &QCheckBox::toggled, &zaal, &Zaal::zetStemAan);
    connect(&zaal, &Zaal::stemAanGewijzigd, m_stem, &QCheckBox::setChecked);
    connect(m_bord, &QCheckBox::toggled, &zaal, &Zaal::zetBordAan);
    connect(&zaal, &Zaal::bordAanGewijzigd, m_bord, &QCheckBox::setChecked);
    connect(m_instellingenKnop, &QPushButton::clicked, this, [this] {
        m_publiek.openConfig();
        setFocus(Qt::OtherFocusReason);
    });

    connect(&m_publiek, &Hoofdvenster::afgesloten, this, [this] {
        m_klaar = true;
        QTimer::singleShot(0, this, &QWidget::close);
    });
}

void Bedieningsvenster::vertaal() {
    //: The operator's window's title.
    setWindowTitle(tr("Quintaro - bediening"));
    m_voorvertoningKop->setText(tr("Wat het publiek ziet:"));
    m_voorvertoning->setAccessibleName(tr("Wat het publiek ziet"));
    m_startKnop->setText(tr("Start"));
    m_startKnop->setToolTip(tr("Start een trekking (spatiebalk)."));
    m_lijstKop->setText(tr("Getrokken nummers:"));
    m_lijstVak->setAccessibleName(tr("Getrokken nummers met hun tijd"));
    m_redenKop->setText(tr("&Reden om het laatste nummer te laten vervallen:"));
    m_reden->setPlaceholderText(tr("bijvoorbeeld: winnaar niet aanwezig"));
    m_geluid->setText(tr("Geluid"));
    m_stem->setText(tr("Stem (V)"));
    m_bord->setText(tr("Bord (B)"));
    m_instellingenKnop->setText(tr("Instellingen..."));
    m_afwezigKnop->setText(tr("Niet aanwezig"));
    m_afwezigKnop->setToolTip(tr("De winnaar is niet in de zaal: het lot vervalt en dezelfde "
                                 "prijs wordt opnieuw getrokken."));
    m_prijzen->setAccessibleName(tr("Prijzen met hun winnaars"));
    zetTeller(m_tellerTekst);
    zetToezegging(m_toezeggingTekst, m_vastgelegd);
    zetKetenKop(m_ketenKop);
    werkVervallenBij();
}

void Bedieningsvenster::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        vertaal();
    QWidget::changeEvent(e);
}

void Bedieningsvenster::zetTeller(const QString& tekst) {
    m_tellerTekst = tekst;
    m_teller->setText(m_publiek.trekking().rolSoort() != 0 ? tr("Score: %1").arg(tekst)
                                                           : tr("Teller: %1").arg(tekst));
}

void Bedieningsvenster::zetToezegging(const QString& toezegging, bool vastgelegd) {
    m_toezeggingTekst = toezegging;
    m_vastgelegd = vastgelegd;
    m_toezegging->setText(toezegging.isEmpty() ? tr("Geen reeks")
                                               : tr("Toezegging van de reeks: %1").arg(toezegging));
    const QString reden = m_publiek.trekking().vastleggingsReden();
    if (vastgelegd)
        m_journaal->setText(tr("Het journaal legt deze reeks vast."));
    else if (!reden.isEmpty())
        m_journaal->setText(tr("Let op: het journaal kan niet worden geschreven (%1); deze "
                               "reeks wordt niet vastgelegd.")
                                .arg(reden));
    else
        m_journaal->setText(tr("Let op: het journaal kan niet worden geschreven; deze "
                               "reeks wordt niet vastgelegd."));
    m_journaal->setStyleSheet(vastgelegd ? QString()
                                         : QStringLiteral("QLabel { color: rgb(180, 0, 0); }"));
}

void Bedieningsvenster::zetKetenKop(const QString& kop) {
    m_ketenKop = kop;
    m_keten->setText(tr("Kop van de keten: %1").arg(kop));
    m_keten->setVisible(!kop.isEmpty());
}

void Bedieningsvenster::werkLoterijBij() {
    const Loterijverloop* verloop = m_publiek.trekking().loterij();
    if (!verloop)
        return;
    m_afwezigKnop->setEnabled(m_publiek.trekking().kanVervallen());
    const qint64 aantal = static_cast<qint64>(verloop->loterij().prijzen().size());
    m_prijsNu->setText(verloop->allesGewonnen()
                           ? tr("Alle prijzen zijn getrokken.")
                           : tr("Aan de beurt: prijs %1 van %2, %3")
                                 .arg(verloop->prijsNu() + 1)
                                 .arg(aantal)
                                 .arg(verloop->prijsTekst(verloop->prijsNu())));
    m_prijzen->clear();
    for (qint64 i = 0; i < aantal; ++i) {
        QString regel = QStringLiteral("%1. %2").arg(i + 1).arg(verloop->prijsTekst(i));
        for (const Loterijverloop::Uitslag& u : verloop->uitslagen()) {
            if (u.prijs != i)
                continue;
            const QString lot = verloop->loterij().tekstVan(u.lot);
            regel += u.afwezig ? QStringLiteral("   ") + tr("(%1 niet aanwezig)").arg(lot)
                               : QStringLiteral("   %1 (%2)")
                                     .arg(lot, u.tijd.toString(QStringLiteral("HH:mm:ss")));
        }
        m_prijzen->addItem(regel);
    }
}

void Bedieningsvenster::toonLoterij() {
    const bool loterij = m_publiek.trekking().loterij() != nullptr;
    for (QWidget* w : {static_cast<QWidget*>(m_prijsNu), static_cast<QWidget*>(m_prijzen),
                       static_cast<QWidget*>(m_afwezigKnop)})
        w->setVisible(loterij);
    werkVervallenBij();
}

void Bedieningsvenster::werkVervallenBij() {
    werkLoterijBij();
    const Trekking& trekking = m_publiek.trekking();
    const bool kan = trekking.kanVervallen();
    m_vervalKnop->setEnabled(kan && !m_reden->text().trimmed().isEmpty());
    const GetrokkenLijst& lijst = trekking.lijst();
    m_vervalKnop->setText(
        kan ? tr("Nummer %1 laten vervallen").arg(lijst.nummer(lijst.aantal() - 1))
            : tr("Laatste nummer laten vervallen"));
}

void Bedieningsvenster::laatVervallen() {
    if (!m_publiek.trekking().vervalLaatste(m_reden->text()))
        return;
    m_reden->clear();
    setFocus(Qt::OtherFocusReason);
}

bool Bedieningsvenster::eventFilter(QObject* o, QEvent* e) {
    if (o == m_reden && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void Bedieningsvenster::keyReleaseEvent(QKeyEvent* e) {
    // What is typed into the reason is text.
    if (m_reden->hasFocus())
        return;
    // H and Escape show and hide this window's keys overview; Escape, when that is hidden,
    // goes on to the audience's window like every other key.
    if (m_overzicht->verwerkToets(*e))
        return;
    // The same handlers as the keys released on the audience's result panel.
    QKeyEvent kopie(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(),
                    static_cast<quint16>(e->count()));
    QCoreApplication::sendEvent(m_publiek.toetsBron(), &kopie);
}

void Bedieningsvenster::closeEvent(QCloseEvent* e) {
    // The audience's window runs the closing sequence (both files written) and says when it
    // is done; one under way already is waited for.
    if (!m_klaar)
        m_publiek.close();
    e->setAccepted(m_klaar);
}
