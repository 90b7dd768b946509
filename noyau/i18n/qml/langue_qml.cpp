#include "i18n/qml/langue_qml.h"

#include "i18n/index.h"

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QJSValueIterator>
#include <QQmlEngine>
#include <QTimer>
#include <QUrl>
#include <QtQml>

namespace {

// Record members as text, the way a script would print them (5, not 5.0).
QVariantMap valeursDe(const QJSValue& valeurs) {
    QVariantMap resultat;
    if (!valeurs.isObject()) return resultat;
    QJSValueIterator it(valeurs);
    while (it.hasNext()) {
        it.next();
        resultat.insert(it.name(), it.value().toString());
    }
    return resultat;
}

QString texteDe(const QJSValue& valeur) {
    return valeur.isString() ? valeur.toString() : QString();
}

} // namespace

struct Langue::Chargement {
    QString cible;
    QStringList fichiers;
    int lus = 0;
    QList<QJsonObject> tables;
    std::function<void()> fini;
};

Langue::Langue(QObject* parent, const QStringList& preferences)
    : QObject(parent), systeme_(langue::detecter(preferences)) {}

Langue::~Langue() = default;

void Langue::lier(QJSEngine* moteur) {
    if (!moteur) return;
    QJSValue fabrique = moteur->evaluate(
        QStringLiteral("(function (langue) { return ["
                       "  function (cle, valeurs) { return langue.traduire(cle, valeurs); },"
                       "  function (un, plusieurs, n, valeurs) { return langue.pluriel(un, "
                       "plusieurs, n, valeurs); }"
                       "]; })"));
    const QJSValue paire = fabrique.call({moteur->newQObject(this)});
    fonctionT_ = paire.property(0);
    fonctionP_ = paire.property(1);
}

void Langue::setDossier(const QString& dossier) {
    if (dossier == dossier_) return;
    dossier_ = dossier;
    emit dossierChanged();
}

QVariantList Langue::langues() const {
    QVariantList liste;
    for (const langue::Langage& l : langue::LANGUES) {
        liste.append(QVariantMap{{QStringLiteral("code"), QString::fromUtf8(l.code)},
                                 {QStringLiteral("nom"), QString::fromUtf8(l.nom)},
                                 {QStringLiteral("repli"), QString::fromUtf8(l.repli)}});
    }
    return liste;
}

QStringList Langue::disponibles() const {
    return langue::indexDuJeu().disponibles;
}

QString Langue::nom(const QJSValue& c) const {
    const QString code = c.toString();
    const langue::Langage* l = langue::trouver(code);
    return l ? QString::fromUtf8(l->nom) : code;
}

QString Langue::traduire(const QJSValue& cle, const QJSValue& valeurs) const {
    const QString texte = catalogue_.t(texteDe(cle));
    return valeurs.isObject() ? langue::inserer(texte, valeursDe(valeurs)) : texte;
}

bool Langue::traduit(const QJSValue& cle) const {
    const QString k = texteDe(cle);
    return !k.isEmpty() && catalogue_.t(k) != k;
}

QString Langue::pluriel(const QJSValue& un, const QJSValue& plusieurs, const QJSValue& n,
                        const QJSValue& valeurs) const {
    return catalogue_.p(texteDe(un), texteDe(plusieurs), n.toNumber(), valeursDe(valeurs));
}

void Langue::choisir(const QJSValue& choix, const QJSValue& fini) {
    std::function<void()> rappel;
    if (fini.isCallable()) {
        rappel = [fonction = QJSValue(fini)]() mutable {
            const QJSValue resultat = fonction.call();
            if (resultat.isError()) qWarning().noquote() << resultat.toString();
        };
    }
    charger(texteDe(choix), std::move(rappel));
}

void Langue::charger(const QString& choix, std::function<void()> fini) {
    auto chargement = std::make_shared<Chargement>();
    chargement->cible = langue::cible(choix, systeme_);
    chargement->fichiers = langue::chaine(chargement->cible);
    chargement->fini = std::move(fini);
    // A load that needs fewer files must not overtake an earlier one: when
    // OPTIONS steps quickly from pt-BR to fr, the language on screen has to be
    // the one stored last, so each load waits for the one before it.
    attente_.push_back(chargement);
    if (attente_.size() == 1) suivant();
}

void Langue::suivant() {
    if (attente_.empty()) return;
    // Even an English load ends on a later turn of the event loop, so callers
    // always see the same order: choisir returns, then fini runs.
    QTimer::singleShot(0, this, [this, chargement = attente_.front()] { etape(chargement); });
}

QString Langue::chemin(const QString& code) const {
    QString base = dossier_;
    if (base.isEmpty()) {
        base = QStringLiteral(":/app/i18n/");
    } else if (base.startsWith(QLatin1String("qrc:"))) {
        base = QLatin1Char(':') + QUrl(base).path();
    } else if (base.startsWith(QLatin1String("file:"))) {
        base = QUrl(base).toLocalFile();
    } else if (QDir::isRelativePath(base)) {
        // Relative to where the catalogues live inside the program.
        base = QStringLiteral(":/app/i18n/") + base;
    }
    if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    return QDir::cleanPath(base + code + QStringLiteral(".json"));
}

void Langue::etape(const std::shared_ptr<Chargement>& chargement) {
    if (chargement->lus >= chargement->fichiers.size()) {
        // The next load is queued before `fini` runs, so a `fini` that asks
        // for another language simply joins the queue.
        attente_.pop_front();
        suivant();
        terminer(*chargement);
        return;
    }
    const QString code = chargement->fichiers.at(chargement->lus++);
    QFile fichier(chemin(code));
    const langue::Lecture lecture =
        langue::lire(fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray());
    if (lecture.etat == langue::Lecture::Lu) {
        chargement->tables.append(lecture.table);
    } else if (lecture.etat == langue::Lecture::Illisible) {
        qWarning().noquote() << langue::avertissement(code, lecture.erreur);
    }
    QTimer::singleShot(0, this, [this, chargement] { etape(chargement); });
}

void Langue::terminer(const Chargement& chargement) {
    const QString avant = catalogue_.code();
    catalogue_.installer(chargement.cible, chargement.tables);
    if (catalogue_.code() != avant) emit codeChanged();
    if (!pret_) {
        pret_ = true;
        emit pretChanged();
    }
    ++revision_;
    emit revisionChanged();
    if (chargement.fini) chargement.fini();
}

void enregistrerLangue() {
    qmlRegisterSingletonType<Langue>("Tessimora", 1, 0, "Langue",
                                     [](QQmlEngine* moteur, QJSEngine*) -> QObject* {
                                         auto* objet = new Langue();
                                         objet->lier(moteur);
                                         return objet;
                                     });
}
