#pragma once

#include <QString>
#include <functional>

class Plateforme;

// An online-services provider (achievements, leaderboards, friends' status,
// cloud save). The scene never sees one directly: it talks to the facade
// `Plateforme`, which owns at most one provider and forwards every call.
// Every operation but `nom` has a do-nothing default, so a provider only
// writes what its service offers.
class Fournisseur {
public:
    virtual ~Fournisseur() = default;

    virtual QString nom() const = 0;
    virtual bool annonce() const { return false; }
    virtual bool steamDeck() const { return false; }
    virtual void debloquer(const QString& id) { (void)id; }
    virtual void progresser(const QString& id, int valeur, int but, const QString& stat) {
        (void)id, (void)valeur, (void)but, (void)stat;
    }
    virtual void envoyerScore(const QString& nom, int score, const QString& details) {
        (void)nom, (void)score, (void)details;
    }
    virtual void presence(const QString& cle, const QString& valeurs, const QString& groupe) {
        (void)cle, (void)valeurs, (void)groupe;
    }
    virtual QString lireNuage() { return QString(); }
    virtual void ecrireNuage(const QString& texte) { (void)texte; }

protected:
    // The way back to the scene for providers whose service answers later:
    // a cloud text that arrived after the first read, or the service's own
    // overlay opening and closing. The facade connects these when it takes
    // the provider; before that they do nothing.
    void signalerNuage(const QString& texte) const {
        if (m_nuageLu) m_nuageLu(texte);
    }
    void signalerSurcouche(bool ouverte) const {
        if (m_surcouche) m_surcouche(ouverte);
    }

private:
    friend class Plateforme;
    std::function<void(const QString&)> m_nuageLu;
    std::function<void(bool)> m_surcouche;
};
