// The CLEAR tile faces. Each keeps the ivory face of the classic set and puts
// a 5 x 7 index in the top-left corner; the sign that tells the family moves
// into the 14 x 9 band below it (and, for the circles, the corner beside it),
// drawn smaller. Each family has an ink of its own, and the inks differ in
// lightness as well as hue, so a player who cannot tell red from green (or
// blue from green) still tells the families apart; the index and the sign
// differ in shape from family to family in any case.

#include "claires.h"

#include "faces.h"
#include "lettres.h"

#include <QString>
#include <algorithm>

using namespace palette;
using namespace tuiles;

namespace {

// Top-left of the index, and the first row of the band under it.
constexpr int IX = 2, IY = 2, BANDE = 10;

// The inks of the index, by family: dark navy for the characters, a middle
// blue for the circles, a deep green for the bamboos, near black for the
// winds, each dragon's own colour, violet for the flowers and a brown gold
// for the seasons.
constexpr Couleur ENCRE_CARACTERES = ENCRE;
constexpr Couleur ENCRE_CERCLES = BLEU;
constexpr Couleur ENCRE_BAMBOUS = JADE0;
constexpr Couleur ENCRE_VENTS = CONTOUR;
constexpr Couleur ENCRE_FLEURS = VIOLET2;
constexpr Couleur ENCRE_SAISONS = OR_SOMBRE;

void index(Toile& t, QChar c, Couleur encre) {
    lettres::ecrire(t, IX, IY, QString(c), 1, [encre](int) { return encre; });
}

// A pixel map drawn without the rows listed in `sans`, so that a classic
// sign fits the band under the index.
void signeReduit(Toile& t, int x, int y, const QStringList& carte, std::initializer_list<int> sans,
                 Couleur encre) {
    QStringList gardees;
    for (int j = 0; j < carte.size(); ++j)
        if (std::find(sans.begin(), sans.end(), j) == sans.end()) gardees << carte[j];
    t.carte(x, y, gardees, {{'#', encre}});
}

void caracteres(Toile& t, int n) {
    index(t, QChar('0' + n), ENCRE_CARACTERES);
    t.carte(2, BANDE, faces::WAN, {{'#', ROUGE}});
}

// A 3 x 3 coin: blue round a light centre, its corners dark so it reads round.
void piece(Toile& t, int x, int y) {
    t.carte(x, y, {".o.", "oCo", ".o."}, {{'o', ENCRE_CERCLES}, {'C', BLEU_CLAIR}});
    t.point(x, y, NUIT3);
    t.point(x + 2, y, NUIT3);
    t.point(x, y + 2, NUIT3);
    t.point(x + 2, y + 2, NUIT3);
}

void cercles(Toile& t, int n) {
    index(t, QChar('0' + n), ENCRE_CERCLES);
    if (n == 1) {
        // The big coin alone, as on the classic face.
        t.disque(8, 14, 4, ENCRE_CERCLES);
        t.disque(8, 14, 2, BLEU_CLAIR);
        t.point(8, 14, NUIT2);
        return;
    }
    // Up to six coins in two rows of the band, the rest beside the index.
    static const int COLONNES[3] = {3, 7, 11};
    const int bas = std::min(n, 6), haut = (bas + 1) / 2, dessous = bas - haut;
    auto rangee = [&](int k, int y) {
        if (k == 3)
            for (int c : COLONNES)
                piece(t, c, y);
        else if (k == 2) {
            piece(t, COLONNES[0], y);
            piece(t, COLONNES[2], y);
        } else if (k == 1)
            piece(t, COLONNES[1], y);
    };
    rangee(haut, BANDE + 1);
    rangee(dessous, BANDE + 5);
    static const int COIN[3][2] = {{12, 6}, {8, 6}, {12, 2}};
    for (int k = 0; k < n - 6; ++k)
        piece(t, COIN[k][0], COIN[k][1]);
}

// A short stick of the bamboos: dark ends, a light left edge.
void tige(Toile& t, int x, int y) {
    t.rect(x, y, 2, 4, JADE1);
    t.rect(x, y + 1, 1, 2, JADE2);
    t.rect(x, y, 2, 1, JADE0);
    t.rect(x, y + 3, 2, 1, JADE0);
}

void bambous(Toile& t, int n) {
    index(t, QChar('0' + n), ENCRE_BAMBOUS);
    if (n == 1) {
        // The house's red panda: its head over the band, with a shoot.
        t.carte(1, BANDE - 1, PANDA_CARTE.mid(1, 9), clePanda());
        return;
    }
    // Two rows, the upper one holding the odd stick, each centred.
    const int haut = (n + 1) / 2, bas = n - haut;
    for (int r = 0; r < 2; ++r) {
        const int k = r == 0 ? haut : bas;
        const int x0 = 8 - (3 * k - 1) / 2;
        for (int i = 0; i < k; ++i)
            tige(t, x0 + 3 * i, BANDE + r * 5);
    }
}

void vent(Toile& t, int i) {
    index(t, QString("ESWN")[i], ENCRE_VENTS);
    // The character, with its repeated rows taken out to fit the band.
    static const std::initializer_list<int> SANS[4] = {{0, 2}, {0, 2}, {2, 8}, {1, 6}};
    signeReduit(t, 3, BANDE, faces::VENTS[i], SANS[i], ENCRE);
}

void dragon(Toile& t, int i) {
    if (i == 0) {
        index(t, 'R', ROUGE_VIF);
        signeReduit(t, 2, BANDE, faces::ZHONG, {0, 9, 10, 11}, ROUGE_VIF);
    } else if (i == 1) {
        index(t, 'G', JADE0);
        signeReduit(t, 2, BANDE, faces::FA, {1, 4, 5, 12, 13}, JADE0);
    } else {
        // The blue dragon's double frame, under its initial.
        index(t, 'B', BLEU);
        t.cadre(2, BANDE, 12, 9, BLEU);
        t.cadre(3, BANDE + 1, 10, 7, BLEU);
        t.cadre(5, BANDE + 3, 6, 3, NUIT3);
    }
}

// F or S with the number beside it in the micro font: every flower pairs
// with every flower, so the family's letter is the large one.
void initiale(Toile& t, QChar c, int n, Couleur encre) {
    index(t, c, encre);
    t.carte(IX + 7, IY + 2, faces::PETITE[n], {{'#', encre}});
}

void fleur(Toile& t, int i) {
    initiale(t, 'F', i + 1, ENCRE_FLEURS);
    const int y = BANDE;
    switch (i) {
    case 0: // plum: two blossoms on a branch
        t.ligne(2, y + 8, 11, y + 1, BRUN);
        t.ligne(3, y + 8, 12, y + 1, BRUN);
        for (auto [cx, cy] : {std::pair{5, y + 3}, std::pair{11, y + 5}})
            t.carte(cx - 2, cy - 2, PRUNIER, {{'p', ROSE}, {'y', OR}});
        break;
    case 1: // orchid: a purple flower on long leaves
        t.ligne(3, y + 8, 6, y + 4, JADE1);
        t.ligne(12, y + 8, 9, y + 4, JADE1);
        t.ligne(7, y + 8, 7, y + 5, JADE1);
        t.carte(5, y, ORCHIDEE, {{'v', VIOLET2}, {'V', VIOLET3}, {'y', OR}});
        break;
    case 2: // chrysanthemum: a round gold head
        t.disque(8, y + 4, 4, ORANGE);
        t.disque(8, y + 4, 3, OR);
        t.disque(8, y + 4, 1, ORANGE);
        break;
    case 3: // bamboo: a stalk with leaves
        tuiles::baton(t, 7, y, 3, 9, JADE1, JADE2, JADE0);
        t.carte(2, y + 1, {"gg...", ".ggg."}, {{'g', JADE2}});
        t.carte(10, y + 5, {".ggg", "gg.."}, {{'g', JADE2}});
        break;
    }
}

void saison(Toile& t, int i) {
    initiale(t, 'S', i + 1, ENCRE_SAISONS);
    const int y = BANDE;
    switch (i) {
    case 0: // spring: a swallow over a shoot
        t.carte(2, y, HIRONDELLE, {{'k', ENCRE}, {'w', ROUGE_VIF}});
        t.ligne(7, y + 8, 7, y + 6, JADE1);
        t.carte(5, y + 6, {"g...g", ".g.g."}, {{'g', JADE2}});
        break;
    case 1: // summer: the sun and its rays
        t.disque(8, y + 4, 2, ROUGE_VIF);
        for (int k = 0; k < 8; ++k) {
            static const int dx[8] = {0, 3, 4, 3, 0, -3, -4, -3};
            static const int dy[8] = {-4, -3, 0, 3, 4, 3, 0, -3};
            t.point(8 + dx[k], y + 4 + dy[k], ORANGE);
        }
        break;
    case 2: // autumn: a maple leaf
        // its stalk a row shorter than on the classic face
        t.carte(4, y, ERABLE.mid(0, 9), {{'o', ORANGE}});
        t.ligne(8, y + 2, 8, y + 7, ROUGE);
        break;
    case 3: // winter: a snowflake
        t.ligne(8, y, 8, y + 8, BLEU);
        t.ligne(4, y + 2, 12, y + 6, BLEU);
        t.ligne(4, y + 6, 12, y + 2, BLEU);
        t.point(8, y + 4, BLEU_CLAIR);
        break;
    }
}

} // namespace

namespace tuiles {

Couleur teintePrise() {
    return OR;
}
Couleur teinteIndice() {
    return BLEU_CLAIR;
}

Toile faceClaire(int motif) {
    return composer(motif, {caracteres, cercles, bambous, vent, dragon, fleur, saison});
}

Toile marque(Marque m) {
    // Each mark is two pixels deep: its colour on the face's outline, a dark
    // line inside it, so it reads on a light face and against the board.
    Toile t(16, 20);
    auto trait = [&t](int x, int y, int l, int h, Couleur c) {
        t.rect(x, y, l, h, c);
        // the dark inner line, one pixel further in
        const int dx = l > h ? 0 : (x == 0 ? 1 : -1), dy = l > h ? (y == 0 ? 1 : -1) : 0;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + l; ++i)
                if (!t.opaque(i + dx, j + dy)) t.point(i + dx, j + dy, CONTOUR);
    };
    switch (m) {
    case Marque::Prise:
        trait(0, 0, 16, 1, teintePrise());
        trait(0, 19, 16, 1, teintePrise());
        trait(0, 0, 1, 20, teintePrise());
        trait(15, 0, 1, 20, teintePrise());
        break;
    case Marque::Indice:
        for (int x : {0, 11})
            for (int y : {0, 19}) {
                trait(x, y, 5, 1, teinteIndice());
            }
        for (int x : {0, 15})
            for (int y : {0, 14}) {
                trait(x, y, 1, 6, teinteIndice());
            }
        break;
    case Marque::Curseur:
        // Wedges pointing in from the middle of each side, clear of the corners.
        trait(6, 0, 4, 1, BLANC);
        trait(6, 19, 4, 1, BLANC);
        trait(0, 8, 1, 4, BLANC);
        trait(15, 8, 1, 4, BLANC);
        t.rect(7, 1, 2, 1, BLANC);
        t.rect(7, 18, 2, 1, BLANC);
        t.rect(1, 9, 1, 2, BLANC);
        t.rect(14, 9, 1, 2, BLANC);
        break;
    }
    return t;
}

} // namespace tuiles

std::vector<Fichier> fichiersClairs(const std::vector<double>& teintes) {
    std::vector<Fichier> f;
    jeuDeTuiles("clair_", tuiles::faceClaire, tuiles::teintePrise(), tuiles::teinteIndice(),
                teintes, f);
    f.push_back({"tuiles/clair_marque_prise.png", tuiles::marque(tuiles::Marque::Prise).image()});
    f.push_back({"tuiles/clair_marque_indice.png", tuiles::marque(tuiles::Marque::Indice).image()});
    f.push_back(
        {"tuiles/clair_marque_curseur.png", tuiles::marque(tuiles::Marque::Curseur).image()});
    return f;
}
