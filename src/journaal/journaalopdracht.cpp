#include "journaal/journaalopdracht.h"

#include "journaal/journaalcontrole.h"
#include "journaal/journaalrapport.h"

#include <QDir>

#include <cstdio>

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
