#include "journaal/controleuitslag.h"

#include "journaal/pinnen.h"

#include <QStringList>

int Controleuitslag::eindCode() const {
    switch (oordeel) {
    case Oordeel::Goed:
        return 0;
    case Oordeel::NogNietControleerbaar:
        return 3;
    case Oordeel::Fout:
        return 1;
    }
    return 1;
}

QString Controleuitslag::oordeelTekst() const {
    switch (oordeel) {
    case Oordeel::Goed:
        return tr("Alles klopt: elke sleutel past bij zijn toezegging en elk nummer is "
                  "nagerekend.");
    case Oordeel::NogNietControleerbaar: {
        QStringList nummers;
        for (qint64 n : nietOnthuld)
            nummers << QString::number(n);
        return tr("Klopt tot nu toe, maar nog niet te controleren: de sleutel van reeks %1 is "
                  "nog niet onthuld.")
            .arg(nummers.join(QStringLiteral(", ")));
    }
    case Oordeel::Fout:
        if (regel > 0)
            return tr("FOUT op regel %1: %2").arg(regel).arg(reden);
        return tr("FOUT: %1").arg(reden);
    }
    return {};
}

QString Controleuitslag::samenvatting() const {
    QString tekst;
    tekst += tr("Regels: %1, reeksen: %2, trekkingen: %3, nagerekend: %4")
                 .arg(regels)
                 .arg(aantalReeksen)
                 .arg(aantalTrekkingen)
                 .arg(nagerekend);
    for (const Pin& pin : pinnen)
        tekst += u'\n' + Pinnen::tekst(pin);
    tekst += u'\n' + oordeelTekst() + u'\n';
    return tekst;
}
