#pragma once

#include "moteur/ia.h"
#include "moteur/qml/partie_qml.h"

#include <QObject>
#include <QVariant>
#include <optional>

// One thing the computer player did: a MIX (`mix`, with `melange`) or a
// pick of tile `prise` (with `resultat`).
class ActionIa {
    Q_GADGET
    Q_PROPERTY(bool mix MEMBER mix)
    Q_PROPERTY(int prise MEMBER prise)
    Q_PROPERTY(PrisePile resultat READ lireResultat)
    Q_PROPERTY(MelangePile melange READ lireMelange)

public:
    PrisePile lireResultat() const { return resultat; }
    MelangePile lireMelange() const { return melange; }

    bool mix = false;
    int prise = -1;
    PrisePile resultat;
    MelangePile melange;
};
Q_DECLARE_METATYPE(ActionIa)

// The computer player as the scenes see it: the QML type `Ia`. It plays on
// a `Partie` through the same picks as a player, so the controller gives its
// moves the ordinary feedback.
class IaQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool existe READ existe NOTIFY etatChanged)
    Q_PROPERTY(int niveau READ niveau NOTIFY etatChanged)
    Q_PROPERTY(QString nomNiveau READ nomNiveau NOTIFY etatChanged)
    Q_PROPERTY(int curseur READ curseur NOTIFY etatChanged)

public:
    explicit IaQml(QObject* parent = nullptr);

    // A new player of level 0..2 (clamped) drawing from `graine`.
    Q_INVOKABLE void creer(int niveau, const QVariant& graine);
    Q_INVOKABLE void vider();
    // Lets dt ms pass on `partie`: the list of what it did, in order (a list
    // of `ActionIa`).
    Q_INVOKABLE QVariantList pas(PartieQml* partie, double dt);

    bool existe() const { return ia_.has_value(); }
    int niveau() const { return ia_ ? ia_->niveau : -1; }
    QString nomNiveau() const;
    int curseur() const { return ia_ ? ia_->curseur : -1; }

signals:
    void etatChanged();

private:
    std::optional<ia::IA> ia_;
};
