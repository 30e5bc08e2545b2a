#pragma once

#include <QColor>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QScrollBar;
class QWidget;

// The building blocks of the settings dialog, placed in twips and coloured as its controls
// are.

// A rectangle or point given in twips, in the dialog's pixels.
QRect twips(int links, int boven, int breedte, int hoogte);
QPoint twips(int links, int boven);

void zetKleur(QWidget* w, QPalette::ColorRole rol, const QColor& kleur);
// Sets a label's text and sizes the label to it.
void zetTekst(QLabel* label, const QString& tekst);

// A filled rectangle with a thin black border, lying behind other controls.
QLabel* maakKader(QWidget* ouder, const char* naam, const QColor& vulling);
// A text label: Arial 9.75 pt in dark grey, transparent, as large as its text.
QLabel* maakTekst(QWidget* ouder, const char* naam, const QString& tekst);
// A horizontal bar that steps by one, reports a dragged thumb once when it is let go, and
// steps with the arrow keys: left and up lower the value, right and down raise it.
QScrollBar* maakBalk(QWidget* ouder, const QString& naam, int laagste, int hoogste, int waarde);
// An editable drop-down list whose edit field keeps exactly what is typed.
QComboBox* maakCombo(QWidget* ouder, const char* naam);

// A colour component as a bar can show it (0..255).
int balkWaarde(double component);
