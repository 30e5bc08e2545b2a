#pragma once

// What the suites of the journal's checks share: journals as lists of lines, the chain made
// whole again as a forger would, and both checkers, the program's and tools/controleer.py, run
// on one file with the same pins.

#include "journaal/journaalcontrole.h"
#include "journaal/journaalrecord.h"
#include "journaal/pinnen.h"
#include "kindproces.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray hexHash(const QByteArray& regel) {
    return QCryptographicHash::hash(regel, QCryptographicHash::Sha256).toHex();
}

QList<QByteArray> regelsVan(const QByteArray& inhoud) {
    return inhoud.chopped(inhoud.endsWith('\n') ? 1 : 0).split('\n');
}

QByteArray samen(const QList<QByteArray>& regels) {
    return regels.join('\n') + '\n';
}

// The chain made whole again from line `vanaf` (1-based) on, as a forger would.
QList<QByteArray> herketen(QList<QByteArray> regels, int vanaf) {
    for (int i = std::max(vanaf, 2) - 1; i < regels.size(); ++i) {
        auto r = Journaalrecord::lees(regels[i]);
        if (!r)
            continue;
        r->vorige = hexHash(regels[i - 1]);
        if (r->gescheurd > 0)
            r->vorigeHeel = i >= 2 ? hexHash(regels[i - 2]) : QByteArray(64, '0');
        regels[i] = r->regel();
    }
    return regels;
}

// The verdict of both checkers: "goed", "nog-niet-controleerbaar" or "fout", the line, and
// for each pin where it was found: "line:series:draws:draws after:voids after".
struct Oordeel {
    Oordeel(QString o, qint64 r, QStringList p = {})
        : oordeel(std::move(o)), regel(r), pinnen(std::move(p)) {}
    QString oordeel;
    qint64 regel = 0;
    QStringList pinnen;
    bool operator==(const Oordeel& o) const {
        return oordeel == o.oordeel && regel == o.regel && pinnen == o.pinnen;
    }
};

char* toString(const Oordeel& o) {
    return QTest::toString(
        QStringLiteral("%1 @ %2 [%3]").arg(o.oordeel).arg(o.regel).arg(o.pinnen.join(u' ')));
}

QString pinPlek(qint64 regel, qint64 reeks, qint64 trekkingen, qint64 na, qint64 vervallenNa) {
    return QStringLiteral("%1:%2:%3:%4:%5")
        .arg(regel)
        .arg(reeks)
        .arg(trekkingen)
        .arg(na)
        .arg(vervallenNa);
}

// The pins as typed on the command line ("--keten", "9a0b 1c2d ...", ...), in the order both
// checkers report them: commitments first.
std::vector<Controleuitslag::Pin> pinnenVan(const QStringList& argumenten) {
    std::vector<Controleuitslag::Pin> toezeggingen, ketens;
    for (qsizetype i = 0; i + 1 < argumenten.size(); i += 2) {
        const bool toezegging = argumenten[i] == QStringLiteral("--toezegging");
        const auto pin = Pinnen::lees(toezegging ? Controleuitslag::Pin::Soort::Toezegging
                                                 : Controleuitslag::Pin::Soort::Keten,
                                      argumenten[i + 1]);
        if (pin)
            (toezegging ? toezeggingen : ketens).push_back(*pin);
    }
    toezeggingen.insert(toezeggingen.end(), ketens.begin(), ketens.end());
    return toezeggingen;
}

Oordeel cpp(const QString& pad, const QStringList& pinnen = {}) {
    const Controleuitslag u = Journaalcontrole::controleer(pad, false, pinnenVan(pinnen));
    static const char* namen[] = {"goed", "nog-niet-controleerbaar", "fout"};
    Oordeel o{QString::fromLatin1(namen[static_cast<int>(u.oordeel)]), u.regel, {}};
    for (const auto& p : u.pinnen)
        o.pinnen << pinPlek(p.regel, p.reeks, p.trekkingen, p.trekkingenNa, p.vervallenNa);
    return o;
}

Oordeel python(const QString& pad, const QStringList& pinnen = {}) {
    QProcess p;
    p.start(QStringLiteral(QUINTARO_PYTHON),
            QStringList{QStringLiteral(QUINTARO_SOURCE_DIR "/tools/controleer.py"),
                        QStringLiteral("--json"), pad} +
                pinnen);
    if (!p.waitForFinished(60000))
        return {QStringLiteral("python hangs"), -1, {}};
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    const int verwacht = o.value(QStringLiteral("oordeel")).toString() == QStringLiteral("goed") ? 0
                         : o.value(QStringLiteral("oordeel")).toString().startsWith(u'n')        ? 3
                                                                                          : 1;
    if (p.exitCode() != verwacht)
        return {QStringLiteral("python exit %1").arg(p.exitCode()), -1, {}};
    Oordeel uit{o.value(QStringLiteral("oordeel")).toString(),
                qint64(o.value(QStringLiteral("regel")).toDouble()),
                {}};
    for (const QJsonValue& v : o.value(QStringLiteral("pinnen")).toArray()) {
        const QJsonObject pin = v.toObject();
        const auto getal = [&pin](const char* naam) {
            return qint64(pin.value(QLatin1String(naam)).toDouble());
        };
        uit.pinnen << pinPlek(getal("regel"), getal("reeks"), getal("trekkingen"),
                              getal("trekkingen_na"), getal("vervallen_na"));
    }
    return uit;
}

// Both checkers on `inhoud` with `pinnen`; fails unless they agree and find `verwacht`.
inline void beide(const QByteArray& inhoud, const Oordeel& verwacht,
                  const QStringList& pinnen = {}) {
    QTemporaryDir dir;
    const QString pad = dir.filePath(QStringLiteral("j.jsonl"));
    QVERIFY(schrijf(pad, inhoud));
    QCOMPARE(cpp(pad, pinnen), verwacht);
    QCOMPARE(python(pad, pinnen), verwacht);
}

const Oordeel kGoed{QStringLiteral("goed"), 0, {}};
Oordeel fout(qint64 regel) {
    return {QStringLiteral("fout"), regel, {}};
}

} // namespace
