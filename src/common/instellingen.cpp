#include "common/instellingen.h"

#include "schijf/schijf.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString kKop1 = QStringLiteral("Brevane Software 2012");
const QString kKop2 = QStringLiteral("--------------------------");

struct Veld {
    QString tekst;
    bool geciteerd = false;
};

// Reads comma-separated fields. A field ends at a comma or at the end of a line; blanks in
// front of it are skipped; a quoted field runs to the next quote and whatever follows the
// closing quote up to the separator is ignored.
class VeldLezer {
public:
    explicit VeldLezer(const QString& tekst) : m_t(tekst) {}

    std::optional<Veld> volgende() {
        const qsizetype n = m_t.size();
        while (m_i < n && (m_t[m_i] == u' ' || m_t[m_i] == u'\t'))
            ++m_i;
        if (m_i >= n)
            return std::nullopt;
        Veld veld;
        if (m_t[m_i] == u'"') {
            veld.geciteerd = true;
            const qsizetype eind = m_t.indexOf(u'"', m_i + 1);
            const qsizetype stop = eind < 0 ? n : eind;
            veld.tekst = m_t.mid(m_i + 1, stop - m_i - 1);
            m_i = eind < 0 ? n : eind + 1;
            while (m_i < n && !isScheiding(m_t[m_i]))
                ++m_i;
        } else {
            const qsizetype begin = m_i;
            while (m_i < n && !isScheiding(m_t[m_i]))
                ++m_i;
            veld.tekst = m_t.mid(begin, m_i - begin);
            while (!veld.tekst.isEmpty() &&
                   (veld.tekst.back() == u' ' || veld.tekst.back() == u'\t'))
                veld.tekst.chop(1);
        }
        slaScheidingOver();
        return veld;
    }

private:
    static bool isScheiding(QChar c) { return c == u',' || c == u'\r' || c == u'\n'; }

    void slaScheidingOver() {
        const qsizetype n = m_t.size();
        if (m_i >= n)
            return;
        if (m_t[m_i] == u',' || m_t[m_i] == u'\n') {
            ++m_i;
        } else if (m_t[m_i] == u'\r') {
            ++m_i;
            if (m_i < n && m_t[m_i] == u'\n')
                ++m_i;
        }
    }

    const QString& m_t;
    qsizetype m_i = 0;
};

std::optional<double> alsGetal(const Veld& veld) {
    static const QRegularExpression vorm(
        QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (veld.geciteerd || !vorm.match(veld.tekst).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double waarde = veld.tekst.toDouble(&ok);
    if (!ok || !std::isfinite(waarde))
        return std::nullopt;
    return waarde;
}

std::optional<qint64> alsGeheel(const Veld& veld, qint64 laagste, qint64 hoogste) {
    const auto getal = alsGetal(veld);
    if (!getal)
        return std::nullopt;
    const double afgerond = rondAfBankiers(*getal);
    if (afgerond < static_cast<double>(laagste) || afgerond > static_cast<double>(hoogste))
        return std::nullopt;
    return static_cast<qint64>(afgerond);
}

// The file cannot hold a double quote, nor a line break inside a field.
QString geciteerd(const QString& tekst) {
    QString t = tekst;
    t.replace(u'"', u'\'');
    t.replace(u'\r', u' ');
    t.replace(u'\n', u' ');
    return u'"' + t + u'"';
}

// Windows-1252 at 0x80..0x9F; the five bytes it leaves undefined keep their own value as
// control characters, so every byte reads and writes back unchanged. Other bytes are Latin-1.
constexpr char16_t kCp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString vanWindows1252(const QByteArray& bytes) {
    QString tekst;
    tekst.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        tekst.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252[b - 0x80]) : QChar(b));
    }
    return tekst;
}

std::optional<QByteArray> naarWindows1252(const QString& tekst) {
    QByteArray bytes;
    bytes.reserve(tekst.size());
    for (const QChar c : tekst) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        const auto* eind = std::end(kCp1252);
        const auto* plek = std::find(std::begin(kCp1252), eind, u);
        if (plek == eind)
            return std::nullopt;
        bytes.append(static_cast<char>(0x80 + (plek - std::begin(kCp1252))));
    }
    return bytes;
}

QString decodeerInstellingen(const QByteArray& ruw, Instellingen::Codering& codering) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString tekst = decoder.decode(ruw);
    codering = Instellingen::Utf8;
    // Not UTF-8: a file from a system with an 8-bit code page.
    if (decoder.hasError()) {
        tekst = vanWindows1252(ruw);
        codering = Instellingen::Windows1252;
    }
    return tekst;
}

double rondAfBankiers(double waarde) {
    return std::nearbyint(waarde); // the default rounding mode rounds halves to even
}

QString nummerTekst(double waarde) {
    if (waarde == std::floor(waarde) && std::fabs(waarde) < 1e15)
        return QString::number(static_cast<qint64>(waarde));
    // The shortest digits that read back as the same value, never with an exponent: a
    // hand-edited 1e20 or 0.1234567890123456789 is written back as the same number.
    return QString::number(waarde, 'f', QLocale::FloatingPointShortest);
}

QColor titelKleur(double rood, double groen, double blauw) {
    auto deel = [](double v) {
        return static_cast<int>(std::clamp(rondAfBankiers(v), 0.0, 255.0));
    };
    return QColor(deel(rood), deel(groen), deel(blauw));
}

bool leesInstellingenTekst(const QString& tekst, Instellingen& inst) {
    VeldLezer lezer(tekst);
    constexpr qint64 i32min = std::numeric_limits<qint32>::min();
    constexpr qint64 i32max = std::numeric_limits<qint32>::max();

    // Header fields: any text.
    for (int i = 0; i < 2; ++i) {
        if (!lezer.volgende())
            return false;
    }
    auto veld = lezer.volgende();
    if (!veld || veld->geciteerd)
        return false;
    if (veld->tekst == QLatin1String("#TRUE#"))
        inst.ReserveVlag = true;
    else if (veld->tekst == QLatin1String("#FALSE#"))
        inst.ReserveVlag = false;
    else
        return false;

    if (!(veld = lezer.volgende()))
        return false;
    inst.ReserveTekst = veld->tekst;

    std::optional<double> getal;
    if (!(veld = lezer.volgende()) || !(getal = alsGetal(*veld)))
        return false;
    inst.KleurRood = *getal;
    if (!(veld = lezer.volgende()) || !(getal = alsGetal(*veld)))
        return false;
    inst.KleurGroen = *getal;

    std::optional<qint64> geheel;
    if (!(veld = lezer.volgende()) || !(geheel = alsGeheel(*veld, 0, 255)))
        return false;
    inst.KleurBlauw = static_cast<quint8>(*geheel);

    if (!(veld = lezer.volgende()))
        return false;
    inst.AchtergrondBestand = veld->tekst;

    if (!(veld = lezer.volgende()) || !(geheel = alsGeheel(*veld, 0, 255)))
        return false;
    inst.PauzeSeconden = static_cast<quint8>(*geheel);

    if (!(veld = lezer.volgende()) || !(geheel = alsGeheel(*veld, i32min, i32max)))
        return false;
    inst.LaagsteNummer = static_cast<qint32>(*geheel);
    if (!(veld = lezer.volgende()) || !(geheel = alsGeheel(*veld, i32min, i32max)))
        return false;
    inst.HoogsteNummer = static_cast<qint32>(*geheel);

    if (!(veld = lezer.volgende()))
        return false;
    inst.TitelTekst = veld->tekst;
    return true; // anything after the last field is ignored
}

QByteArray instellingenBestandInhoud(const Instellingen& inst) {
    const QString crlf = QStringLiteral("\r\n");
    QString t;
    t += geciteerd(kKop1) + crlf;
    t += geciteerd(kKop2) + crlf;
    t += (inst.ReserveVlag ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#")) + crlf;
    t += geciteerd(inst.ReserveTekst) + crlf;
    t += nummerTekst(inst.KleurRood) + u',' + nummerTekst(inst.KleurGroen) + u',' +
         QString::number(inst.KleurBlauw) + crlf;
    t += geciteerd(inst.AchtergrondBestand) + crlf;
    t += QString::number(inst.PauzeSeconden) + crlf;
    t += QString::number(inst.LaagsteNummer) + u',' + QString::number(inst.HoogsteNummer) + crlf;
    t += geciteerd(inst.TitelTekst) + crlf;
    // Written back in the encoding it was read in; a text that the 8-bit code page cannot
    // hold (typed in the dialog) makes the file UTF-8 rather than lose characters.
    // So are 8-bit bytes that happen to form valid UTF-8: they would read back as other text.
    if (inst.Tekenset == Instellingen::Windows1252) {
        if (auto bytes = naarWindows1252(t)) {
            QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString alsUtf8 = utf8.decode(*bytes);
            if (utf8.hasError())
                return *bytes;
        }
    }
    QStringEncoder encoder(QStringConverter::Utf8);
    return encoder.encode(t);
}

bool BewaarInstellingen(const QString& pad, const Instellingen& inst) {
    // Replaced as a whole, or left as it was (a full disk never empties it).
    return Schijf::bewaar(pad, instellingenBestandInhoud(inst)) == 0;
}

bool LeesInstellingen(const QString& pad, const QString& programmaMap, Instellingen& inst) {
    inst = Instellingen{};
    bool gelukt = false;
    QFile bestand(pad);
    if (bestand.open(QIODevice::ReadOnly)) {
        const QByteArray ruw = bestand.read(kMaxInstellingenGrootte);
        bestand.close();
        gelukt = leesInstellingenTekst(decodeerInstellingen(ruw, inst.Tekenset), inst);
    }
    if (gelukt)
        return true;
    BewaarInstellingen(pad, inst);
    inst.AchtergrondBestand = QDir(programmaMap).filePath(QLatin1String(kStandaardAchtergrond));
    return false;
}
