#include "commun/ecran/tube.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tube {

bool Uniformes::operator==(const Uniformes& o) const {
    return pente == o.pente && decale == o.decale && decaleDoux[0] == o.decaleDoux[0] &&
           decaleDoux[1] == o.decaleDoux[1] && decaleDoux[2] == o.decaleDoux[2] &&
           inverseNatif == o.inverseNatif && inverseMarge == o.inverseMarge && courbe == o.courbe &&
           versNatifG == o.versNatifG && versNatifC == o.versNatifC && forceLueur == o.forceLueur &&
           balayage == o.balayage && masque == o.masque && vignette == o.vignette &&
           fenetre == o.fenetre && tailleMarge == o.tailleMarge && natif == o.natif &&
           eclatMarge == o.eclatMarge && miroirMarge == o.miroirMarge && lueur == o.lueur &&
           douxUnique == o.douxUnique;
}

Echelles echelles(const Entrees& e) {
    const Vec2 echelle{e.echelle.x > 0 ? e.echelle.x : 1, e.echelle.y > 0 ? e.echelle.y : 1};
    const Vec2 fenetre{std::max(1.0, e.fenetre.x), std::max(1.0, e.fenetre.y)};
    Echelles s;
    s.pente = {std::max(1.0, echelle.x), std::max(1.0, echelle.y)};
    s.decale = {0.5 - 0.5 * s.pente.x, 0.5 - 0.5 * s.pente.y};
    s.inverseNatif = {1 / std::max(1.0, e.natif.x), 1 / std::max(1.0, e.natif.y)};
    s.inverseMarge = {1 / std::max(1.0, e.tailleMarge.x), 1 / std::max(1.0, e.tailleMarge.y)};
    s.versNatifA = {fenetre.x / 2 / echelle.x, fenetre.y / 2 / echelle.y};
    s.versNatifB = {(fenetre.x / 2 - e.origine.x) / echelle.x,
                    (fenetre.y / 2 - e.origine.y) / echelle.y};
    return s;
}

Uniformes uniformes(const Entrees& e) {
    const crt::Effectifs& f = e.effet;
    const Echelles s = echelles(e);
    Uniformes u;
    u.pente = s.pente;
    u.decale = s.decale;
    u.decaleDoux[0] = u.decale.x - 0.25 * u.pente.x;
    u.decaleDoux[1] = u.decale.x;
    u.decaleDoux[2] = u.decale.x + 0.25 * u.pente.x;
    u.natif = {std::max(1.0, e.natif.x), std::max(1.0, e.natif.y)};
    u.tailleMarge = {std::max(1.0, e.tailleMarge.x), std::max(1.0, e.tailleMarge.y)};
    u.inverseNatif = s.inverseNatif;
    u.inverseMarge = s.inverseMarge;
    u.courbe = {0.07 * f.courbure, 0.11 * f.courbure};
    // The curvature's make-up widens A a little so that the curved picture
    // keeps its size; C takes the half pixel of c = p - 0.5.
    const double g = 1 + 0.024 * f.courbure;
    u.versNatifG = {s.versNatifA.x * g, s.versNatifA.y * g};
    u.versNatifC = {s.versNatifB.x - 0.5, s.versNatifB.y - 0.5};
    u.forceLueur = 0.95 * f.lueur;
    u.balayage = 2.8 * f.balayage;
    const double rattrapage = 1 + 0.3 * std::max(f.balayage, f.masque);
    u.masque = {rattrapage, rattrapage * (1 - 0.4 * f.masque)};
    u.vignette = 0.44 * f.vignette;
    u.fenetre = {std::max(1.0, e.fenetre.x), std::max(1.0, e.fenetre.y)};
    u.eclatMarge = e.eclatMarge;
    u.miroirMarge = e.miroirMarge;
    u.lueur = f.lueur > 0;
    u.douxUnique = u.pente.x >= 2;
    return u;
}

Vec2 pointNatif(const Uniformes& u, double px, double py, double l, double h) {
    const double nx = (px + 0.5) / l * 2 - 1;
    const double ny = (py + 0.5) / h * 2 - 1;
    return {nx * (1 + u.courbe.x * ny * ny) * u.versNatifG.x + u.versNatifC.x,
            ny * (1 + u.courbe.y * nx * nx) * u.versNatifG.y + u.versNatifC.y};
}

bool comparer(const std::uint32_t* avant, const std::uint32_t* apres, int l, int h,
              std::vector<std::uint8_t>& blocs) {
    const int lb = (l + BLOC - 1) / BLOC;
    bool change = false;
    for (int y = 0; y < h; ++y) {
        std::uint8_t* ligne = blocs.data() + (y / BLOC) * lb;
        const std::uint32_t* a = avant + static_cast<std::size_t>(y) * l;
        const std::uint32_t* b = apres + static_cast<std::size_t>(y) * l;
        // Most rows are the same as before: one comparison settles them.
        if (std::memcmp(a, b, sizeof(std::uint32_t) * l) == 0) continue;
        for (int bx = 0; bx < lb; ++bx) {
            const int x = bx * BLOC;
            const int n = std::min(BLOC, l - x);
            if (!ligne[bx] && std::memcmp(a + x, b + x, sizeof(std::uint32_t) * n) != 0) {
                ligne[bx] = 1;
                change = true;
            }
        }
    }
    return change;
}

void etendre(const std::vector<std::uint8_t>& blocs, int largeur, int hauteur, int rayon,
             std::vector<std::uint8_t>& entre, std::vector<std::uint8_t>& sortie) {
    // A square spread is a spread along the rows, then along the columns.
    auto etaler = [rayon](const std::uint8_t* de, std::uint8_t* vers, int n, int pas) {
        int dernier = -1 - rayon; // the last marked cell seen
        for (int k = 0; k < n + rayon; ++k) {
            if (k < n && de[k * pas]) dernier = k;
            const int cible = k - rayon;
            if (cible < 0) continue;
            // Marked when one lies within `rayon` on either side: the last one
            // seen up to cible + rayon is at most that far on one side or the other.
            vers[cible * pas] = dernier >= cible - rayon ? 1 : 0;
        }
    };
    for (int y = 0; y < hauteur; ++y)
        etaler(blocs.data() + y * largeur, entre.data() + y * largeur, largeur, 1);
    for (int x = 0; x < largeur; ++x)
        etaler(entre.data() + x, sortie.data() + x, hauteur, largeur);
}

void zonesDesBlocs(const std::vector<std::uint8_t>& blocs, int l, int h,
                   std::vector<Zone>& sortie) {
    sortie.clear();
    const int lb = (l + BLOC - 1) / BLOC, hb = (h + BLOC - 1) / BLOC;
    for (int y = 0; y < hb; ++y) {
        for (int x = 0; x < lb;) {
            if (!blocs[y * lb + x]) {
                ++x;
                continue;
            }
            int fin = x + 1;
            while (fin < lb && blocs[y * lb + fin])
                ++fin;
            const int y0 = y * BLOC, x0 = x * BLOC;
            sortie.push_back({x0, y0, std::min(l, fin * BLOC) - x0, std::min(h, y0 + BLOC) - y0});
            x = fin;
        }
    }
}

namespace {

// The smallest and largest of a x f for f in [f0, f1].
std::pair<double, double> produits(double a, double f0, double f1) {
    return {std::min(a * f0, a * f1), std::max(a * f0, a * f1)};
}

// Smallest and largest square of a value in [a, b].
std::pair<double, double> carres(double a, double b) {
    const double bas = (a <= 0 && b >= 0) ? 0 : std::min(a * a, b * b);
    return {bas, std::max(a * a, b * b)};
}

} // namespace

Retouches::Retouches(const Uniformes& u, int l, int h, const crt::Rectangle& milieu, int cote)
    : l_(std::max(1, l)), h_(std::max(1, h)), cote_(std::max(1, cote)) {
    colonnes_ = (l_ + cote_ - 1) / cote_;
    lignes_ = (h_ + cote_ - 1) / cote_;
    const int nl = static_cast<int>(u.natif.x);
    const int nh = static_cast<int>(u.natif.y);
    largeurBlocs_ = (nl + BLOC - 1) / BLOC;
    hauteurBlocs_ = (nh + BLOC - 1) / BLOC;
    lus_.resize(static_cast<std::size_t>(colonnes_) * lignes_);
    milieu_.resize(lus_.size());
    somme_.resize(static_cast<std::size_t>(largeurBlocs_ + 1) * (hauteurBlocs_ + 1));
    zones_.reserve(lus_.size());

    // A read at c takes the texels around it: the sharp read and the glow
    // the two around c, the softening a quarter pixel further on each side.
    // One more texel each way is kept for the pass's single precision.
    auto lus = [](double bas, double haut, int n) {
        const int a = static_cast<int>(std::floor(bas - 0.25)) - 1;
        const int b = static_cast<int>(std::floor(haut + 0.25)) + 2;
        return std::pair<int, int>{std::clamp(a, 0, n - 1) / BLOC, std::clamp(b, 0, n - 1) / BLOC};
    };
    for (int j = 0; j < lignes_; ++j) {
        for (int i = 0; i < colonnes_; ++i) {
            const int x0 = i * cote_, x1 = std::min(l_, x0 + cote_);
            const int y0 = j * cote_, y1 = std::min(h_, y0 + cote_);
            // Window points of the first and last pixel centres.
            const double ax = (x0 + 0.5) / l_ * 2 - 1, bx = (x1 - 0.5) / l_ * 2 - 1;
            const double ay = (y0 + 0.5) / h_ * 2 - 1, by = (y1 - 0.5) / h_ * 2 - 1;
            // c.x grows with the window's x for any y; its factor 1 + k y^2
            // is extremal at the tile's top or bottom, or where it crosses
            // the middle. Likewise for c.y.
            const auto [ny2a, ny2b] = carres(ay, by);
            const auto [nx2a, nx2b] = carres(ax, bx);
            const double fx0 = 1 + u.courbe.x * ny2a, fx1 = 1 + u.courbe.x * ny2b;
            const double fy0 = 1 + u.courbe.y * nx2a, fy1 = 1 + u.courbe.y * nx2b;
            const double cx0 = produits(ax, fx0, fx1).first * u.versNatifG.x + u.versNatifC.x;
            const double cx1 = produits(bx, fx0, fx1).second * u.versNatifG.x + u.versNatifC.x;
            const double cy0 = produits(ay, fy0, fy1).first * u.versNatifG.y + u.versNatifC.y;
            const double cy1 = produits(by, fy0, fy1).second * u.versNatifG.y + u.versNatifC.y;
            const auto [bx0, bx1] = lus(cx0, cx1, nl);
            const auto [by0, by1] = lus(cy0, cy1, nh);
            const std::size_t k = static_cast<std::size_t>(j) * colonnes_ + i;
            lus_[k] = {bx0, by0, bx1, by1};
            milieu_[k] = x0 >= milieu.x && y0 >= milieu.y && x1 <= milieu.x + milieu.largeur &&
                         y1 <= milieu.y + milieu.hauteur;
        }
    }
}

const std::vector<Zone>& Retouches::zones(const std::vector<std::uint8_t>& blocs, bool tout) {
    zones_.clear();
    const int pas = largeurBlocs_ + 1;
    if (!tout) {
        for (int y = 0; y < hauteurBlocs_; ++y)
            for (int x = 0; x < largeurBlocs_; ++x)
                somme_[(y + 1) * pas + x + 1] = blocs[y * largeurBlocs_ + x] +
                                                somme_[y * pas + x + 1] +
                                                somme_[(y + 1) * pas + x] - somme_[y * pas + x];
    }
    auto touchee = [&](const Blocs& b) {
        return somme_[(b.y1 + 1) * pas + b.x1 + 1] - somme_[b.y0 * pas + b.x1 + 1] -
                   somme_[(b.y1 + 1) * pas + b.x0] + somme_[b.y0 * pas + b.x0] >
               0;
    };
    for (int j = 0; j < lignes_; ++j) {
        const int y0 = j * cote_, y1 = std::min(h_, y0 + cote_);
        for (int i = 0; i < colonnes_;) {
            const std::size_t k = static_cast<std::size_t>(j) * colonnes_ + i;
            if (!tout && !touchee(lus_[k])) {
                ++i;
                continue;
            }
            // A run of tiles to draw again with the same variant of the pass.
            const bool milieu = milieu_[k];
            int fin = i + 1;
            while (fin < colonnes_) {
                const std::size_t m = static_cast<std::size_t>(j) * colonnes_ + fin;
                if (milieu_[m] != milieu || (!tout && !touchee(lus_[m]))) break;
                ++fin;
            }
            const int x0 = i * cote_, x1 = std::min(l_, fin * cote_);
            zones_.push_back({x0, y0, x1 - x0, y1 - y0, milieu});
            i = fin;
        }
    }
    return zones_;
}

} // namespace tube
