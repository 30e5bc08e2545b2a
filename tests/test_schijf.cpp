// A full disk, on a real small file system (a 64 KiB tmpfs, where the test may mount one) and
// through the write hook (Schijf::zetRuimte): a file replaced is whole, new or old, never
// shorter; the journal ends with its last whole line, its series' key is withdrawn, and a
// restart goes on with a new series that checks.
#include "journaal/hervatting.h"
#include "journaal/journaalcontrole.h"
#include "journaal/trekkingsboek.h"
#include "schijf/schijf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/mount.h>

namespace {

QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A folder to write in: on a tmpfs of `kb` KiB of its own, or on the test's disk with the
// write hook holding `ruimte` bytes. Unmounts and lifts the hook when it goes.
struct Schijfje {
    QTemporaryDir dir;
    bool tmpfs = false;
    bool gelukt = true;

    Schijfje(bool opTmpfs, qint64 ruimte, int kb = 64) : tmpfs(opTmpfs) {
        if (tmpfs) {
            const QByteArray opties = "size=" + QByteArray::number(kb) + "k";
            gelukt = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                             opties.constData()) == 0;
        } else {
            Schijf::zetRuimte(ruimte);
        }
    }
    ~Schijfje() {
        Schijf::zetRuimte(-1);
        if (tmpfs && gelukt)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    // More room: a larger tmpfs, or no limit.
    bool vergroot() {
        Schijf::zetRuimte(-1);
        return !tmpfs || ::mount(nullptr, QFile::encodeName(dir.path()).constData(), nullptr,
                                 MS_REMOUNT, "size=4m") == 0;
    }
    QString pad(const char* naam) const { return dir.filePath(QLatin1String(naam)); }
};

#define SCHIJFJE(naam, ...)                                                                        \
    Schijfje naam(__VA_ARGS__);                                                                    \
    if (!naam.gelukt)                                                                              \
    QSKIP("no permission to mount a tmpfs")

} // namespace

class TestSchijf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A replaced file is the new one or, when the disk is full, exactly the old one; no
    // temporary file is left beside it.
    void vervangenOfOud_data() {
        QTest::addColumn<bool>("tmpfs");
        QTest::addColumn<qint64>("ruimte");
        QTest::addColumn<bool>("past");
        QTest::newRow("hook: no room at all") << false << qint64{0} << false;
        QTest::newRow("hook: room for part of it") << false << qint64{4000} << false;
        QTest::newRow("hook: room enough") << false << qint64{20000} << true;
        QTest::newRow("tmpfs: full") << true << qint64{-1} << false;
    }
    void vervangenOfOud() {
        QFETCH(bool, tmpfs);
        QFETCH(qint64, ruimte);
        QFETCH(bool, past);
        SCHIJFJE(s, tmpfs, -1);
        const QString pad = s.pad("Lijstnummers.txt");
        const QByteArray oud = QByteArray("17\r\n").repeated(1000);
        QCOMPARE(Schijf::bewaar(pad, oud), 0);
        if (tmpfs) {
            // Filled to the last byte.
            QFile vuller(s.pad("vuller"));
            QVERIFY(vuller.open(QIODevice::WriteOnly));
            while (vuller.write(QByteArray(4096, 'x')) > 0 && vuller.flush()) {
            }
        } else {
            Schijf::zetRuimte(ruimte);
        }
        const QByteArray nieuw = QByteArray("4242\r\n").repeated(1500);
        const int fout = Schijf::bewaar(pad, nieuw);
        QCOMPARE(fout == 0, past);
        QCOMPARE(lees(pad), past ? nieuw : oud);
        if (!past)
            QVERIFY(Schijf::isVol(fout));
        const QStringList naast = QDir(s.dir.path()).entryList(QDir::Files);
        QVERIFY2(!naast.join(u' ').contains(QStringLiteral(".nieuw")),
                 qPrintable(naast.join(u' ')));
    }

    // The journal fills the disk in the middle of a series: the draws go on, the record
    // written part-way is cut off, the series' key is withdrawn, and --hervat cannot go on
    // with the series. With room again, the next start reveals the withdrawn key and the
    // whole journal checks.
    void journaalOpVolleSchijf_data() {
        QTest::addColumn<bool>("tmpfs");
        QTest::newRow("write hook") << false;
        QTest::newRow("tmpfs of 64 KiB") << true;
    }
    void journaalOpVolleSchijf() {
        QFETCH(bool, tmpfs);
        SCHIJFJE(s, tmpfs, -1);
        const QString journaal = s.pad("Trekkingsjournaal.jsonl");
        const QString sleutel = s.pad("Trekkingsjournaal.sleutel");
        std::vector<qint32> getoond;
        qint32 teller = 0;
        {
            Trekkingsboek boek(journaal, sleutel);
            boek.begin(1, 9999, 0);
            QVERIFY(boek.wachtOpSchijf());
            if (!tmpfs)
                Schijf::zetRuimte(30000 + 77); // the limit falls inside a line
            // As the window draws: the record given as the number is chosen, on the disk
            // before it shows.
            while (getoond.size() < 2000) {
                getoond.push_back(boek.legVast(++teller));
                if (!boek.wachtOpSchijf())
                    break;
            }
            QVERIFY(!boek.wordtBijgehouden());
            QVERIFY(boek.journaal().schijfVol());
            for (int i = 0; i < 30; ++i) // the hall goes on drawing
                getoond.push_back(boek.legVast(++teller));
        }
        const QByteArray inhoud = lees(journaal);
        QVERIFY(inhoud.endsWith('\n'));
        qint64 trekkingen = 0;
        for (const QByteArray& regel : inhoud.chopped(1).split('\n')) {
            const auto r = Journaalrecord::lees(regel);
            QVERIFY2(r, regel.constData());
            trekkingen += r->soort == Journaalrecord::Soort::Trekking;
        }
        QVERIFY(trekkingen > 50 && trekkingen < qint64(getoond.size()) - 30);
        QVERIFY(!QFile::exists(sleutel));
        QVERIFY(QFile::exists(sleutel + QStringLiteral(".ingetrokken")));

        Hervatting h = Hervatting::lees(journaal, sleutel);
        QCOMPARE(h.soort, Hervatting::Soort::NieuweReeks);
        QVERIFY(h.sleutelOntbreekt);
        QCOMPARE(qint64(h.lijst.size()), trekkingen);
        QVERIFY(std::equal(h.lijst.begin(), h.lijst.end(), getoond.begin()));

        QVERIFY(s.vergroot());
        {
            Trekkingsboek boek(journaal, sleutel);
            boek.begin(h.laagste, h.hoogste, h.rolSoort, getoond, h.teller);
            boek.legVast(++teller);
            boek.sluit();
        }
        QVERIFY(!QFile::exists(sleutel + QStringLiteral(".ingetrokken")));
        const Controleuitslag uit = Journaalcontrole::controleer(journaal);
        QCOMPARE(uit.oordeel, Controleuitslag::Oordeel::Goed);
        QCOMPARE(uit.nagerekend, trekkingen + 1);
        QCOMPARE(uit.aantalReeksen, qint64{2});
    }
};

QTEST_APPLESS_MAIN(TestSchijf)
#include "test_schijf.moc"
