#pragma once

#include "moteur/glissant.h"

#include <QObject>
#include <QPoint>
#include <QVariant>
#include <optional>
#include <vector>

// What a pick did, as the scene branches on it: `type` is one of the values
// of `PriseGlissante` in QML (PriseGlissante.Paire, ...).
class PriseGlissante {
    Q_GADGET
    Q_PROPERTY(Type type MEMBER type)
    Q_PROPERTY(int i MEMBER i)
    Q_PROPERTY(int ancienne MEMBER ancienne)
    Q_PROPERTY(int a MEMBER a)
    Q_PROPERTY(int b MEMBER b)
    Q_PROPERTY(int points MEMBER points)
    Q_PROPERTY(int combo MEMBER combo)

public:
    enum Type { Fini, Vide, Prise, Lachee, Refus, Paire };
    Q_ENUM(Type)

    Type type = Fini;
    int i = -1;         // the cell picked (vide, prise, lachee, refus)
    int ancienne = -1;  // refus: the cell that was picked before
    int a = -1, b = -1; // paire: the two cells
    int points = 0, combo = 0;
};
Q_DECLARE_METATYPE(PriseGlissante)

// One move of a deal's solution: a pair to remove, or a row to rotate.
class CoupGlissant {
    Q_GADGET
    Q_PROPERTY(Type type MEMBER type)
    Q_PROPERTY(int a MEMBER a)
    Q_PROPERTY(int b MEMBER b)
    Q_PROPERTY(int rang MEMBER rang)
    Q_PROPERTY(int sens MEMBER sens)

public:
    enum Type { Paire, Glisse };
    Q_ENUM(Type)

    Type type = Paire;
    int a = -1, b = -1;
    int rang = -1, sens = 0;
};
Q_DECLARE_METATYPE(CoupGlissant)

// One sliding game as the scenes see it: the QML type `PartieGlissante`. The
// record stays native. Each property has a change signal of its own and is
// announced only when its value really moved, so the clock's passing wakes
// the time display alone, a new score never wakes what draws the grid, and a
// rotation wakes the grid but not the score.
class PartieGlissanteQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool existe READ existe NOTIFY donneChanged)
    Q_PROPERTY(int largeur READ largeur NOTIFY donneChanged)
    Q_PROPERTY(int hauteur READ hauteur NOTIFY donneChanged)
    Q_PROPERTY(int nombre READ nombre NOTIFY donneChanged)
    Q_PROPERTY(int nbPaires READ nbPaires NOTIFY donneChanged)
    Q_PROPERTY(QPoint origine READ origine NOTIFY donneChanged)
    // The cell pitch on screen.
    Q_PROPERTY(int pasX READ pasX CONSTANT)
    Q_PROPERTY(int pasY READ pasY CONSTANT)
    Q_PROPERTY(Etat etat READ etat NOTIFY etatChanged)
    Q_PROPERTY(double score READ score NOTIFY scoreChanged)
    Q_PROPERTY(int combo READ combo NOTIFY comboChanged)
    Q_PROPERTY(int restantes READ restantes NOTIFY restantesChanged)
    Q_PROPERTY(int selection READ selection NOTIFY selectionChanged)
    Q_PROPERTY(double horloge READ horloge NOTIFY horlogeChanged)
    Q_PROPERTY(double tempsMs READ tempsMs NOTIFY tempsMsChanged)
    Q_PROPERTY(double tempsMax READ tempsMax NOTIFY tempsMaxChanged)
    Q_PROPERTY(int glisses READ glisses NOTIFY glissesChanged)
    Q_PROPERTY(QVariantList cases READ cases NOTIFY casesChanged)
    // The deal's own solution while nothing has been played since the deal
    // or the last MIX (a list of `CoupGlissant`); empty otherwise.
    Q_PROPERTY(QVariantList temoin READ temoin NOTIFY temoinChanged)

public:
    enum Etat { Aucune, Jeu, Gagne, Temps };
    Q_ENUM(Etat)

    explicit PartieGlissanteQml(QObject* parent = nullptr);

    // A new game. `options`: `largeur` (12), `hauteur` (7), `paires` (30),
    // `graine` (number or text), `tempsMs` (150000). False, with no game,
    // when no deal could be made.
    Q_INVOKABLE bool creer(const QVariantMap& options);
    // Grid `niveau` of a run; `reste` is the time left of the grid before,
    // below 0 for the first grid of a run.
    Q_INVOKABLE bool creerNiveau(int niveau, const QVariant& graine, double reste);
    Q_INVOKABLE void vider();

    // Questions about cells; cells outside the grid answer "nothing".
    Q_INVOKABLE int motif(int i) const;
    Q_INVOKABLE bool vide(int i) const;
    Q_INVOKABLE bool relies(int a, int b) const;
    // Every linked pair [a, b] of matching tiles, lowest cells first.
    Q_INVOKABLE QVariantList paires() const;
    Q_INVOKABLE int premiere() const;
    Q_INVOKABLE int voisine(int i, int dx, int dy) const;
    Q_INVOKABLE int comboCourant() const;
    // The seed of grid `niveau` after this one was cleared.
    Q_INVOKABLE double graineSuivante(int niveau) const;

    // Where things are on the native screen.
    Q_INVOKABLE QPoint pos(int i) const;
    Q_INVOKABLE int caseSous(double x, double y) const;
    Q_INVOKABLE int pasGlisse(double dx) const;

    // Play.
    Q_INVOKABLE PriseGlissante prendre(int i);
    Q_INVOKABLE bool glisserRang(int r, int sens);
    Q_INVOKABLE bool melanger();
    Q_INVOKABLE bool avancer(double dt);
    Q_INVOKABLE bool reprendre();

    bool existe() const { return p_.has_value(); }
    int largeur() const { return p_ ? p_->gr.l : 0; }
    int hauteur() const { return p_ ? p_->gr.h : 0; }
    int nombre() const { return p_ ? static_cast<int>(p_->gr.cases.size()) : 0; }
    int nbPaires() const { return paires_; }
    QPoint origine() const;
    int pasX() const;
    int pasY() const;
    Etat etat() const { return vu_.etat; }
    double score() const { return static_cast<double>(vu_.score); }
    int combo() const { return vu_.combo; }
    int restantes() const { return vu_.restantes; }
    int selection() const { return vu_.selection; }
    double horloge() const { return static_cast<double>(vu_.horloge); }
    double tempsMs() const { return static_cast<double>(vu_.tempsMs); }
    double tempsMax() const { return static_cast<double>(vu_.tempsMax); }
    int glisses() const { return vu_.glisses; }
    QVariantList cases() const;
    QVariantList temoin() const;

    // For the faces that draw the record.
    const glissant::Partie* donnees() const { return p_ ? &*p_ : nullptr; }

signals:
    void donneChanged();
    void etatChanged();
    void scoreChanged();
    void comboChanged();
    void restantesChanged();
    void selectionChanged();
    void horlogeChanged();
    void tempsMsChanged();
    void tempsMaxChanged();
    void glissesChanged();
    void casesChanged();
    void temoinChanged();

private:
    // What the properties last announced.
    struct Vu {
        Etat etat = Aucune;
        std::int64_t score = 0;
        int combo = 1;
        int restantes = 0;
        int selection = -1;
        std::int64_t horloge = 0;
        std::int64_t tempsMs = 0;
        std::int64_t tempsMax = 0;
        int glisses = 0;
        std::vector<int> cases;
        int temoin = -1; // number of the deal whose solution is known, -1 none
    };

    bool valide(int i) const;
    void nouvelle(std::optional<glissant::Partie> p);
    // Announces every property that moved since the last time.
    void publier();
    void publierTemps();

    std::optional<glissant::Partie> p_;
    int paires_ = 0;
    int donnes_ = 0; // deals and MIXes made, to tell one witness from the next
    Vu vu_;
};
