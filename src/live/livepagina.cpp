#include "live/livepagina.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The texts of the pages, in a translation context of their own.
struct Livetekst {
    Q_DECLARE_TR_FUNCTIONS(Livetekst)

public:
    static QJsonObject alle() {
        return {
            {QStringLiteral("titel"), tr("Quintaro live")},
            {QStringLiteral("laatste"), tr("Laatst getrokken")},
            {QStringLiteral("nogNiets"), tr("Nog geen nummer getrokken")},
            {QStringLiteral("bezig"), tr("Er wordt getrokken…")},
            {QStringLiteral("prijs"), tr("Nu te winnen")},
            {QStringLiteral("bord"), tr("Bord")},
            {QStringLiteral("laatsteTien"), tr("De laatste tien")},
            {QStringLiteral("lijst"), tr("Getrokken nummers")},
            {QStringLiteral("teller"), tr("Teller")},
            {QStringLiteral("score"), tr("Score")},
            {QStringLiteral("toezegging"), tr("Toezegging van deze reeks")},
            {QStringLiteral("invoer"), tr("Publieke invoer")},
            {QStringLiteral("geenInvoer"), tr("(geen)")},
            {QStringLiteral("nietVastgelegd"), tr("Deze reeks wordt niet vastgelegd.")},
            {QStringLiteral("gescand"), tr("Toezegging uit de QR-code")},
            {QStringLiteral("gelijk"), tr("gelijk aan die van deze reeks")},
            {QStringLiteral("anders"), tr("van een eerdere reeks")},
            {QStringLiteral("vervallen"), tr("vervallen")},
            {QStringLiteral("verbonden"), tr("Live verbonden")},
            {QStringLiteral("verbroken"), tr("Verbinding verbroken; opnieuw verbinden…")},
            {QStringLiteral("controle"),
             tr("Controleer de avond zelf: download het journaal en laat een van de "
                "gepubliceerde controleprogramma's het nalopen.")},
            {QStringLiteral("journaal"), tr("Trekkingsjournaal downloaden")},
            {QStringLiteral("stand"), tr("Stand als JSON")},
        };
    }
};

QByteArray lees(const QString& naam) {
    QFile f(QStringLiteral(":/live/") + naam);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

QHash<QString, Liveserver::Bestand> Livepagina::bestanden(const QString& taal) {
    const QByteArray teksten = QJsonDocument(Livetekst::alle()).toJson(QJsonDocument::Compact);
    // The texts go into the page as JSON in a script element; "</" cannot end it early.
    QByteArray veilig = teksten;
    veilig.replace("</", "<\\/");
    const auto pagina = [&](const QString& naam) {
        QByteArray html = lees(naam);
        html.replace("%TAAL%", taal.toUtf8());
        html.replace("%TEKSTEN%", veilig);
        return html;
    };
    const QByteArray html = "text/html; charset=utf-8";
    return {
        {QStringLiteral("/"), {pagina(QStringLiteral("index.html")), html}},
        {QStringLiteral("/index.html"), {pagina(QStringLiteral("index.html")), html}},
        {QStringLiteral("/overlay"), {pagina(QStringLiteral("overlay.html")), html}},
        {QStringLiteral("/live.js"), {lees(QStringLiteral("live.js")), "text/javascript"}},
        {QStringLiteral("/live.css"), {lees(QStringLiteral("live.css")), "text/css"}},
        {QStringLiteral("/overlay.css"), {lees(QStringLiteral("overlay.css")), "text/css"}},
    };
}
