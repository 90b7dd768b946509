import QtQuick 2.15

// Stands in for the cabinet until it lands: a still title card that quits on
// Back, with every entry point the root scene calls.
Rectangle {
    id: borne
    property var memoire
    property var sons
    property string modeEcran
    property var couche
    property string plateforme
    property bool tele: false
    property string scene: ""
    property string sorte: ""
    property int niveauIa: -1
    property string appareil: "clavier"

    signal quitter()
    signal actionDonnee(string nom, int joueur)

    color: "#141028"
    width: 384
    height: 224

    function demarrer() { scene = "titre" }
    function annoncer(id) {}
    function mettrePause() {}
    function appui(x, y, bouton) {}
    function relache(x, y) {}
    function glisse(x, y) {}
    function survol(x, y) {}
    function action(nom, joueur) {
        actionDonnee(nom, joueur)
        if (nom === "retour") quitter()
        return true
    }
    function toucheBrute(code) { return false }
    function touchePressee(nom, repetition) { return action(nom, 1) }
    function toucheRelachee(nom, repetition) { return true }

    Text {
        anchors.centerIn: parent
        visible: borne.scene !== ""
        color: "#f2c14e"
        font.pixelSize: 24
        text: "TESSIMORA"
    }
}
