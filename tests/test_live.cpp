// The live view as the hall, the people at home and a streaming program meet it: the real
// program with --web, its pages in a real browser (headless Chromium, skipped where there is
// none), its journal checked by the published checker, its QR code read by zbarimg, and what
// malformed and hostile clients do to it: nothing, the program keeps drawing. Loopback only.
#include "chromium.h"
#include "common/instellingen.h"
#include "kindproces.h"
#include "live/liveadres.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

quint16 vrijePoort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

// The real program with the live view, in a folder of its own, drawing `trekkingen` times at
// `tempo` of the real pace.
struct Programma {
    QTemporaryDir map;
    QProcess proces;
    quint16 poort = vrijePoort();
    QNetworkAccessManager net;

    // `hoogste`: the range 1 to it; 0 keeps the default range. `meer`: further arguments.
    Programma(int trekkingen, double tempo, qint32 hoogste = 0, const QStringList& meer = {}) {
        if (hoogste > 0) {
            Instellingen inst;
            inst.HoogsteNummer = hoogste;
            QFile ini(map.filePath(QStringLiteral("Quintaro.ini")));
            if (ini.open(QIODevice::WriteOnly))
                ini.write(instellingenBestandInhoud(inst));
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUINTARO_AUTODRAW"), QString::number(trekkingen));
        env.insert(QStringLiteral("QUINTARO_TIJDSCHAAL"), QString::number(tempo));
        proces.setProcessEnvironment(env);
        proces.start(programma(),
                     QStringList{QStringLiteral("--dir"), map.path(), QStringLiteral("--web"),
                                 QStringLiteral("127.0.0.1:%1").arg(poort)} +
                         meer);
    }
    ~Programma() {
        proces.terminate();
        proces.waitForFinished(10000);
    }
    QString url(const QString& pad) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(poort).arg(pad);
    }
    // A request as a browser makes it; the status code and the body.
    std::pair<int, QByteArray> vraag(const QString& pad, const QByteArray& methode = "GET") {
        QNetworkRequest verzoek{QUrl(url(pad))};
        std::unique_ptr<QNetworkReply> antwoord(net.sendCustomRequest(verzoek, methode));
        QSignalSpy klaar(antwoord.get(), &QNetworkReply::finished);
        klaar.wait(5000);
        return {antwoord->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                antwoord->readAll()};
    }
    QJsonObject stand() {
        return QJsonDocument::fromJson(vraag(QStringLiteral("/stand.json")).second).object();
    }
    int getrokken() {
        return static_cast<int>(stand()[QStringLiteral("getrokken")].toArray().size());
    }
    bool wachtOp(int aantal, int ms = 30000) {
        for (int t = 0; t < ms; t += 100) {
            if (getrokken() >= aantal)
                return true;
            QTest::qWait(100);
        }
        return false;
    }
};

// What the server answers to raw bytes: its status line, or empty when it closes.
QByteArray ruw(quint16 poort, const QByteArray& verzoek) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, poort);
    if (!s.waitForConnected(3000))
        return "geen verbinding";
    s.write(verzoek);
    s.waitForBytesWritten(3000);
    QByteArray antwoord;
    while (!antwoord.contains("\r\n") && s.waitForReadyRead(3000))
        antwoord += s.readAll();
    return antwoord.left(antwoord.indexOf("\r\n"));
}

} // namespace

class TestLive : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // The abuse below holds a thousand connections open at once.
        rlimit grens{};
        getrlimit(RLIMIT_NOFILE, &grens);
        grens.rlim_cur = grens.rlim_max;
        setrlimit(RLIMIT_NOFILE, &grens);
    }

    void adres_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("adres");
        QTest::addColumn<int>("poort");
        QTest::newRow("poort alleen") << "8080"
                                      << "127.0.0.1" << 8080;
        QTest::newRow("alle netwerken") << "0.0.0.0:9000"
                                        << "0.0.0.0" << 9000;
        QTest::newRow("zaalnetwerk") << "192.168.1.20:80"
                                     << "192.168.1.20" << 80;
        QTest::newRow("IPv6") << "[::1]:8080"
                              << "::1" << 8080;
        QTest::newRow("IPv6 zonder haken") << "::1:8080"
                                           << "" << 0;
        QTest::newRow("poort 0") << "0"
                                 << "" << 0;
        QTest::newRow("te groot") << "65536"
                                  << "" << 0;
        QTest::newRow("naam") << "zaal:8080"
                              << "" << 0;
        QTest::newRow("leeg") << ""
                              << "" << 0;
    }
    void adres() {
        QFETCH(QString, tekst);
        QFETCH(QString, adres);
        QFETCH(int, poort);
        const std::optional<Liveadres> gelezen = Liveadres::lees(tekst);
        QCOMPARE(gelezen.has_value(), poort != 0);
        if (gelezen) {
            QCOMPARE(gelezen->adres.toString(), adres);
            QCOMPARE(int(gelezen->poort), poort);
        }
    }

    // The pages, the state and the journal; only GET is answered, and the journal served
    // while the evening runs passes the published checker.
    void serveert() {
        Programma p(3, 0.05);
        QVERIFY(p.wachtOp(3));
        const QJsonObject stand = p.stand();
        QCOMPARE(stand[QStringLiteral("toezegging")].toString().size(), 64);
        QCOMPARE(stand[QStringLiteral("teller")].toString(), QStringLiteral("3/9999"));
        const QJsonArray lijst = stand[QStringLiteral("getrokken")].toArray();
        QCOMPARE(stand[QStringLiteral("laatste")].toInt(),
                 lijst.last()[QStringLiteral("nummer")].toInt());
        QVERIFY(lijst.last()[QStringLiteral("ms")].toDouble() > 0);
        QVERIFY(!stand.contains(QStringLiteral("prijs")) && !stand.contains(QStringLiteral("lot")));
        const auto [status, pagina] = p.vraag(QStringLiteral("/"));
        QCOMPARE(status, 200);
        QVERIFY(pagina.contains("<html lang=\"nl\"") && pagina.contains("Laatst getrokken"));
        QCOMPARE(p.vraag(QStringLiteral("/overlay")).first, 200);
        QCOMPARE(p.vraag(QStringLiteral("/live.js")).first, 200);
        QCOMPARE(p.vraag(QStringLiteral("/Trekkingsjournaal.sleutel")).first, 404);
        for (const QByteArray methode : {"POST", "PUT", "DELETE", "HEAD", "OPTIONS"})
            QCOMPARE(p.vraag(QStringLiteral("/stand.json"), methode).first, 405);
        const auto [journaalStatus, journaal] = p.vraag(QStringLiteral("/journaal.jsonl"));
        QCOMPARE(journaalStatus, 200);
        QVERIFY(journaal.contains(stand[QStringLiteral("toezegging")].toString().toUtf8()));
        QFile kopie(p.map.filePath(QStringLiteral("gedownload.jsonl")));
        QVERIFY(kopie.open(QIODevice::WriteOnly) && kopie.write(journaal) == journaal.size());
        kopie.close();
        // The key is revealed when the series ends: until then "valid so far" (3).
        const int uitslag =
            draai(QStringLiteral(QUINTARO_PYTHON),
                  {QStringLiteral(QUINTARO_SOURCE_DIR "/tools/controleer.py"), kopie.fileName()});
        QVERIFY2(uitslag == 3 || uitslag == 0, qPrintable(QString::number(uitslag)));
        // After the evening the downloaded journal and the key revealed meanwhile check out.
        p.proces.terminate();
        QVERIFY(p.proces.waitForFinished(10000));
        QCOMPARE(draai(QStringLiteral(QUINTARO_PYTHON),
                       {QStringLiteral(QUINTARO_SOURCE_DIR "/tools/controleer.py"),
                        p.map.filePath(QStringLiteral("Trekkingsjournaal.jsonl"))}),
                 0);
    }

    // A raffle: every ticket with its set and its set's colour, the latest too, and the
    // prize up (the sample raffle's fourth after three draws).
    void loterij() {
        Programma p(3, 0.05, 0,
                    {QStringLiteral("--loterij"),
                     QStringLiteral(QUINTARO_SOURCE_DIR "/docs/voorbeeld-loterij.csv")});
        QVERIFY(p.wachtOp(3));
        const QJsonObject stand = p.stand();
        const QHash<QString, QString> kleuren{{QStringLiteral("Blauw"), QStringLiteral("#2f6fd0")},
                                              {QStringLiteral("Roze"), QStringLiteral("#f08cc0")},
                                              {QString(), QStringLiteral("#f5d824")}};
        for (const QJsonValue g : stand[QStringLiteral("getrokken")].toArray()) {
            const QString nummer = QString::number(g[QStringLiteral("nummer")].toInt());
            const QString lot = g[QStringLiteral("lot")].toString();
            const QString reeks = lot.chopped(nummer.size()).trimmed();
            QVERIFY2(lot.endsWith(nummer) && kleuren.contains(reeks), qPrintable(lot));
            QCOMPARE(g[QStringLiteral("kleur")].toString(), kleuren[reeks]);
        }
        const QJsonObject laatste = stand[QStringLiteral("getrokken")].toArray().last().toObject();
        QCOMPARE(stand[QStringLiteral("lot")], laatste[QStringLiteral("lot")]);
        QCOMPARE(stand[QStringLiteral("kleur")], laatste[QStringLiteral("kleur")]);
        QCOMPARE(stand[QStringLiteral("laatste")], laatste[QStringLiteral("nummer")]);
        QCOMPARE(stand[QStringLiteral("prijs")].toString(), QStringLiteral("Fiets"));
    }

    // Oversized, half, binary and too many requests: each is refused or dropped, and the
    // draws go on meanwhile.
    void misbruik() {
        Programma p(40, 0.05);
        QVERIFY(p.wachtOp(1));
        QCOMPARE(ruw(p.poort, "GET /" + QByteArray(5000, 'a') + " HTTP/1.1\r\n\r\n"),
                 QByteArray("HTTP/1.1 414 URI Too Long"));
        QCOMPARE(ruw(p.poort, "GET / HTTP/1.1\r\nX: " + QByteArray(40000, 'b') + "\r\n\r\n"),
                 QByteArray("HTTP/1.1 431 Request Header Fields Too Large"));
        QVERIFY(ruw(p.poort, "GET / HTTP/1.1\r\nX: " + QByteArray(9000, 'c') + "\r\n\r\n")
                    .contains("431"));
        QVERIFY(ruw(p.poort, "POST /stand.json HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc")
                    .contains("405"));
        QByteArray rommel(4096, '\0');
        for (int i = 0; i < rommel.size(); ++i)
            rommel[i] = static_cast<char>((i * 7919) % 256);
        ruw(p.poort, rommel);
        ruw(p.poort, "GET /stand.json HTTP/1.1\r\nHost: x\r\n"); // half, then nothing
        const int voor = p.getrokken();

        // A thousand connections opened and left: the first 500 are held, the rest refused.
        std::vector<std::unique_ptr<QTcpSocket>> open;
        for (int i = 0; i < 1000; ++i) {
            open.push_back(std::make_unique<QTcpSocket>());
            open.back()->connectToHost(QHostAddress::LocalHost, p.poort);
            open.back()->write("GET / HTTP/1.1\r\n");
        }
        QTest::qWait(3000);
        int geweigerd = 0;
        for (auto& s : open)
            geweigerd += s->readAll().startsWith("HTTP/1.1 503");
        QVERIFY2(geweigerd >= 400, qPrintable(QString::number(geweigerd)));
        // Idle and half requests are dropped; then the view answers again.
        QTest::qWait(12000);
        open.clear();
        QCOMPARE(p.vraag(QStringLiteral("/stand.json")).first, 200);
        QVERIFY(p.getrokken() > voor);
        QCOMPARE(p.proces.state(), QProcess::Running);
    }

    // A port in use: a clear message, and the evening without the view.
    void poortBezet() {
        QTcpServer bezet;
        QVERIFY(bezet.listen(QHostAddress::LocalHost, 0));
        QTemporaryDir map;
        QProcess proces;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUINTARO_AUTODRAW"), QStringLiteral("1"));
        env.insert(QStringLiteral("QUINTARO_TIJDSCHAAL"), QStringLiteral("0.05"));
        proces.setProcessEnvironment(env);
        proces.start(programma(),
                     {QStringLiteral("--dir"), map.path(), QStringLiteral("--web"),
                      QString::number(bezet.serverPort()), QStringLiteral("--screenshot"),
                      map.filePath(QStringLiteral("x.png"))});
        QVERIFY(proces.waitForFinished(30000));
        const QString fout = QString::fromUtf8(proces.readAllStandardError());
        QVERIFY2(fout.contains(QStringLiteral("poort %1 is al in gebruik").arg(bezet.serverPort())),
                 qPrintable(fout));
        QVERIFY(QFile::exists(map.filePath(QStringLiteral("x.png"))));
    }

    // The QR code on the audience's window reads as the page's address with the commitment.
    void qrCode() {
        const QString zbar = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbar.isEmpty())
            QSKIP("zbarimg (zbar-tools) is not installed");
        const quint16 poort = vrijePoort();
        QTemporaryDir map;
        const QString png = map.filePath(QStringLiteral("venster.png"));
        QProcess q;
        q.start(programma(), {QStringLiteral("--dir"), map.path(), QStringLiteral("--web"),
                              QString::number(poort), QStringLiteral("--screenshot"), png});
        QVERIFY(q.waitForFinished(30000));
        QProcess lees;
        lees.start(zbar, {QStringLiteral("--raw"), QStringLiteral("-q"), png});
        QVERIFY(lees.waitForFinished(30000));
        const QString gelezen = QString::fromUtf8(lees.readAllStandardOutput()).trimmed();
        QFile journaal(map.filePath(QStringLiteral("Trekkingsjournaal.jsonl")));
        QVERIFY(journaal.open(QIODevice::ReadOnly));
        const QRegularExpression toezegging(QStringLiteral("\"toezegging\":\"([0-9a-f]{64})\""));
        const QString verwacht =
            QStringLiteral("http://127.0.0.1:%1/?t=%2")
                .arg(poort)
                .arg(toezegging.match(QString::fromUtf8(journaal.readAll())).captured(1));
        QCOMPARE(gelezen, verwacht);
    }

    // A real browser: the page on a phone shows each number within half a second of its
    // listing, without reloading, and everything fits the phone's width; the overlay shows
    // the number on a transparent background.
    void browser() {
        Chromium chromium;
        if (Chromium::programma().isEmpty())
            QSKIP("chromium is not installed");
        QVERIFY(chromium.start());
        Programma p(5, 0.2, 75);
        QVERIFY(p.wachtOp(0));
        QVERIFY(chromium.open(p.url(QStringLiteral("/")), 390, 844, Chromium::Telefoon));
        QVERIFY(p.wachtOp(5));

        QTest::qWait(600);
        const QVariantList vertraging =
            chromium
                .evalueer(QStringLiteral("[...document.querySelectorAll('#ontvangen li')].map("
                                         "l => l.dataset.ontvangen - l.dataset.gelijst)"))
                .toList();
        QVERIFY2(
            vertraging.size() >= 2,
            qPrintable(chromium.evalueer(QStringLiteral("document.body.innerText")).toString()));
        for (const QVariant& ms : vertraging) {
            qInfo("listed to shown in the browser: %.0f ms", ms.toDouble());
            QVERIFY2(ms.toDouble() < 500, qPrintable(ms.toString()));
        }
        const QJsonObject stand = p.stand();
        const QString laatste = QString::number(stand[QStringLiteral("laatste")].toInt());
        QCOMPARE(chromium.evalueer(QStringLiteral("document.getElementById('laatste').textContent"))
                     .toString(),
                 laatste);
        QVERIFY(
            chromium.evalueer(QStringLiteral("document.getElementById('toezegging').textContent"))
                .toString()
                .remove(u' ') == stand[QStringLiteral("toezegging")].toString());
        QCOMPARE(chromium.evalueer(QStringLiteral("document.documentElement.scrollWidth")).toInt(),
                 390);
        // The board of a range up to 100: every number, the drawn ones lit, the latest marked.
        QCOMPARE(chromium.evalueer(QStringLiteral("document.querySelectorAll('#bord span').length"))
                     .toInt(),
                 75);
        QCOMPARE(
            chromium
                .evalueer(QStringLiteral("document.querySelectorAll('#bord .getrokken').length"))
                .toInt(),
            4);
        QCOMPARE(
            chromium
                .evalueer(QStringLiteral("document.querySelector('#bord .laatste').textContent"))
                .toString(),
            laatste);
        const QString schermafdruk = qEnvironmentVariable("QUINTARO_LIVE_SCHERMAFDRUK");
        if (!schermafdruk.isEmpty())
            chromium.foto().save(schermafdruk);

        QVERIFY(chromium.open(p.url(QStringLiteral("/overlay?hoogte=120&bord=0")), 480, 200,
                              Chromium::Doorzichtig));
        QTest::qWait(500);
        QCOMPARE(chromium.evalueer(QStringLiteral("document.getElementById('laatste').textContent"))
                     .toString(),
                 laatste);
        const QImage beeld = chromium.foto().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(beeld.size(), QSize(480, 200));
        QCOMPARE(qAlpha(beeld.pixel(470, 190)), 0);
        // The number's print, opaque, as tall as asked (a 120-pixel font: digits of about 85).
        int boven = beeld.height(), onder = -1;
        for (int y = 0; y < beeld.height(); ++y) {
            for (int x = 0; x < beeld.width(); ++x) {
                if (qAlpha(beeld.pixel(x, y)) == 255) {
                    boven = std::min(boven, y);
                    onder = std::max(onder, y);
                }
            }
        }
        QVERIFY2(onder - boven > 70, qPrintable(QStringLiteral("%1..%2").arg(boven).arg(onder)));
    }
};

QTEST_MAIN(TestLive)
#include "test_live.moc"
