#pragma once

#include "ecran/police.h"

#include <QAbstractListModel>
#include <QQmlParserStatus>
#include <QUrl>
#include <QVariantMap>

#include <vector>

// The glyphs of one text as `Texte` draws them: the QML type `MiseTexte`, one
// row per glyph image. The layout is the font's rule (police::disposer); this
// model only tells the view which glyphs moved or changed image, so a score
// whose last digit changes re-reads one glyph, not all of them. Rows are kept
// up to the longest text seen and the extra ones marked hidden: a repeater
// would otherwise destroy and make every glyph item when the count changes.
class MiseTexteQml : public QAbstractListModel, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(QString texte READ texte WRITE setTexte NOTIFY miseChanged)
    Q_PROPERTY(QString style READ style WRITE setStyle NOTIFY miseChanged)
    // A language code choosing the shapes of wide characters.
    Q_PROPERTY(QString langue READ langue WRITE setLangue NOTIFY miseChanged)
    // The folder the glyph paths are relative to (the game's root).
    Q_PROPERTY(QUrl base READ base WRITE setBase NOTIFY miseChanged)
    // { x, y, src, n, largeur }, as Police.disposer gives it.
    Q_PROPERTY(QVariantMap mise READ mise NOTIFY miseChanged)
    Q_PROPERTY(int largeur READ largeur NOTIFY miseChanged)

public:
    enum Role { X = Qt::UserRole + 1, Y, Source, Montre };

    explicit MiseTexteQml(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    void classBegin() override;
    void componentComplete() override;

    QString texte() const { return texte_; }
    void setTexte(const QString& v);
    QString style() const { return style_; }
    void setStyle(const QString& v);
    QString langue() const { return langue_; }
    void setLangue(const QString& v);
    QUrl base() const { return base_; }
    void setBase(const QUrl& v);
    QVariantMap mise() const { return miseQml_; }
    int largeur() const { return mise_.largeur; }

signals:
    void miseChanged();

private:
    struct Glyphe {
        int x = 0, y = 0;
        QUrl source;
        bool montre = false;
        bool operator==(const Glyphe& o) const {
            return x == o.x && y == o.y && source == o.source && montre == o.montre;
        }
    };

    void disposer();

    QString texte_, style_ = QStringLiteral("blanc"), langue_;
    QUrl base_;
    bool enConstruction_ = false;
    police::Mise mise_;
    QVariantMap miseQml_;
    std::vector<Glyphe> glyphes_;
};
