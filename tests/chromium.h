#pragma once

// A headless Chromium from the distribution, driven over its DevTools protocol (a WebSocket):
// open a page at a viewport size, evaluate an expression in it, take a picture with or
// without a background. beschikbaar() is false where there is no chromium.

#include <QEventLoop>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>

class Chromium {
public:
    static QString programma() {
        return QStandardPaths::findExecutable(QStringLiteral("chromium"));
    }

    bool start() {
        if (programma().isEmpty())
            return false;
        m_proces.setProcessChannelMode(QProcess::SeparateChannels);
        m_proces.start(programma(),
                       {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                        QStringLiteral("--disable-gpu"), QStringLiteral("--hide-scrollbars"),
                        QStringLiteral("--remote-debugging-port=0"),
                        QStringLiteral("--user-data-dir=") + m_profiel.path(),
                        QStringLiteral("about:blank")});
        // The browser names its DevTools address on standard error once it listens.
        const QRegularExpression adres(QStringLiteral("DevTools listening on (ws://\\S+)"));
        QByteArray fout;
        for (int i = 0; i < 600 && m_proces.state() != QProcess::NotRunning; ++i) {
            m_proces.waitForReadyRead(100);
            fout += m_proces.readAllStandardError();
            const auto gevonden = adres.match(QString::fromUtf8(fout));
            if (gevonden.hasMatch()) {
                QEventLoop lus;
                QObject::connect(&m_ws, &QWebSocket::connected, &lus, &QEventLoop::quit);
                QObject::connect(
                    &m_ws, &QWebSocket::textMessageReceived, &m_ws, [this](const QString& t) {
                        const QJsonObject o = QJsonDocument::fromJson(t.toUtf8()).object();
                        if (o.contains(QStringLiteral("id")))
                            m_antwoorden.append(o);
                    });
                m_ws.open(QUrl(gevonden.captured(1)));
                QTimer::singleShot(10000, &lus, &QEventLoop::quit);
                lus.exec();
                return m_ws.state() == QAbstractSocket::ConnectedState;
            }
        }
        return false;
    }

    ~Chromium() {
        m_ws.close();
        m_proces.kill();
        m_proces.waitForFinished(5000);
    }

    enum Soort { Telefoon, Bureaublad, Doorzichtig };
    // A new tab at `breedte` x `hoogte` showing `url` as a phone shows it, or as a desktop
    // browser does (transparent: the background left out, as a streaming program's browser
    // source has it); false when it does not load.
    bool open(const QString& url, int breedte, int hoogte, Soort soort) {
        const QJsonObject doel = stuur(QStringLiteral("Target.createTarget"),
                                       {{QStringLiteral("url"), QStringLiteral("about:blank")}});
        const QJsonObject sessie =
            stuur(QStringLiteral("Target.attachToTarget"),
                  {{QStringLiteral("targetId"), doel.value(QStringLiteral("targetId"))},
                   {QStringLiteral("flatten"), true}});
        m_sessie = sessie.value(QStringLiteral("sessionId")).toString();
        stuur(QStringLiteral("Emulation.setDeviceMetricsOverride"),
              {{QStringLiteral("width"), breedte},
               {QStringLiteral("height"), hoogte},
               {QStringLiteral("deviceScaleFactor"), 1},
               {QStringLiteral("mobile"), soort == Telefoon}});
        if (soort == Doorzichtig)
            stuur(QStringLiteral("Emulation.setDefaultBackgroundColorOverride"),
                  {{QStringLiteral("color"), QJsonObject{{QStringLiteral("r"), 0},
                                                         {QStringLiteral("g"), 0},
                                                         {QStringLiteral("b"), 0},
                                                         {QStringLiteral("a"), 0}}}});
        stuur(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}});
        for (int i = 0; i < 100; ++i) {
            if (evalueer(QStringLiteral("document.readyState")).toString() ==
                QLatin1String("complete"))
                return true;
            wacht(100);
        }
        return false;
    }

    QVariant evalueer(const QString& uitdrukking) {
        const QJsonObject r =
            stuur(QStringLiteral("Runtime.evaluate"), {{QStringLiteral("expression"), uitdrukking},
                                                       {QStringLiteral("returnByValue"), true}});
        return r.value(QStringLiteral("result"))
            .toObject()
            .value(QStringLiteral("value"))
            .toVariant();
    }

    QImage foto() {
        const QJsonObject r =
            stuur(QStringLiteral("Page.captureScreenshot"), {{QStringLiteral("format"), "png"}});
        return QImage::fromData(
            QByteArray::fromBase64(r.value(QStringLiteral("data")).toString().toLatin1()), "PNG");
    }

    static void wacht(int ms) {
        QEventLoop lus;
        QTimer::singleShot(ms, &lus, &QEventLoop::quit);
        lus.exec();
    }

private:
    QJsonObject stuur(const QString& methode, const QJsonObject& parameters) {
        const int id = ++m_volgnummer;
        QJsonObject bericht{{QStringLiteral("id"), id},
                            {QStringLiteral("method"), methode},
                            {QStringLiteral("params"), parameters}};
        if (!m_sessie.isEmpty() && !methode.startsWith(QLatin1String("Target.")))
            bericht.insert(QStringLiteral("sessionId"), m_sessie);
        m_ws.sendTextMessage(QString::fromUtf8(QJsonDocument(bericht).toJson()));
        for (int i = 0; i < 300; ++i) {
            for (qsizetype j = 0; j < m_antwoorden.size(); ++j) {
                if (m_antwoorden[j].value(QStringLiteral("id")).toInt() == id)
                    return m_antwoorden.takeAt(j).value(QStringLiteral("result")).toObject();
            }
            wacht(20);
        }
        return {};
    }

    QTemporaryDir m_profiel;
    QProcess m_proces;
    QWebSocket m_ws;
    QList<QJsonObject> m_antwoorden;
    QString m_sessie;
    int m_volgnummer = 0;
};
