// Damaged, hostile and oversized settings files, and a crash in the middle of a write. The
// reader must never crash, must keep exactly the fields read before the damage, and whatever
// it falls back to must be written as a file that reads back whole.
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

namespace {

// Every field differs from its default, so each one shows whether it was read.
struct Veld {
    QByteArray tekst;
    QByteArray scheiding; // what follows it in the file
};
const QList<Veld> kVelden = {
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

QByteArray volledigBestand() {
    QByteArray b;
    for (const auto& v : kVelden)
        b += v.tekst + v.scheiding;
    return b;
}

Instellingen volledigeWaarden() {
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
bool zelfdeVeld(int k, const Instellingen& a, const Instellingen& b) {
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

QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool schrijf(const QString& pad, const QByteArray& inhoud) {
    QFile f(pad);
    return f.open(QIODevice::WriteOnly) && f.write(inhoud) == inhoud.size();
}

QString decodeer(const QByteArray& ruw) {
    Instellingen::Codering codering;
    return decodeerInstellingen(ruw, codering);
}

// What the writer makes of a text: the file cannot hold a double quote or a line break
// inside a field.
QString alsBewaard(QString tekst) {
    return tekst.replace(u'"', u'\'').replace(u'\r', u' ').replace(u'\n', u' ');
}
Instellingen alsBewaard(Instellingen inst) {
    inst.ReserveTekst = alsBewaard(inst.ReserveTekst);
    inst.AchtergrondBestand = alsBewaard(inst.AchtergrondBestand);
    inst.TitelTekst = alsBewaard(inst.TitelTekst);
    return inst;
}

// After a failed read, the file on disk must be a whole file again, holding the record as
// it stood when reading stopped (the background as read, not the default path).
void controleerHerschreven(const QString& pad, const QString& map, const Instellingen& inMemorie) {
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
void leesSchrijfLees(const QByteArray& invoer) {
    Instellingen eerst;
    leesInstellingenTekst(decodeer(invoer), eerst);
    const QByteArray geschreven = instellingenBestandInhoud(eerst);
    Instellingen terug;
    QVERIFY2(leesInstellingenTekst(decodeer(geschreven), terug), geschreven.constData());
    QCOMPARE(terug, alsBewaard(eerst));
    QCOMPARE(instellingenBestandInhoud(terug), geschreven);
}

} // namespace

class TestFaultsSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Cut the file after every byte: fields before the cut keep what was read, fields after
    // it keep their defaults, the read succeeds only once the title has begun, and a failed
    // read leaves a whole file behind.
    void truncatedAnywhere() {
        const QByteArray vol = volledigBestand();
        QList<qsizetype> begin, eind;
        qsizetype plek = 0;
        for (const auto& v : kVelden) {
            begin.append(plek);
            eind.append(plek + v.tekst.size());
            plek += v.tekst.size() + v.scheiding.size();
        }
        const Instellingen alles = volledigeWaarden();
        const Instellingen standaard;
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        for (qsizetype snede = 0; snede <= vol.size(); ++snede) {
            const QByteArray deel = vol.left(snede);
            QVERIFY(schrijf(pad, deel));
            Instellingen inst;
            const bool gelukt = LeesInstellingen(pad, map.path(), inst);
            for (int k = 0; k < kVelden.size(); ++k) {
                // After a failure the background in memory is the default picture; what was
                // read of it is checked in the rewritten file below.
                if (k == 7 && !gelukt)
                    continue;
                const QString waar = QStringLiteral("cut %1, field %2").arg(snede).arg(k);
                if (eind[k] <= snede)
                    QVERIFY2(zelfdeVeld(k, inst, alles), qPrintable(waar));
                else if (begin[k] >= snede)
                    QVERIFY2(zelfdeVeld(k, inst, standaard), qPrintable(waar));
                // A field cut in its middle holds whatever its first part reads as.
            }
            if (snede >= eind.last())
                QVERIFY2(gelukt, qPrintable(QStringLiteral("cut %1").arg(snede)));
            if (snede <= begin.last())
                QVERIFY2(!gelukt, qPrintable(QStringLiteral("cut %1").arg(snede)));
            if (gelukt) {
                QCOMPARE(lees(pad), deel); // a good file is left alone
            } else {
                controleerHerschreven(pad, map.path(), inst);
                Instellingen opSchijf;
                LeesInstellingen(pad, map.path(), opSchijf);
                if (eind[7] <= snede)
                    QCOMPARE(opSchijf.AchtergrondBestand, alles.AchtergrondBestand);
                else if (begin[7] >= snede)
                    QCOMPARE(opSchijf.AchtergrondBestand, standaard.AchtergrondBestand);
            }
            if (QTest::currentTestFailed()) {
                qWarning("cut at byte %lld", static_cast<long long>(snede));
                return;
            }
        }
    }

    // Random bytes, alone and after a valid beginning: no crash, and a failed read always
    // rewrites a whole file with the fields read so far.
    void garbageBytes() {
        std::mt19937 gen(20260101);
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        const QByteArray vol = volledigBestand();
        for (int ronde = 0; ronde < 300; ++ronde) {
            std::uniform_int_distribution<int> lengte(0, 600), byte(0, 255);
            QByteArray rommel(lengte(gen), '\0');
            for (auto& c : rommel)
                c = static_cast<char>(byte(gen));
            // A third of the rounds keep a valid beginning of some length.
            if (ronde % 3 == 1)
                rommel.prepend(vol.left(std::uniform_int_distribution<int>(0, 90)(gen)));
            QVERIFY(schrijf(pad, rommel));
            Instellingen inst;
            if (!LeesInstellingen(pad, map.path(), inst))
                controleerHerschreven(pad, map.path(), inst);
            leesSchrijfLees(rommel);
            if (QTest::currentTestFailed()) {
                qWarning("round %d: %s", ronde, rommel.toHex().constData());
                return;
            }
        }
    }

    void emptyFile() {
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        QVERIFY(schrijf(pad, {}));
        Instellingen inst;
        inst.TitelTekst = "from before";
        QVERIFY(!LeesInstellingen(pad, map.path(), inst));
        Instellingen verwacht;
        verwacht.AchtergrondBestand = inst.AchtergrondBestand;
        QCOMPARE(inst, verwacht);
        QCOMPARE(lees(pad), instellingenBestandInhoud(Instellingen{}));
    }

    // 50 MB: a good file with 50 MB of extra lines is read quickly and without taking the
    // whole file into memory; a 50 MB first field is a failure and is replaced by a small file.
    void fiftyMegabyteFile_data() {
        QTest::addColumn<bool>("goedBegin");
        QTest::newRow("valid, then 50 MB of extra lines") << true;
        QTest::newRow("a 50 MB header field") << false;
    }
    void fiftyMegabyteFile() {
        QFETCH(bool, goedBegin);
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        {
            QFile f(pad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(goedBegin ? volledigBestand() : QByteArray("\""));
            const QByteArray blok = QByteArray(1022, 'x') + "\r\n";
            for (int i = 0; i < 50 * 1024; ++i)
                QCOMPARE(f.write(blok), blok.size());
        }
        QVERIFY(QFileInfo(pad).size() >= 50LL * 1024 * 1024);
        zetPiekTerug();
        const long voor = piekKb();
        Instellingen inst;
        const bool gelukt = LeesInstellingen(pad, map.path(), inst);
        const long groei = piekKb() - voor;
        QCOMPARE(gelukt, goedBegin);
        if (goedBegin) {
            QCOMPARE(inst, volledigeWaarden());
            QVERIFY(QFileInfo(pad).size() >= 50LL * 1024 * 1024); // left alone
        } else {
            controleerHerschreven(pad, map.path(), inst);
            QVERIFY(QFileInfo(pad).size() < 1024);
        }
        // Far less than the file: the reader looks at its first few megabytes only.
        QVERIFY2(voor < 0 || groei < 40 * 1024, qPrintable(QString::number(groei) + " kB"));
    }

    // A line of 1 MB in every text field: read whole and written back whole.
    void oneMegabyteLine() {
        const QString lang = QString(1024 * 1024, u'q');
        QByteArray b = volledigBestand();
        b.replace("\"reserve\"", "\"" + lang.toLatin1() + "\"");
        b.replace("\"/a/b.jpg\"", lang.toLatin1()); // unquoted
        b.replace("\"Grote trekking\"", "\"" + lang.toLatin1() + "\"");
        QTemporaryDir map;
        const QString pad = map.filePath("Quintaro.ini");
        QVERIFY(schrijf(pad, b));
        Instellingen inst;
        QVERIFY(LeesInstellingen(pad, map.path(), inst));
        QCOMPARE(inst.ReserveTekst, lang);
        QCOMPARE(inst.AchtergrondBestand, lang);
        QCOMPARE(inst.TitelTekst, lang);
        QCOMPARE(inst.HoogsteNummer, 2500);
        QVERIFY(BewaarInstellingen(pad, inst));
        Instellingen terug;
        QVERIFY(LeesInstellingen(pad, map.path(), terug));
        QCOMPARE(terug, inst);
    }

    // NUL bytes: inside a text they are part of the text; in a number they stop the reading.
    void embeddedNul() {
        Instellingen inst;
        QByteArray b = volledigBestand();
        b.replace("Grote trekking", QByteArray("Grote\0trekking", 14));
        QVERIFY(leesInstellingenTekst(decodeer(b), inst));
        QCOMPARE(inst.TitelTekst, QString::fromLatin1("Grote\0trekking", 14));
        leesSchrijfLees(b);

        b = volledigBestand();
        b.replace("\r\n7\r\n", QByteArray("\r\n7\0\r\n", 6));
        Instellingen gestopt;
        QVERIFY(!leesInstellingenTekst(decodeer(b), gestopt));
        QCOMPARE(gestopt.AchtergrondBestand, QString("/a/b.jpg"));
        QCOMPARE(gestopt.PauzeSeconden, Instellingen{}.PauzeSeconden);
        QCOMPARE(gestopt.HoogsteNummer, Instellingen{}.HoogsteNummer);

        Instellingen vooraan;
        QVERIFY(!leesInstellingenTekst(decodeer(QByteArray(1, '\0') + "\r\n"), vooraan));
        QCOMPARE(vooraan, Instellingen{});
    }

    // Numbers that do not fit 32 bits (or 64) in the range, and the half-to-even rounding
    // at the very edges of the 32-bit range.
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

QTEST_GUILESS_MAIN(TestFaultsSettings)
#include "test_faults_settings.moc"
