#include "compteur_images.h"

#include <cstdio>

namespace {
// One 60 Hz frame, with a little slack.
constexpr std::int64_t LENTE_NS = 16'700'000;
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

void CompteurImages::rapporter() {
    std::printf("%s\n", releve().c_str());
    std::fflush(stdout);
}
