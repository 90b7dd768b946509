import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0

// The sound player's rules, on stand-in channels that record what they are
// asked: rotation of the effect channels, no restart of a requested music,
// pause kept by `assurer`, log lines with or without sound.
TestCase {
    id: cas
    name: "Sons"

    Component {
        id: faux
        QtObject {
            property url source
            property bool boucle: false
            property real volume: 1
            property bool enLecture: false
            property bool enPause: false
            property var appels: []
            function jouer() { appels.push("jouer " + source); enLecture = true; enPause = false }
            function arreter() { appels.push("arreter"); enLecture = false; enPause = false }
            function suspendre() { appels.push("suspendre"); enLecture = false; enPause = true }
        }
    }

    property var sons: null
    property var lignes: []

    function creer(proprietes) {
        var composant = Qt.createComponent("qrc:/app/son/Sons.qml")
        compare(composant.status, Component.Ready, composant.errorString())
        var p = { fabrique: faux, actif: true, journal: true }
        for (var k in proprietes) p[k] = proprietes[k]
        sons = composant.createObject(cas, p)
        verify(sons !== null)
        lignes = []
        sons.ligneJournal.connect(function (ligne) { lignes.push(ligne) })
    }

    function ids() {
        return lignes.map(function (l) {
            var morceaux = l.split(" ")
            compare(morceaux.length, 3)
            compare(morceaux[0], "TESSIMORA_SON")
            verify(Number(morceaux[1]) > 1.5e12)
            return morceaux[2]
        })
    }

    function joues(c) { return c.appels.filter(function (a) { return a.indexOf("jouer") === 0 }) }

    function init() {
        if (typeof Catalogue === "undefined")
            skip("the sound catalogue is not registered with the scenes")
    }

    function cleanup() {
        if (sons) sons.destroy()
        sons = null
    }

    function test_effets_en_rotation() {
        creer({})
        for (var i = 0; i < 5; ++i) sons.jouer("selection")
        compare(joues(sons.canaux[2]).length, 2, "the fifth effect reuses the first channel")
        for (var k = 3; k <= 5; ++k) compare(joues(sons.canaux[k]).length, 1)
        // The first channel was stopped before it was restarted.
        var appels = sons.canaux[2].appels
        compare(appels[appels.length - 2], "arreter")
        compare(sons.prochaine, 1)
        compare(String(sons.canaux[2].source), "qrc:/app/sons/selection.ogg")
        compare(sons.canaux[2].boucle, false)
        compare(ids(), ["selection", "selection", "selection", "selection", "selection"])
    }

    function test_voix_sur_son_canal() {
        creer({})
        sons.jouer("voix_ready")
        sons.jouer("voix_go")
        compare(joues(sons.canaux[1]).length, 2)
        compare(String(sons.canaux[1].source), "qrc:/app/sons/voix_go.ogg")
        compare(sons.prochaine, 0, "voices leave the effect rotation alone")
    }

    function test_musique_sans_redemarrage() {
        creer({})
        sons.jouerMusique("titre")
        sons.jouerMusique("titre")
        compare(joues(sons.canaux[0]).length, 1)
        compare(sons.canaux[0].boucle, true)
        compare(ids(), ["titre"])
        sons.jouerMusique("fin_etape")
        compare(sons.canaux[0].boucle, false, "a jingle plays once")
        compare(sons.musique, "fin_etape")
        sons.arreterMusique()
        compare(sons.musique, "")
        compare(ids(), ["titre", "fin_etape", "-"])
        verify(!sons.canaux[0].enLecture)
    }

    function test_assurer_laisse_la_pause() {
        creer({})
        sons.musiqueEtape(0)
        compare(sons.musique, "jeu1")
        sons.pause(true)
        verify(sons.canaux[0].enPause)
        sons.assurer("jeu1")
        verify(sons.canaux[0].enPause)
        compare(joues(sons.canaux[0]).length, 1)
        sons.pause(false)
        verify(sons.canaux[0].enLecture)
        sons.assurer("urgence")
        compare(sons.musique, "urgence")
        compare(String(sons.canaux[0].source), "qrc:/app/sons/urgence.ogg")
    }

    function test_muet_journalise_sans_jouer() {
        creer({ actif: false })
        sons.jouerMusique("titre")
        sons.jouer("selection")
        sons.paire(3)
        compare(ids(), ["titre", "selection", "paire_3"])
        compare(sons.canaux.length, 0, "a muted player never opens the back end")
        compare(sons.musique, "titre")
        // Sound switched on: the requested music starts.
        sons.actif = true
        compare(joues(sons.canaux[0]).length, 1)
        compare(String(sons.canaux[0].source), "qrc:/app/sons/titre.ogg")
        sons.jouer("selection")
        sons.actif = false
        for (var i = 0; i < 6; ++i) verify(!sons.canaux[i].enLecture)
    }

    function test_sans_journal() {
        creer({ journal: false })
        sons.jouerMusique("titre")
        sons.jouer("credit")
        compare(lignes.length, 0)
    }

    function test_ids_inconnus() {
        creer({})
        sons.jouerMusique("titre")
        sons.jouerMusique("nulle_part")
        compare(sons.musique, "nulle_part", "an unknown music still replaces the request")
        verify(!sons.canaux[0].enLecture)
        sons.jouer("nulle_part")
        compare(ids(), ["titre", "nulle_part"])
        compare(sons.prochaine, 0)
    }

    function test_paires_et_etapes() {
        creer({})
        sons.paire(0)
        sons.paire(12)
        sons.paire(2.7)
        compare(ids(), ["paire_1", "paire_9", "paire_2"])
        compare(sons.idEtape(-1), "jeu1")
        compare(sons.idEtape(4), "jeu2")
        compare(sons.musique, "", "idEtape plays nothing")
    }

    function test_volumes() {
        creer({ volumeMusique: 0.5, volumeBruitages: 0.25 })
        sons.jouer("selection")
        compare(sons.canaux[0].volume, 0.5)
        for (var i = 1; i < 6; ++i) compare(sons.canaux[i].volume, 0.25)
        sons.volumeMusique = 3
        sons.volumeBruitages = -1
        compare(sons.canaux[0].volume, 1)
        compare(sons.canaux[2].volume, 0)
    }

    function test_sans_moteur_audio() {
        creer({ fabrique: Qt.createComponent("Absent.qml") })
        sons.jouerMusique("titre")
        sons.jouer("selection")
        sons.pause(true)
        sons.pause(false)
        sons.arreterMusique()
        compare(ids(), ["titre", "selection", "-"])
        compare(sons.canaux.length, 6)
        compare(sons.canaux[0], null)
    }
}
