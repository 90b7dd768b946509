#include "plateforme/presence.h"

#include "sauvegarde/json.h"

#include <algorithm>

namespace presence {

const std::array<Jeton, 15> JETONS = {{
    {"#Titre", "At the night market gate", "À l'entrée du marché de nuit"},
    {"#Menu", "Choosing a lantern", "Choisit une lanterne"},
    {"#Extras", "Browsing the extras", "Parcourt les extras"},
    {"#Succes", "Admiring the achievement lanterns", "Admire les lanternes des succès"},
    {"#Night", "NIGHT MARKET - stage %etape%/12", "NIGHT MARKET - étape %etape%/12"},
    {"#Paper", "PAPER MOON - stage %etape%/12", "PAPER MOON - étape %etape%/12"},
    {"#Parade", "PANDA PARADE - stage %etape%/12", "PANDA PARADE - étape %etape%/12"},
    {"#Rush", "INCENSE RUSH - %piles% stacks cleared", "INCENSE RUSH - %piles% piles vidées"},
    {"#Daily", "Playing the MOON OF THE DAY", "Joue la MOON OF THE DAY"},
    {"#DuelIa", "LANTERN DUEL vs %adversaire%", "LANTERN DUEL contre %adversaire%"},
    {"#Duel2", "LANTERN DUEL - 2 players", "LANTERN DUEL - 2 joueurs"},
    {"#Sliding", "SLIDING STALLS - level %niveau%", "SLIDING STALLS - niveau %niveau%"},
    {"#Continue", "Deciding to CONTINUE", "Hésite à CONTINUER"},
    {"#Record", "Writing a NEW RECORD", "Inscrit un NEW RECORD"},
    {"#Pause", "Paused at the night market", "En pause au marché de nuit"},
}};

const std::array<const char*, 3> ADVERSAIRES = {"LAMPION", "LANTERN", "DRAGON KITE"};

namespace {

double nombre(const QJsonObject& b, const char* nom, double defaut) {
    const QJsonValue v = b.value(QLatin1String(nom));
    return v.isDouble() ? v.toDouble() : defaut;
}

bool dans(const QString& s, std::initializer_list<const char*> noms) {
    return std::any_of(noms.begin(), noms.end(),
                       [&](const char* n) { return s == QLatin1String(n); });
}

Statut jeton(const char* cle, std::vector<std::pair<QString, QString>> valeurs = {}) {
    return {QLatin1String(cle), std::move(valeurs), QString()};
}

// The status of a running game, paused or not.
Statut enPartie(const EtatBorne& b) {
    if (b.pause) return jeton("#Pause");
    if (b.sorte == QLatin1String("duel")) {
        if (!(b.niveauIa >= 0)) return jeton("#Duel2");
        const int n = b.niveauIa == 1 ? 1 : b.niveauIa == 2 ? 2 : 0;
        return jeton("#DuelIa", {{QStringLiteral("adversaire"), QLatin1String(ADVERSAIRES[n])}});
    }
    if (b.sorte == QLatin1String("glissant"))
        return jeton("#Sliding", {{QStringLiteral("niveau"), json::nombre(b.niveau + 1)}});
    if (b.mode == QLatin1String("rush"))
        return jeton("#Rush", {{QStringLiteral("piles"),
                                json::nombre(std::max(0.0, b.multiplicateur - 1))}});
    if (b.mode == QLatin1String("daily")) return jeton("#Daily");
    const char* cle = b.mode == QLatin1String("paper")    ? "#Paper"
                      : b.mode == QLatin1String("parade") ? "#Parade"
                                                          : "#Night";
    return jeton(cle, {{QStringLiteral("etape"), json::nombre(b.etape + 1)}});
}

const Jeton* jetonDe(const QString& cle) {
    for (const Jeton& j : JETONS)
        if (cle == QLatin1String(j.cle)) return &j;
    return nullptr;
}

} // namespace

EtatBorne depuisJson(const QJsonObject& b) {
    EtatBorne e;
    e.scene = b.value(QLatin1String("scene")).toString();
    e.sorte = b.value(QLatin1String("sorte")).toString();
    e.mode = b.value(QLatin1String("mode")).toString();
    e.etape = nombre(b, "etape", e.etape);
    e.niveauIa = nombre(b, "niveauIa", e.niveauIa);
    e.multiplicateur = nombre(b, "multiplicateur", e.multiplicateur);
    e.niveau = nombre(b, "niveau", e.niveau);
    e.pause = b.value(QLatin1String("pause")).toBool();
    return e;
}

Statut statut(const EtatBorne& b) {
    const QString& s = b.scene;
    if (dans(s, {"menu", "options", "commandes", "crt"})) return jeton("#Menu");
    if (dans(s, {"galerie", "sontest", "salle"})) return jeton("#Extras");
    if (s == QLatin1String("succes")) return jeton("#Succes");
    if (dans(s, {"continue", "gameover"})) return jeton("#Continue");
    if (s == QLatin1String("saisie")) return jeton("#Record");
    if (s != QLatin1String("partie")) return jeton("#Titre");
    Statut st = enPartie(b);
    // The group lets a provider join both players of one shared game; a
    // paused two-player duel is still that game.
    if (b.sorte == QLatin1String("duel") && !(b.niveauIa >= 0)) st.groupe = QStringLiteral("duel");
    return st;
}

QString valeursJson(const Statut& st) {
    json::Objet o;
    for (const auto& [nom, valeur] : st.valeurs)
        o.texte(nom, valeur);
    return o.fin();
}

QString cle(const Statut& st) {
    return json::Objet()
        .texte(QStringLiteral("cle"), st.cle)
        .brut(QStringLiteral("valeurs"), valeursJson(st))
        .texte(QStringLiteral("groupe"), st.groupe)
        .fin();
}

QString texte(const Statut& st, const QString& langue) {
    const Jeton* j = jetonDe(st.cle);
    if (!j) return QString();
    const QString phrase =
        langue == QLatin1String("fr") ? QString::fromUtf8(j->fr) : QLatin1String(j->en);
    // One pass, so a value holding a %name% of its own is never filled in.
    QString r;
    int i = 0;
    while (i < phrase.size()) {
        const int debut = phrase.indexOf(QLatin1Char('%'), i);
        const int fin = debut < 0 ? -1 : phrase.indexOf(QLatin1Char('%'), debut + 1);
        if (fin < 0) {
            r += phrase.mid(i);
            break;
        }
        r += phrase.mid(i, debut - i);
        const QString nom = phrase.mid(debut + 1, fin - debut - 1);
        const auto v = std::find_if(st.valeurs.begin(), st.valeurs.end(),
                                    [&](const auto& p) { return p.first == nom; });
        if (v != st.valeurs.end()) {
            r += v->second;
            i = fin + 1;
        } else {
            r += QLatin1Char('%');
            i = debut + 1;
        }
    }
    return r;
}

} // namespace presence
