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
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr qreal kSchermDpi = 96.0;
constexpr qreal kMm = kSchermDpi / 25.4; // layout pixels per millimetre
constexpr qreal kPaginaB = 210 * kMm;
constexpr qreal kPaginaH = 297 * kMm;
constexpr qreal kMargeZij = 20 * kMm;
constexpr qreal kMargeBoven = 24 * kMm;
constexpr qreal kMargeOnder = 22 * kMm;

// The words around the text, in the manual's language (<html lang="...">; Dutch by default).
struct Omlijsting {
    QString kop;    // right in the header
    QString titel;  // the PDF's title
    QString pagina; // the footer, "%1" the page and "%2" the number of pages
};

Omlijsting omlijsting(const QString& html) {
    static const QRegularExpression taal(QStringLiteral("<html[^>]*\\slang=\"([a-z]+)"));
    if (taal.match(html).captured(1) == QLatin1String("en"))
        return {QStringLiteral("Manual"), QStringLiteral("Quintaro - Manual"),
                QStringLiteral("Page %1 of %2")};
    return {QStringLiteral("Handleiding"), QStringLiteral("Quintaro - Handleiding"),
            QStringLiteral("Pagina %1 van %2")};
}

QString zoekPlaatje(const QString& naam, const QStringList& mappen) {
    for (const QString& map : mappen) {
        const QString pad = QDir(map).filePath(naam);
        if (QFileInfo::exists(pad))
            return pad;
    }
    return {};
}

// Where the layout put a block's first line, in document coordinates.
qreal boven(const QTextDocument& doc, const QTextBlock& blok) {
    const QTextLayout* regels = blok.layout();
    return doc.documentLayout()->blockBoundingRect(blok).top() - regels->boundingRect().top() +
           regels->lineAt(0).y();
}

// Moves every paragraph that the page breaks would split to the top of the next page, with
// its heading.
// QTextLayout draws a paragraph's last line above its clip as well, so a split paragraph
// would write its last line of the one page again on the next, out of sight but in the text
// that a search or a copy finds.
void houdAlineasBijElkaar(QTextDocument& doc, qreal pagina) {
    doc.pageCount(); // lays the whole document out
    for (QTextBlock blok = doc.begin(); blok.isValid(); blok = blok.next()) {
        const QTextLayout* regels = blok.layout();
        if (regels->lineCount() < 2)
            continue;
        const qreal y = boven(doc, blok);
        const QTextLine laatste = regels->lineAt(regels->lineCount() - 1);
        const qreal vanaf = std::floor(y / pagina) * pagina;
        // A paragraph already at the top of its page is longer than a page: left as it is.
        if (y + laatste.y() - regels->lineAt(0).y() < vanaf + pagina || y < vanaf + 1)
            continue;
        // A heading just above goes along with the paragraph it heads.
        QTextBlock verplaatst = blok;
        const QTextBlock ervoor = blok.previous();
        if (ervoor.isValid() && ervoor.blockFormat().headingLevel() > 0 &&
            ervoor.layout()->lineCount() > 0 && boven(doc, ervoor) > vanaf + 1)
            verplaatst = ervoor;
        QTextBlockFormat opmaak = verplaatst.blockFormat();
        opmaak.setPageBreakPolicy(opmaak.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(verplaatst).setBlockFormat(opmaak);
    }
}

// The lowest bottom of the paragraphs that begin above `grens`, in document coordinates; at
// least `grens`. The last paragraph of a page may reach over the page break by its spacing.
qreal onderkantVoor(const QTextDocument& doc, qreal grens) {
    qreal onder = grens;
    for (QTextBlock blok = doc.begin(); blok.isValid(); blok = blok.next()) {
        if (blok.layout()->lineCount() > 0 && boven(doc, blok) < grens)
            onder = std::max(onder, doc.documentLayout()->blockBoundingRect(blok).bottom());
    }
    return onder;
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
    const Omlijsting woorden = omlijsting(html);

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
    houdAlineasBijElkaar(doc, inhoud.height());
    const int paginas = doc.pageCount();

    QDir().mkpath(QFileInfo(pdf).absolutePath());
    QPdfWriter writer(pdf);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(300);
    writer.setTitle(woorden.titel);
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
        p.drawText(kop, Qt::AlignRight | Qt::AlignBottom, woorden.kop);
        p.setPen(QPen(QColor(190, 190, 215), 0.8));
        p.drawLine(QPointF(kMargeZij, kop.bottom() + 2 * kMm),
                   QPointF(kMargeZij + inhoud.width(), kop.bottom() + 2 * kMm));
        p.setPen(QColor(110, 110, 140));
        p.drawText(QRectF(kMargeZij, kPaginaH - kMargeOnder + 8 * kMm, inhoud.width(), 6 * kMm),
                   Qt::AlignCenter, woorden.pagina.arg(i + 1).arg(paginas));
        // The page's slice of the document.
        p.translate(kMargeZij, kMargeBoven - i * inhoud.height());
        // One pixel less than a page, so nothing that starts on the next page bleeds in.
        const QRectF stuk(0, i * inhoud.height(), inhoud.width(), inhoud.height() - 1);
        p.setClipRect(stuk);
        // The layout draws every paragraph that touches its clip: the last one of the page
        // before, reaching over the break by its line spacing, stays out of this page's clip.
        QRectF regels = stuk;
        regels.setTop(onderkantVoor(doc, stuk.top()) + 1);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = regels;
        ctx.palette.setColor(QPalette::Text, QColor(30, 30, 40));
        doc.documentLayout()->draw(&p, ctx);
        p.restore();
    }
    p.end();
    return paginas;
}
