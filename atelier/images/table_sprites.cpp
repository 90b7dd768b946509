// Writes the sprite table the scenes read (app/images/sprites.json) from the rows
// below. The JSON is written by hand rather than through QJsonDocument because the
// member order is part of the format and QJsonObject sorts its keys.
//
//   table_sprites <file>            write the table
//   table_sprites --verifier <file> exit 1 when <file> differs from what would be written

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Rangee {
    const char* noms; // several names share one row, separated by spaces
    int l, h, images, duree, boucle, ax, ay;
};

// Strips, in the order the table lists them.
const Rangee ANIM[] = {
    {"tuiles_reflet_prise", 16, 20, 8, 67, 0, 0, 0},
    {"tuiles_pouls_indice", 16, 20, 4, 133, 1, 0, 0},
    {"tuiles_retournement", 19, 24, 4, 50, 0, 0, 0},
    {"tuiles_glisse", 25, 24, 3, 67, 1, 6, 0},
    {"chiffres_or chiffres_blanc chiffres_rouge chiffres_jade", 16, 20, 13, 0, 0, 0, 0},
    {"panda_attente", 38, 45, 29, 50, 1, 15, 42},
    {"panda_clin", 36, 44, 6, 50, 0, 15, 41},
    {"panda_regard", 38, 44, 18, 50, 0, 15, 41},
    {"panda_observe", 42, 45, 42, 33, 0, 19, 42},
    {"panda_joie", 40, 53, 18, 33, 0, 16, 50},
    {"panda_combo", 44, 47, 22, 33, 1, 20, 44},
    {"panda_peur", 41, 42, 8, 50, 1, 17, 39},
    {"panda_victoire", 44, 58, 29, 33, 1, 20, 55},
    {"panda_defaite", 44, 47, 25, 50, 0, 19, 43},
    {"panda_continue", 43, 44, 18, 67, 1, 19, 41},
    {"panda_saut", 43, 59, 16, 33, 0, 17, 56},
    {"panda_salut", 38, 44, 19, 50, 1, 15, 41},
    {"panda_mini_attente", 20, 20, 32, 67, 1, 10, 20},
    {"panda_mini_joie", 20, 20, 14, 50, 1, 10, 20},
    {"panda_mini_peur", 20, 20, 12, 33, 1, 10, 20},
    {"fonds_lanterne_balance", 21, 24, 8, 117, 1, 8, 8},
    {"fonds_etoile", 5, 5, 4, 150, 1, 2, 2},
    {"fonds_vapeur", 12, 22, 6, 117, 1, 6, 21},
    {"fonds_fumee", 16, 48, 8, 133, 1, 8, 47},
    {"fonds_fumee_b", 16, 42, 8, 167, 1, 8, 41},
    {"fonds_petale", 3, 3, 4, 167, 1, 1, 1},
    {"fonds_saule", 40, 64, 4, 300, 1, 0, 0},
    {"fonds_cloche", 20, 24, 4, 267, 1, 10, 0},
    {"fonds_lanterne_flottante", 12, 14, 4, 200, 1, 6, 7},
    {"fonds_feu_or fonds_feu_rose fonds_feu_jade", 40, 40, 8, 117, 1, 20, 20},
    {"fond_marche_ciel fond_pont_ciel fond_temple_ciel fond_port_ciel", 384, 224, 1, 100, 1, 0, 0},
    {"fond_marche_loin fond_marche_milieu fond_marche_pres fond_pont_loin fond_pont_milieu "
     "fond_pont_pres fond_temple_loin fond_temple_milieu fond_temple_pres fond_port_loin "
     "fond_port_milieu fond_port_pres",
     768, 224, 1, 100, 1, 0, 0},
    {"fond_pont_eau fond_port_eau", 768, 44, 4, 233, 1, 0, 0},
    {"effets_eclair", 35, 40, 3, 50, 0, 8, 8},
    {"effets_ecrase", 35, 40, 8, 33, 0, 8, 8},
    {"effets_lanterne_monte", 20, 34, 8, 67, 1, 10, 8},
    {"effets_lanterne_eclate", 28, 28, 7, 50, 0, 14, 14},
    {"effets_etincelle_or effets_etincelle_rose effets_etincelle_blanc effets_etincelle_jade", 9, 9,
     6, 67, 0, 4, 4},
    {"effets_poussiere", 3, 3, 4, 83, 1, 1, 1},
    {"effets_combo", 64, 20, 4, 67, 1, 0, 0},
    {"effets_fever", 122, 34, 4, 83, 1, 0, 0},
    {"effets_flamme", 14, 20, 6, 67, 1, 7, 19},
    {"effets_twin", 52, 20, 6, 50, 0, 0, 0},
    {"effets_time_bonus", 124, 20, 8, 67, 0, 0, 0},
    {"effets_sec", 40, 20, 1, 0, 0, 0, 0},
    {"effets_encens_bonus", 9, 18, 4, 100, 1, 4, 17},
    {"effets_logo_ready", 122, 34, 8, 50, 0, 0, 0},
    {"effets_logo_go effets_logo_win", 74, 34, 8, 50, 0, 0, 0},
    {"effets_logo_stage effets_logo_pause", 64, 20, 8, 50, 0, 0, 0},
    {"effets_logo_stage_clear", 266, 34, 8, 50, 0, 0, 0},
    {"effets_logo_all_clear effets_logo_game_over effets_logo_continue", 218, 34, 8, 50, 0, 0, 0},
    {"effets_logo_time_up effets_logo_perfect", 170, 34, 8, 50, 0, 0, 0},
    {"effets_logo_no_more_pairs", 160, 20, 8, 50, 0, 0, 0},
    {"effets_logo_boss effets_logo_lose", 98, 34, 8, 50, 0, 0, 0},
    {"effets_flash", 384, 224, 3, 33, 0, 0, 0},
    {"effets_voile_bande", 384, 40, 3, 33, 0, 0, 0},
    {"effets_tourbillon", 48, 48, 8, 67, 1, 24, 24},
    {"effets_bouffee", 28, 24, 6, 67, 0, 14, 12},
    {"effets_voile_fumee", 24, 28, 4, 183, 1, 2, 2},
    {"effets_eclats", 8, 8, 4, 83, 0, 4, 4},
    {"effets_refus", 16, 20, 4, 67, 0, 0, 0},
    {"effets_piece", 10, 10, 6, 83, 1, 0, 0},
    {"effets_patte", 11, 11, 2, 0, 0, 5, 1},
    {"ecrans_logo", 250, 38, 12, 67, 0, 0, 0},
    {"ecrans_lanterne_logo", 26, 36, 1, 100, 1, 0, 0},
    {"ecrans_titre_arcade_mahjong", 172, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_demo_play ecrans_titre_free_play", 112, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_how_to_play ecrans_titre_new_record ecrans_titre_mode_select "
     "ecrans_titre_insert_coin",
     136, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_high_scores", 266, 34, 8, 50, 0, 0, 0},
    {"ecrans_titre_enter_your_name", 184, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_options", 88, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_extras", 76, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_stage_select ecrans_titre_tile_gallery ecrans_titre_crt_settings "
     "ecrans_titre_lantern_room",
     148, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_sound_test ecrans_titre_push_start", 124, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_player_1 ecrans_titre_player_2 ecrans_titre_controls", 100, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_thank_you_for_playing", 256, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_pause", 64, 20, 8, 50, 0, 0, 0},
    {"ecrans_titre_vs", 50, 34, 8, 50, 0, 0, 0},
    {"ecrans_lanterne_menu_eteinte", 48, 52, 1, 100, 1, 24, 0},
    {"ecrans_lanterne_menu_allumee", 48, 52, 4, 200, 1, 24, 0},
    {"ecrans_icone_night ecrans_icone_sliding ecrans_icone_duel ecrans_icone_rush "
     "ecrans_icone_moon ecrans_icone_paper ecrans_icone_parade ecrans_icone_extras "
     "ecrans_icone_options ecrans_icone_gallery ecrans_icone_sound ecrans_icone_crt "
     "ecrans_icone_room ecrans_icone_tea",
     10, 10, 2, 0, 0, 0, 0},
    {"ecrans_corde", 32, 6, 1, 100, 1, 0, 0},
    {"ecrans_brule_parfum", 12, 7, 1, 100, 1, 0, 0},
    {"ecrans_braise", 2, 2, 3, 117, 1, 0, 0},
    {"ecrans_lampion_allume ecrans_lampion_eteint", 15, 15, 1, 100, 1, 0, 0},
    {"ecrans_rang", 10, 13, 10, 0, 0, 0, 0},
    {"ecrans_lettre_allumee ecrans_lettre_eteinte", 20, 26, 1, 100, 1, 0, 0},
    {"ecrans_regle_paire ecrans_regle_combo", 120, 64, 1, 100, 1, 0, 0},
    {"ecrans_regle_libre", 150, 64, 1, 100, 1, 0, 0},
    {"ecrans_trame", 4, 4, 1, 100, 1, 0, 0},
    {"ecrans_panda2_salut", 73, 83, 19, 50, 1, 45, 80},
    {"ecrans_panda2_continue", 82, 84, 18, 67, 1, 45, 81},
    {"ecrans_panda2_victoire", 87, 112, 29, 33, 1, 45, 109},
    {"ecrans_panda2_joie", 76, 100, 18, 33, 0, 46, 97},
    {"ecrans_panda2_pret", 92, 93, 17, 33, 1, 46, 83},
    {"ecrans_panda2_defaite", 84, 95, 25, 50, 0, 48, 85},
    {"ecrans_panda2_attente", 71, 85, 29, 50, 1, 44, 82},
    {"ecrans_compte", 32, 40, 10, 0, 0, 0, 0},
};

const char* const MOTIFS[] = {"m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "p1", "p2",
                              "p3", "p4", "p5", "p6", "p7", "p8", "p9", "s1", "s2", "s3", "s4",
                              "s5", "s6", "s7", "s8", "s9", "wE", "wS", "wW", "wN", "dR", "dG",
                              "dW", "f1", "f2", "f3", "f4", "t1", "t2", "t3", "t4"};

// The narrow font's repertoire, group by group; the aliased characters and the
// spaces are in it although they have no image of their own.
const char* const CARACTERES[] = {
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789",
    " -:!.+*/@?,;'\"()[]<>=_#%&$",
    "\u00a9\u20ac\u00b0\u00ab\u00bb\u00d7\u2026~\u2191\u2193\u2190\u2192\u25b6\u23f8\u00a1\u00bf"
    "\u2018\u201c\u201d\u201e\u201a\u2014\u00b7\u2039\u203a\u00a6",
    "\u00c6\u0152\u00c0\u00c2\u00c4\u00c9\u00c8\u00ca\u00cb\u00ce\u00cf\u00d4\u00d6\u00d9\u00db"
    "\u00dc\u0178\u00c7\u00c1\u00c3\u00c5\u00cc\u00cd\u00d1\u00d2\u00d3\u00d5\u00da\u00dd\u0100"
    "\u0102\u0106\u0108\u010a\u010c\u010e\u0112\u0114\u0116\u011a\u011c\u011e\u0120\u0124\u0128"
    "\u012a\u012c\u0130\u0134\u0139\u0143\u0147\u014c\u014e\u0150\u0154\u0158\u015a\u015c\u0160"
    "\u0164\u0168\u016a\u016c\u016e\u0170\u0174\u0176\u0179\u017b\u017d\u0104\u0118\u0122\u012e"
    "\u0136\u013b\u0145\u0156\u015e\u0162\u0172\u0218\u021a\u0110\u0141\u00d8\u0126\u013d\u00de"
    "\u0166\u013f\u00d0",
    "\u03aa\u03ab\u0393\u0394\u0398\u039b\u039e\u03a0\u03a3\u03a6\u03a8\u03a9\u0391\u0392\u0395"
    "\u0396\u0397\u0399\u039a\u039c\u039d\u039f\u03a1\u03a4\u03a5\u03a7",
    "\u0400\u0401\u0407\u040d\u0419\u0411\u0490\u0414\u0404\u0416\u0417\u0418\u041b\u0423\u0426"
    "\u0427\u0428\u0429\u042a\u042b\u042c\u042d\u042e\u042f\u0410\u0412\u0413\u0415\u041a\u041c"
    "\u041d\u041e\u041f\u0420\u0421\u0422\u0424\u0425\u0405\u0406\u0408",
    "\u2019\u2013\u2010\u2011\u00a0\u202f",
    "\ue000\ue001\ue002\ue003\ue004\ue005\ue006\ue007",
};

// Characters drawn with another character's glyph: pairs of (character, glyph).
const char* const ALIAS[][2] = {
    {"\u03aa", "\u00cf"}, {"\u03ab", "\u0178"}, {"\u0400", "\u00c8"}, {"\u0401", "\u00cb"},
    {"\u0407", "\u00cf"}, {"\u0218", "\u015e"}, {"\u021a", "\u0162"}, {"\u0391", "A"},
    {"\u0392", "B"},      {"\u0395", "E"},      {"\u0396", "Z"},      {"\u0397", "H"},
    {"\u0399", "I"},      {"\u039a", "K"},      {"\u039c", "M"},      {"\u039d", "N"},
    {"\u039f", "O"},      {"\u03a1", "P"},      {"\u03a4", "T"},      {"\u03a5", "Y"},
    {"\u03a7", "X"},      {"\u0410", "A"},      {"\u0412", "B"},      {"\u0413", "\u0393"},
    {"\u0415", "E"},      {"\u041a", "K"},      {"\u041c", "M"},      {"\u041d", "H"},
    {"\u041e", "O"},      {"\u041f", "\u03a0"}, {"\u0420", "P"},      {"\u0421", "C"},
    {"\u0422", "T"},      {"\u0424", "\u03a6"}, {"\u0425", "X"},      {"\u0405", "S"},
    {"\u0406", "I"},      {"\u0408", "J"},      {"\u00d0", "\u0110"}, {"\u2019", "'"},
    {"\u2013", "-"},      {"\u2010", "-"},      {"\u2011", "-"},      {"\u00a0", " "},
    {"\u202f", " "},
};

// An element of a background: strip, top-left in the layer of its plane, plane.
struct Element {
    std::string nom;
    int x, y, plan;
};

struct Fond {
    const char* nom;
    std::vector<Element> elements;
    const char* eau; // null for none
    int niveauEau;
};

// A few stars on the fixed sky of every background, placed so they avoid the
// status bar at the bottom and do not line up.
void etoiles(std::vector<Element>& e, int decalage) {
    const int pos[6][2] = {{34, 12}, {96, 38}, {158, 8}, {230, 28}, {300, 14}, {356, 44}};
    for (const auto& p : pos)
        e.push_back({"fonds_etoile", (p[0] + decalage) % 380, p[1], 0});
}

std::vector<Fond> fonds() {
    std::vector<Fond> f;
    {
        // Night market: eight stalls 96 pixels apart on the middle layer, each with
        // three steam plumes 22 pixels apart and a lantern over its counter; a string
        // of lanterns every 64 pixels on the near layer.
        Fond m{"marche", {}, nullptr, 0};
        etoiles(m.elements, 0);
        for (int s = 0; s < 8; ++s)
            for (int v = 0; v < 3; ++v)
                m.elements.push_back({"fonds_vapeur", 96 * s + 26 + 22 * v, 150, 2});
        for (int s = 0; s < 8; ++s)
            m.elements.push_back({"fonds_lanterne_balance", 96 * s + 78, 104, 2});
        for (int i = 0; i < 12; ++i)
            m.elements.push_back({"fonds_lanterne_balance", 22 + 64 * i, 8, 3});
        f.push_back(m);
    }
    {
        Fond p{"pont", {}, "fond_pont_eau", 180};
        etoiles(p.elements, 11);
        for (int i = 0; i < 10; ++i)
            p.elements.push_back({"fonds_lanterne_balance", 30 + 76 * i, 112, 2});
        for (int x : {20, 420, 600})
            p.elements.push_back({"fonds_saule", x, 0, 3});
        f.push_back(p);
    }
    {
        Fond t{"temple", {}, nullptr, 0};
        etoiles(t.elements, 23);
        for (int x : {60, 252, 444, 636})
            t.elements.push_back({"fonds_fumee", x, 96, 2});
        for (int x : {156, 540})
            t.elements.push_back({"fonds_fumee_b", x, 102, 2});
        for (int x : {110, 302, 494, 686})
            t.elements.push_back({"fonds_cloche", x, 70, 2});
        for (int i = 0; i < 14; ++i)
            t.elements.push_back({"fonds_petale", 18 + 54 * i, 20 + (i * 37) % 120, 3});
        f.push_back(t);
    }
    {
        Fond p{"port", {}, "fond_port_eau", 182};
        etoiles(p.elements, 37);
        p.elements.push_back({"fonds_feu_or", 60, 20, 0});
        p.elements.push_back({"fonds_feu_or", 250, 34, 0});
        p.elements.push_back({"fonds_feu_rose", 140, 44, 0});
        p.elements.push_back({"fonds_feu_rose", 320, 16, 0});
        p.elements.push_back({"fonds_feu_jade", 196, 10, 0});
        for (int i = 0; i < 4; ++i)
            p.elements.push_back({"fonds_lanterne_balance", 90 + 192 * i, 118, 2});
        for (int i = 0; i < 10; ++i)
            p.elements.push_back({"fonds_lanterne_flottante", 30 + 76 * i, 188 + (i % 3) * 8, 3});
        f.push_back(p);
    }
    return f;
}

std::string chaine(const std::string& s) {
    std::string r = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') r += '\\';
        r += c;
    }
    return r + "\"";
}

std::vector<std::string> noms(const char* liste) {
    std::vector<std::string> r;
    std::istringstream in(liste);
    std::string n;
    while (in >> n)
        r.push_back(n);
    return r;
}

std::string ecrire() {
    std::ostringstream o;
    o << "{\n  \"tuile\": {\"largeur\": 19, \"hauteur\": 24, \"face\": [16, 20], \"epaisseur\": "
         "[3, "
         "4], \"teintes\": [0.84, 0.91, 0.96, 1.0],\n    \"motifs\": [";
    for (int i = 0; i < 42; ++i)
        o << (i ? ", " : "") << chaine(MOTIFS[i]);
    o << "], \"voile\": 42},\n";

    std::string car;
    for (const char* g : CARACTERES)
        car += g;
    o << "  \"police\": {\"caracteres\": " << chaine(car) << ",\n    \"alias\": {";
    bool premier = true;
    for (const auto& a : ALIAS) {
        o << (premier ? "" : ", ") << chaine(a[0]) << ": " << chaine(a[1]);
        premier = false;
    }
    o << "},\n    \"case\": [7, 14], \"avance\": 6, \"haut\": 4, \"styles\": [\"or\", \"blanc\", "
         "\"rouge\", \"jade\", \"gris\"], \"chiffres\": \"0123456789+\u00d7-\"},\n";
    o << "  \"petite\": {\"caracteres\": \"0123456789ESWN\", \"case\": [4, 5]},\n";
    o << "  \"couleurs\": {\"selection\": \"#ffd040\", \"indice\": \"#ff6a8a\"},\n";

    o << "  \"anim\": {\n";
    premier = true;
    for (const auto& r : ANIM)
        for (const auto& n : noms(r.noms)) {
            o << (premier ? "" : ",\n") << "    " << chaine(n) << ": [" << r.l << ", " << r.h
              << ", " << r.images << ", " << r.duree << ", " << r.boucle << ", " << r.ax << ", "
              << r.ay << "]";
            premier = false;
        }
    o << "\n  },\n";

    o << "  \"fonds\": {\n";
    bool premierFond = true;
    for (const auto& f : fonds()) {
        const std::string n = f.nom;
        o << (premierFond ? "" : ",\n") << "    " << chaine(n)
          << ": {\"ciel\": " << chaine("fond_" + n + "_ciel") << ",\n      \"plans\": [["
          << chaine("fond_" + n + "_loin") << ", 2], [" << chaine("fond_" + n + "_milieu")
          << ", 5], [" << chaine("fond_" + n + "_pres") << ", 10]],\n      \"elements\": [";
        premier = true;
        for (const auto& e : f.elements) {
            o << (premier ? "\n" : ",\n") << "        [" << chaine(e.nom) << ", " << e.x << ", "
              << e.y << ", " << e.plan << "]";
            premier = false;
        }
        o << "],\n      \"eau\": ";
        if (f.eau)
            o << "[" << chaine(f.eau) << ", " << f.niveauEau << "]}";
        else
            o << "null}";
        premierFond = false;
    }
    o << "\n  },\n";
    o << "  \"tremblement\": [[3, 0], [-3, 1], [2, -2], [-2, 2], [2, 1], [-1, -1], [1, 0], [0, 1], "
         "[0, 0]]\n}\n";
    return o.str();
}

} // namespace

int main(int argc, char** argv) {
    const bool verifier = argc == 3 && std::strcmp(argv[1], "--verifier") == 0;
    if (argc != 2 && !verifier) {
        std::fprintf(stderr, "usage: table_sprites [--verifier] <sprites.json>\n");
        return 2;
    }
    const std::string texte = ecrire();
    const char* chemin = argv[argc - 1];
    if (verifier) {
        std::ifstream in(chemin, std::ios::binary);
        std::ostringstream lu;
        lu << in.rdbuf();
        if (lu.str() != texte) {
            std::fprintf(stderr, "%s is out of date: build the target table_sprites_maj\n", chemin);
            return 1;
        }
        return 0;
    }
    std::ofstream out(chemin, std::ios::binary);
    out << texte;
    return out ? 0 : 1;
}
