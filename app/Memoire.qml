import QtQuick 2.15
import fbx.application 1.0
import Tessimora 1.0

// The game's durable memory: the four records (scores, settings, progression,
// achievements) and TEA HOUSE's record of stacks held in memory, read once at start from the settings store,
// merged with the provider's cloud copy, and written back on request.
//
// A record is changed by assigning a validated copy (`memoire.reglages = r`)
// and then calling the matching `garder` function, which writes its text at
// once and sends the cloud copy 2 s after the last of a burst of writes.
Item {
    id: memoire

    property var scores: Stockage.lireScores("")
    property var reglages: Stockage.lireReglages("")
    property var progression: Stockage.lireProgression("")
    property var succes: Succes.etatVide()
    property var salon: Salon.vide()
    // True once the stored records have been read and merged with the cloud.
    property bool pret: false
    // The provider facade, or null; only its cloud operations are used here.
    property var fournisseur: null

    // The records are read: the game may start.
    signal lu()
    // Achievements granted on the first read of a save older than them.
    signal rattrapes(var ids)

    function garderScores() { interne.garder("scores") }
    function garderReglages() { interne.garder("reglages") }
    function garderProgression() { interne.garder("progression") }
    function garderSucces() { interne.garder("succes") }
    function garderSalon() { interne.garder("salon") }

    // On quit and on going to the background: every text, and the cloud copy
    // at once rather than 2 s later, when there will be no later.
    function garderTout() {
        if (!interne.relu) {
            // Before the first read the memory holds only defaults: writing
            // them would destroy the stored records. Nothing was changed that
            // the player could miss, so the request waits for the read.
            interne.toutEnAttente = true
            return
        }
        interne.ecrireTout()
        versNuage.stop()
        if (pret) interne.envoyer()
    }

    // The cloud envelope of the records, written now.
    function enveloppe() {
        return Nuage.envelopper(scores, reglages, progression, succes, Date.now(), salon)
    }

    // Merges a cloud text into the records; rewrites the cloud when it lacks
    // something the merge holds.
    function fusionNuage(texte) {
        var f = fournisseur
        if (!Couche.a(f, "ecrireNuage"))
            return
        var local = Nuage.lire(Nuage.ecrire(enveloppe()))
        if (!local)
            return
        var d = Nuage.fusionDepart(local, texte)
        if (!d || !d.env)
            return
        if (Nuage.differe(d.env, local)) {
            scores = d.env.scores
            reglages = d.env.reglages
            progression = d.env.progression
            succes = d.env.succes
            interne.ecrireTout()
        }
        // Each best of the stacks' record, from either side.
        var s = Salon.fusion(salon, Salon.depuisNuage(texte))
        if (Salon.differe(s, salon)) {
            salon = s
            interne.ecrire("salon")
        }
        if (d.versNuage)
            Nuage.ecrireNuage(f, d.env)
    }

    QtObject {
        id: interne

        // The stored texts have been read into the records.
        property bool relu: false
        // Writes asked for before that read, done right after it.
        property var enAttente: []
        property bool toutEnAttente: false

        function garder(cle) {
            if (!relu) {
                if (enAttente.indexOf(cle) < 0)
                    enAttente.push(cle)
                return
            }
            ecrire(cle)
            versNuage.restart()
        }

        function ecrire(cle) {
            if (cle === "scores")
                magasin.scores = Stockage.ecrireScores(memoire.scores)
            else if (cle === "reglages")
                magasin.reglages = Stockage.ecrireReglages(memoire.reglages)
            else if (cle === "progression")
                magasin.progression = Stockage.ecrireProgression(memoire.progression)
            else if (cle === "succes")
                magasin.succes = Succes.ecrire(memoire.succes)
            else if (cle === "salon")
                magasin.salon = Salon.ecrire(memoire.salon)
        }

        function ecrireTout() {
            ecrire("scores")
            ecrire("reglages")
            ecrire("progression")
            ecrire("succes")
            ecrire("salon")
        }

        function envoyer() {
            Nuage.ecrireNuage(memoire.fournisseur, memoire.enveloppe())
        }

        function premiereLecture() {
            if (relu)
                return
            memoire.scores = Stockage.lireScores(magasin.scores)
            memoire.reglages = Stockage.lireReglages(magasin.reglages)
            memoire.progression = Stockage.lireProgression(magasin.progression)
            memoire.salon = Salon.lire(magasin.salon)
            var s = Succes.lire(magasin.succes)
            // Only an empty text means a save from before achievements; an
            // unreadable one is not caught up.
            var r = magasin.succes ? [] : Succes.rattraper(s, memoire.progression, memoire.scores,
                                                           Date.now())
            relu = true
            memoire.succes = s
            if (r.length > 0)
                memoire.garderSucces()
            memoire.fusionNuage(Nuage.lireNuage(memoire.fournisseur))
            memoire.pret = true
            var attente = enAttente
            enAttente = []
            if (toutEnAttente) {
                toutEnAttente = false
                memoire.garderTout()
            } else {
                for (var i = 0; i < attente.length; ++i)
                    garder(attente[i])
            }
            memoire.lu()
            if (r.length > 0)
                memoire.rattrapes(r)
        }

    }

    // A provider that fetches the cloud text late says so; one without
    // `nuageLu` only ever answers `lireNuage` at once.
    Connections {
        target: memoire.fournisseur
        ignoreUnknownSignals: true
        function onNuageLu(texte) {
            // Before the first read the text is asked for by the read itself.
            if (memoire.pret)
                memoire.fusionNuage(texte)
        }
    }

    Timer {
        id: versNuage
        interval: 2000
        repeat: false
        onTriggered: interne.envoyer()
    }

    Settings {
        id: magasin
        property string scores: ""
        property string reglages: ""
        property string progression: ""
        property string succes: ""
        property string salon: ""
        onReady: interne.premiereLecture()
    }
}
