#include "options_qml.h"

#include "borne/controles.h"
#include "borne/options.h"
#include "sauvegarde/qml/js_qml.h"

#include <QQmlEngine>

namespace {

stockage::Reglages lire(const QJSValue& r) {
    return stockage::lireReglages(js::versJson(r));
}

options::Page page(int p) {
    switch (p) {
    case OptionsQml::PageCrt:
        return options::Page::Crt;
    case OptionsQml::PageAcces:
        return options::Page::Acces;
    default:
        return options::Page::Options;
    }
}

QJSValue rendre(const QObject* o, const std::optional<stockage::Reglages>& r) {
    if (!r) return QJSValue(QJSValue::NullValue);
    return js::depuisTexte(o, stockage::ecrireReglages(*r));
}

} // namespace

int OptionsQml::batonX() const {
    return options::BATON_X;
}
int OptionsQml::batonFin() const {
    return options::BATON_FIN;
}
QStringList OptionsQml::langues() const {
    return options::langues();
}
int OptionsQml::ligneRaz() const {
    return controles::LIGNE_RAZ;
}
int OptionsQml::rangsVus() const {
    return controles::RANGS_VUS;
}

QVariantList OptionsQml::lignes(int p) const {
    QVariantList r;
    const int premiere = options::premiere(page(p));
    for (int i = premiere; i < premiere + options::nombre(page(p)); ++i) {
        const options::Ligne& l = options::LIGNES[i];
        QStringList textes;
        for (int k = 0; k < options::nombreTextes(i); ++k)
            textes << QString::fromUtf8(l.textes[k]);
        r.append(QVariantMap{{QStringLiteral("cle"), QString::fromUtf8(l.cle)},
                             {QStringLiteral("sorte"), int(l.sorte)},
                             {QStringLiteral("textes"), textes},
                             {QStringLiteral("ligne"), i}});
    }
    return r;
}

int OptionsQml::pas(int p) const {
    return options::pas(page(p));
}

int OptionsQml::premiereLigne(int p) const {
    return options::premiereLigne(page(p));
}

double OptionsQml::niveau(const QJSValue& reglages, int ligne) const {
    return options::niveau(lire(reglages), ligne);
}

int OptionsQml::position(const QJSValue& reglages, int ligne, const QString& modeEcran) const {
    return options::position(lire(reglages), ligne, modeEcran);
}

QJSValue OptionsQml::regler(const QJSValue& reglages, int ligne, int sens,
                            const QString& modeEcran) const {
    return rendre(this, options::regler(lire(reglages), ligne, sens, modeEcran));
}

int OptionsQml::pourcent(double v) const {
    return options::pourcent(v);
}

int OptionsQml::braise(double v) const {
    return options::braise(v);
}

int OptionsQml::ligneTouchee(double y, int p) const {
    return options::ligneTouchee(y, page(p));
}

int OptionsQml::sensTouche(double x) const {
    return options::sensTouche(x);
}

bool OptionsQml::sortieTouchee(double y) const {
    return options::sortieTouchee(y);
}

QString OptionsQml::nomAction(const QString& action) const {
    return controles::nomAction(action);
}

QString OptionsQml::nomAppareil(const QString& appareil, const QString& systeme) const {
    return controles::nomAppareil(appareil, systeme);
}

bool OptionsQml::reglable(const QString& appareil, const QString& systeme) const {
    return controles::reglable(appareil, systeme);
}

int OptionsQml::nombreLignesCommandes(bool reglable) const {
    return controles::nombreLignes(reglable);
}

QJSValue OptionsQml::remapper(const QJSValue& reglages, const QString& action, int code) const {
    return rendre(this, controles::remapper(lire(reglages), action, code));
}

QJSValue OptionsQml::sansRemappage(const QJSValue& reglages) const {
    return rendre(this, controles::sansRemappage(lire(reglages)));
}

int OptionsQml::appareilTouche(double x, double y, int nombre) const {
    return controles::appareilTouche(x, y, nombre);
}

int OptionsQml::premierePourVoir(int premiere, int choix) const {
    return controles::premierePourVoir(premiere, choix);
}

int OptionsQml::defiler(int premiere, int sens) const {
    return controles::defiler(premiere, sens);
}

int OptionsQml::ligneCommandeTouchee(double y, int nombre, int premiere) const {
    return controles::ligneTouchee(y, nombre, premiere);
}

bool OptionsQml::sortieCommandesTouchee(double y) const {
    return controles::sortieTouchee(y);
}

void enregistrerOptions() {
    qmlRegisterSingletonType<OptionsQml>(
        "Tessimora", 1, 0, "Options",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new OptionsQml; });
}
