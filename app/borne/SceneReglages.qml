import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// OPTIONS (all thirteen lines) and CRT SETTINGS (the seven screen lines):
// the settings record edited line by line. Each change is a validated copy
// handed to the cabinet at once, so the screen, the volumes, the coins, the
// language and the keys follow while the player is still here; the cabinet
// writes the record when the scene is left. The lines and how each one
// moves are the rules' (`Options`).
Item {
    id: scene

    property var reglages: null
    property bool crtSeul: false
    // The display mode in force, which SCREEN starts from while its setting is empty.
    property string modeEcran: "entier"
    property var touches: ({})
    property int choix: 0

    readonly property var lignes: Options.lignes(crtSeul)
    readonly property int pas: Options.pas(crtSeul)

    signal change(var reglages)
    signal sortie()
    signal commandes()
    signal son(string id)

    width: 384
    height: 224

    function regler(ligne, sens) {
        if (ligne < 0 || ligne >= lignes.length)
            return
        if (lignes[ligne].sorte === Options.Controles) {
            son("selection")
            commandes()
            return
        }
        var copie = Options.regler(reglages, ligne, sens, modeEcran)
        if (!copie)
            return
        if (lignes[ligne].sorte === Options.Langage)
            Langue.choisir(copie.jeu.langue)
        change(copie)
        // The cabinet binds `reglages` to the memory, which now holds the
        // copy; the binding must stay, so that the C key's own change shows
        // here too. A scene alone keeps the copy itself.
        if (reglages !== copie)
            reglages = copie
        son("selection")
    }

    function action(a) {
        var n = lignes.length
        if (a === "haut" || a === "bas") {
            choix = (choix + (a === "haut" ? n - 1 : 1)) % n
            son("selection")
        } else if (a === "gauche") {
            regler(choix, -1)
        } else if (a === "droite" || a === "ok") {
            regler(choix, 1)
        } else if (a === "retour" || a === "start") {
            son("deselection")
            sortie()
        } else {
            return false
        }
        return true
    }

    function appui(x, y) {
        var i = Options.ligneTouchee(y, crtSeul)
        if (i >= 0) {
            choix = i
            regler(i, Options.sensTouche(x))
        } else if (Options.sortieTouchee(y)) {
            action("retour")
        }
    }

    Fond { mode: "pont" }
    Voile {}

    Grand {
        y: 8
        nom: scene.crtSeul ? "ecrans_titre_crt_settings" : "ecrans_titre_options"
        titre: scene.crtSeul ? "CRT SETTINGS" : "OPTIONS"
        reprise: 3500
    }

    Repeater {
        model: scene.lignes
        Item {
            id: rang
            required property int index
            required property var modelData
            readonly property int ligne: index
            readonly property int sorte: modelData.sorte
            readonly property bool courante: index === scene.choix
            y: Options.premiereLigne(scene.crtSeul) + scene.pas * index
            height: 7

            Anim {
                visible: rang.courante
                x: 24
                y: -2
                nom: "effets_patte"
            }
            // "CRT" is in no catalogue, so it reads as it is everywhere.
            Texte {
                x: 40
                texte: Langue.t(rang.modelData.cle)
                style: rang.courante ? "or" : "blanc"
            }
            Loader {
                sourceComponent: rang.sorte === Options.Niveau ? niveau
                               : rang.sorte === Options.Langage ? langage
                               : rang.sorte === Options.Controles ? null : valeurs
            }

            Component {
                id: niveau
                NiveauEncens {
                    valeur: Options.niveau(scene.reglages, rang.ligne)
                    courant: rang.courante
                }
            }
            Component {
                id: valeurs
                Lampions {
                    x: 150
                    ecart: 66
                    textes: {
                        Langue.revision
                        return rang.modelData.textes.map(function (t) { return Langue.t(t) })
                    }
                    allume: Options.position(scene.reglages, rang.ligne, scene.modeEcran)
                }
            }
            Component {
                id: langage
                LigneLangue {
                    code: Options.langues[Options.position(scene.reglages, rang.ligne, scene.modeEcran)]
                    courant: rang.courante
                }
            }
        }
    }

    Aide {
        y: 206
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{haut} {bas} CHOOSE   {gauche} {droite} ADJUST   {retour} SAVE")
        touches: scene.touches
    }
}
