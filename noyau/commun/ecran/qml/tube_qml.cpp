#include "commun/ecran/qml/tube_qml.h"

#include "commun/ecran/tube.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QPointer>
#include <QQuickWindow>
#include <QSGDynamicTexture>
#include <QSGRenderNode>
#include <QSGSimpleTextureNode>
#include <QSGTextureProvider>
#include <cmath>
#include <map>
#include <memory>

// Shared by the item and its node, which the render thread may still use for
// a frame after the item is gone.
struct CompteursTube {
    std::atomic<double> pixels{0};
};

namespace {

// What the node needs of the item, copied while both threads are in step.
struct Reglage {
    tube::Uniformes u;
    QSize pixels;          // the window's size in device pixels
    crt::Rectangle milieu; // in device pixels
    QString sommets;
    QString programme;
    QString entete;
    QString programmeLueur;
    bool tout = false; // draw everything again at the next frame
};

// A capture as the pass reads it: brought up to date first, as the scene
// graph's own shader items do with theirs.
QSGTexture* aJour(const QPointer<QSGTextureProvider>& p, bool* neuve = nullptr) {
    QSGTexture* t = p ? p->texture() : nullptr;
    if (auto* d = qobject_cast<QSGDynamicTexture*>(t)) {
        const bool refaite = d->updateTexture();
        if (neuve) *neuve = refaite;
    }
    return t;
}

// One axis of a copy of source pixels s0..s1 onto target pixels d0..d1 (as
// many, either way round), cut to the target's b0..b1. A copy the driver
// has to cut itself takes its slow way on a software renderer, as a shader.
void rogner(int& s0, int& s1, int& d0, int& d1, int b0, int b1) {
    if (d0 <= d1) {
        if (d0 < b0) s0 += b0 - d0, d0 = b0;
        if (d1 > b1) s1 -= d1 - b1, d1 = b1;
    } else {
        if (d1 < b0) s1 -= b0 - d1, d1 = b0;
        if (d0 > b1) s0 += d0 - b1, d0 = b1;
    }
}

} // namespace

// Shows the kept picture by copying it into the frame being drawn. Drawn
// as a texture, it cost a software renderer a shader run at every window
// pixel of every frame: more than half of a stage's frame at 1920 x 1080.
// Between pictures of the same pixel layout, the copy is one of memory.
class CopieTube : public QSGRenderNode {
public:
    void regler(const QOpenGLFramebufferObject* image, const QRectF& rect) {
        image_ = image;
        rect_ = rect;
        markDirty(DirtyGeometry);
    }

    void render(const RenderState* etat) override {
        QOpenGLContext* contexte = QOpenGLContext::currentContext();
        if (!contexte || !image_) return;
        QOpenGLExtraFunctions* f = contexte->extraFunctions();
        GLint cible = 0;
        GLint vue[4] = {0, 0, 0, 0};
        f->glGetIntegerv(GL_FRAMEBUFFER_BINDING, &cible);
        f->glGetIntegerv(GL_VIEWPORT, vue);
        // Where the item's corners land in the target, whichever way up the
        // target is (a window, or a layer drawn the other way up).
        const QMatrix4x4 m = *etat->projectionMatrix() * *matrix();
        auto pixel = [&](const QPointF& p) {
            const QPointF n = m.map(p);
            return QPoint(static_cast<int>(std::lround((n.x() + 1) / 2 * vue[2] + vue[0])),
                          static_cast<int>(std::lround((n.y() + 1) / 2 * vue[3] + vue[1])));
        };
        const QPoint haut = pixel(rect_.topLeft());
        const QPoint bas = pixel(rect_.bottomRight());
        // A shaken picture sticks out of the target: only what shows is copied.
        int sx0 = 0, sx1 = image_->width(), dx0 = haut.x(), dx1 = bas.x();
        int sy0 = 0, sy1 = image_->height(), dy0 = haut.y(), dy1 = bas.y();
        rogner(sx0, sx1, dx0, dx1, vue[0], vue[0] + vue[2]);
        rogner(sy0, sy1, dy0, dy1, vue[1], vue[1] + vue[3]);
        if (sx0 >= sx1 || sy0 >= sy1) return;
        if (etat->scissorEnabled()) {
            const QRect r = etat->scissorRect();
            f->glEnable(GL_SCISSOR_TEST);
            f->glScissor(r.x(), r.y(), r.width(), r.height());
        } else {
            f->glDisable(GL_SCISSOR_TEST);
        }
        // The picture's first row is its top.
        f->glBindFramebuffer(GL_READ_FRAMEBUFFER, image_->handle());
        f->glBlitFramebuffer(sx0, sy0, sx1, sy1, dx0, dy0, dx1, dy1, GL_COLOR_BUFFER_BIT,
                             GL_NEAREST);
        f->glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(cible));
    }

    StateFlags changedStates() const override { return ScissorState; }
    RenderingFlags flags() const override { return BoundedRectRendering | OpaqueRendering; }
    QRectF rect() const override { return rect_; }

private:
    const QOpenGLFramebufferObject* image_ = nullptr;
    QRectF rect_;
};

class NoeudTube : public QSGNode {
public:
    NoeudTube(QQuickWindow* fenetre, std::shared_ptr<CompteursTube> compteurs, bool copie)
        : fenetre_(fenetre), compteurs_(std::move(compteurs)), copieVoulue_(copie) {
        setFlag(UsePreprocess);
        // Created on the render thread, its context current.
        QOpenGLContext* contexte = QOpenGLContext::currentContext();
        // The copy without a suffix: OpenGL 3.0, or its framebuffer extension.
        copier_ = copie && contexte && !contexte->isOpenGLES() &&
                  (contexte->format().version() >= qMakePair(3, 0) ||
                   contexte->hasExtension(QByteArrayLiteral("GL_ARB_framebuffer_object")));
        if (copier_) {
            copie_ = new CopieTube;
            appendChildNode(copie_);
        } else {
            texture_ = new QSGSimpleTextureNode;
            texture_->setFiltering(QSGTexture::Nearest);
            texture_->setOwnsTexture(true);
            appendChildNode(texture_);
        }
    }

    bool copieVoulue() const { return copieVoulue_; }

    void setRect(const QRectF& r) {
        rect_ = r;
        if (copie_) copie_->regler(image_.get(), r);
        if (texture_) texture_->setRect(r);
    }

    ~NoeudTube() override {
        if (lecture_ && QOpenGLContext::currentContext())
            QOpenGLContext::currentContext()->functions()->glDeleteFramebuffers(1, &lecture_);
    }

    // Render thread, the item's thread waiting.
    void regler(const Reglage& r, QSGTextureProvider* source, QSGTextureProvider* marge) {
        source_ = source;
        marge_ = marge;
        const bool textes = r.sommets != reglage_.sommets || r.programme != reglage_.programme ||
                            r.entete != reglage_.entete ||
                            r.programmeLueur != reglage_.programmeLueur;
        if (textes) {
            programmes_.clear();
            programmeLueur_.reset();
        }
        const bool autre =
            r.u != reglage_.u || r.pixels != reglage_.pixels || r.milieu != reglage_.milieu;
        toutRefaire_ = toutRefaire_ || r.tout || autre || textes;
        reglage_ = r;
        if (autre || !retouches_) {
            retouches_ = std::make_unique<tube::Retouches>(r.u, r.pixels.width(), r.pixels.height(),
                                                           r.milieu);
            // A frame then fills these without allocating.
            const std::size_t tuiles =
                static_cast<std::size_t>(retouches_->colonnes()) * retouches_->lignes();
            const std::size_t blocs =
                static_cast<std::size_t>(retouches_->largeurBlocs()) * retouches_->hauteurBlocs();
            sommets_.reserve(8 * std::max(tuiles, blocs));
            indices_.reserve(6 * std::max(tuiles, blocs));
            zonesLueur_.reserve(blocs);
            changes_.assign(blocs, 0);
            etendus_.assign(blocs, 0);
            entre_.assign(blocs, 0);
        }
        if (!image_ || image_->size() != r.pixels) {
            image_ = std::make_unique<QOpenGLFramebufferObject>(r.pixels);
            const GLuint id = image_->texture();
            if (copier_) {
                // Stored as its pixels are given, blue first (an unsized
                // format lets the driver choose that layout), as the window
                // keeps them: a software renderer then copies the picture as
                // memory rather than running a shader over it.
                QOpenGLFunctions* f = QOpenGLContext::currentContext()->functions();
                f->glBindTexture(GL_TEXTURE_2D, id);
                f->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, r.pixels.width(), r.pixels.height(), 0,
                                GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
                f->glBindTexture(GL_TEXTURE_2D, 0);
                fenetre_->resetOpenGLState();
            }
            if (!image_->isValid())
                qWarning("Tube: no %d x %d picture can be kept; the screen stays black",
                         r.pixels.width(), r.pixels.height());
            if (copie_) copie_->regler(image_.get(), rect_);
            if (texture_)
                texture_->setTexture(fenetre_->createTextureFromNativeObject(
                    QQuickWindow::NativeObjectTexture, &id, 0, r.pixels));
            vierge_ = true;
            toutRefaire_ = true;
        }
        const QSize natif = tailleNatif();
        if (!lueur_ || lueur_->size() != natif) {
            lueur_ = std::make_unique<QOpenGLFramebufferObject>(natif);
            // Read as the native picture is: linearly, clamped to its edge.
            QOpenGLFunctions* f = QOpenGLContext::currentContext()->functions();
            f->glBindTexture(GL_TEXTURE_2D, lueur_->texture());
            f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            f->glBindTexture(GL_TEXTURE_2D, 0);
            fenetre_->resetOpenGLState();
            toutRefaire_ = true;
        }
    }

    void preprocess() override {
        QOpenGLContext* contexte = QOpenGLContext::currentContext();
        if (!contexte || !image_) return;
        QOpenGLFunctions* f = contexte->functions();
        GLint cible = 0;
        f->glGetIntegerv(GL_FRAMEBUFFER_BINDING, &cible);
        if (vierge_) {
            // Black until the captures are there to draw from.
            image_->bind();
            f->glDisable(GL_SCISSOR_TEST);
            f->glClearColor(0, 0, 0, 1);
            f->glClear(GL_COLOR_BUFFER_BIT);
            vierge_ = false;
        }
        bool margeNeuve = false;
        QSGTexture* source = aJour(source_);
        QSGTexture* marge = aJour(marge_, &margeNeuve);
        if (source && marge) {
            const Ids ids{source->textureId(), marge->textureId()};
            if (margeNeuve || !(ids == ids_)) toutRefaire_ = true;
            ids_ = ids;
            bool change = false;
            if (!lire(f, source, toutRefaire_ ? nullptr : &change)) toutRefaire_ = true;
            if (toutRefaire_ || change) {
                const bool lueur = reglage_.u.lueur;
                if (lueur) {
                    tube::etendre(changes_, retouches_->largeurBlocs(), retouches_->hauteurBlocs(),
                                  tube::RAYON_LUEUR, entre_, etendus_);
                    dessinerLueur(f, source);
                }
                dessiner(f, source, marge, lueur ? etendus_ : changes_);
            }
            std::fill(changes_.begin(), changes_.end(), 0);
            toutRefaire_ = false;
        }
        f->glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(cible));
        fenetre_->resetOpenGLState();
    }

private:
    struct Ids {
        int source = 0, marge = 0;
        bool operator==(const Ids& o) const { return source == o.source && marge == o.marge; }
    };

    QSize tailleNatif() const {
        return {static_cast<int>(reglage_.u.natif.x), static_cast<int>(reglage_.u.natif.y)};
    }

    // Reads the native picture back and, with `change`, marks the blocks that
    // differ from the last read. False when it cannot be compared with the
    // native grid, which then has to be drawn whole.
    bool lire(QOpenGLFunctions* f, QSGTexture* t, bool* change) {
        const QSize taille = t->textureSize();
        if (taille != tailleNatif()) return false;
        if (!lecture_) f->glGenFramebuffers(1, &lecture_);
        const std::size_t n = static_cast<std::size_t>(taille.width()) * taille.height();
        if (lu_.size() != n) {
            lu_.assign(n, 0);
            avant_.assign(n, 0);
            change = nullptr;
        }
        f->glBindFramebuffer(GL_FRAMEBUFFER, lecture_);
        f->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                                  t->textureId(), 0);
        const bool complet = f->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        if (complet)
            f->glReadPixels(0, 0, taille.width(), taille.height(), GL_RGBA, GL_UNSIGNED_BYTE,
                            lu_.data());
        f->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
        if (!complet) return false;
        if (change)
            *change = tube::comparer(avant_.data(), lu_.data(), taille.width(), taille.height(),
                                     changes_);
        avant_.swap(lu_);
        return true;
    }

    // A program of its two texts, or null (said once) when it does not build.
    static std::unique_ptr<QOpenGLShaderProgram> construire(const QString& sommets,
                                                            const QString& fragments) {
        auto p = std::make_unique<QOpenGLShaderProgram>();
        p->addShaderFromSourceCode(QOpenGLShader::Vertex, sommets);
        p->addShaderFromSourceCode(QOpenGLShader::Fragment, fragments);
        p->bindAttributeLocation("qt_Vertex", 0);
        if (!p->link()) qWarning("Tube: a shader does not build: %s", qPrintable(p->log()));
        return p;
    }

    QOpenGLShaderProgram* programme(bool milieu) {
        const tube::Uniformes& u = reglage_.u;
        const int cle = (milieu ? 1 : 0) | (u.lueur ? 2 : 0) | (u.douxUnique ? 4 : 0);
        auto& p = programmes_[cle];
        if (!p) {
            const QString variante =
                QStringLiteral("#define TUBE 1\n") + (u.lueur ? "#define LUEUR 1\n" : "");
            p = construire(variante + reglage_.sommets,
                           variante + reglage_.entete + (milieu ? "#define INTERIEUR 1\n" : "") +
                               (u.douxUnique ? "#define DOUX_UNIQUE 1\n" : "") +
                               reglage_.programme);
        }
        return p->isLinked() ? p.get() : nullptr;
    }

    // Pieces of a picture (w x h pixels) as two triangles each, in -1..1 with
    // the top at -1: a kept picture's first row is its top, as a capture's.
    void pieces(const std::vector<tube::Zone>& zones, int filtre, float l, float h) {
        sommets_.clear();
        indices_.clear();
        for (const tube::Zone& z : zones) {
            if (filtre >= 0 && z.milieu != (filtre == 1)) continue;
            const auto premier = static_cast<GLuint>(sommets_.size() / 2);
            for (int coin = 0; coin < 4; ++coin) {
                const float u = (z.x + (coin & 1 ? z.largeur : 0)) / l;
                const float v = (z.y + (coin & 2 ? z.hauteur : 0)) / h;
                sommets_.insert(sommets_.end(), {u * 2 - 1, v * 2 - 1});
            }
            for (int k : {0, 1, 2, 1, 3, 2})
                indices_.push_back(premier + k);
        }
    }

    void tracer(QOpenGLFunctions* f) {
        f->glEnableVertexAttribArray(0);
        f->glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, sommets_.data());
        f->glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices_.size()), GL_UNSIGNED_INT,
                          indices_.data());
    }

    static void etatSimple(QOpenGLFunctions* f) {
        f->glDisable(GL_BLEND);
        f->glDisable(GL_DEPTH_TEST);
        f->glDisable(GL_STENCIL_TEST);
        f->glDisable(GL_SCISSOR_TEST);
        f->glBindBuffer(GL_ARRAY_BUFFER, 0);
        f->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    }

    // The glow over the native blocks around those that changed, or whole.
    void dessinerLueur(QOpenGLFunctions* f, QSGTexture* source) {
        const QSize n = tailleNatif();
        if (toutRefaire_)
            zonesLueur_.assign(1, {0, 0, n.width(), n.height(), false});
        else
            tube::zonesDesBlocs(etendus_, n.width(), n.height(), zonesLueur_);
        if (zonesLueur_.empty()) return;
        if (!programmeLueur_)
            programmeLueur_ =
                construire(QStringLiteral("attribute highp vec4 qt_Vertex;\n"
                                          "void main() { gl_Position = qt_Vertex; }\n"),
                           reglage_.programmeLueur);
        if (!programmeLueur_->isLinked()) return;
        lueur_->bind();
        f->glViewport(0, 0, n.width(), n.height());
        etatSimple(f);
        f->glActiveTexture(GL_TEXTURE0);
        source->bind();
        QOpenGLShaderProgram* p = programmeLueur_.get();
        p->bind();
        const QVector2D r(2.0f / n.width(), 2.0f / n.height());
        p->setUniformValue("source", 0);
        p->setUniformValue("r", r);
        p->setUniformValue("inverseTaille", QVector2D(1.0f / n.width(), 1.0f / n.height()));
        p->setUniformValue("bas", r / 4);
        p->setUniformValue("haut", QVector2D(1, 1) - r / 4);
        pieces(zonesLueur_, -1, n.width(), n.height());
        tracer(f);
    }

    void uniformes(QOpenGLShaderProgram* p) {
        const tube::Uniformes& u = reglage_.u;
        auto v2 = [](const tube::Vec2& v) {
            return QVector2D(static_cast<float>(v.x), static_cast<float>(v.y));
        };
        const QSize& n = reglage_.pixels;
        p->setUniformValue("qt_Matrix", QMatrix4x4());
        p->setUniformValue("inversePixels", QVector2D(1.0f / n.width(), 1.0f / n.height()));
        p->setUniformValue("parPixel", static_cast<float>(u.fenetre.x / n.width()));
        p->setUniformValue("source", 0);
        p->setUniformValue("marge", 1);
        p->setUniformValue("halo", 2);
        p->setUniformValue("eclatMarge", static_cast<float>(u.eclatMarge));
        p->setUniformValue("miroirMarge", static_cast<float>(u.miroirMarge));
        p->setUniformValue("pente", v2(u.pente));
        p->setUniformValue("decale", v2(u.decale));
        p->setUniformValue("decaleDoux", QVector3D(static_cast<float>(u.decaleDoux[0]),
                                                   static_cast<float>(u.decaleDoux[1]),
                                                   static_cast<float>(u.decaleDoux[2])));
        p->setUniformValue("tailleMarge", v2(u.tailleMarge));
        p->setUniformValue("natif", v2(u.natif));
        p->setUniformValue("inverseNatif", v2(u.inverseNatif));
        p->setUniformValue("inverseMarge", v2(u.inverseMarge));
        p->setUniformValue("courbe", v2(u.courbe));
        p->setUniformValue("versNatifG", v2(u.versNatifG));
        p->setUniformValue("versNatifC", v2(u.versNatifC));
        p->setUniformValue("forceLueur", static_cast<float>(u.forceLueur));
        p->setUniformValue("balayage", static_cast<float>(u.balayage));
        p->setUniformValue("masque", v2(u.masque));
        p->setUniformValue("vignette", static_cast<float>(u.vignette));
        p->setUniformValue("qt_Opacity", 1.0f);
    }

    // The tube over the tiles that read changed blocks, or the whole window.
    void dessiner(QOpenGLFunctions* f, QSGTexture* source, QSGTexture* marge,
                  const std::vector<std::uint8_t>& changes) {
        const std::vector<tube::Zone>& zones = retouches_->zones(changes, toutRefaire_);
        if (zones.empty()) return;
        image_->bind();
        f->glViewport(0, 0, reglage_.pixels.width(), reglage_.pixels.height());
        etatSimple(f);
        f->glActiveTexture(GL_TEXTURE2);
        f->glBindTexture(GL_TEXTURE_2D, reglage_.u.lueur ? lueur_->texture() : 0);
        f->glActiveTexture(GL_TEXTURE1);
        marge->bind();
        f->glActiveTexture(GL_TEXTURE0);
        source->bind();
        double pixels = 0;
        for (const tube::Zone& z : zones)
            pixels += static_cast<double>(z.largeur) * z.hauteur;
        for (bool milieu : {true, false}) {
            pieces(zones, milieu ? 1 : 0, reglage_.pixels.width(), reglage_.pixels.height());
            if (indices_.empty()) continue;
            QOpenGLShaderProgram* p = programme(milieu);
            if (!p) continue;
            p->bind();
            uniformes(p);
            tracer(f);
        }
        compteurs_->pixels = compteurs_->pixels + pixels;
        if (texture_) texture_->markDirty(DirtyMaterial);
    }

    QQuickWindow* fenetre_;
    std::shared_ptr<CompteursTube> compteurs_;
    // One of the two shows the picture: a copy where the context can copy
    // between pictures, else the picture drawn as a texture.
    bool copieVoulue_ = true;
    bool copier_ = false;
    CopieTube* copie_ = nullptr;
    QSGSimpleTextureNode* texture_ = nullptr;
    QRectF rect_;
    QPointer<QSGTextureProvider> source_, marge_;
    Reglage reglage_;
    std::unique_ptr<tube::Retouches> retouches_;
    std::unique_ptr<QOpenGLFramebufferObject> image_; // the window's picture
    std::unique_ptr<QOpenGLFramebufferObject> lueur_; // the glow, native size
    std::map<int, std::unique_ptr<QOpenGLShaderProgram>> programmes_;
    std::unique_ptr<QOpenGLShaderProgram> programmeLueur_;
    std::vector<std::uint8_t> changes_, entre_, etendus_;
    std::vector<tube::Zone> zonesLueur_;
    std::vector<float> sommets_;
    std::vector<GLuint> indices_;
    std::vector<std::uint32_t> avant_, lu_;
    Ids ids_;
    GLuint lecture_ = 0;
    bool toutRefaire_ = true;
    bool vierge_ = true;
};

TubeQml::TubeQml(QQuickItem* parent) : QQuickItem(parent), compteurs_(new CompteursTube) {
    setFlag(ItemHasContents);
    connect(this, &TubeQml::reglagesChanged, this, &QQuickItem::update);
}

void TubeQml::redessiner() {
    toutRedessiner_ = true;
    update();
}

double TubeQml::pixelsRedessines() const {
    return compteurs_->pixels.load();
}

void TubeQml::geometryChanged(const QRectF& neuve, const QRectF& ancienne) {
    QQuickItem::geometryChanged(neuve, ancienne);
    update();
}

QSGNode* TubeQml::updatePaintNode(QSGNode* ancien, UpdatePaintNodeData*) {
    auto* noeud = static_cast<NoeudTube*>(ancien);
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1;
    const QSize pixels(static_cast<int>(std::lround(width() * dpr)),
                       static_cast<int>(std::lround(height() * dpr)));
    if (!window() || pixels.isEmpty() || !source_ || !marge_ || programme_.isEmpty() ||
        sommets_.isEmpty() || entete_.isEmpty() || programmeLueur_.isEmpty()) {
        delete noeud;
        return nullptr;
    }
    // The way of showing the picture is chosen when the node is made.
    if (noeud && noeud->copieVoulue() != copie_) {
        delete noeud;
        noeud = nullptr;
    }
    if (!noeud) noeud = new NoeudTube(window(), compteurs_, copie_);

    tube::Entrees e;
    e.echelle = {echelle_.width(), echelle_.height()};
    e.origine = {origine_.x(), origine_.y()};
    e.fenetre = {width(), height()};
    e.tailleMarge = {tailleMarge_.width(), tailleMarge_.height()};
    e.natif = {natif_.width(), natif_.height()};
    e.eclatMarge = eclatMarge_;
    e.miroirMarge = miroirMarge_;
    e.effet = {1, uBalayage_, uLueur_, uCourbure_, uMasque_, uVignette_};
    Reglage r;
    r.u = tube::uniformes(e);
    r.pixels = pixels;
    // The middle in device pixels, rounded inwards.
    const int x0 = static_cast<int>(std::ceil(interieur_.left() * dpr));
    const int y0 = static_cast<int>(std::ceil(interieur_.top() * dpr));
    const int x1 = static_cast<int>(std::floor(interieur_.right() * dpr));
    const int y1 = static_cast<int>(std::floor(interieur_.bottom() * dpr));
    if (x1 > x0 && y1 > y0) r.milieu = {x0, y0, x1 - x0, y1 - y0};
    r.sommets = sommets_;
    r.programme = programme_;
    r.entete = entete_;
    r.programmeLueur = programmeLueur_;
    r.tout = toutRedessiner_;
    toutRedessiner_ = false;
    noeud->regler(r, source_->textureProvider(), marge_->textureProvider());
    noeud->setRect(boundingRect());
    return noeud;
}
