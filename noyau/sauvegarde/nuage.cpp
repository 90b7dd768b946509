#include "sauvegarde/nuage.h"

#include "sauvegarde/json.h"

#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace nuage {

namespace {

QJsonValue membre(const QJsonObject& o, const char* cle) {
    return o.value(QLatin1String(cle));
}

// The key that orders entries of equal score, the same whichever side they
// came from: name|stage|date.
QString cleEntree(const stockage::Entree& e) {
    return e.nom + QLatin1Char('|') + json::nombre(e.etape) + QLatin1Char('|') +
           e.date.value_or(QString());
}

bool memeEntree(const stockage::Entree& a, const stockage::Entree& b) {
    return a.nom == b.nom && a.score == b.score && a.etape == b.etape &&
           a.date.value_or(QString()) == b.date.value_or(QString());
}

} // namespace

Enveloppe envelopper(const stockage::Scores& scores, const stockage::Reglages& reglages,
                     const stockage::Progression& progression, const succes::Etat& etat,
                     double ecrit, const salon::Salon& salon) {
    Enveloppe env;
    env.ecrit = std::isfinite(ecrit) && ecrit > 0 ? std::floor(ecrit) : 0;
    env.scores = stockage::lireScores(stockage::ecrireScores(scores));
    env.reglages = stockage::lireReglages(stockage::ecrireReglages(reglages));
    env.progression = stockage::lireProgression(stockage::ecrireProgression(progression));
    env.succes = succes::copie(etat);
    env.salon = salon::lire(salon::ecrire(salon));
    return env;
}

QString ecrire(const Enveloppe& env) {
    json::Objet o;
    o.texte(QStringLiteral("format"), QLatin1String(FORMAT))
        .nombre(QStringLiteral("version"), VERSION)
        .nombre(QStringLiteral("ecrit"), env.ecrit)
        .brut(QStringLiteral("scores"), stockage::ecrireScores(env.scores))
        .brut(QStringLiteral("reglages"), stockage::ecrireReglages(env.reglages))
        .brut(QStringLiteral("progression"), stockage::ecrireProgression(env.progression))
        .brut(QStringLiteral("succes"), succes::ecrire(env.succes));
    if (!env.salon.piles.empty()) o.brut(QStringLiteral("salon"), salon::ecrire(env.salon));
    return o.fin();
}

PeutEtre lire(const QString& texte) {
    if (texte.isEmpty() || texte.size() > TAILLE_MAX) return std::nullopt;
    const QJsonValue v = json::analyser(texte);
    if (!v.isObject()) return std::nullopt;
    const QJsonObject o = v.toObject();
    if (membre(o, "format") != QJsonValue(QLatin1String(FORMAT))) return std::nullopt;
    const QJsonValue version = membre(o, "version");
    // A later version is read by these rules: its extra fields are dropped.
    if (!version.isDouble() || !(version.toDouble() >= 1)) return std::nullopt;
    return depuisObjet(o);
}

Enveloppe depuisObjet(const QJsonObject& o) {
    Enveloppe env;
    const QJsonValue ecrit = membre(o, "ecrit");
    if (ecrit.isDouble() && ecrit.toDouble() >= 0) env.ecrit = std::floor(ecrit.toDouble());
    env.scores = stockage::lireScores(json::objet(membre(o, "scores")));
    env.reglages = stockage::lireReglages(json::objet(membre(o, "reglages")));
    env.progression = stockage::lireProgression(json::objet(membre(o, "progression")));
    env.succes = succes::lire(json::objet(membre(o, "succes")));
    env.salon = salon::lire(membre(o, "salon"));
    return env;
}

// Membership goes through a hash set: a damaged save may carry thousands of
// entries, and the merge must stay linear in them.
QStringList reunir(const QStringList& a, const QStringList& b) {
    QStringList r = a;
    QSet<QString> vus(a.begin(), a.end());
    for (const QString& x : b)
        if (!vus.contains(x)) {
            vus.insert(x);
            r << x;
        }
    return r;
}

std::vector<double> reunir(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> r = a;
    std::unordered_set<double> vus(a.begin(), a.end());
    for (double x : b)
        if (vus.insert(x).second) r.push_back(x);
    return r;
}

stockage::Scores fusionScores(const stockage::Scores& a, const stockage::Scores& b) {
    stockage::Scores r;
    for (std::size_t m = 0; m < r.tables.size(); ++m) {
        stockage::Table t;
        for (const stockage::Table* cote : {&a.tables[m], &b.tables[m]})
            for (const stockage::Entree& e : *cote)
                if (std::none_of(t.begin(), t.end(),
                                 [&](const stockage::Entree& x) { return memeEntree(x, e); }))
                    t.push_back(e);
        std::stable_sort(t.begin(), t.end(),
                         [](const stockage::Entree& x, const stockage::Entree& y) {
                             if (x.score != y.score) return x.score > y.score;
                             return cleEntree(x) < cleEntree(y);
                         });
        if (t.size() > std::size_t(stockage::PLACES)) t.resize(stockage::PLACES);
        r.tables[m] = std::move(t);
    }
    return stockage::lireScores(stockage::ecrireScores(r));
}

stockage::Progression fusionProgression(const stockage::Progression& a,
                                        const stockage::Progression& b) {
    stockage::Progression r;
    r.etapeMax = std::max(a.etapeMax, b.etapeMax);
    // A stored list may repeat a stage or a day. The union alone would keep
    // the repeats of whichever side comes first, so the two devices would
    // each merge to a different text and rewrite the cloud at every start:
    // repeats go, on both sides alike.
    r.etapesVues = reunir(a.etapesVues, b.etapesVues);
    std::sort(r.etapesVues.begin(), r.etapesVues.end());
    r.etapesVues.erase(std::unique(r.etapesVues.begin(), r.etapesVues.end()), r.etapesVues.end());
    r.defisFinis = reunir(a.defisFinis, b.defisFinis);
    std::sort(r.defisFinis.begin(), r.defisFinis.end());
    r.defisFinis.erase(std::unique(r.defisFinis.begin(), r.defisFinis.end()), r.defisFinis.end());
    r.sansContinue = a.sansContinue || b.sansContinue;
    r.defiClasse = std::max(a.defiClasse, b.defiClasse);
    return stockage::lireProgression(stockage::ecrireProgression(r));
}

succes::Etat fusionSucces(const succes::Etat& a, const succes::Etat& b) {
    auto date = [](const succes::Etat& e, const QString& id) -> std::optional<double> {
        for (const auto& [cle, t] : e.debloques)
            if (cle == id) return t;
        return std::nullopt;
    };
    succes::Etat r;
    for (const succes::Definition& d : succes::LISTE) {
        const QString id = QLatin1String(d.id);
        const auto da = date(a, id), db = date(b, id);
        if (da && db)
            r.debloques.emplace_back(id, std::min(*da, *db));
        else if (da || db)
            r.debloques.emplace_back(id, da ? *da : *db);
    }
    // Never the sum: the same games must not count twice.
    for (std::size_t i = 0; i < r.stats.size(); ++i)
        r.stats[i] = std::max(a.stats[i], b.stats[i]);
    r.defiDernier = std::max(a.defiDernier, b.defiDernier);
    return succes::copie(r);
}

PeutEtre fusion(const PeutEtre& a, const PeutEtre& b) {
    if (!a) return b;
    if (!b) return a;
    const Enveloppe& recent = b->ecrit > a->ecrit ? *b : *a;
    Enveloppe r;
    r.ecrit = std::max(a->ecrit, b->ecrit);
    r.scores = fusionScores(a->scores, b->scores);
    r.reglages = recent.reglages;
    r.progression = fusionProgression(a->progression, b->progression);
    r.succes = fusionSucces(a->succes, b->succes);
    r.salon = salon::fusion(a->salon, b->salon);
    return r;
}

namespace {

// Written, read back and written again, with the write time set aside. An
// envelope too big to read back is compared by its first writing.
QString normalise(Enveloppe env) {
    env.ecrit = 0;
    const QString premier = ecrire(env);
    const PeutEtre relu = lire(premier);
    return relu ? ecrire(*relu) : premier;
}

} // namespace

bool differe(const PeutEtre& a, const PeutEtre& b) {
    if (!a || !b) return bool(a) != bool(b);
    return normalise(*a) != normalise(*b);
}

Depart fusionDepart(const Enveloppe& local, const QString& texteNuage) {
    const PeutEtre n = lire(texteNuage);
    Depart d;
    d.env = *fusion(local, n);
    d.versNuage = !n || differe(d.env, n);
    return d;
}

} // namespace nuage
