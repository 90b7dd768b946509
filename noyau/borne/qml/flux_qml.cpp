#include "borne/qml/flux_qml.h"

#include "borne/flux.h"
#include "borne/saisie.h"
#include "sauvegarde/qml/js_qml.h"

#include <QJsonArray>
#include <QQmlEngine>

namespace {

flux::Course courseDe(const QVariantMap& m) {
    flux::Course c;
    c.mode = m.value(QStringLiteral("mode"), c.mode).toString();
    c.etape = m.value(QStringLiteral("etape")).toInt();
    c.continues = m.value(QStringLiteral("continues")).toInt();
    c.scoreTotal = m.value(QStringLiteral("scoreTotal")).toInt();
    c.multiplicateur = m.value(QStringLiteral("multiplicateur"), 1).toInt();
    c.etapesPartie = m.value(QStringLiteral("etapesPartie")).toInt();
    c.etapeFinale = m.value(QStringLiteral("etapeFinale")).toInt();
    return c;
}

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

int FluxQml::rushMs() const {
    return flux::RUSH_MS;
}

FinPile FluxQml::finPile(const QVariantMap& course, const QVariantMap& pile, bool classe,
                         const QString& jour) const {
    flux::Pile p;
    p.etat = pile.value(QStringLiteral("etat")).toString();
    p.score = pile.value(QStringLiteral("score")).toInt();
    p.bonus = pile.value(QStringLiteral("bonus")).toInt();
    p.tempsMs = pile.value(QStringLiteral("tempsMs")).toInt();
    p.tempsMax = pile.value(QStringLiteral("tempsMax")).toInt();
    p.parfait = pile.value(QStringLiteral("parfait")).toBool();
    const flux::Fin f = flux::finPile(courseDe(course), p, classe, jour);
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
    r.evenements = f.evenements;
    return r;
}

QVariantMap FluxQml::apresContinue(const QVariantMap& course) const {
    const flux::Course c = flux::apresContinue(courseDe(course));
    return {{QStringLiteral("continues"), c.continues},
            {QStringLiteral("scoreTotal"), c.scoreTotal}};
}

int FluxQml::etapeFigure(const QVariantMap& course, int mult) const {
    return flux::etapeFigure(courseDe(course), mult);
}

int FluxQml::rangFinal(const QJSValue& table, int score) const {
    stockage::Table t;
    for (const QJsonValue& x : js::versJson(table).toArray())
        if (auto e = stockage::lireEntree(x)) t.push_back(*e);
    return flux::rangFinal(t, score);
}

int FluxQml::voile(const QString& mode, int etape) const {
    return flux::voile(mode, etape);
}

QString FluxQml::musiqueJeu(const QString& mode) const {
    return flux::musiqueJeu(mode);
}

bool FluxQml::classeDuJour(const QString& defiClasse, const QString& jour) const {
    return flux::classeDuJour(defiClasse, jour);
}

QVariantMap FluxQml::rapport(const QVariantMap& course, int score, bool classe, const QString& jour,
                             int niveauIa) const {
    return flux::rapport(courseDe(course), score, classe, jour, niveauIa);
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

QVariantMap FluxQml::caseLettre(int k) const {
    return {{QStringLiteral("x"), saisie::caseX(k)}, {QStringLiteral("y"), saisie::caseY(k)}};
}

int FluxQml::caseTouchee(double x, double y) const {
    return saisie::caseTouchee(x, y);
}

bool FluxQml::finTouchee(double x, double y) const {
    return saisie::finTouchee(x, y);
}

QString FluxQml::nomMode(const QString& mode) const {
    return flux::nomMode(mode);
}

QVariantMap FluxQml::colonne(const QVariant& date, double etape) const {
    const QString d = date.type() == QVariant::String ? date.toString() : QString();
    const saisie::Colonne c = saisie::colonne(d, etape);
    return {{QStringLiteral("date"), c.date}, {QStringLiteral("texte"), c.texte}};
}

QString FluxQml::chiffres(double n, int k) const {
    return saisie::chiffres(n, k);
}

void enregistrerFlux() {
    qRegisterMetaType<FinPile>();
    // Only its values are read in QML: FinPile.Continue, FinPile.GameOver.
    qmlRegisterUncreatableMetaObject(FinPile::staticMetaObject, "Tessimora", 1, 0, "FinPile",
                                     QStringLiteral("a stack's end"));
    qmlRegisterSingletonType<FluxQml>(
        "Tessimora", 1, 0, "Flux", [](QQmlEngine*, QJSEngine*) -> QObject* { return new FluxQml; });
}
