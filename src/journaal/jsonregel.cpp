#include "journaal/jsonregel.h"

#include <QString>

#include <limits>

namespace {

// A reader over one line; every method returns false at the first fault, whose offset is
// then `plek`.
struct Lezer {
    QByteArrayView tekst;
    qsizetype plek = 0;

    bool einde() const { return plek >= tekst.size(); }
    char teken() const { return einde() ? '\0' : tekst[plek]; }

    void witruimte() {
        while (!einde() && (teken() == ' ' || teken() == '\t' || teken() == '\r'))
            ++plek;
    }

    bool verwacht(char c) {
        if (teken() != c)
            return false;
        ++plek;
        return true;
    }

    bool geheel(qint64& uit) {
        const bool negatief = teken() == '-';
        if (negatief)
            ++plek;
        if (teken() < '0' || teken() > '9')
            return false;
        // Accumulated as a negative number, which reaches one further than a positive one.
        qint64 waarde = 0;
        const bool nulEerst = teken() == '0';
        do {
            const int cijfer = teken() - '0';
            if (waarde < (std::numeric_limits<qint64>::min() + cijfer) / 10)
                return false;
            waarde = waarde * 10 - cijfer;
            ++plek;
        } while (!nulEerst && teken() >= '0' && teken() <= '9');
        if (teken() == '.' || teken() == 'e' || teken() == 'E' ||
            (teken() >= '0' && teken() <= '9'))
            return false; // a fraction, an exponent or a leading zero
        if (!negatief) {
            if (waarde == std::numeric_limits<qint64>::min())
                return false;
            waarde = -waarde;
        }
        uit = waarde;
        return true;
    }

    bool hex4(char32_t& uit) {
        uit = 0;
        for (int i = 0; i < 4; ++i, ++plek) {
            const char c = teken();
            int w;
            if (c >= '0' && c <= '9')
                w = c - '0';
            else if (c >= 'a' && c <= 'f')
                w = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                w = c - 'A' + 10;
            else
                return false;
            uit = uit * 16 + static_cast<char32_t>(w);
        }
        return true;
    }

    static void utf8(QByteArray& doel, char32_t c) {
        const char32_t tekens[1] = {c};
        doel.append(QString::fromUcs4(tekens, 1).toUtf8());
    }

    bool string(QByteArray& uit) {
        if (!verwacht('"'))
            return false;
        while (true) {
            if (einde())
                return false;
            const auto c = static_cast<unsigned char>(teken());
            if (c == '"') {
                ++plek;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c != '\\') {
                // A run of plain characters at once.
                qsizetype eind = plek + 1;
                while (eind < tekst.size()) {
                    const auto d = static_cast<unsigned char>(tekst[eind]);
                    if (d == '"' || d == '\\' || d < 0x20)
                        break;
                    ++eind;
                }
                uit.append(tekst.data() + plek, eind - plek);
                plek = eind;
                continue;
            }
            ++plek;
            const char e = teken();
            ++plek;
            switch (e) {
            case '"':
                uit.append('"');
                break;
            case '\\':
                uit.append('\\');
                break;
            case '/':
                uit.append('/');
                break;
            case 'b':
                uit.append('\b');
                break;
            case 'f':
                uit.append('\f');
                break;
            case 'n':
                uit.append('\n');
                break;
            case 'r':
                uit.append('\r');
                break;
            case 't':
                uit.append('\t');
                break;
            case 'u': {
                char32_t eerste;
                if (!hex4(eerste) || (eerste >= 0xdc00 && eerste <= 0xdfff))
                    return false;
                if (eerste >= 0xd800 && eerste <= 0xdbff) {
                    char32_t tweede;
                    if (!verwacht('\\') || !verwacht('u') || !hex4(tweede) || tweede < 0xdc00 ||
                        tweede > 0xdfff)
                        return false;
                    eerste = 0x10000 + ((eerste - 0xd800) << 10) + (tweede - 0xdc00);
                }
                utf8(uit, eerste);
                break;
            }
            default:
                --plek;
                return false;
            }
        }
    }

    bool waarde(JsonRegel::Waarde& uit) {
        if (teken() == '"') {
            QByteArray s;
            if (!string(s))
                return false;
            uit = std::move(s);
            return true;
        }
        if (teken() == '[') {
            ++plek;
            JsonRegel::Lijst lijst;
            witruimte();
            if (!verwacht(']')) {
                while (true) {
                    qint64 g;
                    if (!geheel(g))
                        return false;
                    lijst.push_back(g);
                    witruimte();
                    if (verwacht(']'))
                        break;
                    if (!verwacht(','))
                        return false;
                    witruimte();
                }
            }
            uit = std::move(lijst);
            return true;
        }
        qint64 g;
        if (!geheel(g))
            return false;
        uit = g;
        return true;
    }
};

} // namespace

std::optional<JsonRegel> JsonRegel::lees(QByteArrayView regel, qsizetype* fout) {
    Lezer lezer{regel};
    JsonRegel uit;
    uit.m_velden.reserve(12);
    const auto mis = [&]() -> std::optional<JsonRegel> {
        if (fout)
            *fout = lezer.plek;
        return std::nullopt;
    };
    if (!isUtf8(regel))
        return mis();
    lezer.witruimte();
    if (!lezer.verwacht('{'))
        return mis();
    lezer.witruimte();
    if (!lezer.verwacht('}')) {
        while (true) {
            QByteArray naam;
            if (!lezer.string(naam))
                return mis();
            if (uit.veld(naam)) {
                --lezer.plek;
                return mis(); // the same key twice
            }
            lezer.witruimte();
            if (!lezer.verwacht(':'))
                return mis();
            lezer.witruimte();
            Waarde w;
            if (!lezer.waarde(w))
                return mis();
            uit.m_velden.emplace_back(std::move(naam), std::move(w));
            lezer.witruimte();
            if (lezer.verwacht('}'))
                break;
            if (!lezer.verwacht(','))
                return mis();
            lezer.witruimte();
        }
    }
    lezer.witruimte();
    if (!lezer.einde())
        return mis();
    return uit;
}

JsonRegel& JsonRegel::zet(QByteArrayView naam, qint64 waarde) {
    m_velden.emplace_back(naam.toByteArray(), waarde);
    return *this;
}

JsonRegel& JsonRegel::zet(QByteArrayView naam, QByteArrayView utf8) {
    // Invalid UTF-8 cannot be read back; it is written with replacement characters.
    QByteArray tekst = isUtf8(utf8) ? utf8.toByteArray() : QString::fromUtf8(utf8).toUtf8();
    m_velden.emplace_back(naam.toByteArray(), std::move(tekst));
    return *this;
}

JsonRegel& JsonRegel::zet(QByteArrayView naam, Lijst waarde) {
    m_velden.emplace_back(naam.toByteArray(), std::move(waarde));
    return *this;
}

const JsonRegel::Waarde* JsonRegel::veld(QByteArrayView naam) const {
    for (const auto& [n, w] : m_velden) {
        if (n == naam)
            return &w;
    }
    return nullptr;
}

namespace {

void schrijfString(QByteArray& uit, const QByteArray& s) {
    uit.append('"');
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            uit.append('\\').append(c);
        } else if (u < 0x20) {
            static const char hex[] = "0123456789abcdef";
            uit.append("\\u00", 4).append(hex[u >> 4]).append(hex[u & 15]);
        } else {
            uit.append(c);
        }
    }
    uit.append('"');
}

} // namespace

QByteArray JsonRegel::tekst() const {
    QByteArray uit;
    uit.append('{');
    bool eerste = true;
    for (const auto& [naam, waarde] : m_velden) {
        if (!eerste)
            uit.append(',');
        eerste = false;
        schrijfString(uit, naam);
        uit.append(':');
        if (const auto* g = std::get_if<qint64>(&waarde)) {
            uit.append(QByteArray::number(*g));
        } else if (const auto* s = std::get_if<QByteArray>(&waarde)) {
            schrijfString(uit, *s);
        } else {
            uit.append('[');
            const auto& lijst = std::get<Lijst>(waarde);
            for (std::size_t i = 0; i < lijst.size(); ++i) {
                if (i)
                    uit.append(',');
                uit.append(QByteArray::number(lijst[i]));
            }
            uit.append(']');
        }
    }
    uit.append('}');
    return uit;
}

bool JsonRegel::isUtf8(QByteArrayView tekst) {
    const auto* p = reinterpret_cast<const unsigned char*>(tekst.data());
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int lengte;
        char32_t waarde;
        if (c >= 0xc2 && c <= 0xdf) {
            lengte = 2;
            waarde = c & 0x1f;
        } else if (c >= 0xe0 && c <= 0xef) {
            lengte = 3;
            waarde = c & 0x0f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            lengte = 4;
            waarde = c & 0x07;
        } else {
            return false;
        }
        if (i + lengte > n)
            return false;
        for (int k = 1; k < lengte; ++k) {
            if ((p[i + k] & 0xc0) != 0x80)
                return false;
            waarde = (waarde << 6) | (p[i + k] & 0x3f);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF.
        if ((lengte == 3 && waarde < 0x800) || (lengte == 4 && waarde < 0x10000) ||
            (waarde >= 0xd800 && waarde <= 0xdfff) || waarde > 0x10ffff)
            return false;
        i += lengte;
    }
    return true;
}
