#pragma once

#include "piles/lecture.h"

#include <QAbstractListModel>
#include <QHash>
#include <QJSValue>
#include <QQmlParserStatus>
#include <QSet>
#include <QVariant>
#include <vector>

// One stack of TEA HOUSE's list as the scenes read it. `disposition` is
// what `Partie.creer({ disposition: ... })` deals: { nom, couches }. A
// refused stack has `jouable` false, its `raison` (EntreePile.TropLarge...)
// and the key the row shows, `refus` ("TOO WIDE"...), looked up in the
// catalogues; its `disposition` is empty.
class EntreePile {
    Q_GADGET
    Q_PROPERTY(QString nom MEMBER nom)
    Q_PROPERTY(int tuiles MEMBER tuiles)
    Q_PROPERTY(int couches MEMBER couches)
    Q_PROPERTY(QString empreinte MEMBER empreinte)
    Q_PROPERTY(bool jouable MEMBER jouable)
    Q_PROPERTY(Raison raison MEMBER raison)
    Q_PROPERTY(QString refus MEMBER refus)
    Q_PROPERTY(QString chemin MEMBER chemin)
    Q_PROPERTY(bool catalogue MEMBER catalogue)
    Q_PROPERTY(QVariantMap disposition MEMBER disposition)
    Q_PROPERTY(bool fini MEMBER fini)
    Q_PROPERTY(double graine MEMBER graine)
    Q_PROPERTY(bool meme MEMBER meme)

public:
    // In the order of importation::Refus.
    enum Raison {
        Aucune,
        Illisible,
        TropGros,
        PasUnePile,
        Vide,
        Impaire,
        TuileCassee,
        Chevauchement,
        Suspendue,
        TropDeTuiles,
        TropLarge,
        TropHaute,
        TropProfonde,
        SansDonne,
    };
    Q_ENUM(Raison)

    QString nom;
    int tuiles = 0, couches = 0;
    QString empreinte;
    bool jouable = false;
    Raison raison = Aucune;
    QString refus;
    QString chemin;
    bool catalogue = false;
    QVariantMap disposition;
    bool fini = false; // cleared once, by TEA HOUSE's record
    double graine = 0; // the seed of its last deal in this run; 0 for none
    bool meme = false; // the SAME DEAL row under a stack dealt in this run
};
Q_DECLARE_METATYPE(EntreePile)

// TEA HOUSE's list of stacks: the QML type `Piles`, a list model. First the
// catalogue's (the twelve stage stacks, then the two duel stacks:
// `nombreCatalogue` rows), then every file of the player's folder in name
// order, then the files given with `ajouter` (`--pile=FILE`) that are not in
// the folder. The folder is read once the item is complete and again at each
// `relire()`, on a worker thread: the rows of files stay as they were until
// the read is done, then change at once (`lu`). Roles: nom, tuiles, couches,
// empreinte, jouable, raison, refus, chemin, catalogue, disposition, fini
// (from the record given as `salon`), graine (the last deal of the run) and
// meme. The record is read once per change, not once per row,
// so that a hundred rows cost one pass over it.
class PilesQml : public QAbstractListModel, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int nombreCatalogue READ nombreCatalogue CONSTANT)
    Q_PROPERTY(int rangsVus READ rangsVus CONSTANT)
    // Counts every change of the rows, for views that read them by `entree`.
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)
    Q_PROPERTY(bool enLecture READ enLecture NOTIFY enLectureChanged)
    // The folder read: $XDG_DATA_HOME/tessimora/piles unless set.
    Q_PROPERTY(QString dossier READ dossier WRITE changerDossier NOTIFY dossierChanged)
    // TEA HOUSE's record (the memory's `salon`): which stacks were cleared.
    Q_PROPERTY(QJSValue salon READ salon WRITE changerSalon NOTIFY salonChanged)
    // The file --pile= names, "" for none.
    Q_PROPERTY(QString demandee READ demandee CONSTANT)

public:
    enum Role {
        Nom = Qt::UserRole + 1,
        Tuiles,
        Couches,
        Empreinte,
        Jouable,
        Raison,
        Refus,
        Chemin,
        Catalogue,
        Disposition,
        Fini,
        Graine,
        Meme,
    };
    // Rows a list scene shows at once.
    static constexpr int RANGS_VUS = 11;
    int rangsVus() const { return RANGS_VUS; }

    explicit PilesQml(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    void classBegin() override {}
    void componentComplete() override;

    int count() const { return static_cast<int>(lignes_.size()); }
    int revision() const { return revision_; }
    int nombreCatalogue() const { return static_cast<int>(catalogue_.size()); }
    bool enLecture() const { return lecteur_.enCours(); }
    QString dossier() const { return dossier_; }
    void changerDossier(const QString& chemin);
    QJSValue salon() const { return salon_; }
    void changerSalon(const QJSValue& s);
    QString demandee() const;

    // Reads the folder again (the row opening); `lu` when done.
    Q_INVOKABLE void relire();
    // The row the cursor reaches from `choix` by "haut"/"bas" (one row,
    // wrapping) or "gauche"/"droite" (a screen of rows, stopping at the
    // ends); -1 for any other action.
    Q_INVOKABLE int deplacer(int choix, const QString& action) const;
    // The top row that keeps row `choix` in sight, and its SAME DEAL row
    // under it, moving as little as it can from `premiere`.
    Q_INVOKABLE int premierePourVoir(int premiere, int choix) const;
    // The row a press at height y lands on (rows from `haut`, `pas` apart,
    // row `premiere` on top), or -1.
    Q_INVOKABLE int rangTouche(double y, int haut, int pas, int premiere) const;
    // The row i; an entry with no name out of range.
    Q_INVOKABLE EntreePile entree(int i) const;
    // The row of that stack (not its SAME DEAL row), or -1.
    Q_INVOKABLE int indice(const QString& nom, const QString& empreinte) const;
    // Reads one file now (a path relative to the working folder is taken
    // from there), lists it and returns its entry; said on standard error
    // and output when refused, as a folder's files are.
    Q_INVOKABLE EntreePile ajouter(const QString& chemin);
    // The seed the stack of row i was last dealt with, for SAME DEAL.
    Q_INVOKABLE void noterDonne(int i, double graine);

    static EntreePile enregistrement(const piles::Pile& p);

signals:
    void lu();
    void countChanged();
    void revisionChanged();
    void enLectureChanged();
    void dossierChanged();
    void salonChanged();

private:
    void recomposer();
    // Sets what the record and the run say of row e.
    void completer(EntreePile& e) const;
    static QString cle(const QString& nom, const QString& empreinte);

    piles::LecteurPiles lecteur_;
    QString dossier_;
    std::vector<piles::Pile> catalogue_;
    std::vector<piles::Pile> donnees_; // from ajouter
    std::vector<EntreePile> lignes_;
    QJSValue salon_;
    QSet<QString> finies_;          // cle() of the stacks cleared once
    QHash<QString, double> donnes_; // cle() -> seed of the last deal
    int revision_ = 0;
};

// Registers `Piles`, `EntreePile` and TEA HOUSE's record `Salon` under
// "Tessimora" 1.0.
void enregistrerPiles();
