import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// The arcade cabinet: one 384 x 224 item holding the scene in front, the
// game in progress, the pause menu, the confirmation, the banner and the
// cabinet's own effects, on its state (EtatBorne). Every input of the game
// comes through here (the root scene turns keys into actions first).
EtatBorne {
    id: borne

    menuDePause: menuPause
    confirmationSortie: confirmation
    sceneItem: porteScene.item
    partieItem: porteJeu.item

    // What the command line asks for: a game at once, a scene, or the start card.
    function demarrer() {
        demarre = true
        if (Lancement.mode >= 0)
            flux.commencer(Lancement.mode, { etape: Lancement.etape })
        else
            aller(Lancement.scene !== "" ? Lancement.scene : "mire")
    }

    // The hidden code: OK held on the title.
    function secret() {
        if (extrasOuverts)
            return
        extrasOuverts = true
        evenement(Evenements.simple(EvenementJeu.Secret))
        son("bonus_temps")
        son("voix_combo")
        effets.etincelles(192, 60, 12, "rose", 0)
        effets.logo("perfect", 96, 1400)
    }

    function annoncer(id) { annonce.annoncer(id) }

    function etatPresence() {
        var glissant = enJeu && regle.sorte === RegleMode.Glissant ? porteJeu.item : null
        return {
            scene: scene, sorte: enJeu ? regle.motSorte : "", mode: regle.mot,
            etape: course.etape, niveauIa: course.niveauIa,
            multiplicateur: course.multiplicateur,
            // Only the sliding game has levels.
            niveau: glissant ? glissant.niveau : 0,
            pause: enPause()
        }
    }

    // -- the play flow (FluxPartie) ----------------------------------------------------
    function lancer(choix, options) { flux.lancer(choix, options) }
    function poserJeu(composant) { return flux.poserJeu(composant) }
    function abandon() { flux.abandon() }
    readonly property alias fluxPartie: flux

    // -- input routing (Routage) ---------------------------------------------------------
    function action(a, joueur) { return routage.action(a, joueur) }
    function touchePressee(a, repetee) { return routage.touchePressee(a, repetee) }
    function toucheRelachee(a, repetee) { return routage.toucheRelachee(a, repetee) }
    function toucheBrute(code) { return routage.toucheBrute(code) }
    function appui(x, y, bouton) { routage.appui(x, y, bouton) }
    function relache(x, y) { routage.relache(x, y) }
    function glisse(x, y) { routage.glisse(x, y) }
    function survol(x, y) { routage.survol(x, y) }
    function mettrePause() { routage.mettrePause() }
    function reprendre() { routage.reprendre() }
    function enPause() { return routage.enPause() }
    function phaseJeu() { return routage.phaseJeu() }
    function aideDePause(a) { routage.aideDePause(a) }
    function demanderSortie() { routage.demanderSortie() }
    function reponseSortie(oui) { routage.reponseSortie(oui) }

    Routage {
        id: routage
        borne: borne
    }

    FluxPartie {
        id: flux; z: 10
        borne: borne
        porte: porteJeu
        composants: [composantPile, fluxGlissant.composant, fluxDuel.composant]
    }
    FluxGlissant { id: fluxGlissant; objectName: "fluxGlissant"; flux: flux }
    FluxDuel { id: fluxDuel; flux: flux }

    // Trials follow the cabinet by this line: the scene (the start card is
    // the first), "pause" while the pause menu is shown, with the exit it
    // asks to confirm, and "sortie" while the title asks whether to quit.
    readonly property string trace: scene
                                    + (menuPause.visible ? " pause" + (menuPause.demande !== ""
                                                           ? " " + menuPause.demande : "") : "")
                                    + (demandeSortie ? " sortie" : "")
    onTraceChanged: console.log("TESSIMORA_SCENE " + trace)
    // The attract loop waits while the title asks whether to quit, so the
    // question never stands over the demo or another scene; answered NO,
    // the title's turn starts again.
    onDemandeSortieChanged: {
        if (demandeSortie)
            minuterieAttract.stop()
        else if (Scenes.duree(scene) > 0)
            minuterieAttract.restart()
    }

    // -- layers, bottom to top ------------------------------------------------------------
    Loader {
        id: porteJeu
        anchors.fill: parent
        visible: borne.scene === "partie" || borne.scene === "continue"
                 || borne.scene === "gameover"
    }

    PorteScene {
        id: porteScene
        anchors.fill: parent
        z: 5
        borne: borne
        flux: flux
        // A scene under the quit question stands still behind its veil.
        onLoaded: if ("couverte" in item)
                      item["couverte"] = Qt.binding(function () { return borne.demandeSortie })
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

    // Shown exactly while a game is paused; it opens on RESUME every time.
    MenuPause {
        id: menuPause
        z: 30
        visible: borne.scene === "partie" && borne.enPause()
        apercu: borne.regle.apercu
        bureau: borne.bureau
        // Two players at one keyboard get no aid from the pause menu.
        aides: borne.regle.sorte !== RegleMode.Duel || borne.course.niveauIa >= 0
        undoPermis: borne.regle.undo
        // SLIDING STALLS has no stack to search.
        trouve: borne.regle.sorte !== RegleMode.Glissant
        plateauFini: fluxDuel.plateauFini
        touches: borne.touches
        onVisibleChanged: if (visible) ouvrir()
        onReprendre: borne.reprendre()
        onAideJoueur: function (a) { borne.aideDePause(a) }
        onTitre: borne.abandon()
        onQuitter: borne.quitter()
        onSon: function (id) { borne.son(id) }
    }

    Confirmation {
        id: confirmation
        z: 40
        visible: borne.demandeSortie
        question: Langue.t("BLOW OUT ALL THE LANTERNS?")
        detail: Langue.t("SCORES AND OPTIONS ARE KEPT")
        touches: borne.touches
        onReponse: function (oui) { borne.reponseSortie(oui) }
        onSon: function (id) { borne.son(id) }
    }

    Annonce { id: annonce; objectName: "annonce"; z: 45 }
    // The cabinet's own effects, above everything.
    Effets {
        id: effets
        z: 50
        anchors.fill: parent
    }
}
