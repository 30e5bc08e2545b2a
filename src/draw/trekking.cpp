// The draw: the start paths, the spinning rollers, stopping them and showing the result.
#include "app/mainwindow.h"
#include "app/state.h"
#include "common/picturebutton.h"
#include "draw/panel.h"
#include "draw/resultpanel.h"
#include "draw/rollerlogic.h"
#include "draw/rollerwidget.h"

#include <QLabel>
#include <QMessageBox>
#include <algorithm>

bool Hoofdvenster::trekkingBezig() const {
    // The arrows' enabled state is the record of a draw in progress.
    return !m_pijlLinks->isEnabled() || !m_pijlRechts->isEnabled();
}

void Hoofdvenster::zetStartKnoppen(bool aan, bool rechtsEerst) {
    if (rechtsEerst) {
        m_pijlRechts->setEnabled(aan);
        m_pijlLinks->setEnabled(aan);
    } else {
        m_pijlLinks->setEnabled(aan);
        m_pijlRechts->setEnabled(aan);
    }
    for (auto* knop : m_knop)
        knop->setEnabled(aan);
}

void Hoofdvenster::pijlGeklikt(PlaatjesKnop* pijl) {
    if (m_toestand.pauze.sluit())
        return;
    // 30 twips right and down: 2 pixels.
    if (!drukAnimatie(pijl, QPoint(2, 2)))
        return;
    if (trekkingBezig())
        return; // a draw started during the press animation has the controls
    zetStartKnoppen(false, pijl == m_pijlRechts);
    if (!m_toestand.pauze.Wacht(0.2))
        return;
    StartRollers();
}

void Hoofdvenster::spatieStart() {
    // A space released while a draw runs must not start a second one inside it.
    if (trekkingBezig() || m_toestand.pauze.sluit())
        return;
    zetStartKnoppen(false, true);
    if (!m_toestand.pauze.Wacht(0.2))
        return;
    StartRollers();
}

void Hoofdvenster::rolTik(int n) {
    auto& positie = m_toestand.RolPositie[static_cast<std::size_t>(n)];
    m_rol[static_cast<std::size_t>(n)]->tekenStrook(positie, 200, false);
    positie = volgendePositie(positie);
    // The spinning rollers reach the screen together, once per frame, not once per tick each.
    if (!m_beeldTimer.isActive())
        m_beeldTimer.start();
}

void Hoofdvenster::toonRollers() {
    bool getoond = false;
    for (auto* rol : m_rol)
        getoond = rol->toon() || getoond;
    if (!getoond &&
        std::none_of(m_timer.begin(), m_timer.end(), [](const QTimer& t) { return t.isActive(); }))
        m_beeldTimer.stop();
}

void Hoofdvenster::StartRollers() {
    auto& t = m_toestand;
    ++t.AantalTrekkingen;
    if (t.RolSoort == 0)
        zetTeller(tellerTekst(t.AantalTrekkingen, t.inst.HoogsteNummer));

    if (t.RolSoort != 0) {
        t.GetrokkenNummer = t.kiezer.kiesVrij(t.inst.LaagsteNummer, t.inst.HoogsteNummer);
    } else {
        auto nummer = t.kiezer.kiesNieuw(t.inst.LaagsteNummer, t.inst.HoogsteNummer, t.lijst);
        if (!nummer) {
            QMessageBox bericht(
                QMessageBox::NoIcon, tr(" Nieuw"),
                tr("Alle getallen zijn getrokken,\nde lijst wordt nu leeg gemaakt!"),
                QMessageBox::Ok, this);
            bericht.exec();
            if (t.pauze.sluit())
                return;
            t.lijst.maakLeeg();
            nummer = t.kiezer.kiesNieuw(t.inst.LaagsteNummer, t.inst.HoogsteNummer, t.lijst);
        }
        t.GetrokkenNummer = nummer.value_or(t.inst.LaagsteNummer);
        MaakNummerSchoon();
    }

    m_algemeen.SpeelGeluid(t.paden.geluid("start.wav"));
    t.NummerTekst = QString::number(t.GetrokkenNummer);
    t.NummerLengte = static_cast<int>(std::min<qsizetype>(t.NummerTekst.size(), 255));
    geefRollersStrook();
    t.Cijfer = splitsCijfers(t.NummerTekst, t.Cijfer);

    for (int n = 0; n < 4; ++n) {
        m_timer[static_cast<std::size_t>(n)].start();
        if (n < 3 && !t.pauze.Wacht(0.2))
            return;
    }
    t.RolPositie = {0, 0, 0, 0};
    if (!t.pauze.Wacht(t.inst.PauzeSeconden))
        return;
    StopRollers();
}

void Hoofdvenster::StopRollers() {
    auto& t = m_toestand;
    auto& pauze = t.pauze;
    if (!pauze.Wacht(2))
        return;
    for (int n = 0; n < 4; ++n) {
        const auto i = static_cast<std::size_t>(n);
        t.StopPositie = stopPositie(t.Cijfer[i], t.StopPositie);
        m_timer[i].stop();
        for (int v = t.StopPositie; v <= t.StopPositie + 202; v += 10) {
            m_rol[i]->tekenStrook(v - 202, 202);
            if (!pauze.Wacht(0.05))
                return;
        }
        m_rol[i]->tekenStrook(t.StopPositie, 202);
        if (n == 3)
            break;
        if (!pauze.Wacht(0.2))
            return;
        m_algemeen.SpeelGeluid(t.paden.geluid("stop.wav"));
        if (!pauze.Wacht(1.8))
            return;
    }

    if (t.RolSoort != 0) {
        PlaatsScore();
    } else {
        MaakNummerSchoon();
        t.TekstX = tekstX(t.NummerLengte, t.TekstX);
        drukNummer(m_nummerVak->beeld(), t.NummerTekst, t.TekstX, titelKleur(t.inst));
        m_nummerVak->update();
    }
    t.lijst.voegToe(t.GetrokkenNummer);
    zetStartKnoppen(true, true);
    m_algemeen.SpeelGeluid(t.paden.geluid("stop.wav"));
    // The list file follows every new number, so a crash loses nothing drawn; it is written
    // after the controls are back, so a slow disk does not stretch the draw.
    bewaarLijst();
}

void Hoofdvenster::PlaatsScore() {
    auto& t = m_toestand;
    t.TotaalScore += scorePunten(t.NummerTekst);
    zetTeller(QString::number(t.TotaalScore));
}
