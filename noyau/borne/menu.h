#pragma once

#include "borne/modes.h"

#include <QSet>
#include <QString>
#include <QVariantMap>
#include <QVector>
#include <array>

// MODE SELECT's rules: the entries of the lantern rope, which of them
// the player has opened, the second row each one offers (stages, opponents,
// extras) with the item the cursor opens on, and where the lanterns and the
// row's items sit for the pointer. The scene only draws what these say.
namespace menu {

struct Entree {
    const char* id;    // the mode (or "extras", "options") handed to the play flow
    const char* icone; // suffix of the sprite "ecrans_icone_"
    const char* nom;
    const char* ligne1;
    const char* ligne2;
    const char* ligne1Fermee; // shown instead while locked
    const char* ligne2Fermee;
    const char* drapeau; // the progression's unlock flag, or "" for always open
};

// One lantern per mode that has one, in the table of modes' order, then
// EXTRAS and OPTIONS.
constexpr int NOMBRE = modes::lanternes() + 2;
extern const std::array<Entree, NOMBRE> ENTREES;

// What the player has opened so far.
struct Ouvertures {
    bool code = false; // the hidden code: every mode, stage and extra is open
    int etapeMax = 0;  // highest NIGHT MARKET stage cleared
    QVector<int> etapesVues;
    QSet<QString> drapeaux; // the progression's unlock flags that are true
};

// The entry's index by id, or -1.
int indexDe(const QString& id);
// False for an index out of range.
bool ouverte(int index, const Ouvertures& o);

// One item of a second row: its name (a catalogue key and the values of its
// placeholders), the options handed with the choice, and whether it is open.
struct Article {
    QString nom;
    QVariantMap valeurs;
    QVariantMap options;
    bool ouvert = true;
};

// The second row of an entry; empty means the entry is chosen at once. The
// stage row is empty while only STAGE 01 is offered. `deuxJoueurs` is false
// where a single remote cannot serve two players.
QVector<Article> listeDe(const QString& id, const Ouvertures& o, bool deuxJoueurs);
// Where the cursor opens in a row of `taille` items: the last stage reached,
// the opponent of OPTIONS' CPU setting (`niveauIa`, 0 to 2), the first extra.
int curseurDe(const QString& id, int taille, int niveauIa = 1);

// -- layout, in native pixels --------------------------------------------------
constexpr int ECART_LANTERNES = 54;
constexpr int LARGEUR_ECRAN = 384;

// The rope's offset that centres the chosen lantern when the ends allow it,
// between -110 and 0.
int decalage(int choix);
// The lantern under a press with the rope at `decalage`, or -1.
int lanterneTouchee(double x, double y, int decalage);

struct Place {
    int x = 0;
    int y = 0;
};
// Rows of more than four items take four columns, others two.
int colonnes(int taille);
Place placeArticle(int k, int taille);
// The item under a press, or -1.
int articleTouche(double x, double y, int taille);

} // namespace menu
