#include "sauvegarde/qml/salon_qml.h"

#include "moteur/qml/partie_qml.h"
#include "sauvegarde/nuage.h"
#include "sauvegarde/qml/js_qml.h"
#include "sauvegarde/salon.h"

#include <QtQml>

namespace {

salon::Salon salonDe(const QJSValue& v) {
    return salon::lire(js::versJson(v));
}

// What the game record counts at the end of a stack.
salon::Fin finDe(const partie::Partie& p, double date) {
    salon::Fin f;
    f.gagne = p.etat == partie::Etat::Gagne;
    f.temps = p.horloge;
    f.score = p.score;
    f.paires = p.stats.paires;
    f.hint = p.stats.hint;
    f.undo = p.stats.undo;
    f.mix = p.stats.mix;
    f.date = date;
    return f;
}

BilanSalon enregistrement(const salon::Bilan& b) {
    BilanSalon r;
    r.gagne = b.gagne;
    r.temps = static_cast<double>(b.temps);
    r.score = static_cast<double>(b.score);
    r.paires = b.paires;
    r.hint = b.hint;
    r.undo = b.undo;
    r.mix = b.mix;
    r.meilleurTemps = b.meilleurTemps;
    r.meilleurScore = b.meilleurScore;
    r.ancienTemps = b.ancienTemps;
    r.ancienScore = b.ancienScore;
    r.premiere = b.premiere;
    r.nouveauTemps = b.nouveauTemps;
    r.nouveauScore = b.nouveauScore;
    return r;
}

} // namespace

QJSValue SalonQml::vide() const {
    return js::depuisTexte(this, salon::ecrire({}));
}

QJSValue SalonQml::lire(const QJSValue& texte) const {
    return js::depuisTexte(
        this, salon::ecrire(salon::lire(texte.isString() ? texte.toString() : QString())));
}

QString SalonQml::ecrire(const QJSValue& s) const {
    return salon::ecrire(salonDe(s));
}

QJSValue SalonQml::copie(const QJSValue& s) const {
    return js::depuisTexte(this, ecrire(s));
}

QVariant SalonQml::entree(const QJSValue& s, const QString& nom, const QString& empreinte) const {
    const salon::Salon lu = salonDe(s);
    const salon::Record* r = salon::trouver(lu, nom, empreinte);
    if (!r) return QVariant::fromValue(nullptr);
    return QVariantMap{
        {QStringLiteral("nom"), r->nom},     {QStringLiteral("empreinte"), r->empreinte},
        {QStringLiteral("temps"), r->temps}, {QStringLiteral("score"), r->score},
        {QStringLiteral("fini"), r->fini},   {QStringLiteral("date"), r->date}};
}

BilanSalon SalonQml::apres(QJSValue s, const QString& nom, const QString& empreinte,
                           QObject* partie, double date) const {
    auto* face = qobject_cast<PartieQml*>(partie);
    const partie::Partie* p = face ? face->donnees() : nullptr;
    if (!p) return {};
    salon::Salon lu = salonDe(s);
    const salon::Bilan b = salon::apres(lu, nom, empreinte, finDe(*p, date));
    js::remplacer(s, js::depuisTexte(this, salon::ecrire(lu)));
    return enregistrement(b);
}

QJSValue SalonQml::fusion(const QJSValue& a, const QJSValue& b) const {
    return js::depuisTexte(this, salon::ecrire(salon::fusion(salonDe(a), salonDe(b))));
}

bool SalonQml::differe(const QJSValue& a, const QJSValue& b) const {
    return salon::ecrire(salonDe(a)) != salon::ecrire(salonDe(b));
}

QString SalonQml::duree(double ms) const {
    return salon::duree(ms);
}

QJSValue SalonQml::depuisNuage(const QString& texte) const {
    const nuage::PeutEtre env = nuage::lire(texte);
    return js::depuisTexte(this, salon::ecrire(env ? env->salon : salon::Salon{}));
}

void enregistrerSalon() {
    qmlRegisterSingletonType<SalonQml>(
        "Tessimora", 1, 0, "Salon",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new SalonQml; });
    qRegisterMetaType<BilanSalon>();
}
