#include "plateforme/qml/succes_qml.h"

#include "plateforme/json.h"
#include "plateforme/qml/js_qml.h"
#include "plateforme/succes.h"

#include <QJSValueIterator>
#include <QJsonObject>
#include <cmath>

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

// The scene's state, checked like a stored one but keeping the order of its
// unlocks (a new unlock sits last until the next read).
succes::Etat etatDe(const QJSValue& v) {
    succes::Etat e = succes::lire(js::versJson(v));
    if (!v.isObject()) return e;
    e.debloques.clear();
    for (QJSValueIterator it(v.property(QStringLiteral("debloques"))); it.hasNext();) {
        it.next();
        const QJSValue t = it.value();
        if (!succes::parId(it.name()) || !t.isNumber() || !(t.toNumber() >= 0)) continue;
        if (!succes::debloque(e, it.name()))
            e.debloques.emplace_back(it.name(), std::floor(t.toNumber()));
    }
    return e;
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
    return succes::ecrire(etatDe(e));
}

QJSValue SuccesQml::copie(const QJSValue& e) const {
    return js::depuisTexte(this, ecrire(e));
}

bool SuccesQml::debloque(const QJSValue& e, const QString& id) const {
    return succes::debloque(etatDe(e), id);
}

int SuccesQml::nombre(const QJSValue& e) const {
    return succes::nombre(etatDe(e));
}

QVariantMap SuccesQml::progres(const QJSValue& e, const QString& id) const {
    const succes::Progres p = succes::progres(etatDe(e), id);
    return {{QStringLiteral("valeur"), double(p.valeur)}, {QStringLiteral("but"), double(p.but)}};
}

QVariantMap SuccesQml::evenement(QJSValue e, const QJSValue& ev, double date) const {
    succes::Etat etat = etatDe(e);
    const succes::Resultat r = succes::evenement(etat, json::objet(js::versJson(ev)), date);
    js::remplacer(e, js::depuisTexte(this, succes::ecrire(etat)));
    QVariantList progres;
    for (const succes::Avancee& a : r.progres)
        progres << QVariantMap{{QStringLiteral("id"), a.id},
                               {QStringLiteral("valeur"), double(a.valeur)},
                               {QStringLiteral("but"), double(a.but)},
                               {QStringLiteral("stat"), a.stat}};
    return {{QStringLiteral("nouveaux"), r.nouveaux}, {QStringLiteral("progres"), progres}};
}

QStringList SuccesQml::rattraper(QJSValue e, const QJSValue& progression, const QJSValue&,
                                 double date) const {
    if (!progression.isObject()) return {};
    succes::Etat etat = etatDe(e);
    const QStringList ids =
        succes::rattraper(etat, stockage::lireProgression(js::versJson(progression)), date);
    js::remplacer(e, js::depuisTexte(this, succes::ecrire(etat)));
    return ids;
}
