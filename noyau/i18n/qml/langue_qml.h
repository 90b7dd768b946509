#pragma once

// The one language object every scene reads. Texts are bound as
// `Langue.t(key, values)`: `t` and `p` are function-valued properties
// that announce a change with `revision`, so every binding that called them
// is recomputed as soon as another language is in place.

#include "i18n/langue.h"

#include <QJSValue>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <deque>
#include <functional>
#include <memory>

class QJSEngine;

class Langue : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString code READ code NOTIFY codeChanged)
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)
    Q_PROPERTY(bool pret READ pret NOTIFY pretChanged)
    Q_PROPERTY(QString dossier READ dossier WRITE setDossier NOTIFY dossierChanged)
    Q_PROPERTY(QString systeme READ systeme CONSTANT)
    Q_PROPERTY(QVariantList langues READ langues CONSTANT)
    Q_PROPERTY(QStringList disponibles READ disponibles CONSTANT)
    Q_PROPERTY(QJSValue t READ fonctionT NOTIFY revisionChanged)
    Q_PROPERTY(QJSValue p READ fonctionP NOTIFY revisionChanged)

public:
    // `preferences` is the device's language list; the default asks the system.
    explicit Langue(QObject* parent = nullptr,
                    const QStringList& preferences = langue::listeSysteme());
    ~Langue() override;

    // Creates the functions `t` and `p` in the engine that will call them.
    void lier(QJSEngine* moteur);

    QString code() const { return catalogue_.code(); }
    int revision() const { return revision_; }
    bool pret() const { return pret_; }
    QString dossier() const { return dossier_; }
    void setDossier(const QString& dossier);
    QString systeme() const { return systeme_; }
    QVariantList langues() const;
    QStringList disponibles() const;

    QJSValue fonctionT() const { return fonctionT_; }
    QJSValue fonctionP() const { return fonctionP_; }

    // For native callers.
    const langue::Catalogue& catalogue() const { return catalogue_; }
    void charger(const QString& choix, std::function<void()> fini = {});

    Q_INVOKABLE QString nom(const QJSValue& c) const;
    Q_INVOKABLE void choisir(const QJSValue& choix = QJSValue(), const QJSValue& fini = QJSValue());
    // What `t` and `p` call; usable directly where no binding needs to follow.
    Q_INVOKABLE QString traduire(const QJSValue& cle, const QJSValue& valeurs = QJSValue()) const;
    // Whether the language has its own text for a key: the drawn English
    // strips give way to text only then.
    Q_INVOKABLE bool traduit(const QJSValue& cle) const;
    Q_INVOKABLE QString pluriel(const QJSValue& un, const QJSValue& plusieurs, const QJSValue& n,
                                const QJSValue& valeurs = QJSValue()) const;

signals:
    void codeChanged();
    void revisionChanged();
    void pretChanged();
    void dossierChanged();

private:
    struct Chargement;
    void etape(const std::shared_ptr<Chargement>& chargement);
    void terminer(const Chargement& chargement);
    void suivant();
    QString chemin(const QString& code) const;

    langue::Catalogue catalogue_;
    int revision_ = 0;
    bool pret_ = false;
    QString dossier_;
    QString systeme_;
    QJSValue fonctionT_;
    QJSValue fonctionP_;
    // Loads run one after the other, in the order they were asked for.
    std::deque<std::shared_ptr<Chargement>> attente_;
};

// Registers `Langue` as a singleton of the QML module "Tessimora" 1.0.
void enregistrerLangue();
