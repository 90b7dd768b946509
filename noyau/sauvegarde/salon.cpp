#include "sauvegarde/salon.h"

#include "sauvegarde/json.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <map>

namespace salon {

namespace {

using Cle = std::pair<QString, QString>;

Cle cleDe(const Record& r) {
    return {r.nom, r.empreinte};
}

// At most NOM_MAX characters, never cut inside one.
QString nomValide(const QString& s) {
    QVector<uint> c = s.trimmed().toUcs4();
    if (c.size() > NOM_MAX) c.resize(NOM_MAX);
    return QString::fromUcs4(c.constData(), c.size()).trimmed();
}

QString empreinteValide(const QString& s) {
    if (s.size() != EMPREINTE_CHIFFRES) return {};
    for (QChar c : s)
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
            return {};
    return s.toLower();
}

double entierDans(const QJsonValue& v, double min, double max) {
    const std::optional<double> x = json::enNombre(v);
    if (!x) return 0;
    const double n = std::floor(*x);
    return n >= min && n <= max ? n : 0;
}

// Two records of one stack as one: each best, the mark of either.
void garderMeilleur(Record& r, const Record& autre) {
    if (autre.temps > 0 && (r.temps == 0 || autre.temps < r.temps)) r.temps = autre.temps;
    r.score = std::max(r.score, autre.score);
    r.fini = r.fini || autre.fini;
    r.date = std::max(r.date, autre.date);
}

// Repeats merged, the PILES_MAX cleared last kept, in key order: the one
// form every reader, writer and merge ends in.
void ranger(Salon& s) {
    std::map<Cle, Record> parCle;
    for (const Record& r : s.piles) {
        auto [it, nouveau] = parCle.emplace(cleDe(r), r);
        if (!nouveau) garderMeilleur(it->second, r);
    }
    std::vector<Record> l;
    l.reserve(parCle.size());
    for (auto& [cle, r] : parCle)
        l.push_back(std::move(r));
    if (l.size() > std::size_t(PILES_MAX)) {
        std::stable_sort(l.begin(), l.end(),
                         [](const Record& a, const Record& b) { return a.date > b.date; });
        l.resize(PILES_MAX);
        std::sort(l.begin(), l.end(),
                  [](const Record& a, const Record& b) { return cleDe(a) < cleDe(b); });
    }
    s.piles = std::move(l);
}

} // namespace

Salon lire(const QString& texte) {
    return lire(json::analyser(texte));
}

Salon lire(const QJsonValue& v) {
    Salon s;
    const QJsonValue piles = json::objet(v).value(QLatin1String("piles"));
    if (!piles.isArray()) return s;
    for (const QJsonValue& e : piles.toArray()) {
        const QJsonObject o = json::objet(e);
        Record r;
        r.nom = nomValide(o.value(QLatin1String("nom")).toString());
        r.empreinte = empreinteValide(o.value(QLatin1String("empreinte")).toString());
        if (r.nom.isEmpty() || r.empreinte.isEmpty()) continue;
        r.temps = entierDans(o.value(QLatin1String("temps")), 1, TEMPS_MAX);
        r.score = static_cast<int>(entierDans(o.value(QLatin1String("score")), 0, SCORE_MAX));
        r.fini = o.value(QLatin1String("fini")) == QJsonValue(true);
        // Beyond 2^53 a date would not read back as the number written.
        r.date = entierDans(o.value(QLatin1String("date")), 0, 9007199254740992.0);
        if (r.temps == 0 && r.score == 0 && !r.fini) continue;
        s.piles.push_back(std::move(r));
    }
    ranger(s);
    return s;
}

QString ecrire(const Salon& s) {
    QStringList piles;
    for (const Record& r : s.piles)
        piles << json::Objet()
                     .texte(QStringLiteral("nom"), r.nom)
                     .texte(QStringLiteral("empreinte"), r.empreinte)
                     .nombre(QStringLiteral("temps"), r.temps)
                     .nombre(QStringLiteral("score"), r.score)
                     .booleen(QStringLiteral("fini"), r.fini)
                     .nombre(QStringLiteral("date"), r.date)
                     .fin();
    return json::Objet().brut(QStringLiteral("piles"), json::tableau(piles)).fin();
}

const Record* trouver(const Salon& s, const QString& nom, const QString& empreinte) {
    for (const Record& r : s.piles)
        if (r.nom == nom && r.empreinte == empreinte) return &r;
    return nullptr;
}

Bilan apres(Salon& s, const QString& nom, const QString& empreinte, const Fin& fin) {
    Bilan b;
    b.gagne = fin.gagne;
    b.temps = std::max<std::int64_t>(0, fin.temps);
    b.score = std::max<std::int64_t>(0, fin.score);
    b.paires = fin.paires;
    b.hint = fin.hint;
    b.undo = fin.undo;
    b.mix = fin.mix;
    Record r;
    r.nom = nomValide(nom);
    r.empreinte = empreinteValide(empreinte);
    const Record* avant = trouver(s, r.nom, r.empreinte);
    if (avant) {
        b.ancienTemps = avant->temps;
        b.ancienScore = avant->score;
    }
    b.meilleurTemps = b.ancienTemps;
    b.meilleurScore = b.ancienScore;
    if (!fin.gagne || r.nom.isEmpty() || r.empreinte.isEmpty()) return b;

    r.temps = std::clamp<double>(static_cast<double>(b.temps), 1, TEMPS_MAX);
    r.score = static_cast<int>(std::min<std::int64_t>(b.score, SCORE_MAX));
    r.fini = true;
    r.date = std::isfinite(fin.date) && fin.date > 0 ? std::floor(fin.date) : 0;
    b.premiere = !avant || !avant->fini;
    b.nouveauTemps = b.ancienTemps == 0 || r.temps < b.ancienTemps;
    b.nouveauScore = !avant || r.score > b.ancienScore;
    s.piles.push_back(r);
    ranger(s);
    if (const Record* apres = trouver(s, r.nom, r.empreinte)) {
        b.meilleurTemps = apres->temps;
        b.meilleurScore = apres->score;
    }
    return b;
}

Salon fusion(const Salon& a, const Salon& b) {
    Salon r = a;
    r.piles.insert(r.piles.end(), b.piles.begin(), b.piles.end());
    ranger(r);
    return r;
}

QString duree(double ms) {
    const qint64 s =
        std::isfinite(ms) && ms > 0 ? static_cast<qint64>(std::min(ms, TEMPS_MAX) / 1000) : 0;
    const QLatin1Char zero('0');
    const QString ms2 = QStringLiteral("%1:%2")
                            .arg(s / 60 % 60, s >= 3600 ? 2 : 1, 10, zero)
                            .arg(s % 60, 2, 10, zero);
    return s >= 3600 ? QStringLiteral("%1:").arg(s / 3600) + ms2 : ms2;
}

} // namespace salon
