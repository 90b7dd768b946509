#pragma once

#include "commun/ecran/crt.h"

#include <QPointF>
#include <QQuickItem>
#include <QRectF>
#include <QSizeF>
#include <memory>

// The tube pass with the look on (type `Tube`): the picture pass of the
// screen drawn into a picture of the window's size that is kept from frame to
// frame, where each frame draws again only the tiles whose pixels read
// native pixels that changed, then shows it. The glow it adds is kept the
// same way, at the native size. The inputs are those of the screen's pass;
// `sommets` and `programme` are the pass's shader texts, `entete` the
// uniforms only the tube declares, `programmeLueur` the glow's.
class TubeQml : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(QQuickItem* source MEMBER source_ NOTIFY reglagesChanged)
    Q_PROPERTY(QQuickItem* marge MEMBER marge_ NOTIFY reglagesChanged)
    Q_PROPERTY(QString sommets MEMBER sommets_ NOTIFY reglagesChanged)
    Q_PROPERTY(QString programme MEMBER programme_ NOTIFY reglagesChanged)
    Q_PROPERTY(QString entete MEMBER entete_ NOTIFY reglagesChanged)
    Q_PROPERTY(QString programmeLueur MEMBER programmeLueur_ NOTIFY reglagesChanged)
    Q_PROPERTY(double eclatMarge MEMBER eclatMarge_ NOTIFY reglagesChanged)
    Q_PROPERTY(double miroirMarge MEMBER miroirMarge_ NOTIFY reglagesChanged)
    Q_PROPERTY(QSizeF echelle MEMBER echelle_ NOTIFY reglagesChanged)
    Q_PROPERTY(QPointF origine MEMBER origine_ NOTIFY reglagesChanged)
    Q_PROPERTY(QSizeF tailleMarge MEMBER tailleMarge_ NOTIFY reglagesChanged)
    Q_PROPERTY(QSizeF natif MEMBER natif_ NOTIFY reglagesChanged)
    Q_PROPERTY(QRectF interieur MEMBER interieur_ NOTIFY reglagesChanged)
    Q_PROPERTY(double uBalayage MEMBER uBalayage_ NOTIFY reglagesChanged)
    Q_PROPERTY(double uLueur MEMBER uLueur_ NOTIFY reglagesChanged)
    Q_PROPERTY(double uCourbure MEMBER uCourbure_ NOTIFY reglagesChanged)
    Q_PROPERTY(double uMasque MEMBER uMasque_ NOTIFY reglagesChanged)
    Q_PROPERTY(double uVignette MEMBER uVignette_ NOTIFY reglagesChanged)
    // The kept picture is shown by a copy where the context can copy
    // between framebuffers; false draws it as a texture, as a context that
    // cannot does (for tests: both show the same picture).
    Q_PROPERTY(bool copie MEMBER copie_ NOTIFY reglagesChanged)

public:
    explicit TubeQml(QQuickItem* parent = nullptr);

    // The next frame draws the whole window again, as after a resize.
    Q_INVOKABLE void redessiner();
    // Window pixels drawn again so far: how much of the pass the kept
    // picture saved.
    Q_INVOKABLE double pixelsRedessines() const;

signals:
    void reglagesChanged();

protected:
    QSGNode* updatePaintNode(QSGNode* ancien, UpdatePaintNodeData*) override;
    void geometryChanged(const QRectF& neuve, const QRectF& ancienne) override;

private:
    QQuickItem* source_ = nullptr;
    QQuickItem* marge_ = nullptr;
    QString sommets_;
    QString programme_;
    QString entete_;
    QString programmeLueur_;
    double eclatMarge_ = 0.6;
    double miroirMarge_ = 0;
    QSizeF echelle_{1, 1};
    QPointF origine_;
    QSizeF tailleMarge_{768, 224};
    QSizeF natif_{crt::LARGEUR, crt::HAUTEUR};
    QRectF interieur_;
    double uBalayage_ = 0.6;
    double uLueur_ = 0.4;
    double uCourbure_ = 0.5;
    double uMasque_ = 0.5;
    double uVignette_ = 0.5;
    bool copie_ = true;
    bool toutRedessiner_ = true;
    std::shared_ptr<struct CompteursTube> compteurs_;
};
