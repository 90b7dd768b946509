#pragma once

#include <QAbstractListModel>
#include <QPointer>
#include <QVariant>
#include <array>
#include <vector>

class PartieGlissanteQml;

// The cells of a sliding game as the grid draws them: the QML type
// `CasesGrille`, one row per cell of one row of the grid (`rang`), or of the
// whole grid when `rang` is -1. Each row of the grid has its own model, so
// the row being slid moves as one item. After each change of the cells or
// the selection it recomputes every cell here and tells the view only about
// the cells that changed: a pair touches two tile items, a rotation the
// tiles of one row.
class CasesGrilleQml : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(QObject* partie READ partie WRITE setPartie NOTIFY partieChanged)
    Q_PROPERTY(int rang READ rang WRITE setRang NOTIFY rangChanged)
    // The hinted pair [a, b], or null.
    Q_PROPERTY(QVariant indice READ indice WRITE setIndice NOTIFY indiceChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        Cellule = Qt::UserRole + 1, // cell index in the grid
        Colonne,
        Motif, // kept when the cell empties, so a tile coming back loads no image
        Presente,
        Etat, // 0 normal, 1 selected, 2 hinted
    };

    explicit CasesGrilleQml(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QObject* partie() const;
    void setPartie(QObject* partie);
    int rang() const { return rang_; }
    void setRang(int rang);
    QVariant indice() const { return indiceBrut_; }
    void setIndice(const QVariant& indice);
    int count() const { return static_cast<int>(cases_.size()); }

signals:
    void partieChanged();
    void rangChanged();
    void indiceChanged();
    void countChanged();

private:
    struct Case {
        int cellule = 0;
        int motif = 0;
        bool presente = false;
        int etat = 0;
    };

    void reconstruire();
    void rafraichir();
    Case caseDe(int cellule, int motif) const;

    QPointer<PartieGlissanteQml> partie_;
    int rang_ = -1;
    int largeur_ = 0;
    std::vector<Case> cases_;
    QVariant indiceBrut_;
    std::array<int, 2> indice_{-1, -1};
};

// Registers `CasesGrille` under "Tessimora" 1.0.
void enregistrerCasesGrille();
