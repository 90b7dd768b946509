import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0 as T
import "qrc:/app/ecran"

// The screen as the player meets it: modes follow the window, the pointer
// lands on the native pixel drawn under it (curved or not), presses on the
// backdrop or beyond the tube are dropped and releases are never lost, and the
// picture itself is the native screen scaled pixel for pixel.
Item {
    id: scene
    width: 1000
    height: 560

TestCase {
    id: cas
    name: "Ecran"
    when: windowShown

    Component {
        id: fabrique
        Ecran {
            // Native test card: a white frame, a red block and a green pixel.
            Rectangle { width: 384; height: 224; color: "#204080" }
            Rectangle { x: 0; y: 0; width: 384; height: 1; color: "white" }
            Rectangle { x: 383; y: 0; width: 1; height: 224; color: "white" }
            Rectangle { x: 100; y: 50; width: 20; height: 10; color: "red" }
            Rectangle { x: 200; y: 120; width: 1; height: 1; color: "#00ff00" }
            // Near the top, where the tube's frame (not its middle) draws it.
            Rectangle { x: 150; y: 1; width: 20; height: 8; color: "#ffff00" }
        }
    }

    SignalSpy { id: appuis; signalName: "appui" }
    SignalSpy { id: relaches; signalName: "relache" }
    SignalSpy { id: glisses; signalName: "glisse" }
    SignalSpy { id: survols; signalName: "survol" }
    SignalSpy { id: molettes; signalName: "molette" }

    property var ecran: null

    function creer(l, h, proprietes) {
        ecran = createTemporaryObject(fabrique, scene, proprietes)
        ecran.width = l
        ecran.height = h
        for (const spy of [appuis, relaches, glisses, survols, molettes]) {
            spy.clear()
            spy.target = ecran
        }
        return ecran
    }

    function test_modes_suivent_la_fenetre() {
        creer(768, 448, { reglages: { actif: false } })
        compare(ecran.mode, "entier")
        compare(ecran.facteur, 2)
        compare(ecran.crt.objectName, "crt")
        compare(ecran.natif.width, 384)
        compare(ecran.natif.height, 224)
        verify(ecran.natif.clip)

        ecran.width = 1008
        ecran.height = 560
        compare(ecran.mode, "remplir")
        ecran.affichage = "etirer"
        compare(ecran.mode, "etirer")
        compare(ecran.geo.sx, 1008 / 384)
        ecran.affichage = ""
        ecran.boite = true
        compare(ecran.mode, "entier")
        compare(ecran.image.x, ecran.geo.x)
        compare(ecran.image.width, ecran.geo.largeur)

        ecran.width = 0
        ecran.height = 0
        compare(ecran.mode, "entier") // the box keeps its integer scale
        ecran.boite = false
        compare(ecran.mode, "remplir")
        compare(ecran.geo.sx, 1 / 384)
    }

    function test_pointeur_a_plat() {
        // 1000 x 560 pixel perfect: the picture is 768 x 448 at (116, 56).
        creer(1000, 560, { affichage: "entier", reglages: { actif: false, courbure: 1 } })
        compare(ecran.geo.x, 116)
        compare(ecran.geo.y, 56)

        mousePress(ecran, 116 + 201, 56 + 101, Qt.RightButton)
        compare(appuis.count, 1)
        compare(appuis.signalArguments[0][0], 100.5)
        compare(appuis.signalArguments[0][1], 50.5)
        compare(appuis.signalArguments[0][2], Qt.RightButton)
        mouseMove(ecran, 116 + 11, 56 + 21, -1, Qt.RightButton)
        compare(glisses.count, 1)
        compare(glisses.signalArguments[0][0], 5.5)
        // Released over the backdrop: still signalled, with no position.
        mouseRelease(ecran, 20, 300, Qt.RightButton)
        compare(relaches.count, 1)
        compare(relaches.signalArguments[0][0], -1)
        compare(relaches.signalArguments[0][1], -1)

        // Pressed on the backdrop: nothing, and the release says so.
        mousePress(ecran, 20, 300)
        mouseMove(ecran, 25, 300, -1, Qt.LeftButton)
        compare(appuis.count, 1)
        compare(glisses.count, 1)
        mouseRelease(ecran, 116 + 2, 56 + 2)
        compare(relaches.count, 2)
        compare(relaches.signalArguments[1][0], 1)

        // (the test tool swallows the first move after a release)
        mouseMove(ecran, 116 + 700, 56 + 400)
        survols.clear()
        mouseMove(ecran, 116 + 767, 56 + 447)
        compare(survols.count, 1)
        compare(survols.signalArguments[0][0], 383.5)
        compare(survols.signalArguments[0][1], 223.5)
        mouseMove(ecran, 116 + 768, 56 + 447)
        compare(survols.count, 1)
    }

    function test_pointeur_courbe() {
        creer(1000, 560, { affichage: "etirer", reglages: { actif: true, courbure: 1 } })
        // Beyond the curved edge near a corner: dropped.
        mousePress(ecran, 3, 3)
        compare(appuis.count, 0)
        mouseRelease(ecran, 3, 3)
        compare(relaches.signalArguments[0][0], -1)
        // On the picture: the native pixel the curved picture draws there.
        const p = ecran.versNatif(200, 100)
        verify(p !== null)
        const nx = 200 / 1000 * 2 - 1, ny = 100 / 560 * 2 - 1
        const dx = nx * (1 + 0.07 * ny * ny) * 1.024
        const dy = ny * (1 + 0.11 * nx * nx) * 1.024
        fuzzyCompare(p.x, (dx + 1) / 2 * 384, 1e-9)
        fuzzyCompare(p.y, (dy + 1) / 2 * 224, 1e-9)
        mousePress(ecran, 200, 100)
        compare(appuis.count, 1)
        fuzzyCompare(appuis.signalArguments[0][0], p.x, 1e-9)
        mouseRelease(ecran, 200, 100)

        // Turning the look off removes the curvature from the pointer too.
        ecran.reglages = { actif: false, courbure: 1 }
        verify(ecran.versNatif(3, 3) !== null)
    }

    function test_molette() {
        creer(768, 448, {})
        mouseWheel(ecran, 100, 100, 0, 120)
        mouseWheel(ecran, 100, 100, 0, -120)
        mouseWheel(ecran, 100, 100, 120, 0) // sideways only
        compare(molettes.count, 3)
        compare(molettes.signalArguments[0][0], 1)
        compare(molettes.signalArguments[1][0], -1)
        compare(molettes.signalArguments[2][0], -1)
    }

    function test_touches_au_routeur() {
        const vues = []
        creer(768, 448, { routeur: function (e, appui) {
            vues.push([e.key, appui])
            return e.key === Qt.Key_C
        } })
        ecran.forceActiveFocus()
        keyClick(Qt.Key_C)
        keyClick(Qt.Key_X)
        compare(vues, [[Qt.Key_C, true], [Qt.Key_C, false], [Qt.Key_X, true], [Qt.Key_X, false]])
    }

    function couleur(image, x, y) {
        return String(image.pixel(x, y))
    }

    function canaux(image, x, y) {
        return [image.red(x, y) / 255, image.green(x, y) / 255, image.blue(x, y) / 255]
    }

    function test_image_doublee_pixel_pour_pixel() {
        creer(768, 448, { reglages: { actif: false } })
        waitForRendering(ecran)
        const image = grabImage(ecran)
        compare(couleur(image, 0, 0), "#ffffff")
        compare(couleur(image, 1, 1), "#ffffff")
        compare(couleur(image, 2, 2), "#204080")
        compare(couleur(image, 766, 200), "#ffffff")
        compare(couleur(image, 765, 200), "#204080")
        compare(couleur(image, 200, 100), "#ff0000")
        compare(couleur(image, 239, 119), "#ff0000")
        compare(couleur(image, 240, 119), "#204080")
        for (const [x, y] of [[400, 240], [401, 240], [400, 241], [401, 241]])
            compare(couleur(image, x, y), "#00ff00")
        compare(couleur(image, 402, 240), "#204080")
    }

    function test_echelle_fractionnaire_reste_nette() {
        // 960 x 560 stretches at 2.5: the red block (native 100..119) covers
        // window 250..300; only the one window pixel at each edge may blend.
        creer(960, 560, { reglages: { actif: false } })
        compare(ecran.mode, "etirer")
        waitForRendering(ecran)
        const image = grabImage(ecran)
        for (let x = 251; x <= 298; ++x) compare(couleur(image, x, 130), "#ff0000")
        compare(couleur(image, 248, 130), "#204080")
        compare(couleur(image, 301, 130), "#204080")
    }

    function test_marge_autour_de_l_image() {
        // The backdrop, dimmed, surrounds a picture that stays untouched.
        creer(1000, 560, { affichage: "entier", reglages: { actif: false } })
        waitForRendering(ecran)
        const image = grabImage(ecran)
        compare(couleur(image, 116 + 200, 56 + 100), "#ff0000")
        for (const [x, y] of [[5, 5], [50, 280], [990, 550], [500, 20]]) {
            const c = canaux(image, x, y)
            verify(Math.max(c[0], c[1], c[2]) <= 0.61, couleur(image, x, y))
        }
    }

    // The card's colour at native texel (i, j), edges clamped as a texture's.
    function texelCarte(i, j) {
        i = Math.max(0, Math.min(383, i))
        j = Math.max(0, Math.min(223, j))
        if (j === 0 || i === 383) return [1, 1, 1]
        if (i >= 150 && i < 170 && j >= 1 && j < 9) return [1, 1, 0]
        if (i >= 100 && i < 120 && j >= 50 && j < 60) return [1, 0, 0]
        return [0x20 / 255, 0x40 / 255, 0x80 / 255]
    }

    // A sharp read of the card at native point (px, py) with k window pixels
    // per native pixel on each axis: texel centres flat, the last half output
    // pixel before an edge sliding linearly towards the neighbour.
    function lireCarte(px, py, kx, ky) {
        const glisse = (v, k) => {
            const b = Math.floor(v), f = v - b - 0.5, m = 0.5 - 0.5 / k
            return b + (f - Math.max(-m, Math.min(m, f))) * k
        }
        const tx = glisse(px, kx), ty = glisse(py, ky)
        const i = Math.floor(tx), j = Math.floor(ty), a = tx - i, b = ty - j
        const c = [0, 0, 0]
        for (const [di, dj, w] of [[0, 0, (1 - a) * (1 - b)], [1, 0, a * (1 - b)],
                                   [0, 1, (1 - a) * b], [1, 1, a * b]]) {
            const t = texelCarte(i + di, j + dj)
            for (let n = 0; n < 3; ++n) c[n] += w * t[n]
        }
        return c
    }

    function test_adoucissement_dans_le_cadre_et_au_milieu() {
        // Curved, with no scanline, mask, glow nor vignette, every window
        // pixel is the softened read: 0.7 of the sharp read at its native
        // point and 0.15 of each read a quarter native pixel to its side.
        // Row 15 lies in the frame around the middle piece, row 135 in the
        // middle; both cross a vertical edge of a block.
        creer(1000, 560, { affichage: "etirer",
                           reglages: { actif: true, balayage: 0, masque: 0, lueur: 0,
                                       courbure: 0.5, vignette: 0 } })
        verify(ecran.crt.interieur.y > 15 && ecran.crt.interieur.y < 135)
        waitForRendering(ecran)
        const image = grabImage(ecran)
        const kx = 1000 / 384, ky = 2.5
        for (const [y, x0, x1] of [[15, 360, 420], [135, 240, 300]]) {
            for (let x = x0; x <= x1; ++x) {
                const nx = (x + 0.5) / 1000 * 2 - 1, ny = (y + 0.5) / 560 * 2 - 1
                const px = (nx * (1 + 0.035 * ny * ny) * 1.012 + 1) / 2 * 384
                const py = (ny * (1 + 0.055 * nx * nx) * 1.012 + 1) / 2 * 224
                const m = lireCarte(px, py, kx, ky)
                const g = lireCarte(px - 0.25, py, kx, ky), d = lireCarte(px + 0.25, py, kx, ky)
                const vu = canaux(image, x, y)
                for (let n = 0; n < 3; ++n)
                    fuzzyCompare(vu[n], 0.7 * m[n] + 0.15 * (g[n] + d[n]), 2.5 / 255,
                                 x + "," + y + " channel " + n)
            }
        }
    }

    function test_tube_assombrit_les_coins() {
        creer(1000, 560, { affichage: "etirer",
                           reglages: { actif: true, balayage: 0, masque: 0, lueur: 0,
                                       courbure: 0, vignette: 0.5 } })
        waitForRendering(ecran)
        const image = grabImage(ecran)
        // Flat, no scanline nor mask: only the softening (invisible on a plain
        // colour) and the vignette remain, so each pixel is the native colour
        // darkened by 1 - 0.22 r^3.2 from the window's centre.
        for (const [x, y] of [[500, 280], [3, 556], [990, 5], [500, 5], [3, 280]]) {
            const n = [(x + 0.5) / 1000 * 2 - 1, (y + 0.5) / 560 * 2 - 1]
            const r2 = n[0] * n[0] + n[1] * n[1]
            fuzzyCompare(canaux(image, x, y)[2], 0x80 / 255 * (1 - 0.22 * Math.pow(r2, 1.6)),
                         1.5 / 255)
        }
        verify(canaux(image, 3, 556)[2] < 0.4 * canaux(image, 500, 280)[2])

        // Beyond the curved edge the backdrop goes on: never plain black.
        ecran.reglages = { actif: true, courbure: 1 }
        waitForRendering(ecran)
        const courbe = grabImage(ecran)
        for (const [x, y] of [[0, 0], [999, 559], [0, 559], [999, 0]])
            verify(couleur(courbe, x, y) !== "#000000", x + "," + y)
    }

    Component {
        id: fabriqueMobile
        Ecran {
            property alias bloc: bloc
            property alias haut: haut
            Rectangle { width: 384; height: 224; color: "#204080" }
            Rectangle { id: bloc; x: 100; y: 50; width: 20; height: 10; color: "red" }
            Rectangle { id: haut; x: 150; y: 1; width: 20; height: 8; color: "#ffff00" }
            Rectangle { x: 300; y: 180; width: 30; height: 30; color: "white" }
        }
    }

    // The tube keeps its picture and draws again only what changed: after
    // moves, and after the look was off while the picture changed, what it
    // shows is what drawing the whole window gives.
    function test_tube_redessine_ce_qui_change() {
        const e = createTemporaryObject(fabriqueMobile, scene, {
            affichage: "etirer", width: 1000, height: 560,
            reglages: { actif: true, balayage: 0.6, masque: 0.5, lueur: 0.4, courbure: 0.5,
                        vignette: 0.5 } })
        const tube = findChild(e.crt, "tube")
        verify(tube.visible)
        waitForRendering(e)
        const avant = grabImage(e)
        const pixels = tube.pixelsRedessines()

        function toutRedessine() {
            tube.redessiner()
            waitForRendering(e)
            return grabImage(e)
        }
        e.bloc.x = 130
        e.haut.y = 5
        waitForRendering(e)
        const retouche = grabImage(e)
        verify(!retouche.equals(avant))
        const part = (tube.pixelsRedessines() - pixels) / (1000 * 560)
        verify(part > 0 && part < 0.25, "share drawn again " + part)
        verify(retouche.equals(toutRedessine()))

        e.reglages = { actif: false }
        waitForRendering(e)
        e.bloc.y = 150
        waitForRendering(e)
        e.reglages = { actif: true, balayage: 0.6, masque: 0.5, lueur: 0.4, courbure: 0.5,
                       vignette: 0.5 }
        waitForRendering(e)
        const rallume = grabImage(e)
        verify(rallume.equals(toutRedessine()))
        verify(!rallume.equals(retouche))
    }

    // Copied into the frame or drawn as a texture, the kept picture shows
    // the same, shaken or not.
    function test_copie_ou_texture() {
        const e = createTemporaryObject(fabriqueMobile, scene, {
            affichage: "etirer", width: 1000, height: 560,
            reglages: { actif: true, balayage: 0.6, masque: 0.5, lueur: 0.4, courbure: 0.5,
                        vignette: 0.5 } })
        const tube = findChild(e.crt, "tube")
        for (const [x, y] of [[0, 0], [2, -1]]) {
            T.Secousse.x = x
            T.Secousse.y = y
            tube.copie = true
            waitForRendering(e)
            const copie = grabImage(e)
            tube.copie = false
            waitForRendering(e)
            const texture = grabImage(e)
            T.Secousse.x = 0
            T.Secousse.y = 0
            verify(copie.equals(texture), "shaken by " + x + "," + y)
        }
    }

    // A shake moves the kept picture by whole native pixels in window pixels,
    // and nothing is drawn again for it.
    function test_secousse_deplace_l_image_gardee() {
        const e = createTemporaryObject(fabriqueMobile, scene, {
            affichage: "entier", width: 768, height: 448,
            reglages: { actif: true, balayage: 0.6, masque: 0.5, lueur: 0.4, courbure: 0.5,
                        vignette: 0.5 } })
        verify(T.Secousse.prise)
        const tube = findChild(e.crt, "tube")
        waitForRendering(e)
        const avant = grabImage(e)
        const pixels = tube.pixelsRedessines()
        T.Secousse.x = 3
        T.Secousse.y = -1
        waitForRendering(e)
        compare([tube.x, tube.y], [6, -2])
        compare(tube.pixelsRedessines(), pixels)
        // What the window shows moved with it.
        const apres = grabImage(e)
        T.Secousse.x = 0
        T.Secousse.y = 0
        for (const [x, y] of [[206, 100], [300, 360], [620, 390], [400, 4]])
            compare(String(apres.pixel(x, y)), String(avant.pixel(x - 6, y + 2)), x + "," + y)
        compare([tube.x, tube.y], [0, 0])
    }
}
}