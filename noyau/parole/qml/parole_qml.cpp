#include "parole/qml/parole_qml.h"

#include "i18n/qml/langue_qml.h"
#include "moteur/pile.h"
#include "moteur/qml/partie_qml.h"
#include "moteur/tuiles.h"
#include "parole/qml/recherche_qml.h"
#include "parole/voix.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <cmath>

ParoleQml::ParoleQml(QQmlEngine* moteur, QObject* parent) : QObject(parent), moteur_(moteur) {}

void ParoleQml::setActif(bool oui) {
    if (actif_ == oui) return;
    actif_ = oui;
    emit actifChanged();
}

void ParoleQml::dire(const parole::Enonce& e) {
    if (!actif_ || e.isEmpty()) return;
    Langue* langue = nullptr;
    if (moteur_) {
        const int type = qmlTypeId("Tessimora", 1, 0, "Langue");
        langue = moteur_->singletonInstance<Langue*>(type);
    }
    const QString texte = parole::texte(e, [langue](const QString& c, const QVariantMap& v) {
        return langue ? langue->catalogue().t(c, v) : c;
    });
    if (texte.isEmpty()) return;
    dernier_ = texte;
    parole::dire(texte, langue ? langue->code() : QStringLiteral("en"));
    emit dernierChanged(texte);
}

namespace {

parole::Enonce enonceEntree(const QVariantList& e) {
    return parole::entree(e.value(0).toString(), e.value(1).toMap(), e.value(2).toString());
}

} // namespace

void ParoleQml::scene(const QString& nom, const QVariantList& entree) {
    dire(parole::scene(nom) + enonceEntree(entree));
}

void ParoleQml::entree(const QVariantList& e) {
    dire(enonceEntree(e));
}

void ParoleQml::question(const QString& q, const QString& detail, bool oui) {
    dire(parole::question(q, detail, oui));
}

void ParoleQml::reponse(bool oui) {
    dire(parole::reponse(oui));
}

void ParoleQml::decompte(int n) {
    dire(parole::decompte(n));
}

void ParoleQml::tuile(PartieQml* partie, int i) {
    const partie::Partie* p = partie ? partie->donnees() : nullptr;
    if (!p || !p->g || i < 0 || i >= p->g->n || !p->present[std::size_t(i)]) return;
    dire(parole::tuile(p->motifs[std::size_t(i)], pile::libre(*p->g, p->present, i),
                       p->g->places[std::size_t(i)].z));
}

void ParoleQml::prise(PartieQml* partie, int i) {
    const partie::Partie* p = partie ? partie->donnees() : nullptr;
    if (!p || !p->g || i < 0 || i >= p->g->n) return;
    dire(parole::prise(p->motifs[std::size_t(i)]));
}

void ParoleQml::paire(int motif, int combo) {
    dire(parole::paire(motif, combo));
}

void ParoleQml::temps(double avantMs, double apresMs) {
    if (const int s = parole::seuil(avantMs, apresMs)) dire(parole::tempsRestant(s));
}

void ParoleQml::plusDePaires() {
    dire(parole::plusDePaires());
}

void ParoleQml::fin(int etat, double score) {
    const parole::Fin f = etat == PartieQml::Gagne   ? parole::Fin::Gagne
                          : etat == PartieQml::Temps ? parole::Fin::Temps
                                                     : parole::Fin::Impasse;
    dire(parole::fin(f, std::isfinite(score) ? qint64(score) : 0));
}

void ParoleQml::sommaire(PartieQml* partie) {
    const partie::Partie* p = partie ? partie->donnees() : nullptr;
    if (!p || !p->g) return;
    const int libres = int(pile::paires(*p->g, p->present, [p](int i) {
                               return tuiles::famille(p->motifs[std::size_t(i)]);
                           }).size());
    const int secondes =
        p->sansEncens ? -1 : int(std::ceil(std::max<double>(0, double(p->tempsMs)) / 1000));
    dire(parole::sommaire(p->restantes / 2, libres, secondes));
}

void ParoleQml::dire(const QString& cle, const QVariantMap& valeurs) {
    dire(parole::Enonce{{cle, valeurs, false}});
}

void enregistrerParole() {
    parole::journaliser(parole::journalDemande(QCoreApplication::arguments()));
    qmlRegisterSingletonType<ParoleQml>(
        "Tessimora", 1, 0, "Parole",
        [](QQmlEngine* e, QJSEngine*) -> QObject* { return new ParoleQml(e); });
    qmlRegisterSingletonType<RechercheQml>(
        "Tessimora", 1, 0, "Recherche",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new RechercheQml; });
}
