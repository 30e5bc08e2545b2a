// What the suites on damaged settings files share: a file with every field set, and the
// checks that a failed read leaves a whole file behind.
#pragma once

#include "common/instellingen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "peakmemory.h"

#include <csignal>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Every field differs from its default, so each one shows whether it was read.
struct Veld {
    QByteArray tekst;
    QByteArray scheiding; // what follows it in the file
};
inline const QList<Veld> kVelden = {
    {"\"Kop een\"", "\r\n"},
    {"\"Kop twee\"", "\r\n"},
    {"#TRUE#", "\r\n"},
    {"\"reserve\"", "\r\n"},
    {"12", ","},
    {"34", ","},
    {"56", "\r\n"},
    {"\"/a/b.jpg\"", "\r\n"},
    {"7", "\r\n"},
    {"-250", ","},
    {"2500", "\r\n"},
    {"\"Grote trekking\"", "\r\n"},
};

inline QByteArray volledigBestand() {
    QByteArray b;
    for (const auto& v : kVelden)
        b += v.tekst + v.scheiding;
    return b;
}

inline Instellingen volledigeWaarden() {
    Instellingen i;
    i.ReserveVlag = true;
    i.ReserveTekst = "reserve";
    i.KleurRood = 12;
    i.KleurGroen = 34;
    i.KleurBlauw = 56;
    i.AchtergrondBestand = "/a/b.jpg";
    i.PauzeSeconden = 7;
    i.LaagsteNummer = -250;
    i.HoogsteNummer = 2500;
    i.TitelTekst = "Grote trekking";
    return i;
}

// Whether field k (0 = first header field) of two records is the same.
inline bool zelfdeVeld(int k, const Instellingen& a, const Instellingen& b) {
    switch (k) {
    case 0:
    case 1:
        return true; // the header is not kept
    case 2:
        return a.ReserveVlag == b.ReserveVlag;
    case 3:
        return a.ReserveTekst == b.ReserveTekst;
    case 4:
        return a.KleurRood == b.KleurRood;
    case 5:
        return a.KleurGroen == b.KleurGroen;
    case 6:
        return a.KleurBlauw == b.KleurBlauw;
    case 7:
        return a.AchtergrondBestand == b.AchtergrondBestand;
    case 8:
        return a.PauzeSeconden == b.PauzeSeconden;
    case 9:
        return a.LaagsteNummer == b.LaagsteNummer;
    case 10:
        return a.HoogsteNummer == b.HoogsteNummer;
    default:
        return a.TitelTekst == b.TitelTekst;
    }
}

inline QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline bool schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly) && f.write(inhoud) == inhoud.size();
}

inline QString decodeer(const QByteArray& ruw) {
    Instellingen::Codering codering;
    return decodeerInstellingen(ruw, codering);
}

// What the writer makes of a text: the file cannot hold a double quote or a line break
// inside a field.
inline QString alsBewaard(QString tekst) {
    return tekst.replace(u'"', u'\'').replace(u'\r', u' ').replace(u'\n', u' ');
}
inline Instellingen alsBewaard(Instellingen inst) {
    inst.ReserveTekst = alsBewaard(inst.ReserveTekst);
    inst.AchtergrondBestand = alsBewaard(inst.AchtergrondBestand);
    inst.TitelTekst = alsBewaard(inst.TitelTekst);
    return inst;
}

// After a failed read, the file on disk must be a whole file again, holding the record as
// it stood when reading stopped (the background as read, not the default path).
inline void controleerHerschreven(const QString& pad, const QString& map,
                                  const Instellingen& inMemorie) {
    Instellingen opSchijf;
    QVERIFY2(LeesInstellingen(pad, map, opSchijf), "the rewritten file does not read back");
    Instellingen verwacht = alsBewaard(inMemorie);
    verwacht.AchtergrondBestand = opSchijf.AchtergrondBestand;
    // The texts must survive; their encoding may turn UTF-8 where the 8-bit bytes of the
    // rewritten file would read as UTF-8.
    verwacht.Tekenset = opSchijf.Tekenset;
    QCOMPARE(opSchijf, verwacht);
    QCOMPARE(lees(pad), instellingenBestandInhoud(opSchijf));
    QCOMPARE(inMemorie.AchtergrondBestand,
             QDir(map).filePath(QString::fromLatin1(kStandaardAchtergrond)));
}

// The fuzz target's property on one input: read, write, read back the same record.
inline void leesSchrijfLees(const QByteArray& invoer) {
    Instellingen eerst;
    leesInstellingenTekst(decodeer(invoer), eerst);
    const QByteArray geschreven = instellingenBestandInhoud(eerst);
    Instellingen terug;
    QVERIFY2(leesInstellingenTekst(decodeer(geschreven), terug), geschreven.constData());
    QCOMPARE(terug, alsBewaard(eerst));
    QCOMPARE(instellingenBestandInhoud(terug), geschreven);
}
