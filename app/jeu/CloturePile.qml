import QtQuick 2.15
import Tessimora 1.0

// The end of one stack of `jeu` and what follows it: the win's
// summary or the loss's logo, then `fini`; a lost stack taken up again with
// its time put back, or a fresh deal.
QtObject {
    // The stack it works for.
    property ControleurPile jeu: null

    function terminer(e) {
        // Held apart: qmllint 5.15 cannot follow a call through a member of a
        // member.
        const sons = jeu.sons
        const partie = jeu.partie
        jeu.phase = "fin"
        jeu.etatFin = e
        jeu.annulerProgrammes()
        jeu.effets.vider()
        const victoire = jeu.regle.victoire
        if (e === "gagne" && victoire !== RegleMode.Bilan) {
            jeu.poseFin = "victoire"
            if (victoire === RegleMode.Logo) {
                jeu.effets.logo("all_clear", 84, 900)
                jeu.son("bonus_temps")
                jeu.plusTard(900, function () { jeu.fini("gagne", 0) })
            } else {
                jeu.plusTard(1800, function () { jeu.fini("gagne", 0) })
            }
            return
        }
        if (e === "gagne") {
            jeu.poseFin = "victoire"
            if (sons) sons.jouerMusique("fin_etape")
            jeu.parfait = partie.parfait
            jeu.effets.logo(jeu.regle.logoFin(jeu.parfait, jeu.etape), 60, 2600)
            jeu.effets.etincelles(80, 70, 8, "or", 200)
            jeu.effets.etincelles(300, 70, 8, "rose", 500)
            jeu.bilan.compter(Etape.bilan(partie))
            return
        }
        jeu.poseFin = "defaite"
        if (sons) sons.arreterMusique()
        if (e === "temps") {
            jeu.effets.logo("time_up", 84, 2400)
            if (jeu.sonsCommuns) jeu.son("voix_time_up")
        } else {
            jeu.effets.logo("no_more_pairs", 92, 2400)
            jeu.son("erreur")
        }
        jeu.plusTard(2600, function () { jeu.fini(e, 0) })
    }

    // A stack lost on time goes on where it stood if the engine grants it
    // more time; anything else is dealt afresh.
    function reprendre() {
        jeu.effets.vider()
        jeu.poseFin = ""
        jeu.annulerProgrammes()
        jeu.scoreBase = 0
        const partie = jeu.partie
        if (jeu.etatFin === "temps" && partie.reprendre()) {
            jeu.derniereSeconde = -1
            jeu.etatFin = ""
            jeu.combo = 1
            jeu.repartir()
            jeu.indice = null
            jeu.rafraichir()
            ++jeu.version
            jeu.sequenceDepart()
        } else {
            jeu.demarrer(jeu.etape, (typeof jeu.graine === "number" ? jeu.graine : 0) + 101, true)
        }
    }
}
