#pragma once

#include "plateforme/qml/port_js.h"

#include <QJSValue>
#include <QObject>
#include <QStringList>

// The cloud envelope and the provider's cloud calls as the scenes see them:
// the QML singleton `Nuage`. Envelopes are plain JS objects (null for none).
// A provider is any object: its operations are called only when present, and
// an error it raises counts as "not done", never as a stop.
class NuageQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FORMAT READ format CONSTANT)
    Q_PROPERTY(int VERSION READ version CONSTANT)
    Q_PROPERTY(QString FICHIER READ fichier CONSTANT)
    Q_PROPERTY(int TAILLE_MAX READ tailleMax CONSTANT)

public:
    explicit NuageQml(QObject* parent = nullptr) : QObject(parent) {}

    QString format() const;
    int version() const;
    QString fichier() const;
    int tailleMax() const;

    Q_INVOKABLE QJSValue envelopper(const QJSValue& scores, const QJSValue& reglages,
                                    const QJSValue& progression, const QJSValue& succes,
                                    const QJSValue& ecrit,
                                    const QJSValue& salon = QJSValue()) const;
    Q_INVOKABLE QString ecrire(const QJSValue& env) const;
    Q_INVOKABLE QJSValue lire(const QJSValue& texte) const;
    Q_INVOKABLE QJSValue fusion(const QJSValue& a, const QJSValue& b) const;
    Q_INVOKABLE bool differe(const QJSValue& a, const QJSValue& b) const;
    Q_INVOKABLE QJSValue reunir(const QJSValue& a, const QJSValue& b) const;
    Q_INVOKABLE QJSValue fusionScores(const QJSValue& a, const QJSValue& b) const;
    Q_INVOKABLE QJSValue fusionProgression(const QJSValue& a, const QJSValue& b) const;
    Q_INVOKABLE QJSValue fusionSucces(const QJSValue& a, const QJSValue& b) const;

    // { env, versNuage }
    Q_INVOKABLE QJSValue fusionDepart(const QJSValue& local, const QJSValue& texteNuage) const;
    // The provider's cloud text, or an empty text.
    Q_INVOKABLE QString lireNuage(const QJSValue& f) const;
    // Whether the provider took the written envelope.
    Q_INVOKABLE bool ecrireNuage(const QJSValue& f, const QJSValue& env) const;

private:
    mutable GardesPort m_gardes;
};
