// A full disk, on a real small file system (a 64 KiB tmpfs, where the test may mount one) and
// through the write hook (Schijf::zetRuimte): a file replaced is whole, new or old, never
// shorter, and no temporary file is left. The journal on a full disk: test_faults_disk.
#include "schijf/schijf.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/mount.h>

class TestSchijf : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
        QTemporaryDir map;
        const QByteArray mapPad = QFile::encodeName(map.path());
        if (tmpfs && ::mount("tmpfs", mapPad.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no permission to mount a tmpfs");
        const auto ruim = qScopeGuard([&] {
            Schijf::zetRuimte(-1);
            if (tmpfs)
                ::umount2(mapPad.constData(), MNT_DETACH);
        });
        const QString pad = map.filePath(QStringLiteral("Lijstnummers.txt"));
        const QByteArray oud = QByteArray("17\r\n").repeated(1000);
        QCOMPARE(Schijf::bewaar(pad, oud), 0);
        if (tmpfs) { // filled to the last byte
            QFile vuller(map.filePath(QStringLiteral("vuller")));
            QVERIFY(vuller.open(QIODevice::WriteOnly));
            while (vuller.write(QByteArray(4096, 'x')) > 0 && vuller.flush()) {
            }
        }
        Schijf::zetRuimte(ruimte);
        const QByteArray nieuw = QByteArray("4242\r\n").repeated(1500);
        const int fout = Schijf::bewaar(pad, nieuw);
        QCOMPARE(fout == 0, past);
        QCOMPARE(lees(pad), past ? nieuw : oud);
        QVERIFY(past || Schijf::isVol(fout));
        const QStringList naast = QDir(map.path()).entryList(QDir::Files);
        QVERIFY2(!naast.join(u' ').contains(QStringLiteral(".nieuw")),
                 qPrintable(naast.join(u' ')));
    }

private:
    static QByteArray lees(const QString& pad) {
        QFile f(pad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QTEST_APPLESS_MAIN(TestSchijf)
#include "test_schijf.moc"
