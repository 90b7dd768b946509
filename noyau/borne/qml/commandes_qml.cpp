#include "commandes_qml.h"

#include <QQmlEngine>

namespace {

// A translation function from the scene (Langue.t), when it gave one.
commandes::Traduction traduction(const QJSValue& tr) {
    if (!tr.isCallable()) return {};
    return [tr](const QString& cle) {
        QJSValue f = tr;
        const QJSValue r = f.call({QJSValue(cle)});
        return r.isString() ? r.toString() : commandes::sans(cle);
    };
}

} // namespace

void CommandesQml::regler(const QVariant& touches) {
    QMap<QString, int> perso;
    const QVariantMap m = touches.toMap();
    for (auto it = m.begin(); it != m.end(); ++it) {
        bool nombre = false;
        const int code = it.value().toInt(&nombre);
        if (nombre) perso.insert(it.key(), code);
    }
    m_table.regler(perso);
}

QVariantList CommandesQml::clavier(const QString& a) const {
    QVariantList r;
    for (int code : m_table.clavier(a))
        r.append(code);
    return r;
}

QString CommandesQml::action(int code, bool ctrl) const {
    return m_table.action(code, ctrl);
}

QVariant CommandesQml::actionDuel(int code) const {
    const auto d = m_table.actionDuel(code);
    if (!d) return QVariant::fromValue(nullptr);
    return QVariantMap{{QStringLiteral("joueur"), d->joueur},
                       {QStringLiteral("action"), d->action}};
}

QVariant CommandesQml::direction(const QString& a) const {
    const auto d = commandes::direction(a);
    if (!d) return QVariant::fromValue(nullptr);
    return QVariantList{(*d)[0], (*d)[1]};
}

QString CommandesQml::geste(double dx, double dy, double dureeMs) const {
    return commandes::geste(dx, dy, dureeMs);
}

QString CommandesQml::appareil(int code, const QString& systeme, const QString& actuel) const {
    return m_table.appareil(code, systeme, actuel);
}

QString CommandesQml::appareilDe(const QString& systeme, bool tele) const {
    return commandes::appareilDe(systeme, tele);
}

QStringList CommandesQml::appareils(const QString& systeme) const {
    return commandes::appareils(systeme);
}

void CommandesQml::choisirFamille(const QString& f) {
    const QString avant = m_table.famille();
    m_table.choisirFamille(f);
    if (m_table.famille() != avant) emit familleChanged();
}

QString CommandesQml::nomManette(const QString& a) const {
    return m_table.nomManette(a);
}

QString CommandesQml::etiquette(const QString& a, const QString& app, const QString& systeme,
                                const QJSValue& tr) const {
    return m_table.etiquette(a, app, systeme, traduction(tr));
}

QVariantMap CommandesQml::etiquettes(const QString& app, const QString& systeme,
                                     const QJSValue& tr) const {
    QVariantMap r;
    const auto e = m_table.etiquettes(app, systeme, traduction(tr));
    for (auto it = e.begin(); it != e.end(); ++it)
        r.insert(it.key(), it.value());
    return r;
}

QString CommandesQml::libelle(const QString& a, const QString& app, const QString& systeme,
                              const QJSValue& tr) const {
    return m_table.libelle(a, app, systeme, traduction(tr));
}

QVariant CommandesQml::manette(int code) const {
    const auto b = commandes::manette(code);
    if (!b) return QVariant::fromValue(nullptr);
    return QVariantMap{{QStringLiteral("rang"), b->rang}, {QStringLiteral("bouton"), b->bouton}};
}

QStringList CommandesQml::trous(const QString& systeme) const {
    return m_table.trous(systeme);
}

QStringList CommandesQml::actions() const {
    QStringList r;
    for (const char* a : commandes::ACTIONS)
        r.append(QLatin1String(a));
    return r;
}

QVariantMap CommandesQml::cles() const {
    namespace K = commandes::K;
    return {{"echap", K::echap},
            {"tab", K::tab},
            {"retourArriere", K::retourArriere},
            {"entree", K::entree},
            {"entreePave", K::entreePave},
            {"inser", K::inser},
            {"suppr", K::suppr},
            {"pause", K::pause},
            {"debut", K::debut},
            {"fin", K::fin},
            {"gauche", K::gauche},
            {"haut", K::haut},
            {"droite", K::droite},
            {"bas", K::bas},
            {"pageHaut", K::pageHaut},
            {"pageBas", K::pageBas},
            {"f1", K::f1},
            {"f11", K::f11},
            {"menu", K::menu},
            {"rembobine", K::rembobine},
            {"avance", K::avance},
            {"rouge", K::rouge},
            {"vert", K::vert},
            {"jaune", K::jaune},
            {"bleu", K::bleu},
            {"espace", K::espace},
            {"guillemet", K::guillemet},
            {"esperluette", K::esperluette},
            {"apostrophe", K::apostrophe},
            {"parentheseG", K::parentheseG},
            {"virgule", K::virgule},
            {"point", K::point},
            {"pointVirgule", K::pointVirgule},
            {"inferieur", K::inferieur},
            {"superieur", K::superieur},
            {"crochetG", K::crochetG},
            {"crochetD", K::crochetD},
            {"eAigu", K::eAigu},
            {"retour", K::retour},
            {"lecture", K::lecture},
            {"stop", K::stop},
            {"precedent", K::precedent},
            {"suivant", K::suivant},
            {"mediaPause", K::mediaPause},
            {"lecturePause", K::lecturePause},
            {"info", K::info},
            {"select", K::select},
            {"play", K::play}};
}

void enregistrerCommandes() {
    qmlRegisterSingletonType<CommandesQml>(
        "Tessimora", 1, 0, "Commandes",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new CommandesQml; });
}
