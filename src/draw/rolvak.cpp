#include "draw/rolvak.h"

#include "draw/trekking.h"

#include <QPainter>

RolVak::RolVak(const Trekking& trekking, int n, QWidget* parent)
    : QWidget(parent), m_trekking(trekking), m_n(n) {
    setObjectName(QStringLiteral("Pic%1").arg(n + 1));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&trekking, &Trekking::rolBijgewerkt, this, [this](int rol, int rijen) {
        if (rol != m_n)
            return;
        // The rows of a smaller roller that show the changed rows of its picture.
        const int hoogte =
            height() == Rol::kGrootte.height()
                ? rijen
                : (rijen * height() + Rol::kGrootte.height() - 1) / Rol::kGrootte.height() + 1;
        update(0, 0, width(), hoogte);
    });
    // Read by assistive technology: which roller, and once it stands still, what it shows.
    setAccessibleName(tr("Roller %1").arg(m_n + 1));
    connect(&trekking, &Trekking::trekkingBegonnen, this,
            [this] { setAccessibleName(tr("Roller %1").arg(m_n + 1)); });
    connect(&trekking, &Trekking::rolGestopt, this, [this](int rol) {
        if (rol == m_n)
            setAccessibleName(tr("Roller %1: %2").arg(m_n + 1).arg(symbool()));
    });
}

QString RolVak::symbool() const {
    const int cijfer = m_trekking.rolCijfer(m_n);
    if (m_trekking.rolSoort() == 0)
        return QString::number(cijfer);
    static const char* const fruit[] = {
        QT_TR_NOOP("tomaat"), QT_TR_NOOP("appel"),  QT_TR_NOOP("mango"),   QT_TR_NOOP("banaan"),
        QT_TR_NOOP("kersen"), QT_TR_NOOP("kiwi"),   QT_TR_NOOP("citroen"), QT_TR_NOOP("perzik"),
        QT_TR_NOOP("peer"),   QT_TR_NOOP("aardbei")};
    return cijfer >= 0 && cijfer <= 9 ? tr(fruit[cijfer]) : QString::number(cijfer);
}

void RolVak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (size() == Rol::kGrootte) {
        p.drawImage(0, 0, m_trekking.rolBeeld(m_n));
        return;
    }
    // More than four rollers share their band: each shows its picture smaller.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), m_trekking.rolBeeld(m_n));
}
