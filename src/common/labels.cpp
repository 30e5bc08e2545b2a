#include "common/labels.h"

#include <QLabel>

void kleedLabel(QLabel* label, const QFont& font, const QColor& kleur) {
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, kleur);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
}

QLabel* maakLabel(QWidget* ouder, const char* naam, const QString& tekst, const QFont& font,
                  const QColor& kleur) {
    auto* label = new QLabel(ouder);
    label->setObjectName(QLatin1String(naam));
    label->setText(tekst);
    kleedLabel(label, font, kleur);
    return label;
}
