#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <utility>
#include <variant>
#include <vector>

// One line of the journal as a JSON object (RFC 8259), read and written strictly. A member's
// value is an integer, a string or an array of integers; anything else (fractions,
// exponents, true, false, null, nested objects, integers beyond 64 bits) is refused, as are
// invalid UTF-8, unpaired surrogates, control characters in strings, a key given twice and
// anything after the object. Written lines are compact, in the order the members were set,
// with only '"', '\' and control characters escaped.
class JsonRegel {
public:
    using Lijst = std::vector<qint64>;
    using Waarde = std::variant<qint64, QByteArray, Lijst>; // integer, UTF-8 string, array

    // The object on `regel` (without its line feed); std::nullopt when it is not one, with
    // the byte offset of the first fault in `fout` when given.
    static std::optional<JsonRegel> lees(QByteArrayView regel, qsizetype* fout = nullptr);

    JsonRegel& zet(QByteArrayView naam, qint64 waarde);
    JsonRegel& zet(QByteArrayView naam, QByteArrayView utf8);
    JsonRegel& zet(QByteArrayView naam, Lijst waarde);

    const Waarde* veld(QByteArrayView naam) const;
    const std::vector<std::pair<QByteArray, Waarde>>& velden() const { return m_velden; }

    QByteArray tekst() const; // the compact line, without a line feed

    // Whether `tekst` is valid UTF-8 without surrogates or overlong forms.
    static bool isUtf8(QByteArrayView tekst);

private:
    std::vector<std::pair<QByteArray, Waarde>> m_velden;
};
