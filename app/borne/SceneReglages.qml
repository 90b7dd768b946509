import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../commun"
import "../jeu"

// OPTIONS (fourteen lines), CRT SETTINGS (the seven screen lines) and the
// ACCESS page that OPTIONS opens (speech, clear tiles, calm motion): the
// settings record edited line by line. Each change is a validated copy
// handed to the cabinet at once, so the screen, the volumes, the coins, the
// language, the keys and the access choices follow while the player is
// still here; the cabinet writes the record when the scene is left. BACK on
// ACCESS returns to OPTIONS on its ACCESS line. The lines and how each one
// moves are the rules' (`Options`).
Item {
    id: scene

    property var reglages: null
    property bool crtSeul: false
    // The display mode in force, which SCREEN starts from while its setting is empty.
    property string modeEcran: "entier"
    property var touches: ({})
    property int choix: 0
    // ACCESS shows in place of OPTIONS while this is set.
    property bool acces: false

    readonly property int page: crtSeul ? Options.PageCrt : acces ? Options.PageAcces
                                                                  : Options.PageOptions
    readonly property var lignes: Options.lignes(page)
    readonly property int pas: Options.pas(page)

    // What SPEECH says of the line under the cursor: its label and value as shown.
    readonly property var annonce: {
        Langue.revision
        var l = lignes[choix]
        if (!l || !reglages)
            return []
        var valeur = ""
        if (l.sorte === Options.Niveau)
            valeur = String(Options.pourcent(Options.niveau(reglages, l.ligne)))
        else if (l.sorte === Options.Bascule || l.sorte === Options.Choix)
            valeur = Langue.t(l.textes[Options.position(reglages, l.ligne, modeEcran)])
        else if (l.sorte === Options.Langage) {
            var code = Options.langues[Options.position(reglages, l.ligne, modeEcran)]
            valeur = code !== "" ? Langue.nom(code) : Langue.t("AUTO")
        }
        return [l.cle, {}, valeur]
    }

    signal change(var reglages)
    signal sortie()
    signal commandes()
    signal son(string id)

    width: 384
    height: 224

    // The row of the page's line of a sort, -1 when it has none.
    function rangDe(sorte) {
        for (var i = 0; i < lignes.length; ++i)
            if (lignes[i].sorte === sorte)
                return i
        return -1
    }

    function ouvrirAcces(oui) {
        acces = oui
        choix = oui ? 0 : rangDe(Options.Acces)
        if (oui)
            Parole.scene("acces", annonce)
    }

    function regler(rang, sens) {
        if (rang < 0 || rang >= lignes.length)
            return
        if (lignes[rang].sorte === Options.Controles) {
            son("selection")
            commandes()
            return
        }
        if (lignes[rang].sorte === Options.Acces) {
            son("selection")
            ouvrirAcces(true)
            return
        }
        var copie = Options.regler(reglages, lignes[rang].ligne, sens, modeEcran)
        if (!copie)
            return
        if (lignes[rang].sorte === Options.Langage)
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
        } else if ((a === "retour" || a === "start") && acces) {
            son("deselection")
            ouvrirAcces(false)
        } else if (a === "retour" || a === "start") {
            son("deselection")
            sortie()
        } else {
            return false
        }
        return true
    }

    function appui(x, y) {
        var i = Options.ligneTouchee(y, page)
        if (i >= 0) {
            choix = i
            regler(i, Options.sensTouche(x))
        } else if (Options.sortieTouchee(y)) {
            action("retour")
        }
    }

    // A still screen: the bridge stands still behind the veil.
    Fond { mode: "pont"; anime: false }
    Voile {}

    Grand {
        visible: !scene.acces
        y: 8
        nom: scene.crtSeul ? "ecrans_titre_crt_settings" : "ecrans_titre_options"
        titre: scene.crtSeul ? "CRT SETTINGS" : "OPTIONS"
        reprise: 3500
    }
    // ACCESS has no drawn strip: its title is the text at twice the size,
    // as a translated title is.
    Texte {
        visible: scene.acces
        x: Math.floor((384 - 2 * width) / 2)
        y: 12
        scale: 2
        transformOrigin: Item.TopLeft
        texte: Langue.t("ACCESS")
        style: "or"
    }

    // The lines cross the bridge and its lanterns: one dark backing under
    // all of them keeps every label and value readable.
    Item {
        id: zoneLignes
        x: 22
        y: Options.premiereLigne(scene.page)
        width: 332
        height: scene.pas * (scene.lignes.length - 1) + 7
    }
    Cartouche { autour: [zoneLignes] }

    Repeater {
        model: scene.lignes
        Item {
            id: rang
            required property int index
            required property var modelData
            readonly property int ligne: modelData.ligne
            readonly property int sorte: modelData.sorte
            readonly property bool courante: index === scene.choix
            y: Options.premiereLigne(scene.page) + scene.pas * index
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
                               : rang.sorte === Options.Controles || rang.sorte === Options.Acces
                                 ? null : valeurs
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

    // Lower than elsewhere: OPTIONS' fourteenth line ends at 205.
    Aide {
        y: 211
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{haut} {bas} CHOOSE   {gauche} {droite} ADJUST   {retour} SAVE")
        touches: scene.touches
    }
}
