// What the suites of the bottom bar share: its buttons by number, their pictures and sounds,
// and a locale set for as long as it lives.
#pragma once

#include "common/klok.h"
#include "common/kloktekst.h"
#include "common/plaatjesknop.h"
#include "config/config.h"
#include "venster.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QAudioDevice>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMediaDevices>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <QtTest>

#include <optional>

inline PlaatjesKnop* knop(const Venster& o, int i) {
    return o.kind<PlaatjesKnop>(QStringLiteral("Knop%1").arg(i));
}

// The click every toolbar button makes: the program directory's own sound.
inline QString klik(const Venster& o) {
    return o.map.path() + QStringLiteral("/Sounds/klik.wav");
}

inline QImage plaatje(const PlaatjesKnop* knop) {
    return knop->plaatje().toImage();
}

inline QImage bron(const char* pad) {
    return QPixmap(QLatin1String(pad)).toImage();
}

// A point of a widget in its window's coordinates.
inline QPoint inVenster(QWidget* w, QPoint p) {
    return w->mapTo(w->window(), p);
}

// Replaces what a field holds by typing, as the keyboard does it.
inline void typ(QWidget* veld, const QString& tekst) {
    veld->setFocus(Qt::TabFocusReason);
    QTest::keyClick(veld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(veld, Qt::Key_Delete);
    QTest::keyClicks(veld, tekst);
}

// Sets the default locale for as long as it lives.
struct Taal {
    explicit Taal(const QLocale& taal) { QLocale::setDefault(taal); }
    ~Taal() { QLocale::setDefault(m_oud); }
    Taal(const Taal&) = delete;
    Taal& operator=(const Taal&) = delete;

private:
    QLocale m_oud;
};
