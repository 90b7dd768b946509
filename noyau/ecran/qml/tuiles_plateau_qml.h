#pragma once

#include "ecran/plateau.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QVariant>
#include <array>
#include <set>
#include <vector>

class PartieQml;

// The tiles of one stack as the board draws them: the QML type
// `TuilesPlateau`, one row per place in drawing order. It follows a `Partie`
// and the board's presentation settings (veil rule, smoke, peek, hinted pair)
// and, after each change, recomputes every tile's drawing state here in C++
// but tells the view only about the rows that really changed. A pair removal
// therefore touches two or three tile items instead of re-evaluating every
// binding of every tile. Rows are rebuilt only for a new deal.
class TuilesPlateauQml : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(QObject* partie READ partie WRITE setPartie NOTIFY partieChanged)
    // 0 none, 1 boss stage, 2 every tile that is not free.
    Q_PROPERTY(int voile READ voile WRITE setVoile NOTIFY voileChanged)
    // Places veiled by smoke: a map whose keys are places.
    Q_PROPERTY(QVariant fumees READ fumees WRITE setFumees NOTIFY fumeesChanged)
    // PEEK: covering tiles are drawn see-through.
    Q_PROPERTY(bool apercu READ apercu WRITE setApercu NOTIFY apercuChanged)
    // The hinted pair [a, b], or null.
    Q_PROPERTY(QVariant indice READ indice WRITE setIndice NOTIFY indiceChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // Moves each time the rows are built again (another geometry): what
    // depends on the stack's shape, such as its origin, is re-read then.
    Q_PROPERTY(int construction READ construction NOTIFY reconstruit)

public:
    enum Role {
        Place = Qt::UserRole + 1,
        CoinX, // image corner from the stack origin
        CoinY,
        Couche,
        Motif,
        Presente,
        Voilee,
        Transparente,
        Etat, // 0 normal, 1 selected, 2 hinted
    };

    explicit TuilesPlateauQml(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QObject* partie() const;
    void setPartie(QObject* partie);
    int voile() const { return voile_; }
    void setVoile(int voile);
    QVariant fumees() const { return fumeesBrutes_; }
    void setFumees(const QVariant& fumees);
    bool apercu() const { return apercu_; }
    void setApercu(bool apercu);
    QVariant indice() const { return indiceBrut_; }
    void setIndice(const QVariant& indice);
    int count() const { return static_cast<int>(tuiles_.size()); }
    int construction() const { return construction_; }

    // Row of a place, or -1.
    Q_INVOKABLE int rang(int place) const;

signals:
    void partieChanged();
    void voileChanged();
    void fumeesChanged();
    void apercuChanged();
    void indiceChanged();
    void countChanged();
    void reconstruit();

private:
    // What a tile shows; only these change during a game.
    struct Aspect {
        int motif = 0;
        bool presente = false;
        bool voilee = false;
        bool transparente = false;
        int etat = 0;
    };
    struct Tuile {
        int place = 0;
        plateau::Point coin;
        int couche = 0;
        Aspect aspect;
    };

    void reconstruire();
    void rafraichir();
    Aspect aspectDe(int place) const;

    QPointer<PartieQml> partie_;
    // The geometry the rows were built for: another one means a new deal.
    const void* geometrie_ = nullptr;
    std::vector<Tuile> tuiles_;
    std::vector<int> rangs_; // place -> row
    int construction_ = 0;
    int voile_ = 0;
    QVariant fumeesBrutes_;
    std::set<int> fumees_;
    bool apercu_ = false;
    QVariant indiceBrut_;
    std::array<int, 2> indice_{-1, -1};
};

// Registers `TuilesPlateau` under "Tessimora" 1.0.
void enregistrerPlateau();
