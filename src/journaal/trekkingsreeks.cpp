#include "journaal/trekkingsreeks.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cstring>

Trekkingsreeks Trekkingsreeks::nieuw(qint32 laagste, qint32 hoogste, int rolSoort,
                                     std::vector<qint32> overgenomen) {
    std::array<quint32, kSleutelBytes / 4> woorden;
    QRandomGenerator::system()->fillRange(woorden.data(), woorden.size());
    const QByteArray sleutel(reinterpret_cast<const char*>(woorden.data()), kSleutelBytes);
    return Trekkingsreeks(sleutel, laagste, hoogste, rolSoort, std::move(overgenomen));
}

Trekkingsreeks::Trekkingsreeks(const QByteArray& sleutel, qint32 laagste, qint32 hoogste,
                               int rolSoort, std::vector<qint32> overgenomen)
    : m_sleutel(sleutel), m_toezegging(toezeggingVan(sleutel)), m_mac(sleutel),
      m_invoerHash(invoerHash({})), m_laagste(laagste), m_hoogste(hoogste),
      m_rolSoort(rolSoort == 0 ? 0 : 1), m_lijst(std::move(overgenomen)) {
    m_aantalOvergenomen = m_lijst.size();
    m_vrij.zetBereik(laagste, hoogste);
    for (qint32 n : m_lijst)
        m_vrij.voegToe(n);
}

Trekkingsreeks Trekkingsreeks::nieuwLoterij(const Loterij& loterij) {
    Trekkingsreeks reeks = nieuw(0, 0, 0);
    reeks.m_trommel = std::make_unique<Trommel>(loterij);
    return reeks;
}

Trekkingsreeks::Trekkingsreeks(const QByteArray& sleutel, const Loterij& loterij)
    : Trekkingsreeks(sleutel, 0, 0, 0) {
    m_trommel = std::make_unique<Trommel>(loterij);
}

Trekkingsreeks::Trekkingsreeks(const Trekkingsreeks& ander)
    : m_sleutel(ander.m_sleutel), m_toezegging(ander.m_toezegging), m_mac(ander.m_mac),
      m_invoer(ander.m_invoer), m_invoerHash(ander.m_invoerHash),
      m_invoerGezet(ander.m_invoerGezet), m_laagste(ander.m_laagste), m_hoogste(ander.m_hoogste),
      m_rolSoort(ander.m_rolSoort), m_index(ander.m_index), m_lijst(ander.m_lijst),
      m_aantalOvergenomen(ander.m_aantalOvergenomen), m_vrij(ander.m_vrij),
      m_volgende(ander.m_volgende), m_volgendLot(ander.m_volgendLot) {
    if (ander.m_trommel) {
        // The drum is built again with the same tickets taken out.
        m_trommel = std::make_unique<Trommel>(ander.m_trommel->loterij);
        for (const Lot& lot : ander.m_trommel->loten) {
            m_trommel->trommel.haalUit(lot);
            m_trommel->loten.push_back(lot);
        }
    }
}

Trekkingsreeks& Trekkingsreeks::operator=(const Trekkingsreeks& ander) {
    if (this != &ander)
        *this = Trekkingsreeks(ander);
    return *this;
}

Trekkingsreeks::~Trekkingsreeks() = default;

const std::vector<Lot>& Trekkingsreeks::loten() const {
    static const std::vector<Lot> geen;
    return m_trommel ? m_trommel->loten : geen;
}

std::optional<Lot> Trekkingsreeks::volgendLot() const {
    volgende();
    return m_volgendLot;
}

QString Trekkingsreeks::toezeggingKort() const {
    QString kort;
    for (int i = 0; i < 16; i += 4)
        kort += (i ? QStringLiteral(" ") : QString()) + m_toezegging.mid(i, 4);
    return kort;
}

bool Trekkingsreeks::zetPubliekeInvoer(const QString& tekst) {
    return zetPubliekeInvoerBytes(tekst.toUtf8());
}

bool Trekkingsreeks::zetPubliekeInvoerBytes(const QByteArray& utf8) {
    if (m_index > 0 || m_invoerGezet || utf8.size() > kMaxInvoerBytes)
        return false;
    m_invoer = utf8;
    m_invoerHash = invoerHash(utf8);
    m_invoerGezet = true;
    m_volgende.reset();
    m_volgendLot.reset();
    return true;
}

void Trekkingsreeks::zetBereik(qint32 laagste, qint32 hoogste) {
    m_laagste = laagste;
    m_hoogste = hoogste;
    m_vrij.zetBereik(laagste, hoogste);
    m_volgende.reset();
    m_volgendLot.reset();
}

std::uint64_t Trekkingsreeks::aantalKandidaten() const {
    if (m_trommel)
        return m_trommel->trommel.aantal();
    if (m_rolSoort == 0)
        return m_vrij.aantalVrij();
    return static_cast<std::uint64_t>(std::int64_t{std::max(m_laagste, m_hoogste)} -
                                      std::min(m_laagste, m_hoogste) + 1);
}

std::optional<qint32> Trekkingsreeks::volgende() const {
    if (m_volgende)
        return *m_volgende;
    const std::uint64_t aantal = aantalKandidaten();
    std::optional<qint32> nummer;
    if (aantal > 0 && m_trommel) {
        m_volgendLot = m_trommel->trommel.lotOpPlaats(plaats(m_mac, m_invoerHash, m_index, aantal));
        nummer = m_volgendLot->nummer;
    } else if (aantal > 0) {
        const std::uint64_t k = plaats(m_mac, m_invoerHash, m_index, aantal);
        nummer = m_rolSoort == 0 ? m_vrij.vrijOpPlaats(k)
                                 : static_cast<qint32>(std::min(m_laagste, m_hoogste) +
                                                       static_cast<std::int64_t>(k));
    }
    m_volgende = nummer;
    return nummer;
}

qint32 Trekkingsreeks::legVast() {
    const std::optional<qint32> nummer = volgende();
    Q_ASSERT(nummer);
    const qint32 n = nummer.value_or(m_laagste);
    m_lijst.push_back(n);
    if (m_trommel && m_volgendLot) {
        m_trommel->trommel.haalUit(*m_volgendLot);
        m_trommel->loten.push_back(*m_volgendLot);
    } else if (m_rolSoort == 0) {
        m_vrij.voegToe(n);
    }
    ++m_index;
    m_volgende.reset();
    m_volgendLot.reset();
    return n;
}

QString Trekkingsreeks::toezeggingVan(const QByteArray& sleutel) {
    return QString::fromLatin1(
        QCryptographicHash::hash(sleutel, QCryptographicHash::Sha256).toHex());
}

QByteArray Trekkingsreeks::invoerHash(const QByteArray& invoerUtf8) {
    return QCryptographicHash::hash(invoerUtf8, QCryptographicHash::Sha256);
}

namespace {

constexpr qsizetype kDomeinLengte = sizeof(Trekkingsreeks::kDomein) - 1;
constexpr qsizetype kBerichtLengte = kDomeinLengte + 1 + 32 + 8 + 4;

// The message into `doel` (kBerichtLengte bytes): the label, a 0 byte, the input's hash,
// the index and the block, both big-endian.
void vulBericht(char* doel, const QByteArray& invoerHash, std::uint64_t index, std::uint32_t blok) {
    std::memcpy(doel, Trekkingsreeks::kDomein, kDomeinLengte);
    doel += kDomeinLengte;
    *doel++ = '\0';
    std::memcpy(doel, invoerHash.constData(), 32);
    doel += 32;
    for (int i = 7; i >= 0; --i)
        *doel++ = static_cast<char>((index >> (8 * i)) & 0xff);
    for (int i = 3; i >= 0; --i)
        *doel++ = static_cast<char>((blok >> (8 * i)) & 0xff);
}

} // namespace

QByteArray Trekkingsreeks::bericht(const QByteArray& invoerHash, std::uint64_t index,
                                   std::uint32_t blok) {
    QByteArray b(kBerichtLengte, Qt::Uninitialized);
    vulBericht(b.data(), invoerHash, index, blok);
    return b;
}

std::uint64_t Trekkingsreeks::plaats(const HmacSha256& mac, const QByteArray& invoerHash,
                                     std::uint64_t index, std::uint64_t aantal) {
    // Exact rejection: only words below the largest multiple of `aantal` that fits in 64 bits
    // are used, so every place has the same chance. (2^64 - aantal) mod aantal is the part of
    // 2^64 beyond that multiple; when it is 0 every word is accepted.
    const std::uint64_t rest = (0 - aantal) % aantal;
    const std::uint64_t grens = 0 - rest; // 2^64 - rest, or 0 meaning 2^64
    std::array<char, kBerichtLengte> b;
    for (std::uint32_t blok = 0;; ++blok) {
        vulBericht(b.data(), invoerHash, index, blok);
        const auto uit = mac.van(QByteArrayView(b.data(), kBerichtLengte));
        for (int w = 0; w < 4; ++w) {
            std::uint64_t woord = 0;
            for (int i = 0; i < 8; ++i)
                woord = (woord << 8) | uit[static_cast<std::size_t>(8 * w + i)];
            if (rest == 0 || woord < grens)
                return woord % aantal;
        }
    }
}
