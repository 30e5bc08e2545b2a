#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// The window's text labels: a font and a text colour on a transparent background, letting
// the pointer through to what lies below, as large as their text.
void kleedLabel(QLabel* label, const QFont& font, const QColor& kleur);
// A new such label, named before its text is set (assistive technology may look at it from
// the moment it has a text).
QLabel* maakLabel(QWidget* ouder, const char* naam, const QString& tekst, const QFont& font,
                  const QColor& kleur);
