#pragma once

#include "borne/commandes.h"

#include <QJSValue>
#include <QObject>
#include <QVariant>

// The scenes' `Commandes` singleton: the one key table of the program.
class CommandesQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList ACTIONS READ actions CONSTANT)
    Q_PROPERTY(int MANETTE READ manetteBase CONSTANT)
    Q_PROPERTY(QVariantMap K READ cles CONSTANT)
    Q_PROPERTY(QString famille READ famille NOTIFY familleChanged)

public:
    using QObject::QObject;

    Q_INVOKABLE void regler(const QVariant& touches);
    Q_INVOKABLE bool reaffectable(int code) const { return commandes::Table::reaffectable(code); }
    Q_INVOKABLE QVariantList clavier(const QString& a) const;
    Q_INVOKABLE QString action(int code, bool ctrl = false) const;
    Q_INVOKABLE QVariant actionDuel(int code) const;
    Q_INVOKABLE QVariant direction(const QString& a) const;
    Q_INVOKABLE QString geste(double dx, double dy, double dureeMs) const;
    Q_INVOKABLE QString appareil(int code, const QString& systeme, const QString& actuel) const;
    Q_INVOKABLE QString appareilDe(const QString& systeme, bool tele) const;
    Q_INVOKABLE QStringList appareils(const QString& systeme) const;
    Q_INVOKABLE void choisirFamille(const QString& f);
    Q_INVOKABLE QString nomManette(const QString& a) const;
    Q_INVOKABLE QString nomTouche(int code) const { return commandes::nomTouche(code); }
    Q_INVOKABLE QString etiquette(const QString& a, const QString& app, const QString& systeme,
                                  const QJSValue& tr = QJSValue()) const;
    Q_INVOKABLE QVariantMap etiquettes(const QString& app, const QString& systeme,
                                       const QJSValue& tr = QJSValue()) const;
    Q_INVOKABLE QString libelle(const QString& a, const QString& app, const QString& systeme,
                                const QJSValue& tr = QJSValue()) const;
    Q_INVOKABLE QVariant manette(int code) const;
    Q_INVOKABLE QStringList trous(const QString& systeme) const;
    Q_INVOKABLE QString T(const QString& s) const { return s; }

    QStringList actions() const;
    int manetteBase() const { return commandes::MANETTE; }
    QVariantMap cles() const;
    QString famille() const { return m_table.famille(); }

signals:
    void familleChanged();

private:
    commandes::Table m_table;
};

void enregistrerCommandes();
