#include "plateforme/qml/couche_qml.h"

#include "plateforme/couche.h"
#include "sauvegarde/json.h"
#include "sauvegarde/qml/evenements_qml.h"
#include "sauvegarde/qml/js_qml.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>

namespace {

// A number from the scene as a whole number; anything not finite is 0.
qint64 entier(double x) {
    if (!std::isfinite(x)) return 0;
    return qint64(std::clamp(std::floor(x), -9.0e15, 9.0e15));
}

} // namespace

bool CoucheQml::a(const QJSValue& f, const QString& nom) const {
    return couche::a(fournisseur(f).get(), nom);
}

bool CoucheQml::actif(const QJSValue& f) const {
    return couche::actif(fournisseur(f).get());
}

bool CoucheQml::debloquer(const QJSValue& f, const QString& id) const {
    return couche::debloquer(fournisseur(f).get(), id);
}

bool CoucheQml::progresser(const QJSValue& f, const QString& id, double valeur, double but,
                           const QString& stat) const {
    return couche::progresser(fournisseur(f).get(), id, entier(valeur), entier(but), stat);
}

bool CoucheQml::envoyerScore(const QJSValue& f, const QString& nom, double score,
                             const QJSValue& details) const {
    std::vector<qint64> d;
    for (const QJsonValue& v : js::versJson(details).toArray())
        d.push_back(entier(v.toDouble()));
    return couche::envoyerScore(fournisseur(f).get(), nom, entier(score), d);
}

QVariantMap CoucheQml::evenement(QJSValue etat, const QVariant& ev, const QJSValue& f,
                                 double date) const {
    succes::Etat e = js::etatSucces(etat);
    const std::optional<evenements::Evenement> lu = evenementDe(ev);
    const couche::Resultat r = lu ? couche::evenement(e, *lu, fournisseur(f).get(), date)
                                  : couche::evenement(e, QJsonObject(), fournisseur(f).get(), date);
    if (r.garder) js::remplacer(etat, js::depuisTexte(this, succes::ecrire(e)));
    QVariantMap m = js::resultatSucces(r);
    m.insert(QStringLiteral("garder"), r.garder);
    return m;
}

int CoucheQml::synchroniser(const QJSValue& etat, const QJSValue& f) const {
    return couche::synchroniser(js::etatSucces(etat), fournisseur(f).get());
}

int CoucheQml::finPartie(const QJSValue& fin, const QJSValue& f) const {
    return couche::finPartie(classements::depuisJson(json::objet(js::versJson(fin))),
                             fournisseur(f).get());
}

QString CoucheQml::presence(const QJSValue& b, const QJSValue& f, const QString& dernier) const {
    return couche::presence(presence::depuisJson(json::objet(js::versJson(b))),
                            fournisseur(f).get(), dernier);
}
