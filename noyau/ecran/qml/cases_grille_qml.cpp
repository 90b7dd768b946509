#include "ecran/qml/cases_grille_qml.h"

#include "ecran/plateau.h"
#include "ecran/qml/paire_qml.h"
#include "ecran/qml/remplacer.h"
#include "moteur/qml/partie_glissante_qml.h"

#include <QtQml>

CasesGrilleQml::CasesGrilleQml(QObject* parent) : QAbstractListModel(parent) {}

int CasesGrilleQml::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant CasesGrilleQml::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    const Case& c = cases_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Cellule:
        return c.cellule;
    case Colonne:
        return largeur_ > 0 ? c.cellule % largeur_ : 0;
    case Motif:
        return c.motif;
    case Presente:
        return c.presente;
    case Etat:
        return c.etat;
    default:
        return {};
    }
}

QHash<int, QByteArray> CasesGrilleQml::roleNames() const {
    return {{Cellule, "cellule"},
            {Colonne, "colonne"},
            {Motif, "motif"},
            {Presente, "presente"},
            {Etat, "etat"}};
}

QObject* CasesGrilleQml::partie() const {
    return partie_.data();
}

void CasesGrilleQml::setPartie(QObject* partie) {
    auto* p = qobject_cast<PartieGlissanteQml*>(partie);
    if (p == partie_) return;
    if (partie_) disconnect(partie_, nullptr, this, nullptr);
    partie_ = p;
    if (p) {
        connect(p, &PartieGlissanteQml::donneChanged, this, &CasesGrilleQml::reconstruire);
        connect(p, &PartieGlissanteQml::casesChanged, this, &CasesGrilleQml::rafraichir);
        connect(p, &PartieGlissanteQml::selectionChanged, this, &CasesGrilleQml::rafraichir);
        connect(p, &QObject::destroyed, this, [this] {
            partie_ = nullptr;
            reconstruire();
            emit partieChanged();
        });
    }
    reconstruire();
    emit partieChanged();
}

void CasesGrilleQml::setRang(int rang) {
    if (!remplacer(rang_, rang)) return;
    reconstruire();
    emit rangChanged();
}

void CasesGrilleQml::setIndice(const QVariant& indice) {
    indiceBrut_ = indice;
    indice_ = paireDe(indice);
    rafraichir();
    emit indiceChanged();
}

CasesGrilleQml::Case CasesGrilleQml::caseDe(int cellule, int motif) const {
    const glissant::Partie& p = *partie_->donnees();
    const int m = p.gr.cases[static_cast<std::size_t>(cellule)];
    return {cellule, m >= 0 ? m : motif, m >= 0,
            plateau::etat(p.selection, indice_[0], indice_[1], cellule)};
}

void CasesGrilleQml::reconstruire() {
    const glissant::Partie* p = partie_ ? partie_->donnees() : nullptr;
    int debut = 0, fin = 0;
    if (p && rang_ < p->gr.h) {
        debut = rang_ < 0 ? 0 : rang_ * p->gr.l;
        fin = rang_ < 0 ? static_cast<int>(p->gr.cases.size()) : debut + p->gr.l;
    }
    // A new deal on a grid of the same size keeps the cells and their items.
    if (p && p->gr.l == largeur_ && fin - debut == count() &&
        (cases_.empty() || cases_.front().cellule == debut)) {
        rafraichir();
        return;
    }
    const int avant = count();
    beginResetModel();
    cases_.clear();
    largeur_ = p ? p->gr.l : 0;
    cases_.reserve(static_cast<std::size_t>(fin - debut));
    for (int i = debut; i < fin; ++i)
        cases_.push_back(caseDe(i, 0));
    endResetModel();
    if (count() != avant) emit countChanged();
}

void CasesGrilleQml::rafraichir() {
    if (!partie_ || !partie_->donnees()) return;
    for (int r = 0; r < count(); ++r) {
        Case& c = cases_[static_cast<std::size_t>(r)];
        const Case n = caseDe(c.cellule, c.motif);
        QVector<int> roles;
        if (n.motif != c.motif) roles << Motif;
        if (n.presente != c.presente) roles << Presente;
        if (n.etat != c.etat) roles << Etat;
        if (roles.isEmpty()) continue;
        c = n;
        emit dataChanged(index(r), index(r), roles);
    }
}

void enregistrerCasesGrille() {
    qmlRegisterType<CasesGrilleQml>("Tessimora", 1, 0, "CasesGrille");
}
