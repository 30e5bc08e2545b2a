#include "app/titel.h"

#include "app/indeling.h"
#include "common/eenheden.h"
#include "common/labels.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

// The shadow repeats the title; a screen reader passes it by.
class SchaduwToegang : public QAccessibleWidget {
public:
    explicit SchaduwToegang(QWidget* w) : QAccessibleWidget(w, QAccessible::NoRole) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* schaduwToegang(const QString& klasse, QObject* object) {
    if (object && object->isWidgetType() && object->objectName() == QLatin1String("Logo1") &&
        klasse == QLatin1String("QLabel"))
        return new SchaduwToegang(static_cast<QWidget*>(object));
    return nullptr;
}

QLabel* maakLogo(QWidget* ouder, const char* naam, const QColor& kleur) {
    return maakLabel(ouder, naam, QStringLiteral("Quintaro"), arial(60, true), kleur);
}

} // namespace

Titel::Titel(QWidget* venster, int schermBreedteTwips)
    : QObject(venster), m_schermBreedte(schermBreedteTwips) {
    static const bool toegang = [] {
        QAccessible::installFactory(schaduwToegang);
        return true;
    }();
    Q_UNUSED(toegang);
    m_schaduw = maakLogo(venster, "Logo1", Qt::black);
    m_kleur = maakLogo(venster, "Logo2", Qt::yellow);
}

void Titel::zetHoogte(int schaduw, int kleur) {
    m_schaduw->move(m_schaduw->x(), schaduw);
    m_kleur->move(m_kleur->x(), kleur);
}

void Titel::zetTekst(const QString& titel) {
    for (QLabel* logo : {m_schaduw, m_kleur}) {
        logo->setText(titel);
        logo->adjustSize();
        const double links =
            logoLinks(m_schermBreedte, logo->width() * kTwipsPerPixel, logo == m_kleur);
        logo->move(naarPixels(links), logo->y());
    }
}

void Titel::zetKleur(const QColor& kleur) {
    QPalette pal = m_kleur->palette();
    pal.setColor(QPalette::WindowText, kleur);
    m_kleur->setPalette(pal);
}
