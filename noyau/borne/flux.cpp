#include "borne/flux.h"

#include "borne/menu.h"

#include <algorithm>

namespace flux {

namespace {

bool est(const QString& s, const char* v) {
    return s == QLatin1String(v);
}

QVariantMap evenementPile(const Course& c, const Pile& p) {
    return {{QStringLiteral("type"), QStringLiteral("pile")},
            {QStringLiteral("mode"), c.mode},
            {QStringLiteral("etape"), c.etape},
            {QStringLiteral("boss"), !est(c.mode, "paper") && c.etape % 4 == 3},
            {QStringLiteral("parfait"), p.parfait},
            {QStringLiteral("tempsMs"), p.tempsMs},
            {QStringLiteral("tempsMax"), p.tempsMax},
            {QStringLiteral("etapesPartie"), c.etapesPartie + 1}};
}

void finRush(Fin& f, const Pile& p, bool gagne) {
    Course& n = f.course;
    n.scoreTotal += p.score * n.multiplicateur;
    if (est(p.etat, "temps")) {
        // Time up ends the run at once: no CONTINUE? in rush.
        f.suite = Suite::GameOver;
        f.scoreFinal = n.scoreTotal;
        f.multFinal = n.multiplicateur;
        return;
    }
    if (gagne) {
        n.multiplicateur += 1;
        f.evenements << QVariantMap{{QStringLiteral("type"), QStringLiteral("pile")},
                                    {QStringLiteral("mode"), QStringLiteral("rush")},
                                    {QStringLiteral("etape"), 0},
                                    {QStringLiteral("piles"), n.multiplicateur - 1},
                                    {QStringLiteral("parfait"), false},
                                    {QStringLiteral("tempsMs"), -1},
                                    {QStringLiteral("tempsMax"), 0}};
    }
    f.suite = Suite::PileSuivante;
    // A clock of 0 would hand the next stack its stage's own full clock: a
    // dead end in the very last instant keeps a single millisecond instead.
    f.tempsImpose = std::max(1, p.tempsMs + (gagne ? RUSH_BONUS_MS : 0));
}

void finDefi(Fin& f, const Pile& p, bool gagne, bool classe, const QString& jour) {
    Course& n = f.course;
    n.scoreTotal = p.score + (gagne ? p.bonus : 0);
    // The day's ranked game is used up, won or lost; only a win clears it.
    f.defiClasse = true;
    f.defiGagne = gagne;
    if (gagne) {
        f.evenements << QVariantMap{{QStringLiteral("type"), QStringLiteral("defi")},
                                    {QStringLiteral("jour"), jour}};
        f.musique = QStringLiteral("victoire");
    }
    f.suite = Suite::GameOver;
    f.scoreFinal = classe ? n.scoreTotal : 0;
    f.multFinal = 1;
}

void finEtape(Fin& f, const Course& c, const Pile& p, bool gagne) {
    Course& n = f.course;
    if (!gagne) {
        n.scoreTotal += p.score;
        n.etapeFinale = c.etape + 1;
        f.suite = Suite::Continue;
        return;
    }
    n.scoreTotal += p.score + p.bonus;
    if (est(c.mode, "night")) f.etapeNotee = c.etape;
    n.etape += 1;
    n.etapesPartie += 1;
    if (n.etape < ETAPES) {
        f.suite = Suite::EtapeSuivante;
        return;
    }
    f.suite = Suite::Salle;
    f.musique = QStringLiteral("victoire");
    n.etapeFinale = ETAPES;
    f.scoreFinal = n.scoreTotal;
    f.evenements << QVariantMap{{QStringLiteral("type"), QStringLiteral("fin12")},
                                {QStringLiteral("mode"), c.mode},
                                {QStringLiteral("continues"), c.continues}};
}

} // namespace

Fin finPile(const Course& c, const Pile& p, bool classe, const QString& jour) {
    Fin f;
    f.course = c;
    const bool gagne = est(p.etat, "gagne");
    if (gagne && !est(c.mode, "rush")) f.evenements << evenementPile(c, p);
    if (est(c.mode, "rush"))
        finRush(f, p, gagne);
    else if (est(c.mode, "daily"))
        finDefi(f, p, gagne, classe, jour);
    else
        finEtape(f, c, p, gagne);
    return f;
}

Course apresContinue(Course c) {
    c.continues += 1;
    c.scoreTotal = 0;
    return c;
}

int etapeFigure(const Course& c, int mult) {
    if (c.etapeFinale > 0) return c.etapeFinale;
    return est(c.mode, "rush") ? mult : c.etape + 1;
}

int rangFinal(const stockage::Table& table, int score) {
    if (score <= 0) return -1;
    return stockage::rang(table, score);
}

int voile(const QString& mode, int etape) {
    if (est(mode, "paper")) return 2;
    if (est(mode, "night") || est(mode, "parade")) return etape % 4 == 3 ? 1 : 0;
    return 0;
}

QString musiqueJeu(const QString& mode) {
    if (est(mode, "daily")) return QStringLiteral("jeu2");
    if (est(mode, "rush")) return QStringLiteral("jeu4");
    return QString();
}

bool classeDuJour(const QString& defiClasse, const QString& jour) {
    return defiClasse != jour;
}

QString nomMode(const QString& mode) {
    const int i = menu::indexDe(mode);
    return i >= 0 ? QLatin1String(menu::ENTREES[i].nom) : QString();
}

QVariantMap rapport(const Course& c, int score, bool classe, const QString& jour, int niveauIa) {
    return {{QStringLiteral("mode"), c.mode},
            {QStringLiteral("score"), score},
            {QStringLiteral("etape"), c.etapeFinale},
            {QStringLiteral("piles"), est(c.mode, "rush") ? c.multiplicateur - 1 : 0},
            {QStringLiteral("classe"), classe},
            {QStringLiteral("jour"), jour},
            {QStringLiteral("ia"), niveauIa}};
}

} // namespace flux
