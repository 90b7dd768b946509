#pragma once

#include "moteur/partie.h"

#include <QObject>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

// One stack game as the board sees it: the QML type `PartiePile`. It owns the
// engine's game record and answers the board's per-tile questions (place,
// presence, motif, veil, see-through, highlight) and the pixel geometry, so
// the scene holds no rule. Every change bumps `version`; the board re-reads
// its tiles when it moves.
class PartiePileQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int version READ version NOTIFY change)
    Q_PROPERTY(bool prete READ prete NOTIFY change)
    Q_PROPERTY(int n READ n NOTIFY donne)
    Q_PROPERTY(QVariantList ordre READ ordre NOTIFY donne)
    Q_PROPERTY(int selection READ selection NOTIFY change)
    Q_PROPERTY(int restantes READ restantes NOTIFY change)
    Q_PROPERTY(double score READ score NOTIFY change)
    Q_PROPERTY(QString disposition READ disposition NOTIFY donne)
    Q_PROPERTY(QString etat READ etat NOTIFY change)
    // The pixel constants of the board.
    Q_PROPERTY(int DEMI_X READ demiX CONSTANT)
    Q_PROPERTY(int DEMI_Y READ demiY CONSTANT)
    Q_PROPERTY(int COUCHE_X READ coucheX CONSTANT)
    Q_PROPERTY(int COUCHE_Y READ coucheY CONSTANT)
    Q_PROPERTY(int TUILE_L READ tuileL CONSTANT)
    Q_PROPERTY(int TUILE_H READ tuileH CONSTANT)

public:
    using QObject::QObject;

    int version() const { return version_; }
    bool prete() const { return partie_.has_value(); }
    int n() const;
    QVariantList ordre() const;
    int selection() const;
    int restantes() const;
    double score() const;
    QString disposition() const;
    QString etat() const;
    int demiX() const;
    int demiY() const;
    int coucheX() const;
    int coucheY() const;
    int tuileL() const;
    int tuileH() const;

    // Deals the named layout with a number or text seed; false when the
    // layout is unknown or no deal could be made (the old game is kept then).
    Q_INVOKABLE bool creer(const QString& disposition, const QVariant& graine);

    Q_INVOKABLE QVariantMap place(int i) const;         // { x, y, z } in half-cells
    Q_INVOKABLE QVariantMap px(int i) const;            // image corner from the origin
    Q_INVOKABLE bool present(int i) const;
    Q_INVOKABLE int motif(int i) const;                 // -1 outside the stack
    Q_INVOKABLE bool libre(int i) const;
    Q_INVOKABLE bool couvre(int i) const;
    // voile: 0, 1 or 2; fumees: a map whose keys are veiled places.
    Q_INVOKABLE bool voilee(int i, int voile, const QVariant& fumees) const;
    // indice: a pair [a, b] or null.
    Q_INVOKABLE int etatTuile(int i, const QVariant& indice) const;
    // zone: { x, y, largeur, hauteur }; { x: 0, y: 0 } without a game.
    Q_INVOKABLE QVariantMap origine(const QVariant& zone) const;
    Q_INVOKABLE int sous(int ox, int oy, int x, int y) const;

    // Play, for the board's own scenes and tests; controllers may use them.
    Q_INVOKABLE QVariantMap prendre(int i);
    Q_INVOKABLE QVariant indice();
    Q_INVOKABLE bool annuler();

    const std::optional<partie::Partie>& partie() const { return partie_; }

signals:
    void change();
    // A new deal: the list of places changed, so the board builds its tiles
    // again; any other change keeps them and only re-reads their state.
    void donne();

private:
    bool dans(int i) const;
    void bump();

    std::optional<partie::Partie> partie_;
    int version_ = 0;
};

// The board's pixel geometry and drawing rules as the scenes see them: the
// singleton `Trace`. Each question takes the game object the board was given,
// either the engine's `Partie` or a `PartiePile`, and answers "nothing" for
// anything else or a game not yet dealt.
class TraceQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int DEMI_X READ demiX CONSTANT)
    Q_PROPERTY(int DEMI_Y READ demiY CONSTANT)
    Q_PROPERTY(int COUCHE_X READ coucheX CONSTANT)
    Q_PROPERTY(int COUCHE_Y READ coucheY CONSTANT)
    Q_PROPERTY(int TUILE_L READ tuileL CONSTANT)
    Q_PROPERTY(int TUILE_H READ tuileH CONSTANT)

public:
    using QObject::QObject;

    int demiX() const;
    int demiY() const;
    int coucheX() const;
    int coucheY() const;
    int tuileL() const;
    int tuileH() const;

    Q_INVOKABLE bool pret(QObject* partie) const;
    // Names the deal's geometry: the tiles need building again only when it changes.
    Q_INVOKABLE QString cle(QObject* partie) const;
    Q_INVOKABLE QVariantList ordre(QObject* partie) const;
    Q_INVOKABLE int couche(QObject* partie, int i) const;
    Q_INVOKABLE QVariantMap px(QObject* partie, int i) const;
    Q_INVOKABLE QVariantMap origine(QObject* partie, const QVariant& zone) const;
    Q_INVOKABLE int sous(QObject* partie, int ox, int oy, int x, int y) const;
    Q_INVOKABLE bool couvre(QObject* partie, int i) const;
    Q_INVOKABLE bool voilee(QObject* partie, int i, int voile, const QVariant& fumees) const;
    Q_INVOKABLE int etat(QObject* partie, int i, const QVariant& indice) const;
};

// Registers `PartiePile` and the singleton `Trace` under "Tessimora" 1.0.
void enregistrerPlateau();
