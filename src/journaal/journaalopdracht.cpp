#include "journaal/journaalopdracht.h"

#include "journaal/journaalcontrole.h"
#include "journaal/journaalrapport.h"
#include "journaal/winnaarslijst.h"
#include "schijf/schijf.h"

#include <QDir>

#include <cstdio>
#include <cstring>

namespace {

void druk(const QString& tekst, FILE* waar = stdout) {
    std::fputs(tekst.toLocal8Bit().constData(), waar);
}

} // namespace

int Journaalopdracht::controleer(const QString& journaal,
                                 std::vector<Controleuitslag::Pin> pinnen) {
    const Controleuitslag uit = Journaalcontrole::controleer(journaal, false, std::move(pinnen));
    druk(tr("Trekkingsjournaal: %1").arg(QDir::toNativeSeparators(journaal)) + u'\n');
    druk(uit.samenvatting());
    return uit.eindCode();
}

int Journaalopdracht::rapport(const QString& journaal, const QString& pdf) {
    QString fout;
    Controleuitslag uit;
    if (!Journaalrapport::schrijf(journaal, pdf, &fout, &uit)) {
        druk(QStringLiteral("quintaro: ") + fout + u'\n', stderr);
        return 1;
    }
    druk(tr("Verslag geschreven: %1").arg(QDir::toNativeSeparators(pdf)) + u'\n');
    druk(uit.oordeelTekst() + u'\n');
    return 0;
}

int Journaalopdracht::winnaars(const QString& journaal, const QString& csv) {
    const Controleuitslag uit = Journaalcontrole::controleer(journaal, true);
    if (uit.aantalReeksen == 0 && uit.oordeel == Controleuitslag::Oordeel::Fout) {
        druk(QStringLiteral("quintaro: ") + uit.samenvatting(), stderr);
        return 1;
    }
    const QByteArray inhoud = Winnaarslijst(uit).csv();
    if (const int fout = Schijf::bewaar(csv, inhoud); fout != 0) {
        druk(tr("quintaro: %1 kan niet worden geschreven: %2")
                     .arg(QDir::toNativeSeparators(csv),
                          QString::fromLocal8Bit(std::strerror(fout))) +
                 u'\n',
             stderr);
        return 1;
    }
    druk(tr("Winnaars geschreven: %1").arg(QDir::toNativeSeparators(csv)) + u'\n');
    druk(uit.oordeelTekst() + u'\n');
    return 0;
}
