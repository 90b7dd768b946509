#include "ecran/qml/defilement_qml.h"

#include "ecran/qml/remplacer.h"

#include <algorithm>
#include <cmath>

DefilementQml::DefilementQml(QObject* parent) : QObject(parent) {}

DefilementQml::~DefilementQml() {
    if (abonne_) Horloge::instance().retirer(this);
}

void DefilementQml::setEnMarche(bool v) {
    if (!remplacer(enMarche_, v)) return;
    // Goes on from where it stood.
    if (v) depart_ = rythme::departDefilement(Horloge::instance().maintenant(), ecoule_);
    suivreHorloge();
    emit enMarcheChanged();
}

QVariantList DefilementQml::vitesses() const {
    QVariantList l;
    for (const double v : vitesses_)
        l.append(v);
    return l;
}

void DefilementQml::setVitesses(const QVariantList& v) {
    std::vector<double> neuves;
    for (const QVariant& x : v) {
        bool ok = false;
        const double d = x.toDouble(&ok);
        if (ok && std::isfinite(d)) neuves.push_back(std::abs(d));
    }
    if (!remplacer(vitesses_, std::move(neuves))) return;
    suivreHorloge();
    emit vitessesChanged();
}

void DefilementQml::setBoucle(int v) {
    if (!remplacer(boucle_, std::max(1, v))) return;
    fixerEcoule(ecoule_);
    emit boucleChanged();
}

void DefilementQml::setTemps(qreal secondes) {
    const qreal ms = std::isfinite(secondes) ? secondes * 1000 : 0;
    fixerEcoule(static_cast<rythme::Ms>(std::llround(std::clamp<qreal>(ms, 0, 1e15))));
    if (enMarche_) depart_ = Horloge::instance().maintenant() - ecoule_;
}

void DefilementQml::fixerEcoule(rythme::Ms ms) {
    if (remplacer(ecoule_, ms % boucleMs())) emit tempsChanged();
}

int DefilementQml::decalage(qreal vitesse, int largeur) const {
    const std::int64_t p = rythme::pixels(ecoule_, std::abs(vitesse));
    return static_cast<int>(largeur > 0 ? p % largeur : p);
}

void DefilementQml::suivreHorloge() {
    const bool voulu = enMarche_ && std::any_of(vitesses_.begin(), vitesses_.end(),
                                                [](double v) { return v > 0; });
    if (voulu == abonne_) return;
    abonne_ = voulu;
    if (voulu)
        Horloge::instance().inscrire(this);
    else
        Horloge::instance().retirer(this);
}

rythme::Ms DefilementQml::avancer(qint64 maintenant) {
    const rythme::Ms ecoule = std::max<rythme::Ms>(0, maintenant - depart_);
    if (ecoule >= boucleMs()) depart_ += ecoule - ecoule % boucleMs();
    fixerEcoule(ecoule);
    // The loop holds whole periods of every layer: its end is a step too.
    rythme::Ms suivant = boucleMs();
    for (const double v : vitesses_)
        suivant = std::min(suivant, rythme::pixelSuivant(ecoule_, v));
    return depart_ + suivant;
}
