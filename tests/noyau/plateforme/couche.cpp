#include "plateforme/couche.h"

#include <QJsonDocument>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QJsonObject objet(const char* texte) {
    return QJsonDocument::fromJson(QByteArray(texte)).object();
}

// A provider double: it writes down every call that reaches it, and can lack
// operations, fail some, or give answers of the wrong kind.
class Double : public couche::Port {
public:
    std::optional<QString> nom = QStringLiteral("double");
    QSet<QString> absentes;
    QSet<QString> enPanne;
    std::optional<QVariant> reponseNuage = QVariant(QStringLiteral("texte du nuage"));
    QStringList appels;

    bool a(const QString& op) const override { return !absentes.contains(op); }
    std::optional<QString> texte(const QString& n) const override {
        return n == QLatin1String("nom") ? nom : std::nullopt;
    }
    std::optional<QVariant> appeler(const QString& op, const QVariantList& args) override {
        if (absentes.contains(op)) return std::nullopt;
        QStringList t;
        for (const QVariant& v : args)
            t << v.toString();
        appels << op + QLatin1Char(' ') + t.join(QLatin1Char(' '));
        if (enPanne.contains(op)) return std::nullopt;
        if (op == QLatin1String("lireNuage")) return reponseNuage;
        return QVariant();
    }
};

} // namespace

TEST(Couche, SansFournisseurRienNePartMaisToutSeCompte) {
    succes::Etat e;
    const couche::Resultat r =
        couche::evenement(e, objet("{\"type\":\"paire\",\"combo\":3}"), nullptr, 5);
    EXPECT_EQ(r.nouveaux, QStringList({"FIRST_LANTERN", "SPARKS"}));
    EXPECT_TRUE(r.garder);
    EXPECT_TRUE(succes::debloque(e, "SPARKS"));
    EXPECT_FALSE(couche::actif(nullptr));
    EXPECT_FALSE(couche::a(nullptr, "debloquer"));
    EXPECT_FALSE(couche::debloquer(nullptr, "SPARKS"));
    EXPECT_EQ(couche::finPartie(classements::depuisJson(objet("{\"mode\":\"night\",\"score\":9}")),
                                nullptr),
              0);
    EXPECT_EQ(couche::presence({}, nullptr, "x"), "x");
    EXPECT_EQ(couche::lireNuage(nullptr), "");
    EXPECT_EQ(couche::synchroniser(e, nullptr), 0);
}

TEST(Couche, UnEvenementDitTout) {
    Double f;
    succes::Etat e;
    succes::evenement(e, objet("{\"type\":\"paire\"}"), 1); // an earlier pair
    e.stats[std::size_t(succes::indiceStat("paires"))] = 99;
    const couche::Resultat r =
        couche::evenement(e, objet("{\"type\":\"paire\",\"combo\":1}"), &f, 7);
    // The 100th pair: its unlock, the progress of the two tiers above, then
    // the all-time record.
    EXPECT_EQ(f.appels, QStringList({"debloquer HUNDRED_LANTERNS",
                                     "progresser THOUSAND_LANTERNS 100 1000 paires",
                                     "progresser LANTERN_FESTIVAL 100 5000 paires",
                                     "envoyerScore RECORD_PAIRS 100 []"}));
    EXPECT_TRUE(r.garder);

    // Nothing new, nothing counted: nothing to store and nothing sent.
    f.appels.clear();
    const couche::Resultat rien = couche::evenement(e, objet("{\"type\":\"inconnu\"}"), &f, 8);
    EXPECT_FALSE(rien.garder);
    EXPECT_TRUE(f.appels.isEmpty());
    // A best that does not improve changes nothing either.
    EXPECT_FALSE(couche::evenement(e, objet("{\"type\":\"glissant\",\"niveau\":0}"), &f, 9).garder);
    // A counter that moves with no unlock and no progress to report is
    // still stored: the second stack counts without unlocking anything.
    const QJsonObject pile = objet("{\"type\":\"pile\",\"mode\":\"rush\",\"piles\":1}");
    EXPECT_EQ(couche::evenement(e, pile, &f, 9).nouveaux, QStringList({"STALL_IS_OPEN"}));
    const couche::Resultat seconde = couche::evenement(e, pile, &f, 10);
    EXPECT_TRUE(seconde.nouveaux.isEmpty() && seconde.progres.empty());
    EXPECT_TRUE(seconde.garder);
}

TEST(Couche, UnFournisseurQuiFlancheNArreteRien) {
    Double f;
    f.enPanne = {"debloquer", "progresser", "envoyerScore", "presence", "lireNuage", "ecrireNuage"};
    succes::Etat e;
    const couche::Resultat r =
        couche::evenement(e, objet("{\"type\":\"paire\",\"combo\":9}"), &f, 1);
    EXPECT_EQ(r.nouveaux.size(), 4);
    EXPECT_EQ(succes::nombre(e), 4);
    EXPECT_FALSE(couche::debloquer(&f, "SPARKS"));
    EXPECT_EQ(couche::synchroniser(e, &f), 0);
    EXPECT_EQ(
        couche::finPartie(classements::depuisJson(objet("{\"mode\":\"night\",\"score\":9}")), &f),
        0);
    EXPECT_EQ(couche::presence({}, &f, ""), "");
    EXPECT_EQ(couche::lireNuage(&f), "");
    EXPECT_FALSE(couche::ecrireNuage(&f, nuage::Enveloppe()));

    // Operations it lacks are never called; one it has still counts.
    Double g;
    g.absentes = {"debloquer", "presence"};
    EXPECT_FALSE(couche::debloquer(&g, "SPARKS"));
    EXPECT_EQ(couche::presence({}, &g, "avant"), "avant");
    EXPECT_TRUE(couche::progresser(&g, "FEVER_REGULAR", 3, 25, "fevers"));
    EXPECT_EQ(g.appels, QStringList({"progresser FEVER_REGULAR 3 25 fevers"}));

    // A name that is not a text, or an empty one, is no provider.
    g.nom = std::nullopt;
    EXPECT_FALSE(couche::actif(&g));
    g.nom = QString();
    EXPECT_FALSE(couche::actif(&g));
    g.nom = QStringLiteral("x");
    EXPECT_TRUE(couche::actif(&g));

    // A cloud answer that is not a text counts as no cloud text.
    g.reponseNuage = QVariant(42);
    EXPECT_EQ(couche::lireNuage(&g), "");
    g.reponseNuage = QVariant();
    EXPECT_EQ(couche::lireNuage(&g), "");
    g.reponseNuage = QVariant(QStringLiteral("{}"));
    EXPECT_EQ(couche::lireNuage(&g), "{}");
}

TEST(Couche, SynchronisationAuDemarrage) {
    Double f;
    succes::Etat e;
    e.debloques = {{"SPARKS", 1}, {"FIRST_LANTERN", 2}};
    e.stats[std::size_t(succes::indiceStat("paires"))] = 1200;
    e.stats[std::size_t(succes::indiceStat("fevers"))] = 3;
    e.debloques.emplace_back("HUNDRED_LANTERNS", 3);
    EXPECT_EQ(couche::synchroniser(e, &f), 3);
    // Catalogue order; a locked tier shows its counter capped at the goal.
    EXPECT_EQ(f.appels,
              QStringList({"debloquer FIRST_LANTERN", "debloquer SPARKS",
                           "progresser FEVER_REGULAR 3 25 fevers", "debloquer HUNDRED_LANTERNS",
                           "progresser THOUSAND_LANTERNS 1000 1000 paires",
                           "progresser LANTERN_FESTIVAL 1200 5000 paires"}));
}

TEST(Couche, FinDePartieEtStatut) {
    Double f;
    EXPECT_EQ(couche::finPartie(classements::depuisJson(objet(
                                    "{\"mode\":\"rush\",\"score\":4200,\"etape\":3,\"piles\":2}")),
                                &f),
              1);
    EXPECT_EQ(f.appels, QStringList({"envoyerScore INCENSE_RUSH 4200 [3,2,0]"}));

    f.appels.clear();
    const presence::EtatBorne etape = presence::depuisJson(
        objet("{\"scene\":\"partie\",\"sorte\":\"pile\",\"mode\":\"night\",\"etape\":1}"));
    const QString cle = couche::presence(etape, &f, "");
    EXPECT_EQ(cle, "{\"cle\":\"#Night\",\"valeurs\":{\"etape\":\"2\"},\"groupe\":\"\"}");
    EXPECT_EQ(couche::presence(etape, &f, cle), cle);
    EXPECT_EQ(f.appels, QStringList({"presence #Night {\"etape\":\"2\"} "}));

    // A status that failed is tried again on the next call.
    f.enPanne = {"presence"};
    const presence::EtatBorne menu = presence::depuisJson(objet("{\"scene\":\"menu\"}"));
    EXPECT_EQ(couche::presence(menu, &f, cle), cle);
    EXPECT_EQ(couche::presence(menu, &f, cle), cle);
    f.enPanne.clear();
    EXPECT_NE(couche::presence(menu, &f, cle), cle);
    EXPECT_EQ(f.appels.size(), 4);
}
