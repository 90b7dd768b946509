#include "borne/qml/course_qml.h"

#include "ecran/qml/remplacer.h"

#include <QDateTime>
#include <QQmlEngine>

CourseQml::CourseQml(QObject* parent)
    : QObject(parent),
      alea_(alea::creer(double(QDateTime::currentMSecsSinceEpoch() % 4294967296LL))) {}

QString CourseQml::table() const {
    return QLatin1String(modes::regle(c_.mode).table);
}

void CourseQml::remplacerCourse(const flux::Course& n) {
    const flux::Course a = c_;
    c_ = n;
    if (a.mode != n.mode) emit modeChanged();
    if (a.etape != n.etape) emit etapeChanged();
    if (a.continues != n.continues) emit continuesChanged();
    if (a.scoreTotal != n.scoreTotal) emit scoreTotalChanged();
    if (a.multiplicateur != n.multiplicateur) emit multiplicateurChanged();
    if (a.etapesPartie != n.etapesPartie) emit etapesPartieChanged();
    if (a.etapeFinale != n.etapeFinale) emit etapeFinaleChanged();
}

void CourseQml::remplacerScoreFinal(int v) {
    if (remplacer(scoreFinal_, v)) emit scoreFinalChanged();
}

void CourseQml::remplacerClasse(bool v) {
    if (remplacer(classe_, v)) emit classeChanged();
}

void CourseQml::remplacerJour(const QString& v) {
    if (remplacer(jour_, v)) emit jourChanged();
}

void CourseQml::commencer(int mode, int etape, int niveauIa) {
    flux::Course c;
    c.mode = mode >= 0 && mode < modes::NOMBRE ? Mode(mode) : Mode::Night;
    c.etape = std::max(0, etape);
    remplacerCourse(c);
    remplacerScoreFinal(0);
    remplacerClasse(true);
    remplacerJour(QString());
    if (remplacer(niveauIa_, niveauIa)) emit niveauIaChanged();
}

void CourseQml::jouerLeJour(const QString& jour, const QString& defiClasse) {
    remplacerJour(jour);
    remplacerClasse(flux::classeDuJour(defiClasse, jour));
}

FinPile CourseQml::finPile(const QString& etat, double score, double bonus, double tempsMs,
                           double tempsMax, bool parfait) {
    flux::Pile p;
    p.issue = flux::issueDe(etat);
    p.score = int(score);
    p.bonus = int(bonus);
    p.tempsMs = int(tempsMs);
    p.tempsMax = int(tempsMax);
    p.parfait = parfait;
    const flux::Fin f = flux::finPile(c_, p, classe_, jour_);
    remplacerCourse(f.course);
    if (f.suite == flux::Suite::Salle) remplacerScoreFinal(f.scoreFinal);
    return finPileDe(f);
}

void CourseQml::continuer() {
    remplacerCourse(flux::apresContinue(c_));
}

void CourseQml::banquer(double score, int etapeFinale) {
    flux::Course c = c_;
    c.scoreTotal = int(score);
    c.etapeFinale = etapeFinale;
    remplacerCourse(c);
}

void CourseQml::terminer(double score, int multFinal) {
    remplacerScoreFinal(int(score));
    flux::Course c = c_;
    c.etapeFinale = flux::etapeFigure(c_, multFinal);
    remplacerCourse(c);
}

void CourseQml::fixerFin(double score, int etape) {
    remplacerScoreFinal(int(score));
    flux::Course c = c_;
    c.etapeFinale = etape;
    remplacerCourse(c);
}

void CourseQml::oublierFin() {
    flux::Course c = c_;
    c.etapeFinale = 0;
    remplacerCourse(c);
}

QVariantMap CourseQml::rapport(double score) const {
    return flux::rapport(c_, int(score), classe_, jour_, niveauIa_);
}

int CourseQml::nouvelleGraine() {
    return int(alea::suivant(alea_) % 1000000u) + 1;
}

int CourseQml::etapeAuHasard() {
    return modes::etapeDe(static_cast<unsigned>(nouvelleGraine()));
}

void enregistrerCourse() {
    qmlRegisterType<CourseQml>("Tessimora", 1, 0, "Course");
}
