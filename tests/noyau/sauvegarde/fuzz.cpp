// Every reader of stored and cloud texts is fed random and mutated inputs:
// none may crash or hang, and whatever it returns must be a fixed point:
// written, read again and written, it gives the same text.
//
// The unit test run keeps a small fixed budget. For a longer search, set
// TESSIMORA_FUZZ_TOURS to the number of inputs per reader (and optionally
// TESSIMORA_FUZZ_GRAINE to a seed), for example:
//   TESSIMORA_FUZZ_TOURS=200000 TESSIMORA_FUZZ_GRAINE=7 ./test_sauvegarde --gtest_filter='Fuzz*'

#include "sauvegarde/nuage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

int tours() {
    const char* v = std::getenv("TESSIMORA_FUZZ_TOURS");
    return v ? std::max(1, std::atoi(v)) : 1500;
}

unsigned graine() {
    const char* v = std::getenv("TESSIMORA_FUZZ_GRAINE");
    return v ? unsigned(std::strtoul(v, nullptr, 10)) : 20261208u;
}

const char* const CLES[] = {"night",         "sliding",  "duel",       "rush",       "daily",
                            "paper",         "parade",   "nom",        "score",      "etape",
                            "date",          "crt",      "actif",      "balayage",   "lueur",
                            "courbure",      "masque",   "vignette",   "affichage",  "son",
                            "musique",       "effets",   "jeu",        "freePlay",   "niveauIa",
                            "initiales",     "langue",   "touches",    "ok",         "retour",
                            "gauche",        "etapeMax", "etapesVues", "defisFinis", "sansContinue",
                            "defiClasse",    "extras",   "debloques",  "stats",      "defiDernier",
                            "FIRST_LANTERN", "SPARKS",   "paires",     "defiSuite",  "format",
                            "version",       "ecrit",    "scores",     "reglages",   "progression",
                            "succes",        "x"};

const char* const TEXTES[] = {"",        "12",    "1500.9",     " -3 ",   "20261208",
                              "2026120", "pt-BR", "PT",         "entier", "abc",
                              "1e999",   "0x10",  "\xc3\xa9!z", "\x01",   "tessimora-sauvegarde",
                              "true",    "null",  "ZZZZZZZZZZ"};

const double NOMBRES[] = {0,          -0.0,       1,        -1,   0.5,   1.7,     2,
                          3,          11.99,      12,       13,   65,    9999999, 10000000,
                          2147483646, 2147483647, 32505856, 1e21, 1e300, -1e300,  4.9e-324};

class Fuzz {
public:
    explicit Fuzz(unsigned g) : alea_(g) {}

    int entre(int n) { return int(alea_() % unsigned(n)); }

    QJsonValue valeur(int profondeur) {
        switch (entre(profondeur > 3 ? 4 : 6)) {
        case 0:
            return QJsonValue(NOMBRES[entre(std::size(NOMBRES))]);
        case 1:
            return QJsonValue(QString::fromUtf8(TEXTES[entre(std::size(TEXTES))]));
        case 2:
            return QJsonValue(entre(2) == 0);
        case 3:
            return QJsonValue(QJsonValue::Null);
        case 4: {
            QJsonArray a;
            for (int i = entre(5); i > 0; --i)
                a.append(valeur(profondeur + 1));
            return a;
        }
        default: {
            QJsonObject o;
            for (int i = entre(5); i > 0; --i)
                o.insert(QLatin1String(CLES[entre(std::size(CLES))]), valeur(profondeur + 1));
            return o;
        }
        }
    }

    // Replaces, drops or adds members here and there in a parsed record.
    QJsonValue muter(const QJsonValue& v, int profondeur) {
        if (entre(8) == 0) return valeur(profondeur);
        if (v.isObject()) {
            QJsonObject o = v.toObject();
            for (const QString& k : o.keys()) {
                if (entre(12) == 0)
                    o.remove(k);
                else
                    o.insert(k, muter(o.value(k), profondeur + 1));
            }
            if (entre(6) == 0)
                o.insert(QLatin1String(CLES[entre(std::size(CLES))]), valeur(profondeur));
            return o;
        }
        if (v.isArray()) {
            QJsonArray a;
            for (const QJsonValue& x : v.toArray())
                if (entre(10) != 0) a.append(muter(x, profondeur + 1));
            if (entre(5) == 0) a.append(valeur(profondeur));
            return a;
        }
        return v;
    }

    // Byte-level damage: cuts, repeats, stray characters.
    QString abimer(QString t) {
        for (int n = 1 + entre(3); n > 0 && !t.isEmpty(); --n) {
            const int i = entre(t.size());
            switch (entre(4)) {
            case 0:
                t.remove(i, 1 + entre(8));
                break;
            case 1:
                t.insert(i, t.mid(entre(t.size()), 1 + entre(16)));
                break;
            case 2:
                t.insert(i, QChar(ushort(entre(0x80) ? entre(0x80) : 0xd800 + entre(0x800))));
                break;
            default:
                t.truncate(i);
                break;
            }
        }
        return t;
    }

    QString entree(const QString& modele) {
        switch (entre(4)) {
        case 0:
            return QString::fromUtf8(
                QJsonDocument(valeur(0).toObject()).toJson(QJsonDocument::Compact));
        case 1:
            return abimer(modele);
        default: {
            const QJsonValue mute = muter(QJsonDocument::fromJson(modele.toUtf8()).object(), 0);
            QString t = mute.isObject()
                            ? QString::fromUtf8(
                                  QJsonDocument(mute.toObject()).toJson(QJsonDocument::Compact))
                            : QStringLiteral("[]");
            return entre(4) == 0 ? abimer(t) : t;
        }
        }
    }

private:
    std::mt19937 alea_;
};

// Runs `pointFixe` on many inputs derived from `modele`; it returns the
// written form of what was read, and that form must read back to itself.
void fuzzer(const QString& modele, const std::function<QString(const QString&)>& relire,
            unsigned decalage) {
    Fuzz f(graine() + decalage);
    for (int i = 0, n = tours(); i < n; ++i) {
        const QString t = f.entree(modele);
        const QString ecrit = relire(t);
        ASSERT_EQ(relire(ecrit), ecrit) << "input: " << t.toStdString();
    }
}

nuage::Enveloppe riche() {
    nuage::Enveloppe e;
    e.ecrit = 1765000000000;
    e.scores = stockage::lireScores(QString());
    stockage::Entree x;
    x.nom = "ZED";
    x.score = 123456;
    x.etape = 3;
    x.date = "20261208";
    stockage::inserer(e.scores, "daily", x);
    e.reglages.touches = {{"ok", 65}, {"retour", 66}};
    e.reglages.jeu.langue = "pt-BR";
    stockage::etapeFinie(e.progression, 5, 0);
    stockage::defiFini(e.progression, "20261208");
    e.progression.defiClasse = "20261208";
    e.succes.debloques = {{"FIRST_LANTERN", 5}, {"SPARKS", 6}};
    e.succes.stats[0] = 120;
    e.succes.defiDernier = "20261208";
    return e;
}

} // namespace

TEST(Fuzz, LecteursDesTextesStockes) {
    const nuage::Enveloppe e = riche();
    fuzzer(
        stockage::ecrireScores(e.scores),
        [](const QString& t) { return stockage::ecrireScores(stockage::lireScores(t)); }, 1);
    fuzzer(
        stockage::ecrireReglages(e.reglages),
        [](const QString& t) { return stockage::ecrireReglages(stockage::lireReglages(t)); }, 2);
    fuzzer(
        stockage::ecrireProgression(e.progression),
        [](const QString& t) { return stockage::ecrireProgression(stockage::lireProgression(t)); },
        3);
    fuzzer(
        succes::ecrire(e.succes), [](const QString& t) { return succes::ecrire(succes::lire(t)); },
        4);
}

TEST(Fuzz, LecteurEtFusionDuNuage) {
    const nuage::Enveloppe local = riche();
    const QString modele = nuage::ecrire(local);
    fuzzer(
        modele,
        [](const QString& t) {
            const nuage::PeutEtre e = nuage::lire(t);
            return e ? nuage::ecrire(*e) : QStringLiteral("{}");
        },
        5);

    // Whatever the cloud holds, the start-up merge keeps everything local
    // (no unlock, score or stage is lost) and settles: merging its result
    // again changes nothing.
    Fuzz f(graine() + 6);
    for (int i = 0, n = tours() / 4 + 1; i < n; ++i) {
        const QString t = f.entree(modele);
        const nuage::Depart d = nuage::fusionDepart(local, t);
        ASSERT_FALSE(nuage::differe(nuage::fusion(d.env, local), d.env)) << t.toStdString();
        ASSERT_GE(d.env.progression.etapeMax, local.progression.etapeMax);
        for (const auto& [id, quand] : local.succes.debloques)
            ASSERT_TRUE(succes::debloque(d.env.succes, id));
        ASSERT_GE(d.env.scores.tables[4][0].score, 123456);
        ASSERT_EQ(nuage::fusionDepart(d.env, nuage::ecrire(d.env)).versNuage, false)
            << t.toStdString();
    }
}
