import QtQuick 2.15

// The platform layer: the scene's side of the host's provider facade. A
// provider counts as present only when it names itself.
Item {
    id: couche
    property var memoire
    property var borne
    readonly property var fournisseur: (typeof tessimoraPlateforme !== "undefined"
                                        && tessimoraPlateforme
                                        && typeof tessimoraPlateforme.nom === "string"
                                        && tessimoraPlateforme.nom !== "")
                                       ? tessimoraPlateforme : null
    readonly property bool annonceFournisseur: fournisseur !== null && fournisseur.annonce === true

    signal debloque(string id)
    signal surcouche(bool ouverte)

    Connections {
        target: couche.fournisseur
        ignoreUnknownSignals: true
        function onSurcoucheOuverte(ouverte) { couche.surcouche(ouverte) }
    }
}
