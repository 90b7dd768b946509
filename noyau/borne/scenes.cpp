#include "borne/scenes.h"

#include <array>

namespace scenes {

namespace {

// clang-format off
const std::array<Scene, 19> SCENES = {{
    //  nom          fichier                 ms     titre  hors   attract
    {"mire",      "SceneMire.qml",       1000,  false, true,  true},
    {"titre",     "SceneTitre.qml",      8000,  true,  true,  false},
    {"demo",      "SceneDemo.qml",       30000, true,  true,  true},
    {"scores",    "SceneScores.qml",     6000,  true,  false, true},
    {"regles",    "SceneRegles.qml",     8000,  true,  true,  true},
    {"menu",      "SceneMenu.qml",       0,     true,  true,  false},
    {"options",   "SceneReglages.qml",   0,     true,  false, false},
    {"commandes", "SceneCommandes.qml",  0,     true,  false, false},
    {"crt",       "SceneReglages.qml",   0,     true,  false, false},
    {"galerie",   "SceneGalerie.qml",    0,     true,  false, false},
    {"succes",    "SceneSucces.qml",     0,     true,  false, false},
    {"sontest",   "SceneSonTest.qml",    0,     false, false, false},
    {"salle",     "SceneSalle.qml",      0,     false, false, false},
    {"continue",  "SceneContinue.qml",   0,     false, false, false},
    {"salon",     "SceneSalon.qml",      0,     true,  true,  false},
    {"bilan",     "SceneBilan.qml",      0,     false, false, false},
    {"saisie",    "SceneSaisie.qml",     0,     false, false, false},
    {"partie",    "",                    0,     false, false, false},
    {"gameover",  "",                    0,     false, false, false},
}};
// clang-format on

bool est(const QString& s, const char* v) {
    return s == QLatin1String(v);
}

} // namespace

const Scene* scene(const QString& nom) {
    for (const Scene& s : SCENES)
        if (est(nom, s.nom)) return &s;
    return nullptr;
}

QStringList noms() {
    QStringList r;
    for (const Scene& s : SCENES)
        r << QLatin1String(s.nom);
    return r;
}

QString suiteAttract(const QString& nom, bool apresPartie) {
    if (est(nom, "mire") || est(nom, "regles")) return QStringLiteral("titre");
    if (est(nom, "titre")) return QStringLiteral("demo");
    if (est(nom, "demo")) return QStringLiteral("scores");
    if (est(nom, "scores")) return apresPartie ? QStringLiteral("titre") : QStringLiteral("regles");
    return QString();
}

bool tableSuivante(const QString& nom) {
    return est(nom, "demo");
}

} // namespace scenes
