import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../borne"

// One playable stack on the native screen: what ControleurPile plays, drawn
// (background, board and effects moving with the shake, status bar, panda,
// stage title, summary), with its aids and its end.
ControleurPile {
    id: jeu
    width: compact ? 192 : 384
    height: 224

    property bool avecFond: true
    // The keys of the device in use, which the cabinet gives.
    property var touches: ({})
    // Where the panda stands; the attract loop's demo lifts it over its band.
    property int pandaY: 197

    effets: effetsObj
    plateau: plateauObj
    panda: pandaObj
    bilan: bilanObj

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
            partie: jeu.partie
            curseur: jeu.curseur
            curseurVisible: jeu.phase === "jeu" || jeu.phase === "pause"
            indice: jeu.indice
            voile: jeu.voile
            apercu: jeu.apercu
            zone: jeu.zone
            claires: jeu.claires
        }
        Effets { id: effetsObj; width: jeu.width }
    }

    Hud {
        compact: jeu.compact
        joueur: jeu.joueur
        score: jeu.scoreAffiche
        record: Math.max(jeu.record, jeu.scoreAffiche)
        etape: jeu.etape + 1
        libelleEtape: jeu.libelleEtape
        partie: jeu.partie
        temps: jeu.tempsReste
        paires: jeu.partie.restantes / 2
        pandaPose: jeu.urgence ? "peur" : jeu.poseRepos === "combo" ? "joie" : "attente"
        urgence: jeu.urgence
        multiplicateur: jeu.multiplicateur
    }

    Panda {
        id: pandaObj
        visible: !jeu.compact
        px: 358; py: jeu.pandaY
        anime: jeu.phase !== "pause"
        pose: jeu.poseFin !== "" ? jeu.poseFin : jeu.poseRepos
    }

    TitreEtape { visible: jeu.titreVisible; numero: jeu.numeroEtape }

    // The FIND keys are named while the stage starts, so a player learns
    // them without opening CONTROLS; not before the cabinet gives the keys.
    Aide {
        visible: jeu.phase === "depart" && jeu.humain && !jeu.compact && "trouver" in jeu.touches
        y: 184
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{trouver} FIND TILE   {trouverPaire} FIND PAIR")
        touches: jeu.touches
    }

    Bilan {
        id: bilanObj
        cadence: jeu.cadence
        onTinte: jeu.son("bonus_temps")
        onTermine: jeu.fini("gagne", jeu.bonusCompte)
    }

    readonly property AidesPile aides: AidesPile { jeu: jeu }
    readonly property CloturePile fin: CloturePile { jeu: jeu }

    function aide(nom) { return aides.aide(nom) }
    function enfumer() { aides.enfumer() }
    function poussee() { aides.poussee() }
    function terminer(e) { fin.terminer(e) }
    function reprendre() { fin.reprendre() }
}
