// The language object as scenes see it: bindings through Langue.t follow a
// change, loads end in a callback, files are skipped or warned about.

#include "i18n/langue.h"
#include "i18n/qml/langue_qml.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml>
#include <gtest/gtest.h>
#include <memory>

void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

QStringList avertissements;

void capter(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg) avertissements.append(message);
}

// A device whose first language we do not offer and whose second we do.
int typeEssai() {
    static const int id = qmlRegisterSingletonType<Langue>(
        "Essai", 1, 0, "Langue", [](QQmlEngine* moteur, QJSEngine*) -> QObject* {
            auto* l = new Langue(nullptr, {QStringLiteral("nb-NO"), QStringLiteral("da-DK")});
            l->lier(moteur);
            return l;
        });
    return id;
}

const char* SCENE = R"(
import QtQml 2.15
import Essai 1.0
QtObject {
    property string oui: Langue.t("YES")
    property string score: Langue.t("SCORE {n}", { n: 5 })
    property string garde: Langue.t("{ok} START")
    property string retour: Langue.t("remote|BACK")
    property string lanternes: Langue.p("{n} LANTERN", "{n} LANTERNS", 3)
    property var finis: []
    function choisir(c) { Langue.choisir(c, function () { finis = finis.concat([c]) }) }
}
)";

class ObjetLangue : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        ecrire(
            "fr",
            R"({"@": "note", "YES": "OUI", "SCORE {n}": "SCORE : {n}", "{ok} START": "{ok} JOUER",
                         "{n} LANTERNS": {"one": "{n} LANTERNE", "other": "{n} LANTERNES"}})");
        ecrire("de", R"({"YES": "JA"})");
        ecrire("pt", R"({"YES": "SIM", "NO": "NÃO"})");
        ecrire("es", R"({"YES": "SÍ", "NO": "NO ES"})");
        ecrire("es-419", R"({"NO": "NO LATAM"})");
        ecrire("da", R"({"YES": "JA!"})");
        ecrire("it", R"({"YES": )");
        langue = moteur.singletonInstance<Langue*>(typeEssai());
        ASSERT_NE(langue, nullptr);
        langue->setDossier(dossier.path());
        QQmlComponent composant(&moteur);
        composant.setData(SCENE, QUrl(QStringLiteral("qrc:/essai.qml")));
        scene.reset(composant.create());
        ASSERT_NE(scene, nullptr) << composant.errorString().toStdString();
        avertissements.clear();
        ancien = qInstallMessageHandler(capter);
    }
    void TearDown() override { qInstallMessageHandler(ancien); }

    void ecrire(const char* code, const char* contenu) {
        QFile f(dossier.filePath(QString::fromUtf8(code) + QStringLiteral(".json")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QString lu(const char* propriete) const { return scene->property(propriete).toString(); }
    QStringList finis() const { return scene->property("finis").toStringList(); }
    void choisir(const char* code) {
        QMetaObject::invokeMethod(scene.get(), "choisir", Q_ARG(QVariant, QString::fromUtf8(code)));
    }
    // Runs the event loop until `n` loads have called back (bounded, so a
    // lost callback fails instead of hanging).
    bool attendre(int n) {
        QElapsedTimer montre;
        montre.start();
        while (finis().size() < n && montre.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        QCoreApplication::processEvents();
        return finis().size() == n;
    }

    QTemporaryDir dossier;
    QQmlEngine moteur;
    Langue* langue = nullptr;
    std::unique_ptr<QObject> scene;
    QtMessageHandler ancien = nullptr;
};

} // namespace

TEST_F(ObjetLangue, DepartEnAnglais) {
    EXPECT_EQ(langue->code(), "en");
    EXPECT_EQ(langue->revision(), 0);
    EXPECT_FALSE(langue->pret());
    EXPECT_EQ(langue->systeme(), "da");
    EXPECT_EQ(lu("oui"), "YES");
    EXPECT_EQ(lu("score"), "SCORE 5");
    EXPECT_EQ(lu("garde"), "{ok} START");
    EXPECT_EQ(lu("retour"), "BACK");
    EXPECT_EQ(lu("lanternes"), "3 LANTERNS");
    EXPECT_EQ(langue->nom(QJSValue(QStringLiteral("fr"))), QStringLiteral("FRANÇAIS"));
    EXPECT_EQ(langue->nom(QJSValue(QStringLiteral("xx"))), "xx");
    EXPECT_EQ(langue->langues().size(), 31);
}

TEST_F(ObjetLangue, LesTextesLiesSuiventLeChangement) {
    choisir("fr");
    // Nothing changes before the load has ended.
    EXPECT_EQ(lu("oui"), "YES");
    EXPECT_FALSE(langue->traduit(QJSValue(QStringLiteral("YES"))));
    ASSERT_TRUE(attendre(1));
    EXPECT_EQ(langue->code(), "fr");
    // Drawn English strips give way to text only for keys the language has.
    EXPECT_TRUE(langue->traduit(QJSValue(QStringLiteral("YES"))));
    EXPECT_FALSE(langue->traduit(QJSValue(QStringLiteral("NOT A KEY"))));
    EXPECT_FALSE(langue->traduit(QJSValue()));
    EXPECT_TRUE(langue->pret());
    EXPECT_EQ(langue->revision(), 1);
    EXPECT_EQ(lu("oui"), "OUI");
    EXPECT_EQ(lu("score"), "SCORE : 5");
    EXPECT_EQ(lu("garde"), "{ok} JOUER");
    EXPECT_EQ(lu("lanternes"), "3 LANTERNES");

    choisir("en");
    ASSERT_TRUE(attendre(2));
    EXPECT_EQ(langue->code(), "en");
    EXPECT_EQ(langue->revision(), 2);
    EXPECT_EQ(lu("oui"), "YES");
    EXPECT_TRUE(avertissements.isEmpty());
}

TEST_F(ObjetLangue, ReplisEtFichiersManquants) {
    // No pt-BR file: the Portuguese one stays in force under the Brazilian code.
    choisir("pt-BR");
    ASSERT_TRUE(attendre(1));
    EXPECT_EQ(langue->code(), "pt-BR");
    EXPECT_EQ(lu("oui"), "SIM");

    choisir("es-419");
    ASSERT_TRUE(attendre(2));
    EXPECT_EQ(langue->catalogue().t(QStringLiteral("NO")), "NO LATAM");
    EXPECT_EQ(lu("oui"), QStringLiteral("SÍ"));

    // No file at all: English texts, the language's own code.
    choisir("fi");
    ASSERT_TRUE(attendre(3));
    EXPECT_EQ(langue->code(), "fi");
    EXPECT_EQ(lu("oui"), "YES");
    EXPECT_TRUE(avertissements.isEmpty());
}

TEST_F(ObjetLangue, ChoixInconnuPrendLaLangueDeLAppareil) {
    choisir("");
    ASSERT_TRUE(attendre(1));
    EXPECT_EQ(langue->code(), "da");
    choisir("ru");
    ASSERT_TRUE(attendre(2));
    EXPECT_EQ(langue->code(), "da");
    EXPECT_EQ(lu("oui"), "JA!");
}

TEST_F(ObjetLangue, FichierIllisibleAverti) {
    choisir("it");
    ASSERT_TRUE(attendre(1));
    EXPECT_EQ(langue->code(), "it");
    EXPECT_EQ(lu("oui"), "YES");
    ASSERT_EQ(avertissements.size(), 1);
    EXPECT_TRUE(avertissements.front().startsWith(QStringLiteral("Langue : it.json illisible : ")))
        << avertissements.front().toStdString();
}

TEST_F(ObjetLangue, LeDernierChoixGagne) {
    // Two files for pt-BR, one for fr: the shorter load must not overtake.
    choisir("pt-BR");
    choisir("fr");
    ASSERT_TRUE(attendre(2));
    EXPECT_EQ(finis(), QStringList({"pt-BR", "fr"}));
    EXPECT_EQ(langue->code(), "fr");
    EXPECT_EQ(lu("oui"), "OUI");
    EXPECT_EQ(langue->revision(), 2);

    // A callback may ask for another language; each load still ends once.
    langue->charger(QStringLiteral("de"), [this] { choisir("es"); });
    ASSERT_TRUE(attendre(3));
    EXPECT_EQ(finis(), QStringList({"pt-BR", "fr", "es"}));
    EXPECT_EQ(langue->code(), "es");
    EXPECT_EQ(langue->revision(), 4);
}

TEST(ObjetLangueDuJeu, EnregistreEtLitLesCataloguesDuProgramme) {
    enregistrerLangue();
    QQmlEngine moteur;
    QQmlComponent composant(&moteur);
    composant.setData(R"(
import QtQml 2.15
import Tessimora 1.0
QtObject {
    property string oui: Langue.t("YES")
    property bool fini: false
    Component.onCompleted: Langue.choisir("fr", function () { fini = true })
}
)",
                      QUrl(QStringLiteral("qrc:/essai.qml")));
    std::unique_ptr<QObject> scene(composant.create());
    ASSERT_NE(scene, nullptr) << composant.errorString().toStdString();
    QElapsedTimer montre;
    montre.start();
    while (!scene->property("fini").toBool() && montre.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ASSERT_TRUE(scene->property("fini").toBool());
    if (QFile::exists(QStringLiteral(":/app/i18n/fr.json"))) {
        EXPECT_NE(scene->property("oui").toString(), "YES");
    }
}

// The game's own parser must read every catalogue, not only the tool's.
TEST(CataloguesDuProgramme, ChacunSeLitEnEntier) {
    QFile en(QStringLiteral(":/app/i18n/en.json"));
    ASSERT_TRUE(en.open(QIODevice::ReadOnly));
    const langue::Lecture anglais = langue::lire(en.readAll());
    ASSERT_EQ(anglais.etat, langue::Lecture::Lu);
    for (const langue::Langage& l : langue::LANGUES) {
        QFile f(QStringLiteral(":/app/i18n/%1.json").arg(QString::fromUtf8(l.code)));
        if (!f.open(QIODevice::ReadOnly)) continue; // the catalogue checks report missing files
        const langue::Lecture lecture = langue::lire(f.readAll());
        ASSERT_EQ(lecture.etat, langue::Lecture::Lu)
            << l.code << " " << lecture.erreur.toStdString();
        langue::Catalogue c;
        c.installer(QString::fromUtf8(l.code), {lecture.table});
        if (QLatin1String(l.code) != QLatin1String("en")) {
            EXPECT_EQ(c.taille(), anglais.table.size() - 2) << l.code; // less "@" and "@sources"
        }
    }
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
