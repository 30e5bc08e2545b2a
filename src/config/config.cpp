#include "config/config.h"

#include "config/dialoogbouw.h"

#include "common/eenheden.h"
#include "common/instellingenhouder.h"
#include "common/paden.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The whole window, frame included, in pixels (7500 x 4560 twips).
constexpr int kBuitenBreedte = 500;
constexpr int kBuitenHoogte = 304;

const QColor kAchtergrond(220, 220, 190);
const QColor kTekstKleur(64, 64, 64);
const QColor kLijstTekst(128, 128, 128);
const QColor kResetVulling(190, 220, 220);
const QColor kLijstVulling(190, 230, 230);
const QColor kTitelVulling(230, 240, 180);

const char* const kOngeldig = "quintaroOngeldig";

} // namespace

Config::Config(Instellingenhouder& instellingen, const Paden& paden, QWidget* parent)
    : QDialog(parent), m_inst(instellingen), m_paden(paden) {
    setObjectName(QStringLiteral("Config"));
    setWindowTitle(tr(" Configuratie"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    bouwBesturing();
    vul();
    // A first guess at the frame; once shown, the real frame centres it.
    centreer(QSize(kBuitenBreedte, kBuitenHoogte));
}

void Config::centreer(const QSize& buiten) {
    QScreen* scherm = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!scherm)
        return;
    const QRect g = scherm->geometry();
    const QPoint hoek(g.x() + (g.width() - buiten.width()) / 2,
                      g.y() + (g.height() - buiten.height()) / 2);
    // move() places the frame's corner; the frame is whatever the window manager gives.
    move(hoek);
}

void Config::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The window manager adds its frame when the window is mapped; the frame is known then.
    centreer(frameGeometry().size());
    QTimer::singleShot(0, this, [this] { centreer(frameGeometry().size()); });
}

Config::~Config() = default;

// The controls in their state before population, created in focus order; a frame is
// created before the control it frames, so it lies behind it.
void Config::bouwBesturing() {
    m_backKnoppen = maakKader(this, "BackKnoppen", QColor(0, 0, 0));
    m_cancelKnop = new QPushButton(tr("Exit"), this);
    m_cancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    m_cancelKnop->setDefault(true);

    m_label1 = maakKader(this, "Label1", QColor(0, 0, 0));
    for (int i = 1; i <= 3; ++i)
        m_colorScroll[static_cast<std::size_t>(i - 1)] =
            maakBalk(this, QStringLiteral("ColorScroll%1").arg(i), 0, 255, 0);
    m_label2 = maakTekst(this, "Label2", QString());
    m_label3 = maakKader(this, "Label3", QColor(0, 0, 0));
    m_resetKnop = new QPushButton(tr("Reset"), this);
    m_resetKnop->setObjectName(QStringLiteral("ResetKnop"));
    m_resetKnop->setToolTip(tr(" Reset kleuren "));

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setFont(arial(9.75));
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QPalette pal = m_list1->palette();
        pal.setColor(QPalette::Base, kLijstVulling);
        pal.setColor(QPalette::Text, kLijstTekst);
        m_list1->setPalette(pal);
    }

    m_label6 = maakKader(this, "Label6", QColor(64, 64, 64));
    m_pauzeScroll = maakBalk(this, QStringLiteral("PauzeScroll"), 1, 9, 5);
    m_label7 = maakTekst(this, "Label7", QStringLiteral("Label7"));
    m_label8 = maakTekst(this, "Label8", QString());

    m_label9 = maakKader(this, "Label9", QColor(0, 0, 0));

    m_combo1 = maakCombo(this, "Combo1");
    m_combo1->setEditText(QStringLiteral("Combo1"));
    m_combo2 = maakCombo(this, "Combo2");
    m_combo2->setEditText(QStringLiteral("Combo2"));
    m_label4 = maakTekst(this, "Label4", QString());
    m_label10 = maakTekst(this, "Label10", tr("Random getallen"));
    m_label11 = maakTekst(this, "Label11", QStringLiteral("0"));

    m_rolGroep = new QButtonGroup(this);
    const std::array<QString, 2> keuzes{tr("Rollers met getallen"), tr("Rollers met afbeeldingen")};
    for (int k = 0; k < 2; ++k) {
        auto* knop = new QRadioButton(keuzes[static_cast<std::size_t>(k)], this);
        knop->setObjectName(QStringLiteral("RolKeuze%1").arg(k));
        knop->setFont(arial(9.75));
        // A button paints its text and its fill in the button roles.
        zetKleur(knop, QPalette::ButtonText, kTekstKleur);
        zetKleur(knop, QPalette::WindowText, kTekstKleur);
        m_rolGroep->addButton(knop, k);
        m_rolKeuze[static_cast<std::size_t>(k)] = knop;
    }
    m_rolKeuze[0]->setChecked(true);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(arial(9.75));
    m_text1->setText(QStringLiteral("Text1"));
    {
        QPalette pal = m_text1->palette();
        pal.setColor(QPalette::Base, kTitelVulling);
        pal.setColor(QPalette::Text, kTekstKleur);
        m_text1->setPalette(pal);
    }
    m_label12 = maakTekst(this, "Label12", QString());

    QWidget* vorige = m_cancelKnop;
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_colorScroll[0], m_colorScroll[1], m_colorScroll[2], m_resetKnop, m_list1,
             m_pauzeScroll, m_combo1, m_combo2, m_rolKeuze[0], m_rolKeuze[1], m_text1}) {
        setTabOrder(vorige, w);
        vorige = w;
    }
    m_cancelKnop->setFocus(Qt::OtherFocusReason);

    // The handlings; population below sets them off where it moves a control.
    for (int i = 1; i <= 3; ++i)
        connect(colorScroll(i), &QScrollBar::valueChanged, this, [this, i] { kleurGewijzigd(i); });
    connect(m_pauzeScroll, &QScrollBar::valueChanged, this, &Config::pauzeGewijzigd);
    connect(m_resetKnop, &QPushButton::clicked, this, &Config::kleurReset);
    connect(m_rolGroep, &QButtonGroup::idToggled, this, [this](int k, bool gekozen) {
        if (gekozen)
            rolSoortGekozen(k);
    });
    connect(m_list1, &QListWidget::itemSelectionChanged, this, &Config::achtergrondGekozen);
    connect(m_cancelKnop, &QPushButton::clicked, this, &Config::pasToe);
    // Editing a marked range field takes the mark away.
    for (QComboBox* veld : {m_combo1, m_combo2})
        connect(veld, &QComboBox::editTextChanged, this, [this, veld] { wisMarkering(veld); });
}

void Config::vul() {
    const Instellingen& inst = m_inst.record();

    setFixedSize(kBreedte, kHoogte);
    setAutoFillBackground(true);
    zetKleur(this, QPalette::Window, kAchtergrond);

    m_label1->setGeometry(twips(240, 240, 1740, 960));
    for (int i = 0; i < 3; ++i)
        m_colorScroll[static_cast<std::size_t>(i)]->setGeometry(
            twips(270, 270 + 300 * i, 1680, 300));
    // Each bar that moves runs the colour handling, which stores the same value back.
    m_colorScroll[0]->setValue(balkWaarde(inst.KleurRood));
    m_colorScroll[1]->setValue(balkWaarde(inst.KleurGroen));
    m_colorScroll[2]->setValue(balkWaarde(inst.KleurBlauw));

    m_label2->move(twips(270, 1230));
    zetTekst(m_label2, tr("Kleur van eindgetal en titel"));
    m_label9->setGeometry(twips(2100, 240, 480, 960));
    zetKleur(m_label9, QPalette::Window, titelKleur(inst));

    m_label3->setGeometry(twips(2730, 240, 990, 390));
    m_resetKnop->setGeometry(twips(2760, 270, 930, 330));
    zetKleur(m_resetKnop, QPalette::Button, kResetVulling);

    QStringList laag;
    laag.reserve(1000);
    for (int n = 1; n <= 1000; ++n)
        laag.append(QString::number(n));
    m_combo1->setGeometry(twips(240, 1800, 900, 0));
    m_combo1->resize(m_combo1->width(), m_combo1->sizeHint().height());
    m_combo1->addItems(laag);
    m_combo1->setCurrentIndex(0);

    QStringList hoog;
    hoog.reserve(991);
    for (int n = 99; n <= 9999; n += 10)
        hoog.append(QString::number(n));
    m_combo2->setGeometry(twips(1290, 1800, 900, 0));
    m_combo2->resize(m_combo2->width(), m_combo2->sizeHint().height());
    m_combo2->addItems(hoog);
    m_combo2->setCurrentIndex(401);

    m_label4->move(twips(255, 2190));
    //: Stands under the two range fields: the first word under the lowest number, the second
    //: under the highest; the blanks between them set the second word's place.
    zetTekst(m_label4, tr("Van            t/m"));
    m_label10->move(twips(2250, 1860));

    m_label6->setGeometry(twips(240, 2700, 1830, 360));
    m_pauzeScroll->setGeometry(twips(270, 2730, 1770, 300));
    m_label7->move(twips(2160, 2745));
    zetTekst(m_label7, pauzeTekst(inst.PauzeSeconden));
    m_label8->move(twips(240, 3090));
    zetTekst(m_label8, tr("Pauze na het starten"));
    // A stored pause outside 1..9 is brought to the nearest end by the bar.
    m_pauzeScroll->setValue(inst.PauzeSeconden);

    m_text1->setGeometry(twips(240, 3525, 3000, 330));
    m_label12->move(twips(3345, 3570));
    zetTekst(m_label12, tr("Titel boven de rollers"));
    m_text1->setText(inst.TitelTekst);
    m_text1->setCursorPosition(0);

    for (int k = 0; k < 2; ++k) {
        QRadioButton* knop = m_rolKeuze[static_cast<std::size_t>(k)];
        knop->setGeometry(twips(3600, 2550 + 330 * k, 2580, 300));
        knop->setAutoFillBackground(true);
        zetKleur(knop, QPalette::Button, kAchtergrond);
        zetKleur(knop, QPalette::Window, kAchtergrond);
    }
    // Picture rollers: choosing the option runs the roller-kind handling, presets included.
    m_rolKeuze[m_inst.rolSoort() ? 1 : 0]->setChecked(true);

    m_backKnoppen->setGeometry(twips(6330, 3525, 900, 390));
    m_cancelKnop->setGeometry(twips(6360, 3555, 840, 330));

    m_list1->setGeometry(twips(4500, 240, 2700, 1740));
    m_label11->move(twips(4530, 2040));

    // Read after the roller kind, so a preset range shows.
    m_combo1->setEditText(QString::number(m_inst.record().LaagsteNummer));
    m_combo2->setEditText(QString::number(m_inst.record().HoogsteNummer));

    vulAchtergronden();
}

void Config::vulAchtergronden() {
    const QStringList paden = m_paden.aangebodenAchtergronden();
    {
        const QSignalBlocker stil(m_list1);
        m_list1->clear();
        // The same name may stand in both folders; each entry keeps its own path.
        for (const QString& pad : paden) {
            auto* item = new QListWidgetItem(QFileInfo(pad).fileName(), m_list1);
            item->setData(kPadRol, pad);
        }
        m_list1->clearSelection();
    }
    zetTekst(m_label11, tr("%1 Achtergronden").arg(m_list1->count()));
}

void Config::kleurGewijzigd(int i) {
    const int waarde = colorScroll(i)->value();
    if (i == 1)
        m_inst.zetRood(waarde);
    else if (i == 2)
        m_inst.zetGroen(waarde);
    else
        m_inst.zetBlauw(static_cast<quint8>(waarde));
    zetKleur(m_label9, QPalette::Window, titelKleur(m_inst.record()));
}

void Config::pauzeGewijzigd() {
    m_inst.zetPauze(static_cast<quint8>(m_pauzeScroll->value()));
    zetTekst(m_label7, pauzeTekst(m_inst.record().PauzeSeconden));
}

QString Config::pauzeTekst(int seconden) {
    return tr("%1 Seconden").arg(seconden);
}

void Config::kleurReset() {
    m_inst.zetKleur(220, 220, 190);
    // Every bar that moves repaints; the first one already shows the final colour.
    const Instellingen& inst = m_inst.record();
    m_colorScroll[0]->setValue(balkWaarde(inst.KleurRood));
    m_colorScroll[1]->setValue(balkWaarde(inst.KleurGroen));
    m_colorScroll[2]->setValue(balkWaarde(inst.KleurBlauw));
}

void Config::rolSoortGekozen(int k) {
    m_inst.kiesRolSoort(k);
    m_combo1->setEditText(QString::number(m_inst.record().LaagsteNummer));
    m_combo2->setEditText(QString::number(m_inst.record().HoogsteNummer));
}

void Config::achtergrondGekozen() {
    const QList<QListWidgetItem*> gekozen = m_list1->selectedItems();
    if (gekozen.isEmpty())
        return;
    // The path is stored even when the picture turns out to be unreadable.
    m_inst.zetAchtergrond(gekozen.first()->data(kPadRol).toString());
}

Config::Getal Config::leesGetal(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.isEmpty())
        return {std::nullopt, tr("Vul een getal in")};
    bool ok = false;
    const double waarde = t.toDouble(&ok);
    if (std::isnan(waarde) || (!ok && !std::isinf(waarde)))
        return {std::nullopt, tr("Geen getal")};
    const QString buiten = tr("Buiten het bereik: %1 t/m %2")
                               .arg(std::numeric_limits<qint32>::min())
                               .arg(std::numeric_limits<qint32>::max());
    if (std::isinf(waarde))
        return {waarde, buiten};
    const double afgerond = rondAfBankiers(waarde);
    if (afgerond < std::numeric_limits<qint32>::min() ||
        afgerond > std::numeric_limits<qint32>::max())
        return {waarde, buiten};
    return {waarde, QString()};
}

bool Config::isGemarkeerd(const QComboBox* veld) {
    return veld && veld->property(kOngeldig).toBool();
}

void Config::markeer(QComboBox* veld, const QString& reden) {
    veld->setProperty(kOngeldig, true);
    veld->setStyleSheet(QStringLiteral("QComboBox { border: 2px solid rgb(220, 0, 0); "
                                       "background-color: rgb(250, 250, 200); "
                                       "color: rgb(64, 64, 64); }"));
    veld->setToolTip(reden);
}

void Config::wisMarkering(QComboBox* veld) {
    if (!isGemarkeerd(veld))
        return;
    veld->setProperty(kOngeldig, false);
    veld->setStyleSheet(QString());
    veld->setToolTip(QString());
}

void Config::pasToe() {
    // Both fields must hold a usable number before anything is stored or cleared.
    const Getal laag = leesGetal(m_combo1->currentText());
    const Getal hoog = leesGetal(m_combo2->currentText());
    QComboBox* eersteFout = nullptr;
    for (auto [veld, getal] : {std::pair{m_combo1, &laag}, std::pair{m_combo2, &hoog}}) {
        if (getal->fout.isEmpty()) {
            wisMarkering(veld);
            continue;
        }
        markeer(veld, getal->fout);
        if (!eersteFout)
            eersteFout = veld;
    }
    if (eersteFout) {
        eersteFout->setFocus(Qt::OtherFocusReason);
        eersteFout->lineEdit()->selectAll();
        return;
    }

    // A new highest number starts a new series; a new lowest number alone does not.
    if (*hoog.waarde != static_cast<double>(m_inst.record().HoogsteNummer))
        m_inst.beginNieuweReeks();
    m_inst.zetBereik(static_cast<qint32>(rondAfBankiers(*laag.waarde)),
                     static_cast<qint32>(rondAfBankiers(*hoog.waarde)));

    if (m_inst.record().LaagsteNummer > m_inst.record().HoogsteNummer) {
        QMessageBox melding(QMessageBox::Critical, tr("Error"),
                            tr("Het laagste nummer is hoger dan het hoogste nummer!"),
                            QMessageBox::Ok, this);
        melding.setObjectName(QStringLiteral("Melding"));
        melding.exec();
        return;
    }

    // The applied range has set the counter; the title follows.
    m_inst.zetTitel(m_text1->text());
    accept();
}
