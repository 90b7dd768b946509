#include "moteur/qml/ia_qml.h"

#include "moteur/qml/partie_qml.h"

#include <cmath>

IaQml::IaQml(QObject* parent) : QObject(parent) {}

void IaQml::creer(int niveau, const QVariant& graine) {
    ia_ = ia::creer(niveau, graineDe(graine));
    emit etatChanged();
}

void IaQml::vider() {
    ia_.reset();
    emit etatChanged();
}

QString IaQml::nomNiveau() const {
    return ia_ ? QString::fromLatin1(ia::NIVEAUX[static_cast<std::size_t>(ia_->niveau)].nom)
               : QString();
}

QVariantList IaQml::pas(PartieQml* partie, double dt) {
    QVariantList l;
    partie::Partie* p = partie ? partie->donnees() : nullptr;
    if (!ia_ || !p || !std::isfinite(dt) || dt < 0) return l;
    for (const ia::Action& a : ia::pas(*ia_, *p, static_cast<std::int64_t>(dt))) {
        ActionIa v;
        v.mix = a.mix;
        v.prise = a.prise;
        if (a.mix)
            v.melange = PartieQml::enregistrement(a.melange);
        else
            v.resultat = PartieQml::enregistrement(a.resultat);
        l.append(QVariant::fromValue(v));
    }
    if (!l.isEmpty()) {
        partie->publier();
        emit etatChanged();
    }
    return l;
}
