#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>
#include <vorbis/vorbisfile.h>

// Review aid: draws the waveform of an Ogg file as a greyscale PGM image,
// one column per slice (minimum to maximum, both channels mixed), with the
// RMS of the slice darker inside. Used with sox's spectrograms by revue.sh.
//   revue_sons <in.ogg> <out.pgm> [width height]

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage : %s <entrée.ogg> <sortie.pgm> [largeur hauteur]\n", argv[0]);
        return 2;
    }
    const int largeur = argc > 4 ? std::max(16, std::atoi(argv[3])) : 800;
    const int hauteur = argc > 4 ? std::max(16, std::atoi(argv[4])) : 120;
    OggVorbis_File f;
    if (ov_fopen(argv[1], &f) != 0) {
        std::fprintf(stderr, "%s : illisible\n", argv[1]);
        return 1;
    }
    const int canaux = ov_info(&f, -1)->channels;
    std::vector<float> s;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long n = ov_read_float(&f, &pcm, 4096, &section);
        if (n <= 0) break;
        for (long i = 0; i < n; ++i) {
            float x = 0;
            for (int c = 0; c < canaux; ++c)
                x += pcm[c][i];
            s.push_back(x / canaux);
        }
    }
    ov_clear(&f);
    std::vector<unsigned char> image(static_cast<std::size_t>(largeur) * hauteur, 255);
    const std::size_t parColonne = std::max<std::size_t>(1, s.size() / largeur);
    for (int x = 0; x < largeur; ++x) {
        const std::size_t de = x * parColonne, a = std::min(s.size(), de + parColonne);
        float bas = 0, haut = 0;
        double carre = 0;
        for (std::size_t i = de; i < a; ++i) {
            bas = std::min(bas, s[i]);
            haut = std::max(haut, s[i]);
            carre += double(s[i]) * s[i];
        }
        const double rms = a > de ? std::sqrt(carre / (a - de)) : 0.0;
        auto ligne = [&](double v) {
            return std::clamp(static_cast<int>((1.0 - v) * 0.5 * (hauteur - 1)), 0, hauteur - 1);
        };
        for (int y = ligne(haut); y <= ligne(bas); ++y)
            image[y * largeur + x] = 140;
        for (int y = ligne(rms); y <= ligne(-rms); ++y)
            image[y * largeur + x] = 40;
    }
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) return 1;
    std::fprintf(out, "P5\n%d %d\n255\n", largeur, hauteur);
    std::fwrite(image.data(), 1, image.size(), out);
    return std::fclose(out) == 0 ? 0 : 1;
}
