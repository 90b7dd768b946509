#include "plateforme/qml/classements_qml.h"

#include "plateforme/classements.h"
#include "sauvegarde/json.h"
#include "sauvegarde/qml/js_qml.h"

namespace {

QVariantMap entree(const classements::Table& t) {
    return {{QStringLiteral("id"), QLatin1String(t.id)},
            {QStringLiteral("source"), QLatin1String(t.source)},
            {QStringLiteral("compteur"), t.compteur},
            {QStringLiteral("quotidien"), t.quotidien},
            {QStringLiteral("en"), QLatin1String(t.nomEn)},
            {QStringLiteral("fr"), QString::fromUtf8(t.nomFr)}};
}

QVariantList versListe(const std::vector<classements::Envoi>& envois) {
    QVariantList l;
    for (const classements::Envoi& e : envois) {
        QVariantList details;
        for (qint64 d : e.details)
            details << double(d);
        l << QVariantMap{{QStringLiteral("table"), e.table},
                         {QStringLiteral("nom"), e.nom},
                         {QStringLiteral("score"), double(e.score)},
                         {QStringLiteral("details"), details}};
    }
    return l;
}

// Counters read as a stored achievement state reads them.
classements::Compteurs compteurs(const QJSValue& stats) {
    return succes::lire(QJsonObject{{QStringLiteral("stats"), js::versJson(stats)}}).stats;
}

} // namespace

QVariantList ClassementsQml::tables() const {
    QVariantList l;
    for (const classements::Table& t : classements::TABLES)
        l << entree(t);
    return l;
}

QVariantMap ClassementsQml::parMode() const {
    QVariantMap m;
    for (const classements::Table& t : classements::TABLES)
        if (!t.compteur) m.insert(QLatin1String(t.source), entree(t));
    return m;
}

QVariantList ClassementsQml::envois(const QJSValue& fin) const {
    return versListe(classements::envois(classements::depuisJson(json::objet(js::versJson(fin)))));
}

QVariantList ClassementsQml::records(const QJSValue& stats, const QJSValue& avant) const {
    const classements::Compteurs s = compteurs(stats);
    if (!avant.isObject()) return versListe(classements::records(s, nullptr));
    const classements::Compteurs a = compteurs(avant);
    return versListe(classements::records(s, &a));
}
