// The red panda, host of the cabinet: russet fur, a white mask on a dark-eyed
// face, near-black legs and a ringed tail. One figure drawn from a few body
// parts placed by a posture, so every pose and both sizes stay the same animal.

#include "couleurs.h"
#include "decors.h"
#include "trace.h"

#include <algorithm>
#include <cmath>

using namespace palette;
using namespace teinte;

namespace {

constexpr double PI = 3.14159265358979323846;

enum class Yeux { ouverts, miClos, fermes, heureux, grands, tristes, decides };
enum class Bouche { rien, sourire, ouverte, rond, moue };

// Where the parts go in one frame. Lengths are in pixels of the small panda,
// v upwards from the soles, u across with the tail on the side +1.
struct Posture {
    double dx = 0;    // sway of the whole figure
    double leve = 0;  // height of the soles above the ground
    double tasse = 0; // crouch: the body sinks, the legs fold
    double teteU = 0, teteV = 0;
    double regard = 0;                              // eyes and muzzle turned sideways
    double mainG[2] = {-8, 10}, mainD[2] = {8, 10}; // hands (far side -u, near side +u)
    Yeux yeux = Yeux::ouverts;
    Bouche bouche = Bouche::rien;
    double queue = 0; // tail swing, radians
    double queueGonflee = 0;
    double oreilles = 0; // 0 pricked up, 1 laid back
    bool joues = false;
    bool dos = false; // seen from behind, studying the stack
};

// A figure is drawn part by part, each outlined on its own, so that an arm
// over the body or the head over the shoulders keeps a dark edge.
class Figure {
public:
    Figure(Toile& toile, double x, double y, double echelle, int sens)
        : cible(toile), ax(x), ay(y), s(echelle), cote(sens) {}

    void dessiner(const Posture& p) {
        posture = p;
        queue();
        jambes();
        corps();
        bras();
        tete();
    }

    // The mini bust: head and shoulders only, filling a small square.
    void buste(const Posture& p) {
        posture = p;
        Toile t = couche();
        trace::ovale(t, X(0), Y(-2), 7.5 * s, 6 * s, FOURRURE);
        trace::ovale(t, X(0), Y(-3.5), 3.5 * s, 4 * s, FOURRURE_SOMBRE);
        poser(t);
        tete(0, 8.5);
    }

private:
    Toile& cible;
    double ax, ay, s;
    int cote;
    Posture posture;

    double X(double u) const { return ax + s * (posture.dx + u * cote); }
    double Y(double v) const { return ay - s * (posture.leve + v); }
    Toile couche() const { return Toile(cible.largeur(), cible.hauteur()); }
    void poser(Toile& t) {
        t.contour(CONTOUR);
        cible.poser(t, 0, 0);
    }

    void queue() {
        Toile t = couche();
        // The tail rises from behind the hips in an S, swaying at its tip; its
        // rings are bands across the stroke, alternating russet and pale.
        const int n = 14;
        const double g = 1.0 + 0.25 * posture.queueGonflee;
        for (int k = 0; k <= n; ++k) {
            const double a = double(k) / n;
            const double balance = posture.queue * a * a;
            const double u = 4 + 10 * std::sin(a * 1.9) + 6 * std::sin(balance) * a;
            const double v = 7 + 16 * a - 3 * std::sin(a * PI) + 4 * (1 - std::cos(balance)) * a;
            const double r = (3.4 - 0.9 * a) * g;
            const bool pale = int(a * 5.5) % 2 == 1;
            trace::ovale(t, X(u), Y(v), r * s, r * s, pale ? ANNEAU : FOURRURE);
        }
        // The tip is dark, as on the real animal.
        const double balance = posture.queue;
        const double u = 4 + 10 * std::sin(1.9) + 6 * std::sin(balance);
        const double v = 23 + 4 * (1 - std::cos(balance));
        trace::ovale(t, X(u), Y(v), 2.2 * g * s, 2.2 * g * s, FOURRURE_SOMBRE);
        poser(t);
    }

    void jambes() {
        Toile t = couche();
        const double hanche = 7 - posture.tasse;
        for (int c : {-1, 1}) {
            // In the air the feet hang together; crouched they splay out.
            const double pied = c * (posture.leve > 1 ? 2.5 : 3.5 + posture.tasse * 0.4);
            trace::trait(t, X(c * 3.5), Y(hanche), X(pied), Y(2.2), 2.1 * s, PATTE);
            trace::ovale(t, X(pied + c * 0.6), Y(1.4), 2.6 * s, 1.4 * s, PATTE);
        }
        poser(t);
    }

    void corps() {
        Toile t = couche();
        const double c = 13 - posture.tasse * 0.8;
        const double ry = 8 - posture.tasse * 0.3, rx = 7.5 + posture.tasse * 0.3;
        trace::ovale(t, X(0), Y(c), rx * s, ry * s, FOURRURE);
        // A dark chest and belly, a lighter back edge catching the lantern light.
        if (!posture.dos) trace::ovale(t, X(0.5), Y(c - 1.5), 4 * s, 5.5 * s, FOURRURE_SOMBRE);
        trace::teinter(t, X(-5.5), Y(c + 3), 2 * s, 3 * s, FOURRURE_CLAIRE);
        poser(t);
    }

    void bras() {
        const double epaule = 18 - posture.tasse;
        for (int c : {-1, 1}) {
            Toile t = couche();
            const double* m = c < 0 ? posture.mainG : posture.mainD;
            // A hand never sinks below the soles.
            const double ua = c * 5.5, mu = m[0], mv = std::max(2.6, m[1] - posture.tasse);
            trace::trait(t, X(ua), Y(epaule), X(mu), Y(mv), 2.0 * s, PATTE);
            trace::ovale(t, X(mu), Y(mv), 2.3 * s, 2.3 * s, PATTE);
            // A brown sheen along the top of the arm keeps it readable on a dark night.
            trace::trait(t, X(ua) - 0.8 * s, Y(epaule) - 0.5 * s, X(mu) - 0.8 * s, Y(mv) - 0.8 * s,
                         0.6 * s, FOURRURE_SOMBRE);
            poser(t);
        }
    }

    void tete(double ajoutU = 0, double baseV = -1) {
        const Posture& p = posture;
        const double hu = p.teteU + ajoutU;
        const double hv = (baseV < 0 ? 28 - p.tasse : baseV) + p.teteV;
        Toile t = couche();
        // Ears: white rims, dark inside; laid back they sink and spread.
        for (int c : {-1, 1}) {
            const double eu = hu + c * (7 + 1.5 * p.oreilles), ev = hv + 6.5 - 2.5 * p.oreilles;
            trace::ovale(t, X(eu), Y(ev), 3.1 * s, 3.1 * s, IVOIRE);
            trace::ovale(t, X(eu - c * 0.4), Y(ev - 0.6), 1.8 * s, 1.8 * s, PATTE);
        }
        poser(t);

        Toile f = couche();
        trace::ovale(f, X(hu), Y(hv), 9.5 * s, 7.5 * s, FOURRURE);
        trace::teinter(f, X(hu), Y(hv + 3), 6 * s, 3 * s, FOURRURE_CLAIRE);
        if (p.dos) {
            // The back of the head: russet all over, a rim of white cheek at one side.
            trace::teinter(f, X(hu), Y(hv), 9.5 * s, 7.5 * s, FOURRURE);
            trace::ovale(f, X(hu - 8.6), Y(hv - 2.5), 1 * s, 2 * s, IVOIRE);
            trace::teinter(f, X(hu), Y(hv - 5), 7 * s, 2.5 * s, FOURRURE_SOMBRE);
            poser(f);
            return;
        }
        const double g = p.regard, fu = hu + g;
        // The white mask: cheeks, muzzle and the two brow spots.
        for (int c : {-1, 1}) {
            trace::ovale(f, X(hu + c * 6 + g * 0.4), Y(hv - 2), 2.8 * s, 2.8 * s, IVOIRE);
            trace::ovale(f, X(fu + c * 3.6), Y(hv + 3.8), 1.7 * s, 1.1 * s, IVOIRE);
        }
        trace::ovale(f, X(fu), Y(hv - 3.6), 4.6 * s, 3.1 * s, IVOIRE);
        // The dark tear marks running from the eyes down the cheeks.
        for (int c : {-1, 1})
            // On the small figure they start below the eye, so the eye stays apart.
            trace::trait(f, X(fu + c * 3.8), Y(s > 1.5 ? hv : hv - 1.6), X(fu + c * 5.2),
                         Y(hv - 3.8), 0.6 * s, FOURRURE_SOMBRE);
        if (p.joues)
            for (int c : {-1, 1})
                trace::ovale(f, X(hu + c * 6.3 + g * 0.4), Y(hv - 2.2), 1.3 * s, 0.9 * s, JOUE);
        for (int c : {-1, 1})
            oeil(f, X(fu + c * 3.6), Y(hv + 0.8), c);
        // Nose and mouth.
        trace::ovale(f, X(fu), Y(hv - 2.1), 1.3 * s, 0.8 * s, PATTE);
        bouche(f, X(fu), Y(hv - 4.2));
        poser(f);
    }

    // One eye centred on (x, y); its shape tells the mood.
    void oeil(Toile& t, double x, double y, int c) {
        const int e = s > 1.5 ? 2 : 1;
        const int px = int(std::floor(x)) - (e == 2 ? 1 : 0), py = int(std::floor(y));
        switch (posture.yeux) {
        case Yeux::ouverts:
            t.rect(px, py - e, e, 2 * e, CONTOUR);
            if (e == 2) t.point(px + 1, py - 2, BLANC);
            break;
        case Yeux::grands:
            t.rect(px - 1, py - e, e + 2, 2 * e + (e == 2 ? 1 : 0), BLANC);
            t.rect(px, py - e + 1, e, e + (e == 2 ? 1 : 0), CONTOUR);
            break;
        case Yeux::miClos:
            t.rect(px - (e - 1), py, e + 1, e, CONTOUR);
            break;
        case Yeux::fermes:
            t.rect(px - 1, py, e + 2, 1, CONTOUR);
            if (e == 2) t.rect(px - 1, py + 1, e + 2, 1, CONTOUR);
            break;
        case Yeux::heureux: // ^ ^
            t.point(px - 1, py, CONTOUR);
            t.rect(px, py - 1, e, 1, CONTOUR);
            t.point(px + e, py, CONTOUR);
            if (e == 2) {
                t.point(px - 2, py + 1, CONTOUR);
                t.point(px + 3, py + 1, CONTOUR);
            }
            break;
        case Yeux::tristes: // drooping outer corners
            t.rect(px - 1, py, e + 2, 1, CONTOUR);
            t.point(c < 0 ? px - 1 : px + e, py + 1, CONTOUR);
            if (e == 2) t.point(c < 0 ? px - 2 : px + 3, py + 2, CONTOUR);
            break;
        case Yeux::decides: // a firm brow over an open eye
            t.rect(px, py - e + 1, e, 2 * e - 1, CONTOUR);
            t.ligne(px - 1, py - e - (c < 0 ? 1 : 0), px + e, py - e - (c < 0 ? 0 : 1), CONTOUR);
            break;
        }
    }

    void bouche(Toile& t, double x, double y) {
        const int e = s > 1.5 ? 2 : 1;
        const int px = int(std::floor(x)), py = int(std::floor(y));
        switch (posture.bouche) {
        case Bouche::rien:
            t.point(px, py, FOURRURE_SOMBRE);
            break;
        case Bouche::sourire:
            t.point(px - e, py - 1, CONTOUR);
            t.rect(px - e + 1, py, 2 * e - 1, 1, CONTOUR);
            t.point(px + e, py - 1, CONTOUR);
            break;
        case Bouche::ouverte:
            t.rect(px - e, py - 1, 2 * e + 1, 1 + e, CONTOUR);
            t.rect(px - e + 1, py + e - 1, 2 * e - 1, 1, ROSE);
            break;
        case Bouche::rond:
            t.rect(px - (e - 1), py - 1, 2 * e - 1, e + 1, CONTOUR);
            break;
        case Bouche::moue:
            t.point(px - e, py + 1, CONTOUR);
            t.rect(px - e + 1, py, 2 * e - 1, 1, CONTOUR);
            t.point(px + e, py + 1, CONTOUR);
            break;
        }
    }
};

double onde(int i, int n, double tours = 1) {
    return std::sin(2 * PI * tours * i / n);
}

// Eases 0 to 1 over frames a..b.
double rampe(int i, int a, int b) {
    if (i <= a) return 0;
    if (i >= b) return 1;
    const double t = double(i - a) / (b - a);
    return t * t * (3 - 2 * t);
}

// Both hands at once: far side (u, v), then near side.
void mains(Posture& p, double gu, double gv, double du, double dv) {
    p.mainG[0] = gu;
    p.mainG[1] = gv;
    p.mainD[0] = du;
    p.mainD[1] = dv;
}

Posture poser(const QString& pose, int i, int n) {
    Posture p;
    const double t = n > 1 ? double(i) / (n - 1) : 0;
    if (pose == "attente") {
        p.tasse = 0.5 - 0.5 * std::cos(2 * PI * i / n);
        p.queue = 0.35 * onde(i, n);
        p.mainG[1] = p.mainD[1] = 10 + p.tasse * 0.5;
        if (i >= n - 5 && i <= n - 3) p.yeux = i == n - 4 ? Yeux::fermes : Yeux::miClos;
    } else if (pose == "clin") {
        const Yeux suite[] = {Yeux::ouverts, Yeux::miClos, Yeux::fermes,
                              Yeux::fermes,  Yeux::miClos, Yeux::ouverts};
        p.yeux = suite[std::min(i, 5)];
        p.bouche = i >= 2 && i <= 3 ? Bouche::sourire : Bouche::rien;
    } else if (pose == "regard") {
        p.regard =
            -2 * (rampe(i, 1, 4) - rampe(i, 7, 10)) + 2 * (rampe(i, 8, 11) - rampe(i, 14, 17));
        p.teteU = p.regard * 0.5;
        p.queue = p.regard * 0.15;
    } else if (pose == "observe") {
        // Turns three-quarters back to study the stack, looks it over, and
        // turns round again pleased with what it found.
        const double tourne = rampe(i, 0, 5) - rampe(i, 33, 38);
        p.regard = 3.5 * tourne;
        p.teteU = 1.2 * tourne;
        p.dos = i >= 6 && i <= 31;
        if (p.dos) {
            p.teteU = 1.2 + 0.8 * std::sin(2 * PI * (i - 6) / 26.0);
            p.teteV = -0.5 - 0.5 * std::sin(PI * (i - 6) / 26.0);
            p.mainD[0] = 7;
            p.mainD[1] = 12;
        }
        if (i >= 34 && i < 39) {
            p.yeux = Yeux::grands;
            p.bouche = Bouche::sourire;
        }
        p.queue = 0.3 * onde(i, n, 2) * tourne;
    } else if (pose == "joie") {
        const double saut = i >= 2 && i <= 15 ? std::sin(PI * (i - 2) / 13.0) : 0;
        p.leve = 7 * saut;
        p.tasse = i < 2 || i > 15 ? 1.5 : 0;
        mains(p, -9 - 2 * saut, 15 + 12 * saut, 9 + 2 * saut, 15 + 12 * saut);
        p.yeux = Yeux::heureux;
        p.bouche = Bouche::ouverte;
        p.joues = true;
        p.queue = 0.6 * saut;
    } else if (pose == "combo") {
        const double c = onde(i, n);
        p.dx = 1.5 * c;
        p.leve = 2 * std::fabs(onde(i, n, 2));
        mains(p, -9, 16 + 10 * std::max(0.0, c), 9, 16 + 10 * std::max(0.0, -c));
        p.teteU = 0.8 * c;
        p.yeux = Yeux::heureux;
        p.bouche = Bouche::ouverte;
        p.joues = true;
        p.queue = 0.7 * onde(i, n, 2);
    } else if (pose == "peur") {
        p.tasse = 3;
        p.dx = i % 2 ? 0.5 : -0.5;
        mains(p, -4, 24, 4, 24);
        p.yeux = Yeux::grands;
        p.bouche = Bouche::rond;
        p.oreilles = 1;
        p.queueGonflee = 1;
        p.queue = -0.3 + 0.1 * (i % 2);
    } else if (pose == "victoire") {
        const double saut = std::sin(PI * i / n);
        p.leve = 10 * saut;
        p.tasse = saut < 0.25 ? 1.5 : 0;
        mains(p, -10 - saut, 30 + 3 * saut, 10 + saut, 30 + 3 * saut);
        p.yeux = Yeux::heureux;
        p.bouche = Bouche::ouverte;
        p.joues = true;
        p.queue = 0.8 * onde(i, n);
    } else if (pose == "defaite") {
        const double a = rampe(i, 2, 18);
        p.tasse = 4 * a;
        p.teteV = -2.5 * a;
        p.oreilles = a;
        mains(p, -7.5 + a, 9 - 3 * a, 7.5 - a, 9 - 3 * a);
        p.yeux = i < 20 ? Yeux::tristes : Yeux::fermes;
        p.bouche = Bouche::moue;
        p.queue = -0.9 * a;
    } else if (pose == "continue") {
        // Paws clasped under the chin, nodding: please, one more coin.
        const double b = onde(i, n);
        p.tasse = 0.5 + 0.5 * b;
        p.teteU = 0.8 * b;
        mains(p, -1.5, 19, 1.5, 19);
        p.yeux = Yeux::grands;
        p.bouche = Bouche::sourire;
        p.queue = 0.4 * onde(i, n, 2);
    } else if (pose == "saut") {
        if (i < 3) {
            p.tasse = i + 1;
        } else if (i <= 12) {
            const double a = (i - 3) / 9.0;
            p.leve = 14 * 4 * a * (1 - a);
            p.mainG[1] = p.mainD[1] = 24 - 8 * a;
            p.mainG[0] = -9;
            p.mainD[0] = 9;
            p.queue = 0.8 * (1 - a);
        } else {
            p.tasse = 3 - (i - 12);
        }
        p.yeux = i >= 3 && i <= 12 ? Yeux::heureux : Yeux::ouverts;
        p.bouche = i >= 3 && i <= 12 ? Bouche::ouverte : Bouche::sourire;
    } else if (pose == "salut") {
        const double b = onde(i, n);
        // The waving paw is on the side away from the tail, clear against the sky.
        p.mainG[0] = -8.5 - 1.7 * b;
        p.mainG[1] = 27 + 0.5 * std::fabs(b);
        p.teteU = 0.4 * b;
        p.bouche = Bouche::sourire;
        p.queue = 0.3 * onde(i, n);
        if (i == n / 2) p.yeux = Yeux::heureux;
    } else if (pose == "pret") {
        // Ready to play: fists up, knees bouncing, a firm look.
        const double b = 0.5 - 0.5 * std::cos(2 * PI * i / n);
        p.tasse = 1 + b;
        mains(p, -5, 19 - b, 5, 19 - b);
        p.yeux = Yeux::decides;
        p.bouche = Bouche::sourire;
        p.queue = 0.4 * onde(i, n);
    }
    (void)t;
    return p;
}

Posture poserMini(const QString& pose, int i, int n) {
    Posture p;
    if (pose == "attente") {
        p.teteU = 0.6 * onde(i, n);
        if (i >= n - 6 && i <= n - 4) p.yeux = i == n - 5 ? Yeux::fermes : Yeux::miClos;
    } else if (pose == "joie") {
        p.teteV = 1.5 * std::fabs(onde(i, n));
        p.yeux = Yeux::heureux;
        p.bouche = Bouche::ouverte;
        p.joues = true;
    } else if (pose == "peur") {
        p.dx = i % 2 ? 0.4 : -0.4;
        p.teteV = -1;
        p.yeux = Yeux::grands;
        p.bouche = Bouche::rond;
        p.oreilles = 0.3;
    }
    return p;
}

} // namespace

bool dessinerPanda(const QString& nom, const Gabarit& g, Bande& b) {
    const bool grand = nom.startsWith("ecrans_panda2_");
    const bool mini = nom.startsWith("panda_mini_");
    if (!grand && !nom.startsWith("panda_")) return false;
    const QString pose = nom.mid(grand ? 14 : mini ? 11 : 6);
    // The tail goes to whichever side of the anchor has more room.
    const int cote = g.l - g.ax > g.ax ? 1 : -1;
    for (int i = 0; i < b.nombre(); ++i) {
        if (mini) {
            Figure f(b.image(i), g.ax, g.ay, 0.75, 1);
            f.buste(poserMini(pose, i, b.nombre()));
        } else {
            Figure f(b.image(i), g.ax + 0.5, g.ay, grand ? 1.95 : 1.0, cote);
            f.dessiner(poser(pose, i, b.nombre()));
        }
    }
    return true;
}

bool estDecor(const QString& nom) {
    return nom.startsWith("panda_") || nom.startsWith("ecrans_") || nom.startsWith("fonds_") ||
           nom.startsWith("fond_");
}
