#include "borne/galerie.h"

#include "moteur/tuiles.h"

#include <cmath>

namespace galerie {

namespace {

// Marks a catalogue key; the scene translates it when it shows it.
constexpr const char* T(const char* s) {
    return s;
}

// The honours, and the one bamboo the panda sits on, have names of their own.
struct Propre {
    const char* code;
    const char* nom;
};
constexpr Propre PROPRES[] = {
    {"wE", T("EAST WIND")},   {"wS", T("SOUTH WIND")},   {"wW", T("WEST WIND")},
    {"wN", T("NORTH WIND")},  {"dR", T("RED DRAGON")},   {"dG", T("GREEN DRAGON")},
    {"dW", T("BLUE DRAGON")}, {"s1", T("PANDA BAMBOO")},
};

// The others are named by suit (the code's first letter) and number.
struct Suite {
    char lettre;
    const char* nom;
};
constexpr Suite SUITES[] = {
    {'m', T("CHARACTER {n}")}, {'p', T("CIRCLE {n}")}, {'s', T("BAMBOO {n}")},
    {'f', T("FLOWER {n}")},    {'t', T("SEASON {n}")},
};

constexpr int PAS_RANGEE = COLONNES;
constexpr int ORIGINE_X = 26;
constexpr int ORIGINE_Y = 40;
constexpr int PAS_X = 24;
constexpr int PAS_Y = 30;

} // namespace

Nom nom(int m) {
    const std::string code = tuiles::id(m);
    if (code.size() != 2) return {};
    for (const Propre& p : PROPRES)
        if (code == p.code) return {QLatin1String(p.nom), {}};
    for (const Suite& s : SUITES)
        if (code[0] == s.lettre)
            return {QLatin1String(s.nom), {{QStringLiteral("n"), QString(QLatin1Char(code[1]))}}};
    return {};
}

QString regle(int m) {
    if (m < 0 || m >= NOMBRE) return {};
    switch (tuiles::famille(m)) {
    case tuiles::SAISONS:
        return QLatin1String(T("ANY SEASON PAIRS WITH ANY SEASON"));
    case tuiles::FLEURS:
        return QLatin1String(T("ANY FLOWER PAIRS WITH ANY FLOWER"));
    default:
        return QLatin1String(T("PAIRS WITH ITS TWIN"));
    }
}

int deplacer(int choix, const QString& action) {
    int pas = 0;
    if (action == QLatin1String("gauche"))
        pas = -1;
    else if (action == QLatin1String("droite"))
        pas = 1;
    else if (action == QLatin1String("haut"))
        pas = -PAS_RANGEE;
    else if (action == QLatin1String("bas"))
        pas = PAS_RANGEE;
    else
        return -1;
    // A cursor that is somehow off the faces comes back onto them.
    return (((choix + pas) % NOMBRE) + NOMBRE) % NOMBRE;
}

Case place(int m) {
    return {ORIGINE_X + PAS_X * (m % COLONNES), ORIGINE_Y + PAS_Y * (m / COLONNES)};
}

int tuileTouchee(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return -1;
    for (int m = 0; m < NOMBRE; ++m) {
        const Case c = place(m);
        if (x >= c.x && x < c.x + LARGEUR_CASE && y >= c.y && y < c.y + HAUTEUR_CASE) return m;
    }
    return -1;
}

} // namespace galerie
