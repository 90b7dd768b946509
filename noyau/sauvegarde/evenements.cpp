#include "sauvegarde/evenements.h"

#include "sauvegarde/json.h"

#include <array>
#include <cmath>

namespace evenements {

namespace {

constexpr std::array<const char*, 13> MOTS = {"paire",  "pile",  "fin12",    "partie", "defi",
                                              "duel",   "scene", "glissant", "record", "continue",
                                              "secret", "fumee", "aide"};

// A field read as a number; a missing or unreadable one is absent.
std::optional<double> champ(const QJsonObject& o, const char* nom) {
    return json::enNombre(o.value(QLatin1String(nom)));
}

double nombre(const QJsonObject& o, const char* nom) {
    return champ(o, nom).value_or(0);
}

// JavaScript's truth, the way the scenes set their flags.
bool vrai(const QJsonObject& o, const char* nom) {
    const QJsonValue v = o.value(QLatin1String(nom));
    switch (v.type()) {
    case QJsonValue::Bool:
        return v.toBool();
    case QJsonValue::Double:
        return v.toDouble() != 0 && !std::isnan(v.toDouble());
    case QJsonValue::String:
        return !v.toString().isEmpty();
    case QJsonValue::Array:
    case QJsonValue::Object:
        return true;
    default:
        return false;
    }
}

QString texte(const QJsonObject& o, const char* nom) {
    return o.value(QLatin1String(nom)).toString();
}

Evenement de(Sorte s) {
    Evenement e;
    e.sorte = s;
    return e;
}

} // namespace

const char* motDe(Sorte s) {
    return MOTS[static_cast<std::size_t>(s)];
}

std::optional<Sorte> sorteDe(const QString& mot) {
    for (std::size_t i = 0; i < MOTS.size(); ++i)
        if (mot == QLatin1String(MOTS[i])) return static_cast<Sorte>(i);
    return std::nullopt;
}

std::optional<Evenement> lire(const QJsonObject& o) {
    const std::optional<Sorte> s = sorteDe(texte(o, "type"));
    if (!s) return std::nullopt;
    Evenement e = de(*s);
    e.mode = modeDe(texte(o, "mode").toStdString());
    e.combo = nombre(o, "combo");
    e.jumelle = vrai(o, "jumelle");
    e.fever = vrai(o, "fever");
    e.etape = nombre(o, "etape");
    e.piles = nombre(o, "piles");
    e.boss = vrai(o, "boss");
    e.parfait = vrai(o, "parfait");
    e.tempsMs = nombre(o, "tempsMs");
    e.tempsMax = nombre(o, "tempsMax");
    e.etapesPartie = nombre(o, "etapesPartie");
    e.continues = champ(o, "continues");
    e.score = nombre(o, "score");
    e.jour = texte(o, "jour");
    e.ia = champ(o, "ia");
    e.gagnant = nombre(o, "gagnant");
    e.nom = texte(o, "nom");
    e.niveau = nombre(o, "niveau");
    return e;
}

QJsonObject ecrire(const Evenement& e) {
    QJsonObject o{{QStringLiteral("type"), QLatin1String(motDe(e.sorte))}};
    const auto mode = [&] {
        if (e.mode) o.insert(QStringLiteral("mode"), QLatin1String(motDe(*e.mode).data()));
    };
    switch (e.sorte) {
    case Sorte::Paire:
        o.insert(QStringLiteral("combo"), e.combo);
        o.insert(QStringLiteral("jumelle"), e.jumelle);
        o.insert(QStringLiteral("fever"), e.fever);
        break;
    case Sorte::Pile:
        mode();
        o.insert(QStringLiteral("etape"), e.etape);
        o.insert(QStringLiteral("piles"), e.piles);
        o.insert(QStringLiteral("boss"), e.boss);
        o.insert(QStringLiteral("parfait"), e.parfait);
        o.insert(QStringLiteral("tempsMs"), e.tempsMs);
        o.insert(QStringLiteral("tempsMax"), e.tempsMax);
        o.insert(QStringLiteral("etapesPartie"), e.etapesPartie);
        break;
    case Sorte::Fin12:
        mode();
        if (e.continues) o.insert(QStringLiteral("continues"), *e.continues);
        break;
    case Sorte::Partie:
        mode();
        o.insert(QStringLiteral("score"), e.score);
        break;
    case Sorte::Defi:
        o.insert(QStringLiteral("jour"), e.jour);
        break;
    case Sorte::Duel:
        if (e.ia) o.insert(QStringLiteral("ia"), *e.ia);
        o.insert(QStringLiteral("gagnant"), e.gagnant);
        break;
    case Sorte::Scene:
    case Sorte::Aide:
        o.insert(QStringLiteral("nom"), e.nom);
        break;
    case Sorte::Glissant:
        o.insert(QStringLiteral("niveau"), e.niveau);
        break;
    case Sorte::Record:
    case Sorte::Continue:
    case Sorte::Secret:
    case Sorte::Fumee:
        break;
    }
    return o;
}

Evenement paire(double combo, bool jumelle, bool fever) {
    Evenement e = de(Sorte::Paire);
    e.combo = combo;
    e.jumelle = jumelle;
    e.fever = fever;
    return e;
}

Evenement partie(Mode m, double score) {
    Evenement e = de(Sorte::Partie);
    e.mode = m;
    e.score = score;
    return e;
}

Evenement simple(Sorte s) {
    return de(s);
}

Evenement scene(const QString& nom) {
    Evenement e = de(Sorte::Scene);
    e.nom = nom;
    return e;
}

Evenement aide(const QString& nom) {
    Evenement e = de(Sorte::Aide);
    e.nom = nom;
    return e;
}

Evenement duel(double ia, double gagnant) {
    Evenement e = de(Sorte::Duel);
    e.ia = ia;
    e.gagnant = gagnant;
    return e;
}

Evenement glissant(double niveau) {
    Evenement e = de(Sorte::Glissant);
    e.niveau = niveau;
    return e;
}

} // namespace evenements
