#include "ecran/qml/pose_qml.h"

#include "ecran/pixel.h"
#include "ecran/qml/horloge.h"
#include "ecran/qml/remplacer.h"

#include <algorithm>

PoseQml::PoseQml(QQuickItem* parent) : QQuickItem(parent) {
    setVisible(false);
}

PoseQml::~PoseQml() {
    if (enJeu_) Horloge::instance().retirer(this);
}

void PoseQml::setPx(qreal v) {
    if (!remplacer(px_, v)) return;
    emit placeChanged();
    replacer();
}

void PoseQml::setPy(qreal v) {
    if (!remplacer(py_, v)) return;
    emit placeChanged();
    replacer();
}

void PoseQml::setDelai(int v) {
    if (remplacer(delai_, v)) emit delaiChanged();
}

void PoseQml::replacer() {
    if (enJeu_) suivre();
}

void PoseQml::fixerT(qreal t) {
    if (t != t_) {
        t_ = t;
        emit tChanged();
    }
    suivre();
}

void PoseQml::lancer() {
    Horloge& horloge = Horloge::instance();
    if (enJeu_) horloge.retirer(this);
    montree_ = false;
    setVisible(false);
    fixerT(0);
    if (!enJeu_) {
        enJeu_ = true;
        emit enJeuChanged();
    }
    debut_ = horloge.maintenant();
    horloge.inscrire(this);
    if (delai_ <= 0) montrer();
}

void PoseQml::arreter() {
    if (enJeu_) Horloge::instance().retirer(this);
    montree_ = false;
    setVisible(false);
    if (enJeu_) {
        enJeu_ = false;
        emit enJeuChanged();
    }
}

void PoseQml::montrer() {
    montree_ = true;
    setVisible(true);
    emit montre();
}

rythme::Ms PoseQml::avancer(qint64 maintenant) {
    const qint64 ecoule = maintenant - debut_;
    if (!montree_) {
        // Hidden until then: nothing to draw before.
        if (ecoule < delai_) return debut_ + delai_;
        montrer();
        // A handler may have stopped it.
        if (!enJeu_) return rythme::JAMAIS;
    }
    const qreal u =
        std::clamp(static_cast<qreal>(ecoule - std::max(0, delai_)) / std::max(1, dureeVie()),
                   qreal(0), qreal(1));
    fixerT(progression(u));
    if (u >= 1) {
        Horloge::instance().retirer(this);
        emit finie();
        return rythme::JAMAIS;
    }
    // It moves or fades along its whole life.
    return rythme::CHAQUE_IMAGE;
}

void PoseQml::geometryChanged(const QRectF& neuve, const QRectF& ancienne) {
    QQuickItem::geometryChanged(neuve, ancienne);
    // A number is centred by its width, which follows its text.
    if (enJeu_ && neuve.width() != ancienne.width()) suivre();
}

// -- effect strips ---------------------------------------------------------------

void EffetPoseQml::setDx(qreal v) {
    if (!remplacer(dx_, v)) return;
    emit formeChanged();
    replacer();
}

void EffetPoseQml::setDy(qreal v) {
    if (!remplacer(dy_, v)) return;
    emit formeChanged();
    replacer();
}

void EffetPoseQml::setVie(int v) {
    if (remplacer(vie_, v)) emit vieChanged();
}

void EffetPoseQml::setFondu(bool v) {
    if (!remplacer(fondu_, v)) return;
    emit fonduChanged();
    replacer();
}

void EffetPoseQml::setIntensite(qreal v) {
    if (!remplacer(intensite_, std::clamp<qreal>(v, 0, 1))) return;
    emit fonduChanged();
    replacer();
}

void EffetPoseQml::setOrigineX(int v) {
    if (!remplacer(origineX_, v)) return;
    emit formeChanged();
    replacer();
}

void EffetPoseQml::setOrigineY(int v) {
    if (!remplacer(origineY_, v)) return;
    emit formeChanged();
    replacer();
}

void EffetPoseQml::setDureeBande(int v) {
    if (remplacer(dureeBande_, v)) emit vieChanged();
}

int EffetPoseQml::dureeVie() const {
    return vie_ > 0 ? vie_ : std::max(16, dureeBande_);
}

void EffetPoseQml::suivre() {
    setX(auPixel(px() + dx_ * t() - origineX_));
    setY(auPixel(py() + dy_ * t() - origineY_));
    setOpacity(intensite_ * (fondu_ ? std::min<qreal>(1, 2 - 2 * t()) : 1));
}

// -- floating numbers ------------------------------------------------------------

qreal NombrePoseQml::progression(qreal u) const {
    const qreal reste = 1 - u;
    return 1 - reste * reste * reste;
}

void NombrePoseQml::suivre() {
    setX(auPixel(px() - width() / 2));
    setY(auPixel(py() - MONTEE * t()));
    setOpacity(t() < 0.7 ? 1 : (1 - t()) / 0.3);
}
