import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// SLIDING STALLS on the full screen: grid after grid of stalls whose rows
// rotate, until the incense burns out. Every rule (picks, links, rotations,
// MIX, the next grid's size and time, the cursor's wrapping, the drag's
// steps) is asked of the engine's `PartieGlissante`; this item holds the
// timing, the feedback and the wiring. Its clock reads `montre()`, so tests
// drive time without sleeping: they replace the watch, turn `automatique`
// off and call `battre()` themselves.
Controleur {
    id: glissant
    glisseAuMaintien: true
    curseur: 0
    effets: effetsObj

    readonly property RegleMode regle: Modes.regle(Mode.Sliding)

    // -- set by the owner -------------------------------------------------------
    // Best score of the mode's table, for the HUD.
    property real record: 0
    // TILES CLEAR.
    property bool claires: false

    // -- state ------------------------------------------------------------------
    readonly property alias partie: partieObj
    readonly property alias grille: grilleObj
    readonly property alias hud: hudObj
    property int version: 0
    // Grid number from 0: the grids cleared so far.
    property int niveau: 0
    // Score of the grids cleared before this one.
    property real scoreBase: 0
    readonly property alias dernier: cadence.dernier
    property int combo: 1
    property var indice: null
    property int aidesHint: 3
    property int aidesMix: 2
    // The row sliding back into place after a rotation, its pixel offset,
    // and when and which way the slide began.
    property int rangAnime: -1
    property int glisse: 0
    property real debutGlisse: 0
    property int sensGlisse: 0
    // A pointer press on a cell: the cell (following its row) and the x the
    // next drag step is measured from; -1 when no press lasts.
    property int appuiCase: -1
    property real appuiX: 0

    readonly property real tempsReste: partieObj.tempsMax > 0 ? partieObj.tempsMs / partieObj.tempsMax : 0
    readonly property real scoreAffiche: scoreBase + partieObj.score
    readonly property bool urgence: partieObj.existe && phase === "jeu"
                                    && Etape.urgence(partieObj.tempsMs)
    readonly property int dureeGlisse: 90

    // Only when the time has run out: etat "temps", score 0.
    signal fini(string etat, real score)

    // -- time -------------------------------------------------------------------
    readonly property bool horlogeActive: phase === "jeu" && partieObj.etat === PartieGlissante.Jeu

    // The beat and the timed steps on the same watch; a pause holds both
    // back, and the slide with them. Each beat runs the steps due, the
    // slide, then the game's clock.
    Cadence {
        id: cadence
        montre: glissant.montre
        automatique: glissant.automatique
        actif: glissant.horlogeActive || glissant.rangAnime >= 0
        enPause: glissant.phase === "pause"
        collecte: glissant.phase === "jeu"
        onBattement: function (maintenant) {
            if (glissant.rangAnime >= 0)
                glissant.suivreGlisse(maintenant)
            if (glissant.horlogeActive)
                glissant.tic(maintenant)
        }
        onReprise: function (duree) { glissant.debutGlisse += duree }
    }
    function battre() { cadence.battre() }

    PartieGlissante { id: partieObj }

    // -- drawing ----------------------------------------------------------------
    Fond {
        mode: "marche"
        anime: glissant.phase !== "pause"
    }

    // The grid and the effects move together with the shake.
    Item {
        x: effetsObj.decalX
        y: effetsObj.decalY
        width: glissant.width
        height: glissant.height

        GrilleGlissant {
            id: grilleObj
            width: glissant.width
            height: glissant.height
            partie: partieObj
            claires: glissant.claires
            curseur: glissant.curseur
            curseurVisible: glissant.phase === "depart" || glissant.phase === "jeu"
                            || glissant.phase === "pause"
            indice: glissant.indice
            rangAnime: glissant.rangAnime
            glisse: glissant.glisse
        }
        Effets { id: effetsObj; width: glissant.width }
    }

    Hud {
        id: hudObj
        score: glissant.scoreAffiche
        record: Math.max(glissant.record, glissant.scoreAffiche)
        etape: glissant.niveau + 1
        libelleEtape: { Langue.revision; return Langue.t(glissant.regle.libelle, {n: glissant.niveau + 1}) }
        hint: glissant.aidesHint
        mix: glissant.aidesMix
        temps: glissant.tempsReste
        paires: partieObj.restantes / 2
        pandaPose: glissant.urgence ? "peur" : glissant.combo >= 3 ? "joie" : "attente"
        urgence: glissant.urgence
        miniPanda: true
    }

    // -- companions -------------------------------------------------------------
    function musique() { if (sons) sons.jouerMusique(regle.musique) }

    // Top-left of cell i's tile image on screen, where effects go.
    function pos(i) { return grilleObj.pos(i) }

    function voisine(i, dx, dy) { return partieObj.voisine(i, dx, dy) }
    function selectionnee() { return partieObj.selection }

    function rangDe(i) { return Math.floor(i / Math.max(1, partieObj.largeur)) }

    // -- a grid -----------------------------------------------------------------
    // The next grid of the run (or the first); false, with nothing started,
    // when no grid could be dealt.
    function demarrer(graine) {
        cadence.annuler()
        var reste = niveau > 0 && partieObj.existe ? partieObj.tempsMs : -1
        var ok = partieObj.creerNiveau(niveau, graine, reste)
        aidesHint = 3
        aidesMix = 2
        indice = null
        curseur = Math.max(0, partieObj.premiere())
        combo = 1
        cadence.repartir()
        rangAnime = -1
        glisse = 0
        appuiCase = -1
        effetsObj.vider()
        ++version
        if (!ok) {
            phase = "attente"
            return false
        }
        effetsObj.prechauffer()
        musique()
        sequenceDepart()
        return true
    }

    function sequenceDepart() {
        phase = "depart"
        effetsObj.logo("ready", 95, 900)
        son("voix_ready")
        cadence.plusTard(1000, function () {
            effetsObj.logo("go", 95, 600)
            son("voix_go")
            phase = "jeu"
            cadence.repartir()
        })
    }

    // -- picks ------------------------------------------------------------------
    function prendre(i) {
        if (phase !== "jeu")
            return null
        var r = partieObj.prendre(i)
        switch (r.type) {
        case PriseGlissante.Prise:
            son("selection")
            grilleObj.appui = true
            cadence.plusTard(140, function () { grilleObj.appui = false })
            break
        case PriseGlissante.Lachee:
            son("deselection")
            break
        case PriseGlissante.Vide:
            son("erreur")
            break
        case PriseGlissante.Refus:
            son("erreur")
            var q = pos(r.i)
            effetsObj.refus(q.x, q.y)
            break
        case PriseGlissante.Paire:
            retourPaire(r)
            break
        }
        ++version
        if (partieObj.etat === PartieGlissante.Gagne)
            terminer("gagne")
        return r
    }

    function retourPaire(r) {
        var pa = pos(r.a), pb = pos(r.b)
        var retour = Etape.retourGlissant(r.combo)
        effetsObj.retrait(pa.x, pa.y, retour.couleur, 0)
        effetsObj.retrait(pb.x, pb.y, retour.couleur, 60)
        var mx = Math.round((pa.x + pb.x) / 2) + 9, my = Math.round((pa.y + pb.y) / 2)
        effetsObj.points(mx, my, "+" + r.points, "or", true, 0)
        effetsObj.combo(mx + 10, my + 18, r.combo, false)
        combo = r.combo
        if (sons)
            sons.paire(r.combo)
        if (retour.voix)
            son("voix_combo")
        if (retour.secousse)
            effetsObj.secouer()
        indice = null
    }

    // -- rotations ----------------------------------------------------------------
    // The cursor's row, one cell left (-1) or right (+1).
    function glisser(sens) {
        return phase === "jeu" && glisserRang(rangDe(curseur), sens)
    }

    function glisserRang(r, sens) {
        if (phase !== "jeu" || !partieObj.glisserRang(r, sens))
            return false
        if (rangDe(curseur) === r)
            curseur = partieObj.voisine(curseur, sens, 0)
        // Drawn where it was, then slid back into place.
        rangAnime = r
        sensGlisse = sens
        debutGlisse = montre()
        glisse = -sens * partieObj.pasX
        son("deselection")
        var q = pos(curseur)
        effetsObj.poser({nom: "tuiles_glisse", x: q.x, y: q.y, vie: 200, fondu: true, z: 5})
        indice = null
        ++version
        if (partieObj.etat === PartieGlissante.Temps)
            terminer("temps")
        return true
    }

    function suivreGlisse(maintenant) {
        var e = maintenant - debutGlisse
        if (e >= dureeGlisse) {
            glisse = 0
            rangAnime = -1
        } else {
            glisse = Math.round(-sensGlisse * partieObj.pasX * (1 - e / dureeGlisse))
        }
    }

    // -- aids -------------------------------------------------------------------
    function aide(nom) {
        if (phase !== "jeu")
            return false
        var fait = false
        if (nom === "hint") {
            var l = aidesHint > 0 ? partieObj.paires() : []
            if (l.length > 0) {
                aidesHint -= 1
                indice = l[0]
                curseur = l[0][0]
                son("indice")
                fait = true
            }
        } else if (nom === "mix") {
            // A MIX costs no time in this mode.
            if (aidesMix > 0 && partieObj.melanger()) {
                aidesMix -= 1
                indice = null
                son("melange")
                effetsObj.tourbillon(192, 100)
                curseur = Math.max(0, partieObj.premiere())
                fait = true
            }
        } else {
            return false
        }
        if (!fait)
            son("erreur")
        ++version
        return fait
    }

    // -- input ------------------------------------------------------------------
    function actionPropre(a) {
        switch (a) {
        case "glisseG": glisser(-1); return true
        case "glisseD": glisser(1); return true
        case "hint": case "mix": aide(a); return true
        }
        return false
    }

    function appuiPlateau(x, y, bouton) {
        var i = partieObj.caseSous(x, y)
        appuiCase = i
        appuiX = x
        if (i < 0)
            return
        curseur = i
        if (!partieObj.vide(i))
            prendre(i)
    }

    // A press that began on a cell drags its row: one rotation for every
    // cell the pointer crosses sideways, each paid in time.
    function deplacePointeur(x, y) {
        while (appuiCase >= 0 && phase === "jeu") {
            var sens = partieObj.pasGlisse(x - appuiX)
            if (sens === 0 || !glisserRang(rangDe(appuiCase), sens))
                return
            appuiX += sens * partieObj.pasX
            appuiCase = partieObj.voisine(appuiCase, sens, 0)
        }
    }

    function relache() { appuiCase = -1 }

    // -- the frame --------------------------------------------------------------
    function tic(maintenant) {
        var dt = cadence.pas(maintenant)
        if (partieObj.avancer(dt)) {
            ++version
            terminer("temps")
            return
        }
        if (combo > 1 && partieObj.comboCourant() === 1)
            combo = 1
    }

    // -- the run's life ---------------------------------------------------------
    function terminer(etat) {
        phase = "fin"
        cadence.annuler()
        effetsObj.vider()
        appuiCase = -1
        if (etat === "gagne") {
            effetsObj.logo("all_clear", 84, 1600)
            son("bonus_temps")
            cadence.plusTard(1700, function () {
                scoreBase += partieObj.score
                niveau += 1
                // A run cannot go on without a grid: it ends as if the time
                // had run out, and the cabinet, seeing no grid, ends the game.
                if (!demarrer(partieObj.graineSuivante(niveau)))
                    terminer("temps")
            })
            return
        }
        if (sons)
            sons.arreterMusique()
        effetsObj.logo("time_up", 84, 2400)
        son("voix_time_up")
        cadence.plusTard(2600, function () { fini("temps", 0) })
    }

    // After a continue: the same grid with the time refilled, its score and
    // the earlier grids' score starting again from zero.
    function reprendre() {
        cadence.annuler()
        effetsObj.vider()
        scoreBase = 0
        if (!partieObj.reprendre()) {
            if (demarrer(partieObj.graineSuivante(niveau) + 1))
                return true
            // Never left waiting on an empty screen: the run ends again.
            terminer("temps")
            return false
        }
        combo = 1
        indice = null
        cadence.repartir()
        appuiCase = -1
        ++version
        musique()
        sequenceDepart()
        return true
    }

    // A pause ends the drag in progress.
    onPhaseChanged: if (phase === "pause") appuiCase = -1
}
