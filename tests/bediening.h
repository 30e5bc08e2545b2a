#pragma once

// The fixture of the operator's window suites: both windows on the one screen of the
// test platform, the head of the journal's chain as the windows show it, and the program and
// the independent checker run on a journal.

#include "kindproces.h"
#include "venster.h"

#include "app/bedieningsvenster.h"
#include "app/vensterplaatsing.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTest>

// The audience's window full screen with the operator's window on top, on the one screen of
// the test platform, as --operator gives them.
struct Avond {
    Venster v;
    std::unique_ptr<Bedieningsvenster> b;
    std::unique_ptr<Vensterplaatsing> plaatsing;

    explicit Avond(const QByteArray& instellingen = instellingenMetBereik(1, 50),
                   const Loterij* loterij = nullptr)
        : v(instellingen, QGuiApplication::primaryScreen()->size(), 0.01, loterij) {
        b = std::make_unique<Bedieningsvenster>(*v.w);
        plaatsing = std::make_unique<Vensterplaatsing>(*v.w, b.get());
        QScreen* scherm = QGuiApplication::primaryScreen();
        plaatsing->toon(scherm, scherm);
        b->activateWindow();
    }
    template <typename T = QWidget> T* deel(const char* naam) const {
        return b->findChild<T*>(QLatin1String(naam));
    }
};

inline void klik(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// The head of the chain as both windows show it, and as the journal's latest line gives it.
// The journal is written on its own thread: the head on the screens is that of its last line
// once the line is on the disk.
inline QString kopOpSchijf(const Avond& a) {
    const QByteArray journaal = leesAlles(a.v.bestand("Trekkingsjournaal.jsonl"));
    const QByteArray laatste = journaal.chopped(1).mid(journaal.chopped(1).lastIndexOf('\n') + 1);
    return QString::fromLatin1(
        QCryptographicHash::hash(laatste, QCryptographicHash::Sha256).toHex().left(16));
}

inline void kopKlopt(const Avond& a) {
    for (auto* label : {a.deel<QLabel>("Keten"), a.v.kind<QLabel>(QStringLiteral("Keten"))}) {
        QVERIFY(label->isVisible());
        QTRY_VERIFY2(label->text().remove(u' ').endsWith(kopOpSchijf(a)),
                     qPrintable(label->text() + QStringLiteral(" / ") + kopOpSchijf(a)));
    }
}
