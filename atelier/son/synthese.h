#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The workshop's small synthesiser: a handful of instruments that each render
// one note into a mono buffer, and a stereo mixing bus that knows whether the
// piece loops. Everything is plain float arithmetic with seeded noise, so the
// same sources always give the same samples.
namespace synthese {

constexpr int FE = 44100; // sample rate of every file the game ships
constexpr double PI = 3.14159265358979323846;

using Mono = std::vector<float>;

// Seeded noise: each note gets its own seed so renders never depend on order.
class Bruit {
public:
    explicit Bruit(uint32_t graine) : etat_(graine ? graine : 0x9e3779b9u) {}
    float suivant() { // uniform in [-1, 1)
        etat_ ^= etat_ << 13;
        etat_ ^= etat_ >> 17;
        etat_ ^= etat_ << 5;
        return static_cast<float>(static_cast<double>(etat_) / 2147483648.0 - 1.0);
    }

private:
    uint32_t etat_;
};

double frequence(double doHz, int demiTons);
int echantillons(double secondes);

// --- Instruments: one note each, `duree` is how long the note is held -------
Mono pincee(double f, double duree, double brillance, uint32_t graine); // pipa / zither
Mono cloche(double f, double duree, double ratio, double eclat);        // FM bell
Mono flute(double f, double duree, double vibrato, uint32_t graine);    // dizi-like
Mono archet(double f, double duree, double vibrato);                    // erhu-like bowed
Mono basse(double f, double duree);                                     // round plucked bass
Mono nappe(double f, double duree, double ouverture);                   // soft detuned pad
Mono carre(double f, double duree, double rapport);                     // arcade chip blip

// Percussion.
Mono taiko(double hauteur, uint32_t graine);
Mono tambourMain(double hauteur, uint32_t graine); // small hand drum
Mono blocBois(double hauteur);                     // woodblock tick
Mono grelot(double longueur, uint32_t graine);     // shaker / hat
Mono claque(uint32_t graine);                      // clap-like slap
Mono gong(double f, double longueur);
Mono crepitement(double longueur, uint32_t graine);                         // firework crackle
Mono souffle(double longueur, double fDebut, double fFin, uint32_t graine); // filtered whoosh

// --- Mixing ------------------------------------------------------------------
// A stereo bus of a fixed length. A looping bus wraps everything that runs past
// its end back onto its start, so tails (notes, reverb) carry over the seam and
// the loop point is inaudible.
class Bus {
public:
    Bus(double duree, bool boucle);
    int taille() const { return static_cast<int>(g_.size()); }
    bool boucle() const { return boucle_; }

    // Adds `son` at `t` seconds: gain, pan in -1..1, share sent to the reverb.
    void poser(double t, const Mono& son, double gain, double pan, double reverb = 0.0);

    // Runs the reverb on the send and mixes it in; call once, before finir().
    void reverberer(double piece, double amorti, double niveau);
    // Level to a target RMS (dBFS), a soft ceiling, fades at the ends of a
    // one-shot piece. Music and jingles share the same target for loudness.
    void finir(double rmsCible, double plafond);

    const Mono& gauche() const { return g_; }
    const Mono& droite() const { return d_; }

private:
    int indice(long i) const; // -1 when outside a one-shot bus

    Mono g_, d_, rg_, rd_;
    bool boucle_;
};

// Cuts or pads a mono sound to `taille` samples, scales its peak to `crete`
// and fades its ends so it never clicks.
void finirMono(Mono& son, int taille, double crete);

// Fourth-order low-pass, in place.
void passeBas(Mono& son, double fc);

// A short room (four feedback echoes) so dry effects sit in a space; the tail
// stays inside the buffer.
void salle(Mono& son, double niveau);

double rmsDb(const Mono& a, const Mono& b);
void plafonner(Mono& son, double plafond);

} // namespace synthese
