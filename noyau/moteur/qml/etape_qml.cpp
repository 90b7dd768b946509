#include "moteur/qml/etape_qml.h"

#include "moteur/qml/partie_qml.h"

#include <cmath>

namespace {

std::string texte(const QString& s) {
    return s.toStdString();
}

} // namespace

QVariantMap EtapeQml::bilan(PartieQml* partie) const {
    const partie::Partie* p = partie ? partie->donnees() : nullptr;
    const etape::Bilan b = p ? etape::bilan(*p) : etape::Bilan{};
    return {{QStringLiteral("temps"), static_cast<double>(b.temps)},
            {QStringLiteral("aides"), static_cast<double>(b.aides)},
            {QStringLiteral("parfait"), static_cast<double>(b.parfait)},
            {QStringLiteral("restant"), static_cast<double>(b.restant)},
            {QStringLiteral("compte"), 0}};
}

double EtapeQml::pasCompte(double restant) const {
    const double r = std::isfinite(restant) ? std::min(std::max(restant, -1e15), 1e15) : 0;
    return static_cast<double>(etape::pasCompte(static_cast<std::int64_t>(std::ceil(r))));
}

QString EtapeQml::logoFin(bool parfait, int numero, const QString& mode) const {
    return QString::fromLatin1(etape::logoFin(parfait, numero, texte(mode)));
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
