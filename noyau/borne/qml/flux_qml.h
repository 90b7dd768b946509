#pragma once

#include "borne/flux.h"

#include <QJSValue>
#include <QObject>
#include <QPointF>
#include <QVariant>

// What the end of a stack decides, as the play flow branches on it: `suite`
// is one of the values of `FinPile` in QML (FinPile.Continue, ...); the
// run's new state, the saves to make, the music and the events come with it.
class FinPile {
    Q_GADGET
    Q_PROPERTY(Suite suite MEMBER suite)
    Q_PROPERTY(int scoreTotal MEMBER scoreTotal)
    Q_PROPERTY(int multiplicateur MEMBER multiplicateur)
    Q_PROPERTY(int etape MEMBER etape)
    Q_PROPERTY(int etapesPartie MEMBER etapesPartie)
    Q_PROPERTY(int etapeFinale MEMBER etapeFinale)
    Q_PROPERTY(int tempsImpose MEMBER tempsImpose)
    Q_PROPERTY(int scoreFinal MEMBER scoreFinal)
    Q_PROPERTY(int multFinal MEMBER multFinal)
    Q_PROPERTY(int etapeNotee MEMBER etapeNotee)
    Q_PROPERTY(bool defiGagne MEMBER defiGagne)
    Q_PROPERTY(bool defiClasse MEMBER defiClasse)
    Q_PROPERTY(QString musique MEMBER musique)
    Q_PROPERTY(QVariantList evenements MEMBER evenements)

public:
    enum Suite { PileSuivante, EtapeSuivante, Salle, Continue, GameOver };
    Q_ENUM(Suite)

    Suite suite = GameOver;
    int scoreTotal = 0, multiplicateur = 1, etape = 0, etapesPartie = 0, etapeFinale = 0;
    int tempsImpose = 0, scoreFinal = 0, multFinal = 1, etapeNotee = -1;
    bool defiGagne = false, defiClasse = false;
    QString musique;
    QVariantList evenements; // EvenementJeu, in the order to send them
};
Q_DECLARE_METATYPE(FinPile)

FinPile finPileDe(const flux::Fin& f);

// The last column of a HIGH SCORES row: "03/14" for a dated entry (`date`
// true), else the stage's two digits.
class ColonneScore {
    Q_GADGET
    Q_PROPERTY(bool date MEMBER date)
    Q_PROPERTY(QString texte MEMBER texte)

public:
    bool date = false;
    QString texte;
};
Q_DECLARE_METATYPE(ColonneScore)

// The singleton `Flux`: the rules of the end-of-game scenes (the run itself
// is a `Course`).
class FluxQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int SECONDES_SAISIE READ secondesSaisie CONSTANT)
    Q_PROPERTY(int LETTRES READ lettres CONSTANT)

public:
    using QObject::QObject;

    int secondesSaisie() const;
    int lettres() const;

    // `table` is a score table as the memory holds it.
    Q_INVOKABLE int rangFinal(const QJSValue& table, int score) const;
    // What a stack shows as its score: banked, plus points times the
    // multiplier, plus the bonus counted so far.
    Q_INVOKABLE double scoreAffiche(double scoreBase, double points, int multiplicateur,
                                    double bonus) const;

    // -- NEW RECORD --
    Q_INVOKABLE QString deplacerLettre(const QString& c, int pas) const;
    Q_INVOKABLE QString debutSaisie(const QString& initiales) const;
    Q_INVOKABLE QString lettreDe(const QString& initiales, int place,
                                 const QString& precedente) const;
    Q_INVOKABLE QString lettre(int k) const;
    // The place of the grid's character k.
    Q_INVOKABLE QPointF caseLettre(int k) const;
    Q_INVOKABLE int caseTouchee(double x, double y) const;
    Q_INVOKABLE bool finTouchee(double x, double y) const;

    // -- HIGH SCORES --
    Q_INVOKABLE ColonneScore colonne(const QVariant& date, double etape) const;
    Q_INVOKABLE QString chiffres(double n, int chiffres) const;
};

void enregistrerFlux();
