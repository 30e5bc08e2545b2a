#include "journaal/trekkingsjournaal.h"

#include "journaal/journaallezer.h"
#include "schijf/schijf.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// SHA-256 of `lengte` bytes of `bestand` from `begin`.
QByteArray hashVan(QFile& bestand, qint64 begin, qint64 lengte) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    bestand.seek(begin);
    for (qint64 over = lengte; over > 0;) {
        const QByteArray stuk = bestand.read(std::min<qint64>(over, 1 << 20));
        if (stuk.isEmpty())
            break;
        h.addData(stuk);
        over -= stuk.size();
    }
    return h.result();
}

QString systeemFout() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool schrijfAlles(int fd, const QByteArray& data) {
    return Schijf::schrijfAlles(fd, data);
}

Trekkingsjournaal::Trekkingsjournaal(const QString& pad) : m_pad(pad) {
    open();
}

Trekkingsjournaal::~Trekkingsjournaal() {
    m_rij.wachtAlles();
    if (m_fd >= 0)
        ::close(m_fd);
}

void Trekkingsjournaal::stop(const QString& waarom) {
    m_fout = waarom;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void Trekkingsjournaal::merk(const Journaalrecord& record) {
    if (record.soort == Journaalrecord::Soort::Reeks) {
        m_laatsteReeks = std::max(m_laatsteReeks, record.reeks);
        m_toezeggingen.insert(record.reeks, record.toezegging);
    } else if (record.soort == Journaalrecord::Soort::Sleutel) {
        m_onthuld.insert(record.reeks);
    }
}

void Trekkingsjournaal::open() {
    // A symbolic link is not followed: the journal would be appended to whatever it points at.
    m_fd = ::open(QFile::encodeName(m_pad).constData(),
                  O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (m_fd < 0) {
        m_fout = errno == ELOOP ? tr("het is een symbolische koppeling, en die volgt Quintaro niet")
                                : systeemFout();
        return;
    }
    struct stat info;
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        stop(tr("het is geen gewoon bestand"));
        return;
    }
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        stop(tr("een ander programma heeft het open"));
        return;
    }
    // One pass over the journal; only series starts and revealed keys are read closely.
    QFile bestand(m_pad);
    if (!bestand.open(QIODevice::ReadOnly)) {
        stop(bestand.errorString());
        return;
    }
    Journaallezer lezer(bestand, false, Journaallezer::kMaxRegel,
                        std::numeric_limits<qint64>::max());
    Journaallezer::Regel regel, laatste, voorlaatste;
    while (lezer.volgende(regel) == Journaallezer::Stand::Regel) {
        if (regel.tekst.startsWith("{\"soort\":\"reeks\",") ||
            regel.tekst.startsWith("{\"soort\":\"sleutel\",")) {
            if (const auto record = Journaalrecord::lees(regel.tekst))
                merk(*record);
        }
        std::swap(voorlaatste, laatste);
        std::swap(regel, laatste);
    }
    m_regels = laatste.nummer;
    m_grootte = bestand.size();
    // The hashes of the last two lines; a line longer than the reader holds is hashed again
    // from the file.
    const qint64 eindLaatste = m_grootte - (laatste.afgesloten ? 1 : 0);
    const auto hashVanRegel = [&](const Journaallezer::Regel& r, qint64 einde) {
        if (r.nummer == 0)
            return QByteArray(32, '\0');
        return r.teLang ? hashVan(bestand, einde - r.lengte, r.lengte)
                        : Journaallezer::hash(r.tekst);
    };
    m_vorigeHash = hashVanRegel(laatste, eindLaatste);
    // A whole last line that is no record (garbage, or damaged) is treated as a torn one:
    // kept, hashed, and named by the next start record, so that the chain goes on past it.
    if (m_regels > 0 && laatste.afgesloten &&
        (laatste.teLang || !Journaalrecord::lees(laatste.tekst))) {
        m_gescheurd = laatste.nummer;
        m_gescheurdOnleesbaar = true;
        m_vorigeHeel = hashVanRegel(voorlaatste, eindLaatste - laatste.lengte - 1).toHex();
    }
    if (m_regels > 0 && !laatste.afgesloten) {
        m_gescheurd = laatste.nummer;
        m_vorigeHeel = hashVanRegel(voorlaatste, eindLaatste - laatste.lengte - 1).toHex();
        if (!schrijfAlles(m_fd, "\n") || ::fdatasync(m_fd) != 0) {
            stop(systeemFout());
            return;
        }
        ++m_grootte;
    }
}

QByteArray Trekkingsjournaal::tijdNu() {
    const QDateTime nu = QDateTime::currentDateTime();
    return nu.toOffsetFromUtc(nu.offsetFromUtc()).toString(Qt::ISODateWithMs).toLatin1();
}

QString Trekkingsjournaal::fout() const {
    if (!m_mislukt.load())
        return m_fout;
    const int code = m_foutCode.load();
    return code == EFBIG ? QStringLiteral("journal full")
                         : QString::fromLocal8Bit(std::strerror(code));
}

bool Trekkingsjournaal::schijfVol() const {
    return m_mislukt.load() && Schijf::isVol(m_foutCode.load());
}

bool Trekkingsjournaal::schrijf(Journaalrecord record, std::function<void()> daarna) {
    if (!werkt())
        return false;
    if (record.tijd.isEmpty())
        record.tijd = tijdNu();
    record.vorige = m_vorigeHash.toHex();
    const QByteArray regel = record.regel();
    if (regel.size() > Journaallezer::kMaxRegel ||
        m_grootte + regel.size() + 1 > Journaallezer::kMaxBestand) {
        // After the records still on their way.
        m_dicht = true;
        m_laatste = m_rij.zetIn([this] { faal(EFBIG); });
        return false;
    }
    const qint64 begin = m_grootte;
    m_vorigeHash = Journaallezer::hash(regel);
    m_grootte += regel.size() + 1;
    ++m_regels;
    merk(record);
    m_laatste = m_rij.zetIn([this, r = regel + '\n', begin, daarna = std::move(daarna)] {
        schrijfRegel(r, begin);
        if (daarna && !m_mislukt.load())
            daarna();
    });
    return true;
}

void Trekkingsjournaal::inRij(std::function<void()> taak) {
    if (!werkt())
        return;
    m_laatste = m_rij.zetIn([this, taak = std::move(taak)] {
        if (!m_mislukt.load())
            taak();
    });
}

bool Trekkingsjournaal::wachtOpSchijf() {
    m_rij.wacht(m_laatste);
    return werkt();
}

void Trekkingsjournaal::schrijfRegel(const QByteArray& regel, qint64 begin) {
    if (m_mislukt.load())
        return;
    if (Schijf::schrijfAlles(m_fd, regel) && Schijf::synchroniseer(m_fd))
        return;
    const int code = errno;
    // What part of the line was written is cut off again: the journal ends with its last
    // whole line, and nothing follows it.
    if (::ftruncate(m_fd, begin) == 0)
        ::fdatasync(m_fd);
    faal(code);
}

void Trekkingsjournaal::faal(int fout) {
    m_foutCode.store(fout);
    m_mislukt.store(true);
    if (m_bijStoppen)
        m_bijStoppen();
}
