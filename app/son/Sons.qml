import QtQuick 2.15
import Tessimora 1.0

// The sound player: one channel for music and jingles, one for voice lines
// and four for effects taken in strict turn. It records what was asked
// (`musique`), not what is audible, so scenes can ask again without
// restarting a track. Sound never blocks the game: without an audio back end
// the channels are simply absent and every request stays silent.
QtObject {
    id: sons

    readonly property var ligneCommande: Qt.application.arguments
    property bool actif: ligneCommande.indexOf("--muet") < 0
    property bool journal: ligneCommande.indexOf("--journal-sons") >= 0
    property real volumeMusique: 0.8
    property real volumeBruitages: 1.0
    property string musique: ""
    property int prochaine: 0

    // Makes a channel; tests hand in a stand-in with the same interface
    // (source, boucle, volume, enLecture, enPause, jouer, arreter, suspendre).
    property Component fabrique: null
    // The six channels once made: 0 music, 1 voice, 2..5 effects.
    property var canaux: []

    // Every line that goes to the log, for whoever listens (tests).
    signal ligneJournal(string ligne)

    readonly property string extension: Qt.platform.os === "windows" ? ".mp3"
                                      : (Qt.platform.os === "osx" || Qt.platform.os === "ios")
                                        ? ".m4a" : ".ogg"

    function niveau(v) { return v >= 0 ? Math.min(v, 1) : 0 }  // NaN gives 0 too

    // The channels are made on first use: a muted game never opens the back end.
    function canal(i) {
        if (canaux.length === 0) {
            var modele = fabrique ? fabrique : Qt.createComponent("CanalAudio.qml")
            if (modele.status !== Component.Ready) modele = null
            var liste = []
            for (var k = 0; k < 6; ++k) {
                var c = modele ? modele.createObject(sons) : null
                if (c) {
                    c.volume = k === 0 ? Qt.binding(function () { return niveau(sons.volumeMusique) })
                                       : Qt.binding(function () { return niveau(sons.volumeBruitages) })
                }
                liste.push(c)
            }
            canaux = liste
        }
        return canaux[i]
    }

    function journaliser(id) {
        if (!journal) return
        var ligne = "TESSIMORA_SON " + Date.now() + " " + (id === "" ? "-" : id)
        console.log(ligne)
        ligneJournal(ligne)
    }

    function fichier(piste) {
        var chemin = piste.fichier
        return Qt.resolvedUrl(chemin.slice(0, chemin.lastIndexOf(".")) + extension)
    }

    function lancer(c, piste) {
        if (!c) return
        c.arreter()
        c.boucle = piste.boucle
        c.source = fichier(piste)
        c.jouer()
    }

    function jouerMusique(id) {
        id = String(id)
        if (id !== musique) journaliser(id)
        var c = actif ? canal(0) : null
        if (id === musique && c && c.enLecture) return
        musique = id
        if (canaux.length > 0 && canaux[0]) canaux[0].arreter()
        var piste = Catalogue.piste(id)
        if (!actif || !piste) return
        lancer(c, piste)
    }

    function arreterMusique() {
        if (musique !== "") journaliser("")
        musique = ""
        if (canaux.length > 0 && canaux[0]) canaux[0].arreter()
    }

    function pause(oui) {
        var c = canaux.length > 0 ? canaux[0] : null
        if (!c) return
        if (oui) {
            if (c.enLecture) c.suspendre()
        } else if (actif && musique !== "" && c.enPause) {
            c.jouer()
        }
    }

    // Plays `id` unless it is already the requested music, playing or paused.
    function assurer(id) {
        if (String(id) !== musique) jouerMusique(id)
    }

    function jouer(id) {
        id = String(id)
        var piste = Catalogue.piste(id)
        if (piste) journaliser(id)
        if (!actif || !piste) return
        var c
        if (piste.type === "voix") {
            c = canal(1)
        } else {
            c = canal(2 + prochaine)
            prochaine = (prochaine + 1) % 4
        }
        if (c) lancer(c, piste)
    }

    function paire(combo) { jouer(Catalogue.paire(combo)) }
    function musiqueEtape(etape) { jouerMusique(Catalogue.musiqueEtape(etape)) }
    function idEtape(etape) { return Catalogue.musiqueEtape(etape) }

    // Opening the audio back end takes a moment: do it once the scene is up
    // rather than on the first sound, which would stall that frame.
    Component.onCompleted: if (actif) Qt.callLater(function () { sons.canal(0) })

    onActifChanged: {
        if (actif) {
            // Back on: the requested music starts again from its beginning.
            var piste = Catalogue.piste(musique)
            if (piste) lancer(canal(0), piste)
        } else {
            for (var i = 0; i < canaux.length; ++i)
                if (canaux[i]) canaux[i].arreter()
        }
    }
}
