#include "sauvegarde/qml/stockage_qml.h"

#include "sauvegarde/json.h"
#include "sauvegarde/qml/js_qml.h"
#include "sauvegarde/stockage.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

QString texteDe(const QJSValue& v) {
    return v.isString() ? v.toString() : QString();
}

} // namespace

QStringList StockageQml::modes() const {
    QStringList l;
    for (const char* m : stockage::MODES)
        l << QLatin1String(m);
    return l;
}

int StockageQml::places() const {
    return stockage::PLACES;
}

QString StockageQml::lettres() const {
    return QLatin1String(stockage::LETTRES);
}

QStringList StockageQml::actions() const {
    QStringList l;
    for (const char* a : stockage::ACTIONS)
        l << QLatin1String(a);
    return l;
}

QJSValue StockageQml::reglages() const {
    return js::depuisTexte(this, stockage::ecrireReglages(stockage::REGLAGES()));
}

QJSValue StockageQml::progression() const {
    return js::depuisTexte(this, js::progressionAvecExtras(stockage::PROGRESSION(), false));
}

QJSValue StockageQml::lireScores(const QJSValue& texte) const {
    return js::depuisTexte(this, stockage::ecrireScores(stockage::lireScores(texteDe(texte))));
}

QString StockageQml::ecrireScores(const QJSValue& scores) const {
    return stockage::ecrireScores(stockage::lireScores(js::versJson(scores)));
}

namespace {

// The caller's table as it stands: only its valid entries, in their order.
stockage::Table tableDe(const QJSValue& table) {
    stockage::Table t;
    for (const QJsonValue& x : js::versJson(table).toArray())
        if (auto e = stockage::lireEntree(x)) t.push_back(*e);
    return t;
}

} // namespace

int StockageQml::rang(const QJSValue& table, double score) const {
    return stockage::rang(tableDe(table), score);
}

int StockageQml::inserer(QJSValue scores, const QString& mode, const QJSValue& e) const {
    if (!scores.isObject() || !scores.property(mode).isArray()) return -1;
    stockage::Scores s;
    stockage::Table* t = s.table(mode);
    if (!t) return -1;
    *t = tableDe(scores.property(mode));
    const int place = stockage::inserer(s, mode, js::versJson(e));
    if (place < 0) return -1;
    QStringList entrees;
    for (const stockage::Entree& x : *t)
        entrees << stockage::ecrireEntree(x);
    scores.setProperty(mode, js::depuisTexte(this, json::tableau(entrees)));
    return place;
}

int StockageQml::meilleur(const QJSValue& scores, const QString& mode) const {
    if (!scores.isObject()) return 0;
    const QJsonArray t = js::versJson(scores.property(mode)).toArray();
    if (t.isEmpty()) return 0;
    const auto e = stockage::lireEntree(t.first());
    return e ? e->score : 0;
}

QString StockageQml::initiales(const QJSValue& s) const {
    return stockage::initiales(texteDe(s));
}

QJSValue StockageQml::lireReglages(const QJSValue& texte) const {
    return js::depuisTexte(this, stockage::ecrireReglages(stockage::lireReglages(texteDe(texte))));
}

QString StockageQml::ecrireReglages(const QJSValue& r) const {
    return stockage::ecrireReglages(stockage::lireReglages(js::versJson(r)));
}

QJSValue StockageQml::lireProgression(const QJSValue& texte) const {
    return js::depuisTexte(
        this, js::progressionAvecExtras(stockage::lireProgression(texteDe(texte)), true));
}

QString StockageQml::ecrireProgression(const QJSValue& pr) const {
    return stockage::ecrireProgression(stockage::lireProgression(js::versJson(pr)));
}

QJSValue StockageQml::etapeFinie(QJSValue pr, int etape, int continues) const {
    stockage::Progression p = stockage::lireProgression(js::versJson(pr));
    stockage::etapeFinie(p, etape, continues);
    js::remplacer(pr, js::depuisTexte(this, js::progressionAvecExtras(p, true)));
    return pr;
}

QJSValue StockageQml::defiFini(QJSValue pr, const QString& jour) const {
    stockage::Progression p = stockage::lireProgression(js::versJson(pr));
    stockage::defiFini(p, jour);
    js::remplacer(pr, js::depuisTexte(this, js::progressionAvecExtras(p, true)));
    return pr;
}
