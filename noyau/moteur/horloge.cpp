#include "moteur/horloge.h"

#include <chrono>

namespace horloge {

namespace {
std::function<std::int64_t()>& source() {
    static std::function<std::int64_t()> s;
    return s;
}
} // namespace

std::int64_t maintenantMs() {
    if (source()) return source()();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void remplacer(std::function<std::int64_t()> s) {
    source() = std::move(s);
}

} // namespace horloge
