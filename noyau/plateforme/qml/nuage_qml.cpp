#include "plateforme/qml/nuage_qml.h"

#include "plateforme/couche.h"
#include "sauvegarde/json.h"
#include "sauvegarde/nuage.h"
#include "sauvegarde/qml/js_qml.h"

#include <QJSEngine>
#include <QJsonObject>

namespace {

QString texteDe(const QJSValue& v) {
    return v.isString() ? v.toString() : QString();
}

// An envelope held by the scene; its records are checked by their readers.
nuage::PeutEtre enveloppeDe(const QJSValue& v) {
    if (!v.isObject()) return std::nullopt;
    return nuage::depuisObjet(js::versJson(v).toObject());
}

// The envelope as the scene holds it: its progression carries the extras, and
// TEA HOUSE's record goes with it as in the stored envelope, so that a copy
// the scene sends back to the cloud keeps the stacks the cloud holds.
QString versScene(const nuage::Enveloppe& env) {
    json::Objet o;
    o.texte(QStringLiteral("format"), QLatin1String(nuage::FORMAT))
        .nombre(QStringLiteral("version"), nuage::VERSION)
        .nombre(QStringLiteral("ecrit"), env.ecrit)
        .brut(QStringLiteral("scores"), stockage::ecrireScores(env.scores))
        .brut(QStringLiteral("reglages"), stockage::ecrireReglages(env.reglages))
        .brut(QStringLiteral("progression"), js::progressionAvecExtras(env.progression, true))
        .brut(QStringLiteral("succes"), succes::ecrire(env.succes));
    if (!env.salon.piles.empty()) o.brut(QStringLiteral("salon"), salon::ecrire(env.salon));
    return o.fin();
}

QJSValue versJs(const QObject* o, const nuage::PeutEtre& env) {
    return env ? js::depuisTexte(o, versScene(*env)) : QJSValue(QJSValue::NullValue);
}

} // namespace

QString NuageQml::format() const {
    return QLatin1String(nuage::FORMAT);
}
int NuageQml::version() const {
    return nuage::VERSION;
}
QString NuageQml::fichier() const {
    return QLatin1String(nuage::FICHIER);
}
int NuageQml::tailleMax() const {
    return nuage::TAILLE_MAX;
}

QJSValue NuageQml::envelopper(const QJSValue& scores, const QJSValue& reglages,
                              const QJSValue& progression, const QJSValue& etat,
                              const QJSValue& ecrit, const QJSValue& salon) const {
    const nuage::Enveloppe env = nuage::envelopper(
        stockage::lireScores(js::versJson(scores)), stockage::lireReglages(js::versJson(reglages)),
        stockage::lireProgression(js::versJson(progression)), succes::lire(js::versJson(etat)),
        ecrit.isNumber() ? ecrit.toNumber() : 0, salon::lire(js::versJson(salon)));
    return versJs(this, env);
}

QString NuageQml::ecrire(const QJSValue& env) const {
    const nuage::PeutEtre e = enveloppeDe(env);
    return e ? nuage::ecrire(*e) : QStringLiteral("null");
}

QJSValue NuageQml::lire(const QJSValue& texte) const {
    return versJs(this, nuage::lire(texteDe(texte)));
}

QJSValue NuageQml::fusion(const QJSValue& a, const QJSValue& b) const {
    return versJs(this, nuage::fusion(enveloppeDe(a), enveloppeDe(b)));
}

bool NuageQml::differe(const QJSValue& a, const QJSValue& b) const {
    return nuage::differe(enveloppeDe(a), enveloppeDe(b));
}

QJSValue NuageQml::reunir(const QJSValue& a, const QJSValue& b) const {
    QJSEngine* moteur = qjsEngine(this);
    if (!moteur) return QJSValue();
    // Strict equality, as the scenes' own === would compare.
    QJSValue r = moteur->newArray();
    quint32 n = 0;
    const quint32 na = a.isArray() ? a.property(QStringLiteral("length")).toUInt() : 0;
    const quint32 nb = b.isArray() ? b.property(QStringLiteral("length")).toUInt() : 0;
    for (quint32 i = 0; i < na; ++i)
        r.setProperty(n++, a.property(i));
    for (quint32 j = 0; j < nb; ++j) {
        bool present = false;
        for (quint32 i = 0; i < n && !present; ++i)
            present = r.property(i).strictlyEquals(b.property(j));
        if (!present) r.setProperty(n++, b.property(j));
    }
    return r;
}

QJSValue NuageQml::fusionScores(const QJSValue& a, const QJSValue& b) const {
    return js::depuisTexte(
        this, stockage::ecrireScores(nuage::fusionScores(stockage::lireScores(js::versJson(a)),
                                                         stockage::lireScores(js::versJson(b)))));
}

QJSValue NuageQml::fusionProgression(const QJSValue& a, const QJSValue& b) const {
    return js::depuisTexte(this,
                           js::progressionAvecExtras(
                               nuage::fusionProgression(stockage::lireProgression(js::versJson(a)),
                                                        stockage::lireProgression(js::versJson(b))),
                               true));
}

QJSValue NuageQml::fusionSucces(const QJSValue& a, const QJSValue& b) const {
    return js::depuisTexte(this,
                           succes::ecrire(nuage::fusionSucces(succes::lire(js::versJson(a)),
                                                              succes::lire(js::versJson(b)))));
}

QJSValue NuageQml::fusionDepart(const QJSValue& local, const QJSValue& texteNuage) const {
    QJSEngine* moteur = qjsEngine(this);
    const nuage::PeutEtre l = enveloppeDe(local);
    if (!moteur || !l) return QJSValue(QJSValue::NullValue);
    const nuage::Depart d = nuage::fusionDepart(*l, texteDe(texteNuage));
    QJSValue r = moteur->newObject();
    r.setProperty(QStringLiteral("env"), versJs(this, d.env));
    r.setProperty(QStringLiteral("versNuage"), d.versNuage);
    return r;
}

QString NuageQml::lireNuage(const QJSValue& f) const {
    return couche::lireNuage(m_gardes.pour(this, f).get());
}

bool NuageQml::ecrireNuage(const QJSValue& f, const QJSValue& env) const {
    const nuage::PeutEtre e = enveloppeDe(env);
    return e && couche::ecrireNuage(m_gardes.pour(this, f).get(), *e);
}
