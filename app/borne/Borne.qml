import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// The arcade cabinet: one 384 x 224 item holding the scene in front, the
// credits, the attract loop and the game in progress. Every input of the
// game comes through here (the root scene turns keys into actions first).
Item {
    id: borne
    width: 384
    height: 224

    // -- set by the root scene ------------------------------------------------
    property var memoire: null
    property var sons: null
    property string modeEcran: "entier"
    property var couche: null
    property string plateforme: "linux"
    property bool tele: false

    // -- the cabinet's own state ------------------------------------------------
    property string scene: "mire"
    property int credits: 0
    readonly property bool freePlay: !(memoire && memoire.reglages && memoire.reglages.jeu)
                                     || memoire.reglages.jeu.freePlay === true
    readonly property bool peutJouer: freePlay || credits > 0
    property bool extrasOuverts: false
    property string sorte: ""
    property string mode: "night"
    property int etape: 0
    property int continues: 0
    property int scoreTotal: 0
    property int multiplicateur: 1
    property int graine: 1
    property int graineScene: 1
    property string jour: ""
    property bool classe: true
    property int niveauIa: 1
    property string table: "night"
    property int scoreFinal: 0
    property int etapeFinale: 0
    property int neuf: -1
    property int tablesVues: 0
    property int etapesPartie: 0
    property bool retourCommandes: false
    readonly property bool bureau: plateforme === "linux" || plateforme === "macos"
    property string appareil: Commandes.appareilDe(plateforme, tele)
    readonly property var persoTouches: memoire && memoire.reglages && memoire.reglages.touches
                                        ? memoire.reglages.touches : ({})
    property int versionTouches: 0
    readonly property string familleManette: couche && typeof couche.manette === "string"
                                             ? couche.manette : ""
    readonly property var touches: {
        versionTouches
        Langue.revision
        return Commandes.etiquettes(appareil, plateforme, Langue.t)
    }
    property bool demandeSortie: false
    property bool okTenu: false
    property bool okGlisse: false
    property real appuiT: 0
    property real appuiX: 0
    property real appuiY: 0

    // For automated drivers.
    readonly property var menuDePause: null
    readonly property var sceneItem: porteScene.item
    readonly property var partieItem: porteJeu.item
    readonly property alias minuterieAttract: attract
    readonly property alias minuterieMaintien: maintien
    readonly property alias minuterieLongue: longue

    signal quitter()

    // -- the scene table ----------------------------------------------------------
    readonly property var durees: ({ mire: 1000, titre: 8000, demo: 30000, scores: 6000,
                                     regles: 8000 })
    readonly property var avecMusiqueTitre: ["titre", "demo", "scores", "regles", "menu",
                                              "options", "commandes", "crt", "galerie", "succes"]
    readonly property var fichiers: ({
        mire: "SceneMire.qml", titre: "SceneTitre.qml", demo: "SceneDemo.qml",
        regles: "SceneRegles.qml", salle: "SceneSalle.qml",
        scores: "SceneProvisoire.qml", menu: "SceneProvisoire.qml",
        options: "SceneProvisoire.qml", commandes: "SceneProvisoire.qml",
        crt: "SceneProvisoire.qml", galerie: "SceneProvisoire.qml",
        succes: "SceneProvisoire.qml", sontest: "SceneProvisoire.qml",
        continue: "SceneProvisoire.qml", saisie: "SceneProvisoire.qml"
    })
    readonly property var scenesDuMenu: ["options", "crt", "galerie", "sontest", "succes"]
    // The five tables the attract loop shows in turn (never paper nor parade).
    readonly property int tablesAttract: 5
    property bool demarre: false

    // -- small services -------------------------------------------------------------
    function son(id) { if (sons) sons.jouer(id) }
    function musique(id) { if (sons) sons.jouerMusique(id) }
    function evenement(ev) { if (couche && typeof couche.evenement === "function") couche.evenement(ev) }

    // The rest of the first "--nom=" argument, or "".
    function argument(nom) {
        var debut = "--" + nom + "="
        var args = Qt.application.arguments
        for (var i = 0; i < args.length; ++i)
            if (args[i].indexOf(debut) === 0)
                return args[i].substring(debut.length)
        return ""
    }

    // Seeds for the demo and the duel: different on every run, on purpose.
    function nouvelleGraine() {
        var g = (graine * 1103515245 + Date.now()) % 2147483647
        if (g < 0)
            g += 2147483647
        graine = g
        return graine % 1000000 + 1
    }

    // -- scenes --------------------------------------------------------------------------
    function demarrer() {
        demarre = true
        var s = argument("scene")
        if (s === "partie" || s === "duel" || s === "glissant") {
            var defaut = s === "duel" ? "duel" : s === "glissant" ? "sliding" : "night"
            var m = argument("mode")
            lancer(m !== "" ? m : defaut, { etape: Number(argument("etape")) || 0, ia: 1 })
        } else if (s !== "") {
            aller(s)
        } else {
            aller("mire")
        }
    }

    function aller(s) {
        attract.stop()
        scene = s
        graineScene = nouvelleGraine()
        if (durees[s]) {
            attract.interval = durees[s]
            attract.start()
        }
        if (avecMusiqueTitre.indexOf(s) >= 0)
            musique("titre")
        if (["titre", "menu", "regles", "demo", "mire"].indexOf(s) >= 0)
            sorte = ""
    }

    function suiteAttract() {
        switch (scene) {
        case "mire":
        case "regles":
            aller("titre")
            break
        case "titre":
            aller("demo")
            break
        case "demo":
            table = Stockage.MODES[tablesVues % tablesAttract]
            tablesVues += 1
            neuf = -1
            aller("scores")
            break
        case "scores":
            aller(sorte === "" ? "regles" : "titre")
            break
        }
    }

    // Starts a game (from MODE SELECT and the direct start).
    function lancer(m, options) {
        options = options || {}
        if (m === "options") {
            aller("options")
            return
        }
        if (m === "extras") {
            evenement({ type: "scene", nom: options.extra })
            aller(options.extra)
            if (options.extra === "salle")
                musique("victoire")
            return
        }
        if (!freePlay) {
            if (credits <= 0) {
                son("erreur")
                aller("titre")
                return
            }
            credits -= 1
        }
        mode = m
        continues = 0
        etapesPartie = 0
        scoreTotal = 0
        etapeFinale = 0
        multiplicateur = 1
        etape = options.etape || 0
        classe = true
        if (m === "duel") {
            sorte = "duel"
            niveauIa = options.ia !== undefined ? options.ia
                     : (memoire && memoire.reglages ? memoire.reglages.jeu.niveauIa : 1)
            table = "duel"
        } else if (m === "sliding") {
            sorte = "glissant"
            table = "sliding"
        } else {
            sorte = "pile"
            table = m
        }
        graineScene = nouvelleGraine()
        scene = "partie"
        attract.stop()
        // Only the stack controller exists yet; the duel and the sliding
        // stalls leave the holder empty, where Back is still taken.
        if (sorte === "pile") {
            var jeu = poserJeu(composantJeu)
            if (jeu)
                departPile(jeu)
        } else {
            poserJeu(null)
        }
    }

    function meilleurDe(t) {
        return memoire && memoire.scores ? Stockage.meilleur(memoire.scores, t) : 0
    }

    function departPile(jeu) {
        jeu.mode = mode
        jeu.scoreBase = 0
        jeu.multiplicateur = 1
        jeu.record = meilleurDe(table)
        jeu.voile = mode === "paper" ? 2 : 0
        jeu.undoPermis = mode !== "daily"
        jeu.tempsImpose = 0
        jeu.disposition = null
        jeu.musiqueJeu = mode === "daily" ? "jeu2" : mode === "rush" ? "jeu4" : ""
        var pilote = argument("pilote")
        jeu.niveauIa = pilote !== "" && !isNaN(Number(pilote)) ? Number(pilote) : -1
        if (mode === "daily") {
            var t = Defi.maintenant()
            jour = Defi.jour(t)
            classe = !(memoire && memoire.progression && memoire.progression.defiClasse === jour)
            jeu.disposition = Defi.disposition(t)
            jeu.demarrer(0, Defi.graine(t), true)
            jeu.relancerMusique()
        } else if (mode === "rush") {
            jeu.tempsImpose = 90000
            var e = nouvelleGraine() % 12
            jeu.demarrer(e, nouvelleGraine(), true)
            jeu.relancerMusique()
        } else {
            demarrerEtape()
        }
    }

    function demarrerEtape() {
        var jeu = porteJeu.item
        if (!jeu)
            return
        jeu.voile = mode === "paper" ? 2 : etape % 4 === 3 ? 1 : 0
        jeu.scoreBase = scoreTotal
        jeu.demarrer(etape, nouvelleGraine(), true)
        jeu.relancerMusique()
    }

    // The end of a stack. Stages follow one another; CONTINUE?, GAME OVER and
    // the record entry arrive with the rest of the play flow: until then a
    // lost game returns to the title.
    function finPile(etat, bonus) {
        var jeu = porteJeu.item
        if (!jeu)
            return
        var score = jeu.partie ? jeu.partie.score : 0
        if (mode === "rush" && etat !== "temps") {
            scoreTotal += score * multiplicateur
            if (etat === "gagne")
                multiplicateur += 1
            jeu.scoreBase = scoreTotal
            jeu.multiplicateur = multiplicateur
            jeu.tempsImpose = (jeu.partie ? jeu.partie.tempsMs : 0) + (etat === "gagne" ? 15000 : 0)
            var e = nouvelleGraine() % 12
            jeu.demarrer(e, nouvelleGraine(), false)
            return
        }
        if (etat === "gagne" && mode !== "rush" && mode !== "daily") {
            scoreTotal += score + bonus
            etape += 1
            etapesPartie += 1
            if (etape < 12) {
                demarrerEtape()
                return
            }
            etapeFinale = 12
            scoreFinal = scoreTotal
            musique("victoire")
            aller("salle")
            return
        }
        scoreTotal += score + (etat === "gagne" ? bonus : 0)
        scoreFinal = scoreTotal
        etapeFinale = etape + 1
        poserJeu(null)
        sorte = ""
        aller("titre")
    }

    // Puts a game item in the game holder (the play flow's controllers, or a
    // stand-in in tests); null empties it.
    function poserJeu(composant) {
        porteJeu.sourceComponent = composant
        return porteJeu.item
    }

    function abandon() {
        poserJeu(null)
        sorte = ""
        aller("titre")
    }

    function finSalle() { aller(sorte === "" ? "menu" : "titre") }

    function piece() {
        credits = Math.min(9, credits + 1)
        son("credit")
        if (["demo", "scores", "regles", "mire"].indexOf(scene) >= 0)
            aller("titre")
    }

    // The hidden code: OK held on the title.
    function secret() {
        if (extrasOuverts)
            return
        extrasOuverts = true
        evenement({ type: "secret" })
        son("bonus_temps")
        son("voix_combo")
        effets.etincelles(192, 60, 12, "rose", 0)
        effets.logo("perfect", 96, 1400)
    }

    function annoncer(id) {}

    function etatPresence() {
        var jeu = porteJeu.item
        return {
            scene: scene, sorte: sorte, mode: mode, etape: etape, niveauIa: niveauIa,
            multiplicateur: multiplicateur,
            niveau: jeu && typeof jeu.niveau === "number" ? jeu.niveau : 0,
            pause: enPause()
        }
    }

    // -- input routing ------------------------------------------------------------------
    function phaseJeu() {
        var jeu = porteJeu.item
        return jeu && typeof jeu.phase === "string" ? jeu.phase : ""
    }

    function enPause() { return porteJeu.item !== null && phaseJeu() === "pause" }

    function versJeu(a, joueur) {
        var jeu = porteJeu.item
        if (!jeu || typeof jeu.action !== "function")
            return false
        return jeu.action(a, joueur) === true
    }

    function mettrePause() { if (phaseJeu() === "jeu") versJeu("start", 0) }
    function reprendre() { if (phaseJeu() === "pause") versJeu("start", 0) }

    function aideDePause(a) {
        reprendre()
        versJeu(a, 1)
    }

    function demanderSortie() {
        demandeSortie = true
        confirmation.ouvrir()
    }

    function reponseSortie(oui) {
        demandeSortie = false
        if (oui)
            quitter()
    }

    function action(a, joueur) {
        if (joueur === undefined)
            joueur = 1
        if (demandeSortie)
            return confirmation.action(a) || true
        if (a === "piece") {
            piece()
            return true
        }
        if (a === "ok" && !peutJouer && (scene === "titre" || scene === "continue")) {
            piece()
            return true
        }
        if (scene === "mire")
            return true
        if (scene === "demo" || scene === "scores" || scene === "regles") {
            aller("titre")
            return true
        }
        if (scene === "titre") {
            if (a === "retour") {
                if (!bureau)
                    return false
                demanderSortie()
                return true
            }
            if (a === "ok" || a === "start") {
                if (!peutJouer) {
                    son("erreur")
                } else {
                    son("depart")
                    aller("menu")
                }
                return true
            }
            return false
        }
        if (scene === "partie") {
            var jeu = porteJeu.item
            if (!jeu)
                return a === "retour"
            var pris
            if (sorte === "duel") {
                if (a === "retour" && joueur === 0)
                    pris = false
                else
                    pris = versJeu(a, joueur === 0 ? 1 : joueur)
            } else {
                pris = versJeu(a)
            }
            if (a === "retour" && !pris)
                mettrePause()
            return pris || a === "retour"
        }
        var item = porteScene.item
        var prise = item && typeof item.action === "function" ? item.action(a) === true : false
        return prise || a === "retour"
    }

    function touchePressee(a, repetee) {
        if (scene === "titre" && !demandeSortie && (a === "ok" || a === "start") && peutJouer) {
            if (!repetee && !maintien.running)
                maintien.start()
            return true
        }
        if ((scene === "partie" || scene === "titre") && repetee && !Commandes.direction(a))
            return true
        if (scene === "partie" && sorte === "glissant" && !enPause()) {
            if (a === "ok") {
                if (okGlisse)
                    return true
                okTenu = true
            } else if (okTenu && appareil === "telecommande" && (a === "gauche" || a === "droite")) {
                okGlisse = true
                return action(a === "gauche" ? "glisseG" : "glisseD", 1)
            }
        }
        return action(a, 1)
    }

    function toucheRelachee(a, repetee) {
        if (a === "ok" && !repetee) {
            okTenu = false
            okGlisse = false
        }
        if (scene === "titre" && a === "retour" && !bureau && !demandeSortie)
            return false
        if (scene === "titre" && !repetee && (a === "ok" || a === "start") && maintien.running) {
            maintien.stop()
            return action(a, 1)
        }
        return true
    }

    function toucheBrute(code) {
        var a = Commandes.appareil(code, plateforme, appareil)
        if (a !== "")
            appareil = a
        var item = porteScene.item
        if (scene === "commandes" && item && typeof item.capturer === "function")
            return item.capturer(code) === true
        return false
    }

    function appui(x, y, bouton) {
        appuiT = Date.now()
        appuiX = x
        appuiY = y
        if (demandeSortie) {
            confirmation.appui(x, y)
            return
        }
        if (bouton === Qt.RightButton && scene !== "partie") {
            action("retour", 1)
            return
        }
        if (scene === "titre" && bureau && y >= 206 && x < 80) {
            demanderSortie()
            return
        }
        var jeu = porteJeu.item
        if (scene === "partie" && enPause()) {
            if (menuDePause)
                menuDePause.appui(x, y)
            return
        }
        if (scene === "partie" && y < 12 && phaseJeu() === "jeu") {
            mettrePause()
            return
        }
        if (scene === "titre") {
            longue.restart()
            return
        }
        if (scene === "demo" || scene === "scores" || scene === "regles") {
            aller("titre")
            return
        }
        if (scene === "partie") {
            if (jeu && typeof jeu.appui === "function")
                jeu.appui(x, y, bouton)
            return
        }
        var item = porteScene.item
        if (item && typeof item.appui === "function")
            item.appui(x, y)
    }

    function relache(x, y) {
        if (demandeSortie)
            return
        if (scene === "titre" && longue.running) {
            longue.stop()
            action("ok", 1)
            return
        }
        var jeu = porteJeu.item
        if (scene !== "partie" || !jeu)
            return
        if (sorte === "glissant") {
            if (typeof jeu.relache === "function")
                jeu.relache()
            return
        }
        var g = Commandes.geste(x - appuiX, y - appuiY, Date.now() - appuiT)
        if (g !== "" && sorte === "pile")
            versJeu(g)
    }

    function glisse(x, y) {
        var jeu = porteJeu.item
        if (scene === "partie" && sorte === "glissant" && jeu
                && typeof jeu.deplacePointeur === "function")
            jeu.deplacePointeur(x, y)
    }

    function survol(x, y) {
        var jeu = porteJeu.item
        if (scene === "partie" && jeu && typeof jeu.survol === "function")
            jeu.survol(x, y)
    }

    // -- key tables ---------------------------------------------------------------------
    onPersoTouchesChanged: {
        Commandes.regler(persoTouches)
        versionTouches += 1
    }
    onFamilleManetteChanged: {
        Commandes.choisirFamille(familleManette)
        versionTouches += 1
    }
    onPlateformeChanged: appareil = Commandes.appareilDe(plateforme, tele)
    onTeleChanged: appareil = Commandes.appareilDe(plateforme, tele)
    Component.onCompleted: {
        Commandes.regler(persoTouches)
        if (familleManette !== "")
            Commandes.choisirFamille(familleManette)
        versionTouches += 1
    }

    // -- timers ---------------------------------------------------------------------------
    Timer {
        id: attract
        onTriggered: borne.suiteAttract()
    }
    // Held long enough, OK on the title opens the hidden extras.
    Timer {
        id: maintien
        interval: Succes.MAINTIEN_RIDEAU_MS
        onTriggered: borne.secret()
    }
    // PANDA PARADE: the panda pushes tiles every 20 s of play.
    Timer {
        id: parade
        interval: 20000
        repeat: true
        running: borne.scene === "partie" && borne.mode === "parade" && borne.sorte === "pile"
                 && borne.phaseJeu() === "jeu"
        onTriggered: if (porteJeu.item) porteJeu.item.poussee()
    }
    // A long press on the title inserts a coin.
    Timer {
        id: longue
        interval: 1200
        onTriggered: borne.piece()
    }

    // -- layers, bottom to top ------------------------------------------------------------
    Component {
        id: composantJeu
        Jeu {
            sons: borne.sons
            onFini: borne.finPile(etat, score)
            onPaireFaite: borne.evenement({ type: "paire", combo: r.combo, jumelle: r.jumelle,
                                           fever: r.entreeFever === true })
            onAideJouee: borne.evenement({ type: "aide", nom: nom })
        }
    }

    Loader {
        id: porteJeu
        anchors.fill: parent
        visible: borne.scene === "partie" || borne.scene === "continue"
                 || borne.scene === "gameover"
    }

    Loader {
        id: porteScene
        anchors.fill: parent
        z: 5
        source: borne.demarre && borne.fichiers[borne.scene] ? borne.fichiers[borne.scene] : ""
        onLoaded: borne.lierScene(item)
    }

    Connections {
        target: porteScene.item
        ignoreUnknownSignals: true
        function onSortie() { borne.sortieScene() }
        function onSon(id) { borne.son(id) }
        function onChoisi(m, options) { borne.lancer(m, options) }
        function onChange(r) { if (borne.memoire) borne.memoire.reglages = r }
        function onCommandes() { borne.aller("commandes") }
    }

    Texte {
        z: 20
        x: 70
        y: 3
        visible: borne.scene === "partie" && borne.appareil === "tactile"
                 && borne.phaseJeu() === "jeu"
        texte: "\u23F8"
        style: "or"
    }

    Confirmation {
        id: confirmation
        z: 40
        question: "BLOW OUT ALL THE LANTERNS?"
        detail: "SCORES AND OPTIONS ARE KEPT"
        touches: borne.touches
        onReponse: borne.reponseSortie(choix)
    }

    // The cabinet's own effects, above everything.
    Effets {
        id: effets
        z: 50
        anchors.fill: parent
    }

    // Gives the scene in front its inputs, kept up to date.
    function lierScene(item) {
        function lier(nom, f) { if (nom in item) item[nom] = Qt.binding(f) }
        lier("nom", function () { return borne.scene })
        lier("credits", function () { return borne.credits })
        lier("freePlay", function () { return borne.freePlay })
        lier("bureau", function () { return borne.bureau })
        lier("touches", function () { return borne.touches })
        lier("graine", function () { return borne.graineScene })
        lier("score", function () { return borne.sorte === "pile" ? borne.scoreFinal : 0 })
        lier("record", function () {
            return borne.memoire && borne.memoire.scores
                    ? Stockage.meilleur(borne.memoire.scores, "night") : 0
        })
        if (borne.scene === "scores") {
            lier("mode", function () { return borne.table })
            lier("table", function () {
                return borne.memoire && borne.memoire.scores ? borne.memoire.scores[borne.table] : []
            })
            lier("neuf", function () { return borne.neuf })
        }
    }

    function sortieScene() {
        var s = scene
        if (s === "options" || s === "crt") {
            if (memoire) memoire.garderReglages()
            aller("menu")
        } else if (s === "commandes") {
            if (memoire) memoire.garderReglages()
            retourCommandes = true
            aller("options")
            retourCommandes = false
        } else if (s === "sontest") {
            if (sons) sons.arreterMusique()
            aller("menu")
        } else if (s === "salle") {
            finSalle()
        } else if (scenesDuMenu.indexOf(s) >= 0) {
            aller("menu")
        } else if (s === "menu") {
            aller("titre")
        }
    }
}
