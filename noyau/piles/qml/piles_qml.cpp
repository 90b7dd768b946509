#include "piles/qml/piles_qml.h"

#include "borne/lancement.h"
#include "piles/liste.h"
#include "sauvegarde/qml/js_qml.h"
#include "sauvegarde/qml/salon_qml.h"
#include "sauvegarde/salon.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtQml>
#include <algorithm>
#include <cmath>

namespace {

static_assert(static_cast<int>(EntreePile::SansDonne) ==
                  static_cast<int>(importation::Refus::SansDonne),
              "the scenes' reasons follow the engine's");

QVariantMap disposition(const dispositions::Disposition& d) {
    QVariantList couches;
    for (const pile::Couche& c : d.couches) {
        QStringList rangs;
        for (const std::string& r : c)
            rangs << QString::fromStdString(r);
        couches << rangs;
    }
    return {{QStringLiteral("nom"), QString::fromStdString(d.nom)},
            {QStringLiteral("couches"), couches}};
}

bool memes(const EntreePile& a, const EntreePile& b) {
    return a.nom == b.nom && a.chemin == b.chemin && a.empreinte == b.empreinte &&
           a.raison == b.raison && a.tuiles == b.tuiles && a.fini == b.fini &&
           a.graine == b.graine && a.meme == b.meme;
}

} // namespace

PilesQml::PilesQml(QObject* parent)
    : QAbstractListModel(parent), dossier_(piles::dossier()), catalogue_(piles::catalogue()) {
    connect(&lecteur_, &piles::LecteurPiles::lu, this, [this] {
        recomposer();
        emit lu();
    });
    connect(&lecteur_, &piles::LecteurPiles::enCoursChanged, this, &PilesQml::enLectureChanged);
    recomposer();
}

EntreePile PilesQml::enregistrement(const piles::Pile& p) {
    EntreePile e;
    e.nom = p.nom;
    e.tuiles = p.tuiles;
    e.couches = p.couches;
    e.empreinte = p.empreinte;
    e.jouable = p.jouable();
    e.raison = static_cast<EntreePile::Raison>(p.verdict.refus);
    e.refus = QLatin1String(importation::cle(p.verdict.refus));
    e.chemin = p.chemin;
    e.catalogue = p.catalogue;
    if (p.jouable()) e.disposition = disposition(p.d);
    return e;
}

QString PilesQml::cle(const QString& nom, const QString& empreinte) {
    return nom + QLatin1Char('\n') + empreinte;
}

void PilesQml::completer(EntreePile& e) const {
    const QString c = cle(e.nom, e.empreinte);
    e.fini = e.jouable && finies_.contains(c);
    e.graine = e.jouable ? donnes_.value(c, 0) : 0;
}

void PilesQml::recomposer() {
    std::vector<EntreePile> l;
    QSet<QString> chemins;
    for (const piles::Pile& p : catalogue_)
        l.push_back(enregistrement(p));
    for (const piles::Pile& p : lecteur_.piles()) {
        l.push_back(enregistrement(p));
        chemins.insert(p.chemin);
    }
    for (const piles::Pile& p : donnees_)
        if (!chemins.contains(p.chemin)) l.push_back(enregistrement(p));
    for (std::size_t i = 0; i < l.size(); ++i) {
        completer(l[i]);
        if (l[i].graine > 0) {
            EntreePile meme = l[i];
            meme.meme = true;
            l.insert(l.begin() + static_cast<std::ptrdiff_t>(++i), meme);
        }
    }

    // Rows that stay where they are only change; the view keeps its place.
    const int avant = count(), apres = static_cast<int>(l.size());
    bool change = apres != avant;
    for (int i = 0; i < std::min(avant, apres); ++i)
        if (!memes(lignes_[i], l[i])) {
            lignes_[i] = l[i];
            change = true;
            emit dataChanged(index(i), index(i));
        }
    if (apres > avant) {
        beginInsertRows(QModelIndex(), avant, apres - 1);
        lignes_.insert(lignes_.end(), l.begin() + avant, l.end());
        endInsertRows();
    } else if (apres < avant) {
        beginRemoveRows(QModelIndex(), apres, avant - 1);
        lignes_.resize(static_cast<std::size_t>(apres));
        endRemoveRows();
    }
    if (apres != avant) emit countChanged();
    if (change) {
        ++revision_;
        emit revisionChanged();
    }
}

int PilesQml::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant PilesQml::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= count()) return {};
    const EntreePile& e = lignes_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Nom:
        return e.nom;
    case Tuiles:
        return e.tuiles;
    case Couches:
        return e.couches;
    case Empreinte:
        return e.empreinte;
    case Jouable:
        return e.jouable;
    case Raison:
        return static_cast<int>(e.raison);
    case Refus:
        return e.refus;
    case Chemin:
        return e.chemin;
    case Catalogue:
        return e.catalogue;
    case Disposition:
        return e.disposition;
    case Fini:
        return e.fini;
    case Graine:
        return e.graine;
    case Meme:
        return e.meme;
    default:
        return {};
    }
}

QHash<int, QByteArray> PilesQml::roleNames() const {
    return {{Nom, "nom"},
            {Tuiles, "tuiles"},
            {Couches, "couches"},
            {Empreinte, "empreinte"},
            {Jouable, "jouable"},
            {Raison, "raison"},
            {Refus, "refus"},
            {Chemin, "chemin"},
            {Catalogue, "catalogue"},
            {Disposition, "disposition"},
            {Fini, "fini"},
            {Graine, "graine"},
            {Meme, "meme"}};
}

void PilesQml::componentComplete() {
    relire();
}

void PilesQml::changerDossier(const QString& chemin) {
    if (chemin == dossier_) return;
    dossier_ = chemin;
    emit dossierChanged();
}

void PilesQml::changerSalon(const QJSValue& s) {
    salon_ = s;
    finies_.clear();
    for (const salon::Record& r : salon::lire(js::versJson(s)).piles)
        if (r.fini) finies_.insert(cle(r.nom, r.empreinte));
    recomposer();
    emit salonChanged();
}

QString PilesQml::demandee() const {
    return lancement::lire(QCoreApplication::arguments()).pile;
}

void PilesQml::noterDonne(int i, double graine) {
    if (i < 0 || i >= count() || !std::isfinite(graine)) return;
    const EntreePile& e = lignes_[static_cast<std::size_t>(i)];
    if (!e.jouable) return;
    donnes_.insert(cle(e.nom, e.empreinte), graine);
    recomposer();
}

void PilesQml::relire() {
    lecteur_.lire(dossier_);
}

int PilesQml::deplacer(int choix, const QString& action) const {
    return liste::deplacer(choix, action, count(), RANGS_VUS);
}

int PilesQml::premierePourVoir(int premiere, int choix) const {
    // A stack's SAME DEAL row comes into sight with it.
    const bool meme = choix + 1 < count() && lignes_[static_cast<std::size_t>(choix + 1)].meme;
    if (meme) premiere = liste::premierePourVoir(premiere, choix + 1, count(), RANGS_VUS);
    return liste::premierePourVoir(premiere, choix, count(), RANGS_VUS);
}

int PilesQml::rangTouche(double y, int haut, int pas, int premiere) const {
    return liste::rangTouche(y, haut, pas, premiere, count(), RANGS_VUS);
}

EntreePile PilesQml::entree(int i) const {
    return i >= 0 && i < count() ? lignes_[static_cast<std::size_t>(i)] : EntreePile{};
}

int PilesQml::indice(const QString& nom, const QString& empreinte) const {
    const auto i = std::find_if(lignes_.begin(), lignes_.end(), [&](const EntreePile& e) {
        return !e.meme && e.nom == nom && e.empreinte == empreinte;
    });
    return i == lignes_.end() ? -1 : static_cast<int>(i - lignes_.begin());
}

EntreePile PilesQml::ajouter(const QString& chemin) {
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    piles::Pile p = piles::lirePile(absolu);
    if (!p.jouable()) piles::signalerRefus(p);
    EntreePile e = enregistrement(p);
    completer(e);
    auto meme = std::find_if(donnees_.begin(), donnees_.end(),
                             [&](const piles::Pile& q) { return q.chemin == absolu; });
    if (meme != donnees_.end())
        *meme = std::move(p);
    else
        donnees_.push_back(std::move(p));
    recomposer();
    return e;
}

void enregistrerPiles() {
    qmlRegisterType<PilesQml>("Tessimora", 1, 0, "Piles");
    qRegisterMetaType<EntreePile>();
    qmlRegisterUncreatableMetaObject(EntreePile::staticMetaObject, "Tessimora", 1, 0, "EntreePile",
                                     QStringLiteral("a stack of TEA HOUSE's list"));
    enregistrerSalon();
}
