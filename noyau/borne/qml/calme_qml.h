#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

// The scenes' face of MOTION CALM (`Mouvement`): the cabinet sets `calme`
// from the settings, and the effects layers, what shakes and what blinks
// ask it how to move. One object per scene engine.
class CalmeQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool calme READ calme WRITE setCalme NOTIFY calmeChanged)
    Q_PROPERTY(bool secousse READ secousse NOTIFY calmeChanged)

public:
    using QObject::QObject;

    bool calme() const { return calme_; }
    void setCalme(bool v);
    bool secousse() const;

    // What a posed strip becomes: {} when it plays as it is, else
    // {fige, vie, fondu, intensite}.
    Q_INVOKABLE QVariantMap effet(const QString& nom) const;
    // The half period in ms a blink of `ms` keeps.
    Q_INVOKABLE int demiPeriode(int ms) const;

signals:
    void calmeChanged();

private:
    bool calme_ = false;
};

void enregistrerCalme();
