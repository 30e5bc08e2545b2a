#include "config/dialoogbouw.h"

#include "common/eenheden.h"
#include "common/instellingen.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

namespace {

const QColor kTekstKleur(64, 64, 64);
const QColor kComboVulling(250, 250, 200);

// A horizontal bar whose arrow keys step like its arrow buttons: left and up lower the
// value, right and down raise it.
class Balk : public QScrollBar {
public:
    explicit Balk(QWidget* ouder) : QScrollBar(Qt::Horizontal, ouder) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            triggerAction(SliderSingleStepSub);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            triggerAction(SliderSingleStepAdd);
            break;
        case Qt::Key_PageUp:
            triggerAction(SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            triggerAction(SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            triggerAction(SliderToMinimum);
            break;
        case Qt::Key_End:
            triggerAction(SliderToMaximum);
            break;
        default:
            QScrollBar::keyPressEvent(e);
            return;
        }
        e->accept();
    }
};

} // namespace

QRect twips(int links, int boven, int breedte, int hoogte) {
    return naarPixels(QRect(links, boven, breedte, hoogte));
}

QPoint twips(int links, int boven) {
    return QPoint(naarPixels(links), naarPixels(boven));
}

void zetKleur(QWidget* w, QPalette::ColorRole rol, const QColor& kleur) {
    QPalette pal = w->palette();
    pal.setColor(rol, kleur);
    w->setPalette(pal);
}

// A filled rectangle with a thin black border, lying behind other controls.
QLabel* maakKader(QWidget* ouder, const char* naam, const QColor& vulling) {
    auto* kader = new QLabel(ouder);
    kader->setObjectName(QLatin1String(naam));
    kader->setFrameStyle(QFrame::Box | QFrame::Plain);
    kader->setLineWidth(1);
    kader->setAutoFillBackground(true);
    QPalette pal = kader->palette();
    pal.setColor(QPalette::Window, vulling);
    pal.setColor(QPalette::WindowText, Qt::black);
    kader->setPalette(pal);
    return kader;
}

// A text label: Arial 9.75 pt in dark grey, transparent, as large as its text.
QLabel* maakTekst(QWidget* ouder, const char* naam, const QString& tekst) {
    auto* label = new QLabel(tekst, ouder);
    label->setObjectName(QLatin1String(naam));
    label->setFont(arial(9.75));
    zetKleur(label, QPalette::WindowText, kTekstKleur);
    label->adjustSize();
    return label;
}

QScrollBar* maakBalk(QWidget* ouder, const QString& naam, int laagste, int hoogste, int waarde) {
    auto* balk = new Balk(ouder);
    balk->setObjectName(naam);
    balk->setRange(laagste, hoogste);
    balk->setSingleStep(1);
    balk->setPageStep(1);
    balk->setValue(waarde);
    // A dragged thumb reports its position once, when it is let go.
    balk->setTracking(false);
    // The bars take part in the focus order and step with the arrow keys.
    balk->setFocusPolicy(Qt::StrongFocus);
    return balk;
}

QComboBox* maakCombo(QWidget* ouder, const char* naam) {
    auto* combo = new QComboBox(ouder);
    combo->setObjectName(QLatin1String(naam));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFont(arial(9.75));
    QPalette pal = combo->palette();
    pal.setColor(QPalette::Base, kComboVulling);
    pal.setColor(QPalette::Text, kTekstKleur);
    pal.setColor(QPalette::WindowText, kTekstKleur);
    combo->setPalette(pal);
    combo->setMaxVisibleItems(12);
    // The lists only offer values: what the operator types stays exactly as typed, never
    // completed into a longer entry of the list.
    combo->setCompleter(nullptr);
    combo->setDuplicatesEnabled(true);
    return combo;
}

void zetTekst(QLabel* label, const QString& tekst) {
    label->setText(tekst);
    label->adjustSize();
}

// A colour component as a bar can show it.
int balkWaarde(double component) {
    if (!(component > 0))
        return 0;
    return static_cast<int>(std::min(rondAfBankiers(component), 255.0));
}
