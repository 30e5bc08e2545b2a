// Settings files whose numbers do not fit, inputs the fuzzer found, and a writer killed in
// the middle of a write: the reader keeps what it can and never leaves a torn file.
#include "instellingenhulp.h"

class TestFaultsGetallen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersBeyondThirtyTwoBits_data() {
        QTest::addColumn<QByteArray>("laagste");
        QTest::addColumn<QByteArray>("hoogste");
        QTest::addColumn<bool>("gelukt");
        QTest::addColumn<qint32>("verwachtLaag");
        QTest::addColumn<qint32>("verwachtHoog");
        const qint32 dl = Instellingen{}.LaagsteNummer, dh = Instellingen{}.HoogsteNummer;
        QTest::newRow("2^31") << QByteArray("1") << QByteArray("2147483648") << false << 1 << dh;
        QTest::newRow("2^32") << QByteArray("1") << QByteArray("4294967296") << false << 1 << dh;
        QTest::newRow("-2^31-1") << QByteArray("-2147483649") << QByteArray("5") << false << dl
                                 << dh;
        QTest::newRow("beyond 64 bits")
            << QByteArray("1") << QByteArray("99999999999999999999999") << false << 1 << dh;
        QTest::newRow("exponent") << QByteArray("1") << QByteArray("1e10") << false << 1 << dh;
        QTest::newRow("huge exponent")
            << QByteArray("1") << QByteArray("1e400") << false << 1 << dh;
        QTest::newRow("edges") << QByteArray("-2147483648") << QByteArray("2147483647") << true
                               << std::numeric_limits<qint32>::min()
                               << std::numeric_limits<qint32>::max();
        QTest::newRow("edge .4 rounds in")
            << QByteArray("-2147483648.4") << QByteArray("2147483647.4") << true
            << std::numeric_limits<qint32>::min() << std::numeric_limits<qint32>::max();
        // Halves go to the even neighbour: -2147483648.5 to -2147483648, 2147483647.5 out.
        QTest::newRow("edge halves") << QByteArray("-2147483648.5") << QByteArray("2147483647.5")
                                     << false << std::numeric_limits<qint32>::min() << dh;
    }
    void numbersBeyondThirtyTwoBits() {
        QFETCH(QByteArray, laagste);
        QFETCH(QByteArray, hoogste);
        QFETCH(bool, gelukt);
        QFETCH(qint32, verwachtLaag);
        QFETCH(qint32, verwachtHoog);
        QByteArray b = volledigBestand();
        b.replace("-250,2500", laagste + "," + hoogste);
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        QVERIFY(schrijf(pad, b));
        Instellingen inst;
        QCOMPARE(LeesInstellingen(pad, map.path(), inst), gelukt);
        QCOMPARE(inst.LaagsteNummer, verwachtLaag);
        QCOMPARE(inst.HoogsteNummer, verwachtHoog);
        QCOMPARE(inst.PauzeSeconden, quint8(7));
        if (!gelukt) {
            QCOMPARE(inst.TitelTekst, Instellingen{}.TitelTekst);
            controleerHerschreven(pad, map.path(), inst);
        }
    }

    // Found by the fuzzer: a colour component beyond 15 digits was written with an exponent
    // and rounded to 15 digits, so the file changed its value at every exit.
    void fuzzFindingsReadWriteRead_data() {
        QTest::addColumn<QByteArray>("invoer");
        QTest::newRow("crash-abddd28d: red 3.5e37") << QByteArray::fromBase64(
            "IktvcCIKICAiMiIKICAjVFJVRSMKICAicmVzZXJ2ZQowMSAiICwyMCwzNTU1NTU1NTU1NTU1NTU1NTU1NTU1"
            "NTU1NTU1NTU1NTU1NTU1MAogICIvdG1wL2EuahhnIgogICAtCjc1ICw1MAogICI=");
        QTest::newRow("seventeen digits")
            << QByteArray("a,b,#FALSE#,r,0.12345678901234567,1e-300,3,x,4,1,2,t");
        QTest::newRow("whole beyond 1e15")
            << QByteArray("a,b,#FALSE#,r,1234567890123456789,-1e20,3,x,4,1,2,t");
    }
    void fuzzFindingsReadWriteRead() {
        QFETCH(QByteArray, invoer);
        leesSchrijfLees(invoer);
        Instellingen inst;
        leesInstellingenTekst(decodeer(invoer), inst);
        const QByteArray geschreven = instellingenBestandInhoud(inst);
        // Numbers are plain decimal text: no exponent.
        const QList<QByteArray> regels = geschreven.split('\n');
        QVERIFY(regels.size() > 4);
        QVERIFY2(!regels[4].contains('e') && !regels[4].contains('E'), regels[4].constData());
    }

    // A writer killed at random moments, again and again: the file always reads back as one of
    // the two records that were being written in turn, never as a mix or a torn file.
    void crashDuringWrite() {
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        Instellingen a = volledigeWaarden();
        Instellingen b;
        b.TitelTekst = QString(20000, u'b'); // a longer file: more time inside the write
        QVERIFY(BewaarInstellingen(pad, a));
        std::mt19937 gen(7);
        int gedood = 0;
        long schrijfbeurten = 0;
        for (int ronde = 0; ronde < 25; ++ronde) {
            int pijp[2];
            QCOMPARE(pipe(pijp), 0);
            const pid_t kind = fork();
            QVERIFY(kind >= 0);
            if (kind == 0) {
                // One byte down the pipe after every finished write.
                close(pijp[0]);
                for (unsigned i = 0;; ++i) {
                    BewaarInstellingen(pad, (i % 2) ? b : a);
                    if (write(pijp[1], "x", 1) != 1)
                        _exit(1);
                }
            }
            close(pijp[1]);
            char teken = 0;
            QCOMPARE(read(pijp[0], &teken, 1), ssize_t(1)); // the writer is under way
            // A write takes about half a millisecond: kill it somewhere in the next few.
            usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(gen));
            QCOMPARE(kill(kind, SIGKILL), 0);
            int status = 0;
            QCOMPARE(waitpid(kind, &status, 0), kind);
            gedood += WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
            char buffer[4096];
            ssize_t n = 1;
            schrijfbeurten += 1;
            while ((n = read(pijp[0], buffer, sizeof buffer)) > 0)
                schrijfbeurten += n;
            close(pijp[0]);

            Instellingen terug;
            QVERIFY2(LeesInstellingen(pad, map.path(), terug),
                     qPrintable(QStringLiteral("round %1: torn file").arg(ronde)));
            QVERIFY(terug == a || terug == b);
        }
        QCOMPARE(gedood, 25);
        qInfo("%ld writes finished in 25 killed writers", schrijfbeurten);
    }
};

QTEST_GUILESS_MAIN(TestFaultsGetallen)
#include "test_faults_getallen.moc"
