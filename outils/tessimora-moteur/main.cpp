// tessimora-moteur: the engine from the command line. Each command prints one
// line of compact JSON and exits 0; a bad argument or input prints one line on
// standard error and exits 2. `verifier` writes a report for a person instead
// and exits 1 when a deal failed. `--help`, alone or after a command, prints
// the usage and exits 0.

#include "arguments.h"
#include "commandes.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Commande {
    const char* nom;
    Reponse (*faire)(const std::vector<std::string>&);
    const char* options;
    // Already wrapped, every line indented by six spaces.
    const char* description;
};

// The one list of the commands: it dispatches and it is the help, so the two
// cannot drift apart. The manual page says the same at more length.
const Commande COMMANDES[] = {
    {"catalogue", commandeCatalogue, "",
     "      Une ligne par disposition du catalogue (les douze des étapes, puis les\n"
     "      deux du duel) : nom, tuiles, couches, tuiles par couche, bornes en\n"
     "      demi-cases et défauts.\n"},
    {"donne", commandeDonne, "(--disposition NOM | --fichier F) --graine N",
     "      La donne soluble de la graine N : le motif de chaque tuile et la\n"
     "      solution témoin, ou null pour les deux quand aucune n'existe.\n"},
    {"glissant", commandeGlissant, "--largeur L --hauteur H --paires P --graine N",
     "      Une grille des étals glissants de L x H cases (1 à 64) avec P paires,\n"
     "      et sa solution : paires et glissements de rangs.\n"},
    {"verifier", commandeVerifier, "(--fichier F | --disposition NOM) [--graines K]",
     "      Un rapport lisible sur une disposition : défauts, tuiles, couches,\n"
     "      bornes, puis les donnes des graines 1 à K (20 par défaut, 10000 au\n"
     "      plus) générées, vérifiées et chronométrées. Rend 1 quand une graine\n"
     "      n'a pas donné de donne vérifiée.\n"},
    {"resoudre", commandeResoudre,
     "(--disposition NOM | --fichier F) --graine N [--retirer a,b]... [--budget B]",
     "      Retire de la donne les paires de tuiles a,b données (libres et\n"
     "      assorties, dans l'ordre), puis cherche une solution en B noeuds au plus\n"
     "      (20000 par défaut) : soluble (true, false, ou null si le budget est\n"
     "      épuisé), chemin et noeuds.\n"},
    {"rejouer", commandeRejouer, "(--disposition NOM | --fichier F) --graine N --actions FICHIER",
     "      Joue sur la donne une liste JSON d'actions ({\"prendre\": i},\n"
     "      {\"avancer\": ms}, {\"annuler\": true}, {\"aide\": \"hint\"|\"mix\"|\"peek\"},\n"
     "      {\"pousser\": true}) : une ligne par action, puis l'état de la partie.\n"},
    {"defi", commandeDefi, "[--date AAAA-MM-JJ]",
     "      Le défi du jour, aujourd'hui par défaut : jour, graine et disposition.\n"},
};

std::string synopsis(const Commande& c) {
    return std::string(c.nom) + (*c.options ? " " : "") + c.options;
}

// The whole list on one line, as error messages quote it.
std::string usageCourt() {
    std::string s = "usage : tessimora-moteur ";
    for (const Commande& c : COMMANDES)
        s += (&c == COMMANDES ? "" : " | ") + synopsis(c);
    return s;
}

std::string aide() {
    std::string s =
        "usage : tessimora-moteur COMMANDE [OPTION]...\n"
        "        tessimora-moteur COMMANDE --help\n"
        "        tessimora-moteur --help | --version\n"
        "\n"
        "Le moteur de Tessimora en ligne de commande, pour les auteurs de dispositions\n"
        "et les scripts. Chaque réponse est une ligne de JSON compact, et le code de\n"
        "sortie 0 ; une option ou une entrée fautive écrit une ligne sur la sortie\n"
        "d'erreur et rend 2. Une option s'écrit « --nom valeur » ou « --nom=valeur ».\n"
        "NOM est une disposition du catalogue ; F un fichier JSON\n"
        "{\"nom\": ..., \"couches\": [[rangs...], ...]} en notation de disposition.\n"
        "\n"
        "Commandes :\n";
    for (const Commande& c : COMMANDES)
        s += "  " + synopsis(c) + "\n" + c.description;
    return s;
}

std::string aideDe(const Commande& c) {
    return "usage : tessimora-moteur " + synopsis(c) + "\n\n" + c.description;
}

bool demandeAide(const std::vector<std::string>& mots) {
    return std::find(mots.begin(), mots.end(), "--help") != mots.end();
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> mots(argv + 1, argv + argc);
    if (mots.empty()) {
        std::cerr << "tessimora-moteur : commande manquante ; " << usageCourt() << '\n';
        return 2;
    }
    const std::string commande = mots.front();
    mots.erase(mots.begin());
    if (commande == "--help") {
        std::cout << aide();
        return 0;
    }
    if (commande == "--version") {
        std::cout << "tessimora-moteur " TESSIMORA_VERSION "\n";
        return 0;
    }
    const auto c = std::find_if(std::begin(COMMANDES), std::end(COMMANDES),
                                [&commande](const Commande& k) { return commande == k.nom; });
    if (c == std::end(COMMANDES)) {
        std::cerr << "tessimora-moteur : commande inconnue : " << commande << " ; " << usageCourt()
                  << '\n';
        return 2;
    }
    if (demandeAide(mots)) {
        std::cout << aideDe(*c);
        return 0;
    }
    const Reponse r = c->faire(mots);
    if (!r.erreur.empty()) {
        std::cerr << "tessimora-moteur : " << r.erreur << '\n';
        return 2;
    }
    std::cout << r.sortie << std::flush;
    return r.code;
}
