#pragma once

#include "moteur/duel.h"

#include <QObject>
#include <QString>

// Where a decided duel leads the cabinet (`ArbitreDuel.issue`).
class IssueDuel {
    Q_GADGET
    Q_PROPERTY(bool compte MEMBER compte)
    Q_PROPERTY(int score MEMBER score)
    Q_PROPERTY(int etape MEMBER etape)
    Q_PROPERTY(bool saisie MEMBER saisie)

public:
    bool compte = false;
    int score = 0;
    int etape = 0;
    bool saisie = false;
};
Q_DECLARE_METATYPE(IssueDuel)

// The referee of a LANTERN DUEL as the scenes see it: the QML type
// `ArbitreDuel`. The duel scene tells it each board's end and asks it who
// won and what each board shows.
class ArbitreDuelQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool joue READ joue NOTIFY etatChanged)
    Q_PROPERTY(bool fin1 READ fin1 NOTIFY etatChanged)
    Q_PROPERTY(bool fin2 READ fin2 NOTIFY etatChanged)
    Q_PROPERTY(int gagnant READ gagnant NOTIFY etatChanged)
    // The incense both boards start with, in ms.
    Q_PROPERTY(int tempsMs READ tempsMs CONSTANT)

public:
    explicit ArbitreDuelQml(QObject* parent = nullptr);

    // A new race: nothing ended, nobody won.
    Q_INVOKABLE void commencer();
    // Board n ended in `etat` ("gagne", "temps" or "impasse") with the shown
    // scores s1 and s2; true when this decides the duel.
    Q_INVOKABLE bool finJoueur(int n, const QString& etat, double s1, double s2);
    // "win" or "lose" for board n, once decided.
    Q_INVOKABLE QString logo(int n) const;
    Q_INVOKABLE QString musique(bool contreIa) const;
    // What a duel decided with `gagnant` leaves to the cabinet, given the
    // computer's level (negative: two players), player 1's shown score and
    // the place it would take in the duel table (-1 none). It does not
    // depend on this referee's own race.
    Q_INVOKABLE IssueDuel issue(int niveauIa, int gagnant, double score, int rang) const;

    bool joue() const { return a_.joue; }
    bool fin1() const { return a_.fin1; }
    bool fin2() const { return a_.fin2; }
    int gagnant() const { return a_.gagnant; }
    int tempsMs() const { return static_cast<int>(duel::TEMPS_MS); }

signals:
    void etatChanged();

private:
    duel::Arbitre a_;
};
