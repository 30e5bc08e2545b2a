#include "schijf/schijf.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

qint64 uitOmgeving(const char* naam, qint64 standaard) {
    bool ok = false;
    const qint64 waarde = qEnvironmentVariable(naam).toLongLong(&ok);
    return ok ? waarde : standaard;
}

std::atomic<qint64>& ruimte() {
    static std::atomic<qint64> r{uitOmgeving("QUINTARO_SCHIJFRUIMTE", -1)};
    return r;
}

std::atomic<int>& vertraging() {
    static std::atomic<int> v{static_cast<int>(uitOmgeving("QUINTARO_SYNCVERTRAGING", 0))};
    return v;
}

std::atomic<Schijf::Waarnemer> g_waarnemer{nullptr};

// How many of `gevraagd` bytes the test hook lets through (all without a limit).
std::size_t toegestaan(std::size_t gevraagd) {
    auto& r = ruimte();
    qint64 over = r.load();
    while (over >= 0) {
        const auto neem = static_cast<qint64>(std::min<std::size_t>(gevraagd, std::size_t(over)));
        if (r.compare_exchange_weak(over, over - neem))
            return static_cast<std::size_t>(neem);
    }
    return gevraagd;
}

// Writes without the test hook: undoing a failed in-place write only overwrites bytes the
// file already holds, which needs no new room on the disk.
bool herstel(int fd, const QByteArray& oud) {
    for (qsizetype gedaan = 0; gedaan < oud.size();) {
        const ssize_t n = ::pwrite(fd, oud.constData() + gedaan,
                                   static_cast<std::size_t>(oud.size() - gedaan), gedaan);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        gedaan += n;
    }
    return ::ftruncate(fd, oud.size()) == 0 && ::fsync(fd) == 0;
}

void synchroniseerMap(const QByteArray& map) {
    const int fd = ::open(map.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        Schijf::synchroniseer(fd, true);
        ::close(fd);
    }
}

int opDePlaats(const QByteArray& pad, const QByteArray& inhoud) {
    const int fd = ::open(pad.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno;
    QFile lezer;
    QByteArray oud;
    if (lezer.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        oud = lezer.readAll();
    lezer.close();
    const qint64 grootte = ::lseek(fd, 0, SEEK_END);
    if (grootte != oud.size()) {
        ::close(fd);
        return EIO;
    }
    int fout = 0;
    // First what lies beyond the old end: without room for it, only the file's length changed,
    // and that is put back.
    if (inhoud.size() > oud.size() &&
        (!Schijf::schrijfAlles(fd, inhoud.mid(oud.size()), oud.size()) ||
         !Schijf::synchroniseer(fd))) {
        fout = errno;
        herstel(fd, oud);
    } else if (!Schijf::schrijfAlles(fd, inhoud.first(std::min(inhoud.size(), oud.size())), 0) ||
               ::ftruncate(fd, inhoud.size()) != 0 || !Schijf::synchroniseer(fd, true)) {
        fout = errno;
        herstel(fd, oud);
    }
    ::close(fd);
    return fout;
}

} // namespace

namespace Schijf {

bool schrijfAlles(int fd, const QByteArray& data, qint64 positie) {
    qsizetype gedaan = 0;
    while (gedaan < data.size()) {
        const auto gevraagd = static_cast<std::size_t>(data.size() - gedaan);
        const std::size_t mag = toegestaan(gevraagd);
        if (mag == 0) {
            errno = ENOSPC;
            return false;
        }
        const char* bron = data.constData() + gedaan;
        const ssize_t n =
            positie < 0 ? ::write(fd, bron, mag) : ::pwrite(fd, bron, mag, positie + gedaan);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        gedaan += n;
    }
    return true;
}

bool synchroniseer(int fd, bool alles) {
    if (const int ms = vertraging().load(); ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    if ((alles ? ::fsync(fd) : ::fdatasync(fd)) != 0)
        return false;
    if (const Waarnemer w = g_waarnemer.load())
        w(fd);
    return true;
}

int bewaar(const QString& pad, const QByteArray& inhoud) {
    static std::atomic<int> volgnummer{0};
    const QByteArray doel = QFile::encodeName(pad);
    const QByteArray tijdelijk = doel + '.' + QByteArray::number(::getpid()) + '-' +
                                 QByteArray::number(++volgnummer) + ".nieuw";
    const int fd = ::open(tijdelijk.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int fout = errno;
        // A folder that takes no new files but holds a writable one: that one is written in
        // place. Any other failure (a full disk above all) leaves the file alone.
        if (fout == EACCES || fout == EPERM || fout == EROFS)
            return QFileInfo::exists(pad) ? opDePlaats(doel, inhoud) : fout;
        return fout;
    }
    struct stat oud;
    if (::stat(doel.constData(), &oud) == 0)
        ::fchmod(fd, oud.st_mode & 07777);
    int fout = 0;
    if (!schrijfAlles(fd, inhoud) || !synchroniseer(fd, true))
        fout = errno;
    ::close(fd);
    if (fout == 0 && ::rename(tijdelijk.constData(), doel.constData()) != 0)
        fout = errno;
    if (fout != 0) {
        ::unlink(tijdelijk.constData());
        return fout;
    }
    synchroniseerMap(QFile::encodeName(QFileInfo(pad).absolutePath()));
    return 0;
}

bool isVol(int fout) {
    return fout == ENOSPC || fout == EDQUOT;
}

void zetRuimte(qint64 bytes) {
    ruimte().store(bytes);
}

void zetSyncVertraging(int ms) {
    vertraging().store(ms);
}

void zetSyncWaarnemer(Waarnemer waarnemer) {
    g_waarnemer.store(waarnemer);
}

} // namespace Schijf
