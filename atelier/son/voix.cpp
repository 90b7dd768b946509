#include "pieces.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

// Voice lines: the speech synthesiser says the word, we shape it into an
// arcade announcer (lower, a little driven, in a small hall) and fit it into
// its slot. Without the synthesiser a sung syllable per word stands in.

using namespace synthese;

namespace {

struct Replique {
    const char* id;
    const char* texte;
    int syllabes;
};

const Replique REPLIQUES[] = {
    {"voix_ready", "Ready?", 2},
    {"voix_go", "Go!", 1},
    {"voix_combo", "Combo!", 2},
    {"voix_time_up", "Time up!", 2},
};

uint32_t mot32(const std::string& o, std::size_t i) {
    return static_cast<uint8_t>(o[i]) | static_cast<uint8_t>(o[i + 1]) << 8 |
           static_cast<uint8_t>(o[i + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(o[i + 3])) << 24;
}

// Reads a 16-bit PCM WAV (first channel); empty on anything unexpected.
Mono lireWav(const std::string& chemin, int& frequence) {
    std::ifstream f(chemin, std::ios::binary);
    const std::string o((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (o.size() < 12 || o.compare(0, 4, "RIFF") != 0 || o.compare(8, 4, "WAVE") != 0) return {};
    int canaux = 0, bits = 0;
    std::size_t i = 12;
    while (i + 8 <= o.size()) {
        const std::string nom = o.substr(i, 4);
        std::size_t taille = mot32(o, i + 4);
        const std::size_t corps = i + 8;
        if (nom == "fmt " && corps + 16 <= o.size()) {
            canaux = static_cast<uint8_t>(o[corps + 2]) | static_cast<uint8_t>(o[corps + 3]) << 8;
            frequence = static_cast<int>(mot32(o, corps + 4));
            bits = static_cast<uint8_t>(o[corps + 14]);
        } else if (nom == "data") {
            if (bits != 16 || canaux < 1) return {};
            // A streamed WAV may carry a placeholder size: trust the file.
            taille = std::min(taille, o.size() - corps);
            Mono s;
            for (std::size_t k = corps; k + 2 * canaux <= corps + taille; k += 2 * canaux) {
                const int16_t v = static_cast<int16_t>(static_cast<uint8_t>(o[k]) |
                                                       static_cast<uint8_t>(o[k + 1]) << 8);
                s.push_back(v / 32768.0f);
            }
            return s;
        }
        i = corps + taille + (taille & 1);
    }
    return {};
}

// Linear-interpolating resampler: `facteur` output samples per input sample.
Mono reechantillonner(const Mono& s, double facteur) {
    if (s.empty()) return {};
    const std::size_t n = static_cast<std::size_t>(s.size() * facteur);
    Mono r(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = i / facteur;
        const std::size_t a = std::min(static_cast<std::size_t>(x), s.size() - 1);
        const std::size_t b = std::min(a + 1, s.size() - 1);
        const double t = x - static_cast<double>(a);
        r[i] = static_cast<float>(s[a] * (1 - t) + s[b] * t);
    }
    return r;
}

Mono rogner(const Mono& s) {
    std::size_t debut = 0, fin = s.size();
    while (debut < fin && std::fabs(s[debut]) < 0.01f)
        ++debut;
    while (fin > debut && std::fabs(s[fin - 1]) < 0.01f)
        --fin;
    return Mono(s.begin() + static_cast<long>(debut), s.begin() + static_cast<long>(fin));
}

Mono direParSynthese(const Replique& r, const std::string& espeak, const std::string& dossier) {
    if (espeak.empty()) return {};
    const std::string wav = dossier + "/" + r.id + ".wav";
    const std::string commande =
        "\"" + espeak + "\" -v en-us+m3 -s 150 -p 35 -w \"" + wav + "\" \"" + r.texte + "\"";
    if (std::system(commande.c_str()) != 0) return {};
    int frequence = 0;
    Mono s = lireWav(wav, frequence);
    std::remove(wav.c_str());
    if (s.empty() || frequence <= 0) return {};
    s = reechantillonner(s, static_cast<double>(FE) / frequence);
    // Linear interpolation mirrors the speech above the old Nyquist: cut it.
    passeBas(s, frequence * 0.42);
    return rogner(s);
}

Mono chanter(const Replique& r, double duree) {
    Mono s;
    const double syllabe = duree * 0.7 / r.syllabes;
    for (int k = 0; k < r.syllabes; ++k) {
        const Mono note = archet(180.0 - 25.0 * k, syllabe * 0.85, 0.5);
        s.resize(echantillons(syllabe * (k + 1)) + note.size(), 0.0f);
        const std::size_t debut = static_cast<std::size_t>(echantillons(syllabe * k));
        for (std::size_t i = 0; i < note.size(); ++i)
            s[debut + i] += note[i];
    }
    return s;
}

} // namespace

Mono voix(const std::string& id, double duree, const std::string& espeak,
          const std::string& dossierTemporaire) {
    const Replique* r = nullptr;
    for (const Replique& x : REPLIQUES)
        if (id == x.id) r = &x;
    if (!r) return {};
    const double place = duree - 0.2; // room for the attack and the hall's tail
    Mono s = direParSynthese(*r, espeak, dossierTemporaire);
    if (s.empty()) s = chanter(*r, place);
    // Lower the voice a little when there is room; speed it up when too long.
    double facteur = 1.12;
    if (s.size() * facteur > echantillons(place))
        facteur = static_cast<double>(echantillons(place)) / static_cast<double>(s.size());
    s = reechantillonner(s, facteur);
    for (float& x : s)
        x = static_cast<float>(std::tanh(2.2 * x) / std::tanh(2.2));
    Mono sortie(echantillons(duree), 0.0f);
    const std::size_t debut = static_cast<std::size_t>(echantillons(0.03));
    for (std::size_t i = 0; i < s.size() && debut + i < sortie.size(); ++i)
        sortie[debut + i] = s[i];
    salle(sortie, 0.5);
    return sortie;
}
