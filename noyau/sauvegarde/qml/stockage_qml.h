#pragma once

#include <QJSValue>
#include <QObject>
#include <QStringList>
#include <QVariant>

// The save records as the scenes see them: the QML singleton `Stockage`.
// Records are plain JS objects; every reader validates field by field.
class StockageQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList MODES READ modes CONSTANT)
    Q_PROPERTY(int PLACES READ places CONSTANT)
    Q_PROPERTY(QString LETTRES READ lettres CONSTANT)
    Q_PROPERTY(QStringList ACTIONS READ actions CONSTANT)
    Q_PROPERTY(QJSValue REGLAGES READ reglages CONSTANT)
    Q_PROPERTY(QJSValue PROGRESSION READ progression CONSTANT)

public:
    explicit StockageQml(QObject* parent = nullptr) : QObject(parent) {}

    QStringList modes() const;
    int places() const;
    QString lettres() const;
    QStringList actions() const;
    QJSValue reglages() const;
    QJSValue progression() const;

    Q_INVOKABLE QJSValue lireScores(const QJSValue& texte) const;
    Q_INVOKABLE QString ecrireScores(const QJSValue& scores) const;
    Q_INVOKABLE int rang(const QJSValue& table, double score) const;
    // Changes scores[mode] in place.
    Q_INVOKABLE int inserer(QJSValue scores, const QString& mode, const QJSValue& e) const;
    Q_INVOKABLE int meilleur(const QJSValue& scores, const QString& mode) const;
    Q_INVOKABLE QString initiales(const QJSValue& s) const;

    Q_INVOKABLE QJSValue lireReglages(const QJSValue& texte) const;
    Q_INVOKABLE QString ecrireReglages(const QJSValue& r) const;

    Q_INVOKABLE QJSValue lireProgression(const QJSValue& texte) const;
    Q_INVOKABLE QString ecrireProgression(const QJSValue& pr) const;
    // Both change `pr` in place and return it.
    Q_INVOKABLE QJSValue etapeFinie(QJSValue pr, int etape, int continues) const;
    Q_INVOKABLE QJSValue defiFini(QJSValue pr, const QString& jour) const;
};
