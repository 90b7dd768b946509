#include "demarrage.h"
#include "famille.h"
#include "fournisseur.h"
#include "plateforme.h"

#include <QSignalSpy>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Records every call, and can answer later like a real service would.
class Espion : public Fournisseur {
public:
    QStringList* appels;
    explicit Espion(QStringList* journal) : appels(journal) {}
    QString nom() const override { return "espion"; }
    bool annonce() const override { return true; }
    void debloquer(const QString& id) override { *appels << "debloquer " + id; }
    void progresser(const QString& id, int v, int b, const QString& s) override {
        *appels << QString("progresser %1 %2 %3 %4").arg(id).arg(v).arg(b).arg(s);
    }
    void envoyerScore(const QString& n, int s, const QString& d) override {
        *appels << QString("score %1 %2 %3").arg(n).arg(s).arg(d);
    }
    void presence(const QString& c, const QString& v, const QString& g) override {
        *appels << "presence " + c + v + g;
    }
    QString lireNuage() override { return "nuage"; }
    void ecrireNuage(const QString& t) override { *appels << "ecrire " + t; }
    void repondreTard() { signalerNuage("tardif"), signalerSurcouche(true); }
};

} // namespace

TEST(Plateforme, SansFournisseurToutEstSilencieux) {
    Plateforme facade(QStringList{"tessimora", "--faux-fournisseur="});
    EXPECT_TRUE(facade.nom().isEmpty());
    EXPECT_FALSE(facade.nom().isNull()); // the scene tests the name as a text
    EXPECT_FALSE(facade.annonce());
    EXPECT_FALSE(facade.steamDeck());
    EXPECT_TRUE(facade.lireNuage().isEmpty());
    facade.debloquer("X");
    facade.ecrireNuage("y");
    EXPECT_TRUE(facade.manette().isNull());
}

TEST(Plateforme, TransmetChaqueAppelAuFournisseur) {
    QStringList appels;
    auto espion = std::make_unique<Espion>(&appels);
    Espion* brut = espion.get();
    Plateforme facade(std::move(espion));
    QSignalSpy nuage(&facade, &Plateforme::nuageLu);
    QSignalSpy surcouche(&facade, &Plateforme::surcoucheOuverte);

    facade.debloquer("FIRST_LANTERN");
    facade.progresser("LANTERN_FESTIVAL", 3, 100, "paires");
    facade.envoyerScore("night", 1200, "[1,2,3]");
    facade.presence("#Titre", "{}", "");
    facade.ecrireNuage("texte");
    EXPECT_EQ(appels,
              (QStringList{"debloquer FIRST_LANTERN", "progresser LANTERN_FESTIVAL 3 100 paires",
                           "score night 1200 [1,2,3]", "presence #Titre{}", "ecrire texte"}));
    EXPECT_EQ(facade.lireNuage(), "nuage");
    EXPECT_EQ(facade.nom(), "espion");
    EXPECT_TRUE(facade.annonce());

    brut->repondreTard();
    ASSERT_EQ(nuage.count(), 1);
    EXPECT_EQ(nuage.at(0).at(0).toString(), "tardif");
    ASSERT_EQ(surcouche.count(), 1);
    EXPECT_TRUE(surcouche.at(0).at(0).toBool());
}

TEST(Plateforme, FamilleDeManetteNeSignaleQueLesChangements) {
    Plateforme facade(QStringList{"tessimora", "--manette=playstation", "--manette=xbox"});
    QSignalSpy change(&facade, &Plateforme::manetteChange);
    EXPECT_EQ(facade.manette(), "playstation"); // the first argument wins
    facade.changerManette("playstation");
    EXPECT_EQ(change.count(), 0);
    facade.changerManette("xbox");
    facade.changerManette("xbox");
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(facade.manette(), "xbox");
}

TEST(Options, ValeursEtMotsEntiers) {
    const QStringList args{"tessimora", "--IPS", "-ips", "--manette=", "--scene=partie"};
    EXPECT_FALSE(optionPresente(args, "--ips"));
    EXPECT_TRUE(valeurOption(args, "manette").isEmpty());
    EXPECT_FALSE(valeurOption(args, "manette").isNull());
    EXPECT_TRUE(valeurOption(args, "faux-fournisseur").isNull());
    EXPECT_EQ(valeurOption(args, "scene"), "partie");
    EXPECT_FALSE(detectionManettes("", args)); // "--manette=" even empty turns it off
    EXPECT_FALSE(detectionManettes("steam", {"tessimora"}));
    EXPECT_TRUE(detectionManettes("faux", {"tessimora", "--Manette=xbox"}));
}

TEST(Famille, NomsDeManettes) {
    const std::pair<const char*, const char*> cas[] = {
        {"Xbox 360 Controller", "xbox"},
        {"WIRELESS CONTROLLER", "playstation"},
        {"Wireless Controller Pro", ""},
        {"Nintendo Switch Pro Controller", "nintendo"},
        {"Steam Deck Controller", "deck"},
        {"Sony DualSense", "playstation"},
        {"PS4 pad for Xbox fans", "playstation"},
        {"Microsoft X-Box pad", "xbox"},
        {"Valve Neptune", "deck"},
        {"Generic USB Joystick", ""},
        {"", ""},
    };
    for (const auto& [nom, famille] : cas)
        EXPECT_EQ(familleManette(nom), famille) << nom;
}
