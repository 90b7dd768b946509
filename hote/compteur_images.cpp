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

// The list counts in tenths of a ms, each frame's end cut to its tenth
// before the lengths are taken: the printed lengths then add up exactly to
// the printed ends, however long the list.
std::int64_t dixiemes(std::int64_t ns) {
    return ns / 100'000;
}

void ajouterMs(std::string& ligne, std::int64_t dixiemes) {
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, " %lld.%lld", static_cast<long long>(dixiemes / 10),
                  static_cast<long long>(dixiemes % 10));
    ligne += nombre;
}
} // namespace

void CompteurImages::image() {
    m_images.fetch_add(1, std::memory_order_relaxed);
    const std::int64_t maintenant = maintenantNs();
    if (m_precedente >= 0) {
        const std::int64_t ecart = maintenant - m_precedente;
        std::int64_t pire = m_pireNs.load(std::memory_order_relaxed);
        while (ecart > pire &&
               !m_pireNs.compare_exchange_weak(pire, ecart, std::memory_order_relaxed)) {
        }
        if (ecart > LENTE_NS) m_lentes.fetch_add(1, std::memory_order_relaxed);
    }
    m_precedente = maintenant;
    if (m_lister) {
        const std::uint32_t n = m_ecrites.load(std::memory_order_relaxed);
        m_fins[n % FINS].store(maintenant, std::memory_order_relaxed);
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
    if (avant < 0) avant = dixiemes(m_fins[k++ % FINS].load(std::memory_order_relaxed));
    ajouterMs(ligne, avant);
    for (; k != fin; ++k) {
        const std::int64_t t = dixiemes(m_fins[k % FINS].load(std::memory_order_relaxed));
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
