// The real program as a child process on a disk that fills up: on a 64 KiB tmpfs (where the
// test may mount one) and through the write hook (QUINTARO_SCHIJFRUIMTE). The drawn list and
// the settings are never emptied, the journal ends with a whole line, and a restart with
// --hervat once there is room again begins a new series that carries the list over: no
// number the hall saw comes again, and the journal checks.
#include "common/instellingen.h"
#include "kindproces.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// Whether a list file is whole CR LF lines of numbers, none twice; its numbers in `n`.
bool heel(const QByteArray& inhoud, qsizetype* n = nullptr) {
    QSet<QByteArray> gezien;
    const QList<QByteArray> regels = inhoud.split('\n');
    for (qsizetype i = 0; i + 1 < regels.size(); ++i) {
        bool ok = false;
        regels[i].chopped(1).toInt(&ok);
        if (!ok || !regels[i].endsWith('\r') || gezien.contains(regels[i]))
            return false;
        gezien.insert(regels[i]);
    }
    if (n)
        *n = gezien.size();
    return regels.last().isEmpty();
}

} // namespace

class TestFaultsDisk : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFileInfo(programma()).isExecutable(),
                 qPrintable(programma() + " not found: set QUINTARO_PROGRAM_DIR"));
    }

    void fullDiskThenResume_data() {
        QTest::addColumn<bool>("tmpfs");
        QTest::newRow("write hook") << false;
        QTest::newRow("tmpfs of 64 KiB") << true;
    }
    void fullDiskThenResume() {
        QFETCH(bool, tmpfs);
        QTemporaryDir map;
        const QByteArray mapPad = QFile::encodeName(map.path());
        if (tmpfs && ::mount("tmpfs", mapPad.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no permission to mount a tmpfs");
        const auto ruim = qScopeGuard([&] {
            if (tmpfs)
                ::umount2(mapPad.constData(), MNT_DETACH);
        });
        Instellingen inst;
        inst.LaagsteNummer = 1;
        inst.HoogsteNummer = 9999;
        const QByteArray ini = instellingenBestandInhoud(inst);
        const QString iniPad = map.filePath(QStringLiteral("Quintaro.ini"));
        const QString lijstPad = map.filePath(QStringLiteral("Lijstnummers.txt"));
        const QString journaal = map.filePath(QStringLiteral("Trekkingsjournaal.jsonl"));
        {
            QFile f(iniPad);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(ini) == ini.size());
        }
        QProcess kind;
        zetOp(kind, map.path(), 0.002, 100000);
        if (!tmpfs) {
            QProcessEnvironment vol = kind.processEnvironment();
            vol.insert(QStringLiteral("QUINTARO_SCHIJFRUIMTE"), QStringLiteral("25000"));
            kind.setProcessEnvironment(vol);
        }
        kind.start();
        QVERIFY(kind.waitForStarted());
        // Every version of the list seen extends the one before; the journal stops growing
        // once the disk is full, and the draws go on for a few seconds more.
        QByteArray vorige;
        qint64 grootte = -1;
        QElapsedTimer stil, klok;
        stil.start();
        klok.start();
        while (stil.elapsed() < 3000 && klok.elapsed() < 120000) {
            const QByteArray nu = lees(lijstPad);
            QVERIFY2(heel(nu) && nu.startsWith(vorige), "the list file lost numbers");
            vorige = nu;
            const qint64 g = QFileInfo(journaal).size();
            if (g != grootte || g == 0)
                stil.restart();
            grootte = g;
            QVERIFY2(kind.state() == QProcess::Running, "the program ended by itself");
            QTest::qWait(5);
        }
        QCOMPARE(::kill(static_cast<pid_t>(kind.processId()), SIGTERM), 0);
        QVERIFY(kind.waitForFinished(30000));
        QCOMPARE(kind.exitCode(), 0);
        QCOMPARE(lees(iniPad), ini); // not emptied by the close
        QVERIFY(lees(lijstPad).startsWith(vorige));
        const QByteArray voor = lees(journaal);
        QVERIFY(voor.size() > 5000 && voor.endsWith('\n'));
        QVERIFY(!QFile::exists(map.filePath(QStringLiteral("Trekkingsjournaal.sleutel"))));

        // Room again, and a restart with --hervat.
        if (tmpfs)
            QCOMPARE(::mount(nullptr, mapPad.constData(), nullptr, MS_REMOUNT, "size=4m"), 0);
        const QByteArray lijstVoor = lees(lijstPad);
        zetOp(kind, map.path(), 0.002, 5,
              {QStringLiteral("--hervat"), QStringLiteral("--screenshot"),
               map.filePath(QStringLiteral("b.png"))});
        kind.start();
        QVERIFY(kind.waitForFinished(60000));
        QCOMPARE(kind.exitCode(), 0);
        const QByteArray na = lees(lijstPad);
        qsizetype aantal = 0;
        QVERIFY2(heel(na, &aantal), "a number came twice");
        QVERIFY(aantal > lijstVoor.count('\n'));
        QVERIFY(na.startsWith(lijstVoor));
        const QByteArray daarna = lees(journaal).mid(voor.size());
        QVERIFY(!daarna.contains("\"soort\":\"hervat\""));          // the old series did not go on
        QVERIFY(daarna.contains("\"soort\":\"sleutel\",\"tijd\"")); // its key revealed
        QCOMPARE(beideCheckers(journaal), 0);
    }
};

QTEST_GUILESS_MAIN(TestFaultsDisk)
#include "test_faults_disk.moc"
