#pragma once

#include <QJSValue>
#include <QObject>
#include <QStringList>
#include <QVariant>

// The singleton `Options`: the rules of OPTIONS, CRT SETTINGS and CONTROLS
// as their scenes call them. Settings records travel as the scenes' JS
// objects; every record handed back is a fresh, validated copy, and null
// means nothing changes.
class OptionsQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int BATON_X READ batonX CONSTANT)
    Q_PROPERTY(int BATON_FIN READ batonFin CONSTANT)
    Q_PROPERTY(QStringList langues READ langues CONSTANT)
    Q_PROPERTY(int LIGNE_RAZ READ ligneRaz CONSTANT)
    Q_PROPERTY(int RANGS_VUS READ rangsVus CONSTANT)

public:
    enum Sorte { Niveau, Bascule, Choix, Langage, Controles, Acces };
    Q_ENUM(Sorte)
    enum Page { PageOptions, PageCrt, PageAcces };
    Q_ENUM(Page)

    using QObject::QObject;

    int batonX() const;
    int batonFin() const;
    QStringList langues() const;
    int ligneRaz() const;
    int rangsVus() const;

    // -- OPTIONS and CRT SETTINGS ------------------------------------------------
    // [{ cle, sorte, textes, ligne }] of the lines a page shows; `ligne` is
    // the line's index for `niveau`, `position` and `regler`.
    Q_INVOKABLE QVariantList lignes(int page) const;
    Q_INVOKABLE int pas(int page) const;
    Q_INVOKABLE int premiereLigne(int page) const;
    Q_INVOKABLE double niveau(const QJSValue& reglages, int ligne) const;
    Q_INVOKABLE int position(const QJSValue& reglages, int ligne, const QString& modeEcran) const;
    // The new record, or null (the CONTROLS line, a line that does not exist).
    Q_INVOKABLE QJSValue regler(const QJSValue& reglages, int ligne, int sens,
                                const QString& modeEcran) const;
    Q_INVOKABLE int pourcent(double v) const;
    Q_INVOKABLE int braise(double v) const;
    // The row under a press on a page, or -1.
    Q_INVOKABLE int ligneTouchee(double y, int page) const;
    Q_INVOKABLE int sensTouche(double x) const;
    Q_INVOKABLE bool sortieTouchee(double y) const;

    // -- CONTROLS ------------------------------------------------------------------
    Q_INVOKABLE QString nomAction(const QString& action) const;
    Q_INVOKABLE QString nomAppareil(const QString& appareil, const QString& systeme) const;
    Q_INVOKABLE bool reglable(const QString& appareil, const QString& systeme) const;
    Q_INVOKABLE int nombreLignesCommandes(bool reglable) const;
    // The new record, or null when the key cannot be given to the action.
    Q_INVOKABLE QJSValue remapper(const QJSValue& reglages, const QString& action, int code) const;
    Q_INVOKABLE QJSValue sansRemappage(const QJSValue& reglages) const;
    Q_INVOKABLE int appareilTouche(double x, double y, int nombre) const;
    // The action on the top row that keeps `choix` in sight; where Up or
    // Down scroll the list when there is no cursor.
    Q_INVOKABLE int premierePourVoir(int premiere, int choix) const;
    Q_INVOKABLE int defiler(int premiere, int sens) const;
    Q_INVOKABLE int ligneCommandeTouchee(double y, int nombre, int premiere) const;
    Q_INVOKABLE bool sortieCommandesTouchee(double y) const;
};

void enregistrerOptions();
