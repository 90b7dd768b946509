#pragma once

#include "ecran/qml/dessin_qml.h"

// Big score digits, the QML type `DessinNombre` behind `Nombre`: character i
// is a 16 x 20 frame of the style's digit strip on a 13-pixel advance, the
// frame numbered by the character's place in police::chiffres() (0 when it
// has none). The item is 13 x length + 3 wide (0 when empty) and 20 high.
class DessinNombreQml : public DessinQml {
    Q_OBJECT
    Q_PROPERTY(QString texte READ texte WRITE setTexte NOTIFY texteChanged)
    Q_PROPERTY(QString style READ style WRITE setStyle NOTIFY styleChanged)
    // The strip drawn: "chiffres_" and the style, "blanc" for a style the
    // digits do not have.
    Q_PROPERTY(QString bande READ bande NOTIFY styleChanged)

public:
    static constexpr int AVANCE = 13;
    static constexpr int CADRE_L = 16;
    static constexpr int CADRE_H = 20;

    explicit DessinNombreQml(QQuickItem* parent = nullptr);

    QString texte() const { return texte_; }
    void setTexte(const QString& v);
    QString style() const { return style_; }
    void setStyle(const QString& v);
    QString bande() const;

signals:
    void texteChanged();
    void styleChanged();

protected:
    void disposer() override;

private:
    QString texte_, style_ = QStringLiteral("blanc");
};
