#pragma once

// The real program as a child process: where it is, its files, and a run on a folder.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

inline QString programma() {
    return QDir(qEnvironmentVariable("QUINTARO_PROGRAM_DIR")).filePath(QStringLiteral("quintaro"));
}

inline QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly) && f.write(inhoud) == inhoud.size();
}

// The exit code of a program run to its end: -1 when it did not end within a minute (the
// reason is printed), -2 when it crashed. With `uit` its standard output and error, merged,
// land there; without, its error goes to the test's.
inline int draai(const QString& programma, const QStringList& argumenten, QByteArray* uit,
                 const QProcessEnvironment& omgeving = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(omgeving);
    p.setProcessChannelMode(uit ? QProcess::MergedChannels : QProcess::ForwardedErrorChannel);
    p.start(programma, argumenten);
    if (!p.waitForFinished(60000)) {
        qWarning("%s: %s", qPrintable(programma), qPrintable(p.errorString()));
        return -1;
    }
    if (uit)
        *uit = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}

inline int draai(const QString& programma, const QStringList& argumenten,
                 const QProcessEnvironment& omgeving = QProcessEnvironment::systemEnvironment()) {
    return draai(programma, argumenten, nullptr, omgeving);
}

// The exit code both checkers give a journal, the program's --controleer and the independent
// tools/controleer.py: 0 valid, 1 a fault, 3 not yet checkable; -3 when they differ.
inline int beideCheckers(const QString& journaal) {
    const int code = draai(programma(), {QStringLiteral("--controleer"), journaal});
    const int python =
        draai(QStringLiteral(QUINTARO_PYTHON),
              {QStringLiteral(QUINTARO_SOURCE_DIR "/tools/controleer.py"), journaal});
    if (code != python)
        qWarning("the checkers differ: --controleer %d, controleer.py %d", code, python);
    return code == python ? code : -3;
}

// A child running the program on `map`, headless, with the test hooks set; its standard
// error goes to the test's unless `foutApart`, when the test reads it.
inline void zetOp(QProcess& kind, const QString& map, double tijdSchaal, int trekkingen,
                  const QStringList& extra = {}, bool foutApart = false) {
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    omgeving.insert(QStringLiteral("QUINTARO_TIJDSCHAAL"), QString::number(tijdSchaal));
    omgeving.insert(QStringLiteral("QUINTARO_AUTODRAW"), QString::number(trekkingen));
    kind.setProcessEnvironment(omgeving);
    kind.setProgram(programma());
    kind.setArguments(QStringList{QStringLiteral("--dir"), map} + extra);
    kind.setProcessChannelMode(foutApart ? QProcess::SeparateChannels
                                         : QProcess::ForwardedErrorChannel);
}
