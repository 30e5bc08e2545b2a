#include "journaal/sleutelbestand.h"

#include "journaal/journaalrecord.h"
#include "journaal/trekkingsjournaal.h"
#include "journaal/trekkingsreeks.h"
#include "schijf/schijf.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char kKop[] = "quintaro-sleutel 1 ";

void synchroniseerMap(const QString& pad) {
    const int map = ::open(QFile::encodeName(QFileInfo(pad).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (map >= 0) {
        Schijf::synchroniseer(map, true);
        ::close(map);
    }
}

} // namespace

bool Sleutelbestand::bewaar(qint64 reeks, const QByteArray& sleutel) const {
    const QByteArray regel = QByteArray(kKop) + QByteArray::number(reeks) + ' ' +
                             Trekkingsreeks::toezeggingVan(sleutel).toLatin1() + ' ' +
                             sleutel.toHex() + '\n';
    const QByteArray doel = QFile::encodeName(m_pad);
    const QByteArray tijdelijk = doel + ".nieuw";
    ::unlink(tijdelijk.constData()); // a leftover of an earlier crash
    const int fd = ::open(tijdelijk.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool goed = Schijf::schrijfAlles(fd, regel) && Schijf::synchroniseer(fd, true);
    ::close(fd);
    if (!goed || ::rename(tijdelijk.constData(), doel.constData()) != 0) {
        ::unlink(tijdelijk.constData());
        return false;
    }
    synchroniseerMap(m_pad);
    return true;
}

std::optional<Sleutelbestand::Inhoud> Sleutelbestand::lees() const {
    QFile bestand(m_pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray regel = bestand.read(512);
    if (!regel.startsWith(kKop) || !regel.endsWith('\n'))
        return std::nullopt;
    const QList<QByteArray> delen = regel.mid(sizeof(kKop) - 1).trimmed().split(' ');
    if (delen.size() != 3 || !Journaalrecord::isHex64(delen[1]) ||
        !Journaalrecord::isHex64(delen[2]))
        return std::nullopt;
    bool ok = false;
    Inhoud inhoud;
    inhoud.reeks = delen[0].toLongLong(&ok);
    inhoud.sleutel = QByteArray::fromHex(delen[2]);
    if (!ok || inhoud.reeks < 1 ||
        Trekkingsreeks::toezeggingVan(inhoud.sleutel).toLatin1() != delen[1])
        return std::nullopt;
    return inhoud;
}

bool Sleutelbestand::wis() const {
    const QByteArray pad = QFile::encodeName(m_pad);
    if (::unlink(pad.constData()) != 0 && errno != ENOENT)
        return false;
    synchroniseerMap(m_pad);
    return true;
}

bool Sleutelbestand::trekIn() const {
    const QByteArray pad = QFile::encodeName(m_pad);
    if (::access(pad.constData(), F_OK) != 0)
        return errno == ENOENT;
    // A rename takes no room on a full disk; if even that fails, the key goes.
    if (::rename(pad.constData(), QFile::encodeName(ingetrokken().pad()).constData()) != 0 &&
        ::unlink(pad.constData()) != 0)
        return false;
    synchroniseerMap(m_pad);
    return true;
}
