#include "chargement.h"

#include "moteur/importation.h"
#include "piles/piles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr qint64 OCTETS_MAX = 1 << 20;

Chargement echec(std::string message) {
    Chargement c;
    c.erreur = std::move(message);
    return c;
}

// A file the game would not offer, named with the game's word for why.
Chargement refus(const std::string& quoi, const importation::Verdict& v) {
    return echec(quoi + " : " + importation::cle(v.refus) +
                 (v.detail.empty() ? "" : " (" + v.detail + ")"));
}

Chargement depuisFichier(const std::string& chemin) {
    QFile f(QString::fromStdString(chemin));
    if (!f.open(QIODevice::ReadOnly)) return echec("fichier illisible : " + chemin);
    if (f.size() > OCTETS_MAX) return echec("fichier trop grand (1 Mio au plus) : " + chemin);
    const QByteArray octets = f.read(OCTETS_MAX + 1);
    // A `.layout` text is read as the game reads the player's files, so an
    // author sees here the verdict the game will give.
    if (importation::estLayout(std::string_view(octets.constData(), std::size_t(octets.size())))) {
        const piles::Lecture l = piles::lireOctets(octets, QString::fromStdString(chemin));
        if (!l.verdict.ok()) return refus(chemin, l.verdict);
        Chargement c;
        c.d = l.d;
        return c;
    }
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(octets, &e);
    if (e.error != QJsonParseError::NoError)
        return echec("JSON invalide dans " + chemin + " : " + e.errorString().toStdString() +
                     " (octet " + std::to_string(e.offset) + ")");
    if (!doc.isObject()) return echec("un objet JSON est attendu dans " + chemin);
    const QJsonObject o = doc.object();
    if (!o.value("nom").isString() || o.value("nom").toString().isEmpty())
        return echec("champ « nom » manquant ou vide dans " + chemin);
    if (!o.value("couches").isArray())
        return echec("champ « couches » manquant dans " + chemin + " (liste de couches attendue)");
    Chargement c;
    c.d.nom = o.value("nom").toString().toStdString();
    const QJsonArray couches = o.value("couches").toArray();
    for (int z = 0; z < couches.size(); ++z) {
        if (!couches[z].isArray())
            return echec("couche " + std::to_string(z) + " : une liste de rangs est attendue");
        pile::Couche couche;
        const QJsonArray rangs = couches[z].toArray();
        for (int r = 0; r < rangs.size(); ++r) {
            if (!rangs[r].isString())
                return echec("couche " + std::to_string(z) + " rang " + std::to_string(r) +
                             " : un texte est attendu");
            couche.push_back(rangs[r].toString().toStdString());
        }
        c.d.couches.push_back(std::move(couche));
    }
    return c;
}

} // namespace

Chargement charger(const Arguments& a) {
    const auto nom = a.texte("disposition");
    const auto fichier = a.texte("fichier");
    if (nom.has_value() == fichier.has_value())
        return echec("donner soit --disposition NOM, soit --fichier F");
    Chargement c;
    if (nom) {
        const dispositions::Disposition* d = dispositions::parNom(*nom);
        if (!d) return echec("disposition inconnue : " + *nom);
        c.d = *d;
        c.catalogue = true;
    } else {
        c = depuisFichier(*fichier);
        if (!c.erreur.empty()) return c;
    }
    pile::Lecture l = pile::lire(c.d.couches);
    if (!l.ok()) return echec(c.d.nom + " : " + l.erreur);
    if (l.places.empty()) return echec(c.d.nom + " : aucune tuile");
    if (static_cast<int>(l.places.size()) > TUILES_MAX)
        return echec(c.d.nom + " : trop de tuiles (" + std::to_string(l.places.size()) + ", " +
                     std::to_string(TUILES_MAX) + " au plus)");
    // A file the board cannot show whole is one the game does not offer.
    if (!c.catalogue) {
        const importation::Verdict v = piles::montrable(l.places);
        if (!v.ok()) return refus(c.d.nom, v);
    }
    c.places = std::move(l.places);
    return c;
}
