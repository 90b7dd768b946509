#include "son/qml/catalogue_qml.h"

#include "son/catalogue.h"

#include <QtQml>

namespace {

QVariantMap enregistrement(const catalogue::Piste& p) {
    QVariantMap m;
    m.insert(QStringLiteral("id"), p.id);
    m.insert(QStringLiteral("numero"), p.numero);
    m.insert(QStringLiteral("type"), p.type);
    m.insert(QStringLiteral("boucle"), p.boucle);
    m.insert(QStringLiteral("titre"), p.titre);
    m.insert(QStringLiteral("duree"), p.duree);
    m.insert(QStringLiteral("fichier"), p.fichier);
    return m;
}

} // namespace

CatalogueQml::CatalogueQml(QObject* parent) : QObject(parent) {}

QVariantList CatalogueQml::pistes() const {
    QVariantList liste;
    for (const catalogue::Piste& p : catalogue::pistes())
        liste.append(enregistrement(p));
    return liste;
}

QStringList CatalogueQml::fonds() const {
    return catalogue::fonds();
}

QVariant CatalogueQml::piste(const QString& id) const {
    const catalogue::Piste* p = catalogue::piste(id);
    if (!p) return QVariant::fromValue(nullptr);
    return enregistrement(*p);
}

QString CatalogueQml::musiqueEtape(double etape) const {
    return catalogue::musiqueEtape(etape);
}

QString CatalogueQml::paire(double combo) const {
    return catalogue::paire(combo);
}

void enregistrerSon() {
    qmlRegisterSingletonType<CatalogueQml>(
        "Tessimora", 1, 0, "Catalogue",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new CatalogueQml; });
}
