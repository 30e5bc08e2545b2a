#include "common/plaatjesknop.h"

#include "common/pauze.h"
#include "common/schaal.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Assistive technology sees a picture button as a push button that can be pressed.
class PlaatjesKnopToegang : public QAccessibleWidget {
public:
    explicit PlaatjesKnopToegang(PlaatjesKnop* knop)
        : QAccessibleWidget(knop, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actie) override {
        // Pressed this way a button acts as a mouse click makes it act.
        if (actie == pressAction() && widget()->isEnabled())
            Q_EMIT static_cast<PlaatjesKnop*>(widget())->geklikt();
    }
};

QAccessibleInterface* plaatjesKnopToegang(const QString& klasse, QObject* object) {
    if (klasse == QLatin1String("PlaatjesKnop") && object && object->isWidgetType())
        return new PlaatjesKnopToegang(static_cast<PlaatjesKnop*>(object));
    return nullptr;
}

} // namespace

PlaatjesKnop::PlaatjesKnop(QWidget* parent) : QWidget(parent) {
    static const bool toegang = [] {
        QAccessible::installFactory(plaatjesKnopToegang);
        return true;
    }();
    Q_UNUSED(toegang);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PlaatjesKnop::zetPlaatje(const QPixmap& plaatje) {
    m_bron.clear();
    m_plaatje = plaatje;
    update();
}

void PlaatjesKnop::zetPlaatje(const QString& bron) {
    m_bron = bron;
    m_plaatje = QPixmap::fromImage(laadOpSchaal(bron, devicePixelRatioF()));
    update();
}

void PlaatjesKnop::zetUitleg(const QString& tip, const QString& beschrijving) {
    setToolTip(tip);
    setAccessibleName(tip.trimmed());
    setAccessibleDescription(beschrijving);
}

bool PlaatjesKnop::drukIn(Pauze& pauze, QPoint verschuiving) {
    const QPoint rust = pos();
    move(rust + verschuiving);
    const bool verder = pauze.Wacht(0.2);
    move(rust);
    return verder;
}

void PlaatjesKnop::paintEvent(QPaintEvent*) {
    if (!m_bron.isEmpty() && m_plaatje.devicePixelRatio() != devicePixelRatioF())
        m_plaatje = QPixmap::fromImage(laadOpSchaal(m_bron, devicePixelRatioF()));
    QPainter p(this);
    p.drawPixmap(0, 0, m_plaatje);
}

void PlaatjesKnop::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        m_ingedrukt = true;
}

void PlaatjesKnop::mouseReleaseEvent(QMouseEvent* e) {
    const bool klik =
        m_ingedrukt && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_ingedrukt = false;
    if (klik && isEnabled())
        Q_EMIT geklikt();
}

void PlaatjesKnop::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double-click starts no second click.
    e->accept();
}
