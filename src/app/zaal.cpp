#include "app/zaal.h"

#include "app/taal.h"
#include "common/algemeen.h"
#include "common/instellingenhouder.h"
#include "common/spraakspreker.h"
#include "common/stem.h"
#include "common/toetsenoverzicht.h"
#include "draw/bord.h"
#include "draw/loterijverloop.h"
#include "draw/trekking.h"

#include "common/eenheden.h"

#include "journaal/trekkingsreeks.h"

#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>

Zaal::Zaal(QWidget* venster, QWidget* toetsBron, Trekking& trekking, Instellingenhouder& inst,
           Algemeen& algemeen)
    : QObject(venster), m_trekking(trekking), m_inst(inst), m_algemeen(algemeen),
      m_eigenSpreker(std::make_unique<SpraakSpreker>()) {
    setObjectName(QStringLiteral("Zaal"));
    zetSpreker(m_eigenSpreker.get());

    m_bord = new Bord(venster);
    m_bord->setObjectName(QStringLiteral("Bord"));
    m_bord->hide();
    m_bord->volg(&trekking.lijst());
    neemInstellingen();
    connect(&inst, &Instellingenhouder::bereikGewijzigd, m_bord, &Bord::zetBereik);
    connect(&inst, &Instellingenhouder::rolSoortGekozen, m_bord,
            [this](int soort) { m_bord->zetRolSoort(static_cast<quint8>(soort)); });

    connect(&trekking, &Trekking::nummerGetrokken, this, [this](qint32 nummer, int punten) {
        // A raffle's ticket is said with its set: Blauw 123 and Roze 123 are two tickets.
        const Loterijverloop* verloop = m_trekking.loterij();
        if (verloop && !verloop->uitslagen().empty()) {
            const Lot& lot = verloop->uitslagen().back().lot;
            m_stem->lotGelijst(verloop->loterij().naamVan(lot), lot.nummer);
            return;
        }
        m_stem->nummerGelijst(nummer, static_cast<quint8>(m_inst.rolSoort()), punten);
    });
    // A raffle opened for a new series shows on the board before its first ticket.
    connect(&trekking, &Trekking::reeksBegonnen, m_bord,
            [this] { m_bord->zetLoterij(m_trekking.loterij() != nullptr); });

    // The commitment in the top left corner, clear of the title and the rollers, large enough
    // to be read from the hall.
    m_toezegging = new QLabel(venster);
    m_toezegging->setObjectName(QStringLiteral("Toezegging"));
    m_toezegging->setFont(arial(15, true));
    // The audience's text is shown as typed, never read as markup.
    m_toezegging->setTextFormat(Qt::PlainText);
    m_toezegging->setStyleSheet(QStringLiteral(
        "QLabel { color: rgb(250, 250, 250); background: rgba(0, 0, 0, 110); padding: 4px 8px; "
        "border-radius: 4px; }"));
    m_toezegging->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_toezegging->move(8, 8);
    m_toezegging->hide();
    connect(&trekking, &Trekking::reeksBegonnen, this, &Zaal::toonToezegging);
    connect(&trekking, &Trekking::vastleggingGestopt, this,
            [this] { toonToezegging(m_trekking.toezegging(), false); });
    // Beside it, small, the head of the chain: a photograph of it pins the journal up to the
    // line it names.
    m_keten = new QLabel(venster);
    m_keten->setObjectName(QStringLiteral("Keten"));
    m_keten->setFont(arial(9));
    m_keten->setStyleSheet(QStringLiteral(
        "QLabel { color: rgb(230, 230, 230); background: rgba(0, 0, 0, 90); padding: 2px 6px; "
        "border-radius: 3px; }"));
    m_keten->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_keten->hide();
    connect(&trekking, &Trekking::ketenGewijzigd, this, &Zaal::toonKetenKop);

    m_overzicht = new ToetsenOverzicht(venster);
    m_overzicht->setObjectName(QStringLiteral("ToetsenOverzicht"));
    m_overzicht->volgToetsenVan(toetsBron);
    toetsBron->installEventFilter(this);
}

Zaal::~Zaal() = default;

void Zaal::neemInstellingen() {
    m_bord->zetBereik(m_inst.record().LaagsteNummer, m_inst.record().HoogsteNummer);
    m_bord->zetRolSoort(static_cast<quint8>(m_inst.rolSoort()));
    m_bord->zetLoterij(m_trekking.loterij() != nullptr);
}

void Zaal::zetSpreker(Spreker* spreker) {
    const bool aan = m_stem && m_stem->aan();
    m_stem = std::make_unique<Stem>(
        *spreker, [this] { return m_algemeen.geluidAan(); }, QLocale(Taal::huidige()));
    m_stem->zetAan(aan);
}

void Zaal::zetBordVlak(const QRect& vlak) {
    m_bord->setGeometry(vlak);
}

void Zaal::zetBordAan(bool aan) {
    if (aan == m_bord->isVisible())
        return;
    m_bord->setVisible(aan);
    Q_EMIT bordAanGewijzigd(aan);
}

bool Zaal::bordAan() const {
    return m_bord->isVisible();
}

void Zaal::zetStemAan(bool aan) {
    if (aan == m_stem->aan())
        return;
    m_stem->zetAan(aan);
    Q_EMIT stemAanGewijzigd(aan);
}

bool Zaal::stemAan() const {
    return m_stem->aan();
}

void Zaal::toonToezegging(const QString& toezegging, bool vastgelegd) {
    QString tekst = tr("Toezegging %1").arg(toezegging);
    const QString reden = m_trekking.vastleggingsReden();
    if (!vastgelegd && !reden.isEmpty())
        tekst += u'\n' + tr("(deze reeks wordt niet vastgelegd: %1)").arg(reden);
    else if (!vastgelegd)
        tekst += u'\n' + tr("(deze reeks wordt niet vastgelegd)");
    m_toezegging->setText(tekst);
    m_toezegging->setAccessibleName(tekst);
    m_toezegging->adjustSize();
    m_toezegging->setVisible(!toezegging.isEmpty());
    toonKetenKop(m_trekking.ketenKop());
}

void Zaal::toonKetenKop(const QString& kop) {
    const QString tekst = tr("keten %1").arg(kop);
    m_keten->setText(tekst);
    m_keten->setAccessibleName(tr("Kop van de keten %1").arg(kop));
    m_keten->adjustSize();
    m_keten->move(m_toezegging->geometry().right() + 7, m_toezegging->y());
    m_keten->setVisible(!kop.isEmpty() && m_toezegging->isVisibleTo(m_toezegging->parentWidget()));
}

void Zaal::vraagPubliekeInvoer() {
    if (!m_trekking.kanPubliekeInvoer())
        return;
    bool ok = false;
    const QString tekst = QInputDialog::getText(
        m_dialoogOuder ? m_dialoogOuder.data() : m_bord->parentWidget(), tr("Publieke invoer"),
        tr("Tekst uit de zaal, meegenomen in elke trekking van deze reeks:"), QLineEdit::Normal,
        QString(), &ok);
    const qsizetype bytes = tekst.trimmed().toUtf8().size();
    if (ok && bytes > Trekkingsreeks::kMaxInvoerBytes) {
        QMessageBox::warning(
            m_dialoogOuder ? m_dialoogOuder.data() : m_bord->parentWidget(), tr("Publieke invoer"),
            tr("De tekst is %1 bytes lang; de publieke invoer mag ten hoogste %2 bytes (UTF-8) "
               "hebben. Er is niets vastgelegd.")
                .arg(bytes)
                .arg(Trekkingsreeks::kMaxInvoerBytes));
        return;
    }
    if (ok && !tekst.trimmed().isEmpty() && m_trekking.zetPubliekeInvoer(tekst.trimmed())) {
        // Shown with the commitment, so the hall sees what went in; a long text is cut short
        // with an ellipsis at the width of the commitment's line or a quarter of the window,
        // whichever is wider, and read whole by assistive technology.
        const QString regel = tr("Publieke invoer: %1").arg(tekst.trimmed());
        const QFontMetrics fm(m_toezegging->font());
        int breedte = m_bord->parentWidget()->width() / 4;
        for (const QString& r : m_toezegging->text().split(u'\n'))
            breedte = std::max(breedte, fm.horizontalAdvance(r));
        const QString kort =
            fm.elidedText(QString(regel).replace(u'\n', u' '), Qt::ElideRight, breedte);
        m_toezegging->setAccessibleName(m_toezegging->text() + u'\n' + regel);
        m_toezegging->setText(m_toezegging->text() + u'\n' + kort);
        m_toezegging->adjustSize();
        toonKetenKop(m_trekking.ketenKop());
    }
}

bool Zaal::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyRelease) {
        const auto* toets = static_cast<QKeyEvent*>(e);
        if (!toets->isAutoRepeat() && toets->modifiers() == Qt::NoModifier) {
            if (toets->key() == Qt::Key_B)
                zetBordAan(!bordAan());
            else if (toets->key() == Qt::Key_V)
                zetStemAan(!stemAan());
            else if (toets->key() == Qt::Key_P)
                vraagPubliekeInvoer();
        }
    }
    return QObject::eventFilter(o, e);
}
