#include "sauvegarde/qml/js_qml.h"

#include "sauvegarde/json.h"

#include <QJSEngine>
#include <QJSValueIterator>
#include <QObject>
#include <cmath>

namespace js {

QJsonValue versJson(const QJSValue& v) {
    if (v.isUndefined()) return QJsonValue(QJsonValue::Undefined);
    return QJsonValue::fromVariant(v.toVariant());
}

QJSValue depuisTexte(const QObject* proprietaire, const QString& texteJson) {
    QJSEngine* moteur = qjsEngine(proprietaire);
    if (!moteur) return QJSValue();
    QJSValue parse =
        moteur->globalObject().property(QStringLiteral("JSON")).property(QStringLiteral("parse"));
    return parse.call({QJSValue(texteJson)});
}

void remplacer(QJSValue& cible, const QJSValue& source) {
    if (!cible.isObject()) return;
    QStringList anciens;
    for (QJSValueIterator it(cible); it.hasNext();) {
        it.next();
        anciens << it.name();
    }
    for (const QString& nom : anciens)
        cible.deleteProperty(nom);
    for (QJSValueIterator it(source); it.hasNext();) {
        it.next();
        cible.setProperty(it.name(), it.value());
    }
}

QString progressionAvecExtras(const stockage::Progression& p, bool extras) {
    const stockage::Extras x = extras ? p.extras : stockage::Extras();
    const QString ouverts = json::Objet()
                                .booleen(QStringLiteral("galerie"), x.galerie)
                                .booleen(QStringLiteral("sonTest"), x.sonTest)
                                .booleen(QStringLiteral("crt"), x.crt)
                                .booleen(QStringLiteral("paperMoon"), x.paperMoon)
                                .booleen(QStringLiteral("pandaParade"), x.pandaParade)
                                .booleen(QStringLiteral("salleLanternes"), x.salleLanternes)
                                .fin();
    QString t = stockage::ecrireProgression(p);
    t.chop(1);
    return t + QStringLiteral(",\"extras\":") + (extras ? ouverts : QStringLiteral("{}")) +
           QLatin1Char('}');
}

succes::Etat etatSucces(const QJSValue& v) {
    succes::Etat e = succes::lire(versJson(v));
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

QVariantMap resultatSucces(const succes::Resultat& r) {
    QVariantList progres;
    for (const succes::Avancee& a : r.progres)
        progres << QVariantMap{{QStringLiteral("id"), a.id},
                               {QStringLiteral("valeur"), double(a.valeur)},
                               {QStringLiteral("but"), double(a.but)},
                               {QStringLiteral("stat"), a.stat}};
    return {{QStringLiteral("nouveaux"), r.nouveaux}, {QStringLiteral("progres"), progres}};
}

} // namespace js
