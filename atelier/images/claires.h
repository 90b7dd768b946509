#pragma once
// The CLEAR tile set: every face with a large index in its top-left corner
// (the suit tile's number, the wind's or dragon's initial, F or S for the
// flowers and seasons) over a smaller sign, in colours chosen to stay apart
// for players with a colour-vision deficiency, and the marks that give the
// pick, the hint and the cursor's tile a shape of their own.
//
// The images carry no language: the corner uses the indices printed on
// Western tile sets, and the honour's own character stays drawn on the face.

#include "familles.h"

#include <array>
#include <map>

namespace tuiles {

// Drawing pieces both sets share (tuiles.cpp).
Toile faceVide();
Toile faceJade();
// One family's drawing of its motif of rank n on a face: the suits' number
// (1..9), or the index among the winds, dragons, flowers or seasons (0..3).
using Dessin = void (*)(Toile& t, int n);
// The face of a motif drawn by the drawing of its family (characters,
// circles, bamboos, winds, dragons, flowers, seasons), or the jade back.
Toile composer(int motif, const std::array<Dessin, 7>& familles);
// The red panda of the one of bamboo, 14 x 18, and its colours.
extern const QStringList PANDA_CARTE;
const std::map<QChar, Couleur>& clePanda();
// Small signs of the flowers and seasons: a plum blossom ('p', 'y' its
// heart), an orchid ('v', 'V', 'y'), a swallow ('k', 'w' its throat) and
// a maple leaf ('o').
extern const QStringList PRUNIER, ORCHIDEE, HIRONDELLE, ERABLE;
// A colour pulled towards a tint, as the picked and hinted faces are.
Couleur vers(Couleur c, Couleur teinte);
// One bamboo stick, w wide and h high, with its joints.
void baton(Toile& t, int x, int y, int w, int h, Couleur c, Couleur clair, Couleur sombre);

// The CLEAR face of a motif (0..41), or the jade back (VOILE).
Toile faceClaire(int motif);

// The shapes laid over a tile's 16 x 20 face in CLEAR: a frame for the pick,
// four corner brackets for the hint, notches in the middle of each side for
// the tile under the cursor (where FIND lands). The notches keep clear of the
// corners, and show as white breaks in the frame of a picked tile under the
// cursor, so that tile wears both.
enum class Marque { Prise, Indice, Curseur };
Toile marque(Marque m);

// The tints of the picked and hinted CLEAR faces: gold and a sky blue, which
// stay apart in lightness under the three common deficiencies where the
// classic gold and pink do not.
Couleur teintePrise();
Couleur teinteIndice();

} // namespace tuiles

// The images of one set, named with a prefix: the shaded tiles
// <prefixe><shade>_<column>, the peek images <prefixe>apercu_<motif>, and the
// faces pulled towards the pick's and the hint's tints, <prefixe>prise_ and
// <prefixe>indice_ (tuiles.cpp).
void jeuDeTuiles(const QString& prefixe, const std::function<Toile(int)>& face, Couleur prise,
                 Couleur indice, const std::vector<double>& teintes, std::vector<Fichier>& f);

// Every CLEAR file of images/tuiles: clair_<shade>_<column>, clair_apercu_,
// clair_prise_ and clair_indice_ per motif, and the three marks.
std::vector<Fichier> fichiersClairs(const std::vector<double>& teintes);
