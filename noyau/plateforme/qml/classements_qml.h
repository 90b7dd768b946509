#pragma once

#include <QJSValue>
#include <QObject>
#include <QVariantList>
#include <QVariantMap>

// The online leaderboards as the scenes see them: the QML singleton
// `Classements`. A post is { table, nom, score, details }.
class ClassementsQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantList TABLES READ tables CONSTANT)
    Q_PROPERTY(QVariantMap PAR_MODE READ parMode CONSTANT)

public:
    explicit ClassementsQml(QObject* parent = nullptr) : QObject(parent) {}

    // [{ id, source, compteur, quotidien, en, fr }] in leaderboard order
    QVariantList tables() const;
    // mode -> its leaderboard entry
    QVariantMap parMode() const;

    // `fin` = { mode, score, etape, piles, classe, jour, ia }
    Q_INVOKABLE QVariantList envois(const QJSValue& fin) const;
    // `stats` and `avant` are counter objects of an achievement state;
    // `avant` may be missing.
    Q_INVOKABLE QVariantList records(const QJSValue& stats,
                                     const QJSValue& avant = QJSValue()) const;
};
