#include "drawings.h"

#include "paint.h"

#include <QFile>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

const QString kSvgNaamruimte = QStringLiteral("http://www.w3.org/2000/svg");

// The SVG elements Qt SVG draws as a drawing program means them. Elements of other
// namespaces (an editor's own bookkeeping, metadata) are ignored by Qt SVG and allowed.
const QSet<QString>& toegestaneElementen() {
    static const QSet<QString> namen{
        "svg",     "g",    "defs",   "title",          "desc",           "metadata",
        "path",    "rect", "circle", "ellipse",        "line",           "polyline",
        "polygon", "use",  "stop",   "linearGradient", "radialGradient",
    };
    return namen;
}

// Properties whose effect Qt SVG leaves out, as attributes or inside `style`, unless they
// have their neutral value.
bool isVerboden(const QString& naam, const QString& waarde) {
    if (naam == u"filter" || naam == u"mask" || naam == u"clip-path")
        return waarde != u"none";
    if (naam == u"mix-blend-mode" || naam == u"paint-order")
        return waarde != u"normal";
    return false;
}

QString plaats(const QString& pad, const QXmlStreamReader& xml) {
    return QStringLiteral("%1:%2").arg(pad).arg(xml.lineNumber());
}

} // namespace

QStringList svgFouten(const QString& pad) {
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return {pad + QStringLiteral(": cannot be read")};
    QStringList fouten;
    QXmlStreamReader xml(&bestand);
    bool wortel = true;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString naam = xml.name().toString();
        if (wortel) {
            wortel = false;
            if (naam != u"svg" || xml.namespaceUri() != kSvgNaamruimte)
                fouten << plaats(pad, xml) + QStringLiteral(": not an SVG drawing");
            else if (!xml.attributes().hasAttribute(QStringLiteral("viewBox")))
                fouten << plaats(pad, xml) + QStringLiteral(": <svg> has no viewBox");
        }
        if (xml.namespaceUri() != kSvgNaamruimte)
            continue;
        if (!toegestaneElementen().contains(naam))
            fouten << plaats(pad, xml) +
                          QStringLiteral(": <%1> is not drawn by Qt SVG (keep to paths, shapes, "
                                         "strokes and gradients; turn text into paths)")
                              .arg(naam);
        for (const QXmlStreamAttribute& a : xml.attributes()) {
            if (!a.namespaceUri().isEmpty())
                continue;
            QList<std::pair<QString, QString>> eigenschappen;
            if (a.name() == u"style") {
                for (const QString& deel : a.value().toString().split(u';'))
                    eigenschappen.append(
                        {deel.section(u':', 0, 0).trimmed(), deel.section(u':', 1).trimmed()});
            } else {
                eigenschappen.append({a.name().toString(), a.value().trimmed().toString()});
            }
            for (const auto& [eigenschap, waarde] : eigenschappen)
                if (isVerboden(eigenschap, waarde))
                    fouten << plaats(pad, xml) +
                                  QStringLiteral(": %1 is not drawn by Qt SVG").arg(eigenschap);
        }
    }
    if (xml.hasError())
        fouten << plaats(pad, xml) + QStringLiteral(": ") + xml.errorString();
    else if (wortel)
        fouten << pad + QStringLiteral(": empty");
    if (fouten.isEmpty() && !QSvgRenderer(pad).isValid())
        fouten << pad + QStringLiteral(": Qt SVG cannot read it");
    return fouten;
}

void tekenSvg(QPainter& p, const QString& pad, const QRectF& vak) {
    QSvgRenderer tekening(pad);
    p.save();
    zetKwaliteit(p);
    tekening.render(&p, vak);
    p.restore();
}

QImage svgPlaatje(const QString& pad, QSize maat) {
    QImage img = leegPlaatje(maat.width(), maat.height());
    QPainter p(&img);
    tekenSvg(p, pad, QRectF(QPointF(0, 0), maat));
    return img;
}
