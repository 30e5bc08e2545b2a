#include "loterij/csvrecords.h"

namespace {

bool isRegeleinde(QChar c) {
    return c == u'\n' || c == u'\r';
}

QChar scheidingsteken(const QString& tekst) {
    qsizetype i = 0;
    const qsizetype n = tekst.size();
    while (i < n) {
        qsizetype eind = i;
        while (eind < n && !isRegeleinde(tekst[eind]))
            ++eind;
        const QStringView regel = QStringView(tekst).mid(i, eind - i).trimmed();
        if (!regel.isEmpty() && !regel.startsWith(u'#')) {
            bool aanhaling = false;
            for (QChar c : regel) {
                if (c == u'"')
                    aanhaling = !aanhaling;
                else if (!aanhaling && (c == u';' || c == u',' || c == u'\t'))
                    return c;
            }
            break;
        }
        i = eind + 1;
    }
    return u';';
}

void voegToe(std::vector<CsvRecord>& records, CsvRecord record) {
    while (!record.velden.isEmpty() && record.velden.last().isEmpty())
        record.velden.removeLast();
    if (!record.velden.isEmpty())
        records.push_back(std::move(record));
}

} // namespace

int splitsCsv(const QString& tekst, std::vector<CsvRecord>& records) {
    const QChar scheiding = scheidingsteken(tekst);
    const qsizetype n = tekst.size();
    int regel = 1;
    CsvRecord record{1, {}};
    QString veld;
    bool aanhaling = false; // inside quotes
    bool geciteerd = false; // the field was quoted: its spaces stay
    auto sluitVeld = [&] {
        record.velden << (geciteerd ? veld : veld.trimmed());
        veld.clear();
        geciteerd = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst[i];
        const bool regeleinde = isRegeleinde(c);
        if (regeleinde && c == u'\r' && i + 1 < n && tekst[i + 1] == u'\n')
            ++i;
        if (aanhaling) {
            if (c == u'"' && i + 1 < n && tekst[i + 1] == u'"') {
                veld += u'"';
                ++i;
            } else if (c == u'"') {
                aanhaling = false;
            } else {
                veld += regeleinde ? QChar(u'\n') : c;
                regel += regeleinde;
            }
        } else if (regeleinde) {
            sluitVeld();
            voegToe(records, std::move(record));
            record = {++regel, {}};
        } else if (c == u'#' && record.velden.isEmpty() && veld.trimmed().isEmpty()) {
            while (i + 1 < n && !isRegeleinde(tekst[i + 1]))
                ++i; // a comment
        } else if (c == u'"' && !geciteerd && veld.trimmed().isEmpty()) {
            aanhaling = geciteerd = true;
            veld.clear();
        } else if (c == scheiding) {
            sluitVeld();
        } else {
            veld += c;
        }
    }
    if (aanhaling)
        return record.regel;
    sluitVeld();
    voegToe(records, std::move(record));
    return 0;
}
