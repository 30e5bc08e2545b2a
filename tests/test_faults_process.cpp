// The real program as a child process: killed in the middle of a session, and closed while
// the rollers spin or while the exhaustion message is open. The drawn-list file must hold
// every listed number at every moment, and a close must write both files and end the
// program without finishing the draw.
#include "common/instellingen.h"
#include "kindproces.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

QByteArray instellingen(qint32 laagste, qint32 hoogste) {
    Instellingen inst;
    inst.LaagsteNummer = laagste;
    inst.HoogsteNummer = hoogste;
    inst.TitelTekst = QStringLiteral("Kindproces");
    return instellingenBestandInhoud(inst);
}

// Checks a drawn-list file: complete CR LF lines, each a number of the range written as
// the list shows it, none twice. Returns the numbers, or an error text in `fout`.
QList<qint32> leesLijst(const QByteArray& inhoud, qint32 laagste, qint32 hoogste, QString& fout) {
    QList<qint32> nummers;
    if (!inhoud.isEmpty() && !inhoud.endsWith("\r\n")) {
        fout = QStringLiteral("does not end in CR LF");
        return nummers;
    }
    QSet<qint32> gezien;
    const QList<QByteArray> regels = inhoud.split('\n');
    for (qsizetype i = 0; i + 1 < regels.size(); ++i) {
        const QByteArray& regel = regels[i];
        bool ok = false;
        const qint32 n = regel.chopped(regel.endsWith('\r') ? 1 : 0).toInt(&ok);
        if (!regel.endsWith('\r') || !ok || QByteArray::number(n) + '\r' != regel || n < laagste ||
            n > hoogste || gezien.contains(n)) {
            fout = QStringLiteral("line %1: '%2'").arg(i + 1).arg(QString::fromLatin1(regel));
            return nummers;
        }
        gezien.insert(n);
        nummers.append(n);
    }
    return nummers;
}

} // namespace

class TestFaultsProcess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFileInfo(programma()).isExecutable(),
                 qPrintable(programma() + " not found: set QUINTARO_PROGRAM_DIR"));
    }

    // Draws run back to back at a hundredth of their real pace while the list file is read
    // as often as possible. Every version seen must be a whole file that extends the one
    // before; after kill -9 the file still holds every number listed.
    void killDuringASession() {
        QTemporaryDir map;
        const QByteArray ini = instellingen(1, 9999);
        QVERIFY(schrijf(map.filePath("Quintaro.ini"), ini));
        const QString lijstPad = map.filePath("Lijstnummers.txt");
        QProcess kind;
        zetOp(kind, map.path(), 0.002, 100000);
        kind.start();
        QVERIFY(kind.waitForStarted());

        QByteArray vorige;
        int versies = 0;
        QElapsedTimer klok;
        klok.start();
        while (klok.elapsed() < 60000) {
            const QByteArray nu = lees(lijstPad);
            QString fout;
            const QList<qint32> nummers = leesLijst(nu, 1, 9999, fout);
            QVERIFY2(fout.isEmpty(), qPrintable(QStringLiteral("torn list file: ") + fout));
            QVERIFY2(nu.startsWith(vorige), "a version of the list lost numbers");
            if (nu != vorige)
                ++versies;
            vorige = nu;
            if (nummers.size() >= 25)
                break;
            QVERIFY2(kind.state() == QProcess::Running, "the program ended by itself");
            QTest::qWait(1);
        }
        QVERIFY2(vorige.count('\n') >= 25, "too few draws within a minute");
        QCOMPARE(::kill(static_cast<pid_t>(kind.processId()), SIGKILL), 0);
        QVERIFY(kind.waitForFinished(10000));
        QCOMPARE(kind.exitStatus(), QProcess::CrashExit);

        const QByteArray eind = lees(lijstPad);
        QString fout;
        const QList<qint32> nummers = leesLijst(eind, 1, 9999, fout);
        QVERIFY2(fout.isEmpty(), qPrintable(fout));
        // What was listed when we last looked is there; at most the draw finishing in between
        // was added.
        QVERIFY(eind.startsWith(vorige));
        QVERIFY(nummers.size() - vorige.count('\n') <= 1);
        QVERIFY(versies >= 10); // the file was followed draw by draw, not only at the end
        // The settings file read at start-up is left as it was.
        QCOMPARE(lees(map.filePath("Quintaro.ini")), ini);
    }

    // The screenshot option closes the window after 0.8 s. A real-time draw started at once
    // is then still spinning (it takes some 17 s): the close writes both files, the list
    // empty, and the program ends well before the draw could have finished.
    void closeWhileTheRollersSpin() {
        QTemporaryDir map;
        QProcess kind;
        zetOp(kind, map.path(), 1.0, 1,
              {QStringLiteral("--screenshot"), map.filePath(QStringLiteral("beeld.png"))});
        QElapsedTimer klok;
        klok.start();
        kind.start();
        QVERIFY(kind.waitForStarted());
        QVERIFY(kind.waitForFinished(30000));
        const qint64 duur = klok.elapsed();
        QCOMPARE(kind.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kind.exitCode(), 0);
        QVERIFY2(duur < 12000, qPrintable(QStringLiteral("ran %1 ms").arg(duur)));
        QVERIFY(QFileInfo(map.filePath("beeld.png")).size() > 0);
        const QString lijstPad = map.filePath("Lijstnummers.txt");
        QVERIFY(QFileInfo::exists(lijstPad));
        QCOMPARE(lees(lijstPad), QByteArray());
        Instellingen inst;
        QVERIFY(LeesInstellingen(map.filePath("Quintaro.ini"), map.path(), inst));
        // Written at the close, so it now holds the default background, not the empty text.
        QCOMPARE(inst.AchtergrondBestand,
                 QDir(map.path()).filePath(QString::fromLatin1(kStandaardAchtergrond)));
    }

    // A range of one number: the first draw lists it, the second opens the exhaustion
    // message, which nobody answers. The close at 0.8 s writes both files with the one
    // number, the message goes away with the program, and nothing more is listed.
    void closeWhileTheExhaustionMessageIsOpen() {
        QTemporaryDir map;
        const QByteArray ini = instellingen(5, 5);
        const QString iniPad = map.filePath("Quintaro.ini");
        QVERIFY(schrijf(iniPad, ini));
        // Dated in the past: the close rewrites it with the same content, only the date shows.
        const QDateTime oud(QDate(2001, 1, 1), QTime(12, 0));
        {
            QFile f(iniPad);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(oud, QFileDevice::FileModificationTime));
        }
        QProcess kind;
        zetOp(kind, map.path(), 0.001, 2,
              {QStringLiteral("--screenshot"), map.filePath(QStringLiteral("beeld.png"))});
        kind.start();
        QVERIFY(kind.waitForStarted());
        QVERIFY2(kind.waitForFinished(30000), "the program did not end");
        QCOMPARE(kind.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kind.exitCode(), 0);
        QCOMPARE(lees(map.filePath("Lijstnummers.txt")), QByteArray("5\r\n"));
        Instellingen inst;
        QVERIFY(LeesInstellingen(iniPad, map.path(), inst));
        QCOMPARE(lees(iniPad), ini);
        QVERIFY(QFileInfo(iniPad).lastModified() > oud); // rewritten at the close
    }

    // kill, a closed terminal and Ctrl+C close the program through its closing sequence:
    // both files written, exit code 0. More signals during that sequence change nothing.
    void terminationSignalsClose_data() {
        QTest::addColumn<int>("signaal");
        QTest::addColumn<bool>("tweeKeer");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("SIGTERM, then more while closing") << int(SIGTERM) << true;
    }
    void terminationSignalsClose() {
        QFETCH(int, signaal);
        QFETCH(bool, tweeKeer);
        QTemporaryDir map;
        const QString iniPad = map.filePath("Quintaro.ini");
        QVERIFY(schrijf(iniPad, instellingen(1, 9999)));
        const QDateTime oud(QDate(2001, 1, 1), QTime(12, 0));
        {
            QFile f(iniPad);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(oud, QFileDevice::FileModificationTime));
        }
        const QString lijstPad = map.filePath("Lijstnummers.txt");
        QProcess kind;
        // Real-time pauses in the closing sequence (0.4 s), two fast draws before it.
        zetOp(kind, map.path(), tweeKeer ? 1.0 : 0.01, tweeKeer ? 0 : 2);
        kind.start();
        QVERIFY(kind.waitForStarted());
        if (tweeKeer)
            QTest::qWait(1500);
        else
            QTRY_VERIFY_WITH_TIMEOUT(lees(lijstPad).count('\n') == 2, 20000);
        const auto pid = static_cast<pid_t>(kind.processId());
        QCOMPARE(::kill(pid, signaal), 0);
        if (tweeKeer) {
            QTest::qWait(100);
            QCOMPARE(::kill(pid, SIGTERM), 0);
            QCOMPARE(::kill(pid, SIGINT), 0);
        }
        QVERIFY2(kind.waitForFinished(20000), "the program did not end");
        QCOMPARE(kind.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kind.exitCode(), 0);
        QVERIFY(QFileInfo(iniPad).lastModified() > oud);
        QCOMPARE(lees(lijstPad).count('\n'), tweeKeer ? 0 : 2);
        QVERIFY(QFileInfo::exists(lijstPad));
    }

    // A folder that takes no new files but holds writable files: both are brought up to date
    // in place, not left stale.
    void writableFilesInAReadOnlyFolder() {
        QTemporaryDir map;
        const QString iniPad = map.filePath("Quintaro.ini");
        const QString lijstPad = map.filePath("Lijstnummers.txt");
        QVERIFY(schrijf(iniPad, instellingen(1, 9)));
        QVERIFY(schrijf(lijstPad, "999\r\n777\r\n555\r\n"));
        const QDateTime oud(QDate(2001, 1, 1), QTime(12, 0));
        for (const QString& pad : {iniPad, lijstPad}) {
            QFile f(pad);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(oud, QFileDevice::FileModificationTime));
            QVERIFY(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ReadOther | QFileDevice::WriteOther |
                                     QFileDevice::ReadGroup | QFileDevice::WriteGroup));
        }
        QVERIFY(QFile::setPermissions(map.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                      QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther));
        QProcess kind;
        zetOp(kind, map.path(), 0.01, 2,
              {QStringLiteral("--screenshot"), QStringLiteral("/dev/null")});
        // Root writes anywhere: the program then runs as an ordinary user, from a copy that
        // user can reach wherever the build lies.
        QTemporaryDir kopieMap;
        if (::geteuid() == 0) {
            const QString kopie = kopieMap.filePath(QStringLiteral("quintaro"));
            QVERIFY(QFile::copy(programma(), kopie));
            const auto iedereen = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                  QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                  QFileDevice::ExeOther;
            QVERIFY(QFile::setPermissions(kopieMap.path(), iedereen));
            QVERIFY(QFile::setPermissions(kopie, iedereen));
            const QStringList argumenten = kind.arguments();
            kind.setArguments(QStringList{QStringLiteral("--reuid=65534"),
                                          QStringLiteral("--regid=65534"),
                                          QStringLiteral("--clear-groups"), kopie} +
                              argumenten);
            kind.setProgram(QStringLiteral("setpriv"));
        }
        kind.start();
        QVERIFY(kind.waitForStarted());
        QVERIFY2(kind.waitForFinished(30000), "the program did not end");
        QFile::setPermissions(map.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QCOMPARE(kind.exitCode(), 0);
        QString fout;
        const QList<qint32> nummers = leesLijst(lees(lijstPad), 1, 9, fout);
        QVERIFY2(fout.isEmpty(), qPrintable(fout));
        QCOMPARE(nummers.size(), 2);
        QVERIFY(QFileInfo(iniPad).lastModified() > oud);
        QCOMPARE(QDir(map.path()).entryList(QDir::Files).size(), 2); // no temporary files left
    }

    // An evening of draws, the program killed in the middle, a restart with --hervat and more
    // draws: the journal verifies with both checkers and no number comes twice; a changed
    // number in it is found, by line.
    void killAndResumeKeepsTheJournalCheckable() {
        QTemporaryDir map;
        QVERIFY(schrijf(map.filePath("Quintaro.ini"), instellingen(1, 30)));
        const QString lijstPad = map.filePath("Lijstnummers.txt");
        const QString journaal = map.filePath("Trekkingsjournaal.jsonl");
        {
            QProcess kind;
            zetOp(kind, map.path(), 0.002, 1000);
            kind.start();
            QVERIFY(kind.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(lees(lijstPad).count('\n') >= 12, 60000);
            QCOMPARE(::kill(static_cast<pid_t>(kind.processId()), SIGKILL), 0);
            QVERIFY(kind.waitForFinished(10000));
        }
        const QByteArray voor = lees(lijstPad);
        QCOMPARE(controleer(journaal), 3); // valid so far, the key not yet revealed
        {
            QProcess kind;
            zetOp(kind, map.path(), 0.002, 10,
                  {QStringLiteral("--hervat"), QStringLiteral("--screenshot"),
                   map.filePath(QStringLiteral("beeld.png"))});
            kind.start();
            QVERIFY(kind.waitForFinished(60000));
            QCOMPARE(kind.exitCode(), 0);
        }
        const QByteArray na = lees(lijstPad);
        QVERIFY2(na.startsWith(voor), "the list did not go on from where it stood");
        QString fout;
        const QList<qint32> nummers = leesLijst(na, 1, 30, fout); // none twice
        QVERIFY2(fout.isEmpty(), qPrintable(fout));
        QVERIFY(nummers.size() > voor.count('\n'));               // more draws after the restart
        QVERIFY(lees(journaal).contains("\"soort\":\"hervat\"")); // the same series went on
        QCOMPARE(beideCheckers(journaal), 0);

        // One drawn number changed: both checkers refuse the journal at that line.
        QList<QByteArray> regels = lees(journaal).split('\n');
        qsizetype regel = -1;
        for (qsizetype i = regels.size() / 2; i < regels.size() && regel < 0; ++i) {
            if (regels[i].contains("\"soort\":\"trekking\""))
                regel = i;
        }
        QVERIFY(regel > 0);
        const QRegularExpression nummer(QStringLiteral("\"nummer\":(\\d+)"));
        const auto m = nummer.match(QString::fromUtf8(regels[regel]));
        QVERIFY(m.hasMatch());
        const int ander = m.captured(1).toInt() % 30 + 1;
        regels[regel].replace(m.captured(0).toUtf8(), "\"nummer\":" + QByteArray::number(ander));
        const QString vals = map.filePath("vals.jsonl");
        QVERIFY(schrijf(vals, regels.join('\n')));
        const QByteArray regelTekst = "line " + QByteArray::number(regel + 1);
        QByteArray uit;
        QCOMPARE(controleer(vals, &uit), 1);
        QVERIFY2(uit.contains(regelTekst), uit.constData());
        QCOMPARE(controleerMetPython(vals, &uit), 1);
        QVERIFY2(uit.contains("regel " + QByteArray::number(regel + 1)), uit.constData());
    }

private:
    // The checkers on a journal: their exit code, and their output in `uit`.
    static int controleer(const QString& journaal, QByteArray* uit = nullptr) {
        return draai(programma(),
                     {QStringLiteral("--lang"), QStringLiteral("en"),
                      QStringLiteral("--controleer"), journaal},
                     uit);
    }
    static int controleerMetPython(const QString& journaal, QByteArray* uit = nullptr) {
        return draai(QStringLiteral(QUINTARO_PYTHON),
                     {QStringLiteral(QUINTARO_SOURCE_DIR "/tools/controleer.py"), journaal}, uit);
    }
};

QTEST_GUILESS_MAIN(TestFaultsProcess)
#include "test_faults_process.moc"
