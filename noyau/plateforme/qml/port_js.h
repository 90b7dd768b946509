#pragma once

#include "plateforme/couche.h"

#include <QJSValue>
#include <memory>

class QJSEngine;
class QObject;

// A provider the scene holds as a script value (the host's facade, a double
// in a test, whatever a host offers), seen through the layer's port. Every
// look at it and every call goes through small script guards: a provider may
// throw anything, not only Error objects, its properties may be getters that
// throw, and the engine has no other way to tell a thrown value from a
// returned one.
class PortJs final : public couche::Port {
public:
    PortJs(QJSEngine* moteur, QJSValue gardes, QJSValue f);

    bool a(const QString& operation) const override;
    std::optional<QString> texte(const QString& nom) const override;
    std::optional<QVariant> appeler(const QString& operation,
                                    const QVariantList& arguments) override;

private:
    QJSEngine* m_moteur;
    QJSValue m_gardes;
    QJSValue m_f;
};

// Kept by a face: the guards, compiled once for the face's engine.
class GardesPort {
public:
    // The provider of a script value, or null for anything that is not an
    // object (no provider at all).
    std::unique_ptr<PortJs> pour(const QObject* face, const QJSValue& f);

private:
    QJSValue m_gardes;
};
