// quintaro_assetgen: draws, synthesises and typesets Quintaro's assets at build time.
//
//   quintaro_assetgen images <dir> <docdir>  roller strips, prize table and icons as PNG;
//                                          fruit pictures for the help document
//   quintaro_assetgen backgrounds <dir>   Wallpaper-01.jpg ... for the Backgrounds folder
//   quintaro_assetgen sounds <dir>        klik.wav, start.wav, stop.wav
//   quintaro_assetgen helpdoc <source.html> <out.pdf> <picture dir>...
//   quintaro_assetgen contactsheet <images dir> <backgrounds dir> <out.png>
//
// Run it with QT_QPA_PLATFORM=offscreen.

#include "backgrounds.h"
#include "helpdoc.h"
#include "images.h"
#include "paint.h"
#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int gebruik() {
    std::fprintf(
        stderr, "usage: quintaro_assetgen images <dir> <docdir>\n"
                "       quintaro_assetgen backgrounds|sounds <dir>\n"
                "       quintaro_assetgen helpdoc <source.html> <out.pdf> <picture dir>...\n"
                "       quintaro_assetgen contactsheet <images dir> <backgrounds dir> <out.png>\n");
    return 2;
}

// One picture with every generated image, for looking them over.
int contactBlad(const QString& plaatjes, const QString& achtergronden, const QString& uit) {
    QImage blad(1600, 1270, QImage::Format_RGB32);
    blad.fill(QColor(80, 80, 100));
    QPainter p(&blad);
    zetKwaliteit(p);
    const QImage digits(plaatjes + "/strip_digits.png");
    const QImage fruits(plaatjes + "/strip_fruits.png");
    // The strips folded into two columns of six cells.
    for (int s = 0; s < 2; ++s) {
        const QImage& strip = s ? fruits : digits;
        for (int k = 0; k < 12; ++k) {
            const QRect bronRect(0, k * 202, 150, k == 11 ? 201 : 202);
            p.drawImage(QPoint(10 + s * 330 + (k / 6) * 160, 10 + (k % 6) * 206),
                        strip.copy(bronRect));
        }
    }
    p.drawImage(QPoint(680, 10), QImage(plaatjes + "/prizetable.png"));
    // The buttons on the bottom panel's dotted texture, at their size and three times larger.
    p.fillRect(QRect(680, 200, 910, 260), QColor(80, 80, 100));
    for (int x = 680; x < 1590; x += 3)
        for (int y = 200; y < 460; y += 3)
            blad.setPixel(x, y, qRgb(20, 20, 50));
    int x = 690;
    const char* knoppen[] = {"knop_help", "knop_software", "sound_on",
                             "sound_off", "knop_settings", "exit"};
    for (const char* naam : knoppen) {
        const QImage knop(plaatjes + "/" + naam + ".png");
        p.drawImage(QPoint(x, 210), knop);
        p.drawImage(QRect(x - 10 + 0, 300, 144, 144), knop);
        x += 150;
    }
    p.drawImage(QPoint(690, 660), QImage(plaatjes + "/arrow_left.png"));
    p.drawImage(QPoint(780, 660), QImage(plaatjes + "/arrow_right.png"));
    p.drawImage(QPoint(870, 680), QImage(plaatjes + "/icon32.png"));
    p.drawImage(QPoint(920, 640), QImage(plaatjes + "/icon256.png"));
    p.drawImage(QRect(1200, 640, 128, 128), QImage(plaatjes + "/icon32.png"));
    const QStringList jpgs = QDir(achtergronden).entryList({"*.jpg"}, QDir::Files, QDir::Name);
    for (int i = 0; i < jpgs.size(); ++i) {
        const QImage a = QImage(achtergronden + "/" + jpgs[i])
                             .scaled(300, 169, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(QPoint(680 + (i % 3) * 305, 920 + (i / 3) * 175), a);
    }
    p.end();
    return blad.save(uit) ? 0 : 1;
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
    if (opdracht == "images" && args.size() == 3) {
        maakPlaatjes(args[1], args[2]);
    } else if (opdracht == "backgrounds" && args.size() == 2) {
        maakAchtergronden(args[1]);
    } else if (opdracht == "sounds" && args.size() == 2) {
        maakGeluiden(args[1]);
    } else if (opdracht == "helpdoc" && args.size() >= 4) {
        return maakHandleiding(args[1], args[2], args.mid(3)) > 0 ? 0 : 1;
    } else if (opdracht == "contactsheet" && args.size() == 4) {
        return contactBlad(args[1], args[2], args[3]);
    } else {
        return gebruik();
    }
    return 0;
}
