#include "parole/parole.h"

#include "borne/galerie.h"

#include <QStringList>
#include <cmath>

namespace parole {

namespace {

// Marks a catalogue key, so the key tool collects it.
constexpr const char* T(const char* s) {
    return s;
}

Morceau cle(const char* c, const QVariantMap& valeurs = {}) {
    return {QLatin1String(c), valeurs, false};
}

QVariantMap n(qint64 v) {
    return {{QStringLiteral("n"), v}};
}

Morceau face(int motif) {
    const galerie::Nom g = galerie::nom(motif);
    return {g.cle, g.valeurs, false};
}

struct Titre {
    const char* scene;
    const char* cle;
};

// What each screen is called when it opens: its title as drawn, or what the
// screen is for where it has no title of its own.
constexpr Titre TITRES[] = {
    {"mire", T("BRONTELVIK PRESENTS")},
    {"titre", T("ARCADE MAHJONG")},
    {"demo", T("DEMO PLAY")},
    {"scores", T("HIGH SCORES")},
    {"regles", T("HOW TO PLAY")},
    {"menu", T("MODE SELECT")},
    {"options", T("OPTIONS")},
    {"commandes", T("CONTROLS")},
    {"crt", T("CRT SETTINGS")},
    {"galerie", T("TILE GALLERY")},
    {"sontest", T("SOUND TEST")},
    {"salle", T("LANTERN ROOM")},
    {"succes", T("ACHIEVEMENTS")},
    {"continue", T("CONTINUE?")},
    {"gameover", T("GAME OVER")},
    {"saisie", T("NEW RECORD")},
    {"acces", T("ACCESS")},
    {"salon", T("TEA HOUSE")},
    // The pause menu is an overlay, not a scene of the cabinet, but opens like one.
    {"pause", T("PAUSE")},
};

} // namespace

Enonce scene(const QString& nom) {
    for (const Titre& t : TITRES)
        if (nom == QLatin1String(t.scene)) {
            // The title screen says the game's name first, which no catalogue translates.
            if (nom == QLatin1String("titre"))
                return {{QStringLiteral("TESSIMORA"), {}, true}, cle(t.cle)};
            return {cle(t.cle)};
        }
    return {};
}

Enonce entree(const QString& c, const QVariantMap& valeurs, const QString& valeur) {
    Enonce e;
    if (!c.isEmpty()) e.append({c, valeurs, false});
    if (!valeur.isEmpty()) e.append({valeur, {}, true});
    return e;
}

Enonce question(const QString& q, const QString& detail, bool oui) {
    Enonce e;
    for (const QString& t : {q, detail})
        if (!t.isEmpty()) e.append({t, {}, true});
    return e + reponse(oui);
}

Enonce reponse(bool oui) {
    return {cle(oui ? T("YES") : T("NO"))};
}

Enonce decompte(int n) {
    if (n < 0) return {};
    return {{QString::number(n), {}, true}};
}

Enonce tuile(int motif, bool libre, int couche) {
    if (motif < 0 || motif >= galerie::NOMBRE) return {};
    return {face(motif), cle(libre ? T("tile|FREE") : T("BLOCKED")),
            cle(T("LAYER {n}"), n(couche + 1))};
}

Enonce prise(int motif) {
    if (motif < 0 || motif >= galerie::NOMBRE) return {};
    return {face(motif), cle(T("PICKED"))};
}

Enonce paire(int motif, int combo) {
    Enonce e{cle(T("PAIR"))};
    if (motif >= 0 && motif < galerie::NOMBRE) e.append(face(motif));
    if (combo > 1) e.append(cle(T("COMBO {n}"), n(combo)));
    return e;
}

Enonce tempsRestant(int secondes) {
    return {cle(T("{n} SECONDS LEFT"), n(secondes))};
}

Enonce plusDePaires() {
    return {cle(T("NO MORE PAIRS"))};
}

Enonce fin(Fin f, qint64 score) {
    const char* quoi = f == Fin::Gagne   ? T("STAGE CLEAR")
                       : f == Fin::Temps ? T("TIME UP")
                                         : T("NO MORE PAIRS");
    return {cle(quoi), cle(T("SCORE {n}"), n(score))};
}

Enonce sommaire(int paires, int libres, int secondes) {
    Enonce e{cle(T("PAIRS LEFT {n}"), n(paires)), cle(T("FREE PAIRS {n}"), n(libres))};
    if (secondes >= 0) e.append(cle(T("{n} SECONDS LEFT"), n(secondes)));
    return e;
}

int seuil(double avantMs, double apresMs) {
    if (!std::isfinite(avantMs) || !std::isfinite(apresMs)) return 0;
    for (int s : {10, 30})
        if (avantMs > s * 1000.0 && apresMs <= s * 1000.0 && apresMs > 0) return s;
    return 0;
}

QString texte(const Enonce& e, const Traduction& tr) {
    QStringList l;
    for (const Morceau& m : e) {
        const QString t = m.brut || !tr ? m.cle : tr(m.cle, m.valeurs);
        if (!t.isEmpty()) l << t;
    }
    return l.join(QStringLiteral(", "));
}

} // namespace parole
