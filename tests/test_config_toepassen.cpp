// The settings dialog applies the range and the title on "Exit", refuses what it cannot use
// and says why.
#include "confighulp.h"

class TestConfigToepassen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toepassenOmgekeerdBereik();
    void toepassenBereik_data();
    void toepassenBereik();
    void toepassenTellerNaTrekkingen();
    void toepassenTellerPlaatjesrollers();
    void toepassenTitel();
    void toepassenLegeTitel();
    void toepassenOngeldigVeld_data();
    void toepassenOngeldigVeld();
    void toepassenBeideVeldenOngeldig();
    void markeringVerdwijntBijTypen();
    void sluitenZonderExitPastNietsToe();
    void exitMetToetsenbord();
};

// --- Apply on "Exit" ---------------------------------------------------------------------

void TestConfigToepassen::toepassenOmgekeerdBereik() {
    Venster o;
    voegNummersToe(o, {5, 6});
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    QStringList titels;
    QList<QMessageBox::Icon> iconen;
    Modaal melding([&](QWidget* modaal) {
        if (auto* box = qobject_cast<QMessageBox*>(modaal)) {
            titels.append(box->windowTitle());
            iconen.append(box->icon());
            box->done(QMessageBox::Ok);
        }
    });
    typ(b.combo1, QStringLiteral("100"));
    typ(b.combo2, QStringLiteral("99"));
    klik(b.exit);

    QCOMPARE(melding.teksten,
             QStringList{QStringLiteral("Het laagste nummer is hoger dan het hoogste nummer!")});
    QCOMPARE(titels, QStringList{QStringLiteral("Error")});
    QCOMPARE(iconen, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QVERIFY(dlg.isVisible());
    // Stored as read, and the list went with the changed highest number.
    QCOMPARE(o.inst().LaagsteNummer, 100);
    QCOMPARE(o.inst().HoogsteNummer, 99);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{0});

    typ(b.combo1, QStringLiteral("1"));
    klik(b.exit);
    QCOMPARE(melding.teksten.size(), 1);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 99);
    QCOMPARE(teller(o)->text(), QStringLiteral("0/99"));
}

// A range typed into one or both fields and applied with Exit: what is stored, and whether the
// drawn list stays. A new highest number clears it, even a fraction that rounds back to the
// stored one; a new lowest alone keeps it. Halves round to even.
void TestConfigToepassen::toepassenBereik_data() {
    QTest::addColumn<QString>("laag"); // empty: left as it is
    QTest::addColumn<QString>("hoog");
    QTest::addColumn<int>("laagste");
    QTest::addColumn<int>("hoogste");
    QTest::addColumn<bool>("lijstBlijft");
    const int min = std::numeric_limits<qint32>::min();
    const int max = std::numeric_limits<qint32>::max();
    QTest::newRow("equal bounds") << "50"
                                  << "50" << 50 << 50 << false;
    QTest::newRow("only the lowest") << "10"
                                     << "" << 10 << 9999 << true;
    QTest::newRow("the stored highest as 9999.0") << ""
                                                  << "9999.0" << 1 << 9999 << true;
    QTest::newRow("a fraction rounding back") << ""
                                              << "9999.4" << 1 << 9999 << false;
    QTest::newRow("12.5 and 13.5") << "12.5"
                                   << "13.5" << 12 << 14 << false;
    QTest::newRow("below and above a half") << "2.49"
                                            << "7.51" << 2 << 8 << false;
    QTest::newRow("negative halves") << "-2.5"
                                     << "-1.5" << -2 << -2 << false;
    QTest::newRow("blanks around") << "  7 "
                                   << " 70" << 7 << 70 << false;
    QTest::newRow("plus sign and exponent") << "+3"
                                            << "1e3" << 3 << 1000 << false;
    QTest::newRow("int32 extremes") << "-2147483648"
                                    << "2147483647.4" << min << max << false;
}

void TestConfigToepassen::toepassenBereik() {
    QFETCH(QString, laag);
    QFETCH(QString, hoog);
    QFETCH(int, laagste);
    QFETCH(int, hoogste);
    QFETCH(bool, lijstBlijft);
    Venster o;
    voegNummersToe(o, {5, 6});
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    Modaal melding;
    for (auto [veld, tekst] : {std::pair{b.combo1, laag}, std::pair{b.combo2, hoog}}) {
        if (tekst.isEmpty())
            continue;
        typ(veld, tekst);
        QCOMPARE(veld->currentText(), tekst);
    }
    klik(b.exit);
    QVERIFY(melding.teksten.isEmpty());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().LaagsteNummer, laagste);
    QCOMPARE(o.inst().HoogsteNummer, hoogste);
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{lijstBlijft ? 2 : 0});
    QCOMPARE(teller(o)->text(), QStringLiteral("0/%1").arg(hoogste));
    QCOMPARE(teller(o)->size(), teller(o)->sizeHint());
}

// The counter shows the draws made so far with the new highest number (the one number of
// the range drawn three times, the list cleared in between).
void TestConfigToepassen::toepassenTellerNaTrekkingen() {
    Venster o(instellingenMetBereik(50, 50));
    Modaal uitgeput; // the range is exhausted after every draw
    trek(o, 3);
    QCOMPARE(o.trekking().aantalTrekkingen(), 3);
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    typ(b.combo2, QStringLiteral("99"));
    klik(b.exit);
    QCOMPARE(teller(o)->text(), QStringLiteral("3/99"));
}

void TestConfigToepassen::toepassenTellerPlaatjesrollers() {
    Venster o;
    o.instellingen().kiesRolSoort(1);
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    // Scored behind the dialog: every number of 111 to 111 is three of a kind.
    o.instellingen().zetBereik(111, 111);
    trek(o, 1);
    const int score = o.trekking().totaalScore();
    QVERIFY(score > 0);
    typ(b.combo2, QStringLiteral("800"));
    klik(b.exit);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().LaagsteNummer, 100);
    QCOMPARE(o.inst().HoogsteNummer, 800);
    QCOMPARE(teller(o)->text(), QString::number(score));
}

void TestConfigToepassen::toepassenTitel() {
    Venster o;
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    const QString titel = QStringLiteral("Grote, \"Kerst\" Loterij");
    typ(b.titel, titel);
    QCOMPARE(b.titel->text(), titel);
    // Typing alone changes nothing.
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(logo(o, 1)->text(), QStringLiteral("Quintaro"));
    klik(b.exit);
    QCOMPARE(o.inst().TitelTekst, titel);
    QCOMPARE(logo(o, 1)->text(), titel);
    QCOMPARE(logo(o, 2)->text(), titel);
    // Centred; the coloured title 60 twips (4 pixels) left of its shadow.
    const QLabel* l1 = logo(o, 1);
    const QLabel* l2 = logo(o, 2);
    QCOMPARE(l1->width(), l1->sizeHint().width());
    QVERIFY(qAbs(l1->x() + l1->width() / 2 - 512) <= 1);
    QVERIFY(qAbs((l1->x() - l2->x()) - 4) <= 1);
}

void TestConfigToepassen::toepassenLegeTitel() {
    Venster o;
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    typ(b.titel, QString());
    klik(b.exit);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().TitelTekst, QString());
    QCOMPARE(logo(o, 1)->text(), QString());
    QCOMPARE(logo(o, 2)->text(), QString());
}

void TestConfigToepassen::toepassenOngeldigVeld_data() {
    QTest::addColumn<int>("veld");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("reden");
    const QString geen = QStringLiteral("Geen getal");
    const QString buiten = QStringLiteral("Buiten het bereik");
    const QString leeg = QStringLiteral("Vul een getal in");
    for (int veld : {1, 2}) {
        const QByteArray v = QByteArray::number(veld);
        QTest::newRow(v + " empty") << veld << "" << leeg;
        QTest::newRow(v + " blanks") << veld << "   " << leeg;
        QTest::newRow(v + " text") << veld << "veel" << geen;
        QTest::newRow(v + " decimal comma") << veld << "12,5" << geen;
        QTest::newRow(v + " trailing text") << veld << "12abc" << geen;
        QTest::newRow(v + " nan") << veld << "nan" << geen;
        QTest::newRow(v + " above int32") << veld << "2147483648" << buiten;
        QTest::newRow(v + " rounds above int32") << veld << "2147483647.5" << buiten;
        QTest::newRow(v + " below int32") << veld << "-2147483649" << buiten;
        QTest::newRow(v + " huge") << veld << "1e400" << buiten;
        QTest::newRow(v + " inf") << veld << "inf" << buiten;
    }
}

void TestConfigToepassen::toepassenOngeldigVeld() {
    QFETCH(int, veld);
    QFETCH(QString, tekst);
    QFETCH(QString, reden);
    Venster o;
    voegNummersToe(o, {8, 9});
    const QString tellerVoor = teller(o)->text();
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    Modaal melding;
    QComboBox* fout = veld == 1 ? b.combo1 : b.combo2;
    QComboBox* goed = veld == 1 ? b.combo2 : b.combo1;
    // The other field holds a new, valid highest (or lowest) number.
    typ(goed, veld == 1 ? QStringLiteral("500") : QStringLiteral("5"));
    typ(fout, tekst);
    QCOMPARE(fout->currentText(), tekst);
    typ(b.titel, QStringLiteral("Nieuw"));
    klik(b.exit);

    QVERIFY(dlg.isVisible());
    QVERIFY(melding.teksten.isEmpty());
    QVERIFY(Config::isGemarkeerd(fout));
    QVERIFY(!Config::isGemarkeerd(goed));
    QVERIFY2(fout->toolTip().startsWith(reden), qPrintable(fout->toolTip()));
    QVERIFY(!fout->styleSheet().isEmpty());
    QVERIFY(heeftFocus(dlg, fout));
    // Nothing stored, nothing cleared.
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{2});
    QCOMPARE(teller(o)->text(), tellerVoor);
    QCOMPARE(logo(o, 1)->text(), QStringLiteral("Quintaro"));

    // Corrected, the same click applies.
    typ(fout, veld == 1 ? QStringLiteral("3") : QStringLiteral("600"));
    klik(b.exit);
    QVERIFY(!dlg.isVisible());
    QVERIFY(!Config::isGemarkeerd(fout));
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Nieuw"));
}

void TestConfigToepassen::toepassenBeideVeldenOngeldig() {
    Venster o;
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    typ(b.combo1, QStringLiteral("x"));
    typ(b.combo2, QString());
    klik(b.exit);
    QVERIFY(dlg.isVisible());
    QVERIFY(Config::isGemarkeerd(b.combo1));
    QVERIFY(Config::isGemarkeerd(b.combo2));
    QVERIFY(heeftFocus(dlg, b.combo1));

    // Mending one leaves the other marked and the focus on it.
    typ(b.combo1, QStringLiteral("4"));
    klik(b.exit);
    QVERIFY(dlg.isVisible());
    QVERIFY(!Config::isGemarkeerd(b.combo1));
    QVERIFY(Config::isGemarkeerd(b.combo2));
    QVERIFY(heeftFocus(dlg, b.combo2));
    QCOMPARE(o.inst().LaagsteNummer, 1);
}

void TestConfigToepassen::markeringVerdwijntBijTypen() {
    Venster o;
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    typ(b.combo2, QStringLiteral("?"));
    klik(b.exit);
    QVERIFY(Config::isGemarkeerd(b.combo2));
    // One more key at the end of the marked text.
    QTest::keyClick(b.combo2->lineEdit(), Qt::Key_End);
    QTest::keyClick(b.combo2->lineEdit(), Qt::Key_1);
    QCOMPARE(b.combo2->currentText(), QStringLiteral("?1"));
    QVERIFY(!Config::isGemarkeerd(b.combo2));
    QVERIFY(b.combo2->toolTip().isEmpty());
    QVERIFY(b.combo2->styleSheet().isEmpty());
    QVERIFY(dlg.isVisible());
}

void TestConfigToepassen::sluitenZonderExitPastNietsToe() {
    Venster o;
    voegNummersToe(o, {1});
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    typ(b.combo1, QStringLiteral("40"));
    typ(b.combo2, QStringLiteral("50"));
    typ(b.titel, QStringLiteral("Niet bewaard"));
    b.pauze->setValue(7); // a live change
    QVERIFY(dlg.close());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(o.inst().LaagsteNummer, 1);
    QCOMPARE(o.inst().HoogsteNummer, 9999);
    QCOMPARE(o.inst().TitelTekst, QStringLiteral("Quintaro"));
    QCOMPARE(o.trekking().lijst().aantal(), qsizetype{1});
    QCOMPARE(o.inst().PauzeSeconden, quint8(7));
}

void TestConfigToepassen::exitMetToetsenbord() {
    Venster o;
    Dialoog dialoog(o, true);
    auto& [paden, dlg, b] = dialoog;
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QCOMPARE(QApplication::focusWidget(), b.exit);
    // Enter on a focused Reset presses Reset, not Exit.
    b.kleurBalk(1)->setValue(3);
    b.reset->setFocus();
    QTest::keyClick(b.reset, Qt::Key_Return);
    QVERIFY(dlg.isVisible());
    QCOMPARE(o.inst().KleurRood, 220.0);
    typ(b.combo2, QStringLiteral("300"));
    b.exit->setFocus();
    QTest::keyClick(b.exit, Qt::Key_Space);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(o.inst().HoogsteNummer, 300);

    // Enter in a range field applies as well.
    Config dlg2(o.instellingen(), paden, o.w.get());
    const Besturing b2(&dlg2);
    dlg2.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg2));
    typ(b2.combo1, QStringLiteral("30"));
    QTest::keyClick(b2.combo1->lineEdit(), Qt::Key_Return);
    QVERIFY(!dlg2.isVisible());
    QCOMPARE(o.inst().LaagsteNummer, 30);
    QCOMPARE(b2.combo1->count(), 1000); // nothing typed is added to the list
}

QTEST_MAIN(TestConfigToepassen)
#include "test_config_toepassen.moc"
