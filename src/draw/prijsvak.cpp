#include "draw/prijsvak.h"

#include "common/eenheden.h"
#include "draw/loterijverloop.h"
#include "draw/trekking.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kTekstKleur(250, 250, 250);
const QColor kOmschrijvingKleur(255, 225, 120);
// Around a card, so that a dark set's card stands out on a dark background.
const QColor kKaartRand(235, 235, 235);
constexpr int kKleinsteLetter = 9;

int rand(const QSize& maat) {
    return std::max(6, std::min(maat.width(), maat.height()) / 30);
}

} // namespace

Prijsvak::Prijsvak(const Trekking& trekking, QWidget* parent)
    : QWidget(parent), m_trekking(trekking) {
    setObjectName(QStringLiteral("Prijsvak"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    // Every moment the prize up or the winner changes: a draw begins, a ticket is drawn, a
    // winner is absent, a raffle's series begins.
    connect(&trekking, &Trekking::trekkingBegonnen, this, &Prijsvak::werkBij);
    connect(&trekking, &Trekking::lijstGeleegd, this, &Prijsvak::werkBij);
    connect(&trekking, &Trekking::nummerGetrokken, this, &Prijsvak::werkBij);
    connect(&trekking, &Trekking::laatsteVervallen, this, &Prijsvak::werkBij);
    connect(&trekking, &Trekking::reeksBegonnen, this, &Prijsvak::werkBij);
    connect(&trekking, &Trekking::loterijGewijzigd, this, &Prijsvak::werkBij);
    werkBij();
}

void Prijsvak::werkBij() {
    setVisible(m_trekking.loterij() != nullptr);
    // A screen reader reads what the hall sees, line by line.
    QStringList delen;
    for (const Regel& regel : opmaak().regels)
        delen << regel.tekst;
    setAccessibleName(delen.join(QStringLiteral(", ")));
    update();
}

void Prijsvak::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        werkBij();
    QWidget::changeEvent(e);
}

Prijsvak::Opmaak Prijsvak::opmaak() const {
    Opmaak o;
    const Loterijverloop* verloop = m_trekking.loterij();
    if (!verloop)
        return o;
    const Loterij& loterij = verloop->loterij();
    const auto aantal = static_cast<qint64>(loterij.prijzen().size());
    const auto& uitslagen = verloop->uitslagen();
    qint64 prijs = verloop->prijsNu();
    const auto regel = [&o](const QString& tekst, double grootte, const QColor& kleur,
                            bool lot = false) {
        o.regels.push_back({tekst, grootte, kleur, lot, {}, {}});
    };
    // The winner shows from the end of its draw to the beginning of the next.
    if (!m_trekking.bezig() && !uitslagen.empty() && !uitslagen.back().afwezig) {
        const Loterijverloop::Uitslag& uitslag = uitslagen.back();
        prijs = uitslag.prijs;
        const QColor kleur = loterij.kleurVan(uitslag.lot);
        regel(loterij.tekstVan(uitslag.lot), 1.3, kleur.isValid() ? kleur : kTekstKleur, true);
        regel(tr("wint prijs %1 van %2").arg(prijs + 1).arg(aantal), 0.7, kTekstKleur);
    } else if (prijs < aantal) {
        regel(tr("Prijs %1 van %2").arg(prijs + 1).arg(aantal), 1, kTekstKleur);
    }
    if (prijs >= 0 && prijs < aantal) {
        const Prijs& p = loterij.prijzen()[static_cast<std::size_t>(prijs)];
        if (!p.omschrijving.isEmpty())
            regel(p.omschrijving, 0.85, kOmschrijvingKleur);
        o.plaatje = p.plaatje;
    }
    if (verloop->allesGewonnen())
        regel(tr("Alle prijzen zijn getrokken."), 0.6, kTekstKleur);

    // The letters as large as the band allows; with a picture the text leaves it room.
    const QRect binnen = rect().adjusted(rand(size()), rand(size()), -rand(size()), -rand(size()));
    const QSize natuur = o.plaatje.isEmpty() ? QSize() : plaatjeMaat(o.plaatje);
    const double deel = natuur.isEmpty() ? 1.0 : 0.5;
    double basis = std::min(binnen.height() / 7.0, binnen.width() / 6.0);
    int hoogte = 0;
    int tussen = 0;
    // A line in letters of `pixels`: its place, and whether it fits the band's width (a word
    // too long for it does not).
    const auto zet = [&binnen](Regel& r, int pixels) {
        r.font = arial(10, true);
        r.font.setPixelSize(pixels);
        const QFontMetrics fm(r.font);
        if (r.lot) {
            const int breed = fm.horizontalAdvance(r.tekst) + fm.height();
            r.vak = QRect(0, 0, std::min(breed, binnen.width()),
                          static_cast<int>(std::lround(fm.height() * 1.5)));
            return breed <= binnen.width();
        }
        const QRect b = fm.boundingRect(QRect(0, 0, binnen.width(), 100000),
                                        Qt::AlignHCenter | Qt::TextWordWrap, r.tekst);
        r.vak = QRect(0, 0, binnen.width(), b.height());
        return b.width() <= binnen.width();
    };
    for (;; basis *= 0.92) {
        hoogte = 0;
        tussen = static_cast<int>(std::lround(basis * 0.3));
        for (Regel& r : o.regels) {
            // Each line at its share of the letters, smaller only when it is too wide.
            int pixels =
                std::max(kKleinsteLetter, static_cast<int>(std::lround(basis * r.grootte)));
            while (!zet(r, pixels) && pixels > kKleinsteLetter)
                pixels = std::max(kKleinsteLetter, pixels * 9 / 10);
            hoogte += r.vak.height() + tussen;
        }
        hoogte = std::max(0, hoogte - tussen);
        if (hoogte <= binnen.height() * deel || basis * 0.6 < kKleinsteLetter)
            break;
    }
    // Without a picture the text stands in the middle; with one, the picture below it.
    int y = binnen.top() + (natuur.isEmpty() ? std::max(0, (binnen.height() - hoogte) / 2) : 0);
    for (Regel& r : o.regels) {
        r.vak.moveTo(binnen.left() + (binnen.width() - r.vak.width()) / 2, y);
        y += r.vak.height() + tussen;
    }
    const QRect rest(binnen.left(), y, binnen.width(), binnen.bottom() + 1 - y);
    if (!natuur.isEmpty() && rest.height() >= 16) {
        const QSize maat = natuur.scaled(rest.size(), Qt::KeepAspectRatio);
        o.plaatjeVak =
            QRect(rest.left() + (rest.width() - maat.width()) / 2,
                  rest.top() + (rest.height() - maat.height()) / 2, maat.width(), maat.height());
    }
    return o;
}

QRect Prijsvak::lotVak() const {
    for (const Regel& r : opmaak().regels)
        if (r.lot)
            return r.vak;
    return {};
}

QRect Prijsvak::plaatjeVak() const {
    return opmaak().plaatjeVak;
}

QSize Prijsvak::plaatjeMaat(const QString& pad) const {
    if (pad != m_plaatjePad) {
        m_plaatjePad = pad;
        m_plaatje = QImage();
        QImageReader lezer(pad);
        lezer.setAutoTransform(true);
        QSize maat = lezer.size();
        if (lezer.transformation() & QImageIOHandler::TransformationRotate90)
            maat.transpose();
        // Invalid for a picture that cannot be read: the prize shows without it.
        m_plaatjeNatuur = maat;
    }
    return m_plaatjeNatuur;
}

const QImage& Prijsvak::plaatjeOp(const QString& pad, const QSize& pixels) const {
    plaatjeMaat(pad);
    if (m_plaatje.size() != pixels) {
        QImageReader lezer(pad);
        lezer.setAutoTransform(true);
        const QImage beeld = lezer.read();
        m_plaatje = beeld.isNull()
                        ? QImage()
                        : beeld.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return m_plaatje;
}

void Prijsvak::paintEvent(QPaintEvent*) {
    const Opmaak o = opmaak();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 130));
    const int r = rand(size());
    p.drawRoundedRect(QRectF(rect()), r, r);
    for (const Regel& regel : o.regels) {
        p.setFont(regel.font);
        if (regel.lot) {
            // A ticket of its set: its colour, with the text dark or light on it.
            const double hoek = regel.vak.height() / 6.0;
            p.setPen(QPen(kKaartRand, 2));
            p.setBrush(regel.kleur);
            p.drawRoundedRect(QRectF(regel.vak).adjusted(1, 1, -1, -1), hoek, hoek);
            p.setPen(qGray(regel.kleur.rgb()) > 140 ? Qt::black : Qt::white);
            p.drawText(regel.vak, Qt::AlignCenter, regel.tekst);
        } else {
            p.setPen(regel.kleur);
            p.drawText(regel.vak, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, regel.tekst);
        }
    }
    if (!o.plaatjeVak.isEmpty()) {
        const QImage& beeld =
            plaatjeOp(o.plaatje, (QSizeF(o.plaatjeVak.size()) * devicePixelRatioF()).toSize());
        if (!beeld.isNull())
            p.drawImage(o.plaatjeVak, beeld);
    }
}
