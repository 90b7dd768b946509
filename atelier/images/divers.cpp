#include "familles.h"

std::vector<Fichier> fichiersDivers() {
    std::vector<Fichier> f;
    auto ajouter = [&](const char* nom, int l, int h) {
        Toile t(l, h);
        t.rect(0, 0, l, h, palette::OR);
        f.push_back({QString(nom) + ".png", t.image()});
    };
    ajouter("icone_hint", 5, 6);
    ajouter("icone_mix", 7, 7);
    ajouter("curseur", 11, 11);
    ajouter("fond", 16, 16);
    ajouter("lanterne", 12, 16);
    ajouter("lanterne_grande", 24, 32);
    ajouter("panda", 20, 20);
    ajouter("panda_mini", 10, 10);
    ajouter("petite", 56, 5);
    return f;
}
