#include "sauvegarde/qml/magasin_qml.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaProperty>
#include <QSettings>
#include <cstdio>

MagasinQml::MagasinQml(QObject* parent) : QObject(parent) {
    // A burst of changes (the quit writes four texts) is one write.
    ecriture_.setSingleShot(true);
    ecriture_.setInterval(0);
    connect(&ecriture_, &QTimer::timeout, this, [this] { ecrire(); });
    relance_.setSingleShot(true);
    relance_.setInterval(3000);
    connect(&relance_, &QTimer::timeout, this, [this] { ecrire(); });
}

MagasinQml::~MagasinQml() {
    if (charge_) ecrire();
}

void MagasinQml::changerCategorie(const QString& categorie) {
    if (categorie == categorie_) return;
    categorie_ = categorie;
    emit categoryChanged();
}

QString MagasinQml::fichier() {
    return QSettings().fileName();
}

QString MagasinQml::raison(const QString& fichier) {
    const QFileInfo f(fichier);
    if (f.isDir()) return QStringLiteral("a folder stands in its place");
    if (f.exists() && !f.isReadable())
        return QStringLiteral("it cannot be read, so it is left as it is");
    const QFileInfo dossier(f.absolutePath());
    if (!dossier.exists()) return QStringLiteral("its folder cannot be made");
    if (!dossier.isWritable()) return QStringLiteral("its folder is read-only");
    if (f.exists() && !f.isWritable()) return QStringLiteral("it is read-only");
    return QStringLiteral("the disk may be full");
}

void MagasinQml::componentComplete() {
    const QString chemin = fichier();
    const QFileInfo f(chemin);
    illisible_ = f.exists() && !f.isDir() && !f.isReadable();

    QSettings s;
    s.beginGroup(categorie_);
    const QMetaObject* mo = metaObject();
    const int changementIndex = staticMetaObject.indexOfSlot("changement()");
    // Only the properties the document declares are stored, not ours.
    for (int i = staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        const QString nom = QString::fromLatin1(p.name());
        if (s.contains(nom)) {
            QVariant v = s.value(nom);
            if (p.userType() == QMetaType::QVariant || v.convert(p.userType())) p.write(this, v);
        }
        valeurs_.insert(nom, p.read(this));
        if (p.hasNotifySignal())
            QMetaObject::connect(this, p.notifySignalIndex(), this, changementIndex);
    }
    charge_ = true;
}

void MagasinQml::changement() {
    const QMetaObject* mo = metaObject();
    for (int i = staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        const QString nom = QString::fromLatin1(p.name());
        const QVariant v = p.read(this);
        if (valeurs_.value(nom) == v) continue;
        valeurs_.insert(nom, v);
        attente_.insert(nom, v);
    }
    if (!attente_.isEmpty() && !ecriture_.isActive()) ecriture_.start();
}

bool MagasinQml::ecrire() {
    ecriture_.stop();
    if (attente_.isEmpty()) {
        relance_.stop();
        return true;
    }
    bool ecrit = false;
    if (!illisible_) {
        // A fresh QSettings each time: its status tells about this write only.
        QSettings s;
        s.beginGroup(categorie_);
        for (auto it = attente_.cbegin(); it != attente_.cend(); ++it)
            s.setValue(it.key(), it.value());
        s.endGroup();
        s.sync();
        ecrit = s.status() == QSettings::NoError;
    }
    if (ecrit) {
        attente_.clear();
        relance_.stop();
        signale_ = false;
        return true;
    }
    if (!signale_) {
        signale_ = true;
        const QString chemin = fichier();
        const QString ligne = QStringLiteral("Tessimora: the saves cannot be written to %1 (%2); "
                                             "the game goes on and will try again\n")
                                  .arg(QDir::toNativeSeparators(chemin), raison(chemin));
        std::fputs(ligne.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
    }
    relance_.start();
    return false;
}
