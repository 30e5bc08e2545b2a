#include "journaal/pinnen.h"

#include "journaal/journaalrecord.h"

std::optional<Pinnen::Pin> Pinnen::lees(Pin::Soort soort, const QString& tekst) {
    QByteArray hex = tekst.toLatin1().toLower();
    hex.replace(' ', QByteArray());
    if (hex.size() < kMinHex || hex.size() > 64)
        return std::nullopt;
    for (char c : hex) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return std::nullopt;
    }
    Pin pin;
    pin.soort = soort;
    pin.hex = hex;
    return pin;
}

void Pinnen::regel(qint64 regel, const QByteArray& hash, const Journaalrecord* record,
                   qint64 trekkingen, qint64 vervallen) {
    QByteArray hashHex;
    for (Pin& pin : m_pinnen) {
        if (pin.regel > 0)
            continue;
        bool past = false;
        if (pin.soort == Pin::Soort::Toezegging) {
            past = record && record->soort == Journaalrecord::Soort::Reeks &&
                   record->toezegging.startsWith(pin.hex);
        } else {
            if (hashHex.isEmpty())
                hashHex = hash.toHex();
            past = hashHex.startsWith(pin.hex);
        }
        if (!past)
            continue;
        pin.regel = regel;
        pin.reeks = record ? record->reeks : 0;
        pin.trekkingen = record ? trekkingen : 0;
        pin.vervallen = record ? vervallen : 0;
    }
}

void Pinnen::sluit(Controleuitslag& uit,
                   const std::function<std::pair<qint64, qint64>(qint64)>& stand) const {
    uit.pinnen = m_pinnen;
    const Pin* zoek = nullptr;
    for (Pin& pin : uit.pinnen) {
        if (pin.regel == 0 && !zoek)
            zoek = &pin;
        if (pin.reeks > 0) {
            const auto [trekkingen, vervallen] = stand(pin.reeks);
            pin.trekkingenNa = trekkingen - pin.trekkingen;
            pin.vervallenNa = vervallen - pin.vervallen;
        }
    }
    if (zoek && uit.oordeel != Controleuitslag::Oordeel::Fout) {
        uit.oordeel = Controleuitslag::Oordeel::Fout;
        uit.regel = 0;
        uit.reden =
            (zoek->soort == Pin::Soort::Toezegging
                 ? tr("de toezegging %1 staat in geen enkele regel van het journaal")
                 : tr("de kop van de keten %1 is de hash van geen enkele regel van het journaal"))
                .arg(QString::fromLatin1(zoek->hex));
    }
}

QString Pinnen::tekst(const Pin& pin) {
    const QString hex = QString::fromLatin1(pin.hex);
    const QString naam = pin.soort == Pin::Soort::Toezegging ? tr("Toezegging %1").arg(hex)
                                                             : tr("Keten %1").arg(hex);
    if (pin.regel == 0)
        return tr("%1: in geen van de gelezen regels").arg(naam);
    if (pin.reeks == 0)
        return tr("%1: regel %2, buiten een reeks").arg(naam).arg(pin.regel);
    return tr("%1: regel %2, reeks %3 na %4 trekkingen; daarna in die reeks nog %5 trekkingen "
              "en %6 vervallen")
        .arg(naam)
        .arg(pin.regel)
        .arg(pin.reeks)
        .arg(pin.trekkingen)
        .arg(pin.trekkingenNa)
        .arg(pin.vervallenNa);
}
