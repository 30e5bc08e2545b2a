#include "live/liveadres.h"

#include <QNetworkInterface>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

std::optional<Liveadres> Liveadres::lees(const QString& tekst) {
    Liveadres uit;
    QString poortTekst = tekst.trimmed();
    const qsizetype dubbelepunt = poortTekst.lastIndexOf(u':');
    if (dubbelepunt >= 0) {
        QString host = poortTekst.left(dubbelepunt);
        if (host.startsWith(u'[') && host.endsWith(u']'))
            host = host.mid(1, host.size() - 2);
        else if (host.contains(u':'))
            return std::nullopt; // an IPv6 address needs its brackets
        if (!uit.adres.setAddress(host))
            return std::nullopt;
        poortTekst = poortTekst.mid(dubbelepunt + 1);
    }
    bool getal = false;
    const uint poort = poortTekst.toUInt(&getal);
    if (!getal || poort == 0 || poort > 65535)
        return std::nullopt;
    uit.poort = static_cast<quint16>(poort);
    return uit;
}

bool Liveadres::isVanDezeComputer() const {
    if (adres.isLoopback() || adres == QHostAddress(QHostAddress::AnyIPv4) ||
        adres == QHostAddress(QHostAddress::AnyIPv6) || adres == QHostAddress(QHostAddress::Any))
        return true;
    const QList<QHostAddress> eigen = QNetworkInterface::allAddresses();
    return std::any_of(eigen.cbegin(), eigen.cend(),
                       [this](const QHostAddress& a) { return a.isEqual(adres); });
}

QString Liveadres::paginaAdres(quint16 poortInGebruik, const QString& toezegging) const {
    QHostAddress host = adres;
    if (host == QHostAddress(QHostAddress::AnyIPv4) || host == QHostAddress(QHostAddress::Any) ||
        host == QHostAddress(QHostAddress::AnyIPv6)) {
        host = QHostAddress(QHostAddress::LocalHost);
        for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
            if (!a.isLoopback() && a.protocol() == QAbstractSocket::IPv4Protocol) {
                host = a;
                break;
            }
        }
    }
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host.toString());
    url.setPort(poortInGebruik);
    url.setPath(QStringLiteral("/"));
    if (!toezegging.isEmpty())
        url.setQuery(QStringLiteral("t=") + toezegging);
    return url.toString();
}
