#include "options.h"

#include "commun/ecran/affichage.h"
#include "i18n/langue.h"

#include <algorithm>
#include <cmath>

namespace options {

namespace {

// Marks a text as a catalogue key, so the key tool collects it; the scene
// translates it when it draws it.
constexpr const char* T(const char* s) {
    return s;
}

using stockage::Reglages;

// Steps of a level: twentieths, so that 0.8 + 0.05 is exactly 0.85.
constexpr double PAS_NIVEAU = 20;

int tour(int i, int n) {
    return ((i % n) + n) % n;
}

double* champ(Reglages& r, int ligne) {
    switch (ligne) {
    case BALAYAGE:
        return &r.crt.balayage;
    case LUEUR:
        return &r.crt.lueur;
    case COURBURE:
        return &r.crt.courbure;
    case MASQUE:
        return &r.crt.masque;
    case VIGNETTE:
        return &r.crt.vignette;
    case MUSIQUE:
        return &r.son.musique;
    case EFFETS:
        return &r.son.effets;
    default:
        return nullptr;
    }
}

// The ACCESS lines: each shows its off value first.
bool* drapeau(Reglages& r, int ligne) {
    switch (ligne) {
    case PAROLE:
        return &r.acces.parole;
    case TUILES:
        return &r.acces.tuilesClaires;
    case MOUVEMENT:
        return &r.acces.mouvementCalme;
    default:
        return nullptr;
    }
}

bool existe(int ligne) {
    return ligne >= 0 && ligne < NOMBRE;
}

} // namespace

const std::array<Ligne, NOMBRE> LIGNES = {{
    {T("SCANLINES"), Sorte::Niveau, {}},
    {T("GLOW"), Sorte::Niveau, {}},
    {T("CURVATURE"), Sorte::Niveau, {}},
    {T("MASK"), Sorte::Niveau, {}},
    {T("VIGNETTE"), Sorte::Niveau, {}},
    {"CRT", Sorte::Bascule, {T("ON"), T("OFF"), nullptr}},
    {T("SCREEN"), Sorte::Choix, {T("PIXEL"), T("FILL"), T("STRETCH")}},
    {T("MUSIC"), Sorte::Niveau, {}},
    {T("SOUND FX"), Sorte::Niveau, {}},
    {T("COINS"), Sorte::Bascule, {T("FREE"), T("1 COIN"), nullptr}},
    {T("CPU"), Sorte::Choix, {T("LAMPION"), T("LANTERN"), T("DRAGON")}},
    {T("LANGUAGE"), Sorte::Langage, {}},
    {T("ACCESS"), Sorte::Acces, {}},
    {T("CONTROLS"), Sorte::Controles, {}},
    {T("SPEECH"), Sorte::Choix, {T("OFF"), T("ON"), nullptr}},
    {T("TILES"), Sorte::Choix, {T("CLASSIC"), T("CLEAR"), nullptr}},
    {T("MOTION"), Sorte::Choix, {T("FULL"), T("CALM"), nullptr}},
}};

int nombre(Page page) {
    switch (page) {
    case Page::Crt:
        return NOMBRE_CRT;
    case Page::Acces:
        return NOMBRE_ACCES;
    default:
        return NOMBRE_OPTIONS;
    }
}

int premiere(Page page) {
    return page == Page::Acces ? PAROLE : 0;
}

int nombreTextes(int ligne) {
    if (!existe(ligne)) return 0;
    const Ligne& l = LIGNES[ligne];
    if (l.sorte != Sorte::Bascule && l.sorte != Sorte::Choix) return 0;
    return int(std::count_if(l.textes.begin(), l.textes.end(), [](const char* t) { return t; }));
}

const QStringList& langues() {
    static const QStringList l = [] {
        QStringList r{QString()};
        for (const langue::Langage& x : langue::LANGUES)
            r << QString::fromUtf8(x.code);
        return r;
    }();
    return l;
}

double niveau(const Reglages& r, int ligne) {
    Reglages copie = r;
    const double* v = champ(copie, ligne);
    return v ? *v : 0;
}

int position(const Reglages& r, int ligne, const QString& modeEcran) {
    switch (ligne) {
    case CRT:
        return r.crt.actif ? 0 : 1;
    case PIECES:
        return r.jeu.freePlay ? 0 : 1;
    case IA:
        return tour(r.jeu.niveauIa, 3);
    case ECRAN: {
        const int i = affichage::MODES.indexOf(r.crt.affichage);
        if (i >= 0) return i;
        return std::max(0, int(affichage::MODES.indexOf(modeEcran)));
    }
    case LANGUE:
        return std::max(0, int(langues().indexOf(r.jeu.langue)));
    default: {
        Reglages copie = r;
        const bool* d = drapeau(copie, ligne);
        return d ? (*d ? 1 : 0) : -1;
    }
    }
}

std::optional<Reglages> regler(const Reglages& actuel, int ligne, int sens,
                               const QString& modeEcran) {
    if (!existe(ligne) || LIGNES[ligne].sorte == Sorte::Controles ||
        LIGNES[ligne].sorte == Sorte::Acces)
        return std::nullopt;
    Reglages r = stockage::lireReglages(stockage::ecrireReglages(actuel));
    const int s = sens < 0 ? -1 : 1;
    if (double* v = champ(r, ligne)) {
        *v = std::clamp(std::round(*v * PAS_NIVEAU + s) / PAS_NIVEAU, 0.0, 1.0);
    } else if (ligne == CRT) {
        r.crt.actif = !r.crt.actif;
    } else if (ligne == PIECES) {
        r.jeu.freePlay = !r.jeu.freePlay;
    } else if (bool* d = drapeau(r, ligne)) {
        *d = !*d;
    } else if (ligne == IA) {
        r.jeu.niveauIa = tour(r.jeu.niveauIa + s, 3);
    } else if (ligne == ECRAN) {
        const int n = int(affichage::MODES.size());
        r.crt.affichage = affichage::MODES[tour(position(r, ECRAN, modeEcran) + s, n)];
    } else if (ligne == LANGUE) {
        const int n = int(langues().size());
        r.jeu.langue = langues()[tour(position(r, LANGUE, modeEcran) + s, n)];
    }
    return stockage::lireReglages(stockage::ecrireReglages(r));
}

int pourcent(double v) {
    return int(std::floor(std::clamp(v, 0.0, 1.0) * 100 + 0.5));
}

int braise(double v) {
    const double reste = std::clamp(v, 0.0, 1.0);
    return BATON_X + int(std::floor((1 - reste) * (BATON_FIN - BATON_X) + 0.5));
}

// OPTIONS' fourteen rows fit above the help line only 12 pixels apart.
int pas(Page page) {
    return page == Page::Options ? 12 : 22;
}

int premiereLigne(Page page) {
    return page == Page::Options ? 42 : 44;
}

int ligneTouchee(double y, Page page) {
    if (!std::isfinite(y) || y < 40) return -1;
    const int i = int(std::floor((y - 40) / pas(page)));
    return i < nombre(page) ? i : -1;
}

int sensTouche(double x) {
    return x < 225 ? -1 : 1;
}

bool sortieTouchee(double y) {
    return y > 196;
}

} // namespace options
