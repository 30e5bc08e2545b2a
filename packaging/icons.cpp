// quintaro_icons <dir>: draws the program icon at every size of the desktop's icon theme, as
// <dir>/<n>x<n>/apps/quintaro.png. Run it with QT_QPA_PLATFORM=offscreen.

#include "images.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quintaro_icons <dir>\n");
        return 2;
    }
    const QString map = QString::fromLocal8Bit(argv[1]);
    for (const int maat : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage icoon = programmaIcoon(maat);
        if (icoon.size() != QSize(maat, maat))
            icoon = icoon.scaled(maat, maat, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString sub = QStringLiteral("%1/%2x%2/apps").arg(map).arg(maat);
        if (!QDir().mkpath(sub) || !icoon.save(sub + QStringLiteral("/quintaro.png"), "PNG")) {
            std::fprintf(stderr, "quintaro_icons: cannot write %s\n", qPrintable(sub));
            return 1;
        }
    }
    return 0;
}
