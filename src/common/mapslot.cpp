#include "common/mapslot.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

qint64 leesHouder(int fd) {
    char tekst[32] = {};
    const ssize_t n = ::pread(fd, tekst, sizeof tekst - 1, 0);
    if (n <= 0)
        return 0;
    bool ok = false;
    const qint64 pid = QByteArray(tekst, n).trimmed().toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

} // namespace

Mapslot::Mapslot(const QString& pad) {
    const QByteArray naam = QFile::encodeName(pad);
    m_fd = ::open(naam.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    // A folder that takes no new files may still hold the lock file; a read-only descriptor
    // locks as well.
    if (m_fd < 0 && (errno == EACCES || errno == EROFS))
        m_fd = ::open(naam.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (m_fd < 0) {
        m_fout = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int fout = errno;
        if (fout == EWOULDBLOCK) {
            m_stand = Stand::Bezet;
            m_houder = leesHouder(m_fd);
        } else {
            m_fout = QString::fromLocal8Bit(std::strerror(fout));
        }
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_stand = Stand::Genomen;
    // The process number for a second start's message; the lock works without it.
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    if (::ftruncate(m_fd, 0) == 0) {
        const ssize_t geschreven =
            ::pwrite(m_fd, pid.constData(), static_cast<std::size_t>(pid.size()), 0);
        Q_UNUSED(geschreven)
    }
}

Mapslot::~Mapslot() {
    if (m_fd >= 0)
        ::close(m_fd);
}
