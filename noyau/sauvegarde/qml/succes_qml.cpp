#include "sauvegarde/qml/succes_qml.h"

#include "sauvegarde/json.h"
#include "sauvegarde/qml/evenements_qml.h"
#include "sauvegarde/qml/js_qml.h"
#include "sauvegarde/succes.h"

#include <QJsonObject>

namespace {

QVariantMap entree(const succes::Definition& d) {
    QVariantMap m;
    m.insert(QStringLiteral("id"), QLatin1String(d.id));
    m.insert(QStringLiteral("en"),
             QVariantMap{{QStringLiteral("titre"), QLatin1String(d.titre)},
                         {QStringLiteral("description"), QLatin1String(d.description)}});
    m.insert(QStringLiteral("fr"),
             QVariantMap{{QStringLiteral("titre"), QString::fromUtf8(d.titreFr)},
                         {QStringLiteral("description"), QString::fromUtf8(d.descriptionFr)}});
    m.insert(QStringLiteral("icone"), QLatin1String(d.icone));
    m.insert(QStringLiteral("cache"), d.cache);
    if (d.stat >= 0)
        m.insert(
            QStringLiteral("stat"),
            QVariantMap{{QStringLiteral("cle"), QLatin1String(succes::STATS[std::size_t(d.stat)])},
                        {QStringLiteral("but"), d.but}});
    return m;
}

} // namespace

QVariantList SuccesQml::liste() const {
    QVariantList l;
    for (const succes::Definition& d : succes::LISTE)
        l << entree(d);
    return l;
}

QVariantMap SuccesQml::parId() const {
    QVariantMap m;
    for (const succes::Definition& d : succes::LISTE)
        m.insert(QLatin1String(d.id), entree(d));
    return m;
}

QStringList SuccesQml::stats() const {
    QStringList l;
    for (const char* s : succes::STATS)
        l << QLatin1String(s);
    return l;
}

int SuccesQml::maintienRideau() const {
    return succes::MAINTIEN_RIDEAU_MS;
}

QJSValue SuccesQml::etatVide() const {
    return js::depuisTexte(this, succes::ecrire(succes::etatVide()));
}

QJSValue SuccesQml::lire(const QJSValue& texte) const {
    return js::depuisTexte(
        this, succes::ecrire(succes::lire(texte.isString() ? texte.toString() : QString())));
}

QString SuccesQml::ecrire(const QJSValue& e) const {
    return succes::ecrire(js::etatSucces(e));
}

QJSValue SuccesQml::copie(const QJSValue& e) const {
    return js::depuisTexte(this, ecrire(e));
}

bool SuccesQml::debloque(const QJSValue& e, const QString& id) const {
    return succes::debloque(js::etatSucces(e), id);
}

int SuccesQml::nombre(const QJSValue& e) const {
    return succes::nombre(js::etatSucces(e));
}

QVariantMap SuccesQml::progres(const QJSValue& e, const QString& id) const {
    const succes::Progres p = succes::progres(js::etatSucces(e), id);
    return {{QStringLiteral("valeur"), double(p.valeur)}, {QStringLiteral("but"), double(p.but)}};
}

QVariantMap SuccesQml::evenement(QJSValue e, const QVariant& ev, double date) const {
    succes::Etat etat = js::etatSucces(e);
    const std::optional<evenements::Evenement> lu = evenementDe(ev);
    const succes::Resultat r =
        lu ? succes::evenement(etat, *lu, date) : succes::evenement(etat, QJsonObject(), date);
    js::remplacer(e, js::depuisTexte(this, succes::ecrire(etat)));
    return js::resultatSucces(r);
}

QStringList SuccesQml::rattraper(QJSValue e, const QJSValue& progression, const QJSValue&,
                                 double date) const {
    if (!progression.isObject()) return {};
    succes::Etat etat = js::etatSucces(e);
    const QStringList ids =
        succes::rattraper(etat, stockage::lireProgression(js::versJson(progression)), date);
    js::remplacer(e, js::depuisTexte(this, succes::ecrire(etat)));
    return ids;
}
