#include "pieces.h"
#include "sequenceur.h"

// The nine music tracks and the three jingles. Tunes keep to the pentatonic
// scale of their key, but for a leading note here and there; the chords
// borrow the 4th and 7th degrees.
// Each piece is written for its exact length: the tempo follows from the
// number of bars, so loops close on a bar line.

using namespace synthese;
using sequenceur::Instrument;
using sequenceur::Morceau;

namespace {

// Instrument patches.
const Instrument PIPA = [](double f, double d, uint32_t g) { return pincee(f, d, 0.55, g); };
const Instrument CITHARE = [](double f, double d, uint32_t g) { return pincee(f, d, 0.9, g); };
const Instrument CLOCHE = [](double f, double d, uint32_t) { return cloche(f, d, 3.5, 1.6); };
const Instrument CARILLON = [](double f, double d, uint32_t) { return cloche(f, d, 4.0, 0.7); };
const Instrument DIZI = [](double f, double d, uint32_t g) { return flute(f, d, 1.0, g); };
const Instrument ERHU = [](double f, double d, uint32_t) { return archet(f, d, 1.0); };
const Instrument NAPPE = [](double f, double d, uint32_t) { return nappe(f, d, 0.3); };
const Instrument NAPPE_SOMBRE = [](double f, double d, uint32_t) { return nappe(f, d, 0.05); };
const Instrument PUCE = [](double f, double d, uint32_t) { return carre(f, d, 0.25); };

Mono plusBas(Mono son, double gain) {
    for (float& x : son)
        x = static_cast<float>(x * gain);
    return son;
}

// The taiko carries a lot of low energy: kept under the tune, it still drives.
Mono taikoGrave(uint32_t g) {
    return plusBas(taiko(62.0, g), 0.55);
}
Mono taikoAigu(uint32_t g) {
    return plusBas(taiko(95.0, g), 0.55);
}
Mono tambour(uint32_t g) {
    return tambourMain(190.0, g);
}
Mono boisHaut(uint32_t) {
    return blocBois(1250.0);
}
Mono boisBas(uint32_t) {
    return blocBois(820.0);
}
Mono charleston(uint32_t g) {
    return grelot(0.05, g);
}
Mono paume(uint32_t g) {
    return claque(g);
}

// A list of chords made of phrases, so a piece reads like its form.
std::vector<std::string> suite(std::initializer_list<std::vector<std::string>> parties) {
    std::vector<std::string> tout;
    for (const auto& p : parties)
        tout.insert(tout.end(), p.begin(), p.end());
    return tout;
}

const std::string I = "1 3 5", II = "2 4 6", III = "3, 5, 7,", IV = "4, 6, 1", V = "5, 7, 2",
                  VI = "6, 1 3";

void finirMusique(Bus& bus, double piece) {
    bus.reverberer(piece, 0.3, 1.0);
    bus.finir(-17.0, 0.85);
}

} // namespace

// LANTERNS RISE: the title theme. Bells open, the dizi sings the theme, the
// pipa answers an octave up, taiko marks each bar. D major, 24 bars.
Bus pieceTitre(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 293.66, 24, 8);
    const std::vector<std::string> p = {I, VI, IV, V, I, VI, V, I};
    m.accords(suite({{I, VI, IV, V}, p, p, {I, VI, IV, V}}));
    const std::string a =
        "3 - 5 - 6 - 5 3 | 2 - 1 - 6, - 1 2 | 3 - - - 5 - 3 2 | 2 - - - - - 0 0 |"
        "6 - 5 - 6 - 1' - | 2' - 1' 6 5 - 3 5 | 6 - 5 3 2 - 3 2 | 1 - - - - - 0 0";
    const std::string b = "5 6 1' 2' 3' - 2' 1' | 6 - 5 6 1' - - - | 6 1' 6 5 3 - 5 - |"
                          "2 3 5 6 5 - - - | 5 6 1' 2' 3' - 5' - | 3' 2' 1' 6 1' - - - |"
                          "6 5 3 5 6 - 2' - | 1' - - - - - 0 0";
    m.nappes(0, 24, NAPPE, 0.09, 0.5);
    m.arpege(0, 4, "0.2.1.3.", CARILLON, 0.16, 0.3, 0.6, 1);
    m.arpege(4, 12, "0121312101213121", CITHARE, 0.10, -0.3, 0.3);
    m.melodie(4, a, DIZI, 0.34, 0.0, 0.35);
    m.melodie(12, b, PIPA, 0.40, -0.15, 0.3);
    m.melodie(12, b, CARILLON, 0.08, 0.3, 0.5, 1);
    m.arpege(12, 20, "0.2.1.3.", CARILLON, 0.10, 0.4, 0.6, 1);
    m.melodie(20, "3 - 5 - 6 - 5 3 | 2 - 1 - 6, - 1 2 | 3 - - - 5 - 3 2 | 2 - - - - - 0 0", DIZI,
              0.28, 0.0, 0.4);
    m.melodie(20, "3 - 5 - 6 - 5 3 | 2 - 1 - 6, - 1 2 | 3 - - - 5 - 3 2 | 2 - - - - - 0 0", PIPA,
              0.2, 0.3, 0.3, 1);
    m.basse(4, 24, "R--R..F.", 0.55);
    m.frappes(4, 24, "X.......x.......", taikoGrave, 0.7, 0.0, 0.1);
    m.frappes(4, 24, "....x.....x.x...", tambour, 0.22, 0.35);
    m.frappes(12, 20, "..x...x...x...x.", charleston, 0.12, -0.4);
    m.poser(4, gong(110.0, 4.0), 0.22, 0.0, 0.4);
    m.poser(12, gong(110.0, 4.0), 0.22, 0.0, 0.4);
    finirMusique(bus, 0.84);
    return bus;
}

// NIGHT MARKET STROLL: stage theme 1, the calmest. A walking bass, hand drum
// and woodblock under a pipa tune; the dizi takes the second strain. G major.
Bus pieceJeu1(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 392.0, 24, 8);
    const std::vector<std::string> p = {I, I, IV, I, VI, II, V, V};
    m.accords(suite({p, p, p}));
    const std::string a = "5 3 5 6 5 - 3 2 | 1 2 3 - 5 - 0 0 | 6 - 1' 6 5 3 2 - | 3 - - - 0 0 0 0 |"
                          "6 5 6 1' 2' - 1' 6 | 5 - 6 5 3 - 2 3 | 5 3 2 1 2 - 3 - |"
                          "2 - - - 0 0 5, 6,";
    const std::string b = "1' - 6 - 5 - 6 1' | 2' 1' 6 5 3 - - - | 1' - 6 - 1' 2' 3' - |"
                          "2' - - - 0 0 0 0 | 3' 2' 1' 6 5 6 1' - | 6 5 3 2 1 - 2 3 |"
                          "5 - 6 - 3 - 2 - | 2 - - - 0 0 0 0";
    m.melodie(0, a, PIPA, 0.42, -0.1, 0.25, -1);
    m.melodie(8, b, DIZI, 0.30, 0.1, 0.35, -1);
    m.melodie(8, b, PIPA, 0.12, -0.5, 0.4, 0);
    m.arpege(8, 16, "0.1.2.1.", CITHARE, 0.08, 0.45, 0.3, -1);
    m.melodie(16, a, PIPA, 0.36, -0.1, 0.25, -1);
    m.melodie(16, a, CARILLON, 0.07, 0.35, 0.5, 0);
    m.basse(0, 24, "R.F.O.F.", 0.5, -2);
    m.frappes(0, 24, "x..ox.o.x..ox.oo", tambour, 0.3, 0.25);
    m.frappes(0, 24, "..x...x.", boisHaut, 0.12, -0.35);
    m.frappes(16, 24, "x.......x.......", taikoGrave, 0.45, 0.0);
    m.nappes(8, 16, NAPPE, 0.05, 0.5, -1);
    finirMusique(bus, 0.8);
    return bus;
}

// RIVER OF LIGHTS: stage theme 2. A zither runs in sixteenths like water, the
// dizi and then the erhu sing long lines over it. F major, 32 bars.
Bus pieceJeu2(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 349.23, 32, 8);
    const std::vector<std::string> p = {VI, IV, I, V, VI, IV, II, V};
    m.accords(suite({p, p, p, p}));
    const std::string a = "3 - - 5 6 - 5 3 | 2 - 1 - 6, - - - | 1 - 2 3 5 - 3 5 | 6 - - - 5 - - - |"
                          "3 - - 5 6 - 1' 6 | 5 - 3 - 2 - 1 2 | 3 - 2 - 1 - 6, - | 2 - - - - - 0 0";
    const std::string b = "6 - - - 1' - 6 5 | 6 - - - - - 3 5 | 5 - - - 6 - 5 3 | 2 - - - - - 3 5 |"
                          "6 - - - 1' - 2' 3' | 2' - 1' - 6 - 5 6 | 1' - 6 - 5 - 3 - |"
                          "5 - - - - - 0 0";
    m.arpege(0, 32, "0123432101234321", CITHARE, 0.09, 0.35, 0.35, -1);
    m.melodie(0, a, DIZI, 0.32, -0.05, 0.35);
    m.melodie(8, b, ERHU, 0.26, -0.1, 0.35, -1);
    m.nappes(8, 16, NAPPE, 0.06, 0.5, -1);
    m.melodie(16, a, DIZI, 0.3, -0.05, 0.35);
    m.melodie(16, a, CARILLON, 0.07, 0.4, 0.5, 1);
    m.melodie(24, b, ERHU, 0.24, -0.2, 0.35, -1);
    m.melodie(24, b, DIZI, 0.14, 0.2, 0.4, 0);
    m.basse(0, 32, "R--.R-F-", 0.5, -1);
    m.frappes(0, 32, "x...o.x.x...o...", tambour, 0.28, -0.2);
    m.frappes(8, 32, "xoxoxoxoxoxoxoxo", charleston, 0.07, 0.4);
    m.frappes(16, 32, "X.......X.......", taikoGrave, 0.45, 0.0);
    finirMusique(bus, 0.84);
    return bus;
}

// TEMPLE BELLS: stage theme 3, in the minor mode of G (E minor). Bells carry
// the tune, a gong opens every eight bars, taiko and woodblock push harder.
Bus pieceJeu3(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 392.0, 32, 8);
    const std::vector<std::string> p = {VI, VI, IV, V, VI, III, IV, V};
    m.accords(suite({p, p, p, p}));
    const std::string a = "6 - 3' - 2' - 1' 6 | 1' - - - 6 - - - | 5 - 6 - 1' - 2' - |"
                          "3' - - - 2' - - - | 6 - 1' 2' 3' - 2' 1' | 6 - 5 - 3 - 5 - |"
                          "6 - 1' - 6 - 5 3 | 5 - - - 3 - 2 -";
    const std::string b = "3' - - - - - 2' 1' | 2' - - - 6 - - - | 1' - - - 6 - 5 - |"
                          "6 - - - - - 0 0 | 3' - 5' - 3' - 2' 1' | 2' - - - 1' - 6 - |"
                          "1' - 2' - 3' - 5' - | 5' - - - 0 0 0 0";
    m.melodie(0, a, CLOCHE, 0.3, 0.1, 0.5);
    m.melodie(0, a, PIPA, 0.12, -0.3, 0.3, -1);
    m.arpege(8, 16, "0102010201020102", PIPA, 0.16, -0.35, 0.25, -1);
    m.melodie(8, b, DIZI, 0.28, 0.1, 0.4, -1);
    m.melodie(16, a, CLOCHE, 0.3, 0.1, 0.5);
    m.arpege(16, 24, "0.1.2.1.", CITHARE, 0.1, -0.4, 0.3, -1);
    m.arpege(24, 32, "0102010201020102", PIPA, 0.16, -0.35, 0.25, -1);
    m.melodie(24, b, ERHU, 0.24, 0.15, 0.35, -1);
    m.melodie(24, b, CARILLON, 0.06, -0.2, 0.5, 0);
    m.nappes(0, 32, NAPPE_SOMBRE, 0.06, 0.5, -1);
    m.basse(0, 32, "R.R.F.R.", 0.5, -2);
    m.frappes(0, 32, "X.....x.X.x.....", taikoGrave, 0.55, 0.0, 0.1);
    m.frappes(0, 32, "x.x.x.x.", boisBas, 0.1, 0.4);
    m.frappes(8, 32, "....x.......x..o", tambour, 0.25, -0.25);
    for (int g = 0; g < 32; g += 8)
        m.poser(g, gong(98.0, 4.5), 0.22, 0.0, 0.4);
    finirMusique(bus, 0.86);
    return bus;
}

// ROOFTOP FIREWORKS: stage theme 4, the fastest. Driving bass, backbeat slaps,
// erhu and pipa in unison, a chip lead for the second strain, and crackling
// fireworks at each new section. A major, 32 bars.
Bus pieceJeu4(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 220.0, 32, 8);
    const std::vector<std::string> p = {I, V, VI, IV};
    m.accords(suite({p, p, p, p, p, p, p, p}));
    const std::string a = "5 5 6 1' - 6 1' 2' | 3' - 2' 1' 2' - 0 0 | 1' 1' 6 5 - 3 5 6 |"
                          "1' - 6 5 6 - 0 0 | 5 5 6 1' - 6 1' 2' | 3' - 5' 3' 2' - 1' 2' |"
                          "3' 2' 1' 6 5 - 6 1' | 1' - - - 0 0 0 0";
    const std::string b = "3' 3' 2' 3' 5' - 3' 2' | 1' - 2' 1' 6 - 5 - | 6 6 1' 6 5 3 5 6 |"
                          "1' - - - 0 0 5 6 | 1' 2' 3' 5' 6' - 5' 3' | 2' - 3' 2' 1' - 6 - |"
                          "1' 2' 1' 6 5 - 3 5 | 1' - - - 0 0 0 0";
    m.melodie(0, a, ERHU, 0.22, -0.2, 0.25);
    m.melodie(0, a, PIPA, 0.26, 0.25, 0.2);
    m.melodie(8, b, PUCE, 0.09, 0.0, 0.25);
    m.melodie(8, b, CARILLON, 0.07, 0.3, 0.4, 1);
    m.arpege(8, 16, "0120120120120120", CITHARE, 0.08, -0.4, 0.2);
    m.melodie(16, a, ERHU, 0.22, -0.2, 0.25);
    m.melodie(16, a, CLOCHE, 0.12, 0.3, 0.4);
    m.melodie(24, b, PUCE, 0.09, 0.0, 0.25);
    m.melodie(24, b, PIPA, 0.22, -0.3, 0.2);
    m.arpege(24, 32, "0120120120120120", CITHARE, 0.08, 0.4, 0.2);
    m.basse(0, 32, "R-ROR-RO", 0.5, -1);
    m.frappes(0, 32, "X...x.X...x.X...", taikoGrave, 0.55, 0.0, 0.1);
    m.frappes(0, 32, "....X.......X...", paume, 0.3, 0.1, 0.2);
    m.frappes(0, 32, "xoxoxoxoxoxoxoxo", charleston, 0.08, -0.4);
    m.frappes(16, 32, "..x..x.x..x..x.x", tambour, 0.2, 0.35);
    for (int s = 0; s < 32; s += 8) {
        m.poser(s + 0.06, crepitement(2.5, 11u + s), 0.35, -0.6, 0.4);
        m.poser(s + 0.5, crepitement(2.0, 29u + s), 0.3, 0.6, 0.4);
    }
    finirMusique(bus, 0.8);
    return bus;
}

// LANTERN DUEL: A minor pentatonic, call and answer: the pipa on the left
// throws a phrase, the erhu on the right returns it; then both in unison
// over running taiko.
Bus pieceDuel(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 261.63, 32, 8);
    const std::vector<std::string> p = {VI, VI, IV, V, VI, VI, III, V};
    m.accords(suite({p, p, p, p}));
    const std::string appel1 = "6 0 6 1' 2' 1' 6 5 | 6 - - - 0 0 0 0";
    const std::string reponse1 = "1 0 1 2 3 2 1 6, | 7, - - - 0 0 0 0";
    const std::string appel2 = "6 0 6 1' 2' 3' 5' 3' | 2' - 1' - 6 - 0 0";
    const std::string reponse2 = "3 5 3 2 1 2 3 5 | 7, - - - 0 0 0 0";
    const std::string ensemble = "6 1' 2' 3' 2' 1' 6 5 | 6 1' 2' 3' 5' 3' 2' 1' |"
                                 "1' 6 5 3 5 6 1' 6 | 7 - 5 - 2 - 7, - |"
                                 "6 1' 2' 3' 2' 1' 6 5 | 6 1' 2' 3' 5' 3' 2' 1' |"
                                 "3' 2' 1' 7 5 - 3 - | 5 - 7 - 2' - - -";
    for (int s : {0, 16}) {
        m.melodie(s + 0, appel1, PIPA, 0.42, -0.6, 0.25);
        m.melodie(s + 2, reponse1, ERHU, 0.26, 0.6, 0.25);
        m.melodie(s + 4, appel2, PIPA, 0.42, -0.6, 0.25);
        m.melodie(s + 6, reponse2, ERHU, 0.26, 0.6, 0.25);
    }
    m.melodie(8, ensemble, PIPA, 0.3, -0.4, 0.25);
    m.melodie(8, ensemble, ERHU, 0.18, 0.4, 0.25, -1);
    m.melodie(24, ensemble, PIPA, 0.3, -0.4, 0.25);
    m.melodie(24, ensemble, ERHU, 0.18, 0.4, 0.25, -1);
    m.melodie(24, ensemble, CLOCHE, 0.07, 0.0, 0.4, 1);
    m.nappes(0, 32, NAPPE_SOMBRE, 0.07, 0.4, -1);
    m.basse(0, 32, "R.RR.RR.", 0.5, -1);
    m.frappes(0, 32, "X..xX..xX.x.X...", taikoGrave, 0.5, 0.0, 0.1);
    m.frappes(16, 32, "..x...x...x..x.x", taikoAigu, 0.3, 0.3);
    m.frappes(0, 32, "....X.......X..x", paume, 0.22, -0.1, 0.2);
    m.frappes(8, 32, "x.x.x.x.x.x.x.x.", charleston, 0.07, 0.45);
    finirMusique(bus, 0.78);
    return bus;
}

// INCENSE BURNS DOWN: B minor, a sixteenth-note pipa ostinato, a clock that
// ticks on every eighth, a heartbeat on the taiko and a bass that chugs;
// the erhu enters halfway with long strained notes, and a rising breath closes
// each half.
Bus pieceUrgence(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 293.66, 16, 8);
    const std::vector<std::string> p = {VI, VI, VI, VI, IV, IV, V, V};
    m.accords(suite({p, p}));
    m.arpege(0, 16, "0313031303130313", PIPA, 0.2, -0.3, 0.15, -1);
    m.melodie(8,
              "3' - - - - - - - | 2' - - - 1' - - - | 6 - - - - - - - | 7 - - - - - - - |"
              "3' - - - 5' - - - | 6' - - - 5' - - - | 3' - - - 2' - - - | 7 - - - - - - -",
              ERHU, 0.24, 0.25, 0.3, -1);
    m.basse(0, 16, "RRRRRRRR", 0.45, -1);
    m.frappes(0, 16, "X..x....X..x....", taikoGrave, 0.6, 0.0);
    m.frappes(0, 16, "x...x...x...x...", boisHaut, 0.14, 0.4);
    m.frappes(0, 16, "..x...x...x...x.", boisBas, 0.12, -0.4);
    m.poser(7, souffle(m.mesure(), 300.0, 4000.0, 5u), 0.35, 0.0, 0.3);
    m.poser(15, souffle(m.mesure(), 300.0, 4000.0, 7u), 0.35, 0.0, 0.3);
    m.nappes(0, 16, NAPPE_SOMBRE, 0.06, 0.3, -1);
    finirMusique(bus, 0.7);
    return bus;
}

// ONE MORE COIN: ten seconds of clock, tick and tock on every beat, under a
// small chip-and-bell tune that asks for a coin.
Bus pieceContinue(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 329.63, 5, 8);
    m.accords({I, VI, IV, V, V});
    const std::string air = "5 - 3 - 5 - 1' - | 6 - 5 - 3 - 1 - | 6 - 1' - 6 - 5 - |"
                            "5 - 3 - 2 - - - | 2 - - - 5, - 6, 7,";
    m.melodie(0, air, PUCE, 0.1, 0.0, 0.25);
    m.melodie(0, air, CARILLON, 0.12, 0.3, 0.4, 1);
    m.arpege(0, 5, "0.1.2.1.", PIPA, 0.14, -0.4, 0.2, -1);
    m.frappes(0, 5, "x.x.", boisHaut, 0.3, 0.3);
    m.frappes(0, 5, ".x.x", boisBas, 0.3, -0.3);
    m.basse(0, 5, "R...F...", 0.45, -1);
    finirMusique(bus, 0.7);
    return bus;
}

// NAME IN LIGHTS: a proud, broad tune in C: erhu with the dizi an octave up,
// then bells and pipa take it higher; taiko on one and three, gongs.
Bus pieceRecord(double duree) {
    Bus bus(duree, true);
    Morceau m(bus, 261.63, 16, 8);
    const std::vector<std::string> p = {I, IV, VI, V, I, IV, V, I};
    m.accords(suite({p, p}));
    const std::string a = "1 - - 2 3 - 5 - | 6 - - - 5 - 3 - | 6 - 1' - 2' - 3' - |"
                          "2' - - - - - 0 0 | 3' - - 2' 1' - 6 - | 1' - - 6 5 - 3 - |"
                          "2 - 3 - 5 - 6 - | 1' - - - - - 0 0";
    const std::string b = "5 - - 6 1' - 2' - | 3' - - - 2' - 1' - | 6 - 1' - 3' - 5' - |"
                          "2' - - - 5 - - - | 3' - 5' - 6' - 5' - | 3' - - 2' 1' - 6 - |"
                          "5 - 6 - 2' - 3' - | 1' - - - - - 0 0";
    m.melodie(0, a, ERHU, 0.26, -0.15, 0.35);
    m.melodie(0, a, DIZI, 0.16, 0.15, 0.4, 1);
    m.melodie(8, b, CLOCHE, 0.24, 0.2, 0.5);
    m.melodie(8, b, PIPA, 0.3, -0.25, 0.3);
    m.nappes(0, 16, NAPPE, 0.08, 0.5, -1);
    m.arpege(8, 16, "0.1.2.3.", CITHARE, 0.08, 0.4, 0.3, -1);
    m.basse(0, 16, "R--.F-O-", 0.5, -1);
    m.frappes(0, 16, "X...x...X...x...", taikoGrave, 0.6, 0.0, 0.1);
    m.frappes(8, 16, "....X.......X...", paume, 0.2, 0.1, 0.2);
    m.poser(0, gong(110.0, 4.0), 0.22, 0.0, 0.4);
    m.poser(8, gong(110.0, 4.0), 0.22, 0.0, 0.4);
    finirMusique(bus, 0.84);
    return bus;
}

// STAGE CLEAR: a rising run, a bright peak and a ringing chord.
Bus pieceFinEtape(double duree) {
    Bus bus(duree, false);
    Morceau m(bus, 392.0, 4, 8);
    m.accords({I, IV, I, I});
    const std::string air = "1 2 3 5 6 1' 2' 3' | 5' - 3' - 5' - 6' - | 1'' - - - - - - - | 0";
    m.melodie(0, air, PIPA, 0.4, -0.2, 0.3, -1);
    m.melodie(0, air, CARILLON, 0.14, 0.3, 0.5);
    m.nappes(2, 3, NAPPE, 0.12, 0.5, -1);
    m.arpege(2, 3, "01234...", CLOCHE, 0.12, 0.2, 0.5);
    m.basse(0, 3, "R...R.O.", 0.45, -1);
    m.frappes(0, 2, "x.x.x.x.xxxxXXXX", tambour, 0.25, 0.2);
    m.poser(2, gong(110.0, 3.5), 0.3, 0.0, 0.4);
    m.poser(2, taiko(62.0, 3u), 0.6, 0.0, 0.1);
    bus.reverberer(0.84, 0.3, 1.0);
    bus.finir(-17.0, 0.85);
    return bus;
}

// VICTORY: a fanfare over drums, fireworks on the last chord.
Bus pieceVictoire(double duree) {
    Bus bus(duree, false);
    Morceau m(bus, 392.0, 6, 8);
    m.accords({I, VI, IV, V, I, I});
    const std::string air = "5, - 5, 6, 1 - 6, 1 | 2 - 3 - 2 1 6, - | 5, - 6, 1 2 - 3 5 |"
                            "6 - - - 5 - 3 - | 5 - - - - - - - | 0";
    m.melodie(0, air, ERHU, 0.26, -0.2, 0.3);
    m.melodie(0, air, PIPA, 0.32, 0.25, 0.25);
    m.melodie(0, air, CARILLON, 0.08, 0.0, 0.5, 1);
    m.nappes(0, 5, NAPPE, 0.07, 0.5, -1);
    m.arpege(4, 5, "0123456.", CLOCHE, 0.12, 0.3, 0.5);
    m.basse(0, 5, "R--.F-O-", 0.5, -1);
    m.frappes(0, 4, "X...x...X...x.x.", taikoGrave, 0.55, 0.0, 0.1);
    m.frappes(0, 4, "....X.......X...", paume, 0.22, 0.1, 0.2);
    m.poser(4, taiko(62.0, 5u), 0.7, 0.0, 0.1);
    m.poser(4, gong(110.0, 4.0), 0.28, 0.0, 0.4);
    m.poser(4, crepitement(3.0, 17u), 0.4, -0.6, 0.4);
    m.poser(4.3, crepitement(2.5, 23u), 0.35, 0.6, 0.4);
    bus.reverberer(0.84, 0.3, 1.0);
    bus.finir(-17.0, 0.85);
    return bus;
}

// GAME OVER: a slow erhu line falling to the low la, one gong stroke.
Bus pieceDefaite(double duree) {
    Bus bus(duree, false);
    Morceau m(bus, 261.63, 4, 8);
    m.accords({VI, IV, III, VI});
    const std::string air =
        "6 - 5 - 3 - 2 - | 1 - 2 - 3 - - - | 2 - 1 - 6, - - - | 6, - - - - - 0 0";
    m.melodie(0, air, ERHU, 0.3, 0.0, 0.4);
    m.melodie(0, air, PIPA, 0.14, -0.3, 0.3, -1);
    m.nappes(0, 3, NAPPE_SOMBRE, 0.1, 0.5, -1);
    m.basse(0, 3, "R---F---", 0.45, -1);
    m.frappes(0, 3, "X.......x.......", taikoGrave, 0.45, 0.0, 0.1);
    m.poser(3, gong(82.0, 4.0), 0.35, 0.0, 0.5);
    bus.reverberer(0.86, 0.3, 1.0);
    bus.finir(-17.0, 0.85);
    return bus;
}
