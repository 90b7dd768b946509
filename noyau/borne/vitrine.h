#pragma once

#include "sauvegarde/succes.h"

#include <QString>
#include <QVector>
#include <tuple>

// ACHIEVEMENTS' rules: the 48 achievements seven to a page, what each row
// shows (a hidden one keeps its secret until it is unlocked, a tiered one
// shows how far it has gone), and how the cursor walks rows and pages. The
// scene only draws what these say.
namespace vitrine {

constexpr int PAR_PAGE = 7;
constexpr int NOMBRE = static_cast<int>(std::tuple_size<decltype(succes::LISTE)>::value);
constexpr int PAGES = (NOMBRE + PAR_PAGE - 1) / PAR_PAGE;

// The page (from 0) that holds achievement `choix`.
int page(int choix);

// The cursor after `action`: Down and Up the next and previous achievement,
// wrapping over all of them; Right and Left the next and previous page,
// wrapping, keeping the row where the page has it (else its last row). -1
// when the action does not move the cursor.
int deplacer(int choix, const QString& action);

// One row as the screen shows it. `nom` and `texte` are catalogue keys,
// except the "???" of a hidden achievement, which is the same everywhere.
struct Rangee {
    QString id;
    QString nom;
    QString texte;
    bool allume = false;
    QString progres; // "37/100" for a tiered achievement still locked, else empty
};
Rangee rangee(const succes::Etat& e, int i);
// The rows of page `p`, at most seven; none for a page that does not exist.
QVector<Rangee> rangees(const succes::Etat& e, int p);

// The page as the header shows it ("1/7").
QString pageSurTotal(int choix);

// What a press means: leave (the bottom band), the previous or next page
// (the side bands), or a row; `choix` is where the cursor lands.
struct Appui {
    enum Quoi { Rien, Sortie, PagePrecedente, PageSuivante, Choix };
    Quoi quoi = Rien;
    int choix = -1;
};
Appui appui(int choix, double x, double y);

} // namespace vitrine
