#include "common/pauze.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class TestPause : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void waitsAtLeastTheDurationWhileEventsRun() {
        Pauze pauze;
        int tikken = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++tikken; });
        timer.start(10);
        QElapsedTimer klok;
        klok.start();
        QVERIFY(pauze.Wacht(0.2));
        QVERIFY(klok.elapsed() >= 200);
        QVERIFY2(tikken >= 5, qPrintable(QString::number(tikken)));
    }

    void zeroOrLessReturnsAtOnceWithoutEvents() {
        Pauze pauze;
        bool gelopen = false;
        QTimer::singleShot(0, [&] { gelopen = true; });
        QVERIFY(pauze.Wacht(0));
        QVERIFY(pauze.Wacht(-3));
        QVERIFY(!gelopen);
        QTRY_VERIFY(gelopen);
    }

    void nestedPauseEndsTheOuterOneAfterIt() {
        Pauze pauze;
        pauze.setTijdSchaal(0.1);
        QElapsedTimer klok;
        klok.start();
        qint64 binnenKlaar = -1;
        QTimer::singleShot(5, [&] {
            pauze.Wacht(1.0); // 100 ms, longer than what the outer pause has left
            binnenKlaar = klok.elapsed();
        });
        pauze.Wacht(0.5); // 50 ms
        QVERIFY(binnenKlaar >= 100);
        QVERIFY(klok.elapsed() >= binnenKlaar);
    }

    void closingIsReportedAndEndsThePauses() {
        Pauze pauze;
        bool buitenVerder = true;
        QTimer::singleShot(10, [&] {
            pauze.beginAfsluiten();
            // The closing sequence's own pauses still wait.
            QElapsedTimer k;
            k.start();
            QVERIFY(!pauze.Wacht(0.05));
            QVERIFY(k.elapsed() >= 50);
            pauze.stopAlles();
        });
        QElapsedTimer klok;
        klok.start();
        buitenVerder = pauze.Wacht(30);
        QVERIFY(!buitenVerder);
        QVERIFY(klok.elapsed() < 5000);
    }
};

QTEST_GUILESS_MAIN(TestPause)
#include "test_pause.moc"
