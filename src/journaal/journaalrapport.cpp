#include "journaal/journaalrapport.h"

#include "journaal/journaalcontrole.h"
#include "journaal/winnaarslijst.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace {

// Writes lines down the pages, starting a new page when the next block does not fit.
struct Pagina {
    QPdfWriter& pdf;
    QPainter p;
    QRect vlak; // the printable area, in device pixels
    int y = 0;

    explicit Pagina(QPdfWriter& schrijver) : pdf(schrijver) {}

    bool begin() {
        if (!p.begin(&pdf))
            return false;
        vlak = QRect(QPoint(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
        y = vlak.top();
        return true;
    }
    void nieuw() {
        pdf.newPage();
        y = vlak.top();
    }
    void ruimte(int hoogte) {
        if (y + hoogte > vlak.bottom() && y > vlak.top())
            nieuw();
    }
    int hoogte(const QFont& f, const QString& tekst, int breedte) const {
        return QFontMetrics(f, &pdf)
            .boundingRect(QRect(0, 0, breedte, 1 << 20), Qt::TextWordWrap, tekst)
            .height();
    }
    void tekst(const QString& t, const QFont& f, const QColor& kleur = Qt::black, int links = 0) {
        const int breedte = vlak.width() - links;
        const int h = hoogte(f, t, breedte);
        ruimte(h);
        p.setFont(f);
        p.setPen(kleur);
        p.drawText(QRect(vlak.left() + links, y, breedte, h), Qt::TextWordWrap, t);
        y += h;
    }
    void witregel(const QFont& f) { y += QFontMetrics(f, &pdf).height() / 2; }
};

QFont lettertype(double punten, bool vet = false, bool vast = false) {
    QFont f(vast ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans"));
    f.setStyleHint(vast ? QFont::Monospace : QFont::SansSerif);
    f.setPointSizeF(punten);
    f.setBold(vet);
    return f;
}

// "2024-05-01T20:14:03.123+02:00" as "2024-05-01 20:14:03"; anything else as it is.
QString datumTijd(const QByteArray& tijd) {
    const QString t = QString::fromUtf8(tijd);
    return t.size() >= 19 && t[10] == u'T' ? t.left(10) + u' ' + t.mid(11, 8) : t;
}

QString tijdAlleen(const QByteArray& tijd) {
    const QString t = datumTijd(tijd);
    return t.size() == 19 ? t.right(8) : t;
}

// The prizes of a raffle series, in the order they were drawn: per prize its place, its
// description, the winning ticket as the hall read it and when it was drawn; under it, in
// grey, the tickets drawn for it whose draw was declared void, each with the reason.
void prijzentabel(Pagina& pagina, const std::vector<Winnaarslijst::Getrokken>& loten) {
    const QFont kop = lettertype(9.5, true), gewoon = lettertype(9.5);
    const QColor grijs(90, 90, 110);
    const int b = pagina.vlak.width();
    const std::array<int, 4> x{0, b * 9 / 100, b * 52 / 100, b * 82 / 100};
    const std::array<int, 4> breedte{x[1] - 20, x[2] - x[1] - 30, x[3] - x[2] - 30, b - x[3]};
    const int insprong = b * 3 / 100;
    const auto rij = [&](const std::array<QString, 4>& cellen, const QFont& f, const QColor& kleur,
                         int inspringen = 0) {
        int h = 0;
        for (std::size_t k = 0; k < cellen.size(); ++k)
            h = std::max(h, pagina.hoogte(f, cellen[k], breedte[k] - (k == 1 ? inspringen : 0)));
        pagina.ruimte(h);
        pagina.p.setFont(f);
        pagina.p.setPen(kleur);
        for (std::size_t k = 0; k < cellen.size(); ++k) {
            const int links = x[k] + (k == 1 ? inspringen : 0);
            pagina.p.drawText(
                QRect(pagina.vlak.left() + links, pagina.y, breedte[k] - (links - x[k]), h),
                Qt::TextWordWrap | (k == 0 ? Qt::AlignRight : Qt::AlignLeft), cellen[k]);
        }
        pagina.y += h;
    };
    pagina.witregel(gewoon);
    pagina.ruimte(pagina.hoogte(kop, QStringLiteral("X"), b) * 4);
    rij({Journaalrapport::tr("Prijs"), Journaalrapport::tr("Omschrijving"),
         Journaalrapport::tr("Lot"), Journaalrapport::tr("Tijd")},
        kop, Qt::black);
    pagina.p.setPen(QPen(grijs, 2));
    pagina.p.drawLine(pagina.vlak.left(), pagina.y + 4, pagina.vlak.right(), pagina.y + 4);
    pagina.y += 12;
    for (std::size_t i = 0; i < loten.size();) {
        std::size_t j = i;
        while (j < loten.size() && loten[j].prijs == loten[i].prijs)
            ++j;
        const auto winnaar = std::find_if(loten.begin() + static_cast<std::ptrdiff_t>(i),
                                          loten.begin() + static_cast<std::ptrdiff_t>(j),
                                          [](const auto& g) { return !g.vervalt; });
        const bool gewonnen = winnaar != loten.begin() + static_cast<std::ptrdiff_t>(j);
        rij({QString::number(loten[i].prijs + 1) + u'.', QString::fromUtf8(loten[i].omschrijving),
             gewonnen ? winnaar->lotTekst() : Journaalrapport::tr("geen winnaar"),
             gewonnen ? tijdAlleen(winnaar->tijd) : QString()},
            gewoon, gewonnen ? QColor(Qt::black) : grijs);
        for (std::size_t k = i; k < j; ++k) {
            if (loten[k].vervalt)
                rij({QString(),
                     Journaalrapport::tr("vervallen: %1").arg(QString::fromUtf8(loten[k].reden)),
                     loten[k].lotTekst(), tijdAlleen(loten[k].tijd)},
                    gewoon, grijs, insprong);
        }
        i = j;
    }
}

} // namespace

bool Journaalrapport::schrijf(const QString& journaal, const QString& pdf, QString* fout,
                              Controleuitslag* uitslag) {
    if (!QFileInfo(journaal).isFile()) {
        if (fout)
            *fout = tr("%1 kan niet gelezen worden").arg(QDir::toNativeSeparators(journaal));
        return false;
    }
    const Controleuitslag uit = Journaalcontrole::controleer(journaal, true);
    if (uitslag)
        *uitslag = uit;
    return schrijf(uit, QFileInfo(journaal).fileName(), pdf, fout);
}

bool Journaalrapport::schrijf(const Controleuitslag& uit, const QString& journaalNaam,
                              const QString& pdf, QString* fout) {
    QPdfWriter schrijver(pdf);
    schrijver.setPageSize(QPageSize(QPageSize::A4));
    schrijver.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
    schrijver.setResolution(300);
    schrijver.setTitle(tr("Verslag van de trekkingen"));
    schrijver.setCreator(QStringLiteral("Quintaro %1").arg(QStringLiteral(QUINTARO_VERSION)));
    Pagina pagina(schrijver);
    if (!pagina.begin()) {
        if (fout)
            *fout = tr("%1 kan niet geschreven worden").arg(QDir::toNativeSeparators(pdf));
        return false;
    }
    const QFont titel = lettertype(18, true), kop = lettertype(13, true), gewoon = lettertype(10);
    const QFont vast = lettertype(9, false, true), klein = lettertype(8.5);
    const QFont lijst = lettertype(8, false, true);
    const QColor goed(20, 110, 40), slecht(170, 20, 20), grijs(90, 90, 110);

    pagina.tekst(tr("Verslag van de trekkingen"), titel, QColor(35, 35, 90));
    pagina.tekst(tr("Journaal: %1, gemaakt op %2")
                     .arg(journaalNaam, QDateTime::currentDateTime().toString(
                                            QStringLiteral("yyyy-MM-dd HH:mm"))),
                 klein, grijs);
    pagina.witregel(gewoon);
    pagina.tekst(uit.samenvatting().trimmed(), gewoon,
                 uit.oordeel == Controleuitslag::Oordeel::Fout ? slecht : goed);

    for (const auto& r : uit.reeksen) {
        pagina.witregel(gewoon);
        pagina.ruimte(pagina.hoogte(kop, QStringLiteral("X"), 1000) * 6);
        pagina.tekst(tr("Reeks %1").arg(r.nummer), kop, QColor(35, 35, 90));
        pagina.tekst(tr("Begonnen: %1").arg(datumTijd(r.begonnen)), gewoon);
        const bool loterij = !r.lotenreeksen.empty();
        if (loterij)
            pagina.tekst(tr("Loterij: %1 reeksen loten, %2 prijzen")
                             .arg(r.lotenreeksen.size())
                             .arg(r.prijzen.size()),
                         gewoon);
        else
            pagina.tekst(tr("Bereik: %1 t/m %2, %3")
                             .arg(r.laagste)
                             .arg(r.hoogste)
                             .arg(r.rolSoort == 0 ? tr("rollers met getallen")
                                                  : tr("rollers met afbeeldingen")),
                         gewoon);
        for (const auto& b : r.bereiken)
            pagina.tekst(tr("Na %1 trekkingen gewijzigd in %2 t/m %3 (%4)")
                             .arg(b.naTrekkingen)
                             .arg(b.laagste)
                             .arg(b.hoogste)
                             .arg(tijdAlleen(b.tijd)),
                         gewoon, Qt::black, 40);
        if (r.overgenomen > 0)
            pagina.tekst(tr("Overgenomen uit de vorige reeks: %1 nummers").arg(r.overgenomen),
                         gewoon);
        pagina.tekst(tr("Toezegging (SHA-256 van de sleutel):"), gewoon);
        pagina.tekst(QString::fromLatin1(r.toezegging), vast, Qt::black, 40);
        pagina.tekst(r.invoer ? tr("Publieke invoer: \"%1\"").arg(QString::fromUtf8(*r.invoer))
                              : tr("Publieke invoer: geen"),
                     gewoon);
        pagina.tekst(tr("Sleutel:"), gewoon);
        pagina.tekst(r.sleutel.isEmpty() ? tr("nog niet onthuld") : QString::fromLatin1(r.sleutel),
                     r.sleutel.isEmpty() ? gewoon : vast, Qt::black, 40);
        if (!r.kop.isEmpty()) {
            // As the screen showed it last in this series, to hold beside a photograph.
            const QString kop = QString::fromLatin1(r.kop);
            pagina.tekst(tr("Laatste kop van de keten: %1 %2 %3 %4 (regel %5)")
                             .arg(kop.mid(0, 4), kop.mid(4, 4), kop.mid(8, 4), kop.mid(12, 4))
                             .arg(r.kopRegel),
                         gewoon);
        }
        if (r.gewist == "uitgeput")
            pagina.tekst(tr("Alle nummers waren getrokken; de lijst is gewist."), gewoon);
        else if (r.gewist == "bereik")
            pagina.tekst(tr("Het bereik is gewijzigd; de lijst is gewist."), gewoon);
        else if (r.gewist == "rolsoort")
            pagina.tekst(tr("De soort rollers is gewijzigd; de lijst is gewist."), gewoon);
        else if (r.gewist == "loterij")
            pagina.tekst(tr("Een loterij is geopend of gesloten; de lijst is gewist."), gewoon);
        const bool fout = uit.oordeel == Controleuitslag::Oordeel::Fout && !r.nagerekend &&
                          &r == &uit.reeksen.back();
        pagina.tekst(
            r.nagerekend
                ? tr("Uitkomst: alle %1 nummers nagerekend, ze kloppen.").arg(r.trekkingen.size())
            : fout ? tr("Uitkomst: de controle is in deze reeks gestopt.")
                   : tr("Uitkomst: nog niet te controleren."),
            gewoon,
            r.nagerekend ? goed
            : fout       ? slecht
                         : grijs);

        const std::vector<Winnaarslijst::Getrokken> loten = Winnaarslijst::van(r);
        if (loterij)
            prijzentabel(pagina, loten);
        // In a raffle every draw is a ticket, shown as the hall read it.
        const bool alsLoten = loterij && loten.size() == r.trekkingen.size();

        // The draws in three columns, read from left to right.
        constexpr int kKolommen = 3;
        const int breedte = pagina.vlak.width() / kKolommen;
        const int h = QFontMetrics(lijst, &schrijver).height();
        for (std::size_t i = 0; i < r.trekkingen.size(); i += kKolommen) {
            pagina.ruimte(h);
            pagina.p.setFont(lijst);
            for (std::size_t k = 0; k < kKolommen && i + k < r.trekkingen.size(); ++k) {
                const auto& t = r.trekkingen[i + k];
                QString regel =
                    QStringLiteral("%1.  %2  %3")
                        .arg(t.index + 1, 4)
                        .arg(alsLoten ? loten[i + k].lotTekst() : QString::number(t.nummer), 6)
                        .arg(tijdAlleen(t.tijd));
                if (t.punten)
                    regel += tr("  %1 p, score %2").arg(*t.punten).arg(t.score);
                if (t.vervalt)
                    regel += tr("  vervallen: %1").arg(QString::fromUtf8(t.vervallen));
                pagina.p.setPen(t.vervalt ? grijs : QColor(Qt::black));
                pagina.p.drawText(QRect(pagina.vlak.left() + static_cast<int>(k) * breedte,
                                        pagina.y, breedte - 20, h),
                                  Qt::AlignLeft | Qt::AlignVCenter, regel);
            }
            pagina.y += h;
        }
    }
    if (!pagina.p.end()) {
        if (fout)
            *fout = tr("%1 kan niet geschreven worden").arg(QDir::toNativeSeparators(pdf));
        return false;
    }
    return true;
}
