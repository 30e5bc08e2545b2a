#include "helpdoc.h"

#include "paint.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {

constexpr qreal kSchermDpi = 96.0;
constexpr qreal kMm = kSchermDpi / 25.4; // layout pixels per millimetre
constexpr qreal kPaginaB = 210 * kMm;
constexpr qreal kPaginaH = 297 * kMm;
constexpr qreal kMargeZij = 20 * kMm;
constexpr qreal kMargeBoven = 24 * kMm;
constexpr qreal kMargeOnder = 22 * kMm;

QString zoekPlaatje(const QString& naam, const QStringList& mappen) {
    for (const QString& map : mappen) {
        const QString pad = QDir(map).filePath(naam);
        if (QFileInfo::exists(pad))
            return pad;
    }
    return {};
}

} // namespace

QString kiesOnderdelen(QString html, const QStringList& plaatjesMappen) {
    static const QRegularExpression deel(QStringLiteral("<!--als:([^>]+?)-->(.*?)<!--/als-->"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QString uit;
    qsizetype vanaf = 0;
    for (auto it = deel.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        uit += html.mid(vanaf, m.capturedStart() - vanaf);
        if (!zoekPlaatje(m.captured(1).trimmed(), plaatjesMappen).isEmpty())
            uit += m.captured(2);
        vanaf = m.capturedEnd();
    }
    uit += html.mid(vanaf);
    return uit;
}

int maakHandleiding(const QString& bron, const QString& pdf, const QStringList& plaatjesMappen) {
    QFile f(bron);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quintaro_assetgen: cannot read %s\n", qPrintable(bron));
        return 0;
    }
    const QString html = kiesOnderdelen(QString::fromUtf8(f.readAll()), plaatjesMappen);

    QTextDocument doc;
    QFont basis(QStringLiteral("Liberation Sans"));
    basis.setPointSizeF(11);
    doc.setDefaultFont(basis);
    doc.setDocumentMargin(0);
    // Every picture the text names, from the first folder that has it.
    static const QRegularExpression img(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const QString naam = it.next().captured(1);
        const QString pad = zoekPlaatje(naam, plaatjesMappen);
        if (pad.isEmpty()) {
            std::fprintf(stderr, "quintaro_assetgen: picture %s not found\n", qPrintable(naam));
            return 0;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(naam), QImage(pad));
    }
    doc.setHtml(html);
    const QSizeF inhoud(kPaginaB - 2 * kMargeZij, kPaginaH - kMargeBoven - kMargeOnder);
    doc.setPageSize(inhoud);
    const int paginas = doc.pageCount();

    QDir().mkpath(QFileInfo(pdf).absolutePath());
    QPdfWriter writer(pdf);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Quintaro - Handleiding"));
    writer.setCreator(QStringLiteral("Quintaro"));
    QPainter p(&writer);
    if (!p.isActive()) {
        std::fprintf(stderr, "quintaro_assetgen: cannot write %s\n", qPrintable(pdf));
        return 0;
    }
    zetKwaliteit(p);
    const qreal schaal = writer.resolution() / kSchermDpi;
    // Sized in layout pixels, since the painter is scaled to the writer's resolution.
    QFont klein(basis);
    klein.setPixelSize(11);
    for (int i = 0; i < paginas; ++i) {
        if (i > 0)
            writer.newPage();
        p.save();
        p.scale(schaal, schaal);
        // Header: the program's name and a thin rule; footer: the page number.
        p.setFont(klein);
        p.setPen(QColor(110, 110, 140));
        const QRectF kop(kMargeZij, kMargeBoven - 12 * kMm, inhoud.width(), 6 * kMm);
        p.drawText(kop, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Quintaro"));
        p.drawText(kop, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Handleiding"));
        p.setPen(QPen(QColor(190, 190, 215), 0.8));
        p.drawLine(QPointF(kMargeZij, kop.bottom() + 2 * kMm),
                   QPointF(kMargeZij + inhoud.width(), kop.bottom() + 2 * kMm));
        p.setPen(QColor(110, 110, 140));
        p.drawText(QRectF(kMargeZij, kPaginaH - kMargeOnder + 8 * kMm, inhoud.width(), 6 * kMm),
                   Qt::AlignCenter, QStringLiteral("Pagina %1 van %2").arg(i + 1).arg(paginas));
        // The page's slice of the document.
        p.translate(kMargeZij, kMargeBoven - i * inhoud.height());
        // One pixel less than a page, so nothing that starts on the next page bleeds in.
        const QRectF stuk(0, i * inhoud.height(), inhoud.width(), inhoud.height() - 1);
        p.setClipRect(stuk);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = stuk;
        ctx.palette.setColor(QPalette::Text, QColor(30, 30, 40));
        doc.documentLayout()->draw(&p, ctx);
        p.restore();
    }
    p.end();
    return paginas;
}
