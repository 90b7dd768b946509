#include "plateforme/classements.h"

#include "sauvegarde/json.h"

#include <algorithm>
#include <cmath>

namespace classements {

const std::array<Table, 9> TABLES = {{
    {"NIGHT_MARKET", "night", false, false, "NIGHT MARKET", "NIGHT MARKET : score"},
    {"SLIDING_STALLS", "sliding", false, false, "SLIDING STALLS", "SLIDING STALLS : score"},
    {"LANTERN_DUEL", "duel", false, false, "LANTERN DUEL VS CPU",
     "LANTERN DUEL contre l'ordinateur : score"},
    {"INCENSE_RUSH", "rush", false, false, "INCENSE RUSH", "INCENSE RUSH : score"},
    {"MOON_OF_THE_DAY", "daily", false, true, "MOON OF THE DAY", "MOON OF THE DAY : score du jour"},
    {"PAPER_MOON", "paper", false, false, "PAPER MOON", "PAPER MOON : score"},
    {"PANDA_PARADE", "parade", false, false, "PANDA PARADE", "PANDA PARADE : score"},
    {"RECORD_PAIRS", "paires", true, false, "LANTERNS LIT (ALL TIME)", "Paires retirées (total)"},
    {"RECORD_MOON_STREAK", "defiSuite", true, false, "MOON STREAK (DAYS)",
     "Défis du jour de suite (jours)"},
}};

namespace {

double nombre(const QJsonObject& o, const char* nom, double defaut) {
    const QJsonValue v = o.value(QLatin1String(nom));
    return v.isDouble() ? v.toDouble() : defaut;
}

// A detail is a whole number a provider can store.
qint64 entier(double x) {
    if (!std::isfinite(x)) return 0;
    return qint64(std::clamp(std::floor(x), -double(SCORE_MAX) - 1, double(SCORE_MAX)));
}

} // namespace

const Table* parMode(const QString& mode) {
    for (const Table& t : TABLES)
        if (!t.compteur && mode == QLatin1String(t.source)) return &t;
    return nullptr;
}

QString detailsJson(const std::vector<qint64>& details) {
    QStringList l;
    for (qint64 d : details)
        l << QString::number(d);
    return json::tableau(l);
}

Fin depuisJson(const QJsonObject& o) {
    Fin f;
    f.mode = o.value(QLatin1String("mode")).toString();
    // A score that is not a number posts nothing, as a score of 0 would.
    f.score = nombre(o, "score", 0);
    f.etape = nombre(o, "etape", 0);
    f.piles = nombre(o, "piles", 0);
    f.classe = o.value(QLatin1String("classe")) == QJsonValue(true);
    const QJsonValue jour = o.value(QLatin1String("jour"));
    if (jour.isString() && stockage::jourValide(jour.toString())) f.jour = jour.toString();
    f.ia = nombre(o, "ia", -1);
    return f;
}

std::vector<Envoi> envois(const Fin& fin) {
    const Table* t = parMode(fin.mode);
    if (!t || !(fin.score > 0) || !std::isfinite(fin.score)) return {};
    if (t->quotidien && !fin.classe) return {};
    if (fin.mode == QLatin1String("duel") && !(fin.ia >= 0)) return {};
    const bool jour = stockage::jourValide(fin.jour);
    Envoi e;
    e.table = QLatin1String(t->id);
    e.nom = t->quotidien && jour ? e.table + QLatin1Char('_') + fin.jour : e.table;
    e.score = std::min(SCORE_MAX, qint64(std::floor(std::min(fin.score, double(SCORE_MAX)))));
    e.details = {entier(fin.etape), entier(fin.piles), jour ? fin.jour.toLongLong() : 0};
    return {e};
}

std::vector<Envoi> records(const Compteurs& stats, const Compteurs* avant) {
    std::vector<Envoi> r;
    for (const Table& t : TABLES) {
        if (!t.compteur) continue;
        const int s = succes::indiceStat(QLatin1String(t.source));
        if (s < 0) continue;
        const qint64 v = stats[std::size_t(s)];
        if (v > 0 && (!avant || (*avant)[std::size_t(s)] != v))
            r.push_back({QLatin1String(t.id), QLatin1String(t.id), v, {}});
    }
    return r;
}

} // namespace classements
