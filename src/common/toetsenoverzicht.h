#pragma once

#include <QKeySequence>
#include <QList>
#include <QWidget>

class QKeyEvent;

// A small half-transparent overlay, centred on its parent, that lists every key the program
// answers to. H shows and hides it, Escape hides it. It takes no focus and no clicks: the
// window that has the keys hands them on through verwerkToets(), or lets the overlay watch a
// widget with volgToetsenVan().
class ToetsenOverzicht : public QWidget {
    Q_OBJECT
public:
    // One key and what it does, both in the current language.
    struct Regel {
        QString toets;
        QString uitleg;
    };
    // Every key of the program, in the order listed; the one place to add a key.
    static QList<Regel> regels();

    explicit ToetsenOverzicht(QWidget* parent);

    // A released key: H toggles the overlay, Escape hides it when shown. Returns whether the
    // key was the overlay's. Repeats of a held key are not counted.
    bool verwerkToets(const QKeyEvent& e);
    // Watches the key releases that reach `bron` (the widget with the keyboard focus), and
    // takes those that are its own.
    void volgToetsenVan(QWidget* bron);

    void wissel();

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* object, QEvent* event) override;
    bool event(QEvent* e) override;

private:
    void plaats();
    int regelHoogte() const;
    int breedteBij(int regelHoogte) const;

    QList<QObject*> m_bronnen;
};
