#include "plateforme.h"

#include "faux.h"
#include "fournisseur.h"

QString valeurOption(const QStringList& arguments, const QString& nom) {
    const QString debut = QLatin1String("--") + nom + QLatin1Char('=');
    for (const QString& argument : arguments)
        if (argument.startsWith(debut)) return argument.mid(debut.size());
    return QString();
}

Plateforme::Plateforme(const QStringList& arguments) {
    const QString dossier = valeurOption(arguments, QStringLiteral("faux-fournisseur"));
    if (!dossier.isEmpty()) prendre(std::make_unique<Faux>(dossier));
    m_manette = valeurOption(arguments, QStringLiteral("manette"));
}

Plateforme::Plateforme(std::unique_ptr<Fournisseur> fournisseur, QString manette)
    : m_manette(std::move(manette)) {
    if (fournisseur) prendre(std::move(fournisseur));
}

Plateforme::~Plateforme() = default;

void Plateforme::prendre(std::unique_ptr<Fournisseur> fournisseur) {
    m_fournisseur = std::move(fournisseur);
    m_fournisseur->m_nuageLu = [this](const QString& texte) { emit nuageLu(texte); };
    m_fournisseur->m_surcouche = [this](bool ouverte) { emit surcoucheOuverte(ouverte); };
}

void Plateforme::debloquer(const QString& id) {
    if (m_fournisseur) m_fournisseur->debloquer(id);
}

void Plateforme::progresser(const QString& id, int valeur, int but, const QString& stat) {
    if (m_fournisseur) m_fournisseur->progresser(id, valeur, but, stat);
}

void Plateforme::envoyerScore(const QString& nom, int score, const QString& details) {
    if (m_fournisseur) m_fournisseur->envoyerScore(nom, score, details);
}

void Plateforme::presence(const QString& cle, const QString& valeurs, const QString& groupe) {
    if (m_fournisseur) m_fournisseur->presence(cle, valeurs, groupe);
}

QString Plateforme::lireNuage() {
    return m_fournisseur ? m_fournisseur->lireNuage() : QString(QLatin1String(""));
}

void Plateforme::ecrireNuage(const QString& texte) {
    if (m_fournisseur) m_fournisseur->ecrireNuage(texte);
}

QString Plateforme::nom() const {
    return m_fournisseur ? m_fournisseur->nom() : QString(QLatin1String(""));
}

bool Plateforme::annonce() const {
    return m_fournisseur && m_fournisseur->annonce();
}

bool Plateforme::steamDeck() const {
    return m_fournisseur && m_fournisseur->steamDeck();
}

void Plateforme::changerManette(const QString& famille) {
    if (famille == m_manette) return;
    m_manette = famille;
    emit manetteChange();
}
