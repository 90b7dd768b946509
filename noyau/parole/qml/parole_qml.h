#pragma once

#include "parole/parole.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class PartieQml;
class QQmlEngine;

// The singleton `Parole`: what the scenes ask the game to say. Every call
// is silent while SPEECH is off (`actif`, bound to the settings); the texts
// are the speech table's, translated into the game's language, and each one
// cuts the one before it.
class ParoleQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool actif READ actif WRITE setActif NOTIFY actifChanged)
    // What was said last, for the scenes' tests.
    Q_PROPERTY(QString dernier READ dernier NOTIFY dernierChanged)

public:
    explicit ParoleQml(QQmlEngine* moteur = nullptr, QObject* parent = nullptr);

    bool actif() const { return actif_; }
    void setActif(bool oui);
    QString dernier() const { return dernier_; }

    // A menu entry as a scene announces it: [key, values, value as shown],
    // the last two optional. A scene that opens says its title, then the
    // entry under its cursor, as one utterance.
    Q_INVOKABLE void scene(const QString& nom, const QVariantList& entree = {});
    Q_INVOKABLE void entree(const QVariantList& entree);
    // A confirmation that opens (its texts as shown), and its lit answer.
    Q_INVOKABLE void question(const QString& question, const QString& detail, bool oui);
    Q_INVOKABLE void reponse(bool oui);
    Q_INVOKABLE void decompte(int n);
    Q_INVOKABLE void tuile(PartieQml* partie, int i);
    Q_INVOKABLE void prise(PartieQml* partie, int i);
    Q_INVOKABLE void paire(int motif, int combo);
    // The incense burnt from `avantMs` to `apresMs`: the 30 and 10 s warnings.
    Q_INVOKABLE void temps(double avantMs, double apresMs);
    Q_INVOKABLE void plusDePaires();
    // `etat` is the game's end (Partie.Gagne, Temps or Impasse).
    Q_INVOKABLE void fin(int etat, double score);
    Q_INVOKABLE void sommaire(PartieQml* partie);
    // A catalogue key with its values.
    Q_INVOKABLE void dire(const QString& cle, const QVariantMap& valeurs = {});

signals:
    void actifChanged();
    void dernierChanged(const QString& texte);

private:
    void dire(const parole::Enonce& e);

    QQmlEngine* moteur_ = nullptr;
    bool actif_ = false;
    QString dernier_;
};

void enregistrerParole();
