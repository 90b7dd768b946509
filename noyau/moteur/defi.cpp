#include "moteur/defi.h"

#include <chrono>
#include <cstdio>

namespace defi {

namespace {

constexpr std::int64_t MS_PAR_JOUR = 86400000;

// Days since 1970-01-01 of a proleptic Gregorian date, and back; plain
// integer arithmetic, so no time zone or C library table is involved.
std::int64_t joursDepuisCivil(std::int64_t a, int m, int j) {
    a -= m <= 2;
    const std::int64_t ere = (a >= 0 ? a : a - 399) / 400;
    const std::int64_t ae = a - ere * 400;
    const std::int64_t ja = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + j - 1;
    const std::int64_t je = ae * 365 + ae / 4 - ae / 100 + ja;
    return ere * 146097 + je - 719468;
}

void civilDepuisJours(std::int64_t z, std::int64_t& a, int& m, int& j) {
    z += 719468;
    const std::int64_t ere = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t je = z - ere * 146097;
    const std::int64_t ae = (je - je / 1460 + je / 36524 - je / 146096) / 365;
    const std::int64_t ja = je - (365 * ae + ae / 4 - ae / 100);
    const std::int64_t mp = (5 * ja + 2) / 153;
    j = static_cast<int>(ja - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    a = ae + ere * 400 + (m <= 2);
}

std::int64_t jourDe(Instant t) {
    return t >= 0 ? t / MS_PAR_JOUR : -((-t + MS_PAR_JOUR - 1) / MS_PAR_JOUR);
}

} // namespace

Instant maintenant() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string jour(Instant t) {
    std::int64_t a;
    int m, j;
    civilDepuisJours(jourDe(t), a, m, j);
    char texte[32];
    std::snprintf(texte, sizeof texte, "%04lld%02d%02d", static_cast<long long>(a), m, j);
    return texte;
}

std::int64_t graine(Instant t) {
    std::int64_t a;
    int m, j;
    civilDepuisJours(jourDe(t), a, m, j);
    return a * 10000 + m * 100 + j;
}

int disposition(Instant t, int nombre) {
    if (nombre <= 0) return 0;
    const std::int64_t r = graine(t) % nombre;
    return static_cast<int>(r < 0 ? r + nombre : r);
}

std::optional<Instant> date(int annee, int mois, int jourDuMois) {
    if (mois < 1 || mois > 12 || jourDuMois < 1) return std::nullopt;
    static const int LONGUEURS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    const int longueur = LONGUEURS[mois - 1] + (mois == 2 && bissextile ? 1 : 0);
    if (jourDuMois > longueur) return std::nullopt;
    return joursDepuisCivil(annee, mois, jourDuMois) * MS_PAR_JOUR;
}

} // namespace defi
