#include "compteur_images.h"

#include <chrono>
#include <cstdio>

namespace {
// One 60 Hz frame, with a little slack.
constexpr std::int64_t LENTE_NS = 16'700'000;

std::int64_t maintenantNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ajouterMs(std::string& ligne, std::int64_t ns) {
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, " %.1f", static_cast<double>(ns) / 1'000'000.0);
    ligne += nombre;
}
} // namespace

void CompteurImages::image() {
    m_images.fetch_add(1, std::memory_order_relaxed);
    if (m_horloge.isValid()) {
        const std::int64_t ecart = m_horloge.nsecsElapsed();
        std::int64_t pire = m_pireNs.load(std::memory_order_relaxed);
        while (ecart > pire &&
               !m_pireNs.compare_exchange_weak(pire, ecart, std::memory_order_relaxed)) {
        }
        if (ecart > LENTE_NS) m_lentes.fetch_add(1, std::memory_order_relaxed);
    }
    m_horloge.start();
    if (m_lister) {
        const std::uint32_t n = m_ecrites.load(std::memory_order_relaxed);
        m_fins[n % FINS].store(maintenantNs(), std::memory_order_relaxed);
        m_ecrites.store(n + 1, std::memory_order_release);
    }
}

std::string CompteurImages::releve() {
    const std::int32_t images = m_images.exchange(0);
    const std::int64_t pireNs = m_pireNs.exchange(0);
    const std::int32_t lentes = m_lentes.exchange(0);
    char ligne[96];
    std::snprintf(ligne, sizeof ligne, "TESSIMORA_IPS %d %.1f %d", images,
                  static_cast<double>(pireNs) / 1'000'000.0, lentes);
    return ligne;
}

std::string CompteurImages::images() {
    std::string ligne = "TESSIMORA_IMAGES";
    const std::uint32_t fin = m_ecrites.load(std::memory_order_acquire);
    std::uint32_t k = m_lues;
    // Fallen behind: the oldest frames are written over, and the list
    // starts again from a frame of its own.
    if (fin - k > FINS) {
        k = fin - FINS;
        m_derniere = -1;
    }
    if (k == fin) return ligne;
    std::int64_t avant = m_derniere;
    if (avant < 0) avant = m_fins[k++ % FINS].load(std::memory_order_relaxed);
    ajouterMs(ligne, avant);
    for (; k != fin; ++k) {
        const std::int64_t t = m_fins[k % FINS].load(std::memory_order_relaxed);
        ajouterMs(ligne, t - avant);
        avant = t;
    }
    m_lues = fin;
    m_derniere = avant;
    return ligne;
}

void CompteurImages::rapporter() {
    std::printf("%s\n", releve().c_str());
    if (m_lister) std::printf("%s\n", images().c_str());
    std::fflush(stdout);
}
