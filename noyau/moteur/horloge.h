#pragma once

// The wall clock the engine reads to bound its background work (solver slices,
// the AI's pace). Tests replace it so that they never sleep.

#include <cstdint>
#include <functional>

namespace horloge {

// Milliseconds on a monotonic clock.
std::int64_t maintenantMs();

// Replaces the clock; an empty function restores the real one.
void remplacer(std::function<std::int64_t()> source);

} // namespace horloge
