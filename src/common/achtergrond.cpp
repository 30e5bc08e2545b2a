#include "common/achtergrond.h"

#include "common/schaal.h"

#include <QFile>
#include <QImageReader>

namespace {

// A picture file that notes whether its decoder ran out of data. Qt's decoders hand back a
// picture that is cut short as a whole one, the missing part filled in grey; such a file
// counts as unreadable.
class BeeldBestand : public QFile {
public:
    using QFile::QFile;
    void begin() { m_leeg = m_kort = false; }
    // JPEG and GIF are read in chunks, so the last read of a whole file comes back short as
    // well; they only ask for more once the file has ended. The other decoders ask for
    // exactly the bytes they need.
    bool afgekapt(const QByteArray& formaat) const {
        return formaat == "jpeg" || formaat == "gif" ? m_leeg : m_kort;
    }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 n = QFile::readData(data, max);
        if (max > 0 && n <= 0)
            m_leeg = true;
        if (n < max)
            m_kort = true;
        return n;
    }

private:
    bool m_leeg = false;
    bool m_kort = false;
};

// No background has this many pixels; a header that claims more belongs to a damaged file.
constexpr qint64 kMaxAchtergrondPixels = qint64{1} << 28;

} // namespace

QImage laadAchtergrond(const QString& pad, const QSize& scherm) {
    if (pad.isEmpty())
        return {};
    BeeldBestand bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    QImageReader lezer(&bestand);
    lezer.setAutoTransform(true);
    const QSize grootte = lezer.size();
    if (!grootte.isValid() || qint64{grootte.width()} * grootte.height() > kMaxAchtergrondPixels)
        return {};
    // A picture larger than the screen is decoded at screen size: it is stretched to it anyway.
    if (grootte.width() > scherm.width() || grootte.height() > scherm.height())
        lezer.setScaledSize(scherm);
    // Asked before reading: afterwards the reader no longer knows it and peeks at the end.
    const QByteArray formaat = lezer.format();
    bestand.begin();
    const QImage beeld = lezer.read();
    if (beeld.isNull() || bestand.afgekapt(formaat))
        return {};
    return beeld;
}

QPixmap uitgerekt(const QImage& beeld, const QSize& maat, double schaal) {
    QImage uit =
        beeld.scaled(opSchaal(maat, schaal), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    uit.setDevicePixelRatio(schaal);
    return QPixmap::fromImage(uit);
}
