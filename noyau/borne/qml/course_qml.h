#pragma once

#include "borne/flux.h"
#include "borne/qml/flux_qml.h"
#include "borne/qml/modes_qml.h"
#include "commun/moteur/alea.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

// The game in progress, as one object the play flow calls (`Course`): its
// mode and that mode's row, the stage, the banked score and multiplier, the
// continues, whether it ranks, its final score and stage figure, and the
// cabinet's seeds. The flow asks it what a stack's end leads to and carries
// out the answer; every number of the run changes here and nowhere else.
class CourseQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int mode READ mode NOTIFY modeChanged)
    Q_PROPERTY(RegleModeQml* regle READ regle NOTIFY modeChanged)
    Q_PROPERTY(QString table READ table NOTIFY modeChanged)
    Q_PROPERTY(int etape READ etape NOTIFY etapeChanged)
    Q_PROPERTY(int continues READ continues NOTIFY continuesChanged)
    Q_PROPERTY(int scoreTotal READ scoreTotal NOTIFY scoreTotalChanged)
    Q_PROPERTY(int multiplicateur READ multiplicateur NOTIFY multiplicateurChanged)
    Q_PROPERTY(int etapesPartie READ etapesPartie NOTIFY etapesPartieChanged)
    Q_PROPERTY(int etapeFinale READ etapeFinale NOTIFY etapeFinaleChanged)
    Q_PROPERTY(int scoreFinal READ scoreFinal NOTIFY scoreFinalChanged)
    Q_PROPERTY(bool classe READ classe NOTIFY classeChanged)
    Q_PROPERTY(QString jour READ jour NOTIFY jourChanged)
    Q_PROPERTY(int niveauIa READ niveauIa NOTIFY niveauIaChanged)

public:
    explicit CourseQml(QObject* parent = nullptr);

    int mode() const { return int(c_.mode); }
    RegleModeQml* regle() const { return regleQml(c_.mode); }
    QString table() const;
    int etape() const { return c_.etape; }
    int continues() const { return c_.continues; }
    int scoreTotal() const { return c_.scoreTotal; }
    int multiplicateur() const { return c_.multiplicateur; }
    int etapesPartie() const { return c_.etapesPartie; }
    int etapeFinale() const { return c_.etapeFinale; }
    int scoreFinal() const { return scoreFinal_; }
    bool classe() const { return classe_; }
    QString jour() const { return jour_; }
    int niveauIa() const { return niveauIa_; }

    // A new game of `mode` (a value of Mode) from stage `etape`, against the
    // computer's level `niveauIa` in a duel (-1 two players).
    Q_INVOKABLE void commencer(int mode, int etape, int niveauIa);
    // A daily game of `jour`, which ranks unless `defiClasse` (the last
    // ranked day) is that day already.
    Q_INVOKABLE void jouerLeJour(const QString& jour, const QString& defiClasse);
    // The end of a stack ("gagne", "temps" or "impasse"), applied to the run.
    Q_INVOKABLE FinPile finPile(const QString& etat, double score, double bonus, double tempsMs,
                                double tempsMax, bool parfait);
    // A continue taken.
    Q_INVOKABLE void continuer();
    // A game that its game item scored itself (the sliding run's grids):
    // its banked score and the stage figure to show.
    Q_INVOKABLE void banquer(double score, int etapeFinale);
    // The game is over with `score`: the final score and its stage figure.
    Q_INVOKABLE void terminer(double score, int multFinal);
    // The score and stage figure of a game decided by its own rules (a duel).
    Q_INVOKABLE void fixerFin(double score, int etape);
    // The figure is forgotten once the game has left its table.
    Q_INVOKABLE void oublierFin();
    // The end-of-game report for the leaderboards, for a final `score`.
    Q_INVOKABLE QVariantMap rapport(double score) const;

    // A fresh seed of the cabinet's own generator (the demo's and the duel's
    // deals, the stages of a rush): different on every run, on purpose.
    Q_INVOKABLE int nouvelleGraine();
    // A stage drawn from the generator.
    Q_INVOKABLE int etapeAuHasard();

signals:
    void modeChanged();
    void etapeChanged();
    void continuesChanged();
    void scoreTotalChanged();
    void multiplicateurChanged();
    void etapesPartieChanged();
    void etapeFinaleChanged();
    void scoreFinalChanged();
    void classeChanged();
    void jourChanged();
    void niveauIaChanged();

private:
    void remplacerCourse(const flux::Course& c);
    void remplacerScoreFinal(int v);
    void remplacerClasse(bool v);
    void remplacerJour(const QString& v);

    flux::Course c_;
    int scoreFinal_ = 0;
    bool classe_ = true;
    QString jour_;
    int niveauIa_ = 1;
    alea::Alea alea_;
};

void enregistrerCourse();
