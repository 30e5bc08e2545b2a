#include "app/hoofdvenster.h"

#include "app/schaalvolger.h"
#include "app/taal.h"
#include "app/titel.h"
#include "app/zaal.h"

#include "common/achtergrond.h"
#include "common/algemeen.h"
#include "common/eenheden.h"
#include "common/klok.h"
#include "common/knoppaneel.h"
#include "common/labels.h"
#include "common/lijstvak.h"
#include "common/plaatjesknop.h"
#include "common/schaal.h"
#include "common/werkbalk.h"
#include "config/config.h"
#include "draw/bordinhoud.h"
#include "draw/nummervak.h"
#include "draw/prijsvak.h"
#include "draw/rolvak.h"
#include "draw/startbediening.h"
#include "draw/trekking.h"
#include "journaal/hervatting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

Hoofdvenster::Hoofdvenster(const Paden& paden, const QSize& schermPixels, bool hervat,
                           const Loterij* loterij, QWidget* parent)
    : QWidget(parent), m_paden(paden), m_scherm(schermPixels), m_hervat(hervat) {
    setObjectName(QStringLiteral("Main"));
    //: The main window's caption; it has no title bar, so only task lists show it.
    setWindowTitle(tr("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::NoFocus);
    m_inst.setParent(this);
    m_inst.setObjectName(QStringLiteral("Instellingen"));
    maakOnderdelen();
    if (loterij)
        m_trekking->zetLoterij(*loterij);
    verbind();
    laadVolgorde();
}

Hoofdvenster::~Hoofdvenster() = default;

void Hoofdvenster::maakOnderdelen() {
    m_algemeen = new Algemeen(this);
    m_trekking = new Trekking(m_inst, m_pauze, m_paden, this);
    m_schaal = new SchaalVolger(*this, *m_trekking);
    m_titel = new Titel(this, m_scherm.width() * kTwipsPerPixel);
    for (int n = 0; n < kMaxRollen; ++n) {
        auto* rol = new RolVak(*m_trekking, n, this);
        rol->setMouseTracking(true);
        rol->installEventFilter(this);
        m_rol[static_cast<std::size_t>(n)] = rol;
    }
    m_nummerVak = new NummerVak(*m_trekking, this);
    m_prijsVak = new Prijsvak(*m_trekking, this);
    m_start = new StartBediening(this, *m_trekking, m_pauze);
    m_zaal = new Zaal(this, m_nummerVak, *m_trekking, m_inst, *m_algemeen);

    m_knopPaneel = new KnopPaneel(this);
    m_werkbalk = new Werkbalk(m_knopPaneel, *m_algemeen, m_pauze, m_paden.geluid("klik.wav"));
    m_exitKnop = new PlaatjesKnop(m_knopPaneel);
    m_exitKnop->setObjectName(QStringLiteral("ExitKnop"));
    m_exitKnop->zetPlaatje(QStringLiteral(":/images/exit.png"));
    m_exitKnop->zetUitleg(tr(" Exit "),
                          tr("Bewaart de instellingen en de lijst en sluit het programma."));
    m_exitKnop->resize(48, 48);
    m_klok = new Klok(m_knopPaneel);
    m_klok->installEventFilter(this); // a clock moved left may make room for less counter
    m_label1 = maakLabel(m_knopPaneel, "Label1", QStringLiteral("0/0"), tellerLetter(), Qt::black);
    m_lijst = new LijstVak(m_knopPaneel);
    m_lijst->setModel(&m_trekking->lijst());
    m_lijst->viewport()->installEventFilter(this);
}

void Hoofdvenster::verbind() {
    connect(&m_inst, &Instellingenhouder::titelGewijzigd, m_titel, &Titel::zetTekst);
    connect(&m_inst, &Instellingenhouder::titelKleurGewijzigd, m_titel, &Titel::zetKleur);
    connect(&m_inst, &Instellingenhouder::achtergrondGewijzigd, this,
            &Hoofdvenster::laadAchtergrond);
    connect(m_trekking, &Trekking::tellerGewijzigd, this, &Hoofdvenster::zetTeller);
    connect(m_trekking, &Trekking::geluidGevraagd, m_algemeen, &Algemeen::SpeelGeluid);
    connect(m_trekking, &Trekking::uitgeput, this, &Hoofdvenster::meldUitgeput);
    connect(m_trekking, &Trekking::aantalRollenGewijzigd, this, &Hoofdvenster::plaatsRollen);
    connect(m_trekking, &Trekking::allePrijzenGewonnen, this, [this] {
        auto* bericht = new QMessageBox(QMessageBox::Information, QStringLiteral("Quintaro"),
                                        tr("Alle prijzen van de loterij zijn getrokken."),
                                        QMessageBox::Ok, dialoogOuder());
        bericht->setObjectName(QStringLiteral("PrijzenOp"));
        bericht->setAttribute(Qt::WA_DeleteOnClose);
        bericht->open();
    });
    connect(m_nummerVak, &NummerVak::spatieLosgelaten, m_start, &StartBediening::spatieStart);
    connect(m_start, &StartBediening::bezigGewijzigd, m_werkbalk,
            [this](bool bezig) { m_werkbalk->zetAan(!bezig); });
    connect(m_knopPaneel, &KnopPaneel::geklikt, this, &Hoofdvenster::focusNaarNummer);
    connect(m_werkbalk, &Werkbalk::hulpGevraagd, this,
            [this] { m_algemeen->OpenDocument(this, m_paden.handleiding(Taal::huidige())); });
    connect(m_werkbalk, &Werkbalk::softwareGevraagd, this, [this] {
        m_algemeen->OpenDocument(this, QStringLiteral("https://www.brevane.example/software.htm"));
    });
    connect(m_werkbalk, &Werkbalk::instellingenGevraagd, this, &Hoofdvenster::openConfig);
    connect(m_exitKnop, &PlaatjesKnop::geklikt, this, &Hoofdvenster::exitGeklikt);
    connect(m_schaal, &SchaalVolger::schaalGewijzigd, this,
            [this] { laadAchtergrond(m_inst.record().AchtergrondBestand); });
}

void Hoofdvenster::laadVolgorde() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(30, 30, 50));
    setPalette(pal);
    m_indeling = berekenIndeling(m_scherm);
    setGeometry(QRect(QPoint(0, 0), m_scherm));

    m_titel->zetHoogte(naarPixels(m_indeling.logo1Top), naarPixels(m_indeling.logo2Top));
    plaatsRollen(m_trekking->aantalRollen());
    m_nummerVak->setGeometry(naarPixels(m_indeling.nummerPic));
    m_prijsVak->setGeometry(prijsVlak(m_scherm));
    m_zaal->zetBordVlak(bordVlak(m_scherm));
    m_trekking->MaakNummerSchoon();
    m_start->pijlLinks()->move(naarPixels(m_indeling.pijlLinks.x()),
                               naarPixels(m_indeling.pijlLinks.y()));
    m_start->pijlRechts()->move(naarPixels(m_indeling.pijlRechts.x()),
                                naarPixels(m_indeling.pijlRechts.y()));
    m_knopPaneel->setGeometry(naarPixels(m_indeling.knopPic));
    const PaneelIndeling pi = berekenPaneel(m_knopPaneel->width());
    m_knopPaneel->teken(pi.lijstKader);
    for (int i = 0; i < 4; ++i)
        m_werkbalk->knop(i)->move(pi.knop[static_cast<std::size_t>(i)]);
    m_exitKnop->move(pi.exitKnop);
    m_klok->zetPlaats(pi.klok, pi.exitKnop.x());
    m_lijst->setGeometry(pi.lijst);
    plaatsTeller();

    m_gelezen = m_inst.laad(m_paden.instellingen(), m_paden.programmaMap);
    // From here on every step stands on its own: a failing one is skipped.
    const Instellingen& inst = m_inst.record();
    if (m_hervat && !m_trekking->loterij())
        m_trekking->hervat(Hervatting::lees(m_paden.journaal(), m_paden.journaalSleutel()));
    else
        m_trekking->beginReeks();
    m_zaal->neemInstellingen();
    laadAchtergrond(inst.AchtergrondBestand);
    // Also without a settings file: the range is then the default one, as the operator's
    // window shows it.
    zetTeller(m_trekking->tellerTekst());
    m_titel->zetTekst(inst.TitelTekst);
    m_titel->zetKleur(titelKleur(inst));
}

void Hoofdvenster::plaatsRollen(int aantal) {
    m_indeling = berekenIndeling(m_scherm, aantal);
    for (std::size_t n = 0; n < kMaxRollen; ++n) {
        const bool inGebruik = static_cast<int>(n) < m_indeling.aantalRollen;
        if (inGebruik)
            m_rol[n]->setGeometry(naarPixels(m_indeling.rol[n]));
        m_rol[n]->setVisible(inGebruik);
    }
    update();
}

void Hoofdvenster::laadAchtergrond(const QString& pad) {
    // An unreadable picture keeps the one shown before.
    const QImage beeld = ::laadAchtergrond(pad, opSchaal(m_scherm, devicePixelRatioF()));
    if (beeld.isNull())
        return;
    m_achtergrond = beeld;
    m_achtergrondGeschaald = QPixmap();
    update();
}

void Hoofdvenster::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(30, 30, 50));
    if (!m_achtergrond.isNull()) {
        if (m_achtergrondGeschaald.size() != opSchaal(size(), devicePixelRatioF()))
            m_achtergrondGeschaald = uitgerekt(m_achtergrond, size(), devicePixelRatioF());
        p.drawPixmap(0, 0, m_achtergrondGeschaald);
    }
    // The rollers' frames; the borders grow inwards and the rollers lie on top of them.
    const auto rand = [&p](const QRect& r, int dikte, Qt::GlobalColor kleur) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), dikte), kleur);
        p.fillRect(QRect(r.left(), r.bottom() - dikte + 1, r.width(), dikte), kleur);
        p.fillRect(QRect(r.left(), r.top(), dikte, r.height()), kleur);
        p.fillRect(QRect(r.right() - dikte + 1, r.top(), dikte, r.height()), kleur);
    };
    // Smaller rollers have thinner frames.
    const auto dikte = [this](int pixels) {
        return std::max(1, static_cast<int>(std::lround(pixels * m_indeling.rolSchaal)));
    };
    for (std::size_t n = 0; n < static_cast<std::size_t>(m_indeling.aantalRollen); ++n) {
        rand(naarPixels(m_indeling.binnenKader[n]), dikte(9), Qt::black);
        rand(naarPixels(m_indeling.buitenKader[n]), dikte(3), Qt::white);
    }
}

void Hoofdvenster::resizeEvent(QResizeEvent*) {
    m_achtergrondGeschaald = QPixmap();
}

void Hoofdvenster::zetTeller(const QString& tekst) {
    m_label1->setText(tekst);
    // A screen reader reads what the bare "1/9999" is.
    m_label1->setAccessibleName(m_trekking->rolSoort() != 0 ? tr("Score: %1").arg(tekst)
                                                            : tr("Teller: %1").arg(tekst));
    plaatsTeller();
}

void Hoofdvenster::plaatsTeller() {
    const TellerOpmaak t = pasTeller(m_label1->text(), berekenPaneel(m_knopPaneel->width()).teller,
                                     m_klok->x() - Klok::kMarge);
    m_label1->setFont(t.letter);
    m_label1->adjustSize();
    m_label1->move(t.plek);
}

void Hoofdvenster::meldUitgeput() {
    QString tekst = tr("Alle getallen zijn getrokken,\nde lijst wordt nu leeg gemaakt!");
    if (m_trekking->stoptVoorInvoer())
        tekst += u'\n' + tr("De nieuwe reeks trekt nog niets: geef eerst haar publieke invoer "
                            "(P) en start dan opnieuw.");
    QMessageBox bericht(QMessageBox::NoIcon, tr(" Nieuw"), tekst, QMessageBox::Ok, dialoogOuder());
    bericht.exec();
}

QWidget* Hoofdvenster::toetsBron() const {
    return m_nummerVak;
}

void Hoofdvenster::focusNaarNummer() {
    if (!m_nummerVak->hasFocus())
        m_nummerVak->setFocus(Qt::OtherFocusReason);
}

bool Hoofdvenster::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        focusNaarNummer();
    return QWidget::event(e);
}

bool Hoofdvenster::eventFilter(QObject* o, QEvent* e) {
    if (o == m_klok && e->type() == QEvent::Move && m_label1)
        plaatsTeller();
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        focusNaarNummer();
    return QWidget::eventFilter(o, e);
}

bool Hoofdvenster::opAchtergrond(const QPoint& p) const {
    // Children pass on the double-clicks they do not take (and a disabled one takes none), and
    // the title labels let the pointer through; only the picture itself counts.
    for (const QObject* o : children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w && w->isVisible() && !w->isWindow() && w->geometry().contains(p))
            return false;
    }
    for (const QRect& kader : m_indeling.buitenKader)
        if (naarPixels(kader).contains(p))
            return false;
    return true;
}

void Hoofdvenster::mouseDoubleClickEvent(QMouseEvent* e) {
    // A double-click on the background hides or shows the bottom bar.
    if (e->button() == Qt::LeftButton && opAchtergrond(e->position().toPoint()))
        m_knopPaneel->setVisible(!m_knopPaneel->isVisible());
}

void Hoofdvenster::exitGeklikt() {
    // No click sound here, unlike the toolbar.
    if (!m_exitKnop->drukIn(m_pauze) || !m_pauze.Wacht(0.2))
        return;
    close();
}

void Hoofdvenster::closeEvent(QCloseEvent* e) {
    if (m_sluitGestart) {
        // Under way: wait for it; done: nothing more to do.
        if (m_sluitKlaar)
            e->accept();
        else
            e->ignore();
        return;
    }
    m_sluitGestart = true;
    // Every pause from here on tells the interrupted sequences to stop.
    m_pauze.beginAfsluiten();
    // A settings file that cannot be written does not keep the list from being written.
    BewaarInstellingen(m_paden.instellingen(), m_inst.record());
    m_pauze.Wacht(0.2);
    m_trekking->bewaarLijstNu();
    m_trekking->sluitJournaal();
    m_pauze.Wacht(0.2);
    m_sluitKlaar = true;
    m_trekking->stop();
    e->accept();
    // Every window of the program closes and no interrupted handler goes on: the pauses
    // and the modal windows (settings dialog, message) that are still open end now.
    m_pauze.stopAlles();
    const auto vensters = QApplication::topLevelWidgets();
    for (QWidget* venster : vensters) {
        if (auto* dialoog = qobject_cast<QDialog*>(venster); dialoog && dialoog->isVisible())
            dialoog->reject();
    }
    Q_EMIT afgesloten();
}

void Hoofdvenster::openConfig() {
    Config dialoog(m_inst, m_paden, dialoogOuder());
    dialoog.exec();
    focusNaarNummer();
}
