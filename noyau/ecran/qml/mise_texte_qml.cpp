#include "ecran/qml/mise_texte_qml.h"

#include "ecran/qml/police_qml.h"

MiseTexteQml::MiseTexteQml(QObject* parent) : QAbstractListModel(parent) { disposer(); }

int MiseTexteQml::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(glyphes_.size());
}

QVariant MiseTexteQml::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Glyphe& g = glyphes_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case X: return g.x;
    case Y: return g.y;
    case Source: return g.source;
    case Montre: return g.montre;
    default: return {};
    }
}

QHash<int, QByteArray> MiseTexteQml::roleNames() const {
    return {{X, "gx"}, {Y, "gy"}, {Source, "source"}, {Montre, "montre"}};
}

// Properties set one after the other at creation lay the text out once.
void MiseTexteQml::classBegin() { enConstruction_ = true; }

void MiseTexteQml::componentComplete() {
    enConstruction_ = false;
    disposer();
}

void MiseTexteQml::setTexte(const QString& v) {
    if (v == texte_) return;
    texte_ = v;
    disposer();
}

void MiseTexteQml::setStyle(const QString& v) {
    if (v == style_) return;
    style_ = v;
    disposer();
}

void MiseTexteQml::setLangue(const QString& v) {
    if (v == langue_) return;
    langue_ = v;
    disposer();
}

void MiseTexteQml::setBase(const QUrl& v) {
    if (v == base_) return;
    base_ = v;
    disposer();
}

void MiseTexteQml::disposer() {
    if (enConstruction_) return;
    mise_ = police::disposer(texte_, style_, langue_, sousEnsemblesDuJeu());
    miseQml_ = enregistrement(mise_);

    const int avant = rowCount();
    if (mise_.n > avant) {
        beginInsertRows(QModelIndex(), avant, mise_.n - 1);
        glyphes_.resize(static_cast<std::size_t>(mise_.n));
        for (int i = avant; i < mise_.n; ++i) {
            Glyphe& g = glyphes_[static_cast<std::size_t>(i)];
            g = {mise_.x[i], mise_.y[i], base_.resolved(QUrl(mise_.src[i])), true};
        }
        endInsertRows();
    }
    for (int i = 0; i < avant; ++i) {
        Glyphe& g = glyphes_[static_cast<std::size_t>(i)];
        // A glyph past the end keeps its image, only hidden.
        Glyphe neuf = g;
        neuf.montre = false;
        if (i < mise_.n) neuf = {mise_.x[i], mise_.y[i], base_.resolved(QUrl(mise_.src[i])), true};
        if (neuf == g) continue;
        g = neuf;
        emit dataChanged(index(i), index(i));
    }
    emit miseChanged();
}
