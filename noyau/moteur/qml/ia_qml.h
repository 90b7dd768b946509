#pragma once

#include "moteur/ia.h"

#include <QObject>
#include <QVariant>

#include <optional>

class PartieQml;

// The computer player as the scenes see it: the QML type `Ia`. It plays on
// a `Partie` through the same picks as a player, so the controller gives its
// moves the ordinary feedback.
class IaQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool existe READ existe NOTIFY change)
    Q_PROPERTY(int niveau READ niveau NOTIFY change)
    Q_PROPERTY(QString nomNiveau READ nomNiveau NOTIFY change)
    Q_PROPERTY(int curseur READ curseur NOTIFY change)

public:
    explicit IaQml(QObject* parent = nullptr);

    // A new player of level 0..2 (clamped) drawing from `graine`.
    Q_INVOKABLE void creer(int niveau, const QVariant& graine);
    Q_INVOKABLE void vider();
    // Lets dt ms pass on `partie`: the list of what it did, each
    // { mix, prise, resultat (a pick result), melange (a MIX result) }.
    Q_INVOKABLE QVariantList pas(PartieQml* partie, double dt);

    bool existe() const { return ia_.has_value(); }
    int niveau() const { return ia_ ? ia_->niveau : -1; }
    QString nomNiveau() const;
    int curseur() const { return ia_ ? ia_->curseur : -1; }

signals:
    void change();

private:
    std::optional<ia::IA> ia_;
};
