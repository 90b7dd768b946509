#pragma once

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <QUrl>
#include <QVariant>

// The scenes' face of the native screen, the tube's warp, the pointer mapping
// and the backdrop band's layout (singleton `Crt`).
class CrtQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int LARGEUR READ largeur CONSTANT)
    Q_PROPERTY(int HAUTEUR READ hauteur CONSTANT)

public:
    using QObject::QObject;

    int largeur() const;
    int hauteur() const;

    Q_INVOKABLE int facteur(double largeur, double hauteur) const;
    // { x, y }
    Q_INVOKABLE QVariantMap deformer(double nx, double ny, double force) const;
    // { x, y } on the whole curved surface, or null beyond the tube.
    Q_INVOKABLE QVariant versNatif(double px, double py, double l, double h, double force) const;
    // { x, y } in the game picture described by `geo`, or null.
    Q_INVOKABLE QVariant versJeu(double x, double y, double l, double h, double force,
                                 const QVariant& geo) const;
    // The window pixels the picture pass may draw without the backdrop band
    // (see crt::interieur); an empty rectangle when none may.
    Q_INVOKABLE QRect interieur(double l, double h, double force, const QVariant& geo,
                                double marge) const;
    // The picture pass's scales for a picture placed at `origine` with
    // `echelle` window units per native pixel (see tube::echelles):
    // { pente, decale, inverseNatif, inverseMarge, versNatifA, versNatifB },
    // each a size.
    Q_INVOKABLE QVariantMap echelles(const QSizeF& echelle, const QPointF& origine,
                                     const QSizeF& fenetre, const QSizeF& tailleMarge,
                                     const QSizeF& natif) const;
    // The values the picture pass uses for a settings record (null: defaults):
    // { actif, balayage, lueur, courbure, masque, vignette }, all reals.
    Q_INVOKABLE QVariantMap effectifs(const QVariant& reglages) const;
    // The backdrop band's still strips in stacking order, each
    // { nom, source, x, y, plan, largeur, hauteur }; only strips whose image is
    // present, so a game built without its art still starts.
    Q_INVOKABLE QVariantList piecesMarge() const;
    // The text of a shader file (a qrc: or file: URL) after `entete`, so that
    // one source can be compiled in several variants by its #defines. Empty
    // when the file cannot be read.
    Q_INVOKABLE QString texteShader(const QUrl& fichier, const QString& entete) const;
};
