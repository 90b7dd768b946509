#pragma once

// The stage controller's own rules, on top of the game's: what a cleared
// stage is worth at the end and how that bonus is counted, how a pair's
// combo is shown and heard, which background a stage has, and the INCENSE
// RUSH stick. The controller times and draws what these answer.

#include <cstdint>

namespace partie {
struct Partie;
struct Stats;
} // namespace partie

namespace etape {

// A cleared stack with no HINT, MIX or UNDO used is worth this much more.
inline constexpr std::int64_t BONUS_PARFAIT = 5000;
// INCENSE RUSH: the first stack's clock, and the least stick a later one has.
inline constexpr std::int64_t RUSH_MS = 90000;
// The end bonus is counted one step every this many ms.
inline constexpr int PAS_COMPTE_MS = 40;

// The frame clock of a game item: the length of the frame from `dernier` to
// `maintenant` (ms on the item's watch), 16 for a first frame (`dernier` 0),
// else never below 0 nor above 100, so that a hidden window or a loaded
// machine does not burn the incense in one gulp.
double pasHorloge(double dernier, double maintenant);

// No HINT, MIX or UNDO was used on the stack (PEEK does not count).
bool parfait(const partie::Stats& s);

// The end-of-stage summary of a cleared stack.
struct Bilan {
    std::int64_t temps = 0;       // whole seconds left
    std::int64_t parSeconde = 0;  // what each of them is worth
    std::int64_t pointsTemps = 0; // their points
    std::int64_t aides = 0;       // points for the aids left
    std::int64_t parfait = 0;     // BONUS_PARFAIT or 0
    std::int64_t restant = 0;     // all the bonus there is to count
};
Bilan bilan(const partie::Partie& p);

// One step of the count of `restant`: whole hundreds, at least 100, so that
// any total is counted in about 30 steps.
std::int64_t pasCompte(std::int64_t restant);

// The notice of a cleared stage: "perfect", else "all_clear" on the twelfth
// stage (`numero` 11) of a twelve-stage run (`douze`), else "stage_clear".
const char* logoFin(bool parfait, int numero, bool douze);

// The last seconds of a clock, when the music and the panda turn anxious.
inline constexpr double URGENCE_MS = 20000;
inline bool urgence(double tempsMs) {
    return tempsMs < URGENCE_MS;
}

// The background of stage `numero` (from 0): three stages each in the
// market, on the bridge, at the temple and in the port, then round again.
const char* decor(int numero);

// The colour of a removal burst for a pair of this combo: a stack's, and a
// sliding grid's (which has no white).
const char* couleurCombo(int combo);
const char* couleurComboGlissant(int combo);

// How a removed pair is shown and heard, given the combo shown before it.
struct RetourPaire {
    const char* couleur = "or"; // the removal bursts
    const char* style = "or";   // the floating points: "rouge" from combo 3
    bool nouveau = false;       // the combo reached a new step
    bool entreeFever = false;   // the step that turns fever on: flash, shards
    bool palier = false;        // a new step to 3, 6 or 9: smoke to the other duel board
    bool voix = false;          // "voix_combo", on steps 3 and 6
    bool secousse = false;      // a shake without flash, from combo 4
    const char* pose = "joie";  // the panda's one-shot: "combo" from combo 3
};
RetourPaire retourPaire(int comboAffiche, int combo, bool fever);

// The same for a sliding grid, which knows no fever, steps or twins.
struct RetourGlissant {
    const char* couleur = "or";
    bool voix = false;     // combo 3 and 6
    bool secousse = false; // from combo 4
};
RetourGlissant retourGlissant(int combo);

// The panda's resting pose: "peur" when urgent, "combo" while the shown
// and the running combo are both 3 or more, else "attente".
const char* poseRepos(bool urgence, int comboAffiche, int comboCourant);

} // namespace etape
