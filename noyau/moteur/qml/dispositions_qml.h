#pragma once

#include <QObject>
#include <QVariant>

// The layout catalogue as the scenes see it: the QML singleton
// `Dispositions`. A layout is { nom, couches } (couches: layers bottom
// first, each a list of row texts top first), the record a game is created
// from.
class DispositionsQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantList LISTE READ liste CONSTANT)
    Q_PROPERTY(QVariantList DUEL READ duel CONSTANT)

public:
    explicit DispositionsQml(QObject* parent = nullptr);

    QVariantList liste() const;
    QVariantList duel() const;
    // The layout of that name from either list, or null.
    Q_INVOKABLE QVariant parNom(const QString& nom) const;
    // The layout both boards of a duel seeded with `graine` play.
    Q_INVOKABLE QVariantMap pourDuel(double graine) const;
};
