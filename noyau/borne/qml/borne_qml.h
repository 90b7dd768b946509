#pragma once

#include "borne/lancement.h"

#include <QObject>
#include <QString>

// The singleton `Scenes`: the cabinet's table of scenes and its attract loop.
class ScenesQml : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether the cabinet knows the scene.
    Q_INVOKABLE bool connue(const QString& nom) const;
    // The scene's file, "" for those the cabinet draws itself; an unknown
    // scene is an error on standard error and an empty text.
    Q_INVOKABLE QString fichier(const QString& nom) const;
    // How long the attract loop leaves it on, in ms; 0 for none.
    Q_INVOKABLE int duree(const QString& nom) const;
    Q_INVOKABLE bool musiqueTitre(const QString& nom) const;
    // Entering it forgets the kind of the last game.
    Q_INVOKABLE bool horsPartie(const QString& nom) const;
    // A scene of the attract loop: a press or a coin there goes to the title.
    Q_INVOKABLE bool attract(const QString& nom) const;
};

// The coin slot and the credits (`Monnayeur`): in free play every game is
// paid for, otherwise each takes a credit.
class MonnayeurQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int credits READ credits NOTIFY creditsChanged)
    Q_PROPERTY(bool freePlay READ freePlay WRITE setFreePlay NOTIFY freePlayChanged)
    Q_PROPERTY(bool peutJouer READ peutJouer NOTIFY peutJouerChanged)

public:
    using QObject::QObject;

    int credits() const { return credits_; }
    bool freePlay() const { return freePlay_; }
    void setFreePlay(bool v);
    bool peutJouer() const { return freePlay_ || credits_ > 0; }

    // A coin: one more credit, up to the slot's limit.
    Q_INVOKABLE void inserer();
    // A game or a continue paid: false, with nothing taken, when there is no credit.
    Q_INVOKABLE bool payer();
    // A game that could not start gives its credit back.
    Q_INVOKABLE void rendre();

signals:
    void creditsChanged();
    void freePlayChanged();
    void peutJouerChanged();

private:
    void changer(int credits, bool freePlay);

    int credits_ = 0;
    bool freePlay_ = false;
};

// The attract loop's turn (`Attract`): which score table HIGH SCORES shows,
// the attract tables in turn or the table of the game just played.
class AttractQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString table READ table NOTIFY tableChanged)
    Q_PROPERTY(int vues READ vues NOTIFY tableChanged)

public:
    using QObject::QObject;

    QString table() const { return table_; }
    int vues() const { return vues_; }

    // The scene after `nom` once its time is up ("" for none): leaving the
    // demo, HIGH SCORES turns to the next attract table.
    Q_INVOKABLE QString suite(const QString& nom, bool apresPartie);
    // HIGH SCORES will show `table`, the game's.
    Q_INVOKABLE void montrer(const QString& table);

signals:
    void tableChanged();

private:
    QString table_ = QStringLiteral("night");
    int vues_ = 0;
};

// The singleton `Lancement`: what the command line asks to start with.
class LancementQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString scene READ scene CONSTANT)
    // A value of Mode, -1 for no game.
    Q_PROPERTY(int mode READ mode CONSTANT)
    Q_PROPERTY(int etape READ etape CONSTANT)
    Q_PROPERTY(int pilote READ pilote CONSTANT)

public:
    explicit LancementQml(QObject* parent = nullptr);

    QString scene() const { return l_.scene; }
    int mode() const { return l_.mode ? int(*l_.mode) : -1; }
    int etape() const { return l_.etape; }
    int pilote() const { return l_.pilote; }

private:
    lancement::Lancement l_;
};

void enregistrerBorne();
