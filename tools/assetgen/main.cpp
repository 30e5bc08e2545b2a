// quintaro_assetgen: draws, synthesises and typesets Quintaro's assets at build time.
//
//   quintaro_assetgen images <art dir> <dir> <docdir>
//       roller strips, prize table and icons as PNG from the drawings under <art dir>
//       (assets/art); fruit pictures for the help document
//   quintaro_assetgen icons <drawing.svg> <dir> <size>...
//       <dir>/<n>x<n>/apps/<name>.png for the desktop's icon theme
//   quintaro_assetgen backgrounds <dir>   Wallpaper-01.jpg ... for the Backgrounds folder
//   quintaro_assetgen sounds <dir>        klik.wav, start.wav, stop.wav
//   quintaro_assetgen helpdoc <source.html> <out.pdf> <picture dir>...
//   quintaro_assetgen contactsheet <art dir> <images dir> <backgrounds dir> <out.png>
//
// Run it with QT_QPA_PLATFORM=offscreen.

#include "backgrounds.h"
#include "contactsheet.h"
#include "helpdoc.h"
#include "images.h"
#include "sounds.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int gebruik() {
    std::fprintf(stderr,
                 "usage: quintaro_assetgen images <art dir> <dir> <docdir>\n"
                 "       quintaro_assetgen icons <drawing.svg> <dir> <size>...\n"
                 "       quintaro_assetgen backgrounds|sounds <dir>\n"
                 "       quintaro_assetgen helpdoc <source.html> <out.pdf> <picture dir>...\n"
                 "       quintaro_assetgen contactsheet <art dir> <images dir> <backgrounds dir> "
                 "<out.png>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // A private runtime folder keeps Qt quiet on build machines that have none.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return gebruik();
    const QString opdracht = args[0];
    if (opdracht == "images" && args.size() == 4) {
        return maakPlaatjes(args[1], args[2], args[3]) ? 0 : 1;
    } else if (opdracht == "icons" && args.size() >= 4) {
        QList<int> maten;
        for (const QString& a : args.mid(3)) {
            bool goed = false;
            maten << a.toInt(&goed);
            if (!goed || maten.last() < 1)
                return gebruik();
        }
        return maakIconen(args[1], args[2], maten) ? 0 : 1;
    } else if (opdracht == "backgrounds" && args.size() == 2) {
        maakAchtergronden(args[1]);
    } else if (opdracht == "sounds" && args.size() == 2) {
        maakGeluiden(args[1]);
    } else if (opdracht == "helpdoc" && args.size() >= 4) {
        return maakHandleiding(args[1], args[2], args.mid(3)) > 0 ? 0 : 1;
    } else if (opdracht == "contactsheet" && args.size() == 5) {
        return maakContactBlad(args[1], args[2], args[3], args[4]) ? 0 : 1;
    } else {
        return gebruik();
    }
    return 0;
}
