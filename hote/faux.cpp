#include "faux.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

void journalPlateforme(const QString& texte) {
    std::printf("TESSIMORA_PLATEFORME %s\n", texte.toUtf8().constData());
    std::fflush(stdout);
}

Faux::Faux(QString dossier) : m_dossier(std::move(dossier)) {
    QDir().mkpath(m_dossier);
}

QString Faux::nom() const {
    return QStringLiteral("faux");
}

QString Faux::fichierNuage() const {
    return m_dossier + QLatin1String("/tessimora.sav");
}

void Faux::debloquer(const QString& id) {
    journalPlateforme(QLatin1String("debloquer ") + id);
}

void Faux::progresser(const QString& id, int valeur, int but, const QString& stat) {
    journalPlateforme(
        QStringLiteral("progresser %1 %2/%3 %4").arg(id).arg(valeur).arg(but).arg(stat));
}

void Faux::envoyerScore(const QString& nom, int score, const QString& details) {
    journalPlateforme(QStringLiteral("score %1 %2 %3").arg(nom).arg(score).arg(details));
}

void Faux::presence(const QString& cle, const QString& valeurs, const QString& groupe) {
    // One pass, so a "%1" inside a value is never taken for a place holder.
    journalPlateforme(QStringLiteral("presence %1 %2 %3").arg(cle, valeurs, groupe));
}

QString Faux::lireNuage() {
    QFile fichier(fichierNuage());
    if (!fichier.open(QIODevice::ReadOnly)) return QString();
    QByteArray octets = fichier.readAll();
    const int nul = octets.indexOf('\0');
    if (nul >= 0) octets.truncate(nul);
    return QString::fromUtf8(octets);
}

void Faux::ecrireNuage(const QString& texte) {
    const QByteArray octets = texte.toUtf8();
    QSaveFile fichier(fichierNuage());
    if (fichier.open(QIODevice::WriteOnly)) {
        fichier.write(octets);
        fichier.commit();
    }
    journalPlateforme(QStringLiteral("nuage %1").arg(octets.size()));
}
