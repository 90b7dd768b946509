#include "moteur/qml/etape_qml.h"

#include "moteur/qml/partie_qml.h"

#include <cmath>

BilanPile EtapeQml::bilan(PartieQml* partie) const {
    const partie::Partie* p = partie ? partie->donnees() : nullptr;
    const etape::Bilan b = p ? etape::bilan(*p) : etape::Bilan{};
    BilanPile r;
    r.temps = static_cast<double>(b.temps);
    r.parSeconde = static_cast<double>(b.parSeconde);
    r.pointsTemps = static_cast<double>(b.pointsTemps);
    r.aides = static_cast<double>(b.aides);
    r.parfait = static_cast<double>(b.parfait);
    r.restant = static_cast<double>(b.restant);
    return r;
}

double EtapeQml::pasCompte(double restant) const {
    const double r = std::isfinite(restant) ? std::min(std::max(restant, -1e15), 1e15) : 0;
    return static_cast<double>(etape::pasCompte(static_cast<std::int64_t>(std::ceil(r))));
}

QString EtapeQml::decor(int numero) const {
    return QString::fromLatin1(etape::decor(numero));
}

RetourPaire EtapeQml::retourPaire(int comboAffiche, int combo, bool fever) const {
    const etape::RetourPaire r = etape::retourPaire(comboAffiche, combo, fever);
    RetourPaire v;
    v.couleur = QString::fromLatin1(r.couleur);
    v.style = QString::fromLatin1(r.style);
    v.pose = QString::fromLatin1(r.pose);
    v.nouveau = r.nouveau;
    v.entreeFever = r.entreeFever;
    v.palier = r.palier;
    v.voix = r.voix;
    v.secousse = r.secousse;
    return v;
}

RetourGlissant EtapeQml::retourGlissant(int combo) const {
    const etape::RetourGlissant r = etape::retourGlissant(combo);
    RetourGlissant v;
    v.couleur = QString::fromLatin1(r.couleur);
    v.voix = r.voix;
    v.secousse = r.secousse;
    return v;
}

QString EtapeQml::poseRepos(bool urgence, int comboAffiche, int comboCourant) const {
    return QString::fromLatin1(etape::poseRepos(urgence, comboAffiche, comboCourant));
}
