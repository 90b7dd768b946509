#pragma once

#include <QImage>
#include <QQuickItem>
#include <QUrl>
#include <QVariantList>
#include <vector>

// An item that draws pieces of images at whole-pixel places, unsmoothed: the
// glyphs of a text, the frames of big digits. Subclasses work the pieces out
// in C++ when a property changes; the scene graph then gets one image node
// per piece, on textures shared by every item of the window. A text that
// changes every pair (a score) thus costs a layout and nothing else: no item
// is made, bound or reloaded per glyph.
class DessinQml : public QQuickItem {
    Q_OBJECT
    // The folder the image paths are relative to (the game's root).
    Q_PROPERTY(QUrl base READ base WRITE setBase NOTIFY baseChanged)

public:
    explicit DessinQml(QQuickItem* parent = nullptr);

    QUrl base() const { return base_; }
    void setBase(const QUrl& v);

    // What is drawn, for tests and tools: one record per piece,
    // { x, y, largeur, hauteur, source, sx } (sx: left of the piece in its image).
    Q_INVOKABLE QVariantList pieces() const;
    // How many pieces have an image that could not be read (drawn as nothing).
    Q_INVOKABLE int manquantes() const;

signals:
    void baseChanged();

protected:
    struct Piece {
        QString fichier; // relative to base
        QImage image;
        QRect source; // part of the image; empty: all of it
        QPoint place;
    };

    // Recomputes `pieces_` (and the item's size) from the properties.
    virtual void disposer() = 0;
    // Whether the images may share the window's texture atlas.
    virtual bool dansAtlas() const { return true; }
    // Calls disposer() once the item is complete, then asks for a new frame.
    void redisposer();
    void ajouter(const QString& fichier, QPoint place, QRect source = {});

    std::vector<Piece> pieces_;

    void componentComplete() override;
    QSGNode* updatePaintNode(QSGNode* ancien, UpdatePaintNodeData*) override;

private:
    const QImage& image(const QString& fichier);

    QUrl base_;
    QString cle_; // base_ as text, the prefix of the image cache's keys
};
