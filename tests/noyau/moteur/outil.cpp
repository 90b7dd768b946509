// The engine tool as scripts call it: output lines, exit codes, bad input.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string OUTIL =
    std::string(TESSIMORA_CONSTRUCTION) + "/outils/tessimora-moteur/tessimora-moteur";

struct Resultat {
    int code = -1;
    std::string sortie, erreurs;
};

std::string lireTout(const std::string& chemin) {
    std::ifstream f(chemin);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Each test case runs in a process of its own, and ctest runs several at
// once: the scratch files carry the process id so they never collide.
std::string temporaire(const std::string& nom) {
    return testing::TempDir() + "outil_moteur_" + std::to_string(getpid()) + "_" + nom;
}

Resultat lancer(const std::string& arguments) {
    const std::string err = temporaire("stderr.txt");
    Resultat r;
    FILE* p = popen((OUTIL + " " + arguments + " 2>" + err).c_str(), "r");
    if (!p) return r;
    char tampon[4096];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0)
        r.sortie.append(tampon, n);
    const int etat = pclose(p);
    r.code = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    r.erreurs = lireTout(err);
    return r;
}

std::string fichier(const std::string& nom, const std::string& contenu) {
    const std::string chemin = temporaire(nom);
    std::ofstream(chemin) << contenu;
    return chemin;
}

class Outil : public testing::Test {
protected:
    void SetUp() override {
        if (!std::ifstream(OUTIL)) GTEST_SKIP() << "tessimora-moteur is not built";
    }
};

std::size_t lignes(const std::string& s) {
    return std::count(s.begin(), s.end(), '\n');
}

} // namespace

TEST_F(Outil, Catalogue) {
    const Resultat r = lancer("catalogue");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(lignes(r.sortie), 14u);
    EXPECT_EQ(r.sortie.substr(0, r.sortie.find('\n')),
              "{\"nom\":\"GREAT LANTERN\",\"tuiles\":220,\"couches\":4,\"parCouche\":[120,68,28,4],"
              "\"bornes\":{\"x\":0,\"y\":0,\"largeur\":40,\"hauteur\":16,\"couches\":4},"
              "\"defauts\":[]}");
    EXPECT_NE(r.sortie.find("{\"nom\":\"RICE BOWL\",\"tuiles\":106,"), std::string::npos);
}

TEST_F(Outil, Donne) {
    const Resultat r = lancer("donne --disposition 'GREAT LANTERN' --graine 1");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(lignes(r.sortie), 1u);
    EXPECT_EQ(
        r.sortie.rfind("{\"disposition\":\"GREAT LANTERN\",\"graine\":1,\"motifs\":[1,29,8,33,", 0),
        0u);
    EXPECT_NE(r.sortie.find("\"solution\":[[218,194],[167,217],"), std::string::npos);

    // A file may reuse a catalogue name; its own shape is what gets dealt.
    const std::string petit =
        fichier("petit.json", R"({"nom":"GREAT LANTERN","couches":[["##"]]})");
    const Resultat p = lancer("donne --fichier " + petit + " --graine=-3");
    EXPECT_EQ(p.code, 0);
    EXPECT_NE(p.sortie.find("\"graine\":-3,"), std::string::npos);
    EXPECT_NE(p.sortie.find("\"solution\":[[0,1]]}"), std::string::npos);

    // Sound, but no removal order exists: one tile on the other.
    const std::string tour = fichier("tour.json", R"({"nom":"TOUR","couches":[["#"],["#"]]})");
    const Resultat t = lancer("donne --fichier " + tour + " --graine 5");
    EXPECT_EQ(t.code, 0);
    EXPECT_EQ(t.sortie,
              "{\"disposition\":\"TOUR\",\"graine\":5,\"motifs\":null,\"solution\":null}\n");
}

TEST_F(Outil, MauvaisesEntrees) {
    const struct {
        std::string arguments, message;
    } cas[] = {
        {"", "commande manquante"},
        {"danser", "commande inconnue : danser"},
        {"donne --disposition 'GREAT LANTERN'", "option manquante : --graine"},
        {"donne --disposition 'GREAT LANTERN' --graine douze", "--graine attend un entier"},
        {"donne --disposition NULLE --graine 1", "disposition inconnue : NULLE"},
        {"donne --graine 1", "--disposition NOM, soit --fichier F"},
        {"donne --disposition 'RICE BOWL' --graine 1 --vite 2", "option inconnue : --vite"},
        {"donne --disposition 'RICE BOWL' --graine", "valeur manquante pour --graine"},
        {"donne --fichier /nulle/part.json --graine 1", "fichier illisible"},
        {"donne --fichier " + fichier("casse.json", "{\"nom\":") + " --graine 1", "JSON invalide"},
        {"donne --fichier " + fichier("liste.json", "[1]") + " --graine 1", "objet JSON"},
        {"donne --fichier " + fichier("sans.json", R"({"nom":"A"})") + " --graine 1",
         "« couches »"},
        {"donne --fichier " + fichier("rang.json", R"({"nom":"A","couches":[["#",3]]})") +
             " --graine 1",
         "couche 0 rang 1 : un texte est attendu"},
        {"donne --fichier " + fichier("x.json", R"({"nom":"A","couches":[["#x"]]})") +
             " --graine 1",
         "A : caractère inconnu « x » couche 0 rang 0"},
        {"donne --fichier " + fichier("vide.json", R"({"nom":"A","couches":[[],[""]]})") +
             " --graine 1",
         "A : aucune tuile"},
        {"donne --fichier " + fichier("impair.json", R"({"nom":"A","couches":[["#>#"]]})") +
             " --graine 1",
         "A : disposition défectueuse : nombre impair : 3 ; chevauchement 1 2"},
        {"donne --fichier " + fichier("vol.json", R"({"nom":"A","couches":[["#."],[],[".#"]]})") +
             " --graine 1",
         "sans appui 1"},
        {"donne --fichier " +
             fichier("grand.json",
                     "{\"nom\":\"A\",\"couches\":[[\"" + std::string(3000, '#') + "\"]]}") +
             " --graine 1",
         "A : trop de tuiles (3000, 2000 au plus)"},
        {"verifier --disposition 'RICE BOWL' --graines 0", "--graines attend un entier de 1"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.arguments);
        const Resultat r = lancer(c.arguments);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.sortie.empty());
        EXPECT_EQ(lignes(r.erreurs), 1u);
        EXPECT_NE(r.erreurs.find(c.message), std::string::npos) << r.erreurs;
    }
}

TEST_F(Outil, AideEtVersion) {
    const Resultat tout = lancer("--help");
    EXPECT_EQ(tout.code, 0);
    EXPECT_TRUE(tout.erreurs.empty());
    for (const char* commande :
         {"catalogue", "donne", "glissant", "verifier", "resoudre", "rejouer", "defi"})
        EXPECT_NE(tout.sortie.find(std::string("\n  ") + commande), std::string::npos) << commande;

    // A command's help wins over its missing or bad options.
    for (const char* arguments : {"donne --help", "donne --graine douze --help", "defi --help"}) {
        SCOPED_TRACE(arguments);
        const Resultat r = lancer(arguments);
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.erreurs.empty());
        const std::string commande = std::string(arguments).substr(0, 5);
        EXPECT_EQ(r.sortie.rfind("usage : tessimora-moteur " + commande, 0), 0u);
    }
    EXPECT_NE(lancer("resoudre --help").sortie.find("[--retirer a,b]... [--budget B]"),
              std::string::npos);

    const Resultat inconnue = lancer("danser --help");
    EXPECT_EQ(inconnue.code, 2);
    EXPECT_TRUE(inconnue.sortie.empty());

    const Resultat version = lancer("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.sortie, "tessimora-moteur " + std::string(TESSIMORA_VERSION) + "\n");
}

TEST_F(Outil, Verifier) {
    const Resultat r = lancer("verifier --disposition 'SMALL LAMP' --graines 3");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.sortie.find("tuiles : 132\n"), std::string::npos);
    EXPECT_NE(r.sortie.find("couches : 4 (60, 42, 24, 6)\n"), std::string::npos);
    EXPECT_NE(r.sortie.find("graine 3 : donne vérifiée"), std::string::npos);
    EXPECT_NE(r.sortie.find("bilan : 3/3 donnes vérifiées"), std::string::npos);

    const std::string tour = fichier("tour2.json", R"({"nom":"TOUR","couches":[["#"],["#"]]})");
    const Resultat t = lancer("verifier --fichier " + tour + " --graines 2");
    EXPECT_EQ(t.code, 1);
    EXPECT_NE(t.sortie.find("graine 2 : aucune donne"), std::string::npos);
    EXPECT_NE(t.sortie.find("bilan : 0/2"), std::string::npos);

    const std::string impair = fichier("impair2.json", R"({"nom":"B","couches":[["###"]]})");
    const Resultat i = lancer("verifier --fichier " + impair + " --graines 1");
    EXPECT_EQ(i.code, 1);
    EXPECT_NE(i.sortie.find("défauts : nombre impair : 3\n"), std::string::npos);
}

TEST_F(Outil, Glissant) {
    const Resultat r = lancer("glissant --largeur 12 --hauteur 7 --paires 36 --graine 99");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(lignes(r.sortie), 1u);
    EXPECT_EQ(r.sortie.rfind("{\"cases\":[", 0), 0u);
    EXPECT_NE(r.sortie.find("\"solution\":[{\"type\":\"paire\",\"a\":51,\"b\":63},"
                            "{\"type\":\"glisse\",\"rang\":4,\"sens\":-1},"),
              std::string::npos);
    const Resultat un = lancer("glissant --largeur 1 --hauteur 1 --paires 1 --graine 1");
    EXPECT_EQ(un.code, 0);
    EXPECT_EQ(un.sortie, "{\"cases\":null,\"solution\":null}\n");
    const Resultat vide = lancer("glissant --largeur 1 --hauteur 1 --paires 0 --graine 1");
    EXPECT_EQ(vide.sortie, "{\"cases\":[-1],\"solution\":[]}\n");
    for (const char* mauvais : {"--largeur 0 --hauteur 7 --paires 3 --graine 1",
                                "--largeur 12 --hauteur 100000 --paires 3 --graine 1",
                                "--largeur 12 --hauteur 7 --paires -1 --graine 1",
                                "--largeur 12 --hauteur 7 --paires 3"}) {
        const Resultat m = lancer(std::string("glissant ") + mauvais);
        EXPECT_EQ(m.code, 2) << mauvais;
        EXPECT_EQ(lignes(m.erreurs), 1u);
    }
}

TEST_F(Outil, Resoudre) {
    const std::string position =
        "resoudre --disposition 'SMALL LAMP' --graine 1658 --retirer 71,125 --retirer 59,107 "
        "--retirer 2,9 --retirer 108,129 --retirer 0,130 --retirer 64,65";
    const Resultat r = lancer(position + " --budget 6000");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.sortie.rfind("{\"soluble\":true,\"chemin\":[[1,120],", 0), 0u);
    EXPECT_NE(r.sortie.find("],\"noeuds\":3060}\n"), std::string::npos);
    EXPECT_EQ(lancer(position + " --budget 1000").sortie,
              "{\"soluble\":null,\"chemin\":[],\"noeuds\":1000}\n");
    EXPECT_NE(lancer(position).sortie.find("\"noeuds\":1860}"), std::string::npos);

    for (const char* mauvais :
         {"--retirer 71", "--retirer 71,71", "--retirer 71,999", "--retirer 1,120",
          "--retirer 71,125 --retirer 71,125", "--budget 0"}) {
        const Resultat m =
            lancer(std::string("resoudre --disposition 'SMALL LAMP' --graine 1658 ") + mauvais);
        EXPECT_EQ(m.code, 2) << mauvais;
        EXPECT_EQ(lignes(m.erreurs), 1u) << mauvais;
    }
}

TEST_F(Outil, Rejouer) {
    const std::string actions = fichier(
        "actions.json",
        R"([{"aide":"hint"},{"prendre":218},{"prendre":194},{"avancer":1000},{"prendre":167},)"
        R"({"prendre":217},{"annuler":true},{"aide":"peek"},{"prendre":-3},{"avancer":500000},)"
        R"({"prendre":3},{"annuler":true}])");
    const Resultat r =
        lancer("rejouer --disposition 'GREAT LANTERN' --graine 1 --actions " + actions);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.sortie,
              "[218,194]\n"
              "{\"type\":\"prise\",\"i\":218}\n"
              "{\"type\":\"paire\",\"a\":218,\"b\":194,\"points\":200,\"combo\":1,"
              "\"jumelle\":false,\"bonusMs\":0,\"fever\":false}\n"
              "false\n"
              "{\"type\":\"prise\",\"i\":167}\n"
              "{\"type\":\"paire\",\"a\":167,\"b\":217,\"points\":400,\"combo\":2,"
              "\"jumelle\":false,\"bonusMs\":1000,\"fever\":false}\n"
              "true\n"
              "2000\n"
              "{\"type\":\"bloquee\",\"i\":-3}\n"
              "true\n"
              "{\"type\":\"fini\"}\n"
              "false\n"
              "{\"etat\":\"temps\",\"score\":200,\"tempsMs\":0,\"tempsMax\":230000,\"combo\":1,"
              "\"restantes\":218,\"selection\":-1,\"aides\":{\"hint\":2,\"mix\":2,\"peek\":0},"
              "\"stats\":{\"paires\":2,\"comboMax\":1,\"hint\":1,\"mix\":0,\"undo\":1,"
              "\"peek\":1}}\n");

    for (const char* mauvais :
         {R"({"prendre":1})", R"([{"prendre":1.5}])", R"([{"avancer":-1}])", R"([{"aide":"zoom"}])",
          R"([{"annuler":false}])", R"([{"prendre":1,"avancer":2}])", R"([3])"}) {
        const std::string f = fichier("mauvaises.json", mauvais);
        const Resultat m = lancer("rejouer --disposition 'RICE BOWL' --graine 2 --actions " + f);
        EXPECT_EQ(m.code, 2) << mauvais;
        EXPECT_TRUE(m.sortie.empty()) << mauvais;
        EXPECT_EQ(lignes(m.erreurs), 1u) << mauvais;
    }
    EXPECT_EQ(lancer("rejouer --disposition 'RICE BOWL' --graine 2").code, 2);
}

TEST_F(Outil, Defi) {
    EXPECT_EQ(lancer("defi --date 2026-12-08").sortie,
              "{\"jour\":\"20261208\",\"graine\":20261208,\"disposition\":0,"
              "\"nom\":\"GREAT LANTERN\"}\n");
    EXPECT_EQ(lancer("defi --date 2027-01-01").sortie,
              "{\"jour\":\"20270101\",\"graine\":20270101,\"disposition\":1,"
              "\"nom\":\"RED PANDA\"}\n");
    const Resultat aujourdhui = lancer("defi");
    EXPECT_EQ(aujourdhui.code, 0);
    EXPECT_EQ(aujourdhui.sortie.rfind("{\"jour\":\"", 0), 0u);
    for (const char* mauvaise : {"2026-02-29", "2026-13-01", "26-12-08", "2026-1a-08", "demain"}) {
        const Resultat m = lancer(std::string("defi --date ") + mauvaise);
        EXPECT_EQ(m.code, 2) << mauvaise;
        EXPECT_EQ(lignes(m.erreurs), 1u);
    }
}
