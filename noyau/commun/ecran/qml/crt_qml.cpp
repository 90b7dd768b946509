#include "commun/ecran/qml/crt_qml.h"

#include "commun/ecran/crt.h"
#include "commun/ecran/marge.h"
#include "commun/ecran/qml/vers_qml.h"
#include "commun/ecran/tube.h"

#include <QFile>

namespace {

QVariant point(const std::optional<crt::Point>& p) {
    if (!p) return QVariant::fromValue(nullptr);
    return QVariantMap{{QStringLiteral("x"), p->x}, {QStringLiteral("y"), p->y}};
}

const QString TABLE = QStringLiteral(":/app/images/sprites.json");
const QString BANDES = QStringLiteral(":/app/images/anim/");

} // namespace

int CrtQml::largeur() const {
    return crt::LARGEUR;
}
int CrtQml::hauteur() const {
    return crt::HAUTEUR;
}

int CrtQml::facteur(double largeur, double hauteur) const {
    return crt::facteur(largeur, hauteur);
}

QVariantMap CrtQml::deformer(double nx, double ny, double force) const {
    const crt::Point d = crt::deformer(nx, ny, force);
    return {{QStringLiteral("x"), d.x}, {QStringLiteral("y"), d.y}};
}

QVariant CrtQml::versNatif(double px, double py, double l, double h, double force) const {
    return point(crt::versNatif(px, py, l, h, force));
}

QVariant CrtQml::versJeu(double x, double y, double l, double h, double force,
                         const QVariant& geo) const {
    return point(crt::versJeu(x, y, l, h, force, versqml::lireGeometrie(geo)));
}

QRect CrtQml::interieur(double l, double h, double force, const QVariant& geo, double marge) const {
    const crt::Rectangle r = crt::interieur(l, h, force, versqml::lireGeometrie(geo), marge);
    return {r.x, r.y, r.largeur, r.hauteur};
}

QVariantMap CrtQml::echelles(const QSizeF& echelle, const QPointF& origine, const QSizeF& fenetre,
                             const QSizeF& tailleMarge, const QSizeF& natif) const {
    tube::Entrees e;
    e.echelle = {echelle.width(), echelle.height()};
    e.origine = {origine.x(), origine.y()};
    e.fenetre = {fenetre.width(), fenetre.height()};
    e.tailleMarge = {tailleMarge.width(), tailleMarge.height()};
    e.natif = {natif.width(), natif.height()};
    const tube::Echelles s = tube::echelles(e);
    auto taille = [](const tube::Vec2& v) { return QSizeF(v.x, v.y); };
    return {{QStringLiteral("pente"), taille(s.pente)},
            {QStringLiteral("decale"), taille(s.decale)},
            {QStringLiteral("inverseNatif"), taille(s.inverseNatif)},
            {QStringLiteral("inverseMarge"), taille(s.inverseMarge)},
            {QStringLiteral("versNatifA"), taille(s.versNatifA)},
            {QStringLiteral("versNatifB"), taille(s.versNatifB)}};
}

QVariantMap CrtQml::effectifs(const QVariant& reglages) const {
    const crt::Effectifs e = crt::effectifs(crt::lireReglages(versqml::table(reglages)));
    return {{QStringLiteral("actif"), e.actif},   {QStringLiteral("balayage"), e.balayage},
            {QStringLiteral("lueur"), e.lueur},   {QStringLiteral("courbure"), e.courbure},
            {QStringLiteral("masque"), e.masque}, {QStringLiteral("vignette"), e.vignette}};
}

QVariantList CrtQml::piecesMarge() const {
    QFile f(TABLE);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QVariantList sortie;
    for (const marge::Piece& p : marge::piecesDepuisTable(f.readAll())) {
        const QString fichier = BANDES + p.nom + QStringLiteral(".png");
        if (!QFile::exists(fichier)) continue;
        sortie.append(QVariantMap{{QStringLiteral("nom"), p.nom},
                                  {QStringLiteral("source"), QStringLiteral("qrc") + fichier},
                                  {QStringLiteral("x"), p.x},
                                  {QStringLiteral("y"), p.y},
                                  {QStringLiteral("plan"), p.plan},
                                  {QStringLiteral("largeur"), p.largeur},
                                  {QStringLiteral("hauteur"), p.hauteur}});
    }
    return sortie;
}

QString CrtQml::texteShader(const QUrl& fichier, const QString& entete) const {
    QString chemin = fichier.toLocalFile();
    if (fichier.scheme() == QLatin1String("qrc")) chemin = QLatin1Char(':') + fichier.path();
    QFile f(chemin);
    if (chemin.isEmpty() || !f.open(QIODevice::ReadOnly)) return {};
    return entete + QString::fromUtf8(f.readAll());
}
