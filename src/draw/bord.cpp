#include "draw/bord.h"

#include "common/eenheden.h"
#include "common/getrokkenlijst.h"
#include "draw/bordletter.h"
#include "draw/panel.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

using namespace bordkleur;

// The border's width as a part of the board's height.
constexpr double kRandDeel = 1.0 / 120;

QString lijstTekst(const QList<qint32>& nummers) {
    QStringList delen;
    for (qint32 n : nummers)
        delen << QString::number(n);
    return delen.join(QStringLiteral(", "));
}

} // namespace

Bord::Bord(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Bord"));
    gewijzigd();
}

void Bord::zetBereik(qint32 laag, qint32 hoog) {
    m_inhoud.zetBereik(laag, hoog);
    gewijzigd();
}

void Bord::zetRolSoort(quint8 rolSoort) {
    m_inhoud.zetRolSoort(rolSoort);
    gewijzigd();
}

void Bord::zetLoterij(bool loterij) {
    m_inhoud.zetLoterij(loterij);
    gewijzigd();
}

void Bord::zetGetrokken(const QList<qint32>& getrokken) {
    m_inhoud.zetGetrokken(getrokken);
    gewijzigd();
}

void Bord::voegToe(qint32 nummer, const QString& lot, const QColor& kleur) {
    m_inhoud.voegToe(nummer, lot, kleur);
    gewijzigd();
}

void Bord::wis() {
    m_inhoud.wis();
    gewijzigd();
}

void Bord::volg(const GetrokkenLijst* lijst) {
    disconnect(m_toegevoegd);
    disconnect(m_gewist);
    if (!lijst)
        return;
    const auto neem = [this, lijst](qsizetype eerste, qsizetype laatste) {
        for (qsizetype i = eerste; i <= laatste; ++i)
            m_inhoud.voegToe(lijst->nummer(i),
                             lijst->heeftEigenTekst(i) ? lijst->tekst(i) : QString(),
                             lijst->kleur(i));
        gewijzigd();
    };
    m_inhoud.wis();
    neem(0, lijst->aantal() - 1);
    m_toegevoegd =
        connect(lijst, &QAbstractItemModel::rowsInserted, this,
                [neem](const QModelIndex&, int eerste, int laatste) { neem(eerste, laatste); });
    m_gewist = connect(lijst, &QAbstractItemModel::modelReset, this, &Bord::wis);
}

BordInhoud::Weergave Bord::weergave() const {
    // On a screen that shrinks the layout the pixels of the screen count.
    const double schaal = std::min(1.0, devicePixelRatioF());
    const int r = randBreedte();
    return m_inhoud.weergave(rect().adjusted(r, r, -r, -r).size(), kKleinsteCijfer / schaal);
}

QString Bord::beschrijving() const {
    switch (weergave()) {
    case BordInhoud::Weergave::Leeg:
        return tr("Leeg bij rollers met afbeeldingen.");
    case BordInhoud::Weergave::Raster: {
        const QList<qint32> getrokken = m_inhoud.getrokkenOplopend();
        if (getrokken.isEmpty())
            return tr("Nog geen nummers getrokken van %1 tot en met %2.")
                .arg(m_inhoud.laag())
                .arg(m_inhoud.hoog());
        return tr("%1 van %2 getrokken: %3. Laatste: %4.")
            .arg(getrokken.size())
            .arg(m_inhoud.bereikGrootte())
            .arg(lijstTekst(getrokken))
            .arg(*m_inhoud.laatste());
    }
    case BordInhoud::Weergave::LaatsteTien:
        if (m_inhoud.isLoterij()) {
            if (m_inhoud.getrokken().isEmpty())
                return tr("Nog geen loten getrokken.");
            QStringList loten;
            for (const BordInhoud::Plaats& plaats : m_inhoud.laatsteTienPlaatsen())
                loten << (plaats.lot.isEmpty() ? QString::number(plaats.nummer) : plaats.lot);
            return tr("Laatste loten, het laatste eerst: %1.")
                .arg(loten.join(QStringLiteral(", ")));
        }
        if (m_inhoud.getrokken().isEmpty())
            return tr("Nog geen nummers getrokken.");
        return tr("Laatste nummers, het laatste eerst: %1.")
            .arg(lijstTekst(m_inhoud.laatsteTien()));
    }
    return {};
}

void Bord::gewijzigd() {
    setAccessibleDescription(beschrijving());
    update();
}

void Bord::resizeEvent(QResizeEvent*) {
    // The view may change with the size.
    gewijzigd();
}

int Bord::randBreedte() const {
    return static_cast<int>(std::ceil(kRandDeel * height())) + 2;
}

QRect Bord::binnenVlak() const {
    const int r = randBreedte();
    QRect vlak = rect().adjusted(r, r, -r, -r);
    // The last ten in a row take no more height than they can fill: a place at most twice
    // as high as it is wide, on a band as high as a screen on its side leaves.
    if (weergave() == BordInhoud::Weergave::LaatsteTien) {
        const int hoogste = 2 * vlak.width() / (BordInhoud::kLaatste + 1);
        if (vlak.height() > hoogste)
            vlak.setHeight(hoogste);
    }
    return vlak;
}

QString Bord::breedsteRasterTekst() const {
    const QString laag = QString::number(m_inhoud.laag());
    const QString hoog = QString::number(m_inhoud.hoog());
    return laag.size() > hoog.size() ? laag : hoog;
}

QRectF Bord::celVak(qint32 nummer) const {
    const QRect vlak = binnenVlak();
    if (weergave() != BordInhoud::Weergave::Raster || vlak.isEmpty() || nummer < m_inhoud.laag() ||
        nummer > m_inhoud.hoog())
        return {};
    const auto aantal = static_cast<int>(m_inhoud.bereikGrootte());
    const QSize maat = BordInhoud::rasterMaat(aantal, vlak.size(), breedsteRasterTekst().size());
    const double celB = vlak.width() / static_cast<double>(maat.width());
    const double celH = vlak.height() / static_cast<double>(maat.height());
    const double tussen = std::max(1.0, std::min(celB, celH) / 14.0);
    const int i = nummer - m_inhoud.laag();
    return QRectF(vlak.x() + (i % maat.width()) * celB + tussen,
                  vlak.y() + (i / maat.width()) * celH + tussen, celB - 2 * tussen,
                  celH - 2 * tussen);
}

QRectF Bord::plaatsVak(int plaats) const {
    return plaatsVak(plaats, m_inhoud.isLoterij() ? lotIndeling().plaatsen : BordInhoud::kLaatste);
}

QRectF Bord::plaatsVak(int plaats, int plaatsen) const {
    const QRect vlak = binnenVlak();
    if (weergave() != BordInhoud::Weergave::LaatsteTien || vlak.isEmpty() || plaats < 0 ||
        plaats >= plaatsen)
        return {};
    // Ten places in a row (fewer for long tickets on a low board); the latest takes two, at
    // the left.
    const double deel = vlak.width() / static_cast<double>(plaatsen + 1);
    const double tussen = std::max(1.0, std::min(deel, static_cast<double>(vlak.height())) / 14);
    const double links = vlak.x() + (plaats == 0 ? 0 : plaats + 1) * deel;
    const double breedte = plaats == 0 ? 2 * deel : deel;
    return QRectF(links + tussen, vlak.y() + tussen, breedte - 2 * tussen,
                  vlak.height() - 2 * tussen);
}

void Bord::paintEvent(QPaintEvent*) {
    const BordInhoud::Weergave getoond = weergave();
    if (getoond == BordInhoud::Weergave::Leeg)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double lijn = std::max(1.0, kRandDeel * height());
    // The frame goes round what is filled.
    const int r = randBreedte();
    const QRect gevuld = binnenVlak().adjusted(-r, -r, r, r);
    const QRectF buiten = QRectF(gevuld).adjusted(lijn / 2, lijn / 2, -lijn / 2, -lijn / 2);
    const double hoek = std::min(12.0, gevuld.height() / 8.0);
    p.setPen(QPen(kRand, lijn));
    p.setBrush(kAchtergrond);
    p.drawRoundedRect(buiten, hoek, hoek);
    if (getoond == BordInhoud::Weergave::Raster)
        tekenRaster(p);
    else if (m_inhoud.isLoterij())
        tekenLoten(p);
    else
        tekenLaatsteTien(p);
}

void Bord::tekenRaster(QPainter& p) const {
    const QRectF eerste = celVak(m_inhoud.laag());
    if (eerste.isEmpty())
        return;
    p.setFont(
        passendFont(breedsteRasterTekst(), QSizeF(eerste.width() * 0.8, eerste.height() * 0.6)));
    const std::optional<qint32> laatste = m_inhoud.laatste();
    const double hoek = std::min(eerste.width(), eerste.height()) / 6.0;
    const double pen = std::max(2.0, std::min(eerste.width(), eerste.height()) / 12.0);
    for (qint32 nummer = m_inhoud.laag(); nummer <= m_inhoud.hoog(); ++nummer) {
        const QRectF cel = celVak(nummer);
        const bool isLaatste = laatste && *laatste == nummer;
        const bool aan = m_inhoud.isGetrokken(nummer);
        p.setPen(isLaatste ? QPen(Qt::white, pen) : QPen(Qt::NoPen));
        p.setBrush(isLaatste ? kCelLaatste : aan ? kCelAan : kCelUit);
        p.drawRoundedRect(cel, hoek, hoek);
        p.setPen(isLaatste ? kTekstLaatste : aan ? kTekstAan : kTekstUit);
        drukMidden(p, cel, QString::number(nummer));
    }
}

void Bord::tekenLaatsteTien(QPainter& p) const {
    const QList<qint32> nummers = m_inhoud.laatsteTien();
    QString breedst = QStringLiteral("0000");
    for (qint32 n : nummers) {
        if (QString::number(n).size() > breedst.size())
            breedst = QString::number(n);
    }
    const QRectF klein = plaatsVak(1);
    const QRectF groot = plaatsVak(0);
    const QFont kleinFont =
        passendFont(breedst, QSizeF(klein.width() * 0.85, klein.height() * 0.65));
    const QFont grootFont =
        passendFont(breedst, QSizeF(groot.width() * 0.85, groot.height() * 0.75));
    const double hoek = std::min(klein.width(), klein.height()) / 8.0;
    const double pen = std::max(2.0, std::min(klein.width(), klein.height()) / 12.0);
    for (int plaats = 0; plaats < BordInhoud::kLaatste; ++plaats) {
        const QRectF r = plaatsVak(plaats);
        const bool gevuld = plaats < nummers.size();
        if (plaats == 0 && gevuld) {
            p.setPen(QPen(Qt::white, pen));
            p.setBrush(kCelLaatste);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(gevuld ? kCelUit : kCelLeeg);
        }
        p.drawRoundedRect(r, hoek, hoek);
        if (!gevuld)
            continue;
        p.setFont(plaats == 0 ? grootFont : kleinFont);
        p.setPen(plaats == 0 ? kTekstLaatste : kCelAan);
        drukMidden(p, r, QString::number(nummers[plaats]));
    }
}
