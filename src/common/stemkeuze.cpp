#include "common/stemkeuze.h"

#include <QRegularExpression>

namespace {

// How voices name a country besides its English name.
QStringList landNamen(QLocale::Territory land) {
    QStringList namen{QLocale::territoryToString(land)};
    switch (land) {
    case QLocale::UnitedStates:
        namen << QStringLiteral("America") << QStringLiteral("US");
        break;
    case QLocale::UnitedKingdom:
        namen << QStringLiteral("Great Britain") << QStringLiteral("Britain")
              << QStringLiteral("GB") << QStringLiteral("UK");
        break;
    case QLocale::Netherlands:
        namen << QStringLiteral("Nederland") << QStringLiteral("NL");
        break;
    case QLocale::Belgium:
        namen << QStringLiteral("Flemish") << QStringLiteral("BE");
        break;
    default:
        break;
    }
    return namen;
}

bool noemt(const QString& naam, const QStringList& landen) {
    for (const QString& land : landen) {
        const QRegularExpression woord(
            QStringLiteral("(^|[^A-Za-z])%1($|[^A-Za-z])").arg(QRegularExpression::escape(land)),
            QRegularExpression::NoPatternOption);
        if (woord.match(QString(naam).replace(u'_', u' ')).hasMatch())
            return true;
    }
    return false;
}

} // namespace

namespace StemKeuze {

std::optional<QLocale> taal(const QList<QLocale>& beschikbaar, const QLocale& taal,
                            const QLocale& systeem) {
    QList<QLocale> zelfde;
    for (const QLocale& l : beschikbaar) {
        if (l.language() == taal.language())
            zelfde.append(l);
    }
    if (zelfde.isEmpty())
        return std::nullopt;
    QList<QLocale::Territory> voorkeur;
    if (systeem.language() == taal.language())
        voorkeur << systeem.territory();
    voorkeur << taal.territory() << QLocale::AnyTerritory;
    for (QLocale::Territory land : voorkeur) {
        for (const QLocale& l : zelfde) {
            if (l.territory() == land)
                return l;
        }
    }
    return zelfde.first();
}

qsizetype stem(const QStringList& namen, const QLocale& gekozen) {
    const QStringList eigen = landNamen(gekozen.territory());
    for (qsizetype i = 0; i < namen.size(); ++i) {
        if (noemt(namen[i], eigen))
            return i;
    }
    // "English (Caribbean)" names a country of its own; a plain name may be the language's.
    static const QRegularExpression haakjes(QStringLiteral("[(][^)]*[)]"));
    bool ergensHaakjes = false;
    for (const QString& naam : namen)
        ergensHaakjes = ergensHaakjes || naam.contains(haakjes);
    if (!ergensHaakjes)
        return -1;
    for (qsizetype i = 0; i < namen.size(); ++i) {
        if (!namen[i].contains(haakjes))
            return i;
    }
    return -1;
}

} // namespace StemKeuze
