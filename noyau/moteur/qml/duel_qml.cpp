#include "moteur/qml/duel_qml.h"

ArbitreDuelQml::ArbitreDuelQml(QObject* parent) : QObject(parent) {}

void ArbitreDuelQml::commencer() {
    a_ = duel::Arbitre{};
    emit etatChanged();
}

bool ArbitreDuelQml::finJoueur(int n, const QString& etat, double s1, double s2) {
    partie::Etat e;
    if (etat == QLatin1String("gagne"))
        e = partie::Etat::Gagne;
    else if (etat == QLatin1String("temps"))
        e = partie::Etat::Temps;
    else if (etat == QLatin1String("impasse"))
        e = partie::Etat::Impasse;
    else
        return false;
    const duel::Arbitre avant = a_;
    const bool decide = duel::finJoueur(a_, n, e, s1, s2);
    if (avant.joue != a_.joue || avant.fin1 != a_.fin1 || avant.fin2 != a_.fin2) emit etatChanged();
    return decide;
}

QString ArbitreDuelQml::logo(int n) const {
    return QLatin1String(duel::logo(a_.gagnant, n));
}

QString ArbitreDuelQml::musique(bool contreIa) const {
    return QLatin1String(duel::musique(a_.gagnant, contreIa));
}

IssueDuel ArbitreDuelQml::issue(int niveauIa, int gagnant, double score, int rang) const {
    const duel::Issue i = duel::issue(niveauIa, gagnant, score, rang);
    IssueDuel r;
    r.compte = i.compte;
    r.score = i.score;
    r.etape = i.etape;
    r.saisie = i.saisie;
    return r;
}
