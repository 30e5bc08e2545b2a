#include "common/paden.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>

QStringList Paden::achtergrondMappen() const {
    QStringList mappen{achtergronden()};
    const QString eigen = QDir(gegevensMap).filePath(QStringLiteral("Backgrounds"));
    if (!gegevensMap.isEmpty() && QDir::cleanPath(eigen) != QDir::cleanPath(mappen.first()))
        mappen.append(eigen);
    return mappen;
}

QStringList Paden::achtergrondBestanden() const {
    static const QStringList patronen{QStringLiteral("*.jpg"), QStringLiteral("*.gif"),
                                      QStringLiteral("*.bmp")};
    QStringList bestanden;
    for (const QString& map : achtergrondMappen()) {
        // Name filters match without regard to case unless told otherwise.
        const QFileInfoList gevonden = QDir(map).entryInfoList(
            patronen, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& info : gevonden)
            bestanden.append(info.absoluteFilePath());
    }
    return bestanden;
}

QString Paden::handleiding(const QString& taal) const {
    const QDir map(programmaMap);
    if (taal != QLatin1String("nl")) {
        const QString vertaald = map.filePath(QStringLiteral("Quintaro-%1.pdf").arg(taal));
        if (QFileInfo::exists(vertaald))
            return vertaald;
    }
    return map.filePath(QStringLiteral("Quintaro.pdf"));
}

bool mapIsBeschrijfbaar(const QString& map) {
    if (map.isEmpty() || !QFileInfo(map).isDir())
        return false;
    QTemporaryFile proef(QDir(map).filePath(QStringLiteral(".quintaro-proef-XXXXXX")));
    // The file is removed again when `proef` goes out of scope.
    return proef.open();
}

Paden kiesPaden(const QString& programmaMap, const QString& dirOptie,
                const QString& gebruikersMap) {
    Paden paden;
    if (!dirOptie.isEmpty()) {
        paden.programmaMap = QDir(dirOptie).absolutePath();
        paden.gegevensMap = paden.programmaMap;
        return paden;
    }
    paden.programmaMap = QDir(programmaMap).absolutePath();
    paden.gegevensMap = mapIsBeschrijfbaar(paden.programmaMap) ? paden.programmaMap
                                                               : QDir(gebruikersMap).absolutePath();
    return paden;
}

QStringList Paden::aangebodenAchtergronden() const {
    const auto leesbaar = [](const QString& map) {
        const QFileInfo info(map);
        return info.isDir() && info.isReadable() && info.isExecutable();
    };
    const QStringList mappen = achtergrondMappen();
    if (std::any_of(mappen.cbegin(), mappen.cend(), leesbaar))
        return achtergrondBestanden();
    QStringList paden;
    const QFileInfoList hier = QDir::current().entryInfoList(
        {QStringLiteral("*.jpg"), QStringLiteral("*.gif"), QStringLiteral("*.bmp")},
        QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : hier)
        paden.append(info.absoluteFilePath());
    return paden;
}
