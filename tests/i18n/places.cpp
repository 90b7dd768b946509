// Every text a scene draws must fit its place in every language. The places
// are a table (places.json beside this file): the key, the style, the room it
// has on the 384-pixel screen and the scale the scene draws it at. Each text
// is laid out with the game font's own rule, in each catalogue, through the
// same lookup the game uses; help lines are cut into pieces as the scene cuts
// them and measured with the key labels of every device. A scene that draws
// a new text adds a row.

#include "borne/aide.h"
#include "borne/commandes.h"
#include "ecran/police.h"
#include "i18n/langue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString SOURCES = QStringLiteral(TESSIMORA_SOURCES);

QJsonObject lireJson(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

struct Place {
    QString scene, cle, un, style;
    int largeur = 0;
    int echelle = 1;
    bool aide = false;
    QVariantMap valeurs;
    QList<double> nombres;
    QStringList plateformes; // empty: every platform
};

QList<Place> places() {
    QList<Place> r;
    const QJsonArray lignes =
        lireJson(SOURCES + "/tests/i18n/places.json").value("places").toArray();
    for (const QJsonValue& v : lignes) {
        const QJsonObject o = v.toObject();
        Place p;
        p.scene = o.value("scene").toString();
        p.cle = o.value("cle").toString();
        p.un = o.value("un").toString();
        p.style = o.value("style").toString("blanc");
        p.largeur = o.value("largeur").toInt();
        p.echelle = o.value("echelle").toInt(1);
        p.aide = o.value("aide").toBool();
        p.valeurs = o.value("valeurs").toObject().toVariantMap();
        for (const QJsonValue& x : o.value("plateformes").toArray())
            p.plateformes << x.toString();
        for (const QJsonValue& n : o.value("nombres").toArray({1, 2, 5, 22}))
            p.nombres << n.toDouble();
        r << p;
    }
    return r;
}

std::unique_ptr<langue::Catalogue> catalogue(const QString& code) {
    auto c = std::make_unique<langue::Catalogue>();
    QList<QJsonObject> tables;
    for (const QString& fichier : langue::chaine(code))
        tables << lireJson(SOURCES + "/app/i18n/" + fichier + ".json");
    c->installer(code, tables);
    return c;
}

// The devices whose labels a help line may show, each with its platform.
struct Appareil {
    const char* nom;
    const char* plateforme;
    const char* famille;
};
constexpr Appareil APPAREILS[] = {
    {"clavier", "linux", ""},         {"manette", "linux", ""},
    {"manette", "linux", "xbox"},     {"manette", "linux", "playstation"},
    {"manette", "linux", "nintendo"}, {"manette", "linux", "deck"},
    {"telecommande", "freebox", ""},  {"telecommande", "android", ""},
    {"tactile", "android", ""},
};

struct Mesure {
    QString texte;
    int largeur = 0;
    QString appareil; // the device whose labels made a help line widest
};

QList<Mesure> mesurer(const Place& p, const langue::Catalogue& c) {
    QList<Mesure> r;
    if (!p.un.isEmpty()) {
        for (double n : p.nombres) {
            const QString t = c.p(p.un, p.cle, n, p.valeurs);
            r << Mesure{t, police::disposer(t, p.style, c.code(), {}).largeur, {}};
        }
        return r;
    }
    const QString t = c.t(p.cle, p.valeurs);
    if (!p.aide) {
        r << Mesure{t, police::disposer(t, p.style, c.code(), {}).largeur, {}};
        return r;
    }
    Mesure pire{t, -1, {}};
    const commandes::Traduction tr = [&c](const QString& cle) { return c.t(cle); };
    for (const Appareil& a : APPAREILS) {
        if (!p.plateformes.isEmpty() && !p.plateformes.contains(QLatin1String(a.plateforme)))
            continue;
        commandes::Table table;
        table.choisirFamille(a.famille);
        const auto e = table.etiquettes(a.nom, a.plateforme, tr);
        const auto morceaux = aide::decouper(t, e);
        const int l = aide::largeur(morceaux);
        if (l <= pire.largeur) continue;
        QString lu;
        for (const aide::Morceau& m : morceaux)
            lu += m.touche ? "[" + m.texte + "]" : m.texte;
        const QString famille = *a.famille ? QStringLiteral(" (%1)").arg(a.famille) : QString();
        pire = {lu, l, QStringLiteral("%1 on %2%3").arg(a.nom, a.plateforme, famille)};
    }
    r << pire;
    return r;
}

} // namespace

TEST(Places, LaTableEstLisible) {
    const QList<Place> l = places();
    ASSERT_FALSE(l.isEmpty()) << "no rows read from tests/i18n/places.json";
    const QJsonObject en = lireJson(SOURCES + "/app/i18n/en.json");
    for (const Place& p : l) {
        const QString ou = p.scene + " " + p.cle;
        EXPECT_TRUE(en.contains(p.cle)) << ou.toStdString() << ": not a catalogue key";
        EXPECT_TRUE(p.un.isEmpty() || en.value(p.cle).isObject())
            << ou.toStdString() << ": \"un\" given for a key that has no plural forms";
        EXPECT_GT(p.largeur, 0) << ou.toStdString() << ": no room given";
        EXPECT_GE(p.echelle, 1) << ou.toStdString();
        EXPECT_TRUE(police::styles().contains(p.style))
            << ou.toStdString() << ": style " << p.style.toStdString();
        // A placeholder without a value would be measured as its braces.
        if (!p.aide) {
            QString t = langue::inserer(langue::anglais(p.cle), p.valeurs);
            if (!p.un.isEmpty()) t += langue::inserer(p.un, p.valeurs);
            EXPECT_FALSE(t.contains('{'))
                << ou.toStdString() << ": give \"valeurs\" for its placeholders";
        }
    }
}

TEST(Places, ChaqueTexteTientDansChaqueLangue) {
    const QList<Place> l = places();
    for (const langue::Langage& langage : langue::LANGUES) {
        const QString code = QString::fromUtf8(langage.code);
        const auto c = catalogue(code);
        for (const Place& p : l) {
            for (const Mesure& m : mesurer(p, *c)) {
                const int large = m.largeur * p.echelle;
                if (large <= p.largeur) continue;
                ADD_FAILURE() << code.toStdString() << ": \"" << p.cle.toStdString() << "\" ("
                              << p.scene.toStdString() << ") is " << large << " px wide, room "
                              << p.largeur << " px"
                              << (m.appareil.isEmpty() ? "" : ", with the keys of ")
                              << m.appareil.toStdString() << ": " << m.texte.toStdString();
            }
        }
    }
}

// CONTROLS shows, from x 150, every device's text for each action: all the
// keys of the keyboard joined, the mouse's and touch's gestures, the labels
// of pads and remotes. None may run off the screen.
TEST(Places, ChaqueLibelleDeControlsTient) {
    constexpr int PLACE = 230;
    for (const langue::Langage& langage : langue::LANGUES) {
        const QString code = QString::fromUtf8(langage.code);
        const auto c = catalogue(code);
        const commandes::Traduction tr = [&c](const QString& cle) { return c->t(cle); };
        for (const char* plateforme : {"linux", "android", "freebox"}) {
            const commandes::Table table;
            for (const QString& app : commandes::appareils(QLatin1String(plateforme))) {
                for (const char* a : commandes::ACTIONS) {
                    const QString t =
                        table.libelle(QLatin1String(a), app, QLatin1String(plateforme), tr);
                    const int large = police::disposer(t, "jade", code, {}).largeur;
                    EXPECT_LE(large, PLACE)
                        << code.toStdString() << ": CONTROLS, " << a << " on " << app.toStdString()
                        << " (" << plateforme << "): " << t.toStdString();
                }
            }
        }
    }
}
