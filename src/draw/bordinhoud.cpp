#include "draw/bordinhoud.h"

#include <QString>

#include <algorithm>

void BordInhoud::zetBereik(qint32 laag, qint32 hoog) {
    m_laag = laag;
    m_hoog = hoog;
}

void BordInhoud::zetGetrokken(const QList<qint32>& getrokken) {
    wis();
    for (qint32 nummer : getrokken)
        voegToe(nummer);
}

void BordInhoud::voegToe(qint32 nummer, const QString& lot, const QColor& kleur) {
    m_getrokken.append(nummer);
    m_lotTeksten.append(lot);
    m_kleuren.append(kleur);
    if (!lot.isEmpty())
        ++m_loten;
    m_gezien.insert(nummer);
}

void BordInhoud::wis() {
    m_getrokken.clear();
    m_lotTeksten.clear();
    m_kleuren.clear();
    m_loten = 0;
    m_gezien.clear();
}

qint64 BordInhoud::bereikGrootte() const {
    return std::max<qint64>(0, qint64{m_hoog} - m_laag + 1);
}

BordInhoud::Weergave BordInhoud::weergave() const {
    if (isLoterij())
        return Weergave::LaatsteTien;
    if (m_rolSoort != 0)
        return Weergave::Leeg;
    const qint64 n = bereikGrootte();
    return n > 0 && n <= kMaxRaster ? Weergave::Raster : Weergave::LaatsteTien;
}

BordInhoud::Weergave BordInhoud::weergave(const QSize& vlak, double kleinsteCijfer) const {
    const Weergave zonderMaat = weergave();
    // A board not laid out yet shows what its range asks for.
    if (zonderMaat != Weergave::Raster || vlak.isEmpty())
        return zonderMaat;
    const int tekens =
        static_cast<int>(std::max(QString::number(m_laag).size(), QString::number(m_hoog).size()));
    const double cijfer = rasterCijfer(static_cast<int>(bereikGrootte()), vlak, tekens);
    return cijfer >= kleinsteCijfer ? Weergave::Raster : Weergave::LaatsteTien;
}

std::optional<qint32> BordInhoud::laatste() const {
    if (m_getrokken.isEmpty())
        return std::nullopt;
    return m_getrokken.last();
}

QList<qint32> BordInhoud::laatsteTien() const {
    QList<qint32> uit;
    for (qsizetype i = m_getrokken.size() - 1; i >= 0 && uit.size() < kLaatste; --i)
        uit.append(m_getrokken[i]);
    return uit;
}

QList<BordInhoud::Plaats> BordInhoud::laatsteTienPlaatsen() const {
    QList<Plaats> uit;
    for (qsizetype i = m_getrokken.size() - 1; i >= 0 && uit.size() < kLaatste; --i)
        uit.append({m_getrokken[i], m_lotTeksten[i], m_kleuren[i]});
    return uit;
}

QList<qint32> BordInhoud::getrokkenOplopend() const {
    QList<qint32> uit;
    for (qint32 n : m_gezien) {
        if (n >= m_laag && n <= m_hoog)
            uit.append(n);
    }
    std::sort(uit.begin(), uit.end());
    return uit;
}

namespace {

// The digits' height in a cell of `breedte` x `hoogte` holding `tekens` characters: a digit of
// a bold sans-serif font is about 0.78 of its height wide; the print takes at most 80 % of a
// cell's width and 60 % of its height, and the cell loses a fourteenth of its smaller side to
// the space around it on every side.
double cijferHoogte(double breedte, double hoogte, int tekens) {
    const double tussen = std::max(1.0, std::min(breedte, hoogte) / 14.0);
    return std::min((breedte - 2 * tussen) * 0.8 / (0.78 * std::max(1, tekens)),
                    (hoogte - 2 * tussen) * 0.6);
}

} // namespace

QSize BordInhoud::rasterMaat(int aantal, const QSize& vlak, int tekens) {
    if (aantal <= 0 || vlak.isEmpty())
        return QSize(0, 0);
    QSize beste(aantal, 1);
    double besteLetter = -1;
    for (int rijen = 1; rijen <= aantal; ++rijen) {
        const int kolommen = (aantal + rijen - 1) / rijen;
        if (rijen > 1 && (kolommen * (rijen - 1)) >= aantal)
            continue; // the same columns with an empty last row
        const double cel = cijferHoogte(vlak.width() / static_cast<double>(kolommen),
                                        vlak.height() / static_cast<double>(rijen), tekens);
        if (cel > besteLetter) {
            besteLetter = cel;
            beste = QSize(kolommen, rijen);
        }
    }
    return beste;
}

double BordInhoud::rasterCijfer(int aantal, const QSize& vlak, int tekens) {
    const QSize maat = rasterMaat(aantal, vlak, tekens);
    if (maat.isEmpty())
        return 0;
    return cijferHoogte(vlak.width() / static_cast<double>(maat.width()),
                        vlak.height() / static_cast<double>(maat.height()), tekens);
}
