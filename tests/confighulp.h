// What the settings dialog suites share: the named controls, and the typing and clicking
// an operator does.
#pragma once

#include "config/config.h"
#include "draw/rol.h"
#include "venster.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include <limits>

// A control of the dialog (or of the window) by its name; a missing name ends the run, since
// every test after it would read nothing.
template <typename T = QWidget> inline T* kind(const QWidget* ouder, const QString& naam) {
    T* w = ouder->findChild<T*>(naam);
    if (!w)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(naam));
    return w;
}

// The named controls of the settings dialog.
struct Besturing {
    explicit Besturing(const QWidget* d)
        : exit(kind<QPushButton>(d, QStringLiteral("CancelKnop"))),
          reset(kind<QPushButton>(d, QStringLiteral("ResetKnop"))),
          kleur{kind<QScrollBar>(d, QStringLiteral("ColorScroll1")),
                kind<QScrollBar>(d, QStringLiteral("ColorScroll2")),
                kind<QScrollBar>(d, QStringLiteral("ColorScroll3"))},
          pauze(kind<QScrollBar>(d, QStringLiteral("PauzeScroll"))),
          lijst(kind<QListWidget>(d, QStringLiteral("List1"))),
          combo1(kind<QComboBox>(d, QStringLiteral("Combo1"))),
          combo2(kind<QComboBox>(d, QStringLiteral("Combo2"))),
          rolKeuze{kind<QRadioButton>(d, QStringLiteral("RolKeuze0")),
                   kind<QRadioButton>(d, QStringLiteral("RolKeuze1"))},
          titel(kind<QLineEdit>(d, QStringLiteral("Text1"))),
          kleurVak(kind<QLabel>(d, QStringLiteral("Label9"))),
          pauzeLabel(kind<QLabel>(d, QStringLiteral("Label7"))),
          aantalLabel(kind<QLabel>(d, QStringLiteral("Label11"))) {}

    // Colour bar 1 (red), 2 (green) or 3 (blue).
    QScrollBar* kleurBalk(int i) const { return kleur[static_cast<std::size_t>(i - 1)]; }

    QPushButton* exit;
    QPushButton* reset;
    std::array<QScrollBar*, 3> kleur;
    QScrollBar* pauze;
    QListWidget* lijst;
    QComboBox* combo1;
    QComboBox* combo2;
    std::array<QRadioButton*, 2> rolKeuze;
    QLineEdit* titel;
    QLabel* kleurVak;
    QLabel* pauzeLabel;
    QLabel* aantalLabel;
};

// The paths the main window gives the dialog; `gegevens`, when given, is a data directory of
// its own, as for an installed program.
inline Paden padenVan(const Venster& o, const QString& gegevens = {}) {
    Paden paden;
    paden.programmaMap = o.map.path();
    paden.gegevensMap = gegevens.isEmpty() ? o.map.path() : gegevens;
    return paden;
}

inline QString achtergronden(const Venster& o) {
    return QDir(o.map.path()).filePath(QStringLiteral("Backgrounds"));
}

// The program's background folder and the user's one in `gegevens`, both made.
inline std::pair<QDir, QDir> achtergrondMappen(const Venster& o, const QString& gegevens) {
    const QDir eigen(QDir(gegevens).filePath(QStringLiteral("Backgrounds")));
    if (!QDir().mkpath(achtergronden(o)) || !QDir().mkpath(eigen.path()))
        qFatal("cannot make the background folders");
    return {QDir(achtergronden(o)), eigen};
}

// The settings dialog over the window `o` as the toolbar opens it, with its named controls;
// `tonen` shows it, `gegevens` is as for padenVan. A test takes the parts it needs with
// auto& [paden, dlg, b] = dialoog.
struct Dialoog {
    Dialoog(Venster& o, bool tonen, const QString& gegevens = {})
        : paden(padenVan(o, gegevens)), dlg(o.instellingen(), paden, o.w.get()), b(&dlg) {
        if (tonen)
            dlg.show();
    }
    const Paden paden;
    Config dlg;
    const Besturing b;
};

// The counter on the bottom bar (the dialog has a Label1 of its own).
inline QLabel* teller(const Venster& o) {
    return kind<QLabel>(o.kind(QStringLiteral("KnopPic")), QStringLiteral("Label1"));
}

inline QLabel* logo(const Venster& o, int i) {
    return kind<QLabel>(o.w.get(), QStringLiteral("Logo%1").arg(i));
}

inline QColor vulling(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

inline QColor tekstKleur(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// Paints a label's text in a colour nothing else uses, to see whether anything repaints it.
inline void verf(QWidget* w, const QColor& kleur) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, kleur);
    w->setPalette(pal);
}

// The main window's top-left corner, where only the background shows.
inline QColor hoek(const Venster& o) {
    return o.w->grab().toImage().pixelColor(3, 3);
}

inline bool schrijfBeeld(const QString& pad, const QColor& kleur, const char* formaat) {
    QImage beeld(40, 30, QImage::Format_RGB32);
    beeld.fill(kleur);
    return beeld.save(pad, formaat);
}

inline void voegNummersToe(Venster& o, std::initializer_list<qint32> nummers) {
    for (qint32 n : nummers)
        o.trekking().lijst().voegToe(n);
}

// Whole draws, each run to its end as the start arrow runs it.
inline void trek(Venster& o, int aantal) {
    for (int i = 0; i < aantal; ++i)
        o.trekking().StartRollers();
}

// A roller standing at the top of a strip, as a freshly chosen roller kind shows it.
inline QImage staandeRol(const char* strook) {
    Rol rol;
    rol.zetStrook(QImage(QLatin1String(strook)));
    return rol.beeld();
}

// Replaces what a field holds by typing, as the keyboard does it.
inline void typ(QLineEdit* regel, const QString& tekst) {
    regel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(regel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(regel, Qt::Key_Delete);
    QTest::keyClicks(regel, tekst);
}

inline void typ(QComboBox* veld, const QString& tekst) {
    typ(veld->lineEdit(), tekst);
}

inline void klik(QWidget* knop) {
    QTest::mouseClick(knop, Qt::LeftButton);
}

// Chooses a background entry with the mouse.
inline void kiesRij(QListWidget* lijst, int rij) {
    const QRect vak = lijst->visualItemRect(lijst->item(rij));
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, vak.center());
}

inline QStringList lijstTeksten(const QListWidget* lijst) {
    QStringList namen;
    for (int i = 0; i < lijst->count(); ++i)
        namen.append(lijst->item(i)->text());
    return namen;
}

// The full path each entry keeps besides its name.
inline QStringList lijstPaden(const QListWidget* lijst) {
    QStringList paden;
    for (int i = 0; i < lijst->count(); ++i)
        paden.append(lijst->item(i)->data(Config::kPadRol).toString());
    return paden;
}

inline bool heeftFocus(const Config& dlg, const QComboBox* veld) {
    const QWidget* f = dlg.focusWidget();
    return f == veld || (f && f == veld->lineEdit());
}
