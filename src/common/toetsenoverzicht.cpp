#include "common/toetsenoverzicht.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <array>
#include <cmath>

namespace {

// The keys, with their names and what they do; translated where shown.
struct ToetsTekst {
    const char* toets;
    const char* uitleg;
};
constexpr std::array kToetsen{
    ToetsTekst{QT_TRANSLATE_NOOP("ToetsenOverzicht", "Spatie"),
               QT_TRANSLATE_NOOP("ToetsenOverzicht", "Start een trekking")},
    ToetsTekst{QT_TRANSLATE_NOOP("ToetsenOverzicht", "B"),
               QT_TRANSLATE_NOOP("ToetsenOverzicht", "Bord met de getrokken nummers aan / uit")},
    ToetsTekst{QT_TRANSLATE_NOOP("ToetsenOverzicht", "V"),
               QT_TRANSLATE_NOOP("ToetsenOverzicht", "Stem die de nummers voorleest aan / uit")},
    ToetsTekst{QT_TRANSLATE_NOOP("ToetsenOverzicht", "P"),
               QT_TRANSLATE_NOOP("ToetsenOverzicht", "Publieke invoer in het trekkingsjournaal")},
    ToetsTekst{QT_TRANSLATE_NOOP("ToetsenOverzicht", "Q"),
               QT_TRANSLATE_NOOP("ToetsenOverzicht",
                                 "QR-code van de live-weergave aan / uit (met --web)")},
    ToetsTekst{QT_TRANSLATE_NOOP("ToetsenOverzicht", "H"),
               QT_TRANSLATE_NOOP("ToetsenOverzicht", "Dit overzicht tonen / verbergen")},
    ToetsTekst{QT_TRANSLATE_NOOP("ToetsenOverzicht", "Esc"),
               QT_TRANSLATE_NOOP("ToetsenOverzicht", "Dit overzicht verbergen")},
};

QFont letter(int pixels, bool vet) {
    static const QString familie = QFontDatabase::families().contains(QStringLiteral("Arial"))
                                       ? QStringLiteral("Arial")
                                       : QStringLiteral("Liberation Sans");
    QFont f(familie);
    f.setPixelSize(std::max(6, pixels));
    f.setBold(vet);
    return f;
}

} // namespace

QList<ToetsenOverzicht::Regel> ToetsenOverzicht::regels() {
    QList<Regel> uit;
    for (const ToetsTekst& t : kToetsen)
        uit.append({tr(t.toets), tr(t.uitleg)});
    return uit;
}

ToetsenOverzicht::ToetsenOverzicht(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Toetsen"));
    QStringList beschrijving;
    for (const Regel& r : regels())
        beschrijving << r.toets + QStringLiteral(": ") + r.uitleg;
    setAccessibleDescription(beschrijving.join(QStringLiteral("; ")));
    hide();
    if (parent)
        parent->installEventFilter(this);
}

bool ToetsenOverzicht::verwerkToets(const QKeyEvent& e) {
    if (e.type() != QEvent::KeyRelease || e.isAutoRepeat())
        return false;
    if (e.key() == Qt::Key_H && !(e.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        wissel();
        return true;
    }
    if (e.key() == Qt::Key_Escape && isVisible()) {
        hide();
        return true;
    }
    return false;
}

void ToetsenOverzicht::volgToetsenVan(QWidget* bron) {
    if (!bron || m_bronnen.contains(bron))
        return;
    m_bronnen.append(bron);
    bron->installEventFilter(this);
    connect(bron, &QObject::destroyed, this, [this](QObject* weg) { m_bronnen.removeAll(weg); });
}

void ToetsenOverzicht::wissel() {
    if (isVisible()) {
        hide();
        return;
    }
    plaats();
    show();
    raise();
}

bool ToetsenOverzicht::eventFilter(QObject* object, QEvent* event) {
    if (object == parentWidget() && event->type() == QEvent::Resize && isVisible())
        plaats();
    if (event->type() == QEvent::KeyRelease && m_bronnen.contains(object))
        return verwerkToets(static_cast<const QKeyEvent&>(*event));
    return QWidget::eventFilter(object, event);
}

bool ToetsenOverzicht::event(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        update();
        plaats();
    }
    return QWidget::event(e);
}

// The width of the rows at a row height of `regelHoogte`, margins included.
int ToetsenOverzicht::breedteBij(int regelHoogte) const {
    const QFontMetrics ft(letter(regelHoogte * 6 / 10, true));
    const QFontMetrics fu(letter(regelHoogte * 6 / 10, false));
    int toetsBreedte = 0;
    int uitlegBreedte = ft.horizontalAdvance(tr("Toetsen"));
    for (const Regel& regel : regels()) {
        toetsBreedte = std::max(toetsBreedte, ft.horizontalAdvance(regel.toets));
        uitlegBreedte = std::max(uitlegBreedte, fu.horizontalAdvance(regel.uitleg));
    }
    return 3 * regelHoogte + toetsBreedte + uitlegBreedte;
}

// A 24th of the parent's height for a row, less where the rows would not fit its width (a
// screen on its side, a narrow window): then as large as fits nineteen twentieths of it.
int ToetsenOverzicht::regelHoogte() const {
    const QWidget* ouder = parentWidget();
    if (!ouder)
        return 24;
    int hoogte = std::max(16, ouder->height() / 24);
    const int ruimte = ouder->width() * 19 / 20;
    while (hoogte > 8 && breedteBij(hoogte) > ruimte)
        hoogte = std::max(8, hoogte * 9 / 10);
    return hoogte;
}

// Centred on the parent.
void ToetsenOverzicht::plaats() {
    QWidget* ouder = parentWidget();
    if (!ouder)
        return;
    const int regel = regelHoogte();
    const int marge = regel;
    const QSize maat(
        std::min(ouder->width(), breedteBij(regel)),
        std::min(ouder->height(), 2 * marge + regel * static_cast<int>(regels().size() + 1)));
    setGeometry(QRect(
        QPoint((ouder->width() - maat.width()) / 2, (ouder->height() - maat.height()) / 2), maat));
}

void ToetsenOverzicht::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int regelHoogte = this->regelHoogte();
    const int marge = regelHoogte;
    p.setPen(QPen(QColor(200, 200, 220), 2));
    p.setBrush(QColor(15, 15, 35, 200));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), marge / 2.0, marge / 2.0);

    const QList<Regel> r = regels();
    const QFont toetsFont = letter(regelHoogte * 6 / 10, true);
    const QFont uitlegFont = letter(regelHoogte * 6 / 10, false);
    int toetsBreedte = 0;
    for (const Regel& regel : r)
        toetsBreedte =
            std::max(toetsBreedte, QFontMetrics(toetsFont).horizontalAdvance(regel.toets));
    p.setFont(toetsFont);
    p.setPen(QColor(255, 255, 190));
    int y = marge;
    p.drawText(QRect(marge, y, width() - 2 * marge, regelHoogte), Qt::AlignVCenter | Qt::AlignLeft,
               tr("Toetsen"));
    for (const Regel& regel : r) {
        y += regelHoogte;
        p.setFont(toetsFont);
        p.setPen(QColor(255, 210, 60));
        p.drawText(QRect(marge, y, toetsBreedte, regelHoogte), Qt::AlignVCenter | Qt::AlignLeft,
                   regel.toets);
        p.setFont(uitlegFont);
        p.setPen(Qt::white);
        p.drawText(QRect(2 * marge + toetsBreedte, y, width(), regelHoogte),
                   Qt::AlignVCenter | Qt::AlignLeft, regel.uitleg);
    }
}
