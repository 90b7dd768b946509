#pragma once

#include "moteur/etape.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

class PartieQml;

// How a removed pair is shown and heard (`Etape.retourPaire`).
class RetourPaire {
    Q_GADGET
    Q_PROPERTY(QString couleur MEMBER couleur)
    Q_PROPERTY(QString style MEMBER style)
    Q_PROPERTY(bool nouveau MEMBER nouveau)
    Q_PROPERTY(bool entreeFever MEMBER entreeFever)
    Q_PROPERTY(bool palier MEMBER palier)
    Q_PROPERTY(bool voix MEMBER voix)
    Q_PROPERTY(bool secousse MEMBER secousse)
    Q_PROPERTY(QString pose MEMBER pose)

public:
    QString couleur, style, pose;
    bool nouveau = false, entreeFever = false, palier = false, voix = false, secousse = false;
};
Q_DECLARE_METATYPE(RetourPaire)

// The same for a sliding grid (`Etape.retourGlissant`).
class RetourGlissant {
    Q_GADGET
    Q_PROPERTY(QString couleur MEMBER couleur)
    Q_PROPERTY(bool voix MEMBER voix)
    Q_PROPERTY(bool secousse MEMBER secousse)

public:
    QString couleur;
    bool voix = false, secousse = false;
};
Q_DECLARE_METATYPE(RetourGlissant)

// The end-of-stage summary of a cleared stack (`Etape.bilan`): the whole
// seconds left, what each is worth and their points, the points for the aids
// left, the perfect bonus and all there is to count.
class BilanPile {
    Q_GADGET
    Q_PROPERTY(double temps MEMBER temps)
    Q_PROPERTY(double parSeconde MEMBER parSeconde)
    Q_PROPERTY(double pointsTemps MEMBER pointsTemps)
    Q_PROPERTY(double aides MEMBER aides)
    Q_PROPERTY(double parfait MEMBER parfait)
    Q_PROPERTY(double restant MEMBER restant)

public:
    double temps = 0, parSeconde = 0, pointsTemps = 0, aides = 0, parfait = 0, restant = 0;
};
Q_DECLARE_METATYPE(BilanPile)

// The stage controller's rules as the scenes see them: the singleton `Etape`.
class EtapeQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int PAS_COMPTE_MS READ pasCompteMs CONSTANT)

public:
    using QObject::QObject;

    int pasCompteMs() const { return etape::PAS_COMPTE_MS; }

    Q_INVOKABLE double pasHorloge(double dernier, double maintenant) const {
        return etape::pasHorloge(dernier, maintenant);
    }
    // The summary of a cleared stack; all 0 without a game.
    Q_INVOKABLE BilanPile bilan(PartieQml* partie) const;
    Q_INVOKABLE double pasCompte(double restant) const;
    // Whether a clock with `tempsMs` left is in its last seconds.
    Q_INVOKABLE bool urgence(double tempsMs) const { return etape::urgence(tempsMs); }
    Q_INVOKABLE QString decor(int numero) const;
    Q_INVOKABLE RetourPaire retourPaire(int comboAffiche, int combo, bool fever) const;
    Q_INVOKABLE RetourGlissant retourGlissant(int combo) const;
    Q_INVOKABLE QString poseRepos(bool urgence, int comboAffiche, int comboCourant) const;
};
