#include "journaal/journaallezer.h"

#include <QIODevice>

#include <cstring>

namespace {
constexpr qint64 kBrok = qint64{1} << 20; // bytes read at a time
}

Journaallezer::Journaallezer(QIODevice& bron, bool hashen, qint64 maxRegel, qint64 maxBestand)
    : m_bron(bron), m_hashen(hashen), m_maxRegel(maxRegel), m_maxBestand(maxBestand) {}

bool Journaallezer::vul() {
    if (m_leesfout)
        return false;
    if (m_begin > 0) {
        m_buffer.remove(0, m_begin);
        m_begin = 0;
    }
    const qsizetype had = m_buffer.size();
    m_buffer.resize(had + kBrok);
    const qint64 gelezen = m_bron.read(m_buffer.data() + had, kBrok);
    if (gelezen < 0) {
        m_leesfout = true;
        m_buffer.resize(had);
        return false;
    }
    m_buffer.resize(had + static_cast<qsizetype>(gelezen));
    m_gelezen += gelezen;
    return gelezen > 0;
}

Journaallezer::Stand Journaallezer::volgende(Regel& uit) {
    uit = Regel{};
    uit.nummer = m_nummer + 1;
    const qint64 begin = m_gelezen - (m_buffer.size() - m_begin); // offset of the line
    if (m_hashen)
        m_hash.reset();
    const auto neem = [&](const char* data, qsizetype n) {
        uit.lengte += n;
        if (!uit.teLang) {
            if (uit.tekst.size() + n > m_maxRegel) {
                uit.teLang = true;
                uit.tekst = QByteArray();
            } else {
                uit.tekst.append(data, n);
            }
        }
        if (m_hashen)
            m_hash.addData(QByteArrayView(data, n));
    };
    while (true) {
        const char* data = m_buffer.constData() + m_begin;
        const qsizetype beschikbaar = m_buffer.size() - m_begin;
        const void* lf = beschikbaar > 0
                             ? std::memchr(data, '\n', static_cast<std::size_t>(beschikbaar))
                             : nullptr;
        if (lf) {
            const auto n = static_cast<const char*>(lf) - data;
            neem(data, n);
            m_begin += n + 1;
            break;
        }
        neem(data, beschikbaar);
        m_begin += beschikbaar;
        if (begin + uit.lengte > m_maxBestand) {
            ++m_nummer;
            return Stand::TeGroot;
        }
        if (!vul()) {
            if (m_leesfout)
                return Stand::Leesfout;
            if (uit.lengte == 0)
                return Stand::Einde;
            uit.afgesloten = false;
            break;
        }
    }
    ++m_nummer;
    if (m_hashen)
        uit.hash = m_hash.result();
    if (begin + uit.lengte + (uit.afgesloten ? 1 : 0) > m_maxBestand)
        return Stand::TeGroot;
    return Stand::Regel;
}

QByteArray Journaallezer::hash(QByteArrayView regel) {
    return QCryptographicHash::hash(regel, QCryptographicHash::Sha256);
}
