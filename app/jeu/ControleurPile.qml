import QtQuick 2.15
import Tessimora 1.0

// One playable stack: its state, its picks, its input and its frame. Every
// rule (picks, scoring, freeness, aids, the computer player) is asked of the
// engine's `Partie` and `Ia`, and what differs between modes of the row of
// the table of modes (`regle`). The stack's drawing (Jeu) hands it its
// board, effects, panda and summary; its aids and its end (AidesPile,
// CloturePile) work on it through what it declares here.
Controleur {
    id: pile

    // -- set by the owner before demarrer ---------------------------------------
    // A value of Mode.
    property int mode: Mode.Night
    readonly property RegleMode regle: Modes.regle(mode)
    property int etape: 0
    property var graine: 1
    property int record: 0
    property bool compact: false
    property string joueur: "1P"
    property int scoreBase: 0
    property int multiplicateur: 1
    // The clock of the next stack when the run carries it over, in ms; 0 for
    // the stage's own (or the mode's).
    property int tempsImpose: 0
    property var disposition: null
    property int niveauIa: -1
    property bool sonsCommuns: true
    // TILES CLEAR, which the cabinet gives from the settings.
    property bool claires: false

    // -- what the drawing gives it ----------------------------------------------
    property Plateau plateau: null
    property Panda panda: null
    property Bilan bilan: null

    // -- state ------------------------------------------------------------------
    readonly property alias partie: partieObj
    readonly property var ia: iaObj.existe ? iaObj : null
    readonly property bool undoPermis: regle.undo
    readonly property string musiqueJeu: regle.musique
    // The veil of the stack dealt: 0 none, 1 a boss stage's, 2 every face.
    property int voile: 0
    property int version: 0
    property var indice: null
    readonly property alias dernier: battement.dernier
    property real tempsReste: 0
    property bool apercu: false
    property int combo: 1
    property int derniereSeconde: -1
    property bool annonceBloque: false
    property string etatFin: ""
    property bool titreVisible: false
    property bool parfait: false
    // The pose the end of a stack asks for, over the resting one.
    property string poseFin: ""
    // The end bonus counted so far (the summary's count).
    readonly property real bonusCompte: bilan ? bilan.compte : 0

    humain: niveauIa < 0
    readonly property bool urgence: partieObj.existe && regle.urgence
                                    && Etape.urgence(tempsReste * partieObj.tempsMax)
                                    && (phase === "jeu" || phase === "pause")
    readonly property real scoreAffiche: Flux.scoreAffiche(scoreBase, partieObj.score,
                                                           multiplicateur, bonusCompte)
    readonly property var zone: compact ? {x: 4, y: 22, largeur: 184, hauteur: 170}
                                        : {x: 8, y: 14, largeur: 368, hauteur: 182}
    readonly property string decor: Etape.decor(etape)
    readonly property string poseRepos: Etape.poseRepos(urgence, combo, partieObj.combo)
    // The stage as the HUD and the title show it: "01" .. "12".
    readonly property string numeroEtape: Flux.chiffres(etape + 1, 2)
    readonly property string libelleEtape: {
        Langue.revision
        return Langue.t(regle.libelle, {n: numeroEtape})
    }

    signal fini(string etat, real score)
    signal paireFaite(var r)
    signal aideJouee(string nom)
    signal fumeeEnvoyee()

    // -- time -------------------------------------------------------------------
    readonly property bool horlogeActive: phase === "jeu" && partieObj.existe
                                          && (partieObj.etat === Partie.Jeu || partieObj.etat === Partie.Bloque)

    // The beat and the timed sequences, on the same watch; a pause holds
    // both back. Each beat runs the steps due, then the game's frame.
    Cadence {
        id: battement
        montre: pile.montre
        automatique: pile.automatique
        actif: pile.horlogeActive
        enPause: pile.phase === "pause"
        collecte: pile.phase === "jeu"
        onBattement: function (maintenant) { if (pile.horlogeActive) pile.tic(maintenant) }
    }
    readonly property alias cadence: battement
    function battre() { battement.battre() }
    function plusTard(ms, f) { battement.plusTard(ms, f) }
    function annulerProgrammes() { battement.annuler() }
    function repartir() { battement.repartir() }

    Partie { id: partieObj }
    Ia { id: iaObj }

    // -- companions -------------------------------------------------------------
    function poseUnique(pose) { if (!compact && panda) panda.jouer(pose) }

    // Top-left screen pixel of tile i, where effects go.
    function pos(i) { return plateau.pos(i) }

    function voisine(i, dx, dy) { return partieObj.voisine(i, dx, dy) }
    function selectionnee() { return partieObj.selection }

    function rafraichir() {
        tempsReste = partieObj.tempsMax > 0 ? partieObj.tempsMs / partieObj.tempsMax : 0
        apercu = partieObj.apercu
    }

    // -- a stack ----------------------------------------------------------------
    function demarrer(e, g, depart) {
        etape = e
        graine = g
        voile = regle.voile(e)
        annulerProgrammes()
        var options = {etape: e, graine: g, undo: undoPermis}
        if (disposition !== null && disposition !== undefined)
            options.disposition = disposition
        var temps = tempsImpose > 0 ? tempsImpose : regle.tempsMs
        if (temps > 0)
            options.tempsMs = temps
        // Without incense the time spent counts up and the aids are free.
        if (!regle.encens)
            options.sansEncens = true
        var ok = partieObj.creer(options)
        // A mode's own clock is also the shortest stick its stacks get: the
        // time carried over never makes a stack shorter than the first.
        if (regle.tempsMs > 0)
            partieObj.allonger(regle.tempsMs)
        indice = null
        curseur = partieObj.plusProche(-1)
        battement.repartir()
        combo = 1
        derniereSeconde = -1
        annonceBloque = false
        etatFin = ""
        poseFin = ""
        if (bilan) bilan.vider()
        effets.vider()
        if (niveauIa >= 0)
            iaObj.creer(niveauIa, (typeof g === "number" ? g : 0) + 17)
        else
            iaObj.vider()
        rafraichir()
        ++version
        // A stack the engine could not deal simply does not start.
        if (!ok) {
            phase = "attente"
            return false
        }
        effets.prechauffer()
        if (depart === false) {
            // The next stack on the same clock: no READY, only GO.
            effets.logo("go", 95, 500)
            entrerEnJeu()
        } else {
            sequenceDepart()
        }
        return true
    }

    function entrerEnJeu() {
        phase = "jeu"
        battement.repartir()
        changer()
        relancerMusique()
        if (humain)
            annoncerCurseur()
    }

    function sequenceDepart() {
        phase = "depart"
        if (humain)
            Parole.entree([regle.libelle, {n: numeroEtape}])
        var aussitot = regle.depart === RegleMode.Aussitot
        if (!compact) {
            poseUnique("saut")
            effets.poussiere(panda ? panda.px : 358, panda ? panda.py : 197)
        }
        titreVisible = !compact && regle.depart === RegleMode.Titre
        if (voile === 1)
            effets.logo("boss", 30, 1500)
        plusTard(aussitot ? 0 : 500, function () {
            if (!aussitot) {
                effets.logo("ready", 95, 900)
                if (sonsCommuns) son("voix_ready")
            }
            plusTard(aussitot ? 100 : 1000, function () {
                titreVisible = false
                if (!aussitot) {
                    effets.logo("go", 95, 600)
                    if (sonsCommuns) son("voix_go")
                }
                entrerEnJeu()
            })
        })
    }

    // After every change of the game.
    function changer() {
        rafraichir()
        if (curseur < 0 || !partieObj.present(curseur))
            curseur = partieObj.plusProche(curseur)
        ++version
        if (phase !== "jeu")
            return
        var e = partieObj.etat
        if (humain && (e === Partie.Gagne || e === Partie.Temps || e === Partie.Impasse))
            Parole.fin(e, partieObj.score)
        if (e === Partie.Gagne) {
            terminer("gagne")
        } else if (e === Partie.Temps) {
            terminer("temps")
        } else if (e === Partie.Impasse) {
            terminer("impasse")
        } else if (e === Partie.Bloque) {
            if (!annonceBloque) {
                annonceBloque = true
                effets.logo("no_more_pairs", 92, 1600)
                son("erreur")
                if (humain)
                    Parole.plusDePaires()
                if (humain)
                    indice = null
            }
        } else {
            annonceBloque = false
        }
    }

    // -- picks ------------------------------------------------------------------
    function prendre(i) {
        if (phase !== "jeu")
            return null
        var r = partieObj.prendre(i)
        repondre(r, i)
        return r
    }

    // `seul` leaves the change step to the caller (the AI's batch of picks).
    function repondre(r, i, seul) {
        switch (r.type) {
        case PrisePile.Prise:
            son("selection")
            if (humain)
                Parole.prise(partieObj, i)
            plateau.appui = true
            plusTard(140, function () { plateau.appui = false })
            break
        case PrisePile.Lachee:
            son("deselection")
            break
        case PrisePile.Refus:
            son("erreur")
            var a = pos(r.ancienne), b = pos(r.i)
            effets.refus(a.x, a.y)
            effets.refus(b.x, b.y)
            poseUnique("peur")
            break
        case PrisePile.Bloquee:
            if (partieObj.present(i)) {
                son("erreur")
                var q = pos(i)
                effets.refus(q.x, q.y)
            }
            return
        case PrisePile.Paire:
            retourPaire(r)
            break
        }
        if (!seul)
            changer()
    }

    function retourPaire(r) {
        var pa = pos(r.a), pb = pos(r.b)
        var retour = Etape.retourPaire(combo, r.combo, r.fever)
        effets.retrait(pa.x, pa.y, retour.couleur, 0)
        effets.retrait(pb.x, pb.y, retour.couleur, 60)
        var mx = Math.round((pa.x + pb.x) / 2) + 9, my = Math.round((pa.y + pb.y) / 2)
        effets.points(mx, my, "+" + Flux.scoreAffiche(0, r.points, multiplicateur, 0),
                      retour.style, true, 0)
        effets.combo(mx + 10, my + 18, r.combo, r.jumelle)
        if (!compact && r.bonusMs > 0)
            effets.points(132 + Math.round(160 * (1 - tempsReste)), 188,
                          "+" + Math.round(r.bonusMs / 1000) + "S", "jade", false, 120)
        combo = r.combo
        if (humain)
            Parole.paire(partieObj.motif(r.a), r.combo)
        if (sons)
            sons.paire(r.combo)
        if (retour.voix)
            son("voix_combo")
        if (retour.entreeFever) {
            effets.eclair()
            effets.secouer(mx, my)
            son("bonus_temps")
        } else if (retour.secousse) {
            effets.secouer()
        }
        poseUnique(retour.pose)
        indice = null
        paireFaite({a: r.a, b: r.b, points: r.points, combo: r.combo, jumelle: r.jumelle,
                    bonusMs: r.bonusMs, fever: r.fever, entreeFever: retour.entreeFever})
        if (retour.palier)
            fumeeEnvoyee()
    }

    // What the run reads of a stack that ended: its points, the incense left
    // and its whole length, and whether no aid was used.
    function resultat() {
        return {score: partieObj.score, tempsMs: partieObj.tempsMs, tempsMax: partieObj.tempsMax,
                parfait: partieObj.parfait === true}
    }

    // -- aids and the duel's attacks, the stack's end: the drawing's own ------
    // (AidesPile and CloturePile work on this item, so it cannot hold them.)
    function enfumer() {}
    function poussee() {}
    function terminer(e) {}

    function actionPropre(a) {
        switch (a) {
        case "hint": case "mix": case "peek": aide(a); return true
        case "undo":
            if (undoPermis)
                aide("undo")
            else
                son("erreur")
            return true
        case "trouver": case "trouverPaire":
            var t = a === "trouver" ? Recherche.suivante(partieObj, curseur)
                                    : Recherche.partenaire(partieObj, curseur)
            if (t >= 0) {
                curseur = t
                annoncerCurseur()
            } else {
                son("erreur")
            }
            return true
        case "sommaire": Parole.sommaire(partieObj); return true
        }
        return false
    }

    function annoncerCurseur() { Parole.tuile(partieObj, curseur) }

    // -- pointer ----------------------------------------------------------------
    function tuileSous(x, y) {
        return plateau.placeSous(x - plateau.x, y - plateau.y)
    }

    function appuiPlateau(x, y, bouton) {
        var i = tuileSous(x, y)
        if (i >= 0) {
            curseur = i
            prendre(i)
        } else if (partieObj.selection >= 0) {
            prendre(partieObj.selection)
        }
    }

    function survol(x, y) {
        if (phase !== "jeu" || !humain)
            return
        var i = tuileSous(x, y)
        if (i >= 0 && partieObj.libre(i))
            curseur = i
    }

    function geste(g) { action(g, 1) }

    // -- the frame --------------------------------------------------------------
    function tic(maintenant) {
        var dt = battement.pas(maintenant)
        if (ia) {
            var actions = iaObj.pas(partieObj, dt)
            for (var k = 0; k < actions.length; ++k) {
                var a = actions[k]
                if (a.mix) {
                    if (a.melange.ok) {
                        son("melange")
                        effets.tourbillon(width / 2, 100)
                    }
                } else {
                    curseur = a.prise
                    repondre(a.resultat, a.prise, true)
                }
            }
            if (actions.length > 0)
                changer()
            if (phase !== "jeu")
                return
        }
        var avant = partieObj.tempsMs
        if (partieObj.avancer(dt)) {
            changer()
            return
        }
        if (humain) {
            partieObj.travailler(2)
            Parole.temps(avant, partieObj.tempsMs)
        }
        rafraichir()
        var s = Math.ceil(partieObj.tempsMs / 1000)
        if (urgence && s !== derniereSeconde) {
            derniereSeconde = s
            if (s <= 10 && sonsCommuns)
                son("alerte")
        }
        if (combo > 1 && partieObj.comboCourant() === 1)
            combo = 1
    }

    function relancerMusique() {
        if (!sons || compact || regle.depart === RegleMode.Aussitot)
            return
        sons.assurer(urgence ? "urgence" : musiqueJeu !== "" ? musiqueJeu : sons.idEtape(etape))
    }
    onUrgenceChanged: if (phase === "jeu") relancerMusique()
}
