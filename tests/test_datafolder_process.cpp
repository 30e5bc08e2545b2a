// The data folder guarded, with the real program as a child process: a second Quintaro on
// the same folder ends and leaves the first one's files alone; --hervat refuses a key file
// that others could read, a key file or journal that is a symbolic link, and a key that does
// not belong to the journal, and marks a garbage last line as torn, saying so each time.
#include "common/instellingen.h"
#include "journaal/sleutelbestand.h"
#include "journaal/trekkingsboek.h"
#include "kindproces.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/types.h>

namespace {

enum class Schade {
    Geen,
    SleutelOpen,
    SleutelKoppeling,
    SleutelWeg,
    SleutelVreemd,
    SleutelAndereReeks,
    JournaalKoppeling,
    Rommel
};

struct Map {
    QTemporaryDir dir;
    QString pad(const char* naam) const { return dir.filePath(QLatin1String(naam)); }
    QString ini() const { return pad("Quintaro.ini"); }
    QString lijst() const { return pad("Lijstnummers.txt"); }
    QString journaal() const { return pad("Trekkingsjournaal.jsonl"); }
    QString sleutel() const { return pad("Trekkingsjournaal.sleutel"); }
};

void zetInstellingen(const Map& m) {
    Instellingen inst;
    inst.HoogsteNummer = 30;
    QVERIFY(schrijf(m.ini(), instellingenBestandInhoud(inst)));
}

} // namespace

class TestDatafolderProcess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFileInfo(programma()).isExecutable(),
                 qPrintable(programma() + " not found: set QUINTARO_PROGRAM_DIR"));
    }

    void secondInstanceOnTheSameFolder_data() {
        QTest::addColumn<QString>("taal");
        QTest::addColumn<QByteArray>("melding");
        QTest::newRow("Dutch") << "nl" << QByteArray("Quintaro draait al in de map");
        QTest::newRow("English") << "en" << QByteArray("Quintaro is already running in the folder");
    }
    void secondInstanceOnTheSameFolder() {
        QFETCH(QString, taal);
        QFETCH(QByteArray, melding);
        Map m;
        zetInstellingen(m);
        QProcess eerste;
        zetOp(eerste, m.dir.path(), 0.01, 2);
        eerste.start();
        QVERIFY(eerste.waitForStarted());
        const auto opruimen = qScopeGuard([&eerste] { eerste.kill(); });
        QTRY_VERIFY_WITH_TIMEOUT(lees(m.lijst()).count('\n') == 2, 20000);
        QTest::qWait(300); // the second draw's last steps
        const QStringList bestanden{m.ini(), m.lijst(), m.journaal(), m.sleutel()};
        QList<QByteArray> voor;
        for (const QString& pad : bestanden)
            voor.append(lees(pad));
        QVERIFY(!voor[2].isEmpty() && !voor[3].isEmpty());

        QProcess tweede;
        zetOp(tweede, m.dir.path(), 0.01, 3, {QStringLiteral("--lang"), taal}, true);
        tweede.start();
        QVERIFY(tweede.waitForFinished(20000));
        QCOMPARE(tweede.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tweede.exitCode(), 1);
        const QByteArray fout = tweede.readAllStandardError();
        QVERIFY2(fout.contains(melding), fout.constData());
        QVERIFY2(fout.contains(QByteArray::number(eerste.processId())), fout.constData());
        for (qsizetype i = 0; i < bestanden.size(); ++i)
            QCOMPARE(lees(bestanden[i]), voor[i]);

        QCOMPARE(eerste.state(), QProcess::Running);
        QCOMPARE(::kill(static_cast<pid_t>(eerste.processId()), SIGTERM), 0);
        QVERIFY(eerste.waitForFinished(20000));
        QCOMPARE(eerste.exitCode(), 0);
        QCOMPARE(lees(m.lijst()), voor[1]);
        QCOMPARE(beideCheckers(m.journaal()), 0);
    }

    // A run killed after three draws, a file damaged, then a start with --hervat that closes
    // after a moment. `gaatDoor`: the series went on; `controle`: the checker's exit code;
    // `lijst`: the numbers listed (a journal that is a link is not read either).
    void resumeWithDamagedFiles_data() {
        QTest::addColumn<Schade>("schade");
        QTest::addColumn<QByteArray>("melding");
        QTest::addColumn<bool>("gaatDoor");
        QTest::addColumn<int>("controle");
        QTest::addColumn<int>("lijst");
        QTest::newRow("nothing wrong") << Schade::Geen << QByteArray() << true << 0 << 3;
        QTest::newRow("key file readable by others")
            << Schade::SleutelOpen << QByteArray("was leesbaar voor anderen") << false << 0 << 3;
        QTest::newRow("key file is a link")
            << Schade::SleutelKoppeling
            << QByteArray("is een symbolische koppeling; Quintaro leest daar geen sleutel uit")
            << false << 3 << 3;
        QTest::newRow("key file missing")
            << Schade::SleutelWeg << QByteArray("De sleutel van reeks 1 ontbreekt") << false << 3
            << 3;
        QTest::newRow("key of another journal")
            << Schade::SleutelVreemd
            << QByteArray("past niet bij de toezegging van reeks 1 in het journaal") << false << 3
            << 3;
        QTest::newRow("key of another series")
            << Schade::SleutelAndereReeks
            << QByteArray("bevat de sleutel van reeks 2, niet die van reeks 1") << false << 3 << 3;
        QTest::newRow("journal is a link")
            << Schade::JournaalKoppeling
            << QByteArray("het is een symbolische koppeling, en die volgt Quintaro niet") << false
            << 3 << 0;
        QTest::newRow("garbage last line")
            << Schade::Rommel << QByteArray("(regel 6) is geen geldige journaalregel") << true << 0
            << 3;
    }
    void resumeWithDamagedFiles() {
        QFETCH(Schade, schade);
        QFETCH(QByteArray, melding);
        QFETCH(bool, gaatDoor);
        QFETCH(int, controle);
        QFETCH(int, lijst);
        Map m;
        zetInstellingen(m);
        QByteArray sleutel;
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.begin(1, 30, 0);
            for (qint32 teller = 1; teller <= 3; ++teller)
                boek.legVast(teller);
            sleutel = boek.reeks().sleutel();
        } // no sluit(): the program died
        QTemporaryDir elders;
        const QString doel = elders.filePath(QStringLiteral("doel"));
        const QByteArray vreemd = "quintaro-sleutel 1 1 " +
                                  Trekkingsreeks::toezeggingVan(QByteArray(32, 'x')).toLatin1() +
                                  ' ' + QByteArray(32, 'x').toHex() + '\n';
        switch (schade) {
        case Schade::Geen:
            break;
        case Schade::SleutelOpen:
            QVERIFY(QFile::setPermissions(m.sleutel(), QFileDevice::Permissions(0x6644)));
            break;
        case Schade::SleutelKoppeling:
        case Schade::JournaalKoppeling: {
            const QString pad = schade == Schade::SleutelKoppeling ? m.sleutel() : m.journaal();
            QVERIFY(QFile::rename(pad, doel));
            QVERIFY(QFile::link(doel, pad));
            break;
        }
        case Schade::SleutelWeg:
            QVERIFY(QFile::remove(m.sleutel()));
            break;
        case Schade::SleutelVreemd:
            QVERIFY(QFile::remove(m.sleutel()));
            QVERIFY(schrijf(m.sleutel(), vreemd));
            QVERIFY(QFile::setPermissions(m.sleutel(), QFileDevice::Permissions(0x6600)));
            break;
        case Schade::SleutelAndereReeks:
            QVERIFY(Sleutelbestand(m.sleutel()).bewaar(2, sleutel));
            break;
        case Schade::Rommel:
            QVERIFY(schrijf(m.journaal(), lees(m.journaal()) + "rommel\n"));
            break;
        }
        const QByteArray doelVoor = lees(doel);

        QProcess kind;
        zetOp(kind, m.dir.path(), 0.01, 0,
              {QStringLiteral("--hervat"), QStringLiteral("--screenshot"), m.pad("beeld.png")},
              true);
        kind.start();
        QVERIFY(kind.waitForFinished(30000));
        QCOMPARE(kind.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kind.exitCode(), 0);
        const QByteArray fout = kind.readAllStandardError();
        if (melding.isEmpty())
            QVERIFY2(!fout.contains("quintaro: "), fout.constData());
        else
            QVERIFY2(fout.contains(melding), fout.constData());

        // What the link pointed at is untouched; a foreign key is put aside, not lost.
        QCOMPARE(lees(doel), doelVoor);
        const QStringList opzij = QDir(m.dir.path()).entryList({"Trekkingsjournaal.sleutel.*"});
        const bool vreemdeSleutel =
            schade == Schade::SleutelVreemd || schade == Schade::SleutelAndereReeks;
        QCOMPARE(opzij.size(), vreemdeSleutel ? 1 : 0);
        if (schade == Schade::SleutelVreemd)
            QCOMPARE(lees(m.dir.filePath(opzij.first())), vreemd);
        if (schade == Schade::Rommel)
            QVERIFY(lees(m.journaal()).contains("\nrommel\n{\"soort\":\"start\""));
        QCOMPARE(lees(m.journaal()).contains("\"soort\":\"hervat\""), gaatDoor);
        QCOMPARE(beideCheckers(m.journaal()), controle);
        QCOMPARE(lees(m.lijst()).count('\n'), lijst);
    }
};

QTEST_GUILESS_MAIN(TestDatafolderProcess)
#include "test_datafolder_process.moc"
