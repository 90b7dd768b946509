#pragma once

#include "fournisseur.h"

// A provider that talks to no service: it writes each call it gets as a
// "TESSIMORA_PLATEFORME ..." line on standard output, for trial scripts, and
// keeps the cloud save as the file <dossier>/tessimora.sav, so that cloud
// merging can be exercised on one machine. Every failure is silent.
class Faux final : public Fournisseur {
public:
    // Creates the folder (and its parents) at once; relative to the current folder.
    explicit Faux(QString dossier);

    QString nom() const override;
    void debloquer(const QString& id) override;
    void progresser(const QString& id, int valeur, int but, const QString& stat) override;
    void envoyerScore(const QString& nom, int score, const QString& details) override;
    void presence(const QString& cle, const QString& valeurs, const QString& groupe) override;
    QString lireNuage() override;
    void ecrireNuage(const QString& texte) override;

    QString fichierNuage() const;

private:
    QString m_dossier;
};

// Writes "TESSIMORA_PLATEFORME <texte>" and a newline to standard output and
// flushes at once, so a pipe sees it immediately.
void journalPlateforme(const QString& texte);
