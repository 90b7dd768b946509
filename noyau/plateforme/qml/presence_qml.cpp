#include "plateforme/qml/presence_qml.h"

#include "plateforme/presence.h"
#include "sauvegarde/json.h"
#include "sauvegarde/qml/js_qml.h"

QVariantMap PresenceQml::jetons() const {
    QVariantMap m;
    for (const presence::Jeton& j : presence::JETONS)
        m.insert(QLatin1String(j.cle),
                 QVariantMap{{QStringLiteral("en"), QLatin1String(j.en)},
                             {QStringLiteral("fr"), QString::fromUtf8(j.fr)}});
    return m;
}

QStringList PresenceQml::adversaires() const {
    QStringList l;
    for (const char* a : presence::ADVERSAIRES)
        l << QLatin1String(a);
    return l;
}

QVariantMap PresenceQml::statut(const QJSValue& b) const {
    const presence::Statut st =
        presence::statut(presence::depuisJson(json::objet(js::versJson(b))));
    QVariantMap valeurs;
    for (const auto& [nom, valeur] : st.valeurs)
        valeurs.insert(nom, valeur);
    return {{QStringLiteral("cle"), st.cle},
            {QStringLiteral("valeurs"), valeurs},
            {QStringLiteral("groupe"), st.groupe}};
}

QString PresenceQml::texte(const QJSValue& st, const QString& langue) const {
    const QJsonObject o = json::objet(js::versJson(st));
    presence::Statut s;
    s.cle = o.value(QLatin1String("cle")).toString();
    const QJsonObject valeurs = json::objet(o.value(QLatin1String("valeurs")));
    for (auto it = valeurs.begin(); it != valeurs.end(); ++it)
        if (it.value().isString()) s.valeurs.emplace_back(it.key(), it.value().toString());
    s.groupe = o.value(QLatin1String("groupe")).toString();
    return presence::texte(s, langue);
}
