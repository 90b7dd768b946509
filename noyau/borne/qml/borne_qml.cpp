#include "borne/qml/borne_qml.h"

#include "borne/modes.h"
#include "borne/scenes.h"
#include "ecran/qml/remplacer.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <cstdio>

bool ScenesQml::connue(const QString& nom) const {
    return scenes::scene(nom) != nullptr;
}

QString ScenesQml::fichier(const QString& nom) const {
    const scenes::Scene* s = scenes::scene(nom);
    if (!s) {
        std::fprintf(stderr, "tessimora: no scene is called \"%s\"\n", qPrintable(nom));
        return QString();
    }
    return QLatin1String(s->fichier);
}

int ScenesQml::duree(const QString& nom) const {
    const scenes::Scene* s = scenes::scene(nom);
    return s ? s->dureeMs : 0;
}

bool ScenesQml::musiqueTitre(const QString& nom) const {
    const scenes::Scene* s = scenes::scene(nom);
    return s && s->musiqueTitre;
}

bool ScenesQml::horsPartie(const QString& nom) const {
    const scenes::Scene* s = scenes::scene(nom);
    return s && s->horsPartie;
}

bool ScenesQml::attract(const QString& nom) const {
    const scenes::Scene* s = scenes::scene(nom);
    return s && s->attract;
}

void MonnayeurQml::changer(int credits, bool freePlay) {
    const bool avant = peutJouer();
    if (remplacer(credits_, credits)) emit creditsChanged();
    if (remplacer(freePlay_, freePlay)) emit freePlayChanged();
    if (peutJouer() != avant) emit peutJouerChanged();
}

void MonnayeurQml::setFreePlay(bool v) {
    changer(credits_, v);
}

void MonnayeurQml::inserer() {
    changer(std::min(scenes::CREDITS_MAX, credits_ + 1), freePlay_);
}

bool MonnayeurQml::payer() {
    if (freePlay_) return true;
    if (credits_ <= 0) return false;
    changer(credits_ - 1, freePlay_);
    return true;
}

void MonnayeurQml::rendre() {
    if (!freePlay_) changer(std::min(scenes::CREDITS_MAX, credits_ + 1), freePlay_);
}

QString AttractQml::suite(const QString& nom, bool apresPartie) {
    if (scenes::tableSuivante(nom)) {
        table_ = QLatin1String(modes::tableAttract(vues_));
        vues_ += 1;
        emit tableChanged();
    }
    return scenes::suiteAttract(nom, apresPartie);
}

void AttractQml::montrer(const QString& table) {
    if (remplacer(table_, table)) emit tableChanged();
}

LancementQml::LancementQml(QObject* parent)
    : QObject(parent), l_(lancement::lire(QCoreApplication::arguments())) {}

void enregistrerBorne() {
    qmlRegisterSingletonType<ScenesQml>(
        "Tessimora", 1, 0, "Scenes",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new ScenesQml; });
    qmlRegisterType<MonnayeurQml>("Tessimora", 1, 0, "Monnayeur");
    qmlRegisterType<AttractQml>("Tessimora", 1, 0, "Attract");
    qmlRegisterSingletonType<LancementQml>(
        "Tessimora", 1, 0, "Lancement",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new LancementQml; });
}
