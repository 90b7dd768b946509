#include "moteur/qml/partie_glissante_qml.h"

#include "ecran/etals.h"
#include "ecran/qml/remplacer.h"
#include "moteur/qml/partie_qml.h"

#include <cmath>

namespace {

PartieGlissanteQml::Etat etatDe(const std::optional<glissant::Partie>& p) {
    if (!p) return PartieGlissanteQml::Aucune;
    switch (p->etat) {
    case glissant::Etat::Jeu:
        return PartieGlissanteQml::Jeu;
    case glissant::Etat::Gagne:
        return PartieGlissanteQml::Gagne;
    case glissant::Etat::Temps:
        return PartieGlissanteQml::Temps;
    }
    return PartieGlissanteQml::Aucune;
}

PriseGlissante::Type typeDe(glissant::TypePrise t) {
    switch (t) {
    case glissant::TypePrise::Fini:
        return PriseGlissante::Fini;
    case glissant::TypePrise::Vide:
        return PriseGlissante::Vide;
    case glissant::TypePrise::Prise:
        return PriseGlissante::Prise;
    case glissant::TypePrise::Lachee:
        return PriseGlissante::Lachee;
    case glissant::TypePrise::Refus:
        return PriseGlissante::Refus;
    case glissant::TypePrise::PaireFaite:
        return PriseGlissante::Paire;
    }
    return PriseGlissante::Fini;
}

QVariantList paire(const glissant::Paire& p) {
    return {p[0], p[1]};
}

int entierDe(const QVariant& v, int defaut) {
    bool ok = false;
    const double n = v.toDouble(&ok);
    return ok && std::isfinite(n) && std::abs(n) < 1e6 ? static_cast<int>(n) : defaut;
}

} // namespace

PartieGlissanteQml::PartieGlissanteQml(QObject* parent) : QObject(parent) {}

void PartieGlissanteQml::nouvelle(std::optional<glissant::Partie> p) {
    p_ = std::move(p);
    paires_ = p_ ? p_->restantes / 2 : 0;
    ++donnes_;
    emit donneChanged();
    publier();
}

bool PartieGlissanteQml::creer(const QVariantMap& options) {
    glissant::Options o;
    o.largeur = entierDe(options.value(QStringLiteral("largeur")), o.largeur);
    o.hauteur = entierDe(options.value(QStringLiteral("hauteur")), o.hauteur);
    o.paires = entierDe(options.value(QStringLiteral("paires")), o.paires);
    o.graine = graineDe(options.value(QStringLiteral("graine"), 1));
    const double t = options.value(QStringLiteral("tempsMs")).toDouble();
    if (std::isfinite(t) && t > 0 && t < 1e12) o.tempsMs = static_cast<std::int64_t>(t);
    nouvelle(glissant::creerPartie(o));
    return p_.has_value();
}

bool PartieGlissanteQml::creerNiveau(int niveau, const QVariant& graine, double reste) {
    const std::int64_t r =
        std::isfinite(reste) && reste >= 0 ? static_cast<std::int64_t>(std::min(reste, 1e12)) : -1;
    nouvelle(glissant::creerNiveau(niveau, graineDe(graine), r));
    return p_.has_value();
}

void PartieGlissanteQml::vider() {
    nouvelle(std::nullopt);
}

bool PartieGlissanteQml::valide(int i) const {
    return p_ && i >= 0 && i < static_cast<int>(p_->gr.cases.size());
}

int PartieGlissanteQml::motif(int i) const {
    return valide(i) ? p_->gr.cases[i] : -1;
}

bool PartieGlissanteQml::vide(int i) const {
    return !valide(i) || p_->gr.cases[i] < 0;
}

bool PartieGlissanteQml::relies(int a, int b) const {
    return p_ && glissant::relies(p_->gr, a, b);
}

QVariantList PartieGlissanteQml::paires() const {
    QVariantList l;
    if (p_)
        for (const glissant::Paire& pr : glissant::paires(p_->gr))
            l.append(QVariant(paire(pr)));
    return l;
}

int PartieGlissanteQml::premiere() const {
    return p_ ? glissant::premiere(p_->gr) : -1;
}

int PartieGlissanteQml::voisine(int i, int dx, int dy) const {
    return p_ ? glissant::voisine(p_->gr, i, dx, dy) : -1;
}

int PartieGlissanteQml::comboCourant() const {
    return p_ ? glissant::comboCourant(*p_) : 1;
}

double PartieGlissanteQml::graineSuivante(int niveau) const {
    return p_ ? glissant::graineSuivante(*p_, niveau).nombre() : 0;
}

QPoint PartieGlissanteQml::origine() const {
    const plateau::Point o = etals::origine(largeur(), hauteur());
    return p_ ? QPoint(o.x, o.y) : QPoint();
}

int PartieGlissanteQml::pasX() const {
    return etals::PAS_X;
}
int PartieGlissanteQml::pasY() const {
    return etals::PAS_Y;
}

QPoint PartieGlissanteQml::pos(int i) const {
    if (!valide(i)) return origine();
    const plateau::Point c = etals::coin(p_->gr.l, p_->gr.h, i);
    return {c.x, c.y};
}

int PartieGlissanteQml::caseSous(double x, double y) const {
    return p_ ? etals::caseSous(p_->gr.l, p_->gr.h, x, y) : -1;
}

int PartieGlissanteQml::pasGlisse(double dx) const {
    return etals::pasGlisse(dx);
}

PriseGlissante PartieGlissanteQml::prendre(int i) {
    PriseGlissante r;
    if (!p_) return r;
    const glissant::Prise p = glissant::prendre(*p_, i);
    r.type = typeDe(p.type);
    r.i = p.i;
    r.ancienne = p.ancienne;
    r.a = p.a;
    r.b = p.b;
    r.points = p.points;
    r.combo = p.combo;
    publier();
    return r;
}

bool PartieGlissanteQml::glisserRang(int r, int sens) {
    if (!p_ || !glissant::glisserRang(*p_, r, sens)) return false;
    publier();
    return true;
}

bool PartieGlissanteQml::melanger() {
    if (!p_ || !glissant::melanger(*p_)) return false;
    ++donnes_;
    publier();
    return true;
}

bool PartieGlissanteQml::avancer(double dt) {
    if (!p_ || !std::isfinite(dt) || dt < 0) return false;
    const bool fin = glissant::avancer(*p_, static_cast<std::int64_t>(std::min(dt, 1e9)));
    if (fin)
        publier();
    else
        publierTemps();
    return fin;
}

bool PartieGlissanteQml::reprendre() {
    if (!p_ || !glissant::reprendre(*p_)) return false;
    publier();
    return true;
}

void PartieGlissanteQml::publierTemps() {
    const bool horloge = remplacer(vu_.horloge, p_ ? p_->horloge : 0);
    const bool temps = remplacer(vu_.tempsMs, p_ ? p_->tempsMs : 0);
    if (horloge) emit horlogeChanged();
    if (temps) emit tempsMsChanged();
}

void PartieGlissanteQml::publier() {
    // Every value is stored before the first signal, so that whoever listens
    // to one of them reads the others as they now are.
    const glissant::Partie* p = donnees();
    const bool etat = remplacer(vu_.etat, etatDe(p_));
    const bool score = remplacer(vu_.score, p ? p->score : 0);
    const bool combo = remplacer(vu_.combo, p ? p->combo : 1);
    const bool restantes = remplacer(vu_.restantes, p ? p->restantes : 0);
    const bool selection = remplacer(vu_.selection, p ? p->selection : -1);
    const bool tempsMax = remplacer(vu_.tempsMax, p ? p->tempsMax : 0);
    const bool glisses = remplacer(vu_.glisses, p ? p->glisses : 0);
    const bool horloge = remplacer(vu_.horloge, p ? p->horloge : 0);
    const bool temps = remplacer(vu_.tempsMs, p ? p->tempsMs : 0);
    const bool temoin = remplacer(vu_.temoin, p && p->temoin ? donnes_ : -1);
    // Compared in place: the grid is copied only when it changed.
    static const std::vector<int> aucune;
    const std::vector<int>& grille = p ? p->gr.cases : aucune;
    const bool cases = vu_.cases != grille;
    if (cases) vu_.cases = grille;
    if (etat) emit etatChanged();
    if (score) emit scoreChanged();
    if (combo) emit comboChanged();
    if (restantes) emit restantesChanged();
    if (selection) emit selectionChanged();
    if (tempsMax) emit tempsMaxChanged();
    if (glisses) emit glissesChanged();
    if (horloge) emit horlogeChanged();
    if (temps) emit tempsMsChanged();
    if (cases) emit casesChanged();
    if (temoin) emit temoinChanged();
}

QVariantList PartieGlissanteQml::cases() const {
    QVariantList l;
    l.reserve(static_cast<int>(vu_.cases.size()));
    for (int m : vu_.cases)
        l.append(m);
    return l;
}

QVariantList PartieGlissanteQml::temoin() const {
    QVariantList l;
    if (!p_ || !p_->temoin) return l;
    for (const glissant::Coup& c : *p_->temoin) {
        CoupGlissant v;
        v.type =
            c.type == glissant::Coup::Type::Glisse ? CoupGlissant::Glisse : CoupGlissant::Paire;
        v.a = c.a;
        v.b = c.b;
        v.rang = c.rang;
        v.sens = c.sens;
        l.append(QVariant::fromValue(v));
    }
    return l;
}
