#include "ecran/qml/tuiles_plateau_qml.h"

#include "ecran/qml/paire_qml.h"
#include "ecran/qml/remplacer.h"
#include "moteur/qml/partie_qml.h"

#include <QtQml>

TuilesPlateauQml::TuilesPlateauQml(QObject* parent) : QAbstractListModel(parent) {}

int TuilesPlateauQml::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant TuilesPlateauQml::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    const Tuile& t = tuiles_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Place:
        return t.place;
    case CoinX:
        return t.coin.x;
    case CoinY:
        return t.coin.y;
    case Couche:
        return t.couche;
    case Motif:
        return t.aspect.motif;
    case Presente:
        return t.aspect.presente;
    case Voilee:
        return t.aspect.voilee;
    case Transparente:
        return t.aspect.transparente;
    case Etat:
        return t.aspect.etat;
    default:
        return {};
    }
}

QHash<int, QByteArray> TuilesPlateauQml::roleNames() const {
    return {{Place, "place"},   {CoinX, "coinX"},
            {CoinY, "coinY"},   {Couche, "couche"},
            {Motif, "motif"},   {Presente, "presente"},
            {Voilee, "voilee"}, {Transparente, "transparente"},
            {Etat, "etat"}};
}

QObject* TuilesPlateauQml::partie() const {
    return partie_.data();
}

void TuilesPlateauQml::setPartie(QObject* partie) {
    auto* p = qobject_cast<PartieQml*>(partie);
    if (p == partie_) return;
    if (partie_) disconnect(partie_, nullptr, this, nullptr);
    partie_ = p;
    if (p) {
        // Every change but the clock's moves the version, a new deal too; one
        // of the same layout keeps the rows and their items.
        connect(p, &PartieQml::versionChanged, this, &TuilesPlateauQml::rafraichir);
        connect(p, &QObject::destroyed, this, [this] {
            partie_ = nullptr;
            reconstruire();
            emit partieChanged();
        });
    }
    reconstruire();
    emit partieChanged();
}

void TuilesPlateauQml::setVoile(int voile) {
    if (!remplacer(voile_, voile)) return;
    rafraichir();
    emit voileChanged();
}

void TuilesPlateauQml::setFumees(const QVariant& fumees) {
    fumeesBrutes_ = fumees;
    fumees_.clear();
    const QVariantMap m = fumees.toMap();
    for (auto k = m.constBegin(); k != m.constEnd(); ++k)
        if (k.value().toBool()) fumees_.insert(k.key().toInt());
    rafraichir();
    emit fumeesChanged();
}

void TuilesPlateauQml::setApercu(bool apercu) {
    if (!remplacer(apercu_, apercu)) return;
    rafraichir();
    emit apercuChanged();
}

void TuilesPlateauQml::setIndice(const QVariant& indice) {
    indiceBrut_ = indice;
    indice_ = paireDe(indice);
    rafraichir();
    emit indiceChanged();
}

int TuilesPlateauQml::rang(int place) const {
    return place >= 0 && place < static_cast<int>(rangs_.size())
               ? rangs_[static_cast<std::size_t>(place)]
               : -1;
}

TuilesPlateauQml::Aspect TuilesPlateauQml::aspectDe(int place) const {
    const partie::Partie& p = *partie_->donnees();
    Aspect a;
    a.motif = p.motifs[static_cast<std::size_t>(place)];
    a.presente = p.present[static_cast<std::size_t>(place)];
    a.voilee = plateau::voilee(*p.g, p.present, voile_, fumees_, place);
    a.transparente = apercu_ && plateau::couvre(*p.g, p.present, place);
    a.etat = plateau::etat(p.selection, indice_[0], indice_[1], place);
    return a;
}

void TuilesPlateauQml::reconstruire() {
    const partie::Partie* p = partie_ ? partie_->donnees() : nullptr;
    beginResetModel();
    const int avant = count();
    tuiles_.clear();
    rangs_.clear();
    geometrie_ = p ? p->g.get() : nullptr;
    if (p) {
        const pile::Geometrie& g = *p->g;
        rangs_.assign(static_cast<std::size_t>(g.n), -1);
        tuiles_.reserve(g.ordre.size());
        for (int place : g.ordre) {
            const pile::Place& q = g.places[static_cast<std::size_t>(place)];
            rangs_[static_cast<std::size_t>(place)] = count();
            tuiles_.push_back({place, plateau::px(q), q.z, aspectDe(place)});
        }
    }
    endResetModel();
    ++construction_;
    if (count() != avant) emit countChanged();
    emit reconstruit();
}

void TuilesPlateauQml::rafraichir() {
    const partie::Partie* p = partie_ ? partie_->donnees() : nullptr;
    if ((p ? p->g.get() : nullptr) != geometrie_ ||
        (p && p->g->n != static_cast<int>(rangs_.size()))) {
        reconstruire();
        return;
    }
    for (int r = 0; r < count(); ++r) {
        Tuile& t = tuiles_[static_cast<std::size_t>(r)];
        const Aspect a = aspectDe(t.place);
        QVector<int> roles;
        if (a.motif != t.aspect.motif) roles << Motif;
        if (a.presente != t.aspect.presente) roles << Presente;
        if (a.voilee != t.aspect.voilee) roles << Voilee;
        if (a.transparente != t.aspect.transparente) roles << Transparente;
        if (a.etat != t.aspect.etat) roles << Etat;
        if (roles.isEmpty()) continue;
        t.aspect = a;
        emit dataChanged(index(r), index(r), roles);
    }
}

void enregistrerPlateau() {
    qmlRegisterType<TuilesPlateauQml>("Tessimora", 1, 0, "TuilesPlateau");
}
