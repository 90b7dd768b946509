#pragma once

#include "moteur/partie.h"

#include <QObject>
#include <QVariant>
#include <array>
#include <optional>
#include <vector>

// A seed from the scenes: a text stays a text, anything else is a number
// (not finite: 0).
alea::Graine graineDe(const QVariant& v);

// What a pick did, as the scenes branch on it: `type` is one of the values
// of `PrisePile` in QML (PrisePile.Paire, ...). The fields a kind of result
// does not use keep their defaults.
class PrisePile {
    Q_GADGET
    Q_PROPERTY(Type type MEMBER type)
    Q_PROPERTY(int i MEMBER i)
    Q_PROPERTY(int ancienne MEMBER ancienne)
    Q_PROPERTY(int a MEMBER a)
    Q_PROPERTY(int b MEMBER b)
    Q_PROPERTY(int points MEMBER points)
    Q_PROPERTY(int combo MEMBER combo)
    Q_PROPERTY(bool jumelle MEMBER jumelle)
    Q_PROPERTY(double bonusMs MEMBER bonusMs)
    Q_PROPERTY(bool fever MEMBER fever)

public:
    enum Type { Fini, Bloquee, Prise, Lachee, Refus, Paire };
    Q_ENUM(Type)

    Type type = Fini;
    int i = -1;         // the tile picked (bloquee, prise, lachee, refus)
    int ancienne = -1;  // refus: the tile that was picked before
    int a = -1, b = -1; // paire: the two tiles
    int points = 0, combo = 0;
    bool jumelle = false;
    double bonusMs = 0;
    bool fever = false;
};
Q_DECLARE_METATYPE(PrisePile)

// What a MIX did: `ok` when the tiles were dealt again, `impossible` when no
// deal can be cleared any more (the stack is at a dead end), the motifs
// before, and the time it cost.
class MelangePile {
    Q_GADGET
    Q_PROPERTY(bool ok MEMBER ok)
    Q_PROPERTY(bool impossible MEMBER impossible)
    Q_PROPERTY(QVariantList ancien MEMBER ancien)
    Q_PROPERTY(double cout MEMBER cout)

public:
    bool ok = false;
    bool impossible = false;
    QVariantList ancien;
    double cout = 0;
};
Q_DECLARE_METATYPE(MelangePile)

// One stack game as the scenes see it: the QML type `Partie`. The record
// stays native. Each property has a change signal of its own and is
// announced only when its value really moved: the clock's passing wakes the
// time values alone, a new score never wakes what draws the tiles, and a
// pick wakes the selection but not the score. `version` moves after every
// change except the clock's, so that the board, which follows it, is not
// redrawn 60 times a second.
class PartieQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int version READ version NOTIFY versionChanged)
    // Only a new deal (or none) moves these.
    Q_PROPERTY(bool existe READ existe NOTIFY donneChanged)
    Q_PROPERTY(bool prete READ existe NOTIFY donneChanged)
    Q_PROPERTY(QString disposition READ disposition NOTIFY donneChanged)
    Q_PROPERTY(int nombre READ nombre NOTIFY donneChanged)
    Q_PROPERTY(QVariantMap bornes READ bornes NOTIFY donneChanged)
    Q_PROPERTY(QVariantList ordre READ ordre NOTIFY donneChanged)
    Q_PROPERTY(Etat etat READ etat NOTIFY etatChanged)
    Q_PROPERTY(double score READ score NOTIFY scoreChanged)
    Q_PROPERTY(int combo READ combo NOTIFY comboChanged)
    Q_PROPERTY(int restantes READ restantes NOTIFY restantesChanged)
    Q_PROPERTY(int selection READ selection NOTIFY selectionChanged)
    Q_PROPERTY(double horloge READ horloge NOTIFY horlogeChanged)
    Q_PROPERTY(double tempsMs READ tempsMs NOTIFY tempsMsChanged)
    Q_PROPERTY(double tempsMax READ tempsMax NOTIFY tempsMaxChanged)
    Q_PROPERTY(double apercuJusqua READ apercuJusqua NOTIFY apercuJusquaChanged)
    Q_PROPERTY(bool apercu READ apercu NOTIFY apercuChanged)
    Q_PROPERTY(int hint READ hint NOTIFY hintChanged)
    Q_PROPERTY(int mix READ mix NOTIFY mixChanged)
    Q_PROPERTY(int peek READ peek NOTIFY peekChanged)
    Q_PROPERTY(bool mixGratuit READ mixGratuit NOTIFY mixGratuitChanged)
    Q_PROPERTY(bool undo READ undo NOTIFY undoChanged)
    // A calm game with no incense (the `sansEncens` option): `horloge` is the
    // time spent, `tempsMs` and `tempsMax` stay 0, HINT and UNDO are
    // unlimited, MIX is free on a blocked stack only, PEEK is refused.
    Q_PROPERTY(bool sansEncens READ sansEncens NOTIFY donneChanged)
    Q_PROPERTY(QVariantMap stats READ stats NOTIFY statsChanged)
    // No HINT, MIX or UNDO used so far: a clear now earns the perfect bonus.
    Q_PROPERTY(bool parfait READ parfait NOTIFY parfaitChanged)
    Q_PROPERTY(QVariantList presence READ presence NOTIFY presenceChanged)
    Q_PROPERTY(QVariantList motifs READ motifs NOTIFY motifsChanged)
    Q_PROPERTY(QVariantList libres READ libres NOTIFY libresChanged)

public:
    // Aucune: no game.
    enum Etat { Aucune, Jeu, Bloque, Gagne, Temps, Impasse };
    Q_ENUM(Etat)

    explicit PartieQml(QObject* parent = nullptr);

    // A new game. `options`: `disposition` (a layout { nom, couches }, a
    // layout's name, or an index into the stage list; missing takes entry
    // `etape` mod 12), `etape`, `graine` (number or text), `tempsMs` (0 or
    // missing: from the layout), `undo`, `sansEncens`. A layout given whole
    // is dealt from its own shape (a stack from a file may share a catalogue
    // name), and refused past the largest stack a file may hold. False, with
    // no game, when the layout is unknown or unreadable or no deal was made.
    Q_INVOKABLE bool creer(const QVariantMap& options);
    Q_INVOKABLE void vider();

    // Questions about tiles; out-of-range indices answer "nothing".
    Q_INVOKABLE bool present(int i) const;
    Q_INVOKABLE bool libre(int i) const;
    Q_INVOKABLE int motif(int i) const;
    Q_INVOKABLE int famille(int i) const;
    Q_INVOKABLE QVariant place(int i) const;
    Q_INVOKABLE QVariantList paires() const;
    Q_INVOKABLE int voisine(int depuis, int dx, int dy) const;
    // The free tile nearest to tile `depuis` by half-cell distance (layer
    // ignored, ties to the lowest index); the lowest free tile when `depuis`
    // names no tile; -1 when nothing is free.
    Q_INVOKABLE int plusProche(int depuis) const;

    // The board's questions, in native pixels (the board only draws).
    Q_INVOKABLE QVariantMap px(int i) const; // image corner from the stack origin
    Q_INVOKABLE bool couvre(int i) const;
    // zone: { x, y, largeur, hauteur }; { x: 0, y: 0 } without a game.
    Q_INVOKABLE QVariantMap origine(const QVariant& zone) const;
    // Topmost tile in play under pixel (x, y) for the origin (ox, oy), or -1.
    Q_INVOKABLE int sous(int ox, int oy, int x, int y) const;
    Q_INVOKABLE int comboCourant() const;
    // The known way to clear what is left, pairs [a, b] in removal order, as
    // it stands (no search); null when none is known.
    Q_INVOKABLE QVariant temoin() const;
    Q_INVOKABLE QVariantMap bonusFin() const;

    // Play. Each bumps `version` when it changed anything.
    Q_INVOKABLE PrisePile prendre(int i);
    Q_INVOKABLE bool annuler();
    Q_INVOKABLE bool avancer(double dt);
    Q_INVOKABLE void travailler(double ms);
    Q_INVOKABLE QVariant indice();
    Q_INVOKABLE MelangePile melanger();
    Q_INVOKABLE double apercuAide();
    Q_INVOKABLE QVariant pousser();
    // A continue after the time ran out: the same tiles with a full stick and
    // the stack's score back to 0. False unless the time had run out.
    Q_INVOKABLE bool reprendre();
    // INCENSE RUSH stretches the stick of a new stack to at least `ms`.
    Q_INVOKABLE void allonger(double ms);

    int version() const { return version_; }
    bool existe() const { return p_.has_value(); }
    QString disposition() const;
    int nombre() const;
    Etat etat() const { return vu_.etat; }
    double score() const;
    int combo() const { return vu_.combo; }
    int restantes() const { return p_ ? p_->restantes : 0; }
    int selection() const { return p_ ? p_->selection : -1; }
    double horloge() const;
    double tempsMs() const;
    double tempsMax() const;
    double apercuJusqua() const;
    bool apercu() const;
    int hint() const { return p_ ? p_->aides.hint : 0; }
    int mix() const { return p_ ? p_->aides.mix : 0; }
    int peek() const { return p_ ? p_->aides.peek : 0; }
    bool mixGratuit() const { return p_ && p_->mixGratuit; }
    bool undo() const { return p_ && p_->undo; }
    bool sansEncens() const { return p_ && p_->sansEncens; }
    QVariantMap stats() const;
    bool parfait() const { return vu_.parfait; }
    QVariantMap bornes() const;
    QVariantList ordre() const;
    QVariantList presence() const;
    QVariantList motifs() const;
    QVariantList libres() const;

    // For the other faces that act on the record (the AI): they call
    // publier() once they have changed it.
    partie::Partie* donnees() { return p_ ? &*p_ : nullptr; }
    // Announces every property that moved since the last time.
    void publier();

    static PrisePile enregistrement(const partie::Resultat& r);
    static MelangePile enregistrement(const partie::Melange& m);

signals:
    void versionChanged();
    // A new deal, or none: the list of tiles changed, so the board builds
    // them again.
    void donneChanged();
    void etatChanged();
    void scoreChanged();
    void comboChanged();
    void restantesChanged();
    void selectionChanged();
    void horlogeChanged();
    void tempsMsChanged();
    void tempsMaxChanged();
    void apercuJusquaChanged();
    void apercuChanged();
    void hintChanged();
    void mixChanged();
    void peekChanged();
    void mixGratuitChanged();
    void undoChanged();
    void statsChanged();
    void parfaitChanged();
    void presenceChanged();
    void motifsChanged();
    void libresChanged();

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
        std::int64_t apercuJusqua = -1;
        bool apercu = false;
        int hint = 0, mix = 0, peek = 0;
        bool mixGratuit = false;
        bool undo = false;
        std::array<int, 6> stats{};
        bool parfait = false;
        std::vector<std::uint8_t> presence;
        std::vector<int> motifs;
        std::vector<int> libres;
    };

    bool valide(int i) const;
    void nouvelle();
    // The clock's passing alone: the time values and what they move.
    void publierTemps();

    std::optional<partie::Partie> p_;
    int version_ = 0;
    Vu vu_;
};
