#include "plateforme/qml/js_qml.h"

#include "plateforme/json.h"

#include <QJSEngine>
#include <QJSValueIterator>
#include <QObject>

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

} // namespace js
