#pragma once

#include <QHostAddress>
#include <QString>
#include <optional>

// Where the live view listens: "--web [ADDRESS:]PORT". Without an address only this computer
// can reach it (127.0.0.1); 0.0.0.0 opens it to every network of the computer, an address of
// one of them to that network alone.
struct Liveadres {
    static constexpr quint16 kStandaardPoort = 8080;

    QHostAddress adres{QHostAddress::LocalHost};
    quint16 poort = kStandaardPoort;

    // "8080", "0.0.0.0:8080", "192.168.1.20:8080", "[::1]:8080"; nullopt when it is none.
    static std::optional<Liveadres> lees(const QString& tekst);
    // Whether the address is one this computer can listen on: any, loopback, or one of its
    // network interfaces'.
    bool isVanDezeComputer() const;
    // The address a phone types or scans: for 0.0.0.0 the computer's first network address
    // other than loopback. With `toezegging`, the page's address with the commitment in it.
    QString paginaAdres(quint16 poortInGebruik, const QString& toezegging = {}) const;
};
