#pragma once

#include "sauvegarde/evenements.h"

#include <QJSValue>
#include <QMetaType>
#include <QObject>
#include <QVariant>

// A game event as the scenes hold one: made by the singleton `Evenements`,
// handed to the platform layer as it is. Its fields read as the JSON form's
// (`type` its kind's word; an absent `continues` or `ia` is undefined), for
// the tests that check what was sent.
class EvenementJeu {
    Q_GADGET
    Q_PROPERTY(Sorte sorte READ sorte)
    Q_PROPERTY(QString type READ type)
    Q_PROPERTY(QString mode READ mode)
    Q_PROPERTY(double combo READ combo)
    Q_PROPERTY(bool jumelle READ jumelle)
    Q_PROPERTY(bool fever READ fever)
    Q_PROPERTY(double etape READ etape)
    Q_PROPERTY(double piles READ piles)
    Q_PROPERTY(bool boss READ boss)
    Q_PROPERTY(bool parfait READ parfait)
    Q_PROPERTY(double tempsMs READ tempsMs)
    Q_PROPERTY(double tempsMax READ tempsMax)
    Q_PROPERTY(double etapesPartie READ etapesPartie)
    Q_PROPERTY(QVariant continues READ continues)
    Q_PROPERTY(double score READ score)
    Q_PROPERTY(QString jour READ jour)
    Q_PROPERTY(QVariant ia READ ia)
    Q_PROPERTY(double gagnant READ gagnant)
    Q_PROPERTY(QString nom READ nom)
    Q_PROPERTY(double niveau READ niveau)

public:
    enum Sorte {
        Paire = int(evenements::Sorte::Paire),
        Pile = int(evenements::Sorte::Pile),
        Fin12 = int(evenements::Sorte::Fin12),
        Partie = int(evenements::Sorte::Partie),
        Defi = int(evenements::Sorte::Defi),
        Duel = int(evenements::Sorte::Duel),
        Scene = int(evenements::Sorte::Scene),
        Glissant = int(evenements::Sorte::Glissant),
        Record = int(evenements::Sorte::Record),
        Continue = int(evenements::Sorte::Continue),
        Secret = int(evenements::Sorte::Secret),
        Fumee = int(evenements::Sorte::Fumee),
        Aide = int(evenements::Sorte::Aide),
    };
    Q_ENUM(Sorte)

    EvenementJeu() = default;
    explicit EvenementJeu(const evenements::Evenement& e) : e_(e) {}

    const evenements::Evenement& evenement() const { return e_; }

    Sorte sorte() const { return Sorte(int(e_.sorte)); }
    QString type() const { return QLatin1String(evenements::motDe(e_.sorte)); }
    QString mode() const;
    double combo() const { return e_.combo; }
    bool jumelle() const { return e_.jumelle; }
    bool fever() const { return e_.fever; }
    double etape() const { return e_.etape; }
    double piles() const { return e_.piles; }
    bool boss() const { return e_.boss; }
    bool parfait() const { return e_.parfait; }
    double tempsMs() const { return e_.tempsMs; }
    double tempsMax() const { return e_.tempsMax; }
    double etapesPartie() const { return e_.etapesPartie; }
    QVariant continues() const { return e_.continues ? QVariant(*e_.continues) : QVariant(); }
    double score() const { return e_.score; }
    QString jour() const { return e_.jour; }
    QVariant ia() const { return e_.ia ? QVariant(*e_.ia) : QVariant(); }
    double gagnant() const { return e_.gagnant; }
    QString nom() const { return e_.nom; }
    double niveau() const { return e_.niveau; }

private:
    evenements::Evenement e_;
};
Q_DECLARE_METATYPE(EvenementJeu)

// The event a scene hands over: an EvenementJeu, or the JSON form { type,
// fields } that tests and damaged inputs use. Nothing for anything else.
std::optional<evenements::Evenement> evenementDe(const QVariant& v);

// The singleton `Evenements`: the game events the cabinet sends.
class EvenementsQml : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE EvenementJeu paire(double combo, bool jumelle, bool fever) const;
    // `mode` a value of Mode.
    Q_INVOKABLE EvenementJeu partie(int mode, double score) const;
    // Record, Continue, Secret or Fumee.
    Q_INVOKABLE EvenementJeu simple(int sorte) const;
    Q_INVOKABLE EvenementJeu scene(const QString& nom) const;
    Q_INVOKABLE EvenementJeu aide(const QString& nom) const;
    // `ia` -1 for two players, else the computer's level; `gagnant` 0 for a draw.
    Q_INVOKABLE EvenementJeu duel(int ia, int gagnant) const;
    Q_INVOKABLE EvenementJeu glissant(int niveau) const;
    // The JSON form of an event, as the tests that record events compare it.
    Q_INVOKABLE QVariantMap forme(const QVariant& ev) const;
};

void enregistrerEvenements();
