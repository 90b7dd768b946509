#pragma once

#include "synthese.h"

#include <functional>
#include <string>
#include <vector>

// Note sequences are written in numbered notation (jianpu), the way the
// tunes of the market would be jotted down: 1 2 3 5 6 are do re mi sol la of
// the piece's key, "'" raises a note an octave and "," lowers it, "-" holds
// the previous note one more step, "0" is a rest and "|" only helps the eye.
namespace sequenceur {

struct Note {
    int debut = 0;    // in steps
    int duree = 1;    // in steps
    int demiTons = 0; // from the key's do
};

std::vector<Note> lire(const std::string& texte);

// An instrument: frequency, held length in seconds, seed for its noise.
using Instrument = std::function<synthese::Mono(double f, double duree, uint32_t graine)>;

// One piece on one bus: bars of equal length split into equal steps.
class Morceau {
public:
    Morceau(synthese::Bus& bus, double doHz, int mesures, int pasParMesure);

    double pas() const { return pas_; }
    double mesure() const { return mesure_; }
    int mesures() const { return mesures_; }

    // One chord per bar in numbered notation ("6, 1 3"); the list repeats.
    void accords(const std::vector<std::string>& liste);

    // A tune starting at bar `debut`; `octave` shifts it whole.
    void melodie(int debut, const std::string& texte, const Instrument& instrument, double gain,
                 double pan, double reverb, int octave = 0);

    // Broken chords on bars [de, a): each character of `motif` is one step and
    // picks a chord tone ('0'..'9', tones above the chord go up an octave) or
    // '.' for nothing.
    void arpege(int de, int a, const std::string& motif, const Instrument& instrument, double gain,
                double pan, double reverb, int octave = 0);

    // Whole-bar chords on bars [de, a).
    void nappes(int de, int a, const Instrument& instrument, double gain, double reverb,
                int octave = 0);

    // Bass on bars [de, a): 'R' root, 'O' root an octave up, 'F' fifth,
    // 'T' the chord's second tone, '-' holds, '.' rests.
    void basse(int de, int a, const std::string& motif, double gain, int octave = -1);

    // A percussion part on bars [de, a): one character per subdivision of the
    // bar; 'X' accented, 'x' normal, 'o' ghost, '.' silent.
    void frappes(int de, int a, const std::string& motif,
                 const std::function<synthese::Mono(uint32_t graine)>& instrument, double gain,
                 double pan, double reverb = 0.0);

    // A single sound at bar `m` plus `fraction` of a bar.
    void poser(double m, const synthese::Mono& son, double gain, double pan, double reverb);

    double hz(int demiTons) const { return synthese::frequence(do_, demiTons); }

private:
    const std::vector<Note>& accord(int m) const;

    synthese::Bus& bus_;
    double do_;
    int mesures_, pasParMesure_;
    double mesure_, pas_;
    std::vector<std::vector<Note>> accords_;
    uint32_t graine_ = 1;
};

} // namespace sequenceur
