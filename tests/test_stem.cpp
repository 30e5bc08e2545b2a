// The voice: what is said when a number is listed, and when; the switch, the sound switch
// and the real speech class without an engine.
#include "common/spraakspreker.h"
#include "common/stem.h"
#include "common/stemkeuze.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

// Notes what would be said, in which language and when, instead of speaking.
class OpnameSpreker : public Spreker {
public:
    struct Zin {
        QString tekst;
        QLocale taal;
        qint64 ms;
    };
    void zeg(const QString& tekst, const QLocale& taal) override {
        zinnen.append({tekst, taal, klok.elapsed()});
    }
    void zwijg() override { ++gezwegen; }
    void voorbereiden() override { ++voorbereid; }
    QStringList teksten() const {
        QStringList uit;
        for (const Zin& z : zinnen)
            uit << z.tekst;
        return uit;
    }
    QList<Zin> zinnen;
    int gezwegen = 0;
    int voorbereid = 0;
    QElapsedTimer klok;
    OpnameSpreker() { klok.start(); }
};

} // namespace

class TestStem : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void offByDefaultAndSwitched() {
        OpnameSpreker s;
        Stem stem(s);
        QVERIFY(!stem.aan());
        QCOMPARE(stem.nummerGelijst(27, 0), QString());
        QVERIFY(s.zinnen.isEmpty());

        stem.wissel();
        QVERIFY(stem.aan());
        QCOMPARE(s.voorbereid, 1); // the engine is readied as the voice is switched on
        QCOMPARE(stem.nummerGelijst(27, 0), QStringLiteral("zevenentwintig"));
        stem.zetAan(true); // no second readying
        QCOMPARE(s.voorbereid, 1);
        stem.wissel();
        QCOMPARE(s.gezwegen, 1); // switching off cuts off what is being said
        QCOMPARE(stem.nummerGelijst(28, 0), QString());
        QCOMPARE(s.teksten(), QStringList{QStringLiteral("zevenentwintig")});
    }

    // Each listed number is handed over during the call that lists it, in the interface
    // language, in the order listed.
    void saysEachListedNumberAtOnce() {
        OpnameSpreker s;
        Stem stem(s, {}, QLocale(QLocale::English));
        stem.zetAan(true);
        for (qint32 n : {27, 101, -5, 2000}) {
            const qint64 voor = s.klok.elapsed();
            const int aantal = static_cast<int>(s.zinnen.size());
            stem.nummerGelijst(n, 0);
            QCOMPARE(s.zinnen.size(), aantal + 1);
            QVERIFY(s.zinnen.last().ms >= voor && s.zinnen.last().ms <= s.klok.elapsed());
            QCOMPARE(s.zinnen.last().taal.language(), QLocale::English);
        }
        QCOMPARE(s.teksten(),
                 (QStringList{"twenty-seven", "one hundred one", "minus five", "two thousand"}));
        stem.setTaal(QLocale(QLocale::Dutch, QLocale::Netherlands));
        stem.nummerGelijst(22, 0);
        QCOMPARE(s.zinnen.last().tekst, QStringLiteral("tweeëntwintig"));
        QCOMPARE(s.zinnen.last().taal.language(), QLocale::Dutch);
    }

    void pictureRollersSayThePoints() {
        OpnameSpreker s;
        Stem stem(s);
        stem.zetAan(true);
        QCOMPARE(stem.nummerGelijst(4321, 1, 8), QStringLiteral("acht punten"));
        QCOMPARE(stem.nummerGelijst(1234, 1, 0), QString()); // nothing won: nothing said
        QCOMPARE(stem.nummerGelijst(1111, 1, 1), QStringLiteral("één punt"));
        QCOMPARE(s.teksten(), (QStringList{"acht punten", "één punt"}));
        QCOMPARE(Stem::tekst(4321, 1, 50, QLocale(QLocale::English)),
                 QStringLiteral("fifty points"));
    }

    // A raffle's ticket: its set's name as the file writes it, in lower case, and its number
    // in words; a set without a name gives the number alone.
    void saysARaffleTicket_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<qint32>("nummer");
        QTest::addColumn<QLocale>("taal");
        QTest::addColumn<QString>("verwacht");
        const QLocale nl(QLocale::Dutch);
        const QLocale en(QLocale::English);
        QTest::newRow("nl") << "Roze" << 123 << nl << "roze honderddrieëntwintig";
        QTest::newRow("en, the name as written")
            << "Pink" << 123 << en << "pink one hundred twenty-three";
        QTest::newRow("en, a Dutch name") << "Blauw" << 21 << en << "blauw twenty-one";
        QTest::newRow("capitals and spaces") << "  GROTE Roze " << 1 << nl << "grote roze één";
        QTest::newRow("no name, nl") << "" << 10500 << nl << "tienduizend vijfhonderd";
        QTest::newRow("no name, en") << "" << 7 << en << "seven";
    }
    void saysARaffleTicket() {
        QFETCH(QString, naam);
        QFETCH(qint32, nummer);
        QFETCH(QLocale, taal);
        QFETCH(QString, verwacht);
        QCOMPARE(Stem::lotTekst(naam, nummer, taal), verwacht);
        OpnameSpreker s;
        Stem stem(s, {}, taal);
        QCOMPARE(stem.lotGelijst(naam, nummer), QString()); // the voice is off
        stem.zetAan(true);
        QCOMPARE(stem.lotGelijst(naam, nummer), verwacht);
        QCOMPARE(s.teksten(), QStringList{verwacht});
        QCOMPARE(s.zinnen.last().taal.language(), taal.language());
    }

    void silentWhileTheSoundIsOff() {
        OpnameSpreker s;
        bool geluid = false;
        Stem stem(s, [&geluid] { return geluid; });
        stem.zetAan(true);
        QCOMPARE(stem.nummerGelijst(7, 0), QString());
        QVERIFY(s.zinnen.isEmpty());
        geluid = true;
        QCOMPARE(stem.nummerGelijst(7, 0), QStringLiteral("zeven"));
        QCOMPARE(s.zinnen.size(), 1);
        QVERIFY(stem.aan()); // the voice switch itself is left as it was
    }

    // The real speech class with an engine that does not exist: nothing is spoken, nothing
    // reported to the user, and the caller is answered through the engine thread.
    void missingEngineIsSilent() {
        SpraakSpreker spreker(QStringLiteral("geen-zulke-engine"));
        QSignalSpy gereed(&spreker, &SpraakSpreker::gereed);
        QSignalSpy doorgegeven(&spreker, &SpraakSpreker::doorgegeven);
        spreker.zeg(QStringLiteral("zeven"), QLocale(QLocale::Dutch));
        spreker.zeg(QStringLiteral("acht"), QLocale(QLocale::Dutch));
        QTRY_COMPARE(doorgegeven.size(), 2);
        QCOMPARE(gereed.size(), 1);
        QCOMPARE(gereed.first().at(0).toString(), QString());
        QCOMPARE(doorgegeven.at(0).at(0).toString(), QStringLiteral("zeven"));
        QCOMPARE(doorgegeven.at(1).at(0).toString(), QStringLiteral("acht"));
        QCOMPARE(doorgegeven.at(1).at(1).toString(), QString()); // no voice
        spreker.zwijg();
    }

    // Switched on through the voice, the real class makes its engine once, in the background.
    void readyingMakesTheEngineOnce() {
        SpraakSpreker spreker(QStringLiteral("geen-zulke-engine"));
        QSignalSpy gereed(&spreker, &SpraakSpreker::gereed);
        QSignalSpy doorgegeven(&spreker, &SpraakSpreker::doorgegeven);
        Stem stem(spreker);
        stem.zetAan(true);
        QTRY_COMPARE(gereed.size(), 1);
        stem.nummerGelijst(3, 0);
        stem.zetAan(false);
        stem.zetAan(true);
        stem.nummerGelijst(4, 0);
        // The engine thread answers in order: once the second text is through, so is the
        // second readying.
        QTRY_COMPARE(doorgegeven.size(), 2);
        QCOMPARE(gereed.size(), 1);
    }

    // Which language variant reads the numbers out: the system's country, then the one the
    // language has of itself, then a plain one; never another language.
    void variantOfTheSystemFirst_data() {
        QTest::addColumn<QStringList>("beschikbaar");
        QTest::addColumn<QString>("taal");
        QTest::addColumn<QString>("systeem");
        QTest::addColumn<QString>("gekozen"); // empty: none
        const QStringList engels{"en_029", "en_GB", "en_US", "nl_NL"};
        QTest::newRow("British system") << engels << "en"
                                        << "en_GB"
                                        << "en_GB";
        QTest::newRow("American system") << engels << "en"
                                         << "en_US"
                                         << "en_US";
        QTest::newRow("Dutch system: English's own") << engels << "en"
                                                     << "nl_NL"
                                                     << "en_US";
        QTest::newRow("Australian system, none of it") << engels << "en"
                                                       << "en_AU"
                                                       << "en_US";
        QTest::newRow("only Caribbean and plain") << QStringList{"en_JM", "en"} << "en"
                                                  << "de_DE"
                                                  << "en_US";
        QTest::newRow("Flemish system") << QStringList{"nl_NL", "nl_BE"} << "nl"
                                        << "nl_BE"
                                        << "nl_BE";
        QTest::newRow("Dutch, system English") << QStringList{"nl_BE", "nl_NL"} << "nl"
                                               << "en_GB"
                                               << "nl_NL";
        QTest::newRow("no Dutch voice") << engels.mid(0, 3) << "nl"
                                        << "nl_NL"
                                        << "";
    }
    void variantOfTheSystemFirst() {
        QFETCH(QStringList, beschikbaar);
        QFETCH(QString, taal);
        QFETCH(QString, systeem);
        QFETCH(QString, gekozen);
        QList<QLocale> talen;
        for (const QString& t : beschikbaar)
            talen << QLocale(t);
        const std::optional<QLocale> keuze =
            StemKeuze::taal(talen, QLocale(taal), QLocale(systeem));
        QCOMPARE(keuze ? keuze->name() : QString(),
                 gekozen.isEmpty() ? QString() : QLocale(gekozen).name());
    }

    // Of one language's voices, the one that names the country, else one that names no other.
    void voiceOfTheCountry_data() {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QString>("taal");
        QTest::addColumn<int>("index");
        const QStringList espeak{"English_(Caribbean)", "English_(America)", "us-mbrola-2"};
        QTest::newRow("America") << espeak << "en_US" << 1;
        QTest::newRow("Great Britain")
            << QStringList{"English_(Scotland)", "English_(Great_Britain)"} << "en_GB" << 1;
        QTest::newRow("no name for it: one without another country")
            << QStringList{"English_(Caribbean)", "us-mbrola-2"} << "en_US" << 1;
        QTest::newRow("names say nothing") << QStringList{"male1", "female1"} << "en_US" << -1;
        QTest::newRow("only other countries")
            << QStringList{"English_(Caribbean)", "English_(Scotland)"} << "en_US" << -1;
    }
    void voiceOfTheCountry() {
        QFETCH(QStringList, namen);
        QFETCH(QString, taal);
        QTEST(static_cast<int>(StemKeuze::stem(namen, QLocale(taal))), "index");
    }
};

QTEST_GUILESS_MAIN(TestStem)
#include "test_stem.moc"
