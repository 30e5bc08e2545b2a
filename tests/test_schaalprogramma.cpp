// The real program on an X server (Xvfb) of 1920 x 1080 and of 3840 x 2160 pixels: on the
// larger screen the window is the same window at twice the pixels, its rollers and result
// panel at twice their places and sizes, the rollers showing the sharp strip; --schaal 2 on
// the smaller screen draws a 960 x 540 window at twice the pixels.
#include "app/indeling.h"
#include "common/schaal.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString programma() {
    return QDir(qEnvironmentVariable("QUINTARO_PROGRAM_DIR")).filePath(QStringLiteral("quintaro"));
}

// The window as the program saves it (--screenshot), run on a fresh directory under an X
// server of `breedte` x `hoogte`.
QImage schermafdruk(int breedte, int hoogte, const QStringList& extra = {}) {
    QTemporaryDir map;
    const QString bestand = map.filePath(QStringLiteral("venster.png"));
    QProcess kind;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.remove(QStringLiteral("QT_QPA_PLATFORM"));
    kind.setProcessEnvironment(omgeving);
    kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kind.start(QStringLiteral("xvfb-run"),
               QStringList{QStringLiteral("-a"), QStringLiteral("-s"),
                           QStringLiteral("-screen 0 %1x%2x24").arg(breedte).arg(hoogte),
                           programma(), QStringLiteral("--dir"), map.path(),
                           QStringLiteral("--screenshot"), bestand} +
                   extra);
    if (!kind.waitForFinished(60000))
        kind.kill();
    return QImage(bestand).convertToFormat(QImage::Format_RGB32);
}

// The digit strip as the program loads it for a device pixel ratio of `schaal`, compared as
// plain pixels.
QImage strook(double schaal) {
    QImage beeld = laadOpSchaal(QStringLiteral(":/images/strip_digits.png"), schaal)
                       .convertToFormat(QImage::Format_RGB32);
    beeld.setDevicePixelRatio(1);
    return beeld;
}

// Whether a pixel near `p` (within two pixels) is white, as a roller's outer frame is.
bool witBij(const QImage& beeld, const QPointF& p) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint q = p.toPoint() + QPoint(dx, dy);
            if (beeld.rect().contains(q) && QColor(beeld.pixel(q)).lightness() > 235)
                return true;
        }
    }
    return false;
}

} // namespace

class TestSchaalProgramma : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty())
            QSKIP("xvfb-run is missing (scripts/deps.sh installs it)");
    }

    void vierKIsTweeKeerFullHd() {
        const QImage klein = schermafdruk(1920, 1080);
        const QImage groot = schermafdruk(3840, 2160);
        QCOMPARE(klein.size(), QSize(1920, 1080));
        QCOMPARE(groot.size(), QSize(3840, 2160));

        // The rollers at 1920 x 1080: 150 x 207 from (620, 220) in steps of 180, in their
        // frames; at 3840 x 2160: 300 x 414 from (1240, 440), showing the strip drawn at twice
        // the size pixel for pixel.
        for (int n = 0; n < 4; ++n) {
            const int links = 620 + 180 * n;
            QCOMPARE(klein.copy(links, 220, 150, 207), strook(1).copy(0, 0, 150, 207));
            QCOMPARE(groot.copy(2 * links, 440, 300, 414), strook(2).copy(0, 0, 300, 414));
        }
        // Every one of these pixels at 1920 x 1080 is a block of two by two at twice its place
        // at 3840 x 2160: the edges of a roller's frames (3 black, 3 white pixels), the result
        // panel's corners (692, 460) and (1227, 639), its frame's white line, a dot, the bottom
        // bar's stripe, and the plain colour just outside each.
        QCOMPARE(QColor(klein.pixel(619, 300)), QColor(Qt::black));
        QCOMPARE(QColor(klein.pixel(614, 300)), QColor(Qt::white));
        QCOMPARE(QColor(klein.pixel(692, 460)), QColor(Qt::black));
        QCOMPARE(QColor(klein.pixel(707, 475)), QColor(150, 150, 150));
        const QList<QPoint> punten{
            {619, 300}, {617, 300}, {616, 300}, {614, 300}, {613, 300},  {772, 300},  {775, 300},
            {776, 300}, {619, 433}, {692, 460}, {691, 460}, {1227, 639}, {1228, 640}, {695, 500},
            {697, 500}, {698, 500}, {702, 500}, {707, 475}, {708, 475},  {700, 1000}, {700, 999}};
        for (const QPoint p : punten) {
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 1)})
                QVERIFY2(groot.pixel(2 * p + d) == klein.pixel(p),
                         qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
        }
    }

    // Screens on their side and the lowest ones: the window takes the whole screen, and the outer
    // frames of the first and the fourth roller lie where the factor puts them, inside it; so do
    // the result panel's corners.
    void elkeMaatPast_data() {
        QTest::addColumn<QSize>("scherm");
        QTest::newRow("1080x1920 on its side") << QSize(1080, 1920);
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1366x768") << QSize(1366, 768);
    }
    void elkeMaatPast() {
        QFETCH(QSize, scherm);
        const QImage beeld = schermafdruk(scherm.width(), scherm.height());
        QCOMPARE(beeld.size(), scherm);
        const double factor = kiesSchaal(scherm, 1.0);
        const QSize logisch(qRound(scherm.width() / factor), qRound(scherm.height() / factor));
        const Indeling ind = berekenIndeling(logisch);
        for (std::size_t n : {std::size_t{0}, std::size_t{3}}) {
            const QRect kader = naarPixels(ind.buitenKader[n]);
            for (const QPointF p : {QPointF(kader.left() + 1, kader.center().y()),
                                    QPointF(kader.right() - 1, kader.center().y())}) {
                QVERIFY(beeld.rect().contains((p * factor).toPoint()));
                QVERIFY2(witBij(beeld, p * factor),
                         qPrintable(QStringLiteral("roller %1 at %2").arg(n + 1).arg(p.x())));
            }
        }
        const QRect nummer = naarPixels(ind.nummerPic);
        QVERIFY(beeld.rect().contains((QPointF(nummer.bottomRight()) * factor).toPoint()));
        QVERIFY(nummer.bottom() < naarPixels(ind.knopPic.y()));
    }

    void schaalOptieOpFullHd() {
        // A window of 960 x 540 logical pixels: the first roller at (140, 220), doubled.
        const QImage beeld = schermafdruk(1920, 1080, {QStringLiteral("--schaal"), "2"});
        QCOMPARE(beeld.size(), QSize(1920, 1080));
        QCOMPARE(beeld.copy(280, 440, 300, 414), strook(2).copy(0, 0, 300, 414));
        QCOMPARE(QColor(beeld.pixel(279, 600)), QColor(Qt::black));
        QCOMPARE(QColor(beeld.pixel(274, 600)), QColor(Qt::black));
        QCOMPARE(QColor(beeld.pixel(273, 600)), QColor(Qt::white));
    }
};

QTEST_MAIN(TestSchaalProgramma)
#include "test_schaalprogramma.moc"
