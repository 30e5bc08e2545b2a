#include "app/mainwindow.h"

#include "app/state.h"
#include "common/clocktext.h"
#include "common/picturebutton.h"
#include "config/configdialog.h"
#include "draw/panel.h"
#include "draw/resultpanel.h"
#include "draw/rollerlogic.h"
#include "draw/rollerwidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

KnopPaneel::KnopPaneel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void KnopPaneel::setTekening(const QImage& tekening) {
    m_tekening = tekening;
    update();
}

void KnopPaneel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(80, 80, 100));
    p.drawImage(0, 0, m_tekening);
    // The stripe along the top edge.
    p.fillRect(QRect(0, 0, width(), 1), QColor(180, 180, 180));
}

void KnopPaneel::mousePressEvent(QMouseEvent*) {
    Q_EMIT geklikt();
}

namespace {

QLabel* maakLabel(QWidget* ouder, const QString& tekst, const QFont& font, const QColor& kleur) {
    auto* label = new QLabel(tekst, ouder);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, kleur);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    return label;
}

// A picture button's tooltip; the same text without its blanks is its accessible name, and
// the description says what it does.
void geefUitleg(QWidget* w, const QString& tip, const QString& beschrijving) {
    w->setToolTip(tip);
    w->setAccessibleName(tip.trimmed());
    w->setAccessibleDescription(beschrijving);
}

} // namespace

Hoofdvenster::Hoofdvenster(Toestand& toestand, const QSize& schermPixels, QWidget* parent)
    : QWidget(parent), m_toestand(toestand), m_algemeen(toestand), m_scherm(schermPixels) {
    //: The main window's caption; it has no title bar, so only task lists show it.
    setWindowTitle(tr("Form1"));
    setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));
    setObjectName(QStringLiteral("Main"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::NoFocus);

    m_strook[0] = QImage(QStringLiteral(":/images/strip_digits.png"));
    m_strook[1] = QImage(QStringLiteral(":/images/strip_fruits.png"));
    m_prijsTabel = QImage(QStringLiteral(":/images/prizetable.png"));
    m_geluidAan = QPixmap(QStringLiteral(":/images/sound_on.png"));
    m_geluidUit = QPixmap(QStringLiteral(":/images/sound_off.png"));

    m_logo1 = maakLabel(this, QStringLiteral("Quintaro"), arial(60, true), QColor(0, 0, 0));
    m_logo2 = maakLabel(this, QStringLiteral("Quintaro"), arial(60, true), QColor(255, 255, 0));
    m_logo1->setObjectName(QStringLiteral("Logo1"));
    m_logo2->setObjectName(QStringLiteral("Logo2"));
    for (std::size_t n = 0; n < 4; ++n) {
        m_rol[n] = new RolVak(this);
        m_rol[n]->setObjectName(QStringLiteral("Pic%1").arg(n + 1));
        m_rol[n]->setMouseTracking(true);
        m_rol[n]->installEventFilter(this);
        m_timer[n].setInterval(10);
        m_timer[n].setTimerType(Qt::PreciseTimer);
        connect(&m_timer[n], &QTimer::timeout, this, [this, n] { rolTik(static_cast<int>(n)); });
    }
    m_nummerVak = new NummerVak(this);
    m_nummerVak->setObjectName(QStringLiteral("NummerPic"));
    m_nummerVak->setAccessibleName(tr("Getrokken nummer"));
    m_nummerVak->setAccessibleDescription(tr("De spatiebalk start een trekking."));
    connect(m_nummerVak, &NummerVak::spatieLosgelaten, this, &Hoofdvenster::spatieStart);

    m_pijlLinks = new PlaatjesKnop(this);
    m_pijlRechts = new PlaatjesKnop(this);
    m_pijlLinks->setObjectName(QStringLiteral("ArrowLeft"));
    m_pijlRechts->setObjectName(QStringLiteral("ArrowRight"));
    m_pijlLinks->setPlaatje(QPixmap(QStringLiteral(":/images/arrow_left.png")));
    m_pijlRechts->setPlaatje(QPixmap(QStringLiteral(":/images/arrow_right.png")));
    for (auto* pijl : {m_pijlLinks, m_pijlRechts}) {
        geefUitleg(pijl, tr(" Startknop "), tr("Start een trekking."));
        pijl->resize(kPijlGrootte);
        connect(pijl, &PlaatjesKnop::geklikt, this, [this, pijl] { pijlGeklikt(pijl); });
    }

    m_knopPaneel = new KnopPaneel(this);
    m_knopPaneel->setObjectName(QStringLiteral("KnopPic"));
    connect(m_knopPaneel, &KnopPaneel::geklikt, this, &Hoofdvenster::focusNaarNummer);
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
        m_knop[i] = new PlaatjesKnop(m_knopPaneel);
        m_knop[i]->setObjectName(QStringLiteral("Knop%1").arg(i));
        m_knop[i]->setPlaatje(QPixmap(QLatin1String(plaatjes[i])));
        geefUitleg(m_knop[i], tr(tips[i]), tr(beschrijvingen[i]));
        m_knop[i]->resize(48, 48);
        connect(m_knop[i], &PlaatjesKnop::geklikt, this,
                [this, i] { knopGeklikt(static_cast<int>(i)); });
    }
    m_exitKnop = new PlaatjesKnop(m_knopPaneel);
    m_exitKnop->setObjectName(QStringLiteral("ExitKnop"));
    m_exitKnop->setPlaatje(QPixmap(QStringLiteral(":/images/exit.png")));
    geefUitleg(m_exitKnop, tr(" Exit "),
               tr("Bewaart de instellingen en de lijst en sluit het programma."));
    m_exitKnop->resize(48, 48);
    connect(m_exitKnop, &PlaatjesKnop::geklikt, this, &Hoofdvenster::exitGeklikt);

    m_klokLabel = maakLabel(m_knopPaneel, QStringLiteral("00:00:00"), arial(9.75), Qt::white);
    m_label1 = maakLabel(m_knopPaneel, QStringLiteral("0/0"), arial(26.25, true), Qt::black);
    m_klokLabel->setObjectName(QStringLiteral("KlokLabel"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_lijst = new QListView(m_knopPaneel);
    m_lijst->setObjectName(QStringLiteral("List1"));
    m_lijst->setAccessibleName(tr("Getrokken nummers"));
    m_lijst->setModel(&m_toestand.lijst);
    m_lijst->setFrameShape(QFrame::NoFrame);
    m_lijst->setFocusPolicy(Qt::NoFocus);
    m_lijst->setUniformItemSizes(true);
    m_lijst->setFont(arial(9.75));
    m_lijst->setSelectionMode(QAbstractItemView::NoSelection);
    m_lijst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lijst->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    {
        QPalette pal = m_lijst->palette();
        pal.setColor(QPalette::Base, QColor(20, 20, 40));
        pal.setColor(QPalette::Text, QColor(250, 250, 250));
        m_lijst->setPalette(pal);
    }
    m_lijst->viewport()->setMouseTracking(true);
    m_lijst->viewport()->installEventFilter(this);

    m_beeldTimer.setInterval(10);
    m_beeldTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_beeldTimer, &QTimer::timeout, this, &Hoofdvenster::toonRollers);

    m_klokTimer.setInterval(60);
    connect(&m_klokTimer, &QTimer::timeout, this, &Hoofdvenster::klokTik);

    laadVolgorde();
    m_klokTimer.start();
}

Hoofdvenster::~Hoofdvenster() = default;

void Hoofdvenster::laadVolgorde() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(30, 30, 50));
    setPalette(pal);
    m_indeling = berekenIndeling(m_scherm);
    setGeometry(QRect(QPoint(0, 0), m_scherm));

    m_logo1->move(m_logo1->x(), naarPixels(m_indeling.logo1Top));
    m_logo2->move(m_logo2->x(), naarPixels(m_indeling.logo2Top));
    for (std::size_t n = 0; n < 4; ++n)
        m_rol[n]->setGeometry(naarPixels(m_indeling.rol[n]));
    geefRollersStrook();
    m_nummerVak->setGeometry(naarPixels(m_indeling.nummerPic));
    MaakNummerSchoon();
    m_pijlLinks->move(naarPixels(m_indeling.pijlLinks.x()), naarPixels(m_indeling.pijlLinks.y()));
    m_pijlRechts->move(naarPixels(m_indeling.pijlRechts.x()),
                       naarPixels(m_indeling.pijlRechts.y()));
    m_knopPaneel->setGeometry(naarPixels(m_indeling.knopPic));
    const int binnen = m_knopPaneel->width();
    const PaneelIndeling pi = berekenPaneel(binnen);
    m_knopPaneel->setTekening(knopPaneelTekening(binnen, kPaneelHoogte, pi.lijstKader));
    for (std::size_t i = 0; i < 4; ++i)
        m_knop[i]->move(pi.knop[i]);
    m_klokLabel->move(pi.klok);
    m_exitKnop->move(pi.exitKnop);
    m_lijst->setGeometry(pi.lijst);
    m_label1->move(pi.teller);

    auto& t = m_toestand;
    m_gelezen = LeesInstellingen(t.paden.instellingen(), t.paden.programmaMap, t.inst);

    // From here on every step stands on its own: a failing one is skipped.
    laadAchtergrond(t.inst.AchtergrondBestand);
    if (m_gelezen)
        zetTeller(tellerTekst(0, t.inst.HoogsteNummer));
    zetTitel(t.inst.TitelTekst);
    zetTitelKleur(titelKleur(t.inst));
}

namespace {

// A picture file that notes whether its decoder ran out of data. Qt's decoders hand back a
// picture that is cut short as a whole one, the missing part filled in grey; such a file
// counts as unreadable.
class BeeldBestand : public QFile {
public:
    using QFile::QFile;
    void begin() { m_leeg = m_kort = false; }
    // JPEG and GIF are read in chunks, so the last read of a whole file comes back short as
    // well; they only ask for more once the file has ended. The other decoders ask for
    // exactly the bytes they need.
    bool afgekapt(const QByteArray& formaat) const {
        return formaat == "jpeg" || formaat == "gif" ? m_leeg : m_kort;
    }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 n = QFile::readData(data, max);
        if (max > 0 && n <= 0)
            m_leeg = true;
        if (n < max)
            m_kort = true;
        return n;
    }

private:
    bool m_leeg = false;
    bool m_kort = false;
};

// No background has this many pixels; a header that claims more belongs to a damaged file.
constexpr qint64 kMaxAchtergrondPixels = qint64{1} << 28;

} // namespace

bool Hoofdvenster::laadAchtergrond(const QString& pad) {
    if (pad.isEmpty())
        return false;
    BeeldBestand bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    QImageReader lezer(&bestand);
    lezer.setAutoTransform(true);
    const QSize grootte = lezer.size();
    if (!grootte.isValid() || qint64{grootte.width()} * grootte.height() > kMaxAchtergrondPixels)
        return false;
    // A picture larger than the screen is decoded at screen size: it is stretched to it anyway.
    if (grootte.width() > m_scherm.width() || grootte.height() > m_scherm.height())
        lezer.setScaledSize(m_scherm);
    // Asked before reading: afterwards the reader no longer knows it and peeks at the end.
    const QByteArray formaat = lezer.format();
    bestand.begin();
    const QImage beeld = lezer.read();
    if (beeld.isNull() || bestand.afgekapt(formaat))
        return false;
    m_achtergrond = beeld;
    m_achtergrondGeschaald = QPixmap();
    update();
    return true;
}

void Hoofdvenster::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(30, 30, 50));
    if (!m_achtergrond.isNull()) {
        if (m_achtergrondGeschaald.size() != size())
            m_achtergrondGeschaald = QPixmap::fromImage(
                m_achtergrond.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        p.drawPixmap(0, 0, m_achtergrondGeschaald);
    }
    // The rollers' frames; the borders grow inwards and the rollers lie on top of them.
    const auto rand = [&p](const QRect& r, int dikte, Qt::GlobalColor kleur) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), dikte), kleur);
        p.fillRect(QRect(r.left(), r.bottom() - dikte + 1, r.width(), dikte), kleur);
        p.fillRect(QRect(r.left(), r.top(), dikte, r.height()), kleur);
        p.fillRect(QRect(r.right() - dikte + 1, r.top(), dikte, r.height()), kleur);
    };
    for (std::size_t n = 0; n < 4; ++n) {
        rand(naarPixels(m_indeling.binnenKader[n]), 9, Qt::black);
        rand(naarPixels(m_indeling.buitenKader[n]), 3, Qt::white);
    }
}

void Hoofdvenster::resizeEvent(QResizeEvent*) {
    m_achtergrondGeschaald = QPixmap();
}

void Hoofdvenster::MaakNummerSchoon() {
    ::MaakNummerSchoon(m_nummerVak->beeld());
    m_nummerVak->update();
}

void Hoofdvenster::MaakFruitScherm() {
    ::MaakFruitScherm(m_nummerVak->beeld(), m_prijsTabel);
    m_nummerVak->update();
}

void Hoofdvenster::geefRollersStrook() {
    for (auto* rol : m_rol)
        rol->setStrook(m_strook[m_toestand.RolSoort ? 1 : 0]);
}

void Hoofdvenster::kiesRolSoort(int soort) {
    auto& t = m_toestand;
    t.RolSoort = static_cast<quint8>(soort ? 1 : 0);
    if (t.RolSoort == 0) {
        MaakNummerSchoon();
        t.inst.LaagsteNummer = 1;
        t.inst.HoogsteNummer = 9999;
        zetTeller(tellerTekst(0, t.inst.HoogsteNummer));
    } else {
        MaakFruitScherm();
        t.TotaalScore = 0;
        t.inst.LaagsteNummer = 100;
        t.inst.HoogsteNummer = 900;
        zetTeller(QString::number(t.TotaalScore));
    }
    geefRollersStrook();
    t.lijst.maakLeeg();
    t.AantalTrekkingen = 0;
}

void Hoofdvenster::zetTitelKleur(const QColor& kleur) {
    QPalette pal = m_logo2->palette();
    pal.setColor(QPalette::WindowText, kleur);
    m_logo2->setPalette(pal);
}

void Hoofdvenster::zetTitel(const QString& titel) {
    const int breedte = m_indeling.schermBreedte;
    m_logo1->setText(titel);
    m_logo1->adjustSize();
    m_logo1->move(naarPixels(logoLinks(breedte, m_logo1->width() * kTwipsPerPixel, false)),
                  m_logo1->y());
    m_logo2->setText(titel);
    m_logo2->adjustSize();
    m_logo2->move(naarPixels(logoLinks(breedte, m_logo2->width() * kTwipsPerPixel, true)),
                  m_logo2->y());
}

void Hoofdvenster::zetTeller(const QString& tekst) {
    m_label1->setText(tekst);
    m_label1->adjustSize();
}

void Hoofdvenster::klokTik() {
    const QTime tijd = QTime::currentTime();
    const QDate datum = QDate::currentDate();
    m_klokLabel->setText(klokTekst(tijd, datum));
    m_klokLabel->adjustSize();
    // A long time and date form moves left, so it always ends before the exit button.
    const PaneelIndeling pi = berekenPaneel(m_knopPaneel->width());
    m_klokLabel->move(std::min(pi.klok.x(), pi.exitKnop.x() - kKlokMarge - m_klokLabel->width()),
                      pi.klok.y());
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

bool Hoofdvenster::drukAnimatie(QWidget* w, QPoint verschuiving) {
    const QPoint rust = w->pos(); // each press remembers its own resting place
    w->move(rust + verschuiving);
    const bool verder = m_toestand.pauze.Wacht(0.2);
    w->move(rust);
    return verder;
}

void Hoofdvenster::knopGeklikt(int index) {
    auto& t = m_toestand;
    PlaatjesKnop* knop = m_knop[static_cast<std::size_t>(index)];
    // The click is decided before the action: the sound button clicks when it switches off.
    m_algemeen.SpeelGeluid(t.paden.geluid("klik.wav"));
    if (!drukAnimatie(knop, QPoint(2, 2)))
        return;
    switch (index) {
    case 0:
        m_algemeen.OpenDocument(this, t.paden.handleiding());
        break;
    case 1:
        m_algemeen.OpenDocument(this, QStringLiteral("https://www.brevane.example/software.htm"));
        break;
    case 2:
        t.GeluidAan = !t.GeluidAan;
        knop->setPlaatje(t.GeluidAan ? m_geluidAan : m_geluidUit);
        break;
    case 3:
        openConfig();
        break;
    default:
        break;
    }
}

void Hoofdvenster::exitGeklikt() {
    // No click sound here, unlike the toolbar.
    if (!drukAnimatie(m_exitKnop, QPoint(2, 2)) || !m_toestand.pauze.Wacht(0.2))
        return;
    close();
}

void Hoofdvenster::bewaarLijst() {
    BewaarLijst(m_toestand.paden.lijst(), m_toestand.lijst.nummers());
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
    {
        m_sluitGestart = true;
        auto& t = m_toestand;
        // Every pause from here on tells the interrupted sequences to stop.
        t.pauze.beginAfsluiten();
        // A settings file that cannot be written does not keep the list from being written.
        BewaarInstellingen(t.paden.instellingen(), t.inst);
        t.pauze.Wacht(0.2);
        bewaarLijst();
        t.pauze.Wacht(0.2);
        m_sluitKlaar = true;
        for (auto& timer : m_timer)
            timer.stop();
    }
    e->accept();
    // Every window of the program closes and no interrupted handler goes on: the pauses
    // and the modal windows (settings dialog, message) that are still open end now.
    m_toestand.pauze.stopAlles();
    const auto vensters = QApplication::topLevelWidgets();
    for (QWidget* venster : vensters) {
        if (auto* dialoog = qobject_cast<QDialog*>(venster); dialoog && dialoog->isVisible())
            dialoog->reject();
    }
    Q_EMIT afgesloten();
}

void Hoofdvenster::openConfig() {
    Config dialoog(m_toestand, *this, this);
    dialoog.exec();
    focusNaarNummer();
}
