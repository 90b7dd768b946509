import QtQuick 2.15
import QtTest 1.2
import Qt.labs.settings 1.0 as Labs
import Tessimora 1.0
import Essais 1.0

// The platform layer with the real memory: each of the 48 achievements earned
// by the events a player produces and stored, what a provider is told and
// when, friends' status, leaderboard posts, and providers that fail.
TestCase {
    id: cas
    name: "Plateforme"

    Component {
        id: magasin
        Labs.Settings {
            category: "tessimora"
            property string scores: ""
            property string reglages: ""
            property string progression: ""
            property string succes: ""
        }
    }

    // Writes down every call, in the fake provider's words.
    Component {
        id: espion
        QtObject {
            property string nom: "espion"
            property bool annonce: false
            property string manette: ""
            property var appels: []
            property bool panneStatut: false
            signal surcoucheOuverte(bool ouverte)
            function debloquer(id) { appels.push("debloquer " + id) }
            function progresser(id, v, b, s) { appels.push("progresser " + id + " " + v + "/" + b + " " + s) }
            function envoyerScore(n, s, d) { appels.push("score " + n + " " + s + " " + d) }
            function presence(c, v, g) {
                appels.push("presence " + c + " " + v + " " + g)
                if (panneStatut) throw new Error("hors ligne")
            }
            function lireNuage() { return "" }
            function ecrireNuage(t) {}
            function de(prefixe) { return appels.filter(function (a) { return a.indexOf(prefixe) === 0 }) }
        }
    }

    QtObject {
        id: borneFausse
        property var etat: ({ scene: "titre" })
        function etatPresence() { return etat }
    }

    property var memoire: null
    property var couche: null
    property var debloques: []

    function stocker(succes) {
        var s = magasin.createObject(cas)
        s.scores = ""
        s.reglages = ""
        s.progression = ""
        s.succes = succes
        s.destroy()
        wait(0)
    }

    function relire() {
        var s = magasin.createObject(cas)
        var t = s.succes
        s.destroy()
        return t
    }

    // The memory's own store, to read what its last write put there.
    function magasinDe(m) {
        for (var i = 0; i < m.data.length; ++i)
            if (m.data[i].category === "tessimora") return m.data[i]
        return null
    }

    // A memory and a layer over `f` (undefined: the host's facade, absent here).
    function demarrer(f, borne, garderLeMagasin) {
        if (!garderLeMagasin) stocker("")
        var proprietes = { fournisseur: f === undefined ? null : f }
        memoire = Qt.createComponent("qrc:/app/Memoire.qml").createObject(cas, proprietes)
        var c = Qt.createComponent("qrc:/app/Plateforme.qml")
        compare(c.status, Component.Ready, c.errorString())
        var p = { memoire: memoire, borne: borne || null }
        if (f !== undefined) p.fournisseur = f
        couche = c.createObject(cas, p)
        debloques = []
        couche.debloque.connect(function (id) { debloques.push(id) })
        Journal.vider()
        tryCompare(memoire, "pret", true)
    }

    function arreter() {
        if (couche) couche.destroy()
        if (memoire) memoire.destroy()
        couche = null
        memoire = null
        wait(0)
    }

    function cleanup() { arreter() }

    function jouer(evs) {
        for (var i = 0; i < evs.length; ++i)
            couche.evenement(evs[i])
    }

    // -- what a player does ------------------------------------------------------
    function fois(n, f) { var l = []; for (var i = 0; i < n; ++i) l.push(f(i)); return l }
    function paire(combo, jumelle, fever) {
        return { type: "paire", combo: combo, jumelle: jumelle === true, fever: fever === true }
    }
    // A run of pairs up to a combo, entering FEVER at x9 as the game does.
    function serie(jusqua) { return fois(jusqua, function (i) { return paire(i + 1, false, i === 8) }) }
    function pile(mode, etape, champs) {
        var ev = { type: "pile", mode: mode, etape: etape, boss: mode !== "paper" && etape % 4 === 3,
                   parfait: false, tempsMs: 20000, tempsMax: 90000, etapesPartie: etape + 1 }
        for (var k in champs) ev[k] = champs[k]
        return ev
    }
    function etapes(mode, n) { return fois(n, function (i) { return pile(mode, i) }) }
    function rush(n) {
        return fois(n, function (i) {
            return { type: "pile", mode: "rush", etape: 0, piles: i + 1, parfait: false, tempsMs: -1,
                     tempsMax: 0 }
        })
    }
    // Consecutive UTC days from y-m-d.
    function jours(a, m, j, n) {
        return fois(n, function (i) {
            var d = new Date(Date.UTC(a, m - 1, j + i))
            function deux(x) { return (x < 10 ? "0" : "") + x }
            return { type: "defi", jour: "" + d.getUTCFullYear() + deux(d.getUTCMonth() + 1)
                                          + deux(d.getUTCDate()) }
        })
    }
    function douze(mode, continues) {
        return etapes(mode, 12).concat([{ type: "fin12", mode: mode, continues: continues },
                                        { type: "partie", mode: mode, score: 80000 }])
    }
    function duel(ia, gagnant) {
        return [{ type: "fumee" }, { type: "duel", ia: ia, gagnant: gagnant },
                { type: "partie", mode: "duel", score: ia >= 0 && gagnant === 1 ? 4000 : 0 }]
    }

    // Each achievement's own sequence: the last event is the one that earns it.
    readonly property var sequences: ({
        FIRST_LANTERN: function () { return [paire(1)] },
        STALL_IS_OPEN: function () { return serie(2).concat([pile("night", 0)]) },
        MARKET_STROLL: function () { return etapes("night", 4) },
        VEIL_LIFTED: function () { return etapes("night", 4) },
        HALF_MOON: function () { return etapes("night", 6) },
        CLOSING_TIME: function () { return etapes("night", 12).concat([{ type: "fin12", mode: "night", continues: 2 }]) },
        NOT_A_SINGLE_COIN: function () { return etapes("night", 12).concat([{ type: "fin12", mode: "night", continues: 0 }]) },
        LANTERN_ROOM: function () { return [{ type: "scene", nom: "galerie" }, { type: "scene", nom: "salle" }] },
        SPARKS: function () { return serie(3) },
        FIRECRACKERS: function () { return serie(6) },
        FESTIVAL_FEVER: function () { return serie(9) },
        FEVER_REGULAR: function () { return [].concat.apply([], fois(25, function () { return serie(9) })) },
        TWIN_LANTERNS: function () { return [paire(1), paire(2, true)] },
        TWIN_PARADE: function () { return [paire(1)].concat(fois(50, function (i) { return paire(1, true) })) },
        CLEAN_PAWS: function () { return [pile("night", 0), pile("night", 1, { parfait: true })] },
        SPOTLESS_STALL: function () { return fois(10, function (i) { return pile("parade", i, { parfait: true }) }) },
        LAST_EMBER: function () { return [pile("night", 0, { tempsMs: 5000 }), pile("night", 1, { tempsMs: 4900 })] },
        SWIFT_PAWS: function () { return [pile("night", 0, { tempsMs: 44999 }), pile("night", 1, { tempsMs: 45000 })] },
        HUNDRED_LANTERNS: function () { return fois(100, function () { return paire(1) }) },
        THOUSAND_LANTERNS: function () { return fois(1000, function () { return paire(2) }) },
        LANTERN_FESTIVAL: function () { return fois(5000, function () { return paire(1) }) },
        BURNING_BRIGHT: function () { return rush(3) },
        WHOLE_BOX_OF_INCENSE: function () { return rush(8) },
        RUSH_HOUR: function () { return rush(2).concat([{ type: "partie", mode: "rush", score: 150000 }]) },
        MOONLIT: function () { return jours(2026, 1, 15, 1) },
        THREE_MOONS: function () { return [jours(2026, 1, 15, 1)[0], jours(2026, 3, 2, 1)[0], jours(2026, 3, 2, 1)[0], jours(2026, 7, 9, 1)[0]] },
        // Seven days in a row through 29 February and into March.
        LUNAR_WEEK: function () { return jours(2028, 2, 26, 7) },
        // Thirty days through the turn of the year.
        MOON_CALENDAR: function () { return jours(2026, 12, 15, 30) },
        PAPER_MOON: function () { return [pile("paper", 0)] },
        FOLDED_TO_PERFECTION: function () { return etapes("paper", 12).concat([{ type: "fin12", mode: "paper", continues: 3 }]) },
        JOIN_THE_PARADE: function () { return [pile("parade", 0)] },
        LAMPION_SNUFFED: function () { return duel(0, 2).concat([{ type: "duel", ia: 0, gagnant: 1 }]) },
        LANTERN_DIMMED: function () { return duel(1, 0).concat([{ type: "duel", ia: 1, gagnant: 1 }]) },
        KITE_CUT_DOWN: function () { return duel(2, 2).concat([{ type: "duel", ia: 2, gagnant: 1 }]) },
        MARKET_RIVALS: function () { return [{ type: "duel", ia: -1, gagnant: 2 }] },
        SMOKE_SIGNAL: function () { return [{ type: "fumee" }] },
        STALL_SHUFFLE: function () { return [{ type: "glissant", niveau: 0 }, { type: "glissant", niveau: 1 }] },
        MASTER_MERCHANT: function () { return [{ type: "glissant", niveau: 3 }, { type: "glissant", niveau: 4 }] },
        RED_ENVELOPE: function () { return [{ type: "partie", mode: "night", score: 99999 }, { type: "partie", mode: "paper", score: 100000 }] },
        GOLDEN_ENVELOPE: function () { return [{ type: "partie", mode: "rush", score: 499999 }, { type: "partie", mode: "night", score: 500000 }] },
        INITIALS_IN_INK: function () { return douze("night", 1).concat([{ type: "record" }]) },
        ONE_MORE_COIN: function () { return [pile("night", 0), { type: "continue" }] },
        BEHIND_THE_CURTAIN: function () { return [{ type: "secret" }] },
        NIGHT_MARKET_RADIO: function () { return [{ type: "scene", nom: "crt" }, { type: "scene", nom: "sontest" }] },
        SKETCHBOOK: function () { return [{ type: "scene", nom: "succes" }, { type: "scene", nom: "galerie" }] },
        PEEKING_PANDA: function () { return [{ type: "aide", nom: "hint" }, { type: "aide", nom: "peek" }] },
        REGULAR_CUSTOMER: function () { return fois(50, function (i) { return { type: "partie", mode: "daily", score: i } }) }
    })

    function test_chaque_succes_gagne_en_jouant() {
        var f = espion.createObject(cas)
        demarrer(f)
        var stocke = magasinDe(memoire)
        verify(stocke !== null)
        var ids = Succes.LISTE.map(function (d) { return d.id })
        compare(ids.length, 48)
        for (var n = 0; n < ids.length - 1; ++n) {
            var id = ids[n]
            verify(sequences[id] !== undefined, id)
            memoire.succes = Succes.etatVide()
            var evs = sequences[id]()
            jouer(evs.slice(0, evs.length - 1))
            verify(!Succes.debloque(memoire.succes, id), id + " before its last event")
            f.appels = []
            debloques = []
            Journal.vider()
            couche.evenement(evs[evs.length - 1])
            verify(Succes.debloque(memoire.succes, id), id)
            verify(Succes.debloque(Succes.lire(stocke.succes), id), id + " stored")
            verify(debloques.indexOf(id) >= 0, id)
            verify(Journal.lignes("TESSIMORA_SUCCES ").indexOf("TESSIMORA_SUCCES " + id) >= 0, id)
            // The provider heard of it too.
            verify(f.appels.indexOf("debloquer " + id) >= 0, id)
        }
    }

    function test_toutes_les_lanternes_puis_une_seconde_partie() {
        var f = espion.createObject(cas)
        demarrer(f)
        var ids = Succes.LISTE.map(function (d) { return d.id })
        for (var n = 0; n < ids.length - 1; ++n)
            jouer(sequences[ids[n]]())
        var lignes = Journal.lignes("TESSIMORA_SUCCES ")
        compare(lignes.length, 48)
        compare(lignes[47], "TESSIMORA_SUCCES EVERY_LANTERN_LIT")
        compare(debloques[47], "EVERY_LANTERN_LIT")
        compare(Succes.nombre(memoire.succes), 48)
        arreter()
        compare(Succes.nombre(Succes.lire(relire())), 48)

        // Next start: the provider hears of all 48 again, nothing unlocks again.
        var g = espion.createObject(cas)
        demarrer(g, null, true)
        compare(g.de("debloquer ").length, 48)
        jouer(serie(9).concat([pile("night", 3)]))
        compare(Journal.lignes("TESSIMORA_SUCCES "), [])
        compare(debloques, [])
        compare(g.de("debloquer ").length, 48)
    }

    function test_compteurs_au_fil_des_jours() {
        demarrer(espion.createObject(cas))
        jouer(jours(2026, 12, 31, 2))
        compare(memoire.succes.stats.defiSuite, 2) // 31 December then 1 January
        jouer(jours(2028, 2, 28, 1).concat(jours(2028, 3, 1, 1)))
        compare(memoire.succes.stats.defiSuite, 1) // 2028 has a 29 February
        jouer(jours(2028, 3, 1, 1))
        compare(memoire.succes.stats.defis, 4) // the same day twice counts once
        compare(memoire.succes.stats.defiSuite, 1)
        compare(memoire.succes.defiDernier, "20280301")
    }

    function test_un_evenement_sans_effet_ne_reecrit_rien() {
        var f = espion.createObject(cas)
        demarrer(f)
        jouer([{ type: "glissant", niveau: 2 }])
        var ecrit = magasinDe(memoire).succes
        var changements = 0
        memoire.succesChanged.connect(function () { changements++ })
        f.appels = []
        jouer([{ type: "glissant", niveau: 1 }, { type: "inconnu" }, { type: "aide", nom: "hint" }])
        compare(changements, 0)
        compare(f.appels, [])
        compare(magasinDe(memoire).succes, ecrit)
    }

    function test_ce_que_le_fournisseur_entend() {
        var f = espion.createObject(cas)
        demarrer(f)
        jouer(fois(99, function () { return paire(1) }))
        f.appels = []
        jouer([paire(1)])
        compare(f.appels, ["debloquer HUNDRED_LANTERNS",
                           "progresser THOUSAND_LANTERNS 100/1000 paires",
                           "progresser LANTERN_FESTIVAL 100/5000 paires",
                           "score RECORD_PAIRS 100 []"])
        f.appels = []
        jouer(jours(2026, 1, 15, 2))
        compare(f.de("score "), ["score RECORD_MOON_STREAK 1 []", "score RECORD_MOON_STREAK 2 []"])
        compare(f.de("debloquer "), ["debloquer MOONLIT"])
    }

    function test_synchronisation_au_demarrage() {
        var e = Succes.etatVide()
        Succes.evenement(e, { type: "secret" }, 1)
        e.stats.fevers = 3
        e.stats.paires = 1500
        stocker(Succes.ecrire(e))
        var f = espion.createObject(cas)
        demarrer(f, null, true)
        // Catalogue order; a tier shows its counter, capped at its goal.
        compare(f.appels, ["progresser FEVER_REGULAR 3/25 fevers",
                           "progresser HUNDRED_LANTERNS 100/100 paires",
                           "progresser THOUSAND_LANTERNS 1000/1000 paires",
                           "progresser LANTERN_FESTIVAL 1500/5000 paires",
                           "debloquer BEHIND_THE_CURTAIN"])
    }

    function test_sans_facade_tout_reste_local() {
        demarrer(null)
        compare(couche.fournisseur, null)
        verify(!couche.enLigne)
        jouer(serie(3))
        compare(debloques, ["FIRST_LANTERN", "SPARKS"])
        compare(Journal.lignes("TESSIMORA_SUCCES "), ["TESSIMORA_SUCCES FIRST_LANTERN",
                                                      "TESSIMORA_SUCCES SPARKS"])
        verify(Succes.debloque(Succes.lire(magasinDe(memoire).succes), "SPARKS"))
        couche.finPartie({ mode: "rush", score: 4200, etape: 3, piles: 2, classe: true, jour: "", ia: 1 })
        compare(Journal.lignes("TESSIMORA_CLASSEMENT"), [])
        compare(couche.manette, "")
    }

    // The host's facade without a provider: no name, every call a no-op.
    Component {
        id: facadeSeule
        QtObject {
            property string nom: ""
            property bool annonce: false
            property string manette: ""
            property int statuts: 0
            function debloquer(id) {}
            function progresser(id, v, b, s) {}
            function envoyerScore(n, s, d) {}
            function presence(c, v, g) { statuts++ }
            function lireNuage() { return "" }
            function ecrireNuage(t) {}
        }
    }

    function test_facade_sans_fournisseur() {
        var f = facadeSeule.createObject(cas)
        demarrer(f, borneFausse)
        verify(!couche.enLigne)
        verify(!couche.minuterieStatut.running)
        couche.finPartie({ mode: "rush", score: 4200, etape: 3, piles: 2, classe: true, jour: "", ia: 1 })
        compare(Journal.lignes("TESSIMORA_CLASSEMENT"), ["TESSIMORA_CLASSEMENT rush 4200"])
        jouer([paire(1)])
        compare(Journal.lignes("TESSIMORA_SUCCES "), ["TESSIMORA_SUCCES FIRST_LANTERN"])
        compare(f.statuts, 0)
    }

    function test_statut_des_amis() {
        var f = espion.createObject(cas)
        borneFausse.etat = { scene: "mire" }
        demarrer(f, borneFausse)
        var m = couche.minuterieStatut
        verify(m.running)
        compare(m.interval, 1000)
        verify(m.repeat)
        // The test ticks by itself first; the real second comes last.
        m.stop()
        var etapes = [
            [{ scene: "mire" }, "presence #Titre {} "],
            [{ scene: "scores", sorte: "" }, ""],
            [{ scene: "menu" }, "presence #Menu {} "],
            [{ scene: "partie", sorte: "pile", mode: "night", etape: 0, niveauIa: 1, multiplicateur: 1, niveau: 0, pause: false },
             "presence #Night {\"etape\":\"1\"} "],
            [{ scene: "partie", sorte: "pile", mode: "night", etape: 0, niveauIa: 1, multiplicateur: 1, niveau: 0, pause: false }, ""],
            [{ scene: "partie", sorte: "pile", mode: "night", etape: 1, niveauIa: 1, multiplicateur: 1, niveau: 0, pause: false },
             "presence #Night {\"etape\":\"2\"} "],
            [{ scene: "partie", sorte: "pile", mode: "night", etape: 1, niveauIa: 1, multiplicateur: 1, niveau: 0, pause: true },
             "presence #Pause {} "],
            [{ scene: "continue", sorte: "pile", mode: "night" }, "presence #Continue {} "],
            [{ scene: "gameover", sorte: "pile", mode: "night" }, ""],
            [{ scene: "saisie", sorte: "pile", mode: "night" }, "presence #Record {} "],
            [{ scene: "partie", sorte: "pile", mode: "rush", etape: 7, multiplicateur: 4 }, "presence #Rush {\"piles\":\"3\"} "],
            [{ scene: "partie", sorte: "pile", mode: "daily", etape: 0 }, "presence #Daily {} "],
            [{ scene: "partie", sorte: "pile", mode: "paper", etape: 0 }, "presence #Paper {\"etape\":\"1\"} "],
            [{ scene: "partie", sorte: "pile", mode: "parade", etape: 11 }, "presence #Parade {\"etape\":\"12\"} "],
            [{ scene: "partie", sorte: "glissant", mode: "sliding", niveau: 2 }, "presence #Sliding {\"niveau\":\"3\"} "],
            [{ scene: "partie", sorte: "duel", mode: "duel", niveauIa: 2 }, "presence #DuelIa {\"adversaire\":\"DRAGON KITE\"} "],
            [{ scene: "partie", sorte: "duel", mode: "duel", niveauIa: -1 }, "presence #Duel2 {} duel"],
            [{ scene: "galerie" }, "presence #Extras {} "],
            [{ scene: "succes" }, "presence #Succes {} "]
        ]
        for (var i = 0; i < etapes.length; ++i) {
            f.appels = []
            borneFausse.etat = etapes[i][0]
            m.triggered()
            m.triggered()
            compare(f.appels, etapes[i][1] === "" ? [] : [etapes[i][1]], JSON.stringify(etapes[i][0]))
        }
        compare(couche.dernierStatut, "{\"cle\":\"#Succes\",\"valeurs\":{},\"groupe\":\"\"}")

        // A status that fails is sent again at each tick until it goes through.
        f.panneStatut = true
        borneFausse.etat = { scene: "menu" }
        f.appels = []
        m.triggered()
        m.triggered()
        compare(f.appels.length, 2)
        f.panneStatut = false
        m.triggered()
        m.triggered()
        compare(f.appels.length, 3)

        // A real second: the timer itself ticks.
        borneFausse.etat = { scene: "titre" }
        f.appels = []
        m.start()
        tryCompare(f.appels, "length", 1, 2500)
    }

    function test_classements_d_une_partie_finie() {
        var f = espion.createObject(cas)
        demarrer(f)
        var fins = [
            [{ mode: "night", score: 182400, etape: 7, piles: 0, classe: true, jour: "", ia: 1 }, "score NIGHT_MARKET 182400 [7,0,0]"],
            [{ mode: "paper", score: 5100, etape: 2, piles: 0, classe: true, jour: "", ia: 1 }, "score PAPER_MOON 5100 [2,0,0]"],
            [{ mode: "parade", score: 99, etape: 1, piles: 0, classe: true, jour: "", ia: 1 }, "score PANDA_PARADE 99 [1,0,0]"],
            [{ mode: "rush", score: 4200, etape: 3, piles: 2, classe: true, jour: "", ia: 1 }, "score INCENSE_RUSH 4200 [3,2,0]"],
            [{ mode: "sliding", score: 777, etape: 4, piles: 0, classe: true, jour: "", ia: 1 }, "score SLIDING_STALLS 777 [4,0,0]"],
            [{ mode: "duel", score: 900, etape: 3, ia: 2 }, "score LANTERN_DUEL 900 [3,0,0]"],
            [{ mode: "duel", score: 900, etape: 0, ia: -1 }, ""],
            [{ mode: "daily", score: 5000, etape: 1, piles: 0, classe: true, jour: "20260115", ia: 1 },
             "score MOON_OF_THE_DAY_20260115 5000 [1,0,20260115]"],
            [{ mode: "daily", score: 0, etape: 1, piles: 0, classe: false, jour: "20260115", ia: 1 }, ""],
            [{ mode: "night", score: 3000000000, etape: 12, piles: 0, classe: true, jour: "", ia: 1 },
             "score NIGHT_MARKET 2147483647 [12,0,0]"],
            [{ mode: "night", score: 0, etape: 1, piles: 0, classe: true, jour: "", ia: 1 }, ""]
        ]
        var lignes = []
        for (var i = 0; i < fins.length; ++i) {
            f.appels = []
            couche.finPartie(fins[i][0])
            compare(f.appels, fins[i][1] === "" ? [] : [fins[i][1]], JSON.stringify(fins[i][0]))
            if (fins[i][1] !== "")
                lignes.push("TESSIMORA_CLASSEMENT " + fins[i][0].mode + " " + fins[i][0].score)
        }
        compare(Journal.lignes("TESSIMORA_CLASSEMENT"), lignes)
        compare(lignes[3], "TESSIMORA_CLASSEMENT rush 4200")
    }

    function test_surcouche_et_manette() {
        var f = espion.createObject(cas)
        demarrer(f)
        var ouvertures = []
        couche.surcouche.connect(function (o) { ouvertures.push(o) })
        f.surcoucheOuverte(true)
        f.surcoucheOuverte(false)
        compare(ouvertures, [true, false])
        compare(couche.manette, "")
        f.manette = "playstation"
        compare(couche.manette, "playstation")
        verify(couche.enLigne)
        verify(!couche.annonceFournisseur)
        f.annonce = true
        verify(couche.annonceFournisseur)
    }

    // -- providers that go wrong ---------------------------------------------------
    Component {
        id: enPanne
        QtObject {
            property string nom: "panne"
            property int unlocks: 0
            property int statuts: 0
            function debloquer(id) { unlocks++; throw new Error("service down") }
            function progresser(id, v, b, s) { throw "a bare text" }
            function envoyerScore(n, s, d) { throw { code: 503 } }
            function presence(c, v, g) { statuts++; throw null }
            function lireNuage() { throw new TypeError("no cloud") }
            function ecrireNuage(t) { throw 7 }
        }
    }
    Component {
        id: deTravers
        QtObject {
            property var nom: "travers"
            property var annonce: "true"
            property var manette: 7
            property var debloquer: "not a function"
            property var presence: 12
            function progresser(id, v, b, s) { return { beaucoup: [1, 2, 3] } }
            function envoyerScore(n, s, d) { return NaN }
            function lireNuage() { return { pas: "un texte" } }
            function ecrireNuage(t) { return undefined }
        }
    }
    Component { id: sansRien; QtObject { property string nom: "vide" } }
    Component {
        id: nomNombre
        QtObject {
            property var nom: 42
            property int appels: 0
            function debloquer(id) { appels++ }
            function presence(c, v, g) { appels++ }
        }
    }

    // Whatever the provider does, the game's achievements go on.
    function jouerMalgre(f, attendu) {
        borneFausse.etat = { scene: "partie", sorte: "pile", mode: "night", etape: 0 }
        demarrer(f, borneFausse)
        jouer(serie(9).concat([pile("night", 0, { parfait: true })]))
        compare(debloques, ["FIRST_LANTERN", "SPARKS", "FIRECRACKERS", "FESTIVAL_FEVER",
                            "STALL_IS_OPEN", "CLEAN_PAWS"])
        compare(Journal.lignes("TESSIMORA_SUCCES ").length, 6)
        compare(Succes.nombre(Succes.lire(magasinDe(memoire).succes)), 6)
        // Three ticks of the status timer, when it runs at all.
        for (var i = 0; i < 3; ++i)
            if (couche.minuterieStatut.running) couche.minuterieStatut.triggered()
        couche.finPartie({ mode: "night", score: 1200, etape: 1, piles: 0, classe: true, jour: "", ia: 1 })
        compare(Journal.lignes("TESSIMORA_CLASSEMENT").length, attendu.classement ? 1 : 0)
        compare(couche.enLigne, attendu.enLigne)
        verify(!couche.annonceFournisseur)
        compare(couche.manette, "")
        compare(couche.dernierStatut, "")
    }

    function test_fournisseur_qui_leve_des_erreurs() {
        var f = enPanne.createObject(cas)
        jouerMalgre(f, { enLigne: true, classement: false })
        // Each unlock tried once and never again; the status at every tick.
        compare(f.unlocks, 6)
        compare(f.statuts, 3)
    }

    function test_fournisseur_aux_mauvais_types() {
        jouerMalgre(deTravers.createObject(cas), { enLigne: true, classement: true })
    }

    function test_fournisseur_sans_operations() {
        jouerMalgre(sansRien.createObject(cas), { enLigne: true, classement: false })
    }

    function test_nom_qui_n_est_pas_un_texte() {
        var f = nomNombre.createObject(cas)
        jouerMalgre(f, { enLigne: false, classement: false })
        verify(!couche.minuterieStatut.running)
        // Not a provider, but the game still tells the facade what it has.
        compare(f.appels, 6)
    }
}
