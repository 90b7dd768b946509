#include "borne/qml/flux_qml.h"

#include "borne/flux.h"
#include "borne/saisie.h"
#include "sauvegarde/qml/evenements_qml.h"
#include "sauvegarde/qml/js_qml.h"

#include <QJsonArray>
#include <QQmlEngine>

namespace {

QChar premier(const QString& s) {
    return s.isEmpty() ? QLatin1Char(' ') : s[0];
}

} // namespace

int FluxQml::secondesSaisie() const {
    return saisie::SECONDES;
}

int FluxQml::lettres() const {
    return saisie::taille();
}

FinPile finPileDe(const flux::Fin& f) {
    static_assert(int(flux::Suite::GameOver) == int(FinPile::GameOver), "Suite and FinPile differ");
    FinPile r;
    r.suite = static_cast<FinPile::Suite>(static_cast<int>(f.suite));
    r.scoreTotal = f.course.scoreTotal;
    r.multiplicateur = f.course.multiplicateur;
    r.etape = f.course.etape;
    r.etapesPartie = f.course.etapesPartie;
    r.etapeFinale = f.course.etapeFinale;
    r.tempsImpose = f.tempsImpose;
    r.scoreFinal = f.scoreFinal;
    r.multFinal = f.multFinal;
    r.etapeNotee = f.etapeNotee;
    r.defiGagne = f.defiGagne;
    r.defiClasse = f.defiClasse;
    r.musique = f.musique;
    for (const evenements::Evenement& e : f.evenements)
        r.evenements << QVariant::fromValue(EvenementJeu(e));
    return r;
}

int FluxQml::rangFinal(const QJSValue& table, int score) const {
    stockage::Table t;
    for (const QJsonValue& x : js::versJson(table).toArray())
        if (auto e = stockage::lireEntree(x)) t.push_back(*e);
    return flux::rangFinal(t, score);
}

double FluxQml::scoreAffiche(double scoreBase, double points, int multiplicateur,
                             double bonus) const {
    return flux::scoreAffiche(scoreBase, points, multiplicateur, bonus);
}

QString FluxQml::deplacerLettre(const QString& c, int pas) const {
    return saisie::deplacer(premier(c), pas);
}

QString FluxQml::debutSaisie(const QString& initiales) const {
    return saisie::debut(initiales);
}

QString FluxQml::lettreDe(const QString& initiales, int place, const QString& precedente) const {
    return saisie::lettreDe(initiales, place, premier(precedente));
}

QString FluxQml::lettre(int k) const {
    if (k < 0 || k >= saisie::taille()) return QString();
    return QString(QLatin1Char(stockage::LETTRES[k]));
}

QPointF FluxQml::caseLettre(int k) const {
    return QPointF(saisie::caseX(k), saisie::caseY(k));
}

int FluxQml::caseTouchee(double x, double y) const {
    return saisie::caseTouchee(x, y);
}

bool FluxQml::finTouchee(double x, double y) const {
    return saisie::finTouchee(x, y);
}

ColonneScore FluxQml::colonne(const QVariant& date, double etape) const {
    const QString d = date.type() == QVariant::String ? date.toString() : QString();
    const saisie::Colonne c = saisie::colonne(d, etape);
    ColonneScore r;
    r.date = c.date;
    r.texte = c.texte;
    return r;
}

QString FluxQml::chiffres(double n, int k) const {
    return saisie::chiffres(n, k);
}

void enregistrerFlux() {
    qRegisterMetaType<FinPile>();
    qRegisterMetaType<ColonneScore>();
    // Only its values are read in QML: FinPile.Continue, FinPile.GameOver.
    qmlRegisterUncreatableMetaObject(FinPile::staticMetaObject, "Tessimora", 1, 0, "FinPile",
                                     QStringLiteral("a stack's end"));
    qmlRegisterSingletonType<FluxQml>(
        "Tessimora", 1, 0, "Flux", [](QQmlEngine*, QJSEngine*) -> QObject* { return new FluxQml; });
}
