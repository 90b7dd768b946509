import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// GAME OVER, drawn over the game that just ended: the veil, the logo and the
// final score. It takes no input; the flow leaves it after its timer.
Item {
    id: gameOver
    property int score: 0

    width: 384
    height: 224

    // No scene file holds GAME OVER, so it says its own title and score.
    onVisibleChanged: if (visible) Parole.scene("gameover", ["SCORE {n}", {n: score}])

    Voile {}

    Anim {
        nom: "effets_logo_game_over"
        x: Math.floor((384 - width) / 2)
        y: 84
        running: gameOver.visible
    }

    Texte {
        y: 130
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t("SCORE {n}", { n: gameOver.score }) }
        style: "or"
    }
}
