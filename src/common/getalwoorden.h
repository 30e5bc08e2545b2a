#pragma once

#include <QLocale>
#include <QString>

// Numbers written out in words, as a caller reads them out: Dutch ("zevenentwintig",
// "tweeëntwintig", "min vijf") and English ("twenty-seven", "one hundred twenty-one", "minus
// five"; no "and" after hundred). Every 32-bit value has its words.
class GetalWoorden {
public:
    // Dutch. Up to a thousand the words are written together, after "duizend" comes a space,
    // "miljoen" and "miljard" stand apart ("tweeduizend vierhonderddrieëntwintig",
    // "één miljoen"); a unit ending in e takes a trema before "en" ("drieëntwintig"). One
    // standing alone is "één" for the stress, inside a word "een" ("eenentwintig").
    static QString nederlands(qint32 getal);
    static QString engels(qint32 getal);
    // In the language of `taal`: Dutch for Dutch, English for every other language.
    static QString inWoorden(qint32 getal, const QLocale& taal);
    // The points text of the picture rollers: "acht punten", "één punt"; "eight points",
    // "one point".
    static QString punten(qint32 aantal, const QLocale& taal);
};
