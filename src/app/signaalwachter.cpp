#include "app/signaalwachter.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The pipe's two ends; one watcher at a time owns them.
int g_schrijfKant = -1;
int g_leesKant = -1;

constexpr std::array<int, 3> kSignalen{SIGTERM, SIGHUP, SIGINT};

extern "C" void opSignaal(int nummer) {
    const int bewaard = errno;
    const auto byte = static_cast<unsigned char>(nummer);
    // Async-signal-safe: one write, its result ignored (a full pipe already wakes the loop).
    [[maybe_unused]] const ssize_t n = ::write(g_schrijfKant, &byte, 1);
    errno = bewaard;
}

} // namespace

SignaalWachter::SignaalWachter(QObject* parent) : QObject(parent) {
    int paar[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, paar) != 0)
        return;
    for (int fd : paar)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    g_schrijfKant = paar[0];
    g_leesKant = paar[1];
    m_melder = new QSocketNotifier(g_leesKant, QSocketNotifier::Read, this);
    connect(m_melder, &QSocketNotifier::activated, this, &SignaalWachter::lees);

    struct sigaction actie {};
    actie.sa_handler = opSignaal;
    sigemptyset(&actie.sa_mask);
    actie.sa_flags = SA_RESTART;
    for (int s : kSignalen)
        ::sigaction(s, &actie, nullptr);
}

SignaalWachter::~SignaalWachter() {
    if (!m_melder)
        return;
    struct sigaction standaard {};
    standaard.sa_handler = SIG_DFL;
    sigemptyset(&standaard.sa_mask);
    for (int s : kSignalen)
        ::sigaction(s, &standaard, nullptr);
    ::close(g_schrijfKant);
    ::close(g_leesKant);
    g_schrijfKant = g_leesKant = -1;
}

void SignaalWachter::lees() {
    unsigned char bytes[16];
    ssize_t n;
    while ((n = ::read(g_leesKant, bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < n; ++i)
            Q_EMIT beeindigen(bytes[i]);
    }
}
