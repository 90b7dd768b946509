#include "plateforme/couche.h"

#include <algorithm>

namespace couche {

namespace {

bool envoyer(Port* f, const QString& operation, const QVariantList& arguments) {
    return f && f->appeler(operation, arguments).has_value();
}

// The provider's operations take 32-bit integers; counters and scores are
// already capped below that, this only keeps a stray value from wrapping.
int entier(qint64 v) {
    return int(std::clamp<qint64>(v, -2147483647 - 1, 2147483647));
}

} // namespace

bool a(const Port* f, const QString& nom) {
    return f && f->a(nom);
}

bool actif(const Port* f) {
    if (!f) return false;
    const std::optional<QString> nom = f->texte(QStringLiteral("nom"));
    return nom && !nom->isEmpty();
}

bool debloquer(Port* f, const QString& id) {
    return envoyer(f, QStringLiteral("debloquer"), {id});
}

bool progresser(Port* f, const QString& id, qint64 valeur, qint64 but, const QString& stat) {
    return envoyer(f, QStringLiteral("progresser"), {id, entier(valeur), entier(but), stat});
}

bool envoyerScore(Port* f, const QString& nom, qint64 score, const std::vector<qint64>& details) {
    return envoyer(f, QStringLiteral("envoyerScore"),
                   {nom, entier(score), classements::detailsJson(details)});
}

namespace {

template <typename Evenement>
Resultat appliquer(succes::Etat& e, const Evenement& ev, Port* f, double date) {
    const classements::Compteurs avant = e.stats;
    Resultat r;
    static_cast<succes::Resultat&>(r) = succes::evenement(e, ev, date);
    for (const QString& id : r.nouveaux)
        debloquer(f, id);
    for (const succes::Avancee& p : r.progres)
        progresser(f, p.id, p.valeur, p.but, p.stat);
    for (const classements::Envoi& envoi : classements::records(e.stats, &avant))
        envoyerScore(f, envoi.nom, envoi.score, envoi.details);
    // Unlocks and the last day counted never change without a counter or an
    // unlock changing too, so this covers the whole state.
    r.garder = !r.nouveaux.isEmpty() || !r.progres.empty() || e.stats != avant;
    return r;
}

} // namespace

Resultat evenement(succes::Etat& e, const evenements::Evenement& ev, Port* f, double date) {
    return appliquer(e, ev, f, date);
}

Resultat evenement(succes::Etat& e, const QJsonObject& ev, Port* f, double date) {
    return appliquer(e, ev, f, date);
}

int synchroniser(const succes::Etat& e, Port* f) {
    int n = 0;
    for (const succes::Definition& d : succes::LISTE) {
        const QString id = QLatin1String(d.id);
        if (succes::debloque(e, id)) {
            n += debloquer(f, id) ? 1 : 0;
        } else if (d.stat >= 0) {
            const qint64 v = e.stats[std::size_t(d.stat)];
            if (v > 0)
                progresser(f, id, std::min<qint64>(v, d.but), d.but,
                           QLatin1String(succes::STATS[std::size_t(d.stat)]));
        }
    }
    return n;
}

int finPartie(const classements::Fin& fin, Port* f) {
    int n = 0;
    for (const classements::Envoi& e : classements::envois(fin))
        n += envoyerScore(f, e.nom, e.score, e.details) ? 1 : 0;
    return n;
}

QString presence(const presence::EtatBorne& b, Port* f, const QString& dernier) {
    const presence::Statut st = presence::statut(b);
    const QString cle = presence::cle(st);
    if (cle == dernier) return dernier;
    const bool fait =
        envoyer(f, QStringLiteral("presence"), {st.cle, presence::valeursJson(st), st.groupe});
    return fait ? cle : dernier;
}

QString lireNuage(Port* f) {
    if (!f) return QString();
    const std::optional<QVariant> r = f->appeler(QStringLiteral("lireNuage"), {});
    return r && r->userType() == QMetaType::QString ? r->toString() : QString();
}

bool ecrireNuage(Port* f, const nuage::Enveloppe& env) {
    return envoyer(f, QStringLiteral("ecrireNuage"), {nuage::ecrire(env)});
}

} // namespace couche
