#include "ecran/qml/dessin_qml.h"

#include <QHash>
#include <QMutex>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>
#include <QtDebug>

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
            QObject::connect(fenetre, &QQuickWindow::sceneGraphInvalidated, fenetre,
                             [fenetre] { oublier(fenetre); }, Qt::DirectConnection);
        }
        QSGTexture*& t = (*it)[image.cacheKey()];
        if (!t) {
            t = fenetre->createTextureFromImage(
                image, atlas ? QQuickWindow::TextureCanUseAtlas : QQuickWindow::CreateTextureOptions());
            t->setFiltering(QSGTexture::Nearest);
        }
        return t;
    }

private:
    static void oublier(QQuickWindow* fenetre) {
        QMutexLocker verrou(&mutex());
        for (QSGTexture* t : tables().value(fenetre)) delete t;
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

} // namespace

DessinQml::DessinQml(QQuickItem* parent) : QQuickItem(parent) { setFlag(ItemHasContents, true); }

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
        it = images.insert(cle, lue);
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
        if (!noeud) {
            QSGImageNode* neuf = window()->createImageNode();
            neuf->setFiltering(QSGTexture::Nearest);
            neuf->setOwnsTexture(false);
            racine->appendChildNode(neuf);
            noeud = neuf;
        }
        auto* image = static_cast<QSGImageNode*>(noeud);
        const QRect source = p.source.isEmpty() ? p.image.rect() : p.source;
        image->setTexture(Textures::pour(window(), p.image, dansAtlas()));
        image->setSourceRect(source);
        image->setRect(QRectF(p.place, source.size()));
        noeud = noeud->nextSibling();
    }
    // Nodes past the last piece go.
    while (noeud) {
        QSGNode* suivant = noeud->nextSibling();
        racine->removeChildNode(noeud);
        delete noeud;
        noeud = suivant;
    }
    return racine;
}
