#include "draw/bordinhoud.h"

#include <algorithm>

void BordInhoud::zetBereik(qint32 laag, qint32 hoog) {
    m_laag = laag;
    m_hoog = hoog;
}

void BordInhoud::zetGetrokken(const QList<qint32>& getrokken) {
    m_getrokken = getrokken;
    m_gezien = QSet<qint32>(getrokken.begin(), getrokken.end());
}

void BordInhoud::voegToe(qint32 nummer) {
    m_getrokken.append(nummer);
    m_gezien.insert(nummer);
}

void BordInhoud::wis() {
    m_getrokken.clear();
    m_gezien.clear();
}

qint64 BordInhoud::bereikGrootte() const {
    return std::max<qint64>(0, qint64{m_hoog} - m_laag + 1);
}

BordInhoud::Weergave BordInhoud::weergave() const {
    if (m_rolSoort != 0)
        return Weergave::Leeg;
    const qint64 n = bereikGrootte();
    return n > 0 && n <= kMaxRaster ? Weergave::Raster : Weergave::LaatsteTien;
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

QList<qint32> BordInhoud::getrokkenOplopend() const {
    QList<qint32> uit;
    for (qint32 n : m_gezien) {
        if (n >= m_laag && n <= m_hoog)
            uit.append(n);
    }
    std::sort(uit.begin(), uit.end());
    return uit;
}

QSize BordInhoud::rasterMaat(int aantal, const QSize& vlak, int tekens) {
    if (aantal <= 0 || vlak.isEmpty())
        return QSize(0, 0);
    // A digit of a bold sans-serif font is about 0.6 of the font's pixel size wide; the print
    // takes at most 80 % of a cell's width and 65 % of its height.
    const double breedteDeel = 0.8 / (0.6 * std::max(1, tekens));
    QSize beste(aantal, 1);
    double besteLetter = -1;
    for (int rijen = 1; rijen <= aantal; ++rijen) {
        const int kolommen = (aantal + rijen - 1) / rijen;
        if (rijen > 1 && (kolommen * (rijen - 1)) >= aantal)
            continue; // the same columns with an empty last row
        const double cel = std::min(vlak.width() / static_cast<double>(kolommen) * breedteDeel,
                                    vlak.height() / static_cast<double>(rijen) * 0.65);
        if (cel > besteLetter) {
            besteLetter = cel;
            beste = QSize(kolommen, rijen);
        }
    }
    return beste;
}
