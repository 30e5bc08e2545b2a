#include "app/taal.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {

QString gekozen = QStringLiteral("nl");
// The translators installed by the last choice, owned by the application object.
std::vector<QPointer<QTranslator>> geinstalleerd;

void verwijderVorige() {
    for (const QPointer<QTranslator>& t : geinstalleerd) {
        if (t) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    geinstalleerd.clear();
}

void installeer(std::unique_ptr<QTranslator> t) {
    t->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(t.get());
    geinstalleerd.emplace_back(t.release());
}

} // namespace

namespace Taal {

QStringList bekend() {
    return {QStringLiteral("nl"), QStringLiteral("en")};
}

bool kies(const QString& code) {
    if (!bekend().contains(code))
        return false;
    // The program's texts are Dutch already; every other language is a compiled-in translation.
    std::unique_ptr<QTranslator> eigen;
    if (code != QLatin1String("nl")) {
        eigen = std::make_unique<QTranslator>();
        if (!eigen->load(QStringLiteral(":/i18n/quintaro_") + code))
            return false;
    }
    verwijderVorige();
    gekozen = code;
    // Qt's own texts (message box buttons, command-line errors) in the same language, when
    // the system has them; English needs none.
    if (code != QLatin1String("en")) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + code,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installeer(std::move(qt));
    }
    if (eigen)
        installeer(std::move(eigen));
    return true;
}

QString huidige() {
    return gekozen;
}

} // namespace Taal
