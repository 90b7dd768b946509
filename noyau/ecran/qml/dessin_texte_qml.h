#pragma once

#include "ecran/police.h"
#include "ecran/qml/dessin_qml.h"

#include <QVariantMap>

// A text in the pixel font, the QML type `DessinTexte` behind `Texte`: the
// layout is the font's rule (police::disposer), each glyph image drawn at its
// place. The item's box is the cap-height band: as wide as the text, 7 high.
class DessinTexteQml : public DessinQml {
    Q_OBJECT
    Q_PROPERTY(QString texte READ texte WRITE setTexte NOTIFY miseChanged)
    Q_PROPERTY(QString style READ style WRITE setStyle NOTIFY miseChanged)
    // A language code choosing the shapes of wide characters; empty follows
    // `langueCourante`.
    Q_PROPERTY(QString langue READ langue WRITE setLangue NOTIFY miseChanged)
    Q_PROPERTY(
        QString langueCourante READ langueCourante WRITE setLangueCourante NOTIFY miseChanged)
    // { x, y, src, n, largeur }, as Police.disposer gives it; built when read.
    Q_PROPERTY(QVariantMap mise READ mise NOTIFY miseChanged)
    Q_PROPERTY(int largeur READ largeur NOTIFY miseChanged)
    // The capitals actually drawn.
    Q_PROPERTY(QString majuscules READ majuscules NOTIFY miseChanged)

public:
    explicit DessinTexteQml(QQuickItem* parent = nullptr);

    QString texte() const { return texte_; }
    void setTexte(const QString& v);
    QString style() const { return style_; }
    void setStyle(const QString& v);
    QString langue() const { return langue_; }
    void setLangue(const QString& v);
    QString langueCourante() const { return langueCourante_; }
    void setLangueCourante(const QString& v);
    QVariantMap mise() const;
    int largeur() const { return mise_.largeur; }
    QString majuscules() const { return police::majuscules(texte_); }

signals:
    void miseChanged();

protected:
    void disposer() override;

private:
    void changer(QString& membre, const QString& v);

    QString texte_, style_ = QStringLiteral("blanc"), langue_, langueCourante_;
    police::Mise mise_;
};
