import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// HOW TO PLAY: three small animations of the rules and the four helpers.
Item {
    width: 384
    height: 224

    Fond { mode: "pont" }
    Voile {}

    Grand { y: 10; nom: "ecrans_titre_how_to_play"; titre: "HOW TO PLAY"; reprise: 3000 }
    Anim { nom: "ecrans_regle_paire"; x: 20; y: 40 }
    Anim { nom: "ecrans_regle_combo"; x: 230; y: 40 }
    Anim { nom: "ecrans_regle_libre"; x: 117; y: 120 }
    Anim {
        nom: "ecrans_panda2_salut"
        transform: Scale { xScale: -1; origin.x: 0 }
        x: 38 + origineX
        y: 187 - origineY
    }

    Texte {
        y: 206
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t("HINT  MIX  UNDO  PEEK : 4 LANTERN HELPERS") }
        style: "gris"
    }
}
