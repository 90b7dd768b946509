#include "signaux.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int SIGNAUX[] = {SIGTERM, SIGINT, SIGHUP};

// Shared with the handler, which may run on any thread at any moment: only
// the pipe's ends and one flag, nothing the handler would have to lock.
int tube[2] = {-1, -1};
volatile sig_atomic_t recu = 0;
struct sigaction anciens[3];

extern "C" void surSignal(int numero) {
    if (recu) {
        // The quit asked for by the first one is under way: end now. The
        // signal is blocked while its handler runs, so the raised one is
        // delivered, with its default action, as soon as we return.
        std::signal(numero, SIG_DFL);
        std::raise(numero);
        return;
    }
    recu = 1;
    const int sauve = errno;
    const char octet = static_cast<char>(numero);
    // The write end never blocks; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t n = ::write(tube[1], &octet, 1);
    errno = sauve;
}

bool ouvrirTube() {
    if (tube[0] >= 0) return true;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0) return false;
    for (int fd : fds) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    tube[0] = fds[0];
    tube[1] = fds[1];
    return true;
}

} // namespace

Signaux::Signaux(std::function<void()> quitter, QObject* parent)
    : QObject(parent), quitter_(std::move(quitter)) {
    // The pipe lives as long as the process: a handler running on another
    // thread while this object goes away must still find an open descriptor.
    if (!ouvrirTube()) return;
    recu = 0;
    notificateur_ = new QSocketNotifier(tube[0], QSocketNotifier::Read, this);
    connect(notificateur_, &QSocketNotifier::activated, this, [this] { lire(); });

    struct sigaction action = {};
    action.sa_handler = surSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(SIGNAUX[i], &action, &anciens[i]);
}

Signaux::~Signaux() {
    if (!notificateur_) return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(SIGNAUX[i], &anciens[i], nullptr);
    // Whatever is still in the pipe belonged to this object's quit.
    char octets[16];
    while (::read(tube[0], octets, sizeof octets) > 0) {
    }
    recu = 0;
}

void Signaux::lire() {
    char octets[16];
    bool signal = false;
    while (::read(tube[0], octets, sizeof octets) > 0)
        signal = true;
    // Only the first signal reaches the pipe; one quit is enough anyway.
    if (signal && quitter_) {
        notificateur_->setEnabled(false);
        quitter_();
    }
}
