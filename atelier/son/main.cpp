#include "ogg.h"
#include "pieces.h"
#include "son/catalogue.h"

#include <cstdio>
#include <exception>
#include <string>

// Makes every track of the sound catalogue as Ogg Vorbis, 44.1 kHz, at the
// catalogue's length: music and jingles in stereo, effects and voices in mono.
//   fabrique_sons <output folder> [<espeak-ng program>]

using namespace synthese;

namespace {

Bus piece(const std::string& id, double duree) {
    if (id == "titre") return pieceTitre(duree);
    if (id == "jeu1") return pieceJeu1(duree);
    if (id == "jeu2") return pieceJeu2(duree);
    if (id == "jeu3") return pieceJeu3(duree);
    if (id == "jeu4") return pieceJeu4(duree);
    if (id == "duel") return pieceDuel(duree);
    if (id == "urgence") return pieceUrgence(duree);
    if (id == "continue") return pieceContinue(duree);
    if (id == "record") return pieceRecord(duree);
    if (id == "fin_etape") return pieceFinEtape(duree);
    if (id == "victoire") return pieceVictoire(duree);
    if (id == "defaite") return pieceDefaite(duree);
    return Bus(0.0, false);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage : %s <dossier de sortie> [<espeak-ng>]\n", argv[0]);
        return 2;
    }
    const std::string dossier = argv[1];
    const std::string espeak = argc > 2 ? argv[2] : "";
    try {
        for (const catalogue::Piste& p : catalogue::pistes()) {
            const std::string id = p.id.toStdString();
            const std::string chemin = dossier + "/" + id + ".ogg";
            const int taille = echantillons(p.duree);
            bool bon;
            if (p.type == "musique" || p.type == "jingle") {
                const Bus bus = piece(id, p.duree);
                if (bus.taille() != taille) {
                    std::fprintf(stderr, "%s : aucune pièce de cette longueur\n", id.c_str());
                    return 1;
                }
                bon = ecrireOgg(chemin, bus.gauche(), &bus.droite(), 0.3f);
            } else {
                Mono s =
                    p.type == "voix" ? voix(id, p.duree, espeak, dossier) : bruitage(id, p.duree);
                if (s.empty()) {
                    std::fprintf(stderr, "%s : aucun son pour cet id\n", id.c_str());
                    return 1;
                }
                finirMono(s, taille, p.type == "voix" ? 0.85 : 0.7);
                bon = ecrireOgg(chemin, s, nullptr, 0.4f);
            }
            if (!bon) return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fabrique_sons : %s\n", e.what());
        return 1;
    }
    return 0;
}
