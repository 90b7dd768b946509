#include "ecran/qml/dessin_qml.h"

#include "ecran/bandes.h"

#include <QHash>
#include <QMutex>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>
#include <QtDebug>
#include <map>
#include <tuple>

namespace {

// Images by base and relative path, read once on the GUI thread: the font
// has a few hundred small glyph files, all kept.
QHash<QString, QImage>& imagesLues() {
    static QHash<QString, QImage> images;
    return images;
}

QString chemin(const QUrl& url) {
    if (url.scheme() == QLatin1String("qrc")) return QLatin1Char(':') + url.path();
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

// Textures by window and image, made on the render thread the first time an
// image is drawn there and dropped with the window's scene graph. Still
// pieces (glyphs, digits) go into the shared atlas, so a screen of text draws
// in a few batches; a playing strip keeps a texture of its own, since every
// frame change of a member rebuilds an atlas batch.
class Textures {
public:
    static QSGTexture* pour(QQuickWindow* fenetre, const QImage& image, bool atlas) {
        QMutexLocker verrou(&mutex());
        auto& parFenetre = tables();
        auto it = parFenetre.find(fenetre);
        if (it == parFenetre.end()) {
            it = parFenetre.insert(fenetre, {});
            QObject::connect(
                fenetre, &QQuickWindow::sceneGraphInvalidated, fenetre,
                [fenetre] { oublier(fenetre); }, Qt::DirectConnection);
        }
        QSGTexture*& t = (*it)[image.cacheKey()];
        if (!t) {
            t = fenetre->createTextureFromImage(image, atlas
                                                           ? QQuickWindow::TextureCanUseAtlas
                                                           : QQuickWindow::CreateTextureOptions());
            t->setFiltering(QSGTexture::Nearest);
        }
        return t;
    }

private:
    static void oublier(QQuickWindow* fenetre) {
        QMutexLocker verrou(&mutex());
        for (QSGTexture* t : tables().value(fenetre))
            delete t;
        tables().remove(fenetre);
    }
    static QMutex& mutex() {
        static QMutex m;
        return m;
    }
    static QHash<QQuickWindow*, QHash<qint64, QSGTexture*>>& tables() {
        static QHash<QQuickWindow*, QHash<qint64, QSGTexture*>> t;
        return t;
    }
};

// An image without a single transparent pixel is kept without its alpha
// channel: the scene graph then draws it as opaque, without blending, and
// skips whatever it hides (the title's fill under the sky).
QImage sansAlphaInutile(QImage image) {
    if (image.isNull() || !image.hasAlphaChannel()) return image;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(ligne[x]) != 255) return image;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// Rows of transparent pixels this long split a piece in two.
constexpr int ECART = 8;

// The bands of a part of an image that hold visible pixels (bandes::visibles),
// in image coordinates; worked out once per image and part, on the render
// thread when first drawn. Every frame after that only looks them up: the
// answer refers to the table's entry, which is never changed nor removed
// (a map's entries stay where they are when others are added), so drawing a
// piece allocates nothing.
class Bandes {
public:
    static const std::vector<QRect>& de(const QImage& image, const QRect& source) {
        QMutexLocker verrou(&mutex());
        const Cle cle{image.cacheKey(), source.x(), source.y(), source.width(), source.height()};
        auto it = table().find(cle);
        if (it == table().end()) it = table().emplace(cle, calculer(image, source)).first;
        return it->second;
    }

private:
    using Cle = std::tuple<qint64, int, int, int, int>;

    static std::vector<QRect> calculer(const QImage& image, const QRect& source) {
        const QRect r = source & image.rect();
        if (!image.hasAlphaChannel()) return {r};
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        std::vector<bandes::Rangee> rangees(static_cast<std::size_t>(r.height()));
        for (int y = 0; y < r.height(); ++y) {
            const auto* ligne =
                reinterpret_cast<const QRgb*>(argb.constScanLine(r.y() + y)) + r.x();
            int debut = 0;
            while (debut < r.width() && qAlpha(ligne[debut]) == 0)
                ++debut;
            int fin = r.width();
            while (fin > debut && qAlpha(ligne[fin - 1]) == 0)
                --fin;
            rangees[static_cast<std::size_t>(y)] = {debut, fin};
        }
        std::vector<QRect> l;
        for (const bandes::Bande& b : bandes::visibles(rangees, ECART))
            l.emplace_back(r.x() + b.x, r.y() + b.y, b.largeur, b.hauteur);
        return l;
    }
    static QMutex& mutex() {
        static QMutex m;
        return m;
    }
    static std::map<Cle, std::vector<QRect>>& table() {
        static std::map<Cle, std::vector<QRect>> t;
        return t;
    }
};

} // namespace

DessinQml::DessinQml(QQuickItem* parent) : QQuickItem(parent) {
    setFlag(ItemHasContents, true);
}

void DessinQml::setBase(const QUrl& v) {
    if (v == base_) return;
    base_ = v;
    cle_ = v.toString();
    emit baseChanged();
    redisposer();
}

const QImage& DessinQml::image(const QString& fichier) {
    const QString cle = cle_ + fichier;
    auto& images = imagesLues();
    auto it = images.constFind(cle);
    if (it == images.constEnd()) {
        const QString complet = chemin(base_.resolved(QUrl(fichier)));
        QImage lue(complet);
        if (lue.isNull()) qWarning("image not found: %s", qPrintable(complet));
        it = images.insert(cle, sansAlphaInutile(lue));
    }
    return *it;
}

void DessinQml::ajouter(const QString& fichier, QPoint place, QRect source) {
    pieces_.push_back({fichier, image(fichier), source, place});
}

void DessinQml::redisposer() {
    if (!isComponentComplete()) return;
    disposer();
    update();
}

void DessinQml::componentComplete() {
    QQuickItem::componentComplete();
    redisposer();
}

QVariantList DessinQml::pieces() const {
    QVariantList l;
    for (const Piece& p : pieces_) {
        const QSize taille = p.source.isEmpty() ? p.image.size() : p.source.size();
        l.append(QVariantMap{{QStringLiteral("x"), p.place.x()},
                             {QStringLiteral("y"), p.place.y()},
                             {QStringLiteral("largeur"), taille.width()},
                             {QStringLiteral("hauteur"), taille.height()},
                             {QStringLiteral("source"), base_.resolved(QUrl(p.fichier))},
                             {QStringLiteral("sx"), p.source.x()}});
    }
    return l;
}

int DessinQml::manquantes() const {
    return static_cast<int>(std::count_if(pieces_.begin(), pieces_.end(),
                                          [](const Piece& p) { return p.image.isNull(); }));
}

QSGNode* DessinQml::updatePaintNode(QSGNode* ancien, UpdatePaintNodeData*) {
    QSGNode* racine = ancien ? ancien : new QSGNode;
    QSGNode* noeud = racine->firstChild();
    for (const Piece& p : pieces_) {
        if (p.image.isNull()) continue;
        const QRect source = p.source.isEmpty() ? p.image.rect() : p.source;
        QSGTexture* texture = Textures::pour(window(), p.image, dansAtlas());
        // One node per band of visible rows: the empty rows are not drawn.
        for (const QRect& bande : Bandes::de(p.image, source)) {
            if (!noeud) {
                QSGImageNode* neuf = window()->createImageNode();
                neuf->setFiltering(QSGTexture::Nearest);
                neuf->setOwnsTexture(false);
                racine->appendChildNode(neuf);
                noeud = neuf;
            }
            auto* image = static_cast<QSGImageNode*>(noeud);
            image->setTexture(texture);
            image->setSourceRect(bande);
            image->setRect(QRectF(p.place + bande.topLeft() - source.topLeft(), bande.size()));
            noeud = noeud->nextSibling();
        }
    }
    // Nodes past the last band go.
    while (noeud) {
        QSGNode* suivant = noeud->nextSibling();
        racine->removeChildNode(noeud);
        delete noeud;
        noeud = suivant;
    }
    return racine;
}
