import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// One playable stack on the native screen. Every rule (picks, scoring,
// freeness, aids, the computer player) is asked of the engine's `Partie` and
// `Ia`; this item holds the timing, the feedback and the wiring. Its clock
// reads `montre()`, so tests drive time without sleeping: they replace the
// watch and call `battre()` themselves.
Item {
    id: jeu
    width: compact ? 192 : 384
    height: 224

    // -- set by the owner before demarrer ---------------------------------------
    property string mode: "night"
    property int etape: 0
    property var graine: 1
    property int record: 0
    property bool compact: false
    property bool avecFond: true
    property string joueur: "1P"
    property int scoreBase: 0
    property int multiplicateur: 1
    property int voile: 0
    property bool undoPermis: true
    property int tempsImpose: 0
    property var disposition: null
    property int niveauIa: -1
    property var sons: null
    property string musiqueJeu: ""
    property bool sonsCommuns: true
    // Where the effects go; tests may put a recorder (an Effets that
    // overrides what it records) in its place.
    property Effets effets: effetsObj
    readonly property alias panda: pandaObj
    readonly property alias plateau: plateauObj

    // -- state ------------------------------------------------------------------
    readonly property alias partie: partieObj
    readonly property var ia: iaObj.existe ? iaObj : null
    property int version: 0
    property var indice: null
    property int curseur: -1
    readonly property alias dernier: cadence.dernier
    property real tempsReste: 0
    property bool apercu: false
    property string phase: "attente"
    property int combo: 1
    property int derniereSeconde: -1
    // The end bonus counted so far (the summary's count).
    property alias bonusCompte: bilanObj.compte
    property bool annonceBloque: false
    property string etatFin: ""
    readonly property alias bilan: bilanObj
    property bool titreVisible: false
    property bool parfait: false

    readonly property bool urgence: partieObj.existe && tempsReste * partieObj.tempsMax < 20000
                                    && (phase === "jeu" || phase === "pause") && mode !== "demo"
    readonly property real scoreAffiche: scoreBase + partieObj.score * multiplicateur + bonusCompte
    readonly property bool humain: niveauIa < 0
    readonly property var zone: compact ? {x: 4, y: 22, largeur: 184, hauteur: 170}
                                        : {x: 8, y: 14, largeur: 368, hauteur: 182}

    signal fini(string etat, real score)
    signal paireFaite(var r)
    signal aideJouee(string nom)
    signal fumeeEnvoyee()

    // -- time -------------------------------------------------------------------
    property var montre: function () { return Date.now() }
    // Tests turn the real timer off and beat by hand.
    property bool automatique: true
    readonly property bool horlogeActive: phase === "jeu" && partieObj.existe
                                          && (partieObj.etat === Partie.Jeu || partieObj.etat === Partie.Bloque)

    // The beat and the timed sequences, on the same watch; a pause holds
    // both back. Each beat runs the steps due, then the game's frame.
    Cadence {
        id: cadence
        montre: jeu.montre
        automatique: jeu.automatique
        actif: jeu.horlogeActive
        enPause: jeu.phase === "pause"
        collecte: jeu.phase === "jeu"
        onBattement: function (maintenant) { if (jeu.horlogeActive) jeu.tic(maintenant) }
    }
    function battre() { cadence.battre() }
    function plusTard(ms, f) { cadence.plusTard(ms, f) }
    function annulerProgrammes() { cadence.annuler() }
    function repartir() { cadence.repartir() }

    Partie { id: partieObj }

    readonly property string decor: Etape.decor(etape)
    readonly property string poseRepos: Etape.poseRepos(urgence, combo, partieObj.combo)
    // The stage as the HUD and the title show it: "01" .. "12".
    readonly property string numeroEtape: Flux.chiffres(etape + 1, 2)
    // The pose the end of a stack asks for, over the resting one.
    property string poseFin: ""

    Fond {
        visible: jeu.avecFond && !jeu.compact
        mode: jeu.decor
        anime: jeu.phase !== "pause"
    }

    // Board and effects move together with the shake.
    Item {
        x: effetsObj.decalX
        y: effetsObj.decalY
        width: jeu.width
        height: jeu.height

        Plateau {
            id: plateauObj
            width: jeu.width
            height: jeu.height
            partie: partieObj
            curseur: jeu.curseur
            curseurVisible: jeu.phase === "jeu" || jeu.phase === "pause"
            indice: jeu.indice
            voile: jeu.voile
            apercu: jeu.apercu
            zone: jeu.zone
        }
        Effets { id: effetsObj; width: jeu.width }
    }

    Hud {
        compact: jeu.compact
        joueur: jeu.joueur
        score: jeu.scoreAffiche
        record: Math.max(jeu.record, jeu.scoreAffiche)
        etape: jeu.etape + 1
        libelleEtape: {
            Langue.revision
            if (jeu.mode === "rush") return Langue.t("RUSH")
            if (jeu.mode === "daily") return Langue.t("MOON")
            if (jeu.mode === "parade") return Langue.t("PARADE")
            return Langue.t("STAGE {n}", {n: jeu.numeroEtape})
        }
        hint: partieObj.hint
        mix: partieObj.mix
        temps: jeu.tempsReste
        paires: partieObj.restantes / 2
        pandaPose: jeu.urgence ? "peur" : jeu.poseRepos === "combo" ? "joie" : "attente"
        urgence: jeu.urgence
        multiplicateur: jeu.multiplicateur
    }

    Panda {
        id: pandaObj
        visible: !jeu.compact
        px: 358
        py: jeu.mode === "demo" ? 174 : 197
        pose: jeu.poseFin !== "" ? jeu.poseFin : jeu.poseRepos
    }

    TitreEtape { visible: jeu.titreVisible; numero: jeu.numeroEtape }

    Bilan {
        id: bilanObj
        cadence: cadence
        onTinte: jeu.son("bonus_temps")
        onTermine: jeu.fini("gagne", jeu.bonusCompte)
    }

    Ia { id: iaObj }
    readonly property AidesPile aides: AidesPile { jeu: jeu }
    readonly property CloturePile fin: CloturePile { jeu: jeu }

    // -- companions -------------------------------------------------------------
    function son(id) { if (sons) sons.jouer(id) }
    function poseUnique(pose) { if (!compact) pandaObj.jouer(pose) }

    // Top-left screen pixel of tile i, where effects go.
    function pos(i) {
        return plateauObj.pos(i)
    }

    function rafraichir() {
        tempsReste = partieObj.tempsMax > 0 ? partieObj.tempsMs / partieObj.tempsMax : 0
        apercu = partieObj.apercu
    }

    // -- a stack ----------------------------------------------------------------
    function demarrer(e, g, depart) {
        etape = e
        graine = g
        annulerProgrammes()
        var options = {etape: e, graine: g, undo: undoPermis}
        if (disposition !== null && disposition !== undefined)
            options.disposition = disposition
        if (tempsImpose > 0)
            options.tempsMs = tempsImpose
        var ok = partieObj.creer(options)
        // INCENSE RUSH carries the time left over, on a stick never shorter
        // than the first stack's.
        if (mode === "rush")
            partieObj.allonger(Flux.RUSH_MS)
        indice = null
        curseur = partieObj.plusProche(-1)
        cadence.repartir()
        combo = 1
        derniereSeconde = -1
        annonceBloque = false
        etatFin = ""
        poseFin = ""
        bilanObj.vider()
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
            if (mode === "rush")
                effets.logo("go", 95, 500)
            entrerEnJeu()
        } else {
            sequenceDepart()
        }
        return true
    }

    function entrerEnJeu() {
        phase = "jeu"
        cadence.repartir()
        changer()
        relancerMusique()
    }

    function sequenceDepart() {
        phase = "depart"
        var demo = mode === "demo"
        if (!compact) {
            poseUnique("saut")
            effets.poussiere(358, mode === "demo" ? 174 : 197)
        }
        titreVisible = !compact && mode !== "demo" && mode !== "rush"
        if (voile === 1)
            effets.logo("boss", 30, 1500)
        plusTard(demo ? 0 : 500, function () {
            if (!demo) {
                effets.logo("ready", 95, 900)
                if (sonsCommuns) son("voix_ready")
            }
            plusTard(demo ? 100 : 1000, function () {
                titreVisible = false
                if (!demo) {
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
            plateauObj.appui = true
            plusTard(140, function () { plateauObj.appui = false })
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
        effets.points(mx, my, "+" + r.points * multiplicateur, retour.style, true, 0)
        effets.combo(mx + 10, my + 18, r.combo, r.jumelle)
        if (!compact && r.bonusMs > 0)
            effets.points(132 + Math.round(160 * (1 - tempsReste)), 188,
                          "+" + Math.round(r.bonusMs / 1000) + "S", "jade", false, 120)
        combo = r.combo
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

    function deplacer(dx, dy) {
        if (phase !== "jeu" || curseur < 0)
            return
        var v = partieObj.voisine(curseur, dx, dy)
        if (v >= 0)
            curseur = v
    }

    // -- aids and the duel's attacks: AidesPile -------------------------------
    function aide(nom) { return aides.aide(nom) }
    function enfumer() { aides.enfumer() }
    function poussee() { aides.poussee() }

    // -- input ------------------------------------------------------------------
    function action(a) {
        if (phase === "pause") {
            if (a === "start")
                pause(false)
            return true
        }
        if (phase !== "jeu" || !humain)
            return false
        switch (a) {
        case "gauche": deplacer(-1, 0); return true
        case "droite": deplacer(1, 0); return true
        case "haut": deplacer(0, -1); return true
        case "bas": deplacer(0, 1); return true
        case "ok": prendre(curseur); return true
        case "retour":
            if (partieObj.selection < 0)
                return false
            prendre(partieObj.selection)
            return true
        case "hint": case "mix": case "peek": aide(a); return true
        case "undo":
            if (undoPermis)
                aide("undo")
            else
                son("erreur")
            return true
        case "start": pause(true); return true
        }
        return false
    }

    function tuileSous(x, y) {
        return plateauObj.placeSous(x - plateauObj.x, y - plateauObj.y)
    }

    function appui(x, y, bouton) {
        if (phase === "pause") {
            pause(false)
            return
        }
        if (phase !== "jeu" || !humain)
            return
        if (bouton === Qt.RightButton) {
            if (partieObj.selection >= 0)
                prendre(partieObj.selection)
            return
        }
        if (bouton === Qt.MiddleButton) {
            action("undo")
            return
        }
        if (y >= 196 && x < 70) {
            aide(y < 208 ? "hint" : "mix")
            return
        }
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

    // -- the frame --------------------------------------------------------------
    function tic(maintenant) {
        var dt = cadence.pas(maintenant)
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
        if (partieObj.avancer(dt)) {
            changer()
            return
        }
        if (humain)
            partieObj.travailler(2)
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

    // -- the stage's life: CloturePile ----------------------------------------
    function terminer(e) { fin.terminer(e) }
    function reprendre() { fin.reprendre() }

    // Pause freezes the timed steps too (the paw, the smoke): the beat puts
    // them off by as long as the pause lasted.
    function pause(oui) {
        if (oui && phase === "jeu") {
            phase = "pause"
            if (sons) sons.pause(true)
        } else if (!oui && phase === "pause") {
            phase = "jeu"
            if (sons) sons.pause(false)
        }
    }

    function relancerMusique() {
        if (!sons || compact || mode === "demo")
            return
        sons.assurer(urgence ? "urgence" : musiqueJeu !== "" ? musiqueJeu : sons.idEtape(etape))
    }
    onUrgenceChanged: if (phase === "jeu") relancerMusique()
}
