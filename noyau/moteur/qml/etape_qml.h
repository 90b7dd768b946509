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

// The stage controller's rules as the scenes see them: the singleton `Etape`.
class EtapeQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int PAS_COMPTE_MS READ pasCompteMs CONSTANT)

public:
    using QObject::QObject;

    int pasCompteMs() const { return etape::PAS_COMPTE_MS; }

    // The summary of a cleared stack, { temps, aides, parfait, restant,
    // compte: 0 }; all 0 without a game.
    Q_INVOKABLE double pasHorloge(double dernier, double maintenant) const {
        return etape::pasHorloge(dernier, maintenant);
    }
    Q_INVOKABLE QVariantMap bilan(PartieQml* partie) const;
    Q_INVOKABLE double pasCompte(double restant) const;
    Q_INVOKABLE QString logoFin(bool parfait, int numero, const QString& mode) const;
    Q_INVOKABLE QString decor(int numero) const;
    Q_INVOKABLE RetourPaire retourPaire(int comboAffiche, int combo, bool fever) const;
    Q_INVOKABLE RetourGlissant retourGlissant(int combo) const;
    Q_INVOKABLE QString poseRepos(bool urgence, int comboAffiche, int comboCourant) const;
};
