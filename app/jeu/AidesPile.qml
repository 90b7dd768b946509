import QtQuick 2.15
import Tessimora 1.0

// What changes a stack of `jeu` besides its picks: the player's aids
// (HINT, MIX, UNDO, PEEK) and what the other side of LANTERN DUEL sends (its
// smoke over two free tiles, its push of the tiles). Each asks the engine,
// then gives the sound and the effects of its answer.
QtObject {
    // The stack it works for.
    property ControleurPile jeu: null

    function aide(nom) {
        if (jeu.phase !== "jeu")
            return false
        const partie = jeu.partie
        if (nom === "hint") {
            const pr = partie.indice()
            jeu.indice = pr
            if (pr) {
                jeu.curseur = pr[0]
                jeu.son("indice")
            } else {
                jeu.son("erreur")
            }
            ++jeu.version
            return pr !== null
        }
        if (nom === "mix") {
            const m = partie.melanger()
            if (m.ok) {
                jeu.son("melange")
                jeu.effets.tourbillon(192, 100)
                jeu.effets.secouer()
                if (m.cout > 0)
                    jeu.effets.points(200, 188, "-" + Math.round(m.cout / 1000) + "S", "rouge",
                                      false, 0)
            } else {
                jeu.son("erreur")
            }
            jeu.indice = null
            jeu.changer()
            return m.ok
        }
        if (nom === "undo") {
            if (!partie.annuler()) {
                jeu.son("erreur")
                return false
            }
            jeu.son("annulation")
            jeu.combo = 1
            jeu.indice = null
            jeu.changer()
            return true
        }
        if (nom === "peek") {
            const d = partie.apercuAide()
            if (d > 0) {
                jeu.son("indice")
                jeu.aideJouee("peek")
            } else {
                jeu.son("erreur")
            }
            jeu.rafraichir()
            ++jeu.version
            return d > 0
        }
        return false
    }

    // Duel smoke: the platform's ordinary random numbers, not the game's
    // generator, so the received smoke never changes the deal or the AI.
    function enfumer() {
        if (jeu.phase !== "jeu")
            return
        const partie = jeu.partie
        const l = partie.libres, choisies = {}
        let n = 0
        for (let essai = 0; essai < 2 && l.length > 0; ++essai) {
            const k = Math.floor(Math.random() * l.length)
            const i = l[k]
            l.splice(k, 1)
            choisies[i] = true
            ++n
            const q = jeu.pos(i)
            jeu.effets.poser({nom: "effets_voile_fumee", x: q.x, y: q.y, vie: 4000, fondu: true,
                              z: 5})
        }
        if (n === 0)
            return
        if (choisies[partie.selection] === true)
            jeu.prendre(partie.selection)
        jeu.plateau.fumees = choisies
        jeu.plusTard(4000, function () { jeu.plateau.fumees = ({}) })
    }

    function poussee() {
        if (jeu.phase !== "jeu")
            return
        const partie = jeu.partie
        const t = partie.pousser()
        if (!t)
            return
        for (let k = 0; k < 4; ++k) {
            const q = jeu.pos(t[k])
            jeu.effets.poser({nom: "tuiles_glisse", x: q.x, y: q.y, vie: 400, fondu: true, z: 5})
            if (k < 2)
                jeu.effets.poussiere(q.x + 9, q.y + 22)
        }
        jeu.poseUnique("saut")
        jeu.son("melange")
        jeu.indice = null
        jeu.changer()
    }
}
