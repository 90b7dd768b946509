import QtQuick 2.15
import Tessimora 1.0 as T
import "../images/sprites.js" as Sprites
import "../ecran"

// A scrolling parallax background: a still sky, three layers sliding left at
// their own speeds, their decorations, and water between the middle and the
// near layer. Background time loops every 3840 s, a whole number of periods
// of every layer, so the loop never jumps. The sky is opaque and covers the
// whole screen, so a scene with a Fond lays no fill of its own under it: it
// would be hidden, and still paid for at every native pixel of every frame.
Item {
    id: fond

    // "marche", "pont", "temple" or "port"; any other name shows the market.
    property string mode: "marche"
    property bool anime: true
    // Scroll time in seconds.
    property alias temps: defilement.temps
    property int largeurPlan: 768

    readonly property var d: Sprites.table.fonds[mode] !== undefined
        ? Sprites.table.fonds[mode] : Sprites.table.fonds.marche
    readonly property bool enMarche: anime && visible

    width: 384
    height: 224
    clip: true

    function elementsDu(plan) {
        var r = []
        var l = d.elements || []
        for (var i = 0; i < l.length; ++i)
            if (l[i][3] === plan)
                r.push(l[i])
        return r
    }
    // Reads the scroll time, so that a binding calling it follows the scroll.
    function decalage(vitesse) {
        return temps >= 0 ? defilement.decalage(vitesse, largeurPlan) : 0
    }

    // Background time follows the wall clock, and stops where it is when
    // paused, so it resumes from there. It wakes the screen only when a
    // layer moves by a whole pixel.
    T.Defilement {
        id: defilement
        enMarche: fond.enMarche
        vitesses: fond.d.plans.map(function (p) { return p[1] })
    }

    Anim {
        nom: fond.d.ciel
        running: false
    }
    Repeater {
        model: fond.elementsDu(0)
        Anim {
            nom: modelData[0]
            x: modelData[1]
            y: modelData[2]
            paused: !fond.enMarche
        }
    }
    Repeater {
        id: plans
        model: 3
        Item {
            id: plan
            readonly property var ligne: fond.d.plans[index]
            readonly property var elements: fond.elementsDu(index + 1)
            z: 2 * index + 1
            x: -fond.decalage(ligne[1])
            width: 2 * fond.largeurPlan
            height: 224
            Repeater {
                model: 2
                Anim {
                    nom: plan.ligne[0]
                    x: index * fond.largeurPlan
                    running: false
                }
            }
            Repeater {
                model: plan.elements.length * 2
                Anim {
                    readonly property var e: plan.elements[Math.floor(index / 2)]
                    nom: e[0]
                    x: e[1] + (index % 2) * fond.largeurPlan
                    y: e[2]
                    paused: !fond.enMarche
                }
            }
        }
    }
    Item {
        id: eau
        visible: fond.d.eau !== null && fond.d.eau !== undefined
        z: 4
        x: -fond.decalage(fond.d.plans[1][1])
        y: visible ? fond.d.eau[1] : 0
        Repeater {
            model: eau.visible ? 2 : 0
            Anim {
                nom: fond.d.eau[0]
                x: index * fond.largeurPlan
                paused: !fond.enMarche
            }
        }
    }
}
