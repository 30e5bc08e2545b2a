#include "app/opdracht.h"

#include "loterij/loterijlezer.h"

#include "app/taal.h"
#include "common/schaal.h"
#include "common/toetsenoverzicht.h"
#include "journaal/pinnen.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace {

constexpr int kBreedte = 92; // columns of the help text
constexpr int kKolom = 26;   // where the explanations of the options begin

// `tekst` wrapped at word boundaries to lines of at most kBreedte columns; the first line
// continues `begin`, the following ones are indented by `inspringing` columns.
QString omgebroken(const QString& begin, const QString& tekst, int inspringing) {
    QString uit = begin;
    qsizetype regel = uit.size();
    bool leeg = true; // nothing of `tekst` on this line yet
    for (const QString& woord : tekst.split(u' ', Qt::SkipEmptyParts)) {
        if (!leeg && regel + 1 + woord.size() > kBreedte) {
            uit += u'\n' + QString(inspringing, u' ');
            regel = inspringing;
            leeg = true;
        }
        if (!leeg) {
            uit += u' ';
            ++regel;
        }
        uit += woord;
        regel += woord.size();
        leeg = false;
    }
    return uit + u'\n';
}

QString optie(const QString& naam, const QString& uitleg) {
    return omgebroken((QStringLiteral("  ") + naam).leftJustified(kKolom - 1) + u' ', uitleg,
                      kKolom);
}

QString alinea(const QString& tekst) {
    return omgebroken(QStringLiteral("  "), tekst, 2);
}

QString map(const QString& pad) {
    return QStringLiteral("    ") + QDir::toNativeSeparators(pad) + u'\n';
}

// A number as the chosen language writes it ("0,5" in Dutch).
QString getal(double waarde) {
    return QLocale(Taal::huidige()).toString(waarde);
}

} // namespace

// The command line's texts, in a translation context of their own.
struct Opdrachtregel {
    Q_DECLARE_TR_FUNCTIONS(Opdrachtregel)

public:
    static QString hulp(const Paden& paden, const QString& gebruikersMap);
    static Opdracht lees(const QStringList& argumenten, const QString& programmaMap,
                         const QString& gebruikersMap);

private:
    static QString fout(const QCommandLineParser& parser, const QStringList& argumenten);
};

// What is wrong with a command line the parser refused, in the program's language (the
// parser's own text is English unless Qt's translations are installed).
QString Opdrachtregel::fout(const QCommandLineParser& parser, const QStringList& argumenten) {
    const QStringList onbekend = parser.unknownOptionNames();
    if (!onbekend.isEmpty()) {
        QStringList namen;
        for (const QString& naam : onbekend)
            namen << (naam.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + naam;
        return tr("quintaro: onbekende optie %1").arg(namen.join(QStringLiteral(", "))) + u'\n';
    }
    // An option that asks for a value as the last word of the line.
    const QString laatste = argumenten.size() > 1 ? argumenten.last() : QString();
    if (laatste.startsWith(u'-'))
        return tr("quintaro: %1 vraagt een waarde").arg(laatste) + u'\n';
    return QStringLiteral("quintaro: ") + parser.errorText() + u'\n';
}

QString Opdrachtregel::hulp(const Paden& paden, const QString& gebruikersMap) {
    QString tekst;
    tekst += tr("Gebruik: %1 [opties]").arg(QStringLiteral("quintaro")) + u'\n';
    tekst += u'\n' + tr("Quintaro trekt nummers door het toeval, voor het oog van het publiek.");
    tekst += u'\n';
    tekst += u'\n' + tr("Opties:") + u'\n';
    tekst += optie(QStringLiteral("-h, --help"), tr("Toont deze hulp."));
    tekst += optie(QStringLiteral("-v, --version"), tr("Toont het versienummer."));
    tekst += optie(tr("--lang <taal>"),
                   tr("De taal van het programma: nl (Nederlands, de standaard) of en (Engels). "
                      "In het Engels opent de knop Help de Engelse handleiding, "
                      "Quintaro-en.pdf."));
    tekst += optie(tr("--dir <map>"),
                   tr("Gebruikt <map> voor alle bestanden: Sounds, Backgrounds, Quintaro.pdf en "
                      "Quintaro-en.pdf worden er gelezen; Quintaro.ini, Lijstnummers.txt, "
                      "Trekkingsjournaal.jsonl en Trekkingsjournaal.sleutel geschreven."));
    tekst += optie(tr("--screenshot <bestand>"),
                   tr("Start, bewaart een PNG-afbeelding van het hele venster in <bestand> en "
                      "sluit weer. Het venster van de bediening, als dat er is, komt in "
                      "<bestand> met -bediening voor de extensie."));
    tekst += optie(QStringLiteral("--stem"),
                   tr("Leest elk getrokken nummer voor in de taal van het programma; bij rollers "
                      "met afbeeldingen de gewonnen punten, bij een loterij de reeks en het "
                      "nummer. Zwijgt als het geluid uit staat. Aan en uit met de toets V; niet "
                      "bewaard."));
    tekst += optie(QStringLiteral("--bord"),
                   tr("Toont onder het resultaat een bord: bij een bereik van ten hoogste 100 "
                      "nummers alle nummers, de getrokken verlicht en het laatste gemarkeerd; "
                      "anders (en bij een loterij altijd) de laatste tien, loten in de kleur van "
                      "hun reeks. Aan en uit met de toets B; niet bewaard."));
    tekst += optie(QStringLiteral("--hervat"),
                   tr("Gaat verder waar de laatste reeks uit het trekkingsjournaal stopte: "
                      "dezelfde lijst, teller, reeks getallen en soort rollers; geen nummer komt "
                      "over de herstart heen terug. Na een storing gaat die reeks door met "
                      "dezelfde sleutel; na een gewoon afsluiten is haar sleutel onthuld en "
                      "begint een nieuwe reeks met een nieuwe sleutel, die de lijst overneemt. "
                      "Is de sleutel niet te gebruiken (ontbreekt, beschadigd, een koppeling, "
                      "van een andere reeks, of leesbaar voor anderen), dan zegt een melding "
                      "waarom en begint ook een nieuwe reeks met dezelfde lijst; zo ook als het "
                      "journaal de reeks niet meer kon vastleggen (schijf vol). Een loterij gaat "
                      "door uit het journaal alleen: reeksen, uitgesloten loten, prijzen, de "
                      "getrokken loten, de prijs die aan de beurt is en de winnaars die niet "
                      "aanwezig waren; een nieuwe reeks van de loterij trekt de loten van de "
                      "vorige niet meer. Niet samen met --loterij."));
    tekst += optie(tr("--loterij <bestand>"),
                   tr("Opent een loterij: trekt loten uit de reeksen van <bestand> (kleuren, "
                      "nummers, niet verkochte loten, prijzen; zie docs/loterij.md en het "
                      "voorbeeld docs/voorbeeld-loterij.csv, na installatie in "
                      "/usr/share/doc/quintaro) in plaats van nummers. Elk lot dat "
                      "nog meedoet is even kansrijk; de lijst toont \"Roze 123\". In het venster "
                      "van de bediening: de prijs die aan de beurt "
                      "is, de prijzen met hun winnaars en de knop Niet aanwezig, die het lot laat "
                      "vervallen en dezelfde prijs opnieuw laat trekken. Een bestand met een fout "
                      "wordt niet geopend: de regel en de reden komen op de standaardfout en het "
                      "programma stopt. Tussen twee reeksen opent de knop Loterij openen... in "
                      "het venster van de bediening een loterij, en Loterij sluiten gaat terug "
                      "naar nummers. Gaat niet samen met --hervat, dat een loterij uit het "
                      "journaal voortzet."));
    tekst += optie(tr("--winnaars <journaal> <csv>"),
                   tr("Schrijft de winnaars van de loterij in <journaal> naar <csv> (UTF-8, "
                      "puntkomma's, een kopregel): prijs, omschrijving, reeks, nummer, tijd, "
                      "en de loten waarvan de winnaar niet aanwezig was. Opent geen venster."));
    tekst += optie(QStringLiteral("--operator"),
                   tr("Opent ook met een enkel scherm het venster van de bediening: startknop, "
                      "getrokken nummers met hun tijd, teller, toezegging, geluid, stem, bord, "
                      "instellingen, het vervallen van het laatste nummer en een beeld van wat "
                      "het publiek ziet. Met twee of meer schermen opent het vanzelf, op het "
                      "eerste scherm; het publiek krijgt het tweede."));
    tekst += optie(tr("--scherm <n>"),
                   tr("Zet het venster van het publiek op scherm <n> (vanaf 1) in plaats van op "
                      "het tweede; de bediening komt op het eerste andere scherm."));
    tekst += optie(tr("--controleer <journaal>"),
                   tr("Controleert een trekkingsjournaal zonder venster: de hashketen, elke "
                      "onthulde sleutel en elk getrokken nummer. Eindcode 0: alles klopt; 3: "
                      "klopt tot nu toe, maar van een reeks is de sleutel nog niet onthuld; 1: "
                      "fout (de regel en de reden worden genoemd), of een pin die bij geen "
                      "regel past."));
    tekst += optie(tr("--toezegging <hex>"),
                   tr("Met --controleer: een toezegging zoals het publiek haar van het scherm "
                      "noteerde (ten minste %1 hexadecimale cijfers; spaties tellen niet). De "
                      "controle noemt de regel van de reeks met die toezegging en faalt als er "
                      "geen is. Mag vaker gegeven worden.")
                       .arg(Pinnen::kMinHex));
    tekst += optie(tr("--keten <hex>"),
                   tr("Met --controleer: een kop van de keten van het scherm, de hash van de "
                      "laatste regel van het journaal na een trekking. De controle noemt de regel "
                      "met die hash en hoeveel trekkingen en vervallen de reeks daarna nog heeft, "
                      "en faalt als geen regel past. Mag vaker gegeven worden."));
    tekst += optie(tr("--rapport <journaal> <pdf>"),
                   tr("Schrijft zonder venster een afdrukbaar verslag van het journaal als "
                      "PDF: per reeks het bereik, de toezegging, de publieke invoer, de sleutel, "
                      "elke trekking met haar tijd en de uitkomst van de controle; bij een "
                      "loterij een tabel van de prijzen met het winnende lot, de tijd en de "
                      "loten die niet aanwezig waren, met de reden."));
    tekst += optie(tr("--web [adres:]poort"),
                   tr("Zet de live-weergave aan: het programma toont zelf op "
                      "http://adres:poort/ de trekking aan telefoons en laptops (met bord, "
                      "lijst, toezegging en het journaal), op /overlay het nummer op een "
                      "doorzichtige achtergrond voor een streamingprogramma, en het venster "
                      "van het publiek een QR-code van de pagina (toets Q). Zonder adres "
                      "alleen voor deze computer (127.0.0.1); 0.0.0.0 of het adres van het "
                      "zaalnetwerk laat telefoons in de zaal meekijken. Ook aan en uit in het "
                      "venster van de bediening (poort %1 als --web ontbreekt). Niets op de "
                      "pagina kan de avond veranderen.")
                       .arg(Liveadres::kStandaardPoort));
    tekst += optie(tr("--schaal <factor>"),
                   tr("Tekent het venster op elk scherm <factor> keer zo groot (%1 tot %2), voor "
                      "een scherm dat zijn maat verkeerd doorgeeft. Zonder deze optie kiest het "
                      "programma de factor zelf: 1 op schermen tot %3 pixels hoog, daarboven de "
                      "hoogte gedeeld door %4 (2 op een 4K-scherm), maar nooit zo veel dat er "
                      "minder dan %5 pixels in de breedte overblijven (een staand scherm). "
                      "Vergroot het bureaublad al, dan blijft het daarbij.")
                       .arg(getal(kKleinsteSchaal), getal(kGrootsteSchaal))
                       .arg(kSchaalGrens)
                       .arg(kOntwerpHoogte)
                       .arg(kKleinsteBreedte));
    tekst += u'\n' + tr("Toetsen:") + u'\n';
    for (const ToetsenOverzicht::Regel& regel : ToetsenOverzicht::regels())
        tekst += optie(regel.toets, regel.uitleg);
    tekst += u'\n' + tr("Bestanden:") + u'\n';
    tekst += alinea(tr("Geluiden, achtergronden en handleiding worden gelezen uit:"));
    tekst += map(QDir(paden.programmaMap).filePath(QStringLiteral("Sounds")));
    tekst += map(paden.achtergronden());
    tekst += map(paden.handleiding(Taal::huidige()));
    tekst += alinea(tr("Instellingen en getrokken nummers worden geschreven naar:"));
    tekst += map(paden.instellingen());
    tekst += map(paden.lijst());
    tekst += alinea(tr("Het trekkingsjournaal, en zolang een reeks loopt haar geheime sleutel, "
                       "staan naast de lijst:"));
    tekst += map(paden.journaal());
    tekst += map(paden.journaalSleutel());
    tekst += alinea(tr("Zolang Quintaro draait, houdt het slot hieronder een tweede Quintaro uit "
                       "dezelfde map; die meldt dat Quintaro daar al draait en stopt met "
                       "eindcode 1:"));
    tekst += map(paden.slot());
    tekst += alinea(tr("Zonder --dir komen die bestanden naast het programma als die map "
                       "beschrijfbaar is, en anders in de gegevensmap van de gebruiker:"));
    tekst += map(gebruikersMap);
    tekst += alinea(tr("Staan ze daar, dan toont de lijst met achtergronden ook de plaatjes uit "
                       "de map Backgrounds in die gegevensmap."));
    return tekst;
}

Opdracht Opdrachtregel::lees(const QStringList& argumenten, const QString& programmaMap,
                             const QString& gebruikersMap) {
    QCommandLineParser parser;
    const QCommandLineOption hulpOptie(
        QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption versieOptie(
        QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption taalOptie(QStringLiteral("lang"), QString(), QStringLiteral("taal"));
    const QCommandLineOption dirOptie(QStringLiteral("dir"), QString(), QStringLiteral("map"));
    const QCommandLineOption schermafdrukOptie(QStringLiteral("screenshot"), QString(),
                                               QStringLiteral("bestand"));
    const QCommandLineOption stemOptie(QStringLiteral("stem"));
    const QCommandLineOption bordOptie(QStringLiteral("bord"));
    const QCommandLineOption hervatOptie(QStringLiteral("hervat"));
    const QCommandLineOption bedieningOptie(QStringLiteral("operator"));
    const QCommandLineOption schermOptie(QStringLiteral("scherm"), QString(), QStringLiteral("n"));
    const QCommandLineOption controleerOptie(QStringLiteral("controleer"), QString(),
                                             QStringLiteral("journaal"));
    const QCommandLineOption rapportOptie(QStringLiteral("rapport"), QString(),
                                          QStringLiteral("journaal"));
    const QCommandLineOption schaalOptie(QStringLiteral("schaal"), QString(),
                                         QStringLiteral("factor"));
    const QCommandLineOption toezeggingOptie(QStringLiteral("toezegging"), QString(),
                                             QStringLiteral("hex"));
    const QCommandLineOption ketenOptie(QStringLiteral("keten"), QString(), QStringLiteral("hex"));
    const QCommandLineOption loterijOptie(QStringLiteral("loterij"), QString(),
                                          QStringLiteral("bestand"));
    const QCommandLineOption winnaarsOptie(QStringLiteral("winnaars"), QString(),
                                           QStringLiteral("journaal"));
    const QCommandLineOption webOptie(QStringLiteral("web"), QString(), QStringLiteral("poort"));
    parser.addOptions({hulpOptie, versieOptie, taalOptie, dirOptie, schermafdrukOptie, stemOptie,
                       bordOptie, hervatOptie, bedieningOptie, schermOptie, controleerOptie,
                       rapportOptie, schaalOptie, toezeggingOptie, ketenOptie, loterijOptie,
                       winnaarsOptie, webOptie});
    parser.addPositionalArgument(QStringLiteral("pdf"), QString());
    const bool gelezen = parser.parse(argumenten);

    Opdracht opdracht;
    const auto stop = [&opdracht](int code, const QString& uitvoer) {
        opdracht.klaar = true;
        opdracht.fout = code != 0;
        opdracht.eindCode = code;
        opdracht.uitvoer = uitvoer;
        return opdracht;
    };

    // The language first: every text from here on is in it.
    // A --lang without its value is a mistake of the line, told below in Dutch.
    const bool taalOntbreekt = !gelezen && parser.value(taalOptie).isEmpty();
    const QString taal =
        parser.isSet(taalOptie) && !taalOntbreekt ? parser.value(taalOptie) : QStringLiteral("nl");
    if (!Taal::kies(taal)) {
        return stop(1, tr("quintaro: onbekende taal \"%1\"; kies uit: %2")
                               .arg(taal, Taal::bekend().join(QStringLiteral(", "))) +
                           u'\n');
    }
    const QString dir = parser.isSet(dirOptie) ? parser.value(dirOptie) : QString();
    opdracht.paden = kiesPaden(programmaMap, dir, gebruikersMap);
    opdracht.schermafdruk = parser.value(schermafdrukOptie);
    opdracht.stem = parser.isSet(stemOptie);
    opdracht.bord = parser.isSet(bordOptie);

    // Help and version also when something else on the line is wrong (such as an option of
    // the window system that only the full application understands).
    if (parser.isSet(hulpOptie))
        return stop(0, hulp(opdracht.paden, gebruikersMap));
    if (parser.isSet(versieOptie))
        return stop(0, QStringLiteral("Quintaro %1\n").arg(QStringLiteral(QUINTARO_VERSION)));
    if (!gelezen)
        return stop(1, fout(parser, argumenten) + tr("Zie: quintaro --help") + u'\n');
    if (parser.isSet(dirOptie) && dir.isEmpty())
        return stop(1, tr("quintaro: --dir vraagt een map") + u'\n');
    if (parser.isSet(schaalOptie)) {
        opdracht.schaal = leesSchaal(parser.value(schaalOptie));
        if (!opdracht.schaal) {
            return stop(1, tr("quintaro: --schaal vraagt een getal van %1 tot %2, niet \"%3\"")
                                   .arg(getal(kKleinsteSchaal), getal(kGrootsteSchaal),
                                        parser.value(schaalOptie)) +
                               u'\n');
        }
    }
    if (parser.isSet(webOptie)) {
        opdracht.web = Liveadres::lees(parser.value(webOptie));
        if (!opdracht.web) {
            return stop(1, tr("quintaro: --web vraagt [adres:]poort, zoals 8080 of "
                              "0.0.0.0:8080, niet \"%1\"")
                                   .arg(parser.value(webOptie)) +
                               u'\n');
        }
    }
    opdracht.hervat = parser.isSet(hervatOptie);
    opdracht.bediening = parser.isSet(bedieningOptie);
    if (parser.isSet(schermOptie)) {
        bool getal = false;
        opdracht.scherm = parser.value(schermOptie).toInt(&getal);
        if (!getal || opdracht.scherm < 1)
            return stop(1, tr("quintaro: --scherm vraagt een schermnummer vanaf 1") + u'\n');
    }
    opdracht.controleer = parser.value(controleerOptie);
    if (parser.isSet(controleerOptie) && opdracht.controleer.isEmpty())
        return stop(1, tr("quintaro: --controleer vraagt een journaal") + u'\n');
    using Pin = Controleuitslag::Pin;
    for (const auto& [optie, soort] : {std::pair{&toezeggingOptie, Pin::Soort::Toezegging},
                                       std::pair{&ketenOptie, Pin::Soort::Keten}}) {
        for (const QString& waarde : parser.values(*optie)) {
            const auto pin = Pinnen::lees(soort, waarde);
            if (!pin) {
                return stop(1, tr("quintaro: --%1 vraagt %2 tot 64 hexadecimale cijfers, niet "
                                  "\"%3\"")
                                       .arg(optie->names().constFirst())
                                       .arg(Pinnen::kMinHex)
                                       .arg(waarde) +
                                   u'\n');
            }
            opdracht.pinnen.push_back(*pin);
        }
    }
    if (!opdracht.pinnen.empty() && opdracht.controleer.isEmpty())
        return stop(1, tr("quintaro: --toezegging en --keten horen bij --controleer") + u'\n');
    const QStringList losse = parser.positionalArguments();
    if (parser.isSet(rapportOptie)) {
        opdracht.rapportJournaal = parser.value(rapportOptie);
        if (opdracht.rapportJournaal.isEmpty() || losse.size() != 1 || losse.first().isEmpty())
            return stop(1,
                        tr("quintaro: --rapport vraagt een journaal en een PDF-bestand") + u'\n');
        opdracht.rapportPdf = losse.first();
    }
    if (parser.isSet(winnaarsOptie)) {
        opdracht.winnaarsJournaal = parser.value(winnaarsOptie);
        if (opdracht.winnaarsJournaal.isEmpty() || losse.size() != 1 || losse.first().isEmpty())
            return stop(1,
                        tr("quintaro: --winnaars vraagt een journaal en een CSV-bestand") + u'\n');
        opdracht.winnaarsCsv = losse.first();
    }
    if (parser.isSet(loterijOptie) && opdracht.hervat) {
        return stop(1, tr("quintaro: --hervat zet de loterij uit het journaal voort; laat "
                          "--loterij weg") +
                           u'\n');
    }
    if (parser.isSet(loterijOptie)) {
        const QString pad = parser.value(loterijOptie);
        const LoterijLezer::Uitslag gelezen = LoterijLezer::lees(pad);
        if (!gelezen.loterij) {
            return stop(1, tr("quintaro: het loterijbestand %1 is niet geopend: %2")
                                   .arg(QDir::toNativeSeparators(pad), gelezen.tekst()) +
                               u'\n');
        }
        opdracht.loterij = gelezen.loterij;
    }
    return opdracht;
}

QString hulpTekst(const Paden& paden, const QString& gebruikersMap) {
    return Opdrachtregel::hulp(paden, gebruikersMap);
}

Opdracht leesOpdrachtregel(const QStringList& argumenten, const QString& programmaMap,
                           const QString& gebruikersMap) {
    return Opdrachtregel::lees(argumenten, programmaMap, gebruikersMap);
}
