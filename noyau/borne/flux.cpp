#include "borne/flux.h"

#include <algorithm>

namespace flux {

namespace {

using evenements::Evenement;
using evenements::Sorte;

Evenement evenementPile(const Course& c, const Pile& p) {
    Evenement e = evenements::simple(Sorte::Pile);
    e.mode = c.mode;
    e.etape = c.etape;
    e.boss = modes::boss(modes::regle(c.mode), c.etape);
    e.parfait = p.parfait;
    e.tempsMs = p.tempsMs;
    e.tempsMax = p.tempsMax;
    e.etapesPartie = c.etapesPartie + 1;
    return e;
}

void finSansFin(Fin& f, const Pile& p, bool gagne) {
    Course& n = f.course;
    n.scoreTotal += p.score * n.multiplicateur;
    if (p.issue == Issue::Temps) {
        // Time up ends the run at once: one clock, no CONTINUE?.
        f.suite = Suite::GameOver;
        f.scoreFinal = n.scoreTotal;
        f.multFinal = n.multiplicateur;
        return;
    }
    if (gagne) {
        n.multiplicateur += 1;
        // The stacks of the run so far; no stage, no clock of its own.
        Evenement e = evenements::simple(Sorte::Pile);
        e.mode = n.mode;
        e.piles = n.multiplicateur - 1;
        e.tempsMs = -1;
        f.evenements.push_back(e);
    }
    f.suite = Suite::PileSuivante;
    // A clock of 0 would hand the next stack its stage's own full clock: a
    // dead end in the very last instant keeps a single millisecond instead.
    f.tempsImpose = std::max(1, p.tempsMs + (gagne ? RUSH_BONUS_MS : 0));
}

void finUneSeule(Fin& f, const Pile& p, bool gagne, bool classe, const QString& jour) {
    Course& n = f.course;
    n.scoreTotal = p.score + (gagne ? p.bonus : 0);
    // The day's ranked game is used up, won or lost; only a win clears it.
    f.defiClasse = true;
    f.defiGagne = gagne;
    if (gagne) {
        Evenement e = evenements::simple(Sorte::Defi);
        e.jour = jour;
        f.evenements.push_back(e);
        f.musique = QStringLiteral("victoire");
    }
    f.suite = Suite::GameOver;
    f.scoreFinal = classe ? n.scoreTotal : 0;
    f.multFinal = 1;
}

void finEtape(Fin& f, const modes::Regle& r, const Course& c, const Pile& p, bool gagne) {
    Course& n = f.course;
    if (!gagne) {
        n.scoreTotal += p.score;
        n.etapeFinale = c.etape + 1;
        f.suite = r.continuer ? Suite::Continue : Suite::GameOver;
        f.scoreFinal = n.scoreTotal;
        return;
    }
    n.scoreTotal += p.score + p.bonus;
    if (r.noteEtapes) f.etapeNotee = c.etape;
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
    Evenement e = evenements::simple(Sorte::Fin12);
    e.mode = c.mode;
    e.continues = c.continues;
    f.evenements.push_back(e);
}

} // namespace

Issue issueDe(const QString& mot) {
    if (mot == QLatin1String("gagne")) return Issue::Gagne;
    if (mot == QLatin1String("temps")) return Issue::Temps;
    return Issue::Impasse;
}

Fin finPile(const Course& c, const Pile& p, bool classe, const QString& jour) {
    const modes::Regle& r = modes::regle(c.mode);
    Fin f;
    f.course = c;
    const bool gagne = p.issue == Issue::Gagne;
    switch (r.enchainement) {
    case modes::Enchainement::SansFin:
        finSansFin(f, p, gagne);
        break;
    case modes::Enchainement::UneSeule:
        if (gagne) f.evenements.push_back(evenementPile(c, p));
        finUneSeule(f, p, gagne, classe, jour);
        break;
    case modes::Enchainement::Liste:
        // A stack chosen from a list stands alone: its record is its own
        // (the stack's best time and score), no table takes it and it sends
        // no stack event, so an untimed game cannot earn what the clock
        // makes hard.
        f.suite = Suite::GameOver;
        f.course.scoreTotal = p.score;
        f.scoreFinal = 0;
        break;
    case modes::Enchainement::Etapes:
    case modes::Enchainement::Propre:
        if (gagne) f.evenements.push_back(evenementPile(c, p));
        finEtape(f, r, c, p, gagne);
        break;
    }
    return f;
}

Course apresContinue(Course c) {
    c.continues += 1;
    c.scoreTotal = 0;
    return c;
}

int etapeFigure(const Course& c, int mult) {
    if (c.etapeFinale > 0) return c.etapeFinale;
    return modes::regle(c.mode).multiplicateur ? mult : c.etape + 1;
}

int rangFinal(const stockage::Table& table, int score) {
    if (score <= 0) return -1;
    return stockage::rang(table, score);
}

bool classeDuJour(const QString& defiClasse, const QString& jour) {
    return defiClasse != jour;
}

double scoreAffiche(double scoreBase, double points, int multiplicateur, double bonus) {
    return scoreBase + points * multiplicateur + bonus;
}

QVariantMap rapport(const Course& c, int score, bool classe, const QString& jour, int niveauIa) {
    return {
        {QStringLiteral("mode"), QLatin1String(motDe(c.mode).data())},
        {QStringLiteral("score"), score},
        {QStringLiteral("etape"), c.etapeFinale},
        {QStringLiteral("piles"), modes::regle(c.mode).multiplicateur ? c.multiplicateur - 1 : 0},
        {QStringLiteral("classe"), classe},
        {QStringLiteral("jour"), jour},
        {QStringLiteral("ia"), niveauIa}};
}

} // namespace flux
