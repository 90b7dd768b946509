import QtQuick 2.15
import Tessimora 1.0

// The holder of the full-screen scene in front: it makes the scene's item
// when the cabinet enters it (so a scene always starts afresh), gives it its
// inputs, kept up to date, and hands its signals to the cabinet.
Loader {
    id: porte

    property EtatBorne borne: null
    // The play flow, which the end scenes answer.
    property FluxPartie flux: null

    // The scene's file (none for the game's own layers); an unknown scene
    // is reported on standard error and leaves the holder empty.
    source: borne && borne.demarre ? Scenes.fichier(borne.scene) : ""
    // SPEECH says the title of each scene that opens, with the entry under
    // its cursor, then each entry the cursor reaches (`annonce`).
    onLoaded: {
        // The inputs given to a new scene move its cursor's entry too: that
        // is said with the title, not before it.
        annonceOuverte = false
        lier(item)
        Parole.scene(borne.scene, annonce())
        annonceOuverte = true
    }
    property bool annonceOuverte: false
    // The entry under the scene's cursor as it announces it, [] when it has none.
    function annonce() { return item && "annonce" in item ? item["annonce"] : [] }
    // A scene whose file does not load would leave a blank screen with no
    // way on: say so on standard error, naming the scene.
    onStatusChanged: {
        if (status === Loader.Error)
            console.error("tessimora: the scene \"" + borne.scene + "\" has no loadable file " + source)
    }

    // Binds each input the scene declares to the cabinet's state.
    function lier(item) {
        var b = borne
        function lien(nom, f) { if (nom in item) item[nom] = Qt.binding(f) }
        lien("nom", function () { return b.scene })
        lien("credits", function () { return b.credits })
        lien("freePlay", function () { return b.freePlay })
        lien("bureau", function () { return b.bureau })
        lien("touches", function () { return b.touches })
        lien("progression", function () { return b.memoire ? b.memoire.progression : null })
        lien("extrasOuverts", function () { return b.extrasOuverts })
        lien("deuxJoueurs", function () { return b.systeme !== "freebox" })
        lien("graine", function () { return b.graineScene })
        // The room shows a twelve-stage game's score; the record entry any game's.
        lien("score", function () {
            return b.scene === "saisie" || (b.enJeu && b.regle.sorte === RegleMode.Pile)
                    ? b.course.scoreFinal : 0
        })
        lien("etape", function () { return b.course.etapeFinale })
        lien("initiales", function () {
            return b.memoire && b.memoire.reglages ? b.memoire.reglages.jeu.initiales : "PND"
        })
        lien("record", function () {
            return b.memoire && b.memoire.scores ? Stockage.meilleur(b.memoire.scores, Modes.regle(Mode.Night).table) : 0
        })
        // Only the sound test is given the player: the demo must stay silent.
        if (b.scene === "sontest")
            lien("sons", function () { return b.sons })
        if (b.scene === "succes")
            lien("etat", function () { return b.memoire ? b.memoire.succes : null })
        lien("reglages", function () { return b.memoire ? b.memoire.reglages : null })
        lien("crtSeul", function () { return b.scene === "crt" })
        lien("modeEcran", function () { return b.modeEcran })
        lien("systeme", function () { return b.systeme })
        lien("tuilesClaires", function () { return b.tuilesClaires })
        // CONTROLS opens on the device in use; from then on the player picks.
        if (b.scene === "commandes")
            item.appareil = Math.max(0, Commandes.appareils(b.systeme).indexOf(b.appareil))
        // OPTIONS reopened from CONTROLS starts on its CONTROLS line.
        if (b.scene === "options" && b.retourCommandes)
            item.choix = item.lignes.length - 1
        // TEA HOUSE's list and the end of one of its stacks.
        if (b.scene === "salon") {
            lien("piles", function () { return porte.flux.piles })
            lien("salon", function () { return b.memoire ? b.memoire.salon : null })
            // Back from a stack, the cursor is on it again.
            var e = porte.flux.pileChoisie
            if (e)
                item.choix = Math.max(0, porte.flux.piles.indice(e.nom, e.empreinte))
        }
        if (b.scene === "bilan") {
            lien("bilan", function () { return porte.flux.bilanSalon })
            lien("titrePile", function () { return porte.flux.pileChoisie ? porte.flux.pileChoisie.nom : "" })
        }
        if (b.scene === "scores") {
            lien("mode", function () { return b.boucle.table })
            lien("table", function () {
                return b.memoire && b.memoire.scores ? b.memoire.scores[b.boucle.table] : []
            })
            lien("neuf", function () { return b.neuf })
        }
    }

    // Where each scene's `sortie` leads.
    function sortieScene() {
        var b = borne
        var s = b.scene
        if (s === "options" || s === "crt") {
            if (b.memoire) b.memoire.garderReglages()
            b.aller("menu")
        } else if (s === "commandes") {
            if (b.memoire) b.memoire.garderReglages()
            b.retourCommandes = true
            b.aller("options")
            b.retourCommandes = false
        } else if (s === "sontest") {
            if (b.sons) b.sons.arreterMusique()
            b.aller("menu")
        } else if (s === "salle") {
            porte.flux.finSalle()
        } else if (s === "bilan") {
            porte.flux.apresBilan()
        } else if (s === "galerie" || s === "succes" || s === "salon") {
            b.aller("menu")
        } else if (s === "menu") {
            b.aller("titre")
        }
    }

    Connections {
        target: porte.item
        ignoreUnknownSignals: true
        function onSortie() { porte.sortieScene() }
        function onSon(id) { porte.borne.son(id) }
        function onChoisi(m, options) { porte.flux.lancer(m, options) }
        function onChange(r) { if (porte.borne.memoire) porte.borne.memoire.reglages = r }
        function onCommandes() { porte.borne.aller("commandes") }
        function onChoix(oui) { porte.flux.choixContinue(oui) }
        function onFini(nom) { porte.flux.apresSaisie(nom) }
        function onAnnonceChanged() { if (porte.annonceOuverte) Parole.entree(porte.annonce()) }
    }
}
