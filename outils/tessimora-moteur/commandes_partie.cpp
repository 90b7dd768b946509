#include "chargement.h"
#include "commandes.h"
#include "json.h"
#include "moteur/defi.h"
#include "moteur/horloge.h"
#include "moteur/partie.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

constexpr std::int64_t GRAINE_MAX = 9007199254740992LL;
constexpr qint64 OCTETS_MAX = 1 << 20;
constexpr double AVANCE_MAX = 1e9;

Reponse erreur(std::string message) {
    Reponse r;
    r.erreur = std::move(message);
    return r;
}

struct Action {
    enum Sorte { Prendre, Avancer, Annuler, Hint, Mix, Peek, Pousser } sorte;
    std::int64_t valeur = 0;
};

std::string booleen(bool b) {
    return b ? "true" : "false";
}

std::string resultatJson(const partie::Resultat& r) {
    std::string s = std::string("{\"type\":\"") + partie::nom(r.type) + "\"";
    switch (r.type) {
    case partie::TypeResultat::Fini:
        break;
    case partie::TypeResultat::Refus:
        s += ",\"ancienne\":" + std::to_string(r.ancienne) + ",\"i\":" + std::to_string(r.i);
        break;
    case partie::TypeResultat::PaireFaite:
        s += ",\"a\":" + std::to_string(r.a) + ",\"b\":" + std::to_string(r.b) +
             ",\"points\":" + std::to_string(r.points) + ",\"combo\":" + std::to_string(r.combo) +
             ",\"jumelle\":" + booleen(r.jumelle) + ",\"bonusMs\":" + std::to_string(r.bonusMs) +
             ",\"fever\":" + booleen(r.fever);
        break;
    default:
        s += ",\"i\":" + std::to_string(r.i);
    }
    return s + "}";
}

std::string paireJson(const std::optional<pile::Paire>& p) {
    return p ? "[" + std::to_string((*p)[0]) + "," + std::to_string((*p)[1]) + "]" : "null";
}

std::string etatJson(const partie::Partie& p) {
    const auto& a = p.aides;
    const auto& s = p.stats;
    return std::string("{\"etat\":\"") + partie::nom(p.etat) +
           "\",\"score\":" + std::to_string(p.score) + ",\"tempsMs\":" + std::to_string(p.tempsMs) +
           ",\"tempsMax\":" + std::to_string(p.tempsMax) + ",\"combo\":" + std::to_string(p.combo) +
           ",\"restantes\":" + std::to_string(p.restantes) +
           ",\"selection\":" + std::to_string(p.selection) +
           ",\"aides\":{\"hint\":" + std::to_string(a.hint) + ",\"mix\":" + std::to_string(a.mix) +
           ",\"peek\":" + std::to_string(a.peek) +
           "},\"stats\":{\"paires\":" + std::to_string(s.paires) +
           ",\"comboMax\":" + std::to_string(s.comboMax) + ",\"hint\":" + std::to_string(s.hint) +
           ",\"mix\":" + std::to_string(s.mix) + ",\"undo\":" + std::to_string(s.undo) +
           ",\"peek\":" + std::to_string(s.peek) + "}}";
}

// Every action is checked before any is played, so a bad file prints nothing
// but its error.
std::string lireActions(const std::string& chemin, std::vector<Action>& actions) {
    QFile f(QString::fromStdString(chemin));
    if (!f.open(QIODevice::ReadOnly)) return "fichier illisible : " + chemin;
    if (f.size() > OCTETS_MAX) return "fichier trop grand (1 Mio au plus) : " + chemin;
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(f.read(OCTETS_MAX + 1), &e);
    if (e.error != QJsonParseError::NoError)
        return "JSON invalide dans " + chemin + " : " + e.errorString().toStdString();
    if (!doc.isArray()) return "une liste d'actions est attendue dans " + chemin;
    const QJsonArray liste = doc.array();
    for (int k = 0; k < liste.size(); ++k) {
        const std::string ici = "action " + std::to_string(k) + " : ";
        const QJsonObject o = liste[k].toObject();
        if (!liste[k].isObject() || o.size() != 1)
            return ici + "un objet à une seule clé est attendu";
        const QString cle = o.begin().key();
        const QJsonValue v = o.begin().value();
        auto entier = [&v](double min, double max) {
            const double d = v.toDouble(std::nan(""));
            return v.isDouble() && d == std::floor(d) && d >= min && d <= max;
        };
        if (cle == "prendre" && entier(-1e9, 1e9)) {
            actions.push_back({Action::Prendre, static_cast<std::int64_t>(v.toDouble())});
        } else if (cle == "avancer" && entier(0, AVANCE_MAX)) {
            actions.push_back({Action::Avancer, static_cast<std::int64_t>(v.toDouble())});
        } else if (cle == "annuler" && v == QJsonValue(true)) {
            actions.push_back({Action::Annuler, 0});
        } else if (cle == "pousser" && v == QJsonValue(true)) {
            actions.push_back({Action::Pousser, 0});
        } else if (cle == "aide" && v.toString() == "hint") {
            actions.push_back({Action::Hint, 0});
        } else if (cle == "aide" && v.toString() == "mix") {
            actions.push_back({Action::Mix, 0});
        } else if (cle == "aide" && v.toString() == "peek") {
            actions.push_back({Action::Peek, 0});
        } else {
            return ici + "inconnue ou mal formée (prendre, avancer, annuler, aide, pousser)";
        }
    }
    return {};
}

} // namespace

Reponse commandeRejouer(const std::vector<std::string>& mots) {
    Arguments a(mots, {"disposition", "fichier", "graine", "actions"});
    if (!a.erreur().empty()) return erreur(a.erreur());
    const auto graine = a.entier("graine", -GRAINE_MAX, GRAINE_MAX);
    if (!graine) return erreur(a.erreur());
    const auto fichierActions = a.texte("actions");
    if (!fichierActions) return erreur("option manquante : --actions");
    const Chargement c = charger(a);
    if (!c.erreur.empty()) return erreur(c.erreur);
    const auto defauts = pile::defauts(c.places);
    if (!defauts.empty()) return erreur(c.d.nom + " : disposition défectueuse : " + defauts[0]);
    std::vector<Action> actions;
    const std::string probleme = lireActions(*fichierActions, actions);
    if (!probleme.empty()) return erreur(probleme);

    partie::Options o;
    o.disposition = c.d;
    o.graine = alea::Graine(*graine);
    std::optional<partie::Partie> jeu = partie::creer(o);
    if (!jeu) return erreur(c.d.nom + " : aucune donne pour la graine " + std::to_string(*graine));
    partie::Partie& p = *jeu;
    // A clock that stands still: the background search behind a hint or a
    // push then always runs to the end of its pass, so a replay gives the same
    // lines on every machine.
    horloge::remplacer([] { return std::int64_t(0); });
    Reponse r;
    for (const Action& action : actions) {
        switch (action.sorte) {
        case Action::Prendre:
            r.sortie += resultatJson(partie::prendre(p, static_cast<int>(action.valeur)));
            break;
        case Action::Avancer:
            r.sortie += booleen(partie::avancer(p, action.valeur));
            break;
        case Action::Annuler:
            r.sortie += booleen(partie::annuler(p));
            break;
        case Action::Hint:
            r.sortie += paireJson(partie::indice(p));
            break;
        case Action::Peek:
            r.sortie += std::to_string(partie::apercu(p));
            break;
        case Action::Mix: {
            const partie::Melange m = partie::melanger(p);
            if (m.ok)
                r.sortie += "{\"ok\":true,\"ancien\":" + listeJson(m.ancien) +
                            ",\"cout\":" + std::to_string(m.cout) + "}";
            else
                r.sortie += m.impossible ? "{\"ok\":false,\"impossible\":true}" : "{\"ok\":false}";
            break;
        }
        case Action::Pousser: {
            const auto t = partie::pousser(p);
            r.sortie += t ? listeJson(std::vector<int>(t->begin(), t->end())) : "null";
            break;
        }
        }
        r.sortie += "\n";
    }
    horloge::remplacer(nullptr);
    r.sortie += etatJson(p) + "\n";
    return r;
}

Reponse commandeDefi(const std::vector<std::string>& mots) {
    Arguments a(mots, {"date"});
    if (!a.erreur().empty()) return erreur(a.erreur());
    defi::Instant t = defi::maintenant();
    if (const auto texte = a.texte("date")) {
        const std::string& d = *texte;
        const bool forme = d.size() == 10 && d[4] == '-' && d[7] == '-';
        const auto annee = forme ? lireEntier(d.substr(0, 4)) : std::nullopt;
        const auto mois = forme ? lireEntier(d.substr(5, 2)) : std::nullopt;
        const auto jour = forme ? lireEntier(d.substr(8, 2)) : std::nullopt;
        const bool chiffres = forme && d.find_first_not_of("0123456789-") == std::string::npos;
        const auto instant = chiffres && annee && mois && jour
                                 ? defi::date(static_cast<int>(*annee), static_cast<int>(*mois),
                                              static_cast<int>(*jour))
                                 : std::nullopt;
        if (!instant) return erreur("--date attend une date AAAA-MM-JJ qui existe : " + d);
        t = *instant;
    }
    const int k = defi::disposition(t, static_cast<int>(dispositions::LISTE.size()));
    Reponse r;
    r.sortie = "{\"jour\":" + texteJson(defi::jour(t)) +
               ",\"graine\":" + std::to_string(defi::graine(t)) +
               ",\"disposition\":" + std::to_string(k) +
               ",\"nom\":" + texteJson(dispositions::LISTE[k].nom) + "}\n";
    return r;
}
