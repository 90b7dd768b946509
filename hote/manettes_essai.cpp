#include "manettes_essai.h"

#include <QList>
#include <QSocketNotifier>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

Manettes::Sources quatrePads() {
    return {[] {
                return QList<int>{0, 1, 2, 3};
            },
            [](int id) {
                static const char* const NOMS[] = {"Xbox 360 Controller", "Sony DualSense",
                                                   "Nintendo Switch Pro Controller",
                                                   "Steam Deck Controller"};
                return id >= 0 && id < ManettesEssai::PADS ? QString::fromLatin1(NOMS[id])
                                                           : QString();
            }};
}

bool entier(const QByteArray& mot, int min, int max, int& valeur) {
    bool ok = false;
    valeur = mot.toInt(&ok);
    return ok && valeur >= min && valeur <= max;
}

bool reel(const QByteArray& mot, double min, double max, double& valeur) {
    bool ok = false;
    valeur = mot.toDouble(&ok);
    return ok && std::isfinite(valeur) && valeur >= min && valeur <= max;
}

} // namespace

ManettesEssai::ManettesEssai(int fd, QObject* cible, Plateforme* facade, bool detection)
    : m_fd(fd), m_pont(cible, facade, detection, quatrePads()) {
    if (m_fd < 0) return;
#ifdef Q_OS_UNIX
    // The reader empties the pipe at each wake-up: it must never wait.
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
#endif
    m_notificateur = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notificateur, &QSocketNotifier::activated, this, [this] { lire(); });
}

ManettesEssai::~ManettesEssai() {
#ifdef Q_OS_UNIX
    if (m_fd >= 0) ::close(m_fd);
#endif
}

std::unique_ptr<ManettesEssai>
ManettesEssai::depuisEnvironnement(QObject* cible, Plateforme* facade, bool detection) {
    const QByteArray chemin = qgetenv("TESSIMORA_MANETTES");
    if (chemin.isEmpty()) return nullptr;
#ifdef Q_OS_UNIX
    // Read and write: a pipe opened so never waits for a writer and never
    // reads an end when the trial's writer closes and opens it again.
    const int fd = ::open(chemin.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        std::fprintf(stderr, "tessimora: gamepad pipe %s: %s\n", chemin.constData(),
                     std::strerror(errno));
        return nullptr;
    }
    return std::make_unique<ManettesEssai>(fd, cible, facade, detection);
#else
    Q_UNUSED(cible)
    Q_UNUSED(facade)
    Q_UNUSED(detection)
    return nullptr;
#endif
}

bool ManettesEssai::appliquer(Manettes& pont, const QByteArray& ligne) {
    const QList<QByteArray> mots = ligne.simplified().split(' ');
    int pad = 0, numero = 0;
    double valeur = 0;
    if (mots.size() < 2 || !entier(mots[1], 0, PADS - 1, pad)) return false;
    const QByteArray& verbe = mots[0];
    if (verbe == "appui" && mots.size() == 4 && entier(mots[2], -1, 17, numero) &&
        reel(mots[3], 0, 1, valeur)) {
        pont.boutonEnfonce(pad, numero, valeur);
    } else if (verbe == "relache" && mots.size() == 3 && entier(mots[2], -1, 17, numero)) {
        pont.boutonRelache(pad, numero);
    } else if (verbe == "axe" && mots.size() == 4 && entier(mots[2], 0, 5, numero) &&
               reel(mots[3], -1, 1, valeur)) {
        pont.axe(pad, numero, valeur);
    } else if (verbe == "debranche" && mots.size() == 2) {
        pont.deconnecte(pad);
    } else {
        return false;
    }
    return true;
}

void ManettesEssai::recevoir(const QByteArray& morceau) {
    m_reste += morceau;
    int debut = 0;
    for (int fin; (fin = m_reste.indexOf('\n', debut)) >= 0; debut = fin + 1) {
        if (!m_tropLongue && fin - debut <= LIGNE_MAX)
            appliquer(m_pont, m_reste.mid(debut, fin - debut));
        m_tropLongue = false;
    }
    m_reste.remove(0, debut);
    // A line too long to be an event is skipped up to its end, without
    // keeping what it holds.
    if (m_reste.size() > LIGNE_MAX) {
        m_reste.clear();
        m_tropLongue = true;
    }
}

void ManettesEssai::lire() {
#ifdef Q_OS_UNIX
    char tampon[4096];
    for (;;) {
        const ssize_t n = ::read(m_fd, tampon, sizeof tampon);
        if (n > 0) {
            recevoir(QByteArray(tampon, static_cast<int>(n)));
            continue;
        }
        // An end (a plain file read through) stops the reading; a pipe
        // opened for writing too only ever says "nothing yet".
        if (n == 0 || (errno != EAGAIN && errno != EINTR)) m_notificateur->setEnabled(false);
        if (n < 0 && errno == EINTR) continue;
        return;
    }
#endif
}
