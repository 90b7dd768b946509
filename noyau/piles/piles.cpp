#include "piles/piles.h"

#include "ecran/plateau.h"
#include "moteur/generation.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <algorithm>
#include <climits>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace piles {

namespace {

Lecture echec(Refus r, std::string detail) {
    Lecture l;
    l.verdict = {r, std::move(detail)};
    return l;
}

std::string texte(const QString& s) {
    return s.toStdString();
}

Lecture depuisJson(const QByteArray& octets, const std::string& chemin) {
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(octets, &e);
    if (e.error != QJsonParseError::NoError)
        return echec(Refus::PasUnePile, "JSON invalide dans " + chemin + " : " +
                                            texte(e.errorString()) + " (octet " +
                                            std::to_string(e.offset) + ")");
    if (!doc.isObject())
        return echec(Refus::PasUnePile, "un objet JSON est attendu dans " + chemin);
    const QJsonObject o = doc.object();
    if (!o.value("nom").isString() || o.value("nom").toString().isEmpty())
        return echec(Refus::PasUnePile, "champ « nom » manquant ou vide dans " + chemin);
    if (!o.value("couches").isArray())
        return echec(Refus::PasUnePile,
                     "champ « couches » manquant dans " + chemin + " (liste de couches attendue)");
    Lecture l;
    l.d.nom = texte(o.value("nom").toString());
    const QJsonArray couches = o.value("couches").toArray();
    for (int z = 0; z < couches.size(); ++z) {
        if (!couches[z].isArray())
            return echec(Refus::PasUnePile,
                         "couche " + std::to_string(z) + " : une liste de rangs est attendue");
        pile::Couche couche;
        const QJsonArray rangs = couches[z].toArray();
        for (int r = 0; r < rangs.size(); ++r) {
            if (!rangs[r].isString())
                return echec(Refus::PasUnePile, "couche " + std::to_string(z) + " rang " +
                                                    std::to_string(r) + " : un texte est attendu");
            couche.push_back(texte(rangs[r].toString()));
        }
        l.d.couches.push_back(std::move(couche));
    }
    return l;
}

int couchesDe(const std::vector<pile::Place>& places) {
    int z = -1;
    for (const pile::Place& p : places)
        z = std::max(z, p.z);
    return z + 1;
}

} // namespace

Lecture lireOctets(const QByteArray& octets, const QString& chemin) {
    if (octets.size() > OCTETS_MAX)
        return echec(Refus::TropGros, "fichier trop grand (1 Mio au plus) : " + texte(chemin));
    QByteArray corps = octets;
    if (corps.startsWith("\xEF\xBB\xBF")) corps.remove(0, 3);
    const std::string_view vue(corps.constData(), static_cast<std::size_t>(corps.size()));
    if (importation::estLayout(vue)) {
        const importation::Conversion c = importation::depuisLayout(vue);
        Lecture l;
        l.layout = true;
        l.d.nom = texte(QFileInfo(chemin).completeBaseName().toUpper());
        l.d.couches = c.couches;
        l.verdict = c.verdict;
        return l;
    }
    const QByteArray debut = corps.trimmed().left(1);
    if (debut == "{" || debut == "[") return depuisJson(corps, texte(chemin));
    return echec(Refus::PasUnePile, texte(chemin) + " n'est ni une disposition en JSON ni un "
                                                    "fichier .layout");
}

Lecture lireFichier(const QString& chemin) {
    const std::string nom = texte(chemin);
    QFile f;
#ifdef Q_OS_UNIX
    // Opened without waiting, then checked: a pipe or a device put in the
    // folder must not hold the reading up, nor a file swapped in between.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return echec(Refus::Illisible, "fichier illisible : " + nom);
    struct stat etat;
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        return echec(Refus::Illisible, "fichier illisible : " + nom);
    }
    if (etat.st_size > OCTETS_MAX) {
        ::close(fd);
        return echec(Refus::TropGros, "fichier trop grand (1 Mio au plus) : " + nom);
    }
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return echec(Refus::Illisible, "fichier illisible : " + nom);
    }
#else
    f.setFileName(chemin);
    if (!QFileInfo(chemin).isFile() || !f.open(QIODevice::ReadOnly))
        return echec(Refus::Illisible, "fichier illisible : " + nom);
    if (f.size() > OCTETS_MAX)
        return echec(Refus::TropGros, "fichier trop grand (1 Mio au plus) : " + nom);
#endif
    // One byte more than allowed tells a file that grew since its size was read.
    const QByteArray octets = f.read(OCTETS_MAX + 1);
    if (f.error() != QFileDevice::NoError)
        return echec(Refus::Illisible, "fichier illisible : " + nom);
    return lireOctets(octets, chemin);
}

Verdict montrable(const std::vector<pile::Place>& places) {
    if (places.empty()) return {};
    // The extent of the images as drawn, and as they would be with every
    // layer at the bottom: what is too much without the shift is the
    // footprint, what only the shift makes too much is the depth.
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    int fx0 = INT_MAX, fy0 = INT_MAX, fx1 = INT_MIN, fy1 = INT_MIN;
    for (const pile::Place& p : places) {
        const plateau::Point q = plateau::px(p);
        x0 = std::min(x0, q.x);
        y0 = std::min(y0, q.y);
        x1 = std::max(x1, q.x + plateau::TUILE_L);
        y1 = std::max(y1, q.y + plateau::TUILE_H);
        const plateau::Point plat = plateau::px({p.x, p.y, 0});
        fx0 = std::min(fx0, plat.x);
        fy0 = std::min(fy0, plat.y);
        fx1 = std::max(fx1, plat.x + plateau::TUILE_L);
        fy1 = std::max(fy1, plat.y + plateau::TUILE_H);
    }
    const plateau::Zone& z = plateau::ZONE_PLEINE;
    auto pixels = [](int n, int max, const char* sens) {
        return std::to_string(n) + " pixels de " + sens + ", " + std::to_string(max) + " au plus";
    };
    if (fx1 - fx0 > z.largeur) return {Refus::TropLarge, pixels(fx1 - fx0, z.largeur, "large")};
    if (fy1 - fy0 > z.hauteur) return {Refus::TropHaute, pixels(fy1 - fy0, z.hauteur, "haut")};
    if (x1 - x0 > z.largeur || y1 - y0 > z.hauteur)
        return {Refus::TropProfonde,
                "avec le décalage de ses " + std::to_string(couchesDe(places)) + " couches, " +
                    std::to_string(x1 - x0) + " x " + std::to_string(y1 - y0) + " pixels, " +
                    std::to_string(z.largeur) + " x " + std::to_string(z.hauteur) + " au plus"};
    return {};
}

Pile examiner(const Lecture& l, const QString& chemin) {
    Pile p;
    p.chemin = chemin;
    p.nom = nomMontre(QString::fromStdString(l.d.nom));
    if (p.nom.isEmpty()) p.nom = nomMontre(QFileInfo(chemin).fileName());
    if (p.nom.isEmpty()) p.nom = nomMontre(chemin);
    p.verdict = l.verdict;
    if (!p.verdict.ok()) return p;
    const pile::Lecture lu = pile::lire(l.d.couches);
    if (!lu.ok()) {
        p.verdict = {Refus::PasUnePile, lu.erreur};
        return p;
    }
    p.tuiles = static_cast<int>(lu.places.size());
    p.couches = couchesDe(lu.places);
    p.verdict = importation::controler(lu.places);
    if (p.verdict.ok()) p.verdict = montrable(lu.places);
    if (!p.verdict.ok()) return p;
    // Sound and within the board's reach: small enough to write out.
    const std::optional<pile::Forme> forme = importation::ecrire(lu.places);
    if (!forme) {
        p.verdict = {Refus::Chevauchement, "deux tuiles se chevauchent"};
        return p;
    }
    p.d = {texte(p.nom), *forme};
    p.empreinte = QString::fromStdString(importation::empreinte(*forme));
    auto g = std::make_shared<const pile::Geometrie>(pile::construire(pile::lire(*forme).places));
    if (!generation::generer(g, p.d.nom, alea::Graine(GRAINE_ESSAI)))
        p.verdict = {Refus::SansDonne,
                     "aucune donne pour la graine " + std::to_string(GRAINE_ESSAI)};
    return p;
}

Pile lirePile(const QString& chemin) {
    return examiner(lireFichier(chemin), chemin);
}

Pile depuisCatalogue(const dispositions::Disposition& d) {
    Pile p;
    p.catalogue = true;
    p.nom = QString::fromStdString(d.nom);
    p.d = d;
    const pile::Lecture lu = pile::lire(d.couches);
    p.tuiles = static_cast<int>(lu.places.size());
    p.couches = couchesDe(lu.places);
    const std::optional<pile::Forme> forme = importation::ecrire(lu.places);
    if (forme) p.empreinte = QString::fromStdString(importation::empreinte(*forme));
    return p;
}

std::vector<Pile> catalogue() {
    std::vector<Pile> r;
    for (const auto* liste : {&dispositions::LISTE, &dispositions::DUEL})
        for (const dispositions::Disposition& d : *liste)
            r.push_back(depuisCatalogue(d));
    return r;
}

QString nomMontre(const QString& brut) {
    QVector<uint> r;
    bool blanc = false;
    for (uint c : brut.toUcs4()) {
        if (QChar::isSpace(c)) {
            blanc = !r.isEmpty();
            continue;
        }
        const QChar::Category k = QChar::category(c);
        if (k == QChar::Other_Control || k == QChar::Other_Format || k == QChar::Other_Surrogate ||
            k == QChar::Other_NotAssigned)
            continue;
        if (r.size() + (blanc ? 1 : 0) >= NOM_MAX) break;
        if (blanc) r.append(' ');
        blanc = false;
        r.append(QChar::toUpper(c));
    }
    return QString::fromUcs4(r.constData(), r.size());
}

QString dossier() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tessimora/piles");
}

} // namespace piles
