#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class Fournisseur;

// The one object through which the scene reaches an online-services provider
// (given to the scene as `tessimoraPlateforme`). Without a provider every call
// is a quiet no-op, so the game never needs to know whether one exists.
class Plateforme : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString nom READ nom CONSTANT)
    Q_PROPERTY(bool annonce READ annonce CONSTANT)
    Q_PROPERTY(bool steamDeck READ steamDeck CONSTANT)
    Q_PROPERTY(QString manette READ manette NOTIFY manetteChange)

public:
    // Reads "--faux-fournisseur=" and "--manette=" from the argument list.
    explicit Plateforme(const QStringList& arguments);
    // Takes a provider directly (tests, and hosts with a real service).
    explicit Plateforme(std::unique_ptr<Fournisseur> fournisseur, QString manette = QString());
    ~Plateforme() override;

    Q_INVOKABLE void debloquer(const QString& id);
    Q_INVOKABLE void progresser(const QString& id, int valeur, int but, const QString& stat);
    Q_INVOKABLE void envoyerScore(const QString& nom, int score, const QString& details);
    Q_INVOKABLE void presence(const QString& cle, const QString& valeurs, const QString& groupe);
    Q_INVOKABLE QString lireNuage();
    Q_INVOKABLE void ecrireNuage(const QString& texte);

    QString nom() const;
    bool annonce() const;
    bool steamDeck() const;
    QString manette() const { return m_manette; }

    // Set by the gamepad bridge; not offered to the scene.
    void changerManette(const QString& famille);

signals:
    void manetteChange();
    void nuageLu(QString texte);
    void surcoucheOuverte(bool ouverte);

private:
    void prendre(std::unique_ptr<Fournisseur> fournisseur);

    std::unique_ptr<Fournisseur> m_fournisseur;
    QString m_manette;
};

// The value of option `nom` in an argument list: what follows "--nom=" in the
// first argument that starts so, or a null text when there is none.
QString valeurOption(const QStringList& arguments, const QString& nom);
