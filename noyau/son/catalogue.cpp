#include "son/catalogue.h"

#include <cmath>

namespace catalogue {

namespace {

struct Ligne {
    const char* id;
    const char* type;
    bool boucle;
    const char* titre;
    double duree;
};

// One line per track, in SOUND TEST order; the number is the position.
const Ligne LIGNES[] = {
    {"titre", "musique", true, "LANTERNS RISE", 46.667},
    {"jeu1", "musique", true, "NIGHT MARKET STROLL", 57.143},
    {"jeu2", "musique", true, "RIVER OF LIGHTS", 60.000},
    {"jeu3", "musique", true, "TEMPLE BELLS", 53.793},
    {"jeu4", "musique", true, "ROOFTOP FIREWORKS", 47.368},
    {"duel", "musique", true, "LANTERN DUEL", 48.000},
    {"urgence", "musique", true, "INCENSE BURNS DOWN", 21.818},
    {"continue", "musique", true, "ONE MORE COIN", 10.000},
    {"record", "musique", true, "NAME IN LIGHTS", 32.000},
    {"fin_etape", "jingle", false, "STAGE CLEAR", 6.948},
    {"victoire", "jingle", false, "VICTORY", 9.769},
    {"defaite", "jingle", false, "GAME OVER", 8.000},
    {"credit", "bruitage", false, "COIN", 1.124},
    {"depart", "bruitage", false, "START", 1.793},
    {"selection", "bruitage", false, "PICK", 0.380},
    {"deselection", "bruitage", false, "DROP", 0.446},
    {"paire_1", "bruitage", false, "PAIR X1", 1.526},
    {"paire_2", "bruitage", false, "PAIR X2", 1.533},
    {"paire_3", "bruitage", false, "PAIR X3", 1.535},
    {"paire_4", "bruitage", false, "PAIR X4", 1.541},
    {"paire_5", "bruitage", false, "PAIR X5", 1.560},
    {"paire_6", "bruitage", false, "PAIR X6", 1.554},
    {"paire_7", "bruitage", false, "PAIR X7", 1.582},
    {"paire_8", "bruitage", false, "PAIR X8", 1.558},
    {"paire_9", "bruitage", false, "PAIR X9", 2.415},
    {"erreur", "bruitage", false, "MISS", 0.666},
    {"indice", "bruitage", false, "HINT", 1.542},
    {"melange", "bruitage", false, "MIX", 1.090},
    {"annulation", "bruitage", false, "UNDO", 0.861},
    {"bonus_temps", "bruitage", false, "TIME BONUS", 0.821},
    {"alerte", "bruitage", false, "TIME ALERT", 0.574},
    {"compte", "bruitage", false, "COUNTDOWN", 0.832},
    {"voix_ready", "voix", false, "VOICE READY", 0.966},
    {"voix_go", "voix", false, "VOICE GO", 0.877},
    {"voix_combo", "voix", false, "VOICE COMBO", 1.105},
    {"voix_time_up", "voix", false, "VOICE TIME UP", 1.080},
};

std::vector<Piste> construire() {
    std::vector<Piste> liste;
    int numero = 0;
    for (const Ligne& l : LIGNES) {
        Piste p;
        p.id = QString::fromLatin1(l.id);
        p.numero = ++numero;
        p.type = QString::fromLatin1(l.type);
        p.boucle = l.boucle;
        p.titre = QString::fromLatin1(l.titre);
        p.duree = l.duree;
        p.fichier = QStringLiteral("../sons/") + p.id + QStringLiteral(".ogg");
        liste.push_back(p);
    }
    return liste;
}

} // namespace

const std::vector<Piste>& pistes() {
    static const std::vector<Piste> PISTES = construire();
    return PISTES;
}

const Piste* piste(const QString& id) {
    for (const Piste& p : pistes())
        if (p.id == id) return &p;
    return nullptr;
}

const QStringList& fonds() {
    static const QStringList FONDS = {QStringLiteral("jeu1"), QStringLiteral("jeu2"),
                                      QStringLiteral("jeu3"), QStringLiteral("jeu4")};
    return FONDS;
}

QString musiqueEtape(double etape) {
    const double e = etape > 0.0 ? etape : 0.0; // also catches NaN
    if (std::isinf(e)) return fonds().at(0);
    const double rang = std::fmod(std::floor(e / 3.0), 4.0);
    return fonds().at(static_cast<int>(rang));
}

QString paire(double combo) {
    // Compare before converting: a huge or NaN level must not overflow an int.
    double niveau = std::trunc(combo);
    if (!(niveau >= 1.0)) niveau = 1.0;
    if (niveau > 9.0) niveau = 9.0;
    return QStringLiteral("paire_") + QString::number(static_cast<int>(niveau));
}

} // namespace catalogue
