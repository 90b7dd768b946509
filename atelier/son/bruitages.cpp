#include "pieces.h"

#include <cmath>

// The twenty sound effects: short, dry and mono, built from the same
// instruments as the music so they sit in the same world (pipa, bells,
// woodblock), with a few chip-style blips for the arcade side.

using namespace synthese;

namespace {

const double DO = 523.25; // C5: effects sit above the music

double note(int demiTons) {
    return frequence(DO, demiTons);
}

// Major pentatonic degrees, climbing: 0 2 4 7 9 12 14 ...
int penta(int rang) {
    const int DEGRES[5] = {0, 2, 4, 7, 9};
    const int octave = rang >= 0 ? rang / 5 : (rang - 4) / 5;
    return DEGRES[rang - octave * 5] + 12 * octave;
}

void poser(Mono& sortie, double t, const Mono& son, double gain) {
    const long debut = std::lround(t * FE);
    for (std::size_t k = 0; k < son.size(); ++k) {
        const long i = debut + static_cast<long>(k);
        if (i >= 0 && i < static_cast<long>(sortie.size()))
            sortie[i] += static_cast<float>(son[k] * gain);
    }
}

Mono paire(int niveau, double duree) {
    // Two bells a fifth apart that climb one pentatonic step per combo level,
    // over a pipa pluck; the top level adds a sparkling run and a gong.
    Mono s(echantillons(duree), 0.0f);
    const int base = penta(niveau - 1);
    poser(s, 0.0, pincee(note(base - 12), 0.3, 0.7, 40u + niveau), 0.5);
    poser(s, 0.0, cloche(note(base), 0.4, 3.5, 1.2), 0.45);
    poser(s, 0.06, cloche(note(base + 7), 0.4, 3.5, 1.0), 0.35);
    if (niveau >= 4) poser(s, 0.12, cloche(note(base + 12), 0.3, 4.0, 0.6), 0.2);
    if (niveau >= 7) poser(s, 0.0, blocBois(900.0 + 60.0 * niveau), 0.25);
    if (niveau == 9) {
        for (int k = 0; k < 6; ++k)
            poser(s, 0.2 + 0.07 * k, cloche(note(base + penta(k + 5)), 0.2, 4.0, 0.8), 0.18);
        poser(s, 0.0, gong(196.0, 2.2), 0.25);
    }
    salle(s, 0.6);
    return s;
}

} // namespace

Mono bruitage(const std::string& id, double duree) {
    Mono s(echantillons(duree), 0.0f);
    if (id == "credit") {
        // The classic two-step coin blip, then a bell for the lantern.
        poser(s, 0.0, carre(note(11), 0.07, 0.5), 0.35);
        poser(s, 0.07, carre(note(16), 0.35, 0.5), 0.35);
        poser(s, 0.07, cloche(note(28), 0.3, 3.5, 0.8), 0.3);
    } else if (id == "depart") {
        for (int k = 0; k < 6; ++k)
            poser(s, 0.05 * k, pincee(note(penta(k) - 12), 0.2, 0.8, 7u + k), 0.4);
        poser(s, 0.3, cloche(note(12), 0.5, 3.5, 1.5), 0.4);
        poser(s, 0.3, gong(130.8, 1.5), 0.3);
        poser(s, 0.3, taiko(70.0, 3u), 0.4);
    } else if (id == "selection") {
        poser(s, 0.0, blocBois(1500.0), 0.5);
        poser(s, 0.0, pincee(note(7), 0.1, 0.9, 5u), 0.5);
    } else if (id == "deselection") {
        poser(s, 0.0, pincee(note(0), 0.08, 0.6, 6u), 0.5);
        poser(s, 0.07, pincee(note(-5), 0.1, 0.5, 8u), 0.45);
        poser(s, 0.0, blocBois(900.0), 0.3);
    } else if (id.rfind("paire_", 0) == 0) {
        const int niveau = std::atoi(id.c_str() + 6);
        return paire(niveau < 1 ? 1 : niveau > 9 ? 9 : niveau, duree);
    } else if (id == "erreur") {
        // A dull buzz falling a semitone: unmistakably "no".
        poser(s, 0.0, carre(note(-17), 0.14, 0.3), 0.35);
        poser(s, 0.16, carre(note(-18), 0.3, 0.3), 0.35);
        poser(s, 0.0, tambourMain(120.0, 3u), 0.4);
    } else if (id == "indice") {
        for (int k = 0; k < 8; ++k)
            poser(s, 0.06 * k, cloche(note(penta(k)), 0.15, 4.0, 0.6), 0.25 + 0.02 * k);
        poser(s, 0.0, souffle(0.6, 2000.0, 8000.0, 4u), 0.2);
    } else if (id == "melange") {
        // Tiles clattering: woodblock knocks at irregular spacing, a whoosh under.
        Bruit b(77u);
        double t = 0.0;
        for (int k = 0; k < 12; ++k) {
            poser(s, t, blocBois(700.0 + 500.0 * (0.5 + 0.5 * b.suivant())), 0.3);
            t += 0.035 + 0.03 * (0.5 + 0.5 * b.suivant());
        }
        poser(s, 0.0, souffle(0.7, 400.0, 3000.0, 9u), 0.5);
    } else if (id == "annulation") {
        for (int k = 0; k < 5; ++k)
            poser(s, 0.05 * k, pincee(note(penta(6 - k)), 0.12, 0.7, 20u + k), 0.4);
        poser(s, 0.0, souffle(0.35, 3000.0, 500.0, 12u), 0.35);
    } else if (id == "bonus_temps") {
        for (int k = 0; k < 6; ++k)
            poser(s, 0.06 * k, carre(note(penta(k + 5)), 0.05, 0.25), 0.25);
        poser(s, 0.36, cloche(note(24), 0.2, 3.5, 0.9), 0.3);
    } else if (id == "alerte") {
        poser(s, 0.0, carre(note(14), 0.11, 0.5), 0.3);
        poser(s, 0.14, carre(note(9), 0.11, 0.5), 0.3);
    } else if (id == "compte") {
        // A clock tick with a temple bell behind it, one per second counted.
        poser(s, 0.0, blocBois(1300.0), 0.45);
        poser(s, 0.01, cloche(note(7), 0.4, 3.5, 1.2), 0.4);
        poser(s, 0.01, cloche(note(-5), 0.4, 1.4, 1.0), 0.25);
    } else {
        return {};
    }
    salle(s, 0.35);
    return s;
}
