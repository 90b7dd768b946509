#include "son/catalogue.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>
#include <vorbis/vorbisfile.h>

// The workshop's output, read back as the game's decoder would read it.

namespace {

struct Decode {
    bool lu = false;
    int canaux = 0;
    long frequence = 0;
    std::vector<std::vector<float>> pistes; // one vector per channel
    double secondes() const { return pistes.empty() ? 0.0 : double(pistes[0].size()) / frequence; }
};

std::string chemin(const QString& id) {
    return std::string(TESSIMORA_CONSTRUCTION) + "/genere/app/sons/" + id.toStdString() + ".ogg";
}

const Decode& decoder(const QString& id) {
    static std::map<QString, Decode> cache;
    auto it = cache.find(id);
    if (it != cache.end()) return it->second;
    Decode& d = cache[id];
    OggVorbis_File f;
    if (ov_fopen(chemin(id).c_str(), &f) != 0) return d;
    const vorbis_info* info = ov_info(&f, -1);
    d.canaux = info->channels;
    d.frequence = info->rate;
    d.pistes.resize(d.canaux);
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long n = ov_read_float(&f, &pcm, 4096, &section);
        if (n < 0) { // a hole or corrupt page: the file does not decode cleanly
            ov_clear(&f);
            return d;
        }
        if (n == 0) break;
        for (int c = 0; c < d.canaux; ++c)
            d.pistes[c].insert(d.pistes[c].end(), pcm[c], pcm[c] + n);
    }
    ov_clear(&f);
    d.lu = true;
    return d;
}

double rmsDb(const Decode& d, std::size_t de, std::size_t a) {
    double somme = 0;
    std::size_t n = 0;
    for (const auto& p : d.pistes)
        for (std::size_t i = de; i < std::min(a, p.size()); ++i, ++n)
            somme += double(p[i]) * p[i];
    return 10 * std::log10(std::max(somme / std::max<std::size_t>(n, 1), 1e-20));
}

double crete(const Decode& d) {
    double m = 0;
    for (const auto& p : d.pistes)
        for (float x : p)
            m = std::max(m, double(std::fabs(x)));
    return m;
}

} // namespace

TEST(FichiersSons, EveryTrackDecodesInItsFormatAndLength) {
    for (const catalogue::Piste& p : catalogue::pistes()) {
        SCOPED_TRACE(p.id.toStdString());
        const Decode& d = decoder(p.id);
        ASSERT_TRUE(d.lu) << chemin(p.id);
        EXPECT_EQ(d.frequence, 44100);
        const bool stereo = p.type == "musique" || p.type == "jingle";
        EXPECT_EQ(d.canaux, stereo ? 2 : 1);
        const double tolerance = p.duree < 5.0 ? 0.05 : p.duree * 0.01;
        EXPECT_NEAR(d.secondes(), p.duree, tolerance);
    }
}

TEST(FichiersSons, NothingClipsAndNothingIsSilent) {
    for (const catalogue::Piste& p : catalogue::pistes()) {
        SCOPED_TRACE(p.id.toStdString());
        const Decode& d = decoder(p.id);
        ASSERT_TRUE(d.lu);
        const double c = crete(d);
        EXPECT_LT(c, 0.99);
        EXPECT_GT(c, 0.2);
        EXPECT_GT(rmsDb(d, 0, d.pistes[0].size()), -40.0);
    }
}

TEST(FichiersSons, MusicTracksShareOneLoudness) {
    std::vector<double> niveaux;
    for (const catalogue::Piste& p : catalogue::pistes()) {
        if (p.type != "musique" && p.type != "jingle") continue;
        const Decode& d = decoder(p.id);
        ASSERT_TRUE(d.lu) << p.id.toStdString();
        niveaux.push_back(rmsDb(d, 0, d.pistes[0].size()));
    }
    ASSERT_EQ(niveaux.size(), 12u);
    const auto [bas, haut] = std::minmax_element(niveaux.begin(), niveaux.end());
    EXPECT_LT(*haut - *bas, 3.0);
}

TEST(FichiersSons, LoopsCloseWithoutAClickOrAGap) {
    for (const catalogue::Piste& p : catalogue::pistes()) {
        if (!p.boucle) continue;
        SCOPED_TRACE(p.id.toStdString());
        const Decode& d = decoder(p.id);
        ASSERT_TRUE(d.lu);
        const std::size_t n = d.pistes[0].size();
        const std::size_t bloc = 4410; // 100 ms
        for (const auto& canal : d.pistes) {
            // The step from the last sample to the first must look like any
            // other step of the track, not like a cut.
            std::vector<float> pas;
            for (std::size_t i = 1; i < n; ++i)
                pas.push_back(std::fabs(canal[i] - canal[i - 1]));
            std::nth_element(pas.begin(), pas.begin() + pas.size() * 999 / 1000, pas.end());
            const float seuil = pas[pas.size() * 999 / 1000];
            EXPECT_LE(std::fabs(canal[0] - canal[n - 1]), seuil);
        }
        // No fade at either end: the music keeps going across the seam.
        EXPECT_GT(rmsDb(d, 0, bloc), rmsDb(d, 0, n) - 12.0);
        EXPECT_GT(rmsDb(d, n - bloc, n), rmsDb(d, 0, n) - 12.0);
    }
}

TEST(FichiersSons, OneShotSoundsStartAndEndQuietly) {
    for (const catalogue::Piste& p : catalogue::pistes()) {
        if (p.boucle) continue;
        SCOPED_TRACE(p.id.toStdString());
        const Decode& d = decoder(p.id);
        ASSERT_TRUE(d.lu);
        for (const auto& canal : d.pistes) {
            EXPECT_LT(std::fabs(canal.front()), 0.02);
            EXPECT_LT(std::fabs(canal.back()), 0.02);
        }
    }
}

TEST(FichiersSons, PairSoundsRiseWithTheCombo) {
    // The lowest strong partial of the ringing part (20..200 ms) is the note
    // the ear follows: it must climb from one combo level to the next.
    double precedente = 0;
    for (int niveau = 1; niveau <= 9; ++niveau) {
        const Decode& d = decoder(catalogue::paire(niveau));
        ASSERT_TRUE(d.lu);
        const auto& s = d.pistes[0];
        const std::size_t de = 882, n = 8192;
        ASSERT_GT(s.size(), de + n);
        const double pasHz = 44100.0 / n;
        std::vector<double> spectre;
        for (int k = 0; k * pasHz < 2000.0; ++k) {
            double re = 0, im = 0;
            for (std::size_t i = 0; i < n; ++i) {
                const double x = s[de + i] * (0.5 - 0.5 * std::cos(2 * M_PI * i / n));
                re += x * std::cos(2 * M_PI * k * i / n);
                im -= x * std::sin(2 * M_PI * k * i / n);
            }
            spectre.push_back(k * pasHz < 150.0 ? 0.0 : re * re + im * im);
        }
        const double plusFort = *std::max_element(spectre.begin(), spectre.end());
        std::size_t k = 1;
        while (k + 1 < spectre.size() &&
               !(spectre[k] >= 0.25 * plusFort && spectre[k] >= spectre[k - 1] &&
                 spectre[k] >= spectre[k + 1]))
            ++k;
        const double f = k * pasHz;
        EXPECT_GT(f, precedente) << "level " << niveau;
        precedente = f;
    }
}
