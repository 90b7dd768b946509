import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The end-of-stage summary of a cleared stack, drawn above everything: the
// seconds left times what each is worth, the points for the aids left, the perfect bonus
// and the bonus counted so far. `compter` shows it 1200 ms after the clear
// and counts the whole bonus one step every 40 ms on the owner's beat (so a
// pause or a new stack stops it with the owner's other steps); the summary
// goes 1600 ms after the last step, with `termine`.
Item {
    id: bilan
    z: 20
    visible: false

    property Cadence cadence: null
    // Whole seconds left, what each is worth and their points, points for the
    // aids left, the perfect bonus, all there is to count, and what is
    // counted so far.
    property real temps: 0
    property real parSeconde: 0
    property real pointsTemps: 0
    property real aides: 0
    property real parfait: 0
    property real restant: 0
    property real compte: 0

    // Every fourth step of the count, for its sound.
    signal tinte()
    signal termine(real compte)

    function vider() {
        visible = false
        temps = 0
        parSeconde = 0
        pointsTemps = 0
        aides = 0
        parfait = 0
        restant = 0
        compte = 0
    }

    // `valeurs`: the summary of the stack, as `Etape.bilan` gives it.
    function compter(valeurs) {
        vider()
        temps = valeurs.temps
        parSeconde = valeurs.parSeconde
        pointsTemps = valeurs.pointsTemps
        aides = valeurs.aides
        parfait = valeurs.parfait
        restant = valeurs.restant
        cadence.plusTard(1200, function () {
            visible = true
            pas(0)
        })
    }

    function pas(n) {
        cadence.plusTard(Etape.PAS_COMPTE_MS, function () {
            if (compte < restant) {
                compte += Math.min(Etape.pasCompte(restant), restant - compte)
                if ((n + 1) % 4 === 0)
                    tinte()
            }
            if (compte >= restant) {
                cadence.plusTard(1600, function () {
                    visible = false
                    termine(compte)
                })
            } else {
                pas(n + 1)
            }
        })
    }

    Anim { nom: "effets_time_bonus"; x: 60; y: 104 }
    Anim { nom: "effets_encens_bonus"; x: 44; y: 104 }
    Texte { x: 196; y: 110; style: "blanc"; texte: bilan.temps + " \u00d7 " + bilan.parSeconde + " = " + bilan.pointsTemps }
    Texte {
        x: 60; y: 128; style: "jade"; visible: bilan.aides > 0
        texte: { Langue.revision; return Langue.t("HINTS LEFT  {n}", {n: bilan.aides}) }
    }
    Texte {
        x: 60; y: 140; style: "rouge"; visible: bilan.parfait > 0
        texte: { Langue.revision; return Langue.t("PERFECT  {n}", {n: bilan.parfait}) }
    }
    Texte {
        x: 60; y: 156; style: "or"
        texte: { Langue.revision; return Langue.t("BONUS {n}", {n: bilan.compte}) }
    }
}
