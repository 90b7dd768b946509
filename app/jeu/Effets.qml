import QtQuick 2.15
import Tessimora 1.0
import "../images/sprites.js" as Sprites

// The effects layer of one game: short strips, floating numbers, banners,
// logos and the screen shake. Finished items go back to pools kept per strip
// name, so steady play creates nothing once the pools are warm.
Item {
    id: effets

    width: 384
    height: 224

    // Shake offsets; the owner moves its scene by them. Under a screen that
    // has taken the shake they stay 0: the screen moves its kept picture,
    // which costs no more than a still frame (Secousse).
    property int decalX: 0
    property int decalY: 0
    property int pasTremble: -1
    readonly property var tremble: Sprites.table.tremblement
    // Trials follow the shake by the offsets it applies, as they follow the
    // sounds: a TESSIMORA_SECOUSSE line for each, with --journal-sons.
    readonly property bool journal: Qt.application.arguments.indexOf("--journal-sons") >= 0
    // The layer's own random source: visual placement only.
    property int graine: 7
    property var libresEffets: ({})
    property var libresNombres: []
    property int maxReserve: 24
    // Items ever made, for the pool tests.
    property int creations: 0

    // T() marks each key of the table for the key tool; the text is
    // translated where the logo is shown.
    readonly property var textesLogo: (function () {
        function T(cle) { return cle }
        return {
        ready: [T("READY"), 4], go: [T("GO!"), 4], stage: [T("STAGE"), 2],
        stage_clear: [T("STAGE CLEAR"), 4], all_clear: [T("ALL CLEAR"), 4],
        time_up: [T("TIME UP"), 4], no_more_pairs: [T("NO MORE PAIRS"), 2],
        game_over: [T("GAME OVER"), 4], "continue": [T("CONTINUE?"), 4],
        perfect: [T("PERFECT"), 4], boss: [T("BOSS"), 4], win: [T("WIN"), 4],
        lose: [T("LOSE"), 4], pause: [T("PAUSE"), 2]
        }
    })()

    function hasard() {
        // Exact low 31 bits of the product, without losing precision.
        graine = (Math.imul(graine, 1103515245) + 12345) & 0x7fffffff
        return graine / 2147483647
    }

    // The only places items are made, counted for the pool tests.
    function nouvelEffet(nom) {
        creations++
        return fabriqueEphemere.createObject(effets, {nom: nom, reserve: effets})
    }
    function nouveauNombre() {
        creations++
        return fabriqueNombre.createObject(effets, {reserve: effets, z: 6})
    }

    function poser(p) {
        var liste = libresEffets[p.nom]
        var e = liste && liste.length > 0 ? liste.pop() : nouvelEffet(p.nom)
        // Calm motion turns what flashes into a fade (see Mouvement).
        var calme = Mouvement.effet(p.nom)
        e.px = p.x || 0
        e.py = p.y || 0
        e.dx = p.dx || 0
        e.dy = p.dy || 0
        e.delai = p.delai || 0
        e.vie = calme.vie !== undefined ? calme.vie : p.vie || 0
        e.fondu = calme.fondu !== undefined ? calme.fondu : p.fondu === true
        e.fige = calme.fige === true
        e.intensite = calme.intensite !== undefined ? calme.intensite : 1
        e.z = p.z || 0
        e.titre = p.titre || ""
        e.echelle = p.echelle || 2
        e.lancer()
        return e
    }

    function rendre(e) {
        e.arreter()
        var nombre = e.grand !== undefined
        var liste
        if (nombre) {
            liste = libresNombres
        } else {
            if (!libresEffets[e.nom])
                libresEffets[e.nom] = []
            liste = libresEffets[e.nom]
        }
        if (liste.indexOf(e) >= 0)
            return
        if (liste.length < maxReserve)
            liste.push(e)
        else
            e.destroy()
    }

    function vider() {
        var enfants = []
        for (var i = 0; i < children.length; ++i)
            if (children[i].enJeu === true)
                enfants.push(children[i])
        for (var k = 0; k < enfants.length; ++k)
            rendre(enfants[k])
    }

    // Fills the pools a stack's pair feedback draws on, up to what steady
    // play keeps in flight, so the first removals of a game create nothing.
    // Done once, while a stack opens.
    property bool prechauffe: false
    function prechauffer() {
        if (prechauffe)
            return
        prechauffe = true
        // Strip name and how many of it a fast player keeps in flight.
        var besoins = {effets_eclair: 4, effets_ecrase: 4, effets_lanterne_monte: 4,
                       effets_lanterne_eclate: 4, effets_combo: 2, effets_refus: 2, effets_twin: 2,
                       effets_fever: 3, effets_flash: 1, effets_eclats: 4}
        var couleurs = ["or", "jade", "blanc", "rose"]
        for (var c = 0; c < couleurs.length; ++c)
            besoins["effets_etincelle_" + couleurs[c]] = maxReserve
        for (var nom in besoins) {
            var n = besoins[nom]
            var liste = libresEffets[nom] || []
            while (liste.length < n) {
                liste.push(nouvelEffet(nom))
            }
            libresEffets[nom] = liste
        }
        while (libresNombres.length < 8)
            libresNombres.push(nouveauNombre())
        // The script engine compiles a function the third time it runs: a
        // rehearsal of a pair's feedback, handed back before anything is
        // drawn, keeps that work out of the first removals of play.
        for (var k = 0; k < 3; ++k) {
            retrait(0, 0, "or", 0)
            points(0, 0, "+100", "or", true, 0)
            points(0, 0, "+1S", "jade", false, 0)
            combo(0, 0, 9, true)
            vider()
        }
    }

    function retrait(x, y, couleur, delai) {
        var d = delai || 0
        var cx = x + 9, cy = y + 11
        poser({nom: "effets_eclair", x: x, y: y, delai: d, z: 3})
        poser({nom: "effets_ecrase", x: x, y: y, delai: d + 150, vie: 280, z: 2})
        var m = 520 + Pixel.arrondi(120 * hasard())
        var h = -34 - Pixel.arrondi(12 * hasard())
        poser({nom: "effets_lanterne_monte", x: cx, y: cy, dy: h, delai: d + 420, vie: m, z: 2})
        poser({nom: "effets_lanterne_eclate", x: cx, y: cy + h, delai: d + 420 + m, z: 3})
        etincelles(cx, cy + h, 5, couleur || "or", d + 420 + m)
    }

    function etincelles(x, y, n, couleur, delai) {
        var c = couleur || "or"
        for (var i = 0; i < n; ++i) {
            var a = 6.2832 * hasard()
            var r = 10 + 16 * hasard()
            poser({nom: "effets_etincelle_" + c, x: x, y: y, dx: r * Math.cos(a),
                   dy: r * Math.sin(a) - 4, delai: (delai || 0) + 30 * i, vie: 360, z: 4})
        }
    }

    function points(x, y, texte, style, grand, delai) {
        var v = libresNombres.length > 0 ? libresNombres.pop() : nouveauNombre()
        v.texte = String(texte)
        v.style = style || "or"
        v.grand = grand !== false
        v.px = x
        v.py = y
        v.delai = delai || 0
        v.lancer()
        return v
    }

    function combo(x, y, n, jumelle) {
        var cx = Math.max(4, Math.min(272, x))
        var cy = Math.max(16, Math.min(160, y))
        if (n >= 2) {
            poser({nom: "effets_combo", x: cx, y: cy, dy: -10, vie: 900, fondu: true, z: 7})
            points(cx + 66, cy, "\u00d7" + n, n >= 5 ? "rouge" : "or", true, 0)
        }
        if (n >= 9)
            poser({nom: "effets_fever", x: 131, y: 40, vie: 1600, fondu: true, z: 8})
        if (jumelle)
            poser({nom: "effets_twin", x: cx, y: cy + 20, vie: 700, z: 7})
    }

    function logo(nom, y, vie) {
        var bande = "effets_logo_" + nom
        var d = Sprites.table.anim[bande]
        if (d === undefined)
            return null
        var t = textesLogo[nom]
        return poser({nom: bande, x: Math.floor((width - d[0]) / 2), y: y, vie: vie || 1200, z: 9,
                      titre: t ? t[0] : "", echelle: t ? t[1] : 2})
    }

    function eclair() {
        return poser({nom: "effets_flash", x: 0, y: 0, z: 10})
    }
    function refus(x, y) {
        return poser({nom: "effets_refus", x: x, y: y, z: 3})
    }
    function tourbillon(x, y) {
        return poser({nom: "effets_tourbillon", x: x, y: y, vie: 720, fondu: true, z: 5})
    }
    function fumee(x, y) {
        return poser({nom: "effets_bouffee", x: x, y: y, z: 5})
    }
    function poussiere(x, y) {
        var pas = [-12, -4, 4, 12]
        for (var i = 0; i < pas.length; ++i)
            poser({nom: "effets_poussiere", x: x, y: y, dx: pas[i], dy: -3, vie: 300, z: 4})
    }

    function decaler(x, y) {
        var ecran = Secousse.prise
        Secousse.x = ecran ? x : 0
        Secousse.y = ecran ? y : 0
        decalX = ecran ? 0 : x
        decalY = ecran ? 0 : y
    }

    function secouer(x, y) {
        // Calm motion keeps the shards and leaves the picture still.
        if (Mouvement.secousse) {
            pasTremble = 0
            minuterie.restart()
        }
        if (x !== undefined && y !== undefined) {
            for (var i = 0; i < 4; ++i) {
                var ex = 40 * (hasard() - 0.5)
                var ey = -10 - 16 * hasard()
                poser({nom: "effets_eclats", x: x, y: y, dx: ex, dy: ey, vie: 320, z: 4})
            }
        }
    }

    Timer {
        id: minuterie
        interval: 16
        repeat: true
        onTriggered: {
            if (effets.pasTremble >= 0 && effets.pasTremble < effets.tremble.length) {
                var d = effets.tremble[effets.pasTremble]
                effets.decaler(d[0], d[1])
                effets.pasTremble++
                if (effets.journal)
                    Secousse.journaliser(d[0], d[1])
            } else {
                effets.decaler(0, 0)
                effets.pasTremble = -1
                stop()
            }
        }
    }

    Component {
        id: fabriqueEphemere
        Ephemere {}
    }
    Component {
        id: fabriqueNombre
        NombreVolant {}
    }
}
