#include "sequenceur.h"

#include <cctype>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace sequenceur {

namespace {

const int DEGRES[8] = {0, 0, 2, 4, 5, 7, 9, 11}; // 1..7 to semitones

} // namespace

std::vector<Note> lire(const std::string& texte) {
    std::vector<Note> notes;
    std::string propre = texte;
    for (char& c : propre)
        if (c == '|') c = ' '; // bar lines may touch the notes
    std::istringstream flux(propre);
    std::string jeton;
    int pas = 0;
    bool tenue = false; // may "-" extend the last note?
    while (flux >> jeton) {
        if (jeton == "-") {
            if (tenue) ++notes.back().duree;
            ++pas;
            continue;
        }
        std::size_t i = 0;
        int alteration = 0;
        if (jeton[i] == '#')
            alteration = 1, ++i;
        else if (jeton[i] == 'b')
            alteration = -1, ++i;
        if (i >= jeton.size() || jeton[i] < '0' || jeton[i] > '7')
            throw std::runtime_error("note illisible : " + jeton);
        const int degre = jeton[i++] - '0';
        int octave = 0;
        for (; i < jeton.size(); ++i) {
            if (jeton[i] == '\'')
                ++octave;
            else if (jeton[i] == ',')
                --octave;
            else
                throw std::runtime_error("note illisible : " + jeton);
        }
        if (degre == 0) {
            tenue = false;
        } else {
            notes.push_back({pas, 1, DEGRES[degre] + alteration + 12 * octave});
            tenue = true;
        }
        ++pas;
    }
    return notes;
}

Morceau::Morceau(synthese::Bus& bus, double doHz, int mesures, int pasParMesure)
    : bus_(bus), do_(doHz), mesures_(mesures), pasParMesure_(pasParMesure) {
    mesure_ = static_cast<double>(bus.taille()) / synthese::FE / mesures;
    pas_ = mesure_ / pasParMesure;
}

void Morceau::accords(const std::vector<std::string>& liste) {
    accords_.clear();
    for (const std::string& a : liste)
        accords_.push_back(lire(a));
}

const std::vector<Note>& Morceau::accord(int m) const {
    return accords_.at(static_cast<std::size_t>(m) % accords_.size());
}

void Morceau::melodie(int debut, const std::string& texte, const Instrument& instrument,
                      double gain, double pan, double reverb, int octave) {
    const double t0 = debut * mesure_;
    for (const Note& n : lire(texte)) {
        const double f = hz(n.demiTons + 12 * octave);
        // Held a shade shorter than written so repeated notes stay distinct.
        bus_.poser(t0 + n.debut * pas_, instrument(f, n.duree * pas_ * 0.92, graine_++), gain, pan,
                   reverb);
    }
}

void Morceau::arpege(int de, int a, const std::string& motif, const Instrument& instrument,
                     double gain, double pan, double reverb, int octave) {
    const double pasMotif = mesure_ / static_cast<double>(motif.size());
    for (int m = de; m < a; ++m) {
        const std::vector<Note>& ac = accord(m);
        for (std::size_t k = 0; k < motif.size(); ++k) {
            if (!std::isdigit(static_cast<unsigned char>(motif[k]))) continue;
            const int rang = motif[k] - '0';
            const int taille = static_cast<int>(ac.size());
            const int demi = ac[rang % taille].demiTons + 12 * (rang / taille) + 12 * octave;
            bus_.poser(m * mesure_ + k * pasMotif, instrument(hz(demi), pasMotif * 1.5, graine_++),
                       gain, pan, reverb);
        }
    }
}

void Morceau::nappes(int de, int a, const Instrument& instrument, double gain, double reverb,
                     int octave) {
    for (int m = de; m < a; ++m) {
        int voix = 0;
        for (const Note& n : accord(m)) {
            const double pan = voix++ % 2 ? 0.4 : -0.4;
            bus_.poser(m * mesure_, instrument(hz(n.demiTons + 12 * octave), mesure_, graine_++),
                       gain, pan, reverb);
        }
    }
}

void Morceau::basse(int de, int a, const std::string& motif, double gain, int octave) {
    const double pasMotif = mesure_ / static_cast<double>(motif.size());
    for (int m = de; m < a; ++m) {
        const std::vector<Note>& ac = accord(m);
        int racine = ac.front().demiTons;
        while (racine > 4)
            racine -= 12; // keep the bass under the tune
        for (std::size_t k = 0; k < motif.size(); ++k) {
            int demi;
            switch (motif[k]) {
            case 'R':
                demi = racine;
                break;
            case 'O':
                demi = racine + 12;
                break;
            case 'F':
                demi = racine + 7;
                break;
            case 'T':
                demi = racine + (ac.size() > 1 ? ac[1].demiTons - ac[0].demiTons : 4);
                break;
            default:
                continue;
            }
            std::size_t fin = k + 1;
            while (fin < motif.size() && motif[fin] == '-')
                ++fin;
            const double duree = (fin - k) * pasMotif * 0.9;
            bus_.poser(m * mesure_ + k * pasMotif, synthese::basse(hz(demi + 12 * octave), duree),
                       gain, 0.0, 0.05);
        }
    }
}

void Morceau::frappes(int de, int a, const std::string& motif,
                      const std::function<synthese::Mono(uint32_t)>& instrument, double gain,
                      double pan, double reverb) {
    const double pasMotif = mesure_ / static_cast<double>(motif.size());
    for (int m = de; m < a; ++m) {
        for (std::size_t k = 0; k < motif.size(); ++k) {
            const char c = motif[k];
            const double force = c == 'X' ? 1.0 : c == 'x' ? 0.7 : c == 'o' ? 0.35 : 0.0;
            if (force == 0.0) continue;
            bus_.poser(m * mesure_ + k * pasMotif, instrument(graine_++), gain * force, pan,
                       reverb);
        }
    }
}

void Morceau::poser(double m, const synthese::Mono& son, double gain, double pan, double reverb) {
    bus_.poser(m * mesure_, son, gain, pan, reverb);
}

} // namespace sequenceur
