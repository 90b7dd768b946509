#pragma once

#include "plateforme/qml/port_js.h"

#include <QJSValue>
#include <QObject>
#include <QVariant>
#include <QVariantMap>

// The provider layer as the scenes see it: the QML singleton `Couche`. The
// provider `f` is whatever the scene holds (the host's facade, a double, or
// null); nothing it does can stop the game, and a call it fails counts as not
// sent. The cloud calls are on `Nuage`.
class CoucheQml : public QObject {
    Q_OBJECT

public:
    explicit CoucheQml(QObject* parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE bool a(const QJSValue& f, const QString& nom) const;
    Q_INVOKABLE bool actif(const QJSValue& f) const;
    Q_INVOKABLE bool debloquer(const QJSValue& f, const QString& id) const;
    Q_INVOKABLE bool progresser(const QJSValue& f, const QString& id, double valeur, double but,
                                const QString& stat) const;
    // `details`: an array of integers, or nothing.
    Q_INVOKABLE bool envoyerScore(const QJSValue& f, const QString& nom, double score,
                                  const QJSValue& details = QJSValue()) const;
    // Changes the state `etat` in place; { nouveaux, progres, garder }. `ev`
    // is an EvenementJeu, or its JSON form.
    Q_INVOKABLE QVariantMap evenement(QJSValue etat, const QVariant& ev, const QJSValue& f,
                                      double date) const;
    Q_INVOKABLE int synchroniser(const QJSValue& etat, const QJSValue& f) const;
    Q_INVOKABLE int finPartie(const QJSValue& fin, const QJSValue& f) const;
    // `b` is the cabinet's `etatPresence()`; returns the key now current.
    Q_INVOKABLE QString presence(const QJSValue& b, const QJSValue& f,
                                 const QString& dernier) const;

private:
    std::unique_ptr<PortJs> fournisseur(const QJSValue& f) const { return m_gardes.pour(this, f); }
    mutable GardesPort m_gardes;
};
