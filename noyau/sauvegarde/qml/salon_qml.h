#pragma once

#include <QJSValue>
#include <QObject>
#include <QVariant>

// The end of a TEA HOUSE stack, as its summary shows it: the game's time
// (ms), score, pairs made and aids used, then the stack's record after it.
// Times are ms, 0 where there is none (a stack never cleared).
class BilanSalon {
    Q_GADGET
    Q_PROPERTY(bool gagne MEMBER gagne)
    Q_PROPERTY(double temps MEMBER temps)
    Q_PROPERTY(double score MEMBER score)
    Q_PROPERTY(int paires MEMBER paires)
    Q_PROPERTY(int hint MEMBER hint)
    Q_PROPERTY(int undo MEMBER undo)
    Q_PROPERTY(int mix MEMBER mix)
    Q_PROPERTY(double meilleurTemps MEMBER meilleurTemps)
    Q_PROPERTY(double meilleurScore MEMBER meilleurScore)
    Q_PROPERTY(double ancienTemps MEMBER ancienTemps)
    Q_PROPERTY(double ancienScore MEMBER ancienScore)
    Q_PROPERTY(bool premiere MEMBER premiere)
    Q_PROPERTY(bool nouveauTemps MEMBER nouveauTemps)
    Q_PROPERTY(bool nouveauScore MEMBER nouveauScore)

public:
    bool gagne = false;
    double temps = 0, score = 0;
    int paires = 0, hint = 0, undo = 0, mix = 0;
    double meilleurTemps = 0, meilleurScore = 0, ancienTemps = 0, ancienScore = 0;
    bool premiere = false, nouveauTemps = false, nouveauScore = false;
};
Q_DECLARE_METATYPE(BilanSalon)

// TEA HOUSE's record as the scenes see it: the QML singleton `Salon`. The
// record is a plain JS object { piles: [{ nom, empreinte, temps, score,
// fini, date }] } that the durable memory owns; `apres` changes it in place.
class SalonQml : public QObject {
    Q_OBJECT

public:
    explicit SalonQml(QObject* parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE QJSValue vide() const;
    Q_INVOKABLE QJSValue lire(const QJSValue& texte) const;
    Q_INVOKABLE QString ecrire(const QJSValue& salon) const;
    Q_INVOKABLE QJSValue copie(const QJSValue& salon) const;
    // The record of that stack ({ nom, empreinte, temps, score, fini, date }),
    // or null when it was never cleared.
    Q_INVOKABLE QVariant entree(const QJSValue& salon, const QString& nom,
                                const QString& empreinte) const;
    // The end of the game `partie` (a `Partie`) on that stack, at `date` (ms
    // since 1970): a cleared stack is recorded in `salon`, keeping each best.
    Q_INVOKABLE BilanSalon apres(QJSValue salon, const QString& nom, const QString& empreinte,
                                 QObject* partie, double date) const;
    Q_INVOKABLE QJSValue fusion(const QJSValue& a, const QJSValue& b) const;
    Q_INVOKABLE bool differe(const QJSValue& a, const QJSValue& b) const;
    // A time in ms as M:SS, H:MM:SS from an hour on.
    Q_INVOKABLE QString duree(double ms) const;
    // The record a cloud text carries; empty for none.
    Q_INVOKABLE QJSValue depuisNuage(const QString& texte) const;
};

// Registers `Salon` and `BilanSalon` under "Tessimora" 1.0.
void enregistrerSalon();
