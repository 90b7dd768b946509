#include "moteur/qml/dispositions_qml.h"

#include "moteur/dispositions.h"
#include "moteur/duel.h"

namespace {

QVariantMap enregistrement(const dispositions::Disposition& d) {
    QVariantList couches;
    for (const pile::Couche& c : d.couches) {
        QStringList lignes;
        for (const std::string& l : c)
            lignes.append(QString::fromStdString(l));
        couches.append(lignes);
    }
    return {{QStringLiteral("nom"), QString::fromStdString(d.nom)},
            {QStringLiteral("couches"), couches}};
}

QVariantList enregistrements(const std::vector<dispositions::Disposition>& l) {
    QVariantList r;
    for (const dispositions::Disposition& d : l)
        r.append(enregistrement(d));
    return r;
}

} // namespace

DispositionsQml::DispositionsQml(QObject* parent) : QObject(parent) {}

QVariantList DispositionsQml::liste() const {
    return enregistrements(dispositions::LISTE);
}

QVariantList DispositionsQml::duel() const {
    return enregistrements(dispositions::DUEL);
}

QVariant DispositionsQml::parNom(const QString& nom) const {
    const dispositions::Disposition* d = dispositions::parNom(nom.toStdString());
    return d ? QVariant(enregistrement(*d)) : QVariant::fromValue(nullptr);
}

QVariantMap DispositionsQml::pourDuel(double graine) const {
    return enregistrement(duel::disposition(graine));
}
