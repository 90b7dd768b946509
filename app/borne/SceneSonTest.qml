import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"
import "../commun"

// SOUND TEST: every track of the sound catalogue by its number, played on
// demand, with the temple's bell and smoke while it plays. Entering leaves
// the music that is playing alone; Back stops a track first and leaves
// second. The track lines, the channel, how long a track shows as playing
// and where a press lands are the sound test's rules (`Extras`).
Item {
    id: sontest

    property var sons: null
    property var touches: ({})
    property int choix: 0
    // A track was started and its length has not gone by yet.
    property bool joue: false

    // The current track: id, numero, titre, type, duree (seconds) and the
    // lines the screen shows of it.
    readonly property var piste: Extras.piste(choix)

    signal sortie()

    width: 384
    height: 224

    function jouer() {
        if (!sons)
            return
        if (piste.musique)
            sons.jouerMusique(piste.id)
        else
            sons.jouer(piste.id)
        joue = true
        finJeu.interval = piste.dureeJeu
        finJeu.restart()
    }

    function action(a) {
        var suivante = Extras.deplacerPiste(choix, a)
        if (suivante >= 0) {
            choix = suivante
        } else if (a === "ok" || a === "start") {
            jouer()
        } else if (a === "retour") {
            if (joue && sons) {
                sons.arreterMusique()
                finJeu.stop()
                joue = false
            } else {
                sortie()
            }
        } else {
            return false
        }
        return true
    }

    function appui(x, y) {
        var a = Extras.actionSonTest(x, y)
        if (a !== "")
            action(a)
    }

    Timer {
        id: finJeu
        onTriggered: sontest.joue = false
    }

    Fond { mode: "temple" }
    Voile {}

    Grand { y: 10; nom: "ecrans_titre_sound_test"; titre: "SOUND TEST"; reprise: 3500 }

    Texte {
        x: 150
        y: 60
        texte: Langue.t("NO.")
        style: "blanc"
    }
    Nombre {
        x: 172
        y: 54
        texte: sontest.piste.numero
        style: "or"
    }

    // The track's title and kind lie over the stalls' lanterns.
    Cartouche { autour: [ligneTitre, ligneGenre] }
    Texte {
        id: ligneTitre
        y: 86
        x: Math.floor((384 - width) / 2)
        texte: sontest.piste.titre
        style: "or"
    }
    Texte {
        id: ligneGenre
        y: 100
        x: Math.floor((384 - width) / 2)
        texte: Langue.t(sontest.piste.genre) + "  " + Langue.t("{n} S", { n: sontest.piste.dureeTexte })
        style: "gris"
    }

    Anim {
        id: cloche
        visible: sontest.joue
        running: visible
        nom: "fonds_cloche"
        x: 182
        y: 120
    }
    Anim {
        visible: sontest.joue
        running: visible
        nom: "fonds_fumee"
        x: 120
        y: 120
    }
    Anim {
        visible: sontest.joue
        running: visible
        nom: "fonds_fumee_b"
        x: 250
        y: 126
    }

    Panda {
        id: panda
        pose: sontest.joue ? "combo" : "attente"
        px: 192
        py: 190
    }

    Aide {
        y: 206
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{gauche} {droite} TRACK   {ok} PLAY   {retour} STOP")
        touches: sontest.touches
    }

    // Read by tests.
    readonly property alias ligneGenreAffichee: ligneGenre.majuscules
    readonly property alias clocheVisible: cloche.visible
    readonly property alias pandaPose: panda.montree
}
