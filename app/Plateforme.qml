import QtQuick 2.15
import Tessimora 1.0

// The platform layer: the game's one road to the online services. Every game
// event updates the achievements here, whether a provider exists or not; what
// leaves the device (unlocks, progress, scores, friends' status) goes through
// `Couche`, where a provider that is missing, lacks an operation or fails
// only makes that one call count as not sent.
Item {
    id: couche

    property Memoire memoire: null
    property var borne

    // The host's facade whenever it exists, even without a provider behind
    // it (its calls are then quiet no-ops); null on a host without one.
    property var fournisseur: typeof tessimoraPlateforme !== "undefined" && tessimoraPlateforme
                              ? tessimoraPlateforme : null
    // A provider counts only when it names itself.
    readonly property bool enLigne: Couche.actif(fournisseur)
    // The provider shows its own unlock notices: the game's banner stays hidden.
    readonly property bool annonceFournisseur: enLigne && fournisseur.annonce === true
    // The key of the last friends' status sent.
    property string dernierStatut: ""
    // The gamepad family for button glyphs; the facade tells when it changes.
    readonly property string manette: fournisseur && typeof fournisseur.manette === "string"
                                      ? fournisseur.manette : ""

    // For automated drivers.
    readonly property alias minuterieStatut: statut

    // An achievement was unlocked now.
    signal debloque(string id)
    // The provider's overlay opened or closed.
    signal surcouche(bool ouverte)

    // A game event from the cabinet. Before the memory is read there is no
    // state to change; the cabinet only starts after, so nothing is lost.
    function evenement(ev) {
        if (!memoire || !memoire.pret)
            return
        var e = Succes.copie(memoire.succes)
        var r = Couche.evenement(e, ev, fournisseur, Date.now())
        if (!r.garder)
            return
        memoire.succes = e
        memoire.garderSucces()
        for (var i = 0; i < r.nouveaux.length; ++i) {
            console.log("TESSIMORA_SUCCES " + r.nouveaux[i])
            debloque(r.nouveaux[i])
        }
    }

    // The end of a game, for the online leaderboards. The line is written
    // whenever a send went through, which on this host is every qualifying
    // game, with or without a provider.
    function finPartie(fin) {
        if (Couche.finPartie(fin, fournisseur) > 0)
            console.log("TESSIMORA_CLASSEMENT " + fin.mode + " " + fin.score)
    }

    Timer {
        id: statut
        interval: 1000
        repeat: true
        running: !!couche.borne && couche.enLigne
        onTriggered: couche.dernierStatut = Couche.presence(couche.borne.etatPresence(),
                                                            couche.fournisseur,
                                                            couche.dernierStatut)
    }

    // Unlocks earned offline reach the service once the records are read.
    Connections {
        target: couche.memoire
        ignoreUnknownSignals: true
        function onLu() {
            if (couche.enLigne)
                Couche.synchroniser(couche.memoire.succes, couche.fournisseur)
        }
    }

    Connections {
        target: couche.fournisseur
        ignoreUnknownSignals: true
        function onSurcoucheOuverte(ouverte) { couche.surcouche(ouverte) }
    }
}
