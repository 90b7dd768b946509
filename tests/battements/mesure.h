#pragma once

// What the beat benchmarks share: this thread's processor time, so that other
// processes on a busy machine do not count against a beat, and a summary of
// many timings.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

inline double tempsProcesseurMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Resume {
    std::size_t nombre = 0;
    double mediane = 0, p99 = 0, pire = 0;
};

inline Resume resumer(std::vector<double> ms) {
    Resume r;
    r.nombre = ms.size();
    if (ms.empty()) return r;
    std::sort(ms.begin(), ms.end());
    r.mediane = ms[ms.size() / 2];
    r.p99 = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    r.pire = ms.back();
    return r;
}

inline void afficher(const char* nom, const Resume& r) {
    std::printf("%-10s %6zu beats  median %.3f ms  p99 %.3f ms  max %.3f ms\n", nom, r.nombre,
                r.mediane, r.p99, r.pire);
}
