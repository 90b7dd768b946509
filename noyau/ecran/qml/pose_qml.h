#pragma once

#include "ecran/qml/horloge.h"

#include <QQuickItem>

// The life of something posed on the effects layer: held back `delai` ms
// (hidden), then shown while its progress `t` runs from 0 to 1, then handed
// back through `finie`. One frame clock drives every live item, so posing
// one costs a few member writes: no animation object is started per use, and
// the place and opacity follow `t` in C++ instead of through script bindings.
class PoseQml : public QQuickItem, private Horloge::Abonne {
    Q_OBJECT
    Q_PROPERTY(qreal px READ px WRITE setPx NOTIFY placeChanged)
    Q_PROPERTY(qreal py READ py WRITE setPy NOTIFY placeChanged)
    Q_PROPERTY(int delai READ delai WRITE setDelai NOTIFY delaiChanged)
    Q_PROPERTY(qreal t READ t NOTIFY tChanged)
    Q_PROPERTY(bool enJeu READ enJeu NOTIFY enJeuChanged)

public:
    explicit PoseQml(QQuickItem* parent = nullptr);
    ~PoseQml() override;

    qreal px() const { return px_; }
    void setPx(qreal v);
    qreal py() const { return py_; }
    void setPy(qreal v);
    int delai() const { return delai_; }
    void setDelai(int v);
    qreal t() const { return t_; }
    bool enJeu() const { return enJeu_; }

    // Starts from the beginning: t = 0, hidden, then shown once the delay
    // has passed (at once when there is none).
    Q_INVOKABLE void lancer();
    // Stops, hides and marks the item free. No signal follows.
    Q_INVOKABLE void arreter();

signals:
    void placeChanged();
    void delaiChanged();
    void tChanged();
    void enJeuChanged();
    // The delay has passed and the item shows.
    void montre();
    // The life is over; the owner hands the item back to its pool.
    void finie();

protected:
    // Length of the shown life in ms, at least 1.
    virtual int dureeVie() const = 0;
    // Progress from the share of life elapsed (0..1).
    virtual qreal progression(qreal u) const { return u; }
    // Place and opacity for the current t.
    virtual void suivre() = 0;
    // Follows a change of place or form at once while posed.
    void replacer();

    void geometryChanged(const QRectF& neuve, const QRectF& ancienne) override;

private:
    rythme::Ms avancer(qint64 maintenant) override;
    void montrer();
    void fixerT(qreal t);

    qreal px_ = 0, py_ = 0;
    int delai_ = 0;
    qreal t_ = 0;
    bool enJeu_ = false;
    bool montree_ = false;
    qint64 debut_ = 0;
};

// A posed effect strip: its anchor (origineX, origineY) sits at (px, py)
// moved by (dx, dy) over the life; with `fondu` it fades over the second
// half, from `intensite`. Life 0 takes the strip's own length, `dureeBande`, at least 16 ms.
class EffetPoseQml : public PoseQml {
    Q_OBJECT
    Q_PROPERTY(qreal dx READ dx WRITE setDx NOTIFY formeChanged)
    Q_PROPERTY(qreal dy READ dy WRITE setDy NOTIFY formeChanged)
    Q_PROPERTY(int vie READ vie WRITE setVie NOTIFY vieChanged)
    Q_PROPERTY(bool fondu READ fondu WRITE setFondu NOTIFY fonduChanged)
    // Opacity at the start of the life (a calm flash is a faint one).
    Q_PROPERTY(qreal intensite READ intensite WRITE setIntensite NOTIFY fonduChanged)
    Q_PROPERTY(int origineX READ origineX WRITE setOrigineX NOTIFY formeChanged)
    Q_PROPERTY(int origineY READ origineY WRITE setOrigineY NOTIFY formeChanged)
    Q_PROPERTY(int dureeBande READ dureeBande WRITE setDureeBande NOTIFY vieChanged)
    Q_PROPERTY(int vieReelle READ dureeVie NOTIFY vieChanged)

public:
    using PoseQml::PoseQml;

    qreal dx() const { return dx_; }
    void setDx(qreal v);
    qreal dy() const { return dy_; }
    void setDy(qreal v);
    int vie() const { return vie_; }
    void setVie(int v);
    bool fondu() const { return fondu_; }
    void setFondu(bool v);
    qreal intensite() const { return intensite_; }
    void setIntensite(qreal v);
    int origineX() const { return origineX_; }
    void setOrigineX(int v);
    int origineY() const { return origineY_; }
    void setOrigineY(int v);
    int dureeBande() const { return dureeBande_; }
    void setDureeBande(int v);

signals:
    void formeChanged();
    void vieChanged();
    void fonduChanged();

protected:
    int dureeVie() const override;
    void suivre() override;

private:
    qreal dx_ = 0, dy_ = 0;
    int vie_ = 0;
    bool fondu_ = false;
    qreal intensite_ = 1;
    int origineX_ = 0, origineY_ = 0;
    int dureeBande_ = 16;
};

// A floating number: centred on px, it rises 18 pixels from py over 900 ms
// with a cubic ease-out and fades over its last 30 %.
class NombrePoseQml : public PoseQml {
    Q_OBJECT

public:
    using PoseQml::PoseQml;

    static constexpr int VIE_MS = 900;
    static constexpr int MONTEE = 18;

protected:
    int dureeVie() const override { return VIE_MS; }
    qreal progression(qreal u) const override;
    void suivre() override;
};
