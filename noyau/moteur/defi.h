#pragma once

// MOON OF THE DAY: the UTC date gives the seed and the layout, so everybody
// gets the same stack on the same day, whatever their time zone.

#include <cstdint>
#include <optional>
#include <string>

namespace defi {

// A moment as milliseconds since 1970-01-01T00:00:00Z.
using Instant = std::int64_t;

Instant maintenant();
// "YYYYMMDD" of the UTC day holding the moment.
std::string jour(Instant t);
// That text read as a decimal number, e.g. 20261208.
std::int64_t graine(Instant t);
// Index of the day's layout among `nombre` (graine mod nombre).
int disposition(Instant t, int nombre);
// Midnight UTC of a calendar date; nothing for a date that does not exist.
std::optional<Instant> date(int annee, int mois, int jourDuMois);

} // namespace defi
