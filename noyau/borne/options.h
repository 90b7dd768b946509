#pragma once

#include "sauvegarde/stockage.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The rules of OPTIONS, CRT SETTINGS and the ACCESS page: the lines, what
// each one edits in the settings record, how Left and Right move its value,
// what the line shows, and where the pointer lands. Every change gives a new
// record that went through the settings reader, so nothing out of range is
// ever handed to the memory. OPTIONS is the first fourteen lines, CRT
// SETTINGS the first seven, and ACCESS (opened from its OPTIONS line, as
// CONTROLS is) the three after them.
namespace options {

enum class Sorte {
    Niveau,    // a real 0..1 in steps of 0.05, drawn as an incense stick
    Bascule,   // on/off, either direction flips it
    Choix,     // one of a few values, wrapping
    Langage,   // AUTO and the offered languages, wrapping
    Controles, // opens CONTROLS
    Acces,     // opens the ACCESS page
};

// The pages the scene shows.
enum class Page { Options, Crt, Acces };

struct Ligne {
    const char* cle; // label (a catalogue key, except "CRT", never translated)
    Sorte sorte;
    // The values shown for a Bascule (true first) or a Choix, in order.
    std::array<const char*, 3> textes;
};

constexpr int NOMBRE = 17; // every line of every page
constexpr int NOMBRE_OPTIONS = 14;
constexpr int NOMBRE_CRT = 7;
constexpr int NOMBRE_ACCES = 3;
extern const std::array<Ligne, NOMBRE> LIGNES;

// Line indexes, in order.
enum : int {
    BALAYAGE,
    LUEUR,
    COURBURE,
    MASQUE,
    VIGNETTE,
    CRT,
    ECRAN,
    MUSIQUE,
    EFFETS,
    PIECES,
    IA,
    LANGUE,
    ACCES,
    COMMANDES,
    PAROLE,
    TUILES,
    MOUVEMENT
};

// How many lines a page shows, and the line on its first row.
int nombre(Page page);
int premiere(Page page);
// How many values a Bascule or Choix line offers; 0 for the others.
int nombreTextes(int ligne);

// The language line's entries: "" (the device's language) then the offered
// codes in the catalogue's order, 32 in all.
const QStringList& langues();

// The line's current value for a level line, 0 for the others.
double niveau(const stockage::Reglages& r, int ligne);
// The current entry of a Bascule (0 for true), Choix or Langage line; the
// SCREEN line reads `modeEcran` (the mode in force) while its setting is
// empty. -1 for the other lines.
int position(const stockage::Reglages& r, int ligne, const QString& modeEcran);

// Left (sens < 0) or Right (sens > 0) on a line: the new record, already
// validated, or nothing for the CONTROLS line and lines that do not exist.
// A level moves to the nearest multiple of 0.05 of value + 0.05 sens, kept
// within 0..1; SCREEN, CPU and LANGUAGE wrap; an on/off line flips whatever
// the direction.
std::optional<stockage::Reglages> regler(const stockage::Reglages& r, int ligne, int sens,
                                         const QString& modeEcran);

// -- what a level shows, in native pixels ----------------------------------------
constexpr int BATON_X = 150;   // the burnt end of the stick
constexpr int BATON_FIN = 300; // its unburnt end, at the burner
// The value 0..100 shown beside the stick (halves upwards).
int pourcent(double v);
// Where the ember sits: a full level is a long unburnt stick, 0 burnt out.
int braise(double v);

// -- rows ---------------------------------------------------------------------------
// Row step and the first row's y: CRT SETTINGS and ACCESS have room to space
// their few lines.
int pas(Page page);
int premiereLigne(Page page);

// -- pointer ------------------------------------------------------------------------
// The row under a press (0 for the page's first line), or -1.
int ligneTouchee(double y, Page page);
// A press left of the values lowers, right of them raises.
int sensTouche(double x);
// Outside the lines, a press at the bottom leaves.
bool sortieTouchee(double y);

} // namespace options
