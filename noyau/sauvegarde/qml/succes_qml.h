#pragma once

#include <QJSValue>
#include <QObject>
#include <QStringList>
#include <QVariant>

// The achievements as the scenes see them: the QML singleton `Succes`. The
// state is a plain JS object { debloques, stats, defiDernier } that the
// durable memory owns; `evenement` and `rattraper` change it in place.
class SuccesQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantList LISTE READ liste CONSTANT)
    Q_PROPERTY(QVariantMap PAR_ID READ parId CONSTANT)
    Q_PROPERTY(QStringList STATS READ stats CONSTANT)
    Q_PROPERTY(int MAINTIEN_RIDEAU_MS READ maintienRideau CONSTANT)

public:
    explicit SuccesQml(QObject* parent = nullptr) : QObject(parent) {}

    QVariantList liste() const;
    QVariantMap parId() const;
    QStringList stats() const;
    int maintienRideau() const;

    Q_INVOKABLE QJSValue etatVide() const;
    Q_INVOKABLE QJSValue lire(const QJSValue& texte) const;
    Q_INVOKABLE QString ecrire(const QJSValue& e) const;
    Q_INVOKABLE QJSValue copie(const QJSValue& e) const;
    Q_INVOKABLE bool debloque(const QJSValue& e, const QString& id) const;
    Q_INVOKABLE int nombre(const QJSValue& e) const;
    // { valeur, but }
    Q_INVOKABLE QVariantMap progres(const QJSValue& e, const QString& id) const;
    // { nouveaux: [ids], progres: [{ id, valeur, but, stat }] }; `ev` an
    // EvenementJeu or its JSON form.
    Q_INVOKABLE QVariantMap evenement(QJSValue e, const QVariant& ev, double date) const;
    // The ids granted; nothing without a progression record.
    Q_INVOKABLE QStringList rattraper(QJSValue e, const QJSValue& progression,
                                      const QJSValue& scores, double date) const;
};
