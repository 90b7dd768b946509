#pragma once

#include "ecran/police.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

// The font's layout rule as the scenes see it: the singleton `Police`. The
// wide glyphs available per language come from the catalogue index compiled
// into the program.
class PoliceQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int AVANCE READ avance CONSTANT)
    Q_PROPERTY(int AVANCE_LARGE READ avanceLarge CONSTANT)
    Q_PROPERTY(int haut READ haut CONSTANT)
    Q_PROPERTY(QString caracteres READ caracteres CONSTANT)
    Q_PROPERTY(QString chiffres READ chiffres CONSTANT)
    Q_PROPERTY(QStringList styles READ styles CONSTANT)

public:
    using QObject::QObject;

    int avance() const;
    int avanceLarge() const;
    int haut() const;
    QString caracteres() const;
    QString chiffres() const;
    QStringList styles() const;

    // c is one character (its first UTF-16 unit counts).
    Q_INVOKABLE bool large(const QString& c) const;
    Q_INVOKABLE QString majuscules(const QString& s) const;
    Q_INVOKABLE QString dossierLarge(const QString& ch, const QString& langue) const;
    // { x, y, src, n, largeur }; src holds paths relative to the game's root.
    Q_INVOKABLE QVariantMap disposer(const QString& texte, const QString& style,
                                     const QString& langue) const;
    Q_INVOKABLE int largeur(const QString& texte) const;
};

// The wide glyphs the program's catalogues need, per language.
const police::SousEnsembles& sousEnsemblesDuJeu();
// A layout as the scenes read it: { x, y, src, n, largeur }.
QVariantMap enregistrement(const police::Mise& m);

// Registers the singleton `Police` and the types `DessinTexte` and `DessinNombre`
// under "Tessimora" 1.0.
void enregistrerPolice();
