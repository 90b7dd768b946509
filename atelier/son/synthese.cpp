#include "synthese.h"

#include <algorithm>
#include <cmath>

namespace synthese {

namespace {

// State-variable filter, trapezoidal (zero-delay feedback) form: stable
// when its cut-off moves every sample.
class Filtre {
public:
    void regler(double fc, double q) {
        fc = std::clamp(fc, 10.0, FE * 0.45);
        g_ = std::tan(PI * fc / FE);
        k_ = 1.0 / std::max(q, 0.05);
        a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
    }
    // Returns low-pass; band-pass and high-pass are kept for the caller.
    double passer(double x) {
        const double v3 = x - ic2_;
        const double v1 = a1_ * ic1_ + g_ * a1_ * v3;
        const double v2 = ic2_ + g_ * v1;
        ic1_ = 2 * v1 - ic1_;
        ic2_ = 2 * v2 - ic2_;
        bande = v1;
        haut = x - k_ * v1 - v2;
        return v2;
    }
    double bande = 0, haut = 0;

private:
    double g_ = 0, k_ = 1, a1_ = 0, ic1_ = 0, ic2_ = 0;
};

// Naive saw with a polyBLEP correction: bright without audible aliasing.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// Attack / hold / release envelope value at sample i.
double enveloppe(int i, int attaque, int tenue, int relache) {
    if (i < attaque) return static_cast<double>(i) / std::max(1, attaque);
    if (i < tenue) return 1.0;
    const double r = static_cast<double>(i - tenue) / std::max(1, relache);
    return r >= 1.0 ? 0.0 : (1.0 - r) * (1.0 - r);
}

// Sine by table, in cycles: the bells and gongs need millions of sines and
// libm's exact ones dominated the whole render.
class TableSinus {
public:
    TableSinus() {
        for (int i = 0; i <= N; ++i)
            t_[i] = std::sin(2 * PI * i / N);
    }
    double operator()(double cycles) const {
        double x = (cycles - std::floor(cycles)) * N;
        const int i = static_cast<int>(x);
        x -= i;
        return t_[i] + (t_[i + 1] - t_[i]) * x;
    }

private:
    static constexpr int N = 8192;
    double t_[N + 1];
};

const TableSinus SINUS;

// exp(-taux * t) one sample at a time, by multiplication.
class Declin {
public:
    explicit Declin(double taux) : facteur_(std::exp(-taux / FE)) {}
    double suivant() {
        const double v = valeur_;
        valeur_ *= facteur_;
        return v;
    }

private:
    double facteur_, valeur_ = 1.0;
};

} // namespace

double frequence(double doHz, int demiTons) {
    return doHz * std::pow(2.0, demiTons / 12.0);
}

int echantillons(double secondes) {
    return static_cast<int>(std::lround(secondes * FE));
}

Mono pincee(double f, double duree, double brillance, uint32_t graine) {
    // Karplus-Strong with a fractional delay, so high notes stay in tune.
    const int n = echantillons(duree + 1.6);
    const int tenue = echantillons(duree);
    Mono sortie(n);
    const double periode = FE / f;
    const int longueur = static_cast<int>(periode) + 2;
    std::vector<double> ligne(longueur, 0.0);
    Bruit bruit(graine);
    Filtre excitation;
    excitation.regler(800.0 + 7000.0 * brillance, 0.7);
    for (int i = 0; i < longueur; ++i)
        ligne[i] = excitation.passer(bruit.suivant());
    double ecriture = 0; // position of the write head, read head trails by `periode`
    double precedent = 0;
    // Loss per trip round the string, set so a note rings for about a second
    // (shorter as it climbs) whatever its pitch: a fixed loss would make the
    // high notes die in a few milliseconds.
    const double perte = std::exp(-(1.5 + f / 600.0) / f);
    for (int i = 0; i < n; ++i) {
        // The averaging loop filter delays half a sample: take it off the line.
        double lecture = ecriture - (periode - 0.5);
        while (lecture < 0)
            lecture += longueur;
        const int a = static_cast<int>(lecture) % longueur;
        const int b = (a + 1) % longueur;
        const double frac = lecture - std::floor(lecture);
        const double x = ligne[a] * (1 - frac) + ligne[b] * frac;
        // A damped string after release: the player's finger mutes it.
        const double amortir = i > tenue ? 0.985 : perte;
        const double y = amortir * (0.5 * x + 0.5 * precedent);
        precedent = x;
        const int w = static_cast<int>(ecriture) % longueur;
        ligne[w] = y;
        ecriture += 1;
        if (ecriture >= longueur) ecriture -= longueur;
        // The filtered-noise pluck is quiet by nature: bring it level with
        // the other instruments so parts can be balanced by their gains.
        sortie[i] = static_cast<float>(2.5 * x * std::min(1.0, i / 40.0));
    }
    return sortie;
}

Mono cloche(double f, double duree, double ratio, double eclat) {
    // Two-operator FM: an inharmonic ratio gives the metallic partials, the
    // index falls faster than the amplitude so the strike softens as it rings.
    const double longueur = std::max(duree, 0.2) + 2.4;
    const int n = echantillons(longueur);
    Mono sortie(n);
    Declin dIndice(3.0), dAmp(1.6), dAigu(5.0);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        const double indice = eclat * dIndice.suivant();
        const double mod = SINUS(f * ratio * t) * indice;
        const double amp = dAmp.suivant() * std::min(1.0, i / 30.0);
        const double corps = SINUS(f * t + mod / (2 * PI));
        const double aigu = 0.25 * SINUS(f * 2.76 * t) * dAigu.suivant();
        sortie[i] = static_cast<float>(amp * (corps + aigu));
    }
    return sortie;
}

Mono flute(double f, double duree, double vibrato, uint32_t graine) {
    const int tenue = echantillons(duree);
    const int relache = echantillons(0.12);
    const int n = tenue + relache;
    Mono sortie(n);
    Bruit bruit(graine);
    Filtre souffle;
    souffle.regler(f * 2.0, 2.0);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        // Vibrato fades in only on held notes, as a player would do.
        const double profondeur = vibrato * std::clamp((t - 0.18) / 0.3, 0.0, 1.0);
        phase += f * (1.0 + 0.006 * profondeur * SINUS(5.2 * t)) / FE;
        const double ton = SINUS(phase) + 0.22 * SINUS(2 * phase) + 0.08 * SINUS(3 * phase);
        souffle.passer(bruit.suivant());
        const double env = enveloppe(i, echantillons(0.05), tenue, relache);
        sortie[i] = static_cast<float>(env * (0.8 * ton + 0.12 * souffle.bande));
    }
    return sortie;
}

Mono archet(double f, double duree, double vibrato) {
    const int tenue = echantillons(duree);
    const int relache = echantillons(0.15);
    const int n = tenue + relache;
    Mono sortie(n);
    Filtre corps, formant;
    corps.regler(f * 5.0, 0.8);
    formant.regler(1400.0, 3.0);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        const double profondeur = vibrato * std::clamp((t - 0.12) / 0.25, 0.0, 1.0);
        const double inc = f * (1.0 + 0.01 * profondeur * SINUS(6.0 * t)) / FE;
        phase += inc;
        if (phase >= 1.0) phase -= 1.0;
        const double scie = 2.0 * phase - 1.0 - polyBlep(phase, inc);
        const double x = corps.passer(scie);
        formant.passer(x);
        const double env = enveloppe(i, echantillons(0.07), tenue, relache);
        sortie[i] = static_cast<float>(env * (0.7 * x + 0.6 * formant.bande));
    }
    return sortie;
}

Mono basse(double f, double duree) {
    const int tenue = echantillons(duree);
    const int relache = echantillons(0.08);
    const int n = tenue + relache;
    Mono sortie(n);
    Filtre filtre;
    double phase = 0;
    const double inc = f / FE;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        phase += inc;
        if (phase >= 1.0) phase -= 1.0;
        const double scie = 2.0 * phase - 1.0 - polyBlep(phase, inc);
        if (i % 16 == 0) filtre.regler(f * (1.5 + 5.0 * std::exp(-t * 9.0)), 1.1);
        const double x = 0.5 * filtre.passer(scie) + 0.4 * SINUS(phase);
        const double declin = 0.55 + 0.45 * std::exp(-t * 5.0);
        const double env = enveloppe(i, echantillons(0.004), tenue, relache) * declin;
        sortie[i] = static_cast<float>(env * x);
    }
    return sortie;
}

Mono nappe(double f, double duree, double ouverture) {
    const int tenue = echantillons(duree);
    const int relache = echantillons(0.6);
    const int n = tenue + relache;
    Mono sortie(n);
    Filtre filtre;
    filtre.regler(f * (2.0 + 4.0 * ouverture), 0.6);
    const double ecarts[3] = {-0.006, 0.0, 0.0071};
    double phases[3] = {0.0, 0.33, 0.71};
    for (int i = 0; i < n; ++i) {
        double x = 0;
        for (int v = 0; v < 3; ++v) {
            const double inc = f * (1.0 + ecarts[v]) / FE;
            phases[v] += inc;
            if (phases[v] >= 1.0) phases[v] -= 1.0;
            x += 2.0 * phases[v] - 1.0 - polyBlep(phases[v], inc);
        }
        const double env = enveloppe(i, echantillons(0.35), tenue, relache);
        sortie[i] = static_cast<float>(env * filtre.passer(x / 3.0));
    }
    return sortie;
}

Mono carre(double f, double duree, double rapport) {
    const int tenue = echantillons(duree);
    const int relache = echantillons(0.02);
    const int n = tenue + relache;
    Mono sortie(n);
    Filtre filtre;
    filtre.regler(6000.0, 0.7);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        phase += f / FE;
        if (phase >= 1.0) phase -= 1.0;
        const double x = phase < rapport ? 1.0 : -1.0;
        const double env = enveloppe(i, echantillons(0.002), tenue, relache);
        sortie[i] = static_cast<float>(env * filtre.passer(x));
    }
    return sortie;
}

Mono taiko(double hauteur, uint32_t graine) {
    const int n = echantillons(0.9);
    Mono sortie(n);
    Bruit bruit(graine);
    Filtre peau;
    peau.regler(900.0, 0.8);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        const double f = hauteur * (1.0 + 1.6 * std::exp(-t * 28.0));
        phase += f / FE;
        const double corps = SINUS(phase) * std::exp(-t * 5.5);
        const double frappe = peau.passer(bruit.suivant()) * std::exp(-t * 40.0);
        // A millisecond of attack: a drum on the loop point must not click.
        const double attaque = std::min(1.0, i / 44.0);
        sortie[i] = static_cast<float>(attaque * (std::tanh(1.4 * corps) + 0.8 * frappe));
    }
    return sortie;
}

Mono tambourMain(double hauteur, uint32_t graine) {
    const int n = echantillons(0.35);
    Mono sortie(n);
    Bruit bruit(graine);
    Filtre peau;
    peau.regler(hauteur * 6.0, 1.5);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        phase += hauteur * (1.0 + 0.5 * std::exp(-t * 60.0)) / FE;
        const double corps = SINUS(phase) * std::exp(-t * 14.0);
        peau.passer(bruit.suivant());
        const double frappe = peau.bande * std::exp(-t * 55.0);
        sortie[i] = static_cast<float>(std::min(1.0, i / 44.0) * (corps + 0.9 * frappe));
    }
    return sortie;
}

Mono blocBois(double hauteur) {
    const int n = echantillons(0.12);
    Mono sortie(n);
    Declin declin(45.0);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        const double x = SINUS(hauteur * t) + 0.4 * SINUS(hauteur * 2.3 * t);
        sortie[i] = static_cast<float>(x * declin.suivant() * std::min(1.0, i / 8.0));
    }
    return sortie;
}

Mono grelot(double longueur, uint32_t graine) {
    const int n = echantillons(longueur + 0.02);
    Mono sortie(n);
    Bruit bruit(graine);
    Filtre filtre;
    filtre.regler(7500.0, 1.2);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        filtre.passer(bruit.suivant());
        const double env = std::min(1.0, i / 60.0) * std::exp(-t * 4.0 / longueur);
        sortie[i] = static_cast<float>(filtre.haut * env);
    }
    return sortie;
}

Mono claque(uint32_t graine) {
    const int n = echantillons(0.25);
    Mono sortie(n);
    Bruit bruit(graine);
    Filtre filtre;
    filtre.regler(1300.0, 2.5);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        // Three quick slaps then the ring, like palms hitting together.
        const double rafale = t < 0.03 ? (std::fmod(t, 0.01) < 0.003 ? 1.0 : 0.3) : 1.0;
        filtre.passer(bruit.suivant());
        const double attaque = std::min(1.0, i / 44.0);
        sortie[i] = static_cast<float>(attaque * filtre.bande * rafale * std::exp(-t * 20.0) * 2.0);
    }
    return sortie;
}

Mono gong(double f, double longueur) {
    const int n = echantillons(longueur);
    Mono sortie(n);
    Declin dGlisse(2.0), dIndice(1.2), dEnv(3.2 / longueur);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        // The pitch settles after the strike, which is what makes it a gong.
        const double glisse = dGlisse.suivant();
        phase += f * (1.0 + 0.03 * glisse) / FE;
        const double indice = 2.5 * dIndice.suivant() + 0.4;
        const double mod = SINUS(f * 1.41 * t) * indice;
        const double x = SINUS(phase + mod / (2 * PI)) + 0.3 * SINUS(f * 2.47 * t) * glisse;
        const double env = std::min(1.0, i / 200.0) * dEnv.suivant();
        sortie[i] = static_cast<float>(x * env);
    }
    return sortie;
}

Mono crepitement(double longueur, uint32_t graine) {
    const int n = echantillons(longueur);
    Mono sortie(n, 0.0f);
    Bruit bruit(graine);
    Filtre filtre;
    filtre.regler(3500.0, 0.9);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FE;
        // Sparse pops, thinning out as the sparks fall.
        const double densite = 0.0008 * std::exp(-t * 2.5 / longueur);
        const double tirage = 0.5 * (bruit.suivant() + 1.0);
        const double pop = tirage < densite ? bruit.suivant() * 4.0 : 0.0;
        filtre.passer(pop + 0.01 * bruit.suivant() * std::exp(-t * 12.0));
        sortie[i] = static_cast<float>(filtre.haut + 0.5 * filtre.bande);
    }
    return sortie;
}

Mono souffle(double longueur, double fDebut, double fFin, uint32_t graine) {
    const int n = echantillons(longueur);
    Mono sortie(n);
    Bruit bruit(graine);
    Filtre filtre;
    for (int i = 0; i < n; ++i) {
        const double r = static_cast<double>(i) / n;
        filtre.regler(fDebut * std::pow(fFin / fDebut, r), 2.0);
        filtre.passer(bruit.suivant());
        const double env = std::sin(PI * r);
        sortie[i] = static_cast<float>(filtre.bande * env);
    }
    return sortie;
}

// --- Bus ---------------------------------------------------------------------

Bus::Bus(double duree, bool boucle)
    : g_(echantillons(duree), 0.0f), d_(g_.size(), 0.0f), rg_(g_.size(), 0.0f),
      rd_(g_.size(), 0.0f), boucle_(boucle) {}

int Bus::indice(long i) const {
    const long n = static_cast<long>(g_.size());
    if (boucle_) return static_cast<int>(((i % n) + n) % n);
    return (i >= 0 && i < n) ? static_cast<int>(i) : -1;
}

void Bus::poser(double t, const Mono& son, double gain, double pan, double reverb) {
    const long debut = std::lround(t * FE);
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * PI / 4.0;
    const double gg = gain * std::cos(angle) * std::sqrt(2.0);
    const double gd = gain * std::sin(angle) * std::sqrt(2.0);
    const int n = taille();
    std::size_t k = 0;
    // Past the end a loop wraps to the start; a one-shot bus drops the rest.
    while (k < son.size()) {
        const int i0 = indice(debut + static_cast<long>(k));
        if (i0 < 0) {
            if (debut + static_cast<long>(k) >= n) break;
            ++k;
            continue;
        }
        const std::size_t fin = std::min(son.size(), k + static_cast<std::size_t>(n - i0));
        for (int i = i0; k < fin; ++k, ++i) {
            const double x = son[k];
            g_[i] += static_cast<float>(x * gg);
            d_[i] += static_cast<float>(x * gd);
            if (reverb > 0) {
                rg_[i] += static_cast<float>(x * gg * reverb);
                rd_[i] += static_cast<float>(x * gd * reverb);
            }
        }
    }
}

namespace {

// A Schroeder-Moorer reverb in the usual eight-comb, four-allpass layout; the
// right channel's lines are a little longer to widen the image.
class Reverb {
public:
    Reverb(double piece, double amorti, int ecart) : piece_(piece), amorti_(amorti) {
        const int peignes[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
        const int passes[4] = {556, 441, 341, 225};
        for (int p : peignes)
            peignes_.push_back({std::vector<double>(p + ecart, 0.0), 0, 0.0});
        for (int p : passes)
            passes_.push_back({std::vector<double>(p + ecart, 0.0), 0, 0.0});
    }
    double passer(double x) {
        double somme = 0;
        for (Ligne& l : peignes_) {
            const double y = l.tampon[l.pos];
            l.memoire = y * (1 - amorti_) + l.memoire * amorti_;
            l.tampon[l.pos] = x + l.memoire * piece_;
            l.pos = (l.pos + 1) % l.tampon.size();
            somme += y;
        }
        for (Ligne& l : passes_) {
            const double y = l.tampon[l.pos];
            l.tampon[l.pos] = somme + y * 0.5;
            l.pos = (l.pos + 1) % l.tampon.size();
            somme = y - somme;
        }
        return somme;
    }

private:
    struct Ligne {
        std::vector<double> tampon;
        std::size_t pos;
        double memoire;
    };
    std::vector<Ligne> peignes_, passes_;
    double piece_, amorti_;
};

} // namespace

void Bus::reverberer(double piece, double amorti, double niveau) {
    Reverb gauche(piece, amorti, 0), droite(piece, amorti, 23);
    const int n = taille();
    // A loop is fed twice and only the second pass is kept: the reverb of the
    // last bars is then already ringing at the first sample, as on replay.
    const int tours = boucle_ ? 2 : 1;
    for (int tour = 0; tour < tours; ++tour) {
        const bool garder = tour == tours - 1;
        for (int i = 0; i < n; ++i) {
            const double eg = gauche.passer(rg_[i] * 0.05);
            const double ed = droite.passer(rd_[i] * 0.05);
            if (garder) {
                g_[i] += static_cast<float>(eg * niveau);
                d_[i] += static_cast<float>(ed * niveau);
            }
        }
    }
    std::fill(rg_.begin(), rg_.end(), 0.0f);
    std::fill(rd_.begin(), rd_.end(), 0.0f);
}

double rmsDb(const Mono& a, const Mono& b) {
    double somme = 0;
    for (float x : a)
        somme += static_cast<double>(x) * x;
    for (float x : b)
        somme += static_cast<double>(x) * x;
    const double n = static_cast<double>(a.size() + b.size());
    return 10.0 * std::log10(std::max(somme / std::max(n, 1.0), 1e-20));
}

void plafonner(Mono& son, double plafond) {
    // Soft knee from 70 % of the ceiling: peaks bend instead of clipping.
    const double seuil = 0.7 * plafond;
    for (float& x : son) {
        const double a = std::fabs(x);
        if (a <= seuil) continue;
        const double reste = plafond - seuil;
        const double y = seuil + reste * std::tanh((a - seuil) / reste);
        x = static_cast<float>(x < 0 ? -y : y);
    }
}

namespace {

void fondus(Mono& son, int debut, int fin) {
    const int n = static_cast<int>(son.size());
    for (int i = 0; i < std::min(debut, n); ++i)
        son[i] *= static_cast<float>(i) / debut;
    for (int i = 0; i < std::min(fin, n); ++i)
        son[n - 1 - i] *= static_cast<float>(i) / fin;
}

} // namespace

void Bus::finir(double rmsCible, double plafond) {
    const double gain = std::pow(10.0, (rmsCible - rmsDb(g_, d_)) / 20.0);
    for (float& x : g_)
        x = static_cast<float>(x * gain);
    for (float& x : d_)
        x = static_cast<float>(x * gain);
    plafonner(g_, plafond);
    plafonner(d_, plafond);
    if (!boucle_) {
        fondus(g_, 32, echantillons(0.08));
        fondus(d_, 32, echantillons(0.08));
    }
}

void finirMono(Mono& son, int taille, double crete) {
    // Three milliseconds of silence first: the codec smears a hard attack on
    // the very first sample into a click.
    son.insert(son.begin(), static_cast<std::size_t>(echantillons(0.003)), 0.0f);
    son.resize(taille, 0.0f);
    double max = 1e-9;
    for (float x : son)
        max = std::max(max, static_cast<double>(std::fabs(x)));
    const double gain = crete / max;
    for (float& x : son)
        x = static_cast<float>(x * gain);
    fondus(son, 16, std::min(echantillons(0.03), taille / 4));
}

void passeBas(Mono& son, double fc) {
    Filtre a, b;
    a.regler(fc, 0.7071);
    b.regler(fc, 0.7071);
    for (float& x : son)
        x = static_cast<float>(b.passer(a.passer(x)));
}

void salle(Mono& son, double niveau) {
    const int retards[4] = {1031, 1327, 1657, 1913};
    Mono sortie = son;
    for (int r : retards) {
        std::vector<double> ligne(r, 0.0);
        std::size_t pos = 0;
        for (std::size_t i = 0; i < son.size(); ++i) {
            const double y = ligne[pos];
            ligne[pos] = son[i] + y * 0.55;
            pos = (pos + 1) % ligne.size();
            sortie[i] += static_cast<float>(y * niveau * 0.25);
        }
    }
    son = sortie;
}

} // namespace synthese
