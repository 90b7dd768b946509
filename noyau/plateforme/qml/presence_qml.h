#pragma once

#include <QJSValue>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// Friends' status as the scenes see it: the QML singleton `Presence`. A
// status is { cle, valeurs, groupe }, `valeurs` an object of texts.
class PresenceQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantMap JETONS READ jetons CONSTANT)
    Q_PROPERTY(QStringList ADVERSAIRES READ adversaires CONSTANT)

public:
    explicit PresenceQml(QObject* parent = nullptr) : QObject(parent) {}

    // token -> { en, fr }
    QVariantMap jetons() const;
    QStringList adversaires() const;

    // `b` is the cabinet's `etatPresence()`.
    Q_INVOKABLE QVariantMap statut(const QJSValue& b) const;
    Q_INVOKABLE QString texte(const QJSValue& st, const QString& langue) const;
};
