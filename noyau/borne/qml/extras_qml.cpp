#include "extras_qml.h"

#include "borne/galerie.h"
#include "borne/sontest.h"
#include "borne/vitrine.h"
#include "sauvegarde/qml/js_qml.h"

#include <QQmlEngine>

int ExtrasQml::motifs() const {
    return galerie::NOMBRE;
}
int ExtrasQml::pistes() const {
    return sontest::nombre();
}
int ExtrasQml::succes() const {
    return vitrine::NOMBRE;
}
int ExtrasQml::parPage() const {
    return vitrine::PAR_PAGE;
}
int ExtrasQml::pages() const {
    return vitrine::PAGES;
}

MotifGalerie ExtrasQml::motif(int m) const {
    const galerie::Nom n = galerie::nom(m);
    const galerie::Case c = galerie::place(m);
    MotifGalerie r;
    r.nom = n.cle;
    r.valeurs = n.valeurs;
    r.regle = galerie::regle(m);
    r.x = c.x;
    r.y = c.y;
    return r;
}

int ExtrasQml::deplacerMotif(int choix, const QString& action) const {
    return galerie::deplacer(choix, action);
}

int ExtrasQml::motifTouche(double x, double y) const {
    return galerie::tuileTouchee(x, y);
}

QVariant ExtrasQml::piste(int choix) const {
    const catalogue::Piste* p = sontest::piste(choix);
    if (!p) return QVariant::fromValue(nullptr);
    return QVariantMap{{QStringLiteral("id"), p->id},
                       {QStringLiteral("numero"), sontest::numero(*p)},
                       {QStringLiteral("titre"), p->titre},
                       {QStringLiteral("type"), p->type},
                       {QStringLiteral("genre"), sontest::genre(*p)},
                       {QStringLiteral("duree"), p->duree},
                       {QStringLiteral("dureeTexte"), sontest::duree(*p)},
                       {QStringLiteral("dureeJeu"), sontest::dureeJeu(*p)},
                       {QStringLiteral("musique"), sontest::surMusique(*p)}};
}

int ExtrasQml::deplacerPiste(int choix, const QString& action) const {
    return sontest::deplacer(choix, action);
}

QString ExtrasQml::actionSonTest(double x, double y) const {
    return sontest::actionTouchee(x, y);
}

QVariantList ExtrasQml::rangees(const QJSValue& etat, int page) const {
    QVariantList r;
    for (const vitrine::Rangee& g : vitrine::rangees(js::etatSucces(etat), page))
        r.append(QVariantMap{{QStringLiteral("id"), g.id},
                             {QStringLiteral("nom"), g.nom},
                             {QStringLiteral("texte"), g.texte},
                             {QStringLiteral("allume"), g.allume},
                             {QStringLiteral("progres"), g.progres}});
    return r;
}

int ExtrasQml::allumes(const QJSValue& etat) const {
    return succes::nombre(js::etatSucces(etat));
}

int ExtrasQml::pageDe(int choix) const {
    return vitrine::page(choix);
}

QString ExtrasQml::pageSurTotal(int choix) const {
    return vitrine::pageSurTotal(choix);
}

int ExtrasQml::deplacerSucces(int choix, const QString& action) const {
    return vitrine::deplacer(choix, action);
}

AppuiSucces ExtrasQml::appuiSucces(int choix, double x, double y) const {
    const vitrine::Appui a = vitrine::appui(choix, x, y);
    // The two enums name the same answers in the same order.
    static_assert(int(vitrine::Appui::Choix) == int(Choix), "Appui and vitrine::Appui differ");
    AppuiSucces r;
    r.quoi = static_cast<int>(a.quoi);
    r.choix = a.choix;
    return r;
}

void enregistrerExtras() {
    qRegisterMetaType<MotifGalerie>();
    qRegisterMetaType<AppuiSucces>();
    qmlRegisterSingletonType<ExtrasQml>(
        "Tessimora", 1, 0, "Extras",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new ExtrasQml; });
}
