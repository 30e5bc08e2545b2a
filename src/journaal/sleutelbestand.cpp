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
#include <sys/stat.h>
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

std::optional<Sleutelbestand::Inhoud> Sleutelbestand::lees(Stand* stand) const {
    Stand genegeerd;
    Stand& uit = stand ? *stand : genegeerd;
    // Not through a link, and without hanging on a pipe put in the file's place.
    const int fd = ::open(QFile::encodeName(m_pad).constData(),
                          O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        uit = errno == ELOOP ? Stand::Koppeling
                             : (errno == ENOENT ? Stand::Ontbreekt : Stand::Onleesbaar);
        return std::nullopt;
    }
    struct stat info;
    QByteArray regel;
    bool prive = false;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        prive = (info.st_mode & 077) == 0;
        // Others may have read it already; from now on at least they cannot.
        if (!prive)
            ::fchmod(fd, 0600);
        constexpr qsizetype kMax = 512; // the line is some 170 bytes
        char buffer[kMax];
        ssize_t n;
        while (regel.size() < kMax &&
               (n = ::read(fd, buffer, static_cast<std::size_t>(kMax - regel.size()))) != 0) {
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                break;
            regel.append(buffer, n);
        }
    }
    ::close(fd);
    uit = Stand::Onleesbaar;
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
    uit = prive ? Stand::Goed : Stand::NietPrive;
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
