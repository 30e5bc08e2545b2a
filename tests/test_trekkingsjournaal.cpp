// The journal on disk: a session's lines and their chain, the key file's permissions, a torn
// last line after a crash, journals that cannot be written, and what a restart with --hervat
// gets back. Every journal made here must pass the checker.
#include "journaal/hervatting.h"
#include "journaal/journaalcontrole.h"
#include "journaal/trekkingsboek.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using Soort = Journaalrecord::Soort;

QByteArray lees(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void voegToe(const QString& pad, const QByteArray& bytes) {
    QFile f(pad);
    QVERIFY(f.open(QIODevice::Append));
    QCOMPARE(f.write(bytes), bytes.size());
}

std::vector<Journaalrecord> records(const QString& pad) {
    std::vector<Journaalrecord> uit;
    for (const QByteArray& regel : lees(pad).split('\n')) {
        if (const auto r = Journaalrecord::lees(regel))
            uit.push_back(*r);
    }
    return uit;
}

int rechten(const QString& pad) {
    struct stat info;
    return ::stat(QFile::encodeName(pad).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// Draws `aantal` numbers as the window does, clearing and beginning anew on exhaustion.
std::vector<qint32> trek(Trekkingsboek& boek, int aantal, qint32& teller) {
    std::vector<qint32> uit;
    for (int i = 0; i < aantal; ++i) {
        ++teller;
        if (!boek.volgende()) {
            const Trekkingsreeks& r = boek.reeks();
            const qint32 laag = r.laagste(), hoog = r.hoogste();
            const int soort = r.rolSoort();
            boek.lijstGewist(Journaalrecord::Reden::Uitgeput);
            boek.begin(laag, hoog, soort, {}, teller);
        }
        uit.push_back(boek.legVast(teller));
    }
    return uit;
}

struct Map {
    QTemporaryDir dir;
    QString journaal() const { return dir.filePath(QStringLiteral("Trekkingsjournaal.jsonl")); }
    QString sleutel() const { return dir.filePath(QStringLiteral("Trekkingsjournaal.sleutel")); }
    Controleuitslag controle() const { return Journaalcontrole::controleer(journaal()); }
};

} // namespace

class TestTrekkingsjournaal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sessieSchrijftKetenEnSleutel() {
        Map m;
        qint32 teller = 0;
        QString toezegging;
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.begin(1, 5, 0);
            QVERIFY(boek.wachtOpSchijf());
            toezegging = boek.reeks().toezegging();
            QCOMPARE(rechten(m.sleutel()), 0600);
            QVERIFY(lees(m.sleutel()).contains(boek.reeks().sleutel().toHex()));
            QVERIFY(boek.zetPubliekeInvoer(QStringLiteral("rij 4, \"stoel\" 12")));
            trek(boek, 7, teller);
            boek.vervallen(0, QStringLiteral("lot niet afgehaald"));
            boek.sluit();
            boek.sluit(); // once
        }
        QVERIFY(!QFile::exists(m.sleutel()));
        const QByteArray inhoud = lees(m.journaal());
        QVERIFY(inhoud.endsWith('\n'));
        const QList<QByteArray> regels = inhoud.chopped(1).split('\n');
        std::vector<Soort> soorten;
        QByteArray vorige(64, '0');
        for (const QByteArray& regel : regels) {
            const auto r = Journaalrecord::lees(regel);
            QVERIFY2(r, regel.constData());
            QCOMPARE(r->vorige, vorige);
            QCOMPARE(r->regel(), regel); // written in the documented form
            vorige = QCryptographicHash::hash(regel, QCryptographicHash::Sha256).toHex();
            soorten.push_back(r->soort);
        }
        const std::vector<Soort> verwacht = {
            Soort::Start,    Soort::Reeks,     Soort::Invoer,   Soort::Trekking,
            Soort::Trekking, Soort::Trekking,  Soort::Trekking, Soort::Trekking,
            Soort::Gewist,   Soort::Sleutel,   Soort::Reeks,    Soort::Trekking,
            Soort::Trekking, Soort::Vervallen, Soort::Sleutel,  Soort::Einde};
        QCOMPARE(soorten, verwacht);
        const auto alle = records(m.journaal());
        QCOMPARE(alle[1].toezegging, toezegging.toLatin1());
        QCOMPARE(Trekkingsreeks::toezeggingVan(QByteArray::fromHex(alle[9].sleutel)), toezegging);
        QCOMPARE(alle[12].teller, 7);
        const Controleuitslag uit = m.controle();
        QCOMPARE(uit.oordeel, Controleuitslag::Oordeel::Goed);
        QCOMPARE(uit.nagerekend, qint64{7});
        QCOMPARE(uit.aantalReeksen, qint64{2});
    }

    void sleutelbestandIsPrive() {
        Map m;
        const mode_t oud = ::umask(0);
        voegToe(m.sleutel(), "oud\n");
        QFile(m.sleutel()).setPermissions(QFileDevice::Permissions(0x6666));
        const Sleutelbestand bestand(m.sleutel());
        const QByteArray key = QByteArray::fromHex(QByteArray(64, 'a'));
        QVERIFY(bestand.bewaar(3, key));
        ::umask(oud);
        QCOMPARE(rechten(m.sleutel()), 0600);
        const auto terug = bestand.lees();
        QVERIFY(terug && terug->reeks == 3 && terug->sleutel == key);
        // A key that does not match the commitment beside it is not taken.
        QByteArray inhoud = lees(m.sleutel());
        inhoud[inhoud.size() - 2] = 'b';
        QFile::remove(m.sleutel());
        voegToe(m.sleutel(), inhoud);
        QVERIFY(!bestand.lees());
        QVERIFY(bestand.wis());
        QVERIFY(!QFile::exists(m.sleutel()) && bestand.wis());
    }

    void gescheurdeRegelNaCrash() {
        Map m;
        qint32 teller = 0;
        std::vector<qint32> eerst;
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.begin(1, 50, 0);
            eerst = trek(boek, 6, teller);
        } // no sluit(): the program died
        const QByteArray gescheurd = "{\"soort\":\"trekking\",\"tijd\":\"2024";
        voegToe(m.journaal(), gescheurd);
        const qint64 regel = lees(m.journaal()).count('\n') + 1;
        QCOMPARE(m.controle().oordeel, Controleuitslag::Oordeel::Fout);
        QCOMPARE(m.controle().regel, regel);
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            QCOMPARE(boek.journaal().gescheurdeRegel(), regel);
            boek.begin(1, 50, 0); // without --hervat: the old key is revealed first
            trek(boek, 3, teller);
            boek.sluit();
        }
        const QList<QByteArray> regels = lees(m.journaal()).split('\n');
        QCOMPARE(regels[regel - 1], gescheurd); // kept as it was
        const auto start = Journaalrecord::lees(regels[regel]);
        QVERIFY(start && start->soort == Soort::Start && start->gescheurd == regel);
        QCOMPARE(start->vorige,
                 QCryptographicHash::hash(gescheurd, QCryptographicHash::Sha256).toHex());
        const auto volgende = Journaalrecord::lees(regels[regel + 1]);
        QVERIFY(volgende && volgende->soort == Soort::Sleutel && volgende->reeks == 1);
        QCOMPARE(m.controle().oordeel, Controleuitslag::Oordeel::Goed);
    }

    // Nothing stops the draw: no folder, a folder as the file, a journal in use, a full disk.
    void onschrijfbaarJournaal() {
        Map m;
        for (const QString& pad :
             {m.dir.filePath(QStringLiteral("ontbreekt/j.jsonl")), m.dir.path()}) {
            Trekkingsboek boek(pad, m.sleutel());
            boek.begin(1, 10, 0);
            QVERIFY(!boek.wordtBijgehouden());
            QVERIFY(!boek.journaal().fout().isEmpty());
            qint32 teller = 0;
            QCOMPARE(trek(boek, 12, teller).size(), std::size_t{12});
            boek.sluit();
        }
        {
            Trekkingsboek eerste(m.journaal(), m.sleutel());
            Trekkingsboek tweede(m.journaal(), m.dir.filePath(QStringLiteral("ander.sleutel")));
            QVERIFY(eerste.wordtBijgehouden() && !tweede.wordtBijgehouden());
            eerste.begin(1, 10, 0);
            eerste.sluit();
        }
        QCOMPARE(m.controle().oordeel, Controleuitslag::Oordeel::Goed);

        // A full disk: the file may not grow beyond a few hundred bytes more.
        const auto vorigSignaal = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit oud;
        ::getrlimit(RLIMIT_FSIZE, &oud);
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.begin(1, 1000, 0);
            struct rlimit krap = oud;
            // In the middle of the fourth draw's line (each is some 170 bytes long).
            krap.rlim_cur = static_cast<rlim_t>(QFileInfo(m.journaal()).size() + 590);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &krap), 0);
            qint32 teller = 0;
            QCOMPARE(trek(boek, 20, teller).size(), std::size_t{20});
            QVERIFY(!boek.wachtOpSchijf());
            ::setrlimit(RLIMIT_FSIZE, &oud);
        }
        std::signal(SIGXFSZ, vorigSignaal);
        QVERIFY(QFileInfo(m.journaal()).size() < 5000);
        // The draw written part-way was cut off again; its series' key was withdrawn.
        QVERIFY(lees(m.journaal()).endsWith('\n'));
        QVERIFY(!QFile::exists(m.sleutel()));
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            QCOMPARE(boek.journaal().gescheurdeRegel(), qint64{0});
            boek.begin(1, 10, 0);
            boek.sluit();
        }
        QCOMPARE(m.controle().oordeel, Controleuitslag::Oordeel::Goed);
    }

    void hervattingGaatDoor() {
        Map m;
        qint32 teller = 0;
        std::vector<qint32> voor;
        QByteArray key;
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.begin(1, 100, 0);
            key = boek.reeks().sleutel();
            boek.zetPubliekeInvoer(QStringLiteral("zaal"));
            voor = trek(boek, 10, teller);
            boek.zetBereik(5, 100);
            const auto meer = trek(boek, 5, teller);
            voor.insert(voor.end(), meer.begin(), meer.end());
        } // died
        Hervatting h = Hervatting::lees(m.journaal(), m.sleutel());
        QCOMPARE(h.soort, Hervatting::Soort::Doorgaan);
        QCOMPARE(h.reeksNummer, qint64{1});
        QCOMPARE(h.lijst, voor);
        QCOMPARE(h.teller, 15);
        QCOMPARE(h.laagste, 5);
        QVERIFY(h.reeks && h.reeks->sleutel() == key && h.reeks->index() == 15);
        QCOMPARE(h.reeks->getrokken(), voor);
        QCOMPARE(h.reeks->publiekeInvoer(), QByteArray("zaal"));
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.hervat(std::move(*h.reeks), h.reeksNummer, h.teller, h.score);
            const auto na = trek(boek, 20, teller);
            boek.sluit();
            std::set<qint32> alle(voor.begin(), voor.end());
            alle.insert(na.begin(), na.end());
            QCOMPARE(alle.size(), std::size_t{35}); // none came twice
        }
        QCOMPARE(m.controle().oordeel, Controleuitslag::Oordeel::Goed);
        QCOMPARE(m.controle().nagerekend, qint64{35});
    }

    // After a normal close the key is spent: a new series carries the list over.
    void hervattingNaSluitenEnZonderSleutel() {
        Map m;
        qint32 teller = 0;
        std::vector<qint32> voor;
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.begin(1, 20, 0);
            voor = trek(boek, 5, teller);
            boek.sluit();
        }
        const Hervatting h = Hervatting::lees(m.journaal(), m.sleutel());
        QCOMPARE(h.soort, Hervatting::Soort::NieuweReeks);
        QVERIFY(!h.reeks);
        QCOMPARE(h.sleutelfout, Hervatting::Sleutelfout::Geen);
        QCOMPARE(h.lijst, voor);
        QCOMPARE(h.teller, 5);
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.begin(h.laagste, h.hoogste, h.rolSoort, h.lijst, h.teller);
            while (boek.volgende())
                boek.legVast(++teller);
            std::vector<qint32> lijst = boek.reeks().getrokken();
            std::sort(lijst.begin(), lijst.end());
            QCOMPARE(lijst.size(), std::size_t{20});
            QVERIFY(std::adjacent_find(lijst.begin(), lijst.end()) == lijst.end());
        }                           // died
        QFile::remove(m.sleutel()); // and the key is lost
        const Hervatting zonder = Hervatting::lees(m.journaal(), m.sleutel());
        QCOMPARE(zonder.soort, Hervatting::Soort::NieuweReeks);
        QCOMPARE(zonder.sleutelfout, Hervatting::Sleutelfout::Ontbreekt);
        QCOMPARE(zonder.lijst.size(), std::size_t{20});
        const Controleuitslag uit = m.controle();
        QCOMPARE(uit.oordeel, Controleuitslag::Oordeel::NogNietControleerbaar);
        QCOMPARE(uit.nietOnthuld, std::vector<qint64>{2});
        QCOMPARE(uit.eindCode(), 3);
    }

    void hervattingAfbeeldingenEnGewist() {
        Map m;
        QCOMPARE(Hervatting::lees(m.journaal(), m.sleutel()).soort, Hervatting::Soort::Niets);
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.begin(1, 9999, 1);
            boek.legVast(1, 10, 10);
            boek.legVast(2, 0, 10);
            boek.legVast(3, 25, 35);
        }
        Hervatting h = Hervatting::lees(m.journaal(), m.sleutel());
        QCOMPARE(h.soort, Hervatting::Soort::Doorgaan);
        QCOMPARE(h.rolSoort, 1);
        QCOMPARE(h.score, 35);
        QCOMPARE(h.teller, 3);
        {
            Trekkingsboek boek(m.journaal(), m.sleutel());
            boek.hervat(std::move(*h.reeks), h.reeksNummer, h.teller, h.score);
            boek.lijstGewist(Journaalrecord::Reden::RolSoort);
        } // died before the next series began
        h = Hervatting::lees(m.journaal(), m.sleutel());
        QCOMPARE(h.soort, Hervatting::Soort::NieuweReeks);
        QVERIFY(h.lijst.empty());
        QCOMPARE(h.rolSoort, 0);
        QCOMPARE(h.score, 0);
        QCOMPARE(m.controle().oordeel, Controleuitslag::Oordeel::Goed);
    }
};

QTEST_APPLESS_MAIN(TestTrekkingsjournaal)
#include "test_trekkingsjournaal.moc"
