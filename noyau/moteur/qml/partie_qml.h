#pragma once

#include "moteur/partie.h"

#include <QObject>
#include <QVariant>

#include <optional>

// A seed from the scenes: a text stays a text, anything else is a number
// (not finite: 0).
alea::Graine graineDe(const QVariant& v);

// One stack game as the scenes see it: the QML type `Partie`. The record
// stays native; the board and the controller read it through the properties
// below and re-read them whenever `version` moves, which happens after every
// change of the tiles, the score, the aids or the state, so no list is copied
// per tile per frame. The clock's passing alone only signals `temps`: the
// values it moves (time left, clock, PEEK, combo window) say so themselves,
// and the board is not redrawn 60 times a second for them.
class PartieQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int version READ version NOTIFY change)
    Q_PROPERTY(bool existe READ existe NOTIFY change)
    Q_PROPERTY(bool prete READ existe NOTIFY change)
    Q_PROPERTY(QString disposition READ disposition NOTIFY change)
    Q_PROPERTY(int nombre READ nombre NOTIFY change)
    Q_PROPERTY(QString etat READ etat NOTIFY change)
    Q_PROPERTY(double score READ score NOTIFY change)
    Q_PROPERTY(int combo READ combo NOTIFY temps)
    Q_PROPERTY(int restantes READ restantes NOTIFY change)
    Q_PROPERTY(int selection READ selection NOTIFY change)
    Q_PROPERTY(double horloge READ horloge NOTIFY temps)
    Q_PROPERTY(double tempsMs READ tempsMs NOTIFY temps)
    Q_PROPERTY(double tempsMax READ tempsMax NOTIFY change)
    Q_PROPERTY(double apercuJusqua READ apercuJusqua NOTIFY temps)
    Q_PROPERTY(bool apercu READ apercu NOTIFY temps)
    Q_PROPERTY(int hint READ hint NOTIFY change)
    Q_PROPERTY(int mix READ mix NOTIFY change)
    Q_PROPERTY(int peek READ peek NOTIFY change)
    Q_PROPERTY(bool mixGratuit READ mixGratuit NOTIFY change)
    Q_PROPERTY(bool undo READ undo NOTIFY change)
    Q_PROPERTY(QVariantMap stats READ stats NOTIFY change)
    Q_PROPERTY(QVariantMap bornes READ bornes NOTIFY change)
    Q_PROPERTY(QVariantList ordre READ ordre NOTIFY donne)
    Q_PROPERTY(QVariantList presence READ presence NOTIFY change)
    Q_PROPERTY(QVariantList motifs READ motifs NOTIFY change)
    Q_PROPERTY(QVariantList libres READ libres NOTIFY change)

public:
    explicit PartieQml(QObject* parent = nullptr);

    // A new game. `options`: `disposition` (a layout, its name, or an index into
    // the stage list; missing takes entry `etape` mod 12), `etape`, `graine`
    // (number or text), `tempsMs` (0 or missing: from the layout), `undo`.
    // False, with no game, when the layout is unknown or no deal was made.
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
    Q_INVOKABLE QVariantMap prendre(int i);
    Q_INVOKABLE bool annuler();
    Q_INVOKABLE bool avancer(double dt);
    Q_INVOKABLE void travailler(double ms);
    Q_INVOKABLE QVariant indice();
    Q_INVOKABLE QVariantMap melanger();
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
    QString etat() const;
    double score() const;
    int combo() const { return comboCourant(); }
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
    QVariantMap stats() const;
    QVariantMap bornes() const;
    QVariantList ordre() const;
    QVariantList presence() const;
    QVariantList motifs() const;
    QVariantList libres() const;

    // For the other faces that act on the record (the AI).
    partie::Partie* donnees() { return p_ ? &*p_ : nullptr; }
    void modifier();

    static QVariantMap enregistrement(const partie::Resultat& r);
    static QVariantMap enregistrement(const partie::Melange& m);

signals:
    void change();
    void temps();
    // A new deal: the list of tiles changed, so the board builds them again.
    void donne();

private:
    bool valide(int i) const;

    std::optional<partie::Partie> p_;
    int version_ = 0;
};
