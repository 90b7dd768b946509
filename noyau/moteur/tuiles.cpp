#include "moteur/tuiles.h"

namespace tuiles {

const std::array<const char*, NB_MOTIFS> MOTIFS = {
    "m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "p1", "p2", "p3", "p4", "p5",
    "p6", "p7", "p8", "p9", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9", "wE",
    "wS", "wW", "wN", "dR", "dG", "dW", "f1", "f2", "f3", "f4", "t1", "t2", "t3", "t4"};

const std::array<const char*, 7> NOMS = {"CHARACTER", "CIRCLE", "BAMBOO", "WIND",
                                         "DRAGON",    "FLOWER", "SEASON"};

std::string id(int m) {
    return m >= 0 && m < NB_MOTIFS ? MOTIFS[m] : std::string();
}

int indice(const std::string& nom) {
    for (int m = 0; m < NB_MOTIFS; ++m)
        if (nom == MOTIFS[m]) return m;
    return -1;
}

int suite(int m) {
    if (m < 0 || m >= NB_MOTIFS) return -1;
    if (m < 27) return m / 9;
    if (m < 31) return 3;
    if (m < 34) return 4;
    return m < SAISONS ? 5 : 6;
}

std::vector<int> jeuComplet() {
    std::vector<int> t;
    t.reserve(144);
    for (int m = 0; m < FLEURS; ++m)
        for (int k = 0; k < 4; ++k)
            t.push_back(m);
    for (int m = FLEURS; m < NB_MOTIFS; ++m)
        t.push_back(m);
    return t;
}

std::vector<Paire> paires(int n, alea::Alea& g) {
    std::vector<Paire> resultat;
    if (n <= 0) return resultat;
    resultat.reserve(static_cast<std::size_t>(n));
    std::vector<Paire> lot;
    lot.reserve(72);
    std::vector<int> quatre(4);
    while (static_cast<int>(resultat.size()) < n) {
        // A full set grouped by family, families visited in increasing number:
        // 0..33 (four identical faces), then the flowers, then the seasons.
        lot.clear();
        for (int f = 0; f <= SAISONS; ++f) {
            if (f > FLEURS && f < SAISONS) continue;
            for (int k = 0; k < 4; ++k)
                quatre[k] = f < FLEURS ? f : f + k;
            alea::melanger(g, quatre);
            lot.push_back({quatre[0], quatre[1]});
            lot.push_back({quatre[2], quatre[3]});
        }
        alea::melanger(g, lot);
        for (const Paire& p : lot) {
            if (static_cast<int>(resultat.size()) == n) break;
            resultat.push_back(p);
        }
    }
    return resultat;
}

std::optional<std::vector<Paire>> regrouper(const std::vector<int>& motifs, alea::Alea& g) {
    // Families in the order of their first appearance, each in list order.
    std::vector<int> ordre;
    std::vector<std::vector<int>> groupes;
    for (int m : motifs) {
        const int f = famille(m);
        std::size_t k = 0;
        while (k < ordre.size() && ordre[k] != f)
            ++k;
        if (k == ordre.size()) {
            ordre.push_back(f);
            groupes.emplace_back();
        }
        groupes[k].push_back(m);
    }
    std::vector<Paire> resultat;
    resultat.reserve(motifs.size() / 2);
    for (auto& groupe : groupes) {
        alea::melanger(g, groupe);
        if (groupe.size() % 2 != 0) return std::nullopt;
        for (std::size_t i = 0; i + 1 < groupe.size(); i += 2)
            resultat.push_back({groupe[i], groupe[i + 1]});
    }
    alea::melanger(g, resultat);
    return resultat;
}

} // namespace tuiles
