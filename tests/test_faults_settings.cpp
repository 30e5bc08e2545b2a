// Damaged, hostile and oversized settings files, and a crash in the middle of a write. The
// reader must never crash, must keep exactly the fields read before the damage, and whatever
// it falls back to must be written as a file that reads back whole.
#include "instellingenhulp.h"

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
};

QTEST_GUILESS_MAIN(TestFaultsSettings)
#include "test_faults_settings.moc"
