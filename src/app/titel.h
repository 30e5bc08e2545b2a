#pragma once

#include <QObject>

class QColor;
class QLabel;
class QWidget;

// The title above the rollers: a black shadow `Logo1`, centred, and the coloured `Logo2`
// 60 twips to its left, both in Arial 60 pt bold, sizing themselves to the text. Assistive
// technology reads the title once: the shadow is hidden from it.
class Titel : public QObject {
    Q_OBJECT
public:
    Titel(QWidget* venster, int schermBreedteTwips);

    void zetTekst(const QString& titel);
    void zetKleur(const QColor& kleur);
    // The tops of the two labels, in pixels.
    void zetHoogte(int schaduw, int kleur);

private:
    QLabel* m_schaduw = nullptr;
    QLabel* m_kleur = nullptr;
    int m_schermBreedte = 0;
};
